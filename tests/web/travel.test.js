// A board that travels on the page: its address, its saved picture opened again, a pasted
// link, undo and redo, and bad input refused with the board left as it was.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { boardPixels, restart, usePage } from './page.js';

async function at(page, x, y) {
  const r = await page.$eval('#board', (c) => c.getBoundingClientRect().toJSON());
  return { x: r.left + x + 0.5, y: r.top + y + 0.5 };
}
async function key(page, combo) {
  const keys = combo.split('+');
  for (const k of keys.slice(0, -1)) await page.keyboard.down(k);
  await page.keyboard.press(keys[keys.length - 1]);
  for (const k of keys.slice(0, -1).reverse()) await page.keyboard.up(k);
}
const address = (page) => page.evaluate(() => decodeURI(location.hash));
const errorText = (page) => page.$eval('#ErrorBox', (d) => (d.open ? d.querySelector('#ErrorText').textContent : null));

describe('a board that travels', () => {
  const handle = usePage();

  test('the address follows every change without adding history, and a new tab opens the same board', async () => {
    const { page, browser } = handle;
    const entries = await page.evaluate(() => history.length);
    await page.click('#dipole_button');
    assert.equal(await address(page), '#v1;p80,0;n-80,0');
    await page.click('#colour_map_button');
    await page.click('#field_line_tool');
    const p = await at(page, 200, 100);
    await page.mouse.click(p.x, p.y);
    assert.equal(await address(page), '#v1;p80,0;n-80,0;V;f0,100');
    assert.equal(await page.evaluate(() => history.length), entries);
    const board = await boardPixels(page);
    const other = await browser.newPage();
    await other.goto(await page.evaluate(() => location.href));
    await other.waitForFunction(() => document.documentElement.dataset.ready === '1');
    assert.deepEqual(await boardPixels(other), board);
    assert.deepEqual(await other.$$eval('[aria-pressed="true"]', (b) => b.length), 0);
    await other.close();
    // Clear twice: an empty board has no fragment.
    await page.click('#clear_button');
    await page.click('#clear_button');
    assert.equal(await page.evaluate(() => location.href.includes('#')), false);
  });

  test('undo and redo walk the changes by keyboard', async () => {
    const { page } = handle;
    await restart(page);
    await page.click('#dipole_button');
    const dipole = await boardPixels(page);
    await page.click('#field_lines_button');
    await key(page, 'Control+z');
    assert.deepEqual(await boardPixels(page), dipole);
    assert.equal(await address(page), '#v1;p80,0;n-80,0');
    await key(page, 'Control+y');
    assert.equal(await address(page), '#v1;p80,0;n-80,0;F');
    await key(page, 'Control+z');
    await key(page, 'Control+Shift+z');
    assert.equal(await address(page), '#v1;p80,0;n-80,0;F');
  });

  test('a saved picture opens again by Ctrl+O, and a pasted link opens its board', async () => {
    const { page, browser } = handle;
    await restart(page);
    const folder = mkdtempSync(path.join(tmpdir(), 'ardenika-travel-'));
    try {
      const session = await browser.target().createCDPSession();
      await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder, eventsEnabled: true });
      const done = new Promise((resolve) => session.on('Browser.downloadProgress', (e) => e.state === 'completed' && resolve()));
      await page.click('#quadrupole_button');
      await page.click('#equipotentials_button');
      const board = await boardPixels(page);
      await key(page, 'Control+s');
      await done;
      await page.click('#clear_button');
      await page.click('#clear_button');
      const [chooser] = await Promise.all([page.waitForFileChooser(), key(page, 'Control+o')]);
      await chooser.accept([path.join(folder, 'ardenika.png')]);
      await page.waitForFunction(() => location.hash.length > 1 || document.getElementById('ErrorBox').open);
      assert.equal(await errorText(page), null);
      assert.deepEqual(await boardPixels(page), board);
    } finally {
      rmSync(folder, { recursive: true, force: true });
    }
    await page.evaluate(() => {
      const data = new DataTransfer();
      data.setData('text/plain', 'https://szkola.example/ardenika.html#v1;p0,0;V');
      document.dispatchEvent(new ClipboardEvent('paste', { clipboardData: data }));
    });
    assert.equal(await address(page), '#v1;p0,0;V');
  });

  test('a damaged link says what is wrong in Polish and opens nothing', async () => {
    const { browser, page: base } = handle;
    const url = (await base.evaluate(() => location.href)).split('#')[0];
    await base.goto(url);
    await base.waitForFunction(() => document.documentElement.dataset.ready === '1');
    const empty = await boardPixels(base);
    for (const [fragment, message] of [['v1;p80,0;x', 'Opis planszy jest uszkodzony (element 3: „x”).'],
      ['v9;V', 'Ten opis planszy pochodzi z nowszej wersji programu Ardenika.'],
      ['v1;p0,250', 'Punkt (0, 250) leży poza planszą.']]) {
      const page = await browser.newPage();
      await page.goto(url + '#' + fragment);
      await page.waitForFunction(() => document.documentElement.dataset.ready === '1');
      assert.equal(await errorText(page), message);
      assert.deepEqual(await boardPixels(page), empty);
      assert.equal(await page.evaluate(() => location.hash), '#' + fragment);
      assert.deepEqual(await page.$$eval('[aria-pressed="true"]', (b) => b.length), 0);
      await page.close();
    }
  });
});
