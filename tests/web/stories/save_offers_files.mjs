// A tool clicked twice inserts its command; a save offers the .alg, which the
// desktop's own writer writes again byte for byte, a grey PNG of the canvas
// as it is on the screen, and the picture's SVG copy under the PNG's name.
import { execFileSync } from 'node:child_process';
import { mkdtemp, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { assert, At, canvasRect, lines, readRepoFile, saveAndDownload } from '../harness/program.mjs';
import { matchingShare } from '../harness/pixels.mjs';
import { pngHeader } from '../harness/png.mjs';

export default {
  name: 'a tool clicked twice inserts its command, and a save offers its three files',
  async run({ tab }) {
    await tab.click(...At.circle);
    await tab.click(...At.circle);
    const screen = await tab.screenshot();
    const saved = await saveAndDownload(tab);
    const start = lines(await readRepoFile('tests', 'fuzz', 'corpus', 'example_block.alg'));
    const written = lines(saved.alg);
    assert(written.length === start.length + 1, `${written.length} lines, not ${start.length + 1}`);
    assert(written.filter((line) => /Zeichne Kreis/.test(line)).length === 1,
           'the saved algorithm has no circle');
    const check = process.env.QUOVADRIN_ALG_CHECK;
    assert(check, 'QUOVADRIN_ALG_CHECK is not set');
    const folder = await mkdtemp(join(tmpdir(), 'quovadrin-download-'));
    await writeFile(join(folder, saved.algName), saved.alg);
    execFileSync(check, [join(folder, saved.algName)], { stdio: 'inherit' });
    const header = pngHeader(saved.png);
    assert(header && header.width === 640 && header.height === 1024 && header.colourType === 0,
           `the picture is not a 640 x 1024 grey PNG: ${JSON.stringify(header)}`);
    const canvas = canvasRect();
    const share = matchingShare(saved.png, screen, { bx: canvas.x, by: canvas.y, width: canvas.width,
                                                     height: canvas.height, tolerance: 8 });
    assert(share >= 0.999, `the picture matches the canvas in ${(share * 100).toFixed(2)}% only`);
    assert(saved.svgName === saved.pngName.replace(/\.png$/, '.svg'),
           `the SVG copy is called ${saved.svgName} beside ${saved.pngName}`);
    const svg = saved.svg.toString('utf8');
    assert(/^<\?xml[^>]*\?>\s*<svg [^>]*viewBox="0 0 512 768"/.test(svg) && svg.trimEnd().endsWith('</svg>'),
           'the SVG copy is no whole SVG picture of the canvas');
  },
};
