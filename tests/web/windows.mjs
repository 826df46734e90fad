// More top-level windows in the page: the toolkit program web_windows opens
// a second one after the main one, centred by the toolkit, and a third
// without a position. The second's canvas must show over the page where its
// client rectangle lies, at the main canvas' scale; the third, placed at the
// screen's corner, on the page all the same. Clicks in the second arrive at
// its client pixels; once Escape has closed both, their canvases are gone
// and the main window takes the keys and clicks.
//   node tests/web/windows.mjs SITE_FOLDER
import { pathToFileURL } from 'node:url';
import { withSite, runSideBySide } from './side_by_side.mjs';
import { openGame, waitLine, until } from './browser.mjs';
const rectOf = (text) => text.split(' ').slice(2).map(Number);   // "window NAME X Y W H"

// The canvases in the stage, as the page shows them.
const canvases = (page) => page.evaluate(() => [...document.querySelectorAll('#vq-stage canvas')].map((c) => {
  const r = c.getBoundingClientRect();
  const hit = document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2);
  return { main: c.id === 'vq-main', left: r.left, top: r.top, width: r.width, height: r.height,
           shown: getComputedStyle(c).display !== 'none' && hit === c, pixels: [c.width, c.height] };
}));

// Clicks client pixel (x, y) of a canvas shown at rect r with w x h pixels.
async function click(game, r, w, h, x, y) {
  const before = game.lines.length;
  await game.page.mouse.click(r.left + (x + 0.5) * r.width / w, r.top + (y + 0.5) * r.height / h);
  return until(`the click at ${x},${y}`, () => game.lines.slice(before).find((l) => /^click /.test(l)));
}

async function check(context, server) {
  const game = await openGame(context, server.url, { width: 1024, height: 600 });
  const [mx, my, mw, mh] = rectOf(await waitLine(game, /^window main /));
  const [sx, sy, sw, sh] = rectOf(await waitLine(game, /^window second /));
  const [, , tw, th] = rectOf(await waitLine(game, /^window third /));
  const shown = await until('the other canvases', async () => {
    const list = await canvases(game.page);
    return list.length === 3 && list.every((c) => c.main || c.shown) && list;
  });
  const [main, second, third] = shown;
  const scale = main.width / mw;
  const want = { left: main.left + (sx - mx) * scale, top: main.top + (sy - my) * scale,
                 width: sw * scale, height: sh * scale };
  for (const key of Object.keys(want))
    if (Math.abs(second[key] - want[key]) > 1)
      throw new Error(`the second canvas' ${key} is ${second[key]}, the window's place gives ${want[key]}`);
  if (second.pixels.join() !== [sw, sh].join()) throw new Error(`the second canvas has ${second.pixels} pixels`);
  const stage = await game.page.evaluate(() => {
    const r = document.getElementById('vq-stage').getBoundingClientRect();
    return { left: r.left, top: r.top, right: r.right, bottom: r.bottom };
  });
  for (const [name, c, w, h] of [['second', second, sw, sh], ['third', third, tw, th]]) {
    if (c.left < stage.left - 1 || c.top < stage.top - 1 || c.left + c.width > stage.right + 1 ||
        c.top + c.height > stage.bottom + 1 || Math.abs(c.width - w * scale) > 1)
      throw new Error(`the ${name} canvas (${c.left},${c.top} ${c.width}x${c.height}) is not all on the page`);
  }
  await game.page.keyboard.press('Escape');
  await waitLine(game, /^closed third$/);
  await until('the third canvas gone', async () => (await canvases(game.page)).length === 2);

  // Its corners and an inner point, each in the second window's own pixels.
  for (const [x, y] of [[0, 0], [sw - 1, sh - 1], [Math.floor(sw / 3), Math.floor(sh / 2)]]) {
    const got = await click(game, second, sw, sh, x, y);
    if (got !== `click second ${x} ${y}`) throw new Error(`a click at ${x},${y} of the second window gave "${got}"`);
  }

  await game.page.keyboard.press('Escape');
  await waitLine(game, /^closed second$/);
  await until('the second canvas gone', async () => (await canvases(game.page)).length === 1);
  // The keys go to the main window again, before any click has chosen it.
  await game.page.keyboard.press('Escape');
  await waitLine(game, /^escape main$/);
  // Where the second window was, the main window takes the click now.
  const [x, y] = [sx - mx + Math.floor(sw / 2), sy - my + Math.floor(sh / 2)];
  const got = await click(game, main, mw, mh, x, y);
  if (got !== `click main ${x} ${y}`) throw new Error(`a click at ${x},${y} of the main window gave "${got}"`);
  if (game.errors.length) throw new Error(`page errors: ${game.errors.join('; ')}`);
  console.log(`windows: the second window (${sw}x${sh} at ${sx},${sy}) showed at its place, scale ${scale.toFixed(3)}, ` +
              'took three clicks; the third showed on the page; both closed; the main window took the next key and click');
  await game.page.close();
}

export function group([site]) {
  return { name: 'windows', checks: [{
    what: 'three top-level windows', run: (browser) => withSite(browser, site, check),
  }] };
}

if (import.meta.url === pathToFileURL(process.argv[1]).href)
  process.exit(await runSideBySide([group(process.argv.slice(2))]));
