// The page's storage figures in headless Chromium:
//   node bench/storage_bench.mjs PAGE_DIR
// prints
//   web storage: a save stored in N ms        from the save's files handed to
//                                             storage to the transaction's
//                                             end (median of 10 saves)
//   web storage: first frame after N ms with S stored saves
//                                             navigation to the first drawn
//                                             frame, with the 11 saves above
//                                             and with 500 more (median of 3)
//   web storage: Alles sichern of S saves in N ms   the .zip of all work
// Each stored save is a real save's three files (.alg, .png, .svg) under
// names of their own.
import { openProgram, startBrowser } from '../tests/web/browser.mjs';
import { At, click, saveAndDownload } from '../tests/web/learner.mjs';
import { servePage } from '../tests/web/page_server.mjs';

const PageDir = process.argv[2];
const Saves = 500;

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

async function storeTimes(page) {
  const times = [];
  for (let i = 0; i < 10; ++i) {
    await click(page, At.circle);
    await click(page, At.circle);
    await saveAndDownload(page);
    times.push(await page.evaluate(() => window.quovadrinStoreMilliseconds));
  }
  return times;
}

/** Stores count saves made of the last save's files, under names of
 *  their own, as if count tabs had saved. */
async function storeMany(page, saved, count) {
  await page.evaluate(async ({ alg, png, svg, count }) => {
    const store = Quovadrin.workspace.store();
    for (let i = 0; i < count; ++i) {
      const base = 'seed_' + (1500000000 + i) + '-a';
      await store.storeSave([
        { path: 'vorpAlgorithms/' + base + '.alg', bytes: new Uint8Array(alg) },
        { path: 'vorpImages/' + base + '.png', bytes: new Uint8Array(png) },
        { path: 'vorpImages/' + base + '.svg', bytes: new Uint8Array(svg) },
      ]);
    }
  }, { alg: [...saved.alg], png: [...saved.png], svg: [...(saved.svg || [])], count });
}

async function startTimes(page) {
  const times = [];
  for (let i = 0; i < 3; ++i) {
    await page.reload();
    await page.waitForFunction(() => window.quovadrinFirstFrame !== undefined, null, { timeout: 60000 });
    times.push(await page.evaluate(() => window.quovadrinFirstFrame));
  }
  return times;
}

const server = await servePage(PageDir);
const browser = await startBrowser(1280, 1024);
try {
  const page = await openProgram(browser.context, server.url);
  console.log(`web storage: a save stored in ${median(await storeTimes(page)).toFixed(1)} ms`);
  const saved = await saveAndDownload(page);
  const stored = await page.evaluate(async () => (await Quovadrin.workspace.store().paths()).length);
  console.log(`web storage: first frame after ${Math.round(median(await startTimes(page)))} ms with ` +
              `${Math.round(stored / 3)} stored saves`);
  await storeMany(page, saved, Saves);
  const bytes = saved.alg.length + saved.png.length + (saved.svg || []).length;
  console.log(`web storage: first frame after ${Math.round(median(await startTimes(page)))} ms with ` +
              `${Math.round(stored / 3) + Saves} stored saves (${bytes} bytes each)`);
  const zipped = await page.evaluate(async () => {
    const started = performance.now();
    const done = new Promise((resolve) => {
      const original = Quovadrin.downloads.save;
      Quovadrin.downloads.save = (blob) => {
        Quovadrin.downloads.save = original;
        resolve(blob.size);
      };
    });
    Quovadrin.zips.saveAll();
    const size = await done;
    return { milliseconds: performance.now() - started, size };
  });
  console.log(`web storage: Alles sichern of ${Math.round(stored / 3) + Saves} saves in ${Math.round(zipped.milliseconds)} ms ` +
              `(${Math.round(zipped.size / 1024)} KiB)`);
} finally {
  await browser.close();
  await server.close();
}
