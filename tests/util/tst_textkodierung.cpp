#include "util/Textkodierung.h"

#include <QTest>

class TTextkodierungTest : public QObject {
    Q_OBJECT

private slots:
    void AlsWindows1252_data();
    void AlsWindows1252();
    void Bereich80_data();
    void Bereich80();
    void AlleBytesHinUndZurueck();
    void AlsUtf16LeMitBom_data();
    void AlsUtf16LeMitBom();
    void MitCrLf_data();
    void MitCrLf();
};

namespace {
// One code point as UTF-16 (built by hand: the UTF-32 decoder would drop a U+FEFF).
QString Zeichen(char32_t ACodepunkt) {
    if (QChar::requiresSurrogates(ACodepunkt)) {
        const QChar Paar[] = {QChar(QChar::highSurrogate(ACodepunkt)), QChar(QChar::lowSurrogate(ACodepunkt))};
        return QString(Paar, 2);
    }
    return QString(QChar(static_cast<char16_t>(ACodepunkt)));
}
QString Einheit(char16_t AEinheit) {
    return QString(QChar(AEinheit));
}
} // namespace

void TTextkodierungTest::AlsWindows1252_data() {
    QTest::addColumn<QString>("Text");
    QTest::addColumn<QByteArray>("Bytes");

    QTest::newRow("leer") << QString() << QByteArray();
    QTest::newRow("ASCII") << QStringLiteral("Hallo, Welt! 1/2020 (16.-22.3.2020) \"5a\" [x]\r\n\t~")
                           << QByteArray("Hallo, Welt! 1/2020 (16.-22.3.2020) \"5a\" [x]\r\n\t~");
    QTest::newRow("NUL bleibt") << QString(QChar(0)) << QByteArray(1, '\0');
    QTest::newRow("Umlaute") << QStringLiteral("äöüÄÖÜß") << QByteArray("\xE4\xF6\xFC\xC4\xD6\xDC\xDF");
    QTest::newRow("Latin-1-Rand") << Zeichen(0xA0) + Zeichen(0xFF) << QByteArray("\xA0\xFF");
    QTest::newRow("Euro im Satz") << QStringLiteral("3 € – „gut“") << QByteArray("3 \x80 \x96 \x84gut\x93");
    QTest::newRow("knapp hinter Latin-1") << Zeichen(0x100) << QByteArray("?");
    QTest::newRow("Omega") << QStringLiteral("aΩb") << QByteArray("a?b");
    QTest::newRow("Pfeil") << Zeichen(0x2192) << QByteArray("?");
    QTest::newRow("BOM-Zeichen") << Zeichen(0xFEFF) << QByteArray("?");
    QTest::newRow("U+FFFF") << Zeichen(0xFFFF) << QByteArray("?");
    // The C1 control characters whose bytes the code page gives to other characters.
    QTest::newRow("U+0080") << Zeichen(0x80) << QByteArray("?");
    QTest::newRow("U+0085") << Zeichen(0x85) << QByteArray("?");
    QTest::newRow("U+008A") << Zeichen(0x8A) << QByteArray("?");
    QTest::newRow("U+009F") << Zeichen(0x9F) << QByteArray("?");
    QTest::newRow("Paar ist ein Zeichen")
        << QStringLiteral("a") + Zeichen(0x1F600) + QStringLiteral("b") << QByteArray("a?b");
    QTest::newRow("zwei Paare") << Zeichen(0x1F600) + Zeichen(0x10FFFF) << QByteArray("??");
    QTest::newRow("einzelnes hohes Surrogat")
        << QStringLiteral("a") + Einheit(0xD800) + QStringLiteral("b") << QByteArray("a?b");
    QTest::newRow("einzelnes tiefes Surrogat")
        << QStringLiteral("a") + Einheit(0xDC00) + QStringLiteral("b") << QByteArray("a?b");
    QTest::newRow("hohes Surrogat am Ende") << QStringLiteral("x") + Einheit(0xD83D) << QByteArray("x?");
    QTest::newRow("tiefes vor hohem") << Einheit(0xDE00) + Einheit(0xD83D) << QByteArray("??");
    QTest::newRow("hohes, dann Paar") << Einheit(0xD83D) + Zeichen(0x1F600) << QByteArray("??");
    QTest::newRow("Paar, dann tiefes") << Zeichen(0x1F600) + Einheit(0xDE00) + QStringLiteral(".") << QByteArray("??.");
}

void TTextkodierungTest::AlsWindows1252() {
    QFETCH(QString, Text);
    QFETCH(QByteArray, Bytes);
    QCOMPARE(::AlsWindows1252(Text), Bytes);
}

// Byte 0x80 to 0x9F: the code page's own characters, and the five undefined bytes, which stand for the
// control characters of their own value. Checked in both directions.
void TTextkodierungTest::Bereich80_data() {
    QTest::addColumn<char32_t>("Codepunkt");
    QTest::addColumn<int>("Byte");

    const struct {
        char32_t Codepunkt;
        int Byte;
    } Tabelle[] = {
        {0x20AC, 0x80}, {0x0081, 0x81}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85}, {0x2020, 0x86},
        {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A}, {0x2039, 0x8B}, {0x0152, 0x8C}, {0x008D, 0x8D},
        {0x017D, 0x8E}, {0x008F, 0x8F}, {0x0090, 0x90}, {0x2018, 0x91}, {0x2019, 0x92}, {0x201C, 0x93}, {0x201D, 0x94},
        {0x2022, 0x95}, {0x2013, 0x96}, {0x2014, 0x97}, {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B},
        {0x0153, 0x9C}, {0x009D, 0x9D}, {0x017E, 0x9E}, {0x0178, 0x9F},
    };
    for (const auto &Zeile : Tabelle) {
        QTest::addRow("0x%02X U+%04X", Zeile.Byte, static_cast<unsigned>(Zeile.Codepunkt))
            << Zeile.Codepunkt << Zeile.Byte;
    }
}

void TTextkodierungTest::Bereich80() {
    QFETCH(char32_t, Codepunkt);
    QFETCH(int, Byte);
    const QByteArray Bytes(1, static_cast<char>(Byte));
    QCOMPARE(::AlsWindows1252(Zeichen(Codepunkt)), Bytes);
    QCOMPARE(AusWindows1252(Bytes), Zeichen(Codepunkt));
}

void TTextkodierungTest::AlleBytesHinUndZurueck() {
    QByteArray Alle;
    for (int Byte = 0; Byte < 256; ++Byte)
        Alle.append(static_cast<char>(Byte));

    const QString Text = AusWindows1252(Alle);
    QCOMPARE(Text.size(), 256);
    for (int Byte = 0; Byte < 256; ++Byte) {
        const QChar Einzeln = Text.at(Byte);
        // Outside 0x80 to 0x9F the code page is Latin-1.
        if (Byte < 0x80 || Byte > 0x9F)
            QCOMPARE(Einzeln.unicode(), char16_t(Byte));
        QVERIFY2(Einzeln != QChar(0xFFFD), qPrintable(QStringLiteral("Byte 0x%1").arg(Byte, 2, 16)));
        QCOMPARE(::AlsWindows1252(QString(Einzeln)), QByteArray(1, static_cast<char>(Byte)));
    }
    QCOMPARE(::AlsWindows1252(Text), Alle);
}

void TTextkodierungTest::AlsUtf16LeMitBom_data() {
    QTest::addColumn<QString>("Text");
    QTest::addColumn<QByteArray>("Bytes");

    QTest::newRow("leer: nur BOM") << QString() << QByteArray("\xFF\xFE");
    QTest::newRow("ASCII") << QStringLiteral("Ab\r\n")
                           << QByteArray("\xFF\xFE"
                                         "A\0b\0\r\0\n\0",
                                         10);
    QTest::newRow("Umlaut und Euro") << QStringLiteral("ä€") << QByteArray("\xFF\xFE\xE4\x00\xAC\x20", 6);
    QTest::newRow("Paar als zwei Einheiten") << Zeichen(0x1F600) << QByteArray("\xFF\xFE\x3D\xD8\x00\xDE", 6);
    QTest::newRow("einzelnes Surrogat bleibt") << Einheit(0xDC01) << QByteArray("\xFF\xFE\x01\xDC", 4);
    QTest::newRow("NUL") << QString(QChar(0)) << QByteArray("\xFF\xFE\x00\x00", 4);
}

void TTextkodierungTest::AlsUtf16LeMitBom() {
    QFETCH(QString, Text);
    QFETCH(QByteArray, Bytes);
    QCOMPARE(::AlsUtf16LeMitBom(Text), Bytes);
}

void TTextkodierungTest::MitCrLf_data() {
    QTest::addColumn<QString>("Text");
    QTest::addColumn<QString>("Ergebnis");

    QTest::newRow("leer") << QString() << QString();
    QTest::newRow("ohne Umbruch") << QStringLiteral("a") << QStringLiteral("a\r\n");
    QTest::newRow("CR LF bleibt") << QStringLiteral("a\r\nb\r\n") << QStringLiteral("a\r\nb\r\n");
    QTest::newRow("LF") << QStringLiteral("a\nb") << QStringLiteral("a\r\nb\r\n");
    QTest::newRow("CR") << QStringLiteral("a\rb") << QStringLiteral("a\r\nb\r\n");
    QTest::newRow("nur LF") << QStringLiteral("\n") << QStringLiteral("\r\n");
    QTest::newRow("nur CR") << QStringLiteral("\r") << QStringLiteral("\r\n");
    QTest::newRow("LF CR sind zwei") << QStringLiteral("a\n\rb") << QStringLiteral("a\r\n\r\nb\r\n");
    QTest::newRow("CR CR LF sind zwei") << QStringLiteral("a\r\r\nb") << QStringLiteral("a\r\n\r\nb\r\n");
    QTest::newRow("Leerzeilen bleiben") << QStringLiteral("a\n\n\nb\n") << QStringLiteral("a\r\n\r\n\r\nb\r\n");
    QTest::newRow("gemischt") << QStringLiteral("1\r\n2\n3\r4") << QStringLiteral("1\r\n2\r\n3\r\n4\r\n");
    QTest::newRow("CR am Ende") << QStringLiteral("a\r") << QStringLiteral("a\r\n");
    QTest::newRow("Leerzeichen bleiben") << QStringLiteral(" a \t") << QStringLiteral(" a \t\r\n");
}

void TTextkodierungTest::MitCrLf() {
    QFETCH(QString, Text);
    QFETCH(QString, Ergebnis);
    QCOMPARE(::MitCrLf(Text), Ergebnis);
}

QTEST_APPLESS_MAIN(TTextkodierungTest)
#include "tst_textkodierung.moc"
