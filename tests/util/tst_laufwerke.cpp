#include "util/Laufwerke.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {
bool Schreiben(const QString &APfad, const QByteArray &AInhalt) {
    QDir().mkpath(QFileInfo(APfad).path());
    QFile Datei(APfad);
    return Datei.open(QIODevice::WriteOnly) && Datei.write(AInhalt) == AInhalt.size();
}
} // namespace

Q_DECLARE_METATYPE(TLaufwerksArt)

// The volume layer: which mounted volumes are offered, their kind and how an entry reads.
class TstLaufwerke : public QObject {
    Q_OBJECT
private slots:
    void eintrag_data();
    void eintrag();
    void art_data();
    void art();
    void nameVomGeraet_data();
    void nameVomGeraet();
    void nameVonExt2();
    void sicherungsOrdner();
    void ausOrdner();
    void system();
};

void TstLaufwerke::eintrag_data() {
    QTest::addColumn<QString>("Wurzel");
    QTest::addColumn<TLaufwerksArt>("Art");
    QTest::addColumn<QString>("Name");
    QTest::addColumn<QString>("Netzname");
    QTest::addColumn<QString>("Eintrag");
    QTest::newRow("Wechselmedium behaelt die Schreibung") << "/media/anna/Stick/" << TLaufwerksArt::Wechsel << "Stick"
                                                          << ""
                                                          << "/media/anna/Stick [Stick]";
    QTest::newRow("Wechselmedium ohne Namen") << "/media/anna/1234-ABCD/" << TLaufwerksArt::Wechsel << ""
                                              << ""
                                              << "/media/anna/1234-ABCD []";
    QTest::newRow("feste Platte gross") << "/mnt/daten/" << TLaufwerksArt::Fest << "Daten_ß"
                                        << ""
                                        << "/mnt/daten [DATEN_ß]";
    QTest::newRow("Wurzel") << "/" << TLaufwerksArt::Fest << "rootfs"
                            << ""
                            << "/ [ROOTFS]";
    QTest::newRow("CD") << "/media/cdrom/" << TLaufwerksArt::CdRom << "Fotos 2020"
                        << ""
                        << "/media/cdrom [FOTOS 2020]";
    QTest::newRow("RAM-Disk ohne Namen") << "/mnt/ram/" << TLaufwerksArt::RamDisk << ""
                                         << ""
                                         << "/mnt/ram []";
    QTest::newRow("Netz mit Freigabe") << "/mnt/schule/" << TLaufwerksArt::Netz << "x"
                                       << "//server/Lehrer"
                                       << "/mnt/schule //SERVER/LEHRER";
    QTest::newRow("Netz ohne Freigabe") << "/mnt/schule/" << TLaufwerksArt::Netz << "Nas"
                                        << ""
                                        << "/mnt/schule [NAS]";
    QTest::newRow("unbekannt") << "/mnt/x/" << TLaufwerksArt::Unbekannt << "x"
                               << ""
                               << "";
}

void TstLaufwerke::eintrag() {
    QFETCH(QString, Wurzel);
    QFETCH(TLaufwerksArt, Art);
    QFETCH(QString, Name);
    QFETCH(QString, Netzname);
    QFETCH(QString, Eintrag);
    QCOMPARE(Laufwerke::Eintrag({Wurzel, Art, Name, Netzname, true, false}), Eintrag);
}

void TstLaufwerke::art_data() {
    QTest::addColumn<QString>("Geraet");
    QTest::addColumn<QString>("Typ");
    QTest::addColumn<TLaufwerksArt>("Art");
    QTest::newRow("nfs") << "server:/export"
                         << "nfs4" << TLaufwerksArt::Netz;
    QTest::newRow("cifs") << "//server/share"
                          << "cifs" << TLaufwerksArt::Netz;
    QTest::newRow("sshfs") << "anna@host:"
                           << "fuse.sshfs" << TLaufwerksArt::Netz;
    QTest::newRow("CD nach Typ") << "/dev/loop3"
                                 << "iso9660" << TLaufwerksArt::CdRom;
    QTest::newRow("CD nach Geraet") << "/dev/sr0"
                                    << "udf" << TLaufwerksArt::CdRom;
    QTest::newRow("tmpfs") << "tmpfs"
                           << "tmpfs" << TLaufwerksArt::RamDisk;
    QTest::newRow("Partition eines Wechselmediums") << "/dev/sdx1"
                                                    << "vfat" << TLaufwerksArt::Wechsel;
    QTest::newRow("Wechselmedium ohne Partition") << "/dev/sdx"
                                                  << "exfat" << TLaufwerksArt::Wechsel;
    QTest::newRow("Partition einer festen Platte") << "/dev/sdy2"
                                                   << "ext4" << TLaufwerksArt::Fest;
    QTest::newRow("unbekanntes Geraet") << "/dev/gibtsnicht9"
                                        << "ext4" << TLaufwerksArt::Fest;
    QTest::newRow("kein Geraet") << "overlay"
                                 << "overlay" << TLaufwerksArt::Fest;
}

void TstLaufwerke::art() {
    QFETCH(QString, Geraet);
    QFETCH(QString, Typ);
    QFETCH(TLaufwerksArt, Art);
    // A block folder laid out as the kernel does: each entry a link to the device, a partition inside its disk.
    QTemporaryDir Sys;
    const QString S = Sys.path();
    QVERIFY(Schreiben(S + QStringLiteral("/devices/sdx/removable"), "1\n"));
    QVERIFY(Schreiben(S + QStringLiteral("/devices/sdx/sdx1/partition"), "1\n"));
    QVERIFY(Schreiben(S + QStringLiteral("/devices/sdx/sdx1/removable"), "0\n")); // not the partition's own
    QVERIFY(Schreiben(S + QStringLiteral("/devices/sdy/removable"), "0\n"));
    QVERIFY(Schreiben(S + QStringLiteral("/devices/sdy/sdy2/partition"), "2\n"));
    QVERIFY(QDir().mkpath(S + QStringLiteral("/block")));
    for (const char *Name : {"sdx", "sdy"})
        QVERIFY(QFile::link(S + QStringLiteral("/devices/") + QString::fromLatin1(Name),
                            S + QStringLiteral("/block/") + QString::fromLatin1(Name)));
    QVERIFY(QFile::link(S + QStringLiteral("/devices/sdx/sdx1"), S + QStringLiteral("/block/sdx1")));
    QVERIFY(QFile::link(S + QStringLiteral("/devices/sdy/sdy2"), S + QStringLiteral("/block/sdy2")));
    QCOMPARE(Laufwerke::ArtVon(Geraet, Typ, S + QStringLiteral("/block/")), Art);
}

void TstLaufwerke::nameVomGeraet_data() {
    QTest::addColumn<QByteArray>("Kopf"); // the first bytes of the volume
    QTest::addColumn<QString>("Typ");
    QTest::addColumn<QString>("Name");
    // FAT boot sectors: FAT16 keeps its label at 43, FAT32 at 71, each behind the signature 0x29.
    QByteArray Fat16(2048, '\0');
    Fat16[22] = 0x20; // FAT size in sectors: FAT12/16
    Fat16[38] = 0x29;
    Fat16.replace(43, 11, "KLASSEN    ");
    Fat16[510] = 0x55;
    Fat16[511] = static_cast<char>(0xAA);
    QByteArray Fat32 = Fat16;
    Fat32[22] = 0;
    Fat32[38] = 0;
    Fat32.replace(43, 11, QByteArray(11, '\0'));
    Fat32[66] = 0x29;
    Fat32.replace(71, 11, "Stick 2020 ");
    QByteArray OhneNamen = Fat16;
    OhneNamen.replace(43, 11, "NO NAME    ");
    QByteArray OhneSignatur = Fat16;
    OhneSignatur[38] = 0x28;
    QByteArray KeinBootsektor = Fat16;
    KeinBootsektor[510] = 0;
    QByteArray Ext(2048, '\0');
    Ext[1024 + 56] = 0x53;
    Ext[1024 + 57] = static_cast<char>(0xEF);
    Ext.replace(1024 + 120, 16, QByteArray("Schule\0\0\0\0\0\0\0\0\0\0", 16));
    QByteArray ExtVoll = Ext;
    ExtVoll.replace(1024 + 120, 16, "Sechzehn Zeichen");
    QByteArray ExtOhneMagie = Ext;
    ExtOhneMagie[1024 + 56] = 0;
    QTest::newRow("FAT16") << Fat16 << "vfat"
                           << "KLASSEN";
    QTest::newRow("FAT32") << Fat32 << "vfat"
                           << "Stick 2020";
    QTest::newRow("FAT ohne Namen") << OhneNamen << "vfat"
                                    << "";
    QTest::newRow("FAT ohne Signatur") << OhneSignatur << "vfat"
                                       << "";
    QTest::newRow("kein Bootsektor") << KeinBootsektor << "vfat"
                                     << "";
    QTest::newRow("ext4") << Ext << "ext4"
                          << "Schule";
    QTest::newRow("ext2, 16 Zeichen ohne Ende") << ExtVoll << "ext2"
                                                << "Sechzehn Zeichen";
    QTest::newRow("ext ohne Magie") << ExtOhneMagie << "ext3"
                                    << "";
    QTest::newRow("anderer Typ") << Ext << "xfs"
                                 << "";
    QTest::newRow("zu kurz") << Ext.left(1100) << "ext4"
                             << "";
}

void TstLaufwerke::nameVomGeraet() {
    QFETCH(QByteArray, Kopf);
    QFETCH(QString, Typ);
    QFETCH(QString, Name);
    QTemporaryDir Ordner;
    const QString Bild = Ordner.path() + QStringLiteral("/bild");
    QVERIFY(Schreiben(Bild, Kopf));
    QCOMPARE(Laufwerke::NameVomGeraet(Bild, Typ), Name);
    QCOMPARE(Laufwerke::NameVomGeraet(Ordner.path() + QStringLiteral("/fehlt"), Typ), QString());
}

void TstLaufwerke::nameVonExt2() {
    // What the real tool writes, not only what we think it writes.
    const QString Mkfs = QStandardPaths::findExecutable(QStringLiteral("mkfs.ext2"), {"/usr/sbin", "/sbin"});
    if (Mkfs.isEmpty())
        QSKIP("mkfs.ext2 (e2fsprogs) is not installed");
    QTemporaryDir Ordner;
    const QString Bild = Ordner.path() + QStringLiteral("/stick.img");
    QFile Datei(Bild);
    QVERIFY(Datei.open(QIODevice::WriteOnly) && Datei.resize(1024 * 1024));
    Datei.close();
    QProcess Prozess;
    Prozess.start(
        Mkfs, {QStringLiteral("-q"), QStringLiteral("-F"), QStringLiteral("-L"), QStringLiteral("Mein Stick"), Bild});
    QVERIFY(Prozess.waitForFinished(30000));
    QCOMPARE(Prozess.exitCode(), 0);
    QCOMPARE(Laufwerke::NameVomGeraet(Bild, QStringLiteral("ext2")), QStringLiteral("Mein Stick"));
}

void TstLaufwerke::sicherungsOrdner() {
    QCOMPARE(Laufwerke::SicherungsOrdner(QStringLiteral("/media/anna/STICK/")),
             QStringLiteral("/media/anna/STICK/SgvDaten/"));
    QCOMPARE(Laufwerke::SicherungsOrdner(QStringLiteral("/mnt/x")), QStringLiteral("/mnt/x/SgvDaten/"));
    QCOMPARE(Laufwerke::SicherungsOrdner(QStringLiteral("/")), QStringLiteral("/SgvDaten/"));
}

void TstLaufwerke::ausOrdner() {
    QTemporaryDir Ordner;
    const TLaufwerk Da = Laufwerke::AusOrdner(Ordner.path());
    QCOMPARE(Da.Wurzel, Ordner.path() + QLatin1Char('/'));
    QVERIFY(Da.BereitS);
    QVERIFY(Da.Art != TLaufwerksArt::Unbekannt);
    QCOMPARE(Da.NurLesenS, QStorageInfo(Ordner.path()).isReadOnly());
    QCOMPARE(Da.Name, QStorageInfo(Ordner.path()).name());

    const TLaufwerk Weg = Laufwerke::AusOrdner(Ordner.path() + QStringLiteral("/gibtsnicht"));
    QVERIFY(!Weg.BereitS);
}

void TstLaufwerke::system() {
    const QList<TLaufwerk> Alle = Laufwerke::System();
    QVERIFY2(!Alle.isEmpty(), "the root file system is always offered");
    QCOMPARE(Alle.first().Wurzel, QStringLiteral("/"));
    QString Vorher;
    for (const TLaufwerk &Laufwerk : Alle) {
        const QString &W = Laufwerk.Wurzel;
        QVERIFY2(W.endsWith(QLatin1Char('/')), qPrintable(W));
        QVERIFY2(W > Vorher, "ordered by root, each once");
        Vorher = W;
        // Only the places where volumes for the user are mounted, and network volumes.
        const bool OrtS = W == QLatin1String("/") || W.startsWith(QLatin1String("/media/")) ||
                          W.startsWith(QLatin1String("/run/media/")) || W.startsWith(QLatin1String("/mnt/"));
        QVERIFY2(OrtS || Laufwerk.Art == TLaufwerksArt::Netz, qPrintable(W));
        QVERIFY2(!W.startsWith(QLatin1String("/proc")) && !W.startsWith(QLatin1String("/sys")), qPrintable(W));
    }
}

QTEST_GUILESS_MAIN(TstLaufwerke)
#include "tst_laufwerke.moc"
