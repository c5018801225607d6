// PNG pictures as pixels, and two pictures of one window compared as a person would: where
// both engines paint a flat area (a background, a face, a bar), its colour must be the same;
// what differs only along the edges of glyphs and shapes (font smoothing) is let pass.
import { deflateSync, inflateSync } from 'node:zlib';

const SIGNATURE = Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]);

// {width, height, rgba}: 8-bit truecolour or greyscale, with or without alpha, not interlaced
// (what the browsers' screenshots are).
export function decodePng(png) {
  if (!png.subarray(0, 8).equals(SIGNATURE)) throw new Error('not a PNG picture');
  let header = null;
  const data = [];
  for (let at = 8; at < png.length; ) {
    const length = png.readUInt32BE(at);
    const type = png.toString('latin1', at + 4, at + 8);
    const body = png.subarray(at + 8, at + 8 + length);
    if (type === 'IHDR') header = { width: body.readUInt32BE(0), height: body.readUInt32BE(4), depth: body[8], colour: body[9], interlace: body[12] };
    else if (type === 'IDAT') data.push(body);
    at += 12 + length;
  }
  const channels = { 0: 1, 2: 3, 4: 2, 6: 4 }[header.colour];
  if (header.depth !== 8 || !channels || header.interlace) throw new Error(`PNG of a kind not read here: ${JSON.stringify(header)}`);
  const { width, height } = header;
  const raw = inflateSync(Buffer.concat(data));
  const stride = width * channels;
  const lines = Buffer.alloc(stride * height);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    const from = y * (stride + 1) + 1;
    const out = y * stride;
    const up = out - stride;
    for (let x = 0; x < stride; ++x) {
      const left = x >= channels ? lines[out + x - channels] : 0;
      const above = y > 0 ? lines[up + x] : 0;
      let predicted = 0;
      if (filter === 1) predicted = left;
      else if (filter === 2) predicted = above;
      else if (filter === 3) predicted = (left + above) >> 1;
      else if (filter === 4) {
        const corner = x >= channels && y > 0 ? lines[up + x - channels] : 0;
        const p = left + above - corner;
        const [pa, pb, pc] = [Math.abs(p - left), Math.abs(p - above), Math.abs(p - corner)];
        predicted = pa <= pb && pa <= pc ? left : pb <= pc ? above : corner;
      }
      lines[out + x] = (raw[from + x] + predicted) & 0xff;
    }
  }
  if (channels === 4) return { width, height, rgba: lines };
  const rgba = Buffer.alloc(width * height * 4);
  for (let k = 0; k < width * height; ++k) {
    const at = k * channels;
    const grey = channels < 3;
    rgba[k * 4] = lines[at];
    rgba[k * 4 + 1] = lines[grey ? at : at + 1];
    rgba[k * 4 + 2] = lines[grey ? at : at + 2];
    rgba[k * 4 + 3] = channels === 2 ? lines[at + 1] : 255;
  }
  return { width, height, rgba };
}

const CRC = Array.from({ length: 256 }, (_, n) => {
  let c = n;
  for (let k = 0; k < 8; ++k) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
  return c >>> 0;
});
const crc32 = (bytes) => {
  let c = 0xffffffff;
  for (const byte of bytes) c = CRC[(c ^ byte) & 0xff] ^ (c >>> 8);
  return (c ^ 0xffffffff) >>> 0;
};

// An RGBA picture as PNG (for the pictures of the differences a failed comparison leaves).
export function encodePng({ width, height, rgba }) {
  const chunk = (type, body) => {
    const head = Buffer.alloc(8);
    head.writeUInt32BE(body.length);
    head.write(type, 4, 'latin1');
    const tail = Buffer.alloc(4);
    tail.writeUInt32BE(crc32(Buffer.concat([head.subarray(4), body])));
    return Buffer.concat([head, body, tail]);
  };
  const header = Buffer.alloc(13);
  header.writeUInt32BE(width, 0);
  header.writeUInt32BE(height, 4);
  header.set([8, 6, 0, 0, 0], 8);
  const raw = Buffer.alloc((width * 4 + 1) * height);
  for (let y = 0; y < height; ++y) rgba.copy(raw, y * (width * 4 + 1) + 1, y * width * 4, (y + 1) * width * 4);
  return Buffer.concat([SIGNATURE, chunk('IHDR', header), chunk('IDAT', deflateSync(raw)), chunk('IEND', Buffer.alloc(0))]);
}

// The part of a picture inside `rect` (whole pixels), as PNG.
export function cropPng(png, { x, y, width, height }) {
  const whole = decodePng(png);
  const [left, top] = [Math.round(x), Math.round(y)];
  const [w, h] = [Math.min(Math.round(width), whole.width - left), Math.min(Math.round(height), whole.height - top)];
  const rgba = Buffer.alloc(w * h * 4);
  for (let row = 0; row < h; ++row) whole.rgba.copy(rgba, row * w * 4, ((top + row) * whole.width + left) * 4, ((top + row) * whole.width + left + w) * 4);
  return encodePng({ width: w, height: h, rgba });
}

// Whether the pixel at k and its eight neighbours have one colour.
function flatAt(picture, x, y) {
  const { width, height, rgba } = picture;
  if (x < 1 || y < 1 || x >= width - 1 || y >= height - 1) return false;
  const k = (y * width + x) * 4;
  for (let dy = -1; dy <= 1; ++dy)
    for (let dx = -1; dx <= 1; ++dx) {
      const j = k + (dy * width + dx) * 4;
      if (rgba[j] !== rgba[k] || rgba[j + 1] !== rgba[k + 1] || rgba[j + 2] !== rgba[k + 2]) return false;
    }
  return true;
}

// Compares two pictures of one window. A pixel differs where both pictures are flat around it
// and their colours differ by more than `tolerance` in a channel. Answers the sizes, the share
// of such pixels among the pixels flat in both, the largest block of them (the side of the
// largest square of `block` pixels in which most pixels differ), and a picture of the
// differences (red) over the first picture, faded.
export function compareFlat(a, b, { tolerance = 2, block = 8 } = {}) {
  if (a.width !== b.width || a.height !== b.height) return { sameSize: false, sizes: [[a.width, a.height], [b.width, b.height]] };
  const { width, height } = a;
  const marks = Buffer.alloc(width * height * 4);
  let flat = 0;
  let differing = 0;
  const blocks = new Map();
  for (let y = 0; y < height; ++y)
    for (let x = 0; x < width; ++x) {
      const k = (y * width + x) * 4;
      const fade = (v) => 255 - ((255 - v) >> 2);
      marks.set([fade(a.rgba[k]), fade(a.rgba[k + 1]), fade(a.rgba[k + 2]), 255], k);
      if (!flatAt(a, x, y) || !flatAt(b, x, y)) continue;
      ++flat;
      const delta = Math.max(...[0, 1, 2].map((c) => Math.abs(a.rgba[k + c] - b.rgba[k + c])));
      if (delta <= tolerance) continue;
      ++differing;
      marks.set([255, 0, 0, 255], k);
      const id = `${Math.floor(x / block)},${Math.floor(y / block)}`;
      blocks.set(id, (blocks.get(id) ?? 0) + 1);
    }
  const solid = [...blocks.values()].filter((n) => n > (block * block) / 2).length;
  const unmatched = unmatchedIn(a, b, marks) + unmatchedIn(b, a, marks);
  return {
    sameSize: true,
    flat,
    differing,
    share: flat ? differing / flat : 0,
    solidBlocks: solid,
    unmatched: unmatched / (2 * width * height),
    picture: { width, height, rgba: marks },
  };
}

// The pixels of `a` that no pixel of `b` at their place or beside it comes near (by more than
// a quarter of the range in a channel): what moves or changes shape beyond a glyph's edge, as
// text in another font or of another size does. Marked blue in `marks`.
function unmatchedIn(a, b, marks, tolerance = 64) {
  const { width, height } = a;
  let count = 0;
  for (let y = 0; y < height; ++y)
    for (let x = 0; x < width; ++x) {
      const k = (y * width + x) * 4;
      let near = false;
      for (let dy = -1; dy <= 1 && !near; ++dy)
        for (let dx = -1; dx <= 1 && !near; ++dx) {
          const [bx, by] = [x + dx, y + dy];
          if (bx < 0 || by < 0 || bx >= width || by >= height) continue;
          const j = (by * width + bx) * 4;
          near = Math.abs(a.rgba[k] - b.rgba[j]) <= tolerance && Math.abs(a.rgba[k + 1] - b.rgba[j + 1]) <= tolerance && Math.abs(a.rgba[k + 2] - b.rgba[j + 2]) <= tolerance;
        }
      if (near) continue;
      ++count;
      marks.set([0, 0, 255, 255], k);
    }
  return count;
}
