#pragma once

#include <QString>
#include <QStringList>

// How names and user texts are compared and trimmed throughout the program.

// Upper-cases every UTF-16 code unit on its own, so the length never changes (ä becomes Ä, ß stays ß).
QString Gross(const QString &AText);

// Removes leading and trailing characters up to U+0020 (blanks and control characters, also CR LF).
QString Trimmen(const QString &AText);

// Locale-aware comparison without regard to case (the system locale; German when the system has
// none but "C", since every text of the program is German). Negative, 0 or positive.
int VergleicheOhneGross(const QString &A, const QString &B);

// Splits a text into lines at CR, LF or CR LF. A line break at the very end opens no further line,
// so "A\r\nB\r\n" holds the two lines A and B.
QStringList Zeilen(const QString &AText);

// Position of the first line of AText that equals AZeile without regard to case, or -1. Both sides are
// upper-cased code unit by code unit and then must match exactly, so a name counts as taken exactly when
// the subject search would find it: "Straße" is not "STRASSE", and a soft hyphen is not ignored, as a
// collator would have it.
int ZeilenNr(const QString &AText, const QString &AZeile);
