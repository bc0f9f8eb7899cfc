// A static HTTP server for the built page on a free port of 127.0.0.1, inside
// the test's own process, so that it ends with the test and nothing else.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';

const Types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript',
  '.css': 'text/css',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
  '.webmanifest': 'application/manifest+json',
};

/** Serves the files of folder; resolves to { url, close, bytesSent,
 *  refuse(on) }: while refusing, every request fails as without network. */
export function servePage(folder) {
  let bytesSent = 0;
  let refusing = false;
  const server = createServer(async (request, response) => {
    // A network that is down: the connection breaks without an answer.
    if (refusing) {
      request.socket.destroy();
      return;
    }
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
    const file = join(folder, path.endsWith('/') ? path + 'index.html' : path);
    try {
      const body = await readFile(file);
      bytesSent += body.length;
      response.writeHead(200, { 'Content-Type': Types[extname(file)] || 'application/octet-stream',
                                'Cache-Control': 'no-store' });
      response.end(body);
    } catch {
      response.writeHead(404);
      response.end();
    }
  });
  return new Promise((resolve) => {
    server.listen(0, '127.0.0.1', () => {
      resolve({
        url: `http://127.0.0.1:${server.address().port}/`,
        close: () => new Promise((done) => server.close(done)),
        bytesSent: () => bytesSent,
        refuse: (on) => { refusing = on; },
      });
    });
  });
}
