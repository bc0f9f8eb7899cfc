// Unsaved work outlives quitting: three commands composed and never saved,
// then Escape; "Weiterarbeiten" on the page of the ended program starts it
// again with the three commands, which save as three commands typed anew do.
import { assert, At, lines, saveAndDownload } from '../harness/program.mjs';
import { commandLines, composeThreeCircles, waitForKeptDraft } from '../harness/drafts.mjs';

export default {
  name: 'three unsaved commands are back after quitting and "Weiterarbeiten"',
  async run({ tab }) {
    // The program starts with the example; its save tells how many
    // commands that is.
    const start = commandLines((await saveAndDownload(tab)).alg).length;
    await composeThreeCircles(tab);
    await waitForKeptDraft(tab, start + 3);
    await tab.key('Escape');
    await tab.waitFor(() => !document.getElementById('ended').hidden, null,
                      { what: 'the page of the ended program' });
    await tab.waitFor(() => !document.getElementById('continue-ended').hidden, null,
                      { what: '"Weiterarbeiten" on the page of the ended program' });
    await tab.evaluate(() => { window.quovadrinBeforeContinue = true; });
    await tab.clickElement('#continue-ended', { settle: false });
    await tab.waitFor(() => !window.quovadrinBeforeContinue && window.quovadrinFirstFrame !== undefined,
                      null, { timeout: 30000, what: 'the program to start again' });
    await tab.waitFor(() => /Weitergearbeitet/.test(document.getElementById('status').textContent),
                      null, { what: 'the page to tell the draft is loaded' });
    const continued = await saveAndDownload(tab);
    const commands = commandLines(continued.alg);
    assert(commands.length === start + 3, `the draft came back with ${commands.length} commands: ${lines(continued.alg).join(' | ')}`);
    // The same steps once more, without quitting between, give the same file.
    await tab.key('Escape');
    await tab.waitFor(() => !document.getElementById('ended').hidden, null, { what: 'quitting again' });
    await tab.evaluate(() => { window.quovadrinBeforeRestart = true; });
    await tab.clickElement('#restart', { settle: false });
    await tab.waitFor(() => !window.quovadrinBeforeRestart && window.quovadrinFirstFrame !== undefined,
                      null, { timeout: 30000, what: 'a new start' });
    await saveAndDownload(tab);
    await composeThreeCircles(tab);
    const anew = await saveAndDownload(tab);
    assert(anew.alg.equals(continued.alg), `the continued draft saves other bytes than the same commands composed anew: ${commandLines(anew.alg).join(' | ')}`);
  },
};
