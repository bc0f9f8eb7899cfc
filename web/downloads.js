// Files handed to the learner's computer: the links of the last save in the
// bar (to hand work in, and the safe copy when the browser cannot keep it),
// and a file made by the page (the .zip of all work) downloaded at once.
'use strict';

var Quovadrin = typeof Quovadrin === 'object' ? Quovadrin : {};

Quovadrin.downloads = (function () {
  var bar = document.getElementById('downloads');
  var offered = [];
  var Types = { alg: 'text/plain', png: 'image/png', svg: 'image/svg+xml' };

  function link(name, bytes) {
    var kind = Quovadrin.fileRules.kindOf(name);
    var url = URL.createObjectURL(new Blob([bytes], { type: Types[kind] || 'application/octet-stream' }));
    offered.push(url);
    var anchor = document.createElement('a');
    anchor.href = url;
    anchor.download = name;
    anchor.textContent = '⤓ ' + kind;
    anchor.title = 'Herunterladen: ' + name;
    return anchor;
  }

  /** Offers the files of one save ({ path, bytes } each) in place of the
   *  last save's. */
  function offer(files) {
    offered.forEach(function (url) { URL.revokeObjectURL(url); });
    offered = [];
    bar.textContent = '';
    files.forEach(function (file) { bar.appendChild(link(file.path.split('/').pop(), file.bytes)); });
  }

  /** Marks the offered links as the only copy of the last save. */
  function urge(on) { bar.classList.toggle('urgent', !!on); }

  /** Downloads blob as a file called name. */
  function save(blob, name) {
    var url = URL.createObjectURL(blob);
    var anchor = document.createElement('a');
    anchor.href = url;
    anchor.download = name;
    document.body.appendChild(anchor);
    anchor.click();
    anchor.remove();
    // The browser has taken the file once the click's task is over.
    setTimeout(function () { URL.revokeObjectURL(url); }, 60000);
  }

  return { offer: offer, urge: urge, save: save };
})();
