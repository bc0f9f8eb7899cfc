// Tells the page's stories (tests/web/stories/*.mjs) in each browser engine:
//   node run_stories.mjs PAGE_DIR [--engines chromium,firefox,webkit] [--only TEXT]
// Firefox and WebKit need an X server in DISPLAY. One browser per engine
// serves every story that needs no browser of its own; each story starts
// from the program opened with empty storage. Prints one line per story and
// engine, the time each engine took, and closes with
// 'N passed, N failed, N skipped'.
//
// A story module's default export:
//   name        what the learner lives through
//   run(t)      the story; t = { engine, session, tab, server, size }; throws on a fault
//   needs       capabilities it cannot do without (harness/engine.mjs); an
//               engine lacking one skips the story and says why
//   launch      options for a browser of its own ({ width, height,
//               deviceScale, webgl }), for stories the shared one cannot tell
//   opensPage   true when the story opens the page itself
import { mkdtemp, readdir, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { CapabilityNames, EngineNames, launchEngine } from './harness/engine.mjs';
import { openFresh } from './harness/program.mjs';
import { servePage } from './page_server.mjs';

const Here = dirname(fileURLToPath(import.meta.url));
const SharedSize = { width: 1280, height: 1024 };
/** A story that takes longer has hung (a driver that no longer answers). */
const StoryTimeoutMs = 180000;

function parseArguments(args) {
  const options = { pageDir: null, engines: EngineNames, only: null };
  for (let i = 0; i < args.length; ++i) {
    if (args[i] === '--engines') options.engines = args[++i].split(',');
    else if (args[i] === '--only') options.only = args[++i];
    else options.pageDir = args[i];
  }
  if (!options.pageDir) throw new Error('usage: run_stories.mjs PAGE_DIR [--engines LIST] [--only TEXT]');
  for (const engine of options.engines)
    if (!EngineNames.includes(engine)) throw new Error(`unknown engine '${engine}'`);
  return options;
}

async function loadStories(only) {
  const folder = join(Here, 'stories');
  const stories = [];
  for (const file of (await readdir(folder)).filter((name) => name.endsWith('.mjs')).sort()) {
    const story = (await import(join(folder, file))).default;
    for (const need of story.needs || [])
      if (!CapabilityNames.includes(need)) throw new Error(`${file} needs unknown '${need}'`);
    if (!only || story.name.includes(only) || file.includes(only)) stories.push({ file, ...story });
  }
  return stories;
}

function withTimeout(promise, ms, what) {
  let timer;
  const expiry = new Promise((_, fail) => {
    timer = setTimeout(() => fail(new Error(`${what} took more than ${ms / 1000} s`)), ms);
  });
  return Promise.race([promise, expiry]).finally(() => clearTimeout(timer));
}

/** Keeps a screenshot of a failed story for a look; returns its path. */
async function keepScreenshot(tab, label) {
  try {
    const folder = process.env.QUOVADRIN_WEB_FAILURES ||
                   await mkdtemp(join(tmpdir(), 'quovadrin-web-failure-'));
    const path = join(folder, `${label.replace(/[^a-z0-9]+/gi, '-')}.png`);
    await writeFile(path, await tab.screenshot());
    return path;
  } catch {
    return null;
  }
}

/** Runs one story in a browser of its own or in the shared one. */
async function runStory(engine, story, shared, server) {
  const own = story.launch ? await launchEngine(engine, story.launch) : null;
  const session = own || shared;
  const size = own ? { ...SharedSize, ...story.launch } : SharedSize;
  try {
    if (!story.opensPage) await openFresh(session.tab, server);
    await story.run({ engine, session, tab: session.tab, server, size });
  } catch (error) {
    const shot = await keepScreenshot(session.tab, `${engine}-${story.file}`);
    if (shot) error.message += ` (screenshot: ${shot})`;
    throw error;
  } finally {
    if (own) await own.close();
  }
}

async function runEngine(engine, stories, server, tally) {
  const started = Date.now();
  let shared = null;
  for (const story of stories) {
    const label = `[${engine}] ${story.name}`;
    try {
      shared ||= await launchEngine(engine, SharedSize);
      const missing = (story.needs || []).filter((need) => !shared.capabilities.has(need));
      if (missing.length) {
        console.log(`SKIP ${label}: ${engine} lacks ${missing.join(', ')}`);
        tally.skipped.push(`${label} (lacks ${missing.join(', ')})`);
        continue;
      }
      await withTimeout(runStory(engine, story, shared, server), StoryTimeoutMs, label);
      console.log(`PASS ${label}`);
      ++tally.passed;
    } catch (error) {
      console.log(`FAIL ${label}: ${error.message}`);
      tally.failed.push(label);
      // A browser that failed a story may be in any state: the next story
      // gets a new one.
      if (shared) await shared.close().catch(() => {});
      shared = null;
    }
  }
  if (shared) await shared.close().catch(() => {});
  const seconds = ((Date.now() - started) / 1000).toFixed(1);
  console.log(`engine ${engine}: ${stories.length} stories in ${seconds} s`);
}

const options = parseArguments(process.argv.slice(2));
const stories = await loadStories(options.only);
const server = await servePage(options.pageDir);
const tally = { passed: 0, failed: [], skipped: [] };
try {
  for (const engine of options.engines) await runEngine(engine, stories, server, tally);
} finally {
  await server.close();
}
if (tally.skipped.length) console.log(`skipped:\n  ${tally.skipped.join('\n  ')}`);
if (tally.failed.length) console.log(`failed:\n  ${tally.failed.join('\n  ')}`);
console.log(`${tally.passed} passed, ${tally.failed.length} failed, ${tally.skipped.length} skipped`);
process.exit(tally.failed.length ? 1 : 0);
