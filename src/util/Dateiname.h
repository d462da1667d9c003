#pragma once

#include <QString>

// File names that a class name gives: a class may bear any name, its file must still be one that every file
// system the data is copied to (a backup stick, a Windows share) accepts.

// Whether AName names one of the reserved devices AUX, CON, NUL, PRN, COM1 to COM9 or LPT1 to LPT9: the text after
// the last "\" or ":", without its extension (from the last "." on), trimmed and upper-cased. "con.txt" and
// "lpt9 " are devices too.
bool IstGeraetename(const QString &AName);

// False when AName is a device name or holds a control character (U+0000 to U+001F) or one of " * / : < > ? \ |.
bool IstGueltigerDateiname(const QString &AName);

// The path of a new class file for the class AName in the folder APfad (a separator is added when it lacks one):
// the trimmed name, every forbidden character replaced by "_" and a "_" appended to a device name, then ".SGV";
// while that file exists, a "_" goes in before ".SGV" (7b.SGV, 7b_.SGV, 7b__.SGV). A file whose name differs only
// in letter case counts as existing: the class files are copied to case-blind file systems, where the two would be
// one file.
QString NeuerDateiname(const QString &APfad, const QString &AName);
