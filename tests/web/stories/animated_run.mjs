// The go button animates the run step by step, and the page answers while it
// runs.
import { assert, At, canvasRect } from '../harness/program.mjs';
import { matchingShare } from '../harness/pixels.mjs';

export default {
  name: 'the go button animates the run without blocking the page',
  async run({ tab }) {
    await tab.click(...At.go);
    await tab.sleep(300);
    const first = await tab.screenshot();
    const started = Date.now();
    await tab.evaluate(() => 1);
    const answered = Date.now() - started;
    await tab.sleep(300);
    const second = await tab.screenshot();
    const canvas = canvasRect();
    const same = matchingShare(first, second, { ax: canvas.x, ay: canvas.y, bx: canvas.x,
                                                by: canvas.y, width: canvas.width,
                                                height: canvas.height, tolerance: 0 });
    assert(same < 1, 'the canvas did not change during the run');
    assert(answered < 1000, `the page took ${answered} ms to answer during the run`);
  },
};
