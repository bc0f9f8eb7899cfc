// What a learner does on the page, for every story file: clicks at the
// controls' pixels (1280 x 1024 window), waiting for the program's frames,
// saving and taking the offered downloads, adding files, and a look at what
// the browser's storage holds. Also a small runner that tells stories and
// prints one line each.
import { readFile } from 'node:fs/promises';

// Window pixels of the controls at 1280 x 1024 (layout units x 1.25 across
// the tool panel, x 4/3 down).
export const At = {
  circle: [119, 220],
  go: [121, 907],
  save: [50, 1000],
  load: [125, 1000],
  canvas: [640, 512],
};

/** The saved-file list's entry (from 0) when it has entries rows: rows of
 *  12 units growing upwards from 730, the first entry on top. */
export function fileEntry(entry, entries) {
  const top = 730 - 12 * entries + 12 * entry;
  return [150, Math.round((top + 6) * 4 / 3)];
}

export function assert(condition, message) {
  if (!condition) throw new Error(message);
}

/** Waits until the program has drawn two more animation frames. */
export async function settle(page) {
  await page.evaluate(() => new Promise((done) => {
    requestAnimationFrame(() => requestAnimationFrame(() => setTimeout(done, 30)));
  }));
}

export async function click(page, [x, y], button = 'left') {
  await page.mouse.move(x, y);
  await page.mouse.down({ button });
  await page.waitForTimeout(40);
  await page.mouse.up({ button });
  await settle(page);
}

/** Saves and takes the offered downloads: { alg, png, svg, algName,
 *  pngName }. Waits for the save to reach storage too (or fail there). */
export async function saveAndDownload(page) {
  const before = await page.$$eval('#downloads a', (links) => links.map((l) => l.href).join());
  await click(page, At.save);
  await page.waitForFunction((old) => {
    const links = [...document.querySelectorAll('#downloads a')];
    return links.length >= 2 && links.map((l) => l.href).join() !== old &&
           !Quovadrin.workspace.writing();
  }, before, { timeout: 10000 });
  const files = {};
  for (const link of await page.$$('#downloads a')) {
    const [download] = await Promise.all([page.waitForEvent('download'), link.click()]);
    const name = download.suggestedFilename();
    const bytes = await readFile(await download.path());
    if (name.endsWith('.alg')) Object.assign(files, { alg: bytes, algName: name });
    if (name.endsWith('.png')) Object.assign(files, { png: bytes, pngName: name });
    if (name.endsWith('.svg')) Object.assign(files, { svg: bytes });
  }
  assert(files.alg && files.png, 'the save did not offer an .alg and a .png');
  return files;
}

/** Every file the page's storage holds: Map of path to Buffer. */
export async function storedFiles(page) {
  const files = await page.evaluate(async () => {
    const stored = await Quovadrin.workspace.store().read();
    return stored.map((file) => [file.path, Array.from(file.bytes)]);
  });
  return new Map(files.map(([path, bytes]) => [path, Buffer.from(bytes)]));
}

/** The algorithm files in the program's folder, which its list shows. */
export async function listedNames(page) {
  return page.evaluate(() => Module.FS.readdir('/arbeit/vorpAlgorithms')
    .filter((name) => name.endsWith('.alg')).sort());
}

/** Chooses files for "Hinzufügen" and waits until the page has told what
 *  became of them; returns the status text. */
export async function addFiles(page, files) {
  await page.evaluate(() => { document.getElementById('status').textContent = ''; });
  await page.setInputFiles('#files', files);
  await page.waitForFunction(() => {
    const text = document.getElementById('status').textContent;
    return text && !/ …$/.test(text.split('\n')[0]);
  }, null, { timeout: 20000 });
  return page.textContent('#status');
}

/** Tells each [name, story] and prints PASS or FAIL; returns the counts. */
export async function tell(stories, ...context) {
  let passed = 0;
  let failed = 0;
  for (const [name, story] of stories) {
    try {
      await story(...context);
      console.log(`PASS ${name}`);
      ++passed;
    } catch (error) {
      console.log(`FAIL ${name}: ${error.stack || error.message}`);
      ++failed;
    }
  }
  return { passed, failed };
}
