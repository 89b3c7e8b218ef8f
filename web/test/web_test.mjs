// make web-test: the demonstration in headless Chromium. Each walk opens the
// page afresh, presses real keys and compares xterm.js's screen, characters
// and colours, with the native program's screen for the same keys
// (tarvana-screen-text); the file screens are checked against the files the
// page carries. Usage: node web/test/web_test.mjs BUILD_WEB_DIR
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { serve, launch, openPage, pressKeys, typeText, clickCell, screenText, screenColours,
         waitForText, blankForegrounds } from './page.mjs';

const native = `${process.env.NATIVE_BUILD || 'build'}/bin/tarvana-screen-text`;

// Key walks as in the screen pictures: keys, typed text, a text on the screen.
const walks = [
  { name: 'title', keys: '', text: '', shows: 'Press any key to begin' },
  { name: 'main menu', keys: 'Space Down Down', text: '', shows: 'Demo Main Menu' },
  { name: 'dialog', keys: 'Space g', text: '', shows: 'Sample Dialog Box' },
  { name: 'date tools', keys: 'Space d', text: '072069\r', shows: 'Dates can be formatted' },
  { name: 'calendar', keys: 'Space c Right', text: '', shows: 'scrolling calendar' },
  { name: 'pick list', keys: 'Space p G i', text: '', shows: 'Animals' },
  // Number text: the browser's own path (the C library's formatting).
  { name: 'conversion tools', keys: 'Space n', text: '132\r98.6\r', shows: 'Kelvin equivalent' },
];

let failures = 0;
function check(ok, what) {
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}`);
  if (!ok) failures++;
}

// Rows that differ, side by side.
function differences(got, want) {
  const out = [];
  for (let i = 0; i < want.length; ++i)
    if (got[i] !== want[i]) out.push(`  row ${i + 1}\n    page:   ${got[i]}\n    native: ${want[i]}`);
  return out;
}

// Waits (up to 3 s) for the page's screen to equal the wanted one.
async function matches(page, want, read) {
  let got;
  for (const end = Date.now() + 3000; Date.now() < end;) {
    got = await read(page);
    if (differences(got, want).length === 0) return [];
    await new Promise((ok) => setTimeout(ok, 25));
  }
  return differences(got, want);
}

const { server, url } = await serve(process.argv[2] || 'build-web');
const browser = await launch();
const watchdog = setTimeout(() => { console.log('FAIL the browser test took over 120 s'); process.exit(1); }, 120000);
try {
  const page = await browser.newPage();
  // Emscripten ends the program by throwing ExitStatus out of its last wait.
  page.on('pageerror', (e) => {
    if (e.message === 'ExitStatus') return;
    console.log(`FAIL page error: ${e.message}`);
    failures++;
  });

  for (const walk of walks) {
    const args = walk.text ? [walk.keys, walk.text] : [walk.keys];
    const lines = execFileSync(native, args, { encoding: 'utf8', timeout: 20000 }).split('\n');
    await openPage(page, url);
    await pressKeys(page, walk.keys);
    await typeText(page, walk.text);
    await waitForText(page, walk.shows);
    const textDiff = await matches(page, lines.slice(0, 25), screenText);
    check(textDiff.length === 0, `${walk.name}: characters as the native program's`);
    textDiff.forEach((d) => console.log(d));
    const colourDiff = await matches(page, blankForegrounds(lines.slice(0, 25), lines.slice(25, 50)), screenColours);
    check(colourDiff.length === 0, `${walk.name}: colours as the native program's`);
    colourDiff.slice(0, 3).forEach((d) => console.log(d));
  }

  // A larger terminal, erased: the program draws its screen again in the top
  // left corner.
  {
    const lines = execFileSync(native, ['Space'], { encoding: 'utf8', timeout: 20000 }).split('\n');
    await openPage(page, url);
    await pressKeys(page, 'Space');
    await waitForText(page, 'Demo Main Menu');
    await page.evaluate(() => { Module.tarvana.term.write('\x1b[2J'); Module.tarvana.term.resize(100, 30); });
    const topLeft = async (p) => (await screenText(p)).slice(0, 25).map((r) => [...r].slice(0, 80).join(''));
    const diff = await matches(page, lines.slice(0, 25), topLeft);
    check(diff.length === 0, 'resize: the main menu drawn again on a 100 by 30 terminal');
    diff.forEach((d) => console.log(d));
  }

  // The file screens read the page's own files (in memory).
  await openPage(page, url);
  await pressKeys(page, 'Space v T V Enter');
  await waitForText(page, 'Tarvana Toolbox function list');
  check(true, 'file viewer: shows TVTools.LST from the page\'s files');

  // Text of several scripts in the file viewer: every cell's text as the native
  // program's, a wide cluster on its first cell and none on its second. The
  // native program runs in a directory holding the page's files.
  {
    const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'tarvana-web-'));
    for (const name of fs.readdirSync('web/files')) fs.copyFileSync(path.join('web/files', name), path.join(dir, name));
    fs.copyFileSync('TVTools.LST', path.join(dir, 'TVTools.LST'));
    for (const name of ['dev', 'home', 'proc', 'tmp']) fs.mkdirSync(path.join(dir, name));
    const keys = 'Space v s c r Enter';
    let lines;
    try {
      lines = execFileSync(path.resolve(native), [keys], { encoding: 'utf8', timeout: 20000, cwd: dir }).split('\n');
    } finally {
      fs.rmSync(dir, { recursive: true });
    }
    await openPage(page, url);
    await pressKeys(page, keys);
    await waitForText(page, 'rocket');
    const diff = await matches(page, lines.slice(0, 25), screenText);
    check(diff.length === 0, 'file viewer: scripts.txt (CJK, combining marks, emoji) cell for cell as the native program\'s');
    diff.forEach((d) => console.log(d));
  }

  // A click on a main-menu entry opens it, as on a terminal.
  await openPage(page, url);
  await pressKeys(page, 'Space');
  await waitForText(page, 'Demo Main Menu');
  const rows = await screenText(page);
  const row = rows.findIndex((r) => r.includes('Date Tools')) + 1;
  await clickCell(page, row, rows[row - 1].indexOf('Date Tools') + 2);
  await waitForText(page, 'Enter your birthdate');
  check(true, 'mouse: a click on Date Tools opens the date tools');

  // The moving box scrolls the screen's rows in every direction: after each of
  // 60 frames xterm.js shows what the program presented (with CSI T, lines
  // brought in would take the default background).
  await openPage(page, url);
  await pressKeys(page, 'Space w Space');
  await waitForText(page, 'Moving Box');
  const frames = await page.evaluate(async () => {
    const t = Module.tarvana, write = t.write, bad = [];
    const pc = (c) => ((c & 1) << 2) | (c & 2) | ((c & 4) >> 2) | (c & 8);
    const shown = () => {
      const b = t.term.buffer.active, chars = [], colours = [];
      for (let y = 0; y < t.term.rows; ++y) {
        const line = b.getLine(b.viewportY + y);
        let s = '', c = '';
        for (let x = 0; x < t.term.cols; ++x) {
          const cell = line.getCell(x);
          s += cell.getChars() || ' ';
          let fg = cell.isFgDefault() ? 7 : pc(cell.getFgColor());
          let bg = cell.isBgDefault() ? 0 : pc(cell.getBgColor());
          if (cell.isInverse()) [fg, bg] = [bg, fg];
          // A blank's foreground is not seen: the model's, as the renderer may leave another.
          c += (bg * 16 + fg).toString(16).toUpperCase().padStart(2, '0');
        }
        chars.push(s);
        colours.push(c);
      }
      return chars.concat(colours).join('\n') + '\n';
    };
    await new Promise((done) => {
      let count = 0;
      t.write = (bytes) => {
        const model = UTF8ToString(Module._tarvana_presented_screen()).split('\n');
        t.term.write(bytes, () => {
          const seen = shown().split('\n');
          for (let y = 0; y < t.term.rows; ++y) {
            const chars = [...model[y]];
            for (let x = 0; x < chars.length; ++x)
              if (chars[x] === ' ') seen[t.term.rows + y] = seen[t.term.rows + y].slice(0, 2 * x + 1) + model[t.term.rows + y][2 * x + 1] + seen[t.term.rows + y].slice(2 * x + 2);
          }
          if (seen.join('\n') !== model.join('\n')) bad.push(count);
          if (++count === 60) { t.write = write; done(); }
        });
      };
    });
    return bad;
  });
  check(frames.length === 0, `moving box: xterm.js equals the model after each of 60 frames${frames.length ? ` (not after ${frames.length}: ${frames.slice(0, 5)})` : ''}`);

  // Esc and the quit question end the program.
  await openPage(page, url);
  await pressKeys(page, 'Space Down Esc');
  await waitForText(page, 'Are you sure you want to quit?');
  await pressKeys(page, 'y');
  await page.waitForFunction(() => Module.tarvana.ended, { timeout: 5000 });
  check(await page.evaluate(() => Module.tarvana.exitCode === 0), 'Esc and Yes end the program with status 0');
} catch (e) {
  console.log(`FAIL ${e.message}`);
  failures++;
} finally {
  clearTimeout(watchdog);
  await browser.close();
  server.close();
}
console.log(failures ? `${failures} browser check(s) failed` : 'All browser checks passed');
process.exit(failures ? 1 : 0);
