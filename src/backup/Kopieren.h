#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// One backup or restore run without its window: the folder checks, copying every class file from one folder
// into another and comparing the copies byte by byte. Folder paths end with "/". Whatever the user is to see
// goes through a TKopierMelder; between two blocks the application processes its pending events, so the
// window stays responsive and a screen reader can follow the log.

struct TKopierMelder {
    std::function<void(const QString &)> Zeile;   // one log line per file
    std::function<void(qint64)> Fortschritt;      // so many more bytes copied or compared
    std::function<void(const QString &)> Fehler;  // an error box (error icon, OK)
    std::function<void(const QString &)> Hinweis; // an information box (information icon, OK)
};

namespace Kopieren {
// Files are copied and compared in blocks of this size.
constexpr qint64 BlockGroesse = 65537;

// The class files directly in AOrdner: files (also hidden ones) whose extension is "SGV" in any letter case,
// sorted by name. A dangling link of that name counts too, so that it is reported rather than left out.
QStringList Datendateien(const QString &AOrdner);
// Their total size in bytes.
qint64 DatendateienGroesse(const QString &AOrdner);
} // namespace Kopieren

// Whether AOrdner holds at least one class file.
bool DatendateienVorhanden(const QString &AOrdner);

// The checks before a run, stopping at the first that fails (its message is shown): the data folder exists or
// is created; when backing up, the backup folder exists or is created; the two are not one and the same folder;
// the source holds a class file.
bool OrdnerVorbereiten(const QString &ADatenOrdner, const QString &ASicherungsOrdner, bool SichernS,
                       const TKopierMelder &AMelder);

// Copies every class file of AO1 into AO2, each under a temporary name in AO2 that replaces the old file only
// when the copy is complete. True when all were copied, also when there was none; on the first error the
// copy error is shown and the run stops. Files of AO2 without a counterpart are left alone. SichernS chooses
// how the log names the files (the backup side with its full path).
bool CopyDateienOk(const QString &AO1, const QString &AO2, bool SichernS, const TKopierMelder &AMelder);

// Compares every class file of AO1 with the file of the same name in AO2; a missing or unreadable file, a
// differing byte or a different length is an error, shown, and ends the comparison. True when all are equal.
bool CheckDateienOk(const QString &AO1, const QString &AO2, bool SichernS, const TKopierMelder &AMelder);
