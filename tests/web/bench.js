// The page benchmark: in headless Chromium, the 14-charge case (the capacitor with +1 at (0, 40)
// and -1 at (0, -40)), on the processor as it is and slowed as DevTools does it (4 and 6 times
// by default). For each it prints, in milliseconds: start-up (from the page's navigation to its
// first answer to input), the first colour map after start-up (once the page has readied itself
// while idle, as it does before a user's first click) against the median of later ones, the
// medians of the three automatic picture commands clicked from stale grids, and the median frame
// of a dragged charge with the map and both families drawn, with the median of each of its
// passes; the boards shown a second while the charge is held and moved at every displayed frame;
// and the same frame with the measurement panel open and eight measuring points placed,
// with the cost of mirroring the panel (its JSON built and the page's elements updated). Then the
// page's size.
// Usage: node bench.js [repetitions]   (ARDENIKA_HTML names the page, as for the tests;
// ARDENIKA_CPU_SLOWDOWNS=1,4,6 the slowdowns)
import { launch, openPage, pagePath } from './page.js';
import { statSync } from 'node:fs';
import { pathToFileURL } from 'node:url';

const repetitions = Number(process.argv[2] || 21);
const slowdowns = (process.env.ARDENIKA_CPU_SLOWDOWNS || '1,4,6').split(',').map(Number);
const loads = 5;
const heldSeconds = 3;

const median = (values) => {
  const sorted = values.filter((v) => v !== undefined).sort((a, b) => a - b);
  return sorted.length ? sorted[sorted.length >> 1] : undefined;
};

// The frame's passes from the marks the program notes (what, value, ms; see FrameMark in
// web/main.cpp): each pass of the grids and pictures resets the progress bar, gives it a maximum
// and resets it when done; the field lines end with the board's last change.
const START = 0, BAR_ZERO = 1, BAR_MAX = 2, BOARD_CHANGED = 3, LOGIC_DONE = 4, MIRRORED = 5, PANEL_START = 6, PANEL_DONE = 7, PLOT_DONE = 8;
// The time from the panel's mirroring begun to its end, in one frame's marks.
function panelPass(marks, end = PANEL_DONE) {
  const start = marks.find((m) => m[0] === PANEL_START), done = marks.find((m) => m[0] === end);
  return start && done ? done[2] - start[2] : undefined;
}
function framePasses(marks, shownAt) {
  const at = (what) => marks.filter((m) => m[0] === what);
  const maxima = at(BAR_MAX);
  const zeroAfter = (t) => at(BAR_ZERO).find((m) => m[2] > t)?.[2];
  const [start] = at(START), [logic] = at(LOGIC_DONE), [mirrored] = at(MIRRORED);
  const changes = at(BOARD_CHANGED);
  if (!start || !logic || !mirrored || maxima.length !== 3 || maxima.map((m) => m[1]).join() !== '400,400,50' ||
      !changes.length || shownAt === undefined) return null;
  const [grids, map, family] = maxima.map((m) => [m[2], zeroAfter(m[2])]);
  const lastChange = changes[changes.length - 1][2];
  return {
    'charges on the empty board': grids[0] - start[2],
    'potential grid': grids[1] - grids[0],
    'colour map': map[1] - map[0],
    'equipotential family': family[1] - family[0],
    'field lines': lastChange - family[1],
    'readout': logic[2] - lastChange,
    'copy to the screen': shownAt - logic[2],
    'controls mirrored': mirrored[2] - shownAt,
  };
}

// Start-up: navigation to the page's first answer, the median of several loads.
async function startUp(browser, slowdown) {
  const page = await browser.newPage();
  if (slowdown > 1) await page.emulateCPUThrottling(slowdown);
  await page.evaluateOnNewDocument(() => {
    new MutationObserver((_, observer) => {
      if (document.documentElement.dataset.ready !== '1') return;
      window.readyAt = performance.now();
      observer.disconnect();
    }).observe(document, { attributes: true, subtree: true, attributeFilter: ['data-ready'] });
  });
  const times = [];
  for (let i = 0; i < loads; ++i) {
    await page.goto(pathToFileURL(pagePath).href);
    await page.waitForFunction(() => window.readyAt !== undefined, { timeout: 60000 });
    times.push(await page.evaluate(() => window.readyAt));
  }
  await page.close();
  return median(times);
}

// The board of the 14-charge case on a page readied while idle; a user's clicks that place two
// charges take a second at least, which the page has to itself here.
const placeCharges = `
  var click = (id) => document.getElementById(id).click();
  var board = document.getElementById('board');
  var r = board.getBoundingClientRect();
  var pointer = (type, x, y) => board.dispatchEvent(new PointerEvent(type, { bubbles: true, isPrimary: true,
    button: 0, pointerId: 1, clientX: r.left + x + 200 + 0.5, clientY: r.top + 200 - y + 0.5 }));
  // A board click at board point (x, y) as the pointer gives it.
  var at = (x, y) => { for (const type of ['pointermove', 'pointerdown', 'pointerup']) pointer(type, x, y); };
  var timed = (id) => { const t = performance.now(); click(id); return performance.now() - t; };
  click('capacitor_button');
  click('add_positive_tool'); at(0, 40);
  click('add_negative_tool'); at(0, -40);`;
async function readiedPage(browser, slowdown) {
  const page = await openPage(browser, { cpuSlowdown: slowdown });
  await page.waitForFunction(() => document.documentElement.dataset.prepared === '1', { timeout: 60000 });
  await new Promise((resolve) => setTimeout(resolve, 1000));
  await page.evaluate(placeCharges);
  // The user's next click comes a moment later too; until then the browser finishes what placing
  // the charges set going on the processor's other core (drawing the page, compiling scripts).
  await new Promise((resolve) => setTimeout(resolve, 1000));
  return page;
}

// drag/14 with the field lines traced on the page's worker while the page's thread draws the rest:
// each frame from its start to the board shown, and the page's own share of it. DevTools slows the
// page's thread alone, so the worker stands in for a slowed processor by taking that many times as
// long as it did (LineWorker.slowTo). None on a page without the worker.
async function workerDrag(browser, slowdown) {
  const page = await readiedPage(browser, slowdown);
  const frames = await page.evaluate(async (n, slowdown) => {
    if (typeof LineWorker === 'undefined') return [];
    await new Promise((resolve) => { const wait = () => (LineWorker.ready() ? resolve() : setTimeout(wait, 20)); wait(); });
    LineWorker.slowTo(slowdown);
    click('colour_map_button'); click('equipotentials_button'); click('field_lines_button');
    const show = Ardenika.showBoard;
    let shown = null;
    Ardenika.showBoard = function () { show.apply(this, arguments); if (shown) shown(performance.now()); };
    const frames = [];
    pointer('pointerdown', 0, 40);
    for (let i = 0; i < n; ++i) {
      pointer('pointermove', 20 + i, 60 - i);
      // the frame the move asks for is drawn first, lines and all; the next is timed
      await new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0)));
      while (LineWorker.waiting()) await new Promise((resolve) => setTimeout(resolve, 1));
      pointer('pointermove', 21 + i, 59 - i);
      const start = performance.now();
      const shownAt = await new Promise((resolve) => { shown = resolve; LineWorker.frame(); });
      shown = null;
      frames.push({ total: shownAt - start, own: shownAt - start - LineWorker.lastWait(), trace: LineWorker.lastTrace(), begin: LineWorker.lastBegin() });
    }
    pointer('pointerup', 20 + n, 60 - n);
    Ardenika.showBoard = show;
    return frames;
  }, repetitions, slowdown);
  await page.close();
  return { workerDrag: median(frames.map((f) => f.total)), workerOwn: median(frames.map((f) => f.own)), workerTrace: median(frames.map((f) => f.trace)), workerBegin: median(frames.map((f) => f.begin)) };
}

// drag/14 as a hand makes it: a move at every displayed frame for a few seconds, with the worker
// standing in for a slowed processor as above. Each frame's own time leaves out what the page's
// thread does between frames (the move's handler, the page laid out and painted), which a held drag
// also waits for; so the boards shown a second, and the median time from one to the next.
async function heldDrag(browser, slowdown) {
  const page = await readiedPage(browser, slowdown);
  const result = await page.evaluate(async (seconds, slowdown) => {
    if (typeof LineWorker !== 'undefined') {
      await new Promise((resolve) => { const wait = () => (LineWorker.ready() ? resolve() : setTimeout(wait, 20)); wait(); });
      LineWorker.slowTo(slowdown);
    }
    click('colour_map_button'); click('equipotentials_button'); click('field_lines_button');
    const shown = [];
    const show = Ardenika.showBoard;
    Ardenika.showBoard = function () { show.apply(this, arguments); shown.push(performance.now()); };
    pointer('pointerdown', 0, 40);
    const start = performance.now();
    let i = 0;
    await new Promise((resolve) => {
      const move = () => {
        if (performance.now() - start > seconds * 1000) return resolve();
        pointer('pointermove', 20 + (i % 40), 60 - (i % 40));
        ++i;
        requestAnimationFrame(move);
      };
      requestAnimationFrame(move);
    });
    const elapsed = performance.now() - start;
    pointer('pointerup', 20, 60);
    Ardenika.showBoard = show;
    const gaps = shown.slice(1).map((t, k) => t - shown[k]);
    return { perSecond: (shown.length * 1000) / elapsed, gaps };
  }, heldSeconds, slowdown);
  await page.close();
  return { heldPerSecond: result.perSecond, heldGap: median(result.gaps) };
}

// The first colour map after start-up, the median over several loads.
async function firstCommand(browser, slowdown) {
  const times = [];
  for (let i = 0; i < loads; ++i) {
    const page = await readiedPage(browser, slowdown);
    times.push(await page.evaluate(() => timed('colour_map_button')));
    await page.close();
  }
  return median(times);
}

async function measure(browser, slowdown) {
  const page = await readiedPage(browser, slowdown);
  const result = await page.evaluate((n) => {
    const middle = (values) => values.sort((a, b) => a - b)[values.length >> 1];
    const commandMedian = (id) => {
      const times = [];
      for (let i = 0; i < n; ++i) {
        click('equipotential_tool'); // pressed on fresh grids it only marks them stale
        times.push(timed(id));
      }
      return middle(times);
    };
    const result = { colour_map_button: commandMedian('colour_map_button'), equipotentials_button: commandMedian('equipotentials_button'),
      field_lines_button: commandMedian('field_lines_button'), frames: [] };
    // drag/14: frames of the charge at (0, 40) dragged with the map and both families drawn.
    click('colour_map_button'); click('equipotentials_button'); click('field_lines_button');
    let shownAt;
    const show = Ardenika.showBoard;
    Ardenika.showBoard = function () { show.apply(this, arguments); shownAt = performance.now(); };
    const timedFrame = Module._ardenika_timed_frame;
    // Drags the charge from board point (x, y) through n frames, each moved one pixel on.
    const drag = (x, y, frames) => {
      pointer('pointerdown', x, y);
      for (let i = 0; i < n; ++i) {
        pointer('pointermove', x + 20 + i, y + 20 - i);
        shownAt = undefined;
        const t = performance.now();
        const from = timedFrame ? timedFrame() >> 3 : (Module._ardenika_frame(), 0);
        const total = performance.now() - t;
        const marks = [];
        for (let k = from; from && HEAPF64[k] !== -1; k += 3) marks.push([HEAPF64[k], HEAPF64[k + 1], HEAPF64[k + 2]]);
        frames.push({ total, marks, shownAt });
      }
      pointer('pointerup', x + 20 + n, y + 20 - n);
    };
    drag(0, 40, result.frames);
    // The panel open with eight points along the bottom, its values following the charge.
    result.panelFrames = [];
    if (document.getElementById('measurements_item')) {
      click('measurements_item');
      // the open panel moves the board on the page
      r = board.getBoundingClientRect();
      click('measuring_tool');
      for (let i = 0; i < 8; ++i) at(-140 + 40 * i, -150);
      click('measuring_tool');
      drag(20 + n, 60 - n, result.panelFrames);
      // and the plot between A and B beside it, following the charge too
      result.plotFrames = [];
      if (document.getElementById('plot_button')) {
        click('plot_button');
        r = board.getBoundingClientRect();
        drag(40 + 2 * n, 80 - 2 * n, result.plotFrames);
      }
    }
    Ardenika.showBoard = show;
    return result;
  }, repetitions);
  await page.close();
  const passes = result.frames.map((f) => framePasses(f.marks, f.shownAt));
  const names = passes[0] ? Object.keys(passes[0]) : [];
  return {
    colour_map_button: result.colour_map_button,
    equipotentials_button: result.equipotentials_button,
    field_lines_button: result.field_lines_button,
    drag: median(result.frames.map((f) => f.total)),
    panelDrag: median(result.panelFrames.map((f) => f.total)),
    panel: median(result.panelFrames.map((f) => panelPass(f.marks))),
    plotDrag: median((result.plotFrames || []).map((f) => f.total)),
    plot: median((result.plotFrames || []).map((f) => panelPass(f.marks, PLOT_DONE))),
    passes: Object.fromEntries(names.map((name) => [name, median(passes.map((p) => p?.[name]))])),
  };
}

const browser = await launch();
try {
  const columns = [];
  for (const slowdown of slowdowns) {
    columns.push({ slowdown, startUp: await startUp(browser, slowdown), first: await firstCommand(browser, slowdown),
      ...(await measure(browser, slowdown)), ...(await workerDrag(browser, slowdown)), ...(await heldDrag(browser, slowdown)) });
  }
  const ms = (v) => (v === undefined ? '-' : v.toFixed(2));
  const rows = [
    ['start-up to the first answer, median of ' + loads, (c) => ms(c.startUp)],
    [`first command/draw_colour_map/14 after start-up, median of ${loads}`, (c) => ms(c.first)],
    ['  times the median of the later ones', (c) => (c.first / c.colour_map_button).toFixed(2)],
    // Named as the desktop's benchmarks name the handler each button runs.
    ...[['colour_map_button', 'draw_colour_map'], ['equipotentials_button', 'draw_equipotential_family'],
      ['field_lines_button', 'draw_field_line_family']].map(([id, handler]) => [`command/${handler}/14`, (c) => ms(c[id])]),
    ['drag/14 frame', (c) => ms(c.drag)],
    ...Object.keys(columns[0].passes).map((name) => ['  ' + name, (c) => ms(c.passes[name])]),
    ['drag/14 frame, the field lines traced on the worker', (c) => ms(c.workerDrag)],
    ['  the page\'s thread busy (the rest: waiting for the worker)', (c) => ms(c.workerOwn)],
    ['  the worker tracing, before it stands in for a slowed processor', (c) => ms(c.workerTrace)],
    ['  the page drawing all but the lines', (c) => ms(c.workerBegin)],
    [`drag/14 held for ${heldSeconds} s, a move every displayed frame: boards shown a second`, (c) => c.heldPerSecond.toFixed(1)],
    ['  the median time from one board shown to the next', (c) => ms(c.heldGap)],
    ['drag/14 frame, the measurement panel open, 8 points', (c) => ms(c.panelDrag)],
    ['  measurement panel mirrored (JSON and page)', (c) => ms(c.panel)],
    ['drag/14 frame, the panel and the plot open', (c) => ms(c.plotDrag)],
    ['  panel and plot mirrored (JSON, SVG and page)', (c) => ms(c.plot)],
  ];
  const width = Math.max(...rows.map((r) => r[0].length));
  console.log(`medians of ${repetitions} in ms, Chromium's processor slowed:`);
  console.log(''.padEnd(width) + columns.map((c) => `${c.slowdown}x`.padStart(10)).join(''));
  for (const [label, value] of rows) console.log(label.padEnd(width) + columns.map((c) => value(c).padStart(10)).join(''));
  if (!Object.keys(columns[0].passes).length) console.log('(this page does not time the passes of a frame)');
  console.log(`page ${pagePath}: ${statSync(pagePath).size} bytes`);
} finally {
  await browser.close();
}
