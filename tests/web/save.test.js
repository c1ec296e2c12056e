// Ctrl+S on the page: a real download, decoded here, against the canvas and the program's text.
import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import { boardPixels, boardRgb, usePage, restart } from './page.js';

// An 8-bit RGB or RGBA PNG without interlacing: its size, its pixels as R, G, B bytes, whether
// every pixel is opaque, and its chunks' types and data in file order (each CRC checked).
function decodePng(file) {
  assert.deepEqual([...file.subarray(0, 8)], [137, 80, 78, 71, 13, 10, 26, 10]);
  const chunks = [];
  for (let at = 8; at < file.length;) {
    const length = file.readUInt32BE(at);
    const typed = file.subarray(at + 4, at + 8 + length);
    const type = typed.subarray(0, 4).toString('latin1');
    assert.equal(file.readUInt32BE(at + 8 + length), zlib.crc32(typed), `the CRC of ${type}`);
    chunks.push({ type, data: typed.subarray(4) });
    at += 12 + length;
  }
  const header = chunks[0].data;
  const width = header.readUInt32BE(0), height = header.readUInt32BE(4);
  assert.equal(chunks[0].type, 'IHDR');
  assert.ok(header[8] === 8 && (header[9] === 2 || header[9] === 6) && header[12] === 0, `an IHDR this decoder reads: ${[...header]}`);
  const bpp = header[9] === 6 ? 4 : 3, stride = width * bpp;
  const raw = zlib.inflateSync(Buffer.concat(chunks.filter((c) => c.type === 'IDAT').map((c) => c.data)));
  assert.equal(raw.length, height * (stride + 1));
  const rows = Buffer.alloc(height * stride);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    for (let i = 0; i < stride; ++i) {
      const a = i >= bpp ? rows[y * stride + i - bpp] : 0;
      const b = y > 0 ? rows[(y - 1) * stride + i] : 0;
      const c = i >= bpp && y > 0 ? rows[(y - 1) * stride + i - bpp] : 0;
      const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
      const predictor = [0, a, b, (a + b) >> 1, pa <= pb && pa <= pc ? a : pb <= pc ? b : c][filter];
      rows[y * stride + i] = raw[y * (stride + 1) + 1 + i] + predictor;
    }
  }
  const rgb = Buffer.alloc(width * height * 3);
  let opaque = true;
  for (let i = 0; i < width * height; ++i) {
    rows.copy(rgb, 3 * i, bpp * i, bpp * i + 3);
    if (bpp === 4 && rows[4 * i + 3] !== 255) opaque = false;
  }
  return { width, height, rgb, opaque, chunks };
}

// An iTXt chunk's fields.
function readText(data) {
  const parts = [];
  let at = 0;
  for (const field of ['key', 'flags', 'language', 'translated']) {
    const end = field === 'flags' ? at + 2 : data.indexOf(0, at);
    parts.push(field === 'flags' ? [...data.subarray(at, end)] : data.subarray(at, end).toString('utf8'));
    at = field === 'flags' ? end : end + 1;
  }
  const [key, flags, language, translated] = parts;
  return { key, flags, language, translated, text: data.subarray(at).toString('utf8') };
}

async function boardPoint(page, x, y) {
  const r = await page.$eval('#board', (c) => { const b = c.getBoundingClientRect(); return [b.left, b.top]; });
  return { x: r[0] + x + 0.5, y: r[1] + y + 0.5 };
}

describe('saving the board', () => {
  const at = usePage();

  test('Ctrl+S downloads ardenika.png with the canvas pixels and the description after IHDR', async () => {
    const { browser, page } = at;
    const folder = mkdtempSync(path.join(tmpdir(), 'ardenika-download-'));
    try {
      const session = await browser.target().createCDPSession();
      await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder, eventsEnabled: true });
      const named = new Promise((resolve) => session.on('Browser.downloadWillBegin', (e) => resolve(e.suggestedFilename)));
      const done = new Promise((resolve, reject) => session.on('Browser.downloadProgress', (e) => {
        if (e.state === 'completed') resolve();
        if (e.state === 'canceled') reject(new Error('the download was cancelled'));
      }));
      await page.click('#dipole_button');
      await page.click('#equipotentials_button');
      await page.evaluate(() => window.addEventListener('keydown', (e) => { window.saveKeyTaken = e.defaultPrevented; }));
      await page.keyboard.down('Control');
      await page.keyboard.press('s');
      await page.keyboard.up('Control');
      assert.equal(await named, 'ardenika.png');
      await done;
      assert.equal(await page.evaluate(() => window.saveKeyTaken), true);

      const png = decodePng(readFileSync(path.join(folder, 'ardenika.png')));
      assert.deepEqual([png.width, png.height, png.opaque], [401, 401, true]);
      // the map is drawn: far more than the two markers' colours on white
      assert.ok(new Set(await boardPixels(page)).size > 100);
      assert.ok(png.rgb.equals(await boardRgb(page)), 'the file holds the canvas pixels exactly');

      // right after IHDR: the setup that opens the board again, then the description
      assert.deepEqual(png.chunks.slice(1, 3).map((c) => c.type), ['tEXt', 'iTXt']);
      assert.equal(png.chunks[1].data.toString('latin1'), 'Ardenika setup\0v1;p80,0;n-80,0;V;E');
      const expected = 'Ardenika\nŁadunki (x, y, znak): 80, 0, 1; -80, 0, -1\nNarysowano: mapa potencjału, linie ekwipotencjalne';
      const exported = await page.evaluate(() => UTF8ToString(Module._ardenika_picture_description()));
      assert.equal(exported, expected);
      assert.deepEqual(readText(png.chunks[2].data), { key: 'Description', flags: [0, 0], language: '', translated: '', text: expected });
      assert.equal(png.chunks.filter((c) => c.type === 'iTXt').length, 1);
    } finally {
      rmSync(folder, { recursive: true, force: true });
    }
  });

  test('a right click on the board leaves the browser its menu and adds no charge', async () => {
    const { page } = at;
    await restart(page);
    await page.click('#add_positive_tool');
    await page.evaluate(() => window.addEventListener('contextmenu', (e) => { window.menuTaken = e.defaultPrevented; }));
    const before = await boardPixels(page);
    const p = await boardPoint(page, 250, 150);
    await page.mouse.click(p.x, p.y, { button: 'right' });
    assert.equal(await page.evaluate(() => window.menuTaken), false);
    assert.deepEqual(await boardPixels(page), before);
    // the same point with the left button does add one
    await page.mouse.click(p.x, p.y);
    assert.notDeepEqual(await boardPixels(page), before);
  });
});
