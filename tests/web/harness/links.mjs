// What the link stories share: the link "Link teilen" makes, its QR code
// read back by zbarimg (a reader of its own), and the program opened at a
// link in a fresh load of the page.
import { execFileSync } from 'node:child_process';
import { deflateRawSync } from 'node:zlib';
import { decodePng, encodePng } from './png.mjs';

/** Opens "Link teilen" and returns the link it shows. */
export async function sharedLink(tab) {
  await tab.clickElement('#share');
  return tab.waitFor(() => {
    const link = document.getElementById('share-link');
    return link && link.value;
  }, null, { what: 'the link to be shown' });
}

/** The text of the QR code the share dialog shows, read by zbarimg from a
 *  screenshot of it. */
export async function qrText(tab) {
  const box = await tab.evaluate(() => {
    const rect = document.getElementById('share-qr').getBoundingClientRect();
    return { x: rect.left, y: rect.top, width: rect.width, height: rect.height, scale: devicePixelRatio };
  });
  const shot = decodePng(await tab.screenshot());
  const left = Math.floor(box.x * box.scale);
  const top = Math.floor(box.y * box.scale);
  const width = Math.min(Math.ceil(box.width * box.scale), shot.width - left);
  const height = Math.min(Math.ceil(box.height * box.scale), shot.height - top);
  const rgba = Buffer.alloc(width * height * 4);
  for (let row = 0; row < height; ++row)
    shot.rgba.copy(rgba, row * width * 4, ((top + row) * shot.width + left) * 4,
                   ((top + row) * shot.width + left + width) * 4);
  const png = encodePng({ width, height, rgba });
  return execFileSync('zbarimg', ['--quiet', '--raw', '-Sbinary', '-'], { input: png, stdio: ['pipe', 'pipe', 'ignore'] }).toString('utf8')
    .replace(/\n$/, '');
}

/** The fragment a link would carry for bytes, made here with zlib. */
export function fragmentOf(bytes) {
  return '#alg=' + deflateRawSync(bytes).toString('base64url');
}

/** Opens the program at url in a fresh load, keeping the origin's storage,
 *  and waits until the page has dealt with the link. */
export async function openAtLink(tab, server, url) {
  await tab.goto(server.emptyUrl);
  await tab.openProgram(url);
  await tab.waitFor(() => window.quovadrinLinkOpened && window.quovadrinLinkOpened.then(() => true), null,
                    { what: 'the link to be opened' });
  return tab.text('#status');
}
