// After the first visit the page starts without network, with the stored
// work, from its service worker's files. A new version on the server comes
// whole at the next online visit: the page reloads itself once into it, and
// the one cache holds exactly the new version's files. The network is down
// as on a school's Wi-Fi that drops: the server no longer answers, and
// where the engine can (capability offline) the browser is offline too.
import { execFileSync } from 'node:child_process';
import { appendFile, cp, mkdtemp, readFile, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { assert, At, fileEntry, openFresh, Root, saveAndDownload } from '../harness/program.mjs';
import { listedNames } from '../harness/storage.mjs';
import { servePage } from '../page_server.mjs';

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
async function cachedFiles(tab) {
  return tab.evaluate(async () => {
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

async function offlineAndNewVersion(session, tab, folder, server) {
  const network = async (up) => {
    server.refuse(!up);
    if (session.capabilities.has('offline')) await tab.setOffline(!up);
  };
  await openFresh(tab, server);
  await tab.evaluate(() => { window.quovadrinFirstVisit = true; });
  await tab.waitFor(() => navigator.serviceWorker.controller !== null, null,
                    { timeout: 30000, what: 'the service worker to keep the page' });
  await tab.sleep(500);
  assert(await tab.evaluate(() => window.quovadrinFirstVisit === true),
         'the page reloaded itself when its first version was kept');
  const saved = await saveAndDownload(tab);
  await network(false);
  await tab.reload();
  await tab.waitForProgram();
  assert((await listedNames(tab)).includes(saved.algName), 'the stored work is not listed offline');
  await tab.click(...At.load);
  await tab.click(...fileEntry(0, 1));
  const loaded = await saveAndDownload(tab);
  assert(loaded.alg.equals(saved.alg), 'offline, the stored file loads other bytes');

  await network(true);
  await deployNewVersion(folder);
  const expected = await keptFiles(folder);
  // The next visit: the page reloads itself once into the new version.
  await tab.reload();
  await tab.waitFor(() => window.quovadrinDeployed === 2, null,
                    { timeout: 30000, what: 'the new version to take over' });
  await tab.waitForProgram();
  const style = await tab.evaluate(() =>
    getComputedStyle(document.documentElement).getPropertyValue('--quovadrin-deployed').trim());
  assert(style === '2', 'the new version runs with the old style sheet');
  const cached = await cachedFiles(tab);
  assert(cached.names.length === 1, `caches: ${cached.names.join(' ')}`);
  for (const [name, hash] of Object.entries(expected))
    assert(cached.files[cached.names[0] + ' ' + name] === hash, `${name} is cached in another version`);
}

export default {
  name: 'without network a reload starts with the stored work; a new version comes whole',
  opensPage: true,
  // A copy of the page on a server of its own, where a new version can be
  // deployed as the build makes one (cmake/ServiceWorker.cmake).
  async run({ session, tab, server: shared }) {
    const folder = await mkdtemp(join(tmpdir(), 'quovadrin-page-'));
    let server = null;
    try {
      await cp(shared.folder, folder, { recursive: true });
      server = await servePage(folder);
      await offlineAndNewVersion(session, tab, folder, server);
    } finally {
      if (server) await server.close();
      if (session.capabilities.has('offline')) await tab.setOffline(false).catch(() => {});
      await rm(folder, { recursive: true, force: true });
    }
  },
};
