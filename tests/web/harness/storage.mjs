// What the stories do with the learner's files in the browser, the same in
// every engine: what storage holds, what the program's file list shows,
// adding files from the computer, filling storage up, and comparing bytes.
// The page's own parts (Quovadrin.workspace, Module.FS) are read, never
// changed.
import { assert } from './program.mjs';

/** Every file the page's storage holds: Map of path (below the program's
 *  folder) to Buffer. */
export async function storedFiles(tab) {
  const files = await tab.evaluateFiles(async () =>
    (await Quovadrin.workspace.store().read()).map((file) => ({ name: file.path, bytes: file.bytes })));
  return new Map(files.map(({ name, bytes }) => [name, bytes]));
}

/** The algorithm files in the program's folder, which its list shows,
 *  sorted as the list sorts them. */
export async function listedNames(tab) {
  return tab.evaluate(() => Module.FS.readdir('/arbeit/vorpAlgorithms')
    .filter((name) => name.endsWith('.alg')).sort());
}

/** Chooses files ([{ name, bytes }]) for "Hinzufügen" and waits until the
 *  page has told what became of them; returns the status text. */
export async function addFiles(tab, files) {
  await tab.evaluate(() => { document.getElementById('status').textContent = ''; });
  await tab.chooseFiles('#files', files);
  // While the page reads, its first line ends in ' …'.
  await tab.waitFor(() => {
    const text = document.getElementById('status').textContent;
    return text && !/ …$/.test(text.split('\n')[0]);
  }, null, { timeout: 20000, what: 'the page to tell what became of the added files' });
  return tab.text('#status');
}

/** A second tab of the session with the program started in it. */
export async function openTab(session, url) {
  const tab = await session.newTab();
  await tab.openProgram(url);
  return tab;
}

/** Fills the origin's storage with other data until it takes no more:
 *  records of 1 MiB, then ever smaller ones down to 1 KiB. The bytes are
 *  random, as a browser may compress what it stores. Returns the bytes
 *  written. */
export async function fillStorage(tab) {
  const outcome = await tab.evaluate(async () => {
    const open = () => new Promise((done, fail) => {
      const request = indexedDB.open('ballast');
      request.onupgradeneeded = () => request.result.createObjectStore('ballast');
      request.onsuccess = () => done(request.result);
      request.onerror = () => fail(request.error);
    });
    const randomBytes = (size) => {
      const bytes = new Uint8Array(size);
      for (let i = 0; i < size; i += 65536) crypto.getRandomValues(bytes.subarray(i, i + 65536));
      return bytes;
    };
    let database = await open();
    let written = 0;
    for (let size = 1 << 20; size >= 1024;) {
      const transaction = database.transaction('ballast', 'readwrite');
      transaction.objectStore('ballast').put(randomBytes(size), written);
      const error = await new Promise((done) => {
        transaction.oncomplete = () => done(null);
        transaction.onabort = () => done(transaction.error);
      });
      if (error && error.name !== 'QuotaExceededError') return error.name;
      if (!error) {
        written += size;
        continue;
      }
      size >>= 1;
      // Firefox closes a connection whose write went past the quota.
      database.close();
      database = await open();
    }
    database.close();
    return written;
  });
  assert(typeof outcome === 'number', `filling the storage failed with ${outcome}`);
  return outcome;
}

/** Checks that a stored file has the bytes it was saved with. */
export function sameBytes(stored, saved, what) {
  assert(stored, `${what} is not stored`);
  assert(stored.equals(saved), `${what} is stored with other bytes than it was saved`);
}

/** Checks that two Maps of path to bytes hold the same files. */
export function sameFiles(a, b, what) {
  const differing = [...new Set([...a.keys(), ...b.keys()])]
    .filter((path) => !a.get(path) || !b.get(path) || !a.get(path).equals(b.get(path)));
  assert(!differing.length, `${what}: ${differing.join(' ')} differ`);
}

/** An .alg file of one command line, as the program writes them. */
export function algorithmFile(line) {
  return Buffer.from('*'.repeat(37) + '\r\n*    Quovadrin Algorithmus Datei    *\r\n' +
                     '*'.repeat(37) + '\r\n\r\n' + line + '\r\n', 'latin1');
}
