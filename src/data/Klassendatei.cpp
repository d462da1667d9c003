#include "data/Klassendatei.h"

#include "data/Meldung.h"
#include "data/Programm.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cstring>

namespace {
// Reads and writes go through a buffer of this size, so a whole field (at most 2 + 65535 bytes) always
// fits and the file is accessed in blocks, never field by field.
constexpr qsizetype PufferGroesse = 65537;
constexpr char Magie[] = {0x00, 0x05, 'S', 'G', 'V', '0', '1'};
constexpr qsizetype MagieLaenge = sizeof(Magie);
// The least a week entry (key, empty text) and a subject block (empty name, count) take in the file.
constexpr qint64 MindestWoche = 4 + 2;
constexpr qint64 MindestFach = 2 + 4;

class TLeser {
public:
    explicit TLeser(QIODevice &AGeraet)
        : FGeraet(AGeraet), FPuffer(PufferGroesse, Qt::Uninitialized),
          FUebrig(std::max<qint64>(0, AGeraet.size() - AGeraet.pos())) {}

    // Bytes not yet taken, in the buffer or still in the device.
    qint64 Uebrig() const { return FUebrig; }
    bool Fehler() const { return FFehler; }

    // Makes ALaenge bytes readable at Daten(); false when the device ends (or fails) before.
    bool Holen(qsizetype ALaenge) {
        if (FGefuellt - FPos >= ALaenge)
            return true;
        if (ALaenge > FUebrig)
            return false;
        const qsizetype Rest = FGefuellt - FPos;
        std::memmove(FPuffer.data(), FPuffer.constData() + FPos, static_cast<std::size_t>(Rest));
        FPos = 0;
        FGefuellt = Rest;
        while (FGefuellt < ALaenge) {
            const qint64 Gelesen = FGeraet.read(FPuffer.data() + FGefuellt, PufferGroesse - FGefuellt);
            if (Gelesen <= 0) {
                FFehler = Gelesen < 0;
                return false;
            }
            FGefuellt += Gelesen;
        }
        return true;
    }

    const uchar *Daten() const { return reinterpret_cast<const uchar *>(FPuffer.constData()) + FPos; }

    void Weiter(qsizetype ALaenge) {
        FPos += ALaenge;
        FUebrig -= ALaenge;
    }

    bool Zahl(qint32 &AZahl) {
        if (!Holen(4))
            return false;
        const uchar *B = Daten();
        const quint32 Wert = quint32{B[0]} | (quint32{B[3]} << 8) | (quint32{B[2]} << 16) | (quint32{B[1]} << 24);
        AZahl = static_cast<qint32>(Wert);
        Weiter(4);
        return true;
    }

    bool Text(QString &AText) {
        if (!Holen(2))
            return false;
        const qsizetype Laenge = (qsizetype{Daten()[0]} << 8) | Daten()[1];
        Weiter(2);
        if (!Holen(Laenge))
            return false;
        AText = QString::fromLatin1(reinterpret_cast<const char *>(Daten()), Laenge);
        Weiter(Laenge);
        return true;
    }

private:
    QIODevice &FGeraet;
    QByteArray FPuffer;
    qsizetype FPos = 0;
    qsizetype FGefuellt = 0;
    qint64 FUebrig;
    bool FFehler = false;
};

TLadeErgebnis Lesefehler(const TLeser &ALeser) {
    return ALeser.Fehler() ? TLadeErgebnis::NichtLesbar : TLadeErgebnis::Beschaedigt;
}

class TSchreiber {
public:
    explicit TSchreiber(QIODevice &AGeraet) : FGeraet(AGeraet) { FPuffer.reserve(PufferGroesse); }

    bool Ok() const { return FOk; }

    void Zahl(qint32 AZahl) {
        Platz(4);
        const auto Wert = static_cast<quint32>(AZahl);
        const char Bytes[4] = {static_cast<char>(Wert & 0xFF), static_cast<char>((Wert >> 24) & 0xFF),
                               static_cast<char>((Wert >> 16) & 0xFF), static_cast<char>((Wert >> 8) & 0xFF)};
        FPuffer.append(Bytes, 4);
    }

    // The caller has made sure the text fits the format (KlasseNichtSpeicherbar).
    void Text(const QString &AText) {
        const qsizetype Laenge = AText.size();
        Platz(2 + Laenge);
        FPuffer.append(static_cast<char>((Laenge >> 8) & 0xFF));
        FPuffer.append(static_cast<char>(Laenge & 0xFF));
        const qsizetype Anfang = FPuffer.size();
        FPuffer.resize(Anfang + Laenge);
        char *Ziel = FPuffer.data() + Anfang;
        const ushort *Quelle = AText.utf16();
        for (qsizetype Nr = 0; Nr < Laenge; ++Nr)
            Ziel[Nr] = static_cast<char>(Quelle[Nr]);
    }

    void Abschliessen() { Leeren(); }

private:
    // A field is never split across two writes.
    void Platz(qsizetype ALaenge) {
        if (FPuffer.size() + ALaenge > PufferGroesse)
            Leeren();
    }

    void Leeren() {
        if (FOk && !FPuffer.isEmpty() && FGeraet.write(FPuffer) != FPuffer.size())
            FOk = false;
        FPuffer.clear();
    }

    QIODevice &FGeraet;
    QByteArray FPuffer;
    bool FOk = true;
};

// Where a text that the class file cannot keep goes wrong, or an empty string.
QString TextNichtSpeicherbar(const QString &AText) {
    if (AText.size() > 0xFFFF)
        return QStringLiteral("ist mit %1 Zeichen länger als 65535 Zeichen").arg(AText.size());
    const ushort *Zeichen = AText.utf16();
    // One pass without an early exit, which the compiler turns into vector code; the search for the culprit
    // runs only for a text that fails.
    ushort Alle = 0;
    for (qsizetype Nr = 0; Nr < AText.size(); ++Nr)
        Alle |= Zeichen[Nr];
    if (Alle <= 0xFF)
        return {};
    for (qsizetype Nr = 0; Nr < AText.size(); ++Nr) {
        if (Zeichen[Nr] > 0xFF) {
            const char32_t Code = AText.at(Nr).isHighSurrogate() && Nr + 1 < AText.size()
                                      ? QChar::surrogateToUcs4(Zeichen[Nr], Zeichen[Nr + 1])
                                      : Zeichen[Nr];
            return QStringLiteral("enthält das Zeichen \"%1\" (U+%2), das eine Klassendatei nicht speichern kann")
                .arg(QString::fromUcs4(&Code, 1), QStringLiteral("%1").arg(Code, 4, 16, QLatin1Char('0')).toUpper());
        }
    }
    return {};
}
} // namespace

TLadeErgebnis KlasseLesen(QIODevice &AGeraet, TDaten &AZiel) {
    TLeser Leser(AGeraet);

    // A file that begins like a class file but ends before the magic is complete is a damaged class file;
    // anything else that is not the magic is of another format.
    const qsizetype Vorhanden = static_cast<qsizetype>(std::min<qint64>(MagieLaenge, Leser.Uebrig()));
    if (!Leser.Holen(Vorhanden))
        return Lesefehler(Leser);
    if (std::memcmp(Leser.Daten(), Magie, static_cast<std::size_t>(Vorhanden)) != 0)
        return TLadeErgebnis::UnbekanntesFormat;
    if (Vorhanden < MagieLaenge)
        return TLadeErgebnis::Beschaedigt;
    Leser.Weiter(MagieLaenge);

    // Read into a scratch class: the target changes only when the whole file was read.
    TDaten Neu;
    if (!Leser.Text(Neu.Klasse))
        return Lesefehler(Leser);
    while (Leser.Uebrig() > 0) {
        qint32 FachAnzahl = 0;
        if (!Leser.Zahl(FachAnzahl))
            return Lesefehler(Leser);
        if (FachAnzahl <= 0)
            continue;
        if (FachAnzahl > Leser.Uebrig() / MindestFach)
            return TLadeErgebnis::Beschaedigt;
        for (qint32 FachNr = 0; FachNr < FachAnzahl; ++FachNr) {
            auto Fach = std::make_unique<TFach>();
            qint32 WochenAnzahl = 0;
            if (!Leser.Text(Fach->Fachname) || !Leser.Zahl(WochenAnzahl))
                return Lesefehler(Leser);
            if (WochenAnzahl > 0) {
                if (WochenAnzahl > Leser.Uebrig() / MindestWoche)
                    return TLadeErgebnis::Beschaedigt;
                Fach->WochenDaten.reserve(WochenAnzahl);
                for (qint32 WocheNr = 0; WocheNr < WochenAnzahl; ++WocheNr) {
                    TWocheRec Woche;
                    if (!Leser.Zahl(Woche.Datum) || !Leser.Text(Woche.Text))
                        return Lesefehler(Leser);
                    Fach->WochenDaten.append(std::move(Woche));
                }
            }
            Neu.Liste.push_back(std::move(Fach));
        }
    }
    if (Leser.Fehler())
        return TLadeErgebnis::NichtLesbar;
    AZiel = std::move(Neu);
    return TLadeErgebnis::Gelesen;
}

TLadeErgebnis KlasseLaden(const QString &AFilename, TDaten &AZiel) {
    if (AFilename.isEmpty())
        return TLadeErgebnis::NichtLesbar;
    QFile Datei(AFilename);
    if (!Datei.open(QIODevice::ReadOnly))
        return TLadeErgebnis::NichtLesbar;
    TDaten Neu;
    const TLadeErgebnis Ergebnis = KlasseLesen(Datei, Neu);
    if (Ergebnis == TLadeErgebnis::Gelesen) {
        Neu.Filename = AFilename;
        AZiel = std::move(Neu);
    }
    return Ergebnis;
}

QString KlasseNichtSpeicherbar(const TDaten &ADaten) {
    QString Fehler = TextNichtSpeicherbar(ADaten.Klasse);
    if (!Fehler.isEmpty())
        return QStringLiteral("Der Klassenname %1.").arg(Fehler);
    for (int FachNr = 0; FachNr < ADaten.Count(); ++FachNr) {
        const TFach &Fach = ADaten.Fach(FachNr);
        Fehler = TextNichtSpeicherbar(Fach.Fachname);
        if (!Fehler.isEmpty())
            return QStringLiteral("Der Name des %1. Fachs %2.").arg(FachNr + 1).arg(Fehler);
        for (int WocheNr = 0; WocheNr < Fach.Count(); ++WocheNr) {
            Fehler = TextNichtSpeicherbar(Fach.WochenDaten.at(WocheNr).Text);
            if (!Fehler.isEmpty())
                return QStringLiteral("Der Text der %1. Woche im Fach \"%2\" %3.")
                    .arg(WocheNr + 1)
                    .arg(Fach.Fachname, Fehler);
        }
    }
    return {};
}

bool KlasseSchreiben(const TDaten &ADaten, QIODevice &AGeraet) {
    if (!KlasseNichtSpeicherbar(ADaten).isEmpty())
        return false;
    TSchreiber Schreiber(AGeraet);
    Schreiber.Text(QStringLiteral("SGV01"));
    Schreiber.Text(ADaten.Klasse);
    Schreiber.Zahl(ADaten.Count());
    for (const auto &Fach : ADaten.Liste) {
        Schreiber.Text(Fach->Fachname);
        Schreiber.Zahl(Fach->Count());
        for (const TWocheRec &Woche : Fach->WochenDaten) {
            Schreiber.Zahl(Woche.Datum);
            Schreiber.Text(Woche.Text);
        }
    }
    Schreiber.Abschliessen();
    return Schreiber.Ok();
}

bool TDaten::SaveToFile(const QString &AFilename) {
    if (AFilename.isEmpty())
        return false;
    // Written to a temporary file beside the target and renamed over it when complete: a failed or broken-off
    // save leaves the previous file as it was.
    QSaveFile Datei(AFilename);
    if (!Datei.open(QIODevice::WriteOnly))
        return false;
    if (!KlasseSchreiben(*this, Datei)) {
        Datei.cancelWriting();
        return false;
    }
    if (!Datei.commit())
        return false;
    Filename = AFilename;
    return true;
}

QString MeldungUnbekanntesFormat(const QString &AFilename) {
    return QStringLiteral("Das Dateiformat der Datei \"%1\" ist unbekannt!\r\nBitte installieren Sie die neueste "
                          "Version von %2.")
        .arg(QFileInfo(AFilename).fileName(), Programm::Homepage);
}

QString MeldungBeschaedigt(const QString &AFilename) {
    return QStringLiteral("Die Datei \"%1\" ist beschädigt!").arg(QFileInfo(AFilename).fileName());
}

QString MeldungNichtGespeichert(const QString &AKlasse) {
    return QStringLiteral("Die Klasse \"%1\" konnte nicht gespeichert werden!").arg(AKlasse);
}

namespace {
void Beschreibbar(const QString &APfad) {
    QFile Datei(APfad);
    if (Datei.exists())
        Datei.setPermissions(Datei.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser);
}

QString OrdnerTeil(const QString &AFilename) {
    qsizetype Trenner = AFilename.lastIndexOf(QLatin1Char('/'));
#ifdef Q_OS_WIN
    Trenner = std::max(Trenner, AFilename.lastIndexOf(QLatin1Char('\\')));
#endif
    return AFilename.left(Trenner + 1);
}
} // namespace

bool KlasseSpeichern(TDaten &ADaten, TDaten &ASaveDaten, const QString &AFilename, bool SikS) {
    if (AFilename.size() == OrdnerTeil(AFilename).size())
        return false;
    // A write-protected class file is still saved over.
    Beschreibbar(AFilename);
    if (SikS) {
        const QString Sicherung = AFilename + QStringLiteral(".BAK");
        Beschreibbar(Sicherung);
        // A failed backup copy (for example of a file not yet saved) does not stop the save.
        QFile::remove(Sicherung);
        QFile::copy(AFilename, Sicherung);
    }
    const bool Ok = ADaten.SaveToFile(AFilename);
    if (Ok)
        ASaveDaten.Assign(ADaten);
    else
        FehlerMelden(MeldungNichtGespeichert(ADaten.Klasse));
    return Ok;
}

TKlassenListe KlassenListe(const QString &AFilename) {
    const QString Ordner = OrdnerTeil(AFilename);
    const QDir Verzeichnis(Ordner.isEmpty() ? QStringLiteral(".") : Ordner);
    const QStringList Namen =
        Verzeichnis.entryList({QStringLiteral("*.sgv")}, QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    TKlassenListe Liste;
    for (const QString &Name : Namen) {
        // The name filter of QDir already ignores letter case on this platform; make sure of it anyway.
        if (!Name.endsWith(QStringLiteral(".SGV"), Qt::CaseInsensitive))
            continue;
        TDaten Daten;
        if (KlasseLaden(Ordner + Name, Daten) == TLadeErgebnis::Gelesen)
            Liste.push_back({Daten.Klasse, std::move(Daten)});
    }
    std::stable_sort(Liste.begin(), Liste.end(), [](const TKlassenEintrag &A, const TKlassenEintrag &B) {
        return VergleicheOhneGross(A.Text, B.Text) < 0;
    });
    return Liste;
}

QString KlassenNamen(const TKlassenListe &AListe) {
    QString Text;
    for (const TKlassenEintrag &Eintrag : AListe)
        Text += Eintrag.Text + QStringLiteral("\r\n");
    return Text;
}
