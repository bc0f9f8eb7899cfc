// Reading --window, --help and the options of --render, and the German texts
// that explain the options.
#include "app/command_line.h"

#include <charconv>
#include <cstring>
#include <vector>

namespace {

bool isHelp(const char *Arg) {
  return std::strcmp(Arg, "--help") == 0 || std::strcmp(Arg, "-h") == 0;
}

bool isOwnOption(const char *Arg) { return std::strncmp(Arg, "--", 2) == 0 || isHelp(Arg); }

/// A seed for --seed: a whole decimal number within 32 bits, nothing after it.
std::optional<int32_t> seedNumber(const char *Text) {
  int32_t Value = 0;
  const char *End = Text + std::strlen(Text);
  const auto Parsed = std::from_chars(Text, End, Value);
  if (Parsed.ec != std::errc() || Parsed.ptr != End || Parsed.ptr == Text)
    return std::nullopt;
  return Value;
}

/// What the options of --render say, before the files are known.
struct RenderOptions {
  bool Asked = false;       ///< --render itself
  bool ValuesGiven = false; ///< --out or --seed, which mean nothing without it
  bool Valid = true;
  bool OutGiven = false;
  bool SeedGiven = false;
  std::vector<std::string> Positional;
};

/// --out and --seed with the value that follows (at \p I, which moves on to
/// it). False for any other argument. Each may be given once: a second
/// folder or seed would silently win over the first, so it is a usage error.
bool takeRenderValue(int &I, int ArgCount, char **Args, RenderOptions &Options,
                     RenderRequest &Request) {
  const bool Out = std::strcmp(Args[I], "--out") == 0;
  if (!Out && std::strcmp(Args[I], "--seed") != 0)
    return false;
  Options.ValuesGiven = true;
  bool &Given = Out ? Options.OutGiven : Options.SeedGiven;
  if (Given || I + 1 >= ArgCount) {
    Options.Valid = false;
    I = I + 1 < ArgCount ? I + 1 : I;
    return true;
  }
  Given = true;
  const char *Value = Args[++I];
  if (Out) {
    Request.OutputFolder = Value;
    return true;
  }
  Request.Seed = seedNumber(Value);
  Options.Valid = Options.Valid && Request.Seed.has_value();
  return true;
}

/// Render, or RenderUsage when --render, files, folder or a valid seed are
/// missing.
StartMode renderMode(RenderOptions &Options, RenderRequest &Request) {
  Request.Inputs = std::move(Options.Positional);
  const bool Complete =
      Options.Asked && Options.Valid && !Request.Inputs.empty() && !Request.OutputFolder.empty();
  return Complete ? StartMode::Render : StartMode::RenderUsage;
}

} // namespace

CommandLine parseCommandLine(int &ArgCount, char **Args) {
  CommandLine Result;
  bool Window = false;
  RenderOptions Render;
  int Kept = ArgCount > 0 ? 1 : 0;
  bool OptionsEnded = false;
  for (int I = 1; I < ArgCount; ++I) {
    const char *Arg = Args[I];
    // After "--" every argument is a name, even one that looks like an
    // option: a learner's file may be called -h.
    if (!OptionsEnded && std::strcmp(Arg, "--") == 0) {
      OptionsEnded = true;
      continue;
    }
    if (OptionsEnded || !isOwnOption(Arg)) {
      Render.Positional.push_back(Arg);
      Args[Kept++] = Args[I];
      continue;
    }
    if (isHelp(Arg))
      Result.Mode = StartMode::Help;
    else if (std::strcmp(Arg, "--window") == 0)
      Window = true;
    else if (std::strcmp(Arg, "--render") == 0)
      Render.Asked = true;
    else if (takeRenderValue(I, ArgCount, Args, Render, Result.Render))
      continue;
    else if (Result.Unknown.empty())
      Result.Unknown = Arg;
  }
  ArgCount = Kept;
  Args[Kept] = nullptr;
  if (Result.Mode == StartMode::Help)
    return Result;
  if (!Result.Unknown.empty())
    Result.Mode = StartMode::UnknownOption;
  else if (Render.Asked || Render.ValuesGiven)
    Result.Mode = renderMode(Render, Result.Render);
  else if (Window)
    Result.Mode = StartMode::Window;
  return Result;
}

const char *helpText() {
  return "Aufruf: quovadrin [--window]\n"
         "        quovadrin --render DATEI.alg|ORDNER... --out ORDNER [--seed N]\n"
         "\n"
         "Quovadrin ist ein Algorithmenlabor: Aus Bildsymbolen und Wertfeldern entsteht ein\n"
         "kleines Zeichenprogramm, das Schritt fuer Schritt auf einer Rasterleinwand laeuft.\n"
         "\n"
         "Ohne Option startet Quovadrin im Vollbild, mit der groessten der Aufloesungen\n"
         "1280x1024, 1152x864, 1024x768 und 800x600 bei 32 bit Farbtiefe, die die\n"
         "Grafikkarte anbietet.\n"
         "\n"
         "  --window   in einem Fenster von 1024x768 Pixeln starten statt im Vollbild,\n"
         "             zum Beispiel in einer virtuellen Maschine oder ueber Fernzugriff;\n"
         "             Aufbau und Bedienung bleiben gleich, das Fenster laesst sich\n"
         "             beliebig gross ziehen\n"
         "  --render DATEI.alg|ORDNER... --out ORDNER\n"
         "             die Algorithmen zeichnen, ohne Bildschirm und ohne die Bilder des\n"
         "             Programms, aus jedem Ordner heraus, wie die Vorschau der ganzen\n"
         "             Liste (hoechstens 100001 Schritte): je Datei ORDNER/NAME.svg, dazu\n"
         "             ORDNER/index.html, eine Klassenuebersicht zum Drucken auf A4 mit\n"
         "             jedem Bild neben seiner Liste, nach Ordnern gruppiert; ein Ordner\n"
         "             steht fuer alle .alg-Dateien darin und in seinen Unterordnern, so\n"
         "             gibt ein Ordner je Schuelerin oder Schueler eine Gruppe je Name;\n"
         "             eine Datei, die sich nicht lesen laesst, ein zu grosses Bild und\n"
         "             jeder Name, der keine .alg-Datei ist, werden gemeldet und\n"
         "             uebersprungen (Rueckgabewert 1)\n"
         "  --seed N   Startwert des Zufallsgenerators fuer --render, wo der Dateiname\n"
         "             keinen nennt (seed_N-x.alg nennt N); ohne beides gilt 1\n"
         "  --         beendet die Optionen: alles danach sind Dateien oder Ordner,\n"
         "             auch ein Name wie -h\n"
         "  --help     diese Hilfe zeigen\n"
         "\n"
         "Beenden mit der Escape-Taste oder dem Knopf zum Beenden. Gespeichert wird in\n"
         "vorpAlgorithms/ und vorpImages/ im Arbeitsverzeichnis; der Befehl quovadrin\n"
         "arbeitet in ${XDG_DATA_HOME:-~/.local/share}/quovadrin. Die Bilder (vorpData/,\n"
         "alphabetTextures/) werden zuerst im Arbeitsverzeichnis gesucht, dann im\n"
         "installierten Datenordner share/quovadrin.\n";
}

const char *renderUsageText() {
  return "Aufruf: quovadrin --render DATEI.alg|ORDNER... --out ORDNER [--seed N]\n";
}

std::string unknownOptionText(const std::string &Option) {
  return "Unbekannte Option " + Option + ". Hilfe: quovadrin --help\n";
}
