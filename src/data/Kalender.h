#pragma once

#include <QDate>
#include <QList>
#include <QString>

class TFach;

// Day numbers count whole days since 30 December 1899 (day 0); a week key is the day number of the
// Monday that starts the week.

// Conversions between day numbers and proleptic Gregorian dates.
qint32 TagNummer(const QDate &ADatum);
qint32 TagNummer(int AJahr, int AMonat, int ATag);
QDate DatumVonTag(qint32 ATag);

// The week key of the week that contains ATag.
qint32 WochenMontag(qint32 ATag);
// ISO 8601 week number (1 to 53) of ATag.
int KalenderWoche(qint32 ATag);
// Calendar year of ATag.
int DatumJahr(qint32 ATag);

// Whether week texts carry the dates of Monday and Sunday ("12/2020 (16.-22.3.2020)") or not ("12/2020").
// The main window keeps this in step with its option; it is on until told otherwise.
bool Wochendatum();
void SetWochendatum(bool AEin);

// How a week is shown: with the current Wochendatum setting, or with the form given.
QString WochenText(qint32 AWoche);
QString WochenText(qint32 AWoche, bool AMitDatum);

struct TWochenEintrag {
    QString Text;
    qint32 Datum = 0;
    bool operator==(const TWochenEintrag &) const = default;
};
using TWochenListe = QList<TWochenEintrag>;

// The weeks of the ISO year that equals the calendar year of ATag, week 1 of the next year at the end,
// ascending, without the weeks that AFach holds (AFach may be nullptr).
TWochenListe JahresWochen(qint32 ATag, const TFach *AFach);
