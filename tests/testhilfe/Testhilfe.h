#pragma once

#include "data/Daten.h"
#include "data/Meldung.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Records the data core's error messages while it is alive, instead of printing them.
class TMeldungsRekorder : public TMeldungsZiel {
public:
    TMeldungsRekorder();
    ~TMeldungsRekorder() override;
    TMeldungsRekorder(const TMeldungsRekorder &) = delete;
    TMeldungsRekorder &operator=(const TMeldungsRekorder &) = delete;
    void Fehler(const QString &AText) override;
    QStringList Meldungen;

private:
    TMeldungsZiel *FVorher;
};

// Builds a class in one expression: Klasse("5a", {{"Deutsch", {{43906, "Lesen"}}}}).
struct TFachVorlage {
    QString Fachname;
    QList<TWocheRec> Wochen;
};
TDaten Klasse(const QString &AKlasse, const QList<TFachVorlage> &AFaecher);

// Hex text ("00 05 53 47") to bytes and back, for byte-exact comparisons with readable failures.
QByteArray AusHex(const QString &AHex);
QString AlsHex(const QByteArray &ABytes);

QByteArray DateiInhalt(const QString &APfad);
bool DateiSchreiben(const QString &APfad, const QByteArray &AInhalt);
