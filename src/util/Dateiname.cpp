#include "util/Dateiname.h"

#include "data/Namen.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <array>

namespace {
bool IstVerboten(QChar AZeichen) {
    static const QString Verbotene = QStringLiteral("\"*/:<>?\\|");
    return AZeichen.unicode() < 0x20 || Verbotene.contains(AZeichen);
}


bool Vorhanden(const QString &AOrdner, const QString &ADateiname) {
    if (QFileInfo::exists(AOrdner + ADateiname))
        return true;
    const QStringList Eintraege = QDir(AOrdner.isEmpty() ? QStringLiteral(".") : AOrdner)
                                      .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &Eintrag : Eintraege)
        if (Eintrag.compare(ADateiname, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}
} // namespace

bool IstGeraetename(const QString &AName) {
    static const std::array<QString, 22> Geraete{
        QStringLiteral("AUX"),  QStringLiteral("CON"),  QStringLiteral("NUL"),  QStringLiteral("PRN"),
        QStringLiteral("COM1"), QStringLiteral("COM2"), QStringLiteral("COM3"), QStringLiteral("COM4"),
        QStringLiteral("COM5"), QStringLiteral("COM6"), QStringLiteral("COM7"), QStringLiteral("COM8"),
        QStringLiteral("COM9"), QStringLiteral("LPT1"), QStringLiteral("LPT2"), QStringLiteral("LPT3"),
        QStringLiteral("LPT4"), QStringLiteral("LPT5"), QStringLiteral("LPT6"), QStringLiteral("LPT7"),
        QStringLiteral("LPT8"), QStringLiteral("LPT9")};
    const qsizetype Trenner = std::max(AName.lastIndexOf(QLatin1Char('\\')), AName.lastIndexOf(QLatin1Char(':')));
    QString Stamm = AName.mid(Trenner + 1);
    const qsizetype Punkt = Stamm.lastIndexOf(QLatin1Char('.'));
    if (Punkt >= 0)
        Stamm.truncate(Punkt);
    Stamm = Trimmen(Stamm).toUpper();
    for (const QString &Geraet : Geraete)
        if (Stamm == Geraet)
            return true;
    return false;
}

bool IstGueltigerDateiname(const QString &AName) {
    if (IstGeraetename(AName))
        return false;
    for (const QChar Zeichen : AName)
        if (IstVerboten(Zeichen))
            return false;
    return true;
}

QString NeuerDateiname(const QString &APfad, const QString &AName) {
    QString Name = Trimmen(AName);
    if (!IstGueltigerDateiname(Name)) {
        for (QChar &Zeichen : Name)
            if (IstVerboten(Zeichen))
                Zeichen = QLatin1Char('_');
        if (IstGeraetename(Name))
            Name += QLatin1Char('_');
    }
    QString Ordner = APfad;
    if (!Ordner.isEmpty() && !Ordner.endsWith(QLatin1Char('/')) && !Ordner.endsWith(QDir::separator()))
        Ordner += QLatin1Char('/');
    QString Dateiname = Name + QStringLiteral(".SGV");
    // The "_" goes in before the extension with its dot.
    while (Vorhanden(Ordner, Dateiname))
        Dateiname.insert(Dateiname.size() - 4, QLatin1Char('_'));
    return Ordner + Dateiname;
}
