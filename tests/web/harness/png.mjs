// Reading and writing PNG pictures in node itself (zlib does the hard part),
// so that the stories compare pixels the same way whatever engine took the
// screenshot, and need no image library: 8-bit grey, grey with alpha, RGB
// and RGBA, not interlaced, which covers every engine's screenshots and the
// program's saved pictures.
import { deflateSync, inflateSync } from 'node:zlib';

const Signature = Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]);
const ChannelsOfColourType = { 0: 1, 2: 3, 4: 2, 6: 4 };

/** Width, height, bit depth and colour type from a PNG's header, or null. */
export function pngHeader(bytes) {
  if (bytes.length < 33 || !bytes.subarray(0, 8).equals(Signature)) return null;
  return { width: bytes.readUInt32BE(16), height: bytes.readUInt32BE(20),
           bitDepth: bytes[24], colourType: bytes[25], interlace: bytes[28] };
}

function paeth(left, up, upLeft) {
  const estimate = left + up - upLeft;
  const toLeft = Math.abs(estimate - left);
  const toUp = Math.abs(estimate - up);
  const toUpLeft = Math.abs(estimate - upLeft);
  if (toLeft <= toUp && toLeft <= toUpLeft) return left;
  return toUp <= toUpLeft ? up : upLeft;
}

/** Undoes the per-row filters in place of a fresh buffer. */
function unfilter(raw, width, height, channels) {
  const stride = width * channels;
  const out = Buffer.alloc(stride * height);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    const row = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    const at = y * stride;
    for (let i = 0; i < stride; ++i) {
      const left = i >= channels ? out[at + i - channels] : 0;
      const up = y > 0 ? out[at - stride + i] : 0;
      const upLeft = y > 0 && i >= channels ? out[at - stride + i - channels] : 0;
      let value = row[i];
      if (filter === 1) value += left;
      else if (filter === 2) value += up;
      else if (filter === 3) value += (left + up) >> 1;
      else if (filter === 4) value += paeth(left, up, upLeft);
      else if (filter !== 0) throw new Error(`PNG row ${y} has the unknown filter ${filter}`);
      out[at + i] = value & 0xff;
    }
  }
  return out;
}

/** Decodes a PNG into { width, height, rgba } (4 bytes a pixel). */
export function decodePng(bytes) {
  const header = pngHeader(bytes);
  if (!header) throw new Error('not a PNG picture');
  const channels = ChannelsOfColourType[header.colourType];
  if (header.bitDepth !== 8 || !channels || header.interlace !== 0)
    throw new Error(`unsupported PNG: ${JSON.stringify(header)}`);
  const parts = [];
  for (let at = 8; at + 8 <= bytes.length;) {
    const length = bytes.readUInt32BE(at);
    const type = bytes.toString('latin1', at + 4, at + 8);
    if (type === 'IDAT') parts.push(bytes.subarray(at + 8, at + 8 + length));
    if (type === 'IEND') break;
    at += 12 + length;
  }
  const { width, height } = header;
  const pixels = unfilter(inflateSync(Buffer.concat(parts)), width, height, channels);
  const rgba = Buffer.alloc(width * height * 4);
  for (let i = 0, j = 0; i < width * height; ++i, j += channels) {
    const grey = channels <= 2;
    rgba[i * 4] = pixels[j];
    rgba[i * 4 + 1] = grey ? pixels[j] : pixels[j + 1];
    rgba[i * 4 + 2] = grey ? pixels[j] : pixels[j + 2];
    rgba[i * 4 + 3] = channels === 2 ? pixels[j + 1] : channels === 4 ? pixels[j + 3] : 255;
  }
  return { width, height, rgba };
}

const CrcTable = Array.from({ length: 256 }, (_, n) => {
  let c = n;
  for (let k = 0; k < 8; ++k) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
  return c >>> 0;
});

function crc32(bytes) {
  let c = 0xffffffff;
  for (const byte of bytes) c = CrcTable[(c ^ byte) & 0xff] ^ (c >>> 8);
  return (c ^ 0xffffffff) >>> 0;
}

function chunk(type, data) {
  const length = Buffer.alloc(4);
  length.writeUInt32BE(data.length);
  const body = Buffer.concat([Buffer.from(type, 'latin1'), data]);
  const crc = Buffer.alloc(4);
  crc.writeUInt32BE(crc32(body));
  return Buffer.concat([length, body, crc]);
}

/** Encodes { width, height, rgba } as an RGB PNG (for pictures to look at). */
export function encodePng({ width, height, rgba }) {
  const header = Buffer.alloc(13);
  header.writeUInt32BE(width, 0);
  header.writeUInt32BE(height, 4);
  header[8] = 8;
  header[9] = 2;
  const raw = Buffer.alloc((width * 3 + 1) * height);
  for (let y = 0; y < height; ++y)
    for (let x = 0; x < width; ++x)
      for (let c = 0; c < 3; ++c)
        raw[y * (width * 3 + 1) + 1 + x * 3 + c] = rgba[(y * width + x) * 4 + c];
  return Buffer.concat([Signature, chunk('IHDR', header), chunk('IDAT', deflateSync(raw)),
                        chunk('IEND', Buffer.alloc(0))]);
}

/** The grey (red channel) of pixel (x, y). */
export function greyAt(picture, x, y) {
  return picture.rgba[(y * picture.width + x) * 4];
}
