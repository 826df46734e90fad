// Plays a short quiz in Chromium against the site folder, as a learner at a
// desktop, a small laptop and a touch tablet would: level 2 and N = 3 by the
// up-down arrows, START, the three right boxes (from the test hook), ENDE;
// then the teacher's "Ergebnisse (CSV)" link must give the log with one
// finished quiz more, and the page must never have shown an error.
// At the desktop the level and N are set by the mouse wheel and a double
// click instead, and the task editor switches two of the level's three
// types off first: every task of the quiz must then be of the third; the
// second task is answered by the box's keypad digit with NumLock off.
// The three screens play side by side, each in a browser of its own origin
// (its own log); the laptop and the tablet find the learner's name typed in
// an earlier page of theirs.
//   node tests/web/play_through.mjs SITE_FOLDER
import { readFileSync, existsSync, rmSync } from 'node:fs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { withSite, runSideBySide } from './side_by_side.mjs';
import { openGame, waitLine, control, press, pressNow, userPause, pagePoint, storedText, until, wheel }
  from './browser.mjs';

const runs = [
  { name: 'desktop 1280x800', viewport: { width: 1280, height: 800 } },
  { name: 'laptop 1024x600', viewport: { width: 1024, height: 600 } },
  { name: 'tablet 800x1280, touch', viewport: { width: 800, height: 1280, isMobile: true, hasTouch: true },
    touch: true },
];
const finished = /,2,1,3,3,0,0,.*,finished$/;
// Typed into the page's name field; remembered for the next page.
const learner = 'Zoë Müller, 3b';
const learnerField = '"Zoë Müller, 3b"';

// Stored and downloaded logs hold the name's UTF-8 bytes; read as Latin-1 they show as Ã and friends.
const utf8 = (s) => (/[\u00c2-\u00c3]/.test(s) ? Buffer.from(s, 'latin1').toString('utf8') : s);

function lines(text) { return (text || '').split('\n').filter((l) => l !== ''); }

// The fields of a CSV line (quoted fields may hold commas).
function fields(line) {
  return [...line.matchAll(/(?:^|,)("(?:[^"]|"")*"|[^,]*)/g)].map((m) => m[1]);
}

// A keypad digit with NumLock off, as the page gets it: the navigation key,
// with the digit key's code (the desktop's second task is answered so).
async function keypadDigit(page, digit) {
  const key = ['Insert', 'End', 'ArrowDown', 'PageDown', 'ArrowLeft', 'Clear', 'ArrowRight', 'Home', 'ArrowUp', 'PageUp'];
  const cdp = await page.target().createCDPSession();
  for (const type of ['rawKeyDown', 'keyUp'])
    await cdp.send('Input.dispatchKeyEvent', { type, key: key[digit], code: `Numpad${digit}`, location: 3 });
}

// The canvas's pixel at client pixel x, y as "r,g,b".
async function pixel(game, x, y) {
  return game.page.evaluate((px, py) => {
    const [r, g, b] = document.getElementById('vq-main').getContext('2d').getImageData(px, py, 1, 1).data;
    return `${r},${g},${b}`;
  }, x, y);
}

// Two clicks of a double click: the second comes at once.
async function doubleClick(game, x, y) {
  await pressNow(game, await pagePoint(game.page, x, y), { times: 2 });
  if (await game.page.evaluate(() => Module.vqweb.state.clicks.count) !== 2)
    throw new Error('the page did not count the second click as a double click');
  await userPause(game);
}

// The wheel steps the control that has the focus (a click on its number
// gives it): level 2 by one notch up, N = 3 from 12 by seven notches down
// and a double click (two steps) on the down arrow.
async function selectByWheel(game) {
  let c = await control(game, 'udStufe');
  await press(game, c.x + 4, c.y + c.h / 2);
  await wheel(game, c.x + 4, c.y + c.h / 2, 1);
  c = await control(game, 'udAnzahlAufgaben');
  await press(game, c.x + 4, c.y + c.h / 2);
  await wheel(game, c.x + 4, c.y + c.h / 2, -7);
  await doubleClick(game, c.x + c.w - 7, c.y + 3 * c.h / 4);
}

// The task editor of level 2 (three types) in the main panel: a box's face
// turns grey when its type is switched off, yellow again when on. Types 1
// and 2 end off (1 after off, on, off); ENDE clears the panel.
const editor = { panelX: 10, panelY: 200, hitY: 257, endeX: 140, endeY: 310 };
// A box is 25 x 20 at 35 i + 30, 50 of the panel, its number from 35 i + 37
// on: the face is read left of the number, the click goes to its middle.
const slotX = (i) => editor.panelX + 35 * i + 30 + 12;
const faceX = (i) => editor.panelX + 35 * i + 30 + 2;
const faces = { on: '255,255,0', off: '95,95,95', onAgain: '255,255,95', cleared: '255,255,255' };

async function editTypes(game) {
  const c = await control(game, 'btEdit');
  await press(game, c.x + c.w / 2, c.y + c.h / 2);
  const faceOf = (i) => pixel(game, faceX(i), editor.panelY + 60);
  for (let i = 1; i <= 3; i++)
    await until(`the editor's box ${i}`, async () => (await faceOf(i)) === faces.on, 30);
  for (const [i, face] of [[1, faces.off], [1, faces.onAgain], [1, faces.off], [2, faces.off]]) {
    await press(game, slotX(i), editor.hitY);
    await until(`box ${i} turning ${face}`, async () => (await faceOf(i)) === face, 30);
  }
  if (await faceOf(3) !== faces.on) throw new Error('box 3 changed without a click');
  await press(game, editor.endeX, editor.endeY);
  await until('the editor closing', async () => (await faceOf(3)) === faces.cleared, 30);
}

// The name as a learner types it into the page's field.
async function typeLearner(page) {
  await page.click('#vq-learner', { clickCount: 3 });
  await page.keyboard.type(learner);
  await page.keyboard.press('Enter');
}

// An earlier visit to the page, where the learner typed the name.
async function earlierVisit(context, server) {
  const page = await context.newPage();
  await page.goto(server.url);
  await typeLearner(page);
  await until('the name in the browser storage', () =>
    page.evaluate(() => localStorage.getItem('quorila.learner')).then((name) => name === learner), 30);
  await page.close();
}

// The download goes to the context's own folder.
async function download(game, folder) {
  const file = join(folder, 'results.csv');
  rmSync(file, { force: true });
  await game.page.click('#vq-csv');
  return until('the downloaded results.csv', () => existsSync(file) && readFileSync(file, 'latin1'), 30);
}

async function play(context, server, run, downloads) {
  const started = Date.now();
  if (run !== runs[0]) await earlierVisit(context, server);
  const game = await openGame(context, server.url + '?test', run.viewport);
  const before = lines(await storedText(game.page, '/results.csv'));
  await waitLine(game, /^quorila-test: ready$/);

  const page = await game.page.evaluate(() => {
    const r = document.getElementById('vq-main').getBoundingClientRect();
    return { title: document.title, w: innerWidth, h: innerHeight, left: r.left, top: r.top, right: r.right,
             bottom: r.bottom, ratio: r.width / r.height };
  });
  if (!page.title.startsWith(`QUORILA screen ${page.w}x${page.h}`)) throw new Error(`title "${page.title}" in a ${page.w}x${page.h} page`);
  if (page.left < 0 || page.top < 0 || page.right > page.w + 0.5 || page.bottom > page.h + 0.5)
    throw new Error(`the game does not fit the page: ${JSON.stringify(page)}`);
  if (Math.abs(page.ratio - 1305 / 915) > 0.01) throw new Error(`aspect ${page.ratio} is not the window's`);

  // Keys reach the program with the toolkit's codes: five F12 show its information box.
  if (!run.touch) {
    for (let i = 0; i < 5; i++) await game.page.keyboard.press('F12');
    await until('the information box after five F12', () => game.dialogs.length > 0, 30);
  }

  const field = await game.page.$eval('#vq-learner', (input) => input.value);
  if (run === runs[0]) {
    await typeLearner(game.page);
  } else if (field !== learner) {
    throw new Error(`the name field holds "${field}" after a new page, not the remembered name`);
  }

  let c;
  if (run === runs[0]) {
    await selectByWheel(game);
    await editTypes(game);
  } else {
    c = await control(game, 'udStufe');
    await press(game, c.x + c.w - 7, c.y + c.h / 4, run.touch);
    c = await control(game, 'udAnzahlAufgaben');
    for (let i = 0; i < 9; i++) await press(game, c.x + c.w - 7, c.y + 3 * c.h / 4, run.touch);
  }
  c = await control(game, 'btStart');
  await press(game, c.x + c.w / 2, c.y + c.h / 2, run.touch);
  for (let t = 1; t <= 3; t++) {
    const text = await waitLine(game, new RegExp(`^quorila-test: task ${t} box `));
    const [x, y] = text.split(' ').slice(6).map(Number);
    if (t === 2 && run === runs[0]) await keypadDigit(game.page, Number(text.split(' ')[4]));
    else await press(game, x, y, run.touch);
  }
  const stored = await until('the finished quiz in the browser storage', async () => {
    const now = lines(await storedText(game.page, '/results.csv'));
    return now.length > before.length && now;
  });
  c = await control(game, 'btEnde');
  await press(game, c.x + c.w / 2, c.y + c.h / 2, run.touch);
  await until('the page saying the game ended', () =>
    game.page.evaluate(() => !document.getElementById('vq-stopped').hidden &&
                             document.getElementById('vq-stopped-text').textContent));
  // The answers' sounds were fetched and decoded for Web Audio.
  const sounds = await game.page.evaluate(async () =>
    (await Promise.all([...Module.vqweb.state.sounds.values()])).filter((b) => b && b.duration > 0).length);
  if (sounds === 0) throw new Error('no sound was decoded for playing');
  const csv = lines(await download(game, downloads));
  if (game.errors.length) throw new Error(`page errors: ${game.errors.join('; ')}`);
  const added = stored.length - before.length - (before.length === 0 ? 1 : 0);
  if (added !== 1) throw new Error(`${added} lines added to the log, not 1`);
  if (csv.join('\n') !== stored.join('\n')) throw new Error('the downloaded CSV is not the stored log');
  if (!finished.test(csv[csv.length - 1])) throw new Error(`last line "${csv[csv.length - 1]}"`);
  const tasks = lines(await storedText(game.page, '/tasks.csv'));
  for (const line of [csv[csv.length - 1], ...tasks.slice(-3)].map(utf8))
    if (line.split(',', 2)[1] + ',' + line.split(',', 3)[2] !== learnerField)
      throw new Error(`the learner is not in "${line}"`);
  if (!/^date,/.test(csv[0])) throw new Error(`no header line: "${csv[0]}"`);
  if (run === runs[0]) {
    const types = tasks.slice(-3).map((line) => fields(line)[7]);
    if (types.join() !== '3,3,3') throw new Error(`the edited selection gave the types ${types.join()}, not only 3`);
  }
  console.log(`play_through: ${run.name}: ${utf8(csv[csv.length - 1])} (${csv.length - 1} quizzes logged, ` +
              `${((Date.now() - started) / 1000).toFixed(1)} s)`);
  await game.page.close();
}

export function group([site = 'build/web']) {
  return { name: 'play_through', checks: runs.map((run) => ({
    what: run.name,
    run: (browser) => withSite(browser, site, (context, server, downloads) => play(context, server, run, downloads),
                               { downloads: true }),
  })) };
}

if (import.meta.url === pathToFileURL(process.argv[1]).href)
  process.exit(await runSideBySide([group(process.argv.slice(2))]));
