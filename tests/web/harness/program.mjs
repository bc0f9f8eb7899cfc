// What the stories do with the program, the same in every engine: where its
// controls are, opening it with empty storage, saving and taking the offered
// files. What the stories do with the learner's stored files is in
// storage.mjs.
import { execFileSync } from 'node:child_process';
import { mkdtemp, readFile, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

export const Root = join(dirname(fileURLToPath(import.meta.url)), '..', '..', '..');

/** A layout point (1024 x 768 units over the whole window, origin top left)
 *  as the window pixel that holds it, at a window of width x height. */
export function toWindow([x, y], { width = 1280, height = 1024 } = {}) {
  return [Math.floor((x + 0.5) * width / 1024), Math.floor((y + 0.5) * height / 768)];
}

/** Controls as layout points. */
export const Layout = {
  circle: [95, 165],
  go: [97, 680],
  save: [40, 750],
  load: [100, 750],
  canvas: [512, 384],
  belowListing: [880, 525],
};

/** Window pixels of the controls at 1280 x 1024. */
export const At = Object.fromEntries(Object.entries(Layout).map(([name, point]) =>
  [name, toWindow(point)]));

/** The saved-file list: rows of 12 units growing upwards from 730, the
 *  first entry on top; entry counts from 0. */
export function fileEntry(entry, entries, size) {
  const top = 730 - 12 * entries + 12 * entry;
  return toWindow([120, top + 6], size);
}

/** The canvas's rectangle in window pixels at a window of width x height. */
export function canvasRect({ width = 1280, height = 1024 } = {}) {
  return { x: Math.floor(width / 4), y: 0, width: Math.floor(width / 2), height };
}

export function assert(condition, message) {
  if (!condition) throw new Error(message);
}

export async function readRepoFile(...parts) {
  return readFile(join(Root, ...parts));
}

/** Empties the page origin's storage (IndexedDB, local storage, caches and
 *  service workers) from a blank page of the origin, where the program is
 *  not running; the tab stays on that page. */
export async function emptyStorage(tab, server) {
  await tab.goto(server.emptyUrl);
  await tab.evaluate(async () => {
    localStorage.clear();
    if (navigator.serviceWorker) {
      for (const worker of await navigator.serviceWorker.getRegistrations()) await worker.unregister();
    }
    if (window.caches) for (const name of await caches.keys()) await caches.delete(name);
    const names = indexedDB.databases ? (await indexedDB.databases()).map((d) => d.name) : [];
    await Promise.all(names.map((name) => new Promise((done, fail) => {
      const request = indexedDB.deleteDatabase(name);
      request.onsuccess = done;
      request.onerror = () => fail(request.error);
      request.onblocked = done;
    })));
  });
}

/** Opens the program (at url, by default the page's own) with the origin's
 *  storage emptied first: the learner's first visit. */
export async function openFresh(tab, server, url = server.url) {
  await emptyStorage(tab, server);
  await tab.openProgram(url);
}

/** Presses the save button (with the mouse, or as clickOptions say: a
 *  finger, a pen); returns what savedFiles waits for a change of. Tabs
 *  saving at once press in turn, then wait. */
export async function pressSave(tab, saveAt = At.save, clickOptions = {}) {
  const before = await tab.evaluate(() =>
    [...document.querySelectorAll('#downloads a')].map((link) => link.href).join());
  await tab.click(...saveAt, clickOptions);
  return before;
}

/** The files a save pressed with pressSave offers: { alg, png, svg,
 *  algName, pngName }, once they are offered and have reached the
 *  browser's storage (or been refused there), so that a story that looks
 *  at storage next sees the save's outcome. */
export async function savedFiles(tab, before) {
  try {
    await tab.waitFor((old) => {
      const links = [...document.querySelectorAll('#downloads a')];
      return links.length >= 2 && links.map((link) => link.href).join() !== old &&
             !Quovadrin.workspace.writing();
    }, before, { what: 'the files of the save to be offered and stored' });
  } catch (error) {
    const seen = await tab.evaluate((old) => ({
      offered: [...document.querySelectorAll('#downloads a')].map((link) => link.download).join(' '),
      changed: [...document.querySelectorAll('#downloads a')].map((link) => link.href).join() !== old,
      storing: Quovadrin.workspace.writing(),
      status: document.getElementById('status').textContent,
    }), before).catch(() => null);
    if (seen) error.message += ` (offered: '${seen.offered}', new: ${seen.changed}, still storing: ` +
                               `${seen.storing}, status: '${seen.status}')`;
    throw error;
  }
  const files = {};
  for (const { name, bytes } of await tab.offeredDownloads()) {
    if (name.endsWith('.alg')) Object.assign(files, { alg: bytes, algName: name });
    if (name.endsWith('.png')) Object.assign(files, { png: bytes, pngName: name });
    if (name.endsWith('.svg')) Object.assign(files, { svg: bytes, svgName: name });
  }
  assert(files.alg && files.png, 'the save did not offer an .alg and a .png');
  return files;
}

/** Saves with the save button and returns the offered files (savedFiles). */
export async function saveAndDownload(tab, saveAt = At.save, clickOptions = {}) {
  return savedFiles(tab, await pressSave(tab, saveAt, clickOptions));
}

/** Drags a pointer of the given type (touch, pen) from one window place
 *  to another in steps, as a hand moves. */
export async function dragBy(tab, type, [x0, y0], [x1, y1], steps = 8) {
  await tab.press(x0, y0, { type });
  for (let step = 1; step <= steps; step++) {
    await tab.move(x0 + (x1 - x0) * step / steps, y0 + (y1 - y0) * step / steps, { type });
  }
  await tab.release(x1, y1, { type });
  await tab.settle();
}

/** Asserts that the desktop's own checker (quovadrin_alg_check) accepts
 *  a saved algorithm. */
export async function checkWithDesktop(saved) {
  const check = process.env.QUOVADRIN_ALG_CHECK;
  assert(check, 'QUOVADRIN_ALG_CHECK is not set');
  const folder = await mkdtemp(join(tmpdir(), 'quovadrin-saved-'));
  await writeFile(join(folder, saved.algName), saved.alg);
  execFileSync(check, [join(folder, saved.algName)], { stdio: 'inherit' });
}

/** The lines of an .alg file (CR LF). */
export function lines(bytes) {
  return bytes.toString('latin1').split('\r\n');
}
