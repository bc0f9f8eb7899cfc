// The page can be installed as an app: the browser finds nothing against it
// once the service worker keeps the page, and the manifest asks for a
// German landscape app in a window of its own, with icons of the sizes it
// names.
import { readFile } from 'node:fs/promises';
import { join } from 'node:path';
import { assert } from '../harness/program.mjs';
import { pngHeader } from '../harness/png.mjs';

export default {
  name: 'the page can be installed as an app with its icon',
  needs: ['installability'],
  async run({ tab, server }) {
    await tab.waitFor(() => navigator.serviceWorker.controller !== null, null,
                      { timeout: 30000, what: 'the service worker to keep the page' });
    const { installabilityErrors, manifestErrors } = await tab.installability();
    assert(!installabilityErrors.length, `not installable: ${JSON.stringify(installabilityErrors)}`);
    assert(!manifestErrors.length, `the manifest has errors: ${JSON.stringify(manifestErrors)}`);
    const manifest = JSON.parse(await readFile(join(server.folder, 'manifest.webmanifest'), 'utf8'));
    assert(manifest.display === 'standalone' && manifest.orientation === 'landscape' && manifest.lang === 'de',
           'the manifest asks for no standalone landscape German app');
    for (const icon of manifest.icons) {
      const header = pngHeader(await readFile(join(server.folder, icon.src)));
      assert(header && `${header.width}x${header.height}` === icon.sizes, `${icon.src} is not ${icon.sizes}`);
    }
  },
};
