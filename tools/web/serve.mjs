// A static file server for the web edition's folder: what `make web` starts and what the
// browser tests load the page from. Any web server does as well, given these MIME types.
import { createServer } from 'node:http';
import { readFile, stat } from 'node:fs/promises';
import { extname, join, normalize, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';

export const mimeTypes = {
  '.html': 'text/html; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.json': 'application/json',
  '.webmanifest': 'application/manifest+json',
  '.wasm': 'application/wasm',
  '.woff2': 'font/woff2',
  '.woff': 'font/woff',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
  '.txt': 'text/plain; charset=utf-8',
};

// Serves `root` on 127.0.0.1:`port` (0: any free port). Resolves to {url, close, requests},
// where `requests` lists the paths asked for, for the tests that count what the page fetches.
export function serve(root, port = 0, host = '127.0.0.1') {
  const base = resolve(root);
  const requests = [];
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    requests.push(path);
    let file = normalize(join(base, path));
    if (file !== base && !file.startsWith(base + sep)) {
      response.writeHead(403).end();
      return;
    }
    try {
      if ((await stat(file)).isDirectory()) file = join(file, 'index.html');
      const body = await readFile(file);
      response.writeHead(200, {
        'Content-Type': mimeTypes[extname(file)] ?? 'application/octet-stream',
        'Content-Length': body.length,
        'Cache-Control': 'no-cache',
      });
      response.end(request.method === 'HEAD' ? undefined : body);
    } catch {
      response.writeHead(404, { 'Content-Type': 'text/plain; charset=utf-8' }).end('not found');
    }
  });
  server.keepAliveTimeout = 1000;
  return new Promise((done, fail) => {
    server.once('error', fail);
    server.listen(port, host, () => {
      const { port: bound } = server.address();
      done({
        url: `http://${host === '127.0.0.1' ? 'localhost' : host}:${bound}/`,
        requests,
        close: () =>
          new Promise((closed) => {
            server.closeAllConnections?.();
            server.close(() => closed());
          }),
      });
    });
  });
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [root = '.', port = '8000'] = process.argv.slice(2);
  const { url } = await serve(root, Number(port));
  console.log(`Trevisk (web edition) is served at ${url}  (Ctrl+C stops the server)`);
}
