#pragma once

#include <QList>
#include <QString>

#include <memory>
#include <vector>

// The class register of one school class: a class (TDaten) holds its subjects (TFach), a subject one
// record (TWocheRec) per calendar week. Positions count from 0; -1 means "not found".

struct TWocheRec {
    qint32 Datum = 0; // week key: the day number of the week's Monday
    QString Text;     // may be empty and may hold CR LF line breaks
    bool operator==(const TWocheRec &) const = default;
};

using TWochenDaten = QList<TWocheRec>;

class TFach {
public:
    TFach() = default;
    TFach(const TFach &AFach) = default;
    TFach(const QString &AFachname, qint32 ADatum, const QString &AText);
    TFach &operator=(const TFach &AFach) = default;

    QString Fachname;
    TWochenDaten WochenDaten; // ascending by Datum, no key twice (the loader keeps the file's order)

    int Count() const { return static_cast<int>(WochenDaten.size()); }
    static TWocheRec GetWocheRec(qint32 ADatum, const QString &AText) { return {ADatum, AText}; }
    // Append without sorting.
    void Add(qint32 ADatum, const QString &AText);
    void Add(const TWocheRec &AWocheRec);
    void Insert(const TWocheRec &AWocheRec, int ANr);
    void Delete(int ANr);
    void Clear();
    void ClearWochenDaten();
    void Assign(const TFach &AFach);

    // Walks from the first week and stops at the first key greater than ADatum: relies on the order.
    int FindeDatumNr(qint32 ADatum) const;
    // Key of the first/last week; AHeute (by default today's day number) for a subject without weeks.
    qint32 MinDatum() const;
    qint32 MinDatum(qint32 AHeute) const;
    qint32 MaxDatum() const;
    qint32 MaxDatum(qint32 AHeute) const;
    // Position of the week one month forward or back from ADatum.
    int Monatsprung(qint32 ADatum, bool WeiterS) const;
    // Ascending by Datum; weeks with equal keys come out in the reverse of their previous order.
    void Sort();
    // Name and every week identical, case-sensitive.
    bool Ident(const TFach &AFach) const;

    // Overview of the subject's weeks, newest first, for the class named Klasse.
    QString Text(const QString &Klasse) const;
    // The week texts, newest first, each followed by CR LF.
    QString WochenListe() const;
};

// The class owns its subjects.
using TDatenListe = std::vector<std::unique_ptr<TFach>>;

class TDaten {
public:
    TDaten() = default;
    // A copy of ADaten; Filename becomes AFilename when that is not empty.
    TDaten(const TDaten &ADaten, const QString &AFilename = QString());
    TDaten &operator=(const TDaten &ADaten);
    TDaten(TDaten &&) noexcept = default;
    TDaten &operator=(TDaten &&) noexcept = default;
    ~TDaten() = default;

    QString Filename; // the file this class was last read from or written to
    QString Klasse;
    TDatenListe Liste;

    int Count() const { return static_cast<int>(Liste.size()); }
    // The subject at ANr, which the caller has checked to lie within 0 to Count() - 1.
    TFach &Fach(int ANr) const { return *Liste[static_cast<std::size_t>(ANr)]; }
    // Add and Insert store a copy; the caller keeps its own object.
    void Add(const TFach &AFach);
    void Insert(const TFach &AFach, int ANr);
    void Delete(int ANr);
    void ClearListe();
    void Clear();
    void Assign(const TDaten &ADaten);

    int FindeFachNr(const QString &AFachname) const;
    TFach *FindeFach(const QString &AFachname) const;
    int FachnameExistsNr(const QString &AName) const;

    // Earliest/latest week key of the class; AHeute (by default today) where there is nothing to go by.
    qint32 MinDatum() const;
    qint32 MinDatum(qint32 AHeute) const;
    qint32 MaxDatum() const;
    qint32 MaxDatum(qint32 AHeute) const;

    // By name without regard to case, code unit by code unit after upper-casing (Ä after Z). Invalidates
    // references to subjects: callers keep positions or names across it.
    void Sort();
    // Class name and all subjects identical, case-sensitive; Filename is not compared.
    bool Ident(const TDaten &ADaten) const;

    // The class file: written whole and atomically; read completely or not at all.
    bool SaveToFile(const QString &AFilename);
    bool LoadFromFile(const QString &AFilename, bool FehlerMeldungS);

    // Overview of all weeks and subjects, newest week first.
    QString Text() const;
    // The subject names in list order, each followed by CR LF.
    QString FachnamenListe() const;
};
