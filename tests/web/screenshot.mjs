// The README's picture of the web page: the example algorithm run to its
// end, then saved, so the bar offers the save's files:
//   node tests/web/screenshot.mjs PAGE_DIR OUT.png [ENGINE] [RATIO]
// ENGINE is chromium (the default, headless), firefox or webkit (these two
// need an X server in DISPLAY); RATIO the device pixel ratio (1).
import { writeFile } from 'node:fs/promises';
import { launchEngine } from './harness/engine.mjs';
import { At, openFresh, saveAndDownload } from './harness/program.mjs';
import { servePage } from './page_server.mjs';

const [pageDir, out, engine = 'chromium', ratio = '1'] = process.argv.slice(2);
const server = await servePage(pageDir);
const browser = await launchEngine(engine, { width: 1280, height: 1024, deviceScale: Number(ratio) });
try {
  const { tab } = browser;
  await openFresh(tab, server);
  await tab.click(...At.belowListing, { button: 'right' }); // the whole run at once
  await tab.sleep(300);
  await saveAndDownload(tab);
  await tab.sleep(300);
  await writeFile(out, await tab.screenshot());
} finally {
  await browser.close();
  await server.close();
}
