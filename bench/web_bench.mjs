// The web page's figures in headless Chromium (software WebGL):
//   node bench/web_bench.mjs PAGE_DIR
// prints
//   web: first frame after N ms        navigation to the first drawn frame
//   web: transfer N KiB                every file of the page folder
//   web display: N shapes: T ms per frame   for 0 and 10,000 Shapes
// A frame is timed from the redraw key to the pixels being readable, so the
// GPU's share is in it.
import { readdir, stat } from 'node:fs/promises';
import { join } from 'node:path';
import { openProgram, startBrowser } from '../tests/web/browser.mjs';
import { servePage } from '../tests/web/page_server.mjs';

const PageDir = process.argv[2];
const Frames = 60;

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

async function msPerFrame(page) {
  return page.evaluate((frames) => {
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

async function firstFrame(url) {
  const browser = await startBrowser(1280, 1024);
  try {
    const page = await openProgram(browser.context, url);
    return await page.evaluate(() => window.quovadrinFirstFrame);
  } finally {
    await browser.close();
  }
}

const server = await servePage(PageDir);
try {
  const starts = [];
  for (let i = 0; i < 3; ++i) starts.push(await firstFrame(server.url));
  starts.sort((a, b) => a - b);
  console.log(`web: first frame after ${Math.round(starts[1])} ms`);

  let bytes = 0;
  for (const name of await readdir(PageDir)) bytes += (await stat(join(PageDir, name))).size;
  console.log(`web: transfer ${Math.round(bytes / 1024)} KiB`);

  const browser = await startBrowser(1280, 1024);
  try {
    const page = await openProgram(browser.context, server.url);
    console.log(`web display: 0 shapes: ${(await msPerFrame(page)).toFixed(2)} ms per frame`);
    await page.setInputFiles('#files', { name: 'bench.alg', mimeType: 'text/plain',
                                         buffer: Buffer.from(manyShapes(), 'latin1') });
    await page.waitForFunction(() => /hinzugefügt/.test(document.getElementById('status').textContent));
    const click = async (x, y, button = 'left') => {
      await page.mouse.move(x, y);
      await page.mouse.down({ button });
      await page.mouse.up({ button });
    };
    await click(125, 1000); // the load button
    await page.waitForTimeout(100);
    await click(150, Math.round((730 - 12 + 6) * 4 / 3)); // the one saved file
    await page.waitForTimeout(100);
    await click(1100, 700, 'right'); // below the listing: the whole run at once
    await page.waitForTimeout(500);
    // QUOVADRIN_BENCH_SHOT names a file for a look at the 10,000 Shapes.
    if (process.env.QUOVADRIN_BENCH_SHOT) await page.screenshot({ path: process.env.QUOVADRIN_BENCH_SHOT });
    console.log(`web display: 10000 shapes: ${(await msPerFrame(page)).toFixed(2)} ms per frame`);
  } finally {
    await browser.close();
  }
} finally {
  await server.close();
}
