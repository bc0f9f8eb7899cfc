// Two tabs of one profile save in turn, five times each: no save removes or
// replaces another, each tab hears of the other's saves while it runs, and a
// third tab lists all ten, intact, and loads them.
import { assert, At, fileEntry, saveAndDownload } from '../harness/program.mjs';
import { listedNames, openTab, sameBytes, storedFiles } from '../harness/storage.mjs';

export default {
  name: 'two tabs save in turn, five times each, and a third tab lists all ten intact',
  needs: ['secondTab'],
  async run({ session, tab, server }) {
    const first = tab;
    const second = await openTab(session, server.url);
    const tabs = [first, second];
    let third = null;
    try {
      const saves = [];
      for (let round = 0; round < 5; ++round) {
        for (const each of tabs) {
          // A different algorithm each time: one more circle.
          await each.click(...At.circle);
          await each.click(...At.circle);
          saves.push(await saveAndDownload(each));
        }
      }
      const names = saves.map((save) => save.algName);
      assert(new Set(names).size === 10, `the ten saves share names: ${names.join(' ')}`);
      await first.waitFor((name) => Module.FS.analyzePath('/arbeit/vorpAlgorithms/' + name).exists,
                          saves[9].algName, { timeout: 5000,
                                              what: 'the first tab to hear of the second tab\'s save' });
      third = await openTab(session, server.url);
      const listed = await listedNames(third);
      assert(names.every((name) => listed.includes(name)),
             `the third tab lists ${listed.join(' ')}, not all of ${names.join(' ')}`);
      const stored = await storedFiles(third);
      for (const save of saves) {
        sameBytes(stored.get('vorpAlgorithms/' + save.algName), save.alg, save.algName);
        sameBytes(stored.get('vorpImages/' + save.pngName), save.png, save.pngName);
        if (save.svg) sameBytes(stored.get('vorpImages/' + save.svgName), save.svg, save.svgName);
      }
      // The list loads them: here the second tab's last save.
      const sorted = [...names].sort();
      await third.click(...At.load);
      await third.click(...fileEntry(sorted.indexOf(saves[9].algName), 10));
      const again = await saveAndDownload(third);
      assert(again.alg.equals(saves[9].alg), 'the third tab loaded other bytes than the save');
    } finally {
      await second.close();
      if (third) await third.close();
    }
  },
};
