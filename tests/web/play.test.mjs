// The page plays by the desktop's rules: the first visit opens today's
// puzzle of the day with the target the native tool gives it; the generator's
// own arrangement of it, played with the mouse, reaches that target with the
// desktop's words, saves as a file the desktop reads, and a reload gives it
// back; a damaged file changes nothing.
import assert from 'node:assert/strict';
import { mkdtempSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';

import {
  boardText, cell, choose, counters, native, openBrowser, openPage, puzzleTool, settle, today, useSite, word,
} from './browser.mjs';

const served = useSite();

// Where each word of a solved puzzle lies, from the tool's text form:
// word "ねこ" 10 across C R.
function arrangement(file) {
  return [...puzzleTool('show', file).matchAll(/^word "?([^"\s]+)"? (\d+) (across|down) (\d+) (\d+)/gm)].map(
    ([, text, points, direction, column, row]) => ({ text, points, direction, column: +column, row: +row }),
  );
}

test('the first visit shows today\'s puzzle of the day with its target', async () => {
  const browser = await openBrowser();
  try {
    const started = Date.now();
    const { page, messages } = await openPage(browser, served.url);
    const date = await today(page);
    const out = join(mkdtempSync(join(tmpdir(), 'tsubura-')), 'daily.tbr');
    const best = /best (\d+)/.exec(puzzleTool('generate', '--daily', '--date', date, '-o', out))[1];
    console.log(`first visit: today's puzzle shown after ${Date.now() - started} ms`);
    assert.equal(new URL(page.url()).hash, `#daily=${date}`);
    assert.match(await page.locator('#heading').textContent(), /^今日のパズル /);
    assert.ok(messages.some((m) => m.includes(`目標：${best}点`)), messages.join(' / '));
    assert.equal((await counters(page)).target.startsWith(`目標 ${best}点`), true);
    assert.equal(await page.getByRole('gridcell').count(), 15 * 15);
  } finally {
    await browser.close();
  }
});

test('today\'s puzzle played to a complete board with the mouse reaches the target the desktop knows', async () => {
  const dir = mkdtempSync(join(tmpdir(), 'tsubura-'));
  const browser = await openBrowser();
  try {
    const { page } = await openPage(browser, served.url);
    const solved = join(dir, 'solved.tbr');
    const made = puzzleTool('generate', '--daily', '--date', await today(page), '-o', join(dir, 'daily.tbr'),
      '--solved', solved);
    const [, best, optimal] = /best (\d+) (optimal|bound)/.exec(made);
    const messages = [];
    for (const w of arrangement(solved)) {
      await word(page, w.text, w.points).click();
      await cell(page, w.row + 1, w.column + 1).click({ button: w.direction === 'across' ? 'left' : 'right' });
      messages.push(...(await settle(page)));
    }
    const shown = await counters(page);
    assert.deepEqual([shown.now, shown.max, shown.incomplete], [`NOW:${best}点`, `MAX:${best}点`, false]);
    const reached = optimal === 'optimal' ? `最高点です！\n${best}点` : `目標達成！\n${best}点`;
    assert.ok(messages.includes(reached), messages.join(' / '));
    assert.match(shown.target, /自己ベスト = 目標 ★/);

    // Saved, it downloads a file the desktop's tool reads as this board.
    const download = page.waitForEvent('download');
    await page.getByRole('button', { name: '名前を付けて保存' }).click();
    const saved = join(dir, (await download).suggestedFilename());
    await (await download).saveAs(saved);
    assert.deepEqual(await settle(page), ['保存されました。']);
    assert.match(puzzleTool('check', saved), new RegExp(`^score ${best} placed \\d+ complete`));

    // A reload opens today's puzzle as it was left, with the best.
    await page.reload();
    assert.deepEqual(await settle(page), []);
    const again = await counters(page);
    assert.deepEqual([again.now, again.target], [shown.now, shown.target]);
  } finally {
    await browser.close();
  }
});

test('a damaged file is refused and the puzzle in play stays as it was', async () => {
  const browser = await openBrowser();
  try {
    const { page } = await openPage(browser, served.url);
    await choose(page, /^はじめて/);
    await word(page, 'ねこ', 10).click();
    await cell(page, 2, 2).click();
    const before = { board: await boardText(page), heading: await page.locator('#heading').textContent() };
    const damaged = join(mkdtempSync(join(tmpdir(), 'tsubura-')), 'damaged.tbr');
    // Its header cut in the middle of a double-byte character.
    writeFileSync(damaged, Buffer.from([0x02, 0x00, 0x82]));
    const chooser = page.waitForEvent('filechooser');
    await page.getByRole('button', { name: '開く' }).click();
    await (await chooser).setFiles(damaged);
    await page.getByRole('alertdialog').waitFor();
    const messages = await settle(page);
    assert.ok(messages.some((m) => m.includes('このファイルは開けません。')), messages.join(' / '));
    assert.equal(await boardText(page), before.board);
    assert.equal(await page.locator('#heading').textContent(), before.heading);
  } finally {
    await browser.close();
  }
});
