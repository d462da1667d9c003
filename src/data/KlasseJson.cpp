#include "data/KlasseJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QStringView>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

// Appends to a byte array through a raw pointer: the buffer grows by doubling, the writes between two
// growths are plain stores. A class of tens of megabytes is written in one linear pass.
class TJsonPuffer {
public:
    explicit TJsonPuffer(qsizetype ASchaetzung) { FDaten.resize(ASchaetzung); }

    void Text(const char *AText) { Roh(AText, static_cast<qsizetype>(std::strlen(AText))); }

    void Zahl(qint32 AZahl) {
        char Ziffern[12];
        char *Ende = Ziffern + sizeof Ziffern;
        char *P = Ende;
        // In 64 bits, so that -2147483648 has a positive counterpart.
        qint64 Rest = AZahl;
        const bool NegativS = Rest < 0;
        if (NegativS)
            Rest = -Rest;
        do {
            *--P = static_cast<char>('0' + Rest % 10);
            Rest /= 10;
        } while (Rest != 0);
        if (NegativS)
            *--P = '-';
        Roh(P, Ende - P);
    }

    // A JSON string in double quotes: ", \ and U+0000 to U+001F escaped, everything else as UTF-8. A lone
    // surrogate has no UTF-8 form and is written as its \u escape.
    void Zeichenkette(QStringView AText) {
        // At most 6 bytes per UTF-16 code unit (\u00XX, \uD8XX), plus the two quotes.
        char *P = Platz(AText.size() * 6 + 2);
        char *const Anfang = P;
        *P++ = '"';
        const char16_t *Z = AText.utf16();
        const char16_t *const Ende = Z + AText.size();
        while (Z < Ende) {
            const char16_t C = *Z++;
            if (C < 0x80) {
                if (C >= 0x20 && C != u'"' && C != u'\\') {
                    *P++ = static_cast<char>(C);
                    continue;
                }
                *P++ = '\\';
                switch (C) {
                case u'"':
                    *P++ = '"';
                    break;
                case u'\\':
                    *P++ = '\\';
                    break;
                case u'\n':
                    *P++ = 'n';
                    break;
                case u'\r':
                    *P++ = 'r';
                    break;
                case u'\t':
                    *P++ = 't';
                    break;
                default:
                    P = Unicode(P, C);
                    break;
                }
            } else if (C < 0x800) {
                *P++ = static_cast<char>(0xC0 | (C >> 6));
                *P++ = static_cast<char>(0x80 | (C & 0x3F));
            } else if (C >= 0xD800 && C <= 0xDBFF && Z < Ende && *Z >= 0xDC00 && *Z <= 0xDFFF) {
                const char32_t Code = 0x10000 + ((char32_t{C} - 0xD800) << 10) + (char32_t{*Z++} - 0xDC00);
                *P++ = static_cast<char>(0xF0 | (Code >> 18));
                *P++ = static_cast<char>(0x80 | ((Code >> 12) & 0x3F));
                *P++ = static_cast<char>(0x80 | ((Code >> 6) & 0x3F));
                *P++ = static_cast<char>(0x80 | (Code & 0x3F));
            } else if (C >= 0xD800 && C <= 0xDFFF) {
                *P++ = '\\';
                P = Unicode(P, C);
            } else {
                *P++ = static_cast<char>(0xE0 | (C >> 12));
                *P++ = static_cast<char>(0x80 | ((C >> 6) & 0x3F));
                *P++ = static_cast<char>(0x80 | (C & 0x3F));
            }
        }
        *P++ = '"';
        FLaenge += P - Anfang;
    }

    QByteArray Ergebnis() {
        FDaten.truncate(FLaenge);
        return std::move(FDaten);
    }

private:
    QByteArray FDaten;
    qsizetype FLaenge = 0;

    // Room for at least AAnzahl more bytes; returns where they go. FLaenge is advanced by the caller.
    char *Platz(qsizetype AAnzahl) {
        if (FLaenge + AAnzahl > FDaten.size())
            FDaten.resize(qMax(FDaten.size() * 2, FLaenge + AAnzahl));
        return FDaten.data() + FLaenge;
    }

    void Roh(const char *AText, qsizetype AAnzahl) {
        std::memcpy(Platz(AAnzahl), AText, static_cast<std::size_t>(AAnzahl));
        FLaenge += AAnzahl;
    }

    // "uXXXX" with lower-case hex digits; the backslash is already written.
    static char *Unicode(char *P, char16_t C) {
        static const char Hex[] = "0123456789abcdef";
        *P++ = 'u';
        *P++ = Hex[(C >> 12) & 0xF];
        *P++ = Hex[(C >> 8) & 0xF];
        *P++ = Hex[(C >> 4) & 0xF];
        *P++ = Hex[C & 0xF];
        return P;
    }
};

// What a class of mostly ASCII text needs; more is added by doubling when it has other characters.
qsizetype Schaetzung(const TDaten &ADaten) {
    qsizetype Summe = 64 + ADaten.Klasse.size();
    for (const auto &Fach : ADaten.Liste) {
        Summe += 80 + Fach->Fachname.size();
        for (const TWocheRec &Woche : Fach->WochenDaten)
            Summe += 80 + Woche.Text.size();
    }
    return Summe;
}

// ---- reading

QString ParseFehlerText(QJsonParseError::ParseError AFehler) {
    switch (AFehler) {
    case QJsonParseError::UnterminatedObject:
        return QStringLiteral("ein Objekt ist nicht mit } abgeschlossen");
    case QJsonParseError::MissingNameSeparator:
        return QStringLiteral("nach einem Schlüssel fehlt der Doppelpunkt");
    case QJsonParseError::UnterminatedArray:
        return QStringLiteral("eine Liste ist nicht mit ] abgeschlossen");
    case QJsonParseError::MissingValueSeparator:
        return QStringLiteral("zwischen zwei Werten fehlt das Komma");
    case QJsonParseError::IllegalValue:
        return QStringLiteral("ungültiger Wert");
    case QJsonParseError::TerminationByNumber:
        return QStringLiteral("die Daten enden mitten in einer Zahl");
    case QJsonParseError::IllegalNumber:
        return QStringLiteral("ungültige Zahl");
    case QJsonParseError::IllegalEscapeSequence:
        return QStringLiteral("ungültige Escape-Sequenz");
    case QJsonParseError::IllegalUTF8String:
        return QStringLiteral("ungültiges UTF-8");
    case QJsonParseError::UnterminatedString:
        return QStringLiteral("eine Zeichenkette ist nicht abgeschlossen");
    case QJsonParseError::MissingObject:
        return QStringLiteral("ein Objekt wurde erwartet");
    case QJsonParseError::DeepNesting:
        return QStringLiteral("zu tief verschachtelt");
    case QJsonParseError::DocumentTooLarge:
        return QStringLiteral("zu groß");
    case QJsonParseError::GarbageAtEnd:
        return QStringLiteral("nach dem Ende folgen weitere Zeichen");
    case QJsonParseError::NoError:
        break;
    }
    return QStringLiteral("unbekannter Fehler");
}

QString TypName(const QJsonValue &AWert) {
    switch (AWert.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return QStringLiteral("ein Wahrheitswert");
    case QJsonValue::Double:
        return QStringLiteral("eine Zahl");
    case QJsonValue::String:
        return QStringLiteral("ein Text");
    case QJsonValue::Array:
        return QStringLiteral("eine Liste");
    case QJsonValue::Object:
        return QStringLiteral("ein Objekt");
    case QJsonValue::Undefined:
        break;
    }
    return QStringLiteral("nichts");
}

// How a character is named in a message: its code point and, where it can be shown, the character itself.
QString ZeichenName(char32_t ACode) {
    QString Name =
        QStringLiteral("U+") + QString::number(static_cast<uint>(ACode), 16).toUpper().rightJustified(4, u'0');
    const bool ZeigbarS = ACode >= 0x20 && !(ACode >= 0x7F && ACode < 0xA0) && !(ACode >= 0xD800 && ACode <= 0xDFFF);
    if (ZeigbarS)
        Name += QStringLiteral(" \"%1\"").arg(QString::fromUcs4(&ACode, 1));
    return Name;
}

// Reads one object into a class; every failure names the field by its path, e.g. Faecher[0].Wochen[3].Text.
class TJsonLeser {
public:
    QString Fehler;

    bool KlasseOk(const QJsonDocument &ADokument, TDaten &AZiel) {
        if (!ADokument.isObject()) {
            Fehler = QStringLiteral("Die JSON-Daten müssen ein Objekt {\"Klasse\": …, \"Faecher\": […]} sein, "
                                    "gefunden wurde %1.")
                         .arg(ADokument.isArray() ? QStringLiteral("eine Liste") : QStringLiteral("kein Objekt"));
            return false;
        }
        const QJsonObject Wurzel = ADokument.object();
        QJsonArray Faecher;
        if (!TextOk(Wurzel, QStringLiteral("Klasse"), QString(), AZiel.Klasse) ||
            !ListeOk(Wurzel, QStringLiteral("Faecher"), QString(), Faecher))
            return false;

        AZiel.Liste.reserve(static_cast<std::size_t>(Faecher.size()));
        for (qsizetype I = 0; I < Faecher.size(); ++I) {
            const QString Pfad = QStringLiteral("Faecher[%1]").arg(I);
            QJsonObject FachObjekt;
            if (!ObjektOk(Faecher.at(I), Pfad, FachObjekt))
                return false;
            TFach Fach;
            QJsonArray Wochen;
            if (!TextOk(FachObjekt, QStringLiteral("Fachname"), Pfad, Fach.Fachname) ||
                !ListeOk(FachObjekt, QStringLiteral("Wochen"), Pfad, Wochen))
                return false;
            Fach.WochenDaten.reserve(Wochen.size());
            for (qsizetype K = 0; K < Wochen.size(); ++K) {
                const QString WochenPfad = QStringLiteral("%1.Wochen[%2]").arg(Pfad).arg(K);
                QJsonObject WochenObjekt;
                TWocheRec Woche;
                if (!ObjektOk(Wochen.at(K), WochenPfad, WochenObjekt) ||
                    !DatumOk(WochenObjekt, WochenPfad, Woche.Datum) ||
                    !TextOk(WochenObjekt, QStringLiteral("Text"), WochenPfad, Woche.Text))
                    return false;
                Fach.WochenDaten.append(std::move(Woche));
            }
            AZiel.Add(Fach);
        }
        return true;
    }

private:
    static QString Feld(const QString &APfad, const QString &ASchluessel) {
        return APfad.isEmpty() ? ASchluessel : APfad + QLatin1Char('.') + ASchluessel;
    }

    bool Vorhanden(const QJsonObject &AObjekt, const QString &AFeld, const QString &ASchluessel, QJsonValue &AWert) {
        const auto Stelle = AObjekt.constFind(ASchluessel);
        if (Stelle == AObjekt.constEnd()) {
            Fehler = QStringLiteral("Das Feld \"%1\" fehlt.").arg(AFeld);
            return false;
        }
        AWert = *Stelle;
        return true;
    }

    bool FalscherTyp(const QString &AFeld, const QString &AErwartet, const QJsonValue &AWert) {
        Fehler =
            QStringLiteral("Das Feld \"%1\" muss %2 sein, gefunden wurde %3.").arg(AFeld, AErwartet, TypName(AWert));
        return false;
    }

    bool ObjektOk(const QJsonValue &AWert, const QString &AFeld, QJsonObject &AObjekt) {
        if (!AWert.isObject())
            return FalscherTyp(AFeld, QStringLiteral("ein Objekt"), AWert);
        AObjekt = AWert.toObject();
        return true;
    }

    bool ListeOk(const QJsonObject &AObjekt, const QString &ASchluessel, const QString &APfad, QJsonArray &AListe) {
        const QString Name = Feld(APfad, ASchluessel);
        QJsonValue Wert;
        if (!Vorhanden(AObjekt, Name, ASchluessel, Wert))
            return false;
        if (!Wert.isArray())
            return FalscherTyp(Name, QStringLiteral("eine Liste"), Wert);
        AListe = Wert.toArray();
        return true;
    }

    // A text the class file can hold: only U+0000 to U+00FF, at most 65535 characters.
    bool TextOk(const QJsonObject &AObjekt, const QString &ASchluessel, const QString &APfad, QString &AText) {
        const QString Name = Feld(APfad, ASchluessel);
        QJsonValue Wert;
        if (!Vorhanden(AObjekt, Name, ASchluessel, Wert))
            return false;
        if (!Wert.isString())
            return FalscherTyp(Name, QStringLiteral("ein Text"), Wert);
        QString Text = Wert.toString();
        if (Text.size() > 65535) {
            Fehler = QStringLiteral("Das Feld \"%1\" ist mit %2 Zeichen zu lang: eine Klassendatei nimmt höchstens "
                                    "65535 Zeichen auf.")
                         .arg(Name)
                         .arg(Text.size());
            return false;
        }
        const auto *const Anfang = Text.utf16();
        const auto *const Ende = Anfang + Text.size();
        for (const auto *Z = Anfang; Z < Ende; ++Z) {
            if (*Z <= 0xFF)
                continue;
            char32_t Code = *Z;
            if (*Z >= 0xD800 && *Z <= 0xDBFF && Z + 1 < Ende && Z[1] >= 0xDC00 && Z[1] <= 0xDFFF)
                Code = 0x10000 + ((char32_t{*Z} - 0xD800) << 10) + (char32_t{Z[1]} - 0xDC00);
            Fehler = QStringLiteral("Das Feld \"%1\" enthält an Stelle %2 das Zeichen %3, das eine Klassendatei nicht "
                                    "aufnehmen kann (nur Zeichen von U+0000 bis U+00FF).")
                         .arg(Name)
                         .arg(Z - Anfang + 1)
                         .arg(ZeichenName(Code));
            return false;
        }
        AText = std::move(Text);
        return true;
    }

    bool DatumOk(const QJsonObject &AObjekt, const QString &APfad, qint32 &ADatum) {
        const QString Name = Feld(APfad, QStringLiteral("Datum"));
        QJsonValue Wert;
        if (!Vorhanden(AObjekt, Name, QStringLiteral("Datum"), Wert))
            return false;
        if (!Wert.isDouble())
            return FalscherTyp(Name, QStringLiteral("eine ganze Zahl"), Wert);
        const double Zahl = Wert.toDouble();
        if (!std::isfinite(Zahl) || std::trunc(Zahl) != Zahl || Zahl < std::numeric_limits<qint32>::min() ||
            Zahl > std::numeric_limits<qint32>::max()) {
            Fehler = QStringLiteral("Das Feld \"%1\" muss eine ganze Zahl von -2147483648 bis 2147483647 sein, "
                                    "gefunden wurde %2.")
                         .arg(Name, QString::number(Zahl, 'g', 17));
            return false;
        }
        ADatum = static_cast<qint32>(Zahl);
        return true;
    }
};

} // namespace

QByteArray KlasseAlsJson(const TDaten &ADaten) {
    TJsonPuffer Puffer(Schaetzung(ADaten));
    Puffer.Text("{\n  \"Klasse\": ");
    Puffer.Zeichenkette(ADaten.Klasse);
    if (ADaten.Liste.empty()) {
        Puffer.Text(",\n  \"Faecher\": []\n}\n");
        return Puffer.Ergebnis();
    }
    Puffer.Text(",\n  \"Faecher\": [");
    bool ErstesFachS = true;
    for (const auto &Fach : ADaten.Liste) {
        Puffer.Text(ErstesFachS ? "\n    {\n      \"Fachname\": " : ",\n    {\n      \"Fachname\": ");
        ErstesFachS = false;
        Puffer.Zeichenkette(Fach->Fachname);
        if (Fach->WochenDaten.isEmpty()) {
            Puffer.Text(",\n      \"Wochen\": []\n    }");
            continue;
        }
        Puffer.Text(",\n      \"Wochen\": [");
        bool ErsteWocheS = true;
        for (const TWocheRec &Woche : Fach->WochenDaten) {
            Puffer.Text(ErsteWocheS ? "\n        {\n          \"Datum\": " : ",\n        {\n          \"Datum\": ");
            ErsteWocheS = false;
            Puffer.Zahl(Woche.Datum);
            Puffer.Text(",\n          \"Text\": ");
            Puffer.Zeichenkette(Woche.Text);
            Puffer.Text("\n        }");
        }
        Puffer.Text("\n      ]\n    }");
    }
    Puffer.Text("\n  ]\n}\n");
    return Puffer.Ergebnis();
}

bool KlasseAusJson(const QByteArray &AJson, TDaten &AZiel, QString &AFehler) {
    QJsonParseError ParseFehler;
    const QJsonDocument Dokument = QJsonDocument::fromJson(AJson, &ParseFehler);
    if (ParseFehler.error != QJsonParseError::NoError) {
        AFehler = QStringLiteral("Kein gültiges JSON (Byte %1): %2.")
                      .arg(ParseFehler.offset)
                      .arg(ParseFehlerText(ParseFehler.error));
        return false;
    }
    // Read into a class of its own, so that AZiel changes only when everything fits.
    TDaten Neu;
    TJsonLeser Leser;
    if (!Leser.KlasseOk(Dokument, Neu)) {
        AFehler = Leser.Fehler;
        return false;
    }
    AZiel = std::move(Neu);
    return true;
}
