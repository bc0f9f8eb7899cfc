// A learner with a tablet of ratio 2 and no mouse: the first touch shows the
// gesture help; then taps, a held finger counting up, two fingers counting
// down, a line dragged into place and one dragged out of the listing, and a
// preview with two fingers compose an algorithm of the example's kind from
// an empty one. The saved .alg is what the desktop's own writer writes
// again, byte for byte. At ratio 2 a software renderer takes a quarter
// second a frame, so held gestures count by the machine's pace: the story
// asks for what they must do, not for exact counts (by_finger_alone.mjs
// composes the example exactly, at ratio 1).
import { assert, canvasRect, checkWithDesktop, dragBy, lines, saveAndDownload, toWindow }
  from '../harness/program.mjs';
import { darkCount, darkMap } from '../harness/pixels.mjs';

/** Tool-panel places in layout units (1024 x 768 over the window). */
const Tool = {
  restart: [40, 610], count: [140, 350], repeat: [160, 375], dice: [40, 340],
  square: [40, 165], circle: [95, 165], abs: [20, 560], save: [40, 750],
  rowX: [153, 430], rowMax: [153, 510], rowMin: [153, 520],
};
/** Listing line k (from 1) in layout units. */
const line = (k) => [896, 20 + 10 * k];

export default {
  name: 'by finger at ratio 2: an algorithm composed, previewed and saved as on the desktop',
  needs: ['touch', 'deviceScale'],
  launch: { width: 1280, height: 1024, deviceScale: 2 },
  async run({ tab }) {
    const at = (point) => toWindow(point);
    const tap = async (point) => tab.click(...at(point), { type: 'touch', holdMs: 30 });
    const hold = async (point, ms) => {
      await tab.press(...at(point), { type: 'touch' });
      await tab.sleep(ms);
      await tab.release(...at(point), { type: 'touch' });
      await tab.settle();
    };
    const drag = (from, to) => dragBy(tab, 'touch', at(from), at(to));

    // The first touch shows the help, and does nothing else.
    await tap(Tool.restart);
    assert(await tab.visible('#help'), 'the first touch shows no gesture help');
    const help = await tab.text('#help');
    assert(/zwei Fingern/.test(help) && /liegen lassen/.test(help), `the help says: ${help}`);
    await tab.clickElement('#help-close');
    assert(!(await tab.visible('#help')), 'the help does not close');

    await tap(Tool.restart); // the example goes
    await hold(Tool.count, 1200); // the count from 10 upwards
    // A tool is chosen by the first tap and inserted by the next; the
    // square is chosen from the start.
    await tap(Tool.repeat);
    await tap(Tool.repeat);
    await tap(Tool.square);
    await tap(Tool.rowMax); // chooses the max row
    await hold(Tool.rowMax, 1200); // and counts it up from 10
    await tap(Tool.abs);
    await tap(Tool.rowMin);
    await tab.twoFingerTap(...at(Tool.rowMin)); // 0 down to -1
    await tab.twoFingerTap(...at(Tool.rowMin)); // and -2 (or below, where a slow
                                                // machine held them past 500 ms)
    await tap(Tool.abs);
    await tap(Tool.rowX);
    await tap(Tool.dice);
    await tap(Tool.dice);
    await tap(Tool.circle);
    await tap(Tool.circle);
    // The square goes to the end of the block, the circle out of the listing.
    await drag(line(2), line(5));
    await drag(line(6), [600, 300]);

    // Shapes are grey lines on white; the grid is lighter still.
    const canvas = { ...canvasRect({ width: 2560, height: 2048 }), threshold: 160 };
    const before = darkCount(darkMap(await tab.screenshot(), canvas));
    await tab.twoFingerTap(...at([880, 525])); // below the lines: the whole picture
    await tab.sleep(300);
    const after = darkCount(darkMap(await tab.screenshot(), canvas));
    assert(after > before + 200, `the preview drew nothing: ${before} dark pixels, then ${after}`);

    const saved = await saveAndDownload(tab, at(Tool.save), { type: 'touch', holdMs: 30 });
    const written = lines(saved.alg).slice(4).filter((text) => text !== '');
    const expected = [/^Wiederhole (\d+) mal:$/, /^ {2}Gib max den Wert (\d+)$/, /^ {2}Gib min den Wert -(\d+)$/,
                      /^ {2}Zufallswert fuer x zwischen max und min$/, /^ {2}Zeichne Quadrat$/,
                      /^Wiederhole bis hier\.$/];
    assert(written.length === expected.length && written.every((text, i) => expected[i].test(text)),
           `the saved algorithm is:\n${written.join('\n')}`);
    const count = Number(expected[0].exec(written[0])[1]);
    const max = Number(expected[1].exec(written[1])[1]);
    const min = -Number(expected[2].exec(written[2])[1]);
    assert(min <= -2, `two two-finger taps counted min down to ${min} only`);
    // One press steps 10 to 11; more is the hold repeating.
    assert(count >= 12 && max >= 12, `held fingers did not repeat: count ${count}, max ${max}`);
    console.log(`  held fingers counted to ${count} and ${max}`);

    await checkWithDesktop(saved);
  },
};
