// Reading --window and --help, and the German texts that explain the options.
#include "app/command_line.h"

#include <cstring>

namespace {

bool isHelp(const char *Arg) {
  return std::strcmp(Arg, "--help") == 0 || std::strcmp(Arg, "-h") == 0;
}

bool isOwnOption(const char *Arg) { return std::strncmp(Arg, "--", 2) == 0 || isHelp(Arg); }

} // namespace

CommandLine parseCommandLine(int &ArgCount, char **Args) {
  CommandLine Result;
  bool Window = false;
  int Kept = ArgCount > 0 ? 1 : 0;
  for (int I = 1; I < ArgCount; ++I) {
    const char *Arg = Args[I];
    if (!isOwnOption(Arg)) {
      Args[Kept++] = Args[I];
      continue;
    }
    if (isHelp(Arg))
      Result.Mode = StartMode::Help;
    else if (std::strcmp(Arg, "--window") == 0)
      Window = true;
    else if (Result.Unknown.empty())
      Result.Unknown = Arg;
  }
  ArgCount = Kept;
  Args[Kept] = nullptr;
  if (Result.Mode == StartMode::Help)
    return Result;
  if (!Result.Unknown.empty())
    Result.Mode = StartMode::UnknownOption;
  else if (Window)
    Result.Mode = StartMode::Window;
  return Result;
}

const char *helpText() {
  return "Aufruf: quovadrin [--window]\n"
         "        quovadrin --render DATEI.alg... --out ORDNER [--seed N]\n"
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
         "  --render DATEI.alg... --out ORDNER\n"
         "             die Algorithmen zeichnen, ohne Bildschirm und ohne die Bilder des\n"
         "             Programms, aus jedem Ordner heraus, wie die Vorschau der ganzen\n"
         "             Liste (hoechstens 100001 Schritte): je Datei ORDNER/NAME.svg, dazu\n"
         "             ORDNER/index.html, eine Klassenuebersicht zum Drucken auf A4 mit\n"
         "             jedem Bild neben seiner Liste; eine Datei, die sich nicht lesen\n"
         "             laesst, wird gemeldet und uebersprungen (Rueckgabewert 1)\n"
         "  --seed N   Startwert des Zufallsgenerators fuer --render, wo der Dateiname\n"
         "             keinen nennt (seed_N-x.alg nennt N); ohne beides gilt 1\n"
         "  --help     diese Hilfe zeigen\n"
         "\n"
         "Beenden mit der Escape-Taste oder dem Knopf zum Beenden. Gespeichert wird in\n"
         "vorpAlgorithms/ und vorpImages/ im Arbeitsverzeichnis; der Befehl quovadrin\n"
         "arbeitet in ${XDG_DATA_HOME:-~/.local/share}/quovadrin. Die Bilder (vorpData/,\n"
         "alphabetTextures/) werden zuerst im Arbeitsverzeichnis gesucht, dann im\n"
         "installierten Datenordner share/quovadrin.\n";
}

std::string unknownOptionText(const std::string &Option) {
  return "Unbekannte Option " + Option + ". Hilfe: quovadrin --help\n";
}
