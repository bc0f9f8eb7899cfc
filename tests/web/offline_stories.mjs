// Stories of the page as an app: a reload without network starts the
// program with the stored work, a new version on the server is taken as a
// whole, the page is installable, and it asks the browser to keep its
// storage, saying once when the browser declines:
//   node offline_stories.mjs PAGE_DIR
// The page is served from a copy, so a story can deploy a new version the
// way the build makes one (cmake/ServiceWorker.cmake). Prints one line per
// story and closes with 'N passed, N failed'.
import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { appendFile, cp, mkdtemp, readFile, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { openProgram, startBrowser } from './browser.mjs';
import { assert, At, click, fileEntry, listedNames, saveAndDownload, tell } from './learner.mjs';
import { servePage } from './page_server.mjs';
import { pngHeader } from './pixels.mjs';

const PageDir = process.argv[2];
const Root = join(dirname(fileURLToPath(import.meta.url)), '..', '..');

async function started(page) {
  await page.waitForFunction(() => window.quovadrinFirstFrame !== undefined, null, { timeout: 30000 });
}

/** The files the page's service worker keeps, with their hashes. */
async function keptFiles(folder) {
  const worker = await readFile(join(folder, 'service_worker.js'), 'utf8');
  return JSON.parse(/JSON\.parse\('([^']*)'\)/.exec(worker)[1]);
}

/** A new version on the server: two of the page's files change and the
 *  build's step writes the service worker anew. */
async function deployNewVersion(folder) {
  await appendFile(join(folder, 'page.css'), '\n:root { --quovadrin-deployed: 2; }\n');
  await appendFile(join(folder, 'page_status.js'), '\nwindow.quovadrinDeployed = 2;\n');
  const files = Object.keys(await keptFiles(folder));
  execFileSync('cmake', [`-DPAGE_DIR=${folder}`, `-DSOURCE=${join(Root, 'web', 'service_worker.js')}`,
                         `-DFILES=${files.join(';')}`, '-P', join(Root, 'cmake', 'ServiceWorker.cmake')]);
}

/** SHA-256 of every cached file, as the page's service worker holds them. */
async function cachedFiles(page) {
  return page.evaluate(async () => {
    const hex = (buffer) => Array.from(new Uint8Array(buffer), (b) => b.toString(16).padStart(2, '0')).join('');
    const names = await caches.keys();
    const files = {};
    for (const name of names) {
      const cache = await caches.open(name);
      for (const request of await cache.keys()) {
        const bytes = await (await cache.match(request)).arrayBuffer();
        files[name + ' ' + new URL(request.url).pathname.split('/').pop()] =
          hex(await crypto.subtle.digest('SHA-256', bytes));
      }
    }
    return { names, files };
  });
}

const Stories = [
  ['without network a reload starts with the stored work; a new version comes whole', async (url, folder, server) => {
    const browser = await startBrowser(1280, 1024);
    try {
      const page = await openProgram(browser.context, url);
      await page.waitForFunction(() => navigator.serviceWorker.controller !== null, null, { timeout: 30000 });
      const saved = await saveAndDownload(page);
      await browser.context.setOffline(true);
      server.refuse(true);
      await page.reload();
      await started(page);
      assert((await listedNames(page)).includes(saved.algName), 'the stored work is not listed offline');
      await click(page, At.load);
      await click(page, fileEntry(0, 1));
      const loaded = await saveAndDownload(page);
      assert(loaded.alg.equals(saved.alg), 'offline, the stored file loads other bytes');

      await browser.context.setOffline(false);
      server.refuse(false);
      await deployNewVersion(folder);
      const expected = await keptFiles(folder);
      // The next visit: the page reloads itself once into the new version.
      await page.reload();
      await page.waitForFunction(() => window.quovadrinDeployed === 2, null, { timeout: 30000 });
      await started(page);
      const style = await page.evaluate(() =>
        getComputedStyle(document.documentElement).getPropertyValue('--quovadrin-deployed').trim());
      assert(style === '2', 'the new version runs with the old style sheet');
      const cached = await cachedFiles(page);
      assert(cached.names.length === 1, `caches: ${cached.names.join(' ')}`);
      for (const [name, hash] of Object.entries(expected))
        assert(cached.files[cached.names[0] + ' ' + name] === hash, `${name} is cached in another version`);
    } finally {
      await browser.close();
    }
  }],

  ['the page can be installed as an app with its icon', async (url, folder) => {
    const browser = await startBrowser(1280, 1024);
    try {
      const page = await openProgram(browser.context, url);
      await page.waitForFunction(() => navigator.serviceWorker.controller !== null, null, { timeout: 30000 });
      const devtools = await browser.context.newCDPSession(page);
      const { installabilityErrors } = await devtools.send('Page.getInstallabilityErrors');
      assert(!installabilityErrors.length, `not installable: ${JSON.stringify(installabilityErrors)}`);
      const { errors } = await devtools.send('Page.getAppManifest');
      assert(!errors.length, `the manifest has errors: ${JSON.stringify(errors)}`);
      const manifest = JSON.parse(await readFile(join(folder, 'manifest.webmanifest'), 'utf8'));
      assert(manifest.display === 'standalone' && manifest.orientation === 'landscape' && manifest.lang === 'de',
             'the manifest asks for no standalone landscape German app');
      for (const icon of manifest.icons) {
        const header = pngHeader(await readFile(join(folder, icon.src)));
        assert(header && `${header.width}x${header.height}` === icon.sizes, `${icon.src} is not ${icon.sizes}`);
      }
    } finally {
      await browser.close();
    }
  }],

  ['the page asks to keep its storage and says once that downloads are the safe copy', async (url) => {
    const browser = await startBrowser(1280, 1024);
    try {
      // A browser that declines, as many do for a page not installed.
      await browser.context.addInitScript(() => {
        window.quovadrinPersistAsked = 0;
        navigator.storage.persisted = async () => false;
        navigator.storage.persist = async () => {
          ++window.quovadrinPersistAsked;
          return false;
        };
      });
      const page = await openProgram(browser.context, url);
      await page.waitForFunction(() => window.quovadrinPersistAsked > 0, null, { timeout: 10000 });
      await page.waitForFunction(() => /Hinweis/.test(document.getElementById('status').textContent));
      const told = await page.textContent('#status');
      assert(/sichere Kopie sind die Downloads/.test(told) && !(await page.$('#status.fault')),
             `the page said '${told}', or as a fault`);
      await page.reload();
      await started(page);
      await page.waitForFunction(() => window.quovadrinPersistAsked > 0, null, { timeout: 10000 });
      await page.waitForTimeout(500);
      const again = await page.textContent('#status');
      assert(!/Hinweis/.test(again), `the page said it again: '${again}'`);
    } finally {
      await browser.close();
    }
  }],
];

let counts;
for (const story of Stories) {
  // Each story gets a copy of the page of its own, on a server of its own.
  const folder = await mkdtemp(join(tmpdir(), 'quovadrin-page-'));
  await cp(PageDir, folder, { recursive: true });
  const server = await servePage(folder);
  try {
    const told = await tell([story], server.url, folder, server);
    counts = counts ? { passed: counts.passed + told.passed, failed: counts.failed + told.failed } : told;
  } finally {
    await server.close();
    await rm(folder, { recursive: true, force: true });
  }
}
console.log(`${counts.passed} passed, ${counts.failed} failed`);
process.exit(counts.failed ? 1 : 0);
