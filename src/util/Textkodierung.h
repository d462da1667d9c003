#pragma once

#include <QByteArray>
#include <QString>

// The byte forms of texts that leave the program: saved text overviews and the updater hand-over file.
// Windows-1252 is the German Windows ANSI code page; using it everywhere makes these files the same
// bytes on every platform.

// Windows-1252 bytes of AText. Every character the code page cannot represent becomes "?": a surrogate
// pair counts as one character, a lone surrogate as one. U+0081, U+008D, U+008F, U+0090 and U+009D,
// which the code page leaves undefined, keep their own byte values, as Windows does.
QByteArray AlsWindows1252(const QString &AText);
// The inverse: every byte is one character; the five undefined bytes become U+0081 and so on.
QString AusWindows1252(const QByteArray &ABytes);

// The byte order mark FF FE, then the UTF-16 code units of AText, low byte first.
QByteArray AlsUtf16LeMitBom(const QString &AText);

// Every line break (CR LF, a lone CR, a lone LF) becomes CR LF, and a text that is not empty ends
// with CR LF.
QString MitCrLf(const QString &AText);
