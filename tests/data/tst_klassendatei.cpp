#include "Testhilfe.h"
#include "data/Klassendatei.h"

#include <QtTest>

#include <QBuffer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <unistd.h>

namespace {
// Class 5a, subject Deutsch, week 43906 (16 March 2020) with the text Lesen.
const char *const Beispiel =
    "00 05 53 47 56 30 31 | 00 02 35 61 | 01 00 00 00 | 00 07 44 65 75 74 73 63 68 | 01 00 00 00 | 82 00 00 AB | "
    "00 05 4C 65 73 65 6E";

TDaten BeispielKlasse() { return Klasse("5a", {{"Deutsch", {{43906, "Lesen"}}}}); }

QByteArray Geschrieben(const TDaten &ADaten) {
    QByteArray Bytes;
    QBuffer Puffer(&Bytes);
    Puffer.open(QIODevice::WriteOnly);
    if (!KlasseSchreiben(ADaten, Puffer))
        return QByteArrayLiteral("<nicht geschrieben>");
    return Bytes;
}

TLadeErgebnis Gelesen(const QByteArray &ABytes, TDaten &AZiel) {
    QByteArray Kopie = ABytes;
    QBuffer Puffer(&Kopie);
    Puffer.open(QIODevice::ReadOnly);
    return KlasseLesen(Puffer, AZiel);
}

// A device that takes only so many bytes, then fails like a full disk.
class TVollesGeraet : public QIODevice {
public:
    explicit TVollesGeraet(qint64 APlatz) : FPlatz(APlatz) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 ALaenge) override {
        if (ALaenge > FPlatz)
            return -1;
        FPlatz -= ALaenge;
        return ALaenge;
    }

private:
    qint64 FPlatz;
};

bool IstRoot() { return ::geteuid() == 0; }
} // namespace

Q_DECLARE_METATYPE(TLadeErgebnis)

class TstKlassendatei : public QObject {
    Q_OBJECT
private slots:
    void beispielBytes();
    void zahlen_data();
    void zahlen();
    void lesen_data();
    void lesen();
    void rundreise();
    void beschaedigtAbgeschnitten();
    void beschaedigt_data();
    void beschaedigt();
    void nichtSpeicherbar_data();
    void nichtSpeicherbar();
    void schreibfehler();
    void dateienLaden();
    void speichern();
    void speichernSchreibgeschuetzt();
    void speichernOhneDateiname();
    void speichernFehlschlag();
    void klassenListe();
};

void TstKlassendatei::beispielBytes() {
    QCOMPARE(AlsHex(Geschrieben(BeispielKlasse())), AlsHex(AusHex(Beispiel)));
    QCOMPARE(AusHex(Beispiel).size(), 39);

    TDaten Daten;
    QCOMPARE(Gelesen(AusHex(Beispiel), Daten), TLadeErgebnis::Gelesen);
    QVERIFY(Daten.Ident(BeispielKlasse()));

    // Through the file: the class remembers where it was written and read.
    QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QStringLiteral("5a.SGV"));
    TDaten Klasse5a = BeispielKlasse();
    QVERIFY(Klasse5a.SaveToFile(Pfad));
    QCOMPARE(Klasse5a.Filename, Pfad);
    QCOMPARE(AlsHex(DateiInhalt(Pfad)), AlsHex(AusHex(Beispiel)));
    TDaten Geladen;
    QVERIFY(Geladen.LoadFromFile(Pfad, true));
    QCOMPARE(Geladen.Filename, Pfad);
    QVERIFY(Geladen.Ident(Klasse5a));
}

void TstKlassendatei::zahlen_data() {
    QTest::addColumn<qint32>("Zahl");
    QTest::addColumn<QString>("Bytes");
    QTest::newRow("1") << 1 << "01 00 00 00";
    QTest::newRow("256") << 256 << "00 00 00 01";
    QTest::newRow("43906") << 43906 << "82 00 00 AB";
    QTest::newRow("16909060") << 16909060 << "04 01 02 03";
    QTest::newRow("-1") << -1 << "FF FF FF FF";
    QTest::newRow("INT32_MIN") << std::numeric_limits<qint32>::min() << "00 80 00 00";
}

void TstKlassendatei::zahlen() {
    // A class with one empty-named subject and one week: the week key stands at bytes 19 to 22.
    QFETCH(qint32, Zahl);
    QFETCH(QString, Bytes);
    const TDaten Daten = Klasse("", {{"", {{Zahl, ""}}}});
    const QByteArray Datei = Geschrieben(Daten);
    QCOMPARE(AlsHex(Datei), AlsHex(AusHex("00 05 53 47 56 30 31 00 00 01 00 00 00 00 00 01 00 00 00") +
                                    AusHex(Bytes) + AusHex("00 00")));
    TDaten Zurueck;
    QCOMPARE(Gelesen(Datei, Zurueck), TLadeErgebnis::Gelesen);
    QCOMPARE(Zurueck.Fach(0).WochenDaten.at(0).Datum, Zahl);
}

void TstKlassendatei::lesen_data() {
    QTest::addColumn<QString>("Bytes");
    QTest::addColumn<QStringList>("Faecher");
    QTest::addColumn<QList<qint32>>("WochenDesErsten");
    const QString Kopf = QStringLiteral("00 05 53 47 56 30 31 00 02 35 61 ");
    const QString FachA = QStringLiteral("00 01 41 01 00 00 00 07 00 00 00 00 01 78 ");
    const QString FachB = QStringLiteral("00 01 42 00 00 00 00 ");
    QTest::newRow("ohne Faecher") << Kopf + "00 00 00 00" << QStringList{} << QList<qint32>{};
    QTest::newRow("nur Kennung und Name") << Kopf << QStringList{} << QList<qint32>{};
    QTest::newRow("zwei Gruppen") << Kopf + "01 00 00 00 " + FachA + "01 00 00 00 " + FachB
                                  << QStringList{"A", "B"} << QList<qint32>{7};
    QTest::newRow("Anzahl 0 und negativ zaehlen nichts")
        << Kopf + "00 00 00 00 FF FF FF FF 01 00 00 00 " + FachB << QStringList{"B"} << QList<qint32>{};
    QTest::newRow("negative Wochenzahl") << Kopf + "01 00 00 00 00 01 41 FF FF FF FF" << QStringList{"A"}
                                         << QList<qint32>{};
    QTest::newRow("ungeordnete Wochen bleiben in Dateifolge")
        << Kopf + "01 00 00 00 00 01 41 02 00 00 00 0E 00 00 00 00 00 07 00 00 00 00 00" << QStringList{"A"}
        << QList<qint32>{14, 7};
}

void TstKlassendatei::lesen() {
    QFETCH(QString, Bytes);
    QFETCH(QStringList, Faecher);
    QFETCH(QList<qint32>, WochenDesErsten);
    TDaten Daten;
    QCOMPARE(Gelesen(AusHex(Bytes), Daten), TLadeErgebnis::Gelesen);
    QCOMPARE(Daten.Klasse, QStringLiteral("5a"));
    QStringList Namen;
    for (const auto &Fach : Daten.Liste)
        Namen.append(Fach->Fachname);
    QCOMPARE(Namen, Faecher);
    QList<qint32> Wochen;
    if (Daten.Count() > 0)
        for (const TWocheRec &Woche : Daten.Fach(0).WochenDaten)
            Wochen.append(Woche.Datum);
    QCOMPARE(Wochen, WochenDesErsten);
}

void TstKlassendatei::rundreise() {
    // Every character the file can hold, strings up to the longest one, keys across the 32-bit range.
    QRandomGenerator Zufall(20261209);
    QString AlleZeichen;
    for (int Code = 0; Code <= 0xFF; ++Code)
        AlleZeichen.append(QChar(Code));
    const auto Zufallstext = [&](int ALaenge) {
        QString Text(ALaenge, Qt::Uninitialized);
        for (QChar &Zeichen : Text)
            Zeichen = QChar(static_cast<ushort>(Zufall.bounded(256)));
        return Text;
    };

    TDaten Daten;
    Daten.Klasse = AlleZeichen;
    TFach Lang;
    Lang.Fachname = Zufallstext(0xFFFF);
    Lang.Add(std::numeric_limits<qint32>::min(), Zufallstext(0xFFFF));
    Lang.Add(std::numeric_limits<qint32>::max(), QString());
    Lang.Add(0, AlleZeichen);
    Daten.Add(Lang);
    for (int FachNr = 0; FachNr < 20; ++FachNr) {
        TFach Fach;
        Fach.Fachname = Zufallstext(Zufall.bounded(40));
        const int Wochen = Zufall.bounded(60);
        for (int Nr = 0; Nr < Wochen; ++Nr)
            Fach.Add(static_cast<qint32>(Zufall.generate()), Zufallstext(Zufall.bounded(3000)));
        Daten.Add(Fach);
    }
    Daten.Add(TFach());

    const QByteArray Bytes = Geschrieben(Daten);
    TDaten Zurueck;
    QCOMPARE(Gelesen(Bytes, Zurueck), TLadeErgebnis::Gelesen);
    QVERIFY2(Zurueck.Ident(Daten), "die gelesene Klasse muss der geschriebenen gleichen");
    // And once more through a real file, which goes through the block buffer across many refills.
    QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QStringLiteral("gross.SGV"));
    QVERIFY(Daten.SaveToFile(Pfad));
    QCOMPARE(DateiInhalt(Pfad), Bytes);
    TDaten AusDatei;
    QVERIFY(AusDatei.LoadFromFile(Pfad, false));
    QVERIFY(AusDatei.Ident(Daten));
}

void TstKlassendatei::beschaedigtAbgeschnitten() {
    // Cut a small valid file at every byte: only the cut right after the class name is a whole class file.
    const QByteArray Ganz = Geschrieben(Klasse("5a", {{"Deutsch", {{43906, "Lesen"}, {43913, ""}}}, {"M", {}}}));
    const TDaten Vorher = Klasse("alt", {{"Alt", {{7, "bleibt"}}}});
    for (int Laenge = 0; Laenge < Ganz.size(); ++Laenge) {
        TDaten Ziel(Vorher, QStringLiteral("/alt.SGV"));
        const TLadeErgebnis Ergebnis = Gelesen(Ganz.left(Laenge), Ziel);
        if (Laenge == 11) {
            QCOMPARE(Ergebnis, TLadeErgebnis::Gelesen);
            QCOMPARE(Ziel.Count(), 0);
            continue;
        }
        QVERIFY2(Ergebnis == TLadeErgebnis::Beschaedigt, qPrintable(QStringLiteral("Laenge %1").arg(Laenge)));
        QVERIFY2(Ziel.Ident(Vorher) && Ziel.Filename == QStringLiteral("/alt.SGV"),
                 qPrintable(QStringLiteral("Laenge %1 hat das Ziel veraendert").arg(Laenge)));
    }
}

void TstKlassendatei::beschaedigt_data() {
    QTest::addColumn<QString>("Bytes");
    QTest::addColumn<TLadeErgebnis>("Erwartet");
    const QString Kopf = QStringLiteral("00 05 53 47 56 30 31 00 02 35 61 ");
    QTest::newRow("riesige Fachzahl") << Kopf + "FF 7F FF FF" << TLadeErgebnis::Beschaedigt;
    QTest::newRow("Fachzahl groesser als der Rest") << Kopf + "02 00 00 00 00 00 00 00 00 00"
                                                    << TLadeErgebnis::Beschaedigt;
    QTest::newRow("riesige Wochenzahl") << Kopf + "01 00 00 00 00 01 41 FF 7F FF FF 00 00 00 00 00 00"
                                        << TLadeErgebnis::Beschaedigt;
    QTest::newRow("Wochenzahl eins zu gross") << Kopf + "01 00 00 00 00 01 41 02 00 00 00 07 00 00 00 00 00"
                                              << TLadeErgebnis::Beschaedigt;
    QTest::newRow("Textlaenge ueber das Ende") << Kopf + "01 00 00 00 FF FF 41" << TLadeErgebnis::Beschaedigt;
    QTest::newRow("ein Byte zu viel") << Kopf + "00 00 00 00 00" << TLadeErgebnis::Beschaedigt;
    QTest::newRow("drei Bytes zu viel") << Kopf + "00 00 00 00 00 00 00" << TLadeErgebnis::Beschaedigt;
    QTest::newRow("vier Bytes: eine leere Gruppe") << Kopf + "00 00 00 00 00 00 00 00" << TLadeErgebnis::Gelesen;
    QTest::newRow("leere Datei") << "" << TLadeErgebnis::Beschaedigt;
    QTest::newRow("Kennung klein") << "00 05 73 67 76 30 31 00 00" << TLadeErgebnis::UnbekanntesFormat;
    QTest::newRow("andere Version") << "00 05 53 47 56 30 32 00 00" << TLadeErgebnis::UnbekanntesFormat;
    QTest::newRow("Text statt Klasse") << "48 61 6C 6C 6F" << TLadeErgebnis::UnbekanntesFormat;
    QTest::newRow("laengere Kennung") << "00 06 53 47 56 30 31 31 00 00" << TLadeErgebnis::UnbekanntesFormat;
}

void TstKlassendatei::beschaedigt() {
    QFETCH(QString, Bytes);
    QFETCH(TLadeErgebnis, Erwartet);
    const TDaten Vorher = Klasse("alt", {{"Alt", {{7, "bleibt"}}}});
    TDaten Ziel(Vorher, QStringLiteral("/alt.SGV"));
    QCOMPARE(Gelesen(AusHex(Bytes), Ziel), Erwartet);
    if (Erwartet != TLadeErgebnis::Gelesen) {
        QVERIFY(Ziel.Ident(Vorher));
        QCOMPARE(Ziel.Filename, QStringLiteral("/alt.SGV"));
    }
}

void TstKlassendatei::nichtSpeicherbar_data() {
    QTest::addColumn<QString>("Feld");
    QTest::addColumn<QString>("Text");
    QTest::addColumn<QString>("Meldungsteil");
    QTest::newRow("Euro im Wochentext") << "Text" << "5 €" << "U+20AC";
    QTest::newRow("Zeichen U+0100 im Klassennamen") << "Klasse" << "\u0100" << "U+0100";
    QTest::newRow("Smiley im Fachnamen") << "Fachname" << "Musik \U0001F3B5" << "U+1F3B5";
    QTest::newRow("65536 Zeichen") << "Text" << QString(65536, QLatin1Char('x')) << "65535";
}

void TstKlassendatei::nichtSpeicherbar() {
    QFETCH(QString, Feld);
    QFETCH(QString, Text);
    QFETCH(QString, Meldungsteil);
    TDaten Daten = BeispielKlasse();
    if (Feld == QLatin1String("Klasse"))
        Daten.Klasse = Text;
    else if (Feld == QLatin1String("Fachname"))
        Daten.Fach(0).Fachname = Text;
    else
        Daten.Fach(0).WochenDaten[0].Text = Text;
    QVERIFY2(KlasseNichtSpeicherbar(Daten).contains(Meldungsteil), qPrintable(KlasseNichtSpeicherbar(Daten)));
    QVERIFY(KlasseNichtSpeicherbar(BeispielKlasse()).isEmpty());

    // The writer refuses the class rather than writing lengths that do not match their bytes, and the file
    // that was there stays as it was.
    QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QStringLiteral("5a.SGV"));
    QVERIFY(DateiSchreiben(Pfad, AusHex(Beispiel)));
    Daten.Filename = QStringLiteral("/vorher.SGV");
    QVERIFY(!Daten.SaveToFile(Pfad));
    QCOMPARE(Daten.Filename, QStringLiteral("/vorher.SGV"));
    QCOMPARE(AlsHex(DateiInhalt(Pfad)), AlsHex(AusHex(Beispiel)));
    QCOMPARE(QDir(Ordner.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("5a.SGV")});
}

void TstKlassendatei::schreibfehler() {
    // A device that fills up at any point makes the writer report failure.
    TDaten Gross = BeispielKlasse();
    Gross.Fach(0).WochenDaten[0].Text = QString(60000, QLatin1Char('x'));
    Gross.Fach(0).Add(43913, QString(60000, QLatin1Char('y')));
    const qint64 Laenge = Geschrieben(Gross).size();
    for (qint64 Platz : {qint64{0}, qint64{10}, qint64{65537}, Laenge - 1}) {
        TVollesGeraet Geraet(Platz);
        QVERIFY2(!KlasseSchreiben(Gross, Geraet), qPrintable(QStringLiteral("Platz %1").arg(Platz)));
    }
    TVollesGeraet Genug(Laenge);
    QVERIFY(KlasseSchreiben(Gross, Genug));
}

void TstKlassendatei::dateienLaden() {
    QTemporaryDir Ordner;
    const TDaten Vorher = Klasse("alt", {{"Alt", {{7, "bleibt"}}}});
    TMeldungsRekorder Rekorder;

    // Missing file or empty name: false, unchanged, no message.
    TDaten Ziel(Vorher, QStringLiteral("/alt.SGV"));
    QVERIFY(!Ziel.LoadFromFile(Ordner.filePath(QStringLiteral("fehlt.SGV")), true));
    QVERIFY(!Ziel.LoadFromFile(QString(), true));
    QVERIFY(Ziel.Ident(Vorher));
    QCOMPARE(Rekorder.Meldungen, QStringList());

    // Unknown format: the message names the file without its folder, and only when asked for.
    const QString Fremd = Ordner.filePath(QStringLiteral("fremd.SGV"));
    QVERIFY(DateiSchreiben(Fremd, AusHex("00 05 73 67 76 30 31 00 00")));
    QVERIFY(!Ziel.LoadFromFile(Fremd, false));
    QCOMPARE(Rekorder.Meldungen, QStringList());
    QVERIFY(!Ziel.LoadFromFile(Fremd, true));
    QCOMPARE(Rekorder.Meldungen,
             QStringList{QStringLiteral("Das Dateiformat der Datei \"fremd.SGV\" ist unbekannt!\r\nBitte installieren "
                                        "Sie die neueste Version von https://www.stundolog.de.")});
    QVERIFY(Ziel.Ident(Vorher));

    // Damaged: its own message, the class as it was.
    Rekorder.Meldungen.clear();
    const QString Kaputt = Ordner.filePath(QStringLiteral("kaputt.SGV"));
    QVERIFY(DateiSchreiben(Kaputt, AusHex(Beispiel).chopped(1)));
    QVERIFY(!Ziel.LoadFromFile(Kaputt, false));
    QCOMPARE(Rekorder.Meldungen, QStringList());
    QVERIFY(!Ziel.LoadFromFile(Kaputt, true));
    QCOMPARE(Rekorder.Meldungen, QStringList{QStringLiteral("Die Datei \"kaputt.SGV\" ist beschädigt!")});
    QVERIFY(Ziel.Ident(Vorher));
    QCOMPARE(Ziel.Filename, QStringLiteral("/alt.SGV"));
}

void TstKlassendatei::speichern() {
    QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QStringLiteral("5a.SGV"));
    TMeldungsRekorder Rekorder;

    // The first save: no old file to back up, no message, the saved copy follows.
    TDaten Daten = BeispielKlasse();
    TDaten Gespeichert;
    QVERIFY(KlasseSpeichern(Daten, Gespeichert, Pfad, true));
    QVERIFY(Gespeichert.Ident(Daten));
    QCOMPARE(Gespeichert.Filename, Pfad);
    QVERIFY(!QFile::exists(Pfad + QStringLiteral(".BAK")));
    const QFileDevice::Permissions Rechte = QFile::permissions(Pfad);
    QVERIFY2((Rechte & QFileDevice::ReadOwner) && (Rechte & QFileDevice::WriteOwner), "die Datei ist les- und schreibbar");

    // The second save keeps the previous content in the .BAK file, replacing an older one.
    Daten.Fach(0).WochenDaten[0].Text = QStringLiteral("Schreiben");
    QVERIFY(KlasseSpeichern(Daten, Gespeichert, Pfad, true));
    QCOMPARE(AlsHex(DateiInhalt(Pfad + QStringLiteral(".BAK"))), AlsHex(AusHex(Beispiel)));
    const QByteArray Zweite = DateiInhalt(Pfad);
    Daten.Fach(0).WochenDaten[0].Text = QStringLiteral("Rechnen");
    QVERIFY(KlasseSpeichern(Daten, Gespeichert, Pfad, true));
    QCOMPARE(DateiInhalt(Pfad + QStringLiteral(".BAK")), Zweite);

    // Without the backup setting the .BAK file is left alone.
    Daten.Fach(0).WochenDaten[0].Text = QStringLiteral("Malen");
    QVERIFY(KlasseSpeichern(Daten, Gespeichert, Pfad, false));
    QCOMPARE(DateiInhalt(Pfad + QStringLiteral(".BAK")), Zweite);
    TDaten Zurueck;
    QVERIFY(Zurueck.LoadFromFile(Pfad, true));
    QVERIFY(Zurueck.Ident(Daten));
    QCOMPARE(Rekorder.Meldungen, QStringList());
}

void TstKlassendatei::speichernSchreibgeschuetzt() {
    QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QStringLiteral("5a.SGV"));
    QVERIFY(DateiSchreiben(Pfad, AusHex(Beispiel)));
    QVERIFY(DateiSchreiben(Pfad + QStringLiteral(".BAK"), "alt"));
    const auto NurLesen = QFileDevice::ReadOwner | QFileDevice::ReadUser | QFileDevice::ReadGroup;
    QVERIFY(QFile::setPermissions(Pfad, NurLesen));
    QVERIFY(QFile::setPermissions(Pfad + QStringLiteral(".BAK"), NurLesen));

    TDaten Daten = BeispielKlasse();
    Daten.Fach(0).WochenDaten[0].Text = QStringLiteral("neu");
    TDaten Gespeichert;
    QVERIFY(KlasseSpeichern(Daten, Gespeichert, Pfad, true));
    QCOMPARE(AlsHex(DateiInhalt(Pfad + QStringLiteral(".BAK"))), AlsHex(AusHex(Beispiel)));
    TDaten Zurueck;
    QVERIFY(Zurueck.LoadFromFile(Pfad, false));
    QCOMPARE(Zurueck.Fach(0).WochenDaten[0].Text, QStringLiteral("neu"));
}

void TstKlassendatei::speichernOhneDateiname() {
    QTemporaryDir Ordner;
    TMeldungsRekorder Rekorder;
    TDaten Daten = BeispielKlasse();
    TDaten Gespeichert;
    QVERIFY(!KlasseSpeichern(Daten, Gespeichert, Ordner.path() + QLatin1Char('/'), true));
    QVERIFY(!KlasseSpeichern(Daten, Gespeichert, QString(), true));
    QCOMPARE(Rekorder.Meldungen, QStringList());
    QCOMPARE(Gespeichert.Count(), 0);
    QCOMPARE(QDir(Ordner.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

void TstKlassendatei::speichernFehlschlag() {
    // A save that cannot be written: the message names the class, the old file and the saved copy stay.
    QTemporaryDir Ordner;
    const QString Unterordner = Ordner.filePath(QStringLiteral("gesperrt"));
    QVERIFY(QDir().mkpath(Unterordner));
    const QString Pfad = Unterordner + QStringLiteral("/5a.SGV");
    QVERIFY(DateiSchreiben(Pfad, AusHex(Beispiel)));

    struct TFall {
        const char *Name;
        QString Pfad;
        bool Gesperrt;
    };
    const QList<TFall> Faelle{
        {"Ordner ohne Schreibrecht", Pfad, true},
        {"Ordner ist eine Datei", Pfad + QStringLiteral("/x.SGV"), false},
    };
    for (const TFall &Fall : Faelle) {
        if (Fall.Gesperrt) {
            QVERIFY(QFile::setPermissions(Unterordner, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            if (IstRoot()) {
                // root writes anyway; the other case still shows a failed write.
                QFile::setPermissions(Unterordner, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                       QFileDevice::ExeOwner);
                qInfo("%s: als root nicht pruefbar, uebersprungen", Fall.Name);
                continue;
            }
        }
        TMeldungsRekorder Rekorder;
        TDaten Daten = BeispielKlasse();
        Daten.Fach(0).WochenDaten[0].Text = QStringLiteral("neu");
        TDaten Gespeichert = Klasse("alt", {});
        QVERIFY2(!KlasseSpeichern(Daten, Gespeichert, Fall.Pfad, true), Fall.Name);
        QCOMPARE(Rekorder.Meldungen, QStringList{QStringLiteral("Die Klasse \"5a\" konnte nicht gespeichert werden!")});
        QCOMPARE(Gespeichert.Klasse, QStringLiteral("alt"));
        QFile::setPermissions(Unterordner, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(AlsHex(DateiInhalt(Pfad)), AlsHex(AusHex(Beispiel)));
    }

    // A class the file cannot hold fails the same way, and the old file stays whole.
    TMeldungsRekorder Rekorder;
    TDaten Daten = BeispielKlasse();
    Daten.Fach(0).WochenDaten[0].Text = QStringLiteral("5 €");
    TDaten Gespeichert;
    QVERIFY(!KlasseSpeichern(Daten, Gespeichert, Pfad, false));
    QCOMPARE(Rekorder.Meldungen.size(), 1);
    QCOMPARE(AlsHex(DateiInhalt(Pfad)), AlsHex(AusHex(Beispiel)));
}

void TstKlassendatei::klassenListe() {
    QTemporaryDir Ordner;
    const auto Ablegen = [&](const QString &AName, const QString &AKlasse) {
        TDaten Daten = Klasse(AKlasse, {{"Fach", {{7, AKlasse}}}});
        QVERIFY(Daten.SaveToFile(Ordner.filePath(AName)));
    };
    QVERIFY(KlassenListe(Ordner.filePath(QStringLiteral("x"))).empty());

    Ablegen(QStringLiteral("b.SGV"), QStringLiteral("b"));
    Ablegen(QStringLiteral("A.SGV"), QStringLiteral("A"));
    Ablegen(QStringLiteral("a2.SGV"), QStringLiteral("a"));
    Ablegen(QStringLiteral("klein.sgv"), QStringLiteral("c"));
    Ablegen(QStringLiteral(".versteckt.SGV"), QStringLiteral("D"));
    Ablegen(QStringLiteral("keine.txt"), QStringLiteral("X"));
    Ablegen(QStringLiteral("b.SGV.BAK"), QStringLiteral("Y"));
    QVERIFY(DateiSchreiben(Ordner.filePath(QStringLiteral("kaputt.SGV")), AusHex(Beispiel).left(20)));
    QVERIFY(DateiSchreiben(Ordner.filePath(QStringLiteral("fremd.SGV")), "Hallo"));
    QVERIFY(QDir(Ordner.path()).mkdir(QStringLiteral("ordner.SGV")));
    QVERIFY(QFile::setPermissions(Ordner.filePath(QStringLiteral("b.SGV")), QFileDevice::ReadOwner));

    TMeldungsRekorder Rekorder;
    // Any path in the folder will do; only its folder part counts.
    const TKlassenListe Liste = KlassenListe(Ordner.filePath(QStringLiteral("irgendeine.SGV")));
    QStringList Namen;
    for (const TKlassenEintrag &Eintrag : Liste) {
        Namen.append(Eintrag.Text);
        QCOMPARE(Eintrag.Daten.Klasse, Eintrag.Text);
        QCOMPARE(Eintrag.Daten.Fach(0).WochenDaten.at(0).Text, Eintrag.Text);
        QVERIFY2(QFileInfo(Eintrag.Daten.Filename).absolutePath() == QDir(Ordner.path()).absolutePath(),
                 qPrintable(Eintrag.Daten.Filename));
    }
    QCOMPARE(Namen.size(), 5);
    QCOMPARE(QSet<QString>(Namen.begin(), Namen.begin() + 2), (QSet<QString>{"A", "a"}));
    QCOMPARE(Namen.mid(2), (QStringList{"b", "c", "D"}));
    QCOMPARE(KlassenNamen(Liste).count(QStringLiteral("\r\n")), 5);
    QCOMPARE(ZeilenNr(KlassenNamen(Liste), QStringLiteral("C")), 3);
    QCOMPARE(Rekorder.Meldungen, QStringList());
}

QTEST_GUILESS_MAIN(TstKlassendatei)
#include "tst_klassendatei.moc"
