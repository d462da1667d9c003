#include "app/Kommandozeile.h"

#include "app/Hilfe.h"
#include "data/Daten.h"
#include "data/Kalender.h"
#include "data/KlasseJson.h"
#include "data/Klassendatei.h"
#include "data/Programm.h"
#include "util/Ordner.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringList>

#include <cstdio>
#include <cstring>

namespace {

// Bytes as they are: the overview texts carry their own CR LF, and nothing is recoded by the locale.
bool Ausgeben(const QByteArray &ABytes) {
    const auto Anzahl = static_cast<std::size_t>(ABytes.size());
    return std::fwrite(ABytes.constData(), 1, Anzahl, stdout) == Anzahl && std::fflush(stdout) == 0;
}

void Melden(const QString &AText) {
    QString Text = AText;
    Text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QByteArray Bytes = Text.toUtf8() + '\n';
    std::fwrite(Bytes.constData(), 1, static_cast<std::size_t>(Bytes.size()), stderr);
    std::fflush(stderr);
}

int Ausgabe(const QByteArray &ABytes) {
    if (Ausgeben(ABytes))
        return Rueckgabe::Ok;
    Melden(QStringLiteral("Die Ausgabe konnte nicht geschrieben werden."));
    return Rueckgabe::Fehler;
}

int Aufruffehler(const QString &AText) {
    Melden(AText + QStringLiteral("\nHilfe: stundolog --help"));
    return Rueckgabe::Aufruf;
}

QString Anzeige(const QString &APfad) {
    return QDir::toNativeSeparators(APfad);
}

QString MeldungNichtLesbar(const QString &APfad) {
    return QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden.").arg(Anzeige(APfad));
}

// Reads the class file; on failure the message is out and the exit status is returned in AStatus.
bool KlasseGeladenOk(const QString &APfad, TDaten &ADaten, int &AStatus) {
    switch (KlasseLaden(APfad, ADaten)) {
    case TLadeErgebnis::Gelesen:
        return true;
    case TLadeErgebnis::NichtLesbar:
        Melden(MeldungNichtLesbar(APfad));
        AStatus = Rueckgabe::Fehler;
        return false;
    case TLadeErgebnis::Beschaedigt:
        Melden(MeldungBeschaedigt(APfad));
        AStatus = Rueckgabe::Fehler;
        return false;
    case TLadeErgebnis::UnbekanntesFormat:
        Melden(MeldungUnbekanntesFormat(APfad));
        AStatus = Rueckgabe::UnbekanntesFormat;
        return false;
    }
    AStatus = Rueckgabe::Fehler;
    return false;
}

QByteArray HilfeText() {
    return QStringLiteral(
               "%1 – das Klassenbuch\n"
               "\n"
               "Aufruf:\n"
               "  stundolog                                     startet das Programm mit Fenster\n"
               "  stundolog --json DATEI                        gibt die Klasse der Klassendatei DATEI als JSON "
               "aus:\n"
               "      {\"Klasse\": …, \"Faecher\": [{\"Fachname\": …, \"Wochen\": [{\"Datum\": …, \"Text\": …}]}]}\n"
               "      Fächer und Wochen in der Reihenfolge der Datei; \"Datum\" ist der Tag des Montags der Woche\n"
               "      (Tage seit dem 30.12.1899).\n"
               "  stundolog --aus-json JSON DATEI               schreibt die Klasse aus der JSON-Datei JSON (gleiche "
               "Form)\n"
               "      als Klassendatei DATEI. Texte dürfen nur Zeichen bis U+00FF und höchstens 65535 Zeichen\n"
               "      enthalten; eine vorhandene DATEI bleibt bei einem Fehler unverändert.\n"
               "  stundolog --text [--ohne-datum] DATEI [FACH]  gibt die Übersicht aller Wochen und Fächer aus,\n"
               "      mit FACH die Übersicht aller Wochen dieses Fachs (Groß-/Kleinschreibung egal), genau wie\n"
               "      das Programm sie zeigt (Zeilenenden CR LF). --ohne-datum zeigt die Wochen ohne Tage.\n"
               "  stundolog --pruefen DATEI                     liest die Klassendatei und berichtet Klasse, "
               "Fächer\n"
               "      und Wochen; Auffälligkeiten stehen in Zeilen mit \"Hinweis:\".\n"
               "  stundolog --ressourcen                        nennt, wo das Programm den Wochenton NeueZeile.wav\n"
               "      und die Programm-Änderungen History.txt findet (neben dem Programm oder in\n"
               "      <Präfix>/share/stundolog/); Rückgabewert 1, wenn eine der Dateien fehlt.\n"
               "  stundolog --help, -h, -?                      zeigt diese Hilfe\n"
               "  stundolog --version, -v                       zeigt die Version\n"
               "\n"
               "Rückgabewerte:\n"
               "  0   erledigt\n"
               "  1   Datei nicht lesbar oder beschädigt, ungültiges JSON, ein Text, den eine Klassendatei\n"
               "      nicht aufnehmen kann, ein Schreibfehler oder eine fehlende mitgelieferte Datei (--ressourcen)\n"
               "  2   unbekanntes Dateiformat\n"
               "  3   die Klasse hat kein solches Fach (--text)\n"
               "  64  falscher Aufruf: unbekannte Option, fehlende oder überzählige Angabe\n"
               "\n"
               "Ausgaben sind UTF-8; Fehlermeldungen stehen auf der Standardfehlerausgabe.\n")
        .arg(Programm::Titel)
        .toUtf8();
}

int JsonAusgeben(const QString &APfad) {
    TDaten Daten;
    int Status = Rueckgabe::Ok;
    if (!KlasseGeladenOk(APfad, Daten, Status))
        return Status;
    return Ausgabe(KlasseAlsJson(Daten));
}

int AusJsonSchreiben(const QString &AJsonPfad, const QString &APfad) {
    QFile JsonDatei(AJsonPfad);
    if (!JsonDatei.open(QIODevice::ReadOnly)) {
        Melden(MeldungNichtLesbar(AJsonPfad));
        return Rueckgabe::Fehler;
    }
    const QByteArray Json = JsonDatei.readAll();
    if (JsonDatei.error() != QFileDevice::NoError) {
        Melden(MeldungNichtLesbar(AJsonPfad));
        return Rueckgabe::Fehler;
    }
    JsonDatei.close();

    TDaten Daten;
    QString Fehler;
    if (!KlasseAusJson(Json, Daten, Fehler)) {
        Melden(QStringLiteral("Die Datei \"%1\" enthält keine Klasse, die gespeichert werden kann.\n%2")
                   .arg(Anzeige(AJsonPfad), Fehler));
        return Rueckgabe::Fehler;
    }
    if (!Daten.SaveToFile(APfad)) {
        Melden(QStringLiteral("Die Klasse \"%1\" konnte nicht in die Datei \"%2\" geschrieben werden.")
                   .arg(Daten.Klasse, Anzeige(APfad)));
        return Rueckgabe::Fehler;
    }
    return Rueckgabe::Ok;
}

int TextAusgeben(const QString &APfad, const QStringList &AFach, bool OhneDatumS) {
    TDaten Daten;
    int Status = Rueckgabe::Ok;
    if (!KlasseGeladenOk(APfad, Daten, Status))
        return Status;
    SetWochendatum(!OhneDatumS);
    if (AFach.isEmpty())
        return Ausgabe(Daten.Text().toUtf8());

    const int Nr = Daten.FindeFachNr(AFach.first());
    if (Nr < 0) {
        QStringList Namen;
        for (const auto &Fach : Daten.Liste)
            Namen.append(QStringLiteral("\"%1\"").arg(Fach->Fachname));
        Melden(QStringLiteral("Die Klasse \"%1\" in der Datei \"%2\" hat kein Fach \"%3\".\n%4")
                   .arg(Daten.Klasse, Anzeige(APfad), AFach.first(),
                        Namen.isEmpty() ? QStringLiteral("Sie hat keine Fächer.")
                                        : QStringLiteral("Ihre Fächer: %1.").arg(Namen.join(QStringLiteral(", ")))));
        return Rueckgabe::KeinFach;
    }
    return Ausgabe(Daten.Fach(Nr).Text(Daten.Klasse).toUtf8());
}

QString TagName(const QDate &ADatum) {
    static const char *const Namen[] = {"Montag",  "Dienstag", "Mittwoch", "Donnerstag",
                                        "Freitag", "Samstag",  "Sonntag"};
    const int Tag = ADatum.dayOfWeek();
    if (Tag < 1 || Tag > 7)
        return QString();
    return QStringLiteral("%1, %2.%3.%4")
        .arg(QString::fromUtf8(Namen[Tag - 1]))
        .arg(ADatum.day())
        .arg(ADatum.month())
        .arg(ADatum.year());
}

QString Woche(qint32 ADatum) {
    return QStringLiteral("%1 (Schlüssel %2)").arg(WochenText(ADatum, true)).arg(ADatum);
}

// What a class file may hold but the program does not expect of it: everything that works on the weeks of a
// subject relies on ascending, unique Monday keys, and subject names are told apart without regard to case.
QStringList Hinweise(const TDaten &ADaten) {
    QStringList Liste;
    for (int Nr = 0; Nr < ADaten.Count(); ++Nr) {
        const TFach &Fach = ADaten.Fach(Nr);
        const QString Name = QStringLiteral("Fach %1 \"%2\"").arg(Nr + 1).arg(Fach.Fachname);

        const int Erste = ADaten.FindeFachNr(Fach.Fachname);
        if (Erste >= 0 && Erste < Nr)
            Liste.append(QStringLiteral("%1 heißt ohne Rücksicht auf Groß-/Kleinschreibung wie Fach %2 \"%3\".")
                             .arg(Name)
                             .arg(Erste + 1)
                             .arg(ADaten.Fach(Erste).Fachname));

        QHash<qint32, int> Anzahl;
        for (const TWocheRec &Rec : Fach.WochenDaten)
            ++Anzahl[Rec.Datum];
        for (int K = 0; K < Fach.Count(); ++K) {
            const qint32 Datum = Fach.WochenDaten.at(K).Datum;
            if (K > 0 && Datum < Fach.WochenDaten.at(K - 1).Datum)
                Liste.append(QStringLiteral("%1, Woche %2: %3 steht nach %4; die Wochen sind nicht aufsteigend "
                                            "geordnet.")
                                 .arg(Name)
                                 .arg(K + 1)
                                 .arg(Woche(Datum), Woche(Fach.WochenDaten.at(K - 1).Datum)));
            // Reported once, at the key's first occurrence.
            const int Mal = Anzahl.value(Datum);
            if (Mal > 1) {
                Liste.append(QStringLiteral("%1: die Woche %2 kommt %3-mal vor.").arg(Name, Woche(Datum)).arg(Mal));
                Anzahl.remove(Datum);
            }
            if (WochenMontag(Datum) != Datum)
                Liste.append(QStringLiteral("%1, Woche %2: der Schlüssel %3 ist kein Montag, sondern %4.")
                                 .arg(Name)
                                 .arg(K + 1)
                                 .arg(Datum)
                                 .arg(TagName(DatumVonTag(Datum))));
        }
    }
    return Liste;
}

// Where the program finds the files it ships with: the week sound as the main window plays it, the change list
// as the help menu opens it.
int Ressourcen() {
    const QString Ordner = ProgrammOrdner();
    const QString Wav = RessourcePfad(QStringLiteral("NeueZeile.wav"));
    const QString Liste = Hilfe::ChangeListPfad(Ordner);
    const auto Zeile = [](const QString &AName, const QString &APfad) {
        return QStringLiteral("%1: %2\n")
            .arg(AName, QFileInfo(APfad).isFile() ? Anzeige(APfad) : QStringLiteral("nicht gefunden"));
    };
    const QString Text = QStringLiteral("Programmordner: %1\n").arg(Anzeige(Ordner)) +
                         Zeile(QStringLiteral("NeueZeile.wav"), Wav) + Zeile(Hilfe::ChangeListName, Liste);
    const int Status = Ausgabe(Text.toUtf8());
    if (Status != Rueckgabe::Ok)
        return Status;
    return QFileInfo(Wav).isFile() && !Liste.isEmpty() ? Rueckgabe::Ok : Rueckgabe::Fehler;
}

int Pruefen(const QString &APfad) {
    TDaten Daten;
    int Status = Rueckgabe::Ok;
    if (!KlasseGeladenOk(APfad, Daten, Status))
        return Status;

    QStringList Zeilen;
    Zeilen.append(QStringLiteral("Datei: \"%1\"").arg(Anzeige(APfad)));
    Zeilen.append(QStringLiteral("Klasse: \"%1\"").arg(Daten.Klasse));
    Zeilen.append(QStringLiteral("Fächer: %1").arg(Daten.Count()));
    qint64 Summe = 0;
    for (int Nr = 0; Nr < Daten.Count(); ++Nr) {
        const TFach &Fach = Daten.Fach(Nr);
        Summe += Fach.Count();
        QString Zeile = QStringLiteral("  %1. \"%2\": ").arg(Nr + 1).arg(Fach.Fachname);
        if (Fach.Count() == 0)
            Zeile += QStringLiteral("keine Wochen");
        else if (Fach.Count() == 1)
            Zeile += QStringLiteral("1 Woche, %1").arg(WochenText(Fach.WochenDaten.first().Datum, true));
        else
            Zeile += QStringLiteral("%1 Wochen, erste %2, letzte %3")
                         .arg(Fach.Count())
                         .arg(WochenText(Fach.WochenDaten.first().Datum, true),
                              WochenText(Fach.WochenDaten.last().Datum, true));
        Zeilen.append(Zeile);
    }
    Zeilen.append(QStringLiteral("Wochen insgesamt: %1").arg(Summe));

    const QStringList Liste = Hinweise(Daten);
    for (const QString &Hinweis : Liste)
        Zeilen.append(QStringLiteral("Hinweis: ") + Hinweis);
    if (Liste.isEmpty())
        Zeilen.append(QStringLiteral("Ergebnis: Die Datei ist in Ordnung."));
    else
        Zeilen.append(QStringLiteral("Ergebnis: Die Datei ist lesbar, mit %1 %2.")
                          .arg(Liste.size())
                          .arg(Liste.size() == 1 ? QStringLiteral("Hinweis") : QStringLiteral("Hinweisen")));
    return Ausgabe((Zeilen.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
}

// The parser's own messages are English; ours name the offending argument in German.
QString ParseFehler(const QCommandLineParser &AParser, const QStringList &AArgumente) {
    const QStringList Unbekannt = AParser.unknownOptionNames();
    if (!Unbekannt.isEmpty()) {
        const QString &Name = Unbekannt.first();
        return QStringLiteral("Unbekannte Option \"%1%2\".")
            .arg(Name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), Name);
    }
    for (const QString &Argument : AArgumente.mid(1)) {
        if (Argument == QStringLiteral("--"))
            break;
        if (Argument.startsWith(QStringLiteral("--")) && Argument.contains(QLatin1Char('=')))
            return QStringLiteral("Die Option \"%1\" nimmt keinen Wert an; Dateien und Fach folgen ihr durch "
                                  "Leerzeichen getrennt.")
                .arg(Argument.section(QLatin1Char('='), 0, 0));
    }
    return QStringLiteral("Der Aufruf ist ungültig.");
}

} // namespace

bool IstKommandozeile(int argc, char **argv) {
    for (int I = 1; I < argc; ++I) {
        const char *Argument = argv[I];
        if (std::strncmp(Argument, "--", 2) == 0 || std::strcmp(Argument, "-h") == 0 ||
            std::strcmp(Argument, "-v") == 0 || std::strcmp(Argument, "-?") == 0)
            return true;
    }
    return false;
}

int KommandozeileAusfuehren(int argc, char **argv) {
    int Anzahl = argc;
    QCoreApplication App(Anzahl, argv);

    QCommandLineParser Parser;
    const QCommandLineOption Json(QStringLiteral("json"));
    const QCommandLineOption AusJson(QStringLiteral("aus-json"));
    const QCommandLineOption Text(QStringLiteral("text"));
    const QCommandLineOption OhneDatum(QStringLiteral("ohne-datum"));
    const QCommandLineOption PruefOption(QStringLiteral("pruefen"));
    const QCommandLineOption RessourcenOption(QStringLiteral("ressourcen"));
    const QCommandLineOption Hilfe(QStringList{QStringLiteral("h"), QStringLiteral("?"), QStringLiteral("help")});
    const QCommandLineOption Version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    Parser.addOptions({Json, AusJson, Text, OhneDatum, PruefOption, RessourcenOption, Hilfe, Version});

    const QStringList Argumente = QCoreApplication::arguments();
    if (!Parser.parse(Argumente))
        return Aufruffehler(ParseFehler(Parser, Argumente));
    if (Parser.isSet(Hilfe))
        return Ausgabe(HilfeText());
    if (Parser.isSet(Version))
        return Ausgabe((Programm::Titel + QLatin1Char('\n')).toUtf8());

    const QStringList Rest = Parser.positionalArguments();
    const int Aktionen = int{Parser.isSet(Json)} + int{Parser.isSet(AusJson)} + int{Parser.isSet(Text)} +
                         int{Parser.isSet(PruefOption)} + int{Parser.isSet(RessourcenOption)};
    if (Aktionen == 0)
        return Aufruffehler(QStringLiteral("Keine Aktion angegeben: --json, --aus-json, --text, --pruefen oder --ressourcen."));
    if (Aktionen > 1)
        return Aufruffehler(
            QStringLiteral("Nur eine der Aktionen --json, --aus-json, --text, --pruefen und --ressourcen ist möglich."));
    if (Parser.isSet(OhneDatum) && !Parser.isSet(Text))
        return Aufruffehler(QStringLiteral("Die Option --ohne-datum gilt nur mit --text."));

    if (Parser.isSet(Json)) {
        if (Rest.size() != 1)
            return Aufruffehler(QStringLiteral("--json erwartet genau eine Datei: stundolog --json DATEI"));
        return JsonAusgeben(Rest.first());
    }
    if (Parser.isSet(AusJson)) {
        if (Rest.size() != 2)
            return Aufruffehler(QStringLiteral("--aus-json erwartet zwei Dateien: stundolog --aus-json JSON DATEI"));
        return AusJsonSchreiben(Rest.at(0), Rest.at(1));
    }
    if (Parser.isSet(Text)) {
        if (Rest.isEmpty() || Rest.size() > 2)
            return Aufruffehler(QStringLiteral(
                "--text erwartet eine Datei und höchstens ein Fach: stundolog --text [--ohne-datum] DATEI [FACH]"));
        return TextAusgeben(Rest.first(), Rest.mid(1), Parser.isSet(OhneDatum));
    }
    if (Parser.isSet(RessourcenOption)) {
        if (!Rest.isEmpty())
            return Aufruffehler(QStringLiteral("--ressourcen erwartet keine Datei: stundolog --ressourcen"));
        return Ressourcen();
    }
    if (Rest.size() != 1)
        return Aufruffehler(QStringLiteral("--pruefen erwartet genau eine Datei: stundolog --pruefen DATEI"));
    return Pruefen(Rest.first());
}
