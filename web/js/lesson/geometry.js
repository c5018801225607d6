// Twips, fonts and control keys as the lessons' descriptions give them.

// 15 twips a CSS pixel (1/1440 inch at 96 pixels an inch); the browser's zoom does the rest.
export const twips = (value) => value / 15;

// "Text1(3)" for an element of a control array, "Frame3" otherwise.
export const key = (control) => (control.index >= 0 ? `${control.name}(${control.index})` : control.name);

// A lesson font as CSS: the face first (the page serves the lessons' face under its own
// name), then the fallbacks for glyphs it lacks; sizes in points.
export function fontOf(font) {
  return {
    family: `"${font.face}", var(--lesson-fallback)`,
    size: `${font.size}pt`,
    weight: font.bold ? 'bold' : 'normal',
  };
}

// A view colour as CSS: the two system colours follow the page's theme.
export function cssColour(name) {
  if (name === 'window') return 'var(--window)';
  if (name === 'buttonface') return 'var(--button-face)';
  return name;
}
