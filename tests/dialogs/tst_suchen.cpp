#include "dialogs/Suchen.h"

#include "Dialoghilfe.h"
#include "Modal.h"
#include "Testhilfe.h"
#include "data/Kalender.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <algorithm>

namespace {
qint32 Woche(int AJahr, int AKw) {
    return WochenMontag(TagNummer(AJahr, 1, 4)) + 7 * (AKw - 1);
}

// Deutsch: week 3 "Gedicht" inside, week 4 without, week 5 "Gedicht" at the start; Sport without weeks;
// Mathematik: week 2 without, week 4 "gedicht" in lower case.
TDaten Gedichtklasse() {
    return Klasse(QStringLiteral("7b"), {{QStringLiteral("Deutsch"),
                                          {{Woche(2026, 3), QStringLiteral("Ein Gedicht von Goethe")},
                                           {Woche(2026, 4), QStringLiteral("Diktat")},
                                           {Woche(2026, 5), QStringLiteral("Gedicht auswendig lernen")}}},
                                         {QStringLiteral("Sport"), {}},
                                         {QStringLiteral("Mathematik"),
                                          {{Woche(2026, 2), QStringLiteral("Bruchrechnen")},
                                           {Woche(2026, 4), QStringLiteral("Zahlen als gedicht")}}}});
}

// Opened as the search command does; not modal, so that the message box is the first modal window.
void Oeffnen(TSuchenForm &AForm, TDaten &ADaten) {
    AForm.DatenRef = &ADaten;
    AForm.SchriftartZuweisen({Pixel(14), Qt::black}, Qt::white);
    AForm.show();
    AForm.activateWindow();
}
} // namespace

class TstSuchen : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void layout_data();
    void layout();
    void zeileVon13Pixeln();
    void schmalerBildschirm();
    void treffer_data();
    void treffer();
    void gedicht_data();
    void gedicht();
    void trefferMitDatum();
    void enterSucht_data();
    void enterSucht();
    void keinTreffer();
    void leererSuchtext_data();
    void leererSuchtext();
    void enterInTrefferliste();
    void wiederOeffnen();
    void ungespeicherteAenderungen();
    void eingefuegterText();
    void abbrechen();
    void namenUndTabfolge();
    void kuerzel_data();
    void kuerzel();
    void schrift();
};

void TstSuchen::init() {
    SetWochendatum(false);
}

void TstSuchen::cleanup() {
    QVERIFY2(!QApplication::activeModalWidget(), "a modal window was left open");
    SetWochendatum(true);
}

void TstSuchen::layout_data() {
    LayoutGroessen();
}

void TstSuchen::layout() {
    QFETCH(int, Groesse);
    TSuchenForm Form;
    Form.SchriftartZuweisen({Pixel(Groesse), Qt::black}, Qt::white);
    Form.SchalterEinrichten();

    const int Text = Zeile(Pixel(Groesse));
    const int Knopf = Text + 12;
    const int Feld = Text + 8;
    const int Links = 10 + QFontMetrics(Pixel(Groesse)).size(0, QStringLiteral("Suchtext:")).width() + 5;
    QCOMPARE(Form.Edit1->geometry(), QRect(Links, 10, 1039 - Links - 10, Feld));
    QCOMPARE(Form.Label1->x(), 10);
    QCOMPARE(Form.Label1->y(), 10 + (Feld - Form.Label1->height()) / 2);
    QCOMPARE(Form.CheckBox1->geometry(), QRect(10, 10 + Feld + 10, 1019, Feld));
    const int ListeOben = 10 + Feld + 10 + Feld + 10;
    QCOMPARE(Form.ListBox1->geometry(), QRect(Knopf, ListeOben, 1039 - 2 * Knopf, 10 * Knopf));
    const int KnopfOben = ListeOben + 10 * Knopf + 10;
    QCOMPARE(Form.Button1->geometry(), QRect(166, KnopfOben, 125, Knopf));
    QCOMPARE(Form.Button2->geometry(), QRect(457, KnopfOben, 125, Knopf));
    QCOMPARE(Form.Button3->geometry(), QRect(748, KnopfOben, 125, Knopf));
    QCOMPARE(Form.size(), QSize(1039, KnopfOben + Knopf + 10));
}

void TstSuchen::zeileVon13Pixeln() {
    const QFont Schrift = SchriftMit13();
    if (Schrift.family().isEmpty())
        QSKIP("no installed font size has a 13-pixel line");
    TSuchenForm Form;
    Form.SchriftartZuweisen({Schrift, Qt::black}, Qt::white);
    Form.SchalterEinrichten();
    QCOMPARE(Form.Button1->size(), QSize(125, 25));
    QCOMPARE(Form.Edit1->height(), 21);
    QCOMPARE(Form.ListBox1->geometry(), QRect(25, 10 + 21 + 10 + 21 + 10, 1039 - 50, 250));
    QCOMPARE(Form.size(), QSize(1039, 72 + 250 + 10 + 25 + 10));
}

void TstSuchen::schmalerBildschirm() {
    // The dialog is 1039 pixels wide inside. On a narrower screen (run so by tst_suchen_schmal) its button gaps
    // shrink so that it stays on the screen with all three buttons, and it sits at the left edge.
    TSuchenForm Form;
    Form.SchriftartZuweisen({Pixel(12), Qt::black}, Qt::white);
    Form.SchalterEinrichten();
    const QRect Schirm = QGuiApplication::primaryScreen()->geometry();
    qInfo("Bildschirm %dx%d", Schirm.width(), Schirm.height());
    QCOMPARE(Form.width(), std::min(1039, Schirm.width()));
    QCOMPARE(Form.x(), std::max(0, (Schirm.width() - 1039) / 2 - 1));
    QCOMPARE(Form.y(), std::max(0, (Schirm.height() - Form.height()) / 2 - 1));
    const int Luecke = Form.Button1->x();
    QVERIFY(Luecke >= 10);
    QCOMPARE(Form.Button2->x(), Form.Button1->geometry().right() + 1 + Luecke);
    QCOMPARE(Form.Button3->x(), Form.Button2->geometry().right() + 1 + Luecke);
    QVERIFY2(Form.Button3->geometry().right() < Form.width(), qPrintable(QString::number(Form.Button3->x())));
    QCOMPARE(Form.ListBox1->geometry().right(), Form.width() - 1 - Form.ListBox1->x());
}

void TstSuchen::treffer_data() {
    QTest::addColumn<QStringList>("Texte"); // the weeks of one subject
    QTest::addColumn<QString>("Suchtext");
    QTest::addColumn<bool>("GenauS");
    QTest::addColumn<QStringList>("Erwartet"); // subject, week, position
    QTest::newRow("zweimal im Text: die erste Stelle")
        << QStringList{"Gedicht auswendig, noch ein Gedicht"} << "gedicht" << false << QStringList{"0 0 0"};
    QTest::newRow("Leerzeichen vorn findet den Textanfang nicht")
        << QStringList{"Gedicht auswendig"} << " Gedicht" << false << QStringList{};
    QTest::newRow("Leerzeichen vorn mitten im Text")
        << QStringList{"Gedicht", "Ein Gedicht"} << " Gedicht" << false << QStringList{"0 1 3"};
    QTest::newRow("Leerzeichen hinten zählt")
        << QStringList{"Gedicht", "Gedicht lesen"} << "Gedicht " << true << QStringList{"0 1 0"};
    QTest::newRow("Umlaut ohne Genau") << QStringList{"Äpfel und Birnen"} << "äpfel" << false << QStringList{"0 0 0"};
    QTest::newRow("Umlaut genau") << QStringList{"Äpfel und Birnen"} << "äpfel" << true << QStringList{};
    QTest::newRow("ß bleibt ß") << QStringList{"Straße", "STRASSE"} << "straße" << false << QStringList{"0 0 0"};
    QTest::newRow("Zeilenumbruch zählt zwei Zeichen")
        << QStringList{"Zeile\r\nGedicht"} << "gedicht" << false << QStringList{"0 0 7"};
    QTest::newRow("über den Zeilenumbruch")
        << QStringList{"Ende\r\nAnfang"} << "ende\r\nan" << false << QStringList{"0 0 0"};
    QTest::newRow("Teil eines Worts") << QStringList{"Gedichtinterpretation"} << "DICHT" << false
                                      << QStringList{"0 0 2"};
    QTest::newRow("leerer Eintrag") << QStringList{"", "x"} << "X" << false << QStringList{"0 1 0"};
    QTest::newRow("leerer Suchtext") << QStringList{"abc", ""} << "" << false << QStringList{};
    QTest::newRow("ganzer Text") << QStringList{"abc"} << "ABC" << false << QStringList{"0 0 0"};
    QTest::newRow("länger als der Text") << QStringList{"abc"} << "abcd" << false << QStringList{};
}

void TstSuchen::treffer() {
    QFETCH(QStringList, Texte);
    QFETCH(QString, Suchtext);
    QFETCH(bool, GenauS);
    QFETCH(QStringList, Erwartet);
    TFachVorlage Fach{QStringLiteral("Deutsch"), {}};
    for (int Nr = 0; Nr < Texte.size(); ++Nr)
        Fach.Wochen.append({Woche(2026, Nr + 1), Texte.at(Nr)});
    const TDaten Daten = Klasse(QStringLiteral("7b"), {Fach});
    QStringList Gefunden;
    for (const TTreffer &Treffer : SucheTreffer(Daten, Suchtext, GenauS))
        Gefunden.append(IndexZeile(Treffer));
    QCOMPARE(Gefunden, Erwartet);
}

void TstSuchen::gedicht_data() {
    QTest::addColumn<QString>("Suchtext");
    QTest::addColumn<bool>("GenauS");
    QTest::addColumn<QStringList>("Liste");
    QTest::addColumn<QStringList>("Index");
    QTest::newRow("ohne Genau") << "gedicht" << false
                                << QStringList{"\"Deutsch\" | 3/2026", "\"Deutsch\" | 5/2026",
                                               "\"Mathematik\" | 4/2026"}
                                << QStringList{"0 0 4", "0 2 0", "2 1 11"};
    QTest::newRow("Genau, klein") << "gedicht" << true << QStringList{"\"Mathematik\" | 4/2026"}
                                  << QStringList{"2 1 11"};
    QTest::newRow("Genau, groß") << "Gedicht" << true << QStringList{"\"Deutsch\" | 3/2026", "\"Deutsch\" | 5/2026"}
                                 << QStringList{"0 0 4", "0 2 0"};
}

void TstSuchen::gedicht() {
    QFETCH(QString, Suchtext);
    QFETCH(bool, GenauS);
    QFETCH(QStringList, Liste);
    QFETCH(QStringList, Index);
    TDaten Daten = Gedichtklasse();
    TSuchenForm Form;
    Oeffnen(Form, Daten);
    QTRY_COMPARE(QApplication::focusWidget(), Form.Edit1);
    QTest::keyClicks(Form.Edit1, Suchtext);
    Form.CheckBox1->setChecked(GenauS);
    QTest::mouseClick(Form.Button1, Qt::LeftButton);

    QCOMPARE(Listenzeilen(Form.ListBox1), Liste);
    QCOMPARE(Form.IndexListe, Index);
    QCOMPARE(Form.SuchStr, Suchtext);
    QCOMPARE(Form.ListBox1->currentRow(), 0);
    QVERIFY(Form.ListBox1->currentItem()->isSelected());
    QTRY_COMPARE(QApplication::focusWidget(), Form.ListBox1);
    QVERIFY(Form.Button2->isEnabled());

    // The last hit, taken with OK.
    QTest::keyClick(Form.ListBox1, Qt::Key_End);
    QTest::mouseClick(Form.Button2, Qt::LeftButton);
    QVERIFY(!Form.isVisible());
    QCOMPARE(Form.result(), int(QDialog::Accepted));
    int FachNr = -1, EintragNr = -1, Pos = -1;
    QVERIFY(Form.AuswahlOk(FachNr, EintragNr, Pos));
    QCOMPARE(QStringLiteral("%1 %2 %3").arg(FachNr).arg(EintragNr).arg(Pos), Index.last());
}

void TstSuchen::trefferMitDatum() {
    SetWochendatum(true);
    const TDaten Daten = Gedichtklasse();
    QCOMPARE(TrefferText(Daten, {0, 0, 4}), QStringLiteral("\"Deutsch\" | 3/2026 (12.-18.1.2026)"));
    QCOMPARE(TrefferText(Daten, {2, 1, 11}), QStringLiteral("\"Mathematik\" | ") + WochenText(Woche(2026, 4), true));
}

void TstSuchen::enterSucht_data() {
    QTest::addColumn<QString>("Steuer"); // where Enter is pressed
    QTest::newRow("im Suchtext") << "Edit1";
    QTest::newRow("auf dem Kästchen") << "CheckBox1";
    QTest::newRow("auf Suchen") << "Button1";
}

void TstSuchen::enterSucht() {
    QFETCH(QString, Steuer);
    TDaten Daten = Gedichtklasse();
    TSuchenForm Form;
    Oeffnen(Form, Daten);
    QTRY_COMPARE(QApplication::focusWidget(), Form.Edit1);
    QTest::keyClicks(Form.Edit1, QStringLiteral("GEDICHT"));
    auto *Ziel = Form.findChild<QWidget *>(Steuer);
    Ziel->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), Ziel);
    QTest::keyClick(Ziel, Qt::Key_Return);
    QCOMPARE(Form.ListBox1->count(), 3);
    QTRY_COMPARE(QApplication::focusWidget(), Form.ListBox1);
    QVERIFY(Form.isVisible());
    Form.reject();
}

void TstSuchen::keinTreffer() {
    TDaten Daten = Gedichtklasse();
    TSuchenForm Form;
    Oeffnen(Form, Daten);
    QTRY_COMPARE(QApplication::focusWidget(), Form.Edit1);
    // A search with hits first: a search without them clears the old hits.
    QTest::keyClicks(Form.Edit1, QStringLiteral("Diktat"));
    QTest::keyClick(Form.Edit1, Qt::Key_Return);
    QCOMPARE(Form.ListBox1->count(), 1);

    Form.Edit1->setFocus();
    Form.Edit1->selectAll();
    QTest::keyClicks(Form.Edit1, QStringLiteral("Ballade "));
    TModalHelfer Helfer;
    Helfer.Antwort(QMessageBox::Ok);
    QTest::keyClick(Form.Edit1, Qt::Key_Return);
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Helfer.Texte, QStringList{QStringLiteral("Der Suchtext \"Ballade \" wurde nicht gefunden!")});
    QCOMPARE(Helfer.Symbole, QList<QMessageBox::Icon>{QMessageBox::Information});
    QVERIFY(Form.isVisible());
    QCOMPARE(Form.ListBox1->count(), 0);
    QVERIFY(Form.IndexListe.isEmpty());
    QVERIFY(!Form.Button2->isEnabled());
    Form.activateWindow(); // what the window manager does when the message box is gone
    QTRY_COMPARE(QApplication::focusWidget(), Form.Edit1);
    QCOMPARE(Form.Edit1->selectedText(), QStringLiteral("Ballade "));
    int FachNr = -1, EintragNr = -1, Pos = -1;
    QVERIFY(!Form.AuswahlOk(FachNr, EintragNr, Pos));
    Form.reject();
}

void TstSuchen::leererSuchtext_data() {
    QTest::addColumn<QString>("Suchtext");
    QTest::addColumn<bool>("SuchenS");
    QTest::newRow("leer") << "" << false;
    QTest::newRow("nur Leerzeichen") << "   " << false;
    QTest::newRow("Tabulator") << "\t" << false;
    QTest::newRow("Zeichen mit Leerzeichen") << " a " << true;
}

void TstSuchen::leererSuchtext() {
    QFETCH(QString, Suchtext);
    QFETCH(bool, SuchenS);
    TDaten Daten = Gedichtklasse();
    TSuchenForm Form;
    Oeffnen(Form, Daten);
    QTRY_COMPARE(QApplication::focusWidget(), Form.Edit1);
    QVERIFY(!Form.Button1->isEnabled());
    Form.Edit1->setText(Suchtext);
    QCOMPARE(Form.Button1->isEnabled(), SuchenS);
    if (SuchenS) {
        Form.reject();
        return;
    }
    // Enter does not search: no message, no hits, the dialog stays.
    TModalHelfer Helfer;
    QTest::keyClick(Form.Edit1, Qt::Key_Return);
    QTest::keyClick(Form.Edit1, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::qWait(50);
    QCOMPARE(Helfer.Unerwartet, 0);
    QVERIFY(Form.isVisible());
    QCOMPARE(Form.SuchStr, QString());
    Form.reject();
}

void TstSuchen::enterInTrefferliste() {
    TDaten Daten = Gedichtklasse();
    TSuchenForm Form;
    Form.DatenRef = &Daten;
    bool HaengtS = false;
    // Enter in the empty list neither searches nor ends the dialog; after a search it takes the selected hit.
    const int Ergebnis = MitExec(
        Form,
        [&Form] {
            QTest::keyClicks(Form.Edit1, QStringLiteral("gedicht"));
            Form.ListBox1->setFocus();
            QTest::keyClick(Form.ListBox1, Qt::Key_Return);
            if (Form.ListBox1->count() != 0 || !Form.isVisible())
                return;
            QTest::keyClick(Form.Edit1, Qt::Key_Return);
            QTest::keyClick(Form.ListBox1, Qt::Key_Down);
            QTest::keyClick(Form.ListBox1, Qt::Key_Return);
        },
        HaengtS);
    QVERIFY2(!HaengtS, "Enter did not end the dialog");
    QCOMPARE(Ergebnis, int(QDialog::Accepted));
    QCOMPARE(Form.ListBox1->count(), 3);
    int FachNr = -1, EintragNr = -1, Pos = -1;
    QVERIFY(Form.AuswahlOk(FachNr, EintragNr, Pos));
    QCOMPARE(FachNr, 0);
    QCOMPARE(EintragNr, 2);
    QCOMPARE(Pos, 0);
}

void TstSuchen::wiederOeffnen() {
    TDaten Daten = Gedichtklasse();
    TSuchenForm Form;
    QCOMPARE(Form.SuchStr, QString());
    QVERIFY(!Form.CheckBox1->isChecked());
    Oeffnen(Form, Daten);
    QTRY_COMPARE(QApplication::focusWidget(), Form.Edit1);
    QCOMPARE(Form.Edit1->text(), QString());
    QTest::keyClicks(Form.Edit1, QStringLiteral("gedicht"));
    QTest::keyClick(Form.CheckBox1, Qt::Key_Space);
    QVERIFY(Form.CheckBox1->isChecked());
    QTest::keyClick(Form.Edit1, Qt::Key_Return);
    QCOMPARE(Form.ListBox1->count(), 1);
    // Typed after the search, then closed: the next showing brings back the searched text.
    Form.Edit1->setText(QStringLiteral("Ballade"));
    QTest::keyClick(Form.ListBox1, Qt::Key_Escape);
    QTRY_VERIFY(!Form.isVisible());
    QCOMPARE(Form.result(), int(QDialog::Rejected));

    Oeffnen(Form, Daten);
    QTRY_COMPARE(QApplication::focusWidget(), Form.Edit1);
    QCOMPARE(Form.Edit1->text(), QStringLiteral("gedicht"));
    QCOMPARE(Form.Edit1->selectedText(), QStringLiteral("gedicht"));
    QCOMPARE(Form.ListBox1->count(), 0);
    QVERIFY(Form.IndexListe.isEmpty());
    QVERIFY(!Form.Button2->isEnabled());
    QVERIFY(Form.Button1->isEnabled());
    QVERIFY(Form.CheckBox1->isChecked());
    Form.reject();
}

void TstSuchen::ungespeicherteAenderungen() {
    // The class is searched as it is at the moment of the search.
    TDaten Daten = Gedichtklasse();
    TSuchenForm Form;
    Oeffnen(Form, Daten);
    QTRY_COMPARE(QApplication::focusWidget(), Form.Edit1);
    Daten.Fach(1).Add(Woche(2026, 6), QStringLiteral("Ballspiele"));
    QTest::keyClicks(Form.Edit1, QStringLiteral("ballspiel"));
    QTest::keyClick(Form.Edit1, Qt::Key_Return);
    QCOMPARE(Listenzeilen(Form.ListBox1), QStringList{"\"Sport\" | 6/2026"});
    QCOMPARE(Form.IndexListe, QStringList{"1 0 0"});
    Form.reject();
}

void TstSuchen::eingefuegterText() {
    // Typographic quotes are stored as plain ones; a pasted search text is mapped the same way and finds them.
    TDaten Daten = Klasse(QStringLiteral("7b"), {{QStringLiteral("Deutsch"), {{Woche(2026, 3), "Das \"Lied\""}}}});
    TSuchenForm Form;
    Oeffnen(Form, Daten);
    QTRY_COMPARE(QApplication::focusWidget(), Form.Edit1);
    QApplication::clipboard()->setText(QString::fromUtf8("„Lied“"));
    Form.Edit1->paste();
    QCOMPARE(Form.Edit1->text(), QStringLiteral("\"Lied\""));
    QTest::keyClick(Form.Edit1, Qt::Key_Return);
    QCOMPARE(Form.IndexListe, QStringList{"0 0 4"});
    Form.reject();
}

void TstSuchen::abbrechen() {
    TDaten Daten = Gedichtklasse();
    TSuchenForm Form;
    Form.DatenRef = &Daten;
    bool HaengtS = false;
    const int Ergebnis = MitExec(
        Form,
        [&Form] {
            QTest::keyClicks(Form.Edit1, QStringLiteral("gedicht"));
            QTest::keyClick(Form.Edit1, Qt::Key_Return);
            QTest::keyClick(Form.ListBox1, Qt::Key_Escape);
        },
        HaengtS);
    QVERIFY(!HaengtS);
    QCOMPARE(Ergebnis, int(QDialog::Rejected));
    QCOMPARE(Form.SuchStr, QStringLiteral("gedicht"));

    // The close button, pressed with Enter.
    const int Zweites = MitExec(
        Form,
        [&Form] {
            Form.Button3->setFocus();
            QTest::keyClick(Form.Button3, Qt::Key_Return);
        },
        HaengtS);
    QVERIFY(!HaengtS);
    QCOMPARE(Zweites, int(QDialog::Rejected));
}

void TstSuchen::namenUndTabfolge() {
    TSuchenForm Form;
    QCOMPARE(Form.objectName(), QStringLiteral("SuchenForm"));
    QCOMPARE(Form.windowTitle(), QStringLiteral("Suche nach Text im Stundolog"));
    QCOMPARE(Form.Label1->text(), QStringLiteral("Such&text:"));
    QCOMPARE(Form.Edit1->accessibleName(), QStringLiteral("Suchtext:"));
    QCOMPARE(Form.CheckBox1->text(), QStringLiteral("&Genaue Übereinstimmung"));
    QCOMPARE(Form.CheckBox1->accessibleName(), QStringLiteral("Genaue Übereinstimmung"));
    QCOMPARE(Form.ListBox1->accessibleName(), QStringLiteral("Treffer"));
    QCOMPARE(Form.Button1->text(), QStringLiteral("S&uchen"));
    QCOMPARE(Form.Button1->accessibleName(), QStringLiteral("Suchen"));
    QCOMPARE(Form.Button2->text(), QStringLiteral("O&K"));
    QCOMPARE(Form.Button2->accessibleName(), QStringLiteral("OK"));
    QCOMPARE(Form.Button3->text(), QStringLiteral("&Schließen"));
    QCOMPARE(Form.Button3->accessibleName(), QStringLiteral("Schließen"));
    for (const QPushButton *Knopf : {Form.Button1, Form.Button2, Form.Button3})
        QVERIFY2(!Knopf->isDefault() && !Knopf->autoDefault(), qPrintable(Knopf->objectName()));

    TDaten Daten = Gedichtklasse();
    Oeffnen(Form, Daten);
    QTRY_COMPARE(QApplication::focusWidget(), Form.Edit1);
    for (const QPushButton *Knopf : {Form.Button1, Form.Button2, Form.Button3})
        QVERIFY2(!Knopf->isDefault(), qPrintable(Knopf->objectName() + QStringLiteral(" became the default")));
    QTest::keyClicks(Form.Edit1, QStringLiteral("gedicht"));
    QTest::keyClick(Form.Edit1, Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget(), Form.ListBox1);
    Form.Edit1->setFocus();
    const QList<QWidget *> Folge{Form.CheckBox1, Form.ListBox1, Form.Button1, Form.Button2, Form.Button3, Form.Edit1};
    for (QWidget *Naechstes : Folge) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), Naechstes);
    }
    Form.reject();
}

void TstSuchen::kuerzel_data() {
    QTest::addColumn<int>("Taste");
    QTest::addColumn<QString>("Ziel");
    QTest::newRow("Alt+T") << int(Qt::Key_T) << "Edit1";
    QTest::newRow("Alt+G") << int(Qt::Key_G) << "CheckBox1";
    QTest::newRow("Alt+U") << int(Qt::Key_U) << "Suchen";
    QTest::newRow("Alt+K") << int(Qt::Key_K) << "OK";
    QTest::newRow("Alt+S") << int(Qt::Key_S) << "Schließen";
}

void TstSuchen::kuerzel() {
    QFETCH(int, Taste);
    QFETCH(QString, Ziel);
    TDaten Daten = Gedichtklasse();
    TSuchenForm Form;
    Oeffnen(Form, Daten);
    QTRY_COMPARE(QApplication::focusWidget(), Form.Edit1);
    QTest::keyClicks(Form.Edit1, QStringLiteral("Diktat"));
    if (Ziel == QStringLiteral("OK"))
        QTest::keyClick(Form.Edit1, Qt::Key_Return);
    Form.Button3->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), Form.Button3);

    QTest::keyClick(&Form, Qt::Key(Taste), Qt::AltModifier);
    if (Ziel == QStringLiteral("Suchen")) {
        QTRY_COMPARE(Form.ListBox1->count(), 1);
        Form.reject();
    } else if (Ziel == QStringLiteral("OK") || Ziel == QStringLiteral("Schließen")) {
        QTRY_VERIFY(!Form.isVisible());
        QCOMPARE(Form.result(), Ziel == QStringLiteral("OK") ? int(QDialog::Accepted) : int(QDialog::Rejected));
    } else {
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), Ziel);
        if (Ziel == QStringLiteral("CheckBox1"))
            QTRY_VERIFY(Form.CheckBox1->isChecked());
        Form.reject();
    }
}

void TstSuchen::schrift() {
    TSuchenForm Form;
    const QColor KnopfText = Form.Button3->palette().color(QPalette::ButtonText);
    Form.SchriftartZuweisen({Pixel(20, QStringLiteral("DejaVu Serif")), Qt::red}, QColor(255, 255, 0));
    for (QWidget *Feld : std::initializer_list<QWidget *>{Form.Label1, Form.Edit1, Form.CheckBox1, Form.ListBox1}) {
        QCOMPARE(Feld->font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(Feld->font().pixelSize(), 20);
    }
    QCOMPARE(Form.Edit1->palette().color(QPalette::Text), QColor(Qt::red));
    QCOMPARE(Form.ListBox1->palette().color(QPalette::Base), QColor(255, 255, 0));
    QCOMPARE(Form.CheckBox1->palette().color(QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(Form.Button3->font().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(Form.Button3->palette().color(QPalette::ButtonText), KnopfText);
}

QTEST_MAIN(TstSuchen)
#include "tst_suchen.moc"
