// The page asks the browser to keep its storage for good. A browser that
// declines (as many do for a page not installed), or cannot be asked, gets
// one calm note that the downloads are the safe copy, once and not at every
// start.
import { assert, openFresh } from '../harness/program.mjs';

// The browser declines; counts how often the page asked.
const Declining = `
  window.quovadrinPersistAsked = 0;
  if (navigator.storage && navigator.storage.persist) {
    navigator.storage.persisted = function () { return Promise.resolve(false); };
    navigator.storage.persist = function () {
      ++window.quovadrinPersistAsked;
      return Promise.resolve(false);
    };
  }`;

/** Waits until the page, started, has asked the browser where it can be
 *  asked, and has had time to answer. */
async function asked(tab) {
  await tab.waitForProgram();
  await tab.waitFor(() => !(navigator.storage && navigator.storage.persist) ||
                          window.quovadrinPersistAsked > 0, null,
                    { what: 'the page to ask the browser to keep its storage' });
  await tab.sleep(500);
}

export default {
  name: 'the page asks to keep its storage and says once that downloads are the safe copy',
  opensPage: true,
  async run({ tab, server }) {
    const url = server.prelude(Declining);
    await openFresh(tab, server, url);
    await asked(tab);
    const told = await tab.text('#status');
    assert(/^Hinweis: .*sichere Kopie sind die Downloads/.test(told), `the page said '${told}'`);
    assert(!(await tab.evaluate(() => document.getElementById('status').classList.contains('fault'))),
           'the note is marked as a fault');
    await tab.reload();
    await asked(tab);
    const again = await tab.text('#status');
    assert(!/Hinweis/.test(again), `the page said it again: '${again}'`);
  },
};
