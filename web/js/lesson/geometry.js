// Twips, fonts and control keys as the lessons' descriptions give them.

// 15 twips a CSS pixel (1/1440 inch at 96 pixels an inch); the browser's zoom does the rest.
export const twips = (value) => value / 15;

// "Text1(3)" for an element of a control array, "Frame3" otherwise.
export const key = (control) => (control.index >= 0 ? `${control.name}(${control.index})` : control.name);

// A lesson font as CSS: the face first (the page serves the lessons' face under its own
// name), then the fallbacks for glyphs it lacks; sizes in points. The face has no bold:
// rather than each engine's own emboldening (Firefox's widens every glyph, so that long
// listing lines are cut), bold is the face's outline stroked 0.039 em wide, as Chromium's and
// WebKit's emboldening does at these sizes. The line height is the face's own (its ascent and
// descent fill the em), which engines otherwise round differently.
export function fontOf(font) {
  return {
    family: `"${font.face}", var(--lesson-fallback)`,
    size: `${font.size}pt`,
    weight: font.bold ? 'bold' : 'normal',
    stroke: font.bold ? '0.039em' : '0',
    lineHeight: '1',
  };
}

// Gives an element a lesson font.
export function applyFont(e, font) {
  const f = fontOf(font);
  e.style.fontFamily = f.family;
  e.style.fontSize = f.size;
  e.style.fontWeight = f.weight;
  e.style.fontSynthesis = 'none';
  e.style.webkitTextStrokeWidth = f.stroke;
  e.style.lineHeight = f.lineHeight;
}

// A view colour as CSS: the two system colours follow the page's theme.
export function cssColour(name) {
  if (name === 'window') return 'var(--window)';
  if (name === 'buttonface') return 'var(--button-face)';
  return name;
}
