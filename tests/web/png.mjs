// Reads the PNG pictures Chromium takes (8 bits a channel, RGB or RGBA, not interlaced) into
// {width, height, grey(x, y)}: enough to measure what a screenshot shows without colour.
import { inflateSync } from 'node:zlib';

export function readPng(buffer) {
  let offset = 8;
  let width = 0, height = 0, channels = 0;
  const data = [];
  while (offset < buffer.length) {
    const length = buffer.readUInt32BE(offset);
    const type = buffer.toString('latin1', offset + 4, offset + 8);
    const body = buffer.subarray(offset + 8, offset + 8 + length);
    if (type === 'IHDR') {
      width = body.readUInt32BE(0);
      height = body.readUInt32BE(4);
      if (body[8] !== 8 || body[12] !== 0) throw new Error('not an 8-bit, non-interlaced PNG');
      channels = { 2: 3, 6: 4 }[body[9]];
      if (!channels) throw new Error(`PNG colour type ${body[9]}`);
    } else if (type === 'IDAT') {
      data.push(body);
    }
    offset += 12 + length;
  }
  const raw = inflateSync(Buffer.concat(data));
  const stride = width * channels;
  const pixels = Buffer.alloc(stride * height);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let x = 0; x < stride; ++x) {
      const left = x >= channels ? pixels[y * stride + x - channels] : 0;
      const up = y > 0 ? pixels[(y - 1) * stride + x] : 0;
      const corner = x >= channels && y > 0 ? pixels[(y - 1) * stride + x - channels] : 0;
      const paeth = () => {
        const p = left + up - corner;
        const [a, b, c] = [Math.abs(p - left), Math.abs(p - up), Math.abs(p - corner)];
        return a <= b && a <= c ? left : b <= c ? up : corner;
      };
      const predicted = [0, left, up, (left + up) >> 1, paeth()][filter];
      pixels[y * stride + x] = (line[x] + predicted) & 0xff;
    }
  }
  // The grey as seen (the luminance of the sRGB colour, back in sRGB).
  const linear = (c) => (c / 255 <= 0.04045 ? c / 255 / 12.92 : ((c / 255 + 0.055) / 1.055) ** 2.4);
  const grey = (x, y) => {
    const k = y * stride + x * channels;
    const lum = 0.2126 * linear(pixels[k]) + 0.7152 * linear(pixels[k + 1]) + 0.0722 * linear(pixels[k + 2]);
    return Math.round(255 * (lum <= 0.0031308 ? 12.92 * lum : 1.055 * lum ** (1 / 2.4) - 0.055));
  };
  return { width, height, grey };
}

// What is drawn on a picture of one box, text and shape: the pixels that stand out from the
// grey most of it has by more than `contrast`.
export function ink(picture, contrast = 50) {
  const greys = [];
  for (let y = 0; y < picture.height; ++y) for (let x = 0; x < picture.width; ++x) greys.push(picture.grey(x, y));
  const ground = [...greys].sort((a, b) => a - b)[greys.length >> 1];
  return greys.map((g) => Math.abs(g - ground) > contrast);
}

// The share of pixels where two masks of the same size differ.
export function differing(a, b) {
  let count = 0;
  for (let k = 0; k < Math.min(a.length, b.length); ++k) if (a[k] !== b[k]) ++count;
  return a.length ? count / a.length : 0;
}
