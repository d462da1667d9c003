#include "data/KlasseJson.h"

#include "Testhilfe.h"
#include "data/Daten.h"

#include <QRandomGenerator>
#include <QTest>

#include <limits>

Q_DECLARE_METATYPE(TDaten)

class TKlasseJsonTest : public QObject {
    Q_OBJECT

private slots:
    void AlsJsonGenau_data();
    void AlsJsonGenau();
    void AlsJsonZeichen_data();
    void AlsJsonZeichen();
    void Rundreise_data();
    void Rundreise();
    void AusJsonGueltig_data();
    void AusJsonGueltig();
    void AusJsonFehler_data();
    void AusJsonFehler();
};

namespace {
constexpr qint32 Kleinster = std::numeric_limits<qint32>::min();
constexpr qint32 Groesster = std::numeric_limits<qint32>::max();

// Where two classes first differ, for a readable failure; empty when they are identical.
QString Unterschied(const TDaten &A, const TDaten &B) {
    if (A.Klasse != B.Klasse)
        return QStringLiteral("Klasse: \"%1\" statt \"%2\"").arg(A.Klasse.left(40), B.Klasse.left(40));
    if (A.Count() != B.Count())
        return QStringLiteral("%1 Fächer statt %2").arg(A.Count()).arg(B.Count());
    for (int Nr = 0; Nr < A.Count(); ++Nr) {
        const TFach &FA = A.Fach(Nr);
        const TFach &FB = B.Fach(Nr);
        if (FA.Fachname != FB.Fachname)
            return QStringLiteral("Fach %1: Name \"%2\" statt \"%3\"")
                .arg(Nr)
                .arg(FA.Fachname.left(40), FB.Fachname.left(40));
        if (FA.Count() != FB.Count())
            return QStringLiteral("Fach %1: %2 Wochen statt %3").arg(Nr).arg(FA.Count()).arg(FB.Count());
        for (int K = 0; K < FA.Count(); ++K) {
            const TWocheRec &WA = FA.WochenDaten.at(K);
            const TWocheRec &WB = FB.WochenDaten.at(K);
            if (WA.Datum != WB.Datum)
                return QStringLiteral("Fach %1, Woche %2: Datum %3 statt %4")
                    .arg(Nr)
                    .arg(K)
                    .arg(WA.Datum)
                    .arg(WB.Datum);
            if (WA.Text != WB.Text)
                return QStringLiteral("Fach %1, Woche %2: Text \"%3\" statt \"%4\"")
                    .arg(Nr)
                    .arg(K)
                    .arg(WA.Text.left(40), WB.Text.left(40));
        }
    }
    return {};
}

QString AlleZeichen() {
    QString Text;
    for (int Code = 0; Code <= 0xFF; ++Code)
        Text.append(QChar(Code));
    return Text;
}

// A class that is in the target before a read, so that a read that changes it shows.
TDaten AlteKlasse() {
    TDaten Daten = Klasse(QStringLiteral("alt"), {{QStringLiteral("Fach"), {{7, QStringLiteral("x")}}}});
    Daten.Filename = QStringLiteral("/tmp/alt.SGV");
    return Daten;
}

QString Zufallstext(QRandomGenerator &AZufall, int AHoechstens) {
    QString Text(static_cast<qsizetype>(AZufall.bounded(AHoechstens + 1)), Qt::Uninitialized);
    for (QChar &Zeichen : Text)
        Zeichen = QChar(AZufall.bounded(0x100));
    return Text;
}

// {"Klasse": "5a", "Faecher": [<AFaecher>]}
QByteArray MitFaechern(const QByteArray &AFaecher) {
    return R"({"Klasse": "5a", "Faecher": [)" + AFaecher + "]}";
}

// One subject "Deutsch" with the weeks given.
QByteArray MitWochen(const QByteArray &AWochen) {
    return MitFaechern(R"({"Fachname": "Deutsch", "Wochen": [)" + AWochen + "]}");
}
} // namespace

void TKlasseJsonTest::AlsJsonGenau_data() {
    QTest::addColumn<TDaten>("Daten");
    QTest::addColumn<QByteArray>("Json");

    QTest::newRow("Klasse ohne Fächer") << Klasse(QStringLiteral("5a"), {})
                                        << QByteArray("{\n"
                                                      "  \"Klasse\": \"5a\",\n"
                                                      "  \"Faecher\": []\n"
                                                      "}\n");

    QTest::newRow("Fächer und Wochen in der Reihenfolge der Klasse")
        << Klasse(QStringLiteral("5a"),
                  {{QStringLiteral("Deutsch"),
                    {{43906, QStringLiteral("Lesen")}, {43899, QStringLiteral("Schreiben\r\nÜben")}}},
                   {QStringLiteral("Musik"), {}},
                   {QStringLiteral("Grenzen"), {{Kleinster, QString()}, {Groesster, QStringLiteral("\"")}}}})
        << QByteArray("{\n"
                      "  \"Klasse\": \"5a\",\n"
                      "  \"Faecher\": [\n"
                      "    {\n"
                      "      \"Fachname\": \"Deutsch\",\n"
                      "      \"Wochen\": [\n"
                      "        {\n"
                      "          \"Datum\": 43906,\n"
                      "          \"Text\": \"Lesen\"\n"
                      "        },\n"
                      "        {\n"
                      "          \"Datum\": 43899,\n"
                      "          \"Text\": \"Schreiben\\r\\n\xC3\x9C"
                      "ben\"\n"
                      "        }\n"
                      "      ]\n"
                      "    },\n"
                      "    {\n"
                      "      \"Fachname\": \"Musik\",\n"
                      "      \"Wochen\": []\n"
                      "    },\n"
                      "    {\n"
                      "      \"Fachname\": \"Grenzen\",\n"
                      "      \"Wochen\": [\n"
                      "        {\n"
                      "          \"Datum\": -2147483648,\n"
                      "          \"Text\": \"\"\n"
                      "        },\n"
                      "        {\n"
                      "          \"Datum\": 2147483647,\n"
                      "          \"Text\": \"\\\"\"\n"
                      "        }\n"
                      "      ]\n"
                      "    }\n"
                      "  ]\n"
                      "}\n");
}

void TKlasseJsonTest::AlsJsonGenau() {
    QFETCH(TDaten, Daten);
    QFETCH(QByteArray, Json);
    QCOMPARE(KlasseAlsJson(Daten), Json);
}

// Every character as it appears between the quotes of a JSON string.
void TKlasseJsonTest::AlsJsonZeichen_data() {
    QTest::addColumn<QString>("Text");
    QTest::addColumn<QByteArray>("Json");

    QTest::newRow("Anführungszeichen") << QStringLiteral("a\"b") << QByteArray(R"("a\"b")");
    QTest::newRow("Backslash") << QStringLiteral("a\\b") << QByteArray(R"("a\\b")");
    QTest::newRow("CR LF und Tabulator") << QStringLiteral("\r\n\t") << QByteArray(R"("\r\n\t")");
    QTest::newRow("U+0000") << QString(QChar(0)) << QByteArray(R"("\u0000")");
    QTest::newRow("Backspace, Seitenvorschub") << QStringLiteral("\b\f") << QByteArray(R"("\u0008\u000c")");
    QTest::newRow("U+001B, U+001F") << QStringLiteral("\x1b\x1f") << QByteArray(R"("\u001b\u001f")");
    QTest::newRow("Leerzeichen und Schrägstrich bleiben") << QStringLiteral(" /~") << QByteArray(R"(" /~")");
    QTest::newRow("U+007F bleibt") << QStringLiteral("\x7f") << QByteArray("\"\x7f\"");
    QTest::newRow("U+0080") << QString(QChar(0x80)) << QByteArray("\"\xC2\x80\"");
    QTest::newRow("Umlaute, ß") << QStringLiteral("äÖß") << QByteArray("\"\xC3\xA4\xC3\x96\xC3\x9F\"");
    QTest::newRow("U+00FF") << QString(QChar(0xFF)) << QByteArray("\"\xC3\xBF\"");
    QTest::newRow("Euro, drei Bytes") << QStringLiteral("€") << QByteArray("\"\xE2\x82\xAC\"");
    QTest::newRow("Ersatzpaar, vier Bytes")
        << QString::fromUcs4(U"\U0001F600", 1) << QByteArray("\"\xF0\x9F\x98\x80\"");
    QTest::newRow("einzelnes Ersatzzeichen") << QString(QChar(0xD800)) + QLatin1Char('x') << QByteArray(R"("\ud800x")");
    QTest::newRow("leer") << QString() << QByteArray(R"("")");
}

void TKlasseJsonTest::AlsJsonZeichen() {
    QFETCH(QString, Text);
    QFETCH(QByteArray, Json);
    QCOMPARE(KlasseAlsJson(Klasse(Text, {})), "{\n  \"Klasse\": " + Json + ",\n  \"Faecher\": []\n}\n");
    // Names and week texts go through the same escaping.
    const QByteArray Fach = KlasseAlsJson(Klasse(QStringLiteral("5a"), {{Text, {{7, Text}}}}));
    QVERIFY2(Fach.contains("\"Fachname\": " + Json + ",\n"), Fach.constData());
    QVERIFY2(Fach.contains("\"Text\": " + Json + "\n"), Fach.constData());
}

void TKlasseJsonTest::Rundreise_data() {
    QTest::addColumn<TDaten>("Daten");

    QTest::newRow("leere Klasse") << Klasse(QString(), {});

    const QString Alle = AlleZeichen();
    QString Rueckwaerts = Alle;
    std::reverse(Rueckwaerts.begin(), Rueckwaerts.end());
    QList<TWocheRec> Einzeln;
    for (int Code = 0; Code <= 0xFF; ++Code)
        Einzeln.append({Code * 7, QString(QChar(Code))});
    QTest::newRow("alle Zeichen von U+0000 bis U+00FF")
        << Klasse(Alle, {{Rueckwaerts, {{0, Alle + Alle}}}, {QStringLiteral("einzeln"), Einzeln}});

    QTest::newRow("Steuerzeichen, Anführungszeichen, Backslashes")
        << Klasse(QStringLiteral("\"5a\"\\"),
                  {{QStringLiteral("\\\\\"\"\t"),
                    {{43906, QStringLiteral("\r\n\\r\\n\"\\\"\b\f\x01\x1f\x7f")}, {43913, QString(3, QChar(0))}}}});

    QTest::newRow("leere Texte") << Klasse(
        QString(), {{QString(), {{43906, QString()}, {43913, QString()}}}, {QString(), {{0, QString()}}}});

    QTest::newRow("Grenzen der Wochenschlüssel")
        << Klasse(QStringLiteral("5a"), {{QStringLiteral("Deutsch"),
                                          {{Kleinster, QStringLiteral("min")},
                                           {-1, QStringLiteral("-1")},
                                           {0, QStringLiteral("0")},
                                           {Groesster, QStringLiteral("max")}}}});

    QTest::newRow("Fach ohne Wochen zwischen anderen")
        << Klasse(QStringLiteral("5a"), {{QStringLiteral("A"), {{43906, QStringLiteral("a")}}},
                                         {QStringLiteral("Leer"), {}},
                                         {QStringLiteral("Z"), {{43906, QStringLiteral("z")}}}});

    // What the file holds comes back in the same order: nothing sorts, nothing merges.
    QTest::newRow("Reihenfolge der Datei") << Klasse(
        QStringLiteral("5a"),
        {{QStringLiteral("b"),
          {{43913, QStringLiteral("zweite")}, {43906, QStringLiteral("erste")}, {43913, QStringLiteral("doppelt")}}},
         {QStringLiteral("A"), {}},
         {QStringLiteral("a"), {{43907, QStringLiteral("Dienstag")}}}});

    QString Lang(65535, QChar(0xFF));
    for (qsizetype I = 0; I < Lang.size(); I += 3)
        Lang[I] = QChar(static_cast<int>(I % 0x20));
    QTest::newRow("längster Text, den die Klassendatei aufnimmt")
        << Klasse(QStringLiteral("5a"), {{QStringLiteral("Deutsch"), {{43906, Lang}}}});

    QRandomGenerator Zufall(4711);
    TDaten Zufaellig;
    Zufaellig.Klasse = Zufallstext(Zufall, 20);
    for (int Nr = 0; Nr < 12; ++Nr) {
        TFach Fach;
        Fach.Fachname = Zufallstext(Zufall, 30);
        const int Wochen = static_cast<int>(Zufall.bounded(80));
        for (int K = 0; K < Wochen; ++K)
            Fach.Add(static_cast<qint32>(Zufall.generate()), Zufallstext(Zufall, 400));
        Zufaellig.Add(Fach);
    }
    QTest::newRow("zufällige Klasse") << Zufaellig;
}

void TKlasseJsonTest::Rundreise() {
    QFETCH(TDaten, Daten);
    const QByteArray Json = KlasseAlsJson(Daten);
    TDaten Gelesen = AlteKlasse();
    QString Fehler;
    QVERIFY2(KlasseAusJson(Json, Gelesen, Fehler), qPrintable(Fehler));
    QVERIFY2(Gelesen.Ident(Daten), qPrintable(Unterschied(Gelesen, Daten)));
    QVERIFY(Gelesen.Filename.isEmpty());
    // The class read writes the same bytes again.
    QCOMPARE(KlasseAlsJson(Gelesen), Json);
}

void TKlasseJsonTest::AusJsonGueltig_data() {
    QTest::addColumn<QByteArray>("Json");
    QTest::addColumn<TDaten>("Erwartet");

    const TDaten Deutsch =
        Klasse(QStringLiteral("5a"), {{QStringLiteral("Deutsch"), {{43906, QStringLiteral("Lesen")}}}});
    QTest::newRow("Schlüssel in anderer Reihenfolge")
        << QByteArray(R"({"Faecher":[{"Wochen":[{"Text":"Lesen","Datum":43906}],"Fachname":"Deutsch"}],"Klasse":"5a"})")
        << Deutsch;
    QTest::newRow("weitere Schlüssel werden übergangen")
        << QByteArray(R"({"Version": 2, "Klasse": "5a", "Faecher": [{"Fachname": "Deutsch", "Farbe": [1],
                         "Wochen": [{"Datum": 43906, "Text": "Lesen", "Notiz": null}]}]})")
        << Deutsch;
    QTest::newRow("Escapes und UTF-8")
        << QByteArray("{\"Klasse\": \"\\u00e4\\u00FF\\/\\\"\", \"Faecher\": [{\"Fachname\": \"\xC3\xA4\\t\xC3\xBF\", "
                      "\"Wochen\": [{\"Datum\": 0, \"Text\": \"\\u0000\\r\\n\"}]}]}")
        << Klasse(QStringLiteral("äÿ/\""),
                  {{QStringLiteral("ä\tÿ"), {{0, QString(QChar(0)) + QStringLiteral("\r\n")}}}});
    QTest::newRow("Reihenfolge der Datei bleibt")
        << MitFaechern(R"({"Fachname": "Z", "Wochen": [{"Datum": 14, "Text": "b"}, {"Datum": 7, "Text": "a"},
                          {"Datum": 14, "Text": "c"}]}, {"Fachname": "A", "Wochen": []})")
        << Klasse(
               QStringLiteral("5a"),
               {{QStringLiteral("Z"), {{14, QStringLiteral("b")}, {7, QStringLiteral("a")}, {14, QStringLiteral("c")}}},
                {QStringLiteral("A"), {}}});
    QTest::newRow("Grenzen des Datums")
        << MitWochen(R"({"Datum": -2147483648, "Text": ""}, {"Datum": 2147483647, "Text": ""})")
        << Klasse(QStringLiteral("5a"),
                  {{QStringLiteral("Deutsch"), {{Kleinster, QString()}, {Groesster, QString()}}}});
    QTest::newRow("Text mit 65535 Zeichen")
        << MitWochen(R"({"Datum": 7, "Text": ")" + QByteArray(65535, 'x') + "\"}")
        << Klasse(QStringLiteral("5a"), {{QStringLiteral("Deutsch"), {{7, QString(65535, QLatin1Char('x'))}}}});
}

void TKlasseJsonTest::AusJsonGueltig() {
    QFETCH(QByteArray, Json);
    QFETCH(TDaten, Erwartet);
    TDaten Gelesen = AlteKlasse();
    QString Fehler;
    QVERIFY2(KlasseAusJson(Json, Gelesen, Fehler), qPrintable(Fehler));
    QVERIFY2(Gelesen.Ident(Erwartet), qPrintable(Unterschied(Gelesen, Erwartet)));
    QVERIFY(Gelesen.Filename.isEmpty());
}

// Each input is refused with a message that names the field ("" for input that is no JSON at all) and
// what else it must say; the target keeps its class.
void TKlasseJsonTest::AusJsonFehler_data() {
    QTest::addColumn<QByteArray>("Json");
    QTest::addColumn<QString>("Feld");
    QTest::addColumn<QString>("Auch");

    const QString Datum = QStringLiteral("Faecher[0].Wochen[0].Datum");
    const QString Text = QStringLiteral("Faecher[0].Wochen[0].Text");

    QTest::newRow("kein JSON") << QByteArray("Klasse 5a") << QString() << QStringLiteral("JSON");
    QTest::newRow("leere Eingabe") << QByteArray() << QString() << QStringLiteral("JSON");
    QTest::newRow("abgebrochen") << QByteArray(R"({"Klasse": "5a", "Faecher": [)") << QString()
                                 << QStringLiteral("JSON");
    QTest::newRow("Zeichen nach dem Ende")
        << QByteArray(R"({"Klasse": "5a", "Faecher": []} x)") << QString() << QStringLiteral("JSON");
    QTest::newRow("Liste statt Objekt") << QByteArray(R"([{"Klasse": "5a", "Faecher": []}])") << QString()
                                        << QStringLiteral("Objekt");

    QTest::newRow("Klasse fehlt") << QByteArray(R"({"Faecher": []})") << QStringLiteral("Klasse") << QString();
    QTest::newRow("Klasse ist eine Zahl")
        << QByteArray(R"({"Klasse": 5, "Faecher": []})") << QStringLiteral("Klasse") << QStringLiteral("Zahl");
    QTest::newRow("Klasse ist null") << QByteArray(R"({"Klasse": null, "Faecher": []})") << QStringLiteral("Klasse")
                                     << QString();
    QTest::newRow("Faecher fehlt") << QByteArray(R"({"Klasse": "5a"})") << QStringLiteral("Faecher") << QString();
    QTest::newRow("Faecher ist ein Objekt")
        << QByteArray(R"({"Klasse": "5a", "Faecher": {}})") << QStringLiteral("Faecher") << QStringLiteral("Liste");
    QTest::newRow("Fach ist ein Text") << MitFaechern(R"("Deutsch")") << QStringLiteral("Faecher[0]")
                                       << QStringLiteral("Objekt");
    QTest::newRow("Fachname fehlt") << MitFaechern(R"({"Wochen": []})") << QStringLiteral("Faecher[0].Fachname")
                                    << QString();
    QTest::newRow("Fachname ist eine Liste")
        << MitFaechern(R"({"Fachname": ["D"], "Wochen": []})") << QStringLiteral("Faecher[0].Fachname") << QString();
    QTest::newRow("Wochen fehlt") << MitFaechern(R"({"Fachname": "D"})") << QStringLiteral("Faecher[0].Wochen")
                                  << QString();
    QTest::newRow("Wochen ist ein Text") << MitFaechern(R"({"Fachname": "D", "Wochen": "43906"})")
                                         << QStringLiteral("Faecher[0].Wochen") << QString();
    QTest::newRow("Woche ist eine Zahl") << MitWochen("43906") << QStringLiteral("Faecher[0].Wochen[0]") << QString();
    QTest::newRow("Text fehlt in der dritten Woche des zweiten Fachs")
        << MitFaechern(R"({"Fachname": "A", "Wochen": []}, {"Fachname": "B", "Wochen": [{"Datum": 7, "Text": ""},
                          {"Datum": 14, "Text": ""}, {"Datum": 21}]})")
        << QStringLiteral("Faecher[1].Wochen[2].Text") << QString();
    QTest::newRow("Text ist eine Zahl") << MitWochen(R"({"Datum": 7, "Text": 7})") << Text << QString();
    QTest::newRow("Datum fehlt") << MitWochen(R"({"Text": "Lesen"})") << Datum << QString();
    QTest::newRow("Datum 1.5") << MitWochen(R"({"Datum": 1.5, "Text": ""})") << Datum << QStringLiteral("1.5");
    QTest::newRow("Datum 2147483648") << MitWochen(R"({"Datum": 2147483648, "Text": ""})") << Datum
                                      << QStringLiteral("2147483648");
    QTest::newRow("Datum -2147483649") << MitWochen(R"({"Datum": -2147483649, "Text": ""})") << Datum
                                       << QStringLiteral("-2147483649");
    QTest::newRow("Datum 1e300") << MitWochen(R"({"Datum": 1e300, "Text": ""})") << Datum << QString();
    QTest::newRow("Datum als Text") << MitWochen(R"({"Datum": "x", "Text": ""})") << Datum << QStringLiteral("Text");
    QTest::newRow("Datum als Zifferntext") << MitWochen(R"({"Datum": "43906", "Text": ""})") << Datum << QString();
    QTest::newRow("Datum true") << MitWochen(R"({"Datum": true, "Text": ""})") << Datum << QString();

    QTest::newRow("Text mit Euro") << MitWochen("{\"Datum\": 7, \"Text\": \"5 \xE2\x82\xAC\"}") << Text
                                   << QStringLiteral("U+20AC \"€\"");
    QTest::newRow("Text mit Euro als Escape")
        << MitWochen(R"({"Datum": 7, "Text": "5 \u20ac"})") << Text << QStringLiteral("U+20AC \"€\"");
    QTest::newRow("Text mit 65536 Zeichen")
        << MitWochen(R"({"Datum": 7, "Text": ")" + QByteArray(65536, 'x') + "\"}") << Text << QStringLiteral("65536");
    QTest::newRow("Fachname mit U+0100") << MitFaechern("{\"Fachname\": \"\xC4\x80\", \"Wochen\": []}")
                                         << QStringLiteral("Faecher[0].Fachname") << QStringLiteral("U+0100 \"Ā\"");
    QTest::newRow("Klasse mit Zeichen jenseits der Grundebene")
        << QByteArray("{\"Klasse\": \"5a \xF0\x9F\x98\x80\", \"Faecher\": []}") << QStringLiteral("Klasse")
        << QStringLiteral("U+1F600");
    QTest::newRow("Fehler in der letzten Woche nach gültigen")
        << MitWochen(R"({"Datum": 7, "Text": "a"}, {"Datum": 14, "Text": "b"}, {"Datum": 21, "Text": "ok \u2013"})")
        << QStringLiteral("Faecher[0].Wochen[2].Text") << QStringLiteral("U+2013");
}

void TKlasseJsonTest::AusJsonFehler() {
    QFETCH(QByteArray, Json);
    QFETCH(QString, Feld);
    QFETCH(QString, Auch);

    const TDaten Vorher = AlteKlasse();
    TDaten Ziel = AlteKlasse();
    QString Fehler;
    QVERIFY(!KlasseAusJson(Json, Ziel, Fehler));
    QVERIFY(!Fehler.isEmpty());
    if (!Feld.isEmpty())
        QVERIFY2(Fehler.contains(QLatin1Char('"') + Feld + QLatin1Char('"')), qPrintable(Fehler));
    if (!Auch.isEmpty())
        QVERIFY2(Fehler.contains(Auch), qPrintable(Fehler));
    QVERIFY2(Ziel.Ident(Vorher), qPrintable(Unterschied(Ziel, Vorher)));
    QCOMPARE(Ziel.Filename, Vorher.Filename);
}

QTEST_APPLESS_MAIN(TKlasseJsonTest)
#include "tst_klassejson.moc"
