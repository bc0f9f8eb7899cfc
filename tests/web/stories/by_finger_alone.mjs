// A learner with a tablet and no mouse composes the example algorithm from an
// empty one: taps choose, insert and count up, two fingers count down, a held
// finger counts up (its line is then dragged out of the listing), a square
// inserted too early is dragged into its place at the end of the block, and
// two fingers preview the whole picture. The saved .alg is the example file byte
// for byte, and the desktop's own writer writes it again unchanged.
import { assert, checkWithDesktop, dragBy, lines, readRepoFile, saveAndDownload, toWindow }
  from '../harness/program.mjs';

/** Tool-panel places in layout units (1024 x 768 over the window). */
const Tool = {
  restart: [40, 610], count: [140, 350], repeat: [160, 375], dice: [50, 350],
  target: [96, 353], square: [40, 165], abs: [20, 560], save: [40, 750],
  rowMax: [153, 510], rowMin: [153, 520],
};
/** Listing line k (from 1) in layout units. */
const line = (k) => [896, 20 + 10 * k];

export default {
  name: 'by finger alone: the example composed, previewed and saved byte for byte',
  needs: ['touch'],
  async run({ tab }) {
    const at = (point) => toWindow(point);
    const tap = async (point, times = 1) => {
      for (let i = 0; i < times; ++i) await tab.click(...at(point), { type: 'touch', holdMs: 20 });
    };
    const twoFingers = async (point, times = 1) => {
      for (let i = 0; i < times; ++i) await tab.twoFingerTap(...at(point), { holdMs: 0 });
    };
    const save = () => saveAndDownload(tab, at(Tool.save), { type: 'touch', holdMs: 20 });
    const drag = (from, to) => dragBy(tab, 'touch', at(from), at(to));

    await tap(Tool.restart); // the first touch only shows the help
    if (await tab.visible('#help')) await tab.clickElement('#help-close');
    await tap(Tool.restart);
    await tap(Tool.count, 11); // chosen, then 10 up to 20
    await tap(Tool.repeat, 2);

    // A held finger counts max up from 10; its line goes again below. The
    // save that tells how far it counted makes the first line current, so
    // what follows goes in above it.
    await tap(Tool.rowMax);
    await tab.press(...at(Tool.rowMax), { type: 'touch' });
    await tab.sleep(900);
    await tab.release(...at(Tool.rowMax), { type: 'touch' });
    await tap(Tool.abs);
    const held = /Gib max den Wert (\d+)/.exec(lines((await save()).alg).join('\n'));
    const counted = held ? Number(held[1]) : 0;
    assert(counted >= 12 && counted <= 18, `the held finger counted max to ${counted}`);
    console.log(`  the held finger counted max from 10 to ${counted}`);

    await tap(Tool.rowMax, 18 - counted);
    await tap(Tool.abs); // Gib max den Wert 18
    await tap(Tool.rowMin);
    await tap(Tool.rowMin, 8);
    await tap(Tool.abs); // Gib min den Wert 8
    await tap(Tool.square); // still the chosen shape: inserted, in the wrong place
    await tap(Tool.dice, 2); // x
    await tap(Tool.target, 2); // chosen, then y
    await tap(Tool.dice, 2);
    await tap(Tool.rowMax);
    await twoFingers(Tool.rowMax, 8);
    await tap(Tool.abs); // Gib max den Wert 10
    await tap(Tool.rowMin);
    await twoFingers(Tool.rowMin, 18);
    await tap(Tool.abs); // Gib min den Wert -10
    await tap(Tool.target, 4); // chosen, then dx, dy, h
    await tap(Tool.dice, 2);
    await tap(Tool.target, 2); // v
    await tap(Tool.dice, 2);
    await tap(Tool.rowMax);
    await twoFingers(Tool.rowMax, 5);
    await tap(Tool.abs); // Gib max den Wert 5
    await tap(Tool.rowMin);
    await tap(Tool.rowMin, 11);
    await tap(Tool.abs); // Gib min den Wert 1
    await tap(Tool.target); // chosen
    await twoFingers(Tool.target, 3); // back from v to dx
    await tap(Tool.dice, 2);
    await tap(Tool.target, 2); // dy
    await tap(Tool.dice, 2);

    await drag(line(15), [600, 300]); // the held finger's line out
    await drag(line(4), line(15)); // the square to the end of the block
    await twoFingers([880, 525]); // below the lines: the whole picture

    const saved = await save();
    const example = await readRepoFile('tests', 'fuzz', 'corpus', 'example_block.alg');
    assert(saved.alg.equals(example),
           `the saved algorithm is not the example:\n${lines(saved.alg).join('\n')}`);
    await checkWithDesktop(saved);
  },
};
