// What was saved outlives quitting: after Escape and a new start the saved
// file is in the list, and loading it gives the same algorithm.
import { assert, At, fileEntry, saveAndDownload } from '../harness/program.mjs';

export default {
  name: 'after quitting and a new start the saved file is in the list and loads',
  async run({ tab }) {
    await tab.click(...At.circle);
    await tab.click(...At.circle);
    const saved = await saveAndDownload(tab);
    await tab.key('Escape');
    await tab.waitFor(() => !document.getElementById('ended').hidden, null,
                      { what: 'the page of the ended program' });
    assert(!(await tab.visible('#canvas')), 'the canvas still shows after quitting');
    await tab.evaluate(() => { window.quovadrinBeforeRestart = true; });
    await tab.clickElement('#restart', { settle: false });
    await tab.waitFor(() => !window.quovadrinBeforeRestart && window.quovadrinFirstFrame !== undefined,
                      null, { timeout: 30000, what: 'the program to start again' });
    await tab.click(...At.load);
    await tab.click(...fileEntry(0, 1));
    const again = await saveAndDownload(tab);
    assert(again.alg.equals(saved.alg), 'the loaded algorithm saves to other bytes');
  },
};
