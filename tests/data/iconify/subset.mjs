// Cuts the small subset of real icon sets that the tests' fixture server answers with.
// Usage: npm pack @iconify-json/<prefix> and unpack each, then
//   node subset.mjs <unpacked package folder>... (writes <prefix>.json here)
import { readFileSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const wanted = ['home', 'house', 'heart', 'star', 'search', 'settings', 'user', 'mail', 'camera', 'bell'];
const arrowsPerSet = 14;

for (const folder of process.argv.slice(2)) {
    const set = JSON.parse(readFileSync(join(folder, 'icons.json'), 'utf8'));
    const info = JSON.parse(readFileSync(join(folder, 'info.json'), 'utf8'));
    const version = JSON.parse(readFileSync(join(folder, 'package.json'), 'utf8')).version;
    const names = Object.keys(set.icons);
    const picked = new Set(names.filter((n) => n.includes('arrow')).slice(0, arrowsPerSet));
    for (const word of wanted) {
        for (const n of names.filter((n) => n === word || n.startsWith(word + '-')).slice(0, 2)) picked.add(n);
    }
    const icons = {};
    for (const n of [...picked].sort()) icons[n] = set.icons[n];
    const out = {
        prefix: set.prefix,
        name: info.name,
        version,
        license: info.license,
        author: info.author,
        width: set.width ?? 16,
        height: set.height ?? 16,
        icons,
    };
    writeFileSync(join(here, `${set.prefix}.json`), JSON.stringify(out, null, 1) + '\n');
    console.log(set.prefix, Object.keys(icons).length);
}
