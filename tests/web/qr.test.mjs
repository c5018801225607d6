// The QR code of an assignment's link, as the engine makes it, read back by a QR reader of its
// own (jsQR) at every size a link can take, from version 1 to version 40: what it reads is the
// link; a link too long for any version has no code.
import assert from 'node:assert/strict';
import { it } from 'node:test';
import jsQR from 'jsqr';
import { nodeEngine } from './support.mjs';

const engine = await nodeEngine();
engine.open('frmTotal');

// The code as an image: black and white modules of 4 pixels, a quiet zone of 4 modules.
function image(qr) {
  const scale = 4;
  const side = (qr.size + 8) * scale;
  const data = new Uint8ClampedArray(side * side * 4).fill(255);
  qr.rows.forEach((row, y) => {
    for (let x = 0; x < row.length; ++x) {
      if (row[x] !== '1') continue;
      for (let dy = 0; dy < scale; ++dy)
        for (let dx = 0; dx < scale; ++dx) {
          const at = (((y + 4) * scale + dy) * side + (x + 4) * scale + dx) * 4;
          data[at] = data[at + 1] = data[at + 2] = 0;
        }
    }
  });
  return { data, side };
}

it('reads back as the text at every version, level M up to 2331 bytes and L beyond', () => {
  const versions = new Set();
  for (let length = 1; length <= 2953; length = Math.ceil(length * 1.15) + 3) {
    const text = Array.from({ length }, (_, k) => 'abcdefghijklmnopqrstuvwxyz0123456789-_'[(k * 7 + length) % 38]).join('');
    const { qr } = engine.work('qr', '', text);
    assert.ok(qr, `a code for ${length} bytes`);
    const { data, side } = image(qr);
    assert.equal(jsQR(data, side, side)?.data, text, `${length} bytes, version ${qr.version}`);
    versions.add(qr.version);
  }
  const last = 'q'.repeat(2953); // the most a code holds, at level L
  const { qr } = engine.work('qr', '', last);
  assert.equal(qr.version, 40);
  const { data, side } = image(qr);
  assert.equal(jsQR(data, side, side)?.data, last);
  assert.equal(engine.work('qr', '', `${last}q`).qr, null);
  assert.ok(versions.size >= 20, [...versions].join(' '));
});

it('reads back as the link at every version', () => {
  const versions = new Set();
  // The link's length grows with the page's address given as its base.
  for (const extra of [0, 30, 120, 300, 600, 900, 1300, 1700, 2000]) {
    const made = engine.work('make', 'frmTotal', JSON.stringify({ title: 'QR', base: `https://school.example/${'x'.repeat(extra)}` }));
    assert.ok(made.qr, `a code for ${made.link.length} bytes`);
    const { data, side } = image(made.qr);
    const read = jsQR(data, side, side);
    assert.ok(read, `version ${made.qr.version} reads`);
    assert.equal(read.data, made.link, `version ${made.qr.version}`);
    versions.add(made.qr.version);
  }
  assert.ok(versions.size >= 8, [...versions].join(' '));
  assert.ok([...versions].some((v) => v >= 7), 'a version with version information');
  const tooLong = engine.work('make', 'frmTotal', JSON.stringify({ title: 'QR', base: `https://school.example/${'x'.repeat(3000)}` }));
  assert.equal(tooLong.qr, null);
});
