// The measurement panel ("Pomiary") on the page: built from the program's panel table, its
// points placed and moved by mouse and by keyboard alike, the recorded table copied and saved.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { boardPixels, boardPoint, pagePath, restart, usePage } from './page.js';

const focused = (page) => page.evaluate(() => document.activeElement.id);
async function tabTo(page, id) {
  for (let i = 0; i < 60 && (await focused(page)) !== id; ++i) await page.keyboard.press('Tab');
  assert.equal(await focused(page), id);
}
async function withCtrl(page, key) {
  await page.keyboard.down('Control');
  await page.keyboard.press(key);
  await page.keyboard.up('Control');
}
const tableText = (page, id) => page.$eval('#' + id, (t) => [...t.rows].map((r) => [...r.cells].map((c) => c.textContent)));
const said = (page) => page.$eval('#Announcer', (a) => a.textContent.trim());
// The pointer or the keyboard's cursor at board point (x, y).
async function mouseAt(page, x, y, press = true) {
  const p = await boardPoint(page, x + 200, 200 - y);
  await page.mouse.move(p.x, p.y);
  if (press) await page.mouse.click(p.x, p.y);
}
async function cursorAt(page, x, y) {
  await tabTo(page, 'board');
  await page.keyboard.press('Home');
  for (const [delta, less, more] of [[x, 'ArrowLeft', 'ArrowRight'], [-y, 'ArrowUp', 'ArrowDown']]) {
    const key = delta < 0 ? less : more;
    await page.keyboard.down('Shift');
    for (let i = 0; i < Math.floor(Math.abs(delta) / 10); ++i) await page.keyboard.press(key);
    await page.keyboard.up('Shift');
    for (let i = 0; i < Math.abs(delta) % 10; ++i) await page.keyboard.press(key);
  }
}

// A lab run: the dipole, points A at (40, 0) and B at (-40, 40), A moved to (50, 20), three rows
// recorded (A from the origin, A from charge 1, B from charge 1), the table copied.
const labRuns = {
  mouse: async (page) => {
    await page.click('#measurements_item');
    await page.click('#measuring_tool');
    await mouseAt(page, 40, 0);
    await mouseAt(page, -40, 40);
    await mouseAt(page, 40, 0, false);
    await page.mouse.down();
    await mouseAt(page, 50, 20, false);
    await page.mouse.up();
    for (const choice of [null, ['#reference_choice', 'ładunek 1 (80, 0)'], ['#chosen_point_choice', 'B']]) {
      if (choice) await page.select(...choice);
      await page.click('#record_button');
    }
    await page.click('#copy_table_button');
  },
  keyboard: async (page) => {
    await withCtrl(page, 'm');
    await tabTo(page, 'measuring_tool');
    await page.keyboard.press('Space');
    const moveA = [...Array(10).fill('ArrowRight'), ...Array(20).fill('ArrowUp'), 'Enter'];
    for (const [x, y, moves] of [[40, 0, []], [-40, 40, []], [40, 0, moveA]]) {
      await cursorAt(page, x, y);
      for (const key of ['Enter', ...moves]) await page.keyboard.press(key);
    }
    for (const choice of [null, 'reference_choice', 'chosen_point_choice']) {
      if (choice) await tabTo(page, choice);
      if (choice) await page.keyboard.press('ArrowDown');
      await withCtrl(page, 'Enter');
    }
    await tabTo(page, 'recorded_table');
    await withCtrl(page, 'c');
  },
};

describe('the measurement panel', () => {
  const at = usePage();

  test('its elements are the panel table: ids, kinds, captions, names; Ctrl+M and the menu item open and close it', async () => {
    const { page } = at;
    const table = await page.evaluate(() => JSON.parse(UTF8ToString(Module._ardenika_form_json())).panel);
    assert.equal(await page.$eval('#PanelFrame', (f) => f.hidden), true);
    await withCtrl(page, 'm');
    const tags = { label: 'SPAN', choice: 'SELECT', table: 'TABLE', push_button: 'BUTTON', toggle_button: 'BUTTON' };
    const shown = await page.evaluate((controls) => controls.slice(1).map((c) => {
      const e = document.getElementById(c.name);
      return [c.name, e.tagName, e.getAttribute('aria-label') ?? '', e.title, e.getAttribute('aria-pressed'),
        c.caption ? e.textContent : '', e.closest('#' + c.parent) !== null];
    }), table);
    assert.deepEqual(shown, table.slice(1).map((c) => [c.name, tags[c.kind], c.spoken, c.hint,
      c.kind === 'toggle_button' ? 'false' : null, c.caption.replace('&', ''), true]));
    assert.equal(await page.$eval('#PanelTitle', (h) => `${h.tagName} ${h.textContent}`), 'H2 Pomiary');
    assert.deepEqual(await tableText(page, 'recorded_table'), [['Punkt', 'x', 'y', 'Odległość', 'Od', 'V', 'Ex', 'Ey', '|E|', 'Kierunek [°]']]);
    assert.equal(await page.$$eval('#points_table th[scope="col"]', (h) => h.length), 8);
    await page.click('#copy_table_button');
    assert.equal(await said(page), 'Tabela pomiarów jest pusta.');
    await page.click('#measurements_item');
    assert.equal(await page.$eval('#PanelFrame', (f) => f.hidden), true);
  });

  test('points placed by mouse, by keyboard and from a link give the same table, as computed by hand, and are drawn on the board', async () => {
    const { page } = at;
    const expected = [['Punkt', 'x', 'y', 'V', 'Ex', 'Ey', '|E|', 'Kierunek [°]'],
      ['A', '40', '0', '16,667', '-6,9444', '0,0000', '6,9444', '180,0'], ['B', '-40', '0', '-16,667', '-6,9444', '0,0000', '6,9444', '180,0']];
    const tables = [];
    for (const way of ['mouse', 'keyboard']) {
      await restart(page);
      await page.click('#dipole_button');
      const bare = await boardPixels(page);
      await page.click('#measurements_item');
      await page.click('#measuring_tool');
      for (const [x, y] of [[40, 0], [-40, 0]]) {
        if (way === 'mouse') await mouseAt(page, x, y);
        else { await cursorAt(page, x, y); await page.keyboard.press('Enter'); }
      }
      tables.push(await tableText(page, 'points_table'));
      const marked = await boardPixels(page);
      const changed = marked.map((p, i) => p !== bare[i] && [i % 401, Math.floor(i / 401)]).filter(Boolean);
      // each mark and its letter within 20 pixels of its point, and nothing else changed
      const near = (m) => ([c, r]) => Math.abs(c - m) <= 20 && Math.abs(r - 200) <= 20;
      assert.ok(changed.some(near(240)) && changed.some(near(160)) && changed.every((p) => near(240)(p) || near(160)(p)));
      await page.click('#remove_all_points_button');
      assert.deepEqual(await boardPixels(page), bare);
    }
    await page.goto(pathToFileURL(pagePath).href + '#v1;p80,0;n-80,0;mA40,0;mB-40,0');
    await page.waitForFunction(() => document.documentElement.dataset.ready === '1');
    await withCtrl(page, 'm');
    tables.push(await tableText(page, 'points_table'));
    assert.deepEqual(tables, [expected, expected, expected]);
  });

  test('a lab run by keyboard only copies the mouse run\'s table (by the clipboard and by its fallback); pomiary.csv holds it', async () => {
    const { browser, page } = at;
    const copied = {};
    for (const way of ['mouse', 'keyboard']) {
      await restart(page);
      // the keyboard's run finds the asynchronous clipboard refused, as a page from a disk may
      await page.evaluate((refused) => {
        navigator.clipboard.writeText = (text) => (refused ? Promise.reject(new Error('refused')) : Promise.resolve(window.copied = text));
        document.addEventListener('copy', () => { window.copied = document.activeElement.value; });
      }, way === 'keyboard');
      await page.click('#dipole_button');
      await labRuns[way](page);
      await page.waitForFunction(() => window.copied !== undefined);
      copied[way] = await page.evaluate(() => window.copied);
      assert.equal(await said(page), 'Skopiowano tabelę pomiarów');
    }
    assert.equal(copied.keyboard, copied.mouse);
    assert.deepEqual(copied.mouse.split('\n').map((line) => line.split('\t').slice(0, 5)), [['Punkt', 'x', 'y', 'Odległość', 'Od'],
      ['A', '50', '20', '53,85', 'początek układu'], ['A', '50', '20', '36,06', 'ładunek 1'], ['B', '-40', '40', '126,49', 'ładunek 1'], ['']]);

    const folder = mkdtempSync(path.join(tmpdir(), 'ardenika-csv-'));
    try {
      const session = await browser.target().createCDPSession();
      await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder, eventsEnabled: true });
      const named = new Promise((resolve) => session.on('Browser.downloadWillBegin', (e) => resolve(e.suggestedFilename)));
      const done = new Promise((resolve) => session.on('Browser.downloadProgress', (e) => e.state === 'completed' && resolve()));
      await page.click('#save_table_button');
      assert.equal(await named, 'pomiary.csv');
      await done;
      const csv = '\ufeff' + copied.mouse.trimEnd().split('\n').map((line) => line.replaceAll('\t', ';') + '\r\n').join('');
      assert.deepEqual(readFileSync(path.join(folder, 'pomiary.csv')), Buffer.from(csv, 'utf8'));
    } finally {
      rmSync(folder, { recursive: true, force: true });
    }
  });

  test('the plot is read by Left and Right as a slider, and saved as PNG at 2x for print', async () => {
    const { page, browser } = at;
    // A fresh page, so the panel starts closed.
    await page.goto(pathToFileURL(pagePath).href + '#v1;p80,0;n-80,0;mA40,0;mB-40,0');
    await page.reload();
    await page.waitForFunction(() => document.documentElement.dataset.ready === '1');
    await withCtrl(page, 'm');
    await page.click('#plot_button');
    assert.equal(await page.$eval('#PlotFrame', (f) => f.hidden), false);
    await page.focus('#line_plot');
    await page.keyboard.press('ArrowRight');
    for (let i = 0; i < 4; ++i) await page.keyboard.press('ArrowRight');
    const slider = () => page.$eval('#line_plot', (e) => [e.getAttribute('role'), e.getAttribute('aria-valuenow'),
      e.getAttribute('aria-valuemax'), e.getAttribute('aria-valuetext')]);
    assert.deepEqual((await slider()).slice(0, 3), ['slider', '4', '80']);
    assert.match((await slider())[3], /^s = 4,00, V = 14,107, E∥ = 5,9085$/);
    await page.keyboard.down('Shift');
    await page.keyboard.press('ArrowLeft');
    await page.keyboard.up('Shift');
    assert.equal((await slider())[1], '0');

    const folder = mkdtempSync(path.join(tmpdir(), 'ardenika-plot-'));
    try {
      const session = await browser.target().createCDPSession();
      await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder, eventsEnabled: true });
      const named = new Promise((resolve) => session.on('Browser.downloadWillBegin', (e) => resolve(e.suggestedFilename)));
      const done = new Promise((resolve) => session.on('Browser.downloadProgress', (e) => e.state === 'completed' && resolve()));
      await page.click('#save_plot_button');
      await page.click('#PlotFileTypes button:nth-child(3)');
      assert.equal(await named, 'wykres-2x.png');
      await done;
      const png = readFileSync(path.join(folder, 'wykres-2x.png'));
      // IHDR: the width and the height, twice the picture's 464 x 300.
      assert.deepEqual([png.readUInt32BE(16), png.readUInt32BE(20)], [928, 600]);
    } finally {
      rmSync(folder, { recursive: true, force: true });
    }
  });
});
