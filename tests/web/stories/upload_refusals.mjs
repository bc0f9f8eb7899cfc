// Files added from the computer that the program cannot load, or whose name
// is taken: one German sentence for each, nothing stored of the refused
// ones, and a taken name kept while the new file gets the next free one.
import { assert, saveAndDownload } from '../harness/program.mjs';
import { addFiles, algorithmFile, listedNames, storedFiles } from '../harness/storage.mjs';

export default {
  name: 'a 5 MiB .alg, a .png and a taken name: a German sentence each, nothing replaced',
  async run({ tab }) {
    const saved = await saveAndDownload(tab);
    const told = await addFiles(tab, [
      { name: 'riesig.alg', bytes: Buffer.alloc(5 << 20, 'x') },
      { name: 'bild.png', bytes: saved.png },
      { name: saved.algName, bytes: algorithmFile('Zeichne Blob') },
    ]);
    const base = saved.algName.replace('.alg', '');
    for (const sentence of ['„riesig.alg“ ist größer als 4 MiB und wurde nicht hinzugefügt.',
                            '„bild.png“ ist keine Algorithmus-Datei (.alg) und wurde nicht hinzugefügt.',
                            `„${saved.algName}“ gab es schon: die neue Datei heißt „${base}-2.alg“.`])
      assert(told.includes(sentence), `'${sentence}' is missing from '${told}'`);
    const stored = await storedFiles(tab);
    assert(stored.get('vorpAlgorithms/' + saved.algName).equals(saved.alg), 'the save was replaced');
    assert(stored.get(`vorpAlgorithms/${base}-2.alg`).equals(algorithmFile('Zeichne Blob')),
           'the added file is not stored under the next free name');
    const expected = [saved.algName, saved.pngName, saved.svgName].filter(Boolean).length + 1;
    assert(stored.size === expected, `stored: ${[...stored.keys()].join(' ')}`);
    assert((await listedNames(tab)).includes(`${base}-2.alg`), 'the list does not show the added file');
  },
};
