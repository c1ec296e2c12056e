// The page against the desktop build: the same scenarios (scenarios.txt) give the same board
// pixels, readout texts, pressed toggles and grids. The desktop side is written by the native
// program board_reference into the folder ARDENIKA_REFERENCE names.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, existsSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { boardPoint, boardRgb, restart, usePage } from './page.js';

const here = path.dirname(fileURLToPath(import.meta.url));
const reference = process.env.ARDENIKA_REFERENCE;
const scenarios = readFileSync(path.join(here, 'scenarios.txt'), 'utf8').split('\n')
  .map((line) => line.trim().split(/\s+/)).filter((words) => words[0] && !words[0].startsWith('#'))
  .map(([name, ...steps]) => ({ name, steps }));

// Runs one step as a user does it: a menu item through its opened menu, a board step with the
// pointer (mouse or finger) at the pixel's page point.
// A press (^) and a release (_) make a drag, a finger's or the mouse's.
async function runStep(page, step, finger) {
  const kind = step[0];
  if (!'@~^_'.includes(kind)) {
    const menu = await page.$eval('#' + step, (e) => e.closest('.submenu')?.getAttribute('aria-labelledby') ?? null);
    if (menu) await page.click('#' + menu);
    await page.click('#' + step);
    return;
  }
  const [column, row] = step.slice(1).split(',').map(Number);
  const { x, y } = await boardPoint(page, column, row);
  if (finger && kind !== '@') {
    const touch = { '^': 'touchStart', '~': 'touchMove', _: 'touchEnd' }[kind];
    if (kind === '~' && !page.touching) return page.mouse.move(x, y);
    page.touching = kind !== '_';
    await (kind === '_' ? page.touchscreen.touchEnd() : page.touchscreen[touch](x, y));
  } else if (kind === '~') {
    await page.mouse.move(x, y);
  } else if (kind === '^') {
    await page.mouse.move(x, y);
    await page.mouse.down();
  } else if (kind === '_') {
    await page.mouse.move(x, y);
    await page.mouse.up();
  } else if (finger) {
    await page.touchscreen.tap(x, y);
  } else {
    await page.mouse.click(x, y);
  }
  // a dragged charge is redrawn at the next displayed frame
  await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => done())));
}

async function state(page) {
  return page.evaluate(() => {
    const labels = JSON.parse(UTF8ToString(Module._ardenika_form_json())).names.readout.map((id) => document.getElementById(id).textContent);
    const pressed = [...document.querySelectorAll('[aria-pressed="true"]')].map((b) => b.id);
    return { labels, pressed, digest: Ardenika.gridsDigest() };
  });
}

function expected(name) {
  const [l1, l2, l3, l4, l5, pressed, digest, setup] = readFileSync(path.join(reference, name + '.txt'), 'utf8').split('\n');
  return {
    board: readFileSync(path.join(reference, name + '.rgb')),
    state: { labels: [l1, l2, l3, l4, l5], pressed: pressed.split(' ').filter(Boolean).sort(), digest },
    address: setup === 'v1' ? '' : '#' + setup,
    plot: existsSync(path.join(reference, name + '.svg')) ? readFileSync(path.join(reference, name + '.svg'), 'utf8') : null,
  };
}

function firstDifference(a, b) {
  for (let i = 0; i < a.length; i += 3) {
    if (a[i] !== b[i] || a[i + 1] !== b[i + 1] || a[i + 2] !== b[i + 2]) {
      const p = i / 3;
      return `pixel (${p % 401}, ${Math.floor(p / 401)}): page ${[...a.subarray(i, i + 3)]}, desktop ${[...b.subarray(i, i + 3)]}`;
    }
  }
  return null;
}

for (const [title, options, finger] of [
  ['by mouse at ratio 1', {}, false],
  ['by finger at ratio 2', { deviceScaleFactor: 2, hasTouch: true }, true],
]) {
  describe(`the page equals the desktop, ${title}`, () => {
    const at = usePage(options);

    test('the desktop reference is there', () => {
      assert.ok(reference && existsSync(path.join(reference, 'start.rgb')),
        'ARDENIKA_REFERENCE must name the folder that board_reference wrote (scripts/test.sh does it)');
    });

    for (const { name, steps } of scenarios) {
      // The finger's run takes the scenarios with board clicks; the mouse takes them all.
      if (finger && !steps.some((s) => s.startsWith('@') || s.startsWith('^'))) continue;
      test(name, { skip: !reference }, async () => {
        const { page } = at;
        await restart(page);
        for (const step of steps) await runStep(page, step, finger);
        const want = expected(name);
        const board = await boardRgb(page);
        assert.equal(firstDifference(board, want.board), null);
        const got = await state(page);
        got.pressed.sort();
        assert.deepEqual(got, want.state);
        // The address is the desktop's setup, and a page opened at it shows the same board.
        const address = await page.evaluate(() => location.hash);
        assert.equal(decodeURI(address), want.address);
        // The plot is the desktop's picture; its segment on the board is not in the address.
        if (want.plot !== null) {
          assert.equal(await page.$eval('#line_plot', (e) => e.dataset.svg), want.plot);
          return;
        }
        if (finger || !address) return;
        const opened = await at.browser.newPage();
        try {
          await opened.goto(await page.evaluate(() => location.href));
          await opened.waitForFunction(() => document.documentElement.dataset.ready === '1', { timeout: 20000 });
          assert.equal(firstDifference(await boardRgb(opened), want.board), null);
        } finally {
          await opened.close();
        }
      });
    }
  });
}

describe('a dragged charge whose field lines the page\'s worker traces', () => {
  const at = usePage();
  const open = (page, setup) => page.evaluate((text) => Module.ccall('ardenika_open_setup', 'boolean', ['string'], [text]), setup);
  const frameShown = (page) => page.evaluate(async () => {
    await new Promise((done) => requestAnimationFrame(() => setTimeout(done, 0)));
    while (LineWorker.waiting()) await new Promise((done) => setTimeout(done, 1));
  });

  test('shows at each frame the board its setup opens to, and one released before the lines come ends with them', async () => {
    const { page } = at;
    await page.waitForFunction(() => LineWorker.ready(), { timeout: 20000 });
    const start = 'v1;p80,0;n-80,0;n0,60;V;E;F';
    assert.ok(await open(page, start));
    const from = await boardPoint(page, 280, 200);
    await page.mouse.move(from.x, from.y);
    await page.mouse.down();
    const byWorker = await page.evaluate(() => LineWorker.finished());
    for (const [column, row] of [[290, 190], [300, 160], [330, 120]]) {
      const to = await boardPoint(page, column, row);
      await page.mouse.move(to.x, to.y);
      await frameShown(page);
      const shown = await boardRgb(page);
      await page.mouse.up();
      const setup = await page.evaluate(() => location.hash.slice(1));
      assert.equal(setup, `v1;p${column - 200},${200 - row};n-80,0;n0,60;V;E;F`);
      assert.ok(await open(page, setup));
      assert.equal(firstDifference(shown, await boardRgb(page)), null, setup);
      if (row === 120) break;
      assert.ok(await open(page, start));
      await page.mouse.move(from.x, from.y);
      await page.mouse.down();
    }
    assert.equal(await page.evaluate(() => LineWorker.finished()) - byWorker, 3, 'every frame drawn with the worker\'s lines');

    // The release reaches the program while the frame waits: it is finished here first.
    assert.ok(await open(page, start));
    const to = await boardPoint(page, 250, 250);
    const waited = await page.evaluate(({ from, to }) => {
      const board = document.getElementById('board');
      const send = (type, { x, y }) => board.dispatchEvent(new PointerEvent(type, { bubbles: true, isPrimary: true,
        button: 0, pointerId: 1, clientX: x, clientY: y }));
      send('pointerdown', from);
      send('pointermove', to);
      LineWorker.frame();
      const waiting = LineWorker.waiting();
      send('pointerup', to);
      return waiting && !LineWorker.waiting();
    }, { from, to });
    assert.ok(waited, 'the frame waited for its lines until the release');
    const shown = await boardRgb(page);
    const setup = await page.evaluate(() => location.hash.slice(1));
    assert.equal(setup, 'v1;p50,-50;n-80,0;n0,60;V;E;F');
    assert.ok(await open(page, setup));
    assert.equal(firstDifference(shown, await boardRgb(page)), null);
  });

  test('shows a move\'s readout with the board of its frame, not before', async () => {
    const { page } = at;
    await page.waitForFunction(() => LineWorker.ready(), { timeout: 20000 });
    assert.ok(await open(page, 'v1;p80,0;n-80,0;V;E;F'));
    // Held three pixels off the charge's centre, the pointer reads the field next to it.
    const [from, moving, to] = await Promise.all([[283, 200], [293, 190], [303, 170]].map(([c, r]) => boardPoint(page, c, r)));
    await page.mouse.move(from.x, from.y);
    await page.mouse.down();
    await page.mouse.move(moving.x, moving.y);
    await frameShown(page);
    // What a move has changed on the page once handled, and then once its frame is shown.
    await page.evaluate(() => {
      const records = [];
      const watch = new MutationObserver((taken) => records.push(...taken));
      watch.observe(document.body, { subtree: true, childList: true, characterData: true });
      window.watched = { watch, records, handled: null };
      document.getElementById('board').addEventListener('pointermove', () => {
        window.watched.handled ??= records.length + watch.takeRecords().length;
      });
    });
    await page.mouse.move(to.x, to.y);
    await frameShown(page);
    const seen = await page.evaluate(() => {
      const { watch, records, handled } = window.watched;
      records.push(...watch.takeRecords());
      watch.disconnect();
      return { handled, readout: records.filter((r) => r.target.classList?.contains('label')).length };
    });
    await page.mouse.up();
    assert.equal(seen.handled, 0, 'the page is as it was until the frame');
    assert.ok(seen.readout >= 3, 'V, Ex and Ey follow the charge with its frame');
  });
});
