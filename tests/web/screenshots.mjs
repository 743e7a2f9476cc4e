// Screenshots of the page on a phone and a desktop, light and dark, for a
// person to look at:  node tests/web/screenshots.mjs OUT-FOLDER
import { mkdirSync } from 'node:fs';
import { join } from 'node:path';

import { choose, openBrowser, openPage, settle } from './browser.mjs';
import { serve } from '../../web/serve.mjs';
import { site } from './browser.mjs';

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
    await browser.close();
  }
}
server.close();
console.log(`screenshots in ${out}`);
