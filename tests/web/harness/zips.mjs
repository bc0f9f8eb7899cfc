// Zip files for the stories, made and read by Python's own zipfile module
// (zip_tool.py), so that the page's zip library is checked against another
// one: honest zips, zips that lie or overflow, and names from elsewhere.
import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { mkdir, mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const ZipTool = join(dirname(fileURLToPath(import.meta.url)), 'zip_tool.py');

function zipTool(...args) {
  return execFileSync('python3', [ZipTool, ...args], { maxBuffer: 64 << 20 }).toString();
}

/** Runs work(folder) with a scratch folder that is removed afterwards. */
async function inScratch(work) {
  const folder = await mkdtemp(join(tmpdir(), 'quovadrin-zips-'));
  try {
    return await work(folder);
  } finally {
    await rm(folder, { recursive: true, force: true });
  }
}

/** A zip of the kind zip_tool.py makes ('empty' with a count, 'lying',
 *  'large', 'names'), as { name, bytes } to choose in the page. */
export async function madeZip(kind, ...args) {
  return inScratch(async (folder) => {
    const path = join(folder, `${kind}.zip`);
    zipTool(kind, ...args, path);
    return { name: `${kind}.zip`, bytes: await readFile(path) };
  });
}

/** A zip of files { path: bytes } (paths with '/'), as { name, bytes }. */
export async function zipOfFiles(name, files) {
  return inScratch(async (folder) => {
    for (const [path, bytes] of Object.entries(files)) {
      await mkdir(dirname(join(folder, 'inhalt', path)), { recursive: true });
      await writeFile(join(folder, 'inhalt', path), bytes);
    }
    zipTool('folder', join(folder, 'inhalt'), join(folder, name));
    return { name, bytes: await readFile(join(folder, name)) };
  });
}

/** The entries of a zip (bytes) as zipfile reads them: { name: SHA-256 }. */
export async function zipEntries(bytes) {
  return inScratch(async (folder) => {
    const path = join(folder, 'gelesen.zip');
    await writeFile(path, bytes);
    return JSON.parse(zipTool('list', path));
  });
}

export const sha256 = (bytes) => createHash('sha256').update(bytes).digest('hex');
