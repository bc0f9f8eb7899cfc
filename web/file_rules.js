// Which of the learner's files the page keeps, and under which names: the
// limits every way in (a save, an added file, a .zip) is held to, the
// portable name a file from outside gets, and the next free name when a name
// is taken. Shared by the page, the zip worker and the tests, so it touches
// neither the page nor storage.
'use strict';

var Quovadrin = typeof Quovadrin === 'object' ? Quovadrin : {};

Quovadrin.fileRules = (function () {
  // The program's own reader refuses larger algorithm files, so a larger one
  // could never be loaded; pictures the page makes stay far below it too.
  var MaxFileBytes = 4 * 1024 * 1024;
  // A year of saves (three files each) fits many times over; a .zip with
  // more entries is not one the page wrote.
  var MaxZipEntries = 5000;
  // What one .zip may unpack to in all: some hundred saves with large
  // pictures, and little enough for a tablet's memory.
  var MaxZipTotalBytes = 128 * 1024 * 1024;
  // The .zip itself is read whole into memory first.
  var MaxZipBytes = MaxZipTotalBytes;
  // The file list draws names in a narrow panel; longer names are cut.
  var MaxNameLength = 60;

  var Folders = { alg: 'vorpAlgorithms', png: 'vorpImages', svg: 'vorpImages' };
  var Transliterations = { 'ä': 'ae', 'ö': 'oe', 'ü': 'ue', 'Ä': 'Ae', 'Ö': 'Oe', 'Ü': 'Ue',
                           'ß': 'ss' };

  /** The kind of a file name by its ending: 'alg', 'png', 'svg' or ''. */
  function kindOf(name) {
    var match = /\.(alg|png|svg)$/i.exec(name);
    return match ? match[1].toLowerCase() : '';
  }

  /** The stored path of a file name: its kind's folder and the name. */
  function pathOf(name) {
    return Folders[kindOf(name)] + '/' + name;
  }

  /** The name without its ending. */
  function baseOf(name) {
    return name.replace(/\.[^.]*$/, '');
  }

  /**
   * The portable name for a name from outside (a chosen file, a .zip
   * entry): folders are dropped, German letters spelt out as the program
   * spells them, every other character but letters, digits, '.', '-' and
   * '_' becomes '_', a name Windows keeps for a device gets a '_', and the
   * ending is written in lower case. Null when no file name is left (an
   * empty name, '.', '..') or the name holds control characters, which no
   * file name has.
   */
  function portableName(name) {
    // A Mac writes ä as a and a combining mark.
    var last = String(name).normalize('NFC').split(/[\/\\]/).pop();
    if (/[\x00-\x1f\x7f]/.test(last)) return null;
    var kind = kindOf(last);
    var base = kind ? last.slice(0, -kind.length - 1) : last;
    base = base.replace(/[äöüÄÖÜß]/g, function (letter) { return Transliterations[letter]; })
               .replace(/[^A-Za-z0-9._-]/g, '_')
               .replace(/^\.+/, '');
    if (!base) return null;
    // Names Windows keeps for its devices cannot be files there.
    base = base.replace(/^(con|prn|aux|nul|com\d|lpt\d)(?=\.|$)/i, '$1_');
    var ending = kind ? '.' + kind : '';
    return base.slice(0, MaxNameLength - ending.length) + ending;
  }

  /**
   * The first of base, base-2, base-3, ... for which taken(candidate) is
   * false. A save is named seed_<seed>-<letters>, so a number after another
   * hyphen never meets a later save's name.
   */
  function freeBase(base, taken) {
    if (!taken(base)) return base;
    for (var number = 2; ; ++number) {
      var suffix = '-' + number;
      var candidate = base.slice(0, MaxNameLength - 4 - suffix.length) + suffix;
      if (!taken(candidate)) return candidate;
    }
  }

  /** The paths a group of files with this base and these kinds takes. */
  function groupPaths(base, kinds) {
    return kinds.map(function (kind) { return Folders[kind] + '/' + base + '.' + kind; });
  }

  /** Whether the first bytes are a PNG signature. */
  function looksLikePng(bytes) {
    var signature = [0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a];
    return bytes.length >= 8 && signature.every(function (byte, i) { return bytes[i] === byte; });
  }

  /**
   * Where each group of added files goes. A group is { base, files: [{ kind,
   * bytes }] } with one .alg and maybe its pictures. existing holds every
   * stored path; sameBytes(path, bytes) says whether the stored file at path
   * holds those bytes. A group whose .alg is stored already, byte for byte,
   * is a duplicate and adds nothing; any other group takes the first base
   * under which none of its kinds' names (.alg, .png, .svg) is stored or
   * taken by an earlier group, so nothing stored is ever replaced and a
   * picture never lands beside another algorithm. Returns per group
   * { group, base, renamed, duplicate }.
   */
  function planAdditions(groups, existing, sameBytes) {
    var taken = new Set(existing);
    var allKinds = Object.keys(Folders);
    return groups.map(function (group) {
      var algorithm = group.files.filter(function (file) { return file.kind === 'alg'; })[0];
      var ownPath = groupPaths(group.base, ['alg'])[0];
      if (algorithm && existing.has(ownPath) &&
          sameBytes(ownPath, algorithm.bytes))
        return { group: group, base: group.base, renamed: false, duplicate: true };
      var base = freeBase(group.base, function (candidate) {
        return groupPaths(candidate, allKinds).some(function (path) { return taken.has(path); });
      });
      groupPaths(base, allKinds).forEach(function (path) { taken.add(path); });
      return { group: group, base: base, renamed: base !== group.base, duplicate: false };
    });
  }

  /** Whether the seed names the stored file at path (a save of that seed). */
  function isSaveOfSeed(path, seed) {
    var name = path.split('/').pop();
    return name.indexOf('seed_' + seed + '-') === 0;
  }

  return {
    MaxFileBytes: MaxFileBytes,
    MaxZipEntries: MaxZipEntries,
    MaxZipTotalBytes: MaxZipTotalBytes,
    MaxZipBytes: MaxZipBytes,
    MaxNameLength: MaxNameLength,
    Folders: Folders,
    kindOf: kindOf,
    pathOf: pathOf,
    baseOf: baseOf,
    portableName: portableName,
    freeBase: freeBase,
    groupPaths: groupPaths,
    looksLikePng: looksLikePng,
    planAdditions: planAdditions,
    isSaveOfSeed: isSaveOfSeed,
  };
})();

if (typeof module === 'object' && module.exports) module.exports = Quovadrin.fileRules;
