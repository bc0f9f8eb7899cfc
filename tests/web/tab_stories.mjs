// Stories of several tabs of one browser sharing the learner's storage, of a
// full storage, and of files an earlier version of the page kept:
//   node tab_stories.mjs PAGE_DIR
// Prints one line per story and closes with 'N passed, N failed'.
import { openProgram, startBrowser } from './browser.mjs';
import { assert, At, click, fileEntry, listedNames, saveAndDownload, storedFiles, tell } from
  './learner.mjs';
import { servePage } from './page_server.mjs';

const PageDir = process.argv[2];

/** A new tab of the browser with the program started in it. */
async function newTab(context, url) {
  const page = await context.newPage();
  page.on('pageerror', (error) => console.error('page error:', error.message));
  await page.goto(url);
  await page.waitForFunction(() => window.quovadrinFirstFrame !== undefined, null,
                             { timeout: 30000 });
  return page;
}

function sameBytes(stored, downloaded, what) {
  assert(stored, `${what} is not stored`);
  assert(stored.equals(downloaded), `${what} is stored with other bytes than it was saved`);
}

/** Fills the origin's storage with other data until it takes no more. */
async function fillStorage(page) {
  const outcome = await page.evaluate(async () => {
    const open = indexedDB.open('ballast');
    open.onupgradeneeded = () => open.result.createObjectStore('ballast');
    const database = await new Promise((done) => { open.onsuccess = () => done(open.result); });
    let written = 0;
    for (let size = 1 << 20; size >= 1024;) {
      const transaction = database.transaction('ballast', 'readwrite');
      transaction.objectStore('ballast').put(new Uint8Array(size).fill(written & 255), written);
      const error = await new Promise((done) => {
        transaction.oncomplete = () => done(null);
        transaction.onabort = () => done(transaction.error);
      });
      if (error && error.name !== 'QuotaExceededError') return error.name;
      if (error) size >>= 1;
      else written += size;
    }
    database.close();
    return written;
  });
  assert(typeof outcome === 'number', `filling the storage failed with ${outcome}`);
}

const Stories = [
  ['two tabs save in turn, five times each, and a third tab lists all ten intact', async (url) => {
    const browser = await startBrowser(1280, 1024);
    try {
      const first = await newTab(browser.context, url);
      const second = await newTab(browser.context, url);
      const saves = [];
      for (let round = 0; round < 5; ++round) {
        for (const page of [first, second]) {
          // A different algorithm each time: one more circle.
          await click(page, At.circle);
          await click(page, At.circle);
          saves.push(await saveAndDownload(page));
        }
      }
      const names = saves.map((save) => save.algName);
      assert(new Set(names).size === 10, `the ten saves share names: ${names.join(' ')}`);
      // The first tab hears of the second tab's saves while it runs.
      await first.waitForFunction((name) => Module.FS.analyzePath('/arbeit/vorpAlgorithms/' + name).exists,
                                  saves[9].algName, { timeout: 5000 });
      const third = await newTab(browser.context, url);
      const listed = await listedNames(third);
      assert(names.every((name) => listed.includes(name)),
             `the third tab lists ${listed.join(' ')}, not all of ${names.join(' ')}`);
      const stored = await storedFiles(third);
      for (const save of saves) {
        sameBytes(stored.get('vorpAlgorithms/' + save.algName), save.alg, save.algName);
        sameBytes(stored.get('vorpImages/' + save.pngName), save.png, save.pngName);
      }
      // And the list loads them: the last entry is the second tab's last save.
      const sorted = [...names].sort();
      await click(third, At.load);
      await click(third, fileEntry(sorted.indexOf(saves[9].algName), 10));
      const again = await saveAndDownload(third);
      assert(again.alg.equals(saves[9].alg), 'the third tab loaded other bytes than the save');
    } finally {
      await browser.close();
    }
  }],

  ['two tabs started in the same second save at once, and both saves survive', async (url) => {
    const browser = await startBrowser(1280, 1024);
    try {
      const [first, second] = await Promise.all([newTab(browser.context, url),
                                                 newTab(browser.context, url)]);
      const seeds = await Promise.all([first, second].map((page) => page.evaluate(() => Module.quovadrinSeed)));
      assert(seeds[0] !== seeds[1], `both tabs have the seed ${seeds[0]}`);
      await click(second, At.circle);
      await click(second, At.circle);
      const saves = await Promise.all([saveAndDownload(first), saveAndDownload(second)]);
      assert(saves[0].algName !== saves[1].algName, `both saved as ${saves[0].algName}`);
      await first.reload();
      await first.waitForFunction(() => window.quovadrinFirstFrame !== undefined);
      const stored = await storedFiles(first);
      for (const save of saves) sameBytes(stored.get('vorpAlgorithms/' + save.algName), save.alg, save.algName);
    } finally {
      await browser.close();
    }
  }],

  ['a full storage refuses a save: the learner is told, the links wait, earlier files stay', async (url) => {
    const browser = await startBrowser(1280, 1024);
    try {
      const page = await browser.context.newPage();
      // Chromium gives the origin's storage its quota when the storage is
      // first used, so the quota is set on a page that uses none.
      await page.goto(url + 'manifest.webmanifest');
      const devtools = await browser.context.newCDPSession(page);
      await devtools.send('Storage.overrideQuotaForOrigin', { origin: new URL(url).origin,
                                                              quotaSize: 8 << 20 });
      await page.goto(url);
      await page.waitForFunction(() => window.quovadrinFirstFrame !== undefined, null, { timeout: 30000 });
      const earlier = await saveAndDownload(page);
      await fillStorage(page);
      await click(page, At.circle);
      await click(page, At.circle);
      const refused = await saveAndDownload(page);
      const told = await page.textContent('#status');
      assert(/Speicher des Browsers ist voll/.test(told) && told.includes(refused.algName.replace('.alg', '')),
             `the learner was told '${told}'`);
      assert(await page.$('#downloads.urgent'), 'the links of the refused save are not marked');
      const stored = await storedFiles(page);
      sameBytes(stored.get('vorpAlgorithms/' + earlier.algName), earlier.alg, earlier.algName);
      sameBytes(stored.get('vorpImages/' + earlier.pngName), earlier.png, earlier.pngName);
      const refusedBase = refused.algName.replace('.alg', '');
      const halfWritten = [...stored.keys()].filter((path) => path.includes(refusedBase));
      assert(!halfWritten.length, `the refused save left ${halfWritten.join(' ')}`);
      // The next start still lists the earlier work and says the storage is full.
      await page.reload();
      await page.waitForFunction(() => window.quovadrinFirstFrame !== undefined, null, { timeout: 30000 });
      const listed = await listedNames(page);
      assert(listed.includes(earlier.algName), `the full storage hides ${earlier.algName}: ${listed}`);
    } finally {
      await browser.close();
    }
  }],

  ['files an earlier version of the page kept are taken over, once', async (url) => {
    const browser = await startBrowser(1280, 1024);
    try {
      const page = await browser.context.newPage();
      // A file of the page's origin that starts nothing.
      await page.goto(url + 'manifest.webmanifest');
      await page.evaluate(async () => {
        const open = indexedDB.open('/arbeit', 21);
        open.onupgradeneeded = () => {
          open.result.createObjectStore('FILE_DATA').createIndex('timestamp', 'timestamp');
        };
        const database = await new Promise((done) => { open.onsuccess = () => done(open.result); });
        const store = database.transaction('FILE_DATA', 'readwrite').objectStore('FILE_DATA');
        const file = (text) => ({ timestamp: new Date(1e12), mode: 0o100644,
                                  contents: new TextEncoder().encode(text) });
        store.put({ timestamp: new Date(1e12), mode: 0o40777 }, '/arbeit/vorpAlgorithms');
        store.put(file('alt\r\n'), '/arbeit/vorpAlgorithms/seed_1000000000-a.alg');
        store.put(file('\x89PNG\r\n\x1a\n'), '/arbeit/vorpImages/seed_1000000000-a.png');
        store.put(file('würfel\r\n'), '/arbeit/vorpAlgorithms/Mein Würfel.alg');
        store.put(file('x'.repeat(5 << 20)), '/arbeit/vorpAlgorithms/riesig.alg');
        await new Promise((done) => { store.transaction.oncomplete = done; });
        database.close();
      });
      await page.goto(url);
      await page.waitForFunction(() => window.quovadrinFirstFrame !== undefined, null, { timeout: 30000 });
      const listed = await listedNames(page);
      assert(listed.join() === 'Mein_Wuerfel.alg,seed_1000000000-a.alg', `the list has ${listed.join(' ')}`);
      const stored = await storedFiles(page);
      assert(stored.get('vorpImages/seed_1000000000-a.png'), 'the earlier picture was not taken over');
      await page.reload();
      await page.waitForFunction(() => window.quovadrinFirstFrame !== undefined, null, { timeout: 30000 });
      const again = await storedFiles(page);
      assert(again.size === stored.size, `a second start took over again: ${[...again.keys()].join(' ')}`);
    } finally {
      await browser.close();
    }
  }],
];

const server = await servePage(PageDir);
let counts;
try {
  counts = await tell(Stories, server.url);
} finally {
  await server.close();
}
console.log(`${counts.passed} passed, ${counts.failed} failed`);
process.exit(counts.failed ? 1 : 0);
