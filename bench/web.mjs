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

// Each visit's times are the page's own, from the start of its navigation.
const shown = [];
const painted = [];
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
  await page.goto(url);
  await settle(page);
  const visit = await page.evaluate(() => ({
    shown: performance.getEntriesByName('tsubura-puzzle-shown')[0].startTime,
    painted: performance.getEntriesByName('first-contentful-paint')[0].startTime,
    longest: Math.max(0, ...window.longTasks),
  }));
  shown.push(visit.shown);
  painted.push(visit.painted);
  longest.push(visit.longest);
  await browser.close();
}
const ms = (values) => `median ${median(values).toFixed(0)} ms, longest ${Math.max(...values).toFixed(0)} ms`;
console.log(`first visit (${visits} fresh profiles): the page and its progress painted: ${ms(painted)}`);
console.log(`today's puzzle on the board: ${ms(shown)}; the longest task on the page: ${ms(longest)}`);

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
