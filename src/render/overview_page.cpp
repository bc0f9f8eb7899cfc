// The overview page. Its style sheet is inline, so the page needs no network
// and no other file than the pictures. On screen the cards flow in as many
// columns as fit; on paper two columns of cards, each picture 40 x 60 mm
// beside its listing, and no card split across two sheets.
#include "render/overview_page.h"

#include "model/text_format.h"

namespace {

const char PageStart[] =
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
    ".cards { display: grid; grid-template-columns: repeat(auto-fill, minmax(26em, 1fr)); "
    "gap: 1em; }\n"
    ".card { display: flex; gap: 1em; margin: 0; padding: 0.7em; border: 1px solid #999; "
    "break-inside: avoid; page-break-inside: avoid; }\n"
    ".card img, .card .missing { flex: none; width: 12em; height: 18em; "
    "border: 1px solid #bbb; }\n"
    ".card .missing { display: flex; align-items: center; justify-content: center; "
    "text-align: center; color: #555; }\n"
    ".card figcaption { min-width: 0; }\n"
    ".card h2 { font-size: 1em; margin: 0 0 0.2em 0; overflow-wrap: anywhere; }\n"
    ".card .facts { font-size: 0.85em; color: #333; margin: 0 0 0.5em 0; }\n"
    ".listing { list-style: none; margin: 0; padding: 0; font-size: 0.85em; }\n"
    ".listing li { padding-left: calc(var(--level, 0) * 1.2em + 1em); text-indent: -1em; }\n"
    "@page { size: A4 portrait; margin: 12mm; }\n"
    "@media print {\n"
    "  body { margin: 0; font-size: 9pt; }\n"
    "  .cards { grid-template-columns: 1fr 1fr; gap: 4mm; }\n"
    "  .card { padding: 2mm; gap: 3mm; }\n"
    "  .card img, .card .missing { width: 40mm; height: 60mm; }\n"
    "  .listing, .card .facts { font-size: 7.5pt; }\n"
    "}\n"
    "</style>\n"
    "</head>\n"
    "<body>\n";
const char PageEnd[] = "</body>\n</html>\n";

std::string factsOf(const RenderedFile &File) {
  if (!File.hasPicture())
    return formatText("Startwert %d", static_cast<int>(File.Seed));
  std::string Facts = formatText("Startwert %d, %d %s", static_cast<int>(File.Seed),
                                 File.ShapeCount, File.ShapeCount == 1 ? "Form" : "Formen");
  if (File.Outcome == RenderOutcome::StepCapReached)
    Facts += ", nach zu vielen Befehlen angehalten";
  return Facts;
}

std::string pictureOf(const RenderedFile &File) {
  if (File.hasPicture())
    return formatText("<img src=\"%s\" alt=\"Bild von %s\">\n",
                      htmlEscaped(urlEscaped(File.PictureName)).c_str(),
                      htmlEscaped(File.FileName).c_str());
  const char *Why = File.Outcome == RenderOutcome::Unreadable
                        ? "Kein Bild: Die Datei kann nicht gelesen werden."
                        : "Kein Bild: Es konnte nicht geschrieben werden.";
  return formatText("<div class=\"missing\">%s</div>\n", Why);
}

std::string listingOf(const RenderedFile &File) {
  if (File.Listing.empty())
    return File.hasPicture() ? "<p class=\"facts\">Keine Befehle.</p>\n" : "";
  std::string Out = "<ol class=\"listing\">\n";
  for (const ListingLine &Line : File.Listing) {
    Out += Line.Level > 0 ? formatText("<li style=\"--level: %d\">", Line.Level) : "<li>";
    Out += htmlEscaped(Line.Text) + "</li>\n";
  }
  return Out + "</ol>\n";
}

std::string cardOf(const RenderedFile &File) {
  return "<figure class=\"card\">\n" + pictureOf(File) + "<figcaption>\n<h2>" +
         htmlEscaped(File.FileName) + "</h2>\n<p class=\"facts\">" + htmlEscaped(factsOf(File)) +
         "</p>\n" + listingOf(File) + "</figcaption>\n</figure>\n";
}

} // namespace

std::string htmlEscaped(const std::string &Text) {
  std::string Out;
  Out.reserve(Text.size());
  for (char C : Text) {
    switch (C) {
    case '&':
      Out += "&amp;";
      break;
    case '<':
      Out += "&lt;";
      break;
    case '>':
      Out += "&gt;";
      break;
    case '"':
      Out += "&quot;";
      break;
    case '\'':
      Out += "&#39;";
      break;
    default:
      Out += C;
    }
  }
  return Out;
}

std::string urlEscaped(const std::string &Name) {
  static const char Hex[] = "0123456789ABCDEF";
  std::string Out;
  for (unsigned char C : Name) {
    const bool Plain = (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z') || (C >= '0' && C <= '9') ||
                       C == '-' || C == '.' || C == '_' || C == '~';
    if (Plain) {
      Out += static_cast<char>(C);
      continue;
    }
    Out += '%';
    Out += Hex[C >> 4];
    Out += Hex[C & 0xF];
  }
  return Out;
}

std::string overviewPage(const std::vector<RenderedFile> &Files) {
  std::string Page = PageStart;
  Page += "<h1>&Uuml;bersicht der Algorithmen</h1>\n";
  Page += formatText("<p class=\"note\">%d %s, nach Dateinamen geordnet. Jedes Bild zeigt, was "
                     "der Algorithmus daneben zeichnet.</p>\n",
                     static_cast<int>(Files.size()), Files.size() == 1 ? "Datei" : "Dateien");
  Page += "<div class=\"cards\">\n";
  for (const RenderedFile &File : Files)
    Page += cardOf(File);
  return Page + "</div>\n" + PageEnd;
}
