// Names from a zip made elsewhere: folders and '..' are dropped, characters
// no file name may hold become '_', a Windows device name gets a '_', a
// Mac's resource forks are left out, and what is no file of the program is
// refused with a German sentence.
import { assert } from '../harness/program.mjs';
import { addFiles, storedFiles } from '../harness/storage.mjs';
import { madeZip } from '../harness/zips.mjs';

export default {
  name: 'names with folders, .. and odd characters are flattened; what is no file is refused',
  async run({ tab }) {
    const told = await addFiles(tab, [await madeZip('names')]);
    const names = [...(await storedFiles(tab)).keys()].sort();
    assert(names.join() === 'vorpAlgorithms/CON_.alg,vorpAlgorithms/a_b__c.alg,vorpAlgorithms/boese.alg,' +
                            'vorpAlgorithms/tief.alg',
           `stored: ${names.join(' ')}`);
    for (const sentence of ['„bild.png“ ist kein gültiges Bild und wurde nicht hinzugefügt.',
                            '„notiz.txt“ ist weder Algorithmus (.alg) noch Bild (.png, .svg)'])
      assert(told.includes(sentence), `'${sentence}' is missing from '${told}'`);
  },
};
