// make web-bench: the page in headless Chromium. Prints the time from
// navigation to the title screen, from a key to its frame (the program's
// output reaching xterm.js), and the gzipped size of everything the page
// loads, and the page's CPU while the program waits. Goals: under 1 s, under
// 5 ms, under 400 KB, no CPU when idle.
// Usage: node web/test/web_bench.mjs BUILD_WEB_DIR
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import { serve, launch, openPage, waitForText } from './page.mjs';

const dir = process.argv[2] || 'build-web';
const files = ['index.html', 'tarvana-demo.js', 'tarvana-demo.wasm', 'tarvana-demo.data', 'xterm.js', 'xterm.css'];
let total = 0;
for (const f of files) {
  const gz = zlib.gzipSync(fs.readFileSync(path.join(dir, f)), { level: 9 }).length;
  total += gz;
  console.log(`${f.padEnd(20)} ${(gz / 1024).toFixed(0).padStart(5)} KB gzipped`);
}
console.log(`${'everything'.padEnd(20)} ${(total / 1024).toFixed(0).padStart(5)} KB gzipped (goal < 400)`);

const { server, url } = await serve(dir);
const browser = await launch();
try {
  const page = await browser.newPage();
  const loads = [];
  for (let i = 0; i < 5; ++i) loads.push(await openPage(page, url));
  loads.sort((a, b) => a - b);
  console.log(`page load to title     ${loads[2]} ms median of 5 (goal < 1000)`);

  await page.keyboard.press('Space');
  await waitForText(page, 'Demo Main Menu');
  // The page's main-thread work while the program waits for a key.
  const before = await page.metrics();
  await new Promise((ok) => setTimeout(ok, 2000));
  const after = await page.metrics();
  const busy = (after.TaskDuration - before.TaskDuration) / ((after.Timestamp - before.Timestamp) || 2);
  console.log(`idle CPU in the menu   ${(100 * busy).toFixed(1)} % of one core over 2 s (goal 0)`);
  // Down and Up in the main menu: the time from the key's arrival in the page
  // until the program has written its frame, and until xterm.js has parsed it
  // (xterm.js parses on its own timer).
  const times = await page.evaluate(async () => {
    const t = Module.tarvana, program = [], parsed = [];
    const write = t.write;
    for (let i = 0; i < 50; ++i) {
      const sent = performance.now();
      await new Promise((done) => {
        t.write = (bytes) => {
          program.push(performance.now() - sent);
          t.write = write;
          t.term.write(bytes, () => { parsed.push(performance.now() - sent); done(); });
        };
        t.input.push(...(i % 2 ? [27, 91, 65] : [27, 91, 66]));
        t.arrive();
      });
    }
    return { program, parsed };
  });
  const median = (a) => a.sort((x, y) => x - y)[Math.floor(a.length / 2)].toFixed(2);
  const mean = (a) => (a.reduce((x, y) => x + y, 0) / a.length).toFixed(2);
  console.log(`a key to its frame     ${mean(times.program)} ms mean, ${median(times.program)} ms median (goal < 5)`);
  console.log(`  ... parsed by xterm.js ${mean(times.parsed)} ms mean, ${median(times.parsed)} ms median`);
} finally {
  await browser.close();
  server.close();
}
