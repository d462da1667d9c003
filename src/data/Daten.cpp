#include "data/Daten.h"

#include "data/Heute.h"
#include "data/Kalender.h"
#include "data/Klassendatei.h"
#include "data/Meldung.h"
#include "data/Namen.h"

#include <QDate>

#include <algorithm>

// ---- TFach ----

TFach::TFach(const QString &AFachname, qint32 ADatum, const QString &AText) : Fachname(AFachname) {
    Add(ADatum, AText);
}

void TFach::Add(qint32 ADatum, const QString &AText) { WochenDaten.append(GetWocheRec(ADatum, AText)); }

void TFach::Add(const TWocheRec &AWocheRec) { WochenDaten.append(AWocheRec); }

void TFach::Insert(const TWocheRec &AWocheRec, int ANr) {
    if (ANr < 0)
        return;
    if (ANr >= Count())
        WochenDaten.append(AWocheRec);
    else
        WochenDaten.insert(ANr, AWocheRec);
}

void TFach::Delete(int ANr) {
    if (ANr >= 0 && ANr < Count())
        WochenDaten.removeAt(ANr);
}

void TFach::Clear() {
    Fachname.clear();
    ClearWochenDaten();
}

void TFach::ClearWochenDaten() { WochenDaten.clear(); }

void TFach::Assign(const TFach &AFach) {
    if (&AFach == this)
        return;
    Clear();
    Fachname = AFach.Fachname;
    WochenDaten = AFach.WochenDaten;
}

int TFach::FindeDatumNr(qint32 ADatum) const {
    for (int Nr = 0; Nr < Count(); ++Nr) {
        const qint32 Datum = WochenDaten.at(Nr).Datum;
        if (Datum == ADatum)
            return Nr;
        if (Datum > ADatum)
            break;
    }
    return -1;
}

qint32 TFach::MinDatum() const { return MinDatum(Heute()); }

qint32 TFach::MinDatum(qint32 AHeute) const { return WochenDaten.isEmpty() ? AHeute : WochenDaten.constFirst().Datum; }

qint32 TFach::MaxDatum() const { return MaxDatum(Heute()); }

qint32 TFach::MaxDatum(qint32 AHeute) const { return WochenDaten.isEmpty() ? AHeute : WochenDaten.constLast().Datum; }

int TFach::Monatsprung(qint32 ADatum, bool WeiterS) const {
    const QDate Datum = DatumVonTag(ADatum);
    const qint32 Erster = TagNummer(QDate(Datum.year(), Datum.month(), 1).addMonths(WeiterS ? 1 : -1));
    if (WeiterS) {
        for (int Nr = 0; Nr < Count(); ++Nr)
            if (WochenDaten.at(Nr).Datum >= Erster)
                return Nr;
        return Count() - 1;
    }
    // Back: the earliest week from the first of the previous month on, else the latest week before it.
    int Ergebnis = 0;
    int Kandidat = 0;
    for (int Nr = Count() - 1; Nr >= 0; --Nr) {
        const qint32 Woche = WochenDaten.at(Nr).Datum;
        if (Woche >= ADatum)
            continue;
        Ergebnis = Nr;
        if (Woche < Erster) {
            if (Kandidat > 0)
                Ergebnis = Kandidat;
            break;
        }
        Kandidat = Nr;
    }
    return Ergebnis;
}

void TFach::Sort() {
    if (Count() < 2)
        return;
    // The same order as picking the smallest key again and again, where a later equal key wins: ascending,
    // and weeks with equal keys in the reverse of their previous order.
    std::reverse(WochenDaten.begin(), WochenDaten.end());
    std::stable_sort(WochenDaten.begin(), WochenDaten.end(),
                     [](const TWocheRec &A, const TWocheRec &B) { return A.Datum < B.Datum; });
}

bool TFach::Ident(const TFach &AFach) const { return Fachname == AFach.Fachname && WochenDaten == AFach.WochenDaten; }

// ---- TDaten ----

TDaten::TDaten(const TDaten &ADaten, const QString &AFilename) {
    Assign(ADaten);
    if (!AFilename.isEmpty())
        Filename = AFilename;
}

TDaten &TDaten::operator=(const TDaten &ADaten) {
    Assign(ADaten);
    return *this;
}

void TDaten::Add(const TFach &AFach) { Liste.push_back(std::make_unique<TFach>(AFach)); }

void TDaten::Insert(const TFach &AFach, int ANr) {
    if (ANr < 0)
        return;
    if (ANr >= Count())
        Add(AFach);
    else
        Liste.insert(Liste.begin() + ANr, std::make_unique<TFach>(AFach));
}

void TDaten::Delete(int ANr) {
    if (ANr >= 0 && ANr < Count())
        Liste.erase(Liste.begin() + ANr);
}

void TDaten::ClearListe() {
    while (!Liste.empty())
        Liste.pop_back();
}

void TDaten::Clear() {
    Filename.clear();
    Klasse.clear();
    ClearListe();
}

void TDaten::Assign(const TDaten &ADaten) {
    if (&ADaten == this)
        return;
    Clear();
    Filename = ADaten.Filename;
    Klasse = ADaten.Klasse;
    Liste.reserve(ADaten.Liste.size());
    for (const auto &Fach : ADaten.Liste)
        Add(*Fach);
}

int TDaten::FindeFachNr(const QString &AFachname) const {
    const QString Gesucht = Gross(AFachname);
    for (int Nr = 0; Nr < Count(); ++Nr)
        if (Gross(Fach(Nr).Fachname) == Gesucht)
            return Nr;
    return -1;
}

TFach *TDaten::FindeFach(const QString &AFachname) const {
    const int Nr = FindeFachNr(AFachname);
    return Nr < 0 ? nullptr : &Fach(Nr);
}

int TDaten::FachnameExistsNr(const QString &AName) const { return ZeilenNr(FachnamenListe(), AName); }

qint32 TDaten::MinDatum() const { return MinDatum(Heute()); }

qint32 TDaten::MinDatum(qint32 AHeute) const {
    if (Liste.empty())
        return AHeute;
    // 0 counts as "not yet set".
    qint32 Ergebnis = 0;
    for (const auto &Fach : Liste) {
        const qint32 Datum = Fach->MinDatum(AHeute);
        if (Ergebnis == 0 || Ergebnis > Datum)
            Ergebnis = Datum;
    }
    return Ergebnis;
}

qint32 TDaten::MaxDatum() const { return MaxDatum(Heute()); }

qint32 TDaten::MaxDatum(qint32 AHeute) const {
    if (Liste.empty())
        return AHeute;
    qint32 Ergebnis = 0;
    for (const auto &Fach : Liste)
        Ergebnis = std::max(Ergebnis, Fach->MaxDatum(AHeute));
    return Ergebnis;
}

void TDaten::Sort() {
    if (Count() < 2)
        return;
    // As a selection sort whose later equal key wins: equal names come out in the reverse of their order.
    std::vector<std::pair<QString, std::unique_ptr<TFach>>> Sortiert;
    Sortiert.reserve(Liste.size());
    for (auto It = Liste.rbegin(); It != Liste.rend(); ++It)
        Sortiert.emplace_back(Gross((*It)->Fachname), std::move(*It));
    std::stable_sort(Sortiert.begin(), Sortiert.end(),
                     [](const auto &A, const auto &B) { return A.first < B.first; });
    Liste.clear();
    for (auto &Eintrag : Sortiert)
        Liste.push_back(std::move(Eintrag.second));
}

bool TDaten::Ident(const TDaten &ADaten) const {
    if (Klasse != ADaten.Klasse || Count() != ADaten.Count())
        return false;
    for (int Nr = 0; Nr < Count(); ++Nr)
        if (!Fach(Nr).Ident(ADaten.Fach(Nr)))
            return false;
    return true;
}

bool TDaten::LoadFromFile(const QString &AFilename, bool FehlerMeldungS) {
    const TLadeErgebnis Ergebnis = KlasseLaden(AFilename, *this);
    if (FehlerMeldungS) {
        if (Ergebnis == TLadeErgebnis::UnbekanntesFormat)
            FehlerMelden(MeldungUnbekanntesFormat(AFilename));
        else if (Ergebnis == TLadeErgebnis::Beschaedigt)
            FehlerMelden(MeldungBeschaedigt(AFilename));
    }
    return Ergebnis == TLadeErgebnis::Gelesen;
}
