// Comparing pictures in the browser's own PNG decoder, so the tests need no
// image library: the share of pixels of one rectangle whose colour lies
// within a tolerance of another picture's.
/** Share (0..1) of the Width x Height pixels at (ax, ay) of PNG a and at
 *  (bx, by) of PNG b whose channels all differ by at most tolerance. */
export async function matchingShare(page, a, b, { ax = 0, ay = 0, bx = 0, by = 0, width, height,
                                                  tolerance = 32 }) {
  return page.evaluate(async ({ a, b, ax, ay, bx, by, width, height, tolerance }) => {
    async function pixelsOf(base64, x, y) {
      const image = await createImageBitmap(
        await (await fetch('data:image/png;base64,' + base64)).blob());
      const canvas = new OffscreenCanvas(width, height);
      const context = canvas.getContext('2d');
      context.drawImage(image, -x, -y);
      return context.getImageData(0, 0, width, height).data;
    }
    const first = await pixelsOf(a, ax, ay);
    const second = await pixelsOf(b, bx, by);
    let matching = 0;
    for (let i = 0; i < first.length; i += 4) {
      if (Math.abs(first[i] - second[i]) <= tolerance &&
          Math.abs(first[i + 1] - second[i + 1]) <= tolerance &&
          Math.abs(first[i + 2] - second[i + 2]) <= tolerance)
        ++matching;
    }
    return matching / (width * height);
  }, { a: a.toString('base64'), b: b.toString('base64'), ax, ay, bx, by, width, height,
       tolerance });
}

/** Width, height and colour type from a PNG's header. */
export function pngHeader(bytes) {
  const signature = '89504e470d0a1a0a';
  if (bytes.subarray(0, 8).toString('hex') !== signature) return null;
  return { width: bytes.readUInt32BE(16), height: bytes.readUInt32BE(20),
           bitDepth: bytes[24], colourType: bytes[25] };
}
