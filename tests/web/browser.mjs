// Debian's Chromium driven by puppeteer-core (from tools/web's lock file),
// and what the tests do with the game's page: read the test hook's lines
// from the console, click or tap at the game's client pixels, wait for
// things to arrive (polling, with a generous limit).
import { createRequire } from 'node:module';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const require = createRequire(new URL('../../tools/web/package.json', import.meta.url));
const puppeteer = require('puppeteer-core');

export const chromium = process.env.VQ_CHROMIUM || '/usr/bin/chromium';

export async function launch() {
  const profile = mkdtempSync(join(tmpdir(), 'quorila-chromium-'));
  const args = ['--headless=new', '--disable-gpu', '--no-first-run', '--disable-background-networking',
                '--disable-component-update', '--disable-sync', '--autoplay-policy=no-user-gesture-required',
                '--mute-audio',
                // A tab behind another plays on at full speed (the two-tab case).
                '--disable-background-timer-throttling', '--disable-renderer-backgrounding',
                '--disable-backgrounding-occluded-windows'];
  if (process.getuid && process.getuid() === 0) args.push('--no-sandbox');
  const browser = await puppeteer.launch({ executablePath: chromium, headless: true, userDataDir: profile, args,
                                           protocolTimeout: 120000 });
  const close = browser.close.bind(browser);
  browser.close = async () => { await close(); rmSync(profile, { recursive: true, force: true }); };
  return browser;
}

export function sleep(ms) { return new Promise((resolve) => setTimeout(resolve, ms)); }

// Polls check() until it gives something other than undefined/false/null.
export async function until(what, check, seconds = 60) {
  const end = Date.now() + seconds * 1000;
  for (;;) {
    const value = await check();
    if (value !== undefined && value !== false && value !== null) return value;
    if (Date.now() > end) throw new Error(`timed out waiting for ${what}`);
    await sleep(50);
  }
}

// A page of the game with its console lines, exceptions and failed requests;
// in the browser context given (or the browser's first).
export async function openGame(context, url, viewport) {
  const page = await context.newPage();
  if (viewport) await page.setViewport(viewport);
  const game = { page, lines: [], errors: [], dialogs: [] };
  page.on('console', (message) => game.lines.push(message.text()));
  page.on('pageerror', (error) => game.errors.push(String(error)));
  page.on('dialog', (dialog) => { game.dialogs.push(dialog.message()); dialog.accept(); });
  await page.goto(url);
  return game;
}

export function line(game, pattern) { return game.lines.find((l) => pattern.test(l)); }

// On a time-out, the page's last lines say where the game stood.
export async function waitLine(game, pattern, seconds = 60) {
  try {
    return await until(`a console line ${pattern}`, () => {
      if (game.errors.length) throw new Error(`page error: ${game.errors.join('; ')}`);
      return line(game, pattern);
    }, seconds);
  } catch (error) {
    error.message += ` (the page's last lines: ${JSON.stringify(game.lines.slice(-4))})`;
    throw error;
  }
}

export async function control(game, name) {
  const text = await waitLine(game, new RegExp(`^quorila-test: control ${name} `));
  const [x, y, w, h] = text.split(' ').slice(3).map(Number);
  return { x, y, w, h };
}

// The page position of the main window's client pixel x, y (its middle).
export async function pagePoint(page, x, y) {
  return page.evaluate((cx, cy) => {
    const canvas = document.getElementById('vq-main');
    const r = canvas.getBoundingClientRect();
    return { x: r.left + (cx + 0.5) * r.width / canvas.width, y: r.top + (cy + 0.5) * r.height / canvas.height };
  }, x, y);
}

// Presses (and at once releases) the page's point p: the mouse's left
// button, or a finger. The events go out together, not one after the other's
// answer: on a busy machine the release could otherwise reach the page a
// second late, and an arrow held that long repeats.
export async function pressNow(game, p, { touch = false, times = 1 } = {}) {
  game.input ??= await game.page.createCDPSession();
  const [x, y] = [Math.round(p.x), Math.round(p.y)];
  const sent = [];
  if (!touch) sent.push(game.input.send('Input.dispatchMouseEvent', { type: 'mouseMoved', x, y }));
  for (let i = 1; i <= times; i++) {
    if (touch) {
      sent.push(game.input.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x, y }] }));
      sent.push(game.input.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] }));
    } else {
      for (const type of ['mousePressed', 'mouseReleased'])
        sent.push(game.input.send('Input.dispatchMouseEvent',
                                  { type, x, y, button: 'left', buttons: type === 'mousePressed' ? 1 : 0, clickCount: i }));
    }
  }
  await Promise.all(sent);
}

// A click, or a tap on a touch screen. Quick series would be double clicks,
// so a user's pause follows, counted in the page's own time from when it
// took the press (a busy machine may hand it the next press early).
export async function press(game, x, y, touch = false) {
  const taken = () => game.page.evaluate(() => Module.vqweb.state.clicks.time);
  const before = await taken();
  await pressNow(game, await pagePoint(game.page, x, y), { touch });
  await until('the page taking the press', async () => (await taken()) !== before, 30);
  await userPause(game);
}

export async function userPause(game) {
  await until('a user\'s pause after the press', () => game.page.evaluate(() =>
    performance.now() - Module.vqweb.state.clicks.time >= 600), 30);
}

export async function storedText(page, suffix) {
  return page.evaluate((end) => {
    for (let i = 0; i < localStorage.length; i++) {
      const key = localStorage.key(i);
      if (key.endsWith(end)) return localStorage.getItem(key);
    }
    return null;
  }, suffix);
}

// Turns the wheel over client pixel x, y: notches > 0 away from the user (up).
export async function wheel(game, x, y, notches) {
  const p = await pagePoint(game.page, x, y);
  await game.page.mouse.move(p.x, p.y);
  for (let i = 0; i < Math.abs(notches); i++) {
    await game.page.mouse.wheel({ deltaY: notches > 0 ? -100 : 100 });
    await sleep(50);
  }
}

// START with N = 3 (from 12, by the down arrow or, quicker, by the wheel
// over the number, which a click gives the focus).
export async function startShortQuiz(game, { byWheel = false } = {}) {
  const c = await control(game, 'udAnzahlAufgaben');
  if (byWheel) {
    await press(game, c.x + 4, c.y + c.h / 2);
    await wheel(game, c.x + 4, c.y + c.h / 2, -9);
  } else {
    for (let i = 0; i < 9; i++) await press(game, c.x + c.w - 7, c.y + 3 * c.h / 4);
  }
  const s = await control(game, 'btStart');
  await press(game, s.x + s.w / 2, s.y + s.h / 2);
}

// Clicks task t's right box once the game shows the task.
export async function answer(game, t) {
  const text = await waitLine(game, new RegExp(`^quorila-test: task ${t} box `));
  const [x, y] = text.split(' ').slice(6).map(Number);
  await press(game, x, y);
}

// True while the page shows the game and no failure.
export async function pageHealthy(game) {
  if (game.errors.length) throw new Error(`page errors: ${game.errors.join('; ')}`);
  const shown = await game.page.evaluate(() => document.getElementById('vq-stopped').hidden &&
                                               document.getElementById('vq-main') !== null);
  if (!shown) throw new Error('the page does not show the game');
}
