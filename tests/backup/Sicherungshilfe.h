#pragma once

#include "backup/Kopieren.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QString>
#include <QStringList>

#include <unistd.h>

// What the backup tests share: files of a given size with bytes that tell every position apart, and a
// recorder for what a run reports.
namespace Sicherungshilfe {
// ALaenge bytes whose value depends on the position and ASaat, so that a shifted or swapped block shows.
inline QByteArray Muster(qint64 ALaenge, int ASaat = 1) {
    QByteArray Bytes(ALaenge, Qt::Uninitialized);
    quint32 Wert = 2166136261u ^ static_cast<quint32>(ASaat);
    for (qint64 Pos = 0; Pos < ALaenge; ++Pos) {
        Wert = (Wert ^ static_cast<quint32>(Pos)) * 16777619u;
        Bytes[Pos] = static_cast<char>(Wert >> 24);
    }
    return Bytes;
}

inline bool Schreiben(const QString &APfad, const QByteArray &AInhalt) {
    QDir().mkpath(QFileInfo(APfad).path());
    QFile Datei(APfad);
    return Datei.open(QIODevice::WriteOnly | QIODevice::Truncate) && Datei.write(AInhalt) == AInhalt.size();
}

inline QByteArray Lesen(const QString &APfad) {
    QFile Datei(APfad);
    return Datei.open(QIODevice::ReadOnly) ? Datei.readAll() : QByteArray("<nicht lesbar>");
}

// The names in a folder, hidden ones included, sorted.
inline QStringList Inhalt(const QString &AOrdner) {
    return QDir(AOrdner).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

inline bool IstRoot() {
    return geteuid() == 0;
}

// Records the log lines, blocks and messages of a run.
struct TProtokoll {
    QStringList Zeilen;
    QList<qint64> Bloecke;
    QStringList Fehler;
    QStringList Hinweise;
    TKopierMelder Melder() {
        TKopierMelder Melder;
        Melder.Zeile = [this](const QString &AText) { Zeilen.append(AText); };
        Melder.Fortschritt = [this](qint64 ABytes) { Bloecke.append(ABytes); };
        Melder.Fehler = [this](const QString &AText) { Fehler.append(AText); };
        Melder.Hinweis = [this](const QString &AText) { Hinweise.append(AText); };
        return Melder;
    }
};
} // namespace Sicherungshilfe
