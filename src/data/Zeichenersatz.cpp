#include "data/Zeichenersatz.h"

namespace {
QString ErsatzFuer(char32_t ACode) {
    switch (ACode) {
    case 0x201C: // “
    case 0x201D: // ”
    case 0x201E: // „
    case 0x201F:
    case 0x2033: // ″
    case 0x00AB:
    case 0x00BB:
        return QStringLiteral("\"");
    case 0x2018: // ‘
    case 0x2019: // ’
    case 0x201A: // ‚
    case 0x201B:
    case 0x2032: // ′
    case 0x2039: // ‹
    case 0x203A: // ›
        return QStringLiteral("'");
    case 0x2010: // hyphen
    case 0x2011: // non-breaking hyphen
    case 0x2012: // figure dash
    case 0x2013: // –
    case 0x2014: // —
    case 0x2015: // ―
    case 0x2212: // minus sign
        return QStringLiteral("-");
    case 0x2026: // …
        return QStringLiteral("...");
    case 0x20AC: // €
        return QStringLiteral("EUR");
    default:
        return QStringLiteral("?");
    }
}
} // namespace

TErsatz Latin1Ersatz(const QString &AText) {
    TErsatz Ergebnis;
    Ergebnis.Text.reserve(AText.size());
    for (qsizetype Nr = 0; Nr < AText.size(); ++Nr) {
        const QChar Zeichen = AText.at(Nr);
        if (Zeichen.unicode() <= 0xFF) {
            Ergebnis.Text.append(Zeichen);
            continue;
        }
        // A character beyond the Basic Multilingual Plane counts once, not as two halves.
        char32_t Code = Zeichen.unicode();
        qsizetype Laenge = 1;
        if (Zeichen.isHighSurrogate() && Nr + 1 < AText.size() && AText.at(Nr + 1).isLowSurrogate()) {
            Code = QChar::surrogateToUcs4(Zeichen, AText.at(Nr + 1));
            Laenge = 2;
        }
        Ergebnis.Text.append(ErsatzFuer(Code));
        const QString Original = AText.mid(Nr, Laenge);
        if (!Ergebnis.Ersetzt.contains(Original))
            Ergebnis.Ersetzt.append(Original);
        Nr += Laenge - 1;
    }
    return Ergebnis;
}

QString ErsatzHinweis(const QStringList &AErsetzt) {
    QStringList Teile;
    for (const QString &Zeichen : AErsetzt)
        Teile.append(QStringLiteral("„%1“ durch „%2“").arg(Zeichen, Latin1Ersatz(Zeichen).Text));
    return QStringLiteral("Ersetzt: ") + Teile.join(QStringLiteral(", "));
}
