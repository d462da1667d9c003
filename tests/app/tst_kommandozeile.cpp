#include "app/Kommandozeile.h"

#include "Testhilfe.h"
#include "data/Daten.h"
#include "data/Klassendatei.h"

#include <QBuffer>
#include <QDir>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>
#include <vector>

// Runs the built program: every call of the command line with its output and exit status.
class TKommandozeileTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void IstKommandozeileErkennt_data();
    void IstKommandozeileErkennt();
    void VersionUndHilfe_data();
    void VersionUndHilfe();
    void JsonAusgabe_data();
    void JsonAusgabe();
    void TextAusgabe_data();
    void TextAusgabe();
    void Pruefen_data();
    void Pruefen();
    void AusJsonSchreibt_data();
    void AusJsonSchreibt();
    void AusJsonAbgelehnt_data();
    void AusJsonAbgelehnt();
    void Fehlerstatus_data();
    void Fehlerstatus();
    void Aufruffehler_data();
    void Aufruffehler();

private:
    struct TLauf {
        int Status = -1;
        QByteArray Ausgabe;
        QString Fehler;
    };
    // Arguments that begin with "@" name a file in the test's folder.
    QStringList Argumente(const QStringList &AArgumente) const;
    TLauf Starten(const QStringList &AArgumente, const QByteArray &ALocale = "C.UTF-8") const;
    QString Pfad(const QString &AName) const { return FOrdner->filePath(AName); }
    QStringList Eintraege() const;

    std::unique_ptr<QTemporaryDir> FOrdner;
};

namespace {
// Class 5a, subject Deutsch, week 43906 (16 March 2020) with the text Lesen.
const char *const BeispielHex = "00 05 53 47 56 30 31 | 00 02 35 61 | 01 00 00 00 | 00 07 44 65 75 74 73 63 68 | "
                                "01 00 00 00 | 82 00 00 AB | 00 05 4C 65 73 65 6E";

const QByteArray BeispielJson = R"({"Klasse": "5a", "Faecher": [{"Fachname": "Deutsch",
                                   "Wochen": [{"Datum": 43906, "Text": "Lesen"}]}]})";

// Three subjects over three weeks; the texts hold a line break, an umlaut and blanks that the subject
// overview trims and the class overview keeps.
TDaten KlasseFuenfA() {
    return Klasse(
        QStringLiteral("5a"),
        {{QStringLiteral("Deutsch"), {{43899, QStringLiteral("Schreiben\r\nÜben")}, {43906, QStringLiteral("Lesen")}}},
         {QStringLiteral("Mathematik"), {{43906, QStringLiteral("Bruchrechnen")}}},
         {QStringLiteral("Ärztekunde"), {{43892, QStringLiteral(" Puls  ")}}}});
}

// Everything the check reports as a note: weeks out of order, a key twice, a key that is no Monday, two
// subject names that differ only in letter case.
TDaten KlasseMitHinweisen() {
    return Klasse(QStringLiteral("6b"),
                  {{QStringLiteral("Deutsch"),
                    {{43913, QStringLiteral("b")}, {43906, QStringLiteral("a")}, {43913, QStringLiteral("c")}}},
                   {QStringLiteral("Mathe"), {{43907, QStringLiteral("Dienstag")}}},
                   {QStringLiteral("DEUTSCH"), {}}});
}

QByteArray Dateibytes(const TDaten &ADaten) {
    QBuffer Puffer;
    Puffer.open(QIODevice::WriteOnly);
    if (!KlasseSchreiben(ADaten, Puffer))
        return {};
    return Puffer.data();
}

QJsonDocument Json(const QByteArray &AText) {
    QJsonParseError Fehler;
    const QJsonDocument Dokument = QJsonDocument::fromJson(AText, &Fehler);
    if (Fehler.error != QJsonParseError::NoError)
        qWarning("kein JSON: %s\n%s", qPrintable(Fehler.errorString()), AText.left(400).constData());
    return Dokument;
}
} // namespace

void TKommandozeileTest::init() {
    FOrdner = std::make_unique<QTemporaryDir>();
    QVERIFY(FOrdner->isValid());
    const QByteArray Beispiel = AusHex(QString::fromLatin1(BeispielHex));
    QVERIFY(DateiSchreiben(Pfad(QStringLiteral("beispiel.SGV")), Beispiel));
    // Ends inside the last text.
    QVERIFY(DateiSchreiben(Pfad(QStringLiteral("kaputt.SGV")), Beispiel.left(Beispiel.size() - 2)));
    // The magic in lower case.
    QVERIFY(
        DateiSchreiben(Pfad(QStringLiteral("fremd.SGV")), AusHex(QStringLiteral("00 05 73 67 76 30 31 00 02 35 61"))));
    QVERIFY(DateiSchreiben(Pfad(QStringLiteral("5a.SGV")), Dateibytes(KlasseFuenfA())));
    QVERIFY(DateiSchreiben(Pfad(QStringLiteral("hinweise.SGV")), Dateibytes(KlasseMitHinweisen())));
    QVERIFY(DateiSchreiben(Pfad(QStringLiteral("leer.SGV")), Dateibytes(Klasse(QStringLiteral("leer"), {}))));
    QVERIFY(DateiSchreiben(Pfad(QStringLiteral("beispiel.json")), BeispielJson));
}

void TKommandozeileTest::cleanup() {
    FOrdner.reset();
}

QStringList TKommandozeileTest::Argumente(const QStringList &AArgumente) const {
    QStringList Ergebnis;
    for (const QString &Argument : AArgumente)
        Ergebnis.append(Argument.startsWith(QLatin1Char('@')) ? Pfad(Argument.mid(1)) : Argument);
    return Ergebnis;
}

TKommandozeileTest::TLauf TKommandozeileTest::Starten(const QStringList &AArgumente, const QByteArray &ALocale) const {
    QProcess Prozess;
    QProcessEnvironment Umgebung = QProcessEnvironment::systemEnvironment();
    Umgebung.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(ALocale));
    Prozess.setProcessEnvironment(Umgebung);
    Prozess.setWorkingDirectory(FOrdner->path());
    Prozess.start(QStringLiteral(STUNDOLOG_PROGRAMM), Argumente(AArgumente));
    TLauf Lauf;
    if (!Prozess.waitForFinished(60000)) {
        Prozess.kill();
        Prozess.waitForFinished();
        return Lauf;
    }
    if (Prozess.exitStatus() == QProcess::NormalExit)
        Lauf.Status = Prozess.exitCode();
    Lauf.Ausgabe = Prozess.readAllStandardOutput();
    Lauf.Fehler = QString::fromUtf8(Prozess.readAllStandardError());
    return Lauf;
}

QStringList TKommandozeileTest::Eintraege() const {
    return QDir(FOrdner->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

void TKommandozeileTest::IstKommandozeileErkennt_data() {
    QTest::addColumn<QStringList>("Liste");
    QTest::addColumn<bool>("Erwartet");

    QTest::newRow("ohne Argumente") << QStringList() << false;
    QTest::newRow("nur eine Datei") << QStringList{QStringLiteral("5a.SGV")} << false;
    QTest::newRow("Qt-Optionen mit einem Strich")
        << QStringList{QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("-style"),
                       QStringLiteral("fusion")}
        << false;
    QTest::newRow("--json") << QStringList{QStringLiteral("--json"), QStringLiteral("5a.SGV")} << true;
    QTest::newRow("Option nach einer Datei") << QStringList{QStringLiteral("5a.SGV"), QStringLiteral("--text")} << true;
    QTest::newRow("unbekannte lange Option") << QStringList{QStringLiteral("--gibtsnicht")} << true;
    QTest::newRow("-h") << QStringList{QStringLiteral("-h")} << true;
    QTest::newRow("-v") << QStringList{QStringLiteral("-v")} << true;
    QTest::newRow("-?") << QStringList{QStringLiteral("-?")} << true;
    QTest::newRow("-x") << QStringList{QStringLiteral("-x")} << false;
}

void TKommandozeileTest::IstKommandozeileErkennt() {
    QFETCH(QStringList, Liste);
    QFETCH(bool, Erwartet);
    std::vector<QByteArray> Bytes{QByteArray("stundolog")};
    for (const QString &Argument : Liste)
        Bytes.push_back(Argument.toUtf8());
    std::vector<char *> Zeiger;
    for (QByteArray &Argument : Bytes)
        Zeiger.push_back(Argument.data());
    Zeiger.push_back(nullptr);
    QCOMPARE(IstKommandozeile(static_cast<int>(Bytes.size()), Zeiger.data()), Erwartet);
}

void TKommandozeileTest::VersionUndHilfe_data() {
    QTest::addColumn<QStringList>("Aufruf");
    QTest::addColumn<QByteArray>("Ausgabe"); // exactly, or empty: see Teile
    QTest::addColumn<QStringList>("Teile");

    const QStringList Hilfe{QStringLiteral("--json DATEI"),
                            QStringLiteral("--aus-json JSON DATEI"),
                            QStringLiteral("--text [--ohne-datum] DATEI [FACH]"),
                            QStringLiteral("--pruefen DATEI"),
                            QStringLiteral("Rückgabewerte"),
                            QStringLiteral("64"),
                            QStringLiteral("Übersicht")};
    QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << QByteArray("Stundolog V1.01\n")
                               << QStringList();
    QTest::newRow("-v") << QStringList{QStringLiteral("-v")} << QByteArray("Stundolog V1.01\n") << QStringList();
    QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << QByteArray() << Hilfe;
    QTest::newRow("-h") << QStringList{QStringLiteral("-h")} << QByteArray() << Hilfe;
    QTest::newRow("-?") << QStringList{QStringLiteral("-?")} << QByteArray() << Hilfe;
    QTest::newRow("--help geht anderen Optionen vor")
        << QStringList{QStringLiteral("--json"), QStringLiteral("--help")} << QByteArray() << Hilfe;
}

void TKommandozeileTest::VersionUndHilfe() {
    QFETCH(QStringList, Aufruf);
    QFETCH(QByteArray, Ausgabe);
    QFETCH(QStringList, Teile);
    const TLauf Lauf = Starten(Aufruf);
    QCOMPARE(Lauf.Status, 0);
    QCOMPARE(Lauf.Fehler, QString());
    if (!Ausgabe.isEmpty())
        QCOMPARE(Lauf.Ausgabe, Ausgabe);
    const QString Text = QString::fromUtf8(Lauf.Ausgabe);
    for (const QString &Teil : Teile)
        QVERIFY2(Text.contains(Teil), qPrintable(Teil + QStringLiteral(" fehlt in:\n") + Text));
}

void TKommandozeileTest::JsonAusgabe_data() {
    QTest::addColumn<QString>("Datei");
    QTest::addColumn<QByteArray>("Erwartet");

    QTest::newRow("Beispiel") << QStringLiteral("@beispiel.SGV") << BeispielJson;
    QTest::newRow("drei Fächer, Umlaute, Zeilenumbruch")
        << QStringLiteral("@5a.SGV") << QByteArray(R"({"Klasse": "5a", "Faecher": [
               {"Fachname": "Deutsch", "Wochen": [{"Datum": 43899, "Text": "Schreiben\r\n\u00dcben"},
                                                  {"Datum": 43906, "Text": "Lesen"}]},
               {"Fachname": "Mathematik", "Wochen": [{"Datum": 43906, "Text": "Bruchrechnen"}]},
               {"Fachname": "\u00c4rztekunde", "Wochen": [{"Datum": 43892, "Text": " Puls  "}]}]})");
    QTest::newRow("Reihenfolge der Datei, ungeordnet")
        << QStringLiteral("@hinweise.SGV") << QByteArray(R"({"Klasse": "6b", "Faecher": [
               {"Fachname": "Deutsch", "Wochen": [{"Datum": 43913, "Text": "b"}, {"Datum": 43906, "Text": "a"},
                                                  {"Datum": 43913, "Text": "c"}]},
               {"Fachname": "Mathe", "Wochen": [{"Datum": 43907, "Text": "Dienstag"}]},
               {"Fachname": "DEUTSCH", "Wochen": []}]})");
    QTest::newRow("Klasse ohne Fächer") << QStringLiteral("@leer.SGV")
                                        << QByteArray(R"({"Klasse": "leer", "Faecher": []})");
}

void TKommandozeileTest::JsonAusgabe() {
    QFETCH(QString, Datei);
    QFETCH(QByteArray, Erwartet);
    // UTF-8 also where the locale is plain ASCII.
    for (const QByteArray &Locale : {QByteArray("C.UTF-8"), QByteArray("C")}) {
        const TLauf Lauf = Starten({QStringLiteral("--json"), Datei}, Locale);
        QCOMPARE(Lauf.Status, 0);
        QVERIFY(!Json(Lauf.Ausgabe).isNull());
        QCOMPARE(Json(Lauf.Ausgabe), Json(Erwartet));
        // The keys in their fixed order.
        QVERIFY2(Lauf.Ausgabe.startsWith("{\n  \"Klasse\": "), Lauf.Ausgabe.left(80).constData());
    }
}

void TKommandozeileTest::TextAusgabe_data() {
    QTest::addColumn<QStringList>("Aufruf");
    QTest::addColumn<QByteArray>("Ausgabe");

    QTest::newRow("alle Wochen und Fächer") << QStringList{QStringLiteral("--text"), QStringLiteral("@5a.SGV")}
                                            << QByteArray("Klasse: \"5a\"\r\n"
                                                          "\r\n"
                                                          "Woche: 12/2020 (16.-22.3.2020)\r\n"
                                                          "Fach: \"Deutsch\" [Lesen]\r\n"
                                                          "Fach: \"Mathematik\" [Bruchrechnen]\r\n"
                                                          "\r\n"
                                                          "Woche: 11/2020 (9.-15.3.2020)\r\n"
                                                          "Fach: \"Deutsch\" [Schreiben\r\nÜben]\r\n"
                                                          "\r\n"
                                                          "Woche: 10/2020 (2.-8.3.2020)\r\n"
                                                          "Fach: \"Ärztekunde\" [ Puls  ]\r\n");
    QTest::newRow("alle Wochen und Fächer, ohne Datum")
        << QStringList{QStringLiteral("--text"), QStringLiteral("--ohne-datum"), QStringLiteral("@5a.SGV")}
        << QByteArray("Klasse: \"5a\"\r\n"
                      "\r\n"
                      "Woche: 12/2020\r\n"
                      "Fach: \"Deutsch\" [Lesen]\r\n"
                      "Fach: \"Mathematik\" [Bruchrechnen]\r\n"
                      "\r\n"
                      "Woche: 11/2020\r\n"
                      "Fach: \"Deutsch\" [Schreiben\r\nÜben]\r\n"
                      "\r\n"
                      "Woche: 10/2020\r\n"
                      "Fach: \"Ärztekunde\" [ Puls  ]\r\n");
    QTest::newRow("ein Fach, in anderer Schreibung")
        << QStringList{QStringLiteral("--text"), QStringLiteral("@5a.SGV"), QStringLiteral("deutsch")}
        << QByteArray("Klasse: \"5a\"\r\n"
                      "Fach: \"Deutsch\"\r\n"
                      "\r\n"
                      "Woche: 12/2020 (16.-22.3.2020)\r\n"
                      "[Lesen]\r\n"
                      "\r\n"
                      "Woche: 11/2020 (9.-15.3.2020)\r\n"
                      "[Schreiben\r\nÜben]\r\n");
    QTest::newRow("ein Fach mit Umlaut, ohne Datum nach dem Fach")
        << QStringList{QStringLiteral("--text"), QStringLiteral("@5a.SGV"), QStringLiteral("ärztekunde"),
                       QStringLiteral("--ohne-datum")}
        << QByteArray("Klasse: \"5a\"\r\n"
                      "Fach: \"Ärztekunde\"\r\n"
                      "\r\n"
                      "Woche: 10/2020\r\n"
                      "[Puls]\r\n");
    QTest::newRow("ein Fach in Großbuchstaben")
        << QStringList{QStringLiteral("--text"), QStringLiteral("@5a.SGV"), QStringLiteral("MATHEMATIK")}
        << QByteArray("Klasse: \"5a\"\r\n"
                      "Fach: \"Mathematik\"\r\n"
                      "\r\n"
                      "Woche: 12/2020 (16.-22.3.2020)\r\n"
                      "[Bruchrechnen]\r\n");
    QTest::newRow("Klasse ohne Fächer") << QStringList{QStringLiteral("--text"), QStringLiteral("@leer.SGV")}
                                        << QByteArray("Klasse: \"leer\"\r\n");
}

void TKommandozeileTest::TextAusgabe() {
    QFETCH(QStringList, Aufruf);
    QFETCH(QByteArray, Ausgabe);
    for (const QByteArray &Locale : {QByteArray("C.UTF-8"), QByteArray("C")}) {
        const TLauf Lauf = Starten(Aufruf, Locale);
        QCOMPARE(Lauf.Status, 0);
        QCOMPARE(Lauf.Ausgabe, Ausgabe);
    }
}

void TKommandozeileTest::Pruefen_data() {
    QTest::addColumn<QString>("Datei");
    QTest::addColumn<QStringList>("Zeilen");   // each line must appear as it is
    QTest::addColumn<QStringList>("Hinweise"); // per note the parts ("|" between) that its one line holds

    QTest::newRow("in Ordnung") << QStringLiteral("@5a.SGV")
                                << QStringList{QStringLiteral("Klasse: \"5a\""),
                                               QStringLiteral("Fächer: 3"),
                                               QStringLiteral("  1. \"Deutsch\": 2 Wochen, erste 11/2020 "
                                                              "(9.-15.3.2020), letzte 12/2020 (16.-22.3.2020)"),
                                               QStringLiteral("  2. \"Mathematik\": 1 Woche, 12/2020 (16.-22.3.2020)"),
                                               QStringLiteral("  3. \"Ärztekunde\": 1 Woche, 10/2020 (2.-8.3.2020)"),
                                               QStringLiteral("Wochen insgesamt: 4"),
                                               QStringLiteral("Ergebnis: Die Datei ist in Ordnung.")}
                                << QStringList();
    QTest::newRow("Klasse ohne Fächer") << QStringLiteral("@leer.SGV")
                                        << QStringList{QStringLiteral("Klasse: \"leer\""), QStringLiteral("Fächer: 0"),
                                                       QStringLiteral("Wochen insgesamt: 0")}
                                        << QStringList();
    QTest::newRow("mit Hinweisen")
        << QStringLiteral("@hinweise.SGV")
        << QStringList{QStringLiteral("Klasse: \"6b\""), QStringLiteral("  3. \"DEUTSCH\": keine Wochen"),
                       QStringLiteral("Wochen insgesamt: 4")}
        << QStringList{QStringLiteral("Fach 1 \"Deutsch\", Woche 2|43906|43913|nicht aufsteigend"),
                       QStringLiteral("Fach 1 \"Deutsch\"|43913|2-mal"),
                       QStringLiteral("Fach 2 \"Mathe\", Woche 1|43907|kein Montag|Dienstag, 17.3.2020"),
                       QStringLiteral("Fach 3 \"DEUTSCH\"|Fach 1 \"Deutsch\"|Groß-/Kleinschreibung")};
}

void TKommandozeileTest::Pruefen() {
    QFETCH(QString, Datei);
    QFETCH(QStringList, Zeilen);
    QFETCH(QStringList, Hinweise);

    const TLauf Lauf = Starten({QStringLiteral("--pruefen"), Datei});
    QCOMPARE(Lauf.Status, 0);
    QCOMPARE(Lauf.Fehler, QString());
    const QStringList Ausgabe = QString::fromUtf8(Lauf.Ausgabe).split(QLatin1Char('\n'));
    for (const QString &Zeile : Zeilen)
        QVERIFY2(Ausgabe.contains(Zeile), qPrintable(Zeile + QStringLiteral(" fehlt in:\n") + Ausgabe.join('\n')));

    const QStringList Gemeldet = Ausgabe.filter(QRegularExpression(QStringLiteral("^Hinweis: ")));
    QCOMPARE(Gemeldet.size(), Hinweise.size());
    for (const QString &Hinweis : Hinweise) {
        const QStringList Teile = Hinweis.split(QLatin1Char('|'));
        const bool GefundenS = std::any_of(Gemeldet.begin(), Gemeldet.end(), [&](const QString &AZeile) {
            return std::all_of(Teile.begin(), Teile.end(),
                               [&](const QString &ATeil) { return AZeile.contains(ATeil); });
        });
        QVERIFY2(GefundenS, qPrintable(Hinweis + QStringLiteral(" fehlt in:\n") + Gemeldet.join('\n')));
    }
    if (!Hinweise.isEmpty())
        QVERIFY2(
            Ausgabe.contains(QStringLiteral("Ergebnis: Die Datei ist lesbar, mit %1 Hinweisen.").arg(Hinweise.size())),
            Lauf.Ausgabe.constData());
}

void TKommandozeileTest::AusJsonSchreibt_data() {
    QTest::addColumn<QByteArray>("Eingabe");
    QTest::addColumn<QByteArray>("Bytes");
    QTest::addColumn<bool>("ZielVorhanden");

    const QByteArray Beispiel = AusHex(QString::fromLatin1(BeispielHex));
    QTest::newRow("Beispiel") << BeispielJson << Beispiel << false;
    QTest::newRow("Beispiel über eine vorhandene Datei") << BeispielJson << Beispiel << true;

    const TDaten Gemischt = Klasse(QStringLiteral("Ä\"b\\"),
                                   {{QStringLiteral("ohne Wochen"), {}},
                                    {QString(), {{-2147483647 - 1, QStringLiteral("\r\n\t\x01ÿ")}, {0, QString()}}},
                                    {QStringLiteral("A"), {{2147483647, QStringLiteral("zuletzt")}}}});
    QTest::newRow("Fach ohne Wochen, Steuerzeichen, Grenzen")
        << QByteArray(R"({"Klasse": "\u00c4\"b\\", "Faecher": [{"Fachname": "ohne Wochen", "Wochen": []},
               {"Fachname": "", "Wochen": [{"Datum": -2147483648, "Text": "\r\n\t\u0001\u00ff"},
                                           {"Datum": 0, "Text": ""}]},
               {"Fachname": "A", "Wochen": [{"Datum": 2147483647, "Text": "zuletzt"}]}]})")
        << Dateibytes(Gemischt) << false;
}

void TKommandozeileTest::AusJsonSchreibt() {
    QFETCH(QByteArray, Eingabe);
    QFETCH(QByteArray, Bytes);
    QFETCH(bool, ZielVorhanden);
    QVERIFY(!Bytes.isEmpty());

    QVERIFY(DateiSchreiben(Pfad(QStringLiteral("ein.json")), Eingabe));
    if (ZielVorhanden)
        QVERIFY(DateiSchreiben(Pfad(QStringLiteral("neu.SGV")), DateiInhalt(Pfad(QStringLiteral("5a.SGV")))));
    const TLauf Schreiben =
        Starten({QStringLiteral("--aus-json"), QStringLiteral("@ein.json"), QStringLiteral("@neu.SGV")});
    QCOMPARE(Schreiben.Status, 0);
    QCOMPARE(Schreiben.Fehler, QString());
    QCOMPARE(Schreiben.Ausgabe, QByteArray());
    QCOMPARE(AlsHex(DateiInhalt(Pfad(QStringLiteral("neu.SGV")))), AlsHex(Bytes));

    const TLauf Lesen = Starten({QStringLiteral("--json"), QStringLiteral("@neu.SGV")});
    QCOMPARE(Lesen.Status, 0);
    QCOMPARE(Json(Lesen.Ausgabe), Json(Eingabe));
}

// Nothing is written, an existing class file keeps its bytes, and no temporary file is left behind.
void TKommandozeileTest::AusJsonAbgelehnt_data() {
    QTest::addColumn<QByteArray>("Eingabe"); // null: no JSON file at all
    QTest::addColumn<bool>("ZielVorhanden");
    QTest::addColumn<QStringList>("Teile");

    const QByteArray Euro = "{\"Klasse\": \"5a\", \"Faecher\": [{\"Fachname\": \"Deutsch\", \"Wochen\": "
                            "[{\"Datum\": 43906, \"Text\": \"5 \xE2\x82\xAC\"}]}]}";
    const QStringList EuroTeile{QStringLiteral("ein.json"), QStringLiteral("Faecher[0].Wochen[0].Text"),
                                QStringLiteral("U+20AC \"€\"")};
    QTest::newRow("Euro im Text") << Euro << false << EuroTeile;
    QTest::newRow("Euro im Text, Datei vorhanden") << Euro << true << EuroTeile;
    QTest::newRow("Fachname jenseits von U+00FF")
        << QByteArray(R"({"Klasse": "5a", "Faecher": [{"Fachname": "\u0100", "Wochen": []}]})") << true
        << QStringList{QStringLiteral("Faecher[0].Fachname"), QStringLiteral("U+0100")};
    QTest::newRow("kein JSON") << QByteArray("{\"Klasse\": ") << true
                               << QStringList{QStringLiteral("ein.json"), QStringLiteral("JSON")};
    QTest::newRow("Datum kein Integer")
        << QByteArray(R"({"Klasse": "5a", "Faecher": [{"Fachname": "D", "Wochen": [{"Datum": 1.5, "Text": ""}]}]})")
        << true << QStringList{QStringLiteral("Faecher[0].Wochen[0].Datum")};
    QTest::newRow("JSON-Datei fehlt") << QByteArray() << true
                                      << QStringList{QStringLiteral("ein.json"),
                                                     QStringLiteral("konnte nicht gelesen werden")};
}

void TKommandozeileTest::AusJsonAbgelehnt() {
    QFETCH(QByteArray, Eingabe);
    QFETCH(bool, ZielVorhanden);
    QFETCH(QStringList, Teile);

    if (!Eingabe.isNull())
        QVERIFY(DateiSchreiben(Pfad(QStringLiteral("ein.json")), Eingabe));
    const QByteArray Alt = DateiInhalt(Pfad(QStringLiteral("5a.SGV")));
    if (ZielVorhanden)
        QVERIFY(DateiSchreiben(Pfad(QStringLiteral("neu.SGV")), Alt));
    const QStringList Vorher = Eintraege();

    const TLauf Lauf = Starten({QStringLiteral("--aus-json"), QStringLiteral("@ein.json"), QStringLiteral("@neu.SGV")});
    QCOMPARE(Lauf.Status, 1);
    QCOMPARE(Lauf.Ausgabe, QByteArray());
    for (const QString &Teil : Teile)
        QVERIFY2(Lauf.Fehler.contains(Teil), qPrintable(Teil + QStringLiteral(" fehlt in: ") + Lauf.Fehler));
    QCOMPARE(Eintraege(), Vorher);
    if (ZielVorhanden)
        QCOMPARE(AlsHex(DateiInhalt(Pfad(QStringLiteral("neu.SGV")))), AlsHex(Alt));
}

void TKommandozeileTest::Fehlerstatus_data() {
    QTest::addColumn<QStringList>("Aufruf");
    QTest::addColumn<int>("Status");
    QTest::addColumn<QStringList>("Teile");

    const struct {
        const char *Name;
        const char *Datei;
        int Status;
        QStringList Teile;
    } Dateien[] = {
        {"fehlt",
         "fehlt.SGV",
         1,
         {QStringLiteral("Die Datei \""), QStringLiteral("fehlt.SGV\" konnte nicht gelesen werden.")}},
        {"beschädigt", "kaputt.SGV", 1, {QStringLiteral("kaputt.SGV"), QStringLiteral("beschädigt")}},
        {"unbekanntes Format", "fremd.SGV", 2, {QStringLiteral("fremd.SGV"), QStringLiteral("unbekannt")}},
        {"Ordner", "", 1, {QStringLiteral("konnte nicht gelesen werden")}},
    };
    for (const char *Aktion : {"--json", "--text", "--pruefen"}) {
        for (const auto &Fall : Dateien)
            QTest::addRow("%s, %s", Aktion, Fall.Name)
                << QStringList{QString::fromLatin1(Aktion), QLatin1Char('@') + QString::fromLatin1(Fall.Datei)}
                << Fall.Status << Fall.Teile;
    }
    QTest::newRow("--text, kein solches Fach")
        << QStringList{QStringLiteral("--text"), QStringLiteral("@5a.SGV"), QStringLiteral("Physik")} << 3
        << QStringList{QStringLiteral("\"Physik\""), QStringLiteral("5a.SGV"), QStringLiteral("\"Deutsch\"")};
    QTest::newRow("--text, Klasse ohne Fächer")
        << QStringList{QStringLiteral("--text"), QStringLiteral("@leer.SGV"), QStringLiteral("Deutsch")} << 3
        << QStringList{QStringLiteral("\"Deutsch\"")};
    QTest::newRow("--text, kein Fach, Datei fehlt")
        << QStringList{QStringLiteral("--text"), QStringLiteral("@fehlt.SGV"), QStringLiteral("Physik")} << 1
        << QStringList{QStringLiteral("fehlt.SGV")};
    QTest::newRow("--aus-json in einen fehlenden Ordner")
        << QStringList{QStringLiteral("--aus-json"), QStringLiteral("@beispiel.json"), QStringLiteral("@fehlt/neu.SGV")}
        << 1 << QStringList{QStringLiteral("neu.SGV"), QStringLiteral("\"5a\"")};
}

void TKommandozeileTest::Fehlerstatus() {
    QFETCH(QStringList, Aufruf);
    QFETCH(int, Status);
    QFETCH(QStringList, Teile);

    const TLauf Lauf = Starten(Aufruf);
    QCOMPARE(Lauf.Status, Status);
    QCOMPARE(Lauf.Ausgabe, QByteArray());
    for (const QString &Teil : Teile)
        QVERIFY2(Lauf.Fehler.contains(Teil), qPrintable(Teil + QStringLiteral(" fehlt in: ") + Lauf.Fehler));
}

void TKommandozeileTest::Aufruffehler_data() {
    QTest::addColumn<QStringList>("Aufruf");
    QTest::addColumn<QString>("Teil");

    QTest::newRow("unbekannte Option") << QStringList{QStringLiteral("--gibtsnicht"), QStringLiteral("@5a.SGV")}
                                       << QStringLiteral("--gibtsnicht");
    QTest::newRow("unbekannte kurze Option neben einer bekannten")
        << QStringList{QStringLiteral("-x"), QStringLiteral("--json"), QStringLiteral("@5a.SGV")}
        << QStringLiteral("-x");
    QTest::newRow("--json ohne Datei") << QStringList{QStringLiteral("--json")} << QStringLiteral("--json");
    QTest::newRow("--json mit zwei Dateien")
        << QStringList{QStringLiteral("--json"), QStringLiteral("@5a.SGV"), QStringLiteral("@leer.SGV")}
        << QStringLiteral("--json");
    QTest::newRow("--json=DATEI") << QStringList{QStringLiteral("--json=5a.SGV")} << QStringLiteral("--json");
    QTest::newRow("--aus-json mit einer Datei")
        << QStringList{QStringLiteral("--aus-json"), QStringLiteral("@beispiel.json")} << QStringLiteral("--aus-json");
    QTest::newRow("--text ohne Datei") << QStringList{QStringLiteral("--text")} << QStringLiteral("--text");
    QTest::newRow("--text mit drei Angaben") << QStringList{QStringLiteral("--text"), QStringLiteral("@5a.SGV"),
                                                            QStringLiteral("Deutsch"), QStringLiteral("Mathematik")}
                                             << QStringLiteral("--text");
    QTest::newRow("--pruefen ohne Datei") << QStringList{QStringLiteral("--pruefen")} << QStringLiteral("--pruefen");
    QTest::newRow("zwei Aktionen") << QStringList{QStringLiteral("--json"), QStringLiteral("--pruefen"),
                                                  QStringLiteral("@5a.SGV")}
                                   << QStringLiteral("--pruefen");
    QTest::newRow("--ohne-datum ohne --text")
        << QStringList{QStringLiteral("--json"), QStringLiteral("--ohne-datum"), QStringLiteral("@5a.SGV")}
        << QStringLiteral("--ohne-datum");
    QTest::newRow("keine Aktion") << QStringList{QStringLiteral("--"), QStringLiteral("@5a.SGV")}
                                  << QStringLiteral("Aktion");
}

void TKommandozeileTest::Aufruffehler() {
    QFETCH(QStringList, Aufruf);
    QFETCH(QString, Teil);

    const TLauf Lauf = Starten(Aufruf);
    QCOMPARE(Lauf.Status, 64);
    QCOMPARE(Lauf.Ausgabe, QByteArray());
    QVERIFY2(Lauf.Fehler.contains(Teil), qPrintable(Lauf.Fehler));
    QVERIFY2(Lauf.Fehler.contains(QStringLiteral("stundolog --help")), qPrintable(Lauf.Fehler));
}

QTEST_GUILESS_MAIN(TKommandozeileTest)
#include "tst_kommandozeile.moc"
