// Stories of files brought into the page: single files that are too large,
// of the wrong kind or of a taken name; all work in one .zip and back in
// another browser; hostile .zip files. The zips are made and read by
// Python's zipfile (zip_tool.py), not by the page's zip library:
//   node upload_stories.mjs PAGE_DIR
// Prints one line per story and closes with 'N passed, N failed'.
import { execFileSync } from 'node:child_process';
import { mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { createHash } from 'node:crypto';
import { openProgram, startBrowser } from './browser.mjs';
import { addFiles, assert, At, click, fileEntry, listedNames, saveAndDownload, storedFiles, tell } from
  './learner.mjs';
import { servePage } from './page_server.mjs';

const PageDir = process.argv[2];
const ZipTool = join(dirname(fileURLToPath(import.meta.url)), 'zip_tool.py');
const Scratch = await mkdtemp(join(tmpdir(), 'quovadrin-zips-'));

function zipTool(...args) {
  return execFileSync('python3', [ZipTool, ...args], { maxBuffer: 64 << 20 }).toString();
}

/** A zip made by zip_tool.py: { name, mimeType, buffer } for setInputFiles. */
async function madeZip(kind, ...args) {
  const path = join(Scratch, `${kind}.zip`);
  zipTool(kind, ...args, path);
  return { name: `${kind}.zip`, mimeType: 'application/zip', buffer: await readFile(path) };
}

const sha256 = (bytes) => createHash('sha256').update(bytes).digest('hex');

function sameMaps(a, b, what) {
  const differing = [...new Set([...a.keys(), ...b.keys()])]
    .filter((path) => !a.get(path) || !b.get(path) || !a.get(path).equals(b.get(path)));
  assert(!differing.length, `${what}: ${differing.join(' ')} differ`);
}

const algorithm = (line) => Buffer.from('*'.repeat(37) + '\r\n*    Quovadrin Algorithmus Datei    *\r\n' +
                                        '*'.repeat(37) + '\r\n\r\n' + line + '\r\n', 'latin1');

async function withProgram(url, story) {
  const browser = await startBrowser(1280, 1024);
  try {
    return await story(await openProgram(browser.context, url), browser);
  } finally {
    await browser.close();
  }
}

const Stories = [
  ['a 5 MiB .alg, a .png and a taken name: a German sentence each, nothing replaced', (url) =>
    withProgram(url, async (page) => {
      const saved = await saveAndDownload(page);
      const told = await addFiles(page, [
        { name: 'riesig.alg', mimeType: 'text/plain', buffer: Buffer.alloc(5 << 20, 'x') },
        { name: 'bild.png', mimeType: 'image/png', buffer: saved.png },
        { name: saved.algName, mimeType: 'text/plain', buffer: algorithm('Zeichne Blob') },
      ]);
      const base = saved.algName.replace('.alg', '');
      for (const sentence of ['„riesig.alg“ ist größer als 4 MiB und wurde nicht hinzugefügt.',
                              '„bild.png“ ist keine Algorithmus-Datei (.alg) und wurde nicht hinzugefügt.',
                              `„${saved.algName}“ gab es schon: die neue Datei heißt „${base}-2.alg“.`])
        assert(told.includes(sentence), `'${sentence}' is missing from '${told}'`);
      const stored = await storedFiles(page);
      assert(stored.get('vorpAlgorithms/' + saved.algName).equals(saved.alg), 'the save was replaced');
      assert(stored.get(`vorpAlgorithms/${base}-2.alg`).equals(algorithm('Zeichne Blob')),
             'the added file is not stored under the next free name');
      assert(stored.size === 4, `stored: ${[...stored.keys()].join(' ')}`);
      assert((await listedNames(page)).includes(`${base}-2.alg`), 'the list does not show the added file');
    })],

  ['all work in one .zip, added in a fresh browser, gives the same files', async (url) => {
    const first = await withProgram(url, async (page) => {
      await saveAndDownload(page);
      await click(page, At.circle);
      await click(page, At.circle);
      await saveAndDownload(page);
      await addFiles(page, [{ name: 'Mein Würfel.alg', mimeType: 'text/plain', buffer: algorithm('Zeichne Blob') }]);
      const [download] = await Promise.all([page.waitForEvent('download'), page.click('#save-all')]);
      assert(/^Quovadrin-Sicherung-\d{4}-\d\d-\d\d\.zip$/.test(download.suggestedFilename()),
             `the zip is called ${download.suggestedFilename()}`);
      const path = join(Scratch, 'sicherung.zip');
      await writeFile(path, await readFile(await download.path()));
      return { stored: await storedFiles(page), zip: path };
    });
    const entries = JSON.parse(zipTool('list', first.zip));
    assert(Object.keys(entries).length === first.stored.size, `the zip holds ${Object.keys(entries).join(' ')}`);
    for (const [path, bytes] of first.stored)
      assert(entries[path] === sha256(bytes), `${path} is not in the zip as stored`);
    assert(first.stored.has('vorpAlgorithms/Mein_Wuerfel.alg'), 'the added file got no portable name');
    await withProgram(url, async (page) => {
      const zip = { name: 'sicherung.zip', mimeType: 'application/zip', buffer: await readFile(first.zip) };
      const told = await addFiles(page, [zip]);
      assert(told.startsWith(`${first.stored.size} Dateien hinzugefügt`), `adding the zip told '${told}'`);
      sameMaps(await storedFiles(page), first.stored, 'the second browser holds other files');
      const names = await listedNames(page);
      await click(page, At.load);
      await click(page, fileEntry(0, names.length));
      const loaded = await saveAndDownload(page);
      assert(loaded.alg.equals(first.stored.get('vorpAlgorithms/' + names[0])), 'the first entry loads other bytes');
      const again = await addFiles(page, [zip]);
      assert(/^Nichts hinzugefügt/.test(again) && again.includes('ist schon gespeichert'),
             `adding the zip twice told '${again}'`);
    });
  }],

  ['hostile zips are refused within a second, and nothing is stored', (url) =>
    withProgram(url, async (page) => {
      const before = await storedFiles(page);
      const cases = [[await madeZip('empty', '100000'), 'hat mehr als 5000 Einträge'],
                     [await madeZip('lying'), 'ist beschädigt (ein Eintrag ist größer, als er angibt)'],
                     [await madeZip('large'), 'ist entpackt größer als 128 MiB']];
      for (const [zip, why] of cases) {
        const told = await addFiles(page, [zip]);
        const took = await page.evaluate(() => window.quovadrinAddMilliseconds);
        console.log(`  ${zip.name}: refused after ${Math.round(took)} ms`);
        assert(told.includes(`„${zip.name}“ ${why}: nichts daraus hinzugefügt.`), `${zip.name} told '${told}'`);
        assert(took < 1000, `${zip.name} took ${Math.round(took)} ms`);
        sameMaps(await storedFiles(page), before, `${zip.name} changed the storage`);
      }
    })],

  ['names with folders, .. and odd characters are flattened; what is no file is refused', (url) =>
    withProgram(url, async (page) => {
      const told = await addFiles(page, [await madeZip('names')]);
      const names = [...(await storedFiles(page)).keys()].sort();
      assert(names.join() === 'vorpAlgorithms/CON_.alg,vorpAlgorithms/a_b__c.alg,vorpAlgorithms/boese.alg,' +
                              'vorpAlgorithms/tief.alg',
             `stored: ${names.join(' ')}`);
      for (const sentence of ['„bild.png“ ist kein gültiges Bild und wurde nicht hinzugefügt.',
                              '„notiz.txt“ ist weder Algorithmus (.alg) noch Bild (.png, .svg)'])
        assert(told.includes(sentence), `'${sentence}' is missing from '${told}'`);
    })],
];

const server = await servePage(PageDir);
let counts;
try {
  counts = await tell(Stories, server.url);
} finally {
  await server.close();
  await rm(Scratch, { recursive: true, force: true });
}
console.log(`${counts.passed} passed, ${counts.failed} failed`);
process.exit(counts.failed ? 1 : 0);
