// Opens the built page in headless Chromium from file:// and waits until the program has started.
import { mkdtempSync, rmSync, existsSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { after, before } from 'node:test';
import { createRequire } from 'node:module';
import puppeteer from 'puppeteer-core';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..', '..');
export const pagePath = process.env.ARDENIKA_HTML || path.join(root, 'build-web', 'ardenika.html');

export async function launch() {
  if (!existsSync(pagePath)) throw new Error(`${pagePath} is missing: build it with scripts/web.sh --no-serve`);
  const profile = mkdtempSync(path.join(tmpdir(), 'ardenika-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync', `--user-data-dir=${profile}`],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

// A fresh page at the given viewport, on a processor slowed cpuSlowdown times as DevTools does it;
// every request that leaves the page's own file fails the test.
export async function openPage(browser, { width = 1024, height = 768, deviceScaleFactor = 1, hasTouch = false, isMobile = false, cpuSlowdown = 1 } = {}) {
  const page = await browser.newPage();
  if (cpuSlowdown > 1) await page.emulateCPUThrottling(cpuSlowdown);
  const outside = [];
  const errors = [];
  // The page's own file, its data and what it makes itself (the worker's script, a blob:) stay in.
  const own = ['file:', 'data:', 'blob:'];
  page.on('request', (r) => { if (!own.some((scheme) => r.url().startsWith(scheme))) outside.push(r.url()); });
  page.on('pageerror', (e) => errors.push(e.message));
  await page.setViewport({ width, height, deviceScaleFactor, hasTouch, isMobile });
  await page.goto(pathToFileURL(pagePath).href);
  await page.waitForFunction(() => document.documentElement.dataset.ready === '1', { timeout: 20000 });
  page.outsideRequests = outside;
  page.scriptErrors = errors;
  return page;
}

// The board's pixels as 0xRRGGBB numbers, row-major.
export async function boardPixels(page) {
  return page.evaluate(() => {
    const c = document.getElementById('board');
    const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    const out = new Array(c.width * c.height);
    for (let i = 0; i < out.length; ++i) out[i] = (d[4 * i] << 16) | (d[4 * i + 1] << 8) | d[4 * i + 2];
    return out;
  });
}

// The board's pixels as the bytes R, G, B, row by row.
export async function boardRgb(page) {
  const text = await page.evaluate(() => {
    const c = document.getElementById('board');
    const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    let s = '';
    for (let i = 0; i < d.length; i += 4) s += String.fromCharCode(d[i], d[i + 1], d[i + 2]);
    return btoa(s);
  });
  return Buffer.from(text, 'base64');
}

// The page loaded afresh: a program in its start state, its address without a board.
export async function restart(page) {
  await page.evaluate(() => history.replaceState(null, '', location.href.split('#')[0]));
  await page.reload();
  await page.waitForFunction(() => document.documentElement.dataset.ready === '1', { timeout: 20000 });
}

// Inside a describe(): one browser and one started page for its tests, closed after them.
export function usePage(options) {
  const handle = { browser: null, page: null };
  before(async () => {
    handle.browser = await launch();
    handle.page = await openPage(handle.browser, options);
  });
  after(async () => handle.browser && handle.browser.close());
  return handle;
}

// A page point inside board pixel (column, row) wherever and at whatever scale the page shows the
// board, from the box DevTools reports (not the page's own script): a whole CSS pixel where the
// board pixel holds one, since a touch screen rounds to those, else the pixel's centre.
export async function boardPoint(page, column, row) {
  const box = await (await page.$('#board')).boundingBox();
  const size = box.width / 401;
  const at = (start, i) => (size < 1 ? start + (i + 0.5) * size : Math.round(start + (i + 0.5) * size - 0.01));
  return { x: at(box.x, column), y: at(box.y, row) };
}

// The readout's lines, top to bottom, by the names the program hands the page.
export function readout(page) {
  return page.evaluate(() => JSON.parse(UTF8ToString(Module._ardenika_form_json())).names.readout
    .map((id) => document.getElementById(id).textContent));
}

// axe-core's WCAG 2.0 and 2.1 A and AA rules and best practices on the page as it is: each
// violation as its rule and the elements it found.
const axePath = createRequire(import.meta.url).resolve('axe-core/axe.min.js');
export async function violations(page) {
  if (!(await page.evaluate(() => typeof axe !== 'undefined'))) await page.addScriptTag({ path: axePath });
  return page.evaluate(async () => {
    const tags = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'best-practice'];
    const result = await axe.run(document, { runOnly: { type: 'tag', values: tags } });
    return result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
  });
}
