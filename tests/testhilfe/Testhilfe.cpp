#include "Testhilfe.h"

#include <QFile>

TMeldungsRekorder::TMeldungsRekorder() : FVorher(SetzeMeldungsZiel(this)) {}

TMeldungsRekorder::~TMeldungsRekorder() { SetzeMeldungsZiel(FVorher); }

void TMeldungsRekorder::Fehler(const QString &AText) { Meldungen.append(AText); }

TDaten Klasse(const QString &AKlasse, const QList<TFachVorlage> &AFaecher) {
    TDaten Daten;
    Daten.Klasse = AKlasse;
    for (const TFachVorlage &Vorlage : AFaecher) {
        TFach Fach;
        Fach.Fachname = Vorlage.Fachname;
        Fach.WochenDaten = Vorlage.Wochen;
        Daten.Add(Fach);
    }
    return Daten;
}

QByteArray AusHex(const QString &AHex) {
    QString Ohne = AHex;
    Ohne.remove(QLatin1Char(' ')).remove(QLatin1Char('|'));
    return QByteArray::fromHex(Ohne.toLatin1());
}

QString AlsHex(const QByteArray &ABytes) { return QString::fromLatin1(ABytes.toHex(' ')).toUpper(); }

QByteArray DateiInhalt(const QString &APfad) {
    QFile Datei(APfad);
    if (!Datei.open(QIODevice::ReadOnly))
        return {};
    return Datei.readAll();
}

bool DateiSchreiben(const QString &APfad, const QByteArray &AInhalt) {
    QFile Datei(APfad);
    return Datei.open(QIODevice::WriteOnly | QIODevice::Truncate) && Datei.write(AInhalt) == AInhalt.size();
}
