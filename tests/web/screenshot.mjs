// The README's picture of the web page: the example algorithm run to its
// end, then saved, so the bar offers the save's files:
//   node tests/web/screenshot.mjs PAGE_DIR OUT.png [ENGINE] [RATIO] [WIDTHxHEIGHT]
// ENGINE is chromium (the default, headless), firefox or webkit (these two
// need an X server in DISPLAY); RATIO the device pixel ratio (1); the size
// is the program's in CSS pixels (1280x1024), the bar comes below it. A
// tablet held upright: 768x976 (with the bar, 768 x 1024).
import { writeFile } from 'node:fs/promises';
import { launchEngine } from './harness/engine.mjs';
import { At, openFresh, saveAndDownload } from './harness/program.mjs';
import { servePage } from './page_server.mjs';

const [pageDir, out, engine = 'chromium', ratio = '1', size = '1280x1024'] = process.argv.slice(2);
const [width, height] = size.split('x').map(Number);
const server = await servePage(pageDir);
const browser = await launchEngine(engine, { width, height, deviceScale: Number(ratio) });
try {
  const { tab } = browser;
  await openFresh(tab, server);
  // The clicks' places are the default window's; at another size the
  // picture shows the start.
  if (width === 1280 && height === 1024) {
    await tab.click(...At.belowListing, { button: 'right' }); // the whole run at once
    await tab.sleep(300);
    await saveAndDownload(tab);
  }
  await tab.sleep(300);
  await writeFile(out, await tab.screenshot());
} finally {
  await browser.close();
  await server.close();
}
