// The page's overview is the desktop's: a class folder of three learners'
// folders (one with a subfolder), a file too large to read and one of
// bytes that are no algorithm, drawn by the desktop's --render and by the
// page from the same files, gives the same page byte for byte, and with it
// the same SVG pictures, which the page holds inside.
import { assert } from '../harness/program.mjs';
import { classOnDisk, desktopOverview, filesBelow, learnersFile, pageOverview } from '../harness/overview.mjs';

export default {
  name: 'the page\'s overview of a class folder is --render\'s, byte for byte',
  async run({ tab }) {
    const root = await classOnDisk({
      'klasse/Anna/stern.alg': await learnersFile('example_block.alg', 101),
      'klasse/Ben/seed_1007654321-a.alg': await learnersFile('nested_all_shapes.alg', 102),
      'klasse/Ben/stern.alg': await learnersFile('one_repeat_block.alg', 103),
      'klasse/Clara/seed_-17-c.alg': await learnersFile('variable_forms_and_limits.alg', 104),
      'klasse/Clara/alt/spirale.alg': await learnersFile('example_block.alg', 105),
      'klasse/zu_gross.alg': Buffer.alloc(4 * 1024 * 1024 + 1, 0x41),
      'klasse/kaputt.alg': Buffer.from([0x00, 0xff, 0x13, 0x0d, 0x0a, 0x7f, 0xc3, 0x28]),
    });
    const desktop = await desktopOverview(root, 'klasse');
    const { page, told } = await pageOverview(tab, await filesBelow(root, 'klasse'));
    assert(/^Fertig: 7 Karten, 1 davon ohne Bild\./.test(told), `the page told '${told}'`);
    // The pictures first, for a fault that names the picture.
    const text = page.toString('utf8');
    for (const [name, svg] of Object.entries(desktop.svgs)) {
      const body = svg.toString('utf8').replace(/^<\?xml[^\n]*\n/, '');
      assert(text.includes(body), `the page's picture of ${name} differs from --render's`);
    }
    assert(Object.keys(desktop.svgs).length === 6, `--render drew ${Object.keys(desktop.svgs).length} pictures`);
    assert(page.equals(desktop.page), 'the page\'s overview differs from --render\'s index.html');
  },
};
