#include "dialogs/Neu.h"

#include "Dialoghilfe.h"
#include "Modal.h"
#include "Testhilfe.h"
#include "data/Kalender.h"
#include "data/Klassendatei.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <tuple>

namespace {
// A Thursday in May 2026; its week is 20/2026 (11.-17.5.2026).
const qint32 Heute2026 = TagNummer(2026, 5, 14);
const qint32 Woche20 = TagNummer(2026, 5, 11);
const QString Woche20Text = QStringLiteral("20/2026 (11.-17.5.2026)");

qint32 Montag(int AJahr, int AMonat, int ATag) {
    return TagNummer(AJahr, AMonat, ATag);
}

// What the commands hand the dialog: the open class, its saved copy, the current subject and the data folder.
struct TOffen {
    TDaten Daten;
    TDaten SaveDaten;
    QString Pfad;
};

// Fills the dialog in the order the opening commands use.
void Vorbereiten(TNeuForm &AForm, int AModus, TOffen &AOffen, TFach *AFach = nullptr, bool ASpeichernS = false) {
    AForm.SpeichernS = ASpeichernS;
    AForm.DatenRef = &AOffen.Daten;
    AForm.SaveDatenRef = &AOffen.SaveDaten;
    AForm.SikS = false;
    AForm.FachRef = AModus == 1 ? AFach : nullptr;
    AForm.SchriftartZuweisen({Pixel(14), Qt::black}, Qt::white);
    AForm.HeuteTag = Heute2026;
    AForm.JahreZuweisen(DatumJahr(Heute2026));
    AForm.WochenZuweisen(Heute2026, WochenMontag(Heute2026));
    AForm.SetModus(AModus);
    AForm.Pfad = AOffen.Pfad;
    AForm.Edit1->setText(AModus == 3 ? QString() : AOffen.Daten.Klasse);
    AForm.Edit2->setText(AModus == 1 && AFach ? AFach->Fachname : QString());
}

QString Ausgewaehlt(const QListWidget *AListe) {
    const QList<QListWidgetItem *> Auswahl = AListe->selectedItems();
    return Auswahl.size() == 1 ? Auswahl.first()->text() : QString();
}

bool Gleich(const TDaten &A, const TDaten &B) {
    return A.Ident(B) && A.Filename == B.Filename;
}
} // namespace

class TstNeu : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void layout_data();
    void layout();
    void zeileVon13Pixeln();
    void modi_data();
    void modi();
    void modusWechselImOffenenFenster();
    void namenUndKuerzel();
    void jahre_data();
    void jahre();
    void wochenDes2026();
    void wochenAuswahl_data();
    void wochenAuswahl();
    void modus1NaechsteFreieWoche();
    void jahrwechselDurchBenutzer();
    void okZustand_data();
    void okZustand();
    void enter_data();
    void enter();
    void modus2VorhandenesFach_data();
    void modus2VorhandenesFach();
    void modus2NeuesFach();
    void abbrechenAendertNichts();
    void modus3VorhandeneKlasse_data();
    void modus3VorhandeneKlasse();
    void modus3EigeneKlasse_data();
    void modus3EigeneKlasse();
    void modus3Speicherfrage_data();
    void modus3Speicherfrage();
    void modus3NeueKlasse_data();
    void modus3NeueKlasse();
    void modus3SpeichernMisslingt_data();
    void modus3SpeichernMisslingt();

private:
    // The open class 5b with its file in a fresh data folder, saved as it is.
    void Klasse5b(TOffen &AOffen);
    QTemporaryDir *FOrdner = nullptr;
    TMeldungsRekorder *FMeldungen = nullptr;
};

void TstNeu::init() {
    FOrdner = new QTemporaryDir;
    QVERIFY(FOrdner->isValid());
    FMeldungen = new TMeldungsRekorder;
}

void TstNeu::cleanup() {
    delete FMeldungen;
    FMeldungen = nullptr;
    delete FOrdner;
    FOrdner = nullptr;
    QVERIFY2(!QApplication::activeModalWidget(), "a dialog or message box was left open");
}

void TstNeu::Klasse5b(TOffen &AOffen) {
    AOffen.Pfad = FOrdner->path() + QLatin1Char('/');
    AOffen.Daten =
        Klasse(QStringLiteral("5b"), {{QStringLiteral("Deutsch"), {{Woche20 - 7, QStringLiteral("Lesen")}}},
                                      {QStringLiteral("Mathematik"), {{Woche20, QStringLiteral("Brüche")}}}});
    QVERIFY(AOffen.Daten.SaveToFile(AOffen.Pfad + QStringLiteral("5b.SGV")));
    AOffen.SaveDaten = AOffen.Daten;
}

void TstNeu::layout_data() {
    LayoutGroessen();
}

void TstNeu::layout() {
    QFETCH(int, Groesse);
    const QFont Schrift = Pixel(Groesse);
    TNeuForm Form;
    Form.SchriftartZuweisen({Schrift, Qt::black}, Qt::white);
    Form.SchalterEinrichten();

    const int Hoehe = QGuiApplication::primaryScreen()->geometry().height();
    const int Knopf = Zeile(Schrift) + 12;
    const int Feld = Zeile(Schrift) + 8;
    QCOMPARE(Form.size(), QSize(811, Hoehe));
    QCOMPARE(Form.y(), 0);
    QCOMPARE(Form.Button1->geometry(), QRect(187, Hoehe - Knopf - 10, 125, Knopf));
    QCOMPARE(Form.Button2->geometry(), QRect(499, Hoehe - Knopf - 10, 125, Knopf));

    // Text widths as a label lays its text out.
    const QFontMetrics Masse(Schrift);
    int Breiteste = 0;
    for (const char *Text : {"Klasse:", "Fach:", "Jahr:", "Woche:"})
        Breiteste = std::max(Breiteste, Masse.size(Qt::TextSingleLine, QString::fromLatin1(Text)).width());
    const int Links = Breiteste + 15;
    QCOMPARE(Form.Edit1->geometry(), QRect(Links, 10, 811 - Links - 10, Feld));
    QCOMPARE(Form.Edit2->geometry(), QRect(Links, 20 + Feld, 811 - Links - 10, Feld));
    const int JahreOben = 30 + 2 * Feld;
    const int ListenHoehe = (Form.Button1->y() - JahreOben - 20) / 2;
    QVERIFY(ListenHoehe > 0);
    QCOMPARE(Form.ListBox1->geometry(), QRect(Links, JahreOben, (811 - Links - 10) / 2, ListenHoehe));
    QCOMPARE(Form.ListBox2->geometry(), QRect(Links, JahreOben + ListenHoehe + 10, 811 - Links - 10, ListenHoehe));

    for (QLabel *Label : {Form.Label1E, Form.Label2E, Form.Label1L, Form.Label2L})
        QCOMPARE(Label->x(), 10);
    // Measured as shown, without the accelerator's "&".
    QCOMPARE(Form.Label1E->width(), Masse.size(Qt::TextSingleLine, QStringLiteral("Klasse:")).width());
    QCOMPARE(Form.Label1E->y(), 10 + (Feld - Form.Label1E->height()) / 2);
    QCOMPARE(Form.Label2E->y(), Form.Edit2->y() + (Feld - Form.Label2E->height()) / 2);
    QCOMPARE(Form.Label1L->y(), Form.ListBox1->y());
    QCOMPARE(Form.Label2L->y(), Form.ListBox2->y());
}

void TstNeu::zeileVon13Pixeln() {
    const QFont Schrift = SchriftMit13();
    if (Schrift.family().isEmpty())
        QSKIP("no installed font size has a 13-pixel line");
    TNeuForm Form;
    Form.SchriftartZuweisen({Schrift, Qt::black}, Qt::white);
    Form.SchalterEinrichten();
    QCOMPARE(Form.Button1->size(), QSize(125, 25));
    QCOMPARE(Form.Button2->size(), QSize(125, 25));
    QCOMPARE(Form.width(), 811);
    QCOMPARE(Form.Edit1->height(), 21);
}

void TstNeu::modi_data() {
    QTest::addColumn<int>("Gesetzt");
    QTest::addColumn<int>("Modus");
    QTest::addColumn<bool>("Klasse"); // Edit1 editable
    QTest::addColumn<bool>("Fach");   // Edit2 editable
    QTest::addColumn<QString>("Fokus");
    QTest::newRow("Woche") << 1 << 1 << false << false << "ListBox1";
    QTest::newRow("Fach") << 2 << 2 << false << true << "Edit2";
    QTest::newRow("Klasse") << 3 << 3 << true << true << "Edit1";
    QTest::newRow("0 wird Woche") << 0 << 1 << false << false << "ListBox1";
    QTest::newRow("-4 wird Woche") << -4 << 1 << false << false << "ListBox1";
    QTest::newRow("7 wird Klasse") << 7 << 3 << true << true << "Edit1";
}

void TstNeu::modi() {
    QFETCH(int, Gesetzt);
    QFETCH(int, Modus);
    QFETCH(bool, Klasse);
    QFETCH(bool, Fach);
    QFETCH(QString, Fokus);
    TOffen Offen;
    Klasse5b(Offen);
    TNeuForm Form;
    Vorbereiten(Form, 3, Offen);
    Form.SetModus(Gesetzt);
    QCOMPARE(Form.Modus(), Modus);
    QCOMPARE(!Form.Edit1->isReadOnly(), Klasse);
    QCOMPARE(!Form.Edit2->isReadOnly(), Fach);
    Form.open();
    QTRY_VERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), Fokus);
    Form.reject();
}

void TstNeu::modusWechselImOffenenFenster() {
    TOffen Offen;
    Klasse5b(Offen);
    TNeuForm Form;
    Vorbereiten(Form, 1, Offen, &Offen.Daten.Fach(0));
    Form.open();
    QTRY_COMPARE(QApplication::focusWidget(), Form.ListBox1);
    Form.SetModus(3);
    QTRY_COMPARE(QApplication::focusWidget(), Form.Edit1);
    Form.SetModus(2);
    QTRY_COMPARE(QApplication::focusWidget(), Form.Edit2);
    QVERIFY(Form.Edit1->isReadOnly());
    Form.reject();
}

void TstNeu::namenUndKuerzel() {
    TNeuForm Form;
    const QList<std::tuple<QLabel *, QWidget *, QString, QString>> Zeilen{
        {Form.Label1E, Form.Edit1, QStringLiteral("K&lasse:"), QStringLiteral("Klasse:")},
        {Form.Label2E, Form.Edit2, QStringLiteral("&Fach:"), QStringLiteral("Fach:")},
        {Form.Label1L, Form.ListBox1, QStringLiteral("&Jahr:"), QStringLiteral("Jahr:")},
        {Form.Label2L, Form.ListBox2, QStringLiteral("&Woche:"), QStringLiteral("Woche:")}};
    for (const auto &[Label, Feld, Text, Name] : Zeilen) {
        QCOMPARE(Label->text(), Text);
        QCOMPARE(Label->buddy(), Feld);
        QCOMPARE(Feld->accessibleName(), Name);
    }
    QCOMPARE(Form.Button1->text(), QStringLiteral("O&K"));
    QCOMPARE(Form.Button1->accessibleName(), QStringLiteral("OK"));
    QCOMPARE(Form.Button2->text(), QStringLiteral("&Abbrechen"));
    QVERIFY(Form.Button1->isDefault());

    // Tab order: class, subject, years, weeks, OK, Cancel.
    TOffen Offen;
    Klasse5b(Offen);
    Vorbereiten(Form, 3, Offen);
    Form.Edit1->setText(QStringLiteral("6a"));
    Form.Edit2->setText(QStringLiteral("Physik"));
    Form.open();
    QTRY_COMPARE(QApplication::focusWidget(), Form.Edit1);
    for (QWidget *Naechstes :
         QList<QWidget *>{Form.Edit2, Form.ListBox1, Form.ListBox2, Form.Button1, Form.Button2, Form.Edit1}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), Naechstes);
    }
    // The accelerators of the labels focus their fields and lists.
    QTest::keyClick(&Form, Qt::Key_W, Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget(), Form.ListBox2);
    QTest::keyClick(&Form, Qt::Key_F, Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget(), Form.Edit2);
    QTest::keyClick(&Form, Qt::Key_J, Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget(), Form.ListBox1);
    QTest::keyClick(&Form, Qt::Key_L, Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget(), Form.Edit1);
    Form.reject();
}

void TstNeu::jahre_data() {
    QTest::addColumn<qint32>("Heute");
    QTest::addColumn<int>("Jahr");
    QTest::addColumn<QString>("Letztes");
    QTest::addColumn<QString>("Auswahl");
    QTest::addColumn<QString>("NachDemZeigen");
    const auto Fall = [](const char *AZeile, qint32 AHeute, int AJahr, const QString &ALetztes, const QString &AAuswahl,
                         const QString &ANachDemZeigen) {
        QTest::newRow(AZeile) << AHeute << AJahr << ALetztes << AAuswahl << ANachDemZeigen;
    };
    Fall("2026", Heute2026, 2026, "2036", "2026", "2026");
    Fall("Silvester 2026", TagNummer(2026, 12, 31), 2026, "2036", "2026", "2026");
    Fall("Neujahr 2027", TagNummer(2027, 1, 1), 2027, "2037", "2027", "2027");
    Fall("Jahr 0: das erste", Heute2026, 0, "2036", "2005", "2005");
    Fall("erstes Jahr", Heute2026, 2005, "2036", "2005", "2005");
    Fall("letztes Jahr", Heute2026, 2036, "2036", "2036", "2036");
    Fall("vor der Liste", Heute2026, 2004, "2036", "", "2005");
    Fall("hinter der Liste", Heute2026, 2037, "2036", "", "2005");
}

void TstNeu::jahre() {
    QFETCH(qint32, Heute);
    QFETCH(int, Jahr);
    QFETCH(QString, Letztes);
    QFETCH(QString, Auswahl);
    QFETCH(QString, NachDemZeigen);
    TNeuForm Form;
    Form.HeuteTag = Heute;
    Form.JahreZuweisen(Jahr);
    const QStringList Jahre = Listenzeilen(Form.ListBox1);
    QCOMPARE(Jahre.first(), QStringLiteral("2005"));
    QCOMPARE(Jahre.last(), Letztes);
    QCOMPARE(Jahre.size(), Letztes.toInt() - 2005 + 1);
    for (int Nr = 1; Nr < Jahre.size(); ++Nr)
        QCOMPARE(Jahre.at(Nr).toInt(), Jahre.at(Nr - 1).toInt() + 1);
    QCOMPARE(Ausgewaehlt(Form.ListBox1), Auswahl);

    // Showing selects the first year when none is; a year the program selects leaves the weeks alone.
    Form.WochenZuweisen(Heute2026, Woche20);
    Form.open();
    QTRY_VERIFY(Form.isVisible());
    QCOMPARE(Ausgewaehlt(Form.ListBox1), NachDemZeigen);
    QCOMPARE(Form.Datum(), Woche20);
    Form.reject();
}

void TstNeu::wochenDes2026() {
    TNeuForm Form;
    Form.HeuteTag = Heute2026;
    Form.JahreZuweisen(2026);
    Form.WochenZuweisen(Heute2026, 0);
    QCOMPARE(Form.ListBox2->count(), 54);
    QCOMPARE(Form.Datum(0), Montag(2025, 12, 29));
    QCOMPARE(Form.ListBox2->item(0)->text(), QStringLiteral("1/2025-2026 (29.12.2025-4.1.2026)"));
    QCOMPARE(Form.Datum(52), Montag(2026, 12, 28));
    QCOMPARE(Form.Datum(53), Montag(2027, 1, 4));
    QCOMPARE(Form.ListBox2->item(53)->text(), QStringLiteral("1/2027 (4.-10.1.2027)"));
    for (int Nr = 1; Nr < Form.ListBox2->count(); ++Nr)
        QCOMPARE(Form.Datum(Nr), Form.Datum(Nr - 1) + 7);
    QCOMPARE(Form.ListBox2->currentRow(), 0);
    QCOMPARE(Form.Datum(), Montag(2025, 12, 29));
    QCOMPARE(Form.Datum(54), 0);

    // The short week text when the main window shows weeks without dates.
    {
        SetWochendatum(false);
        const auto Zurueck = qScopeGuard([] { SetWochendatum(true); });
        Form.WochenZuweisen(Heute2026, 0);
    }
    QCOMPARE(Form.ListBox2->item(0)->text(), QStringLiteral("1/2025-2026"));

    // Without years there are no weeks either, and OK stays off.
    Form.Edit1->setText(QStringLiteral("5b"));
    Form.Edit2->setText(QStringLiteral("Deutsch"));
    Form.ListBox1->clear();
    Form.WochenZuweisen(Heute2026, Woche20);
    QCOMPARE(Form.ListBox2->count(), 0);
    QVERIFY(!Form.Button1->isEnabled());
    QCOMPARE(Form.Datum(), 0);
}

void TstNeu::wochenAuswahl_data() {
    QTest::addColumn<qint32>("Woche");
    QTest::addColumn<qint32>("Gewaehlt");
    QTest::newRow("keine Vorgabe") << 0 << Montag(2025, 12, 29);
    QTest::newRow("diese Woche") << Woche20 << Woche20;
    QTest::newRow("ein Mittwoch: die Woche danach") << Woche20 + 2 << Woche20 + 7;
    QTest::newRow("vor der Liste") << Montag(2025, 6, 2) << Montag(2025, 12, 29);
    QTest::newRow("letzter Eintrag") << Montag(2027, 1, 4) << Montag(2027, 1, 4);
    QTest::newRow("hinter der Liste: der erste") << Montag(2027, 1, 11) << Montag(2025, 12, 29);
}

void TstNeu::wochenAuswahl() {
    QFETCH(qint32, Woche);
    QFETCH(qint32, Gewaehlt);
    TNeuForm Form;
    Form.HeuteTag = Heute2026;
    Form.JahreZuweisen(2026);
    Form.WochenZuweisen(Heute2026, Woche);
    QCOMPARE(Form.Datum(), Gewaehlt);
    QCOMPARE(Ausgewaehlt(Form.ListBox2), WochenText(Gewaehlt));
}

void TstNeu::modus1NaechsteFreieWoche() {
    TOffen Offen;
    Klasse5b(Offen);
    // Mathematik holds this week; add the next one and one of December.
    TFach &Mathe = Offen.Daten.Fach(1);
    Mathe.Add(Woche20 + 7, QStringLiteral("Geometrie"));
    Mathe.Add(Montag(2026, 12, 7), QStringLiteral("Wiederholung"));
    TNeuForm Form;
    Vorbereiten(Form, 1, Offen, &Mathe);
    QCOMPARE(Form.ListBox2->count(), 54 - 3);
    QCOMPARE(Form.Datum(), Woche20 + 14);
    for (int Nr = 0; Nr < Form.ListBox2->count(); ++Nr)
        QVERIFY2(Mathe.FindeDatumNr(Form.Datum(Nr)) < 0, qPrintable(Form.ListBox2->item(Nr)->text()));
    QCOMPARE(Form.Edit1->text(), QStringLiteral("5b"));
    QCOMPARE(Form.Edit2->text(), QStringLiteral("Mathematik"));
    QVERIFY(Form.Button1->isEnabled());

    // OK adds the chosen week with an empty text, in order; the saved copy stays as it was.
    const TDaten Gespeichert = Offen.SaveDaten;
    TModalHelfer Helfer;
    Form.show();
    Form.ListBox2->setCurrentRow(0);
    Form.Button1->click();
    QCOMPARE(Form.result(), int(QDialog::Accepted));
    QVERIFY(!Form.isVisible());
    const QList<qint32> Erwartet{Montag(2025, 12, 29), Woche20, Woche20 + 7, Montag(2026, 12, 7)};
    QList<qint32> Wochen;
    for (const TWocheRec &Rec : Mathe.WochenDaten)
        Wochen.append(Rec.Datum);
    QCOMPARE(Wochen, Erwartet);
    QCOMPARE(Mathe.WochenDaten.first().Text, QString());
    QCOMPARE(Offen.Daten.Fach(0).Count(), 1);
    QVERIFY(Gleich(Offen.SaveDaten, Gespeichert));
    QCOMPARE(Helfer.Unerwartet, 0);
}

void TstNeu::jahrwechselDurchBenutzer() {
    TOffen Offen;
    Klasse5b(Offen);
    TNeuForm Form;
    Vorbereiten(Form, 1, Offen, &Offen.Daten.Fach(0));
    QCOMPARE(Form.Datum(), Woche20);

    // Years that the program selects leave the weeks alone.
    Form.JahreZuweisen(2027);
    QCOMPARE(Form.Datum(), Woche20);
    Form.JahreZuweisen(2026);

    Form.open();
    QTRY_COMPARE(QApplication::focusWidget(), Form.ListBox1);
    QTest::keyClick(Form.ListBox1, Qt::Key_Down);
    QCOMPARE(Ausgewaehlt(Form.ListBox1), QStringLiteral("2027"));
    QCOMPARE(Form.ListBox2->currentRow(), 0);
    QCOMPARE(Form.Datum(), Montag(2027, 1, 4));
    QCOMPARE(Form.Datum(Form.ListBox2->count() - 1), Montag(2028, 1, 3));

    // By mouse: the weeks of 2020 begin in December 2019 and have 53 weeks plus the first of 2021.
    QListWidgetItem *Jahr2020 = Form.ListBox1->item(2020 - 2005);
    Form.ListBox1->scrollToItem(Jahr2020);
    QCOMPARE(Form.Datum(), Montag(2027, 1, 4));
    QTest::mouseClick(Form.ListBox1->viewport(), Qt::LeftButton, {}, Form.ListBox1->visualItemRect(Jahr2020).center());
    QCOMPARE(Ausgewaehlt(Form.ListBox1), QStringLiteral("2020"));
    QCOMPARE(Form.ListBox2->count(), 54);
    QCOMPARE(Form.Datum(), Montag(2019, 12, 30));
    Form.reject();
}

void TstNeu::okZustand_data() {
    QTest::addColumn<QString>("Klasse");
    QTest::addColumn<QString>("Fach");
    QTest::addColumn<bool>("AlleWochenS"); // the subject holds every week of the year: no week is left
    QTest::addColumn<bool>("OkS");
    const auto Fall = [](const char *AZeile, const QString &AKlasse, const QString &AFach, bool AAlleWochenS,
                         bool AOkS) { QTest::newRow(AZeile) << AKlasse << AFach << AAlleWochenS << AOkS; };
    Fall("beide Namen", "5b", "Physik", false, true);
    Fall("Klasse fehlt", "", "Physik", false, false);
    Fall("Fach fehlt", "5b", "", false, false);
    Fall("Klasse nur Leerzeichen", "  ", "Physik", false, false);
    Fall("Fach nur Tabulator", "5b", "\t", false, false);
    Fall("beide leer", "", "", false, false);
    Fall("Namen mit Leerzeichen", " 5b ", " Physik ", false, true);
    Fall("keine Woche frei", "5b", "Physik", true, false);
}

void TstNeu::okZustand() {
    QFETCH(QString, Klasse);
    QFETCH(QString, Fach);
    QFETCH(bool, AlleWochenS);
    QFETCH(bool, OkS);
    TOffen Offen;
    Klasse5b(Offen);
    TFach Voll(QStringLiteral("Sport"), 0, QString());
    Voll.ClearWochenDaten();
    for (const TWochenEintrag &Woche : JahresWochen(Heute2026, nullptr))
        Voll.Add(Woche.Datum, QStringLiteral("x"));
    TNeuForm Form;
    Vorbereiten(Form, AlleWochenS ? 1 : 3, Offen, &Voll);
    QCOMPARE(Form.ListBox2->count() == 0, AlleWochenS);
    Form.Edit1->setText(Klasse);
    Form.Edit2->setText(Fach);
    QCOMPARE(Form.Button1->isEnabled(), OkS);
    Form.open();
    QTRY_VERIFY(Form.isVisible());
    QCOMPARE(Form.Button1->isEnabled(), OkS);

    // The state follows the names as they change.
    Form.Edit1->clear();
    QVERIFY(!Form.Button1->isEnabled());
    Form.Edit1->setText(Klasse);
    QCOMPARE(Form.Button1->isEnabled(), OkS);
    Form.reject();
}

void TstNeu::enter_data() {
    QTest::addColumn<QString>("Klasse");
    QTest::addColumn<QString>("Fach");
    QTest::addColumn<QString>("Feld");
    QTest::addColumn<QString>("Fokus"); // empty: Enter ended the dialog with OK
    const auto Fall = [](const char *AZeile, const QString &AKlasse, const QString &AFach, const QString &AFeld,
                         const QString &AFokus) { QTest::newRow(AZeile) << AKlasse << AFach << AFeld << AFokus; };
    Fall("Klasse fehlt, Enter im Fach", "", "Physik", "Edit2", "Edit1");
    Fall("Klasse fehlt, Enter in der Klasse", " ", "", "Edit1", "Edit1");
    Fall("Fach fehlt, Enter in der Klasse", "6a", "", "Edit1", "Edit2");
    Fall("Fach fehlt, Enter im Fach", "6a", " ", "Edit2", "Edit2");
    Fall("beide da: OK", "6a", "Physik", "Edit1", "");
    Fall("beide da, Enter im Fach: OK", "6a", "Physik", "Edit2", "");
}

void TstNeu::enter() {
    QFETCH(QString, Klasse);
    QFETCH(QString, Fach);
    QFETCH(QString, Feld);
    QFETCH(QString, Fokus);
    TOffen Offen;
    Klasse5b(Offen);
    TNeuForm Form;
    Vorbereiten(Form, 3, Offen);
    Form.Edit1->setText(Klasse);
    Form.Edit2->setText(Fach);
    Form.open();
    QTRY_COMPARE(QApplication::focusWidget(), Form.Edit1);
    auto *Eingabe = Form.findChild<QLineEdit *>(Feld);
    Eingabe->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), Eingabe);
    QTest::keyClick(Eingabe, Qt::Key_Return);
    if (Fokus.isEmpty()) {
        QCOMPARE(Form.Piepser, 0);
        QTRY_VERIFY(!Form.isVisible());
        QCOMPARE(Form.result(), int(QDialog::Accepted));
        QVERIFY(QFile::exists(Offen.Pfad + QStringLiteral("6a.SGV")));
        return;
    }
    QCOMPARE(Form.Piepser, 1);
    QVERIFY(Form.isVisible());
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), Fokus);
    // The keypad's Enter is refused the same way; typing is not filtered.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(Form.Piepser, 2);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("x"));
    QVERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget())->text().contains(QLatin1Char('x')));
    QVERIFY(Gleich(Offen.Daten, Offen.SaveDaten));
    Form.reject();
}

void TstNeu::modus2VorhandenesFach_data() {
    QTest::addColumn<QString>("Fach");
    QTest::addColumn<qint32>("Woche");
    QTest::addColumn<QMessageBox::StandardButton>("Antwort");
    QTest::addColumn<QString>("Frage");
    QTest::addColumn<bool>("NeueWocheS");
    const QString Neu = QStringLiteral("Das Fach \"%1\" ist bereits vorhanden!\r\nSoll die Woche %2 trotzdem angelegt "
                                       "werden?");
    const QString Beides =
        QStringLiteral("Das Fach \"%1\" und die Woche %2 sind bereits vorhanden!\r\nSoll dort hingewechselt werden?");
    const QString Woche21 = QStringLiteral("21/2026 (18.-24.5.2026)");
    QTest::newRow("andere Woche, Ja") << "mathematik" << Woche20 + 7 << QMessageBox::Yes
                                      << Neu.arg(QStringLiteral("mathematik"), Woche21) << true;
    QTest::newRow("andere Woche, Nein") << "mathematik" << Woche20 + 7 << QMessageBox::No
                                        << Neu.arg(QStringLiteral("mathematik"), Woche21) << false;
    QTest::newRow("vorhandene Woche, Ja") << "MATHEMATIK" << Woche20 << QMessageBox::Yes
                                          << Beides.arg(QStringLiteral("MATHEMATIK"), Woche20Text) << false;
    QTest::newRow("vorhandene Woche, Nein") << " Mathematik " << Woche20 << QMessageBox::No
                                            << Beides.arg(QStringLiteral("Mathematik"), Woche20Text) << false;
}

void TstNeu::modus2VorhandenesFach() {
    QFETCH(QString, Fach);
    QFETCH(qint32, Woche);
    QFETCH(QMessageBox::StandardButton, Antwort);
    QFETCH(QString, Frage);
    QFETCH(bool, NeueWocheS);
    TOffen Offen;
    Klasse5b(Offen);
    const TDaten Vorher = Offen.Daten;
    TNeuForm Form;
    Vorbereiten(Form, 2, Offen);
    Form.Edit2->setText(Fach);
    Form.show();
    Form.ListBox2->setCurrentRow(Form.ListBox2->row(Form.ListBox2->findItems(WochenText(Woche), Qt::MatchExactly)[0]));
    Form.Edit1->setFocus();
    TModalHelfer Helfer;
    Helfer.Antwort(Antwort);
    Form.Button1->click();
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Helfer.Texte, QStringList{Frage});
    QCOMPARE(Helfer.Symbole, QList<QMessageBox::Icon>{QMessageBox::Information});
    QCOMPARE(Form.Edit2->text(), Fach.trimmed());
    QCOMPARE(Offen.Daten.Count(), 2);
    if (Antwort == QMessageBox::No) {
        QVERIFY(Form.isVisible());
        QCOMPARE(Form.focusWidget(), Form.Edit2);
        QVERIFY(Gleich(Offen.Daten, Vorher));
        Form.reject();
        QVERIFY(Gleich(Offen.Daten, Vorher));
        return;
    }
    QVERIFY(!Form.isVisible());
    QCOMPARE(Form.result(), int(QDialog::Accepted));
    QCOMPARE(Form.Datum(), Woche);
    const TFach &Mathe = Offen.Daten.Fach(1);
    QCOMPARE(Mathe.Fachname, QStringLiteral("Mathematik"));
    if (NeueWocheS) {
        QCOMPARE(Mathe.WochenDaten, (TWochenDaten{{Woche20, QStringLiteral("Brüche")}, {Woche, QString()}}));
    } else {
        QVERIFY(Gleich(Offen.Daten, Vorher));
    }
    QVERIFY(Offen.SaveDaten.Ident(Vorher));
}

void TstNeu::modus2NeuesFach() {
    TOffen Offen;
    Klasse5b(Offen);
    TNeuForm Form;
    Vorbereiten(Form, 2, Offen);
    QCOMPARE(Form.Edit1->text(), QStringLiteral("5b"));
    QCOMPARE(Form.Edit2->text(), QString());
    Form.Edit2->setText(QStringLiteral("  Biologie\t"));
    TModalHelfer Helfer;
    Form.show();
    Form.Button1->click();
    QCOMPARE(Form.result(), int(QDialog::Accepted));
    QCOMPARE(Helfer.Unerwartet, 0);
    QCOMPARE(Form.Edit2->text(), QStringLiteral("Biologie"));
    // Sorted into place, holding the chosen week.
    QCOMPARE(Offen.Daten.Count(), 3);
    QCOMPARE(Offen.Daten.Fach(0).Fachname, QStringLiteral("Biologie"));
    QCOMPARE(Offen.Daten.Fach(0).WochenDaten, (TWochenDaten{{Woche20, QString()}}));
    QCOMPARE(Offen.Daten.Fach(1).Fachname, QStringLiteral("Deutsch"));
    QCOMPARE(Offen.SaveDaten.Count(), 2);
}

void TstNeu::abbrechenAendertNichts() {
    TOffen Offen;
    Klasse5b(Offen);
    const TDaten Vorher = Offen.Daten;
    for (int Modus = 1; Modus <= 3; ++Modus) {
        TNeuForm Form;
        Vorbereiten(Form, Modus, Offen, &Offen.Daten.Fach(1));
        Form.Edit1->setText(QStringLiteral("6a"));
        Form.Edit2->setText(QStringLiteral("Physik"));
        bool HaengtS = false;
        const int Ergebnis = MitExec(
            Form, [&Form] { QTest::keyClick(&Form, Qt::Key_Escape); }, HaengtS);
        QVERIFY(!HaengtS);
        QCOMPARE(Ergebnis, int(QDialog::Rejected));
        QVERIFY(Gleich(Offen.Daten, Vorher));
        QVERIFY(Gleich(Offen.SaveDaten, Vorher));
    }
    QCOMPARE(QDir(Offen.Pfad).entryList(QDir::Files), QStringList{QStringLiteral("5b.SGV")});
}

void TstNeu::modus3VorhandeneKlasse_data() {
    QTest::addColumn<QString>("Name");
    QTest::addColumn<QMessageBox::StandardButton>("Antwort");
    QTest::newRow("4A, Ja") << "4A" << QMessageBox::Yes;
    QTest::newRow("4a, Ja") << "4a" << QMessageBox::Yes;
    QTest::newRow("4A, Nein") << "4A" << QMessageBox::No;
}

void TstNeu::modus3VorhandeneKlasse() {
    QFETCH(QString, Name);
    QFETCH(QMessageBox::StandardButton, Antwort);
    TOffen Offen;
    Klasse5b(Offen);
    // The class 4a lives in a file whose name has nothing to do with it.
    const TDaten Klasse4a =
        Klasse(QStringLiteral("4a"), {{QStringLiteral("Kunst"), {{Woche20, QStringLiteral("Ton")}}}});
    TDaten Schreiben = Klasse4a;
    QVERIFY(Schreiben.SaveToFile(Offen.Pfad + QStringLiteral("Klasse_alt.SGV")));
    const TDaten Vorher = Offen.Daten;

    TNeuForm Form;
    Vorbereiten(Form, 3, Offen);
    Form.Edit1->setText(Name);
    Form.Edit2->setText(QStringLiteral("Physik"));
    Form.show();
    TModalHelfer Helfer;
    Helfer.Antwort(Antwort);
    Form.Button1->click();
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Helfer.Texte, QStringList{QStringLiteral("Die Klasse \"%1\" ist bereits vorhanden!\r\n"
                                                      "Soll dort hingewechselt werden?")
                                           .arg(Name)});
    QCOMPARE(Helfer.Symbole, QList<QMessageBox::Icon>{QMessageBox::Question});
    if (Antwort == QMessageBox::No) {
        QVERIFY(Form.isVisible());
        QCOMPARE(Form.focusWidget(), Form.Edit1);
        QVERIFY(Gleich(Offen.Daten, Vorher));
        Form.reject();
    } else {
        QVERIFY(!Form.isVisible());
        QCOMPARE(Form.result(), int(QDialog::Accepted));
        QVERIFY(Offen.Daten.Ident(Klasse4a));
        QCOMPARE(Offen.Daten.Filename, Offen.Pfad + QStringLiteral("Klasse_alt.SGV"));
        QVERIFY(Gleich(Offen.SaveDaten, Offen.Daten));
    }
    QCOMPARE(QDir(Offen.Pfad).entryList(QDir::Files).size(), 2);
}

void TstNeu::modus3EigeneKlasse_data() {
    QTest::addColumn<bool>("SpeichernS");
    QTest::newRow("ohne Änderungen") << false;
    QTest::newRow("mit Änderungen") << true;
}

void TstNeu::modus3EigeneKlasse() {
    QFETCH(bool, SpeichernS);
    TOffen Offen;
    Klasse5b(Offen);
    if (SpeichernS)
        Offen.Daten.Fach(0).WochenDaten[0].Text = QStringLiteral("Lesen und Schreiben");
    const TDaten Vorher = Offen.Daten;
    const TDaten VorherGespeichert = Offen.SaveDaten;
    const QByteArray Datei = DateiInhalt(Offen.Pfad + QStringLiteral("5b.SGV"));
    // Another class of the same name in the folder does not count: the open class is the target.
    TDaten Zweite = Klasse(QStringLiteral("5B"), {});
    QVERIFY(Zweite.SaveToFile(Offen.Pfad + QStringLiteral("zweite.SGV")));

    TNeuForm Form;
    Vorbereiten(Form, 3, Offen, nullptr, SpeichernS);
    Form.Edit1->setText(QStringLiteral("5B"));
    Form.Edit2->setText(QStringLiteral("Physik"));
    Form.show();
    TModalHelfer Helfer;
    Helfer.Antwort(QMessageBox::Yes);
    Form.Button1->click();
    QCOMPARE(Helfer.Texte.size(), 1);
    QVERIFY(Helfer.Texte.first().startsWith(QStringLiteral("Die Klasse \"5B\" ist bereits vorhanden!")));
    QCOMPARE(Helfer.Unerwartet, 0);
    QCOMPARE(Form.result(), int(QDialog::Accepted));
    QVERIFY(Gleich(Offen.Daten, Vorher));
    QVERIFY(Gleich(Offen.SaveDaten, VorherGespeichert));
    QCOMPARE(DateiInhalt(Offen.Pfad + QStringLiteral("5b.SGV")), Datei);
    QCOMPARE(QDir(Offen.Pfad).entryList(QDir::Files).size(), 2);
}

void TstNeu::modus3Speicherfrage_data() {
    QTest::addColumn<QString>("Name");
    QTest::addColumn<QMessageBox::StandardButton>("Speichern");
    QTest::newRow("Wechsel, Ja") << "4a" << QMessageBox::Yes;
    QTest::newRow("Wechsel, Nein") << "4a" << QMessageBox::No;
    QTest::newRow("Wechsel, Abbrechen") << "4a" << QMessageBox::Cancel;
    QTest::newRow("neue Klasse, Ja") << "6c" << QMessageBox::Yes;
    QTest::newRow("neue Klasse, Nein") << "6c" << QMessageBox::No;
    QTest::newRow("neue Klasse, Abbrechen") << "6c" << QMessageBox::Cancel;
}

void TstNeu::modus3Speicherfrage() {
    QFETCH(QString, Name);
    QFETCH(QMessageBox::StandardButton, Speichern);
    TOffen Offen;
    Klasse5b(Offen);
    TDaten Klasse4a = Klasse(QStringLiteral("4a"), {{QStringLiteral("Kunst"), {{Woche20, QStringLiteral("Ton")}}}});
    QVERIFY(Klasse4a.SaveToFile(Offen.Pfad + QStringLiteral("4a.SGV")));
    Offen.Daten.Fach(0).WochenDaten[0].Text = QStringLiteral("Lesen und Schreiben");
    const TDaten Geaendert = Offen.Daten;
    const TDaten Gespeichert = Offen.SaveDaten;
    const bool WechselS = Name == QStringLiteral("4a");

    TNeuForm Form;
    Vorbereiten(Form, 3, Offen, nullptr, true);
    Form.Edit1->setText(Name);
    Form.Edit2->setText(QStringLiteral("Physik"));
    Form.show();
    TModalHelfer Helfer;
    if (WechselS)
        Helfer.Antwort(QMessageBox::Yes);
    Helfer.Antwort(Speichern);
    Form.Button1->click();
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Helfer.Texte.last(),
             QStringLiteral("Sollen die vorgenommenen Änderungen in der Klasse \"5b\" gespeichert werden?"));
    QCOMPARE(Helfer.Symbole.last(), QMessageBox::Question);
    QVERIFY(FMeldungen->Meldungen.isEmpty());

    TDaten Datei5b;
    QCOMPARE(KlasseLaden(Offen.Pfad + QStringLiteral("5b.SGV"), Datei5b), TLadeErgebnis::Gelesen);
    QVERIFY(Datei5b.Ident(Speichern == QMessageBox::Yes ? Geaendert : Gespeichert));
    if (Speichern == QMessageBox::Cancel) {
        QVERIFY(Form.isVisible());
        QCOMPARE(Form.focusWidget(), Form.Edit1);
        QVERIFY(Gleich(Offen.Daten, Geaendert));
        QVERIFY(Gleich(Offen.SaveDaten, Gespeichert));
        Form.reject();
        QVERIFY(!QFile::exists(Offen.Pfad + QStringLiteral("6c.SGV")));
        return;
    }
    QCOMPARE(Form.result(), int(QDialog::Accepted));
    QCOMPARE(Offen.Daten.Klasse, Name);
    QVERIFY(Gleich(Offen.SaveDaten, Offen.Daten));
    QCOMPARE(Offen.Daten.Filename, Offen.Pfad + Name + QStringLiteral(".SGV"));
}

void TstNeu::modus3NeueKlasse_data() {
    QTest::addColumn<QString>("Name");
    QTest::addColumn<QStringList>("Vorhanden"); // files of classes that bear other names
    QTest::addColumn<QString>("Datei");
    QTest::newRow("freier Name") << "4a" << QStringList() << "4a.SGV";
    QTest::newRow("4a.SGV gehört einer anderen Klasse") << "4a" << QStringList{"4a.SGV"} << "4a_.SGV";
    QTest::newRow("4a_.SGV auch") << "4a" << QStringList{"4a.SGV", "4a_.SGV"} << "4a__.SGV";
    QTest::newRow("Schrägstrich") << " 7a/b " << QStringList() << "7a_b.SGV";
    QTest::newRow("Gerätename") << "CON" << QStringList() << "CON_.SGV";
}

void TstNeu::modus3NeueKlasse() {
    QFETCH(QString, Name);
    QFETCH(QStringList, Vorhanden);
    QFETCH(QString, Datei);
    TOffen Offen;
    Klasse5b(Offen);
    int Nr = 0;
    for (const QString &Vorher : Vorhanden) {
        TDaten Umbenannt = Klasse(QStringLiteral("Umbenannt %1").arg(++Nr), {});
        QVERIFY(Umbenannt.SaveToFile(Offen.Pfad + Vorher));
    }
    TNeuForm Form;
    Vorbereiten(Form, 3, Offen);
    Form.Edit1->setText(Name);
    Form.Edit2->setText(QStringLiteral("Physik"));
    QCOMPARE(Form.NewFilename(), Offen.Pfad + Datei);
    Form.show();
    TModalHelfer Helfer;
    Form.ListBox2->setCurrentRow(3);
    const qint32 Woche = Form.Datum();
    Form.Button1->click();
    QCOMPARE(Helfer.Unerwartet, 0);
    QCOMPARE(Form.result(), int(QDialog::Accepted));

    const QString Klassenname = Name.trimmed();
    const TDaten Erwartet = Klasse(Klassenname, {{QStringLiteral("Physik"), {{Woche, QString()}}}});
    QVERIFY(Offen.Daten.Ident(Erwartet));
    QCOMPARE(Offen.Daten.Filename, Offen.Pfad + Datei);
    QVERIFY(Gleich(Offen.SaveDaten, Offen.Daten));
    TDaten Gelesen;
    QCOMPARE(KlasseLaden(Offen.Pfad + Datei, Gelesen), TLadeErgebnis::Gelesen);
    QVERIFY(Gelesen.Ident(Erwartet));
    QCOMPARE(QDir(Offen.Pfad).entryList(QDir::Files).size(), Vorhanden.size() + 2);
    QVERIFY2(!Form.NeueKlasseNichtGespeichert, "a saved class needs no restoring");
}

void TstNeu::modus3SpeichernMisslingt_data() {
    QTest::addColumn<bool>("SchreibschutzS"); // else the data folder is gone
    QTest::addColumn<bool>("SpeichernS");     // the open class has unsaved changes (and the user keeps them unsaved)
    QTest::addColumn<QString>("Danach");      // "Abbrechen", or a class name tried next
    QTest::newRow("Ordner fehlt, Abbrechen") << false << false << "Abbrechen";
    QTest::newRow("Ordner fehlt, geändert, Abbrechen") << false << true << "Abbrechen";
    QTest::newRow("schreibgeschützt, Abbrechen") << true << true << "Abbrechen";
    QTest::newRow("Ordner fehlt, dann die eigene Klasse") << false << true << "5B";
}

void TstNeu::modus3SpeichernMisslingt() {
    QFETCH(bool, SchreibschutzS);
    QFETCH(bool, SpeichernS);
    QFETCH(QString, Danach);
    TOffen Offen;
    Klasse5b(Offen);
    if (SpeichernS)
        Offen.Daten.Fach(1).WochenDaten[0].Text = QStringLiteral("Brüche kürzen");
    const TDaten Geaendert = Offen.Daten;
    const TDaten Gespeichert = Offen.SaveDaten;

    QString Ordner = FOrdner->path() + QStringLiteral("/fehlt/");
    if (SchreibschutzS) {
        Ordner = FOrdner->path() + QStringLiteral("/geschuetzt/");
        QVERIFY(QDir().mkpath(Ordner));
        QVERIFY(QFile::setPermissions(Ordner, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        QFile Probe(Ordner + QStringLiteral("probe"));
        const bool BeschreibbarS = Probe.open(QIODevice::WriteOnly);
        Probe.remove();
        if (BeschreibbarS) {
            QFile::setPermissions(Ordner, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            QSKIP("the folder stays writable for this user (root)");
        }
    }
    auto Freigeben = qScopeGuard([&] {
        QFile::setPermissions(Ordner, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    });

    TNeuForm Form;
    Offen.Pfad = Ordner;
    Vorbereiten(Form, 3, Offen, nullptr, SpeichernS);
    Form.Edit1->setText(QStringLiteral("7c"));
    Form.Edit2->setText(QStringLiteral("Physik"));
    Form.show();
    TModalHelfer Helfer;
    if (SpeichernS)
        Helfer.Antwort(QMessageBox::No);
    Helfer.Antwort(QMessageBox::Ok);
    Form.Button1->click();
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Helfer.Texte.last(), QStringLiteral("Die Klasse \"7c\" konnte nicht gespeichert werden!"));
    QCOMPARE(Helfer.Symbole.last(), QMessageBox::Critical);
    QVERIFY(Form.isVisible());
    QCOMPARE(Form.focusWidget(), Form.Edit1);
    // Until the dialog ends, the new class stands in both places.
    QCOMPARE(Offen.Daten.Klasse, QStringLiteral("7c"));
    QVERIFY(Gleich(Offen.SaveDaten, Offen.Daten));
    QVERIFY(Form.NeueKlasseNichtGespeichert);

    if (Danach == QStringLiteral("Abbrechen")) {
        QTest::keyClick(Form.Edit1, Qt::Key_Escape);
        QCOMPARE(Form.result(), int(QDialog::Rejected));
    } else {
        // The open class is 5b again for the next try: its own name closes the dialog, nothing is saved or loaded.
        Form.Edit1->setText(Danach);
        TModalHelfer Zweiter;
        Zweiter.Antwort(QMessageBox::Yes);
        Form.Button1->click();
        QCOMPARE(Zweiter.Offen(), 0);
        QCOMPARE(Zweiter.Unerwartet, 0);
        QCOMPARE(Form.result(), int(QDialog::Accepted));
    }
    QVERIFY(!Form.isVisible());
    QVERIFY(Gleich(Offen.Daten, Geaendert));
    QVERIFY(Gleich(Offen.SaveDaten, Gespeichert));
    QCOMPARE(Offen.Daten.Filename, FOrdner->path() + QStringLiteral("/5b.SGV"));
    QVERIFY(!Form.NeueKlasseNichtGespeichert);
    TDaten Datei;
    QCOMPARE(KlasseLaden(Offen.Daten.Filename, Datei), TLadeErgebnis::Gelesen);
    QVERIFY(Datei.Ident(Gespeichert));
}

QTEST_MAIN(TstNeu)
#include "tst_neu.moc"
