#include "data/Daten.h"

#include "data/Kalender.h"
#include "Testhilfe.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

Q_DECLARE_METATYPE(TDaten)
Q_DECLARE_METATYPE(TFach)

class TUebersichtTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void FachTextBeispiel();
    void DatenTextBeispiel();
    void FachText_data();
    void FachText();
    void Wochentext_data();
    void Wochentext();
    void DatenText_data();
    void DatenText();
    void DatenTextUngeordneteWochen_data();
    void DatenTextUngeordneteWochen();
    void DatenTextZufaelligeKlassen();
    void WochenListe_data();
    void WochenListe();
    void FachnamenListe_data();
    void FachnamenListe();

private:
    bool FWochendatumVorher = true;
};

namespace {
const QString Zeilenende = QStringLiteral("\r\n");

// The lines of an overview, each ended by CR LF.
QString AlsText(const QStringList &AZeilen) {
    QString Text;
    for (const QString &Zeile : AZeilen)
        Text += Zeile + Zeilenende;
    return Text;
}

TFach Fach(const QString &AFachname, const QList<TWocheRec> &AWochen) {
    TFach Neu;
    Neu.Fachname = AFachname;
    Neu.WochenDaten = AWochen;
    return Neu;
}

// Week texts of the fixtures, long and short.
const QString W11 = QStringLiteral("Woche: 11/2020 (9.-15.3.2020)");
const QString W12 = QStringLiteral("Woche: 12/2020 (16.-22.3.2020)");
const QString W13 = QStringLiteral("Woche: 13/2020 (23.-29.3.2020)");
const QString W14 = QStringLiteral("Woche: 14/2020 (30.3.-5.4.2020)");
const QString W07 = QStringLiteral("Woche: 7/2020 (10.-16.2.2020)");
const QString W01 = QStringLiteral("Woche: 1/2019-2020 (30.12.2019-5.1.2020)");
const QString W2099 = QStringLiteral("Woche: 12/2099 (16.-22.3.2099)");
constexpr qint32 Maerz09 = 43899;
constexpr qint32 Maerz16 = 43906;
constexpr qint32 Maerz23 = 43913;
constexpr qint32 Maerz30 = 43920;
constexpr qint32 Februar10 = 43871;
constexpr qint32 Dezember30 = 43829;
constexpr qint32 Maerz2099 = 72760;
} // namespace

void TUebersichtTest::initTestCase() {
    FWochendatumVorher = Wochendatum();
}

void TUebersichtTest::init() {
    SetWochendatum(true);
}

void TUebersichtTest::cleanupTestCase() {
    SetWochendatum(FWochendatumVorher);
}

void TUebersichtTest::FachTextBeispiel() {
    const TFach Deutsch = Fach("Deutsch", {{Maerz09, "Schreiben"}, {Maerz16, "Lesen"}});
    QCOMPARE(Deutsch.Text("5a").toUtf8(), QByteArray("Klasse: \"5a\"\r\n"
                                                     "Fach: \"Deutsch\"\r\n"
                                                     "\r\n"
                                                     "Woche: 12/2020 (16.-22.3.2020)\r\n"
                                                     "[Lesen]\r\n"
                                                     "\r\n"
                                                     "Woche: 11/2020 (9.-15.3.2020)\r\n"
                                                     "[Schreiben]\r\n"));
}

void TUebersichtTest::DatenTextBeispiel() {
    const TDaten Daten = Klasse(
        "5a", {{"Deutsch", {{Maerz09, "Schreiben"}, {Maerz16, "Lesen"}}}, {"Mathematik", {{Maerz16, "Bruchrechnen"}}}});
    QCOMPARE(Daten.Text().toUtf8(), QByteArray("Klasse: \"5a\"\r\n"
                                               "\r\n"
                                               "Woche: 12/2020 (16.-22.3.2020)\r\n"
                                               "Fach: \"Deutsch\" [Lesen]\r\n"
                                               "Fach: \"Mathematik\" [Bruchrechnen]\r\n"
                                               "\r\n"
                                               "Woche: 11/2020 (9.-15.3.2020)\r\n"
                                               "Fach: \"Deutsch\" [Schreiben]\r\n"));
}

void TUebersichtTest::FachText_data() {
    QTest::addColumn<TFach>("Eingabe");
    QTest::addColumn<QString>("Klasse");
    QTest::addColumn<bool>("MitDatum");
    QTest::addColumn<QStringList>("Zeilen");

    QTest::newRow("ohne Wochen: nur der Kopf")
        << Fach("Deutsch", {}) << "5a" << true << QStringList{"Klasse: \"5a\"", "Fach: \"Deutsch\""};
    QTest::newRow("kurze Wochentexte")
        << Fach("Mathematik", {{Dezember30, "Zahlen"}, {Maerz30, "Brüche"}}) << "10b" << false
        << QStringList{
               "Klasse: \"10b\"", "Fach: \"Mathematik\"", "", "Woche: 14/2020", "[Brüche]", "", "Woche: 1/2019-2020",
               "[Zahlen]"};
    QTest::newRow("Namen wie eingegeben") << Fach("Ärztekunde", {{Maerz16, "x"}}) << "" << true
                                          << QStringList{"Klasse: \"\"", "Fach: \"Ärztekunde\"", "", W12, "[x]"};
    // The subject overview walks the weeks from the last to the first as they are stored.
    QTest::newRow("gespeicherte Reihenfolge rückwärts")
        << Fach("Deutsch", {{Maerz16, "B"}, {Maerz09, "A"}, {Maerz23, "C"}}) << "5a" << true
        << QStringList{"Klasse: \"5a\"", "Fach: \"Deutsch\"", "", W13, "[C]", "", W11, "[A]", "", W12, "[B]"};
}

void TUebersichtTest::FachText() {
    QFETCH(TFach, Eingabe);
    QFETCH(QString, Klasse);
    QFETCH(bool, MitDatum);
    QFETCH(QStringList, Zeilen);

    SetWochendatum(MitDatum);
    QCOMPARE(Eingabe.Text(Klasse), AlsText(Zeilen));
}

// How one stored week text comes out: trimmed between the brackets of the subject overview, as stored in
// the class overview.
void TUebersichtTest::Wochentext_data() {
    QTest::addColumn<QString>("Gespeichert");
    QTest::addColumn<QStringList>("Klammer");

    QTest::newRow("leer") << QString() << QStringList{"[]"};
    QTest::newRow("nur Leerzeichen") << QStringLiteral("   ") << QStringList{"[]"};
    QTest::newRow("nur Tab und Zeilenumbruch") << QStringLiteral("\t\r\n") << QStringList{"[]"};
    QTest::newRow("Zeilenumbruch: zwei Zeilen in einer Klammer")
        << QStringLiteral("Lesen\r\nSchreiben") << QStringList{"[Lesen", "Schreiben]"};
    QTest::newRow("innere Leerzeile bleibt")
        << QStringLiteral("Lesen\r\n\r\nSchreiben\r\n") << QStringList{"[Lesen", "", "Schreiben]"};
    QTest::newRow("Tabs und Umbrüche an den Enden") << QStringLiteral("\t\r\n Lesen \r\n\t") << QStringList{"[Lesen]"};
    QTest::newRow("Steuerzeichen an den Enden")
        << QString(QChar(0x01)) + QChar(0x1F) + QStringLiteral(" Lesen") + QChar(0x0B) + QChar(0x00)
        << QStringList{"[Lesen]"};
    QTest::newRow("innere Leerzeichen bleiben")
        << QStringLiteral("  Lesen  und\tSchreiben  ") << QStringList{"[Lesen  und\tSchreiben]"};
    QTest::newRow("geschütztes Leerzeichen bleibt")
        << QStringLiteral("\u00A0Lesen\u00A0") << QStringList{QStringLiteral("[\u00A0Lesen\u00A0]")};
    QTest::newRow("U+0085 und U+3000 bleiben")
        << QStringLiteral("\u0085Lesen\u3000") << QStringList{QStringLiteral("[\u0085Lesen\u3000]")};
    QTest::newRow("DEL bleibt") << QStringLiteral("\x7FLesen\x7F") << QStringList{"[\x7FLesen\x7F]"};
    QTest::newRow("Klammern im Text") << QStringLiteral("[a] \"b\"") << QStringList{"[[a] \"b\"]"};
}

void TUebersichtTest::Wochentext() {
    QFETCH(QString, Gespeichert);
    QFETCH(QStringList, Klammer);

    const TDaten Daten = Klasse("5a", {{"Deutsch", {{Maerz16, Gespeichert}}}});
    QCOMPARE(Daten.Fach(0).Text("5a"), AlsText(QStringList{"Klasse: \"5a\"", "Fach: \"Deutsch\"", "", W12} + Klammer));
    QCOMPARE(Daten.Text(), AlsText({"Klasse: \"5a\"", "", W12}) + QStringLiteral("Fach: \"Deutsch\" [") + Gespeichert +
                               QStringLiteral("]") + Zeilenende);
}

void TUebersichtTest::DatenText_data() {
    QTest::addColumn<TDaten>("Daten");
    QTest::addColumn<bool>("MitDatum");
    QTest::addColumn<QStringList>("Zeilen");

    QTest::newRow("Woche nur in einem Fach")
        << Klasse("5a", {{"Deutsch", {{Maerz09, "Schreiben"}, {Maerz16, "Lesen"}}},
                         {"Mathematik", {{Maerz16, "Brüche"}, {Maerz23, "Dezimalzahlen"}}}})
        << true
        << QStringList{"Klasse: \"5a\"",
                       "",
                       W13,
                       "Fach: \"Mathematik\" [Dezimalzahlen]",
                       "",
                       W12,
                       "Fach: \"Deutsch\" [Lesen]",
                       "Fach: \"Mathematik\" [Brüche]",
                       "",
                       W11,
                       "Fach: \"Deutsch\" [Schreiben]"};
    QTest::newRow("Lücken ohne Leerzeilen")
        << Klasse("5a", {{"Deutsch", {{Februar10, "Februar"}, {Maerz30, "April"}}}}) << true
        << QStringList{"Klasse: \"5a\"", "", W14, "Fach: \"Deutsch\" [April]", "", W07, "Fach: \"Deutsch\" [Februar]"};
    QTest::newRow("Fächer in Listenreihenfolge")
        << Klasse("5a", {{"Mathematik", {{Maerz16, "M"}}}, {"Deutsch", {{Maerz16, "D"}}}}) << true
        << QStringList{"Klasse: \"5a\"", "", W12, "Fach: \"Mathematik\" [M]", "Fach: \"Deutsch\" [D]"};
    QTest::newRow("Text wie gespeichert, auch mit Umbruch")
        << Klasse("5a", {{"Deutsch", {{Maerz16, " Lesen\r\nSchreiben "}}}}) << true
        << QStringList{"Klasse: \"5a\"", "", W12, "Fach: \"Deutsch\" [ Lesen", "Schreiben ]"};
    QTest::newRow("ohne Fächer") << Klasse("5a", {}) << true << QStringList{"Klasse: \"5a\""};
    QTest::newRow("nur leere Fächer") << Klasse("5a", {{"Deutsch", {}}, {"Mathematik", {}}}) << true
                                      << QStringList{"Klasse: \"5a\""};

    // An empty subject must not bring today's date into the walk: the overview lists exactly the weeks
    // the subjects hold, whether they lie before today, after it or on both sides.
    const QList<TFachVorlage> BeideSeiten = {
        {"Biologie", {}}, {"Deutsch", {{Dezember30, "Anfang"}, {Maerz16, "Lesen"}, {Maerz2099, "Zukunft"}}},
        {"Kunst", {}},    {"Mathematik", {{Maerz23, "Brüche"}}},
        {"Sport", {}},
    };
    QTest::newRow("leere Fächer, Wochen vor und nach heute") << Klasse("5a", BeideSeiten) << true
                                                             << QStringList{"Klasse: \"5a\"",
                                                                            "",
                                                                            W2099,
                                                                            "Fach: \"Deutsch\" [Zukunft]",
                                                                            "",
                                                                            W13,
                                                                            "Fach: \"Mathematik\" [Brüche]",
                                                                            "",
                                                                            W12,
                                                                            "Fach: \"Deutsch\" [Lesen]",
                                                                            "",
                                                                            W01,
                                                                            "Fach: \"Deutsch\" [Anfang]"};
    QTest::newRow("leere Fächer, Wochen vor und nach heute, kurz") << Klasse("5a", BeideSeiten) << false
                                                                   << QStringList{"Klasse: \"5a\"",
                                                                                  "",
                                                                                  "Woche: 12/2099",
                                                                                  "Fach: \"Deutsch\" [Zukunft]",
                                                                                  "",
                                                                                  "Woche: 13/2020",
                                                                                  "Fach: \"Mathematik\" [Brüche]",
                                                                                  "",
                                                                                  "Woche: 12/2020",
                                                                                  "Fach: \"Deutsch\" [Lesen]",
                                                                                  "",
                                                                                  "Woche: 1/2019-2020",
                                                                                  "Fach: \"Deutsch\" [Anfang]"};
    QTest::newRow("leeres Fach, Wochen vor heute")
        << Klasse("5a", {{"Deutsch", {{Maerz09, "A"}, {Maerz16, "B"}}}, {"Mathematik", {}}}) << true
        << QStringList{"Klasse: \"5a\"", "", W12, "Fach: \"Deutsch\" [B]", "", W11, "Fach: \"Deutsch\" [A]"};
    QTest::newRow("leeres Fach, Wochen vor heute, kurz")
        << Klasse("5a", {{"Deutsch", {{Maerz09, "A"}, {Maerz16, "B"}}}, {"Mathematik", {}}}) << false
        << QStringList{"Klasse: \"5a\"",       "", "Woche: 12/2020", "Fach: \"Deutsch\" [B]", "", "Woche: 11/2020",
                       "Fach: \"Deutsch\" [A]"};
    QTest::newRow("leeres Fach, Woche nach heute")
        << Klasse("5a", {{"Aaa", {}}, {"Deutsch", {{Maerz2099, "Zukunft"}}}}) << true
        << QStringList{"Klasse: \"5a\"", "", W2099, "Fach: \"Deutsch\" [Zukunft]"};
}

void TUebersichtTest::DatenText() {
    QFETCH(TDaten, Daten);
    QFETCH(bool, MitDatum);
    QFETCH(QStringList, Zeilen);

    SetWochendatum(MitDatum);
    QCOMPARE(Daten.Text(), AlsText(Zeilen));
}

// A file may hold a subject's weeks out of order. A subject holds week k when FindeDatumNr(k) finds it,
// and the overview shows the week at that position: a week behind a greater key is not found.
void TUebersichtTest::DatenTextUngeordneteWochen_data() {
    QTest::addColumn<TDaten>("Daten");
    QTest::addColumn<QList<qint32>>("NichtGefunden"); // keys of the first subject that FindeDatumNr misses
    QTest::addColumn<QStringList>("Zeilen");

    QTest::newRow("spätere kleinere Woche fehlt")
        << Klasse("5a", {{"Deutsch", {{Maerz16, "Lesen"}, {Maerz09, "Schreiben"}}}}) << QList<qint32>{Maerz09}
        << QStringList{"Klasse: \"5a\"", "", W12, "Fach: \"Deutsch\" [Lesen]"};
    QTest::newRow("gefundene und verlorene Wochen gemischt")
        << Klasse("5a", {{"Deutsch", {{Maerz09, "A"}, {Maerz23, "C"}, {Maerz16, "B"}, {Maerz30, "D"}}}})
        << QList<qint32>{Maerz16} << QStringList{"Klasse: \"5a\"",        "", W14, "Fach: \"Deutsch\" [D]", "", W13,
                                                 "Fach: \"Deutsch\" [C]", "", W11, "Fach: \"Deutsch\" [A]"};
    QTest::newRow("ein anderes Fach hält die verlorene Woche")
        << Klasse("5a",
                  {{"Deutsch", {{Maerz16, "Lesen"}, {Maerz09, "Schreiben"}}}, {"Mathematik", {{Maerz09, "Brüche"}}}})
        << QList<qint32>{Maerz09}
        << QStringList{
               "Klasse: \"5a\"", "", W12, "Fach: \"Deutsch\" [Lesen]", "", W11, "Fach: \"Mathematik\" [Brüche]"};
    QTest::newRow("doppelter Schlüssel: die erste Woche zählt")
        << Klasse("5a", {{"Deutsch", {{Maerz16, "Erste"}, {Maerz16, "Zweite"}}}}) << QList<qint32>{}
        << QStringList{"Klasse: \"5a\"", "", W12, "Fach: \"Deutsch\" [Erste]"};
    QTest::newRow("Schlüssel, der kein Montag ist")
        << Klasse("5a", {{"Deutsch", {{Maerz16, "Montag"}, {Maerz16 + 1, "Dienstag"}}}}) << QList<qint32>{}
        << QStringList{"Klasse: \"5a\"",
                       "",
                       "Woche: 12/2020 (17.-23.3.2020)",
                       "Fach: \"Deutsch\" [Dienstag]",
                       "",
                       W12,
                       "Fach: \"Deutsch\" [Montag]"};
}

void TUebersichtTest::DatenTextUngeordneteWochen() {
    QFETCH(TDaten, Daten);
    QFETCH(QList<qint32>, NichtGefunden);
    QFETCH(QStringList, Zeilen);

    for (const qint32 Woche : NichtGefunden)
        QCOMPARE(Daten.Fach(0).FindeDatumNr(Woche), -1);
    QCOMPARE(Daten.Text(), AlsText(Zeilen));
}

// Many small classes, sorted and out of order, with repeated keys, against the plain reading of the rule:
// every key any subject stores, newest first, and per key the subjects whose FindeDatumNr finds it.
void TUebersichtTest::DatenTextZufaelligeKlassen() {
    QRandomGenerator Zufall(20200316);
    for (int Runde = 0; Runde < 500; ++Runde) {
        TDaten Daten;
        Daten.Klasse = QStringLiteral("K%1").arg(Runde);
        const int Faecher = static_cast<int>(Zufall.bounded(5));
        for (int FachNr = 0; FachNr < Faecher; ++FachNr) {
            TFach Neu;
            Neu.Fachname = QStringLiteral("F%1").arg(FachNr);
            const int Wochen = static_cast<int>(Zufall.bounded(8));
            for (int Nr = 0; Nr < Wochen; ++Nr) {
                qint32 Woche = Februar10 + 7 * static_cast<qint32>(Zufall.bounded(10));
                if (Zufall.bounded(10) == 0)
                    Woche += static_cast<qint32>(Zufall.bounded(1, 7));
                Neu.Add(Woche, QStringLiteral("T%1.%2").arg(FachNr).arg(Nr));
            }
            if (Zufall.bounded(2) == 0)
                Neu.Sort();
            Daten.Add(Neu);
        }

        QList<qint32> Schluessel;
        for (const auto &Eintrag : Daten.Liste) {
            for (const TWocheRec &Woche : Eintrag->WochenDaten)
                Schluessel.append(Woche.Datum);
        }
        std::sort(Schluessel.begin(), Schluessel.end(), std::greater<>());
        Schluessel.erase(std::unique(Schluessel.begin(), Schluessel.end()), Schluessel.end());

        QString Erwartet = QStringLiteral("Klasse: \"") + Daten.Klasse + QStringLiteral("\"") + Zeilenende;
        for (const qint32 Woche : Schluessel) {
            bool ErsterS = true;
            for (const auto &Eintrag : Daten.Liste) {
                const int Nr = Eintrag->FindeDatumNr(Woche);
                if (Nr < 0)
                    continue;
                if (ErsterS)
                    Erwartet += Zeilenende + QStringLiteral("Woche: ") + WochenText(Woche) + Zeilenende;
                ErsterS = false;
                Erwartet += QStringLiteral("Fach: \"") + Eintrag->Fachname + QStringLiteral("\" [") +
                            Eintrag->WochenDaten.at(Nr).Text + QStringLiteral("]") + Zeilenende;
            }
        }
        QCOMPARE(Daten.Text(), Erwartet);
    }
}

void TUebersichtTest::WochenListe_data() {
    QTest::addColumn<TFach>("Eingabe");
    QTest::addColumn<bool>("MitDatum");
    QTest::addColumn<QString>("Erwartet");

    const TFach Aufsteigend = Fach("Deutsch", {{Maerz09, "A"}, {Maerz16, "B"}, {Maerz30, "C"}});
    QTest::newRow("absteigend") << Aufsteigend << true
                                << "14/2020 (30.3.-5.4.2020)\r\n12/2020 (16.-22.3.2020)\r\n11/2020 (9.-15.3.2020)\r\n";
    QTest::newRow("absteigend, kurz") << Aufsteigend << false << "14/2020\r\n12/2020\r\n11/2020\r\n";
    QTest::newRow("eine Woche") << Fach("Deutsch", {{Dezember30, ""}}) << true
                                << "1/2019-2020 (30.12.2019-5.1.2020)\r\n";
    // Line i stands for the week at position Count - 1 - i, also when the weeks are out of order.
    QTest::newRow("gespeicherte Reihenfolge rückwärts")
        << Fach("Deutsch", {{Maerz16, "B"}, {Maerz09, "A"}}) << false << "11/2020\r\n12/2020\r\n";
    QTest::newRow("ohne Wochen") << Fach("Deutsch", {}) << true << QString();
}

void TUebersichtTest::WochenListe() {
    QFETCH(TFach, Eingabe);
    QFETCH(bool, MitDatum);
    QFETCH(QString, Erwartet);

    SetWochendatum(MitDatum);
    QCOMPARE(Eingabe.WochenListe(), Erwartet);
}

void TUebersichtTest::FachnamenListe_data() {
    QTest::addColumn<TDaten>("Daten");
    QTest::addColumn<QString>("Erwartet");

    QTest::newRow("Listenreihenfolge") << Klasse("5a", {{"Mathematik", {{Maerz16, "M"}}},
                                                        {"deutsch", {}},
                                                        {"Ärztekunde", {{Maerz09, "Ä"}}}})
                                       << "Mathematik\r\ndeutsch\r\nÄrztekunde\r\n";
    QTest::newRow("ein Fach") << Klasse("5a", {{" Kunst ", {}}}) << " Kunst \r\n";
    QTest::newRow("ohne Fächer") << Klasse("5a", {}) << QString();
}

void TUebersichtTest::FachnamenListe() {
    QFETCH(TDaten, Daten);
    QFETCH(QString, Erwartet);
    QCOMPARE(Daten.FachnamenListe(), Erwartet);
}

QTEST_APPLESS_MAIN(TUebersichtTest)
#include "tst_uebersicht.moc"
