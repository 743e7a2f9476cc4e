// Offline once visited, and on a phone: with the network off the site loads,
// plays, makes new puzzles and past days' puzzles; a new version of the site
// takes the old one's place and the records stay; on a 360-pixel touch
// screen, taps place words across and, with 縦に置く, down.
import assert from 'node:assert/strict';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';

import { serve } from '../../web/serve.mjs';
import { cell, counters, openBrowser, openPage, settle, site, today, useSite } from './browser.mjs';

const served = useSite();

test('once visited, the site loads, plays and makes puzzles with the network off', async () => {
  const browser = await openBrowser();
  try {
    const { page } = await openPage(browser, served.url);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await browser.setOffline(true);
    await page.reload();
    await settle(page);
    const word = page.locator('.word').first();
    await word.click();
    await cell(page, 2, 2).click();
    await settle(page);
    assert.equal(await word.getAttribute('data-placed'), 'true');

    await page.goto(`${served.url}#make=animals/8/easy/5`);
    await page.getByRole('alertdialog').waitFor();
    const made = await settle(page);
    assert.ok(made.some((m) => m.includes('目標：')), made.join(' / '));
    assert.equal(await page.getByRole('gridcell').count(), 8 * 8);

    const yesterday = new Date(Date.parse(await today(page)) - 86400000).toISOString().slice(0, 10);
    await page.goto(`${served.url}#daily=${yesterday}`);
    await page.getByRole('alertdialog').waitFor();
    await settle(page);
    assert.match(await page.locator('#heading').textContent(), new RegExp(`^${yesterday}のパズル `));
  } finally {
    await browser.close();
  }
});

test('a new version of the site replaces the old one and the records stay', async () => {
  const folder = mkdtempSync(join(tmpdir(), 'tsubura-site-'));
  cpSync(site, folder, { recursive: true });
  const server = await serve(folder, 0, '127.0.0.1');
  const url = `http://127.0.0.1:${server.address().port}/`;
  const browser = await openBrowser();
  try {
    const { page } = await openPage(browser, url);
    await page.evaluate(() => navigator.serviceWorker.ready);
    const word = page.locator('.word').first();
    const name = await word.getAttribute('aria-label');
    await word.click();
    await cell(page, 2, 2).click();
    await settle(page);

    // The next build: another page and another version of the worker.
    const index = join(folder, 'index.html'), worker = join(folder, 'sw.js');
    writeFileSync(index, readFileSync(index, 'utf8').replace('</body>', '<p id="next-version"></p></body>'));
    const script = readFileSync(worker, 'utf8');
    const version = script.match(/kVersion = '([0-9a-f]+)'/)?.[1];
    assert.ok(version, 'the worker names its version');
    writeFileSync(worker, script.replaceAll(version, 'ffffffffffffffff'));
    await page.reload();
    await settle(page);
    // The new worker caches the new site whole, takes over, and drops the old.
    const takenOver = () =>
      page.evaluate(async () => {
        const registration = await navigator.serviceWorker.getRegistration();
        return registration.active?.state === 'activated' &&
          (await caches.keys()).join() === 'tsubura-ffffffffffffffff';
      });
    for (let tries = 0; !(await takenOver()); ++tries) {
      assert.ok(tries < 300, 'the new version never took over');
      await page.waitForTimeout(100);
    }
    await page.reload();
    await settle(page);
    assert.equal(await page.locator('#next-version').count(), 1);
    assert.equal(await page.getByRole('button', { name, exact: true }).getAttribute('data-placed'), 'true');
  } finally {
    await browser.close();
    server.close();
    rmSync(folder, { recursive: true, force: true });
  }
});

test('on a phone, taps place words across and, with 縦に置く, down', async () => {
  const browser = await openBrowser({
    viewport: { width: 360, height: 740 },
    hasTouch: true,
    isMobile: true,
    deviceScaleFactor: 3,
  });
  try {
    const { page } = await openPage(browser, served.url);
    const side = (await cell(page, 1, 1).boundingBox()).width;
    assert.ok(side >= 24, `a cell is ${side} pixels`);
    const words = page.locator('.word');
    const [first, second] = [await words.nth(0).locator('span').first().textContent(),
      await words.nth(1).locator('span').first().textContent()];

    await words.nth(0).tap();
    await cell(page, 2, 2).tap();
    await settle(page);
    await page.getByRole('button', { name: '縦に置く' }).tap();
    assert.equal(await page.getByRole('button', { name: '縦に置く' }).getAttribute('aria-pressed'), 'true');
    await words.nth(1).tap();
    await cell(page, 5, 13).tap();
    await settle(page);

    const across = await Promise.all([...first].map((_, i) => cell(page, 2, 2 + i).textContent()));
    const down = await Promise.all([...second].map((_, i) => cell(page, 5 + i, 13).textContent()));
    assert.equal(across.join(''), first);
    assert.equal(down.join(''), second);
    assert.match((await counters(page)).now, /^NOW:\d+/);
  } finally {
    await browser.close();
  }
});
