// Without IndexedDB (a private window of some browsers) the page says so, and
// the program still starts and still offers its saves for download.
import { assert, saveAndDownload } from '../harness/program.mjs';

export default {
  name: 'without storage in the browser the program works on and says so',
  async run({ tab, server }) {
    await tab.openProgram(server.prelude(
      "Object.defineProperty(window, 'indexedDB', { get: function () { return undefined; } });"));
    const told = await tab.text('#status');
    assert(/nicht möglich/.test(told), `the page did not tell of the storage: '${told}'`);
    const saved = await saveAndDownload(tab);
    assert(saved.alg.length > 0 && saved.png.length > 0, 'the save offered empty files');
  },
};
