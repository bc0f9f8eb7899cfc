// Two tabs that start in the same second would draw the same seed, and their
// saves would share a name. Both tabs here see one fixed clock, so they
// start in the same second whatever the driver's pace; they claim different
// seeds, save one right after the other, and both saves survive.
import { assert, At, openFresh, pressSave, savedFiles } from '../harness/program.mjs';
import { openTab, sameBytes, storedFiles } from '../harness/storage.mjs';

const StartSecond = 1700000000;
const FixedClock = `Date.now = function () { return ${StartSecond * 1000 + 123}; };`;

export default {
  name: 'two tabs started in the same second save at once, and both saves survive',
  needs: ['secondTab'],
  opensPage: true,
  async run({ session, tab, server }) {
    const url = server.prelude(FixedClock);
    await openFresh(tab, server, url);
    const second = await openTab(session, url);
    try {
      const seeds = await Promise.all([tab, second].map((each) => each.evaluate(() => Module.quovadrinSeed)));
      assert(seeds.includes(StartSecond), `neither tab started at ${StartSecond}: ${seeds}`);
      assert(seeds[0] !== seeds[1], `both tabs have the seed ${seeds[0]}`);
      await second.click(...At.circle);
      await second.click(...At.circle);
      const pressed = [await pressSave(tab), await pressSave(second)];
      const saves = [await savedFiles(tab, pressed[0]), await savedFiles(second, pressed[1])];
      assert(saves[0].algName !== saves[1].algName, `both saved as ${saves[0].algName}`);
      assert(!saves[0].alg.equals(saves[1].alg), 'the two tabs saved the same algorithm');
      await tab.reload();
      await tab.waitForProgram();
      const stored = await storedFiles(tab);
      for (const save of saves) sameBytes(stored.get('vorpAlgorithms/' + save.algName), save.alg, save.algName);
    } finally {
      await second.close();
    }
  },
};
