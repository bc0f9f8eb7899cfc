// WebKitGTK's MiniBrowser with a window on the X server in DISPLAY, driven
// by selenium-webdriver through Debian's WebKitWebDriver, which this adapter
// starts on a free port of 127.0.0.1 and stops again (only its own process).
// An automation session has an ephemeral profile of its own.
// Input: WebKitGTK's WebDriver releases the right button as the left one
// (mouseup with button 0, after which the page believes a button is still
// held), so the mouse is real X input from xdotool at the viewport's place
// on the screen, which WebKitGTK reads as it reads a learner's mouse. The
// pen goes as WebDriver actions and arrives as a pen. WebKitGTK turns touch
// actions into mouse events, so 'touch' is not among its capabilities.
// A second tab is a window of its own beside the others: a tab behind
// another would get no animation frames and no X input. The driver has one
// current window, so the tabs take turns at it.
import { execFile, spawn } from 'node:child_process';
import { promisify } from 'node:util';
import { existsSync, readdirSync } from 'node:fs';
import { createServer } from 'node:net';
import { join } from 'node:path';
import { Builder, By, Key } from 'selenium-webdriver';
import * as input from 'selenium-webdriver/lib/input.js';
import { filesOnDisk, Tab } from './engine.mjs';

/** The MiniBrowser of Debian's WebKitGTK, in the library folder of the
 *  machine's architecture; WEBKIT_MINIBROWSER may name another. */
function miniBrowser() {
  if (process.env.WEBKIT_MINIBROWSER) return process.env.WEBKIT_MINIBROWSER;
  for (const folder of readdirSync('/usr/lib').filter((name) => name.includes('-linux-'))) {
    const path = join('/usr/lib', folder, 'webkit2gtk-4.1', 'MiniBrowser');
    if (existsSync(path)) return path;
  }
  throw new Error('no MiniBrowser of WebKitGTK 4.1 (Debian package webkit2gtk-driver)');
}
const Capabilities = ['pen', 'deviceScale', 'secondTab', 'withoutWebgl'];
const ButtonNumbers = { left: input.Button.LEFT, right: input.Button.RIGHT };
const XButtons = { left: '1', right: '3' };
const runFile = promisify(execFile);
const KeyOf = { Escape: Key.ESCAPE, Space: ' ', p: 'p' };
const PointerTypes = { mouse: input.Pointer.Type.MOUSE, touch: input.Pointer.Type.TOUCH,
                       pen: input.Pointer.Type.PEN };

function freePort() {
  return new Promise((resolve, reject) => {
    const probe = createServer();
    probe.once('error', reject);
    probe.listen(0, '127.0.0.1', () => {
      const { port } = probe.address();
      probe.close(() => resolve(port));
    });
  });
}

async function startDriver(environment) {
  const port = await freePort();
  const driver = spawn('WebKitWebDriver', [`--port=${port}`, '--host=127.0.0.1'],
                       { stdio: ['ignore', 'ignore', 'inherit'], env: environment });
  const url = `http://127.0.0.1:${port}`;
  const end = Date.now() + 10000;
  for (;;) {
    if (driver.exitCode !== null) throw new Error(`WebKitWebDriver ended (${driver.exitCode})`);
    try {
      if ((await fetch(`${url}/status`)).ok) return { driver, url };
    } catch {
      // Not listening yet.
    }
    if (Date.now() > end) {
      driver.kill();
      throw new Error('WebKitWebDriver did not answer');
    }
    await new Promise((done) => setTimeout(done, 50));
  }
}

class WebKitTab extends Tab {
  constructor(session, handle) {
    super();
    this.session = session;
    this.handle = handle;
  }

  /** Runs operation(webdriver) with this tab's window current. The tabs
   *  of a session take turns, so that tabs used at once (two tabs starting
   *  together) never act in each other's window. */
  async inWindow(operation) {
    return this.session.takeTurn(async () => {
      if (this.session.currentHandle !== this.handle) {
        await this.session.webdriver.switchTo().window(this.handle);
        this.session.currentHandle = this.handle;
      }
      return operation(this.session.webdriver);
    });
  }

  /** Counts the pointer events the document sees, so that X input, which
   *  reaches the page on its own way, can be awaited. */
  async pointerEventCount() {
    return this.evaluate(() => {
      if (window.quovadrinHarnessPointerEvents === undefined) {
        window.quovadrinHarnessPointerEvents = 0;
        const count = (event) => {
          if (event.type !== 'pointermove' || event.button !== -1)
            ++window.quovadrinHarnessPointerEvents;
        };
        for (const type of ['pointerdown', 'pointerup', 'pointermove'])
          window.addEventListener(type, count, true);
      }
      return window.quovadrinHarnessPointerEvents;
    });
  }

  /** Where the viewport's origin is on the X screen, in screen pixels. */
  async viewportOrigin() {
    const place = await this.evaluate(() => ({
      x: screenX + (outerWidth - innerWidth) / 2, y: screenY + outerHeight - innerHeight }));
    return { x: place.x * this.session.scale, y: place.y * this.session.scale };
  }

  async xPointer(action, x, y, button) {
    const origin = await this.viewportOrigin();
    const scale = this.session.scale;
    const at = [String(Math.round(origin.x + x * scale)), String(Math.round(origin.y + y * scale))];
    if (action === 'move') {
      await runFile('xdotool', ['mousemove', ...at]);
      return;
    }
    const before = await this.pointerEventCount();
    await runFile('xdotool', ['mousemove', ...at, action === 'down' ? 'mousedown' : 'mouseup',
                              XButtons[button]]);
    // A page without the count is a new one: the event reached the old page
    // and had it navigate (a button that reloads the page). X input passes
    // through the X server and the browser's own process; on a machine busy
    // with other builds that can take seconds.
    await this.waitFor((count) => window.quovadrinHarnessPointerEvents === undefined ||
                                  window.quovadrinHarnessPointerEvents > count, before,
                       { timeout: 20000, what: `the X mouse ${action} to reach the page` });
  }

  async pointer(type, action, x, y, button) {
    if (type === 'mouse') {
      await this.xPointer(action, x, y, button);
      return;
    }
    const device = this.session.pointers[type] ||=
      new input.Pointer(`quovadrin-${type}`, PointerTypes[type]);
    const step = action === 'move'
      ? device.move({ x: Math.round(x), y: Math.round(y), origin: input.Origin.VIEWPORT })
      : action === 'down' ? device.press(ButtonNumbers[button]) : device.release(ButtonNumbers[button]);
    await this.inWindow((webdriver) =>
      webdriver.actions({ async: true, devices: [device] }).insert(device, step).perform());
  }

  async key(name) {
    await this.inWindow((webdriver) =>
      webdriver.actions({ async: true }).sendKeys(KeyOf[name] || name).perform());
  }

  async screenshot() {
    return Buffer.from(await this.inWindow((webdriver) => webdriver.takeScreenshot()), 'base64');
  }

  async evaluate(fn, arg = null) {
    const result = await this.inWindow((webdriver) => webdriver.executeAsyncScript(
      `var done = arguments[arguments.length - 1];
       var arg = arguments[0];
       Promise.resolve().then(function () { return (${fn.toString()})(arg); }).then(
         function (value) { done({ value: value === undefined ? null : value }); },
         function (error) { done({ error: String(error && error.stack || error) }); });`, arg));
    if (result && result.error) throw new Error(`in the page: ${result.error}`);
    return result ? result.value : null;
  }

  async goto(url) {
    await this.inWindow((webdriver) => webdriver.get(url));
  }

  async reload() {
    await this.inWindow((webdriver) => webdriver.navigate().refresh());
  }

  async chooseFiles(selector, files) {
    const paths = await filesOnDisk(files);
    await this.inWindow(async (webdriver) =>
      (await webdriver.findElement(By.css(selector))).sendKeys(paths.join('\n')));
  }

  async setOffline() {
    throw new Error('WebKitWebDriver cannot switch the network off');
  }

  async close() {
    await this.inWindow((webdriver) => webdriver.close());
    this.session.currentHandle = null;
    this.session.windows[this.session.windows.indexOf(this.handle)] = null;
  }
}

/** Sets the window at x (top of the screen) so that its inner (viewport)
 *  size is width x height. The window takes a size a moment after it is
 *  asked to, and only a window that has taken it tells how much of it its
 *  toolbar takes. */
async function fitWindow(webdriver, width, height, x = 0) {
  let outer = { width, height };
  await webdriver.manage().window().setRect({ x, y: 0, ...outer });
  const end = Date.now() + 10000;
  for (;;) {
    const [innerWidth, innerHeight, outerWidth, outerHeight] =
      await webdriver.executeScript('return [innerWidth, innerHeight, outerWidth, outerHeight]');
    if (innerWidth === width && innerHeight === height) return;
    if (Date.now() > end)
      throw new Error(`the window shows ${innerWidth} x ${innerHeight} pixels, not ${width} x ${height}`);
    if (outerWidth === outer.width && outerHeight === outer.height) {
      outer = { width: outer.width + width - innerWidth, height: outer.height + height - innerHeight };
      await webdriver.manage().window().setRect({ x, y: 0, ...outer });
    }
    await new Promise((done) => setTimeout(done, 50));
  }
}

/** Between windows side by side. */
const WindowGap = 20;

export async function launch({ width, height, deviceScale, webgl }) {
  if (!process.env.DISPLAY) throw new Error('WebKitGTK needs an X server (DISPLAY)');
  // GTK draws the whole window at an integer scale: the device pixel ratio.
  const environment = { ...process.env, GDK_SCALE: String(deviceScale) };
  const { driver, url } = await startDriver(environment);
  let webdriver;
  try {
    const args = ['--automation'];
    if (!webgl) args.push('--enable-webgl=false');
    webdriver = await new Builder().usingServer(url).withCapabilities({
      browserName: 'MiniBrowser',
      'webkitgtk:browserOptions': { binary: miniBrowser(), args },
    }).build();
    await webdriver.manage().setTimeouts({ script: 60000, pageLoad: 60000 });
    await fitWindow(webdriver, width, height);
  } catch (error) {
    driver.kill();
    throw error;
  }
  let turns = Promise.resolve();
  const session = {
    webdriver, pointers: {}, scale: deviceScale, currentHandle: await webdriver.getWindowHandle(),
    // The windows' handles by their place from the left; null where a
    // window was closed.
    windows: [],
    takeTurn(operation) {
      const turn = turns.then(operation);
      turns = turn.catch(() => {});
      return turn;
    },
  };
  session.windows.push(session.currentHandle);
  return {
    engine: 'webkit',
    capabilities: new Set(Capabilities),
    tab: new WebKitTab(session, session.currentHandle),
    // A window in the first free place from the left (the X server of the
    // browser tier is wide enough for three side by side).
    newTab: () => session.takeTurn(async () => {
      const before = new Set(await webdriver.getAllWindowHandles());
      await webdriver.switchTo().newWindow('window');
      const handle = (await webdriver.getAllWindowHandles()).find((h) => !before.has(h));
      session.currentHandle = handle;
      let place = session.windows.indexOf(null);
      if (place < 0) place = session.windows.push(null) - 1;
      session.windows[place] = handle;
      await fitWindow(webdriver, width, height, place * (width + WindowGap));
      return new WebKitTab(session, handle);
    }),
    close: async () => {
      try {
        await webdriver.quit();
      } finally {
        driver.kill();
      }
    },
  };
}
