// All work in one .zip ("Alles sichern") holds every stored file, as
// Python's zipfile reads it; added in a fresh browser profile it gives the
// same files, which load; added there once more, nothing is doubled.
import { launchEngine } from '../harness/engine.mjs';
import { assert, At, fileEntry, openFresh, saveAndDownload } from '../harness/program.mjs';
import { addFiles, algorithmFile, listedNames, sameFiles, storedFiles } from '../harness/storage.mjs';
import { sha256, zipEntries } from '../harness/zips.mjs';

export default {
  name: 'all work in one .zip, added in a fresh browser, gives the same files',
  async run({ engine, tab, server, size }) {
    await saveAndDownload(tab);
    await tab.click(...At.circle);
    await tab.click(...At.circle);
    await saveAndDownload(tab);
    await addFiles(tab, [{ name: 'Mein Würfel.alg', bytes: algorithmFile('Zeichne Blob') }]);
    const zip = await tab.download(() => tab.clickElement('#save-all'));
    assert(/^Quovadrin-Sicherung-\d{4}-\d\d-\d\d\.zip$/.test(zip.name), `the zip is called ${zip.name}`);
    const stored = await storedFiles(tab);
    assert(stored.has('vorpAlgorithms/Mein_Wuerfel.alg'), 'the added file got no portable name');
    const entries = await zipEntries(zip.bytes);
    assert(Object.keys(entries).length === stored.size, `the zip holds ${Object.keys(entries).join(' ')}`);
    for (const [path, bytes] of stored)
      assert(entries[path] === sha256(bytes), `${path} is not in the zip as stored`);

    const other = await launchEngine(engine, size);
    try {
      await openFresh(other.tab, server);
      const told = await addFiles(other.tab, [{ name: 'sicherung.zip', bytes: zip.bytes }]);
      assert(told.startsWith(`${stored.size} Dateien hinzugefügt`), `adding the zip told '${told}'`);
      sameFiles(await storedFiles(other.tab), stored, 'the second browser holds other files');
      const names = await listedNames(other.tab);
      await other.tab.click(...At.load);
      await other.tab.click(...fileEntry(0, names.length));
      const loaded = await saveAndDownload(other.tab);
      assert(loaded.alg.equals(stored.get('vorpAlgorithms/' + names[0])), 'the first entry loads other bytes');
      const again = await addFiles(other.tab, [{ name: 'sicherung.zip', bytes: zip.bytes }]);
      assert(/^Nichts hinzugefügt/.test(again) && again.includes('ist schon gespeichert'),
             `adding the zip twice told '${again}'`);
    } finally {
      await other.close();
    }
  },
};
