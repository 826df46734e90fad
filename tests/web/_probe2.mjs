import { launch, withSite, openGame, waitLine, startShortQuiz, answer } from './browser.mjs';
const b = await launch();
await withSite(b, 'build/web', async (context, server) => {
  const game = await openGame(context, `${server.url}?test`, { width: 800, height: 1280, isMobile: true, hasTouch: true });
  game.page.on('requestfailed', (r) => console.log('failed', r.url()));
  game.page.on('response', (r) => { if (r.status() >= 400) console.log(Date.now() % 100000, 'status', r.status(), r.url()); });
  await waitLine(game, /^quorila-test: ready$/);
  await startShortQuiz(game);
  for (let t = 1; t <= 3; t++) await answer(game, t);
  await waitLine(game, /nothing/, 3).catch(() => {});
  console.log(game.log.join('\n'));
});
await b.close();
