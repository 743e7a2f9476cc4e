// The site's figures, measured in Debian's chromium, on the built site:
//   - its size, every file gzip-compressed (under 1.5 MB);
//   - the first visit: from the address typed to today's puzzle on the board,
//     served from this machine, over fresh profiles, with the longest the page
//     was kept from answering (long tasks), and how soon the progress showed;
//   - the generator's memory after making a 30 x 30 puzzle in its worker
//     (under 64 MB).
//   node bench/web.mjs [VISITS]
import { readdirSync, readFileSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';

import { openBrowser, settle, site } from '../tests/web/browser.mjs';
import { serve } from '../web/serve.mjs';

const visits = Number(process.argv[2] ?? 5);

function files(folder) {
  return readdirSync(folder).flatMap((name) => {
    const path = join(folder, name);
    return statSync(path).isDirectory() ? files(path) : [path];
  });
}
const gzipped = files(site).reduce((sum, file) => sum + gzipSync(readFileSync(file), { level: 9 }).length, 0);
console.log(`site: ${(gzipped / 1e6).toFixed(2)} MB gzip-compressed (${files(site).length} files)`);

const server = await serve(site, 0, '127.0.0.1');
const url = `http://127.0.0.1:${server.address().port}/`;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const shown = [];
const progress = [];
const longest = [];
for (let i = 0; i < visits; ++i) {
  const browser = await openBrowser();
  const page = await browser.newPage();
  await page.addInitScript(() => {
    window.longTasks = [];
    new PerformanceObserver((list) => window.longTasks.push(...list.getEntries().map((e) => e.duration))).observe({
      type: 'longtask',
      buffered: true,
    });
  });
  const started = Date.now();
  await page.goto(url);
  await page.locator('#progress:not([hidden]), .word').first().waitFor();
  progress.push(Date.now() - started);
  await page.locator('.word').first().waitFor({ timeout: 60000 });
  shown.push(Date.now() - started);
  await settle(page);
  longest.push(Math.max(0, ...(await page.evaluate(() => window.longTasks))));
  await browser.close();
}
console.log(`first visit, today's puzzle shown: median ${median(shown)} ms, longest ${Math.max(...shown)} ms (${visits} visits)`);
console.log(`progress shown after: median ${median(progress)} ms; longest task on the page: ${Math.max(...longest).toFixed(0)} ms`);

const browser = await openBrowser();
const page = await browser.newPage();
await page.goto(url);
await settle(page);
const memory = await page.evaluate(
  () =>
    new Promise((resolve) => {
      const worker = new Worker('make-worker.js', { type: 'module' });
      worker.onmessage = (event) => event.data.kind === 'made' && resolve(event.data.memory);
      worker.postMessage({ id: 1, kind: 'make', theme: '', size: 30, level: 1, seed: 7, date: '2026-12-09' });
    }),
);
console.log(`memory of the generator after a 30 x 30 puzzle: ${(memory / 2 ** 20).toFixed(1)} MB`);
await browser.close();
server.close();
