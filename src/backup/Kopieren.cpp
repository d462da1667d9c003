#include "backup/Kopieren.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

namespace {
constexpr QFile::Permissions Normal =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther;

QString Anzeige(const QString &APfad) {
    return QDir::toNativeSeparators(APfad);
}

void Zeile(const TKopierMelder &AMelder, const QString &AText) {
    if (AMelder.Zeile)
        AMelder.Zeile(AText);
}

void Fortschritt(const TKopierMelder &AMelder, qint64 ABytes) {
    if (AMelder.Fortschritt)
        AMelder.Fortschritt(ABytes);
}

void Fehler(const TKopierMelder &AMelder, const QString &AText) {
    if (AMelder.Fehler)
        AMelder.Fehler(AText);
}

void Hinweis(const TKopierMelder &AMelder, const QString &AText) {
    if (AMelder.Hinweis)
        AMelder.Hinweis(AText);
}

// Lets the window repaint, read out the log and take input before the next block.
void Ereignisse() {
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

// The file names of a log line: the backup side with its full path, the data-folder side by name.
QPair<QString, QString> LogNamen(const QString &AO1, const QString &AO2, const QString &AName, bool SichernS) {
    return SichernS ? qMakePair(AName, Anzeige(AO2 + AName)) : qMakePair(Anzeige(AO1 + AName), AName);
}

// Reads up to AMax bytes; short only at the end of the file. -1 on a read error.
qint64 BlockLesen(QFile &ADatei, char *APuffer, qint64 AMax) {
    qint64 Gelesen = 0;
    while (Gelesen < AMax) {
        const qint64 Teil = ADatei.read(APuffer + Gelesen, AMax - Gelesen);
        if (Teil < 0)
            return -1;
        if (Teil == 0)
            break;
        Gelesen += Teil;
    }
    return Gelesen;
}

std::filesystem::path FsPfad(const QString &APfad) {
#ifdef Q_OS_WIN
    return std::filesystem::path(APfad.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(APfad).toStdString());
#endif
}

bool DateiKopierenOk(const QString &AQuelle, const QString &AZielOrdner, const QString &AName,
                     std::vector<char> &APuffer, const TKopierMelder &AMelder) {
    const QString ZielPfad = AZielOrdner + AName;
    // A write-protected copy from an earlier run is replaced like any other.
    QFile::setPermissions(ZielPfad, Normal);
    QFile Quelle(AQuelle);
    if (!Quelle.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    // Written under a temporary name first: a copy that breaks off never takes the place of the previous one.
    QTemporaryFile Ziel(AZielOrdner + QLatin1Char('.') + AName + QStringLiteral(".XXXXXX"));
    if (!Ziel.open())
        return false;
    for (;;) {
        Ereignisse();
        const qint64 Gelesen = BlockLesen(Quelle, APuffer.data(), Kopieren::BlockGroesse);
        if (Gelesen < 0)
            return false;
        if (Gelesen == 0)
            break;
        if (Ziel.write(APuffer.data(), Gelesen) != Gelesen)
            return false;
        Fortschritt(AMelder, Gelesen);
    }
    if (!Ziel.flush() || !Ziel.setPermissions(Normal))
        return false;
    Ziel.close();
    if (Ziel.error() != QFileDevice::NoError)
        return false;
    std::error_code Fehlercode;
    std::filesystem::rename(FsPfad(Ziel.fileName()), FsPfad(ZielPfad), Fehlercode);
    if (Fehlercode)
        return false;
    Ziel.setAutoRemove(false);
    return true;
}

bool DateienGleichOk(const QString &APfad1, const QString &APfad2, std::vector<char> &APuffer1,
                     std::vector<char> &APuffer2, const TKopierMelder &AMelder) {
    QFile Datei1(APfad1);
    if (!Datei1.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    QFile Datei2(APfad2);
    if (!Datei2.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    for (;;) {
        Ereignisse();
        const qint64 Gelesen1 = BlockLesen(Datei1, APuffer1.data(), Kopieren::BlockGroesse);
        if (Gelesen1 < 0)
            return false;
        const qint64 Gelesen2 = BlockLesen(Datei2, APuffer2.data(), Kopieren::BlockGroesse);
        // Blocks are full until a file ends, so this also catches files that end at different lengths, on a
        // block boundary too.
        if (Gelesen2 != Gelesen1)
            return false;
        if (Gelesen1 == 0)
            return true;
        if (std::memcmp(APuffer1.data(), APuffer2.data(), static_cast<std::size_t>(Gelesen1)) != 0)
            return false;
        Fortschritt(AMelder, Gelesen1);
    }
}
} // namespace

namespace Kopieren {
QStringList Datendateien(const QString &AOrdner) {
    QStringList Namen;
    const QFileInfoList Eintraege =
        QDir(AOrdner).entryInfoList({QStringLiteral("*.SGV")}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo &Eintrag : Eintraege) {
        // Pipes, sockets and devices are no class files; opening a pipe would wait for a writer.
        if (Eintrag.isFile() || (Eintrag.isSymLink() && !Eintrag.exists()))
            Namen.append(Eintrag.fileName());
    }
    return Namen;
}

qint64 DatendateienGroesse(const QString &AOrdner) {
    qint64 Summe = 0;
    const QStringList Namen = Datendateien(AOrdner);
    for (const QString &Name : Namen)
        Summe += std::max<qint64>(0, QFileInfo(AOrdner + Name).size());
    return Summe;
}
} // namespace Kopieren

bool DatendateienVorhanden(const QString &AOrdner) {
    return !Kopieren::Datendateien(AOrdner).isEmpty();
}

bool OrdnerVorbereiten(const QString &ADatenOrdner, const QString &ASicherungsOrdner, bool SichernS,
                       const TKopierMelder &AMelder) {
    const QString KeinOrdner = QStringLiteral("Der Ordner \"%1\" kann nicht angelegt werden!");
    if (!QFileInfo(ADatenOrdner).isDir() && !QDir().mkpath(ADatenOrdner)) {
        Fehler(AMelder, KeinOrdner.arg(Anzeige(ADatenOrdner)));
        return false;
    }
    if (SichernS && !QFileInfo(ASicherungsOrdner).isDir() && !QDir().mkpath(ASicherungsOrdner)) {
        Fehler(AMelder, KeinOrdner.arg(Anzeige(ASicherungsOrdner)));
        return false;
    }
    // Copying the files onto themselves would destroy them.
    const QString Daten = QFileInfo(ADatenOrdner).canonicalFilePath();
    if (!Daten.isEmpty() && Daten == QFileInfo(ASicherungsOrdner).canonicalFilePath()) {
        Fehler(AMelder, QStringLiteral("Der Datenordner \"%1\" ist selbst der Sicherungsordner dieses Laufwerks!\r\n"
                                       "Bitte wählen Sie ein anderes Laufwerk.")
                            .arg(Anzeige(ADatenOrdner)));
        return false;
    }
    if (SichernS && !DatendateienVorhanden(ADatenOrdner)) {
        Hinweis(AMelder, QStringLiteral("Es sind keine Datendateien zum Sichern vorhanden!"));
        return false;
    }
    if (!SichernS && !DatendateienVorhanden(ASicherungsOrdner)) {
        Hinweis(AMelder, QStringLiteral("Es sind keine Datendateien zum Wiederherstellen vorhanden!"));
        return false;
    }
    return true;
}

bool CopyDateienOk(const QString &AO1, const QString &AO2, bool SichernS, const TKopierMelder &AMelder) {
    const QStringList Namen = Kopieren::Datendateien(AO1);
    std::vector<char> Puffer(static_cast<std::size_t>(Kopieren::BlockGroesse));
    for (const QString &Name : Namen) {
        const auto [Von, Nach] = LogNamen(AO1, AO2, Name, SichernS);
        Zeile(AMelder, QStringLiteral("Kopiere: \"%1\" --> \"%2\" ...").arg(Von, Nach));
        if (!DateiKopierenOk(AO1 + Name, AO2, Name, Puffer, AMelder)) {
            Fehler(AMelder, QStringLiteral("Fehler beim Kopieren der Datei \"%1\" nach \"%2\"!\r\n"
                                           "Der Kopiervorgang wird abgebrochen.")
                                .arg(Anzeige(AO1 + Name), Anzeige(AO2)));
            return false;
        }
    }
    return true;
}

bool CheckDateienOk(const QString &AO1, const QString &AO2, bool SichernS, const TKopierMelder &AMelder) {
    const QStringList Namen = Kopieren::Datendateien(AO1);
    std::vector<char> Puffer1(static_cast<std::size_t>(Kopieren::BlockGroesse));
    std::vector<char> Puffer2(static_cast<std::size_t>(Kopieren::BlockGroesse));
    for (const QString &Name : Namen) {
        const auto [Von, Nach] = LogNamen(AO1, AO2, Name, SichernS);
        Zeile(AMelder, QStringLiteral("Vergleiche: \"%1\" --> \"%2\" ...").arg(Von, Nach));
        if (!DateienGleichOk(AO1 + Name, AO2 + Name, Puffer1, Puffer2, AMelder)) {
            Fehler(AMelder, QStringLiteral("Fehler beim Vergleichen der Datei \"%1\" mit \"%2\"!\r\n"
                                           "Der Vergleichvorgang wird abgebrochen.")
                                .arg(Anzeige(AO1 + Name), Anzeige(AO2 + Name)));
            return false;
        }
    }
    return true;
}
