// Debian's Chromium, headless with software WebGL, driven by playwright-core
// in a fresh profile that is removed afterwards. Playwright's mouse gives the
// mouse; the DevTools protocol gives the pen (Input.dispatchMouseEvent with
// pointerType 'pen') and the finger (Input.dispatchTouchEvent, with touch
// emulation switched on at the first touch); it also sets the origins'
// storage quota and says whether the page can be installed as an app.
import { mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium } from 'playwright-core';
import { PageTab } from './engine.mjs';

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

const Capabilities = ['touch', 'pen', 'offline', 'deviceScale', 'secondTab', 'withoutWebgl',
                      'storageQuota', 'installability', 'printToPdf'];

const Buttons = { left: 1, right: 2 };

class ChromiumTab extends PageTab {
  /** quota: { bytes, origins: Set of the origins given it } or null. */
  constructor(page, quota) {
    super(page);
    this.quota = quota;
    this.devtools = null;
    this.touchEmulated = false;
    this.fingers = new Map();
    this.held = 0;
  }

  async protocol() {
    if (!this.devtools) this.devtools = await this.page.context().newCDPSession(this.page);
    return this.devtools;
  }

  async pointer(type, action, x, y, button) {
    if (type === 'mouse') {
      if (action === 'move') await this.page.mouse.move(x, y);
      else if (action === 'down') await this.page.mouse.down({ button });
      else await this.page.mouse.up({ button });
      return;
    }
    const devtools = await this.protocol();
    if (type === 'touch') {
      await this.finger(1, action, x, y);
      return;
    }
    // The pen: mouse events that carry the pen's pointer type.
    if (action === 'down') this.held |= Buttons[button];
    const kind = { down: 'mousePressed', move: 'mouseMoved', up: 'mouseReleased' }[action];
    await devtools.send('Input.dispatchMouseEvent', {
      type: kind, x, y, pointerType: 'pen', button: action === 'move' && !this.held ? 'none' : button,
      buttons: this.held, clickCount: action === 'move' ? 0 : 1 });
    if (action === 'up') this.held &= ~Buttons[button];
  }

  /** Finger number finger (1, 2, ...) down, moved or up; the fingers
   *  already down stay where they are. */
  async finger(finger, action, x, y) {
    const devtools = await this.protocol();
    if (!this.touchEmulated) {
      await devtools.send('Emulation.setTouchEmulationEnabled', { enabled: true,
                                                                 maxTouchPoints: 5 });
      this.touchEmulated = true;
    }
    // A finger does not hover: a move before it touches only places it.
    if (action === 'move' && !this.fingers.has(finger)) return;
    if (action === 'up') this.fingers.delete(finger);
    else this.fingers.set(finger, { x, y });
    const kind = action === 'down' ? 'touchStart' : action === 'move' ? 'touchMove' : 'touchEnd';
    await devtools.send('Input.dispatchTouchEvent', {
      type: kind, touchPoints: [...this.fingers].map(([id, at]) => ({ ...at, id })) });
  }

  /** Both fingers land in one touch event, as a hand puts them down
   *  together, however slow the machine is between two events. */
  async twoFingerTap(x, y, { holdMs = 60 } = {}) {
    await this.finger(1, 'down', x, y);
    this.fingers.set(2, { x: x + 40, y: y + 10 });
    const devtools = await this.protocol();
    await devtools.send('Input.dispatchTouchEvent', {
      type: 'touchStart', touchPoints: [...this.fingers].map(([id, at]) => ({ ...at, id })) });
    await this.sleep(holdMs);
    await this.finger(2, 'up', x + 40, y + 10);
    await this.finger(1, 'up', x, y);
    await this.settle();
  }

  async key(name) {
    await this.page.keyboard.press(name);
  }

  /** The page at url (a blob of this tab's page too) printed to PDF in a
   *  tab of its own, with the page sizes its style asks for. */
  async printToPdf(url) {
    const printed = await this.page.context().newPage();
    try {
      await printed.goto(url);
      return Buffer.from(await printed.pdf({ preferCSSPageSize: true, printBackground: true }));
    } finally {
      await printed.close();
    }
  }

  async chooseFiles(selector, files) {
    await this.page.setInputFiles(selector, files.map(({ name, bytes }) => ({
      name, mimeType: 'application/octet-stream', buffer: bytes })));
  }

  async setOffline(offline) {
    await this.page.context().setOffline(offline);
  }

  /** Chromium fixes an origin's quota when the origin first uses storage:
   *  a browser launched with a quota gives it to each origin before the
   *  first visit. */
  async goto(url) {
    const { origin } = new URL(url);
    if (this.quota && !this.quota.origins.has(origin)) {
      await (await this.protocol()).send('Storage.overrideQuotaForOrigin',
                                         { origin, quotaSize: this.quota.bytes });
      this.quota.origins.add(origin);
    }
    await super.goto(url);
  }

  /** What keeps the page shown from being installed as an app, and what is
   *  wrong with its manifest: { installabilityErrors, manifestErrors },
   *  both empty for an installable page. */
  async installability() {
    const devtools = await this.protocol();
    const { installabilityErrors } = await devtools.send('Page.getInstallabilityErrors');
    const { errors } = await devtools.send('Page.getAppManifest');
    return { installabilityErrors, manifestErrors: errors };
  }
}

export async function launch({ width, height, deviceScale, webgl, storageQuota }) {
  const profile = await mkdtemp(join(tmpdir(), 'quovadrin-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: webgl ? ChromiumFlags : [...ChromiumFlags, '--disable-3d-apis'],
    viewport: { width, height },
    deviceScaleFactor: deviceScale,
  });
  const first = context.pages()[0] || (await context.newPage());
  const quota = storageQuota ? { bytes: storageQuota, origins: new Set() } : null;
  return {
    engine: 'chromium',
    capabilities: new Set(Capabilities),
    tab: new ChromiumTab(first, quota),
    newTab: async () => new ChromiumTab(await context.newPage(), quota),
    close: async () => {
      await context.close();
      await rm(profile, { recursive: true, force: true });
    },
  };
}
