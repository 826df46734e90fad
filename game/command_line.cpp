// The two words of the command line that the game answers itself, before
// the toolkit opens any window: --version and --help (also -h). They need no
// display, so a packager's or a teacher's script can ask for them anywhere.
// Every other word is left alone, as before.
#include "game_desktop.h"
#include "vqframe.h"

#include <cstdio>
#include <cstring>

#ifndef QUORILA_VERSION
#define QUORILA_VERSION "unknown"
#endif

namespace {

// The terminal shows UTF-8; the game's window texts are Latin-1, this is not
// one of them.
const char usage_text[] =
    "Aufruf: quorila [--learner NAME] [--help | --version]\n"
    "\n"
    "QUORILA, ein Zahlenreihen-Quiz: in jeder Aufgabe fehlt eine Zahl der Reihe;\n"
    "eines der sechs gelben Felder h\xC3\xA4lt sie.\n"
    "\n"
    "Tasten:\n"
    "  1 bis 6 (auch Ziffernblock)  das Antwortfeld 1 bis 6 w\xC3\xA4hlen\n"
    "  Pfeil links/rechts           ein Antwortfeld markieren\n"
    "  Eingabe, Leertaste           das markierte Feld w\xC3\xA4hlen; Kn\xC3\xB6pfe dr\xC3\xBC" "cken\n"
    "  Tab, Pfeil auf/ab            zwischen den Bedienelementen wechseln, Werte \xC3\xA4ndern\n"
    "  Escape                       die Aufgabe \xC3\xBC" "berspringen\n"
    "  F11                          Vollbild an und aus\n"
    "\n"
    "Umgebungsvariablen:\n"
    "  VQ_PLATFORM=headless     ohne Bildschirm laufen (nur f\xC3\xBCr Tests)\n"
    "  VQ_SCALE=off|2|3|4       Fenster nicht verkleinern oder so viel vergr\xC3\xB6\xC3\x9F" "ern\n"
    "  QUORILA_TEST_HOOK=1      f\xC3\xBCr Skripte: Lage der Bedienelemente und L\xC3\xB6sungen ausgeben\n"
    "  QUORILA_LEARNER=NAME     der Name des Lernenden in den Protokollen (sonst der Anmeldename)\n"
    "  XDG_DATA_HOME            Ordner f\xC3\xBCr die Protokolle\n"
    "\n"
    "Nach jedem Quiz schreibt das Spiel eine Zeile in\n"
    "$XDG_DATA_HOME/quorila/results.csv (meist ~/.local/share/quorila/results.csv),\n"
    "nach jeder Aufgabe eine in tasks.csv daneben; quorila-report macht daraus\n"
    "einen Bericht f\xC3\xBCr die Lehrkraft.\n"
    "Meldungen des Programms stehen auf der Standardausgabe.\n"
    "\n"
    "  --learner NAME  der Name des Lernenden in den Protokollen\n"
    "  --help          diese Hilfe zeigen\n"
    "  --version       die Version zeigen\n";

}  // namespace

bool game_answer_command_line() {
  char** argv = vqframe_argv();
  for (int i = 1; i < vqframe_argc() && argv != nullptr && argv[i] != nullptr; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("QUORILA %s\n", QUORILA_VERSION);
      return true;
    }
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(usage_text, stdout);
      return true;
    }
  }
  return false;
}
