// A browser whose storage is full refuses a save: the learner is told in
// German, the save's download links are marked as its only copy, the files
// stored earlier stay intact, nothing of the refused save remains, and the
// next start still lists the earlier work.
import { assert, At, saveAndDownload } from '../harness/program.mjs';
import { fillStorage, listedNames, sameBytes, storedFiles } from '../harness/storage.mjs';

const Quota = 8 << 20;

export default {
  name: 'a full storage refuses a save: the learner is told, the links wait, earlier files stay',
  needs: ['storageQuota'],
  launch: { storageQuota: Quota },
  async run({ tab }) {
    const earlier = await saveAndDownload(tab);
    await tab.click(...At.circle);
    await tab.click(...At.circle);
    // The tab keeps its work as a draft when it changes: kept before the
    // storage is filled, the save is the only write into the full storage
    // (Firefox may take a write just after another one was refused).
    await tab.waitFor(async () => {
      const drafts = await Quovadrin.workspace.store().drafts();
      const own = drafts.find((draft) => draft.seed === Module.quovadrinSeed);
      return !!own && new TextDecoder('latin1').decode(own.bytes).includes('Zeichne Kreis');
    }, null, { what: 'the changed work to be kept as the draft' });
    const filled = await fillStorage(tab);
    console.log(`  storage filled up with ${Math.round(filled / 1024)} KiB`);
    const refused = await saveAndDownload(tab);
    const refusedBase = refused.algName.replace('.alg', '');
    const told = await tab.text('#status');
    assert(/Speicher des Browsers ist voll/.test(told) && told.includes(refusedBase),
           `the learner was told '${told}'`);
    assert(await tab.evaluate(() => document.getElementById('downloads').classList.contains('urgent')),
           'the links of the refused save are not marked');
    const stored = await storedFiles(tab);
    sameBytes(stored.get('vorpAlgorithms/' + earlier.algName), earlier.alg, earlier.algName);
    sameBytes(stored.get('vorpImages/' + earlier.pngName), earlier.png, earlier.pngName);
    const halfWritten = [...stored.keys()].filter((path) => path.includes(refusedBase));
    assert(!halfWritten.length, `the refused save left ${halfWritten.join(' ')}`);
    // The next start still lists the earlier work.
    await tab.reload();
    await tab.waitForProgram();
    const listed = await listedNames(tab);
    assert(listed.includes(earlier.algName), `the full storage hides ${earlier.algName}: ${listed}`);
  },
};
