// The page benchmark: in headless Chromium, the 14-charge case (the capacitor with +1 at (0, 40)
// and -1 at (0, -40)) and the three automatic picture commands clicked on the page, each from
// stale grids, as the desktop benchmark runs them. Prints the first colour map after start-up
// (once the page has built the field's tables while idle, as it does before a user's first
// click), each command's median and the median frame of a dragged charge in milliseconds.
// Usage: node bench.js [repetitions]   (ARDENIKA_HTML names the page, as for the tests;
// ARDENIKA_CPU_SLOWDOWN=6 runs it on a processor slowed six times, as DevTools does)
import { launch, openPage, pagePath } from './page.js';
import { statSync } from 'node:fs';

const repetitions = Number(process.argv[2] || 21);
const browser = await launch();
try {
  const page = await openPage(browser);
  const slowdown = Number(process.env.ARDENIKA_CPU_SLOWDOWN || 1);
  if (slowdown > 1) await page.emulateCPUThrottling(slowdown);
  await page.waitForFunction(() => document.documentElement.dataset.prepared === '1', { timeout: 20000 });
  const result = await page.evaluate((n) => {
    const click = (id) => document.getElementById(id).click();
    const board = document.getElementById('Image1');
    // A board click at board point (x, y) as the pointer gives it.
    const at = (x, y) => {
      const r = board.getBoundingClientRect();
      const init = { bubbles: true, isPrimary: true, button: 0, pointerId: 1,
        clientX: r.left + x + 200 + 0.5, clientY: r.top + 200 - y + 0.5 };
      for (const type of ['pointermove', 'pointerdown', 'pointerup']) board.dispatchEvent(new PointerEvent(type, init));
    };
    const timed = (id) => { const t = performance.now(); click(id); return performance.now() - t; };
    click('SpeedB3');
    click('SpeedB1'); at(0, 40);
    click('SpeedB2'); at(0, -40);
    const first = timed('RysujB1');
    const median = (id) => {
      const times = [];
      for (let i = 0; i < n; ++i) {
        click('RysujB5'); // pressed on fresh grids it only marks them stale
        times.push(timed(id));
      }
      times.sort((a, b) => a - b);
      return times[n >> 1];
    };
    const result = { first, RysujB1: median('RysujB1'), RysujB2: median('RysujB2'), RysujB3: median('RysujB3') };
    // drag/14: one frame of the charge at (0, 40) dragged with the map and both families drawn.
    click('RysujB1'); click('RysujB2'); click('RysujB3');
    const r = board.getBoundingClientRect();
    const pointer = (type, x, y) => board.dispatchEvent(new PointerEvent(type, { bubbles: true, isPrimary: true,
      button: 0, pointerId: 1, clientX: r.left + x + 200 + 0.5, clientY: r.top + 200 - y + 0.5 }));
    pointer('pointerdown', 0, 40);
    const frames = [];
    for (let i = 0; i < n; ++i) {
      pointer('pointermove', 20 + i, 60 - i);
      const t = performance.now();
      Module._ardenika_frame();
      frames.push(performance.now() - t);
    }
    pointer('pointerup', 20 + n, 60 - n);
    frames.sort((a, b) => a - b);
    result.drag = frames[n >> 1];
    return result;
  }, repetitions);
  const ms = (v) => v.toFixed(2) + ' ms';
  console.log(`page ${pagePath}: ${statSync(pagePath).size} bytes`);
  console.log(`first command/RysujB1Click/14 after start-up: ${ms(result.first)}, ${(result.first / result.RysujB1).toFixed(2)} times the median`);
  for (const id of ['RysujB1', 'RysujB2', 'RysujB3']) console.log(`command/${id}Click/14 median of ${repetitions}: ${ms(result[id])}`);
  console.log(`drag/14 median of ${repetitions} frames: ${ms(result.drag)}`);
} finally {
  await browser.close();
}
