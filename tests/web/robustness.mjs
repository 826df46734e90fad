// What must not break the page: a background picture and the sounds the
// server has lost, a reload in the middle of a quiz, a second tab playing at
// the same time. Never a blank page or an error shown, nothing lost from the
// results log. The cases run side by side, each with an origin of its own
// (the two tabs share theirs on purpose), the reload and the two tabs each
// with an earlier quiz in the log to keep.
//   node tests/web/robustness.mjs SITE_FOLDER
import { pathToFileURL } from 'node:url';
import { withSite, runSideBySide } from './side_by_side.mjs';
import { openGame, waitLine, storedText, until, control, press, startShortQuiz, answer, pageHealthy }
  from './browser.mjs';

const clock = 1700000000;   // the first quiz's background is number 83 with this calendar
const lines = (text) => (text || '').split('\n').filter((l) => l !== '');
const logOf = async (game) => lines(await storedText(game.page, '/results.csv'));

const finishedIn = (log) => log.filter((l) => /,finished$/.test(l)).length;

// A quiz of three tasks played to its end: on a page just ready, N from 12
// down to 3 first (by the wheel for a quiz that only fills the log); once
// more, the N it kept.
async function quiz(game, { again = false, byWheel = false } = {}) {
  const start = await control(game, 'btStart');
  const finished = finishedIn(await logOf(game));
  // The last quiz's task lines would answer this quiz's tasks.
  for (let i = game.lines.length - 1; i >= 0; i--) if (/^quorila-test: task /.test(game.lines[i])) game.lines.splice(i, 1);
  if (again) await press(game, start.x + start.w / 2, start.y + start.h / 2);
  else await startShortQuiz(game, { byWheel });
  for (let t = 1; t <= 3; t++) await answer(game, t);
  await until('the finished quiz in the log', async () => finishedIn(await logOf(game)) > finished);
}

async function missingFiles(context, server) {
  server.missing.add('Bilder/videob_83.jpg');
  for (let n = 0; n <= 5; n++) server.missing.add(`sound/RIGHT/right-${n}.wav`);
  const game = await openGame(context, `${server.url}?test&clock=${clock}`, { width: 1280, height: 800 });
  await waitLine(game, /^quorila-test: ready$/);
  await quiz(game);
  if (!server.stats.requests.includes('Bilder/videob_83.jpg')) throw new Error('the lost background was not asked for');
  if (!game.lines.some((l) => /sound sound\/RIGHT\/right-\d\.wav is silent/.test(l)))
    throw new Error('no right-answer sound was asked for');
  await pageHealthy(game);
  console.log('robustness: a lost background and lost sounds: the quiz played to its end');
  await game.page.close();
}

// A finished quiz first, so that the log has lines to lose.
async function reloadMidQuiz(context, server) {
  const game = await openGame(context, `${server.url}?test`, { width: 1024, height: 600 });
  await waitLine(game, /^quorila-test: ready$/);
  await quiz(game, { byWheel: true });
  const before = await logOf(game);
  if (before.length < 2) throw new Error(`no earlier quiz in the log to keep: ${JSON.stringify(before)}`);
  const start = await control(game, 'btStart');
  game.lines.length = 0;
  await press(game, start.x + start.w / 2, start.y + start.h / 2);
  await answer(game, 1);
  await waitLine(game, /^quorila-test: task 2 box /);
  game.lines.length = 0;
  await game.page.reload();
  await waitLine(game, /^quorila-test: ready$/);
  const after = await logOf(game);
  if (after.slice(0, before.length).join('\n') !== before.join('\n')) throw new Error('earlier lines of the log were lost');
  const added = after.slice(before.length).filter((l) => !/^date,/.test(l));
  if (added.length > 1 || (added.length === 1 && !/,stopped$/.test(added[0])))
    throw new Error(`the reload added ${JSON.stringify(added)}`);
  await pageHealthy(game);
  console.log(`robustness: a reload in a quiz: the game came back, the log kept its ${before.length} lines` +
              (added.length ? ' and logged the quiz as stopped' : ''));
  await game.page.close();
}

// Both tabs start on the same log; the first plays a quiz that the second
// has not seen (the log has lines to lose), then each plays a quiz, the
// second from what it read at its start.
async function twoTabs(context, server) {
  const first = await openGame(context, `${server.url}?test`, { width: 1280, height: 800 });
  const second = await openGame(context, `${server.url}?test`, { width: 1280, height: 800 });
  await waitLine(first, /^quorila-test: ready$/);
  await waitLine(second, /^quorila-test: ready$/);
  await first.page.bringToFront();
  await quiz(first, { byWheel: true });
  const before = await logOf(first);
  if (before.length < 2) throw new Error(`no earlier quiz in the log to keep: ${JSON.stringify(before)}`);
  for (const game of [first, second]) {
    await game.page.bringToFront();
    await quiz(game, { again: game === first });
  }
  const after = await until('both quizzes in the log', async () => {
    const log = await logOf(second);
    return finishedIn(log) >= finishedIn(before) + 2 && log;
  }, 30);
  if (after.slice(0, before.length).join('\n') !== before.join('\n')) throw new Error('earlier lines were lost');
  if (after.filter((l) => /^date,/.test(l)).length !== 1) throw new Error('the log has more than one header line');
  await pageHealthy(first);
  await pageHealthy(second);
  console.log(`robustness: two tabs: both quizzes logged (${after.length - 1} lines)`);
  await first.page.close();
  await second.page.close();
}

// A browser without WebAssembly, and a program that cannot start (its
// .wasm lost): the page says so in German instead of staying blank.
const stoppedCases = [
  { what: 'no WebAssembly', prepare: (page) => page.evaluateOnNewDocument(() => { delete window.WebAssembly; }),
    text: /WebAssembly fehlt/ },
  { what: 'the program lost', prepare: (page, server) => server.missing.add('quorila.wasm'), text: /unerwartet beendet/ },
];

async function pageSaysWhy(context, server, c) {
  const page = await context.newPage();
  await c.prepare(page, server);
  await page.goto(server.url);
  const text = await until(`the page's message (${c.what})`, () => page.evaluate(() =>
    !document.getElementById('vq-stopped').hidden && document.getElementById('vq-stopped-text').textContent));
  if (!c.text.test(text)) throw new Error(`${c.what}: the page says "${text}"`);
  console.log(`robustness: ${c.what}: "${text}"`);
  await page.close();
}

export function group([site = 'build/web']) {
  const on = (use) => (browser) => withSite(browser, site, use);
  return { name: 'robustness', checks: [
    { what: 'lost files', run: on(missingFiles) },
    { what: 'a reload in a quiz', run: on(reloadMidQuiz) },
    { what: 'two tabs', run: on(twoTabs) },
    ...stoppedCases.map((c) => ({ what: c.what, run: on((context, server) => pageSaysWhy(context, server, c)) })),
  ] };
}

if (import.meta.url === pathToFileURL(process.argv[1]).href)
  process.exit(await runSideBySide([group(process.argv.slice(2))]));
