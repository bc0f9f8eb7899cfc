// Links that carry an algorithm: the algorithm's .alg bytes, compressed
// (deflate, the browser's CompressionStream) and base64url-encoded, in the
// address's fragment (#alg=...), which browsers never send to a server.
// Opening such a link starts the program with that algorithm as the
// current one, through the same reader and limits as a file, and unsaved:
// the learner's stored files are untouched until the learner saves. A link
// that is damaged, too long, inflates past the file limit or holds no
// algorithm gets one German sentence, and the program starts as usual.
// Inflating stops at the first chunk past the limit, so a short link that
// would inflate without end is refused at once.
'use strict';

var Quovadrin = typeof Quovadrin === 'object' ? Quovadrin : {};

Quovadrin.sharedLink = (function () {
  var rules = Quovadrin.fileRules;
  var status = Quovadrin.status;
  var Prefix = '#alg=';
  // The longest fragment opened: links travel by QR code (a few thousand
  // characters at most), chat and mail; 64 Ki characters hold some 48 KiB
  // compressed, tens of thousands of commands, and every browser keeps an
  // address that long.
  var MaxLinkCharacters = 64 * 1024;
  var Format = 'deflate-raw';
  var Folder = '/geteilt';
  var SharedPath = Folder + '/teilen.alg';
  var LinkPath = Folder + '/link.alg';
  // The program's answers (src/web/work_exports.cpp).
  var Answer = { done: 0, notAnAlgorithm: 3 };

  var Sentences = {
    damaged: 'Der Link ist beschädigt und enthält keinen lesbaren Algorithmus; Quovadrin startet wie immer.',
    tooLong: 'Der Link ist zu lang (mehr als ' + MaxLinkCharacters + ' Zeichen) und wurde nicht geöffnet; ' +
             'Quovadrin startet wie immer.',
    tooLarge: 'Der Algorithmus im Link wäre größer als ' + (rules.MaxFileBytes >> 20) + ' MiB und wurde nicht ' +
              'geöffnet; Quovadrin startet wie immer.',
    notAnAlgorithm: 'Der Link enthält keinen Algorithmus; Quovadrin startet wie immer.',
    unsupported: 'Dieser Browser kann Links mit Algorithmus nicht öffnen; Quovadrin startet wie immer.',
    opened: 'Der Algorithmus aus dem Link ist geladen. Er ist noch nicht gespeichert.',
  };

  function base64url(bytes) {
    var binary = '';
    for (var at = 0; at < bytes.length; at += 0x8000)
      binary += String.fromCharCode.apply(null, bytes.subarray(at, at + 0x8000));
    return btoa(binary).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
  }

  /** The bytes of base64url text, or null when it is none. */
  function fromBase64url(text) {
    if (!/^[A-Za-z0-9_-]*$/.test(text) || text.length % 4 === 1) return null;
    var binary;
    try {
      binary = atob(text.replace(/-/g, '+').replace(/_/g, '/'));
    } catch (error) {
      return null;
    }
    var bytes = new Uint8Array(binary.length);
    for (var i = 0; i < binary.length; ++i) bytes[i] = binary.charCodeAt(i);
    return bytes;
  }

  function supported() {
    return typeof CompressionStream === 'function' && typeof DecompressionStream === 'function';
  }

  /** All chunks of a stream's reader as one array. */
  function joined(chunks, length) {
    var whole = new Uint8Array(length);
    var at = 0;
    chunks.forEach(function (chunk) {
      whole.set(chunk, at);
      at += chunk.length;
    });
    return whole;
  }

  /** The fragment (with its '#alg=') that carries bytes. */
  function encode(bytes) {
    var stream = new Blob([bytes]).stream().pipeThrough(new CompressionStream(Format));
    return new Response(stream).arrayBuffer().then(function (buffer) {
      return Prefix + base64url(new Uint8Array(buffer));
    });
  }

  /** Inflates bytes; resolves to { bytes } or { failure: 'damaged' |
   *  'tooLarge' }, stopping at the first chunk past the file limit. */
  function inflate(compressed) {
    var reader = new Blob([compressed]).stream().pipeThrough(new DecompressionStream(Format)).getReader();
    var chunks = [];
    var length = 0;
    function next() {
      return reader.read().then(function (step) {
        if (step.done) return { bytes: joined(chunks, length) };
        length += step.value.length;
        if (length > rules.MaxFileBytes) {
          reader.cancel().catch(function () {});
          return { failure: 'tooLarge' };
        }
        chunks.push(step.value);
        return next();
      });
    }
    return next().catch(function () { return { failure: 'damaged' }; });
  }

  /** What a fragment carries: { bytes } or { failure }. */
  function decode(fragment) {
    var text = fragment.slice(Prefix.length);
    if (text.length > MaxLinkCharacters) return Promise.resolve({ failure: 'tooLong' });
    if (!supported()) return Promise.resolve({ failure: 'unsupported' });
    var compressed = fromBase64url(text);
    if (!compressed || !compressed.length) return Promise.resolve({ failure: 'damaged' });
    return inflate(compressed);
  }

  function inFileSystem(path, bytes) {
    var FS = Module.FS;
    if (!FS.analyzePath(Folder).exists) FS.mkdir(Folder);
    if (bytes) FS.writeFile(path, bytes);
  }

  /** Opens the algorithm of the address's fragment, if it carries one;
   *  the fragment is taken from the address, so a reload starts as usual
   *  (the work lives on as the tab's draft). Resolves when done. */
  function openFromAddress() {
    var fragment = location.hash;
    if (fragment.indexOf(Prefix) !== 0) return Promise.resolve();
    history.replaceState(null, '', location.pathname + location.search);
    return decode(fragment).then(function (found) {
      if (found.failure) return status.tell(Sentences[found.failure], true);
      inFileSystem(LinkPath, found.bytes);
      var answer = Module._quovadrinOpenSharedAlgorithm();
      if (answer === Answer.done) return status.tell(Sentences.opened, false);
      status.tell(answer === Answer.notAnAlgorithm ? Sentences.notAnAlgorithm : Sentences.damaged, true);
    }).catch(function (error) {
      console.warn('Quovadrin-Link:', error);
      status.tell(Sentences.damaged, true);
    });
  }

  /** The link to the current algorithm: resolves to the address, or
   *  rejects with the German sentence why there is none. */
  function linkToCurrent() {
    if (!supported()) return Promise.reject(new Error('Dieser Browser kann keine Links mit Algorithmus machen.'));
    inFileSystem(SharedPath, null);
    if (Module._quovadrinWriteSharedAlgorithm() !== Answer.done)
      return Promise.reject(new Error('Der Algorithmus ließ sich nicht lesen.'));
    var bytes = Module.FS.readFile(SharedPath);
    return encode(bytes).then(function (fragment) {
      if (fragment.length - Prefix.length > MaxLinkCharacters)
        throw new Error('Der Algorithmus ist für einen Link zu groß; bitte als Datei weitergeben.');
      return location.origin + location.pathname + fragment;
    });
  }

  var started = false;
  /** After the program's first frame: the link it was opened with. */
  function programStarted() {
    started = true;
    window.quovadrinLinkOpened = openFromAddress();
  }
  // A link pasted into the address of the running page opens as well.
  window.addEventListener('hashchange', function () {
    if (started) window.quovadrinLinkOpened = openFromAddress();
  });

  return {
    MaxLinkCharacters: MaxLinkCharacters,
    programStarted: programStarted,
    linkToCurrent: linkToCurrent,
    decode: decode,
  };
})();
