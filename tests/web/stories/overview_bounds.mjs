// The overview's bounds: more algorithms than a class makes in a year, or
// a dropped folder with more entries than a class folder has (a whole
// disk dropped by mistake), are refused with one sentence at once, and
// nothing is drawn.
import { assert } from '../harness/program.mjs';

export default {
  name: 'an overview of too many files or of a huge dropped folder is refused with a sentence',
  async run({ tab }) {
    const { files, walked } = await tab.evaluate(async () => {
      const limits = Quovadrin.overviewSources;
      const told = () => document.getElementById('overview-progress').textContent;
      const chosen = [];
      for (let i = 0; i <= limits.MaxFiles; ++i) {
        const file = new File(['Zeichne Kreis\r\n'], `k${i}.alg`);
        Object.defineProperty(file, 'webkitRelativePath', { value: `klasse/L${i % 30}/k${i}.alg` });
        chosen.push(file);
      }
      await Quovadrin.overview.fromFiles(chosen);
      const files = told();
      const children = [];
      const root = { isFile: false, isDirectory: true, name: 'platte', fullPath: '/platte',
                     createReader() {
                       let next = 0;
                       return { readEntries(success) { success(children.slice(next, next += 1000)); } };
                     } };
      for (let i = 0; i <= limits.MaxWalkedEntries; ++i) {
        children.push({ isFile: true, isDirectory: false, name: `d${i}.txt`, fullPath: `/platte/d${i}.txt`,
                        file(success) { success(new File(['x'], `d${i}.txt`)); } });
      }
      await Quovadrin.overview.make(Quovadrin.overviewSources.fromDrop(
        { items: [{ kind: 'file', webkitGetAsEntry: () => root }], files: [] }));
      return { files, walked: told() };
    });
    assert(files === 'Mehr als 3000 Algorithmen auf einmal: bitte einen kleineren Ordner wählen.',
           `too many files told '${files}'`);
    assert(walked === 'Der Ordner hat mehr als 30000 Einträge: bitte einen kleineren Ordner wählen.',
           `the huge folder told '${walked}'`);
    assert(await tab.evaluate(() => document.getElementById('overview-result').hidden), 'an overview was offered');
  },
};
