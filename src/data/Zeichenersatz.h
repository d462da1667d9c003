#pragma once

#include <QString>
#include <QStringList>

// A class file holds only the characters U+0000 to U+00FF. What a user types or pastes beyond them is
// replaced before it reaches the class: typographic quotes by " and ', dashes by -, "…" by "...",
// "€" by "EUR", anything else by "?".
struct TErsatz {
    QString Text;        // the text with every replacement made
    QStringList Ersetzt; // each replaced character once, in order of first appearance
};

TErsatz Latin1Ersatz(const QString &AText);

// For the status line: which characters were replaced, e.g. „€“ durch „EUR“, „→“ durch „?“.
QString ErsatzHinweis(const QStringList &AErsetzt);
