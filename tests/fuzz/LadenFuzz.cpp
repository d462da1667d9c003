#include "data/Daten.h"
#include "data/Klassendatei.h"

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Feeds arbitrary bytes to the class reader. Bytes it refuses leave the target class untouched; a class
// it accepts is written back, and that file reads as the same class and writes as the same bytes again.

namespace {

QByteArray Schreiben(const TDaten &ADaten) {
    QByteArray Bytes;
    QBuffer Geraet(&Bytes);
    // Everything the reader produces fits the format (ISO 8859-1, at most 65535 characters a string).
    if (!Geraet.open(QIODevice::WriteOnly) || !KlasseSchreiben(ADaten, Geraet))
        std::abort();
    return Bytes;
}

TLadeErgebnis Lesen(const QByteArray &ABytes, TDaten &AZiel) {
    QByteArray Bytes = ABytes;
    QBuffer Geraet(&Bytes);
    if (!Geraet.open(QIODevice::ReadOnly))
        std::abort();
    return KlasseLesen(Geraet, AZiel);
}

// A class that the reader must leave as it is when it refuses the bytes.
TDaten Vorbelegt() {
    TDaten Daten;
    Daten.Klasse = QStringLiteral("7b");
    Daten.Add(TFach(QStringLiteral("Mathematik"), 43906, QStringLiteral("Brüche\r\nÜbungen")));
    return Daten;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *AData, std::size_t AGroesse) {
    const QByteArray Eingabe(reinterpret_cast<const char *>(AData), static_cast<qsizetype>(AGroesse));

    TDaten Gelesen = Vorbelegt();
    const TDaten Vorher = Vorbelegt();
    if (Lesen(Eingabe, Gelesen) != TLadeErgebnis::Gelesen) {
        if (!Gelesen.Ident(Vorher))
            std::abort();
        return 0;
    }

    const QByteArray Geschrieben = Schreiben(Gelesen);
    TDaten Wieder;
    if (Lesen(Geschrieben, Wieder) != TLadeErgebnis::Gelesen || !Wieder.Ident(Gelesen))
        std::abort();
    if (Schreiben(Wieder) != Geschrieben)
        std::abort();
    return 0;
}
