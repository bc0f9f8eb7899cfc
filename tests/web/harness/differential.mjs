// The page against the desktop program, pixel for pixel on the canvas: both
// start at the same second (so from the same seed), at the same window size,
// and live through the same actions; after each, the canvas's dark pixels of
// one must each have a dark pixel of the other within one pixel, both ways.
//
// Darkness: a pixel is dark at grey 204 (80 % white) or below. Shapes are
// drawn in grey 127 while the grid shows and the pen marker in black; the
// desktop smooths its lines, so a line between two pixel columns covers
// each about half (grey 191), and the page's lines are not smoothed (grey
// 127 on one pixel). The grid's lines are grey 217 at full cover and must
// not count: 204 lies between them and the half-covered shape, and counts a
// shape pixel from 40 % cover on.
// Region: the canvas, where every shape and the pen marker are drawn. The
// panels show icons and text from textures, which the start-screen story
// compares.
import { mkdtemp, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { startDesktop } from './desktop.mjs';
import { darkCount, darkMap, unmatchedDark } from './pixels.mjs';
import { assert, canvasRect, fileEntry, Layout, openFresh, toWindow } from './program.mjs';

export const DarkThreshold = 204;
/** The second both sides start at: any fixed one will do. */
const FixedSeconds = 1767225600;

const Header = ['*************************************', '*    Quovadrin Algorithmus Datei    *',
                '*************************************', ''];
const Kinds = ['Quadrat', 'Kreis', 'Blob', 'Rasterlinie', 'freie Linie', 'weiche Linie',
               'Rasterlinienzug', 'freien Linienzug', 'weichen Linienzug'];

function algorithm(lines) {
  return Buffer.from([...Header, ...lines, ''].join('\r\n'), 'latin1');
}

function give(values) {
  return Object.entries(values).map(([name, value]) => `Gib ${name} den Wert ${value}`);
}

/** Every kind, two cells wide and high, one after another along an edge:
 *  place(i) gives the Variables of the i-th. */
function alongEdge(place) {
  return algorithm(Kinds.flatMap((kind, i) => [...give(place(i)), `Zeichne ${kind}`]));
}

// The canvas is 512 x 768 units with 20-unit cells. A box of dx by dy cells
// is centred half a cell right of and below its cell's corner plus (h, v):
// a 2 x 2 box spans -10 to 30 units about its cell's corner, so h or v of
// 10 put it against the left or top edge, and column 24 with h 2 or row 36
// with v 18 against the right or bottom edge.
export const Algorithms = [
  { name: 'a_ecken.alg', bytes: algorithm([
    ...give({ dx: 1, dy: 1, x: 0, y: 0 }), 'Zeichne Quadrat',
    ...give({ x: 24, h: 12 }), 'Zeichne Quadrat',
    ...give({ y: 37, v: 8 }), 'Zeichne Quadrat',
    ...give({ x: 0, h: 0 }), 'Zeichne Quadrat',
    ...give({ dx: 25, dy: 38, x: 12, y: 18, v: 10 }), 'Zeichne Quadrat',
    ...give({ dx: 2, dy: 2, x: 0, y: 0, h: 10, v: 10 }), 'Zeichne Kreis',
    ...give({ dx: 1, dy: 1, x: 12, y: 19, h: 0, v: 0, d: 45 }), 'Zeichne Quadrat']) },
  { name: 'b_links.alg', bytes: alongEdge((i) => ({ dx: 2, dy: 2, x: 0, h: 10, y: 4 * i })) },
  { name: 'c_oben.alg', bytes: alongEdge((i) => ({ dx: 2, dy: 2, x: 3 * i, y: 0, v: 10 })) },
  { name: 'd_rechts.alg', bytes: alongEdge((i) => ({ dx: 2, dy: 2, x: 24, h: 2, y: 4 * i })) },
  { name: 'e_unten.alg', bytes: alongEdge((i) => ({ dx: 2, dy: 2, x: 3 * i, y: 36, v: 18 })) },
];

/** What both sides do, in order; each step ends with a look at the canvas. */
function steps(size) {
  const at = (point) => toWindow(point, size);
  const preview = { at: at(Layout.belowListing), button: 'right' };
  return [
    { what: 'the start screen with the pen marker at column 0', clicks: [] },
    { what: 'the example, previewed', clicks: [preview] },
    ...Algorithms.map(({ name }, i) => ({
      what: `${name}, loaded and previewed`,
      clicks: [{ at: at(Layout.load) }, { at: fileEntry(i, Algorithms.length, size) }, preview],
    })),
  ];
}

const desktopRuns = new Map();

/** The desktop's screenshots of every step at a window size, made once. */
function desktopPictures(size) {
  const key = `${size.width}x${size.height}`;
  if (!desktopRuns.has(key)) {
    desktopRuns.set(key, (async () => {
      const desktop = await startDesktop({ ...size, algorithms: Algorithms,
                                           fixedSeconds: FixedSeconds });
      try {
        const pictures = [];
        for (const step of steps(size)) {
          for (const { at, button = 'left' } of step.clicks) {
            await desktop.click(...at, button);
            await desktop.settledScreenshot();
          }
          pictures.push(await desktop.settledScreenshot());
        }
        return pictures;
      } finally {
        await desktop.close();
      }
    })());
    // A run that failed is tried again for the next engine.
    desktopRuns.get(key).catch(() => desktopRuns.delete(key));
  }
  return desktopRuns.get(key);
}

/** A picture of the differences for a look: desktop-only dark pixels red,
 *  page-only blue, shared ones grey; beside it both screenshots. Returns
 *  the difference picture's path. */
async function keepDifference(desktop, page, label, shots) {
  const { encodePng } = await import('./png.mjs');
  const rgba = Buffer.alloc(desktop.width * desktop.height * 4, 255);
  for (let i = 0; i < desktop.dark.length; ++i) {
    const colour = desktop.dark[i] && page.dark[i] ? [128, 128, 128]
      : desktop.dark[i] ? [255, 0, 0] : page.dark[i] ? [0, 0, 255] : [255, 255, 255];
    rgba.set(colour, i * 4);
  }
  const folder = process.env.QUOVADRIN_WEB_FAILURES || await mkdtemp(join(tmpdir(), 'quovadrin-diff-'));
  const path = join(folder, `${label.replace(/[^a-z0-9]+/gi, '-')}.png`);
  await writeFile(path, encodePng({ width: desktop.width, height: desktop.height, rgba }));
  await writeFile(path.replace(/\.png$/, '-desktop.png'), shots.desktop);
  await writeFile(path.replace(/\.png$/, '-page.png'), shots.page);
  return path;
}

/** The whole comparison in one engine's tab, opened at size. */
export async function compareWithDesktop({ engine, tab, server, size }) {
  const reference = await desktopPictures(size);
  await openFresh(tab, server, server.prelude(`Date.now = function () { return ${FixedSeconds * 1000}; };`));
  await tab.chooseFiles('#files', Algorithms);
  await tab.waitFor(() => /hinzugefügt/.test(document.getElementById('status').textContent), null,
                    { what: 'the page to tell the files were added' });
  const region = { ...canvasRect(size), threshold: DarkThreshold };
  const faults = [];
  for (const [i, step] of steps(size).entries()) {
    for (const { at, button = 'left' } of step.clicks) await tab.click(...at, { button });
    await tab.settle();
    const shot = await tab.screenshot();
    const page = darkMap(shot, region);
    const desktop = darkMap(reference[i], region);
    const pageOnly = unmatchedDark(page, desktop);
    const desktopOnly = unmatchedDark(desktop, page);
    console.log(`  ${step.what}: ${darkCount(desktop)} dark pixels on the desktop, ` +
                `${darkCount(page)} on the page; unmatched: ${desktopOnly.length} of the ` +
                `desktop's, ${pageOnly.length} of the page's`);
    if (desktopOnly.length || pageOnly.length) {
      const first = (desktopOnly[0] || pageOnly[0]);
      const picture = await keepDifference(desktop, page, `${engine}-${size.width}-${i}`,
                                           { desktop: reference[i], page: shot });
      faults.push(`${step.what}: ${desktopOnly.length} + ${pageOnly.length} unmatched dark ` +
                  `pixels, first at canvas (${first.x}, ${first.y}); differences: ${picture}`);
    }
    assert(darkCount(desktop) > 0, `${step.what}: the desktop shows nothing dark`);
  }
  assert(!faults.length, faults.join('; '));
}
