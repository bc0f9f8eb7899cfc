// Hostile zips lose nothing and stall nothing: 100,000 empty entries, an
// entry that inflates past what its header claims, and one that inflates
// past the bound of all entries are each refused within a second, with a
// German sentence, and storage stays as it was.
import { assert } from '../harness/program.mjs';
import { addFiles, sameFiles, storedFiles } from '../harness/storage.mjs';
import { madeZip } from '../harness/zips.mjs';

/** The page's limit; a zip refused later has been read too far. */
const RefusedWithinMs = 1000;

export default {
  name: 'hostile zips are refused within a second, and nothing is stored',
  async run({ tab }) {
    const before = await storedFiles(tab);
    const cases = [[await madeZip('empty', '100000'), 'hat mehr als 5000 Einträge'],
                   [await madeZip('lying'), 'ist beschädigt (ein Eintrag ist größer, als er angibt)'],
                   [await madeZip('large'), 'ist entpackt größer als 128 MiB']];
    for (const [zip, why] of cases) {
      const told = await addFiles(tab, [zip]);
      const took = await tab.evaluate(() => window.quovadrinAddMilliseconds);
      console.log(`  ${zip.name}: refused after ${Math.round(took)} ms`);
      assert(told.includes(`„${zip.name}“ ${why}: nichts daraus hinzugefügt.`), `${zip.name} told '${told}'`);
      assert(took < RefusedWithinMs, `${zip.name} took ${Math.round(took)} ms`);
      sameFiles(await storedFiles(tab), before, `${zip.name} changed the storage`);
    }
  },
};
