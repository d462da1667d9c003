#include "util/Klang.h"

#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

namespace {
// Whether AFilename is a complete wave file: a RIFF header, a format chunk, and then a data chunk whose
// bytes are all there. Qt's loader waits forever for the missing rest of a cut-off or empty file, and
// the next change of sound would then wait for that loader; such a file is therefore never handed on.
// Whether Qt can play the format itself it decides on its own, at once.
bool VollstaendigeWelle(const QString &AFilename) {
    QFile Datei(AFilename);
    if (!Datei.open(QIODevice::ReadOnly))
        return false;
    const qint64 Groesse = Datei.size();
    const QByteArray Kopf = Datei.read(12);
    if (Kopf.size() != 12 || !Kopf.startsWith("RIFF") || Kopf.mid(8, 4) != "WAVE")
        return false;
    bool FormatS = false;
    qint64 Stelle = 12;
    while (Stelle + 8 <= Groesse) {
        if (!Datei.seek(Stelle))
            return false;
        const QByteArray Chunk = Datei.read(24);
        if (Chunk.size() < 8)
            return false;
        const quint32 Laenge = qFromLittleEndian<quint32>(Chunk.constData() + 4);
        const qint64 Ende = Stelle + 8 + qint64(Laenge);
        if (Ende > Groesse)
            return false;
        const QByteArray Name = Chunk.left(4);
        if (Name == "fmt ") {
            if (Laenge < 16 || Chunk.size() < 24)
                return false;
            const quint16 Kanaele = qFromLittleEndian<quint16>(Chunk.constData() + 10);
            const quint32 Rate = qFromLittleEndian<quint32>(Chunk.constData() + 12);
            const quint16 Bits = qFromLittleEndian<quint16>(Chunk.constData() + 22);
            if (Kanaele == 0 || Rate == 0 || Bits == 0)
                return false;
            FormatS = true;
        } else if (Name == "data") {
            return FormatS && Laenge > 0;
        }
        // Chunks are padded to an even length.
        Stelle = Ende + (Laenge & 1);
    }
    return false;
}
} // namespace

TKlang::TKlang(QObject *AParent) : QObject(AParent) {}

TKlang::~TKlang() = default;

void TKlang::WavAbspielen(const QString &AFilename) {
    const QFileInfo Datei(AFilename);
    if (!Datei.isFile() || !VollstaendigeWelle(AFilename))
        return;
    if (!FEffekt)
        FEffekt = new QSoundEffect(this);
    const QUrl Quelle = QUrl::fromLocalFile(Datei.absoluteFilePath());
    // A file that failed to decode is read again: it may have been replaced since.
    if (FEffekt->source() == Quelle && FEffekt->status() == QSoundEffect::Error)
        FEffekt->setSource(QUrl());
    if (FEffekt->source() != Quelle)
        FEffekt->setSource(Quelle);
    // The effect loads the file in the background and starts as soon as it is loaded; play() never
    // waits, neither for the loading nor for the end of the sound.
    FEffekt->play();
    ++FAbgespielt;
    emit Gestartet(AFilename);
}
