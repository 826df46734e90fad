// All the browser tests side by side in one browser: each group is a test
// file of this folder with its arguments, groups apart by "--".
//   node tests/web/all.mjs play_through SITE -- robustness SITE -- windows SITE ...
import { existsSync } from 'node:fs';
import { runSideBySide } from './side_by_side.mjs';

const groups = [];
let words = process.argv.slice(2);
while (words.length) {
  const end = words.indexOf('--') < 0 ? words.length : words.indexOf('--');
  const [name, ...args] = words.slice(0, end);
  if (!/^[a-z_]+$/.test(name || '') || !existsSync(new URL(`./${name}.mjs`, import.meta.url))) {
    console.log(`all.mjs: "${name}" is not a test of this folder`);
    process.exit(2);
  }
  groups.push((await import(`./${name}.mjs`)).group(args));
  words = words.slice(end + 1);
}
process.exit(await runSideBySide(groups));
