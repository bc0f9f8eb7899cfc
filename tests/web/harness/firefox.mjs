// Debian's Firefox ESR with a window on the X server in DISPLAY (headless it
// has no WebGL here), driven by puppeteer-core through WebDriver BiDi in a
// fresh profile that is removed afterwards. Pointers of every type go as
// BiDi input actions, one input source per pointer type, so a press, a move
// and a release may come in separate calls, as a held finger does. Tabs
// share one window, where only the tab in front is drawn and gets its
// animation frames: a tab comes to the front before it is touched, typed
// at or looked at, as a learner would switch to it.
import { mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';
import { filesOnDisk, PageTab } from './engine.mjs';

// Offline is BiDi's emulation.setNetworkConditions, which this Firefox
// answers (probed at launch). A storage quota is Firefox's limit of all
// temporary storage, which a browser of its own spends on the one origin. No pen: Firefox's BiDi answers a pen's
// pointerMove with "Unimplemented pointerMove for pointerType pen".
const Capabilities = ['touch', 'deviceScale', 'secondTab', 'withoutWebgl', 'storageQuota'];

const ButtonNumbers = { left: 0, right: 2 };
const KeyOf = { Escape: 'Escape', Space: 'Space', p: 'p' };

class FirefoxTab extends PageTab {
  /** front: { tab }, shared by the tabs of one window. */
  constructor(page, front) {
    super(page);
    this.front = front;
  }

  async toFront() {
    if (this.front.tab === this) return;
    await this.page.bringToFront();
    this.front.tab = this;
  }

  /** Finger number finger (1, 2, ...) down, moved or up: an input source
   *  of its own each, which keeps its state between actions. */
  async finger(finger, action, x, y) {
    await this.toFront();
    const step = action === 'move'
      ? { type: 'pointerMove', x: Math.round(x), y: Math.round(y) }
      : { type: action === 'down' ? 'pointerDown' : 'pointerUp', button: 0 };
    const actions = action === 'down'
      ? [{ type: 'pointerMove', x: Math.round(x), y: Math.round(y) }, step] : [step];
    await this.page.mainFrame().browsingContext.performActions([
      { type: 'pointer', id: finger === 1 ? 'quovadrin-touch' : `quovadrin-touch-${finger}`,
        parameters: { pointerType: 'touch' }, actions }]);
  }

  async pointer(type, action, x, y, button) {
    await this.toFront();
    const step = action === 'move'
      ? { type: 'pointerMove', x: Math.round(x), y: Math.round(y) }
      : { type: action === 'down' ? 'pointerDown' : 'pointerUp', button: ButtonNumbers[button] };
    await this.page.mainFrame().browsingContext.performActions([
      { type: 'pointer', id: `quovadrin-${type}`, parameters: { pointerType: type },
        actions: [step] }]);
  }

  async key(name) {
    await this.toFront();
    await this.page.keyboard.press(KeyOf[name] || name);
  }

  async screenshot() {
    await this.toFront();
    return super.screenshot();
  }

  async chooseFiles(selector, files) {
    const paths = await filesOnDisk(files);
    const input = await this.page.$(selector);
    if (!input) throw new Error(`no element '${selector}' to choose files for`);
    await input.uploadFile(...paths);
  }

  async setOffline(offline) {
    await this.page.setOfflineMode(offline);
  }
}

export async function launch({ width, height, deviceScale, webgl, storageQuota }) {
  if (!process.env.DISPLAY) throw new Error('Firefox needs an X server (DISPLAY)');
  const profile = await mkdtemp(join(tmpdir(), 'quovadrin-firefox-'));
  const viewport = { width, height, deviceScaleFactor: deviceScale };
  const browser = await puppeteer.launch({
    browser: 'firefox',
    executablePath: process.env.FIREFOX || '/usr/bin/firefox-esr',
    headless: false,
    userDataDir: profile,
    defaultViewport: viewport,
    args: [`--width=${width}`, `--height=${height}`],
    extraPrefsFirefox: {
      'webgl.disabled': !webgl,
      // No first-start pages, no update or telemetry traffic.
      'browser.shell.checkDefaultBrowser': false,
      'datareporting.policy.dataSubmissionEnabled': false,
      'app.update.enabled': false,
      ...(storageQuota ? { 'dom.quotaManager.temporaryStorage.fixedLimit': Math.ceil(storageQuota / 1024) }
                       : {}),
    },
  });
  const first = (await browser.pages())[0] || (await browser.newPage());
  await first.setViewport(viewport);
  const capabilities = new Set(Capabilities);
  try {
    await first.setOfflineMode(false);
    capabilities.add('offline');
  } catch {
    // This Firefox cannot switch the network off: stories that need it skip.
  }
  const front = { tab: null };
  front.tab = new FirefoxTab(first, front);
  return {
    engine: 'firefox',
    capabilities,
    tab: front.tab,
    newTab: async () => {
      const page = await browser.newPage();
      await page.setViewport(viewport);
      // A new tab opens in front.
      front.tab = new FirefoxTab(page, front);
      return front.tab;
    },
    close: async () => {
      await browser.close();
      await rm(profile, { recursive: true, force: true });
    },
  };
}
