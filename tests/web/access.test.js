// The page without a mouse and for screen readers: axe-core's WCAG 2.0 and 2.1 A and AA rules and
// best practices in the states a user meets, the Tab order and names, and a keyboard-only run whose
// board equals the same steps done with the mouse.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { boardPixels, launch, openPage, readout, restart, usePage, violations } from './page.js';

const focused = (page) => page.evaluate(() => document.activeElement.id);

// Tab until the control has the focus.
async function tabTo(page, id) {
  for (let i = 0; i < 40 && (await focused(page)) !== id; ++i) await page.keyboard.press('Tab');
  assert.equal(await focused(page), id);
}

describe('the page for screen readers and the keyboard', () => {
  const at = usePage();

  test('axe finds nothing at start, after a picture, in each dialog, in the error box and on the end screen', async () => {
    const { page } = at;
    assert.deepEqual(await violations(page), []);
    await page.click('#dipole_button');
    await page.click('#colour_map_button');
    assert.deepEqual(await violations(page), []);
    // Alt alone reaches the bar on the title last focused. With a menu open Right goes on to the
    // next, and stops on "Pomiary" and "Koniec", which have none, then on the language menu's title; Left and Right wrap
    // round; Up opens a menu on its last item. Escape closes the dialog and gives the focus back to "Pomoc".
    for (const [title, keys, path] of [['potential_menu', ['ArrowDown', 'ArrowRight', 'ArrowRight', 'ArrowRight', 'ArrowRight', 'ArrowRight', 'ArrowDown'],
      ['colour_map_item', 'field_lines_item', 'measurements_item', 'end_item', 'language_menu', 'help_menu', 'description_item']],
      ['help_menu', ['ArrowRight', 'ArrowLeft', 'ArrowUp'], ['potential_menu', 'help_menu', 'about_item']]]) {
      await page.keyboard.press('Alt');
      assert.equal(await focused(page), title);
      const went = [];
      for (const key of keys) {
        await page.keyboard.press(key);
        went.push(await focused(page));
      }
      assert.deepEqual(went, path);
      await page.keyboard.press('Enter');
      assert.equal(await page.evaluate(() => document.activeElement.textContent), 'OK');
      assert.deepEqual(await violations(page), []);
      await page.keyboard.press('Escape');
      await page.waitForFunction(() => !document.querySelector('dialog[open]') && document.activeElement.id === 'help_menu');
      await page.evaluate(() => document.activeElement.blur());
    }
    // the dipole's two and twelve more fill the table; the next is refused in the error box
    await page.click('#add_positive_tool');
    await tabTo(page, 'board');
    for (let i = 0; i < 13; ++i) {
      await page.keyboard.press('Enter');
      await page.keyboard.down('Shift');
      await page.keyboard.press('ArrowDown');
      await page.keyboard.up('Shift');
    }
    const box = await page.$eval('#ErrorBox', (d) => ({ open: d.open, focus: document.activeElement.textContent }));
    assert.deepEqual(box, { open: true, focus: 'OK' });
    assert.deepEqual(await violations(page), []);
    await page.keyboard.press('Escape');
    assert.equal(await focused(page), 'board');
    await page.click('#end_item');
    assert.deepEqual(await violations(page), []);
  });

  test('Tab walks the menu bar, the panel in the order of the names table, then the board; each is named and toggles say pressed', async () => {
    const { page } = at;
    await restart(page);
    const table = await page.evaluate(() => JSON.parse(UTF8ToString(Module._ardenika_form_json())).controls
      .filter((c) => c.kind.endsWith('button') || c.kind === 'board').map((c) => [c.name, c.spoken]));
    const stops = [];
    for (let i = 0; i <= table.length; ++i) {
      await page.keyboard.press('Tab');
      const node = await page.accessibility.snapshot({ root: await page.evaluateHandle(() => document.activeElement) });
      stops.push([await focused(page), node.name, node.pressed ?? null]);
    }
    const toggles = ['add_positive_tool', 'add_negative_tool', 'capacitor_button', 'quadrupole_button', 'dipole_button', 'remove_tool', 'field_line_tool', 'equipotential_tool'];
    assert.deepEqual(stops, [['potential_menu', 'Potencjal', null],
      ...table.map(([id, name]) => [id, name, toggles.includes(id) ? false : null])]);
    assert.deepEqual(table.slice(0, 2).map((e) => e[1]), ['Dodaj ładunek dodatni', 'Dodaj ładunek ujemny']);
    assert.deepEqual(await page.$$eval('#add_positive_tool, #add_negative_tool', (bs) => bs.map((b) => b.title)), ['Dodaj ', 'Dodaj ']);
    await tabTo(page, 'add_negative_tool');
    await page.keyboard.press('Space');
    const node = await page.accessibility.snapshot({ root: await page.$('#add_negative_tool') });
    assert.equal(node.pressed, true);
  });
});

describe('the measurement panel for screen readers', () => {
  test('axe finds nothing with the panel open, points placed and a recorded row chosen, then with the plot, wide and on a phone (the panel below the board, no sideways scrolling)', async () => {
    const browser = await launch();
    try {
      for (const screen of [{}, { width: 390, height: 844, deviceScaleFactor: 3, hasTouch: true, isMobile: true }]) {
        const page = await openPage(browser, screen);
        await page.goto(page.url() + '#v1;p80,0;n-80,0;V;mA40,0;mB0,80');
        await page.reload();
        await page.waitForFunction(() => document.documentElement.dataset.ready === '1');
        await page.evaluate(() => ['measurements_item', 'measuring_tool', 'record_button', 'record_button'].forEach((id) => document.getElementById(id).click()));
        assert.equal(await page.$eval('#Announcer', (a) => a.textContent), 'Zapisano pomiar 2: punkt A, V = 16,667');
        await page.click('#recorded_table tbody tr');
        assert.equal(await page.$eval('#recorded_table', (t) => t.getAttribute('aria-activedescendant')), 'recorded_table_row0');
        assert.deepEqual(await violations(page), []);
        const placed = await page.evaluate(() => {
          const panel = document.getElementById('PanelFrame').getBoundingClientRect(), b = document.getElementById('board').getBoundingClientRect();
          return [document.scrollingElement.scrollWidth <= innerWidth, panel.right <= innerWidth, panel.top >= b.bottom];
        });
        assert.deepEqual(placed, [true, true, true]);
        // The plot beside or below the panel: its slider, its summary and its buttons.
        await page.click('#plot_button');
        await page.focus('#line_plot');
        await page.keyboard.press('ArrowRight');
        assert.deepEqual(await violations(page), []);
        assert.equal(await page.evaluate(() => document.scrollingElement.scrollWidth <= innerWidth), true);
        await page.close();
      }
    } finally {
      await browser.close();
    }
  });
});

// One run of the steps by keyboard only or by mouse only; the boards at each 'snapshot'.
const steps = [['press', 'dipole_button'], ['at', 230, 185], ['press', 'colour_map_button'], ['press', 'equipotentials_button'],
  ['menu', 'field_lines_item'], ['press', 'equipotential_tool'], ['click', 'Enter'], ['at', 150, 250], ['menu', 'field_line_item'],
  ['click', ' '], ['snapshot'], ['press', 'clear_button'], ['press', 'clear_button'], ['snapshot']];

async function byKeyboard(page, cursor, [kind, a, b]) {
  const keys = page.keyboard;
  if (kind === 'press') {
    await tabTo(page, a);
    await keys.press(a === 'clear_button' ? 'Enter' : 'Space');
  } else if (kind === 'menu') {
    const title = await page.$eval('#' + a, (e) => e.closest('.submenu').getAttribute('aria-labelledby'));
    // the bar's one Tab stop is the title last focused; the arrows go round to the menu
    await tabTo(page, await page.$eval('#menu_bar [role="menuitem"][tabindex="0"]', (e) => e.id));
    while ((await focused(page)) !== title) await keys.press('ArrowRight');
    await keys.press('ArrowDown');
    await keys.press('Escape');
    assert.deepEqual([await focused(page), await page.$eval('#' + title, (t) => t.getAttribute('aria-expanded'))], [title, 'false']);
    await keys.press('ArrowDown');
    while ((await focused(page)) !== a) await keys.press('ArrowDown');
    await keys.press('Enter');
    assert.equal(await focused(page), title);
  } else if (kind === 'at') {
    await tabTo(page, 'board');
    await keys.press('Home');
    for (const [delta, less, more] of [[a - 200, 'ArrowLeft', 'ArrowRight'], [b - 200, 'ArrowUp', 'ArrowDown']]) {
      const key = delta < 0 ? less : more;
      await keys.down('Shift');
      for (let i = 0; i < Math.floor(Math.abs(delta) / 10); ++i) await keys.press(key);
      await keys.up('Shift');
      for (let i = 0; i < Math.abs(delta) % 10; ++i) await keys.press(key);
    }
  } else if (kind === 'click') {
    await tabTo(page, 'board');
    await keys.press(a);
  }
}

async function byMouse(page, cursor, [kind, a, b]) {
  if (kind === 'press') return page.click('#' + a);
  if (kind === 'menu') {
    await page.click('#' + (await page.$eval('#' + a, (e) => e.closest('.submenu').getAttribute('aria-labelledby'))));
    return page.click('#' + a);
  }
  const r = await page.$eval('#board', (c) => { const b = c.getBoundingClientRect(); return [b.left, b.top]; });
  if (kind === 'at') { cursor.x = a; cursor.y = b; }
  const x = r[0] + cursor.x + 0.5, y = r[1] + cursor.y + 0.5;
  return kind === 'at' ? page.mouse.move(x, y) : page.mouse.click(x, y);
}


async function runAll(page, way) {
  const boards = [], readouts = [], cursor = {};
  for (const step of steps) {
    if (step[0] === 'snapshot') boards.push(await boardPixels(page));
    else await way(page, cursor, step);
    if (step[0] === 'at') readouts.push(await readout(page));
  }
  return { boards, readouts };
}

describe('the board by keyboard only', () => {
  const at = usePage();

  test('the dipole, the cursor to a pixel, each picture, a line in both click modes and two clears: the mouse\'s board, no pointer event', async () => {
    const { page } = at;
    await restart(page);
    const mouse = await runAll(page, byMouse);
    await restart(page);
    await page.evaluate(() => {
      window.pointerEvents = [];
      for (const type of ['pointerdown', 'pointermove', 'pointerup', 'mousedown', 'mousemove', 'touchstart', 'wheel']) {
        window.addEventListener(type, (e) => window.pointerEvents.push(e.type), true);
      }
    });
    const keyboard = await runAll(page, byKeyboard);
    assert.deepEqual(await page.evaluate(() => window.pointerEvents), []);
    assert.deepEqual(keyboard.readouts.map((r) => r.slice(0, 2)), [['X = 30', 'Y = 15'], ['X = -50', 'Y = -50']]);
    assert.deepEqual(keyboard.readouts, mouse.readouts);
    assert.notDeepEqual(keyboard.boards[0], keyboard.boards[1]);
    assert.ok(keyboard.boards.every((board, i) => board.every((p, j) => p === mouse.boards[i][j])), 'the boards differ');
  });

  test('the cursor is shown over the focused board only, and the readout is said at most twice a second', async () => {
    const { page } = at;
    await restart(page);
    await tabTo(page, 'board');
    await page.evaluate(() => {
      window.said = [];
      new MutationObserver(() => window.said.push(performance.now())).observe(document.getElementById('Readout'), { childList: true });
    });
    for (let i = 0; i < 30; ++i) await page.keyboard.press('ArrowRight');
    await new Promise((resolve) => setTimeout(resolve, 600));
    const shown = await page.evaluate(() => {
      const board = document.getElementById('board').getBoundingClientRect();
      const mark = document.getElementById('BoardCursor').getBoundingClientRect();
      const times = window.said;
      return { at: [mark.left - board.left + 4, mark.top - board.top + 4], said: document.getElementById('Readout').textContent,
        gaps: times.slice(1).every((t, i) => t - times[i] >= 450) };
    });
    assert.deepEqual(shown, { at: [230, 200], said: 'X = 30, Y = 0, ' + (await readout(page)).slice(2).map((t) => t.replace(/\s+/g, ' ')).join(', '), gaps: true });
    await page.keyboard.press('Tab');
    assert.equal(await page.$eval('#BoardCursor', (c) => getComputedStyle(c).display), 'none');
  });
});
