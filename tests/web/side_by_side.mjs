// The browser tests side by side in one browser, each check with a site and
// a browser context of its own.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { serve } from './serve.mjs';
import { launch } from './browser.mjs';

// A server of its own for the site folder (another port: the browser keeps
// the game's log and the learner's name apart per origin) and a browser
// context of its own: its own storage, and a window of its own, so that its
// page is shown and draws while other checks' pages do the same beside it
// (a tab behind another gets no animation frames). Downloads, if wanted,
// go to a folder of its own.
export async function withSite(browser, site, use, { downloads = false } = {}) {
  const server = await serve(site);
  const folder = downloads ? mkdtempSync(join(tmpdir(), 'quorila-downloads-')) : undefined;
  const context = await browser.createBrowserContext(
    folder ? { downloadBehavior: { policy: 'allow', downloadPath: folder } } : {});
  try {
    return await use(context, server, folder);
  } finally {
    await context.close().catch(() => {});
    await server.close();
    if (folder) rmSync(folder, { recursive: true, force: true });
  }
}

// Runs groups of checks ({ name, checks: [{ what, run(browser) }] }) side by
// side in one browser: they mostly wait on the game's own time, so together
// they take about as long as the longest. Each failure is reported as
// "group: what: problem"; a group that passed says "group: ok". The whole
// run has a limit, so that a check that never returns cannot hang the tests.
// Gives the exit status.
export async function runSideBySide(groups, limitSeconds = 600) {
  const started = Date.now();
  const browser = await launch();
  const pending = new Set();
  let timer;
  const overtime = new Promise((resolve) => {
    timer = setTimeout(() => resolve(false), limitSeconds * 1000);
  });
  const results = groups.map((group) => Promise.all(group.checks.map(async (check) => {
    const name = `${group.name}: ${check.what}`;
    const begun = Date.now();
    const took = () => `${check.what} ${((Date.now() - begun) / 1000).toFixed(1)} s`;
    pending.add(name);
    try {
      await check.run(browser);
      return took();
    } catch (error) {
      console.log(`${name}: ${error.message}`);
      return null;
    } finally {
      pending.delete(name);
    }
  })).then((times) => {
    const ok = times.every(Boolean);
    if (ok) console.log(`${group.name}: ok (${times.join(', ')})`);
    return ok;
  }));
  const all = Promise.all(results).then((oks) => oks.every(Boolean));
  const ok = await Promise.race([all, overtime]);
  clearTimeout(timer);
  if (pending.size) console.log(`browser tests: still running after ${limitSeconds} s: ${[...pending].join('; ')}`);
  await browser.close();
  console.log(`browser tests: ${((Date.now() - started) / 1000).toFixed(1)} s side by side`);
  return ok ? 0 : 1;
}
