// A static server for the site folder on a free loopback port, as any web
// server would serve it, that a test can tell to lose files (a 404 as from a
// server missing part of the data) and that counts the bytes it sent.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.png': 'image/png', '.jpg': 'image/jpeg', '.wav': 'audio/wav', '.txt': 'text/plain',
};

// isolated: the page is cross-origin isolated, which gives it a clock of
// microseconds (the benchmark's) instead of a tenth of a millisecond.
export async function serve(folder, { isolated = false } = {}) {
  const missing = new Set();
  const stats = { bytes: 0, requests: [] };
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const name = normalize(path === '/' ? '/index.html' : path).replace(/^\/+/, '');
    stats.requests.push(name);
    if (name.startsWith('..') || missing.has(name)) {
      response.writeHead(404).end();
      return;
    }
    try {
      const body = await readFile(join(folder, name));
      stats.bytes += body.length;
      response.writeHead(200, { 'Content-Type': types[extname(name)] || 'application/octet-stream',
                                'Content-Length': body.length, 'Cache-Control': 'no-store',
                                ...(isolated ? { 'Cross-Origin-Opener-Policy': 'same-origin',
                                                 'Cross-Origin-Embedder-Policy': 'require-corp' } : {}) });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    missing,
    stats,
    close: () => new Promise((resolve) => server.close(resolve)),
  };
}
