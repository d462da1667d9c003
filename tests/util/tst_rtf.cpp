#include "util/Rtf.h"

#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString UnrtfKonfiguration = QStringLiteral("/usr/share/unrtf/html.conf");

TRtfSchrift Standard() {
    TRtfSchrift Schrift;
    Schrift.Name = QStringLiteral("DejaVu Sans");
    Schrift.Punkte = 12;
    return Schrift;
}

// The text part of a document: after the formatting words that follow \viewkind4 and before the closing brace.
QByteArray Rumpf(const QByteArray &ARtf) {
    const qsizetype Format = ARtf.indexOf("\\viewkind4");
    if (Format < 0)
        return "<kein \\viewkind4>";
    const qsizetype Anfang = ARtf.indexOf(' ', Format) + 1;
    if (!ARtf.endsWith("}\r\n"))
        return "<kein Ende>";
    return ARtf.mid(Anfang, ARtf.size() - 3 - Anfang);
}

// The control words that set the text's format, e.g. {"pard", "f0", "fs24", "b"}.
QSet<QString> Formatwoerter(const QByteArray &ARtf) {
    const qsizetype Format = ARtf.indexOf("\\viewkind4");
    const QString Kopf = QString::fromLatin1(ARtf.mid(Format, ARtf.indexOf(' ', Format) - Format));
    QSet<QString> Woerter;
    for (const QString &Wort : Kopf.split(QLatin1Char('\\'), Qt::SkipEmptyParts))
        Woerter.insert(Wort);
    return Woerter;
}

// Runs unrtf with AArt ("--text", "--html") on ARtf; an empty result and AFehler when that fails.
QByteArray Unrtf(const QByteArray &ARtf, const QString &AArt, QString &AFehler) {
    QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QStringLiteral("probe.rtf"));
    QFile Datei(Pfad);
    if (!Datei.open(QIODevice::WriteOnly) || Datei.write(ARtf) != ARtf.size()) {
        AFehler = QStringLiteral("cannot write ") + Pfad;
        return {};
    }
    Datei.close();
    QProcess Prozess;
    Prozess.start(QStringLiteral("unrtf"), {AArt, Pfad});
    if (!Prozess.waitForFinished(30000) || Prozess.exitStatus() != QProcess::NormalExit || Prozess.exitCode() != 0) {
        AFehler = QStringLiteral("unrtf failed: ") + QString::fromLocal8Bit(Prozess.readAllStandardError());
        return {};
    }
    return Prozess.readAllStandardOutput();
}

// The entities of unrtf's HTML output, read from its own table: "228" followed by the line "\t&auml;".
QHash<QString, QChar> Entitaeten() {
    QHash<QString, QChar> Tabelle;
    QFile Datei(UnrtfKonfiguration);
    if (!Datei.open(QIODevice::ReadOnly))
        return Tabelle;
    const QStringList Zeilen = QString::fromUtf8(Datei.readAll()).split(QLatin1Char('\n'));
    static const QRegularExpression Zahl(QStringLiteral("^\\d+$"));
    for (qsizetype Nr = 0; Nr + 1 < Zeilen.size(); ++Nr) {
        const QString Wert = Zeilen.at(Nr + 1).trimmed();
        // The table ends with the private-use codes of the symbol font under the same names; the first
        // entry of a name is its Unicode character.
        if (Zahl.match(Zeilen.at(Nr)).hasMatch() && Wert.startsWith(QLatin1Char('&')) &&
            Wert.endsWith(QLatin1Char(';')) && !Tabelle.contains(Wert))
            Tabelle.insert(Wert, QChar(char16_t(Zeilen.at(Nr).toUInt())));
    }
    return Tabelle;
}

// The text of unrtf's HTML output: a paragraph ends with <br>, a page break is <p><hr><p>, entities decoded.
QString AusHtml(const QByteArray &AHtml, const QHash<QString, QChar> &AEntitaeten) {
    QString Html = QString::fromUtf8(AHtml);
    const qsizetype Anfang = Html.indexOf(QStringLiteral("<body>"));
    const qsizetype Ende = Html.indexOf(QStringLiteral("</body>"));
    if (Anfang < 0 || Ende < Anfang)
        return QStringLiteral("<kein body>");
    Html = Html.mid(Anfang + 6, Ende - Anfang - 6);
    Html.remove(QLatin1Char('\n'));
    Html.replace(QStringLiteral("<p><hr><p>"), QStringLiteral("\f"));
    Html.replace(QStringLiteral("<br>"), QStringLiteral("\n"));
    Html.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    QString Text;
    static const QRegularExpression Entitaet(QStringLiteral("&(#\\d+|\\w+);"));
    qsizetype Pos = 0;
    for (auto Treffer = Entitaet.globalMatch(Html); Treffer.hasNext();) {
        const QRegularExpressionMatch Fund = Treffer.next();
        Text.append(Html.mid(Pos, Fund.capturedStart() - Pos));
        const QString Name = Fund.captured(0);
        if (Name.startsWith(QStringLiteral("&#")))
            Text.append(QChar(char16_t(Fund.captured(1).mid(1).toUInt())));
        else
            Text.append(AEntitaeten.value(Name, QChar(u'\uFFFF')));
        Pos = Fund.capturedEnd();
    }
    Text.append(Html.mid(Pos));
    return Text;
}

// What a reader gives back for AText: LF after every line, the last one included.
QString Zeilen(const QString &AText) {
    QString Text = AText;
    Text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (!Text.isEmpty() && !Text.endsWith(QLatin1Char('\n')))
        Text.append(QLatin1Char('\n'));
    return Text;
}

// unrtf reads the text word by word: it folds every run of blanks into one and drops blanks at the start of
// a line. Both sides of a comparison with its output are folded so; the blanks themselves are checked byte
// for byte in the document.
QString OhneLeerlauf(const QString &AText) {
    QString Text = AText;
    static const QRegularExpression Leerlauf(QStringLiteral(" {2,}"));
    static const QRegularExpression Einzug(QStringLiteral("(^|\n|\f) "));
    Text.replace(Leerlauf, QStringLiteral(" "));
    Text.replace(Einzug, QStringLiteral("\\1"));
    return Text;
}
} // namespace

class TstRtf : public QObject {
    Q_OBJECT
private slots:
    void zeichen_data();
    void zeichen();
    void nurAscii();
    void absaetzeUndSeiten_data();
    void absaetzeUndSeiten();
    void schrift_data();
    void schrift();
    void schriftname_data();
    void schriftname();
    void unrtfText_data();
    void unrtfText();
    void unrtfHtml_data();
    void unrtfHtml();
    void unrtfFormat();
};

void TstRtf::zeichen_data() {
    QTest::addColumn<QString>("Zeichen");
    QTest::addColumn<QByteArray>("Rtf");
    QTest::newRow("Buchstabe") << "a" << QByteArray("a");
    QTest::newRow("Leerzeichen") << " " << QByteArray(" ");
    QTest::newRow("Semikolon") << ";" << QByteArray(";");
    QTest::newRow("Tilde") << "~" << QByteArray("~");
    QTest::newRow("geschweift auf") << "{" << QByteArray("\\{");
    QTest::newRow("geschweift zu") << "}" << QByteArray("\\}");
    QTest::newRow("Backslash") << "\\" << QByteArray("\\\\");
    QTest::newRow("Tabulator") << "\t" << QByteArray("\\tab ");
    QTest::newRow("Seitenvorschub") << "\f" << QByteArray("\\page ");
    QTest::newRow("Steuerzeichen 1") << QString(QChar(0x01)) << QByteArray("\\'01");
    QTest::newRow("Escape") << QString(QChar(0x1B)) << QByteArray("\\'1b");
    QTest::newRow("DEL") << QString(QChar(0x7F)) << QByteArray("\\'7f");
    QTest::newRow("ä") << "ä" << QByteArray("\\'e4");
    QTest::newRow("Ä") << "Ä" << QByteArray("\\'c4");
    QTest::newRow("ß") << "ß" << QByteArray("\\'df");
    QTest::newRow("geschütztes Leerzeichen") << QString(QChar(0xA0)) << QByteArray("\\'a0");
    QTest::newRow("ÿ") << "ÿ" << QByteArray("\\'ff");
    QTest::newRow("Euro") << "€" << QByteArray("\\'80");
    QTest::newRow("Anführung unten") << "„" << QByteArray("\\'84");
    QTest::newRow("Anführung oben") << "“" << QByteArray("\\'93");
    QTest::newRow("Gedankenstrich") << "–" << QByteArray("\\'96");
    QTest::newRow("Š") << "Š" << QByteArray("\\'8a");
    QTest::newRow("Ÿ") << "Ÿ" << QByteArray("\\'9f");
    // The C1 controls share their numbers with the code page's printable characters of 0x80..0x9F.
    QTest::newRow("U+0080") << QString(QChar(0x80)) << QByteArray("\\u128\\'3f");
    QTest::newRow("U+0081") << QString(QChar(0x81)) << QByteArray("\\u129\\'3f");
    QTest::newRow("U+009F") << QString(QChar(0x9F)) << QByteArray("\\u159\\'3f");
    QTest::newRow("pi") << "π" << QByteArray("\\u960\\'3f");
    QTest::newRow("Ł") << "Ł" << QByteArray("\\u321\\'3f");
    QTest::newRow("U+7FFF") << QString(QChar(0x7FFF)) << QByteArray("\\u32767\\'3f");
    QTest::newRow("U+8000 negativ") << QString(QChar(0x8000)) << QByteArray("\\u-32768\\'3f");
    QTest::newRow("Ersatzzeichen") << QString(QChar(0xFFFD)) << QByteArray("\\u-3\\'3f");
    QTest::newRow("U+FFFF") << QString(QChar(0xFFFF)) << QByteArray("\\u-1\\'3f");
    QTest::newRow("hohes Surrogat") << QString(QChar(0xD83D)) << QByteArray("\\u-10179\\'3f");
    QTest::newRow("tiefes Surrogat") << QString(QChar(0xDE00)) << QByteArray("\\u-8704\\'3f");
}

void TstRtf::zeichen() {
    QFETCH(QString, Zeichen);
    QFETCH(QByteArray, Rtf);
    QCOMPARE(RtfZeichen(Zeichen.at(0)), Rtf);
    // Inside a document the character stands as it is, followed by the end of its paragraph.
    QCOMPARE(Rumpf(RtfText(Zeichen, Standard())), Rtf + "\\par\r\n");
}

void TstRtf::nurAscii() {
    // Every UTF-16 code unit, one after the other: the document stays 7-bit and every brace is escaped, so the
    // groups still balance.
    QString Alle;
    for (int Einheit = 1; Einheit <= 0xFFFF; ++Einheit)
        Alle.append(QChar(char16_t(Einheit)));
    const QByteArray Rtf = RtfText(Alle, Standard());
    int Tiefe = 0;
    int Kleinste = 1;
    for (qsizetype Nr = 0; Nr < Rtf.size(); ++Nr) {
        const auto Byte = static_cast<unsigned char>(Rtf.at(Nr));
        QVERIFY2(Byte < 0x80, qPrintable(QStringLiteral("byte %1 at %2").arg(Byte).arg(Nr)));
        if (Byte == '\\') {
            ++Nr; // the escaped character or the first letter of a control word
            continue;
        }
        if (Byte == '{')
            ++Tiefe;
        if (Byte == '}')
            --Tiefe;
        if (Nr < Rtf.size() - 3)
            Kleinste = std::min(Kleinste, Tiefe);
    }
    QCOMPARE(Tiefe, 0);
    QVERIFY2(Kleinste >= 1, "the document group closes before its end");
}

void TstRtf::absaetzeUndSeiten_data() {
    QTest::addColumn<QString>("Text");
    QTest::addColumn<QByteArray>("Rumpf");
    QTest::newRow("leer") << "" << QByteArray();
    QTest::newRow("eine Zeile") << "Mathe" << QByteArray("Mathe\\par\r\n");
    QTest::newRow("CR LF") << "a\r\nb" << QByteArray("a\\par\r\nb\\par\r\n");
    QTest::newRow("LF") << "a\nb" << QByteArray("a\\par\r\nb\\par\r\n");
    QTest::newRow("CR") << "a\rb" << QByteArray("a\\par\r\nb\\par\r\n");
    QTest::newRow("LF CR sind zwei") << "a\n\rb" << QByteArray("a\\par\r\n\\par\r\nb\\par\r\n");
    QTest::newRow("Zeilenende am Schluss") << "a\r\n" << QByteArray("a\\par\r\n");
    QTest::newRow("Leerzeilen") << "\r\n\r\n" << QByteArray("\\par\r\n\\par\r\n");
    QTest::newRow("Leerzeile zwischen") << "a\r\n\r\nb" << QByteArray("a\\par\r\n\\par\r\nb\\par\r\n");
    QTest::newRow("Seitenumbruch in der Zeile") << "a\fb" << QByteArray("a\\page b\\par\r\n");
    QTest::newRow("Seitenumbruch am Zeilenanfang")
        << "Woche 1\r\n\fWoche 2" << QByteArray("Woche 1\\par\r\n\\page Woche 2\\par\r\n");
    QTest::newRow("zwei Seitenumbrüche") << "a\f\fb" << QByteArray("a\\page \\page b\\par\r\n");
    QTest::newRow("Seitenumbruch am Ende") << "a\f" << QByteArray("a\\page \\par\r\n");
    QTest::newRow("Surrogatpaar") << "x😀y" << QByteArray("x\\u-10179\\'3f\\u-8704\\'3fy\\par\r\n");
    QTest::newRow("Umlaut vor Ziffer") << "ä1" << QByteArray("\\'e41\\par\r\n");
    QTest::newRow("Unicode vor Buchstabe") << "πr" << QByteArray("\\u960\\'3fr\\par\r\n");
    QTest::newRow("Klammern") << "{\\b}" << QByteArray("\\{\\\\b\\}\\par\r\n");
}

void TstRtf::absaetzeUndSeiten() {
    QFETCH(QString, Text);
    QFETCH(QByteArray, Rumpf);
    QCOMPARE(::Rumpf(RtfText(Text, Standard())), Rumpf);
}

void TstRtf::schrift_data() {
    QTest::addColumn<double>("Punkte");
    QTest::addColumn<int>("Stil"); // bits: 1 bold, 2 italic, 4 underline, 8 strike
    QTest::addColumn<QStringList>("Woerter");
    const QStringList Grund{"viewkind4", "pard", "plain", "f0", "cf1"};
    QTest::newRow("12 pt") << 12.0 << 0 << Grund + QStringList{"fs24"};
    QTest::newRow("11,5 pt") << 11.5 << 0 << Grund + QStringList{"fs23"};
    QTest::newRow("10,3 pt gerundet") << 10.3 << 0 << Grund + QStringList{"fs21"};
    QTest::newRow("72 pt") << 72.0 << 0 << Grund + QStringList{"fs144"};
    QTest::newRow("ohne Größe") << 0.0 << 0 << Grund;
    QTest::newRow("fett") << 12.0 << 1 << Grund + QStringList{"fs24", "b"};
    QTest::newRow("kursiv") << 12.0 << 2 << Grund + QStringList{"fs24", "i"};
    QTest::newRow("unterstrichen") << 12.0 << 4 << Grund + QStringList{"fs24", "ul"};
    QTest::newRow("durchgestrichen") << 12.0 << 8 << Grund + QStringList{"fs24", "strike"};
    QTest::newRow("alles") << 14.0 << 15 << Grund + QStringList{"fs28", "b", "i", "ul", "strike"};
}

void TstRtf::schrift() {
    QFETCH(double, Punkte);
    QFETCH(int, Stil);
    QFETCH(QStringList, Woerter);
    TRtfSchrift Schrift = Standard();
    Schrift.Punkte = Punkte;
    Schrift.FettS = Stil & 1;
    Schrift.KursivS = Stil & 2;
    Schrift.UnterstrichenS = Stil & 4;
    Schrift.DurchgestrichenS = Stil & 8;
    Schrift.Rot = 12;
    Schrift.Gruen = 200;
    Schrift.Blau = 255;
    const QByteArray Rtf = RtfText(QStringLiteral("x"), Schrift);
    QVERIFY2(Rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"), Rtf.constData());
    QVERIFY2(Rtf.contains("{\\fonttbl{\\f0\\fnil\\fcharset0 DejaVu Sans;}}"), Rtf.constData());
    QVERIFY2(Rtf.contains("{\\colortbl ;\\red12\\green200\\blue255;}"), Rtf.constData());
    const QStringList Liste = Woerter;
    QCOMPARE(Formatwoerter(Rtf), QSet<QString>(Liste.begin(), Liste.end()));
}

void TstRtf::schriftname_data() {
    QTest::addColumn<QString>("Name");
    QTest::addColumn<QByteArray>("Eintrag");
    QTest::newRow("einfach") << "Arial" << QByteArray("Arial;");
    QTest::newRow("Leerzeichen") << "Courier New" << QByteArray("Courier New;");
    QTest::newRow("Umlaut") << "Schrift Ä" << QByteArray("Schrift \\'c4;");
    QTest::newRow("Semikolon") << "A;B" << QByteArray("A\\'3bB;");
    QTest::newRow("Klammer") << "A}B" << QByteArray("A\\}B;");
}

void TstRtf::schriftname() {
    QFETCH(QString, Name);
    QFETCH(QByteArray, Eintrag);
    TRtfSchrift Schrift = Standard();
    Schrift.Name = Name;
    const QByteArray Rtf = RtfText(QStringLiteral("x"), Schrift);
    QVERIFY2(Rtf.contains("{\\fonttbl{\\f0\\fnil\\fcharset0 " + Eintrag + "}}"), Rtf.constData());
}

void TstRtf::unrtfText_data() {
    QTest::addColumn<QString>("Text");
    QTest::newRow("Übersicht")
        << "Klasse: 7b\r\nFach: Deutsch\r\n\r\n12/2024 (18.03.-22.03.)\r\nGedichte von Goethe; Übungen "
           "zur Groß- und Kleinschreibung\r\n";
    QTest::newRow("Sonderzeichen") << "{a} \\b \\par {\\b fett}\r\n\\'e4 \\u228?";
    QTest::newRow("führende Leerzeichen") << "  eingerückt\r\n   noch mehr\r\nLF\nCR\rEnde";
    QTest::newRow("Latin-1") << "äöüÄÖÜß ¡¿ ©®° ½ ÿ";
    QTest::newRow("Leerzeilen") << "a\r\n\r\n\r\nb";
}

void TstRtf::unrtfText() {
    QFETCH(QString, Text);
    if (QStandardPaths::findExecutable(QStringLiteral("unrtf")).isEmpty())
        QSKIP("unrtf is not installed (Debian package unrtf, see scripts/pakete.sh)");
    QString Fehler;
    const QByteArray Ausgabe = Unrtf(RtfText(Text, Standard()), QStringLiteral("--text"), Fehler);
    QVERIFY2(Fehler.isEmpty(), qPrintable(Fehler));
    // unrtf's text output starts with comment lines and a rule; it writes Latin-1.
    const QByteArray Linie("-----------------\n");
    const qsizetype Anfang = Ausgabe.indexOf(Linie);
    QVERIFY2(Anfang >= 0, Ausgabe.constData());
    QCOMPARE(OhneLeerlauf(QString::fromLatin1(Ausgabe.mid(Anfang + Linie.size()))), OhneLeerlauf(Zeilen(Text)));
}

void TstRtf::unrtfHtml_data() {
    QTest::addColumn<QString>("Text");
    QTest::newRow("Windows-1252") << "Preis: 5 € – „Zitat“ ‚x‘ … • ™ Š š Œ œ Ž ž Ÿ ƒ ˆ ˜ ‰ † ‡ ‹ ›";
    QTest::newRow("Unicode") << "π ≈ 3,14; Łódź; Ωmega; 日本";
    QTest::newRow("Surrogatpaare") << "Lachen 😀 und 𝄞 Noten";
    QTest::newRow("Seitenumbrüche") << "Seite 1\r\n\fSeite 2\fSeite 3\r\nEnde";
    QTest::newRow("Klammern und Zeichen") << "<b>&amp; \"x\" {y} \\z";
    QTest::newRow("Unicode vor Buchstaben") << "πr²";
}

void TstRtf::unrtfHtml() {
    QFETCH(QString, Text);
    if (QStandardPaths::findExecutable(QStringLiteral("unrtf")).isEmpty())
        QSKIP("unrtf is not installed (Debian package unrtf, see scripts/pakete.sh)");
    const QHash<QString, QChar> Tabelle = Entitaeten();
    if (Tabelle.isEmpty())
        QSKIP("unrtf's HTML table /usr/share/unrtf/html.conf is missing");
    QString Fehler;
    const QByteArray Html = Unrtf(RtfText(Text, Standard()), QStringLiteral("--html"), Fehler);
    QVERIFY2(Fehler.isEmpty(), qPrintable(Fehler));
    QCOMPARE(OhneLeerlauf(AusHtml(Html, Tabelle)), OhneLeerlauf(Zeilen(Text)));
}

void TstRtf::unrtfFormat() {
    if (QStandardPaths::findExecutable(QStringLiteral("unrtf")).isEmpty())
        QSKIP("unrtf is not installed (Debian package unrtf, see scripts/pakete.sh)");
    TRtfSchrift Schrift;
    Schrift.Name = QStringLiteral("DejaVu Serif");
    Schrift.Punkte = 12;
    Schrift.FettS = true;
    Schrift.KursivS = true;
    Schrift.UnterstrichenS = true;
    Schrift.DurchgestrichenS = true;
    Schrift.Rot = 255;
    Schrift.Gruen = 0;
    Schrift.Blau = 128;
    QString Fehler;
    const QString Html =
        QString::fromUtf8(Unrtf(RtfText(QStringLiteral("Text"), Schrift), QStringLiteral("--html"), Fehler));
    QVERIFY2(Fehler.isEmpty(), qPrintable(Fehler));
    for (const QString &Marke :
         {QStringLiteral("<font face=\"DejaVu Serif\">"), QStringLiteral("color=\"#ff0080\""), QStringLiteral("<b>"),
          QStringLiteral("<i>"), QStringLiteral("<u>"), QStringLiteral("<s>")})
        QVERIFY2(Html.contains(Marke), qPrintable(Marke + QStringLiteral(" missing in\n") + Html));

    // Without styles the reader sees none.
    Schrift.FettS = Schrift.KursivS = Schrift.UnterstrichenS = Schrift.DurchgestrichenS = false;
    const QString Schlicht =
        QString::fromUtf8(Unrtf(RtfText(QStringLiteral("Text"), Schrift), QStringLiteral("--html"), Fehler));
    for (const QString &Marke :
         {QStringLiteral("<b>"), QStringLiteral("<i>"), QStringLiteral("<u>"), QStringLiteral("<s>")})
        QVERIFY2(!Schlicht.contains(Marke), qPrintable(Marke + QStringLiteral(" found in\n") + Schlicht));
}

QTEST_GUILESS_MAIN(TstRtf)
#include "tst_rtf.moc"
