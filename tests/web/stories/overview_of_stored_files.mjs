// "Übersicht", then "Alle gespeicherten": every algorithm stored in this
// browser gets a card, titled by its name, with its listing; the pictures
// and images of the saves are no algorithms and get none.
import { composeThreeCircles } from '../harness/drafts.mjs';
import { groupsOf, readMadeOverview } from '../harness/overview.mjs';
import { assert, saveAndDownload } from '../harness/program.mjs';

export default {
  name: '"Alle gespeicherten" makes an overview of every stored algorithm',
  async run({ tab }) {
    const first = await saveAndDownload(tab);
    await composeThreeCircles(tab);
    const second = await saveAndDownload(tab);
    await tab.clickElement('#overview');
    await tab.clickElement('#overview-stored');
    await tab.waitFor(() => /^(Fertig|Keine)/.test(document.getElementById('overview-progress').textContent),
                      null, { timeout: 30000, what: 'the overview of the stored files' });
    const { page, told } = await readMadeOverview(tab);
    assert(told === 'Fertig: 2 Karten.', `the page told '${told}'`);
    const groups = groupsOf(page);
    const titles = groups.flatMap(({ cards }) => cards);
    assert(JSON.stringify(titles) === JSON.stringify([first.algName, second.algName]),
           `the cards are ${JSON.stringify(groups)}`);
    const text = page.toString('utf8');
    assert(text.includes('Zeichne Kreis') && text.includes('Zeichne Quadrat'), 'the listings are not on the cards');
  },
};
