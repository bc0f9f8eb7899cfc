// The overview page's body: the title and note, the groups, and a card for
// each file with its picture embedded (without the picture file's XML
// declaration, which has no place inside HTML), linked or missing.
#include "render/overview_page.h"

#include <cstring>

#include "model/text_format.h"
#include "render/html_text.h"
#include "render/overview_style.h"

namespace {

const char PageEnd[] = "</body>\n</html>\n";

int groupCount(const std::vector<Card> &Cards) {
  int Count = 0;
  for (size_t I = 0; I < Cards.size(); ++I)
    if (I == 0 || Cards[I].Source.Group != Cards[I - 1].Source.Group)
      ++Count;
  return Count;
}

std::string noteOf(const std::vector<Card> &Cards) {
  const int Files = static_cast<int>(Cards.size());
  const int Groups = groupCount(Cards);
  return formatText("<p class=\"note\">%d %s in %d %s, nach Ordnern und Dateinamen geordnet. Jedes "
                    "Bild zeigt, was der Algorithmus daneben zeichnet; ein Klick zeigt es "
                    "gro&szlig;.</p>\n",
                    Files, Files == 1 ? "Datei" : "Dateien", Groups,
                    Groups == 1 ? "Gruppe" : "Gruppen");
}

std::string listingOf(const Card &C) {
  if (C.Listing.empty())
    return C.hasPicture() ? "<p class=\"facts\">Keine Befehle.</p>\n" : "";
  std::string Out = "<ol class=\"listing\">\n";
  for (const ListingLine &Line : C.Listing) {
    Out += Line.Level > 0 ? formatText("<li style=\"--level: %d\">", Line.Level) : "<li>";
    Out += htmlEscaped(Line.Text) + "</li>\n";
  }
  const int Hidden = C.CommandCount - static_cast<int>(C.Listing.size());
  if (Hidden > 0)
    Out += formatText("<li>&hellip; und %d weitere %s</li>\n", Hidden,
                      Hidden == 1 ? "Befehl" : "Befehle");
  return Out + "</ol>\n";
}

std::string captionOf(const Card &C, const std::string &Anchor) {
  return "<figcaption>\n<a class=\"close\" href=\"#\">Schlie&szlig;en</a>\n<h3><a href=\"#" +
         Anchor + "\">" + htmlEscaped(C.Source.Title) + "</a></h3>\n<p class=\"facts\">" +
         htmlEscaped(cardFacts(C)) + "</p>\n" + listingOf(C) + "</figcaption>\n</figure>\n";
}

// Passes a picture document on without its leading XML declaration, and
// counts what it passed.
class EmbeddedPicture {
public:
  explicit EmbeddedPicture(const TextSink &GivenOut) : Out(GivenOut) {}

  bool write(const char *Data, size_t Size) {
    if (AtStart && Size >= 2 && std::memcmp(Data, "<?", 2) == 0)
      InDeclaration = true;
    AtStart = false;
    if (InDeclaration) {
      const void *LineEnd = std::memchr(Data, '\n', Size);
      if (!LineEnd)
        return true;
      const size_t Skipped = static_cast<size_t>(static_cast<const char *>(LineEnd) - Data) + 1;
      InDeclaration = false;
      Data += Skipped;
      Size -= Skipped;
    }
    Passed += Size;
    return Size == 0 || Out(Data, Size);
  }
  size_t passed() const { return Passed; }

private:
  const TextSink &Out;
  bool AtStart = true;
  bool InDeclaration = false;
  size_t Passed = 0;
};

class OverviewBody {
public:
  OverviewBody(const CardPictureSource &Pictures, size_t Budget, const TextSink &Sink)
      : PictureOf(Pictures), EmbedBudget(Budget), Out(Sink) {}

  bool put(const std::string &Text) { return Out(Text.data(), Text.size()); }

  bool card(const Card &C, int Number) {
    const std::string Anchor = formatText("karte-%d", Number);
    if (!put(formatText("<figure class=\"card\" id=\"%s\">\n", Anchor.c_str())))
      return false;
    if (!C.hasPicture()) {
      if (!put("<div class=\"missing\">" + htmlEscaped(missingPictureText(C)) + "</div>\n"))
        return false;
    } else if (!picture(C, Anchor)) {
      return false;
    }
    return put(captionOf(C, Anchor));
  }

private:
  bool picture(const Card &C, const std::string &Anchor) {
    if (!put("<a class=\"picture\" href=\"#" + Anchor + "\">"))
      return false;
    const TextProducer Producer =
        EmbeddedBytes < EmbedBudget && PictureOf ? PictureOf(C) : TextProducer();
    if (!Producer) {
      return put(formatText("<img src=\"%s\" alt=\"Bild von %s\">",
                            htmlEscaped(urlEscaped(C.Source.PictureName)).c_str(),
                            htmlEscaped(C.Source.FileName).c_str())) &&
             put("</a>\n");
    }
    EmbeddedPicture Filter(Out);
    if (!Producer([&Filter](const char *Data, size_t Size) { return Filter.write(Data, Size); }))
      return false;
    EmbeddedBytes += Filter.passed();
    return put("</a>\n");
  }

  const CardPictureSource &PictureOf;
  size_t EmbedBudget;
  size_t EmbeddedBytes = 0;
  const TextSink &Out;
};

} // namespace

bool writeOverview(const std::vector<Card> &Cards, const CardPictureSource &PictureOf,
                   size_t EmbedBudget, const TextSink &Out) {
  OverviewBody Body(PictureOf, EmbedBudget, Out);
  if (!Body.put(OverviewPageHead) || !Body.put("<h1>&Uuml;bersicht der Algorithmen</h1>\n") ||
      !Body.put(noteOf(Cards)))
    return false;
  for (size_t I = 0; I < Cards.size(); ++I) {
    const std::string &Group = Cards[I].Source.Group;
    const bool Starts = I == 0 || Group != Cards[I - 1].Source.Group;
    if (Starts && I > 0 && !Body.put("</div>\n</section>\n"))
      return false;
    if (Starts && !Body.put("<section class=\"group\">\n" +
                            (Group.empty() ? "" : "<h2>" + htmlEscaped(Group) + "</h2>\n") +
                            "<div class=\"cards\">\n"))
      return false;
    if (!Body.card(Cards[I], static_cast<int>(I) + 1))
      return false;
  }
  if (!Cards.empty() && !Body.put("</div>\n</section>\n"))
    return false;
  return Body.put(PageEnd);
}
