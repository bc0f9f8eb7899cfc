// What the overview stories share: a class folder on disk (learners'
// folders of saved algorithms, each file ending in a line no other file
// has), the desktop's --render of it, and the page's overview of the same
// files handed over as a chosen folder hands them.
import { execFileSync } from 'node:child_process';
import { mkdir, mkdtemp, readdir, readFile, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { dirname, join, relative } from 'node:path';
import { readRepoFile } from './program.mjs';
import { algorithmFile } from './storage.mjs';

/** A saved algorithm from the repository's examples with a last line of
 *  its own (a value only this file gives), so a card's end can be found. */
export async function learnersFile(example, mark) {
  const bytes = await readRepoFile('tests', 'fuzz', 'corpus', example);
  return Buffer.concat([bytes, Buffer.from(`Gib x den Wert ${mark}\r\n`, 'latin1')]);
}

/** Writes files { 'klasse/Anna/stern.alg': bytes } below a fresh folder;
 *  returns the folder. */
export async function classOnDisk(files) {
  const root = await mkdtemp(join(tmpdir(), 'quovadrin-klasse-'));
  for (const [path, bytes] of Object.entries(files)) {
    await mkdir(dirname(join(root, path)), { recursive: true });
    await writeFile(join(root, path), bytes);
  }
  return root;
}

/** The desktop's overview of folder (below root): { page, svgs: { name:
 *  bytes } }. */
export async function desktopOverview(root, folder) {
  const out = join(root, 'bilder');
  try {
    execFileSync(join(process.env.QUOVADRIN_BUILD, 'quovadrin'),
                 ['--render', folder, '--out', out], { cwd: root, stdio: 'pipe' });
  } catch (error) {
    // A file that cannot be drawn makes the status 1; the cards say why.
    if (error.status !== 1) throw error;
  }
  const svgs = {};
  for (const name of (await readdir(out)).filter((name) => name.endsWith('.svg')))
    svgs[name] = await readFile(join(out, name));
  return { page: await readFile(join(out, 'index.html')), svgs };
}

/** All files below root as { path (relative, with '/'): bytes }. */
export async function filesBelow(root, folder) {
  const found = {};
  async function walk(at) {
    for (const entry of await readdir(at, { withFileTypes: true })) {
      const path = join(at, entry.name);
      if (entry.isDirectory()) await walk(path);
      else found[relative(root, path)] = await readFile(path);
    }
  }
  await walk(join(root, folder));
  return found;
}

/** Hands files { path: bytes } to the page's overview as a chosen folder
 *  does (each file with its path below the folder's parent), waits until
 *  it is made and returns { page (bytes), told (the progress line) }. */
export async function pageOverview(tab, files) {
  const given = Object.entries(files).map(([path, bytes]) => [path, bytes.toString('base64')]);
  await tab.evaluate((list) => {
    const chosen = list.map(([path, base64]) => {
      const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
      const file = new File([bytes], path.split('/').pop());
      Object.defineProperty(file, 'webkitRelativePath', { value: path });
      return file;
    });
    window.quovadrinHarnessOverview = Quovadrin.overview.fromFiles(chosen).then(() => true);
  }, given);
  await tab.waitFor(() => window.quovadrinHarnessOverview && !document.getElementById('overview-stored').disabled,
                    null, { timeout: 60000, what: 'the overview to be made' });
  return readMadeOverview(tab);
}

/** The overview the page made last: { page (bytes), told }. */
export async function readMadeOverview(tab) {
  const told = await tab.evaluate(() => document.getElementById('overview-progress').textContent);
  const [made] = await tab.evaluateFiles(async () => {
    const url = Quovadrin.overview.pageUrl();
    if (!url) return [];
    return [{ name: 'index.html', bytes: await (await fetch(url)).arrayBuffer() }];
  });
  if (!made) throw new Error(`the page made no overview: '${told}'`);
  return { page: made.bytes, told };
}

export { algorithmFile };

/** Drops files { path: bytes } onto the overview as the browser hands a
 *  dropped folder over: entries of its file system API (a folder's reader
 *  gives two children at a time, then none), walked by the page; waits
 *  until the overview is made and returns it as readMadeOverview does. */
export async function dropOverview(tab, files) {
  const given = Object.entries(files).map(([path, bytes]) => [path, bytes.toString('base64')]);
  await tab.evaluate((list) => {
    function folderEntry(name, fullPath) {
      const children = [];
      return {
        isFile: false, isDirectory: true, name, fullPath, children,
        createReader() {
          let next = 0;
          return { readEntries(success) {
            setTimeout(() => { success(children.slice(next, next + 2)); next += 2; }, 0);
          } };
        },
      };
    }
    const roots = new Map();
    for (const [path, base64] of list) {
      const parts = path.split('/');
      let folder = null;
      parts.slice(0, -1).forEach((part, index) => {
        const fullPath = '/' + parts.slice(0, index + 1).join('/');
        const known = folder ? folder.children.find((child) => child.fullPath === fullPath) : roots.get(fullPath);
        const made = known || folderEntry(part, fullPath);
        if (!known) (folder ? folder.children.push(made) : roots.set(fullPath, made));
        folder = made;
      });
      const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
      const file = new File([bytes], parts.at(-1));
      folder.children.push({ isFile: true, isDirectory: false, name: parts.at(-1), fullPath: '/' + path,
                             file(success) { setTimeout(() => success(file), 0); } });
    }
    const dropped = { items: [...roots.values()].map((root) => ({ kind: 'file', webkitGetAsEntry: () => root })),
                      files: [] };
    Quovadrin.overview.show();
    window.quovadrinHarnessOverview = Quovadrin.overview.make(Quovadrin.overviewSources.fromDrop(dropped))
      .then(() => true);
  }, given);
  await tab.waitFor(() => window.quovadrinHarnessOverview && !document.getElementById('overview-stored').disabled,
                    null, { timeout: 60000, what: 'the overview of the dropped folder to be made' });
  return readMadeOverview(tab);
}

/** The group titles and card titles of an overview page (bytes), as
 *  [{ group, cards: [title] }], read from its HTML. */
export function groupsOf(page) {
  const text = page.toString('utf8');
  const groups = [];
  for (const section of text.split('<section class="group">').slice(1)) {
    const group = (/<h2[^>]*>([^<]*)<\/h2>/.exec(section) || [])[1];
    const cards = [...section.matchAll(/<h3><a href="#[^"]*">([^<]*)<\/a><\/h3>/g)].map((match) => match[1]);
    groups.push({ group, cards });
  }
  return groups;
}
