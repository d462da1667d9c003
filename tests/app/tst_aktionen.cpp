#include "../dialogs/Dialoghilfe.h"
#include "Hauptfixture.h"
#include "data/Kalender.h"
#include "data/Klassendatei.h"
#include "dialogs/Bezeichnung.h"
#include "dialogs/Fachliste.h"
#include "dialogs/Neu.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Hauptfixture;

namespace {
const qint32 Maerz18 = Maerz16 + 2; // Wednesday 18 March 2020: "today" in these tests
const qint32 Maerz23 = Maerz16 + 7;

QString AusgewaehltText(const QListWidget *AListe) {
    const QListWidgetItem *Zeile = AListe->currentItem();
    return Zeile && Zeile->isSelected() ? Zeile->text() : QString();
}
} // namespace

// The commands that create weeks, subjects and classes, switch classes and rename, run on a started main
// window with class files in its data folder; their dialogs are answered as a user would.
class TstAktionen : public THauptfixture {
    Q_OBJECT
private slots:
    void init() { Vorbereiten(); }
    void cleanup() { Aufraeumen(); }

    void neuModus_data();
    void neuModus();
    void neueWocheNachTippen();
    void neuesFachAndereSchreibung();
    void neueKlasseMitAenderungen();
    void neueKlasseNichtGespeichertAbbrechen();
    void wechselnVorauswahl();
    void wechselnZurOffenenKlasse_data();
    void wechselnZurOffenenKlasse();
    void wechselnOhneKlassen_data();
    void wechselnOhneKlassen();
    void fachUmbenennen();
    void klasseUmbenennen();

private:
    std::unique_ptr<TForm1> MitKlasse5a(int AFachNr = 1) {
        KlasseAblegen(Klasse5a(), QStringLiteral("5a.SGV"));
        EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV %1").arg(AFachNr));
        return Starten(nullptr, Maerz18);
    }
};

void TstAktionen::neuModus_data() {
    QTest::addColumn<bool>("Klasse");     // a class is open
    QTest::addColumn<int>("FachNr");      // the current subject when the command starts
    QTest::addColumn<QString>("Aktion");  // the item used
    QTest::addColumn<QString>("Caption"); // the dialog as it opens
    QTest::addColumn<bool>("Edit1Fest");  // the class field is read-only
    QTest::addColumn<bool>("Edit2Fest");
    QTest::addColumn<QString>("Edit1");
    QTest::addColumn<QString>("Edit2");
    QTest::newRow("neue Woche") << true << 1 << "MenuAktNeueWoche"
                                << "Neuen Wocheneintrag erstellen" << true << true << "5a"
                                << "Deutsch";
    QTest::newRow("neue Woche ohne Fach: neues Fach") << true << 0 << "MenuAktNeueWoche"
                                                      << "Neues Fach erstellen" << true << false << "5a"
                                                      << "";
    QTest::newRow("neue Woche ohne Klasse: neue Klasse") << false << 0 << "MenuAktNeueWoche"
                                                         << "Neue Klasse erstellen" << false << false << ""
                                                         << "";
    QTest::newRow("neues Fach") << true << 2 << "MenuAktNeuesFach"
                                << "Neues Fach erstellen" << true << false << "5a"
                                << "";
    QTest::newRow("neues Fach ohne Klasse") << false << 0 << "PuE2NeuesFach"
                                            << "Neue Klasse erstellen" << false << false << ""
                                            << "";
    QTest::newRow("neue Klasse") << true << 1 << "PuE1NeueKlasse"
                                 << "Neue Klasse erstellen" << false << false << ""
                                 << "";
}

void TstAktionen::neuModus() {
    QFETCH(bool, Klasse);
    QFETCH(int, FachNr);
    QFETCH(QString, Aktion);
    QFETCH(QString, Caption);
    QFETCH(bool, Edit1Fest);
    QFETCH(bool, Edit2Fest);
    QFETCH(QString, Edit1);
    QFETCH(QString, Edit2);
    KlasseAblegen(Klasse5a(), QStringLiteral("5a.SGV"));
    EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV %1").arg(FachNr));
    EinstellungSetzen(QStringLiteral("Oeffnen"), Klasse ? 1 : 0);
    TModalHelfer Start;
    if (!Klasse)
        Start.Antwort(QMessageBox::No);
    auto Form = Starten(&Start, Maerz18);
    QCOMPARE(Form->FachNr(), FachNr);
    const TDaten Vorher(Form->Daten);
    Form->SetFocus(4, true);

    TModalHelfer Helfer;
    QString Gezeigt;
    bool Fest1 = false, Fest2 = false;
    QString Text1, Text2;
    Helfer.Dann([&](QWidget *AFenster) {
        auto *Neu = qobject_cast<TNeuForm *>(AFenster);
        QVERIFY(Neu);
        Gezeigt = Neu->windowTitle();
        Fest1 = Neu->Edit1->isReadOnly();
        Fest2 = Neu->Edit2->isReadOnly();
        Text1 = Neu->Edit1->text();
        Text2 = Neu->Edit2->text();
        QTest::keyClick(AFenster, Qt::Key_Escape);
    });
    Form->PuMenusClick();
    Form->UpdateMenus();
    Form->Klick(Form->Aktion(Aktion));
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Gezeigt, Caption);
    QCOMPARE(Fest1, Edit1Fest);
    QCOMPARE(Fest2, Edit2Fest);
    QCOMPARE(Text1, Edit1);
    QCOMPARE(Text2, Edit2);
    // Cancel changes nothing, and the focus is back where it was.
    QVERIFY(Form->Daten.Ident(Vorher));
    QCOMPARE(Form->focusWidget(), Form->RichEdit1);
}

void TstAktionen::neueWocheNachTippen() {
    auto Form = MitKlasse5a();
    QCOMPARE(Form->EintragNr(), 2);
    Form->SetFocus(4, false);
    QTest::keyClick(Form->RichEdit1, Qt::Key_End);
    QTest::keyClicks(Form->RichEdit1, QStringLiteral(" und Schreiben"));

    TModalHelfer Helfer;
    QString Vorauswahl;
    QStringList Wochen;
    Helfer.Dann([&](QWidget *AFenster) {
        auto *Neu = qobject_cast<TNeuForm *>(AFenster);
        QVERIFY(Neu);
        Wochen = Listenzeilen(Neu->ListBox2);
        Vorauswahl = AusgewaehltText(Neu->ListBox2);
        QCOMPARE(Neu->focusWidget(), Neu->ListBox1);
        QTest::keyClick(Neu->ListBox1, Qt::Key_Return);
    });
    QTest::keyClick(Form->RichEdit1, Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(Helfer.Offen(), 0);
    // The typed text was stored before the dialog opened; the held weeks are not offered.
    QCOMPARE(Form->Daten.Fach(0).WochenDaten.at(1).Text, QStringLiteral("Lesen und Schreiben"));
    QVERIFY(!Wochen.contains(WochenText(Maerz9)));
    QVERIFY(!Wochen.contains(WochenText(Maerz16)));
    QCOMPARE(Vorauswahl, WochenText(Maerz23));
    QCOMPARE(Form->EintragNr(), 3);
    QCOMPARE(Form->Daten.Fach(0).WochenDaten.at(2), (TWocheRec{Maerz23, QString()}));
    QCOMPARE(Form->Edit3->text(), WochenText(Maerz23));
    QCOMPARE(Form->focusWidget(), Form->Edit3);
    Form->DateiMenuUpdate();
    QVERIFY(Form->MenuDateiSpeichern->isEnabled());
}

void TstAktionen::neuesFachAndereSchreibung() {
    auto Form = MitKlasse5a();
    TModalHelfer Helfer;
    Helfer.Dann([](QWidget *AFenster) {
        auto *Neu = qobject_cast<TNeuForm *>(AFenster);
        QVERIFY(Neu);
        QCOMPARE(Neu->focusWidget(), Neu->Edit2);
        QTest::keyClicks(Neu->Edit2, QStringLiteral("mathe"));
        QTest::keyClick(Neu->Edit2, Qt::Key_Return);
    });
    Helfer.Antwort(QMessageBox::Yes);
    QTest::keyClick(Form->Edit1, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Helfer.Texte, QStringList{QStringLiteral("Das Fach \"mathe\" und die Woche %1 sind bereits vorhanden!\r\n"
                                                      "Soll dort hingewechselt werden?")
                                           .arg(WochenText(Maerz16))});
    // No new subject: the window went to Mathe and its week of 16 March.
    QCOMPARE(Form->Daten.Count(), 2);
    QCOMPARE(Form->FachNr(), 2);
    QCOMPARE(Form->EintragNr(), 1);
    QCOMPARE(Form->Edit2->text(), QStringLiteral("Mathe"));
    QCOMPARE(Form->focusWidget(), Form->Edit2);
}

void TstAktionen::neueKlasseMitAenderungen() {
    auto Form = MitKlasse5a();
    Form->SetFocus(4, false);
    QTest::keyClick(Form->RichEdit1, Qt::Key_End);
    QTest::keyClicks(Form->RichEdit1, QStringLiteral("!"));
    TModalHelfer Helfer;
    Helfer.Dann([](QWidget *AFenster) {
        auto *Neu = qobject_cast<TNeuForm *>(AFenster);
        QVERIFY(Neu);
        QCOMPARE(Neu->focusWidget(), Neu->Edit1);
        QTest::keyClicks(Neu->Edit1, QStringLiteral("6b"));
        QTest::keyClick(Neu->Edit1, Qt::Key_Tab);
        QTest::keyClicks(Neu->Edit2, QStringLiteral("Englisch"));
        QTest::keyClick(Neu->Edit2, Qt::Key_Return);
    });
    Helfer.Antwort(QMessageBox::Yes);
    QTest::keyClick(Form->RichEdit1, Qt::Key_F4);
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Helfer.Texte, QStringList{QStringLiteral(
                               "Sollen die vorgenommenen Änderungen in der Klasse \"5a\" gespeichert werden?")});
    // The old class was saved, the new one written to its own file and opened.
    TDaten Alt;
    QCOMPARE(KlasseLaden(DatenOrdner() + QStringLiteral("5a.SGV"), Alt), TLadeErgebnis::Gelesen);
    QCOMPARE(Alt.Fach(0).WochenDaten.at(1).Text, QStringLiteral("Lesen!"));
    TDaten Neu;
    QCOMPARE(KlasseLaden(DatenOrdner() + QStringLiteral("6b.SGV"), Neu), TLadeErgebnis::Gelesen);
    QVERIFY(Neu.Ident(Klasse("6b", {{"Englisch", {{Maerz16, QString()}}}})));
    QCOMPARE(Form->windowTitle(), QStringLiteral("6b.SGV - Stundolog V1.01"));
    QCOMPARE(Form->Filename(), DatenOrdner() + QStringLiteral("6b.SGV"));
    QCOMPARE(Form->Edit2->text(), QStringLiteral("Englisch"));
    QCOMPARE(Form->EintragNr(), 1);
    QCOMPARE(Form->focusWidget(), Form->Edit1);
    Form->DateiMenuUpdate();
    QVERIFY(!Form->MenuDateiSpeichern->isEnabled());
}

void TstAktionen::neueKlasseNichtGespeichertAbbrechen() {
    // A class name the file cannot hold (put in by the program, past the field's own replacement) makes the save
    // of the new class fail; Cancel then gives back the class that was open, with its unsaved change.
    auto Form = MitKlasse5a();
    Form->SetFocus(4, false);
    QTest::keyClick(Form->RichEdit1, Qt::Key_End);
    QTest::keyClicks(Form->RichEdit1, QStringLiteral("!"));
    Form->DateiMenuUpdate();
    const TDaten Vorher(Form->Daten);
    TModalHelfer Helfer;
    Helfer.Dann([](QWidget *AFenster) {
        auto *Neu = qobject_cast<TNeuForm *>(AFenster);
        QVERIFY(Neu);
        Neu->Edit1->setText(QStringLiteral("Ω"));
        Neu->Edit2->setText(QStringLiteral("Deutsch"));
        Neu->Button1->click();
    });
    Helfer.Antwort(QMessageBox::No);
    Helfer.Antwort(QMessageBox::Ok);
    Helfer.Dann([](QWidget *AFenster) {
        auto *Neu = qobject_cast<TNeuForm *>(AFenster);
        QVERIFY(Neu);
        QCOMPARE(Neu->focusWidget(), Neu->Edit1);
        Neu->Button2->click();
    });
    QTest::keyClick(Form->RichEdit1, Qt::Key_F4);
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Helfer.Texte.value(1), QStringLiteral("Die Klasse \"Ω\" konnte nicht gespeichert werden!"));
    QVERIFY(Form->Daten.Ident(Vorher));
    QCOMPARE(Form->Filename(), DatenOrdner() + QStringLiteral("5a.SGV"));
    Form->DateiMenuUpdate();
    QVERIFY2(Form->MenuDateiSpeichern->isEnabled(), "the unsaved change of 5a is still there");
    Form->Speichern();
    TDaten Gespeichert;
    QCOMPARE(KlasseLaden(DatenOrdner() + QStringLiteral("5a.SGV"), Gespeichert), TLadeErgebnis::Gelesen);
    QCOMPARE(Gespeichert.Klasse, QStringLiteral("5a"));
    QCOMPARE(QDir(DatenOrdner()).entryList(QDir::Files), QStringList{QStringLiteral("5a.SGV")});
}

void TstAktionen::wechselnVorauswahl() {
    KlasseAblegen(Klasse("4a", {{"Deutsch", {{Maerz9, "a"}}}, {"Sport", {{Maerz9, "b"}}}}), QStringLiteral("4a.SGV"));
    KlasseAblegen(Klasse("3c", {{"Deutsch", {{Maerz9, "c"}}}, {"Kunst", {{Maerz16, "d"}}}}), QStringLiteral("3c.SGV"));
    EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("4a.SGV 2"));
    auto Form = Starten(nullptr, Maerz18);
    TModalHelfer Helfer;
    QString Klasse, Fach;
    QStringList Faecher;
    Helfer.Dann([&](QWidget *AFenster) {
        auto *Liste = qobject_cast<TFachlisteForm *>(AFenster);
        QVERIFY(Liste);
        Klasse = AusgewaehltText(Liste->ListBox1);
        Fach = AusgewaehltText(Liste->ListBox2);
        QCOMPARE(Liste->focusWidget(), Liste->ListBox1);
        // Another class: its subjects, the first selected.
        QTest::keyClick(Liste->ListBox1, Qt::Key_Up);
        Faecher = Listenzeilen(Liste->ListBox2);
        QTest::keyClick(Liste->ListBox1, Qt::Key_Tab);
        QTest::keyClick(Liste->ListBox2, Qt::Key_Down);
        QTest::keyClick(Liste->ListBox2, Qt::Key_Return);
    });
    QTest::keyClick(Form->Edit2, Qt::Key_K, Qt::ControlModifier);
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Klasse, QStringLiteral("4a"));
    QCOMPARE(Fach, QStringLiteral("Sport"));
    QCOMPARE(Faecher, (QStringList{"Deutsch", "Kunst"}));
    QCOMPARE(Form->Daten.Klasse, QStringLiteral("3c"));
    QCOMPARE(Form->Edit2->text(), QStringLiteral("Kunst"));
    QCOMPARE(Form->EintragNr(), 1);
    QCOMPARE(Form->windowTitle(), QStringLiteral("3c.SGV - Stundolog V1.01"));
    QCOMPARE(Form->focusWidget(), Form->Edit1);
}

void TstAktionen::wechselnZurOffenenKlasse_data() {
    QTest::addColumn<int>("Antwort");
    QTest::addColumn<QString>("Text");   // the week text afterwards
    QTest::addColumn<QString>("Datei");  // that week's text in the file afterwards
    QTest::addColumn<bool>("Geaendert"); // unsaved changes afterwards
    QTest::newRow("Ja: gespeichert und neu gelesen") << int(QMessageBox::Yes) << "Lesen!"
                                                     << "Lesen!" << false;
    QTest::newRow("Nein: die Änderung ist verworfen") << int(QMessageBox::No) << "Lesen"
                                                      << "Lesen" << false;
    QTest::newRow("Abbrechen: nichts geschieht") << int(QMessageBox::Cancel) << "Lesen!"
                                                 << "Lesen" << true;
}

void TstAktionen::wechselnZurOffenenKlasse() {
    QFETCH(int, Antwort);
    QFETCH(QString, Text);
    QFETCH(QString, Datei);
    QFETCH(bool, Geaendert);
    auto Form = MitKlasse5a();
    Form->SetFocus(4, false);
    QTest::keyClick(Form->RichEdit1, Qt::Key_End);
    QTest::keyClicks(Form->RichEdit1, QStringLiteral("!"));
    TModalHelfer Helfer;
    Helfer.Dann([](QWidget *AFenster) {
        QVERIFY(qobject_cast<TFachlisteForm *>(AFenster));
        QTest::keyClick(AFenster, Qt::Key_Return);
    });
    Helfer.Antwort(static_cast<QMessageBox::StandardButton>(Antwort));
    Form->Button2->click();
    QCOMPARE(Helfer.Offen(), 0);
    Form->DateiMenuUpdate();
    QCOMPARE(Form->Daten.Fach(0).WochenDaten.at(1).Text, Text);
    QCOMPARE(Form->MenuDateiSpeichern->isEnabled(), Geaendert);
    TDaten Gespeichert;
    QCOMPARE(KlasseLaden(DatenOrdner() + QStringLiteral("5a.SGV"), Gespeichert), TLadeErgebnis::Gelesen);
    QCOMPARE(Gespeichert.Fach(0).WochenDaten.at(1).Text, Datei);
}

void TstAktionen::wechselnOhneKlassen_data() {
    QTest::addColumn<bool>("Offen"); // a class is open (its file has gone meanwhile)
    QTest::addColumn<QString>("Meldung");
    QTest::newRow("Klasse offen") << true << "Es wurde noch keine Klasse gespeichert!";
    QTest::newRow("keine Klasse") << false
                                  << "Es wurde noch keine Klasse gespeichert!\r\nSoll jetzt eine neue Klasse erstellt "
                                     "werden?";
}

void TstAktionen::wechselnOhneKlassen() {
    QFETCH(bool, Offen);
    QFETCH(QString, Meldung);
    TModalHelfer Start;
    std::unique_ptr<TForm1> Form;
    if (Offen) {
        Form = MitKlasse5a();
        QVERIFY(QFile::remove(DatenOrdner() + QStringLiteral("5a.SGV")));
    } else {
        Start.Antwort(QMessageBox::No);
        Form = Starten(&Start, Maerz18);
    }
    TModalHelfer Helfer;
    Helfer.Antwort(Offen ? QMessageBox::Ok : QMessageBox::Yes);
    QString NeuCaption;
    if (!Offen)
        Helfer.Dann([&](QWidget *AFenster) {
            NeuCaption = AFenster->windowTitle();
            QVERIFY(qobject_cast<TNeuForm *>(AFenster));
            AFenster->close();
        });
    QTest::keyClick(Form->Edit1, Qt::Key_K, Qt::ControlModifier);
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Helfer.Texte, QStringList{Meldung});
    QCOMPARE(Helfer.Unerwartet, 0);
    if (!Offen)
        QCOMPARE(NeuCaption, QStringLiteral("Neue Klasse erstellen"));
}

void TstAktionen::fachUmbenennen() {
    KlasseAblegen(Klasse("5a", {{"Biologie", {{Maerz9, "a"}}},
                                {"Deutsch", {{Maerz9, "b"}, {Maerz16, "c"}}},
                                {"Mathe", {{Maerz16, "d"}}}}),
                  QStringLiteral("5a.SGV"));
    EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV 2"));
    auto Form = Starten(nullptr, Maerz18);
    Form->SetEintragNr(1);
    TModalHelfer Helfer;
    QString Caption, Label, Vorgabe;
    Helfer.Dann([&](QWidget *AFenster) {
        auto *Bez = qobject_cast<TBezeichnungForm *>(AFenster);
        QVERIFY(Bez);
        Caption = Bez->windowTitle();
        Label = Bez->Label1->text();
        Vorgabe = Bez->Edit1->text();
        Bez->Edit1->setText(QStringLiteral("deutsch"));
        Bez->Button1->click();
    });
    Helfer.Antwort(QMessageBox::Ok);
    Helfer.Dann([&](QWidget *AFenster) {
        auto *Bez = qobject_cast<TBezeichnungForm *>(AFenster);
        QVERIFY(Bez);
        // Shown again with the name as typed.
        QCOMPARE(Bez->Edit1->text(), QStringLiteral("deutsch"));
        Bez->Edit1->setText(QStringLiteral("Werken"));
        Bez->Button1->click();
    });
    Helfer.Antwort(QMessageBox::Ok);
    Form->PuMenusClick();
    Form->PuE2AendernFach->trigger();
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Caption, QStringLiteral("Fachbezeichnung ändern"));
    QCOMPARE(Label, QStringLiteral("&Fachbezeichnung:"));
    QCOMPARE(Vorgabe, QStringLiteral("Deutsch"));
    QCOMPARE(Helfer.Texte, (QStringList{QStringLiteral("Das Fach \"deutsch\" ist bereits vorhanden!"),
                                        QStringLiteral("Die Fachbezeichnung wurde in \"Werken\" geändert!")}));
    QCOMPARE(Form->Daten.FachnamenListe(), QStringLiteral("Biologie\r\nMathe\r\nWerken\r\n"));
    QCOMPARE(Form->FachNr(), 3);
    QCOMPARE(Form->EintragNr(), 1);
    QCOMPARE(Form->Edit2->text(), QStringLiteral("Werken"));
    QCOMPARE(Form->focusWidget(), Form->Edit2);
}

void TstAktionen::klasseUmbenennen() {
    KlasseAblegen(Klasse5a(), QStringLiteral("5a.SGV"));
    KlasseAblegen(Klasse("6b", {{"Englisch", {{Maerz9, "x"}}}}), QStringLiteral("6b.SGV"));
    EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV 1"));
    auto Form = Starten(nullptr, Maerz18);
    TModalHelfer Helfer;
    for (const QString &Name : {QStringLiteral("5A"), QStringLiteral("6B")}) {
        Helfer.Dann([Name](QWidget *AFenster) {
            auto *Bez = qobject_cast<TBezeichnungForm *>(AFenster);
            QVERIFY(Bez);
            Bez->Edit1->setText(Name);
            Bez->Button1->click();
        });
        Helfer.Antwort(QMessageBox::Ok);
    }
    Helfer.Dann([](QWidget *AFenster) {
        auto *Bez = qobject_cast<TBezeichnungForm *>(AFenster);
        QVERIFY(Bez);
        QCOMPARE(Bez->windowTitle(), QStringLiteral("Klassenbezeichnung ändern"));
        Bez->Edit1->setText(QStringLiteral("  5b  "));
        Bez->Button1->click();
    });
    Helfer.Antwort(QMessageBox::Ok);
    Form->UpdateMenus();
    Form->Klick(Form->MenuAktAendernKlasse);
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Helfer.Texte, (QStringList{QStringLiteral("Die Klasse \"5A\" ist bereits vorhanden!"),
                                        QStringLiteral("Die Klasse \"6B\" ist bereits vorhanden!"),
                                        QStringLiteral("Die Klassenbezeichnung wurde in \"5b\" geändert!")}));
    QCOMPARE(Form->Daten.Klasse, QStringLiteral("5b"));
    QCOMPARE(Form->Edit1->text(), QStringLiteral("5b"));
    QCOMPARE(Form->windowTitle(), QStringLiteral("5a.SGV - Stundolog V1.01"));
    QCOMPARE(Form->focusWidget(), Form->Edit1);
    Form->DateiMenuUpdate();
    QVERIFY(Form->MenuDateiSpeichern->isEnabled());
}

QTEST_MAIN(TstAktionen)
#include "tst_aktionen.moc"
