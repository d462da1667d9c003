#include "util/Dateiname.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TDateinameTest : public QObject {
    Q_OBJECT

private slots:
    void Geraetename_data();
    void Geraetename();
    void GueltigerDateiname_data();
    void GueltigerDateiname();
    void AusKlassenname_data();
    void AusKlassenname();
    void VorhandeneDateien_data();
    void VorhandeneDateien();
    void OrdnerOhneTrenner();
};

void TDateinameTest::Geraetename_data() {
    QTest::addColumn<QString>("Name");
    QTest::addColumn<bool>("GeraetS");
    QTest::newRow("CON") << "CON" << true;
    QTest::newRow("klein") << "con" << true;
    QTest::newRow("gemischt") << "pRn" << true;
    QTest::newRow("AUX, NUL") << "aux" << true;
    QTest::newRow("NUL") << "Nul" << true;
    QTest::newRow("mit Endung") << "con.txt" << true;
    QTest::newRow("nur die letzte Endung fällt") << "con.txt.bak" << false;
    QTest::newRow("Leerzeichen hinten") << "lpt9 " << true;
    QTest::newRow("Leerzeichen vor der Endung") << " com1 .txt" << true;
    QTest::newRow("COM1 mit Endung") << "com1.txt" << true;
    QTest::newRow("COM9") << "COM9" << true;
    QTest::newRow("LPT1") << "LPT1" << true;
    QTest::newRow("COM0 gibt es nicht") << "COM0" << false;
    QTest::newRow("LPT10 gibt es nicht") << "LPT10" << false;
    QTest::newRow("COM ohne Ziffer") << "COM" << false;
    QTest::newRow("Teil eines Namens") << "CONRAD" << false;
    QTest::newRow("davor ein Buchstabe") << "xcon" << false;
    QTest::newRow("nach Backslash") << "x\\nul" << true;
    QTest::newRow("nach Doppelpunkt") << "C:prn.doc" << true;
    QTest::newRow("Doppelpunkt am Ende") << "Aux:" << false;
    QTest::newRow("Schrägstrich trennt nicht") << "x/nul" << false;
    QTest::newRow("leer") << "" << false;
    QTest::newRow("Klassenname") << "7b" << false;
}

void TDateinameTest::Geraetename() {
    QFETCH(QString, Name);
    QFETCH(bool, GeraetS);
    QCOMPARE(IstGeraetename(Name), GeraetS);
}

void TDateinameTest::GueltigerDateiname_data() {
    QTest::addColumn<QString>("Name");
    QTest::addColumn<bool>("GueltigS");
    QTest::newRow("Klassenname") << "7b" << true;
    QTest::newRow("Leerzeichen, Punkt, Umlaut") << "Klasse 5.1 Jäger" << true;
    QTest::newRow("jenseits von Latin-1") << QString::fromUtf8("Ελληνικά €") << true;
    QTest::newRow("Gerät") << "CON" << false;
    QTest::newRow("Gerät mit Endung") << "com1.txt" << false;
    for (const QChar Zeichen : QStringLiteral("\"*/:<>?\\|"))
        QTest::addRow("verboten %c", Zeichen.toLatin1())
            << QStringLiteral("a") + Zeichen + QStringLiteral("b") << false;
    QTest::newRow("U+0000") << QString(QChar(0)) + QStringLiteral("x") << false;
    QTest::newRow("Tabulator") << "a\tb" << false;
    QTest::newRow("U+001F") << QStringLiteral("a") + QChar(0x1F) << false;
    QTest::newRow("U+007F ist erlaubt") << QStringLiteral("a") + QChar(0x7F) << true;
    QTest::newRow("Plus und Klammern") << "a+b (c) [d]" << true;
}

void TDateinameTest::GueltigerDateiname() {
    QFETCH(QString, Name);
    QFETCH(bool, GueltigS);
    QCOMPARE(IstGueltigerDateiname(Name), GueltigS);
}

void TDateinameTest::AusKlassenname_data() {
    QTest::addColumn<QString>("Name");
    QTest::addColumn<QString>("Datei");
    const auto Fall = [](const char *AZeile, const QString &AName, const QString &ADatei) {
        QTest::newRow(AZeile) << AName << ADatei;
    };
    Fall("gewöhnlich", "7b", "7b.SGV");
    Fall("CON", "CON", "CON_.SGV");
    Fall("con.txt", "con.txt", "con.txt_.SGV");
    Fall("Schrägstrich", "7a/b", "7a_b.SGV");
    Fall("Aux:", "Aux:", "Aux_.SGV");
    Fall("senkrechter Strich", "5|c", "5_c.SGV");
    Fall("alle verbotenen", "a\"*/:<>?\\|b", "a_________b.SGV");
    Fall("Steuerzeichen", QStringLiteral("5") + QChar(0x01) + QStringLiteral("c\td"), "5_c_d.SGV");
    Fall("jenseits von Latin-1", QString::fromUtf8("Ελληνικά 5€"), QString::fromUtf8("Ελληνικά 5€.SGV"));
    Fall("getrimmt", "  6c \t", "6c.SGV");
    Fall("Gerät mit Leerzeichen", "lpt9 ", "lpt9_.SGV");
    Fall("com1.txt", "com1.txt", "com1.txt_.SGV");
    Fall("Gerät hinter Backslash", "x\\nul", "x_nul.SGV");
    Fall("Gerät hinter Doppelpunkt", "a:con", "a_con.SGV");
    Fall("Gerät bleibt nach dem Ersetzen", "con.a|b", "con.a_b_.SGV");
    Fall("Gerät verschwindet beim Ersetzen", "con|.txt", "con_.txt.SGV");
}

void TDateinameTest::AusKlassenname() {
    QFETCH(QString, Name);
    QFETCH(QString, Datei);
    QTemporaryDir Ordner;
    QVERIFY(Ordner.isValid());
    const QString Pfad = Ordner.path() + QLatin1Char('/');
    QCOMPARE(NeuerDateiname(Pfad, Name), Pfad + Datei);
}

void TDateinameTest::VorhandeneDateien_data() {
    QTest::addColumn<QStringList>("Vorhanden");
    QTest::addColumn<QString>("Name");
    QTest::addColumn<QString>("Datei");
    const auto Fall = [](const char *AZeile, const QStringList &AVorhanden, const QString &AName,
                         const QString &ADatei) { QTest::newRow(AZeile) << AVorhanden << AName << ADatei; };
    Fall("leerer Ordner", {}, "4a", "4a.SGV");
    Fall("4a.SGV da", {"4a.SGV"}, "4a", "4a_.SGV");
    Fall("4a.SGV und 4a_.SGV da", {"4a.SGV", "4a_.SGV"}, "4a", "4a__.SGV");
    Fall("nur 4a_.SGV da", {"4a_.SGV"}, "4a", "4a.SGV");
    Fall("andere Schreibung da", {"4A.sgv"}, "4a", "4a_.SGV");
    Fall("Sicherungskopie zählt nicht", {"4a.SGV.BAK"}, "4a", "4a.SGV");
    Fall("ersetzter Name da", {"7a_b.SGV"}, "7a/b", "7a_b_.SGV");
    Fall("Gerätename da", {"CON_.SGV", "CON__.SGV"}, "con", "con___.SGV");
}

void TDateinameTest::VorhandeneDateien() {
    QFETCH(QStringList, Vorhanden);
    QFETCH(QString, Name);
    QFETCH(QString, Datei);
    QTemporaryDir Ordner;
    QVERIFY(Ordner.isValid());
    const QString Pfad = Ordner.path() + QLatin1Char('/');
    for (const QString &Vorher : Vorhanden) {
        QFile Neu(Pfad + Vorher);
        QVERIFY2(Neu.open(QIODevice::WriteOnly), qPrintable(Vorher));
    }
    const QString Ergebnis = NeuerDateiname(Pfad, Name);
    QCOMPARE(Ergebnis, Pfad + Datei);
    QVERIFY2(!QFile::exists(Ergebnis), "the new name is free");
    QCOMPARE(QDir(Pfad).entryList(QDir::Files).size(), Vorhanden.size());
}

void TDateinameTest::OrdnerOhneTrenner() {
    QTemporaryDir Ordner;
    QVERIFY(Ordner.isValid());
    QVERIFY(QFile(Ordner.filePath(QStringLiteral("5a.SGV"))).open(QIODevice::WriteOnly));
    QCOMPARE(NeuerDateiname(Ordner.path(), QStringLiteral("5a")), Ordner.path() + QStringLiteral("/5a_.SGV"));
}

QTEST_GUILESS_MAIN(TDateinameTest)
#include "tst_dateiname.moc"
