// On a screen of ratio 2 the drawing buffer has its pixels: the listing's
// text edges are sharper than a ratio-1 page stretched as the browser would
// stretch it, and a save writes the very files a ratio-1 page writes for the
// same window in CSS pixels.
import { launchEngine } from '../harness/engine.mjs';
import { assert, openFresh, saveAndDownload, toWindow } from '../harness/program.mjs';
import { pngHeader } from '../harness/png.mjs';
import { edgeContrast, stretchTwice } from '../harness/sharpness.mjs';

/** The listing's first lines, in CSS pixels at 1280 x 1024. */
const [ListingX, ListingY] = toWindow([770, 20]);
const Listing = { x: ListingX, y: ListingY, width: 300, height: 200 };

/** A bilinear stretch halves the tallest step of an edge (it becomes two
 *  steps of half its height); text really drawn at ratio 2 keeps steps as
 *  tall as at ratio 1. Half way between the two, 1.3, fails a stretched
 *  buffer (about 1.0) and leaves room for the engines' own anti-aliasing. */
const SharperBy = 1.3;

export default {
  name: 'at ratio 2 text is sharp and a save writes what ratio 1 writes',
  needs: ['deviceScale'],
  launch: { width: 1280, height: 1024, deviceScale: 2 },
  async run({ engine, tab, server }) {
    const buffer = await tab.evaluate(() => {
      const canvas = document.getElementById('canvas');
      return { width: canvas.width, css: canvas.clientWidth, ratio: devicePixelRatio };
    });
    assert(buffer.ratio === 2 && buffer.width === 2 * buffer.css,
           `the drawing buffer is ${buffer.width} pixels wide for ${buffer.css} CSS pixels`);
    await tab.settle();
    const dense = await tab.screenshot();
    const atTwo = edgeContrast(dense, { x: Listing.x * 2, y: Listing.y * 2,
                                        width: Listing.width * 2, height: Listing.height * 2 });
    const saved = await saveAndDownload(tab, toWindow([40, 750]));

    const plain = await launchEngine(engine, { width: 1280, height: 1024, deviceScale: 1 });
    try {
      await openFresh(plain.tab, server);
      await plain.tab.settle();
      const stretched = stretchTwice(await plain.tab.screenshot(), Listing);
      const atOne = edgeContrast(stretched, { x: 0, y: 0, width: stretched.width,
                                              height: stretched.height });
      console.log(`  text edges: ${atTwo.toFixed(1)} grey levels a step at ratio 2, ` +
                  `${atOne.toFixed(1)} at ratio 1 stretched`);
      assert(atTwo >= SharperBy * atOne,
             `text at ratio 2 is not sharper: ${atTwo.toFixed(1)} against ${atOne.toFixed(1)}`);
      const reference = await saveAndDownload(plain.tab, toWindow([40, 750]));
      const header = pngHeader(saved.png);
      assert(header.width === 640 && header.height === 1024,
             `the picture at ratio 2 is ${header.width} x ${header.height}, not 640 x 1024`);
      assert(saved.png.equals(reference.png), 'the picture differs from the one ratio 1 saves');
      assert(saved.alg.equals(reference.alg), 'the algorithm differs from the one ratio 1 saves');
    } finally {
      await plain.close();
    }
  },
};
