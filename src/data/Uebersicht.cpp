// The overview texts of a subject and of a class, and the two line lists for list boxes.

#include "data/Daten.h"

#include "data/Kalender.h"
#include "data/Namen.h"

#include <algorithm>

namespace {
const QString Zeilenende = QStringLiteral("\r\n");

QString ZitatZeile(const QString &ABezeichnung, const QString &AWert) {
    return ABezeichnung + QStringLiteral(" \"") + AWert + QStringLiteral("\"") + Zeilenende;
}

QString WochenZeile(qint32 AWoche) { return QStringLiteral("Woche: ") + WochenText(AWoche) + Zeilenende; }

// One week of one subject in the overview of the class.
struct TFund {
    qint32 Datum;
    int FachNr;
    int WocheNr;
};
} // namespace

QString TFach::Text(const QString &Klasse) const {
    QString Ergebnis = ZitatZeile(QStringLiteral("Klasse:"), Klasse) + ZitatZeile(QStringLiteral("Fach:"), Fachname);
    for (int Nr = Count() - 1; Nr >= 0; --Nr) {
        const TWocheRec &Woche = WochenDaten.at(Nr);
        Ergebnis += Zeilenende + WochenZeile(Woche.Datum) + QLatin1Char('[') + Trimmen(Woche.Text) + QLatin1Char(']') +
                    Zeilenende;
    }
    return Ergebnis;
}

QString TFach::WochenListe() const {
    QString Ergebnis;
    for (int Nr = Count() - 1; Nr >= 0; --Nr)
        Ergebnis += WochenText(WochenDaten.at(Nr).Datum) + Zeilenende;
    return Ergebnis;
}

QString TDaten::FachnamenListe() const {
    QString Ergebnis;
    for (const auto &Fach : Liste)
        Ergebnis += Fach->Fachname + Zeilenende;
    return Ergebnis;
}

QString TDaten::Text() const {
    // Newest week first; per week the subjects in list order that hold it, each with the text as stored.
    // A subject holds week k when FindeDatumNr(k) finds it. That walk stops at the first greater key, so it
    // finds exactly the weeks whose key exceeds every key before them; collecting those once keeps the
    // overview linear in the size of the class instead of searching every subject for every week.
    std::vector<TFund> Funde;
    std::size_t Anzahl = 0;
    for (const auto &Fach : Liste)
        Anzahl += static_cast<std::size_t>(Fach->Count());
    Funde.reserve(Anzahl);
    qsizetype Laenge = 0;
    for (int FachNr = 0; FachNr < Count(); ++FachNr) {
        const TFach &Fach = this->Fach(FachNr);
        for (int WocheNr = 0; WocheNr < Fach.Count(); ++WocheNr) {
            const TWocheRec &Woche = Fach.WochenDaten.at(WocheNr);
            if (WocheNr > 0 && Woche.Datum <= Funde.back().Datum && Funde.back().FachNr == FachNr)
                continue;
            Funde.push_back({Woche.Datum, FachNr, WocheNr});
            Laenge += Woche.Text.size() + Fach.Fachname.size() + 16;
        }
    }
    std::sort(Funde.begin(), Funde.end(), [](const TFund &A, const TFund &B) {
        return A.Datum != B.Datum ? A.Datum > B.Datum : A.FachNr < B.FachNr;
    });

    QString Ergebnis = ZitatZeile(QStringLiteral("Klasse:"), Klasse);
    Ergebnis.reserve(Ergebnis.size() + Laenge + static_cast<qsizetype>(Funde.size()) * 48);
    for (std::size_t Nr = 0; Nr < Funde.size(); ++Nr) {
        const TFund &Fund = Funde[Nr];
        if (Nr == 0 || Funde[Nr - 1].Datum != Fund.Datum) {
            Ergebnis.append(Zeilenende);
            Ergebnis.append(WochenZeile(Fund.Datum));
        }
        const TFach &Fach = this->Fach(Fund.FachNr);
        // Appended piece by piece: no temporary string per line in a text that may run to many megabytes.
        Ergebnis.append(QLatin1String("Fach: \""));
        Ergebnis.append(Fach.Fachname);
        Ergebnis.append(QLatin1String("\" ["));
        Ergebnis.append(Fach.WochenDaten.at(Fund.WocheNr).Text);
        Ergebnis.append(QLatin1Char(']'));
        Ergebnis.append(Zeilenende);
    }
    return Ergebnis;
}
