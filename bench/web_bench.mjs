// The web page's figures in each browser engine:
//   node bench/web_bench.mjs PAGE_DIR [--ratio R] [--engines chromium,firefox,webkit]
//                            [--runs N]
// R is the device pixel ratio (1 by default). Firefox and WebKit need an X
// server in DISPLAY (bench/run_web_bench.sh starts one). Prints
//   web: transfer N KiB                               every file of the page folder
//   web ENGINE ratio R: first frame after N ms (median of N, from M to K)
//                                                     navigation to the first drawn frame,
//                                                     each in a fresh browser and profile
//   web display ENGINE ratio R: N shapes: T ms per frame   for 0 and 10,000 Shapes
// A frame is timed from the redraw key to the pixels being readable, so the
// GPU's share is in it.
import { readdir, stat, writeFile } from 'node:fs/promises';
import { join } from 'node:path';
import { launchEngine } from '../tests/web/harness/engine.mjs';
import { At, fileEntry, openFresh } from '../tests/web/harness/program.mjs';
import { servePage } from '../tests/web/page_server.mjs';
import { parseBenchArguments } from './web_bench_options.mjs';

const Frames = 60;
const Size = { width: 1280, height: 1024 };

function header() {
  return ['*************************************', '*    Quovadrin Algorithmus Datei    *',
          '*************************************', ''];
}

// 100 x 100 circles at random cells: 10,000 Shapes.
function manyShapes() {
  return [...header(), 'Wiederhole 100 mal:', '  Wiederhole 100 mal:', '    Gib max den Wert 24',
          '    Gib min den Wert 0', '    Zufallswert fuer x zwischen max und min',
          '    Zufallswert fuer y zwischen max und min', '    Zeichne Kreis',
          '  Wiederhole bis hier.', 'Wiederhole bis hier.', ''].join('\r\n');
}

async function msPerFrame(tab) {
  return tab.evaluate((frames) => {
    const canvas = document.getElementById('canvas');
    const gl = canvas.getContext('webgl');
    const pixel = new Uint8Array(4);
    const redraw = () => window.dispatchEvent(new KeyboardEvent('keydown', { key: 'p' }));
    redraw();
    gl.readPixels(0, 0, 1, 1, gl.RGBA, gl.UNSIGNED_BYTE, pixel);
    const start = performance.now();
    for (let i = 0; i < frames; ++i) {
      redraw();
      gl.readPixels(0, 0, 1, 1, gl.RGBA, gl.UNSIGNED_BYTE, pixel);
    }
    return (performance.now() - start) / frames;
  }, Frames);
}

async function firstFrame(engine, server, ratio) {
  const browser = await launchEngine(engine, { ...Size, deviceScale: ratio });
  try {
    await browser.tab.openProgram(server.url);
    return await browser.tab.evaluate(() => window.quovadrinFirstFrame);
  } finally {
    await browser.close();
  }
}

async function frameTimes(engine, server, ratio) {
  const label = `web display ${engine} ratio ${ratio}`;
  const browser = await launchEngine(engine, { ...Size, deviceScale: ratio });
  try {
    const { tab } = browser;
    await openFresh(tab, server);
    console.log(`${label}: 0 shapes: ${(await msPerFrame(tab)).toFixed(2)} ms per frame`);
    await tab.chooseFiles('#files', [{ name: 'bench.alg', bytes: Buffer.from(manyShapes(), 'latin1') }]);
    await tab.waitFor(() => /hinzugefügt/.test(document.getElementById('status').textContent));
    await tab.click(...At.load);
    await tab.click(...fileEntry(0, 1));
    await tab.click(...At.belowListing, { button: 'right' }); // the whole run at once
    await tab.sleep(500);
    // QUOVADRIN_BENCH_SHOT names a folder for a look at the 10,000 Shapes.
    if (process.env.QUOVADRIN_BENCH_SHOT) {
      await writeFile(join(process.env.QUOVADRIN_BENCH_SHOT, `${engine}-${ratio}.png`),
                      await tab.screenshot());
    }
    console.log(`${label}: 10000 shapes: ${(await msPerFrame(tab)).toFixed(2)} ms per frame`);
  } finally {
    await browser.close();
  }
}

const options = parseBenchArguments(process.argv.slice(2), 'web_bench.mjs');
const server = await servePage(options.pageDir);
try {
  let bytes = 0;
  for (const name of await readdir(options.pageDir)) bytes += (await stat(join(options.pageDir, name))).size;
  console.log(`web: transfer ${Math.round(bytes / 1024)} KiB`);
  for (const engine of options.engines) {
    const starts = [];
    for (let i = 0; i < options.runs; ++i) starts.push(await firstFrame(engine, server, options.ratio));
    starts.sort((a, b) => a - b);
    console.log(`web ${engine} ratio ${options.ratio}: first frame after ` +
                `${Math.round(starts[Math.floor(starts.length / 2)])} ms (median of ${starts.length}, ` +
                `from ${Math.round(starts[0])} to ${Math.round(starts.at(-1))})`);
    await frameTimes(engine, server, options.ratio);
  }
} finally {
  await server.close();
}
