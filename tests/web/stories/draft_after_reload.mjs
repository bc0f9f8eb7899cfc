// Unsaved work outlives a reload, and closing a tab with it asks first:
// three commands composed and never saved make the tab's leaving ask; after
// the reload the bar offers "Weiterarbeiten", which brings the three back.
// Saved work leaves without a question.
import { assert, At, saveAndDownload } from '../harness/program.mjs';
import { commandLines, composeThreeCircles, waitForKeptDraft } from '../harness/drafts.mjs';

/** Whether leaving the page now would ask the learner first: the page's
 *  beforeunload answer to a leave that may be cancelled. */
async function leavingAsks(tab) {
  return tab.evaluate(() => {
    const leave = new Event('beforeunload', { cancelable: true });
    window.dispatchEvent(leave);
    return leave.defaultPrevented;
  });
}

export default {
  name: 'three unsaved commands make leaving ask and are back after a reload',
  async run({ tab }) {
    assert(!(await leavingAsks(tab)), 'leaving the fresh program asks first');
    // The program starts with the example: its save is what a start gives.
    const example = (await saveAndDownload(tab)).alg;
    const start = commandLines(example).length;
    await composeThreeCircles(tab);
    assert(await leavingAsks(tab), 'leaving with three unsaved commands does not ask');
    await waitForKeptDraft(tab, start + 3);
    // The learner answers "leave": the page's question is taken as answered.
    await tab.evaluate(() => {
      window.addEventListener('beforeunload', (event) => event.stopImmediatePropagation(), true);
    });
    await tab.reload();
    await tab.waitForProgram();
    await tab.waitFor(() => !document.getElementById('continue').hidden, null,
                      { what: '"Weiterarbeiten" in the bar after the reload' });
    const fresh = await saveAndDownload(tab);
    assert(fresh.alg.equals(example), 'the program did not start with the example without a click');
    assert(!(await leavingAsks(tab)), 'leaving right after a save asks first');
    await tab.clickElement('#continue');
    await tab.waitFor(() => /Weitergearbeitet/.test(document.getElementById('status').textContent),
                      null, { what: 'the page to tell the draft is loaded' });
    assert(await tab.evaluate(() => document.getElementById('continue').hidden),
           '"Weiterarbeiten" is still offered after continuing');
    assert(await leavingAsks(tab), 'leaving with the continued, unsaved draft does not ask');
    const continued = await saveAndDownload(tab);
    assert(commandLines(continued.alg).length === start + 3,
           `the draft came back with ${commandLines(continued.alg).length} commands`);
  },
};
