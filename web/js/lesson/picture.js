// A picture area (the Tower of Hanoi board): replays the model's drawing primitives in
// order. A "scale" op gives the area its user coordinate system, upper-left (x1, y1) and
// lower-right (x2, y2), as SetPictureScale does; "fill" and "outline" draw rectangles
// between two corners in the coordinates set last.

import { cssColour } from './geometry.js';

export function drawPicture(canvas, ops) {
  const ratio = window.devicePixelRatio || 1;
  const width = canvas.clientWidth;
  const height = canvas.clientHeight;
  const pixelWidth = Math.max(1, Math.round(width * ratio));
  const pixelHeight = Math.max(1, Math.round(height * ratio));
  if (canvas.width !== pixelWidth || canvas.height !== pixelHeight) {
    canvas.width = pixelWidth;
    canvas.height = pixelHeight;
  }
  const g = canvas.getContext('2d');
  g.setTransform(1, 0, 0, 1, 0, 0);
  g.clearRect(0, 0, canvas.width, canvas.height);
  let scale = { left: 0, top: 0, width: width, height: height };
  for (const op of ops ?? []) {
    if (op.kind === 'scale') {
      scale = { left: op.x1, top: op.y1, width: op.x2 - op.x1, height: op.y2 - op.y1 };
      continue;
    }
    if (scale.width === 0 || scale.height === 0) continue;
    const x = (u) => ((u - scale.left) / scale.width) * pixelWidth;
    const y = (u) => ((u - scale.top) / scale.height) * pixelHeight;
    const left = Math.min(x(op.x1), x(op.x2));
    const top = Math.min(y(op.y1), y(op.y2));
    const w = Math.abs(x(op.x2) - x(op.x1));
    const h = Math.abs(y(op.y2) - y(op.y1));
    if (op.kind === 'fill') {
      g.fillStyle = resolve(canvas, op.color);
      g.fillRect(left, top, w, h);
    } else if (op.kind === 'outline') {
      g.strokeStyle = resolve(canvas, op.color);
      g.lineWidth = ratio;
      g.strokeRect(left + ratio / 2, top + ratio / 2, Math.max(0, w - ratio), Math.max(0, h - ratio));
    }
  }
}

// A canvas takes no CSS variables: the system colours are looked up on the element.
function resolve(canvas, colour) {
  if (colour?.startsWith('#')) return colour;
  canvas.style.setProperty('--probe', cssColour(colour));
  return getComputedStyle(canvas).getPropertyValue('--probe') || '#000';
}
