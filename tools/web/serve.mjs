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

// Serves `root` on 127.0.0.1:`port` (0: any free port). Resolves to {url, close, requests,
// sent}: the paths asked for and the bytes of the bodies sent, for the benchmark. A file that
// has not changed since the browser's copy (its ETag) is answered 304, without a body.
// `headers` go with every answer (the benchmark's cross-origin isolation, for a finer clock).
export function serve(root, port = 0, host = '127.0.0.1', { headers: extra = {} } = {}) {
  const base = resolve(root);
  const requests = [];
  const sent = { bytes: 0 };
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    requests.push(path);
    let file = normalize(join(base, path));
    if (file !== base && !file.startsWith(base + sep)) {
      response.writeHead(403).end();
      return;
    }
    try {
      let info = await stat(file);
      if (info.isDirectory()) {
        file = join(file, 'index.html');
        info = await stat(file);
      }
      const etag = `"${info.size.toString(16)}-${Math.floor(info.mtimeMs).toString(16)}"`;
      const headers = { ...extra, ETag: etag, 'Cache-Control': 'no-cache' };
      if (request.headers['if-none-match'] === etag) {
        response.writeHead(304, headers).end();
        return;
      }
      const body = await readFile(file);
      response.writeHead(200, {
        ...headers,
        'Content-Type': mimeTypes[extname(file)] ?? 'application/octet-stream',
        'Content-Length': body.length,
      });
      if (request.method !== 'HEAD') sent.bytes += body.length;
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
        sent,
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
