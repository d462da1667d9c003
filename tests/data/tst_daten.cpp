#include "Testhilfe.h"
#include "data/Daten.h"
#include "data/Kalender.h"
#include "data/Namen.h"

#include <QtTest>

namespace {
qint32 Tag(int AJahr, int AMonat, int ATag) { return TagNummer(AJahr, AMonat, ATag); }

TFach FachMit(const QList<qint32> &AWochen) {
    TFach Fach;
    Fach.Fachname = QStringLiteral("Deutsch");
    for (qint32 Woche : AWochen)
        Fach.Add(Woche, QString::number(Woche));
    return Fach;
}

QList<qint32> Schluessel(const TFach &AFach) {
    QList<qint32> Ergebnis;
    for (const TWocheRec &Woche : AFach.WochenDaten)
        Ergebnis.append(Woche.Datum);
    return Ergebnis;
}

QStringList Namen(const TDaten &ADaten) {
    QStringList Ergebnis;
    for (const auto &Fach : ADaten.Liste)
        Ergebnis.append(Fach->Fachname);
    return Ergebnis;
}
} // namespace

class TstDaten : public QObject {
    Q_OBJECT
private slots:
    void fachPositionen_data();
    void fachPositionen();
    void findeDatumNr_data();
    void findeDatumNr();
    void monatsprung_data();
    void monatsprung();
    void fachSort();
    void datenSort_data();
    void datenSort();
    void ident();
    void kopien();
    void minMaxDatum();
    void datenPositionen();
    void fachSuche_data();
    void fachSuche();
    void namen_data();
    void namen();
    void zeilenNr_data();
    void zeilenNr();
};

void TstDaten::fachPositionen_data() {
    QTest::addColumn<QString>("Aktion");
    QTest::addColumn<int>("Nr");
    QTest::addColumn<QList<qint32>>("Erwartet");
    // Starting from the weeks 7, 14, 21; Insert stores week 99.
    QTest::newRow("Insert vor den Anfang") << "Insert" << -1 << QList<qint32>{7, 14, 21};
    QTest::newRow("Insert am Anfang") << "Insert" << 0 << QList<qint32>{99, 7, 14, 21};
    QTest::newRow("Insert in der Mitte") << "Insert" << 2 << QList<qint32>{7, 14, 99, 21};
    QTest::newRow("Insert bei Count haengt an") << "Insert" << 3 << QList<qint32>{7, 14, 21, 99};
    QTest::newRow("Insert hinter Count haengt an") << "Insert" << 10 << QList<qint32>{7, 14, 21, 99};
    QTest::newRow("Delete -1") << "Delete" << -1 << QList<qint32>{7, 14, 21};
    QTest::newRow("Delete 0") << "Delete" << 0 << QList<qint32>{14, 21};
    QTest::newRow("Delete letzte") << "Delete" << 2 << QList<qint32>{7, 14};
    QTest::newRow("Delete Count") << "Delete" << 3 << QList<qint32>{7, 14, 21};
}

void TstDaten::fachPositionen() {
    QFETCH(QString, Aktion);
    QFETCH(int, Nr);
    QFETCH(QList<qint32>, Erwartet);
    TFach Fach = FachMit({7, 14, 21});
    if (Aktion == QLatin1String("Insert"))
        Fach.Insert(TFach::GetWocheRec(99, QStringLiteral("neu")), Nr);
    else
        Fach.Delete(Nr);
    QCOMPARE(Schluessel(Fach), Erwartet);
    QCOMPARE(Fach.Count(), Erwartet.size());
}

void TstDaten::findeDatumNr_data() {
    QTest::addColumn<QList<qint32>>("Wochen");
    QTest::addColumn<qint32>("Gesucht");
    QTest::addColumn<int>("Erwartet");
    QTest::newRow("ohne Wochen") << QList<qint32>{} << 7 << -1;
    QTest::newRow("erste") << QList<qint32>{7, 14, 21} << 7 << 0;
    QTest::newRow("letzte") << QList<qint32>{7, 14, 21} << 21 << 2;
    QTest::newRow("kleiner als alle") << QList<qint32>{7, 14, 21} << 0 << -1;
    QTest::newRow("groesser als alle") << QList<qint32>{7, 14, 21} << 28 << -1;
    QTest::newRow("Luecke") << QList<qint32>{7, 21} << 14 << -1;
    // The walk stops at the first greater key, so a week behind it is not found when out of order.
    QTest::newRow("Halt vor ungeordneter Woche") << QList<qint32>{21, 7} << 7 << -1;
    QTest::newRow("doppelter Schluessel: der erste") << QList<qint32>{7, 7} << 7 << 0;
}

void TstDaten::findeDatumNr() {
    QFETCH(QList<qint32>, Wochen);
    QFETCH(qint32, Gesucht);
    QFETCH(int, Erwartet);
    QCOMPARE(FachMit(Wochen).FindeDatumNr(Gesucht), Erwartet);
}

void TstDaten::monatsprung_data() {
    QTest::addColumn<QList<qint32>>("Wochen");
    QTest::addColumn<qint32>("Von");
    QTest::addColumn<bool>("Weiter");
    QTest::addColumn<int>("Erwartet");
    const qint32 Jan13 = Tag(2020, 1, 13), Mar2 = Tag(2020, 3, 2), Mar9 = Tag(2020, 3, 9), Mar16 = Tag(2020, 3, 16),
                 Mar30 = Tag(2020, 3, 30), Apr6 = Tag(2020, 4, 6);
    QTest::newRow("zurueck: frueheste Woche ab 1. Februar")
        << QList<qint32>{Jan13, Mar2, Mar9, Mar16} << Mar16 << false << 1;
    QTest::newRow("zurueck: sonst die letzte davor") << QList<qint32>{Jan13, Mar16} << Mar16 << false << 0;
    QTest::newRow("zurueck von der ersten Woche") << QList<qint32>{Jan13, Mar16} << Jan13 << false << 0;
    QTest::newRow("zurueck ohne Wochen") << QList<qint32>{} << Mar16 << false << 0;
    QTest::newRow("zurueck innerhalb des Monats")
        << QList<qint32>{Mar2, Mar9, Mar16} << Mar16 << false << 0;
    QTest::newRow("zurueck ueber den Jahreswechsel")
        << QList<qint32>{Tag(2019, 11, 25), Tag(2019, 12, 2), Tag(2020, 1, 6)} << Tag(2020, 1, 6) << false << 1;
    QTest::newRow("vor: erste Woche ab 1. April")
        << QList<qint32>{Mar2, Mar9, Mar16, Mar30, Apr6} << Mar9 << true << 4;
    QTest::newRow("vor von der letzten Woche") << QList<qint32>{Mar2, Mar9, Mar16} << Mar16 << true << 2;
    QTest::newRow("vor ohne Wochen") << QList<qint32>{} << Mar16 << true << -1;
    QTest::newRow("vor ueber den Jahreswechsel")
        << QList<qint32>{Tag(2019, 12, 2), Tag(2019, 12, 30), Tag(2020, 1, 6)} << Tag(2019, 12, 2) << true << 2;
}

void TstDaten::monatsprung() {
    QFETCH(QList<qint32>, Wochen);
    QFETCH(qint32, Von);
    QFETCH(bool, Weiter);
    QFETCH(int, Erwartet);
    QCOMPARE(FachMit(Wochen).Monatsprung(Von, Weiter), Erwartet);
}

void TstDaten::fachSort() {
    TFach Fach;
    Fach.Add(14, QStringLiteral("A"));
    Fach.Add(7, QStringLiteral("B"));
    Fach.Add(7, QStringLiteral("C"));
    Fach.Add(-3, QStringLiteral("D"));
    Fach.Sort();
    const TWochenDaten Erwartet{{-3, QStringLiteral("D")}, {7, QStringLiteral("C")}, {7, QStringLiteral("B")},
                                {14, QStringLiteral("A")}};
    QCOMPARE(Fach.WochenDaten, Erwartet);
}

void TstDaten::datenSort_data() {
    QTest::addColumn<QStringList>("Vorher");
    QTest::addColumn<QStringList>("Nachher");
    QTest::newRow("Umlaut nach Z") << QStringList{"mathe", "Deutsch", "Ärztekunde", "Zeichnen"}
                                   << QStringList{"Deutsch", "mathe", "Zeichnen", "Ärztekunde"};
    QTest::newRow("Praefix zuerst") << QStringList{"Mathematik", "Mathe"} << QStringList{"Mathe", "Mathematik"};
    QTest::newRow("gleich ohne Gross: umgekehrte Folge") << QStringList{"a", "B", "A"} << QStringList{"A", "a", "B"};
    QTest::newRow("ß bleibt ß") << QStringList{"Straße", "STRASSE"} << QStringList{"STRASSE", "Straße"};
    QTest::newRow("ein Fach") << QStringList{"x"} << QStringList{"x"};
}

void TstDaten::datenSort() {
    QFETCH(QStringList, Vorher);
    QFETCH(QStringList, Nachher);
    TDaten Daten;
    for (const QString &Name : Vorher)
        Daten.Add(TFach(Name, 7, Name + QStringLiteral(" Text")));
    Daten.Sort();
    QCOMPARE(Namen(Daten), Nachher);
    // The subjects keep their weeks.
    for (const auto &Fach : Daten.Liste)
        QCOMPARE(Fach->WochenDaten.at(0).Text, Fach->Fachname + QStringLiteral(" Text"));
}

void TstDaten::ident() {
    const TDaten A = Klasse("5a", {{"Deutsch", {{7, "Lesen"}, {14, "Schreiben"}}}, {"Mathe", {}}});
    TDaten B(A, QStringLiteral("/anderer/Pfad.SGV"));
    QVERIFY2(A.Ident(B), "Filename zaehlt nicht");

    B.Fach(0).WochenDaten[1].Text = QStringLiteral("schreiben");
    QVERIFY2(!A.Ident(B), "Gross-/Kleinschreibung im Wochentext zaehlt");

    TDaten C(A);
    C.Klasse = QStringLiteral("5A");
    QVERIFY(!A.Ident(C));
    TDaten D(A);
    D.Fach(1).Add(21, QString());
    QVERIFY(!A.Ident(D));
    TDaten E(A);
    E.Delete(1);
    QVERIFY(!A.Ident(E));
    TDaten F(A);
    F.Fach(0).WochenDaten[0].Datum = 8;
    QVERIFY(!A.Ident(F));
}

void TstDaten::kopien() {
    TDaten Original = Klasse("5a", {{"Deutsch", {{7, "Lesen"}}}});
    Original.Filename = QStringLiteral("/a/5a.SGV");

    TDaten Gleich(Original);
    QCOMPARE(Gleich.Filename, QStringLiteral("/a/5a.SGV"));
    TDaten Umbenannt(Original, QStringLiteral("/b/5a.SGV"));
    QCOMPARE(Umbenannt.Filename, QStringLiteral("/b/5a.SGV"));

    // Deep copies: changing the copy leaves the original alone.
    Umbenannt.Fach(0).WochenDaten[0].Text = QStringLiteral("anders");
    Umbenannt.Fach(0).Fachname = QStringLiteral("Englisch");
    QCOMPARE(Original.Fach(0).WochenDaten[0].Text, QStringLiteral("Lesen"));
    QCOMPARE(Original.Fach(0).Fachname, QStringLiteral("Deutsch"));

    // Add stores a copy; the caller keeps its own object.
    TFach Eigenes(QStringLiteral("Musik"), 14, QStringLiteral("Singen"));
    Original.Add(Eigenes);
    Eigenes.Fachname = QStringLiteral("Kunst");
    QCOMPARE(Original.Fach(1).Fachname, QStringLiteral("Musik"));

    // Assign replaces everything, also the file name; assigning to itself changes nothing.
    TDaten Ziel = Klasse("6b", {{"Sport", {}}, {"Physik", {}}});
    Ziel.Assign(Original);
    QVERIFY(Ziel.Ident(Original));
    QCOMPARE(Ziel.Filename, Original.Filename);
    Ziel.Assign(Ziel);
    QVERIFY(Ziel.Ident(Original));

    TFach Fach(QStringLiteral("Deutsch"), 7, QStringLiteral("Lesen"));
    Fach.Assign(Fach);
    QCOMPARE(Fach.Count(), 1);
    TFach Leer;
    Fach.Assign(Leer);
    QVERIFY(Fach.Fachname.isEmpty());
    QCOMPARE(Fach.Count(), 0);

    Original.Clear();
    QVERIFY(Original.Filename.isEmpty() && Original.Klasse.isEmpty() && Original.Count() == 0);
}

void TstDaten::minMaxDatum() {
    const qint32 Heute = Tag(2026, 12, 9);
    const qint32 Frueh = Tag(2020, 3, 9), Spaet = Tag(2020, 3, 16);

    const TDaten OhneFaecher;
    QCOMPARE(OhneFaecher.MinDatum(Heute), Heute);
    QCOMPARE(OhneFaecher.MaxDatum(Heute), Heute);

    // An empty subject contributes today to both ends.
    const TDaten MitLeerem = Klasse("5a", {{"Leer", {}}, {"Deutsch", {{Frueh, ""}, {Spaet, ""}}}});
    QCOMPARE(MitLeerem.MinDatum(Heute), Frueh);
    QCOMPARE(MitLeerem.MaxDatum(Heute), Heute);

    const TDaten Zwei = Klasse("5a", {{"A", {{Spaet, ""}}}, {"B", {{Frueh, ""}}}});
    QCOMPARE(Zwei.MinDatum(Heute), Frueh);
    QCOMPARE(Zwei.MaxDatum(Heute), Spaet);

    QCOMPARE(TFach().MinDatum(Heute), Heute);
    QCOMPARE(TFach().MaxDatum(Heute), Heute);
    // Without a day given, today's day number from the clock.
    QCOMPARE(TFach().MinDatum(), TagNummer(QDate::currentDate()));
}

void TstDaten::datenPositionen() {
    TDaten Daten = Klasse("5a", {{"A", {}}, {"B", {}}});
    Daten.Delete(Daten.Count());
    Daten.Delete(-1);
    QCOMPARE(Namen(Daten), (QStringList{"A", "B"}));
    Daten.Insert(TFach(QStringLiteral("X"), 7, QString()), -1);
    QCOMPARE(Namen(Daten), (QStringList{"A", "B"}));
    Daten.Insert(TFach(QStringLiteral("X"), 7, QString()), 1);
    Daten.Insert(TFach(QStringLiteral("Y"), 7, QString()), 5);
    QCOMPARE(Namen(Daten), (QStringList{"A", "X", "B", "Y"}));
    Daten.Delete(0);
    QCOMPARE(Namen(Daten), (QStringList{"X", "B", "Y"}));
    Daten.ClearListe();
    QCOMPARE(Daten.Count(), 0);
    QCOMPARE(Daten.Klasse, QStringLiteral("5a"));
}

void TstDaten::fachSuche_data() {
    QTest::addColumn<QString>("Gesucht");
    QTest::addColumn<int>("Erwartet");
    QTest::newRow("gleich") << "Deutsch" << 0;
    QTest::newRow("andere Schreibung") << "dEUTSCH" << 0;
    QTest::newRow("Umlaut ohne Gross") << "ärztekunde" << 1;
    QTest::newRow("ß ist nicht SS") << "STRASSE" << -1;
    QTest::newRow("ß gross") << "STRAßE" << 2;
    QTest::newRow("fehlt") << "Musik" << -1;
    QTest::newRow("leer") << "" << -1;
    QTest::newRow("nur Praefix") << "Deut" << -1;
}

void TstDaten::fachSuche() {
    QFETCH(QString, Gesucht);
    QFETCH(int, Erwartet);
    const TDaten Daten = Klasse("5a", {{"Deutsch", {}}, {"Ärztekunde", {}}, {"Straße", {}}});
    QCOMPARE(Daten.FindeFachNr(Gesucht), Erwartet);
    QCOMPARE(Daten.FachnameExistsNr(Gesucht), Erwartet);
    TFach *Fach = Daten.FindeFach(Gesucht);
    QCOMPARE(Fach ? Fach->Fachname : QString(), Erwartet < 0 ? QString() : Daten.Fach(Erwartet).Fachname);
}

void TstDaten::namen_data() {
    QTest::addColumn<QString>("Text");
    QTest::addColumn<QString>("Gross");
    QTest::addColumn<QString>("Getrimmt");
    QTest::newRow("leer") << "" << "" << "";
    QTest::newRow("Umlaute, ß bleibt") << "straße äöü" << "STRAßE ÄÖÜ" << "straße äöü";
    QTest::newRow("Steuerzeichen an den Enden") << "\r\n\t Lesen \x01" << "\r\n\t LESEN \x01" << "Lesen";
    QTest::newRow("Zeilenwechsel innen bleibt") << " a\r\nb " << " A\r\nB " << "a\r\nb";
    QTest::newRow("geschuetztes Leerzeichen bleibt") << "\u00a0x\u00a0" << "\u00a0X\u00a0" << "\u00a0x\u00a0";
    QTest::newRow("nur Leerzeichen") << "   " << "   " << "";
}

void TstDaten::namen() {
    QFETCH(QString, Text);
    QFETCH(QString, Gross);
    QFETCH(QString, Getrimmt);
    QCOMPARE(::Gross(Text), Gross);
    QCOMPARE(Trimmen(Text), Getrimmt);
}

void TstDaten::zeilenNr_data() {
    QTest::addColumn<QString>("Text");
    QTest::addColumn<QString>("Zeile");
    QTest::addColumn<int>("Erwartet");
    QTest::newRow("CR LF") << "5a\r\n6b\r\n" << "6B" << 1;
    QTest::newRow("nur LF") << "5a\n6b\n" << "6b" << 1;
    QTest::newRow("nur CR") << "5a\r6b" << "6b" << 1;
    QTest::newRow("erste von zweien") << "5a\r\n5A\r\n" << "5a" << 0;
    QTest::newRow("fehlt") << "5a\r\n6b\r\n" << "7c" << -1;
    QTest::newRow("leere Zeile am Ende zaehlt nicht") << "5a\r\n" << "" << -1;
    QTest::newRow("leere Zeile innen zaehlt") << "5a\r\n\r\n6b" << "" << 1;
    QTest::newRow("Umlaut") << "Klasse ä\r\n" << "KLASSE Ä" << 0;
    QTest::newRow("ß ist nicht SS") << "Straße\r\n" << "STRASSE" << -1;
    QTest::newRow("leerer Text") << "" << "5a" << -1;
}

void TstDaten::zeilenNr() {
    QFETCH(QString, Text);
    QFETCH(QString, Zeile);
    QFETCH(int, Erwartet);
    QCOMPARE(ZeilenNr(Text, Zeile), Erwartet);
}

QTEST_GUILESS_MAIN(TstDaten)
#include "tst_daten.moc"
