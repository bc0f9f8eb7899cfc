// The page's storage figures in each browser engine:
//   node bench/storage_bench.mjs PAGE_DIR [--engines chromium,firefox,webkit] [--runs N]
//                                [--ratio R]
// Firefox and WebKit need an X server in DISPLAY (bench/run_web_bench.sh
// starts one). Prints, per engine:
//   web storage ENGINE: a save stored in N ms      from the save's files handed
//                                                  to storage to the
//                                                  transaction's end (median
//                                                  of 10 saves)
//   web storage ENGINE: first frame after N ms with S stored saves
//                                                  navigation to the first
//                                                  drawn frame, with the 11
//                                                  saves above and with 500
//                                                  more (median of N reloads)
//   web storage ENGINE: Alles sichern of S saves in N ms (K KiB)
//                                                  the .zip of all work, from
//                                                  the button's action to the
//                                                  file handed to the browser
// Each stored save is a real save's three files (.alg, .png, .svg) under
// names of their own.
import { launchEngine } from '../tests/web/harness/engine.mjs';
import { At, openFresh, saveAndDownload } from '../tests/web/harness/program.mjs';
import { servePage } from '../tests/web/page_server.mjs';
import { parseBenchArguments } from './web_bench_options.mjs';

const Saves = 500;
const TimedSaves = 10;
const Size = { width: 1280, height: 1024 };

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

async function storeTimes(tab) {
  const times = [];
  for (let i = 0; i < TimedSaves; ++i) {
    await tab.click(...At.circle);
    await tab.click(...At.circle);
    await saveAndDownload(tab);
    times.push(await tab.evaluate(() => window.quovadrinStoreMilliseconds));
  }
  return times;
}

/** Stores count saves made of one save's files, under names of their own,
 *  as if count tabs had saved. */
async function storeMany(tab, saved, count) {
  const base64 = (bytes) => (bytes ? bytes.toString('base64') : '');
  await tab.evaluate(async ({ alg, png, svg, count }) => {
    const bytes = (text) => Uint8Array.from(atob(text), (c) => c.charCodeAt(0));
    const store = Quovadrin.workspace.store();
    for (let i = 0; i < count; ++i) {
      const base = 'seed_' + (1500000000 + i) + '-a';
      const files = [{ path: 'vorpAlgorithms/' + base + '.alg', bytes: bytes(alg) },
                     { path: 'vorpImages/' + base + '.png', bytes: bytes(png) }];
      if (svg) files.push({ path: 'vorpImages/' + base + '.svg', bytes: bytes(svg) });
      await store.storeSave(files);
    }
  }, { alg: base64(saved.alg), png: base64(saved.png), svg: base64(saved.svg), count });
}

async function startTimes(tab, runs) {
  const times = [];
  for (let i = 0; i < runs; ++i) {
    await tab.reload();
    await tab.waitForProgram(60000);
    times.push(await tab.evaluate(() => window.quovadrinFirstFrame));
  }
  return times;
}

async function storedSaves(tab) {
  const paths = await tab.evaluate(async () => Quovadrin.workspace.store().paths());
  return paths.filter((path) => path.endsWith('.alg')).length;
}

async function saveAllTime(tab) {
  let started = 0;
  const zip = await tab.download(async () => {
    started = await tab.evaluate(() => {
      const now = performance.now();
      Quovadrin.zips.saveAll();
      return now;
    });
  }, { timeout: 120000 });
  return { milliseconds: zip.handedAt - started, bytes: zip.bytes.length };
}

async function benchEngine(engine, server, options) {
  const label = `web storage ${engine}`;
  const browser = await launchEngine(engine, { ...Size, deviceScale: options.ratio });
  try {
    const { tab } = browser;
    await openFresh(tab, server);
    console.log(`${label}: a save stored in ${median(await storeTimes(tab)).toFixed(1)} ms ` +
                `(median of ${TimedSaves})`);
    const saved = await saveAndDownload(tab);
    const first = await storedSaves(tab);
    console.log(`${label}: first frame after ${Math.round(median(await startTimes(tab, options.runs)))} ms ` +
                `with ${first} stored saves`);
    await storeMany(tab, saved, Saves);
    const bytes = saved.alg.length + saved.png.length + (saved.svg ? saved.svg.length : 0);
    const all = await storedSaves(tab);
    console.log(`${label}: first frame after ${Math.round(median(await startTimes(tab, options.runs)))} ms ` +
                `with ${all} stored saves (${bytes} bytes each)`);
    const zipped = await saveAllTime(tab);
    console.log(`${label}: Alles sichern of ${all} saves in ${Math.round(zipped.milliseconds)} ms ` +
                `(${Math.round(zipped.bytes / 1024)} KiB)`);
  } finally {
    await browser.close();
  }
}

const options = parseBenchArguments(process.argv.slice(2), 'storage_bench.mjs');
const server = await servePage(options.pageDir);
try {
  for (const engine of options.engines) await benchEngine(engine, server, options);
} finally {
  await server.close();
}
