// Links that carry no algorithm the program can take: damaged, too long,
// inflating past the file limit (a short link of 8 MiB of line ends), or
// holding text that is no algorithm. Each gets its one German sentence and
// the program starts as usual, with the example.
import { fragmentOf, openAtLink } from '../harness/links.mjs';
import { assert, saveAndDownload } from '../harness/program.mjs';

export default {
  name: 'a damaged, too long, too large or foreign link is told and the program starts as usual',
  async run({ tab, server }) {
    const example = (await saveAndDownload(tab)).alg;
    const bomb = fragmentOf(Buffer.alloc(8 * 1024 * 1024, 0x0a));
    const links = [
      ['#alg=' + Buffer.from('kein deflate, nur Text').toString('base64url'), /^Der Link ist beschädigt/],
      ['#alg=ab$cd', /^Der Link ist beschädigt/],
      ['#alg=' + 'A'.repeat(64 * 1024 + 4), /^Der Link ist zu lang \(mehr als 65536 Zeichen\)/],
      [bomb, /^Der Algorithmus im Link wäre größer als 4 MiB/],
      [fragmentOf(Buffer.from('Hallo Welt\r\nZeichne Kreis\r\n')), /^Der Link enthält keinen Algorithmus/],
    ];
    assert(bomb.length < 16 * 1024, `the link of 8 MiB is ${bomb.length} characters long`);
    for (const [fragment, sentence] of links) {
      const told = await openAtLink(tab, server, server.url + fragment);
      assert(sentence.test(told) && told.endsWith('Quovadrin startet wie immer.'),
             `the link ${fragment.slice(0, 40)}… told '${told}'`);
      const started = await saveAndDownload(tab);
      assert(started.alg.equals(example), `after the link ${fragment.slice(0, 40)}… the program did not start with the example`);
    }
  },
};
