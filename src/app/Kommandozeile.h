#pragma once

// The program without a window: "stundolog --json DATEI" and the other calls of "stundolog --help".
// Output is UTF-8 whatever the locale; error messages go to standard error, in German.

// Exit statuses of the command line.
namespace Rueckgabe {
constexpr int Ok = 0;
constexpr int Fehler = 1;            // unreadable or damaged file, bad JSON, unsavable text, write failure
constexpr int UnbekanntesFormat = 2; // the file is no class file
constexpr int KeinFach = 3;          // --text with a subject the class does not have
constexpr int Aufruf = 64;           // unknown option, missing or surplus argument (EX_USAGE)
} // namespace Rueckgabe

// True when any argument is one of our options (it starts with "--", or is -h, -v or -?): then the
// program runs as a command and starts no window.
bool IstKommandozeile(int argc, char **argv);

// Runs the command given in argv with a QCoreApplication of its own and returns the exit status.
int KommandozeileAusfuehren(int argc, char **argv);
