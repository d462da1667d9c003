#include "data/Namen.h"

#include <QCollator>
#include <QLocale>

QString Gross(const QString &AText) {
    QString Ergebnis = AText;
    for (QChar &Zeichen : Ergebnis)
        Zeichen = Zeichen.toUpper();
    return Ergebnis;
}

QString Trimmen(const QString &AText) {
    qsizetype Anfang = 0;
    qsizetype Ende = AText.size();
    while (Anfang < Ende && AText.at(Anfang).unicode() <= 0x20)
        ++Anfang;
    while (Ende > Anfang && AText.at(Ende - 1).unicode() <= 0x20)
        --Ende;
    return AText.mid(Anfang, Ende - Anfang);
}

namespace {
const QCollator &Sortierer() {
    static const QCollator Instanz = [] {
        QLocale Gebiet = QLocale::system();
        if (Gebiet.language() == QLocale::C)
            Gebiet = QLocale(QLocale::German, QLocale::Germany);
        QCollator Neu(Gebiet);
        Neu.setCaseSensitivity(Qt::CaseInsensitive);
        return Neu;
    }();
    return Instanz;
}
} // namespace

int VergleicheOhneGross(const QString &A, const QString &B) { return Sortierer().compare(A, B); }

QStringList Zeilen(const QString &AText) {
    QStringList Ergebnis;
    qsizetype Anfang = 0;
    const qsizetype Laenge = AText.size();
    qsizetype Pos = 0;
    while (Pos < Laenge) {
        const QChar Zeichen = AText.at(Pos);
        if (Zeichen == QLatin1Char('\r') || Zeichen == QLatin1Char('\n')) {
            Ergebnis.append(AText.mid(Anfang, Pos - Anfang));
            if (Zeichen == QLatin1Char('\r') && Pos + 1 < Laenge && AText.at(Pos + 1) == QLatin1Char('\n'))
                ++Pos;
            Anfang = Pos + 1;
        }
        ++Pos;
    }
    if (Anfang < Laenge)
        Ergebnis.append(AText.mid(Anfang));
    return Ergebnis;
}

int ZeilenNr(const QString &AText, const QString &AZeile) {
    const QString Gesucht = Gross(AZeile);
    const QStringList Liste = Zeilen(Gross(AText));
    for (qsizetype Nr = 0; Nr < Liste.size(); ++Nr)
        if (Liste.at(Nr) == Gesucht)
            return static_cast<int>(Nr);
    return -1;
}
