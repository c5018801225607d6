// Builds the web edition's folder: the page's files (web/), the model compiled to WebAssembly,
// the font subset made from every text of the catalog and the lessons' descriptions, and the
// service worker with the list of files it keeps for offline use.
//
//   node tools/web/build-site.mjs ENGINE_DIR OUT_DIR
//
// ENGINE_DIR holds trevisk_engine.mjs and trevisk_engine.wasm (the target trevisk_web).
import { createHash } from 'node:crypto';
import { execFileSync } from 'node:child_process';
import { cpSync, mkdirSync, readFileSync, readdirSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { dirname, join, relative, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { loadNodeEngine } from './node-engine.mjs';

const source = resolve(dirname(fileURLToPath(import.meta.url)), '..', '..');
const [engineDir, outDir] = process.argv.slice(2).map((p) => resolve(p));
if (!engineDir || !outDir) {
  console.error('usage: build-site.mjs ENGINE_DIR OUT_DIR');
  process.exit(2);
}

// Every text the engine's catalog and the lessons' descriptions hold.
async function programTexts() {
  const engine = await loadNodeEngine(engineDir);
  const catalog = engine.catalog();
  const texts = [];
  const collect = (value) => {
    if (typeof value === 'string') texts.push(value);
    else if (value && typeof value === 'object') Object.values(value).forEach(collect);
  };
  collect(catalog);
  for (const { form } of catalog.lessons) {
    collect(engine.open(form));
    engine.close(form);
  }
  return { texts: texts.join('\n'), catalog };
}

function files(dir) {
  return readdirSync(dir).flatMap((name) => {
    const path = join(dir, name);
    return statSync(path).isDirectory() ? files(path) : [path];
  });
}

rmSync(outDir, { recursive: true, force: true });
mkdirSync(outDir, { recursive: true });
cpSync(join(source, 'web'), outDir, { recursive: true });
cpSync(join(source, 'packaging', 'io.github.trevisk.Trevisk.svg'), join(outDir, 'icons', 'trevisk.svg'));
mkdirSync(join(outDir, 'engine'), { recursive: true });
for (const name of ['trevisk_engine.mjs', 'trevisk_engine.wasm'])
  cpSync(join(engineDir, name), join(outDir, 'engine', name));

const { texts, catalog } = await programTexts();
const lessons = catalog.lessons.length;
// The catalog as the engine answers it, kept with the page: the opening screen and the menus
// need no call into the engine (whose first catalog builds every lesson's description).
writeFileSync(join(outDir, 'catalog.json'), JSON.stringify(catalog));
// Every module of the page is fetched at once rather than import after import.
const modules = files(join(outDir, 'js'))
  .map((path) => relative(outDir, path).split('\\').join('/'))
  .sort();
const index = join(outDir, 'index.html');
writeFileSync(
  index,
  readFileSync(index, 'utf8').replace(
    '<!-- modules -->',
    modules.map((m) => `<link rel="modulepreload" href="${m}">`).join('\n'),
  ),
);
const textsFile = join(dirname(outDir), 'font-texts.txt');
writeFileSync(textsFile, texts);
execFileSync('/usr/bin/python3', [join(source, 'tools', 'web', 'subset_font.py'), textsFile, join(outDir, 'fonts')], {
  stdio: 'inherit',
});

// The service worker keeps every file of the folder; its version changes with their contents.
const kept = files(outDir)
  .map((path) => relative(outDir, path).split('\\').join('/'))
  .filter((path) => path !== 'sw.js')
  .sort();
const hash = createHash('sha256');
for (const path of kept) hash.update(path).update(readFileSync(join(outDir, path)));
const worker = readFileSync(join(outDir, 'sw.js'), 'utf8')
  .replace("'@VERSION@'", JSON.stringify(hash.digest('hex').slice(0, 16)))
  .replace("['@FILES@']", JSON.stringify(['./', ...kept], null, 2));
writeFileSync(join(outDir, 'sw.js'), worker);

const total = files(outDir).reduce((sum, path) => sum + statSync(path).size, 0);
console.log(`web edition: ${lessons} lessons, ${kept.length + 1} files, ${(total / 1024).toFixed(0)} KiB in ${outDir}`);
