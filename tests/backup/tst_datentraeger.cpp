#include "backup/Kopieren.h"
#include "backup/Sichern.h"

#include "Modal.h"
#include "Sicherungshilfe.h"

#include <QApplication>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace Sicherungshilfe;

namespace {
QString Programm(const QString &AName) {
    const QString Gefunden = QStandardPaths::findExecutable(AName);
    return Gefunden.isEmpty()
               ? QStandardPaths::findExecutable(AName, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")})
               : Gefunden;
}

// Runs a tool and returns its error output, or an empty text when it ended with status 0.
QString Ausfuehren(const QString &AProgramm, const QStringList &AArgumente) {
    QProcess Prozess;
    Prozess.start(Programm(AProgramm), AArgumente);
    if (!Prozess.waitForFinished(60000))
        return AProgramm + QStringLiteral(": keine Antwort");
    if (Prozess.exitStatus() != QProcess::NormalExit || Prozess.exitCode() != 0)
        return AProgramm + QStringLiteral(": ") + QString::fromLocal8Bit(Prozess.readAllStandardError()).trimmed();
    return QString();
}

// An ext2 file system in an image file, loop-mounted under /mnt; unmounted and removed again in any case.
class TDatentraeger {
public:
    TDatentraeger(const QString &ABild, const QString &AMountpunkt) : FBild(ABild), FMountpunkt(AMountpunkt) {}
    ~TDatentraeger() {
        Aushaengen();
        QDir().rmdir(FMountpunkt);
    }
    TDatentraeger(const TDatentraeger &) = delete;
    TDatentraeger &operator=(const TDatentraeger &) = delete;

    QString Anlegen(int AKiB, const QString &ALabel) {
        QFile Bild(FBild);
        if (!Bild.open(QIODevice::WriteOnly) || !Bild.resize(qint64(AKiB) * 1024))
            return QStringLiteral("Bilddatei %1 nicht angelegt").arg(FBild);
        Bild.close();
        return Ausfuehren(QStringLiteral("mkfs.ext2"),
                          {QStringLiteral("-q"), QStringLiteral("-F"), QStringLiteral("-b"), QStringLiteral("1024"),
                           QStringLiteral("-m"), QStringLiteral("0"), QStringLiteral("-L"), ALabel, FBild});
    }
    QString Einhaengen(bool NurLesenS) {
        if (!QDir().mkpath(FMountpunkt))
            return QStringLiteral("Mountpunkt %1 nicht angelegt").arg(FMountpunkt);
        const QString Fehler = Ausfuehren(
            QStringLiteral("mount"),
            {QStringLiteral("-o"), NurLesenS ? QStringLiteral("loop,ro") : QStringLiteral("loop"), FBild, FMountpunkt});
        FEingehaengtS = Fehler.isEmpty();
        return Fehler;
    }
    void Aushaengen() {
        if (!FEingehaengtS)
            return;
        if (!Ausfuehren(QStringLiteral("umount"), {FMountpunkt}).isEmpty())
            Ausfuehren(QStringLiteral("umount"), {QStringLiteral("-l"), FMountpunkt});
        FEingehaengtS = false;
    }
    QString Wurzel() const { return FMountpunkt + QLatin1Char('/'); }

private:
    QString FBild;
    QString FMountpunkt;
    bool FEingehaengtS = false;
};
} // namespace

// Backup and restore on real volumes: loop-mounted ext2 images under /mnt stand in for a stick, a full stick
// and a write-protected one. Needs root and loop devices; skipped where they are missing.
class TstDatentraeger : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void systemListe();
    void scan_data();
    void scan();
    void sichernUndWiederherstellen();
    void vollerDatentraeger();
    void nurLesenMedium();

private:
    QList<TLaufwerk> UnsereLaufwerke() const {
        QList<TLaufwerk> Unsere;
        const QList<TLaufwerk> Alle = Laufwerke::System();
        for (const TLaufwerk &Laufwerk : Alle)
            if (Laufwerk.Wurzel.startsWith(FPraefix))
                Unsere.append(Laufwerk);
        return Unsere;
    }
    QString Daten() const { return FDaten->path() + QStringLiteral("/daten/"); }

    std::unique_ptr<QTemporaryDir> FBilder;
    QString FPraefix;
    std::unique_ptr<TDatentraeger> FStick, FVoll, FAlt;
    std::unique_ptr<QTemporaryDir> FDaten;
};

void TstDatentraeger::initTestCase() {
    if (!IstRoot())
        QSKIP("loop-mounting ext2 images needs root; run this test as root to cover real volumes");
    if (!QFileInfo::exists(QStringLiteral("/dev/loop-control")))
        QSKIP("no loop devices (/dev/loop-control is missing)");
    for (const char *Werkzeug : {"mkfs.ext2", "mount", "umount"})
        if (Programm(QString::fromLatin1(Werkzeug)).isEmpty())
            QSKIP(qPrintable(
                QStringLiteral("%1 is not installed (e2fsprogs, mount)").arg(QString::fromLatin1(Werkzeug))));
    FBilder = std::make_unique<QTemporaryDir>();
    QVERIFY(FBilder->isValid());
    FPraefix = QStringLiteral("/mnt/stundolog-test-%1-").arg(QCoreApplication::applicationPid());
    const QString B = FBilder->path();
    FStick = std::make_unique<TDatentraeger>(B + QStringLiteral("/stick.img"), FPraefix + QStringLiteral("a-stick"));
    FVoll = std::make_unique<TDatentraeger>(B + QStringLiteral("/voll.img"), FPraefix + QStringLiteral("b-voll"));
    FAlt = std::make_unique<TDatentraeger>(B + QStringLiteral("/alt.img"), FPraefix + QStringLiteral("c-alt"));

    const QString Anlegen = FStick->Anlegen(8192, QStringLiteral("STICK"));
    if (!Anlegen.isEmpty())
        QSKIP(qPrintable(QStringLiteral("no ext2 image: %1").arg(Anlegen)));
    const QString Einhaengen = FStick->Einhaengen(false);
    if (!Einhaengen.isEmpty())
        QSKIP(qPrintable(QStringLiteral("loop mount not possible here: %1").arg(Einhaengen)));
    QCOMPARE(FVoll->Anlegen(256, QStringLiteral("Voll")), QString());
    QCOMPARE(FVoll->Einhaengen(false), QString());
    // The write-protected stick holds a backup from earlier.
    QCOMPARE(FAlt->Anlegen(1024, QStringLiteral("alt")), QString());
    QCOMPARE(FAlt->Einhaengen(false), QString());
    QVERIFY(Schreiben(FAlt->Wurzel() + QStringLiteral("SgvDaten/5a.SGV"), Muster(70000, 5)));
    QVERIFY(Schreiben(FAlt->Wurzel() + QStringLiteral("SgvDaten/6b.SGV"), QByteArray()));
    FAlt->Aushaengen();
    QCOMPARE(FAlt->Einhaengen(true), QString());
}

void TstDatentraeger::cleanupTestCase() {
    // Unmounted and removed whatever happened in the tests.
    FStick.reset();
    FVoll.reset();
    FAlt.reset();
    FBilder.reset();
}

void TstDatentraeger::init() {
    FDaten = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir().mkpath(Daten()));
}

void TstDatentraeger::cleanup() {
    QTRY_VERIFY2(!QApplication::activeModalWidget(), "a dialog was left open");
    FDaten.reset();
    if (!FStick || !FVoll)
        return;
    for (TDatentraeger *Traeger : {FStick.get(), FVoll.get()}) {
        QDir Sicherung(Traeger->Wurzel() + QStringLiteral("SgvDaten"));
        if (Sicherung.exists())
            Sicherung.removeRecursively();
    }
}

void TstDatentraeger::systemListe() {
    const QList<TLaufwerk> Unsere = UnsereLaufwerke();
    QCOMPARE(Unsere.size(), 3);
    QCOMPARE(Unsere.at(0).Wurzel, FStick->Wurzel());
    QCOMPARE(Unsere.at(0).Name, QStringLiteral("STICK"));
    QCOMPARE(Unsere.at(1).Name, QStringLiteral("Voll"));
    QCOMPARE(Unsere.at(2).Name, QStringLiteral("alt"));
    for (const TLaufwerk &Laufwerk : Unsere) {
        QVERIFY(Laufwerk.BereitS);
        QCOMPARE(Laufwerk.Art, TLaufwerksArt::Fest); // a loop device is no removable medium
    }
    QVERIFY(!Unsere.at(0).NurLesenS);
    QVERIFY(Unsere.at(2).NurLesenS);
    QCOMPARE(Laufwerke::Eintrag(Unsere.at(1)), FPraefix + QStringLiteral("b-voll [VOLL]"));
}

void TstDatentraeger::scan_data() {
    QTest::addColumn<bool>("SichernS");
    QTest::addColumn<QStringList>("Eintraege"); // after the prefix of our mount points
    QTest::newRow("sichern: beschreibbare Datentraeger") << true << QStringList{"a-stick [STICK]", "b-voll [VOLL]"};
    QTest::newRow("wiederherstellen: nur mit SgvDaten") << false << QStringList{"b-voll [VOLL]", "c-alt [ALT]"};
}

void TstDatentraeger::scan() {
    QFETCH(bool, SichernS);
    QFETCH(QStringList, Eintraege);
    // An existing backup with a file stays; the scan leaves no empty folder on the others.
    QVERIFY(Schreiben(FVoll->Wurzel() + QStringLiteral("SgvDaten/7c.SGV"), "SGV01"));
    TSichernForm Form;
    Form.SichernS = SichernS;
    Form.DatenOrdner = Daten();
    Form.LaufwerksQuelle = [this] { return UnsereLaufwerke(); };
    Form.show();
    QVERIFY(QTest::qWaitFor([&Form] { return Form.Button1->isEnabled(); }, 5000));
    QStringList Gezeigt;
    for (int Nr = 0; Nr < Form.ListBox1->count(); ++Nr)
        Gezeigt.append(Form.ListBox1->item(Nr)->text().mid(FPraefix.size()));
    QCOMPARE(Gezeigt, Eintraege);
    QVERIFY(!QFileInfo::exists(FStick->Wurzel() + QStringLiteral("SgvDaten")));
    QCOMPARE(Lesen(FVoll->Wurzel() + QStringLiteral("SgvDaten/7c.SGV")), QByteArray("SGV01"));
    Form.reject();
}

void TstDatentraeger::sichernUndWiederherstellen() {
    const QList<qint64> Groessen{0, 1, 65537, 65538, 300000};
    for (int Nr = 0; Nr < Groessen.size(); ++Nr)
        QVERIFY(Schreiben(Daten() + QStringLiteral("k%1.SGV").arg(Nr), Muster(Groessen.at(Nr), Nr)));
    TSichernForm Form;
    Form.SichernS = true;
    Form.DatenOrdner = Daten();
    Form.LaufwerksQuelle = [this] { return UnsereLaufwerke(); };
    Form.show();
    QVERIFY(QTest::qWaitFor([&Form] { return Form.Button1->isEnabled(); }, 5000));
    QCOMPARE(Form.AuswahlWurzel(), FStick->Wurzel());
    {
        TModalHelfer Helfer;
        Helfer.Antwort(QMessageBox::Ok);
        Form.Button1->click();
        QCOMPARE(Helfer.Texte, QStringList{QStringLiteral("Die Datendateien wurden erfolgreich in \"%1\" gesichert!")
                                               .arg(FStick->Wurzel() + QStringLiteral("SgvDaten/"))});
    }
    Form.reject();

    // Read back from the medium itself, not from the cache: unmounted and mounted again.
    FStick->Aushaengen();
    QCOMPARE(FStick->Einhaengen(false), QString());
    for (int Nr = 0; Nr < Groessen.size(); ++Nr)
        QCOMPARE(Lesen(FStick->Wurzel() + QStringLiteral("SgvDaten/k%1.SGV").arg(Nr)), Muster(Groessen.at(Nr), Nr));

    // Restore into a data folder whose files have changed since.
    QVERIFY(Schreiben(Daten() + QStringLiteral("k4.SGV"), "geändert"));
    TProtokoll Lauf;
    const QString Sicherung = FStick->Wurzel() + QStringLiteral("SgvDaten/");
    QVERIFY(OrdnerVorbereiten(Daten(), Sicherung, false, Lauf.Melder()));
    QVERIFY(CopyDateienOk(Sicherung, Daten(), false, Lauf.Melder()));
    QVERIFY(CheckDateienOk(Sicherung, Daten(), false, Lauf.Melder()));
    QCOMPARE(Lesen(Daten() + QStringLiteral("k4.SGV")), Muster(300000, 4));
    QVERIFY(Lauf.Fehler.isEmpty());
}

void TstDatentraeger::vollerDatentraeger() {
    const QString Sicherung = FVoll->Wurzel() + QStringLiteral("SgvDaten/");
    const QByteArray Alt = Muster(20000, 1);
    QVERIFY(Schreiben(Sicherung + QStringLiteral("5a.SGV"), Alt));
    QVERIFY(Schreiben(Daten() + QStringLiteral("5a.SGV"), Muster(1024 * 1024, 2)));
    TProtokoll Lauf;
    QVERIFY(OrdnerVorbereiten(Daten(), Sicherung, true, Lauf.Melder()));
    QVERIFY2(!CopyDateienOk(Daten(), Sicherung, true, Lauf.Melder()), "a megabyte fits no 256 KB volume");
    QCOMPARE(Lauf.Fehler, QStringList{QStringLiteral("Fehler beim Kopieren der Datei \"%1\" nach \"%2\"!\r\n"
                                                     "Der Kopiervorgang wird abgebrochen.")
                                          .arg(Daten() + QStringLiteral("5a.SGV"), Sicherung)});
    // The previous backup is intact and nothing half-written is left on the stick.
    QCOMPARE(Lesen(Sicherung + QStringLiteral("5a.SGV")), Alt);
    QCOMPARE(Inhalt(Sicherung), QStringList{QStringLiteral("5a.SGV")});
}

void TstDatentraeger::nurLesenMedium() {
    const QString Sicherung = FAlt->Wurzel() + QStringLiteral("SgvDaten/");
    // Restoring from a write-protected stick works.
    TProtokoll Lauf;
    QVERIFY(OrdnerVorbereiten(Daten(), Sicherung, false, Lauf.Melder()));
    QVERIFY(CopyDateienOk(Sicherung, Daten(), false, Lauf.Melder()));
    QVERIFY(CheckDateienOk(Sicherung, Daten(), false, Lauf.Melder()));
    QCOMPARE(Lesen(Daten() + QStringLiteral("5a.SGV")), Muster(70000, 5));
    QCOMPARE(Lesen(Daten() + QStringLiteral("6b.SGV")), QByteArray());

    // Backing up onto it fails at the first file and changes nothing there.
    TProtokoll Sichern;
    QVERIFY(!CopyDateienOk(Daten(), Sicherung, true, Sichern.Melder()));
    QCOMPARE(Sichern.Fehler.size(), 1);
    QCOMPARE(Inhalt(Sicherung), (QStringList{"5a.SGV", "6b.SGV"}));
    // Without a backup folder on it, the folder check reports it.
    TProtokoll Ordner;
    QVERIFY(!OrdnerVorbereiten(Daten(), FAlt->Wurzel() + QStringLiteral("Neu/SgvDaten/"), true, Ordner.Melder()));
    QCOMPARE(Ordner.Fehler, QStringList{QStringLiteral("Der Ordner \"%1\" kann nicht angelegt werden!")
                                            .arg(FAlt->Wurzel() + QStringLiteral("Neu/SgvDaten/"))});
}

QTEST_MAIN(TstDatentraeger)
#include "tst_datentraeger.moc"
