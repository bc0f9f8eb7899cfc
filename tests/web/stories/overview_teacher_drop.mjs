// A teacher drops the class folder onto "Übersicht": three learners'
// folders, a damaged file beside them, and Ben's backup .zip ("Alles
// sichern", its algorithms in vorpAlgorithms/), which stands for a folder
// of its name and so joins Ben's group. The overview shows one group per
// learner, titled by the learner's name, and the damaged file's card in
// the class folder's group; the same file in the folder and in the .zip
// gets one card. The page's own download is the same overview.
import { assert } from '../harness/program.mjs';
import { dropOverview, groupsOf, learnersFile } from '../harness/overview.mjs';
import { zipOfFiles } from '../harness/zips.mjs';

export default {
  name: 'a dropped class folder gives one group per learner and the damaged file\'s card',
  async run({ tab }) {
    const bensFirst = await learnersFile('one_repeat_block.alg', 202);
    const backup = await zipOfFiles('Ben.zip', {
      'vorpAlgorithms/seed_1007654321-a.alg': bensFirst,
      'vorpAlgorithms/seed_1007654321-b.alg': await learnersFile('nested_all_shapes.alg', 203),
      'vorpImages/seed_1007654321-a.png': Buffer.from('kein Bild'),
    });
    const { page, told } = await dropOverview(tab, {
      'klasse/Anna/stern.alg': await learnersFile('example_block.alg', 201),
      'klasse/Ben/seed_1007654321-a.alg': bensFirst,
      'klasse/Clara/seed_5-a.alg': await learnersFile('variable_forms_and_limits.alg', 204),
      'klasse/Clara/.versteckt.alg': await learnersFile('example_block.alg', 205),
      'klasse/kaputt.alg': Buffer.alloc(5 * 1024 * 1024, 0x41),
      'klasse/Ben.zip': backup.bytes,
    });
    const groups = groupsOf(page);
    const titles = groups.map(({ group }) => group);
    assert(JSON.stringify(titles) === JSON.stringify(['Anna', 'Ben', 'Clara', 'klasse']),
           `the groups are ${JSON.stringify(groups)}`);
    const ben = groups[1].cards;
    assert(ben.length === 2 && ben.every((title) => title.includes('seed_1007654321-')),
           `Ben's group holds ${JSON.stringify(ben)}`);
    assert(groups[3].cards.length === 1 && groups[3].cards[0].includes('kaputt.alg'),
           `the class folder's group holds ${JSON.stringify(groups[3].cards)}`);
    const text = page.toString('utf8');
    const damaged = text.slice(text.lastIndexOf('<figure class="card"'));
    assert(/<div class="missing">[^<]*4 MiB/.test(damaged), `the damaged file's card says no reason: ${damaged.slice(0, 400)}`);
    assert(/^Fertig: 5 Karten, 1 davon ohne Bild\./.test(told), `the page told '${told}'`);

    const [downloaded] = await tab.evaluateFiles(async () => {
      const link = document.getElementById('overview-download');
      return [{ name: link.download, bytes: await (await fetch(link.href)).arrayBuffer() }];
    });
    assert(/^Quovadrin-Uebersicht-\d{4}-\d\d-\d\d\.html$/.test(downloaded.name), `the download is called ${downloaded.name}`);
    assert(downloaded.bytes.equals(page), 'the download is not the overview');
    assert(!text.includes('.svg"'), 'the overview links pictures outside itself');
  },
};
