#include "dialogs/Hintergrund.h"

#include "Dialoghilfe.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <climits>

class TstHintergrund : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void farbtabelle_data();
    void farbtabelle();
    void hintergrundNr_data();
    void hintergrundNr();
    void abbrechen_data();
    void abbrechen();
    void okBehaeltAuswahl();
    void layout_data();
    void layout();
    void setzerOrdnenNeu();
    void alleFarbenSichtbar_data();
    void alleFarbenSichtbar();
    void namenUndTexte();
    void schrift();
};

namespace {
void Runter(QWidget *AListe, int AMal) {
    for (int Nr = 0; Nr < AMal; ++Nr)
        QTest::keyClick(AListe, Qt::Key_Down);
}
} // namespace

void TstHintergrund::cleanup() {
    QVERIFY2(!QApplication::activeModalWidget(), "a dialog was left open");
}

void TstHintergrund::farbtabelle_data() {
    QTest::addColumn<int>("Nr");
    QTest::addColumn<QString>("Name");
    QTest::addColumn<QColor>("Farbe");
    const QList<QPair<QString, QColor>> Tabelle{
        {"Schwarz", QColor(0, 0, 0)},
        {"Weiß", QColor(255, 255, 255)},
        {"Gelb", QColor(255, 255, 0)},
        {"Blau", QColor(0, 0, 255)},
        {"Marineblau", QColor(0, 0, 128)},
        {"Himmelblau", QColor(166, 202, 240)},
        {"Blaugrün", QColor(0, 128, 128)},
        {"Grün", QColor(0, 128, 0)},
        {"Minzgrün", QColor(192, 220, 192)},
        {"Gelbgrün", QColor(0, 255, 0)},
        {"Olivgrün", QColor(128, 128, 0)},
        {"Grau", QColor(128, 128, 128)},
        {"Dunkelgrau", QColor(128, 128, 128)},
        {"Hellgrau", QColor(192, 192, 192)},
        {"Rot", QColor(255, 0, 0)},
        {"Purpur", QColor(128, 0, 128)},
        {"Lila", QColor(255, 0, 255)},
        {"Silber", QColor(192, 192, 192)},
        {"Braun", QColor(43, 90, 139)},
    };
    for (int Nr = 0; Nr < Tabelle.size(); ++Nr)
        QTest::newRow(Tabelle[Nr].first.toUtf8()) << Nr << Tabelle[Nr].first << Tabelle[Nr].second;
}

void TstHintergrund::farbtabelle() {
    QFETCH(int, Nr);
    QFETCH(QString, Name);
    QFETCH(QColor, Farbe);
    QCOMPARE(HintergrundFarben().size(), 19);
    QCOMPARE(HintergrundFarben().at(Nr).Name, Name);
    QCOMPARE(HintergrundFarben().at(Nr).Farbe, Farbe);

    // The list shows the names in table order, and a selected entry gives its colour.
    THintergrundForm Form(nullptr, 125, 10);
    QCOMPARE(Form.ListBox1->count(), 19);
    QCOMPARE(Form.ListBox1->item(Nr)->text(), Name);
    Form.SetHintergrundNr(Nr);
    QCOMPARE(Form.HintergrundNr(), Nr);
    QCOMPARE(Form.HintergrundFarbe(), Farbe);
}

void TstHintergrund::hintergrundNr_data() {
    QTest::addColumn<int>("Wert");
    QTest::addColumn<int>("Nr");
    QTest::addColumn<QColor>("Farbe");
    QTest::newRow("19") << 19 << 0 << QColor(0, 0, 0);
    QTest::newRow("-1") << -1 << 0 << QColor(0, 0, 0);
    QTest::newRow("INT_MIN") << INT_MIN << 0 << QColor(0, 0, 0);
    QTest::newRow("1000") << 1000 << 0 << QColor(0, 0, 0);
    QTest::newRow("0") << 0 << 0 << QColor(0, 0, 0);
    QTest::newRow("14") << 14 << 14 << QColor(255, 0, 0);
    QTest::newRow("18") << 18 << 18 << QColor(43, 90, 139);
}

void TstHintergrund::hintergrundNr() {
    QFETCH(int, Wert);
    QFETCH(int, Nr);
    QFETCH(QColor, Farbe);
    THintergrundForm Form(nullptr, 125, 10);
    Form.SetHintergrundNr(5); // a choice that an out-of-range number must replace
    Form.SetHintergrundNr(Wert);
    QCOMPARE(Form.HintergrundNr(), Nr);
    QCOMPARE(Form.HintergrundFarbe(), Farbe);
}

void TstHintergrund::abbrechen_data() {
    QTest::addColumn<QString>("Weg");
    QTest::newRow("Escape") << "Escape";
    QTest::newRow("Abbrechen-Knopf") << "Knopf";
    QTest::newRow("Schliessfeld") << "Schliessen";
}

void TstHintergrund::abbrechen() {
    QFETCH(QString, Weg);
    THintergrundForm Form(nullptr, 125, 10);
    Form.SetHintergrundNr(1);
    Form.open();
    QTRY_COMPARE(QApplication::focusWidget(), Form.ListBox1);
    QCOMPARE(Form.MerkItemIndex(), 1);
    Runter(Form.ListBox1, 13);
    QCOMPARE(Form.HintergrundNr(), 14); // moving through the list changes the selection at once

    if (Weg == QLatin1String("Escape"))
        QTest::keyClick(Form.ListBox1, Qt::Key_Escape);
    else if (Weg == QLatin1String("Knopf"))
        QTest::mouseClick(Form.Button2, Qt::LeftButton);
    else
        Form.close();
    QTRY_VERIFY(!Form.isVisible());
    QCOMPARE(Form.result(), int(QDialog::Rejected));
    QCOMPARE(Form.HintergrundNr(), 1);
    QCOMPARE(Form.HintergrundFarbe(), QColor(255, 255, 255));
}

void TstHintergrund::okBehaeltAuswahl() {
    // As the command runs it: exec(), Down to "Rot", Enter.
    THintergrundForm Form(nullptr, 125, 10);
    Form.SetHintergrundNr(1);
    bool HaengtS = false;
    int Ergebnis = MitExec(
        Form,
        [&Form] {
            Runter(Form.ListBox1, 13);
            QTest::keyClick(Form.ListBox1, Qt::Key_Return);
        },
        HaengtS);
    QVERIFY2(!HaengtS, "Enter did not end the dialog");
    QCOMPARE(Ergebnis, int(QDialog::Accepted));
    QCOMPARE(Form.HintergrundNr(), 14);
    QCOMPARE(Form.HintergrundFarbe(), QColor(255, 0, 0));

    // The next showing remembers "Rot": cancelling after a move goes back to it, not to "Weiß".
    Ergebnis = MitExec(
        Form,
        [&Form] {
            QTest::keyClick(Form.ListBox1, Qt::Key_Up);
            QTest::keyClick(Form.ListBox1, Qt::Key_Escape);
        },
        HaengtS);
    QVERIFY(!HaengtS);
    QCOMPARE(Ergebnis, int(QDialog::Rejected));
    QCOMPARE(Form.MerkItemIndex(), 14);
    QCOMPARE(Form.HintergrundNr(), 14);
}

void TstHintergrund::layout_data() {
    QTest::addColumn<int>("BtnWidth");
    QTest::addColumn<int>("Rand");
    QTest::addColumn<int>("Groesse");
    QTest::addColumn<int>("Breite");
    QTest::newRow("125/10, 12 px") << 125 << 10 << 12 << 280;
    QTest::newRow("125/10, 16 px") << 125 << 10 << 16 << 280;
    QTest::newRow("200/10, 12 px") << 200 << 10 << 12 << 430;
    QTest::newRow("125/20, 12 px") << 125 << 20 << 12 << 310;
}

void TstHintergrund::layout() {
    QFETCH(int, BtnWidth);
    QFETCH(int, Rand);
    QFETCH(int, Groesse);
    QFETCH(int, Breite);
    THintergrundForm Form(nullptr, BtnWidth, Rand);
    Form.SchriftartZuweisen({Pixel(Groesse), Qt::black}, Qt::white);
    Form.SchalterEinrichten();

    const int Liste = 20 * Zeile(Pixel(Groesse));
    const int Knopf = Zeile(Pixel(Groesse)) + 12;
    const int KnopfOben = Rand + Liste + Rand;
    QCOMPARE(Form.ListBox1->geometry(), QRect(Rand, Rand, Breite - 2 * Rand, Liste));
    QCOMPARE(Form.Button1->geometry(), QRect(Rand, KnopfOben, BtnWidth, Knopf));
    QCOMPARE(Form.Button2->geometry(), QRect(2 * Rand + BtnWidth, KnopfOben, BtnWidth, Knopf));
    QCOMPARE(Form.size(), QSize(Breite, KnopfOben + Knopf + Rand));
}

void TstHintergrund::setzerOrdnenNeu() {
    THintergrundForm Form(nullptr, 125, 10);
    Form.SchriftartZuweisen({Pixel(12), Qt::black}, Qt::white);
    Form.SchalterEinrichten();
    const int Klein = Form.height();
    QCOMPARE(Form.width(), 280);

    Form.SetBtnWidth(200);
    QCOMPARE(Form.BtnWidth(), 200);
    QCOMPARE(Form.width(), 430);
    QCOMPARE(Form.Button2->geometry().left(), 220);
    Form.SetRand(20);
    QCOMPARE(Form.Rand(), 20);
    QCOMPARE(Form.width(), 460);
    QCOMPARE(Form.height(), Klein + 3 * 10);

    // A larger font whose captions still fit the buttons makes the dialog taller, not wider.
    Form.SchriftartZuweisen({Pixel(30), Qt::black}, Qt::white);
    Form.SchalterEinrichten();
    QCOMPARE(Form.width(), 460);
    QVERIFY(Form.height() > Klein + 3 * 10);
}

void TstHintergrund::alleFarbenSichtbar_data() {
    QTest::addColumn<int>("Groesse");
    QTest::addColumn<bool>("GepolstertS"); // a style that pads every entry, as some desktop styles do
    QTest::newRow("11 px") << 11 << false;
    QTest::newRow("30 px") << 30 << false;
    QTest::newRow("11 px, gepolstert") << 11 << true;
    QTest::newRow("30 px, gepolstert") << 30 << true;
}

void TstHintergrund::alleFarbenSichtbar() {
    QFETCH(int, Groesse);
    QFETCH(bool, GepolstertS);
    THintergrundForm Form(nullptr, 125, 10);
    if (GepolstertS)
        Form.ListBox1->setStyleSheet(QStringLiteral("QListView::item { padding: 4px; }"));
    Form.SchriftartZuweisen({Pixel(Groesse), Qt::black}, Qt::white);
    Form.SetHintergrundNr(18);
    Form.open();
    QTRY_VERIFY(Form.isVisible());
    // The list lays its entries out after showing; no scroll bar is left once it has.
    QTRY_VERIFY(!Form.ListBox1->verticalScrollBar()->isVisible());
    const QRect Sicht = Form.ListBox1->viewport()->rect();
    for (int Nr = 0; Nr < Form.ListBox1->count(); ++Nr) {
        const QRect Eintrag = Form.ListBox1->visualItemRect(Form.ListBox1->item(Nr));
        QVERIFY2(Sicht.contains(Eintrag),
                 qPrintable(QStringLiteral("entry %1 at (%2,%3 %4x%5) outside the list's %6x%7 pixels")
                                .arg(Nr)
                                .arg(Eintrag.left())
                                .arg(Eintrag.top())
                                .arg(Eintrag.width())
                                .arg(Eintrag.height())
                                .arg(Sicht.width())
                                .arg(Sicht.height())));
        QVERIFY2(Eintrag.width() >= Sicht.width() - 1, "an entry does not span the list");
    }
    Form.reject();
}

void TstHintergrund::namenUndTexte() {
    THintergrundForm Form(nullptr, 125, 10);
    QCOMPARE(Form.windowTitle(), QStringLiteral("Schrifthintergrund wählen"));
    QCOMPARE(Form.Button1->text(), QStringLiteral("O&K"));
    QCOMPARE(Form.Button2->text(), QStringLiteral("&Abbrechen"));
    QCOMPARE(Form.Button1->accessibleName(), QStringLiteral("OK"));
    QCOMPARE(Form.Button2->accessibleName(), QStringLiteral("Abbrechen"));
    QCOMPARE(Form.ListBox1->accessibleName(), QStringLiteral("Farben"));
    QVERIFY(Form.Button1->isDefault());

    // Assigning the captions again refills the list instead of adding to it.
    Form.CaptionZuweisen(QStringLiteral("Hintergrund"), QStringLiteral("&Übernehmen"), QStringLiteral("&Zurück"));
    QCOMPARE(Form.windowTitle(), QStringLiteral("Hintergrund"));
    QCOMPARE(Form.Button1->accessibleName(), QStringLiteral("Übernehmen"));
    QCOMPARE(Form.Button2->accessibleName(), QStringLiteral("Zurück"));
    QCOMPARE(Form.ListBox1->count(), 19);
    QCOMPARE(Form.ListBox1->item(18)->text(), QStringLiteral("Braun"));
}

void TstHintergrund::schrift() {
    // The entries are plain text in the user font on the background colour; black on black stays as chosen.
    THintergrundForm Form(nullptr, 125, 10);
    const QColor KnopfText = Form.Button1->palette().color(QPalette::ButtonText);
    Form.SchriftartZuweisen({Pixel(18, QStringLiteral("DejaVu Serif")), Qt::black}, QColor(0, 0, 0));
    QCOMPARE(Form.ListBox1->font().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(Form.ListBox1->palette().color(QPalette::Base), QColor(0, 0, 0));
    QCOMPARE(Form.ListBox1->palette().color(QPalette::Text), QColor(0, 0, 0));
    QCOMPARE(Form.Button1->palette().color(QPalette::ButtonText), KnopfText);
    for (int Nr = 0; Nr < Form.ListBox1->count(); ++Nr)
        QVERIFY(!Form.ListBox1->item(Nr)->data(Qt::ForegroundRole).isValid());
}

QTEST_MAIN(TstHintergrund)
#include "tst_hintergrund.moc"
