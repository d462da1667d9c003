#include "util/Ordner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryFile>

namespace {
QString MitSchraegstrich(const QString &AOrdner) {
    if (AOrdner.isEmpty() || AOrdner.endsWith(QLatin1Char('/')))
        return AOrdner;
    return AOrdner + QLatin1Char('/');
}
} // namespace

QString EigeneDateien() {
    return MitSchraegstrich(
        QDir::fromNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)));
}

QString ProgrammOrdner() {
    return MitSchraegstrich(QCoreApplication::applicationDirPath());
}

QString RessourcePfad(const QString &AName) {
    const QString Daneben = ProgrammOrdner() + AName;
    QStringList Orte = {
        Daneben,
        QDir::cleanPath(ProgrammOrdner() + QStringLiteral("../share/stundolog/") + AName),
    };
#ifdef STUNDOLOG_QUELL_RESSOURCEN
    Orte.append(QStringLiteral(STUNDOLOG_QUELL_RESSOURCEN "/") + AName);
#endif
    for (const QString &Ort : Orte) {
        if (QFileInfo(Ort).isFile())
            return Ort;
    }
    return Daneben;
}

bool OrdnerBeschreibbar(const QString &AOrdner) {
    if (AOrdner.isEmpty() || !QFileInfo(AOrdner).isDir())
        return false;
    QTemporaryFile Probe(MitSchraegstrich(QDir::fromNativeSeparators(AOrdner)) +
                         QStringLiteral(".stundolog-probe-XXXXXX"));
    return Probe.open();
}

bool OrdnerEntfernenWennLeer(const QString &AOrdner) {
    if (AOrdner.isEmpty() || !QFileInfo(AOrdner).isDir())
        return false;
    // rmdir removes nothing but an empty folder, so a file that appears meanwhile is never lost.
    return QDir().rmdir(AOrdner);
}
