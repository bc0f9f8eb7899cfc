// The README's picture of the web page: the example algorithm run to its
// end, then saved, so the bar offers the two files:
//   node tests/web/screenshot.mjs PAGE_DIR OUT.png
import { openProgram, startBrowser } from './browser.mjs';
import { servePage } from './page_server.mjs';

const [pageDir, out] = process.argv.slice(2);
const server = await servePage(pageDir);
const browser = await startBrowser(1280, 1024);
try {
  const page = await openProgram(browser.context, server.url);
  const click = async (x, y, button = 'left') => {
    await page.mouse.move(x, y);
    await page.mouse.down({ button });
    await page.mouse.up({ button });
  };
  await click(1100, 700, 'right'); // below the listing: the whole run at once
  await page.waitForTimeout(300);
  await click(50, 1000); // save
  await page.waitForSelector('#downloads a');
  await page.waitForTimeout(300);
  await page.screenshot({ path: out });
} finally {
  await browser.close();
  await server.close();
}
