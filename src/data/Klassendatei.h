#pragma once

#include "data/Daten.h"
#include "data/Namen.h" // ZeilenNr, used with the class names of KlassenListe

#include <QString>

#include <vector>

class QIODevice;

// The class file: "SGV01", the class name, then groups of (subject count, subject blocks). Strings are
// a big-endian 16-bit length and one ISO 8859-1 byte per character; integers are four bytes in the order
// bits 0-7, 24-31, 16-23, 8-15.

enum class TLadeErgebnis {
    Gelesen,
    NichtLesbar,       // no such file, or it cannot be opened or read
    Beschaedigt,       // ends inside a field, trailing bytes, counts the bytes cannot hold
    UnbekanntesFormat, // the first field is not "SGV01"
};

// Reads a class from the rest of AGeraet into AZiel. AZiel changes only when the result is Gelesen;
// nothing is allocated for counts that the bytes left cannot hold.
TLadeErgebnis KlasseLesen(QIODevice &AGeraet, TDaten &AZiel);
// Reads the file AFilename into AZiel (Filename := AFilename) with the same guarantees.
TLadeErgebnis KlasseLaden(const QString &AFilename, TDaten &AZiel);

// Empty when every string of ADaten fits the class file; otherwise which field holds what it cannot keep
// (a character beyond U+00FF, or more than 65535 characters), in German.
QString KlasseNichtSpeicherbar(const TDaten &ADaten);
// Writes the class file's bytes to AGeraet; false when KlasseNichtSpeicherbar is not empty or a write fails.
bool KlasseSchreiben(const TDaten &ADaten, QIODevice &AGeraet);

// The messages of the class file.
QString MeldungUnbekanntesFormat(const QString &AFilename);
QString MeldungBeschaedigt(const QString &AFilename);
QString MeldungNichtGespeichert(const QString &AKlasse);

// Saves ADaten as AFilename: a ".BAK" copy of the old file first when SikS, the error message on failure,
// and ASaveDaten := ADaten on success.
bool KlasseSpeichern(TDaten &ADaten, TDaten &ASaveDaten, const QString &AFilename, bool SikS);

struct TKlassenEintrag {
    QString Text; // the class name
    TDaten Daten; // the class as read; its Filename is the file's path
};
using TKlassenListe = std::vector<TKlassenEintrag>;

// The readable class files ("*.SGV") of the folder of AFilename (only its folder part counts), sorted by
// class name without regard to case; unreadable files and other formats are skipped silently.
TKlassenListe KlassenListe(const QString &AFilename);
// The class names of a list, each followed by CR LF: what ZeilenNr searches.
QString KlassenNamen(const TKlassenListe &AListe);
