// The README's pictures of the teacher's tools in the page: the overview of
// the three learners of docs/overview-example/klasse made by "Übersicht"
// (the dialog when it is done, and the overview opened as its own page),
// and the dialog of "Link teilen" with its QR code:
//   node tests/web/teacher_screenshots.mjs PAGE_DIR DOCS_DIR [ENGINE]
// ENGINE is chromium (the default, headless), firefox or webkit (these two
// need an X server in DISPLAY).
import { writeFile } from 'node:fs/promises';
import { join } from 'node:path';
import { launchEngine } from './harness/engine.mjs';
import { filesBelow, pageOverview } from './harness/overview.mjs';
import { sharedLink } from './harness/links.mjs';
import { At, openFresh, Root } from './harness/program.mjs';
import { servePage } from './page_server.mjs';

const [pageDir, docs, engine = 'chromium'] = process.argv.slice(2);
const server = await servePage(pageDir);
const browser = await launchEngine(engine, { width: 1280, height: 1024 });
try {
  const { tab } = browser;
  await openFresh(tab, server);
  const { page } = await pageOverview(tab, await filesBelow(join(Root, 'docs', 'overview-example'), 'klasse'));
  await writeFile(join(docs, 'web-overview-dialog.png'), await tab.screenshot());
  await tab.clickElement('#overview-close');
  await tab.click(...At.circle);
  await tab.click(...At.circle);
  await tab.click(...At.belowListing, { button: 'right' });
  await tab.sleep(300);
  await sharedLink(tab);
  await tab.sleep(300);
  await writeFile(join(docs, 'web-share-link.png'), await tab.screenshot());
  await tab.goto(server.show(page));
  await tab.sleep(500);
  await writeFile(join(docs, 'web-overview-three-learners.png'), await tab.screenshot());
} finally {
  await browser.close();
  await server.close();
}
