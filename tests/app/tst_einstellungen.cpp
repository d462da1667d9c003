#include "app/Einstellungen.h"

#include "Testhilfe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QPalette>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <unistd.h>

// The settings store on INI files in a temporary folder: what is written, what comes back, and the defaults.
class TEinstellungenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void VorgabenOhneWerte();
    void Ungelesen();
    void SchreibenUndLesen_data();
    void SchreibenUndLesen();
    void GespeicherteDarstellung();
    void Gelesen_data();
    void Gelesen();
    void Unzugaenglich_data();
    void Unzugaenglich();
    void BenutzerDatei();

    void FilenameZerlegen_data();
    void FilenameZerlegen();
    void FilenameZusammensetzen_data();
    void FilenameZusammensetzen();

    void Schriftstil_data();
    void Schriftstil();
    void SchriftstilRundlauf();
    void SchriftAusEinstellungenNameUndGroesse();
    void SchriftFarbe_data();
    void SchriftFarbe();
    void SchriftInEinstellungenFarbe_data();
    void SchriftInEinstellungenFarbe();

private:
    QString Pfad(const QString &AName) const { return FOrdner->filePath(AName); }
    // A store file with the given lines under [General], read by a fresh QSettings (values arrive as text).
    bool AusIniGelesen(const QByteArray &AZeilen, TEinstellungen &AEinstellungen);

    std::unique_ptr<QTemporaryDir> FOrdner;
    QTemporaryDir FKonfiguration;
    int FDateiNr = 0;
};

Q_DECLARE_METATYPE(TEinstellungen)

namespace {

// All fields as name/value pairs, so that a failed comparison shows which value differs.
QMap<QString, QString> Felder(const TEinstellungen &AE) {
    return {{QStringLiteral("AktOrdner"), QString::number(AE.AktOrdner)},
            {QStringLiteral("FilenameVorhanden"), QString::number(AE.FilenameVorhanden)},
            {QStringLiteral("Filename"), u'"' + AE.Filename + u'"'},
            {QStringLiteral("StartFachNr"), QString::number(AE.StartFachNr)},
            {QStringLiteral("HintColor"), QString::number(AE.HintColor)},
            {QStringLiteral("Oeffnen"), QString::number(AE.Oeffnen)},
            {QStringLiteral("Sounds"), QString::number(AE.Sounds)},
            {QStringLiteral("Wochendatum"), QString::number(AE.Wochendatum)},
            {QStringLiteral("Sik"), QString::number(AE.Sik)},
            {QStringLiteral("FontName"), u'"' + AE.FontName + u'"'},
            {QStringLiteral("FontSize"), QString::number(AE.FontSize)},
            {QStringLiteral("FontColor"),
             QStringLiteral("0x") + QString::number(AE.FontColor, 16).rightJustified(8, u'0').toUpper()},
            {QStringLiteral("FontCharSet"), QString::number(AE.FontCharSet)},
            {QStringLiteral("FontStyle"), QString::number(AE.FontStyle)}};
}

QString Text(const QMap<QString, QString> &AFelder) {
    QStringList Teile;
    for (auto It = AFelder.cbegin(); It != AFelder.cend(); ++It)
        Teile << It.key() + u'=' + It.value();
    return Teile.join(QStringLiteral("; "));
}

QString Text(const TEinstellungen &AE) {
    return Text(Felder(AE));
}

// The values a first start must produce.
const QMap<QString, QString> Vorgaben = {
    {QStringLiteral("AktOrdner"), QStringLiteral("2")},   {QStringLiteral("FilenameVorhanden"), QStringLiteral("0")},
    {QStringLiteral("Filename"), QStringLiteral("\"\"")}, {QStringLiteral("StartFachNr"), QStringLiteral("0")},
    {QStringLiteral("HintColor"), QStringLiteral("1")},   {QStringLiteral("Oeffnen"), QStringLiteral("1")},
    {QStringLiteral("Sounds"), QStringLiteral("1")},      {QStringLiteral("Wochendatum"), QStringLiteral("1")},
    {QStringLiteral("Sik"), QStringLiteral("0")},         {QStringLiteral("FontName"), QStringLiteral("\"Arial\"")},
    {QStringLiteral("FontSize"), QStringLiteral("12")},   {QStringLiteral("FontColor"), QStringLiteral("0xFF000008")},
    {QStringLiteral("FontCharSet"), QStringLiteral("0")}, {QStringLiteral("FontStyle"), QStringLiteral("0")}};

// Values that differ from every default, to show that a failed read leaves them and a read replaces them.
TEinstellungen Fremd() {
    TEinstellungen E;
    E.AktOrdner = 1;
    E.FilenameVorhanden = true;
    E.Filename = QStringLiteral("alt.SGV");
    E.StartFachNr = 7;
    E.HintColor = 5;
    E.Oeffnen = false;
    E.Sounds = false;
    E.Wochendatum = false;
    E.Sik = true;
    E.FontName = QStringLiteral("Courier New");
    E.FontSize = 20;
    E.FontColor = 0x00123456;
    E.FontCharSet = 2;
    E.FontStyle = 9;
    return E;
}

std::unique_ptr<QSettings> IniSpeicher(const QString &APfad) {
    return std::make_unique<QSettings>(APfad, QSettings::IniFormat);
}

// The raw "Name=Wert" lines of the [General] section of an INI file.
QMap<QString, QString> IniZeilen(const QString &APfad) {
    QMap<QString, QString> Zeilen;
    bool AllgemeinS = false;
    for (const QByteArray &Zeile : DateiInhalt(APfad).split('\n')) {
        const QString Inhalt = QString::fromUtf8(Zeile).trimmed();
        if (Inhalt.startsWith(u'[')) {
            AllgemeinS = Inhalt == QStringLiteral("[General]");
            continue;
        }
        const auto Gleich = Inhalt.indexOf(u'=');
        if (AllgemeinS && Gleich > 0)
            Zeilen.insert(Inhalt.left(Gleich), Inhalt.mid(Gleich + 1));
    }
    return Zeilen;
}

// A palette whose roles all have different colours, so that each system colour shows which role it took.
QPalette Testpalette() {
    QPalette Palette;
    int Nr = 0;
    for (QPalette::ColorRole Rolle : {QPalette::WindowText,    QPalette::Button,
                                      QPalette::Light,         QPalette::Midlight,
                                      QPalette::Dark,          QPalette::Mid,
                                      QPalette::Text,          QPalette::BrightText,
                                      QPalette::ButtonText,    QPalette::Base,
                                      QPalette::Window,        QPalette::Shadow,
                                      QPalette::Highlight,     QPalette::HighlightedText,
                                      QPalette::Link,          QPalette::LinkVisited,
                                      QPalette::AlternateBase, QPalette::ToolTipBase,
                                      QPalette::ToolTipText,   QPalette::PlaceholderText}) {
        ++Nr;
        Palette.setColor(QPalette::Active, Rolle, QColor(Nr, 100, 200));
        Palette.setColor(QPalette::Inactive, Rolle, QColor(Nr, 110, 200));
        Palette.setColor(QPalette::Disabled, Rolle, QColor(Nr, 120, 200));
    }
    Palette.setCurrentColorGroup(QPalette::Active);
    return Palette;
}

} // namespace

void TEinstellungenTest::initTestCase() {
    // EinstellungenOeffnen must never touch the real user's settings, also when the test runs outside CTest.
    QVERIFY(FKonfiguration.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(FKonfiguration.path()));
}

void TEinstellungenTest::init() {
    FOrdner = std::make_unique<QTemporaryDir>();
    QVERIFY(FOrdner->isValid());
}

bool TEinstellungenTest::AusIniGelesen(const QByteArray &AZeilen, TEinstellungen &AEinstellungen) {
    // A new file name each time: QSettings keeps parsed files per name within the process.
    const QString Datei = Pfad(QStringLiteral("hand%1.conf").arg(++FDateiNr));
    if (!DateiSchreiben(Datei, "[General]\n" + AZeilen + "\n"))
        return false;
    const auto Speicher = IniSpeicher(Datei);
    return EinstellungenLesen(*Speicher, AEinstellungen);
}

void TEinstellungenTest::VorgabenOhneWerte() {
    QCOMPARE(Text(TEinstellungen()), Text(Vorgaben));

    // A store without any value replaces everything the struct held before with the defaults.
    for (const QByteArray &Inhalt : {QByteArray(), QByteArray("[General]\n"), QByteArray("[Anderes]\nSik=1\n")}) {
        const QString Datei = Pfad(QStringLiteral("leer%1.conf").arg(++FDateiNr));
        if (!Inhalt.isNull())
            QVERIFY(DateiSchreiben(Datei, Inhalt));
        TEinstellungen E = Fremd();
        const auto Speicher = IniSpeicher(Datei);
        QVERIFY(EinstellungenLesen(*Speicher, E));
        QCOMPARE(Text(E), Text(Vorgaben));
    }
}

void TEinstellungenTest::Ungelesen() {
    auto Erwartet = Vorgaben;
    Erwartet[QStringLiteral("AktOrdner")] = QStringLiteral("0");
    Erwartet[QStringLiteral("Oeffnen")] = QStringLiteral("0");
    Erwartet[QStringLiteral("Sounds")] = QStringLiteral("0");
    Erwartet[QStringLiteral("Wochendatum")] = QStringLiteral("0");
    Erwartet[QStringLiteral("FontName")] = QStringLiteral("\"Courier New\"");
    Erwartet[QStringLiteral("FontSize")] = QStringLiteral("14");
    QCOMPARE(Text(EinstellungenUngelesen()), Text(Erwartet));
}

void TEinstellungenTest::SchreibenUndLesen_data() {
    QTest::addColumn<TEinstellungen>("Einstellungen");

    TEinstellungen Vorgabe;
    Vorgabe.FilenameVorhanden = true; // after writing, "Filename" is always there
    QTest::newRow("Vorgaben") << Vorgabe;
    QTest::newRow("alles anders") << Fremd();

    const auto MitDatei = [](const QString &AName, int AFachNr) {
        TEinstellungen E = Fremd();
        E.Filename = AName;
        E.StartFachNr = AFachNr;
        return E;
    };
    QTest::newRow("Blank im Namen") << MitDatei(QStringLiteral("Klasse 7b.SGV"), 2);
    QTest::newRow("Umlaute") << MitDatei(QStringLiteral("Übungsgruppe Größe.SGV"), 3);
    QTest::newRow("Komma") << MitDatei(QStringLiteral("Müller, Klasse 5.SGV"), 1);
    QTest::newRow("Komma ohne Blank") << MitDatei(QStringLiteral("a,b,c.SGV"), 1);
    QTest::newRow("Gleich Semikolon Raute") << MitDatei(QStringLiteral("a=b;c#d.SGV"), 4);
    QTest::newRow("Anführungszeichen und @") << MitDatei(QStringLiteral("@\"zitat\" [x].SGV"), 5);
    QTest::newRow("Blanks am Rand") << MitDatei(QStringLiteral("  rand  "), 6);
    QTest::newRow("keine Datei") << MitDatei(QString(), 0);
    QTest::newRow("große Fachnummer") << MitDatei(QStringLiteral("5a.SGV"), 2147483647);

    TEinstellungen Schrift = Fremd();
    Schrift.FontName = QStringLiteral("Schrift, mit; Zeichen=#");
    Schrift.FontColor = 0x00FFFFFF;
    Schrift.FontStyle = 15;
    Schrift.FontCharSet = 255;
    Schrift.HintColor = 18;
    QTest::newRow("Schrift") << Schrift;

    TEinstellungen Systemfarbe = Fremd();
    Systemfarbe.FontColor = 0xFF00000F;
    Systemfarbe.FontStyle = 0;
    Systemfarbe.HintColor = 0;
    QTest::newRow("Systemfarbe") << Systemfarbe;
}

void TEinstellungenTest::SchreibenUndLesen() {
    QFETCH(TEinstellungen, Einstellungen);
    const QString Datei = Pfad(QStringLiteral("Stundolog.conf"));
    {
        const auto Speicher = IniSpeicher(Datei);
        QVERIFY(EinstellungenSchreiben(*Speicher, Einstellungen));
    }
    // Once through a second QSettings on the same file (values come back with their type from the process's
    // cache) and once from a copy that no QSettings has seen (values come back as text, as after a restart).
    const QString Kopie = Pfad(QStringLiteral("Kopie.conf"));
    QVERIFY(QFile::copy(Datei, Kopie));
    for (const QString &Gelesen : {Datei, Kopie}) {
        TEinstellungen E = EinstellungenUngelesen();
        const auto Speicher = IniSpeicher(Gelesen);
        QVERIFY(EinstellungenLesen(*Speicher, E));
        QCOMPARE(Text(E), Text(Einstellungen));
    }
}

void TEinstellungenTest::GespeicherteDarstellung() {
    TEinstellungen E;
    E.AktOrdner = 7; // anything but 1 means the program folder
    E.Filename = QStringLiteral("/home/lehrer/Stundolog/5a.SGV");
    E.StartFachNr = 3;
    E.Oeffnen = false;
    E.FontStyle = 2 | 4;
    const QString Datei = Pfad(QStringLiteral("Stundolog.conf"));
    {
        const auto Speicher = IniSpeicher(Datei);
        QVERIFY(EinstellungenSchreiben(*Speicher, E));
    }
    const QMap<QString, QString> Erwartet = {{QStringLiteral("AktOrdner"), QStringLiteral("2")},
                                             {QStringLiteral("Filename"), QStringLiteral("5a.SGV 3")},
                                             {QStringLiteral("HintColor"), QStringLiteral("1")},
                                             {QStringLiteral("Oeffnen"), QStringLiteral("0")},
                                             {QStringLiteral("Sounds"), QStringLiteral("1")},
                                             {QStringLiteral("Wochendatum"), QStringLiteral("1")},
                                             {QStringLiteral("Sik"), QStringLiteral("0")},
                                             {QStringLiteral("FontName"), QStringLiteral("Arial")},
                                             {QStringLiteral("FontSize"), QStringLiteral("12")},
                                             {QStringLiteral("FontColor"), QStringLiteral("4278190088")},
                                             {QStringLiteral("FontCharSet"), QStringLiteral("0")},
                                             {QStringLiteral("FontStyle"), QStringLiteral("6")}};
    QCOMPARE(Text(IniZeilen(Datei)), Text(Erwartet));

    // With no class open only the folder is known: a blank and the number are stored. The value is quoted so that
    // its leading blank survives.
    E.Filename = QStringLiteral("/home/lehrer/Stundolog/");
    E.StartFachNr = 0;
    {
        const auto Speicher = IniSpeicher(Datei);
        QVERIFY(EinstellungenSchreiben(*Speicher, E));
    }
    QCOMPARE(IniZeilen(Datei).value(QStringLiteral("Filename")), QStringLiteral("\" 0\""));
}

void TEinstellungenTest::Gelesen_data() {
    QTest::addColumn<QByteArray>("Zeilen");
    QTest::addColumn<QStringList>("Abweichungen"); // "Feld=Wert" against the defaults

    const auto Zeile = [](const char *AName, const QByteArray &AZeilen, const QStringList &AAbweichungen) {
        QTest::newRow(AName) << AZeilen << AAbweichungen;
    };
    Zeile("Schalter 0 ist aus", "Oeffnen=0\nSounds=0\nWochendatum=0", {"Oeffnen=0", "Sounds=0", "Wochendatum=0"});
    Zeile("Schalter 2 ist ein", "Sik=2", {"Sik=1"});
    Zeile("Schalter -1 ist ein", "Sik=-1", {"Sik=1"});
    Zeile("Schalter 1 ist ein", "Sik=1\nOeffnen=1", {"Sik=1"});
    Zeile("Schalter als Wort bleibt Vorgabe", "Sik=ja\nOeffnen=false", {});
    Zeile("Schalter leer bleibt Vorgabe", "Sounds=\nSik=", {});

    Zeile("Ordner 1", "AktOrdner=1", {"AktOrdner=1"});
    Zeile("Ordner 2", "AktOrdner=2", {});
    Zeile("Ordner 3 ist 2", "AktOrdner=3", {});
    Zeile("Ordner 0 ist 2", "AktOrdner=0", {});
    Zeile("Ordner -1 ist 2", "AktOrdner=-1", {});
    Zeile("Ordner Text ist 2", "AktOrdner=eins", {});
    Zeile("Ordner mit Blanks", "AktOrdner= 1 ", {"AktOrdner=1"});

    Zeile("Filename", "Filename=5a.SGV 3", {"FilenameVorhanden=1", "Filename=\"5a.SGV\"", "StartFachNr=3"});
    Zeile("Filename leer", "Filename=", {"FilenameVorhanden=1", "StartFachNr=1"});
    Zeile("Filename Windows-Pfad", "Filename=\"C:\\\\Daten\\\\Klasse 7b.SGV 2\"",
          {"FilenameVorhanden=1", "Filename=\"Klasse 7b.SGV\"", "StartFachNr=2"});
    Zeile("Filename Komma von Hand", "Filename=Müller, Klasse 5.SGV 4",
          {"FilenameVorhanden=1", "Filename=\"Müller, Klasse 5.SGV\"", "StartFachNr=4"});
    Zeile("Filename nur Nummer", "Filename=12", {"FilenameVorhanden=1", "StartFachNr=12"});

    Zeile("HintColor", "HintColor=18", {"HintColor=18"});
    Zeile("HintColor 0", "HintColor=0", {"HintColor=0"});
    Zeile("HintColor wie gespeichert", "HintColor=40", {"HintColor=40"});
    Zeile("HintColor negativ wie gespeichert", "HintColor=-3", {"HintColor=-3"});
    Zeile("HintColor Text", "HintColor=weiß", {});
    Zeile("HintColor zu groß", "HintColor=99999999999", {});

    Zeile("FontName", "FontName=Times New Roman", {"FontName=\"Times New Roman\""});
    Zeile("FontName leer", "FontName=", {});
    Zeile("FontName leer in Anführungszeichen", "FontName=\"\"", {});
    Zeile("FontName Umlaut", "FontName=Schöne Schrift", {"FontName=\"Schöne Schrift\""});

    Zeile("FontSize", "FontSize=20", {"FontSize=20"});
    Zeile("FontSize 1", "FontSize=1", {"FontSize=1"});
    Zeile("FontSize 0", "FontSize=0", {});
    Zeile("FontSize negativ", "FontSize=-8", {});
    Zeile("FontSize riesig", "FontSize=100000", {});
    Zeile("FontSize Kommazahl", "FontSize=10.5", {});
    Zeile("FontSize Text", "FontSize=groß", {});

    Zeile("FontColor Systemtext", "FontColor=4278190088", {});
    Zeile("FontColor rot", "FontColor=255", {"FontColor=0x000000FF"});
    Zeile("FontColor weiß", "FontColor=16777215", {"FontColor=0x00FFFFFF"});
    Zeile("FontColor schwarz", "FontColor=0", {"FontColor=0x00000000"});
    Zeile("FontColor andere Systemfarbe", "FontColor=4278190095", {"FontColor=0xFF00000F"});
    Zeile("FontColor als vorzeichenbehaftetes DWORD", "FontColor=-16777201", {"FontColor=0xFF00000F"});
    Zeile("FontColor über 32 Bit", "FontColor=4294967296", {});
    Zeile("FontColor zu klein", "FontColor=-2147483649", {});
    Zeile("FontColor Text", "FontColor=rot", {});
    Zeile("FontColor hex", "FontColor=0xFF", {});

    Zeile("FontCharSet", "FontCharSet=238", {"FontCharSet=238"});
    Zeile("FontCharSet zu groß", "FontCharSet=300", {});
    Zeile("FontCharSet negativ", "FontCharSet=-1", {});

    Zeile("FontStyle fett kursiv", "FontStyle=3", {"FontStyle=3"});
    Zeile("FontStyle alle", "FontStyle=15", {"FontStyle=15"});
    Zeile("FontStyle fremde Bits", "FontStyle=19", {"FontStyle=3"});
    Zeile("FontStyle nur fremde Bits", "FontStyle=16", {});
    Zeile("FontStyle Text", "FontStyle=fett", {});

    Zeile("alle zwölf",
          "AktOrdner=1\nFilename=x.SGV 0\nHintColor=3\nOeffnen=0\nSounds=0\nWochendatum=0\nSik=1\n"
          "FontName=Verdana\nFontSize=9\nFontColor=65280\nFontCharSet=1\nFontStyle=8",
          {"AktOrdner=1", "FilenameVorhanden=1", "Filename=\"x.SGV\"", "HintColor=3", "Oeffnen=0", "Sounds=0",
           "Wochendatum=0", "Sik=1", "FontName=\"Verdana\"", "FontSize=9", "FontColor=0x0000FF00", "FontCharSet=1",
           "FontStyle=8"});
}

void TEinstellungenTest::Gelesen() {
    QFETCH(QByteArray, Zeilen);
    QFETCH(QStringList, Abweichungen);
    auto Erwartet = Vorgaben;
    for (const QString &Abweichung : Abweichungen) {
        const auto Gleich = Abweichung.indexOf(u'=');
        QVERIFY2(Erwartet.contains(Abweichung.left(Gleich)), qPrintable(Abweichung));
        Erwartet[Abweichung.left(Gleich)] = Abweichung.mid(Gleich + 1);
    }
    TEinstellungen E = Fremd();
    QVERIFY(AusIniGelesen(Zeilen, E));
    QCOMPARE(Text(E), Text(Erwartet));
}

void TEinstellungenTest::Unzugaenglich_data() {
    QTest::addColumn<QString>("Art");
    QTest::newRow("Ordner ist eine Datei") << QStringLiteral("Datei als Ordner");
    QTest::newRow("Datei ist ein Ordner") << QStringLiteral("Ordner als Datei");
    QTest::newRow("Datei ohne Leserecht") << QStringLiteral("kein Leserecht");
}

void TEinstellungenTest::Unzugaenglich() {
    QFETCH(QString, Art);
    QString Datei;
    if (Art == QStringLiteral("Datei als Ordner")) {
        QVERIFY(DateiSchreiben(Pfad(QStringLiteral("Stundolog")), "kein Ordner"));
        Datei = Pfad(QStringLiteral("Stundolog/Stundolog.conf"));
    } else if (Art == QStringLiteral("Ordner als Datei")) {
        Datei = Pfad(QStringLiteral("Stundolog.conf"));
        QVERIFY(QDir().mkpath(Datei));
    } else {
        if (geteuid() == 0)
            QSKIP("root may read any file");
        Datei = Pfad(QStringLiteral("Stundolog.conf"));
        QVERIFY(DateiSchreiben(Datei, "[General]\nSik=1\n"));
        QVERIFY(QFile::setPermissions(Datei, QFileDevice::WriteOwner));
    }

    TEinstellungen E = Fremd();
    {
        const auto Speicher = IniSpeicher(Datei);
        QVERIFY(!EinstellungenLesen(*Speicher, E));
        QCOMPARE(Text(E), Text(Fremd()));
        QVERIFY(!EinstellungenSchreiben(*Speicher, TEinstellungen()));
    }
    if (Art == QStringLiteral("Datei als Ordner"))
        QCOMPARE(DateiInhalt(Pfad(QStringLiteral("Stundolog"))), QByteArray("kein Ordner"));
    if (Art == QStringLiteral("kein Leserecht")) {
        QVERIFY(QFile::setPermissions(Datei, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QCOMPARE(DateiInhalt(Datei), QByteArray("[General]\nSik=1\n"));
    }
}

void TEinstellungenTest::BenutzerDatei() {
    const QString Konfiguration = FKonfiguration.path();
    // An organisation-wide file must not leak in: the settings belong to this user and program alone.
    QVERIFY(DateiSchreiben(Konfiguration + QStringLiteral("/Stundolog.conf"), "[General]\nSik=1\nFontSize=30\n"));

    TEinstellungen Geschrieben = Fremd();
    Geschrieben.Sik = false;
    {
        const auto Speicher = EinstellungenOeffnen();
        QCOMPARE(Speicher->format(), QSettings::IniFormat);
        QCOMPARE(QFileInfo(Speicher->fileName()).absoluteFilePath(),
                 QFileInfo(Konfiguration + QStringLiteral("/Stundolog/Stundolog.conf")).absoluteFilePath());
        TEinstellungen E;
        QVERIFY(EinstellungenLesen(*Speicher, E));
        QCOMPARE(Text(E), Text(Vorgaben));
        QVERIFY(EinstellungenSchreiben(*Speicher, Geschrieben));
    }
    QCOMPARE(IniZeilen(Konfiguration + QStringLiteral("/Stundolog/Stundolog.conf")).size(), 12);
    const auto Speicher = EinstellungenOeffnen();
    TEinstellungen E;
    QVERIFY(EinstellungenLesen(*Speicher, E));
    QCOMPARE(Text(E), Text(Geschrieben));
}

void TEinstellungenTest::FilenameZerlegen_data() {
    QTest::addColumn<QString>("Wert");
    QTest::addColumn<QString>("Dateiname");
    QTest::addColumn<int>("FachNr");

    QTest::newRow("Name und Nummer") << "5a.SGV 3"
                                     << "5a.SGV" << 3;
    QTest::newRow("Blank im Namen") << "Klasse 7b.SGV 2"
                                    << "Klasse 7b.SGV" << 2;
    QTest::newRow("nur ein Wort") << "5a.SGV"
                                  << "" << 1;
    QTest::newRow("Nummer kein Wort aus Ziffern") << "5a.SGV x"
                                                  << "5a.SGV" << 1;
    QTest::newRow("keine Datei") << " 0"
                                 << "" << 0;
    QTest::newRow("Windows-Ordner") << "C:\\Daten\\5a.SGV 2"
                                    << "5a.SGV" << 2;
    QTest::newRow("Unix-Ordner") << "/home/x/5a.SGV 2"
                                 << "5a.SGV" << 2;
    QTest::newRow("gemischte Trenner") << "C:\\Daten/Unter\\5a.SGV 2"
                                       << "5a.SGV" << 2;
    QTest::newRow("Blank im Ordner") << "C:\\Eigene Dateien\\Stundolog\\5a.SGV 4"
                                     << "5a.SGV" << 4;
    QTest::newRow("nur ein Ordner") << "C:\\Daten\\ 2"
                                    << "" << 2;
    QTest::newRow("mehrere Blanks vor der Nummer") << "5a.SGV  3"
                                                   << "5a.SGV " << 3;
    QTest::newRow("Blanks am Ende") << "5a.SGV 3  "
                                    << "5a.SGV" << 3;
    QTest::newRow("Blanks am Anfang") << "  5a.SGV 3"
                                      << "  5a.SGV" << 3;
    QTest::newRow("Blanks vor einem Wort") << "  5a.SGV"
                                           << " " << 1;
    QTest::newRow("leer") << ""
                          << "" << 1;
    QTest::newRow("nur Blanks") << "   "
                                << "" << 1;
    QTest::newRow("negative Nummer") << "5a.SGV -2"
                                     << "5a.SGV" << 1;
    QTest::newRow("Nummer mit Plus") << "5a.SGV +2"
                                     << "5a.SGV" << 1;
    QTest::newRow("Nummer mit Buchstaben") << "5a.SGV 3x"
                                           << "5a.SGV" << 1;
    QTest::newRow("Nummer mit Nullen") << "5a.SGV 007"
                                       << "5a.SGV" << 7;
    QTest::newRow("Nummer zu groß") << "5a.SGV 99999999999"
                                    << "5a.SGV" << 1;
    QTest::newRow("größte Nummer") << "5a.SGV 2147483647"
                                   << "5a.SGV" << 2147483647;
    QTest::newRow("Tabulator ist kein Blank") << "5a.SGV\t3"
                                              << "" << 1;
    QTest::newRow("breite Ziffer") << "5a.SGV ３"
                                   << "5a.SGV" << 1;
    QTest::newRow("Umlaute") << "Übung Größe.SGV 5"
                             << "Übung Größe.SGV" << 5;
}

void TEinstellungenTest::FilenameZerlegen() {
    QFETCH(QString, Wert);
    QFETCH(QString, Dateiname);
    QFETCH(int, FachNr);
    const TFilenameTeile Teile = ::FilenameZerlegen(Wert);
    QCOMPARE(Teile.Dateiname, Dateiname);
    QCOMPARE(Teile.FachNr, FachNr);
}

void TEinstellungenTest::FilenameZusammensetzen_data() {
    QTest::addColumn<QString>("Dateiname");
    QTest::addColumn<int>("FachNr");
    QTest::addColumn<QString>("Wert");
    QTest::addColumn<QString>("NameZurueck"); // what reading the value gives back

    QTest::newRow("Name") << "5a.SGV" << 3 << "5a.SGV 3"
                          << "5a.SGV";
    QTest::newRow("mit Ordner") << "/home/lehrer/Stundolog/5a.SGV" << 1 << "5a.SGV 1"
                                << "5a.SGV";
    QTest::newRow("nur Ordner") << "/home/lehrer/Stundolog/" << 0 << " 0"
                                << "";
    QTest::newRow("leer") << "" << 0 << " 0"
                          << "";
    QTest::newRow("Blank im Namen") << "Klasse 7b.SGV" << 2 << "Klasse 7b.SGV 2"
                                    << "Klasse 7b.SGV";
    QTest::newRow("Blank am Ende des Namens") << "rand " << 4 << "rand  4"
                                              << "rand ";
    QTest::newRow("Blank am Anfang des Namens") << " rand" << 4 << " rand 4"
                                                << " rand";
    QTest::newRow("nur Blanks als Name") << "  " << 5 << "   5"
                                         << "  ";
    QTest::newRow("Name wie eine Nummer") << "12" << 6 << "12 6"
                                          << "12";
    QTest::newRow("große Nummer") << "a.SGV" << 123456 << "a.SGV 123456"
                                  << "a.SGV";
}

void TEinstellungenTest::FilenameZusammensetzen() {
    QFETCH(QString, Dateiname);
    QFETCH(int, FachNr);
    QFETCH(QString, Wert);
    QFETCH(QString, NameZurueck);
    QCOMPARE(::FilenameZusammensetzen(Dateiname, FachNr), Wert);
    const TFilenameTeile Teile = ::FilenameZerlegen(Wert);
    QCOMPARE(Teile.Dateiname, NameZurueck);
    QCOMPARE(Teile.FachNr, FachNr);
}

void TEinstellungenTest::Schriftstil_data() {
    QTest::addColumn<int>("Stil");
    QTest::addColumn<bool>("Kursiv");
    QTest::addColumn<bool>("Fett");
    QTest::addColumn<bool>("Unterstrichen");
    QTest::addColumn<bool>("Durchgestrichen");

    QTest::newRow("kein Stil") << 0 << false << false << false << false;
    QTest::newRow("1 kursiv") << 1 << true << false << false << false;
    QTest::newRow("2 fett") << 2 << false << true << false << false;
    QTest::newRow("3 fett kursiv") << 3 << true << true << false << false;
    QTest::newRow("4 unterstrichen") << 4 << false << false << true << false;
    QTest::newRow("5 unterstrichen kursiv") << 5 << true << false << true << false;
    QTest::newRow("8 durchgestrichen") << 8 << false << false << false << true;
    QTest::newRow("10 fett durchgestrichen") << 10 << false << true << false << true;
    QTest::newRow("15 alles") << 15 << true << true << true << true;
}

void TEinstellungenTest::Schriftstil() {
    QFETCH(int, Stil);
    QFETCH(bool, Kursiv);
    QFETCH(bool, Fett);
    QFETCH(bool, Unterstrichen);
    QFETCH(bool, Durchgestrichen);

    TEinstellungen E;
    E.FontStyle = Stil;
    const QFont Schrift = SchriftAusEinstellungen(E);
    QCOMPARE(Schrift.italic(), Kursiv);
    QCOMPARE(Schrift.bold(), Fett);
    QCOMPARE(Schrift.underline(), Unterstrichen);
    QCOMPARE(Schrift.strikeOut(), Durchgestrichen);

    // The way back starts from a font made without the settings, as the font dialog returns it.
    QFont Gewaehlt(QStringLiteral("Arial"), 12);
    Gewaehlt.setItalic(Kursiv);
    Gewaehlt.setWeight(Fett ? QFont::Bold : QFont::Normal);
    Gewaehlt.setUnderline(Unterstrichen);
    Gewaehlt.setStrikeOut(Durchgestrichen);
    TEinstellungen Zurueck = Fremd();
    SchriftInEinstellungen(Gewaehlt, Qt::black, true, Zurueck);
    QCOMPARE(Zurueck.FontStyle, Stil);
}

void TEinstellungenTest::SchriftstilRundlauf() {
    for (int Stil = 0; Stil < 16; ++Stil) {
        TEinstellungen E;
        E.FontStyle = Stil;
        TEinstellungen Zurueck;
        SchriftInEinstellungen(SchriftAusEinstellungen(E), Qt::black, true, Zurueck);
        QVERIFY2(Zurueck.FontStyle == Stil,
                 qPrintable(QStringLiteral("Stil %1 kam als %2 zurück").arg(Stil).arg(Zurueck.FontStyle)));
    }
}

void TEinstellungenTest::SchriftAusEinstellungenNameUndGroesse() {
    TEinstellungen E;
    QFont Schrift = SchriftAusEinstellungen(E);
    QCOMPARE(Schrift.family(), QStringLiteral("Arial"));
    QCOMPARE(Schrift.pointSize(), 12);

    E.FontName = QStringLiteral("Schöne Schrift");
    E.FontSize = 17;
    E.FontCharSet = 238;
    Schrift = SchriftAusEinstellungen(E);
    QCOMPARE(Schrift.family(), QStringLiteral("Schöne Schrift"));
    QCOMPARE(Schrift.pointSize(), 17);

    // Back into the settings: name and size follow the font, the character set is kept.
    QFont Gewaehlt(QStringLiteral("Verdana"));
    Gewaehlt.setPointSize(9);
    SchriftInEinstellungen(Gewaehlt, Qt::black, true, E);
    QCOMPARE(E.FontName, QStringLiteral("Verdana"));
    QCOMPARE(E.FontSize, 9);
    QCOMPARE(E.FontCharSet, 238);

    // A font sized in pixels has no point size; the stored size stays.
    QFont Pixel(QStringLiteral("Verdana"));
    Pixel.setPixelSize(30);
    SchriftInEinstellungen(Pixel, Qt::black, true, E);
    QCOMPARE(E.FontSize, 9);

    Gewaehlt.setPointSizeF(10.6);
    SchriftInEinstellungen(Gewaehlt, Qt::black, true, E);
    QVERIFY2(E.FontSize == 10 || E.FontSize == 11, qPrintable(QString::number(E.FontSize)));
}

void TEinstellungenTest::SchriftFarbe_data() {
    const QPalette Palette = Testpalette();
    QTest::addColumn<quint32>("Wert");
    QTest::addColumn<QColor>("Farbe");

    QTest::newRow("rot") << quint32(0x000000FF) << QColor(255, 0, 0);
    QTest::newRow("grün") << quint32(0x0000FF00) << QColor(0, 255, 0);
    QTest::newRow("blau") << quint32(0x00FF0000) << QColor(0, 0, 255);
    QTest::newRow("gemischt") << quint32(0x00123456) << QColor(0x56, 0x34, 0x12);
    QTest::newRow("schwarz") << quint32(0x00000000) << QColor(0, 0, 0);
    QTest::newRow("weiß") << quint32(0x00FFFFFF) << QColor(255, 255, 255);
    QTest::newRow("Paletten-RGB") << quint32(0x02000080) << QColor(0x80, 0, 0);
    QTest::newRow("Fenstertext") << quint32(0xFF000008) << Palette.color(QPalette::WindowText);
    QTest::newRow("Menütext") << quint32(0xFF000007) << Palette.color(QPalette::WindowText);
    QTest::newRow("Fensterhintergrund") << quint32(0xFF000005) << Palette.color(QPalette::Base);
    QTest::newRow("Markierung") << quint32(0xFF00000D) << Palette.color(QPalette::Highlight);
    QTest::newRow("markierter Text") << quint32(0xFF00000E) << Palette.color(QPalette::HighlightedText);
    QTest::newRow("Schaltfläche") << quint32(0xFF00000F) << Palette.color(QPalette::Button);
    QTest::newRow("Schaltflächenschatten") << quint32(0xFF000010) << Palette.color(QPalette::Dark);
    QTest::newRow("grauer Text") << quint32(0xFF000011) << Palette.color(QPalette::Disabled, QPalette::WindowText);
    QTest::newRow("Schaltflächentext") << quint32(0xFF000012) << Palette.color(QPalette::ButtonText);
    QTest::newRow("Tooltip-Text") << quint32(0xFF000017) << Palette.color(QPalette::ToolTipText);
    QTest::newRow("Tooltip-Hintergrund") << quint32(0xFF000018) << Palette.color(QPalette::ToolTipBase);
    QTest::newRow("unbekannte Systemfarbe") << quint32(0xFF000063) << Palette.color(QPalette::WindowText);
    QTest::newRow("Desktop") << quint32(0xFF000001) << Palette.color(QPalette::WindowText);
}

void TEinstellungenTest::SchriftFarbe() {
    QFETCH(quint32, Wert);
    QFETCH(QColor, Farbe);
    QCOMPARE(::SchriftFarbe(Wert, Testpalette()), Farbe);
}

void TEinstellungenTest::SchriftInEinstellungenFarbe_data() {
    QTest::addColumn<QColor>("Farbe");
    QTest::addColumn<bool>("SystemText");
    QTest::addColumn<quint32>("Wert");

    QTest::newRow("rot") << QColor(255, 0, 0) << false << quint32(0x000000FF);
    QTest::newRow("blau") << QColor(0, 0, 255) << false << quint32(0x00FF0000);
    QTest::newRow("gemischt") << QColor(0x12, 0x34, 0x56) << false << quint32(0x00563412);
    QTest::newRow("aus HSV") << QColor::fromHsv(120, 255, 255) << false << quint32(0x0000FF00);
    QTest::newRow("schwarz") << QColor(0, 0, 0) << false << quint32(0x00000000);
    QTest::newRow("Systemtext") << QColor(0x12, 0x34, 0x56) << true << quint32(0xFF000008);
}

void TEinstellungenTest::SchriftInEinstellungenFarbe() {
    QFETCH(QColor, Farbe);
    QFETCH(bool, SystemText);
    QFETCH(quint32, Wert);
    TEinstellungen E = Fremd();
    E.FontColor = 0xFF00000F;
    SchriftInEinstellungen(QFont(QStringLiteral("Arial"), 12), Farbe, SystemText, E);
    QCOMPARE(E.FontColor, Wert);
    if (!SystemText)
        QCOMPARE(::SchriftFarbe(E.FontColor, Testpalette()), Farbe.toRgb());
}

QTEST_MAIN(TEinstellungenTest)
#include "tst_einstellungen.moc"
