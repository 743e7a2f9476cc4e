// The records in the browser: two tabs playing at once both keep their
// boards, and a tab behind the other never writes a better best away; where
// storage is refused the game still plays and says once that it keeps no
// records.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { cell, choose, openBrowser, openPage, settle, useSite, word } from './browser.mjs';

const served = useSite();

// Places the first word not yet placed across from (row, column); its text.
async function placeFirstWord(page, row, column) {
  const button = page.locator('.word[data-placed="false"]').first();
  const name = await button.getAttribute('aria-label');
  await button.click();
  await cell(page, row, column).click();
  await settle(page);
  assert.equal(await page.getByRole('button', { name, exact: true }).getAttribute('data-placed'), 'true');
  return name;
}

test('two tabs at once both keep their boards', async () => {
  const browser = await openBrowser();
  try {
    const { page: daily } = await openPage(browser, served.url);
    const sample = await browser.newPage();
    await sample.goto(served.url);
    await settle(sample);
    await choose(sample, /^はじめて/);
    const dailyWord = await placeFirstWord(daily, 2, 2);
    const sampleWord = await placeFirstWord(sample, 3, 2);
    await daily.close();
    await sample.close();

    const page = await browser.newPage();
    await page.goto(served.url);
    await settle(page);
    assert.equal(await page.getByRole('button', { name: dailyWord, exact: true }).getAttribute('data-placed'), 'true');
    await choose(page, /^はじめて/);
    assert.equal(await page.getByRole('button', { name: sampleWord, exact: true }).getAttribute('data-placed'), 'true');
  } finally {
    await browser.close();
  }
});

test('a tab that plays on with an older record keeps the better best the other tab made', async () => {
  const browser = await openBrowser();
  try {
    const tabs = [];
    for (let i = 0; i < 2; ++i) {
      const page = await browser.newPage();
      await page.goto(served.url);
      await settle(page);
      await choose(page, /^はじめて/);
      tabs.push(page);
    }
    // One word alone is a complete board: いるか makes a best of 20, then ねこ
    // one of 10 in the tab that has not seen it.
    await word(tabs[1], 'いるか', 20).click();
    await cell(tabs[1], 2, 2).click();
    await settle(tabs[1]);
    await word(tabs[0], 'ねこ', 10).click();
    await cell(tabs[0], 2, 2).click();
    await settle(tabs[0]);
    assert.match(await tabs[0].locator('#target').textContent(), /自己ベスト 20点/);

    await tabs[0].reload();
    await settle(tabs[0]);
    await choose(tabs[0], /^はじめて/);
    assert.match(await tabs[0].locator('#target').textContent(), /自己ベスト 20点/);
  } finally {
    await browser.close();
  }
});

test('with storage refused the game plays and says so once', async () => {
  const browser = await openBrowser();
  try {
    await browser.addInitScript(() => {
      Object.defineProperty(window, 'indexedDB', {
        get() {
          throw new DOMException('refused', 'SecurityError');
        },
      });
    });
    const { page, messages } = await openPage(browser, served.url);
    const refused = (m) => m.startsWith('記録を保存できません。');
    assert.equal(messages.filter(refused).length, 1, messages.join(' / '));
    await placeFirstWord(page, 2, 2);
    await choose(page, /^はじめて/);
    await placeFirstWord(page, 2, 2);
    const later = await settle(page);
    assert.equal(later.filter(refused).length, 0);
  } finally {
    await browser.close();
  }
});
