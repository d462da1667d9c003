#include "util/Rtf.h"

#include "util/Textkodierung.h"

#include <algorithm>
#include <cmath>

namespace {
QByteArray Hex(unsigned char AByte) {
    static const char Ziffern[] = "0123456789abcdef";
    QByteArray Ergebnis("\\'");
    Ergebnis.append(Ziffern[AByte >> 4]);
    Ergebnis.append(Ziffern[AByte & 0x0F]);
    return Ergebnis;
}

// \uN takes a signed 16-bit number. The fallback is written as \'3f: it is the one character that a reader
// without Unicode shows and that a Unicode reader skips (\uc1), and being a control symbol, it cannot run into
// the letters after it.
QByteArray Unicode(char16_t AEinheit) {
    const int Wert = AEinheit > 0x7FFF ? int(AEinheit) - 0x10000 : int(AEinheit);
    return QByteArray("\\u") + QByteArray::number(Wert) + QByteArray("\\'3f");
}

int Kanal(int AWert) {
    return std::clamp(AWert, 0, 255);
}

// The face name inside the font table, where ";" ends the entry.
QByteArray Schriftname(const QString &AName) {
    QByteArray Ergebnis;
    for (const QChar Zeichen : AName)
        Ergebnis.append(Zeichen == QLatin1Char(';') ? Hex(';') : RtfZeichen(Zeichen));
    return Ergebnis;
}
} // namespace

QByteArray RtfZeichen(QChar AZeichen) {
    const char16_t Einheit = AZeichen.unicode();
    switch (Einheit) {
    case u'\\':
        return QByteArrayLiteral("\\\\");
    case u'{':
        return QByteArrayLiteral("\\{");
    case u'}':
        return QByteArrayLiteral("\\}");
    case u'\t':
        return QByteArrayLiteral("\\tab ");
    case u'\f':
        return QByteArrayLiteral("\\page ");
    default:
        break;
    }
    if (Einheit >= 0x20 && Einheit < 0x7F)
        return QByteArray(1, static_cast<char>(Einheit));
    // Other control characters keep their byte value.
    if (Einheit < 0x20 || Einheit == 0x7F)
        return Hex(static_cast<unsigned char>(Einheit));
    // The C1 controls would be read back through the code page as the printable characters of 0x80..0x9F,
    // and surrogates have no byte at all.
    if (Einheit <= 0x9F || AZeichen.isSurrogate())
        return Unicode(Einheit);
    const QByteArray Byte = AlsWindows1252(QString(AZeichen));
    if (Byte.size() == 1 && Byte.at(0) != '?')
        return Hex(static_cast<unsigned char>(Byte.at(0)));
    return Unicode(Einheit);
}

QByteArray RtfText(const QString &AText, const TRtfSchrift &ASchrift) {
    QByteArray Rtf;
    Rtf.reserve(AText.size() + 256);
    Rtf.append("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1");
    Rtf.append("{\\fonttbl{\\f0\\fnil\\fcharset0 ");
    Rtf.append(Schriftname(ASchrift.Name));
    Rtf.append(";}}\r\n");
    Rtf.append("{\\colortbl ;\\red" + QByteArray::number(Kanal(ASchrift.Rot)) + "\\green" +
               QByteArray::number(Kanal(ASchrift.Gruen)) + "\\blue" + QByteArray::number(Kanal(ASchrift.Blau)) +
               ";}\r\n");
    Rtf.append("\\viewkind4\\pard\\plain\\f0\\cf1");
    if (ASchrift.Punkte > 0) {
        const auto Halbpunkte = std::max(1L, std::lround(ASchrift.Punkte * 2));
        Rtf.append("\\fs" + QByteArray::number(static_cast<qint64>(Halbpunkte)));
    }
    if (ASchrift.FettS)
        Rtf.append("\\b");
    if (ASchrift.KursivS)
        Rtf.append("\\i");
    if (ASchrift.UnterstrichenS)
        Rtf.append("\\ul");
    if (ASchrift.DurchgestrichenS)
        Rtf.append("\\strike");
    Rtf.append(' ');

    // A paragraph ends at every line end, and the last line ends one, too.
    bool ZeileOffenS = false;
    for (qsizetype Nr = 0; Nr < AText.size(); ++Nr) {
        const QChar Zeichen = AText.at(Nr);
        if (Zeichen == QLatin1Char('\r') || Zeichen == QLatin1Char('\n')) {
            if (Zeichen == QLatin1Char('\r') && Nr + 1 < AText.size() && AText.at(Nr + 1) == QLatin1Char('\n'))
                ++Nr;
            Rtf.append("\\par\r\n");
            ZeileOffenS = false;
        } else {
            Rtf.append(RtfZeichen(Zeichen));
            ZeileOffenS = true;
        }
    }
    if (ZeileOffenS)
        Rtf.append("\\par\r\n");
    Rtf.append("}\r\n");
    return Rtf;
}
