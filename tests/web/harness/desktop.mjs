// The desktop program as the page's reference: the real program with
// --window in an Xvfb server of its own, at the window size the page is
// shown at, driven with xdotool and photographed with ImageMagick's import.
// Its clock is held at a given second (libfaketime) so that its random
// generator starts from the same seed as a page whose Date.now is held at
// the same second. Only the processes started here are stopped.
import { execFile, spawn } from 'node:child_process';
import { mkdtemp, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { promisify } from 'node:util';
import { decodePng } from './png.mjs';
import { Root } from './program.mjs';

const runFile = promisify(execFile);
const sleep = (ms) => new Promise((done) => setTimeout(done, ms));

/** A private Xvfb on a display it picks itself: { display, stop() }. */
async function startXvfb(width, height) {
  const server = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', `${width}x${height}x24`,
                                '-nolisten', 'tcp', '-noreset'],
                       { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
  const display = await new Promise((resolve, reject) => {
    let text = '';
    const timer = setTimeout(() => reject(new Error('Xvfb did not report a display')), 20000);
    server.stdio[3].on('data', (chunk) => {
      text += chunk;
      if (text.includes('\n')) {
        clearTimeout(timer);
        resolve(`:${text.trim()}`);
      }
    });
    server.once('exit', (code) => reject(new Error(`Xvfb ended (${code})`)));
  });
  return {
    display,
    stop: async () => {
      if (server.exitCode !== null) return;
      const ended = new Promise((done) => server.once('exit', done));
      server.kill();
      await ended;
    },
  };
}

/** The desktop program in a workspace holding algorithms [{ name, bytes }],
 *  its clock held at fixedSeconds (seconds since 1970). */
export async function startDesktop({ width, height, algorithms = [], fixedSeconds }) {
  const build = process.env.QUOVADRIN_BUILD || join(Root, 'build', 'test');
  const workspace = await mkdtemp(join(tmpdir(), 'quovadrin-desktop-'));
  await runFile(join(Root, 'scripts', 'prepare-workspace.sh'), [build, workspace]);
  for (const { name, bytes } of algorithms) await writeFile(join(workspace, 'vorpAlgorithms', name), bytes);
  const xserver = await startXvfb(width, height);
  const environment = { ...process.env, DISPLAY: xserver.display };
  const stamp = new Date(fixedSeconds * 1000).toISOString().replace('T', ' ').replace(/\..*/, '');
  // A wall clock stopped at the stamp (the advanced format without '@'), so
  // the seed does not depend on how long the start takes; the monotonic
  // clock, which paces GLUT's timers, runs on. The multi-threaded library,
  // as Mesa's renderer has threads.
  const program = spawn('faketime', ['-m', '-f', stamp, join(build, 'quovadrin'), '--window'], {
    cwd: workspace, stdio: ['ignore', 'ignore', 'pipe'],
    env: { ...environment, TZ: 'UTC', FAKETIME_DONT_FAKE_MONOTONIC: '1' } });
  let complaints = '';
  program.stderr.on('data', (chunk) => { complaints += chunk; });
  const x = (tool, args) => runFile(tool, args, { env: environment, encoding: 'buffer',
                                                  maxBuffer: 64 << 20 });
  const desktop = {
    async screenshot() {
      // 8-bit RGB always: ImageMagick would write a black screen as 1-bit grey.
      return (await x('import', ['-window', 'root', 'png24:-'])).stdout;
    },
    /** Whether the program has drawn a w x h window: no corner and not the
     *  middle is still the black of a fresh window. */
    async drawn(w, h) {
      const picture = decodePng(await desktop.screenshot());
      return ![[1, 1], [w - 2, 1], [1, h - 2], [w - 2, h - 2], [w >> 1, h >> 1]].some(([px, py]) => {
        const at = (py * picture.width + px) * 4;
        return picture.rgba[at] + picture.rgba[at + 1] + picture.rgba[at + 2] === 0;
      });
    },
    /** Screenshots until two in a row are the same: the program has drawn. */
    async settledScreenshot() {
      let last = await desktop.screenshot();
      for (let i = 0; i < 30; ++i) {
        await sleep(100);
        const next = await desktop.screenshot();
        if (next.equals(last)) return next;
        last = next;
      }
      throw new Error('the desktop program did not come to rest');
    },
    async click(px, py, button = 'left') {
      await x('xdotool', ['mousemove', String(px), String(py), 'click', button === 'left' ? '1' : '3']);
    },
    async close() {
      if (program.exitCode === null) {
        const ended = new Promise((done) => program.once('exit', done));
        program.kill();
        await ended;
      }
      await xserver.stop();
      await rm(workspace, { recursive: true, force: true });
    },
  };
  try {
    const window = await waitForWindow(x);
    // No window manager: the window is placed and sized by hand, to fill
    // the screen as the page fills the browser's viewport, once it shows
    // its first frame (a window sized before it is ready keeps its own
    // size). A resize the program missed is asked for again.
    await x('xdotool', ['windowmove', window, '0', '0']);
    await until(() => desktop.drawn(Math.min(width, 1024), Math.min(height, 768)), 'a first frame');
    let asked = 0;
    await until(async () => {
      if (asked++ % 20 === 0)
        await x('xdotool', ['windowsize', window, String(width), String(height)]);
      return desktop.drawn(width, height);
    }, `a frame of ${width} x ${height}`);
    await desktop.settledScreenshot();
  } catch (error) {
    await desktop.close();
    throw new Error(`the desktop program did not start: ${error.message} ${complaints}`);
  }
  return desktop;
}

/** Polls check() every 100 ms, for 20 s at most. */
async function until(check, what) {
  for (let i = 0; i < 200; ++i) {
    if (await check()) return;
    await sleep(100);
  }
  throw new Error(`no ${what}`);
}

async function waitForWindow(x) {
  for (let i = 0; i < 100; ++i) {
    try {
      const found = (await x('xdotool', ['search', '--name', '^Quovadrin$'])).stdout.toString().trim();
      if (found) return found.split('\n')[0];
    } catch {
      // No window yet: xdotool search fails when it finds none.
    }
    await sleep(100);
  }
  throw new Error('no window');
}
