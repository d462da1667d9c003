#include "Hauptfixture.h"
#include "data/Kalender.h"
#include "dialogs/ReAnsicht.h"
#include "dialogs/Suchen.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>

using namespace Hauptfixture;

namespace {
const qint32 Maerz30 = TagNummer(2020, 3, 30);
const qint32 April27 = TagNummer(2020, 4, 27);
const qint32 Mai4 = TagNummer(2020, 5, 4);
const qint32 Februar24 = TagNummer(2020, 2, 24);

// 5a: Deutsch with weeks in February, March (three), April and May; Mathe with one March week.
TDaten Klasse5aLang() {
    return Klasse("5a", {{"Deutsch",
                          {{Februar24, "Feb"},
                           {Maerz9, "  Ein Gedicht"},
                           {Maerz16, "Lesen"},
                           {Maerz30, "Mär"},
                           {April27, "Apr"},
                           {Mai4, "Mai"}}},
                         {"Mathe", {{Maerz16, "Brüche\r\nund\r\nDezimalzahlen"}}}});
}
} // namespace

// The search command goes to its hit; the overview commands show the right text in the viewer.
class TstSucheUebersicht : public THauptfixture {
    Q_OBJECT
private slots:
    void init() { Vorbereiten(); }
    void cleanup() { Aufraeumen(); }

    void suchen_data();
    void suchen();
    void suchenGesperrtOhneWoche();
    void uebersicht_data();
    void uebersicht();

private:
    std::unique_ptr<TForm1> MitKlasse(int AFachNr, int AEintragNr) {
        KlasseAblegen(Klasse5aLang(), QStringLiteral("5a.SGV"));
        EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV %1").arg(AFachNr));
        auto Form = Starten(nullptr, Maerz16 + 2);
        Form->SetEintragNr(AEintragNr);
        return Form;
    }
};

void TstSucheUebersicht::suchen_data() {
    QTest::addColumn<QString>("Suche");
    QTest::addColumn<QString>("Fach");
    QTest::addColumn<QString>("Woche");
    QTest::addColumn<int>("Caret"); // in the text field
    QTest::newRow("anderes Fach, nach zwei Zeilenumbrüchen") << "Dezimal" << "Mathe" << WochenText(Maerz16) << 11;
    QTest::newRow("am Anfang") << "Brüche" << "Mathe" << WochenText(Maerz16) << 0;
    QTest::newRow("hinter führenden Leerzeichen") << "Gedicht" << "Deutsch" << WochenText(Maerz9) << 4;
}

void TstSucheUebersicht::suchen() {
    QFETCH(QString, Suche);
    QFETCH(QString, Fach);
    QFETCH(QString, Woche);
    QFETCH(int, Caret);
    auto Form = MitKlasse(1, 6);
    TModalHelfer Helfer;
    Helfer.Dann([&](QWidget *AFenster) {
        auto *Suchen = qobject_cast<TSuchenForm *>(AFenster);
        QVERIFY(Suchen);
        Tippen(Suchen->Edit1, Suche);
        QTest::keyClick(Suchen->Edit1, Qt::Key_Return);
        QVERIFY(Suchen->ListBox1->count() > 0);
        QTest::keyClick(Suchen->ListBox1, Qt::Key_Return);
    });
    QTest::keyClick(Form->Edit1, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Form->Edit2->text(), Fach);
    QCOMPARE(Form->Edit3->text(), Woche);
    QCOMPARE(Form->focusWidget(), Form->RichEdit1);
    const QTextCursor Cursor = Form->RichEdit1->textCursor();
    QVERIFY(!Cursor.hasSelection());
    QCOMPARE(Cursor.position(), Caret);
    QVERIFY2(Form->RichEdit1->toPlainText().mid(Caret).startsWith(Suche), "the caret stands on the match");
}

void TstSucheUebersicht::suchenGesperrtOhneWoche() {
    KlasseAblegen(Klasse("5a", {{"Deutsch", {}}, {"Mathe", {{Maerz16, "x"}}}}), QStringLiteral("5a.SGV"));
    EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV 1"));
    auto Form = Starten(nullptr, Maerz16);
    Form->UpdateMenus();
    QVERIFY(!Form->MenuAktSuchen->isEnabled());
    for (QAction *Uebersicht : {Form->MenuAktWoche, Form->MenuAktMonat, Form->MenuAktAlle, Form->MenuAktFach})
        QVERIFY(!Uebersicht->isEnabled());
    // F5 to F8 do nothing, and neither do the "&Drucken" items, which stay enabled with the class.
    QVERIFY(Form->findChild<QMenu *>(QStringLiteral("MenuDateiDrucken"))->menuAction()->isEnabled());
    TModalHelfer Helfer;
    for (const Qt::Key Taste : {Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8})
        QTest::keyClick(Form->Edit1, Taste);
    for (QAction *Drucken : {Form->MenuDateiDruckenWoche, Form->MenuDateiDruckenMonat, Form->MenuDateiDruckenAlle,
                             Form->MenuDateiDruckenFach})
        Form->Klick(Drucken);
    QTest::qWait(50);
    QCOMPARE(Helfer.Unerwartet, 0);
}

void TstSucheUebersicht::uebersicht_data() {
    QTest::addColumn<int>("FachNr");
    QTest::addColumn<int>("EintragNr");
    QTest::addColumn<QString>("Aktion");
    QTest::addColumn<QString>("Caption");
    QTest::addColumn<QString>("Text");
    const QString W = WochenText(Maerz30);
    QTest::newRow("Woche") << 1 << 4 << "MenuAktWoche" << "Übersicht von Woche " + W
                           << "Klasse: \"5a\"\nFach: \"Deutsch\"\n\nWoche: " + W + "\n[Mär]\n";
    QTest::newRow("Monat der Woche vom 30. März")
        << 1 << 4 << "MenuAktMonat" << "Übersicht eines Monats"
        << "Klasse: \"5a\"\nFach: \"Deutsch\"\n\nWoche: " + W + "\n[Mär]\n\nWoche: " + WochenText(Maerz16) +
               "\n[Lesen]\n\nWoche: " + WochenText(Maerz9) + "\n[Ein Gedicht]\n";
    QTest::newRow("Monat April") << 1 << 5 << "MenuDateiDruckenMonat" << "Übersicht eines Monats"
                                 << "Klasse: \"5a\"\nFach: \"Deutsch\"\n\nWoche: " + WochenText(April27) +
                                        "\n[Apr]\n";
    QTest::newRow("alle Wochen") << 2 << 1 << "MenuAktAlle" << "Übersicht aller Wochen"
                                 << "Klasse: \"5a\"\nFach: \"Mathe\"\n\nWoche: " + WochenText(Maerz16) +
                                        "\n[Brüche\nund\nDezimalzahlen]\n";
    QTest::newRow("alle Fächer, gleich welches aktuell ist")
        << 2 << 1 << "MenuAktFach" << "Übersicht aller Wochen und Fächer"
        << "Klasse: \"5a\"\n\nWoche: " + WochenText(Mai4) + "\nFach: \"Deutsch\" [Mai]\n\nWoche: " +
               WochenText(April27) + "\nFach: \"Deutsch\" [Apr]\n\nWoche: " + W + "\nFach: \"Deutsch\" [Mär]\n\nWoche: " +
               WochenText(Maerz16) + "\nFach: \"Deutsch\" [Lesen]\nFach: \"Mathe\" [Brüche\nund\nDezimalzahlen]\n\n" +
               "Woche: " + WochenText(Maerz9) + "\nFach: \"Deutsch\" [  Ein Gedicht]\n\nWoche: " + WochenText(Februar24) +
               "\nFach: \"Deutsch\" [Feb]\n";
}

void TstSucheUebersicht::uebersicht() {
    QFETCH(int, FachNr);
    QFETCH(int, EintragNr);
    QFETCH(QString, Aktion);
    QFETCH(QString, Caption);
    QFETCH(QString, Text);
    auto Form = MitKlasse(FachNr, EintragNr);
    TModalHelfer Helfer;
    QString Gezeigt, Inhalt;
    Helfer.Dann([&](QWidget *AFenster) {
        auto *Ansicht = qobject_cast<TReAnsichtForm *>(AFenster);
        QVERIFY(Ansicht);
        Gezeigt = Ansicht->windowTitle();
        Inhalt = Ansicht->Text();
        QTest::keyClick(Ansicht, Qt::Key_Escape);
    });
    Form->UpdateMenus();
    Form->Klick(Form->Aktion(Aktion));
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Gezeigt, Caption);
    QCOMPARE(Inhalt, Text);
}

QTEST_MAIN(TstSucheUebersicht)
#include "tst_sucheuebersicht.moc"
