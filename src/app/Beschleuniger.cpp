#include "app/Beschleuniger.h"

#include <QSet>

namespace {
bool NimmtTeil(QChar AZeichen) {
    const char16_t Code = AZeichen.toUpper().unicode();
    return (Code >= u'A' && Code <= u'Z') || (Code >= u'0' && Code <= u'9');
}

// Position of the marked character, or -1.
qsizetype MarkenPos(const QString &ACaption) {
    for (qsizetype Pos = 0; Pos + 1 < ACaption.size(); ++Pos) {
        if (ACaption.at(Pos) != QLatin1Char('&'))
            continue;
        if (ACaption.at(Pos + 1) == QLatin1Char('&')) {
            ++Pos;
            continue;
        }
        return Pos + 1;
    }
    return -1;
}

QString OhneMarke(const QString &ACaption, qsizetype AMarkenPos) { return ACaption.left(AMarkenPos - 1) + ACaption.mid(AMarkenPos); }

bool IstSeparator(const QString &ACaption) { return ACaption == QLatin1String("-"); }
} // namespace

QChar Beschleuniger(const QString &ACaption) {
    const qsizetype Pos = MarkenPos(ACaption);
    return Pos < 0 ? QChar() : ACaption.at(Pos).toUpper();
}

QStringList BeschleunigerVervollstaendigen(const QStringList &ACaptions) {
    QStringList Ergebnis = ACaptions;
    QSet<QChar> Vergeben;
    QList<bool> Offen(Ergebnis.size(), false);

    for (qsizetype Nr = 0; Nr < Ergebnis.size(); ++Nr) {
        if (IstSeparator(Ergebnis.at(Nr)))
            continue;
        const qsizetype Pos = MarkenPos(Ergebnis.at(Nr));
        if (Pos < 0) {
            Offen[Nr] = true;
            continue;
        }
        const QChar Zeichen = Ergebnis.at(Nr).at(Pos).toUpper();
        if (!NimmtTeil(Zeichen))
            continue;
        if (Vergeben.contains(Zeichen)) {
            Ergebnis[Nr] = OhneMarke(Ergebnis.at(Nr), Pos);
            Offen[Nr] = true;
        } else {
            Vergeben.insert(Zeichen);
        }
    }

    for (qsizetype Nr = 0; Nr < Ergebnis.size(); ++Nr) {
        if (!Offen.at(Nr))
            continue;
        const QString Caption = Ergebnis.at(Nr);
        qsizetype Wahl = -1;
        // First a letter that starts a word, then any letter or digit.
        for (int Runde = 0; Runde < 2 && Wahl < 0; ++Runde) {
            for (qsizetype Pos = 0; Pos < Caption.size(); ++Pos) {
                const QChar Zeichen = Caption.at(Pos);
                if (Zeichen == QLatin1Char('&') || !NimmtTeil(Zeichen) || Vergeben.contains(Zeichen.toUpper()))
                    continue;
                const bool WortAnfang = Pos == 0 || !Caption.at(Pos - 1).isLetterOrNumber();
                if (Runde == 0 && !WortAnfang)
                    continue;
                Wahl = Pos;
                break;
            }
        }
        if (Wahl < 0)
            continue;
        Vergeben.insert(Caption.at(Wahl).toUpper());
        Ergebnis[Nr] = Caption.left(Wahl) + QLatin1Char('&') + Caption.mid(Wahl);
    }
    return Ergebnis;
}
