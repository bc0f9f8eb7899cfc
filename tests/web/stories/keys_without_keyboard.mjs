// A tablet has no Escape, space bar or 'p': the bar's buttons do what they
// do. "Nachricht" shows the program's message over the canvas, "Hilfe"
// opens the gesture help again, and "Ende" ends the program as Escape does.
import { assert, canvasRect } from '../harness/program.mjs';
import { matchingShare } from '../harness/pixels.mjs';

export default {
  name: 'the bar\'s key buttons show the message, open the help and end the program',
  async run({ tab }) {
    await tab.settle();
    const canvas = canvasRect();
    const region = { ax: canvas.x, ay: canvas.y, bx: canvas.x, by: canvas.y,
                     width: canvas.width, height: canvas.height, tolerance: 8 };
    const before = await tab.screenshot();
    // Nothing asks for a frame while the learner waits: "Neu zeichnen" does.
    await tab.evaluate(() => {
      const drawn = Module.onFrameDrawn;
      window.framesDrawn = 0;
      Module.onFrameDrawn = () => { ++window.framesDrawn; if (drawn) drawn(); };
    });
    await tab.sleep(200);
    const idle = await tab.evaluate(() => window.framesDrawn);
    await tab.clickElement('#key-p');
    const redrawn = await tab.evaluate(() => window.framesDrawn);
    assert(idle === 0 && redrawn >= 1, `frames drawn: ${idle} while waiting, ${redrawn} after "Neu zeichnen"`);
    await tab.clickElement('#key-space');
    await tab.settle();
    const shown = matchingShare(before, await tab.screenshot(), region);
    assert(shown < 0.999, 'after "Nachricht" the canvas shows no message');

    await tab.clickElement('#help-open');
    assert(await tab.visible('#help'), '"Hilfe" opens no help');
    await tab.clickElement('#help-close');
    assert(!(await tab.visible('#help')), 'the help does not close');

    await tab.clickElement('#key-escape');
    await tab.waitFor(() => !document.getElementById('ended').hidden, null,
                      { what: 'the page to say the program has ended' });
  },
};
