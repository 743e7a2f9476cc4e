// What the browser tests share: the built site served from 127.0.0.1 on a
// free port, Debian's chromium with a fresh profile, and the page's handles
// (its roles and names) for reading and playing.
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before } from 'node:test';
import { fileURLToPath } from 'node:url';

import { chromium } from '../../web/node_modules/playwright-core/index.mjs';
import { serve } from '../../web/serve.mjs';

const root = fileURLToPath(new URL('../..', import.meta.url));
export const site = process.env.TSUBURA_SITE ?? join(root, 'build-web/site');
export const native = process.env.TSUBURA_BUILD ?? join(root, 'build');

// The native puzzle tool, for what the browser must agree with.
export function puzzleTool(...args) {
  return execFileSync(join(native, 'tsubura-puzzle'), args, { encoding: 'utf8' });
}

// Serves the site for the tests of one file; `url` is its address.
export function useSite() {
  const served = { url: '' };
  let server;
  before(async () => {
    server = await serve(site, 0, '127.0.0.1');
    served.url = `http://127.0.0.1:${server.address().port}/`;
  });
  after(() => server.close());
  return served;
}

// A browser with a profile of its own, removed when closed.
export async function openBrowser(options = {}) {
  const profile = mkdtempSync(join(tmpdir(), 'tsubura-profile-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: [
      '--no-sandbox',
      '--disable-gpu',
      '--disable-background-networking',
      '--disable-component-update',
      '--disable-sync',
      '--no-first-run',
    ],
    locale: 'ja-JP',
    ...options,
  });
  const close = context.close.bind(context);
  context.close = async () => {
    await close();
    rmSync(profile, { recursive: true, force: true });
  };
  return context;
}

// The page opened and its first puzzle in play; the messages the game shows
// on the way are answered with their first button and returned.
export async function openPage(context, url) {
  const page = context.pages()[0] ?? (await context.newPage());
  await page.goto(url);
  return { page, messages: await settle(page) };
}

// Waits until the page is ready, its records written and no message is open,
// answering each message on the way; returns their texts.
export async function settle(page, timeout = 60000) {
  const texts = [];
  const end = Date.now() + timeout;
  while (Date.now() < end) {
    const dialog = page.getByRole('alertdialog');
    if (await dialog.isVisible()) {
      texts.push(await dialog.locator('.text').textContent());
      await dialog.getByRole('button').first().click();
      continue;
    }
    const ready = await page.evaluate(
      () =>
        document.body.dataset.ready === 'true' &&
        document.getElementById('progress').hidden &&
        document.body.dataset.recording !== 'true',
    );
    if (ready) return texts;
    await page.waitForTimeout(50);
  }
  throw new Error(`the page did not settle; messages: ${texts.join(' / ')}`);
}

export function cell(page, row, column) {
  return page.getByRole('grid', { name: '盤' }).locator('.row').nth(row - 1).locator('.cell').nth(column - 1);
}

export function word(page, text, points) {
  return page.getByRole('button', { name: `${text} ${points}点`, exact: true });
}

// The board as text, one line a row, "." for an empty cell.
export function boardText(page) {
  return page.evaluate(() =>
    [...document.querySelectorAll('#board .row')]
      .map((row) => [...row.querySelectorAll('.cell')].map((c) => c.textContent || '.').join(''))
      .join('\n'),
  );
}

export async function counters(page) {
  return {
    now: await page.locator('#now').textContent(),
    max: await page.locator('#max').textContent(),
    target: await page.locator('#target').textContent(),
    incomplete: await page.locator('#incomplete').isVisible(),
  };
}

// A sample or a puzzle of the pack, opened from パズルを選ぶ in place of
// another puzzle: done once the heading has changed.
export async function choose(page, name) {
  const before = await page.locator('#heading').textContent();
  await page.getByRole('button', { name: 'パズルを選ぶ' }).click();
  await page.getByRole('dialog', { name: 'パズルを選ぶ' }).getByRole('button', { name }).first().click();
  await page.waitForFunction((text) => document.getElementById('heading').textContent !== text, before);
  return settle(page);
}

// Today as the page's clock says, "YYYY-MM-DD".
export function today(page) {
  return page.evaluate(() => {
    const d = new Date();
    return `${d.getFullYear()}-${String(d.getMonth() + 1).padStart(2, '0')}-${String(d.getDate()).padStart(2, '0')}`;
  });
}
