// Taps on a tablet: a finger needs a target of 44 CSS pixels or more, and the step button
// and the step back button are smaller (25 pixels high). Each gets a zone of at least
// 44 × 44 around it, invisible and beneath every control, where a tap presses the button;
// the controls stay where the lesson places them. The zones are there only where a pointer
// is coarse (the stylesheet's .tap-zone), so that a mouse click beside a button does nothing.

export const TAP_SIZE = 44;

const rectOf = (e) => ({
  left: parseFloat(e.style.left),
  top: parseFloat(e.style.top),
  width: parseFloat(e.style.width),
  height: parseFloat(e.style.height),
});

const overlap = (a, b) =>
  Math.max(0, Math.min(a.left + a.width, b.left + b.width) - Math.max(a.left, b.left)) *
  Math.max(0, Math.min(a.top + a.height, b.top + b.height) - Math.max(a.top, b.top));

// The zone of `button`: a square (or the button's own size where larger) holding it, inside
// the client area `area`, over as little of the other controls `others` as can be, and
// otherwise as near centred on the button as can be.
export function tapZone(button, others, area) {
  const width = Math.max(TAP_SIZE, button.width);
  const height = Math.max(TAP_SIZE, button.height);
  let best = null;
  for (let dx = 0; dx <= width - button.width; ++dx) {
    for (let dy = 0; dy <= height - button.height; ++dy) {
      const zone = { left: button.left - dx, top: button.top - dy, width, height };
      if (zone.left < 0 || zone.top < 0 || zone.left + width > area.width || zone.top + height > area.height) continue;
      const covered = others.reduce((sum, r) => sum + overlap(zone, r), 0);
      const offCentre = Math.abs(2 * dx - (width - button.width)) + Math.abs(2 * dy - (height - button.height));
      if (!best || covered < best.covered || (covered === best.covered && offCentre < best.offCentre)) best = { zone, covered, offCentre };
    }
  }
  return best?.zone ?? null;
}

// The zones of the step and step back buttons in a lesson window's client area (`controls` built, placed and
// in their tab order): first in the client, so that every control is above them.
export function addTapZones(controls, client, size) {
  const takesTaps = (e) => !e.classList.contains('frame') && !e.classList.contains('visually-hidden');
  const others = (button) => [...client.children].filter((e) => e !== button && takesTaps(e) && e.style.width).map(rectOf);
  for (const name of ['Command1', 'StepBack']) {
    const button = controls.buttons[name];
    if (!button) continue;
    const zone = tapZone(rectOf(button), others(button), size);
    if (!zone) continue;
    const e = document.createElement('div');
    e.className = 'tap-zone';
    e.dataset.tapFor = name;
    e.setAttribute('aria-hidden', 'true');
    for (const side of ['left', 'top', 'width', 'height']) e.style[side] = `${zone[side]}px`;
    e.addEventListener('click', () => {
      if (!button.disabled) button.click();
    });
    client.prepend(e);
  }
}
