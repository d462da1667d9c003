#pragma once

#include <QStringList>

// Completes the accelerators of one menu level: going through the captions in menu order, the first item
// that marks a letter or digit with "&" keeps it, a later item marking the same one loses its mark, and every
// item left without a mark gets a letter or digit of its own caption that no other item of the level uses
// (the first letter of a word where possible). Only A to Z and 0 to 9 take part; a mark on another character
// ("&Änderungen") stays as it is. "&&" is a literal ampersand. Separators ("-") are passed through.
QStringList BeschleunigerVervollstaendigen(const QStringList &ACaptions);

// The letter or digit a caption marks (upper case), or a null QChar.
QChar Beschleuniger(const QString &ACaption);
