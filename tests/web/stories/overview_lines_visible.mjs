// On screen every line of a card's picture is at least one device pixel
// wide: a card's picture, about 190 pixels wide, of a drawing whose lines
// are one unit of a 1024-unit canvas wide would otherwise show them as
// faint traces of a third of a pixel. Each run of ink a row of the picture
// crosses holds about a pixel's worth of black (a third of a pixel gives
// less than half of that).
import { assert } from '../harness/program.mjs';
import { learnersFile, pageOverview } from '../harness/overview.mjs';
import { decodePng, greyAt } from '../harness/png.mjs';

/** The ink (255 - grey, summed) of each run of non-white pixels along the
 *  rows of the rectangle. */
function inkRuns(picture, { x, y, width, height }) {
  const runs = [];
  for (let row = y; row < y + height; ++row) {
    let ink = 0;
    for (let column = x; column < x + width; ++column) {
      const grey = greyAt(picture, column, row);
      if (grey < 245) {
        ink += 255 - grey;
        continue;
      }
      if (ink) runs.push(ink);
      ink = 0;
    }
    if (ink) runs.push(ink);
  }
  return runs;
}

export default {
  name: 'lines in the overview\'s pictures are visible on screen, no sub-pixel traces',
  async run({ tab, server }) {
    const { page } = await pageOverview(tab, { 'klasse/Anna/quadrate.alg': await learnersFile('example_block.alg', 401) });
    // The overview as a teacher opens the downloaded file: a page by itself.
    await tab.goto(server.show(page));
    await tab.waitFor(() => !!document.querySelector('.card svg'), null, { what: 'the overview\'s card' });
    const box = await tab.evaluate(() => {
      const rect = document.querySelector('.card svg').getBoundingClientRect();
      // Inside the picture's frame, if it has one.
      return { x: Math.ceil(rect.left) + 3, y: Math.ceil(rect.top) + 3,
               width: Math.floor(rect.width) - 6, height: Math.floor(rect.height) - 6,
               scale: devicePixelRatio };
    });
    assert(box.width > 100 && box.width < 400, `the card's picture is ${box.width} pixels wide`);
    const picture = decodePng(await tab.screenshot());
    const scaled = Object.fromEntries(['x', 'y', 'width', 'height'].map((key) => [key, Math.round(box[key] * box.scale)]));
    const runs = inkRuns(picture, scaled).sort((a, b) => a - b);
    assert(runs.length > 50, `the card's picture shows only ${runs.length} runs of ink`);
    const median = runs[Math.floor(runs.length / 2)];
    assert(median >= 200, `a line crossing a row of the picture holds ${median} of 255 in the middle: faint traces`);
  },
};
