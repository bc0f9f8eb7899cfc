// One interface over the three browser engines the page is tested in. Each
// engine's adapter (chromium.mjs, firefox.mjs, webkit.mjs) launches its
// browser with a fresh profile and subclasses Tab with the few operations
// its driver does its own way; everything built from those lives here, once.
//
// A session: { engine, capabilities: Set, tab: Tab (the first one),
//              newTab(): Tab in the same profile, close() }.
// Capabilities a story may need (a story that needs one the engine lacks is
// skipped there, with the reason printed):
//   touch        pointer type 'touch' arrives as touch pointer events
//   pen          pointer type 'pen' arrives as pen pointer events
//   offline      the network can be switched off for a tab
//   deviceScale  a devicePixelRatio other than 1 can be set at launch
//   secondTab    a second tab in the same profile
//   withoutWebgl the browser can be started without WebGL
//   storageQuota a browser of its own can be given a small storage quota
//                (launch option storageQuota, in bytes), to be filled
//   installability the browser says whether the page can be installed as
//                an app, and what it found wrong with its manifest
//                (tab.installability)
//   printToPdf   a page of the session printed to PDF as the browser
//                prints it (tab.printToPdf)

import { mkdtemp, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

export const EngineNames = ['chromium', 'firefox', 'webkit'];

export const CapabilityNames = ['touch', 'pen', 'offline', 'deviceScale', 'secondTab',
                                'withoutWebgl', 'storageQuota', 'installability', 'printToPdf'];

/** The height of the page's bar, the strip below the program (web/page.css:
 *  --bar-height): a window this much taller than the program's size gives
 *  the program exactly that size, at the window's top left corner. */
export const BarHeight = 48;

/** Launches an engine: options { width, height (CSS pixels of the program,
 *  which the window's viewport holds above the bar), deviceScale
 *  (1), webgl (true), storageQuota (bytes each origin may store; the
 *  browser's own choice by default) }. Firefox and WebKit need DISPLAY (an
 *  X server). */
export async function launchEngine(engine, options = {}) {
  if (!EngineNames.includes(engine)) throw new Error(`unknown engine '${engine}'`);
  const adapter = await import(`./${engine}.mjs`);
  const { width = 1280, height = 1024, ...others } = options;
  return adapter.launch({ deviceScale: 1, webgl: true, storageQuota: null, ...others, width,
                          height: height + BarHeight });
}

/** The operations each adapter provides (pointer, key: 'Escape', 'Space'
 *  or a character, screenshot, evaluate, goto, reload, chooseFiles,
 *  setOffline, close; installability where the engine has the
 *  capability), and what the stories build from them. Coordinates are CSS
 *  pixels of the viewport. */
export class Tab {
  /** pointer(type, action, x, y, button): type 'mouse' | 'touch' | 'pen',
   *  action 'down' | 'move' | 'up', button 'left' | 'right'. */
  async pointer() { throw new Error('pointer() is the adapter\'s'); }

  /** finger(finger, action, x, y): finger number finger (1 is the one
   *  pointer(type 'touch') moves) down, moved or up, the others staying
   *  down: two fingers at once. Where the engine has 'touch'. */
  async finger() { throw new Error('finger() is the adapter\'s'); }

  /** Two fingers tapped together: the first at (x, y), the second beside
   *  it, a moment apart as a hand puts them down. */
  async twoFingerTap(x, y, { holdMs = 60 } = {}) {
    await this.finger(1, 'down', x, y);
    await this.finger(2, 'down', x + 40, y + 10);
    await this.sleep(holdMs);
    await this.finger(2, 'up', x + 40, y + 10);
    await this.finger(1, 'up', x, y);
    await this.settle();
  }

  async press(x, y, { button = 'left', type = 'mouse' } = {}) {
    await this.pointer(type, 'move', x, y, button);
    await this.pointer(type, 'down', x, y, button);
  }

  async move(x, y, { button = 'left', type = 'mouse' } = {}) {
    await this.pointer(type, 'move', x, y, button);
  }

  async release(x, y, { button = 'left', type = 'mouse' } = {}) {
    await this.pointer(type, 'up', x, y, button);
  }

  /** Press and release in place, a moment apart, then let the program draw
   *  (unless settle is false: a click that leaves the page). */
  async click(x, y, { button = 'left', type = 'mouse', holdMs = 40, settle = true } = {}) {
    await this.press(x, y, { button, type });
    await this.sleep(holdMs);
    await this.release(x, y, { button, type });
    if (settle) await this.settle();
  }

  async sleep(ms) {
    await new Promise((done) => setTimeout(done, ms));
  }

  /** Waits until the page has drawn two more animation frames. */
  async settle() {
    await this.evaluate(() => new Promise((done) => {
      requestAnimationFrame(() => requestAnimationFrame(() => setTimeout(done, 30)));
    }));
  }

  /** Polls fn(arg) in the page until it returns a truthy value, which it
   *  returns; fails after timeout ms saying what was awaited. A page that is
   *  being replaced (a navigation) is asked again. */
  async waitFor(fn, arg = null, { timeout = 10000, what = 'a condition' } = {}) {
    const end = Date.now() + timeout;
    let lastError = null;
    for (;;) {
      try {
        const value = await this.evaluate(fn, arg);
        if (value) return value;
        lastError = null;
      } catch (error) {
        lastError = error;
      }
      if (Date.now() > end) {
        throw new Error(`waited ${timeout} ms in vain for ${what}` +
                        (lastError ? ` (${lastError.message})` : ''));
      }
      await this.sleep(50);
    }
  }

  /** Opens url and waits for the program's first frame. */
  async openProgram(url, { timeout = 30000 } = {}) {
    await this.goto(url);
    await this.waitForProgram(timeout);
  }

  async waitForProgram(timeout = 30000) {
    await this.waitFor(() => window.quovadrinFirstFrame !== undefined, null,
                       { timeout, what: 'the program\'s first frame' });
  }

  /** Runs fn(arg) in the page, which returns (or resolves to) a list of
   *  { name, bytes } with bytes an ArrayBuffer or a typed array; returns
   *  that list with bytes as Buffers. Bytes cross as base64, which every
   *  driver carries. */
  async evaluateFiles(fn, arg = null) {
    const files = await this.evaluate(async ({ source, given }) => {
      // fn crosses as its text, as every driver sends a function.
      const found = await (0, eval)(`(${source})`)(given);
      return found.map(({ name, bytes }) => {
        const view = bytes instanceof ArrayBuffer ? new Uint8Array(bytes)
          : new Uint8Array(bytes.buffer, bytes.byteOffset, bytes.byteLength);
        let binary = '';
        for (let i = 0; i < view.length; i += 0x8000)
          binary += String.fromCharCode.apply(null, view.subarray(i, i + 0x8000));
        return { name, base64: btoa(binary) };
      });
    }, { source: fn.toString(), given: arg });
    return files.map(({ name, base64 }) => ({ name, bytes: Buffer.from(base64, 'base64') }));
  }

  /** The files the page offers as download links: [{ name, bytes }], read
   *  through the page's own blob links. */
  async offeredDownloads(selector = '#downloads a') {
    return this.evaluateFiles((links) => Promise.all([...document.querySelectorAll(links)].map(
      async (link) => ({ name: link.download, bytes: await (await fetch(link.href)).arrayBuffer() }))),
                              selector);
  }

  /** Does action (a click that has the page download a file it made, such
   *  as the .zip of all work) and returns that file, { name, bytes,
   *  handedAt }, as the page handed it to the browser (at handedAt, the
   *  page's performance.now()): its blob link is read instead of followed,
   *  the same in every engine, and nothing lands on the disk. */
  async download(action, { timeout = 30000 } = {}) {
    await this.evaluate(() => {
      window.quovadrinHarnessDownload = null;
      if (window.quovadrinHarnessFollow) return;
      const follow = window.quovadrinHarnessFollow = HTMLAnchorElement.prototype.click;
      HTMLAnchorElement.prototype.click = function () {
        if (!this.download || !this.href.startsWith('blob:')) return follow.call(this);
        const name = this.download;
        window.quovadrinHarnessDownloadAt = performance.now();
        window.quovadrinHarnessDownload = fetch(this.href).then((response) => response.arrayBuffer())
          .then((bytes) => ({ name, bytes }));
      };
    });
    await action();
    await this.waitFor(() => !!window.quovadrinHarnessDownload, null,
                       { timeout, what: 'the page to download a file' });
    const [file] = await this.evaluateFiles(async () => [await window.quovadrinHarnessDownload]);
    return { ...file, handedAt: await this.evaluate(() => window.quovadrinHarnessDownloadAt) };
  }

  async installability() { throw new Error('this engine does not say whether a page installs'); }

  /** Text of the first element matching selector, or null. */
  async text(selector) {
    return this.evaluate((s) => {
      const element = document.querySelector(s);
      return element ? element.textContent : null;
    }, selector);
  }

  /** Whether the first element matching selector is rendered. */
  async visible(selector) {
    return this.evaluate((s) => {
      const element = document.querySelector(s);
      return !!element && element.getClientRects().length > 0 &&
             getComputedStyle(element).visibility !== 'hidden';
    }, selector);
  }

  /** Clicks an element of the page (not of the program) by its selector. */
  async clickElement(selector, options = {}) {
    const box = await this.evaluate((s) => {
      const element = document.querySelector(s);
      if (!element) return null;
      const r = element.getBoundingClientRect();
      return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
    }, selector);
    if (!box) throw new Error(`no element '${selector}' to click`);
    await this.click(Math.round(box.x), Math.round(box.y), options);
  }
}

/** The operations that playwright's and puppeteer's pages offer alike. */
export class PageTab extends Tab {
  constructor(page) {
    super();
    this.page = page;
    page.on('pageerror', (error) => console.error('  page error:', error.message));
  }

  async screenshot() {
    return Buffer.from(await this.page.screenshot());
  }

  async evaluate(fn, arg = null) {
    return this.page.evaluate(fn, arg);
  }

  async goto(url) {
    await this.page.goto(url);
  }

  async reload() {
    await this.page.reload();
  }

  async close() {
    await this.page.close();
  }
}

/** Writes files [{ name, bytes }] into a fresh folder, for drivers that
 *  choose files by path; returns the paths. */
export async function filesOnDisk(files) {
  const folder = await mkdtemp(join(tmpdir(), 'quovadrin-upload-'));
  const paths = [];
  for (const { name, bytes } of files) {
    paths.push(join(folder, name));
    await writeFile(paths.at(-1), bytes);
  }
  return paths;
}
