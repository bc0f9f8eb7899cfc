// The web page's stories in headless Chromium, told as a learner would live
// them, with real pointer and key events:
//   node stories.mjs PAGE_DIR
// QUOVADRIN_ALG_CHECK names the desktop build's quovadrin_alg_check, which
// writes a saved .alg again with the desktop's code. Prints one line per
// story and closes with 'N passed, N failed'.
import { execFileSync } from 'node:child_process';
import { readFile } from 'node:fs/promises';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { openProgram, startBrowser } from './browser.mjs';
import { assert, At, click, fileEntry, saveAndDownload, settle } from './learner.mjs';
import { servePage } from './page_server.mjs';
import { matchingShare, pngHeader } from './pixels.mjs';

const Root = join(dirname(fileURLToPath(import.meta.url)), '..', '..');
const PageDir = process.argv[2] || join(Root, 'build', 'web');
const AlgCheck = process.env.QUOVADRIN_ALG_CHECK;

const Canvas = { x: 320, y: 0, width: 640, height: 1024 };

function lines(bytes) {
  return bytes.toString('latin1').split('\r\n');
}

const state = {};

const Stories = [
  ['the start screen shows the laboratory as on the desktop', async ({ page, helper }) => {
    assert(await page.title() === 'Quovadrin Algorithmenlabor', 'wrong title');
    const overflow = await page.evaluate(() =>
      document.documentElement.scrollWidth > innerWidth ||
      document.documentElement.scrollHeight > innerHeight);
    assert(!overflow, 'the page scrolls');
    await settle(page);
    const shot = await page.screenshot();
    const reference = await readFile(join(Root, 'docs', 'start-screen.png'));
    const share = await matchingShare(helper, shot, reference, { width: 1280, height: 1024 });
    console.log(`  ${(share * 100).toFixed(2)}% of pixels within 32 grey levels`);
    assert(share >= 0.99, `only ${(share * 100).toFixed(2)}% of pixels match the start screen`);
    const prevented = await page.evaluate(() => {
      const canvas = document.getElementById('canvas');
      const menu = new MouseEvent('contextmenu', { bubbles: true, cancelable: true, button: 2 });
      canvas.dispatchEvent(menu);
      return menu.defaultPrevented;
    });
    assert(prevented, 'the canvas lets the context menu open');
  }],

  ['a tool clicked twice inserts its command, and a save offers both files', async ({ page, helper }) => {
    await click(page, At.circle);
    await click(page, At.circle);
    const screen = await page.screenshot();
    const saved = await saveAndDownload(page);
    const start = lines(await readFile(join(Root, 'tests', 'fuzz', 'corpus', 'example_block.alg')));
    const written = lines(saved.alg);
    assert(written.length === start.length + 1, `${written.length} lines, not ${start.length + 1}`);
    assert(written.filter((line) => /Zeichne Kreis/.test(line)).length === 1,
           'the saved algorithm has no circle');
    assert(AlgCheck, 'QUOVADRIN_ALG_CHECK is not set');
    execFileSync(AlgCheck, [await download(saved.alg, saved.algName)], { stdio: 'inherit' });
    const header = pngHeader(saved.png);
    assert(header && header.width === 640 && header.height === 1024 && header.colourType === 0,
           `the picture is not a 640 x 1024 grey PNG: ${JSON.stringify(header)}`);
    const share = await matchingShare(helper, saved.png, screen,
                                      { bx: Canvas.x, by: Canvas.y, width: Canvas.width,
                                        height: Canvas.height, tolerance: 8 });
    assert(share >= 0.999, `the picture matches the canvas in ${(share * 100).toFixed(2)}% only`);
    state.saved = saved;
  }],

  ['after quitting and a new start the saved file is in the list and loads', async ({ page }) => {
    assert(state.saved, 'nothing was saved before');
    await page.keyboard.press('Escape');
    await page.waitForSelector('#ended:not([hidden])', { timeout: 10000 });
    assert(await page.isHidden('#canvas'), 'the canvas still shows after quitting');
    await Promise.all([page.waitForEvent('load'), page.click('#restart')]);
    await page.waitForFunction(() => window.quovadrinFirstFrame !== undefined, null,
                               { timeout: 30000 });
    await click(page, At.load);
    await click(page, fileEntry(0, 1));
    const again = await saveAndDownload(page);
    assert(again.alg.equals(state.saved.alg), 'the loaded algorithm saves to other bytes');
  }],

  ['an .alg file added from the computer appears in the list', async ({ page }) => {
    const handedIn = await readFile(join(Root, 'tests', 'fuzz', 'corpus', 'example_block.alg'));
    await page.setInputFiles('#files', { name: 'abgabe.alg', mimeType: 'text/plain',
                                         buffer: handedIn });
    await page.waitForFunction(() => /hinzugefügt/.test(document.getElementById('status').textContent),
                               null, { timeout: 10000 });
    // Three files now: abgabe.alg sorts before the two saves.
    await click(page, At.load);
    await click(page, fileEntry(0, 3));
    const saved = await saveAndDownload(page);
    assert(saved.alg.equals(handedIn), 'the added file did not load as it was');
  }],

  ['the go button animates the run without blocking the page', async ({ page }) => {
    await click(page, At.go);
    await page.waitForTimeout(300);
    const first = await page.screenshot({ clip: Canvas });
    const started = Date.now();
    await page.evaluate(() => 1);
    const answered = Date.now() - started;
    await page.waitForTimeout(300);
    const second = await page.screenshot({ clip: Canvas });
    assert(!first.equals(second), 'the canvas did not change during the run');
    assert(answered < 1000, `the page took ${answered} ms to answer during the run`);
  }],
];

// Without IndexedDB (a private window of some browsers) the page says so,
// and the program still starts and still offers its saves for download.
async function storageFailureStory(url) {
  const browser = await startBrowser(1280, 1024);
  try {
    await browser.context.addInitScript(() => {
      Object.defineProperty(window, 'indexedDB', { get: () => undefined });
    });
    const page = await openProgram(browser.context, url);
    const told = await page.textContent('#status');
    assert(/nicht möglich/.test(told), `the page did not tell of the storage: '${told}'`);
    const saved = await saveAndDownload(page);
    assert(saved.alg.length > 0 && saved.png.length > 0, 'the save offered empty files');
  } finally {
    await browser.close();
  }
}

let downloads = 0;
async function download(bytes, name) {
  const { mkdtemp, writeFile } = await import('node:fs/promises');
  const { tmpdir } = await import('node:os');
  const folder = await mkdtemp(join(tmpdir(), `quovadrin-download-${downloads++}-`));
  const path = join(folder, name);
  await writeFile(path, bytes);
  return path;
}

const server = await servePage(PageDir);
const browser = await startBrowser(1280, 1024);
let passed = 0;
let failed = 0;
try {
  const page = await openProgram(browser.context, server.url);
  const helper = await browser.context.newPage();
  for (const [name, story] of Stories) {
    try {
      await story({ page, helper });
      console.log(`PASS ${name}`);
      ++passed;
    } catch (error) {
      console.log(`FAIL ${name}: ${error.message}`);
      ++failed;
    }
  }
} catch (error) {
  console.log(`FAIL the page did not start: ${error.message}`);
  ++failed;
} finally {
  await browser.close();
}
try {
  await storageFailureStory(server.url);
  console.log('PASS without storage in the browser the program works on and says so');
  ++passed;
} catch (error) {
  console.log(`FAIL without storage in the browser: ${error.message}`);
  ++failed;
} finally {
  await server.close();
}
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
