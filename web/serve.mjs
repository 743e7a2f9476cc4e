// A plain static file server for the built site, with no special headers:
//   node serve.mjs SITE [PORT] [HOST]
// Port 0 takes a free one; the address is printed once it listens.
import { createReadStream, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize, resolve } from 'node:path';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json',
  '.png': 'image/png',
  '.wav': 'audio/wav',
  '.txt': 'text/plain; charset=utf-8',
  '.json': 'application/json',
};

export function serve(site, port = 0, host = '127.0.0.1') {
  const root = resolve(site);
  const server = createServer((request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    let file = normalize(join(root, path));
    if (!file.startsWith(root)) {
      response.writeHead(403).end();
      return;
    }
    try {
      if (statSync(file).isDirectory()) file = join(file, 'index.html');
      statSync(file);
    } catch {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': types[extname(file)] ?? 'application/octet-stream' });
    createReadStream(file).pipe(response);
  });
  return new Promise((done) => server.listen(port, host, () => done(server)));
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const [site, port = '8080', host = 'localhost'] = process.argv.slice(2);
  const server = await serve(site, Number(port), host);
  console.log(`ツブラ: http://${host}:${server.address().port}/`);
}
