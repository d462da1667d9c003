#include "dialogs/Verschiebliste.h"

#include "Dialoghilfe.h"
#include "Testhilfe.h"
#include "data/Kalender.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {
// The week key of ISO week AKw of AJahr.
qint32 Woche(int AJahr, int AKw) {
    return WochenMontag(TagNummer(AJahr, 1, 4)) + 7 * (AKw - 1);
}

const qint32 Heute2026 = TagNummer(2026, 3, 10);

QList<TWocheRec> Wochen(int AJahr, const QList<int> &AKws) {
    QList<TWocheRec> Liste;
    for (int Kw : AKws)
        Liste.append({Woche(AJahr, Kw), QStringLiteral("Woche %1").arg(Kw)});
    return Liste;
}

QList<int> AlleWochen(int AJahr) {
    QList<int> Kws;
    for (int Kw = 1; Woche(AJahr, Kw) < Woche(AJahr + 1, 1); ++Kw)
        Kws.append(Kw);
    return Kws;
}

// Deutsch holds weeks 10 and 11 of 2026, Mathematik weeks 3 and 53, Sport every week of 2026 and week 1 of 2027,
// Musik the last weeks of 2026 and week 1 of 2027. The subjects are not in name order.
TDaten Schulklasse() {
    QList<TWocheRec> Sport = Wochen(2026, AlleWochen(2026));
    Sport.append({Woche(2027, 1), QString()});
    QList<TWocheRec> Musik = Wochen(2026, {52, 53});
    Musik.append({Woche(2027, 1), QString()});
    return Klasse(QStringLiteral("7b"), {{QStringLiteral("Deutsch"), Wochen(2026, {10, 11})},
                                         {QStringLiteral("Mathematik"), Wochen(2026, {3, 53})},
                                         {QStringLiteral("Sport"), Sport},
                                         {QStringLiteral("Musik"), Musik}});
}

QList<qint32> Schluessel(const QListWidget *AListe) {
    QList<qint32> Liste;
    for (int Nr = 0; Nr < AListe->count(); ++Nr)
        Liste.append(AListe->item(Nr)->data(Qt::UserRole).toInt());
    return Liste;
}

int Gewaehlt(const QListWidget *AListe) {
    const QListWidgetItem *Zeile = AListe->currentItem();
    return Zeile && Zeile->isSelected() ? AListe->row(Zeile) : -1;
}

qint32 GewaehlteWoche(const QListWidget *AListe) {
    const int Nr = Gewaehlt(AListe);
    return Nr < 0 ? -1 : AListe->item(Nr)->data(Qt::UserRole).toInt();
}

// What the move command does before showing the dialog, for the entry ADatum of subject AFach.
void Vorbereiten(TVerschieblisteForm &AForm, TDaten &ADaten, const QString &AFach, qint32 ADatum) {
    AForm.setWindowTitle(QStringLiteral("Woche %1 von Fach \"%2\" verschieben nach").arg(WochenText(ADatum), AFach));
    AForm.DatenRef = &ADaten;
    AForm.SchriftartZuweisen({Pixel(14), Qt::black}, Qt::white);
    AForm.FaecherZuweisen(AFach);
    AForm.JahreZuweisen(DatumJahr(ADatum), Heute2026);
    AForm.WochenZuweisen(ADatum, ADatum);
}
} // namespace

class TstVerschiebliste : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void layout_data();
    void layout();
    void zeileVon13Pixeln();
    void jahre_data();
    void jahre();
    void vorbereiten_data();
    void vorbereiten();
    void jahrVor2005();
    void benutzerWechsel_data();
    void benutzerWechsel();
    void okZustand();
    void zielNachOk();
    void leereWochenlisteMitOk();
    void abbrechen();
    void namenUndTabfolge();
    void kuerzel_data();
    void kuerzel();
};

void TstVerschiebliste::cleanup() {
    QVERIFY2(!QApplication::activeModalWidget(), "a dialog was left open");
}

void TstVerschiebliste::layout_data() {
    LayoutGroessen();
}

void TstVerschiebliste::layout() {
    QFETCH(int, Groesse);
    TVerschieblisteForm Form;
    Form.SchriftartZuweisen({Pixel(Groesse), Qt::black}, Qt::white);
    Form.SchalterEinrichten();

    const QRect Schirm = QGuiApplication::primaryScreen()->geometry();
    const int Knopf = Zeile(Pixel(Groesse)) + 12;
    const int Hoehe = Schirm.height();
    QCOMPARE(Form.size(), QSize(811, Hoehe));
    QCOMPARE(Form.Button1->geometry(), QRect(187, Hoehe - Knopf - 10, 125, Knopf));
    QCOMPARE(Form.Button2->geometry(), QRect(499, Hoehe - Knopf - 10, 125, Knopf));

    // Labels are as wide as their texts without the "&"; the lists start 5 right of the widest.
    const QFontMetrics Masse(Pixel(Groesse));
    int Breiteste = 0;
    for (const QString &Text : {QStringLiteral("Fach:"), QStringLiteral("Jahr:"), QStringLiteral("Woche:")})
        Breiteste = std::max(Breiteste, Masse.size(0, Text).width());
    QCOMPARE(Form.Label2->width(), Masse.size(0, QStringLiteral("Woche:")).width());
    const int Links = 10 + Breiteste + 5;

    const int Liste = (Form.Button1->y() - 10 - 30) / 3;
    const int Breite = 811 - Links - 10;
    QCOMPARE(Form.ListBox3->geometry(), QRect(Links, 10, Breite, Liste));
    QCOMPARE(Form.ListBox1->geometry(), QRect(Links, 10 + Liste + 10, Breite / 2, Liste));
    QCOMPARE(Form.ListBox2->geometry(), QRect(Links, 10 + 2 * (Liste + 10), Breite, Liste));
    QCOMPARE(Form.Label3->pos(), QPoint(10, 10));
    QCOMPARE(Form.Label1->pos(), QPoint(10, Form.ListBox1->y()));
    QCOMPARE(Form.Label2->pos(), QPoint(10, Form.ListBox2->y()));
    // The lists end 10 above the buttons (up to the rest of the division by three).
    const int Rest = Form.Button1->y() - 10 - (Form.ListBox2->y() + Liste);
    QVERIFY2(Rest >= 0 && Rest < 3, qPrintable(QStringLiteral("%1 pixels left over").arg(Rest)));
}

void TstVerschiebliste::zeileVon13Pixeln() {
    const QFont Schrift = SchriftMit13();
    if (Schrift.family().isEmpty())
        QSKIP("no installed font size has a 13-pixel line");
    TVerschieblisteForm Form;
    Form.SchriftartZuweisen({Schrift, Qt::black}, Qt::white);
    Form.SchalterEinrichten();
    QCOMPARE(Form.Button1->size(), QSize(125, 25));
    QCOMPARE(Form.Button2->size(), QSize(125, 25));
    QCOMPARE(Form.width(), 811);
}

void TstVerschiebliste::jahre_data() {
    QTest::addColumn<qint32>("Heute");
    QTest::addColumn<int>("Jahr");
    QTest::addColumn<QString>("Letztes");
    QTest::addColumn<int>("Auswahl"); // row, -1 none
    QTest::newRow("2026, Jahr 2026") << Heute2026 << 2026 << "2036" << 21;
    QTest::newRow("2026, Jahr 0") << Heute2026 << 0 << "2036" << 0;
    QTest::newRow("2026, letztes Jahr") << Heute2026 << 2036 << "2036" << 31;
    QTest::newRow("2026, Jahr danach") << Heute2026 << 2037 << "2036" << -1;
    QTest::newRow("2026, vor 2005") << Heute2026 << 2004 << "2036" << -1;
    QTest::newRow("31.12.2030") << TagNummer(2030, 12, 31) << 2005 << "2040" << 0;
}

void TstVerschiebliste::jahre() {
    QFETCH(qint32, Heute);
    QFETCH(int, Jahr);
    QFETCH(QString, Letztes);
    QFETCH(int, Auswahl);
    TVerschieblisteForm Form;
    Form.JahreZuweisen(Jahr, Heute);
    QCOMPARE(Form.ListBox1->item(0)->text(), QStringLiteral("2005"));
    QCOMPARE(Form.ListBox1->item(Form.ListBox1->count() - 1)->text(), Letztes);
    QCOMPARE(Form.ListBox1->count(), Letztes.toInt() - 2005 + 1);
    for (int Nr = 1; Nr < Form.ListBox1->count(); ++Nr)
        QCOMPARE(Form.ListBox1->item(Nr)->text().toInt(), 2005 + Nr);
    QCOMPARE(Gewaehlt(Form.ListBox1), Auswahl);

    // Filled again, the list holds the years once.
    Form.JahreZuweisen(Jahr, Heute);
    QCOMPARE(Form.ListBox1->count(), Letztes.toInt() - 2005 + 1);
}

void TstVerschiebliste::vorbereiten_data() {
    QTest::addColumn<QString>("Fach"); // as the Fach field shows it
    QTest::addColumn<qint32>("Datum"); // the current entry
    QTest::addColumn<int>("FachZeile");
    QTest::addColumn<qint32>("Vorgewaehlt");   // -1 none
    QTest::addColumn<QList<qint32>>("Fehlen"); // weeks not offered
    QTest::addColumn<int>("Anzahl");
    QTest::addColumn<bool>("OkS");
    // 2026 has 53 weeks; week 1 of 2027 ends the list.
    QTest::newRow("Woche 10, 10 und 11 belegt") << "Deutsch" << Woche(2026, 10) << 0 << Woche(2026, 12)
                                                << QList<qint32>{Woche(2026, 10), Woche(2026, 11)} << 54 - 2 << true;
    QTest::newRow("Fachname in anderer Schreibung") << "MATHEMATIK" << Woche(2026, 3) << 1 << Woche(2026, 4)
                                                    << QList<qint32>{Woche(2026, 3), Woche(2026, 53)} << 54 - 2 << true;
    QTest::newRow("unbekanntes Fach nimmt das erste")
        << "Physik" << Woche(2026, 10) << 0 << Woche(2026, 12) << QList<qint32>{Woche(2026, 10), Woche(2026, 11)}
        << 54 - 2 << true;
    QTest::newRow("letzte Woche des Jahres: Woche 1 folgt")
        << "Mathematik" << Woche(2026, 53) << 1 << Woche(2027, 1) << QList<qint32>{Woche(2026, 3), Woche(2026, 53)}
        << 54 - 2 << true;
    QTest::newRow("keine freie Woche danach: die erste")
        << "Musik" << Woche(2026, 53) << 3 << Woche(2026, 1)
        << QList<qint32>{Woche(2026, 52), Woche(2026, 53), Woche(2027, 1)} << 54 - 3 << true;
    QTest::newRow("alle Wochen belegt") << "Sport" << Woche(2026, 10) << 2 << qint32(-1) << QList<qint32>{} << 0
                                        << false;
}

void TstVerschiebliste::vorbereiten() {
    QFETCH(QString, Fach);
    QFETCH(qint32, Datum);
    QFETCH(int, FachZeile);
    QFETCH(qint32, Vorgewaehlt);
    QFETCH(QList<qint32>, Fehlen);
    QFETCH(int, Anzahl);
    QFETCH(bool, OkS);
    TDaten Daten = Schulklasse();
    TVerschieblisteForm Form;
    Vorbereiten(Form, Daten, Fach, Datum);

    QStringList Faecher;
    for (int Nr = 0; Nr < Form.ListBox3->count(); ++Nr)
        Faecher.append(Form.ListBox3->item(Nr)->text());
    QCOMPARE(Faecher, QStringList({"Deutsch", "Mathematik", "Sport", "Musik"}));
    QCOMPARE(Gewaehlt(Form.ListBox3), FachZeile);
    QCOMPARE(Form.ListBox1->currentItem()->text(), QString::number(DatumJahr(Datum)));
    const QList<qint32> Angeboten = Schluessel(Form.ListBox2);
    QCOMPARE(Angeboten.size(), Anzahl);
    for (qint32 Belegt : Fehlen)
        QVERIFY2(!Angeboten.contains(Belegt), qPrintable(WochenText(Belegt) + QStringLiteral(" is offered")));
    QVERIFY(std::is_sorted(Angeboten.begin(), Angeboten.end()));
    QCOMPARE(GewaehlteWoche(Form.ListBox2), Vorgewaehlt);
    for (int Nr = 0; Nr < Form.ListBox2->count(); ++Nr)
        QCOMPARE(Form.ListBox2->item(Nr)->text(), WochenText(Angeboten.at(Nr)));
    QCOMPARE(Form.Button1->isEnabled(), OkS);

    Form.open();
    QTRY_COMPARE(QApplication::focusWidget(), Form.ListBox3);
    QCOMPARE(Form.Button1->isEnabled(), OkS);
    // Showing keeps the selections the opener made.
    QCOMPARE(GewaehlteWoche(Form.ListBox2), Vorgewaehlt);
    Form.reject();
}

void TstVerschiebliste::jahrVor2005() {
    TDaten Daten = Klasse(QStringLiteral("7b"), {{QStringLiteral("Deutsch"), Wochen(2004, {20})}});
    TVerschieblisteForm Form;
    Vorbereiten(Form, Daten, QStringLiteral("Deutsch"), Woche(2004, 20));
    QCOMPARE(Gewaehlt(Form.ListBox1), -1);
    QCOMPARE(GewaehlteWoche(Form.ListBox2), Woche(2004, 21));

    // The dialog selects the first year but keeps the weeks of 2004 until the user picks a year.
    Form.open();
    QTRY_COMPARE(QApplication::focusWidget(), Form.ListBox3);
    QCOMPARE(Gewaehlt(Form.ListBox1), 0);
    QCOMPARE(GewaehlteWoche(Form.ListBox2), Woche(2004, 21));
    QVERIFY(Form.Button1->isEnabled());
    QTest::keyClick(Form.ListBox1, Qt::Key_Down);
    QCOMPARE(Form.ListBox1->currentItem()->text(), QStringLiteral("2006"));
    QCOMPARE(Form.ListBox2->item(0)->data(Qt::UserRole).toInt(), Woche(2006, 1));
    QCOMPARE(GewaehlteWoche(Form.ListBox2), Woche(2006, 1));
    Form.reject();
}

void TstVerschiebliste::benutzerWechsel_data() {
    QTest::addColumn<QString>("Liste");
    QTest::addColumn<int>("Taste");
    QTest::addColumn<qint32>("Erste");
    QTest::addColumn<QList<qint32>>("Angeboten");
    QTest::addColumn<QList<qint32>>("Fehlen");
    QTest::newRow("anderes Fach bietet 10 und 11 an")
        << "ListBox3" << int(Qt::Key_Down) << Woche(2026, 1) << QList<qint32>{Woche(2026, 10), Woche(2026, 11)}
        << QList<qint32>{Woche(2026, 3)};
    QTest::newRow("nächstes Jahr") << "ListBox1" << int(Qt::Key_Down) << Woche(2027, 1)
                                   << QList<qint32>{Woche(2027, 10), Woche(2027, 11), Woche(2028, 1)}
                                   << QList<qint32>{Woche(2026, 53)};
    QTest::newRow("Jahr davor") << "ListBox1" << int(Qt::Key_Up) << Woche(2025, 1)
                                << QList<qint32>{Woche(2025, 52), Woche(2026, 1)} << QList<qint32>{Woche(2026, 2)};
}

void TstVerschiebliste::benutzerWechsel() {
    QFETCH(QString, Liste);
    QFETCH(int, Taste);
    QFETCH(qint32, Erste);
    QFETCH(QList<qint32>, Angeboten);
    QFETCH(QList<qint32>, Fehlen);
    TDaten Daten = Schulklasse();
    TVerschieblisteForm Form;
    Vorbereiten(Form, Daten, QStringLiteral("Deutsch"), Woche(2026, 10));
    Form.open();
    QTRY_COMPARE(QApplication::focusWidget(), Form.ListBox3);
    QCOMPARE(GewaehlteWoche(Form.ListBox2), Woche(2026, 12));

    auto *Gewaehlte = Form.findChild<QListWidget *>(Liste);
    Gewaehlte->setFocus();
    QTest::keyClick(Gewaehlte, Qt::Key(Taste));
    const QList<qint32> Wochen = Schluessel(Form.ListBox2);
    QVERIFY(!Wochen.isEmpty());
    QCOMPARE(Wochen.first(), Erste);
    QCOMPARE(GewaehlteWoche(Form.ListBox2), Erste);
    for (qint32 Da : Angeboten)
        QVERIFY2(Wochen.contains(Da), qPrintable(WochenText(Da) + QStringLiteral(" is missing")));
    for (qint32 Weg : Fehlen)
        QVERIFY2(!Wochen.contains(Weg), qPrintable(WochenText(Weg) + QStringLiteral(" is offered")));
    QVERIFY(Form.Button1->isEnabled());
    Form.reject();
}

void TstVerschiebliste::okZustand() {
    TDaten Daten = Schulklasse();
    TVerschieblisteForm Form;
    Vorbereiten(Form, Daten, QStringLiteral("Mathematik"), Woche(2026, 3));
    Form.open();
    QTRY_COMPARE(QApplication::focusWidget(), Form.ListBox3);
    QVERIFY(Form.Button1->isEnabled());

    // Sport holds every week of 2026 and week 1 of 2027: nothing to offer, OK goes off at once.
    QTest::keyClick(Form.ListBox3, Qt::Key_Down);
    QCOMPARE(Form.ListBox3->currentItem()->text(), QStringLiteral("Sport"));
    QCOMPARE(Form.ListBox2->count(), 0);
    QVERIFY(!Form.Button1->isEnabled());
    QTest::keyClick(Form.ListBox3, Qt::Key_Return);
    QVERIFY2(Form.isVisible(), "Enter ended the dialog with no week to choose");

    // Another year brings weeks and OK back; the year before takes them away again.
    Form.ListBox1->setFocus();
    QTest::keyClick(Form.ListBox1, Qt::Key_Down);
    QCOMPARE(GewaehlteWoche(Form.ListBox2), Woche(2027, 2));
    QVERIFY(Form.Button1->isEnabled());
    QTest::keyClick(Form.ListBox1, Qt::Key_Up);
    QCOMPARE(Form.ListBox2->count(), 0);
    QVERIFY(!Form.Button1->isEnabled());

    // A line that turns up in a list counts the next time a list gets the focus.
    Form.ListBox2->addItem(QStringLiteral("1/2099"));
    QVERIFY(!Form.Button1->isEnabled());
    Form.ListBox2->setFocus();
    QTRY_VERIFY(Form.Button1->isEnabled());
    Form.reject();
}

void TstVerschiebliste::zielNachOk() {
    TDaten Daten = Schulklasse();
    TVerschieblisteForm Form;
    Vorbereiten(Form, Daten, QStringLiteral("Deutsch"), Woche(2026, 10));
    bool HaengtS = false;
    const int Ergebnis = MitExec(
        Form,
        [&Form] {
            // Mathematik, then the third free week of 2026 (weeks 1, 2, 4: Mathematik holds week 3).
            QTest::keyClick(Form.ListBox3, Qt::Key_Down);
            Form.ListBox2->setFocus();
            QTest::keyClick(Form.ListBox2, Qt::Key_Down);
            QTest::keyClick(Form.ListBox2, Qt::Key_Down);
            QTest::keyClick(Form.ListBox2, Qt::Key_Return);
        },
        HaengtS);
    QVERIFY2(!HaengtS, "Enter did not end the dialog");
    QCOMPARE(Ergebnis, int(QDialog::Accepted));
    int FachNr = -1;
    qint32 Datum = 0;
    QVERIFY(Form.ZielOk(FachNr, Datum));
    QCOMPARE(FachNr, 1);
    QCOMPARE(Datum, Woche(2026, 4));

    // Shown again for another entry: the lists are those of the new entry.
    Vorbereiten(Form, Daten, QStringLiteral("Deutsch"), Woche(2026, 11));
    const int Zweites = MitExec(
        Form, [&Form] { QTest::keyClick(Form.ListBox3, Qt::Key_Return); }, HaengtS);
    QVERIFY(!HaengtS);
    QCOMPARE(Zweites, int(QDialog::Accepted));
    QVERIFY(Form.ZielOk(FachNr, Datum));
    QCOMPARE(FachNr, 0);
    QCOMPARE(Datum, Woche(2026, 12));
}

void TstVerschiebliste::leereWochenlisteMitOk() {
    // Should the dialog end with OK while no week is chosen, there is no target and the mover changes nothing.
    TDaten Daten = Schulklasse();
    TVerschieblisteForm Form;
    Vorbereiten(Form, Daten, QStringLiteral("Sport"), Woche(2026, 10));
    QCOMPARE(Form.ListBox2->count(), 0);
    Form.accept();
    int FachNr = -1;
    qint32 Datum = -1;
    QVERIFY(!Form.ZielOk(FachNr, Datum));
    QCOMPARE(FachNr, -1);
    QCOMPARE(Datum, -1);

    // Weeks offered but none selected.
    Vorbereiten(Form, Daten, QStringLiteral("Deutsch"), Woche(2026, 10));
    QVERIFY(Form.ZielOk(FachNr, Datum));
    Form.ListBox2->setCurrentRow(-1);
    QVERIFY(!Form.ZielOk(FachNr, Datum));

    // No class handed over: nothing to list and no target.
    TVerschieblisteForm Ohne;
    Ohne.FaecherZuweisen(QStringLiteral("Deutsch"));
    Ohne.JahreZuweisen(2026, Heute2026);
    Ohne.WochenZuweisen(Woche(2026, 10), Woche(2026, 10));
    QCOMPARE(Ohne.ListBox3->count(), 0);
    QVERIFY(!Ohne.Button1->isEnabled());
    QVERIFY(!Ohne.ZielOk(FachNr, Datum));
}

void TstVerschiebliste::abbrechen() {
    TDaten Daten = Schulklasse();
    TVerschieblisteForm Form;
    Vorbereiten(Form, Daten, QStringLiteral("Deutsch"), Woche(2026, 10));
    bool HaengtS = false;
    const int Ergebnis = MitExec(
        Form, [&Form] { QTest::keyClick(Form.ListBox2, Qt::Key_Escape); }, HaengtS);
    QVERIFY(!HaengtS);
    QCOMPARE(Ergebnis, int(QDialog::Rejected));
    // The class is untouched.
    QCOMPARE(Daten.Fach(0).Count(), 2);
}

void TstVerschiebliste::namenUndTabfolge() {
    TVerschieblisteForm Form;
    QCOMPARE(Form.objectName(), QStringLiteral("VerschieblisteForm"));
    QCOMPARE(Form.Label3->text(), QStringLiteral("&Fach:"));
    QCOMPARE(Form.Label1->text(), QStringLiteral("&Jahr:"));
    QCOMPARE(Form.Label2->text(), QStringLiteral("&Woche:"));
    QCOMPARE(Form.ListBox3->accessibleName(), QStringLiteral("Fach:"));
    QCOMPARE(Form.ListBox1->accessibleName(), QStringLiteral("Jahr:"));
    QCOMPARE(Form.ListBox2->accessibleName(), QStringLiteral("Woche:"));
    QCOMPARE(Form.Button1->text(), QStringLiteral("O&K"));
    QCOMPARE(Form.Button1->accessibleName(), QStringLiteral("OK"));
    QCOMPARE(Form.Button2->text(), QStringLiteral("&Abbrechen"));
    QCOMPARE(Form.Button2->accessibleName(), QStringLiteral("Abbrechen"));
    QVERIFY(Form.Button1->isDefault());
    for (const char *Name : {"ListBox3", "ListBox1", "ListBox2", "Label3", "Label1", "Label2", "Button1", "Button2"})
        QVERIFY2(Form.findChild<QWidget *>(QString::fromLatin1(Name)), Name);

    TDaten Daten = Schulklasse();
    Vorbereiten(Form, Daten, QStringLiteral("Deutsch"), Woche(2026, 10));
    Form.open();
    QTRY_COMPARE(QApplication::focusWidget(), Form.ListBox3);
    const QList<QWidget *> Folge{Form.ListBox1, Form.ListBox2, Form.Button1, Form.Button2, Form.ListBox3};
    for (QWidget *Naechstes : Folge) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), Naechstes);
    }
    Form.reject();
}

void TstVerschiebliste::kuerzel_data() {
    QTest::addColumn<int>("Taste");
    QTest::addColumn<QString>("Ziel"); // the control focused, or the result
    QTest::newRow("Alt+J") << int(Qt::Key_J) << "ListBox1";
    QTest::newRow("Alt+W") << int(Qt::Key_W) << "ListBox2";
    QTest::newRow("Alt+F") << int(Qt::Key_F) << "ListBox3";
    QTest::newRow("Alt+K") << int(Qt::Key_K) << "OK";
    QTest::newRow("Alt+A") << int(Qt::Key_A) << "Abbrechen";
}

void TstVerschiebliste::kuerzel() {
    QFETCH(int, Taste);
    QFETCH(QString, Ziel);
    TDaten Daten = Schulklasse();
    TVerschieblisteForm Form;
    Vorbereiten(Form, Daten, QStringLiteral("Deutsch"), Woche(2026, 10));
    Form.open();
    QTRY_COMPARE(QApplication::focusWidget(), Form.ListBox3);
    Form.Button2->setFocus(); // away from every list, so each accelerator has somewhere to go
    QTRY_COMPARE(QApplication::focusWidget(), Form.Button2);
    QTest::keyClick(&Form, Qt::Key(Taste), Qt::AltModifier);
    if (Ziel == QStringLiteral("OK") || Ziel == QStringLiteral("Abbrechen")) {
        QTRY_VERIFY(!Form.isVisible());
        QCOMPARE(Form.result(), Ziel == QStringLiteral("OK") ? int(QDialog::Accepted) : int(QDialog::Rejected));
        return;
    }
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), Ziel);
    Form.reject();
}

QTEST_MAIN(TstVerschiebliste)
#include "tst_verschiebliste.moc"
