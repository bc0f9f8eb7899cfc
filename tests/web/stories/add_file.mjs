// An .alg file chosen from the computer joins the saved-file list and loads
// as it was.
import { assert, At, fileEntry, readRepoFile, saveAndDownload } from '../harness/program.mjs';

export default {
  name: 'an .alg file added from the computer appears in the list and loads as it was',
  async run({ tab }) {
    const handedIn = await readRepoFile('tests', 'fuzz', 'corpus', 'example_block.alg');
    await tab.chooseFiles('#files', [{ name: 'abgabe.alg', bytes: handedIn }]);
    await tab.waitFor(() => /hinzugefügt/.test(document.getElementById('status').textContent),
                      null, { what: 'the page to tell the file was added' });
    await tab.click(...At.load);
    await tab.click(...fileEntry(0, 1));
    const saved = await saveAndDownload(tab);
    assert(saved.alg.equals(handedIn), 'the added file did not load as it was');
  },
};
