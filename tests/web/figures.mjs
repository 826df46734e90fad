// The browser build's figures, measured side by side in one run on this
// machine (loopback server, headless Chromium):
//   page load to the first frame of the game (goal under 1.5 s),
//   bytes fetched before that frame (goal under 6 MB),
//   bench_panel in the page against the desktop build (goal at most 2.5 x),
//   processor time of an idle game tab over 10 s (goal under 1 % of a core).
//   node tests/web/figures.mjs SITE_FOLDER WEB_BENCH_FOLDER NATIVE_BENCH_PANEL
// VQ_BENCH_ONLY=1 measures bench_panel alone.
import { execFileSync } from 'node:child_process';
import { mkdtempSync, symlinkSync, writeFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { serve } from './serve.mjs';
import { launch, openGame, waitLine, until, sleep } from './browser.mjs';

const [site, webBench, nativeBench] = process.argv.slice(2).map((p) => resolve(p));
const benchOnly = process.env.VQ_BENCH_ONLY === "1";
const repetitions = '15';

// "what  panel 1.234 ms  plain 0.456 ms  ratio ...  best 1.1 / 0.4 ms" lines of bench_panel.
function panelTimes(text) {
  const out = {};
  for (const line of text.split('\n')) {
    const m = line.match(/^(.*?)\s+panel\s+([\d.]+) ms\s+plain\s+([\d.]+) ms.*best ([\d.]+) \/ ([\d.]+) ms/);
    if (m) out[m[1].trim()] = { panel: Number(m[2]), plain: Number(m[3]), best: Number(m[4]), bestPlain: Number(m[5]) };
  }
  return out;
}

async function firstFrame(browser, server) {
  const game = await openGame(browser, server.url, { width: 1280, height: 800 });
  const figures = await until('the first frame', () => game.page.evaluate(() => {
    const shown = Module.vqweb && Module.vqweb.state.firstFrame;
    if (!shown) return null;
    let bytes = 0;
    for (const entry of performance.getEntriesByType('navigation')) bytes += entry.encodedBodySize;
    for (const entry of performance.getEntriesByType('resource'))
      if (entry.responseEnd <= shown) bytes += entry.encodedBodySize;
    return { ms: shown, bytes };
  }), 30);
  await game.page.close();
  return figures;
}

async function idleCpu(browser, server) {
  const game = await openGame(browser, `${server.url}?test`, { width: 1280, height: 800 });
  await waitLine(game, /^quorila-test: ready$/);
  await sleep(3000);   // the start-up's own waits are over
  const cdp = await game.page.createCDPSession();
  await cdp.send('Performance.enable');
  const task = async () => (await cdp.send('Performance.getMetrics')).metrics.find((m) => m.name === 'TaskDuration').value;
  const t0 = await task(), w0 = Date.now();
  await sleep(10000);
  const t1 = await task(), w1 = Date.now();
  await game.page.close();
  return (t1 - t0) / ((w1 - w0) / 1000);
}

async function benchInPage(browser) {
  const folder = mkdtempSync(join(tmpdir(), 'quorila-bench-'));
  for (const f of ['bench_panel.js', 'bench_panel.wasm']) symlinkSync(join(webBench, f), join(folder, f));
  writeFileSync(join(folder, 'index.html'), `<!DOCTYPE html><meta charset="utf-8"><script>
var Module = { arguments: ['${repetitions}'], print: (t) => console.log(t), printErr: (t) => console.warn(t),
               onExit: (code) => console.log('bench exit ' + code) };
</script><script src="bench_panel.js"></script>`);
  const server = await serve(folder, { isolated: true });
  const game = await openGame(browser, server.url);
  if (!await game.page.evaluate(() => self.crossOriginIsolated)) throw new Error('the bench page is not isolated');
  await waitLine(game, /^bench exit/, 300);
  await game.page.close();
  await server.close();
  rmSync(folder, { recursive: true, force: true });
  return game.lines.join('\n');
}

// The page's bench_panel and the desktop's, one after the other.
async function benchSideBySide(browser) {
  const webText = await benchInPage(browser);
  const nativeText = execFileSync(nativeBench, [repetitions], { env: { ...process.env, VQ_PLATFORM: 'headless' } })
    .toString();
  const web = panelTimes(webText), native = panelTimes(nativeText);
  for (const what of Object.keys(native)) {
    if (!web[what]) throw new Error(`the page's bench_panel gave no "${what}":\n${webText}`);
    const w = web[what], n = native[what];
    console.log(`bench_panel ${what}: web ${w.panel.toFixed(3)} ms, native ${n.panel.toFixed(3)} ms, ` +
                `${(w.panel / n.panel).toFixed(2)} x (median; goal <= 2.5 x); best rounds ${w.best.toFixed(3)} / ` +
                `${n.best.toFixed(3)} ms, ${(w.best / n.best).toFixed(2)} x; plain loops web ${w.plain.toFixed(3)} ms, ` +
                `native ${n.plain.toFixed(3)} ms`);
  }
}

const server = await serve(site);
const browser = await launch();
try {
  if (!benchOnly) {
    const frames = [];
    for (let i = 0; i < 3; i++) frames.push(await firstFrame(browser, server));
    frames.sort((a, b) => a.ms - b.ms);
    const frame = frames[1];
    console.log(`page load to first frame: ${(frame.ms / 1000).toFixed(2)} s (median of 3; goal < 1.5 s)`);
    console.log(`bytes before the first frame: ${(frame.bytes / 1e6).toFixed(2)} MB (goal < 6 MB)`);
  }
  await benchSideBySide(browser);
  if (!benchOnly) {
    const cpu = await idleCpu(browser, server);
    console.log(`idle tab over 10 s: ${(cpu * 100).toFixed(2)} % of a core (goal < 1 %)`);
  }
} finally {
  await browser.close();
  await server.close();
}
