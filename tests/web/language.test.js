// The page in each language: every word the desktop shows for it, axe-core in each, captions
// that fit their controls, and a language chosen in the menu that keeps the board and is
// remembered. The desktop's words come from board_reference in the folder ARDENIKA_REFERENCE names.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { boardPixels, pagePath, readout, usePage, violations } from './page.js';

const reference = process.env.ARDENIKA_REFERENCE;
const languages = ['uk', 'en', 'pl'];

async function openIn(page, query) {
  await page.goto(pathToFileURL(pagePath).href + query);
  await page.waitForFunction(() => document.documentElement.dataset.ready === '1', { timeout: 20000 });
}

async function chooseInMenu(page, code) {
  await page.click('#language_menu');
  await page.click(`#language_${code}_item`);
}

// Every control's caption, hint and spoken name and every menu item's caption, as the page shows
// them, in the desktop's table order.
function shownWords(page) {
  return page.evaluate(() => {
    const form = JSON.parse(UTF8ToString(Module._ardenika_form_json()));
    const lines = form.controls.map((c) => {
      const e = document.getElementById(c.name);
      const caption = c.kind === 'group_box' ? e.querySelector('.caption').textContent
        : ['push_button', 'toggle_button'].includes(c.kind) ? e.textContent : null;
      const label = ['window', 'label', 'progress_bar'].includes(c.kind) ? null : e.getAttribute('aria-label') || '';
      return [c.name, caption, c.kind === 'board' || c.kind === 'window' ? null : e.title, label];
    });
    return lines.concat(form.menu.map((m) => [m.name, document.getElementById(m.name).textContent]));
  });
}

// The same from the desktop's words, where the page shows each.
function desktopWords(code, shown) {
  const rows = readFileSync(path.join(reference, `words-${code}.txt`), 'utf8').trimEnd().split('\n').map((l) => l.split('\t'));
  return rows.map(([name, caption, hint, spoken], i) => {
    if (hint === undefined) return [name, caption.replace('&', '')];
    const [, c, t, l] = shown[i];
    return [name, c === null ? null : caption, t === null ? null : hint, l === null ? null : spoken];
  });
}

describe('the page in each language', () => {
  const at = usePage();

  test('a link in each language shows the desktop\'s words, its dialogs and boxes in it, and axe finds nothing', async () => {
    const { page } = at;
    for (const code of languages) {
      await openIn(page, `?lang=${code}`);
      assert.equal(await page.evaluate(() => document.documentElement.lang), code);
      const shown = await shownWords(page);
      assert.deepEqual(shown, desktopWords(code, shown), code);
      assert.deepEqual(await violations(page), [], code);
      const help = await page.evaluate(() => JSON.parse(UTF8ToString(Module._ardenika_dialogs_json())));
      for (const which of ['description', 'about']) {
        await page.click('#help_menu');
        await page.click(`#${which}_item`);
        await page.waitForSelector('dialog.help[open]');
        assert.equal(await page.$eval('dialog.help[open]', (d) => d.getAttribute('aria-label')), help[which].caption);
        assert.deepEqual(await violations(page), [], `${code} ${which}`);
        await page.keyboard.press('Escape');
      }
      await page.evaluate(() => Module.ccall('ardenika_open_setup', 'boolean', ['string'], ['v1;p-201,7']));
      const said = { uk: 'Точка (-201, 7) лежить поза дошкою.', en: 'The point (-201, 7) lies off the board.', pl: 'Punkt (-201, 7) leży poza planszą.' };
      assert.equal(await page.$eval('#ErrorText', (e) => e.textContent), said[code]);
      assert.deepEqual(await violations(page), [], `${code} error box`);
      await page.keyboard.press('Escape');
      await page.click('#end_item');
      assert.deepEqual(await violations(page), [], `${code} end screen`);
    }
  });

  test('every caption fits its control and the menu bar its row, in every language, the panel\'s and the plot\'s too', async () => {
    const { page } = at;
    for (const code of languages) {
      await openIn(page, `?lang=${code}`);
      const overflows = await page.evaluate(() => {
        const found = [];
        // The measurement panel and the plot open, so that their buttons are laid out too.
        document.getElementById('measurements_item').click();
        document.getElementById('plot_button').click();
        document.querySelectorAll('#PanelFrame .label, #PlotFrame .label').forEach((l) => {
          const next = [...l.parentNode.children].find((e) => e !== l && e.offsetTop === l.offsetTop && e.offsetLeft > l.offsetLeft);
          if (next && l.offsetLeft + l.scrollWidth > next.offsetLeft) found.push(`${l.id} runs into ${next.id}`);
        });
        document.querySelectorAll('button.b').forEach((b) => {
          // A caption too long either runs past the button's side or wraps onto a second line.
          const text = document.createRange();
          text.selectNodeContents(b);
          const lines = text.getClientRects().length > 1 && new Set([...text.getClientRects()].map((r) => Math.round(r.top))).size > 1;
          if (b.scrollWidth > b.clientWidth || lines) found.push(`${b.id} needs ${b.scrollWidth} of ${b.clientWidth}${lines ? ', on two lines' : ''}`);
        });
        document.querySelectorAll('.group > .caption').forEach((c) => {
          const room = c.parentNode.clientWidth - 4;
          if (c.offsetLeft + c.offsetWidth > room) found.push(`${c.parentNode.id} needs ${c.offsetLeft + c.offsetWidth} of ${room}`);
        });
        // The menu bar in the wide layout and in the phone's narrow one.
        const bar = document.querySelector('.menubar');
        for (const narrow of [false, true]) {
          document.documentElement.classList.toggle('narrow', narrow);
          if (bar.scrollWidth > bar.clientWidth || bar.lastElementChild.offsetTop !== bar.firstElementChild.offsetTop)
            found.push(`menu bar${narrow ? ', narrow,' : ''} needs ${bar.scrollWidth} of ${bar.clientWidth}`);
        }
        document.documentElement.classList.remove('narrow');
        document.getElementById('measurements_item').click();
        return found;
      });
      assert.deepEqual(overflows, [], code);
    }
  });

  test('choosing a language keeps the board, its history and its setup, and is remembered and linked', async () => {
    const { page } = at;
    await openIn(page, '');
    await page.click('#dipole_button');
    const dipole = await boardPixels(page);
    await page.click('#colour_map_button');
    await page.mouse.move(0, 0);
    const before = { pixels: await boardPixels(page), hash: await page.evaluate(() => location.hash), readout: await readout(page) };
    await chooseInMenu(page, 'uk');
    assert.deepEqual({ pixels: await boardPixels(page), hash: await page.evaluate(() => location.hash), readout: await readout(page) }, before);
    assert.equal(await page.$eval('#clear_button', (b) => b.textContent), 'Стерти');
    assert.equal(await page.$eval('#language_uk_item', (b) => b.getAttribute('aria-checked')), 'true');
    assert.equal(await page.evaluate(() => new URLSearchParams(location.search).get('lang')), 'uk');
    await page.keyboard.down('Control');
    await page.keyboard.press('z');
    await page.keyboard.up('Control');
    assert.deepEqual(await boardPixels(page), dipole);
    assert.equal(await page.$eval('#Announcer', (e) => e.textContent), 'Зміну скасовано');
    // A plain address opens in the language chosen last; a link's own language comes first.
    await openIn(page, '');
    assert.equal(await page.evaluate(() => document.documentElement.lang), 'uk');
    await openIn(page, '?lang=en#v1;p0,0');
    assert.equal(await page.evaluate(() => document.documentElement.lang), 'en');
    assert.equal(await page.evaluate(() => location.hash), '#v1;p0,0');
    await openIn(page, '?lang=xx');
    assert.equal(await page.evaluate(() => document.documentElement.lang), 'uk');
    await chooseInMenu(page, 'pl');
    await openIn(page, '');
    assert.equal(await page.evaluate(() => document.documentElement.lang), 'pl');
  });
});
