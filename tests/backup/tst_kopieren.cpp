#include "backup/Kopieren.h"

#include "Sicherungshilfe.h"

#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>
#include <sys/resource.h>

using namespace Sicherungshilfe;

namespace {
using TGroessen = QList<qint64>;
}

// The run without its window: folder checks, copying in blocks and the byte-by-byte comparison, on files in
// temporary folders.
class TstKopieren : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void bloecke_data();
    void bloecke();
    void datendateien();
    void logZeilen_data();
    void logZeilen();
    void leererOrdner();
    void zielErsetzt_data();
    void zielErsetzt();
    void andereDateienBleiben();
    void kopierFehler_data();
    void kopierFehler();
    void abbruchLaesstAltesZiel();
    void vergleich_data();
    void vergleich();
    void ereignisseZwischenBloecken();
    void ordnerVorbereiten_data();
    void ordnerVorbereiten();

private:
    QString Quelle() const { return FOrdner->path() + QStringLiteral("/quelle/"); }
    QString Ziel() const { return FOrdner->path() + QStringLiteral("/ziel/"); }
    std::unique_ptr<QTemporaryDir> FOrdner;
};

void TstKopieren::init() {
    FOrdner = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir().mkpath(Quelle()));
    QVERIFY(QDir().mkpath(Ziel()));
}

void TstKopieren::cleanup() {
    // Write-protected files and folders of a case must not keep the folder from being removed.
    for (const QString &Ordner : {Quelle(), Ziel()})
        QFile::setPermissions(Ordner, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    FOrdner.reset();
}

void TstKopieren::bloecke_data() {
    QTest::addColumn<qint64>("Laenge");
    QTest::addColumn<TGroessen>("Bloecke"); // the blocks copied, and again compared
    QTest::newRow("leer") << qint64(0) << TGroessen{};
    QTest::newRow("ein Byte") << qint64(1) << TGroessen{1};
    QTest::newRow("65536 Bytes") << qint64(65536) << TGroessen{65536};
    QTest::newRow("genau ein Block") << qint64(65537) << TGroessen{65537};
    QTest::newRow("ein Byte mehr") << qint64(65538) << TGroessen{65537, 1};
    QTest::newRow("drei volle Bloecke") << qint64(3 * 65537) << TGroessen{65537, 65537, 65537};
    QTest::newRow("200 KB") << qint64(200000) << TGroessen{65537, 65537, 65537, 3389};
}

void TstKopieren::bloecke() {
    QFETCH(qint64, Laenge);
    QFETCH(TGroessen, Bloecke);
    const QByteArray Bytes = Muster(Laenge);
    QVERIFY(Schreiben(Quelle() + QStringLiteral("5a.SGV"), Bytes));

    TProtokoll Kopie;
    QVERIFY(CopyDateienOk(Quelle(), Ziel(), true, Kopie.Melder()));
    QCOMPARE(Kopie.Bloecke, Bloecke);
    QCOMPARE(Lesen(Ziel() + QStringLiteral("5a.SGV")), Bytes);
    QCOMPARE(Inhalt(Ziel()), QStringList{QStringLiteral("5a.SGV")}); // no temporary file is left
    QVERIFY(Kopie.Fehler.isEmpty());

    TProtokoll Vergleich;
    QVERIFY(CheckDateienOk(Quelle(), Ziel(), true, Vergleich.Melder()));
    QCOMPARE(Vergleich.Bloecke, Bloecke);
    QVERIFY(Vergleich.Fehler.isEmpty());
}

void TstKopieren::datendateien() {
    for (const char *Name : {"b.sgv", "A.SGV", "c.Sgv", ".versteckt.SGV", "d.SGV.BAK", "e.txt", "SGV", "f.SGVX"})
        QVERIFY(Schreiben(Quelle() + QString::fromLatin1(Name), "x"));
    QVERIFY(QDir().mkpath(Quelle() + QStringLiteral("ordner.SGV")));
    QVERIFY(Schreiben(Quelle() + QStringLiteral("unter/g.SGV"), "x"));
    QVERIFY(QFile::link(Quelle() + QStringLiteral("A.SGV"), Quelle() + QStringLiteral("h.SGV")));
    QVERIFY(QFile::link(Quelle() + QStringLiteral("fehlt.SGV"), Quelle() + QStringLiteral("i.SGV")));
    QVERIFY(mkfifo(QFile::encodeName(Quelle() + QStringLiteral("j.SGV")).constData(), 0600) == 0);

    const QStringList Erwartet{".versteckt.SGV", "A.SGV", "b.sgv", "c.Sgv", "h.SGV", "i.SGV"};
    QCOMPARE(Kopieren::Datendateien(Quelle()), Erwartet);
    QVERIFY(DatendateienVorhanden(Quelle()));
    QVERIFY(!DatendateienVorhanden(Quelle() + QStringLiteral("unter/leer/")));
    QVERIFY(!DatendateienVorhanden(FOrdner->path() + QStringLiteral("/gibtsnicht/")));
    // The folder "ordner.SGV", the pipe and the subfolder's file are neither copied nor compared.
    QCOMPARE(Kopieren::DatendateienGroesse(Quelle()), qint64(5)); // the dangling link counts nothing
}

void TstKopieren::logZeilen_data() {
    QTest::addColumn<bool>("SichernS");
    QTest::addColumn<QString>("Kopiere");
    QTest::addColumn<QString>("Vergleiche");
    QTest::newRow("sichern") << true << "Kopiere: \"5a.SGV\" --> \"%2/5a.SGV\" ..."
                             << "Vergleiche: \"5a.SGV\" --> \"%2/5a.SGV\" ...";
    QTest::newRow("wiederherstellen") << false << "Kopiere: \"%1/5a.SGV\" --> \"5a.SGV\" ..."
                                      << "Vergleiche: \"%1/5a.SGV\" --> \"5a.SGV\" ...";
}

void TstKopieren::logZeilen() {
    QFETCH(bool, SichernS);
    QFETCH(QString, Kopiere);
    QFETCH(QString, Vergleiche);
    QVERIFY(Schreiben(Quelle() + QStringLiteral("5a.SGV"), "SGV01"));
    QVERIFY(Schreiben(Quelle() + QStringLiteral("6b.SGV"), "SGV01"));
    TProtokoll Lauf;
    QVERIFY(CopyDateienOk(Quelle(), Ziel(), SichernS, Lauf.Melder()));
    QVERIFY(CheckDateienOk(Quelle(), Ziel(), SichernS, Lauf.Melder()));
    const auto Pfade = [this](QString AZeile) {
        return AZeile.replace(QStringLiteral("%1"), Quelle().chopped(1))
            .replace(QStringLiteral("%2"), Ziel().chopped(1));
    };
    const auto Datei6b = [](QString AZeile) { return AZeile.replace(QStringLiteral("5a"), QStringLiteral("6b")); };
    QCOMPARE(Lauf.Zeilen,
             (QStringList{Pfade(Kopiere), Datei6b(Pfade(Kopiere)), Pfade(Vergleiche), Datei6b(Pfade(Vergleiche))}));
}

void TstKopieren::leererOrdner() {
    QVERIFY(Schreiben(Ziel() + QStringLiteral("alt.SGV"), "alt"));
    TProtokoll Lauf;
    QVERIFY(CopyDateienOk(Quelle(), Ziel(), true, Lauf.Melder()));
    QVERIFY(CheckDateienOk(Quelle(), Ziel(), true, Lauf.Melder()));
    QVERIFY(Lauf.Zeilen.isEmpty());
    QVERIFY(Lauf.Fehler.isEmpty());
    QCOMPARE(Inhalt(Ziel()), QStringList{QStringLiteral("alt.SGV")});
}

void TstKopieren::zielErsetzt_data() {
    QTest::addColumn<bool>("ZielGeschuetztS");
    QTest::addColumn<bool>("QuelleGeschuetztS");
    QTest::newRow("Ziel schreibgeschuetzt") << true << false;
    QTest::newRow("Quelle schreibgeschuetzt") << false << true;
    QTest::newRow("beide schreibgeschuetzt") << true << true;
}

void TstKopieren::zielErsetzt() {
    QFETCH(bool, ZielGeschuetztS);
    QFETCH(bool, QuelleGeschuetztS);
    const QByteArray Neu = Muster(70000, 2);
    QVERIFY(Schreiben(Quelle() + QStringLiteral("5a.SGV"), Neu));
    QVERIFY(Schreiben(Ziel() + QStringLiteral("5a.SGV"), Muster(100000, 3)));
    const QFile::Permissions Lesbar = QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther;
    if (ZielGeschuetztS)
        QVERIFY(QFile::setPermissions(Ziel() + QStringLiteral("5a.SGV"), Lesbar));
    if (QuelleGeschuetztS)
        QVERIFY(QFile::setPermissions(Quelle() + QStringLiteral("5a.SGV"), Lesbar));

    TProtokoll Lauf;
    QVERIFY(CopyDateienOk(Quelle(), Ziel(), true, Lauf.Melder()));
    QVERIFY(CheckDateienOk(Quelle(), Ziel(), true, Lauf.Melder()));
    QCOMPARE(Lesen(Ziel() + QStringLiteral("5a.SGV")), Neu);
    // A copy is a new file with normal attributes, whatever the source's or the old target's were.
    QVERIFY(QFileInfo(Ziel() + QStringLiteral("5a.SGV")).permissions().testFlag(QFile::WriteOwner));
    QCOMPARE(Inhalt(Ziel()), QStringList{QStringLiteral("5a.SGV")});
}

void TstKopieren::andereDateienBleiben() {
    QVERIFY(Schreiben(Quelle() + QStringLiteral("5a.SGV"), "neu 5a"));
    QVERIFY(Schreiben(Ziel() + QStringLiteral("5a.SGV"), "alt 5a, laenger als neu"));
    QVERIFY(Schreiben(Ziel() + QStringLiteral("7c.SGV"), "nur im Ziel"));
    QVERIFY(Schreiben(Ziel() + QStringLiteral("5a.SGV.BAK"), "Sicherung"));
    TProtokoll Lauf;
    QVERIFY(CopyDateienOk(Quelle(), Ziel(), true, Lauf.Melder()));
    QVERIFY(CheckDateienOk(Quelle(), Ziel(), true, Lauf.Melder()));
    QCOMPARE(Lesen(Ziel() + QStringLiteral("5a.SGV")), QByteArray("neu 5a"));
    QCOMPARE(Lesen(Ziel() + QStringLiteral("7c.SGV")), QByteArray("nur im Ziel"));
    QCOMPARE(Lesen(Ziel() + QStringLiteral("5a.SGV.BAK")), QByteArray("Sicherung"));
    QCOMPARE(Inhalt(Ziel()), (QStringList{"5a.SGV", "5a.SGV.BAK", "7c.SGV"}));
}

void TstKopieren::kopierFehler_data() {
    QTest::addColumn<QString>("Art");
    QTest::newRow("verwaister Link") << "Link";
    QTest::newRow("ohne Leserecht") << "Recht";
    QTest::newRow("Zielordner fehlt") << "Zielordner";
    QTest::newRow("Zielordner schreibgeschuetzt") << "ZielGeschuetzt";
}

void TstKopieren::kopierFehler() {
    QFETCH(QString, Art);
    if ((Art == QLatin1String("Recht") || Art == QLatin1String("ZielGeschuetzt")) && IstRoot())
        QSKIP("root reads and writes past the permission bits; the real-volume test covers a read-only medium");
    // "a" comes before "b": the first file is copied, the second fails.
    QVERIFY(Schreiben(Quelle() + QStringLiteral("a.SGV"), "erste"));
    QString ZielOrdner = Ziel();
    if (Art == QLatin1String("Link")) {
        QVERIFY(QFile::link(Quelle() + QStringLiteral("weg.SGV"), Quelle() + QStringLiteral("b.SGV")));
    } else {
        QVERIFY(Schreiben(Quelle() + QStringLiteral("b.SGV"), "zweite"));
        if (Art == QLatin1String("Recht"))
            QVERIFY(QFile::setPermissions(Quelle() + QStringLiteral("b.SGV"), QFile::WriteOwner));
        if (Art == QLatin1String("Zielordner"))
            ZielOrdner = FOrdner->path() + QStringLiteral("/gibtsnicht/");
        if (Art == QLatin1String("ZielGeschuetzt"))
            QVERIFY(QFile::setPermissions(ZielOrdner, QFile::ReadOwner | QFile::ExeOwner));
    }

    TProtokoll Lauf;
    QVERIFY(!CopyDateienOk(Quelle(), ZielOrdner, true, Lauf.Melder()));
    const QString Gescheitert = Art == QLatin1String("Zielordner") || Art == QLatin1String("ZielGeschuetzt")
                                    ? QStringLiteral("a.SGV")
                                    : QStringLiteral("b.SGV");
    QCOMPARE(Lauf.Fehler, QStringList{QStringLiteral("Fehler beim Kopieren der Datei \"%1\" nach \"%2\"!\r\n"
                                                     "Der Kopiervorgang wird abgebrochen.")
                                          .arg(Quelle() + Gescheitert, ZielOrdner)});
    QCOMPARE(Lauf.Zeilen.size(), Gescheitert == QLatin1String("a.SGV") ? 1 : 2);
    if (Gescheitert == QLatin1String("b.SGV")) {
        // What was copied before the error stays; nothing half-written is left.
        QCOMPARE(Lesen(ZielOrdner + QStringLiteral("a.SGV")), QByteArray("erste"));
        QCOMPARE(Inhalt(ZielOrdner), QStringList{QStringLiteral("a.SGV")});
    }
}

void TstKopieren::abbruchLaesstAltesZiel() {
    // A file size limit makes the write fail part-way, as a full medium does.
    const QByteArray Alt = Muster(50000, 4);
    QVERIFY(Schreiben(Quelle() + QStringLiteral("5a.SGV"), Muster(300000, 5)));
    QVERIFY(Schreiben(Ziel() + QStringLiteral("5a.SGV"), Alt));
    rlimit Vorher{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &Vorher) == 0);
    const auto AlterHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit Grenze = Vorher;
    Grenze.rlim_cur = 100000;
    QVERIFY(setrlimit(RLIMIT_FSIZE, &Grenze) == 0);
    TProtokoll Lauf;
    const bool Ok = CopyDateienOk(Quelle(), Ziel(), true, Lauf.Melder());
    setrlimit(RLIMIT_FSIZE, &Vorher);
    std::signal(SIGXFSZ, AlterHandler);

    QVERIFY(!Ok);
    QCOMPARE(Lauf.Fehler.size(), 1);
    QCOMPARE(Lesen(Ziel() + QStringLiteral("5a.SGV")), Alt);
    QCOMPARE(Inhalt(Ziel()), QStringList{QStringLiteral("5a.SGV")});
}

void TstKopieren::vergleich_data() {
    QTest::addColumn<QByteArray>("QuellBytes");
    QTest::addColumn<QByteArray>("ZielBytes");
    QTest::addColumn<bool>("GleichS");
    const QByteArray Block = Muster(65537);
    const QByteArray Gross = Muster(200000);
    QByteArray MitteGeaendert = Gross;
    MitteGeaendert[100000] = static_cast<char>(MitteGeaendert[100000] ^ 0x01);
    QByteArray LetztesGeaendert = Block;
    LetztesGeaendert[65536] = static_cast<char>(LetztesGeaendert[65536] ^ 0x80);
    QTest::newRow("zwei leere") << QByteArray() << QByteArray() << true;
    QTest::newRow("leer gegen nicht leer") << QByteArray() << QByteArray("x") << false;
    QTest::newRow("nicht leer gegen leer") << QByteArray("x") << QByteArray() << false;
    QTest::newRow("gleich, ein Block") << Block << Block << true;
    QTest::newRow("gleich, vier Bloecke") << Gross << Gross << true;
    QTest::newRow("Byte in der Mitte") << Gross << MitteGeaendert << false;
    QTest::newRow("letztes Byte des Blocks") << Block << LetztesGeaendert << false;
    QTest::newRow("Ziel laenger, an der Blockgrenze") << Block << Block + Muster(65537, 9) << false;
    QTest::newRow("Quelle laenger, an der Blockgrenze") << Block + Muster(65537, 9) << Block << false;
    QTest::newRow("Ziel ein Byte kuerzer") << Gross << Gross.left(199999) << false;
    QTest::newRow("Ziel ein Byte laenger") << Gross << Gross + "x" << false;
}

void TstKopieren::vergleich() {
    QFETCH(QByteArray, QuellBytes);
    QFETCH(QByteArray, ZielBytes);
    QFETCH(bool, GleichS);
    QVERIFY(Schreiben(Quelle() + QStringLiteral("5a.SGV"), QuellBytes));
    QVERIFY(Schreiben(Ziel() + QStringLiteral("5a.SGV"), ZielBytes));
    TProtokoll Lauf;
    QCOMPARE(CheckDateienOk(Quelle(), Ziel(), false, Lauf.Melder()), GleichS);
    const QStringList Fehler{QStringLiteral("Fehler beim Vergleichen der Datei \"%1\" mit \"%2\"!\r\n"
                                            "Der Vergleichvorgang wird abgebrochen.")
                                 .arg(Quelle() + QStringLiteral("5a.SGV"), Ziel() + QStringLiteral("5a.SGV"))};
    QCOMPARE(Lauf.Fehler, GleichS ? QStringList() : Fehler);
}

void TstKopieren::ereignisseZwischenBloecken() {
    QVERIFY(Schreiben(Quelle() + QStringLiteral("5a.SGV"), Muster(3 * 65537)));
    TProtokoll Lauf;
    bool LaeuftS = false;
    int BloeckeBeimTimer = -1;
    QTimer::singleShot(0, this, [&] {
        if (LaeuftS)
            BloeckeBeimTimer = static_cast<int>(Lauf.Bloecke.size());
    });
    LaeuftS = true;
    QVERIFY(CopyDateienOk(Quelle(), Ziel(), true, Lauf.Melder()));
    LaeuftS = false;
    // The timer fired inside the copy, before its last block.
    QVERIFY2(BloeckeBeimTimer >= 0 && BloeckeBeimTimer < 3, qPrintable(QString::number(BloeckeBeimTimer)));

    BloeckeBeimTimer = -1;
    Lauf.Bloecke.clear();
    QTimer::singleShot(0, this, [&] {
        if (LaeuftS)
            BloeckeBeimTimer = static_cast<int>(Lauf.Bloecke.size());
    });
    LaeuftS = true;
    QVERIFY(CheckDateienOk(Quelle(), Ziel(), true, Lauf.Melder()));
    LaeuftS = false;
    QVERIFY2(BloeckeBeimTimer >= 0 && BloeckeBeimTimer < 3, qPrintable(QString::number(BloeckeBeimTimer)));
}

void TstKopieren::ordnerVorbereiten_data() {
    QTest::addColumn<bool>("SichernS");
    QTest::addColumn<QString>("Daten"); // relative to the test folder; "=" means the backup folder
    QTest::addColumn<QString>("Sicherung");
    QTest::addColumn<QStringList>("Dateien"); // laid out before, relative to the test folder
    QTest::addColumn<bool>("Ok");
    QTest::addColumn<QString>("Fehler"); // %1 test folder
    QTest::addColumn<QString>("Hinweis");
    QTest::addColumn<QStringList>("Ordner"); // folders that exist afterwards; "!name": does not exist

    const QString KeinOrdner = QStringLiteral("Der Ordner \"%1/%2\" kann nicht angelegt werden!");
    const QString Selbst = QStringLiteral("Der Datenordner \"%1/%2\" ist selbst der Sicherungsordner dieses "
                                          "Laufwerks!\r\nBitte wählen Sie ein anderes Laufwerk.");
    QTest::newRow("sichern, alles da") << true << "daten/"
                                       << "stick/SgvDaten/" << QStringList{"daten/5a.SGV"} << true << ""
                                       << "" << QStringList{"daten", "stick/SgvDaten"};
    QTest::newRow("sichern ohne Datendateien legt den Ordner an")
        << true << "daten/"
        << "stick/SgvDaten/" << QStringList{"daten/5a.SGV.BAK"} << false << ""
        << "Es sind keine Datendateien zum Sichern vorhanden!" << QStringList{"daten", "stick/SgvDaten"};
    QTest::newRow("Datenordner fehlt") << true << "neu/daten/"
                                       << "stick/SgvDaten/" << QStringList{} << false << ""
                                       << "Es sind keine Datendateien zum Sichern vorhanden!"
                                       << QStringList{"neu/daten", "stick/SgvDaten"};
    QTest::newRow("Datenordner unter einer Datei") << true << "datei/daten/"
                                                   << "stick/SgvDaten/" << QStringList{"datei"} << false
                                                   << KeinOrdner.arg("%1", "datei/daten/") << "" << QStringList{};
    QTest::newRow("Sicherungsordner unter einer Datei")
        << true << "daten/"
        << "stick/SgvDaten/" << QStringList{"daten/5a.SGV", "stick"} << false << KeinOrdner.arg("%1", "stick/SgvDaten/")
        << "" << QStringList{"daten"};
    QTest::newRow("wiederherstellen, alles da")
        << false << "daten/"
        << "stick/SgvDaten/" << QStringList{"stick/SgvDaten/5a.SGV"} << true << ""
        << "" << QStringList{"daten", "stick/SgvDaten"};
    QTest::newRow("wiederherstellen ohne Datendateien")
        << false << "daten/"
        << "stick/SgvDaten/" << QStringList{"daten/5a.SGV", "stick/SgvDaten/x.txt"} << false << ""
        << "Es sind keine Datendateien zum Wiederherstellen vorhanden!" << QStringList{"daten"};
    QTest::newRow("wiederherstellen legt den Sicherungsordner nicht an")
        << false << "daten/"
        << "stick/SgvDaten/" << QStringList{"daten/5a.SGV"} << false << ""
        << "Es sind keine Datendateien zum Wiederherstellen vorhanden!" << QStringList{"daten", "!stick"};
    QTest::newRow("Datenordner ist der Sicherungsordner, sichern")
        << true << "="
        << "stick/SgvDaten/" << QStringList{"stick/SgvDaten/5a.SGV"} << false << Selbst.arg("%1", "stick/SgvDaten/")
        << "" << QStringList{"stick/SgvDaten"};
    QTest::newRow("Datenordner ist der Sicherungsordner, wiederherstellen")
        << false << "="
        << "stick/SgvDaten/" << QStringList{"stick/SgvDaten/5a.SGV"} << false << Selbst.arg("%1", "stick/SgvDaten/")
        << "" << QStringList{"stick/SgvDaten"};
    QTest::newRow("Datenordner ist ueber einen Link der Sicherungsordner")
        << true << "link/"
        << "stick/SgvDaten/" << QStringList{"stick/SgvDaten/5a.SGV", "link>stick/SgvDaten"} << false
        << Selbst.arg("%1", "link/") << "" << QStringList{"stick/SgvDaten"};
}

void TstKopieren::ordnerVorbereiten() {
    QFETCH(bool, SichernS);
    QFETCH(QString, Daten);
    QFETCH(QString, Sicherung);
    QFETCH(QStringList, Dateien);
    QFETCH(bool, Ok);
    QFETCH(QString, Fehler);
    QFETCH(QString, Hinweis);
    QFETCH(QStringList, Ordner);
    QTemporaryDir Wurzel;
    const QString W = Wurzel.path();
    for (const QString &Datei : Dateien) {
        const qsizetype Pfeil = Datei.indexOf(QLatin1Char('>'));
        if (Pfeil > 0)
            QVERIFY(QFile::link(W + QLatin1Char('/') + Datei.mid(Pfeil + 1), W + QLatin1Char('/') + Datei.left(Pfeil)));
        else
            QVERIFY(Schreiben(W + QLatin1Char('/') + Datei, "SGV01"));
    }
    const QString DatenOrdner = W + QLatin1Char('/') + (Daten == QLatin1String("=") ? Sicherung : Daten);
    TProtokoll Lauf;
    QCOMPARE(OrdnerVorbereiten(DatenOrdner, W + QLatin1Char('/') + Sicherung, SichernS, Lauf.Melder()), Ok);
    QCOMPARE(Lauf.Fehler, Fehler.isEmpty() ? QStringList() : QStringList{Fehler.arg(W)});
    QCOMPARE(Lauf.Hinweise, Hinweis.isEmpty() ? QStringList() : QStringList{Hinweis});
    for (const QString &Da : Ordner) {
        if (Da.startsWith(QLatin1Char('!')))
            QVERIFY2(!QFileInfo::exists(W + QLatin1Char('/') + Da.mid(1)), qPrintable(Da));
        else
            QVERIFY2(QFileInfo(W + QLatin1Char('/') + Da).isDir(), qPrintable(Da));
    }
    QVERIFY(Lauf.Zeilen.isEmpty());
}

QTEST_GUILESS_MAIN(TstKopieren)
#include "tst_kopieren.moc"
