// Debian's Chromium, headless with software WebGL, in a fresh profile that
// is removed afterwards; and the page opened at the given window size.
import { mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium } from 'playwright-core';

export const ChromiumFlags = [
  '--no-sandbox',
  '--use-angle=swiftshader',
  '--enable-unsafe-swiftshader',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
  '--no-first-run',
  '--hide-scrollbars',
];

/** A persistent context in a fresh profile (IndexedDB lives there, so a
 *  reload keeps the learner's files); close() also removes the profile. */
export async function startBrowser(width = 1280, height = 1024) {
  const profile = await mkdtemp(join(tmpdir(), 'quovadrin-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ChromiumFlags,
    viewport: { width, height },
    acceptDownloads: true,
  });
  return {
    context,
    close: async () => {
      await context.close();
      await rm(profile, { recursive: true, force: true });
    },
  };
}

/** Opens url in a page and waits for the program's first frame. */
export async function openProgram(context, url) {
  const page = context.pages()[0] || (await context.newPage());
  page.on('pageerror', (error) => console.error('page error:', error.message));
  await page.goto(url);
  await page.waitForFunction(() => window.quovadrinFirstFrame !== undefined, null,
                             { timeout: 30000 });
  return page;
}
