import { runSideBySide } from './browser.mjs';
import { group } from './play_through.mjs';
const g = group(['build/web']);
const tablet = g.checks[2];
process.exit(await runSideBySide([{ name: 'tablets', checks: [1,2,3,4,5,6].map(i => ({ what: `tablet ${i}`, run: tablet.run })) }]));
