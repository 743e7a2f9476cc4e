// Screenshots of the page on a phone and a desktop, light and dark, for a
// person to look at:  node tests/web/screenshots.mjs OUT-FOLDER
import { mkdirSync } from 'node:fs';
import { join } from 'node:path';

import { serve } from '../../web/serve.mjs';
import { choose, openBrowser, openPage, settle, site } from './browser.mjs';

const out = process.argv[2] ?? 'build-web/screenshots';
mkdirSync(out, { recursive: true });
const server = await serve(site, 0, '127.0.0.1');
const url = `http://127.0.0.1:${server.address().port}/`;
const screens = {
  phone: { viewport: { width: 360, height: 740 }, hasTouch: true, isMobile: true, deviceScaleFactor: 2 },
  desktop: { viewport: { width: 1280, height: 800 } },
};
for (const [name, screen] of Object.entries(screens)) {
  for (const colorScheme of ['light', 'dark']) {
    const browser = await openBrowser({ ...screen, colorScheme });
    const { page } = await openPage(browser, url);
    await page.screenshot({ path: join(out, `${name}-${colorScheme}-daily.png`) });
    await choose(page, /^はじめて/);
    await page.getByRole('button', { name: 'ねこ 10点' }).click();
    await settle(page);
    await page.screenshot({ path: join(out, `${name}-${colorScheme}-sample.png`) });
    for (const [button, dialog] of [['記録', '記録'], ['設定', '詳細設定'], ['新しいパズル', '新しいパズル']]) {
      await page.getByRole('button', { name: button, exact: true }).click();
      await page.getByRole('dialog', { name: dialog }).waitFor();
      await page.screenshot({ path: join(out, `${name}-${colorScheme}-${button}.png`) });
      await page.keyboard.press('Escape');
      await settle(page);
    }
    await browser.close();
  }
}
server.close();
console.log(`screenshots in ${out}`);
