// The teacher's figures in the page, in each browser engine:
//   node bench/teachers_bench.mjs PAGE_DIR [--engines chromium,firefox,webkit] [--runs N]
//                                 [--ratio R]
// Firefox and WebKit need an X server in DISPLAY (bench/run_web_bench.sh
// starts one). Prints, per engine:
//   web overview ENGINE: 30 files x 500 shapes in N ms, longest stall S ms
//                          from the files handed to "Übersicht" to the
//                          finished page (median of N runs); the stall is
//                          the longest the page's thread was away, from a
//                          timer that asks every 5 ms throughout
//   web link ENGINE: example N characters (fragment F), 100 commands N (F)
//                          the links "Link teilen" makes for the example
//                          algorithm and for an algorithm of 100 commands
import { openAtLink, fragmentOf, sharedLink } from '../tests/web/harness/links.mjs';
import { launchEngine } from '../tests/web/harness/engine.mjs';
import { openFresh } from '../tests/web/harness/program.mjs';
import { servePage } from '../tests/web/page_server.mjs';
import { parseBenchArguments } from './web_bench_options.mjs';

const Files = 30;
const Shapes = 500;
const Size = { width: 1280, height: 1024 };
const Header = '*'.repeat(37) + '\r\n*    Quovadrin Algorithmus Datei    *\r\n' + '*'.repeat(37) + '\r\n\r\n';

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

/** A learner's file of Shapes squares, rectangles and circles at random
 *  places, its values from its number. */
function shapesFile(number) {
  return Buffer.from(Header + `Wiederhole ${Shapes} mal:\r\n` +
    `  Gib max den Wert ${40 + number % 20}\r\n  Gib min den Wert ${-(number % 7)}\r\n` +
    '  Zufallswert fuer x zwischen max und min\r\n  Zufallswert fuer y zwischen max und min\r\n' +
    '  Gib max den Wert 5\r\n  Gib min den Wert 1\r\n' +
    '  Zufallswert fuer dx zwischen max und min\r\n  Zufallswert fuer dy zwischen max und min\r\n' +
    `  Zeichne ${['Quadrat', 'Kreis', 'Blob'][number % 3]}\r\nWiederhole bis hier.\r\n`, 'latin1');
}

/** An algorithm of 100 commands as a lesson's might be: values, random
 *  values, arithmetic, loops and shapes, with numbers of its own. */
function hundredCommands() {
  const shapes = ['Quadrat', 'Kreis', 'Blob', 'freie Linie', 'Rasterlinie', 'gefuellten Kreis'];
  const variables = ['x', 'y', 'dx', 'dy', 'h', 'v', 'n'];
  const lines = [];
  let depth = 0;
  for (let i = 0; lines.length < 100; ++i) {
    const indent = '  '.repeat(depth);
    const variable = variables[i % variables.length];
    const kind = i % 10;
    if (kind === 0 && depth < 2 && lines.length < 96) {
      lines.push(`${indent}Wiederhole ${3 + i % 17} mal:`);
      ++depth;
    } else if (kind === 9 && depth > 0) {
      lines.push(`${'  '.repeat(depth - 1)}Wiederhole bis hier.`);
      --depth;
    } else if (kind < 3) lines.push(`${indent}Gib ${variable} den Wert ${(i * 37) % 61 - 20}`);
    else if (kind < 5) lines.push(`${indent}Zufallswert fuer ${variable} zwischen max und min`);
    else if (kind === 5) lines.push(`${indent}Addiere ${i % 9 + 1} zu ${variable}`);
    else lines.push(`${indent}Zeichne ${shapes[i % shapes.length]}`);
    if (lines.length === 100 - depth) break;
  }
  while (depth > 0) lines.push(`${'  '.repeat(--depth)}Wiederhole bis hier.`);
  return Buffer.from(Header + lines.join('\r\n') + '\r\n', 'latin1');
}

async function overviewTime(tab) {
  const files = {};
  for (let i = 0; i < Files; ++i)
    files[`klasse/Lernende${String(i % 10).padStart(2, '0')}/seed_${1700000000 + i}-a.alg`] = shapesFile(i);
  const given = Object.entries(files).map(([path, bytes]) => [path, bytes.toString('base64')]);
  return tab.evaluate(async (list) => {
    const chosen = list.map(([path, base64]) => {
      const file = new File([Uint8Array.from(atob(base64), (c) => c.charCodeAt(0))], path.split('/').pop());
      Object.defineProperty(file, 'webkitRelativePath', { value: path });
      return file;
    });
    let last = performance.now();
    let longest = 0;
    const probe = setInterval(() => {
      const now = performance.now();
      longest = Math.max(longest, now - last);
      last = now;
    }, 5);
    const start = performance.now();
    await Quovadrin.overview.fromFiles(chosen);
    const took = performance.now() - start;
    clearInterval(probe);
    const told = document.getElementById('overview-progress').textContent;
    if (!told.startsWith('Fertig')) throw new Error(`the overview was not made: ${told}`);
    return { took, longest, told };
  }, given);
}

async function linkLengths(tab, server) {
  const example = await sharedLink(tab);
  await openAtLink(tab, server, server.url + fragmentOf(hundredCommands()));
  const hundred = await sharedLink(tab);
  const fragment = (link) => new URL(link).hash.length;
  return { example: example.length, exampleFragment: fragment(example),
           hundred: hundred.length, hundredFragment: fragment(hundred),
           hundredBytes: hundredCommands().length };
}

async function main() {
  const { pageDir, engines, runs, ratio } = parseBenchArguments(process.argv.slice(2), 'teachers_bench.mjs');
  const server = await servePage(pageDir);
  try {
    for (const engine of engines) {
      const session = await launchEngine(engine, { ...Size, deviceScale: ratio });
      try {
        await openFresh(session.tab, server);
        const times = [];
        const stalls = [];
        for (let run = 0; run < runs; ++run) {
          const { took, longest } = await overviewTime(session.tab);
          times.push(took);
          stalls.push(longest);
        }
        console.log(`web overview ${engine}: ${Files} files x ${Shapes} shapes in ${Math.round(median(times))} ms, ` +
                    `longest stall ${Math.round(Math.max(...stalls))} ms (${runs} runs)`);
        await openFresh(session.tab, server);
        const lengths = await linkLengths(session.tab, server);
        console.log(`web link ${engine}: example ${lengths.example} characters (fragment ${lengths.exampleFragment}), ` +
                    `100 commands (${lengths.hundredBytes} bytes as .alg) ${lengths.hundred} (fragment ${lengths.hundredFragment})`);
      } finally {
        await session.close();
      }
    }
  } finally {
    await server.close();
  }
}

await main();
