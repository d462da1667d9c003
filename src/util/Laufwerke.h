#pragma once

#include <QList>
#include <QString>

#include <functional>

// The volumes a backup can go to or come from. On this platform a "drive" is a mounted volume: the root
// file system, what is mounted under /media, /run/media and /mnt, and network file systems anywhere.

enum class TLaufwerksArt { Unbekannt, Fest, Wechsel, Netz, CdRom, RamDisk };

struct TLaufwerk {
    QString Wurzel; // the volume's root folder, with a trailing "/"
    TLaufwerksArt Art = TLaufwerksArt::Unbekannt;
    QString Name;           // the volume label as the medium stores it; empty when it has none or it cannot be read
    QString Netzname;       // network volumes: the shared resource ("//server/share", "server:/export")
    bool BereitS = false;   // mounted and answering
    bool NurLesenS = false; // mounted read-only
};

// Where the backup dialog gets its volumes from: the system's by default, a test's own folders otherwise.
using TLaufwerksQuelle = std::function<QList<TLaufwerk>()>;

namespace Laufwerke {
// The mounted volumes of the system that may serve as a backup drive, ordered by root folder.
QList<TLaufwerk> System();

// One volume described by the folder AWurzel: the mounted volume that holds it gives kind, label and state,
// but the root is AWurzel itself (a folder standing in for a drive, or the mount point of a volume).
TLaufwerk AusOrdner(const QString &AWurzel);

// The kind of the mounted volume from its device and file system type (e.g. "/dev/sdb1", "vfat"); removable
// media are known from the "removable" flag of the block device (of its disk for a partition) under
// ABlockOrdner.
TLaufwerksArt ArtVon(const QString &AGeraet, const QString &ATyp,
                     const QString &ABlockOrdner = QStringLiteral("/sys/class/block/"));

// The label that the file system on AGeraet (a block device or an image file) stores, for ext2/3/4 and FAT file
// systems (ATyp "ext4", "vfat", ...); empty when there is none or it cannot be read. For systems that keep no
// list of labels (no udev), where the volume's own name would otherwise be unknown.
QString NameVomGeraet(const QString &AGeraet, const QString &ATyp);

// A volume as it is listed: removable "root [Label]", fixed, CD-ROM and RAM disk "root [LABEL]", network
// "root SHARE" (the bracketed label when the share is unknown). The root is shown without its trailing "/".
QString Eintrag(const TLaufwerk &ALaufwerk);

// The backup folder of a volume: root + "SgvDaten/".
QString SicherungsOrdner(const QString &AWurzel);
} // namespace Laufwerke
