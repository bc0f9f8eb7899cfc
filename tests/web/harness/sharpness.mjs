// How sharp text is drawn: the average height of the grey steps at the
// edges of dark strokes, and a picture stretched to twice its size as a
// browser stretches a drawing buffer of half the screen's density.
import { decodePng, greyAt } from './png.mjs';

/** Steps between neighbouring pixels smaller than this are the background's
 *  gradients and the strokes' insides, not edges. */
const EdgeFloor = 24;

/** The mean grey step across the edges in the region { x, y, width,
 *  height } of a picture (PNG bytes or decoded), horizontally and
 *  vertically: a sharp edge is one tall step, a blurred one two or more
 *  small ones. */
export function edgeContrast(png, { x, y, width, height }) {
  const picture = Buffer.isBuffer(png) ? decodePng(png) : png;
  let sum = 0;
  let edges = 0;
  for (let row = y; row < y + height - 1; ++row) {
    for (let column = x; column < x + width - 1; ++column) {
      const here = greyAt(picture, column, row);
      for (const step of [Math.abs(greyAt(picture, column + 1, row) - here),
                          Math.abs(greyAt(picture, column, row + 1) - here)]) {
        if (step < EdgeFloor) continue;
        sum += step;
        ++edges;
      }
    }
  }
  return edges ? sum / edges : 0;
}

/** The region of a picture stretched to twice its width and height with
 *  bilinear filtering, as a browser shows a canvas whose drawing buffer has
 *  one pixel per CSS pixel on a screen of ratio 2. */
export function stretchTwice(png, { x, y, width, height }) {
  const picture = Buffer.isBuffer(png) ? decodePng(png) : png;
  const out = { width: width * 2, height: height * 2, rgba: new Uint8Array(width * height * 16) };
  const at = (u, v) => greyAt(picture, x + Math.min(width - 1, Math.max(0, u)),
                              y + Math.min(height - 1, Math.max(0, v)));
  for (let row = 0; row < out.height; ++row) {
    for (let column = 0; column < out.width; ++column) {
      // The centre of this pixel in the source's pixel units.
      const u = (column + 0.5) / 2 - 0.5;
      const v = (row + 0.5) / 2 - 0.5;
      const u0 = Math.floor(u);
      const v0 = Math.floor(v);
      const fu = u - u0;
      const fv = v - v0;
      const grey = (1 - fv) * ((1 - fu) * at(u0, v0) + fu * at(u0 + 1, v0)) +
                   fv * ((1 - fu) * at(u0, v0 + 1) + fu * at(u0 + 1, v0 + 1));
      const i = (row * out.width + column) * 4;
      out.rgba.fill(Math.round(grey), i, i + 3);
      out.rgba[i + 3] = 255;
    }
  }
  return out;
}
