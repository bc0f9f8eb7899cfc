// The start screen looks as on the desktop, and the page neither scrolls nor
// lets the browser's context menu open over the program.
import { assert, readRepoFile } from '../harness/program.mjs';
import { matchingShare } from '../harness/pixels.mjs';

export default {
  name: 'the start screen shows the laboratory as on the desktop',
  async run({ tab }) {
    assert(await tab.evaluate(() => document.title) === 'Quovadrin Algorithmenlabor', 'wrong title');
    const overflow = await tab.evaluate(() =>
      document.documentElement.scrollWidth > innerWidth ||
      document.documentElement.scrollHeight > innerHeight);
    assert(!overflow, 'the page scrolls');
    await tab.settle();
    const reference = await readRepoFile('docs', 'start-screen.png');
    const share = matchingShare(await tab.screenshot(), reference, { width: 1280, height: 1024 });
    console.log(`  ${(share * 100).toFixed(2)}% of pixels within 32 grey levels`);
    assert(share >= 0.99, `only ${(share * 100).toFixed(2)}% of pixels match the start screen`);
    const prevented = await tab.evaluate(() => {
      const canvas = document.getElementById('canvas');
      const menu = new MouseEvent('contextmenu', { bubbles: true, cancelable: true, button: 2 });
      canvas.dispatchEvent(menu);
      return menu.defaultPrevented;
    });
    assert(prevented, 'the canvas lets the context menu open');
  },
};
