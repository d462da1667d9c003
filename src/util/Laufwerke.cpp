#include "util/Laufwerke.h"

#include "data/Namen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

namespace {
QString MitTrenner(const QString &APfad) {
    return APfad.endsWith(QLatin1Char('/')) ? APfad : APfad + QLatin1Char('/');
}

bool IstNetz(const QString &ATyp) {
    static const QStringList Netze{QStringLiteral("nfs"),        QStringLiteral("nfs4"),
                                   QStringLiteral("cifs"),       QStringLiteral("smb3"),
                                   QStringLiteral("smbfs"),      QStringLiteral("ncpfs"),
                                   QStringLiteral("fuse.sshfs"), QStringLiteral("sshfs"),
                                   QStringLiteral("davfs"),      QStringLiteral("fuse.davfs"),
                                   QStringLiteral("afs"),        QStringLiteral("ceph"),
                                   QStringLiteral("glusterfs"),  QStringLiteral("fuse.glusterfs"),
                                   QStringLiteral("9p")};
    return Netze.contains(ATyp.toLower());
}

// The removable flag of the block device behind AGeraet; a partition asks its disk.
bool Wechselmedium(const QString &AGeraet, const QString &ABlockOrdner) {
    if (!AGeraet.startsWith(QLatin1String("/dev/")))
        return false;
    const QString Echt = QFileInfo(AGeraet).canonicalFilePath(); // /dev/disk/by-label/... and the like
    const QString Name = QFileInfo(Echt.isEmpty() ? AGeraet : Echt).fileName();
    const QString Block = QFileInfo(ABlockOrdner + Name).canonicalFilePath();
    if (Block.isEmpty())
        return false;
    const QString Geraet = QFileInfo::exists(Block + QStringLiteral("/partition")) ? QFileInfo(Block).path() : Block;
    QFile Flag(Geraet + QStringLiteral("/removable"));
    if (!Flag.open(QIODevice::ReadOnly))
        return false;
    return Flag.readAll().trimmed() == "1";
}

bool AngeboteneWurzel(const QString &AWurzel, const QString &ATyp) {
    return AWurzel == QLatin1String("/") || AWurzel.startsWith(QLatin1String("/media/")) ||
           AWurzel.startsWith(QLatin1String("/run/media/")) || AWurzel.startsWith(QLatin1String("/mnt/")) ||
           IstNetz(ATyp);
}

TLaufwerk AusSpeicher(const QStorageInfo &ASpeicher, const QString &AWurzel) {
    TLaufwerk Laufwerk;
    Laufwerk.Wurzel = MitTrenner(AWurzel);
    if (!ASpeicher.isValid())
        return Laufwerk;
    const QString Typ = QString::fromUtf8(ASpeicher.fileSystemType());
    const QString Geraet = QString::fromUtf8(ASpeicher.device());
    Laufwerk.Art = Laufwerke::ArtVon(Geraet, Typ);
    Laufwerk.Name = ASpeicher.name();
    if (Laufwerk.Name.isEmpty())
        Laufwerk.Name = Laufwerke::NameVomGeraet(Geraet, Typ);
    if (Laufwerk.Art == TLaufwerksArt::Netz)
        Laufwerk.Netzname = Geraet;
    // The size query tells whether the volume answers.
    Laufwerk.BereitS = ASpeicher.isReady() && ASpeicher.bytesTotal() >= 0 && QFileInfo(AWurzel).isDir();
    Laufwerk.NurLesenS = ASpeicher.isReadOnly();
    return Laufwerk;
}
} // namespace

namespace Laufwerke {
QList<TLaufwerk> System() {
    QList<TLaufwerk> Ergebnis;
    const QList<QStorageInfo> Volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &Speicher : Volumes) {
        const QString Wurzel = Speicher.rootPath();
        if (!AngeboteneWurzel(Wurzel, QString::fromUtf8(Speicher.fileSystemType())))
            continue;
        Ergebnis.append(AusSpeicher(Speicher, Wurzel));
    }
    std::sort(Ergebnis.begin(), Ergebnis.end(),
              [](const TLaufwerk &A, const TLaufwerk &B) { return A.Wurzel < B.Wurzel; });
    // A mount point mounted over twice shows its topmost volume once.
    Ergebnis.erase(std::unique(Ergebnis.begin(), Ergebnis.end(),
                               [](const TLaufwerk &A, const TLaufwerk &B) { return A.Wurzel == B.Wurzel; }),
                   Ergebnis.end());
    return Ergebnis;
}

TLaufwerk AusOrdner(const QString &AWurzel) {
    return AusSpeicher(QStorageInfo(AWurzel), AWurzel);
}

TLaufwerksArt ArtVon(const QString &AGeraet, const QString &ATyp, const QString &ABlockOrdner) {
    const QString Typ = ATyp.toLower();
    if (IstNetz(Typ))
        return TLaufwerksArt::Netz;
    if (Typ == QLatin1String("iso9660") || Typ == QLatin1String("udf") || AGeraet.startsWith(QLatin1String("/dev/sr")))
        return TLaufwerksArt::CdRom;
    if (Typ == QLatin1String("tmpfs") || Typ == QLatin1String("ramfs"))
        return TLaufwerksArt::RamDisk;
    if (Wechselmedium(AGeraet, ABlockOrdner))
        return TLaufwerksArt::Wechsel;
    return TLaufwerksArt::Fest;
}

QString NameVomGeraet(const QString &AGeraet, const QString &ATyp) {
    const QString Typ = ATyp.toLower();
    const bool ExtS = Typ == QLatin1String("ext2") || Typ == QLatin1String("ext3") || Typ == QLatin1String("ext4");
    const bool FatS = Typ == QLatin1String("vfat") || Typ == QLatin1String("msdos") || Typ == QLatin1String("fat");
    if (!ExtS && !FatS)
        return QString();
    QFile Geraet(AGeraet);
    if (!Geraet.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray Kopf = Geraet.read(2048);
    const auto Byte = [&Kopf](int APos) { return static_cast<quint8>(Kopf.at(APos)); };
    QByteArray Name;
    if (ExtS) {
        // The superblock starts at 1024: magic 0xEF53 at 56, the volume name (16 bytes) at 120.
        if (Kopf.size() < 1024 + 136 || Byte(1024 + 56) != 0x53 || Byte(1024 + 57) != 0xEF)
            return QString();
        Name = Kopf.mid(1024 + 120, 16);
    } else {
        // The boot sector: FAT32 when the 16-bit FAT size is 0; the extended boot signature 0x29 guards the label.
        if (Kopf.size() < 512 || Byte(510) != 0x55 || Byte(511) != 0xAA)
            return QString();
        const bool Fat32S = Byte(22) == 0 && Byte(23) == 0;
        const int Signatur = Fat32S ? 66 : 38;
        if (Byte(Signatur) != 0x29)
            return QString();
        Name = Kopf.mid(Signatur + 5, 11);
        if (Name == "NO NAME    ")
            return QString();
    }
    const qsizetype Ende = Name.indexOf('\0');
    if (Ende >= 0)
        Name.truncate(Ende);
    return ExtS ? QString::fromUtf8(Name) : QString::fromLatin1(Name).trimmed();
}

QString Eintrag(const TLaufwerk &ALaufwerk) {
    QString Wurzel = ALaufwerk.Wurzel;
    if (Wurzel.size() > 1 && Wurzel.endsWith(QLatin1Char('/')))
        Wurzel.chop(1);
    Wurzel = QDir::toNativeSeparators(Wurzel);
    switch (ALaufwerk.Art) {
    case TLaufwerksArt::Wechsel:
        return QStringLiteral("%1 [%2]").arg(Wurzel, ALaufwerk.Name);
    case TLaufwerksArt::Netz:
        if (!ALaufwerk.Netzname.isEmpty())
            return QStringLiteral("%1 %2").arg(Wurzel, Gross(ALaufwerk.Netzname));
        break;
    case TLaufwerksArt::Unbekannt:
        return QString();
    default:
        break;
    }
    return QStringLiteral("%1 [%2]").arg(Wurzel, Gross(ALaufwerk.Name));
}

QString SicherungsOrdner(const QString &AWurzel) {
    return MitTrenner(AWurzel) + QStringLiteral("SgvDaten/");
}
} // namespace Laufwerke
