import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { statSync } from 'node:fs';
import { boardPixels, pagePath, usePage } from './page.js';

const toggles = ['add_positive_tool', 'add_negative_tool', 'capacitor_button', 'quadrupole_button', 'dipole_button', 'remove_tool', 'field_line_tool', 'equipotential_tool'];
const positive = 0xe01c00;
const negative = 0x001ca4;

// The smallest box holding every board pixel of one colour, or null.
function boxOf(pixels, colour) {
  let box = null;
  pixels.forEach((p, i) => {
    if (p !== colour) return;
    const x = i % 401, y = Math.floor(i / 401);
    if (!box) box = { left: x, top: y, right: x, bottom: y };
    box.left = Math.min(box.left, x); box.right = Math.max(box.right, x);
    box.top = Math.min(box.top, y); box.bottom = Math.max(box.bottom, y);
  });
  return box;
}

describe('the page at start', () => {
  const at = usePage();

  test('its controls and menus are the form table, from one file of under 200 KB opened from file://, and nothing comes from outside', async () => {
    const { page } = at;
    assert.ok(statSync(pagePath).size < 200000, `the page is ${statSync(pagePath).size} bytes`);
    assert.ok(page.url().startsWith('file:'), page.url());
    const { wanted, shown } = await page.evaluate(() => {
      const form = JSON.parse(UTF8ToString(Module._ardenika_form_json()));
      const controls = form.controls.filter((c) => c.kind !== 'window');
      const captioned = (c) => c.kind === 'label' || c.kind === 'group_box' || c.kind.endsWith('_button');
      // A label is at least as wide as the table says, as wide as its text when that is more.
      const widthOf = (e, c) => (c.kind === 'label' && e.offsetWidth >= c.width ? c.width : e.offsetWidth);
      return {
        wanted: {
          controls: controls.map((c) => [c.name, c.parent, c.left, c.top, c.width, c.height,
            captioned(c) ? c.caption : '', c.hint, c.kind === 'progress_bar' ? '' : c.spoken, c.group !== 0]),
          items: form.menu.map((m) => [m.name, m.caption.replace('&', ''), m.parent]),
          stops: controls.filter((c) => c.kind.endsWith('_button') || c.kind === 'board').map((c) => c.name),
          title: form.controls[0].caption,
        },
        shown: {
          controls: controls.map((c) => {
            const e = document.getElementById(c.name);
            return e && [e.id, e.parentElement.id, e.offsetLeft, e.offsetTop, widthOf(e, c), e.offsetHeight,
              (e.querySelector('.caption') || e).textContent, e.title, e.getAttribute('aria-label') || '',
              e.hasAttribute('aria-pressed')];
          }),
          items: form.menu.map((m) => {
            const e = document.getElementById(m.name);
            return e && [e.id, e.textContent, e.closest('[role="menu"]')?.getAttribute('aria-labelledby') ?? ''];
          }),
          stops: [...document.querySelectorAll('#main_window [tabindex="0"], #main_window button')].map((e) => e.id),
          title: document.title,
        },
      };
    });
    assert.deepEqual(shown, wanted);
    assert.deepEqual(page.outsideRequests, []);
    assert.deepEqual(page.scriptErrors, []);
  });

  test('shows the start texts, every toggle up and the board one CSS pixel per pixel', async () => {
    const { page } = at;
    const state = await page.evaluate((ts) => ({
      labels: JSON.parse(UTF8ToString(Module._ardenika_form_json())).names.readout.map((id) => document.getElementById(id).textContent),
      pressed: ts.map((t) => document.getElementById(t).getAttribute('aria-pressed')),
      board: (() => { const r = document.getElementById('board').getBoundingClientRect(); return [r.width, r.height]; })(),
      scroll: [document.documentElement.scrollWidth, document.documentElement.scrollHeight],
    }), toggles);
    assert.deepEqual(state.labels, ['X = 0', 'Y = 0', 'V[0,0]  = 0', 'Ex[0,0] = 0', 'Ey[0,0] = 0']);
    assert.deepEqual(state.pressed, toggles.map(() => 'false'));
    assert.deepEqual(state.board, [401, 401]);
    assert.ok(state.scroll[0] <= 1024 && state.scroll[1] <= 768, `the page scrolls: ${state.scroll}`);
  });

  test('a click on the dipole button presses it and draws its two markers', async () => {
    const { page } = at;
    const before = await boardPixels(page);
    assert.equal(boxOf(before, positive), null);
    await page.click('#dipole_button');
    const pixels = await boardPixels(page);
    // positive at board (80, 0), negative at (-80, 0): columns 280 and 120 of row 200
    assert.deepEqual(boxOf(pixels, positive), { left: 270, top: 190, right: 289, bottom: 209 });
    assert.deepEqual(boxOf(pixels, negative), { left: 110, top: 190, right: 129, bottom: 209 });
    assert.equal(await page.$eval('#dipole_button', (b) => b.getAttribute('aria-pressed')), 'true');
  });
});

// FNV-1a over the bytes of three zero grids of 401 x 401 doubles, as the program digests them.
function zeroGridsDigest() {
  let hash = 2166136261;
  for (let i = 0; i < 3 * 401 * 401 * 8; ++i) hash = Math.imul(hash, 16777619) >>> 0;
  return hash;
}

describe('the page readied while idle', () => {
  const at = usePage();

  test('is still at its start, its arrangements on the board the user sees', async () => {
    const { page } = at;
    await page.waitForFunction(() => document.documentElement.dataset.prepared === '1', { timeout: 20000 });
    const state = await page.evaluate(() => ({
      grids: Module._ardenika_grids_digest() >>> 0,
      said: document.getElementById('Announcer').textContent,
      bar: [document.querySelector('progress').value, document.querySelector('progress').max],
      progressMax: JSON.parse(UTF8ToString(Module._ardenika_form_json())).progressMax,
      address: location.hash,
    }));
    assert.deepEqual(state, { grids: zeroGridsDigest(), said: '', bar: [0, state.progressMax],
      progressMax: state.progressMax, address: '' });
    assert.deepEqual([...new Set(await boardPixels(page))].sort(), [0x000000, 0xffffff]);
    await page.click('#dipole_button');
    const pixels = await boardPixels(page);
    assert.deepEqual(boxOf(pixels, positive), { left: 270, top: 190, right: 289, bottom: 209 });
    assert.deepEqual(boxOf(pixels, negative), { left: 110, top: 190, right: 129, bottom: 209 });
  });
});
