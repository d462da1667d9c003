#include "util/Textkodierung.h"

#include <array>

namespace {
// The characters of the bytes 0x80 to 0x9F. The five bytes the code page leaves undefined stand for the
// control characters of the same value.
constexpr std::array<char16_t, 32> Bereich80 = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
};

// The byte of one UTF-16 code unit, or '?' when the code page has none for it.
char Windows1252Byte(char16_t AZeichen) {
    if (AZeichen < 0x80 || (AZeichen >= 0xA0 && AZeichen <= 0xFF))
        return static_cast<char>(AZeichen);
    for (std::size_t Nr = 0; Nr < Bereich80.size(); ++Nr) {
        if (Bereich80[Nr] == AZeichen)
            return static_cast<char>(0x80 + Nr);
    }
    return '?';
}
} // namespace

QByteArray AlsWindows1252(const QString &AText) {
    QByteArray Bytes;
    Bytes.reserve(AText.size());
    for (qsizetype Nr = 0; Nr < AText.size(); ++Nr) {
        const QChar Zeichen = AText.at(Nr);
        if (Zeichen.isHighSurrogate() && Nr + 1 < AText.size() && AText.at(Nr + 1).isLowSurrogate()) {
            // A character beyond the basic plane: never in the code page, and one character, one '?'.
            Bytes.append('?');
            ++Nr;
        } else {
            // A lone surrogate is no character of the code page either, so it also becomes '?'.
            Bytes.append(Windows1252Byte(Zeichen.unicode()));
        }
    }
    return Bytes;
}

QString AusWindows1252(const QByteArray &ABytes) {
    QString Text;
    Text.reserve(ABytes.size());
    for (const char Byte : ABytes) {
        const auto Wert = static_cast<unsigned char>(Byte);
        if (Wert >= 0x80 && Wert <= 0x9F)
            Text.append(QChar(Bereich80[Wert - 0x80u]));
        else
            Text.append(QChar(Wert));
    }
    return Text;
}

QByteArray AlsUtf16LeMitBom(const QString &AText) {
    QByteArray Bytes;
    Bytes.reserve(2 + 2 * AText.size());
    Bytes.append('\xFF');
    Bytes.append('\xFE');
    for (const QChar Zeichen : AText) {
        const char16_t Einheit = Zeichen.unicode();
        Bytes.append(static_cast<char>(Einheit & 0xFF));
        Bytes.append(static_cast<char>(Einheit >> 8));
    }
    return Bytes;
}

QString MitCrLf(const QString &AText) {
    QString Text;
    Text.reserve(AText.size() + 2);
    for (qsizetype Nr = 0; Nr < AText.size(); ++Nr) {
        const QChar Zeichen = AText.at(Nr);
        if (Zeichen == QLatin1Char('\r')) {
            Text.append(QLatin1String("\r\n"));
            if (Nr + 1 < AText.size() && AText.at(Nr + 1) == QLatin1Char('\n'))
                ++Nr;
        } else if (Zeichen == QLatin1Char('\n')) {
            Text.append(QLatin1String("\r\n"));
        } else {
            Text.append(Zeichen);
        }
    }
    if (!Text.isEmpty() && !Text.endsWith(QLatin1String("\r\n")))
        Text.append(QLatin1String("\r\n"));
    return Text;
}
