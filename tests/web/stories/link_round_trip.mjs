// "Link teilen" carries the algorithm: the link (and its QR code, read by
// a reader of its own) opened in a fresh load starts the program with that
// algorithm, unsaved, the stored files as they were; saved, it has the
// .alg bytes of the original.
import { composeThreeCircles } from '../harness/drafts.mjs';
import { openAtLink, qrText, sharedLink } from '../harness/links.mjs';
import { assert, saveAndDownload } from '../harness/program.mjs';
import { sameFiles, storedFiles } from '../harness/storage.mjs';

export default {
  name: 'an algorithm shared as a link opens unsaved and saves to the original bytes',
  async run({ tab, server }) {
    await composeThreeCircles(tab);
    const original = await saveAndDownload(tab);
    const link = await sharedLink(tab);
    assert(link.startsWith(server.url + '#alg='), `the link is ${link}`);
    assert(/^#alg=[A-Za-z0-9_-]+$/.test(new URL(link).hash), `the link's fragment is no base64url: ${link}`);
    const scanned = await qrText(tab);
    assert(scanned === link, `the QR code holds '${scanned}', not the link`);
    const stored = await storedFiles(tab);

    const told = await openAtLink(tab, server, link);
    assert(told === 'Der Algorithmus aus dem Link ist geladen. Er ist noch nicht gespeichert.',
           `opening the link told '${told}'`);
    assert(!(await tab.evaluate(() => location.hash)), 'the link stays in the address');
    sameFiles(await storedFiles(tab), stored, 'opening the link changed the stored files');
    assert(await tab.evaluate(() => Module._quovadrinUnsavedWork() === 1), 'the algorithm from the link counts as saved');
    const saved = await saveAndDownload(tab);
    assert(saved.alg.equals(original.alg), 'the algorithm from the link saves to other bytes than the original');
  },
};
