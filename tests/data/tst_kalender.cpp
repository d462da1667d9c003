#include "data/Kalender.h"

#include "data/Daten.h"

#include <QRegularExpression>
#include <QTest>

#include <chrono>
#include <cstdint>
#include <limits>

class TKalenderTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void WochenTextForm_data();
    void WochenTextForm();
    void WochenTextExtremeSchluessel_data();
    void WochenTextExtremeSchluessel();
    void WochenMontagTabelle_data();
    void WochenMontagTabelle();
    void KalenderWocheTabelle_data();
    void KalenderWocheTabelle();
    void DatumJahrTabelle_data();
    void DatumJahrTabelle();
    void TagNummerHinUndZurueck_data();
    void TagNummerHinUndZurueck();
    void JahresWochenJahr_data();
    void JahresWochenJahr();
    void JahresWochenGleicheListe();
    void JahresWochenKurzeForm();
    void JahresWochenOhneGehalteneWochen_data();
    void JahresWochenOhneGehalteneWochen();
    void JedenTag1990Bis2040();

private:
    bool FWochendatumVorher = true;
};

namespace {
using namespace std::chrono;

// Day 0 of the day numbers, for the reference computations with the standard library's calendar.
constexpr sys_days Tag0 = sys_days{year{1899} / December / 30};

qint32 TagVon(int AJahr, int AMonat, int ATag) {
    return static_cast<qint32>((sys_days{year{AJahr} / AMonat / ATag} - Tag0).count());
}

// ISO 8601 week number by the standard library: the week belongs to the ISO year of its Thursday, and
// week 1 of a year starts on the Monday on or before 4 January.
int IsoWoche(sys_days ATag) {
    const sys_days Montag = ATag - days{weekday{ATag}.iso_encoding() - 1};
    const year IsoJahr = year_month_day{Montag + days{3}}.year();
    const sys_days Vierter = sys_days{IsoJahr / January / 4};
    const sys_days ErsterMontag = Vierter - days{weekday{Vierter}.iso_encoding() - 1};
    return static_cast<int>((Montag - ErsterMontag).count() / 7) + 1;
}

// Restores the week-text setting when a test returns early on a failed check.
class TWochendatumWiederherstellen {
public:
    TWochendatumWiederherstellen() : FVorher(Wochendatum()) {}
    ~TWochendatumWiederherstellen() { SetWochendatum(FVorher); }
    TWochendatumWiederherstellen(const TWochendatumWiederherstellen &) = delete;
    TWochendatumWiederherstellen &operator=(const TWochendatumWiederherstellen &) = delete;

private:
    bool FVorher;
};
} // namespace

char *toString(const TWochenEintrag &AEintrag) {
    return QTest::toString(QStringLiteral("(%1, %2)").arg(AEintrag.Text).arg(AEintrag.Datum));
}

void TKalenderTest::initTestCase() {
    // Week texts carry their dates until the program is told otherwise.
    QVERIFY(Wochendatum());
    FWochendatumVorher = Wochendatum();
}

void TKalenderTest::cleanup() {
    SetWochendatum(FWochendatumVorher);
}

void TKalenderTest::WochenTextForm_data() {
    QTest::addColumn<qint32>("Woche");
    QTest::addColumn<QString>("Lang");
    QTest::addColumn<QString>("Kurz");

    QTest::newRow("innerhalb eines Monats") << 43906 << "12/2020 (16.-22.3.2020)"
                                            << "12/2020";
    QTest::newRow("über die Monatsgrenze") << 43920 << "14/2020 (30.3.-5.4.2020)"
                                           << "14/2020";
    QTest::newRow("Jahreswechsel, Woche 1") << 43829 << "1/2019-2020 (30.12.2019-5.1.2020)"
                                            << "1/2019-2020";
    QTest::newRow("Jahreswechsel, Woche 53") << 44193 << "53/2020-2021 (28.12.2020-3.1.2021)"
                                             << "53/2020-2021";
    QTest::newRow("Woche 1 ohne Jahreswechsel") << TagVon(2021, 1, 4) << "1/2021 (4.-10.1.2021)"
                                                << "1/2021";
    QTest::newRow("Sonntag am Monatsersten") << TagVon(2020, 2, 24) << "9/2020 (24.2.-1.3.2020)"
                                             << "9/2020";
    QTest::newRow("Schaltjahr, 29. Februar") << TagVon(2016, 2, 29) << "9/2016 (29.2.-6.3.2016)"
                                             << "9/2016";
    QTest::newRow("Woche 52 am Jahresende") << TagVon(2021, 12, 27) << "52/2021-2022 (27.12.2021-2.1.2022)"
                                            << "52/2021-2022";
    QTest::newRow("Tag 0 ist kein Montag") << 0 << "52/1899-1900 (30.12.1899-5.1.1900)"
                                           << "52/1899-1900";
}

void TKalenderTest::WochenTextForm() {
    QFETCH(qint32, Woche);
    QFETCH(QString, Lang);
    QFETCH(QString, Kurz);

    QCOMPARE(WochenText(Woche, true), Lang);
    QCOMPARE(WochenText(Woche, false), Kurz);

    // The one-argument form reads the setting at every call.
    const TWochendatumWiederherstellen Wiederherstellen;
    SetWochendatum(false);
    QVERIFY(!Wochendatum());
    QCOMPARE(WochenText(Woche), Kurz);
    SetWochendatum(true);
    QVERIFY(Wochendatum());
    QCOMPARE(WochenText(Woche), Lang);
}

// Keys read from a file may be anything; the text must still come out.
void TKalenderTest::WochenTextExtremeSchluessel_data() {
    QTest::addColumn<qint32>("Woche");
    QTest::newRow("INT32_MIN") << std::numeric_limits<qint32>::min();
    QTest::newRow("INT32_MIN + 1") << std::numeric_limits<qint32>::min() + 1;
    QTest::newRow("-1") << -1;
    QTest::newRow("0") << 0;
    QTest::newRow("INT32_MAX - 6") << std::numeric_limits<qint32>::max() - 6;
    QTest::newRow("INT32_MAX") << std::numeric_limits<qint32>::max();
}

void TKalenderTest::WochenTextExtremeSchluessel() {
    QFETCH(qint32, Woche);
    const QRegularExpression Kurzform(QStringLiteral("^([0-9]+)/-?[0-9]+(--?[0-9]+)?$"));
    for (const bool MitDatum : {false, true}) {
        const QString Text = WochenText(Woche, MitDatum);
        QVERIFY2(!Text.isEmpty(), MitDatum ? "lange Form leer" : "kurze Form leer");
        const QString Kurz = MitDatum ? Text.section(QLatin1Char(' '), 0, 0) : Text;
        const QRegularExpressionMatch Treffer = Kurzform.match(Kurz);
        QVERIFY2(Treffer.hasMatch(), qPrintable(Text));
        const int Nummer = Treffer.captured(1).toInt();
        QVERIFY2(Nummer >= 1 && Nummer <= 53, qPrintable(Text));
        if (MitDatum)
            QVERIFY2(Text.endsWith(QLatin1Char(')')), qPrintable(Text));
    }
}

void TKalenderTest::WochenMontagTabelle_data() {
    QTest::addColumn<qint32>("Tag");
    QTest::addColumn<qint32>("Montag");

    QTest::newRow("Montag bleibt") << 43906 << 43906;
    QTest::newRow("Dienstag") << 43907 << 43906;
    QTest::newRow("Samstag") << 43911 << 43906;
    QTest::newRow("Sonntag: sechs Tage früher") << 43912 << 43906;
    QTest::newRow("Sonntag davor") << 43905 << 43899;
    QTest::newRow("Tag 0, ein Samstag") << 0 << -5;
    QTest::newRow("Tag -1, ein Freitag") << -1 << -5;
    QTest::newRow("Tag -5, ein Montag") << -5 << -5;
    QTest::newRow("Tag -6, ein Sonntag") << -6 << -12;
    QTest::newRow("1.1.0001, ein Montag") << TagVon(1, 1, 1) << TagVon(1, 1, 1);
}

void TKalenderTest::WochenMontagTabelle() {
    QFETCH(qint32, Tag);
    QFETCH(qint32, Montag);
    QCOMPARE(WochenMontag(Tag), Montag);
}

void TKalenderTest::KalenderWocheTabelle_data() {
    QTest::addColumn<qint32>("Tag");
    QTest::addColumn<int>("Woche");

    QTest::newRow("31.12.2018") << TagVon(2018, 12, 31) << 1;
    QTest::newRow("28.12.2020") << TagVon(2020, 12, 28) << 53;
    QTest::newRow("1.1.2021") << TagVon(2021, 1, 1) << 53;
    QTest::newRow("3.1.2021, Sonntag") << TagVon(2021, 1, 3) << 53;
    QTest::newRow("4.1.2021") << TagVon(2021, 1, 4) << 1;
    QTest::newRow("16.3.2020") << 43906 << 12;
    QTest::newRow("22.3.2020, Sonntag") << TagVon(2020, 3, 22) << 12;
    QTest::newRow("1.1.2016, Freitag") << TagVon(2016, 1, 1) << 53;
    QTest::newRow("1.1.2017, Sonntag") << TagVon(2017, 1, 1) << 52;
    QTest::newRow("29.12.2025") << TagVon(2025, 12, 29) << 1;
    QTest::newRow("31.12.2026") << TagVon(2026, 12, 31) << 53;
}

void TKalenderTest::KalenderWocheTabelle() {
    QFETCH(qint32, Tag);
    QFETCH(int, Woche);
    QCOMPARE(KalenderWoche(Tag), Woche);
}

void TKalenderTest::DatumJahrTabelle_data() {
    QTest::addColumn<qint32>("Tag");
    QTest::addColumn<int>("Jahr");

    QTest::newRow("Tag 0") << 0 << 1899;
    QTest::newRow("Tag 2") << 2 << 1900;
    QTest::newRow("30.12.2019 in ISO-Woche 1 von 2020") << 43829 << 2019;
    QTest::newRow("31.12.2019") << 43830 << 2019;
    QTest::newRow("1.1.2020") << 43831 << 2020;
    QTest::newRow("1.1.2021 in ISO-Woche 53 von 2020") << TagVon(2021, 1, 1) << 2021;
}

void TKalenderTest::DatumJahrTabelle() {
    QFETCH(qint32, Tag);
    QFETCH(int, Jahr);
    QCOMPARE(DatumJahr(Tag), Jahr);
}

void TKalenderTest::TagNummerHinUndZurueck_data() {
    QTest::addColumn<QDate>("Datum");
    QTest::addColumn<qint32>("Nummer");

    QTest::newRow("30.12.1899") << QDate(1899, 12, 30) << 0;
    QTest::newRow("29.12.1899") << QDate(1899, 12, 29) << -1;
    QTest::newRow("1.1.1900") << QDate(1900, 1, 1) << 2;
    QTest::newRow("1.3.1900, 1900 ohne 29. Februar") << QDate(1900, 3, 1) << 61;
    QTest::newRow("29.2.2000") << QDate(2000, 2, 29) << 36585;
    QTest::newRow("16.3.2020") << QDate(2020, 3, 16) << 43906;
    QTest::newRow("1.1.0001") << QDate(1, 1, 1) << -693593;
    QTest::newRow("31.12.9999") << QDate(9999, 12, 31) << 2958465;
}

void TKalenderTest::TagNummerHinUndZurueck() {
    QFETCH(QDate, Datum);
    QFETCH(qint32, Nummer);
    QCOMPARE(TagNummer(Datum), Nummer);
    QCOMPARE(TagNummer(Datum.year(), Datum.month(), Datum.day()), Nummer);
    QCOMPARE(DatumVonTag(Nummer), Datum);
}

void TKalenderTest::JahresWochenJahr_data() {
    QTest::addColumn<qint32>("Tag");
    QTest::addColumn<int>("Anzahl");
    QTest::addColumn<qint32>("ErsteWoche");
    QTest::addColumn<QString>("ErsterText");
    QTest::addColumn<QString>("VorletzterText");
    QTest::addColumn<QString>("LetzterText");

    const QString Erster2020 = QStringLiteral("1/2019-2020 (30.12.2019-5.1.2020)");
    const QString Vorletzter2020 = QStringLiteral("53/2020-2021 (28.12.2020-3.1.2021)");
    const QString Letzter2020 = QStringLiteral("1/2021 (4.-10.1.2021)");
    for (const QDate &Datum : {QDate(2020, 1, 1), QDate(2020, 1, 2), QDate(2020, 1, 6), QDate(2020, 3, 16),
                               QDate(2020, 12, 23), QDate(2020, 12, 30), QDate(2020, 12, 31)}) {
        QTest::addRow("%s", qPrintable(Datum.toString(QStringLiteral("d.M.yyyy"))))
            << TagNummer(Datum) << 54 << 43829 << Erster2020 << Vorletzter2020 << Letzter2020;
    }
    QTest::newRow("1.1.2021: die Wochen von 2021")
        << TagVon(2021, 1, 1) << 53 << TagVon(2021, 1, 4) << "1/2021 (4.-10.1.2021)"
        << "52/2021-2022 (27.12.2021-2.1.2022)"
        << "1/2022 (3.-9.1.2022)";
    QTest::newRow("31.12.2021") << TagVon(2021, 12, 31) << 53 << TagVon(2021, 1, 4) << "1/2021 (4.-10.1.2021)"
                                << "52/2021-2022 (27.12.2021-2.1.2022)"
                                << "1/2022 (3.-9.1.2022)";
    QTest::newRow("2026: Woche 1 beginnt 2025")
        << TagVon(2026, 6, 15) << 54 << TagVon(2025, 12, 29) << "1/2025-2026 (29.12.2025-4.1.2026)"
        << "53/2026-2027 (28.12.2026-3.1.2027)"
        << "1/2027 (4.-10.1.2027)";
    QTest::newRow("1.1.2026") << TagVon(2026, 1, 1) << 54 << TagVon(2025, 12, 29) << "1/2025-2026 (29.12.2025-4.1.2026)"
                              << "53/2026-2027 (28.12.2026-3.1.2027)"
                              << "1/2027 (4.-10.1.2027)";
}

void TKalenderTest::JahresWochenJahr() {
    QFETCH(qint32, Tag);
    QFETCH(int, Anzahl);
    QFETCH(qint32, ErsteWoche);
    QFETCH(QString, ErsterText);
    QFETCH(QString, VorletzterText);
    QFETCH(QString, LetzterText);

    const TWochenListe Liste = JahresWochen(Tag, nullptr);
    QCOMPARE(Liste.size(), Anzahl);
    QCOMPARE(Liste.first().Datum, ErsteWoche);
    QCOMPARE(Liste.first().Text, ErsterText);
    QCOMPARE(Liste.at(Liste.size() - 2).Text, VorletzterText);
    QCOMPARE(Liste.last().Text, LetzterText);
    for (qsizetype Nr = 0; Nr < Liste.size(); ++Nr) {
        QCOMPARE(Liste.at(Nr).Datum, ErsteWoche + 7 * static_cast<qint32>(Nr));
        QCOMPARE(Liste.at(Nr).Text, WochenText(Liste.at(Nr).Datum));
    }
}

void TKalenderTest::JahresWochenGleicheListe() {
    const TWochenListe Anfang = JahresWochen(TagVon(2020, 1, 2), nullptr);
    QCOMPARE(JahresWochen(TagVon(2020, 12, 30), nullptr), Anfang);
    QVERIFY(JahresWochen(TagVon(2021, 1, 1), nullptr) != Anfang);
}

// Each entry's text follows the setting in force when the list is built.
void TKalenderTest::JahresWochenKurzeForm() {
    const TWochendatumWiederherstellen Wiederherstellen;
    SetWochendatum(false);
    const TWochenListe Liste = JahresWochen(43906, nullptr);
    QCOMPARE(Liste.size(), 54);
    QCOMPARE(Liste.first().Text, QStringLiteral("1/2019-2020"));
    QCOMPARE(Liste.at(11), (TWochenEintrag{QStringLiteral("12/2020"), 43906}));
    QCOMPARE(Liste.at(52).Text, QStringLiteral("53/2020-2021"));
    QCOMPARE(Liste.last().Text, QStringLiteral("1/2021"));
}

void TKalenderTest::JahresWochenOhneGehalteneWochen_data() {
    QTest::addColumn<bool>("MitFach");
    QTest::addColumn<QList<qint32>>("Gehalten");
    QTest::addColumn<QList<qint32>>("Fehlend");

    QTest::newRow("ohne Fach") << false << QList<qint32>{} << QList<qint32>{};
    QTest::newRow("Fach ohne Wochen") << true << QList<qint32>{} << QList<qint32>{};
    QTest::newRow("Woche 12/2020") << true << QList<qint32>{43906} << QList<qint32>{43906};
    QTest::newRow("erste und letzte Woche der Liste")
        << true << QList<qint32>{43829, 44193, 44200} << QList<qint32>{43829, 44193, 44200};
    QTest::newRow("Wochen anderer Jahre fehlen nicht")
        << true << QList<qint32>{43822, 43906, 44207} << QList<qint32>{43906};
}

void TKalenderTest::JahresWochenOhneGehalteneWochen() {
    QFETCH(bool, MitFach);
    QFETCH(QList<qint32>, Gehalten);
    QFETCH(QList<qint32>, Fehlend);

    TFach Fach;
    Fach.Fachname = QStringLiteral("Deutsch");
    for (const qint32 Woche : Gehalten)
        Fach.Add(Woche, QStringLiteral("x"));

    const TWochenListe Voll = JahresWochen(43906, nullptr);
    QCOMPARE(Voll.size(), 54);
    TWochenListe Erwartet;
    for (const TWochenEintrag &Eintrag : Voll) {
        if (!Fehlend.contains(Eintrag.Datum))
            Erwartet.append(Eintrag);
    }
    QCOMPARE(Erwartet.size(), 54 - Fehlend.size());
    QCOMPARE(JahresWochen(43906, MitFach ? &Fach : nullptr), Erwartet);
}

// Every day of 1990 to 2040 against the standard library's calendar.
void TKalenderTest::JedenTag1990Bis2040() {
    const sys_days Erster = sys_days{year{1990} / January / 1};
    const sys_days Letzter = sys_days{year{2040} / December / 31};
    for (sys_days Datum = Erster; Datum <= Letzter; Datum += days{1}) {
        const auto Nummer = static_cast<qint32>((Datum - Tag0).count());
        const year_month_day Ymd{Datum};
        const QDate Erwartet(static_cast<int>(Ymd.year()), static_cast<int>(static_cast<unsigned>(Ymd.month())),
                             static_cast<int>(static_cast<unsigned>(Ymd.day())));

        QCOMPARE(DatumVonTag(Nummer), Erwartet);
        QCOMPARE(TagNummer(Erwartet), Nummer);
        QCOMPARE(DatumJahr(Nummer), Erwartet.year());

        const qint32 Montag = WochenMontag(Nummer);
        QVERIFY2(Nummer - Montag >= 0 && Nummer - Montag <= 6, qPrintable(Erwartet.toString(Qt::ISODate)));
        const sys_days MontagDatum = Tag0 + days{Montag};
        const year_month_day MontagYmd{MontagDatum};
        const QDate MontagQ(static_cast<int>(MontagYmd.year()),
                            static_cast<int>(static_cast<unsigned>(MontagYmd.month())),
                            static_cast<int>(static_cast<unsigned>(MontagYmd.day())));
        QVERIFY2(MontagQ.dayOfWeek() == 1, qPrintable(Erwartet.toString(Qt::ISODate)));

        QVERIFY2(KalenderWoche(Nummer) == IsoWoche(Datum), qPrintable(QStringLiteral("%1: %2 statt %3")
                                                                          .arg(Erwartet.toString(Qt::ISODate))
                                                                          .arg(KalenderWoche(Nummer))
                                                                          .arg(IsoWoche(Datum))));
    }
}

QTEST_APPLESS_MAIN(TKalenderTest)
#include "tst_kalender.moc"
