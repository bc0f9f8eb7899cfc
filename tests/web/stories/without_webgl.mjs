// A browser without WebGL cannot show the program. The page says so in
// German, with what helps, instead of "wird geladen" for ever; and it says
// the same when WebGL is offered but the program cannot get its context.
import { assert } from '../harness/program.mjs';

/** Waits for the message and checks that it is all the learner sees. */
async function expectMessage(tab) {
  await tab.waitFor(() => {
    const message = document.getElementById('webgl-missing');
    return message && !message.hidden;
  }, null, { timeout: 30000, what: 'the message that WebGL is missing' });
  const text = await tab.text('#webgl-missing');
  assert(/WebGL/.test(text) && /Hardwarebeschleunigung/.test(text) && /anderen.*Browser/.test(text),
         `the message does not say what helps: '${text}'`);
  assert(await tab.visible('#webgl-missing'), 'the message is not on the screen');
  for (const hidden of ['#loading', '#canvas', '#bar'])
    assert(!(await tab.visible(hidden)), `${hidden} still shows beside the message`);
}

export default {
  name: 'a browser without WebGL says so and what helps',
  needs: ['withoutWebgl'],
  launch: { webgl: false },
  opensPage: true,
  async run({ tab, server }) {
    await tab.goto(server.url);
    await expectMessage(tab);
    // The program, loaded meanwhile, must not take the message back.
    await tab.waitFor(() => performance.getEntriesByType('resource')
      .some((entry) => /quovadrin\.wasm$/.test(entry.name)), null,
                      { timeout: 30000, what: 'the program to be loaded' });
    await tab.sleep(500);
    await expectMessage(tab);
  },
};
