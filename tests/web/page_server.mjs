// A static HTTP server for the built page on a free port of 127.0.0.1, inside
// the test's own process, so that it ends with the test and nothing else.
// Four test aids, the same in every engine whatever its driver offers:
// - /empty.html, a blank page of the same origin (to clear its storage
//   while the program is not running);
// - preludes: prelude(source) gives a URL of the page whose index.html runs
//   that script before any of the page's own, at every load (the page is
//   served there without its service worker, which would answer a reload
//   from its cache);
// - show(html): a URL that serves those bytes as a page of the origin
//   (a page the program made, opened as a file of its own);
// - refuse(on): while on, every request fails as without network, whoever
//   asks (the tab or its service worker), whatever a driver's own switch
//   for the network covers.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';

const Types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript',
  '.mjs': 'text/javascript',
  '.css': 'text/css',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
  '.json': 'application/json',
  '.webmanifest': 'application/manifest+json',
  '.svg': 'image/svg+xml',
};

const PreludeScript = 'quovadrin-prelude.js';

const EmptyPage = '<!DOCTYPE html><html><head><meta charset="utf-8"><title>leer</title></head>' +
                  '<body></body></html>';

/** Serves the files of folder; resolves to { url, folder, close,
 *  bytesSent, prelude(source): url, emptyUrl, refuse(on) }. */
export function servePage(folder) {
  let bytesSent = 0;
  let refusing = false;
  const preludes = [];
  const shown = [];
  const send = (response, type, body) => {
    bytesSent += body.length;
    response.writeHead(200, { 'Content-Type': type, 'Cache-Control': 'no-store' });
    response.end(body);
  };
  const notFound = (response) => {
    response.writeHead(404);
    response.end();
  };
  const server = createServer(async (request, response) => {
    // A network that is down: the connection breaks without an answer.
    if (refusing) {
      request.socket.destroy();
      return;
    }
    const address = new URL(request.url, 'http://x');
    let path = normalize(decodeURIComponent(address.pathname));
    if (path === '/empty.html') return send(response, Types['.html'], Buffer.from(EmptyPage));
    const page = /^\/shown\/(\d+)\.html$/.exec(path);
    if (page) return shown[page[1]] ? send(response, Types['.html'], shown[page[1]]) : notFound(response);
    // A prelude page is the page in a folder of its own, /prelude/N/, out
    // of the service worker's reach: its worker is not served, so every
    // load comes from here and runs the prelude.
    const prelude = /^\/prelude\/(\d+)\/(.*)$/.exec(path);
    if (prelude && preludes[prelude[1]] === undefined) return notFound(response);
    if (prelude && prelude[2] === PreludeScript)
      return send(response, Types['.js'], Buffer.from(preludes[prelude[1]]));
    if (prelude && prelude[2] === 'service_worker.js') return notFound(response);
    if (prelude) path = '/' + prelude[2];
    const file = join(folder, path.endsWith('/') ? path + 'index.html' : path);
    try {
      let body = await readFile(file);
      if (prelude && file.endsWith('index.html')) {
        body = Buffer.from(body.toString('utf8').replace(
          /<head>/i, `<head><script src="${PreludeScript}"></script>`));
      }
      send(response, Types[extname(file)] || 'application/octet-stream', body);
    } catch {
      notFound(response);
    }
  });
  return new Promise((resolve) => {
    server.listen(0, '127.0.0.1', () => {
      const url = `http://127.0.0.1:${server.address().port}/`;
      resolve({
        url,
        folder,
        emptyUrl: `${url}empty.html`,
        prelude: (source) => {
          preludes.push(source);
          return `${url}prelude/${preludes.length - 1}/`;
        },
        show: (html) => {
          shown.push(Buffer.from(html));
          return `${url}shown/${shown.length - 1}.html`;
        },
        close: () => new Promise((done) => {
          server.closeAllConnections();
          server.close(done);
        }),
        bytesSent: () => bytesSent,
        refuse: (on) => { refusing = on; },
      });
    });
  });
}
