import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { boardPixels, boardPoint, readout, usePage, restart } from './page.js';

const positive = 0xe01c00;
const negative = 0x001ca4;

async function labels(page) {
  return (await readout(page)).slice(0, 2);
}
// A page point inside board pixel (x, y), in CSS pixels, at the scale the page chose.
const overPixel = boardPoint;

describe('the board under a finger on a screen of ratio 2', () => {
  const at = usePage({ deviceScaleFactor: 2, hasTouch: true });

  test('reads the pixel under the finger while it moves and adds one charge where it is lifted', async () => {
    const { page } = at;
    await page.click('#add_positive_tool');
    const start = await overPixel(page, 250, 150);
    const end = await overPixel(page, 300, 100);
    await page.touchscreen.touchStart(start.x, start.y);
    assert.deepEqual(await labels(page), ['X = 50', 'Y = 50']);
    await page.touchscreen.touchMove(end.x, end.y);
    assert.deepEqual(await labels(page), ['X = 100', 'Y = 100']);
    const beforeLift = await boardPixels(page);
    assert.equal(beforeLift[100 * 401 + 307], 0xffffff);
    await page.touchscreen.touchEnd();
    const pixels = await boardPixels(page);
    // the marker of board point (100, 100) is centred on column 300, row 100
    assert.equal(pixels[100 * 401 + 307], positive);
    assert.equal(pixels[150 * 401 + 257], 0xffffff);
    assert.deepEqual(await page.evaluate(() => [scrollX, scrollY]), [0, 0]);
  });

  test('a double tap adds one charge: thirteen more fill the table, the next tap raises the error box', async () => {
    const { page } = at;
    await restart(page);
    await page.click('#add_positive_tool');
    await fillAndOverflow(page, async (p) => { await page.touchscreen.tap(p.x, p.y); await page.touchscreen.tap(p.x, p.y); },
      (p) => page.touchscreen.tap(p.x, p.y));
  });
});

// With one charge placed by `double` (a double click or tap), 13 single ones leave no error box
// and one more raises it: the double made exactly one charge.
async function fillAndOverflow(page, double, single) {
  await double(await overPixel(page, 200, 300));
  for (let i = 0; i < 13; ++i) await single(await overPixel(page, 20 + 28 * i, 40));
  assert.equal(await page.$eval('[role="alertdialog"]', (d) => d.open), false);
  await single(await overPixel(page, 200, 360));
  assert.equal(await page.$eval('[role="alertdialog"]', (d) => d.open), true);
  await page.click('[role="alertdialog"] button');
}

// A dipole under its potential map, its positive charge at board pixel (280, 200).
const movedAndPutBack = [
  ['by mouse: pressed, dragged, Escape, released', async (page) => {
    const from = await overPixel(page, 280, 200), to = await overPixel(page, 320, 260);
    await page.mouse.move(from.x, from.y);
    await page.mouse.down();
    for (let i = 1; i <= 4; ++i) await page.mouse.move(from.x + (to.x - from.x) * i / 4, from.y + (to.y - from.y) * i / 4);
    await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
    const moved = await boardPixels(page);
    await page.keyboard.press('Escape');
    await page.mouse.up();
    return moved;
  }],
  ['by keyboard: the cursor on it, Enter, arrows, Escape', async (page) => {
    for (let i = 0; i < 40 && (await page.evaluate(() => document.activeElement.tagName)) !== 'CANVAS'; ++i) await page.keyboard.press('Tab');
    await page.keyboard.press('Home');
    await page.keyboard.down('Shift');
    for (let i = 0; i < 8; ++i) await page.keyboard.press('ArrowRight');
    await page.keyboard.up('Shift');
    await page.keyboard.press('Enter');
    for (let i = 0; i < 30; ++i) await page.keyboard.press('ArrowDown');
    const moved = await boardPixels(page);
    await page.keyboard.press('Escape');
    return moved;
  }],
];

describe('a charge being moved, put back by Escape', () => {
  const at = usePage();

  for (const [way, move] of movedAndPutBack) {
    test(way, async () => {
      const { page } = at;
      await restart(page);
      await page.click('#dipole_button');
      await page.click('#colour_map_button');
      const before = { pixels: await boardPixels(page), address: await page.evaluate(() => location.hash) };
      const moved = await move(page);
      const after = { pixels: await boardPixels(page), address: await page.evaluate(() => location.hash) };
      assert.notDeepEqual(moved, before.pixels, 'the charge never moved');
      assert.equal(after.address, before.address);
      assert.ok(after.pixels.every((p, i) => p === before.pixels[i]), 'the board differs from the one before the move');
    });
  }
});

describe('messages and the end', () => {
  const at = usePage();

  test('a press elsewhere between two quick clicks ends the pair: both clicks place a charge', async () => {
    const { page } = at;
    await page.click('#add_positive_tool');
    const p = await overPixel(page, 250, 150);
    await page.mouse.click(p.x, p.y);
    await page.click('#add_negative_tool');
    await page.mouse.click(p.x, p.y);
    const pixels = await boardPixels(page);
    // the negative marker drawn last, over the positive one, at column 250, row 150
    assert.equal(pixels[150 * 401 + 250 - 8], negative);
    await restart(page);
  });

  test('a double click adds one charge', async () => {
    const { page } = at;
    await page.click('#add_negative_tool');
    await fillAndOverflow(page, (p) => page.mouse.click(p.x, p.y, { count: 2 }), (p) => page.mouse.click(p.x, p.y));
    await restart(page);
  });

  test('a fifteenth charge raises the error box with its text and one OK, which closes it', async () => {
    const { page } = at;
    await page.click('#add_positive_tool');
    for (let i = 0; i < 15; ++i) {
      const p = await overPixel(page, 20 + 25 * i, 40);
      await page.mouse.click(p.x, p.y);
    }
    const box = await page.$eval('[role="alertdialog"]', (d) => ({
      open: d.open, text: d.querySelector('#ErrorText').textContent,
      buttons: [...d.querySelectorAll('button')].map((b) => b.textContent), focus: document.activeElement.textContent,
    }));
    assert.deepEqual(box, { open: true, text: 'Maksymalnie 14 ładunków!', buttons: ['OK'], focus: 'OK' });
    await page.click('[role="alertdialog"] button');
    assert.equal(await page.$eval('[role="alertdialog"]', (d) => d.open), false);
  });

  test('the help dialogs: their caption, size and content, the focus on OK and back on the menu, Enter and Escape', async () => {
    const { page } = at;
    const dialogs = [['description_item', 'Opis programu', [432, 329]], ['about_item', 'O programie', [403, 327]]];
    for (const [item, caption, size] of dialogs) {
      await page.click('#help_menu');
      await page.click('#' + item);
      const shown = await page.$eval('dialog[role="dialog"][open]', (d) => {
        const body = d.querySelector('.dlgbody').getBoundingClientRect();
        const text = d.querySelector('.text');
        const sub = d.querySelector('[data-name="description_text"] span[style*="vertical-align"]');
        return {
          caption: d.getAttribute('aria-label'), size: [body.width, body.height],
          focus: document.activeElement.textContent,
          // the strip: its size, red above and blue below, each charge's disc and white sign
          strip: (() => {
            const c = d.querySelector('canvas[data-name="side_strip"]'), g = c.getContext('2d');
            const at = (x, y) => [...g.getImageData(x, y, 1, 1).data.slice(0, 3)];
            const hue = ([r, , b]) => (r > 2 * b ? 'red' : b > 2 * r ? 'blue' : 'between');
            return [c.width, c.height, hue(at(3, 2)), hue(at(3, 164)), hue(at(3, 326)), at(35, 62), at(28, 59), at(35, 267), at(28, 264)];
          })(),
          paragraphs: d.querySelectorAll('[data-name="description_text"] p').length,
          first: text.textContent.slice(0, 29),
          subscript: sub && [sub.textContent, Math.round(parseFloat(sub.style.fontSize) * 15), Math.round(parseFloat(sub.style.verticalAlign) * 15)],
        };
      });
      assert.equal(shown.caption, caption);
      assert.deepEqual(shown.size, size);
      assert.equal(shown.focus, 'OK');
      assert.deepEqual(shown.strip, [57, 329, 'red', 'between', 'blue', [224, 28, 0], [255, 255, 255], [0, 28, 164], [0, 28, 164]]);
      if (item === 'description_item') {
        // 13 px is 195 twentieths of a point; its subscript is 136 with the baseline 41 lower
        assert.equal(shown.paragraphs, 11);
        assert.equal(shown.first, 'Natężenie pola elektrycznego ');
        assert.deepEqual(shown.subscript, ['0', 136, -41]);
      }
      // Tab walks into the text box, where Enter stays; Tab comes round to OK, whose Enter closes.
      await page.keyboard.press('Tab');
      assert.ok(await page.evaluate(() => document.activeElement.classList.contains('text')));
      await page.keyboard.press('Enter');
      assert.notEqual(await page.$('dialog[role="dialog"][open]'), null);
      await page.keyboard.press('Tab');
      assert.equal(await page.evaluate(() => document.activeElement.textContent), 'OK');
      await page.keyboard.press(item === 'description_item' ? 'Enter' : 'Escape');
      assert.equal(await page.$('dialog[role="dialog"][open]'), null);
      // the dialog goes, and the focus comes back, on its close event
      await page.waitForFunction(() => !document.querySelector('dialog[role="dialog"]') && document.activeElement.id === 'help_menu');
    }
  });

  test('Koniec leaves an end screen whose button starts the program afresh', async () => {
    const { page } = at;
    await page.click('#end_item');
    assert.equal(await page.$eval('#window', (w) => getComputedStyle(w).display), 'none');
    await Promise.all([page.waitForNavigation(), page.click('#restart')]);
    await page.waitForFunction(() => document.documentElement.dataset.ready === '1');
    assert.equal(await page.$eval('#add_positive_tool', (b) => b.getAttribute('aria-pressed')), 'false');
    assert.equal((await readout(page))[0], 'X = 0');
  });
});
