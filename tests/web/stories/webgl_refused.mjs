// WebGL is offered, yet the program's own context is refused (a lost or
// blocked graphics driver): the program itself has the page show the message.
import { assert } from '../harness/program.mjs';

const RefuseProgramContext = `
  var original = HTMLCanvasElement.prototype.getContext;
  HTMLCanvasElement.prototype.getContext = function (kind, attributes) {
    if (this.id === 'canvas' && /webgl/.test(kind)) return null;
    return original.call(this, kind, attributes);
  };`;

export default {
  name: 'when the program cannot get its WebGL context the page says so',
  opensPage: true,
  async run({ tab, server }) {
    await tab.goto(server.prelude(RefuseProgramContext));
    await tab.waitFor(() => {
      const message = document.getElementById('webgl-missing');
      return message && !message.hidden;
    }, null, { timeout: 30000, what: 'the message that WebGL is missing' });
    assert(!(await tab.visible('#loading')), 'the page still says it is loading');
    assert(await tab.evaluate(() => window.quovadrinFirstFrame === undefined),
           'the program drew a frame without its context');
  },
};
