// The overview's look. On screen the cards flow in as many columns as fit;
// on paper two columns of cards, each picture 40 x 60 mm beside its listing,
// no card split across two sheets and no group title left alone at the foot
// of a sheet.
//
// The pictures keep the stroke of one layout unit that prints as a fine pen
// line, but a card on screen is some 190 pixels wide, where that unit is a
// third of a pixel and shows as a faint dotted trace. On screen only, the
// embedded pictures' lines are therefore drawn one CSS pixel wide whatever
// the picture's size (at least one device pixel on every screen); the
// picture files themselves stay as they are.
//
// A click on a card's picture or title makes that card its page's target,
// which shows it over the whole window, its picture as large as the window
// allows beside its listing; the back button or "Schließen" returns. This
// needs no script, so it works from a file opened straight from the disk.
#include "render/overview_style.h"

const char OverviewPageHead[] =
    "<!DOCTYPE html>\n"
    "<html lang=\"de\">\n"
    "<head>\n"
    "<meta charset=\"utf-8\">\n"
    "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
    "<title>Quovadrin: &Uuml;bersicht der Algorithmen</title>\n"
    "<style>\n"
    "body { font-family: sans-serif; margin: 1.5em; color: #000; background: #fff; }\n"
    "h1 { font-size: 1.5em; margin: 0 0 0.2em 0; }\n"
    ".note { margin: 0 0 1em 0; color: #333; }\n"
    ".group { margin: 0 0 1.5em 0; }\n"
    ".group > h2 { font-size: 1.2em; margin: 0 0 0.5em 0; padding-bottom: 0.1em; "
    "border-bottom: 2px solid #000; overflow-wrap: anywhere; break-after: avoid; "
    "page-break-after: avoid; }\n"
    ".cards { display: grid; grid-template-columns: repeat(auto-fill, minmax(26em, 1fr)); "
    "gap: 1em; }\n"
    ".card { display: flex; gap: 1em; margin: 0; padding: 0.7em; border: 1px solid #999; "
    "background: #fff; break-inside: avoid; page-break-inside: avoid; }\n"
    ".card .picture { flex: none; display: block; line-height: 0; }\n"
    ".card .picture svg, .card .picture img, .card .missing { width: 12em; height: 18em; "
    "border: 1px solid #bbb; }\n"
    ".card .missing { flex: none; display: flex; align-items: center; "
    "justify-content: center; text-align: center; color: #555; }\n"
    ".card figcaption { min-width: 0; }\n"
    ".card h3 { font-size: 1em; margin: 0 0 0.2em 0; overflow-wrap: anywhere; }\n"
    ".card h3 a { color: inherit; text-decoration: none; }\n"
    ".card .facts { font-size: 0.85em; color: #333; margin: 0 0 0.5em 0; }\n"
    ".card .close { display: none; }\n"
    ".listing { list-style: none; margin: 0; padding: 0; font-size: 0.85em; }\n"
    ".listing li { padding-left: calc(var(--level, 0) * 1.2em + 1em); text-indent: -1em; }\n"
    "@media screen {\n"
    "  .picture svg path { vector-effect: non-scaling-stroke; stroke-width: 1px; }\n"
    "  .card:target { position: fixed; inset: 0; z-index: 1; border: none; padding: 1em; "
    "overflow: auto; }\n"
    "  .card:target .picture svg, .card:target .picture img, .card:target .missing { "
    "width: auto; height: calc(100vh - 2.2em); aspect-ratio: 2 / 3; }\n"
    "  .card:target .close { display: inline-block; margin: 0 0 0.5em 0; }\n"
    "}\n"
    "@page { size: A4 portrait; margin: 12mm; }\n"
    "@media print {\n"
    "  body { margin: 0; font-size: 9pt; }\n"
    "  .cards { grid-template-columns: 1fr 1fr; gap: 4mm; }\n"
    "  .card { padding: 2mm; gap: 3mm; }\n"
    "  .card .picture svg, .card .picture img, .card .missing { width: 40mm; height: 60mm; }\n"
    "  .listing, .card .facts { font-size: 7.5pt; }\n"
    "}\n"
    "</style>\n"
    "</head>\n"
    "<body>\n";
