// Comparing pictures pixel by pixel: the share of a rectangle that matches
// another picture within a tolerance, and the dark pixels of a region with
// their nearest counterparts in another picture.
import { decodePng } from './png.mjs';

function pictureOf(pngOrPicture) {
  return Buffer.isBuffer(pngOrPicture) ? decodePng(pngOrPicture) : pngOrPicture;
}

/** Share (0..1) of the width x height pixels at (ax, ay) of picture a and
 *  at (bx, by) of picture b whose channels all differ by at most tolerance.
 *  Pictures are PNG bytes or decoded { width, height, rgba }. */
export function matchingShare(a, b, { ax = 0, ay = 0, bx = 0, by = 0, width, height,
                                     tolerance = 32 }) {
  const first = pictureOf(a);
  const second = pictureOf(b);
  for (const [picture, x, y] of [[first, ax, ay], [second, bx, by]]) {
    if (x + width > picture.width || y + height > picture.height)
      throw new Error(`the ${width} x ${height} region at (${x}, ${y}) leaves the ` +
                      `${picture.width} x ${picture.height} picture`);
  }
  let matching = 0;
  for (let y = 0; y < height; ++y) {
    for (let x = 0; x < width; ++x) {
      const i = ((ay + y) * first.width + ax + x) * 4;
      const j = ((by + y) * second.width + bx + x) * 4;
      if (Math.abs(first.rgba[i] - second.rgba[j]) <= tolerance &&
          Math.abs(first.rgba[i + 1] - second.rgba[j + 1]) <= tolerance &&
          Math.abs(first.rgba[i + 2] - second.rgba[j + 2]) <= tolerance)
        ++matching;
    }
  }
  return matching / (width * height);
}

/** The grey of a pixel: the darkest of its channels, so that a coloured
 *  pixel counts as dark as its darkest part. */
function greyOf(picture, x, y) {
  const i = (y * picture.width + x) * 4;
  return Math.min(picture.rgba[i], picture.rgba[i + 1], picture.rgba[i + 2]);
}

/** A region's dark pixels (grey at most threshold) as a bit map, origin at
 *  the region's corner: { width, height, dark: Uint8Array }. */
export function darkMap(png, { x, y, width, height, threshold }) {
  const picture = pictureOf(png);
  const dark = new Uint8Array(width * height);
  for (let row = 0; row < height; ++row)
    for (let column = 0; column < width; ++column)
      dark[row * width + column] = greyOf(picture, x + column, y + row) <= threshold ? 1 : 0;
  return { width, height, dark };
}

/** The dark pixels of map a that have no dark pixel of map b within reach
 *  (a square of 2 reach + 1 pixels about them): [{ x, y }]. */
export function unmatchedDark(a, b, reach = 1) {
  const lost = [];
  for (let y = 0; y < a.height; ++y) {
    for (let x = 0; x < a.width; ++x) {
      if (!a.dark[y * a.width + x]) continue;
      let found = false;
      for (let dy = -reach; dy <= reach && !found; ++dy) {
        for (let dx = -reach; dx <= reach && !found; ++dx) {
          const u = x + dx;
          const v = y + dy;
          found = u >= 0 && v >= 0 && u < b.width && v < b.height && b.dark[v * b.width + u] === 1;
        }
      }
      if (!found) lost.push({ x, y });
    }
  }
  return lost;
}

/** The number of dark pixels of a map. */
export function darkCount(map) {
  return map.dark.reduce((sum, bit) => sum + bit, 0);
}
