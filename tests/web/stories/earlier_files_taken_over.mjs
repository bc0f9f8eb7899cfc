// Files that an earlier version of the page kept (in the database the
// program's in-memory folder was mirrored to) are taken over at the first
// start, once: their names made portable, the algorithm too large for the
// program left behind, and nothing taken over twice.
import { assert, emptyStorage } from '../harness/program.mjs';
import { listedNames, storedFiles } from '../harness/storage.mjs';

export default {
  name: 'files an earlier version of the page kept are taken over, once',
  opensPage: true,
  async run({ tab, server }) {
    await emptyStorage(tab, server);
    // On the blank page of the origin: the earlier version's database.
    await tab.evaluate(async () => {
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
    await tab.openProgram(server.url);
    const listed = await listedNames(tab);
    assert(listed.join() === 'Mein_Wuerfel.alg,seed_1000000000-a.alg', `the list has ${listed.join(' ')}`);
    const stored = await storedFiles(tab);
    assert(stored.get('vorpImages/seed_1000000000-a.png'), 'the earlier picture was not taken over');
    await tab.reload();
    await tab.waitForProgram();
    const again = await storedFiles(tab);
    assert(again.size === stored.size, `a second start took over again: ${[...again.keys()].join(' ')}`);
  },
};
