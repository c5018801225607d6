// A picture area (the Tower of Hanoi board): replays the model's drawing primitives in
// order. A "scale" op gives the area its user coordinate system, upper-left (x1, y1) and
// lower-right (x2, y2), as SetPictureScale does; "fill" and "outline" draw rectangles
// between two corners in the coordinates set last.
//
// The canvas holds one pixel per device pixel, and every edge lies on a pixel boundary, so
// that poles and outlines are sharp at any zoom of the page and any device scale; the
// picture is drawn again when either changes (watchScale).

import { cssColour } from './geometry.js';

// The canvas's size in device pixels: exact where the browser reports it (ResizeObserver's
// device pixel box), else its CSS size times the device pixel ratio.
const deviceSizes = new WeakMap();

function deviceSize(canvas) {
  const known = deviceSizes.get(canvas);
  if (known) return known;
  const ratio = window.devicePixelRatio || 1;
  return {
    width: Math.max(1, Math.round(canvas.clientWidth * ratio)),
    height: Math.max(1, Math.round(canvas.clientHeight * ratio)),
  };
}

export function drawPicture(canvas, ops) {
  const ratio = window.devicePixelRatio || 1;
  const { width: pixelWidth, height: pixelHeight } = deviceSize(canvas);
  if (canvas.width !== pixelWidth || canvas.height !== pixelHeight) {
    canvas.width = pixelWidth;
    canvas.height = pixelHeight;
  }
  const g = canvas.getContext('2d');
  g.setTransform(1, 0, 0, 1, 0, 0);
  g.clearRect(0, 0, canvas.width, canvas.height);
  // An outline is one CSS pixel wide, in whole device pixels.
  const line = Math.max(1, Math.round(ratio));
  let scale = { left: 0, top: 0, width: canvas.clientWidth, height: canvas.clientHeight };
  for (const op of ops ?? []) {
    if (op.kind === 'scale') {
      scale = { left: op.x1, top: op.y1, width: op.x2 - op.x1, height: op.y2 - op.y1 };
      continue;
    }
    if (scale.width === 0 || scale.height === 0) continue;
    // Edges on pixel boundaries; a rectangle thinner than a pixel keeps one.
    const x = (u) => Math.round(((u - scale.left) / scale.width) * pixelWidth);
    const y = (u) => Math.round(((u - scale.top) / scale.height) * pixelHeight);
    const left = Math.min(x(op.x1), x(op.x2));
    const top = Math.min(y(op.y1), y(op.y2));
    const w = Math.max(1, Math.abs(x(op.x2) - x(op.x1)));
    const h = Math.max(1, Math.abs(y(op.y2) - y(op.y1)));
    if (op.kind === 'fill') {
      g.fillStyle = resolve(canvas, op.color);
      g.fillRect(left, top, w, h);
    } else if (op.kind === 'outline') {
      // Four filled strips inside the rectangle: no stroke falls between two pixels.
      g.fillStyle = resolve(canvas, op.color);
      const side = Math.min(line, w, h);
      g.fillRect(left, top, w, side);
      g.fillRect(left, top + h - side, w, side);
      g.fillRect(left, top, side, h);
      g.fillRect(left + w - side, top, side, h);
    }
  }
}

// Calls `redraw` whenever the canvas's size in device pixels changes: the page zoomed, the
// window moved to a screen of another scale, the canvas resized. Answers a function that
// stops watching.
export function watchScale(canvas, redraw) {
  let stopped = false;
  const observer = new ResizeObserver((entries) => {
    const box = entries[0]?.devicePixelContentBoxSize?.[0];
    const ratio = window.devicePixelRatio || 1;
    // Taken where it agrees with the ratio (an emulated device scale reports CSS pixels).
    if (box && Math.abs(box.inlineSize - canvas.clientWidth * ratio) < 2)
      deviceSizes.set(canvas, { width: box.inlineSize, height: box.blockSize });
    else deviceSizes.delete(canvas);
    if (!stopped) redraw();
  });
  try {
    observer.observe(canvas, { box: 'device-pixel-content-box' });
  } catch {
    observer.observe(canvas); // browsers without the device pixel box
  }
  // The device pixel ratio changes with the zoom even where the canvas's CSS size does not:
  // the browser says so by the resolution media query and by resizing the viewport.
  let media = null;
  let ratio = window.devicePixelRatio || 1;
  const listen = () => {
    media = matchMedia(`(resolution: ${ratio}dppx)`);
    media.addEventListener('change', changed, { once: true });
  };
  const changed = () => {
    if (stopped || ratio === (window.devicePixelRatio || 1)) return;
    ratio = window.devicePixelRatio || 1;
    media?.removeEventListener('change', changed);
    deviceSizes.delete(canvas);
    listen();
    redraw();
  };
  listen();
  window.addEventListener('resize', changed);
  return () => {
    stopped = true;
    observer.disconnect();
    media?.removeEventListener('change', changed);
    window.removeEventListener('resize', changed);
  };
}

// A canvas takes no CSS variables: the system colours are looked up on the element.
function resolve(canvas, colour) {
  if (colour?.startsWith('#')) return colour;
  canvas.style.setProperty('--probe', cssColour(colour));
  return getComputedStyle(canvas).getPropertyValue('--probe') || '#000';
}
