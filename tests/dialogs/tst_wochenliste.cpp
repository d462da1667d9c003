#include "dialogs/Wochenliste.h"

#include "Dialoghilfe.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

class TstWochenliste : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void layout_data();
    void layout();
    void zeileVon13Pixeln();
    void anzeigen_data();
    void anzeigen();
    void okFolgtDemFokus();
    void auswahlNachOk();
    void abbrechen();
    void namenUndTabfolge();
    void schrift();
};

void TstWochenliste::cleanup() {
    QVERIFY2(!QApplication::activeModalWidget(), "a dialog was left open");
}

void TstWochenliste::layout_data() {
    LayoutGroessen();
}

void TstWochenliste::layout() {
    QFETCH(int, Groesse);
    TWochenlisteForm Form;
    Form.SchriftartZuweisen({Pixel(Groesse), Qt::black}, Qt::white);
    Form.SchalterEinrichten();

    const int Knopf = Zeile(Pixel(Groesse)) + 12;
    const int Hoehe = 15 * Knopf;
    QCOMPARE(Form.size(), QSize(625, Hoehe));
    QCOMPARE(Form.Button1->geometry(), QRect(125, Hoehe - Knopf - 10, 125, Knopf));
    QCOMPARE(Form.Button2->geometry(), QRect(375, Hoehe - Knopf - 10, 125, Knopf));
    QCOMPARE(Form.ListBox1->geometry(), QRect(10, 10, 605, Form.Button1->y() - 20));
}

void TstWochenliste::zeileVon13Pixeln() {
    const QFont Schrift = SchriftMit13();
    if (Schrift.family().isEmpty())
        QSKIP("no installed font size has a 13-pixel line");
    TWochenlisteForm Form;
    Form.SchriftartZuweisen({Schrift, Qt::black}, Qt::white);
    Form.SchalterEinrichten();
    QCOMPARE(Form.Button1->size(), QSize(125, 25));
    QCOMPARE(Form.size(), QSize(625, 375));
    QCOMPARE(Form.ListBox1->geometry(), QRect(10, 10, 605, 375 - 25 - 10 - 20));
}

void TstWochenliste::anzeigen_data() {
    QTest::addColumn<QStringList>("Zeilen");
    QTest::addColumn<int>("Auswahl");
    QTest::addColumn<int>("Gezeigt");
    QTest::addColumn<bool>("OkS");
    const QStringList Wochen{"9/2024 (26.02.-01.03.)", "5/2024 (29.01.-02.02.)", "3/2024 (15.01.-19.01.)"};
    QTest::newRow("aktuelle Woche") << Wochen << 1 << 1 << true;
    QTest::newRow("keine gewaehlt") << Wochen << -1 << 0 << true;
    QTest::newRow("Nummer hinter der Liste") << Wochen << 3 << 0 << true;
    QTest::newRow("leere Liste") << QStringList() << -1 << -1 << false;
}

void TstWochenliste::anzeigen() {
    QFETCH(QStringList, Zeilen);
    QFETCH(int, Auswahl);
    QFETCH(int, Gezeigt);
    QFETCH(bool, OkS);
    TWochenlisteForm Form;
    Form.setWindowTitle(QStringLiteral("Gehe zu Woche"));
    Form.Fuellen(Zeilen, Auswahl);
    if (Auswahl >= Zeilen.size())
        QCOMPARE(Form.AuswahlNr(), -1); // nothing selected until the dialog shows
    Form.open();
    QTRY_VERIFY(Form.isVisible());
    QCOMPARE(Form.AuswahlNr(), Gezeigt);
    QCOMPARE(Form.ListBox1->currentRow(), Gezeigt);
    QCOMPARE(Form.Button1->isEnabled(), OkS);
    QTRY_COMPARE(QApplication::focusWidget(), Form.ListBox1);
    Form.reject();
}

void TstWochenliste::okFolgtDemFokus() {
    TWochenlisteForm Form;
    Form.Fuellen({}, -1);
    Form.open();
    QTRY_COMPARE(QApplication::focusWidget(), Form.ListBox1);
    QVERIFY(!Form.Button1->isEnabled());

    // A line added while the dialog is open counts the next time the list gets the focus.
    Form.Liste()->addItem(QStringLiteral("7b"));
    QVERIFY(!Form.Button1->isEnabled());
    Form.Button2->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), Form.Button2);
    Form.ListBox1->setFocus();
    QTRY_VERIFY(Form.Button1->isEnabled());

    Form.Liste()->clear();
    Form.Button2->setFocus();
    Form.ListBox1->setFocus();
    QTRY_VERIFY(!Form.Button1->isEnabled());
    Form.reject();
}

void TstWochenliste::auswahlNachOk() {
    // Load class: the lines carry their files; Down, Enter takes the third class.
    TWochenlisteForm Form;
    Form.setWindowTitle(QStringLiteral("Lade Klasse"));
    Form.SetListenName(QStringLiteral("Klassen"));
    Form.Fuellen({"5a", "6b", "7c"}, 1, {"/daten/5A.SGV", "/daten/6B.SGV", "/daten/7C.SGV"});
    bool HaengtS = false;
    const int Ergebnis = MitExec(
        Form,
        [&Form] {
            QTest::keyClick(Form.ListBox1, Qt::Key_Down);
            QTest::keyClick(Form.ListBox1, Qt::Key_Return);
        },
        HaengtS);
    QVERIFY2(!HaengtS, "Enter did not end the dialog");
    QCOMPARE(Ergebnis, int(QDialog::Accepted));
    QCOMPARE(Form.AuswahlNr(), 2);
    QCOMPARE(Form.ListBox1->currentRow(), 2);
    QCOMPARE(Form.AuswahlDaten().toString(), QStringLiteral("/daten/7C.SGV"));

    // Shown again with new lines: the selection and data are those of the new lines.
    Form.Fuellen({"8a", "9b"}, -1);
    const int Zweites = MitExec(
        Form, [&Form] { QTest::keyClick(Form.ListBox1, Qt::Key_Return); }, HaengtS);
    QVERIFY(!HaengtS);
    QCOMPARE(Zweites, int(QDialog::Accepted));
    QCOMPARE(Form.AuswahlNr(), 0);
    QVERIFY(!Form.AuswahlDaten().isValid());
}

void TstWochenliste::abbrechen() {
    TWochenlisteForm Form;
    Form.Fuellen({"a", "b"}, 0);
    bool HaengtS = false;
    const int Ergebnis = MitExec(
        Form, [&Form] { QTest::keyClick(Form.ListBox1, Qt::Key_Escape); }, HaengtS);
    QVERIFY(!HaengtS);
    QCOMPARE(Ergebnis, int(QDialog::Rejected));

    // Enter does nothing while OK is disabled; Escape still ends the dialog.
    Form.Fuellen({}, -1);
    Form.open();
    QTRY_COMPARE(QApplication::focusWidget(), Form.ListBox1);
    QTest::keyClick(Form.ListBox1, Qt::Key_Return);
    QVERIFY(Form.isVisible());
    QTest::keyClick(Form.ListBox1, Qt::Key_Escape);
    QTRY_VERIFY(!Form.isVisible());
    QCOMPARE(Form.result(), int(QDialog::Rejected));
}

void TstWochenliste::namenUndTabfolge() {
    TWochenlisteForm Form;
    QCOMPARE(Form.ListBox1->accessibleName(), QStringLiteral("Einträge"));
    Form.SetListenName(QStringLiteral("Wochen"));
    QCOMPARE(Form.ListBox1->accessibleName(), QStringLiteral("Wochen"));
    QCOMPARE(Form.Button1->text(), QStringLiteral("O&K"));
    QCOMPARE(Form.Button1->accessibleName(), QStringLiteral("OK"));
    QCOMPARE(Form.Button2->text(), QStringLiteral("&Abbrechen"));
    QCOMPARE(Form.Button2->accessibleName(), QStringLiteral("Abbrechen"));
    QVERIFY(Form.Button1->isDefault());

    Form.Fuellen({"a"}, 0);
    Form.open();
    QTRY_COMPARE(QApplication::focusWidget(), Form.ListBox1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget(), Form.Button1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget(), Form.Button2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget(), Form.ListBox1);
    Form.reject();
}

void TstWochenliste::schrift() {
    TWochenlisteForm Form;
    const QColor Button1Text = Form.Button1->palette().color(QPalette::ButtonText);
    Form.SchriftartZuweisen({Pixel(20, QStringLiteral("DejaVu Serif")), Qt::red}, QColor(255, 255, 0));
    QCOMPARE(Form.ListBox1->font().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(Form.ListBox1->palette().color(QPalette::Text), QColor(Qt::red));
    QCOMPARE(Form.ListBox1->palette().color(QPalette::Base), QColor(255, 255, 0));
    QCOMPARE(Form.Button1->font().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(Form.Button1->palette().color(QPalette::ButtonText), Button1Text);
}

QTEST_MAIN(TstWochenliste)
#include "tst_wochenliste.moc"
