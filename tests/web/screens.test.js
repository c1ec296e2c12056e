// The page on every screen: every control in reach at every size and zoom, the board on whole device
// pixels, the pointer and the keyboard cursor on their pixel at any scale, paper, the first command.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { boardPoint, launch, openPage, pagePath, usePage } from './page.js';

// width, height, ratio (a browser zoom divides the CSS size by it), CSS around the page, then the
// layout, device pixels per board pixel and whether the board starts on a device pixel
const screens = [[320, 480, 1, '', 'narrow', 1, true], [390, 844, 1, '', 'narrow', 1, true], [360, 740, 1, '', 'narrow', 1, true],
  [390, 844, 3, '', 'narrow', 2, true], [1024, 768, 1, '', 'wide', 1, true], [1366, 768, 1, '', 'wide', 1, true],
  [1920, 1080, 1, '', 'wide', 2, true], [3840, 2160, 1, '', 'wide', 4, true], [683, 384, 2, '', 'wide', 2, true],
  [2732, 1536, 0.5, '', 'wide', 1, true], [342, 192, 4, '', 'narrow', 3, true], [1536, 864, 1.25, '', 'wide', 2, true],
  [1280, 720, 1.5, '', 'wide', 2, true], [1024, 768, 1, 'html { zoom: 2 }', 'wide', 2, true],
  [1100, 800, 1, '#stage { transform: translate(13.3px, 7px) scale(1.7); transform-origin: 0 0 }', 'wide', 1.7, false]];

// In the page: the layout, the board's device pixels, whether it starts on one, and each control
// (menus and boxes opened) at negative page coordinates, in a box beyond the screen, or, scrolled
// into view, not what is found at its centre.
async function measured(css) {
  const bad = [], ratio = devicePixelRatio;
  const style = document.getElementById('probe') || document.head.appendChild(document.createElement('style'));
  Object.assign(style, { id: 'probe', textContent: css });
  const reach = (e) => {
    const r = e.getBoundingClientRect(), box = e.closest('dialog');
    if (box === e ? r.right > innerWidth || r.bottom > innerHeight || r.left < 0 || r.top < 0
      : !box && (r.left + scrollX < 0 || r.top + scrollY < 0)) bad.push(e.id || 'a box');
    e.scrollIntoView({ block: 'center', inline: 'center' });
    const s = e.getBoundingClientRect();
    if (!e.contains(document.elementFromPoint(s.left + s.width / 2, s.top + s.height / 2))) bad.push(e.id || e.textContent);
  };
  const all = (scope) => scope.querySelectorAll('button, canvas[tabindex], progress, .text').forEach((e) => e.checkVisibility() && reach(e));
  all(document.getElementById('window'));
  document.querySelectorAll('.menu > button').forEach((title) => { title.click(); all(title.nextElementSibling); title.click(); });
  for (const open of [() => Ardenika.openDialog('description'), () => Ardenika.openDialog('about'), () => Ardenika.showError('!')]) {
    open();
    const box = document.querySelector('dialog[open]');
    reach(box);
    all(box);
    // closed, it gives the focus back where it found it; the board takes it again after
    await new Promise((done) => { box.addEventListener('close', done, { once: true }); box.close(); });
  }
  scrollTo(0, 0);
  board.focus();
  const b = board.getBoundingClientRect();
  return [document.documentElement.classList.contains('narrow') ? 'narrow' : 'wide', Math.round(b.width * ratio / 401 * 1000) / 1000,
    [b.left, b.top].every((v) => Math.abs(v * ratio - Math.round(v * ratio)) < 0.01), bad];
}

describe('the page on every screen', () => {
  const at = usePage();

  test('every control, menu item and box is in reach, the board on whole device pixels, pointer and cursor on theirs', async () => {
    const { page } = at;
    for (let i = 0; i < 40 && (await page.evaluate(() => document.activeElement.id)) !== 'board'; ++i) await page.keyboard.press('Tab');
    const found = [];
    for (const [width, height, deviceScaleFactor, css] of screens) {
      await page.setViewport({ width, height, deviceScaleFactor });
      await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
      const row = [width, height, deviceScaleFactor, css, ...(await page.evaluate(measured, css))];
      for (const [x, y] of [[0, 0], [400, 400], [250, 37]]) {
        const p = await boardPoint(page, x, y);
        await page.evaluate((px, py) => scrollBy(px - innerWidth / 2, py - innerHeight / 2), p.x, p.y);
        await boardPoint(page, x, y).then((q) => page.mouse.move(q.x, q.y));
        row.push(await page.evaluate(() => {
          const b = board.getBoundingClientRect(), c = BoardCursor.getBoundingClientRect();
          const at = [c.left + c.right - 2 * b.left, c.top + c.bottom - 2 * b.top].map((v) => Math.floor(v / 2 / b.width * 401));
          const [x, y] = JSON.parse(UTF8ToString(Module._ardenika_form_json())).names.readout.map((id) => document.getElementById(id).textContent);
          return `${x} ${y} at ${at}`;
        }));
      }
      found.push(row);
    }
    const readouts = ['X = -200 Y = 200 at 0,0', 'X = 200 Y = -200 at 400,400', 'X = 50 Y = 163 at 250,37'];
    assert.deepEqual(found, screens.map((s) => [...s, [], ...readouts]));
  });

  // A phone's browser widens its layout to whatever overflows the screen: the window must fit the
  // screen it is on, not the layout it widened.
  test('on a phone the page never scrolls sideways, the board at the most whole device pixels that fit', async () => {
    const browser = await launch();
    try {
      const found = [];
      for (const [width, height, deviceScaleFactor] of [[390, 844, 3], [360, 740, 3], [360, 740, 4], [320, 480, 2]]) {
        const page = await openPage(browser, { width, height, deviceScaleFactor, hasTouch: true, isMobile: true });
        found.push([width, height, deviceScaleFactor, ...(await page.evaluate(() => {
          const screenWidth = visualViewport.width * visualViewport.scale;
          const steps = Math.round(board.getBoundingClientRect().width * devicePixelRatio / 401 * 1000) / 1000;
          const frame = document.getElementById('window').getBoundingClientRect().width;
          return [document.scrollingElement.scrollWidth <= screenWidth, steps, frame / steps * (steps + 1) > screenWidth];
        }))]);
        await page.close();
      }
      assert.deepEqual(found, [[390, 844, 3, true, 2, true], [360, 740, 3, true, 2, true], [360, 740, 4, true, 3, true],
        [320, 480, 2, true, 1, true]]);
    } finally {
      await browser.close();
    }
  });

  test('on paper: the board alone, 12 cm wide and pixel for pixel, and the lines that say what it shows', async () => {
    const { page } = at;
    await page.click('#dipole_button');
    await page.click('#colour_map_button');
    await page.emulateMediaType('print');
    await page.waitForFunction(() => document.querySelector('#print canvas'));
    // printing fills the paper afresh, with what was drawn since
    await page.$eval('#equipotentials_button', (b) => b.click());
    await page.pdf();
    const printed = await page.evaluate(() => {
      const board = document.getElementById('board').getContext('2d').getImageData(0, 0, 401, 401).data, paper = document.querySelector('#print canvas');
      const big = paper.getContext('2d').getImageData(0, 0, paper.width, paper.height).data, n = paper.width / 401;
      return [[...document.body.querySelectorAll('*')].filter((e) => e.checkVisibility() && !e.closest('#print')).length,
        Math.round(paper.getBoundingClientRect().width / 96 * 2.54 * 10) / 10,
        board.filter((v, i) => v !== big[4 * n * (Math.floor((i >> 2) / 401) * n * 401 + (i >> 2) % 401) + (i & 3)]).length,
        [...document.querySelectorAll('#print p')].map((p) => p.textContent).join('\n')];
    });
    await page.emulateMediaType(null);
    assert.deepEqual(printed, [0, 12, 0,
      'Ardenika\nŁadunki (x, y, znak): 80, 0, 1; -80, 0, -1\nNarysowano: mapa potencjału, linie ekwipotencjalne']);
  });

  test('the benchmark reports start-up, the first command against later ones and each pass of a drag frame, slowed and not', () => {
    const env = { ...process.env, ARDENIKA_HTML: pagePath, ARDENIKA_CPU_SLOWDOWNS: '1,2' };
    const out = execFileSync(process.execPath, ['bench.js', '3'], { cwd: new URL('.', import.meta.url), env }).toString();
    const rows = ['start-up to the first answer, median of 5', 'first command/draw_colour_map/14 after start-up, median of 5',
      'times the median of the later ones', 'command/draw_colour_map/14', 'drag/14 frame', 'charges on the empty board',
      'potential grid', 'colour map', 'equipotential family', 'field lines', 'copy to the screen',
      'drag/14 frame, the field lines traced on the worker', 'the page drawing all but the lines'];
    for (const row of rows) assert.match(out, new RegExp(`^ *${row.replace(/\//g, '\\/')} +\\d+\\.\\d\\d +\\d+\\.\\d\\d$`, 'm'), out);
    assert.match(out, /^page .*: \d+ bytes$/m);
  });
});
