// Shared by the web test and the web benchmark: serves the built page on
// 127.0.0.1, opens it in headless Chromium and reads xterm.js's screen.
import http from 'node:http';
import fs from 'node:fs';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
                '.wasm': 'application/wasm', '.data': 'application/octet-stream' };

// A static server for the build directory on a free port.
export async function serve(dir) {
  const server = http.createServer((req, res) => {
    const name = path.join(dir, path.normalize(decodeURIComponent(req.url.split('?')[0])).replace(/^\/*/, '') || 'index.html');
    fs.readFile(name.endsWith(path.sep) ? name + 'index.html' : name, (err, data) => {
      if (err) { res.writeHead(404); res.end(); return; }
      res.writeHead(200, { 'Content-Type': types[path.extname(name)] || 'application/octet-stream' });
      res.end(data);
    });
  });
  await new Promise((ok) => server.listen(0, '127.0.0.1', ok));
  return { server, url: `http://127.0.0.1:${server.address().port}/` };
}

export async function launch() {
  return puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/lib/chromium/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage'],
    protocolTimeout: 30000,
  });
}

// The screen's rows as text, trailing spaces kept: each cell's text, a wide
// cluster once for its two cells.
export async function screenText(page) {
  return page.evaluate(() => {
    const t = Module.tarvana.term, b = t.buffer.active, rows = [];
    for (let y = 0; y < t.rows; ++y) {
      const line = b.getLine(b.viewportY + y);
      let s = '';
      for (let x = 0; x < t.cols; ++x) {
        const cell = line.getCell(x);
        if (cell?.getWidth() !== 0) s += cell?.getChars() || ' ';
      }
      rows.push(s);
    }
    return rows;
  });
}

// Waits until a row holds the text; fails after timeoutMs.
export async function waitForText(page, text, timeoutMs = 10000) {
  const end = Date.now() + timeoutMs;
  for (;;) {
    const rows = await screenText(page);
    if (rows.some((r) => r.includes(text))) return rows;
    if (Date.now() > end) throw new Error(`"${text}" did not appear; the screen:\n${rows.join('\n')}`);
    await new Promise((ok) => setTimeout(ok, 20));
  }
}

// The screen's colours, as the console's bytes (background * 16 + foreground,
// the PC's colour numbers): xterm.js keeps the ANSI palette numbers. A blank
// shows no foreground, which the renderer may leave as it was: "?" stands for
// it (see blankForegrounds).
export async function screenColours(page) {
  return page.evaluate(() => {
    const pc = (c) => ((c & 1) << 2) | (c & 2) | ((c & 4) >> 2) | (c & 8);
    const t = Module.tarvana.term, b = t.buffer.active, rows = [];
    for (let y = 0; y < t.rows; ++y) {
      const line = b.getLine(b.viewportY + y);
      let s = '';
      for (let x = 0; x < t.cols; ++x) {
        const cell = line.getCell(x);
        let fg = cell.isFgDefault() ? 7 : pc(cell.getFgColor());
        let bg = cell.isBgDefault() ? 0 : pc(cell.getBgColor());
        if (cell.isInverse()) [fg, bg] = [bg, fg];
        s += (bg * 16 + fg).toString(16).toUpperCase().padStart(2, '0');
        if ((cell.getChars() || ' ') === ' ') s = s.slice(0, -1) + '?';
      }
      rows.push(s);
    }
    return rows;
  });
}

// Key names as the headless console's QueueKeys takes them, pressed in the page.
const keyNames = { Space: 'Space', Enter: 'Enter', Esc: 'Escape', Up: 'ArrowUp', Down: 'ArrowDown',
                   Left: 'ArrowLeft', Right: 'ArrowRight', Home: 'Home', End: 'End',
                   PgUp: 'PageUp', PgDn: 'PageDown', Tab: 'Tab' };

export async function pressKeys(page, names) {
  for (const name of names.split(' ').filter((n) => n)) {
    if (keyNames[name]) await page.keyboard.press(keyNames[name]);
    else if (name.length === 1) await page.keyboard.type(name);
    else throw new Error(`unknown key name ${name}`);
  }
}

// Types text; "\r" is Enter.
export async function typeText(page, text) {
  for (const ch of text) {
    if (ch === '\r') await page.keyboard.press('Enter');
    else await page.keyboard.type(ch);
  }
}

// Clicks the middle of a cell (1-based row and column) with the left button.
export async function clickCell(page, row, col) {
  const box = await (await page.$('.xterm-screen')).boundingBox();
  const cols = await page.evaluate(() => Module.tarvana.term.cols);
  const rows = await page.evaluate(() => Module.tarvana.term.rows);
  await page.mouse.click(box.x + (col - 0.5) * box.width / cols, box.y + (row - 0.5) * box.height / rows);
}

// Opens the page and waits for the program's title screen; returns the time it took.
export async function openPage(page, url, timeoutMs = 15000) {
  const start = Date.now();
  await page.goto(url);
  await waitForText(page, 'Press any key to begin', timeoutMs);
  return Date.now() - start;
}

// Colour rows with "?" for the foreground of every blank, as screenColours reads them.
export function blankForegrounds(charRows, colourRows) {
  return colourRows.map((colours, y) => {
    const chars = [...charRows[y]];
    let out = '';
    for (let x = 0; x < chars.length; ++x) out += colours[2 * x] + (chars[x] === ' ' ? '?' : colours[2 * x + 1]);
    return out;
  });
}
