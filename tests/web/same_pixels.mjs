// The page draws what the desktop draws: with the calendar held (the same
// seeds), the canvas must equal, pixel for pixel, the headless screen that
// quorila-webref saved after the same actions: the start screen, and the
// first task of a quiz at level 2 with N = 3.
//   node tests/web/same_pixels.mjs SITE_FOLDER REFERENCE_FOLDER W H CLOCK
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { withSite, runSideBySide } from './side_by_side.mjs';
import { openGame, waitLine, control, press, until } from './browser.mjs';

function readPpm(file) {
  const data = readFileSync(file);
  const header = data.toString('latin1', 0, 40).match(/^P6\s+(\d+)\s+(\d+)\s+255\s/);
  if (!header) throw new Error(`${file} is not a P6 picture`);
  return { w: Number(header[1]), h: Number(header[2]), rgb: data.subarray(header[0].length) };
}

async function canvasPixels(page) {
  const text = await page.evaluate(() => {
    const canvas = document.getElementById('vq-main');
    const rgba = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let s = '';
    for (let i = 0; i < rgba.length; i += 0x8000) s += String.fromCharCode.apply(null, rgba.subarray(i, i + 0x8000));
    return { w: canvas.width, h: canvas.height, data: btoa(s) };
  });
  return { w: text.w, h: text.h, rgba: Buffer.from(text.data, 'base64') };
}

function differences(ref, got) {
  if (ref.w !== got.w || ref.h !== got.h) return { count: -1, first: `size ${got.w}x${got.h}, not ${ref.w}x${ref.h}` };
  let count = 0, first = '';
  for (let i = 0, p = 0; p < ref.w * ref.h; p++, i += 3) {
    const j = p * 4;
    if (ref.rgb[i] !== got.rgba[j] || ref.rgb[i + 1] !== got.rgba[j + 1] || ref.rgb[i + 2] !== got.rgba[j + 2]) {
      if (!count) first = `at ${p % ref.w},${Math.floor(p / ref.w)}: ${[...got.rgba.subarray(j, j + 3)]} not ${[...ref.rgb.subarray(i, i + 3)]}`;
      count++;
    }
  }
  return { count, first };
}

// Polls the canvas until it equals the reference (the page draws in its own
// time); on a time-out the page's picture is left beside the reference.
async function expectSame(game, references, name) {
  const ref = readPpm(join(references, name + '.ppm'));
  let last = null, got = null;
  try {
    await until(`the canvas to equal ${name}.ppm`, async () => {
      got = await canvasPixels(game.page);
      last = differences(ref, got);
      return last.count === 0;
    }, 30);
  } catch (error) {
    const rgb = Buffer.alloc(got.w * got.h * 3);
    for (let p = 0; p < got.w * got.h; p++) got.rgba.copy(rgb, p * 3, p * 4, p * 4 + 3);
    writeFileSync(join(references, name + '-page.ppm'), Buffer.concat([Buffer.from(`P6\n${got.w} ${got.h}\n255\n`), rgb]));
    throw new Error(`${name}: ${last.count} pixels differ (first ${last.first}); the page's is ${name}-page.ppm`);
  }
  console.log(`same_pixels: ${name}: ${ref.w}x${ref.h} pixels equal`);
}

async function check(context, server, references, width, height, clock) {
  const game = await openGame(context, `${server.url}?test&clock=${clock}`,
                              { width: Number(width), height: Number(height) });
  await waitLine(game, /^quorila-test: ready$/);
  await expectSame(game, references, 'start');
  let c = await control(game, 'udStufe');
  await press(game, c.x + c.w - 7, c.y + c.h / 4);
  c = await control(game, 'udAnzahlAufgaben');
  for (let i = 0; i < 9; i++) await press(game, c.x + c.w - 7, c.y + 3 * c.h / 4);
  c = await control(game, 'btStart');
  await press(game, c.x + c.w / 2, c.y + c.h / 2);
  await waitLine(game, /^quorila-test: task 1 box /);
  await expectSame(game, references, 'task');
  if (game.errors.length) throw new Error(`page errors: ${game.errors.join('; ')}`);
}

export function group([site, references, width, height, clock]) {
  return { name: 'same_pixels', checks: [{
    what: `${width}x${height}`,
    run: (browser) => withSite(browser, site, (context, server) =>
      check(context, server, references, width, height, clock)),
  }] };
}

if (import.meta.url === pathToFileURL(process.argv[1]).href)
  process.exit(await runSideBySide([group(process.argv.slice(2))]));
