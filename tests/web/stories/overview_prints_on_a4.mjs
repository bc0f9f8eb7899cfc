// The page's overview of a class prints on A4 as --render's does: several
// sheets, and no card across two of them. Each card's title and the last
// line of its listing (a value only that file gives) are on the same
// sheet, read from Chromium's PDF with pdftotext.
import { execFileSync } from 'node:child_process';
import { assert } from '../harness/program.mjs';
import { learnersFile, pageOverview } from '../harness/overview.mjs';

const Examples = ['example_block.alg', 'nested_all_shapes.alg', 'variable_forms_and_limits.alg',
                  'one_repeat_block.alg'];

export default {
  name: 'the page\'s overview prints on A4 with no card across two sheets',
  needs: ['printToPdf'],
  async run({ tab }) {
    const files = {};
    const cards = [];
    for (const [learner, first] of [['Anna', 301], ['Ben', 311], ['Clara', 321]]) {
      for (let i = 0; i < 4; ++i) {
        const name = `${learner.toLowerCase()}_${i + 1}.alg`;
        files[`klasse/${learner}/${name}`] = await learnersFile(Examples[i], first + i);
        cards.push({ name, last: `Gib x den Wert ${first + i}` });
      }
    }
    await pageOverview(tab, files);
    const url = await tab.evaluate(() => Quovadrin.overview.pageUrl());
    const pdf = await tab.printToPdf(url);
    const sheets = execFileSync('pdftotext', ['-layout', '-', '-'], { input: pdf }).toString('utf8')
      .split('\f').filter((sheet) => sheet.trim() !== '');
    assert(sheets.length >= 2, `the overview printed on ${sheets.length} sheet(s)`);
    const sheetOf = (text) => sheets.flatMap((sheet, index) => (sheet.includes(text) ? [index] : []));
    for (const { name, last } of cards) {
      const titled = sheetOf(name);
      const ended = sheetOf(last);
      assert(titled.length === 1, `the card ${name} is titled on sheets ${titled}`);
      assert(ended.length === 1 && ended[0] === titled[0],
             `the card ${name} begins on sheet ${titled[0] + 1} and ends on sheet(s) ${ended.map((at) => at + 1)}`);
    }
  },
};
