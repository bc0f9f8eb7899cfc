// What the draft stories share: the commands of an .alg file, and waiting
// until the page has kept this tab's work as its draft in storage.
import { At, lines } from './program.mjs';

/** Three circles into the algorithm: the first press on a shape chooses
 *  it, each press after that inserts it. */
export async function composeThreeCircles(tab) {
  for (let i = 0; i < 4; ++i) await tab.click(...At.circle);
}

/** The command lines of an .alg file: those after the header and the
 *  blank line below it that hold anything. */
export function commandLines(bytes) {
  return lines(bytes).slice(4).filter((line) => line.trim() !== '');
}

/** Waits until this tab's draft in storage holds commandCount commands;
 *  returns the draft's bytes. */
export async function waitForKeptDraft(tab, commandCount) {
  let lastSeen = null;
  try {
    await tab.waitFor(async (count) => {
      const drafts = await Quovadrin.workspace.store().drafts();
      const own = drafts.find((draft) => draft.seed === Module.quovadrinSeed);
      if (!own) return false;
      const text = new TextDecoder('latin1').decode(own.bytes);
      window.quovadrinHarnessDraft = text;
      return text.split('\r\n').slice(4).filter((line) => line.trim() !== '').length === count;
    }, commandCount, { what: `the draft with ${commandCount} commands to be kept` });
  } catch (error) {
    lastSeen = await tab.evaluate(() => window.quovadrinHarnessDraft || null).catch(() => null);
    if (lastSeen !== null) error.message += ` (kept: ${JSON.stringify(lastSeen)})`;
    throw error;
  }
}
