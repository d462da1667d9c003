#include "data/Kalender.h"

#include "data/Daten.h"

namespace {
// Day 0 is 30 December 1899.
constexpr qint64 JulianischerTagNull = 2415019;

bool FWochendatum = true;

// Day of the week counted 1 = Sunday, 2 = Monday, ..., 7 = Saturday (day 0 was a Saturday).
int WochenTag(qint64 ATag) {
    qint64 Rest = (ATag - 1) % 7;
    if (Rest < 0)
        Rest += 7;
    return static_cast<int>(Rest) + 1;
}

qint64 Montag64(qint64 ATag) { return ATag - (WochenTag(ATag) + 5) % 7; }

int Jahr64(qint64 ATag) { return QDate::fromJulianDay(ATag + JulianischerTagNull).year(); }

qint64 Tag64(int AJahr, int AMonat, int ATag) {
    return QDate(AJahr, AMonat, ATag).toJulianDay() - JulianischerTagNull;
}

int KalenderWoche64(qint64 ATag) {
    // The week belongs to the year of its Thursday; week 1 holds that year's first Thursday.
    const qint64 Donnerstag = Montag64(ATag) + 3;
    const qint64 Neujahr = Tag64(Jahr64(Donnerstag), 1, 1);
    return static_cast<int>((Donnerstag - Neujahr) / 7) + 1;
}
} // namespace

qint32 TagNummer(const QDate &ADatum) { return static_cast<qint32>(ADatum.toJulianDay() - JulianischerTagNull); }

qint32 TagNummer(int AJahr, int AMonat, int ATag) { return static_cast<qint32>(Tag64(AJahr, AMonat, ATag)); }

QDate DatumVonTag(qint32 ATag) { return QDate::fromJulianDay(qint64{ATag} + JulianischerTagNull); }

qint32 WochenMontag(qint32 ATag) { return static_cast<qint32>(Montag64(ATag)); }

int KalenderWoche(qint32 ATag) { return KalenderWoche64(ATag); }

int DatumJahr(qint32 ATag) { return Jahr64(ATag); }

bool Wochendatum() { return FWochendatum; }

void SetWochendatum(bool AEin) { FWochendatum = AEin; }

QString WochenText(qint32 AWoche) { return WochenText(AWoche, FWochendatum); }

QString WochenText(qint32 AWoche, bool AMitDatum) {
    // Computed in 64 bits: a key read from a file may lie anywhere in the 32-bit range.
    const QDate Montag = QDate::fromJulianDay(qint64{AWoche} + JulianischerTagNull);
    const QDate Sonntag = Montag.addDays(6);
    const int Woche = KalenderWoche64(AWoche);

    QString JahrText = QString::number(Montag.year());
    if (Montag.year() != Sonntag.year())
        JahrText += QLatin1Char('-') + QString::number(Sonntag.year());
    if (!AMitDatum)
        return QStringLiteral("%1/%2").arg(Woche).arg(JahrText);

    QString Anfang = QString::number(Montag.day()) + QLatin1Char('.');
    if (Montag.month() != Sonntag.month()) {
        Anfang += QString::number(Montag.month()) + QLatin1Char('.');
        if (Montag.year() != Sonntag.year())
            Anfang += QString::number(Montag.year());
    }
    const QString Ende = QStringLiteral("%1.%2.%3").arg(Sonntag.day()).arg(Sonntag.month()).arg(Sonntag.year());
    return QStringLiteral("%1/%2 (%3-%4)").arg(QString::number(Woche), JahrText, Anfang, Ende);
}

TWochenListe JahresWochen(qint32 ATag, const TFach *AFach) {
    const QDate Datum = DatumVonTag(ATag);
    int Tag = Datum.day();
    // Moved into the 7th to 22nd of its month, so that a day near the turn of the year counts for its
    // calendar year.
    if (Tag < 7)
        Tag += 7;
    else if (Tag > 22)
        Tag -= 7;
    qint64 Woche = Montag64(Tag64(Datum.year(), Datum.month(), Tag));
    while (KalenderWoche64(Woche) > 1)
        Woche -= 7;

    TWochenListe Liste;
    const auto Anhaengen = [&](qint64 AWoche) {
        const auto Schluessel = static_cast<qint32>(AWoche);
        if (!AFach || AFach->FindeDatumNr(Schluessel) == -1)
            Liste.append({WochenText(Schluessel), Schluessel});
    };
    do {
        Anhaengen(Woche);
        Woche += 7;
    } while (KalenderWoche64(Woche) != 1);
    Anhaengen(Woche);
    return Liste;
}
