#include "data/Meldung.h"

#include <cstdio>

namespace {
TMeldungsZiel *Ziel = nullptr;
}

TMeldungsZiel *SetzeMeldungsZiel(TMeldungsZiel *AZiel) {
    TMeldungsZiel *Vorher = Ziel;
    Ziel = AZiel;
    return Vorher;
}

void FehlerMelden(const QString &AText) {
    if (Ziel) {
        Ziel->Fehler(AText);
        return;
    }
    std::fputs(AText.toUtf8().constData(), stderr);
    std::fputs("\n", stderr);
}
