#include "Hauptfixture.h"
#include "app/Einstellungen.h"
#include "app/Meldungen.h"
#include "app/Haupt.h"
#include "app/Sprache.h"
#include "dialogs/Hintergrund.h"
#include "dialogs/Schriftdialog.h"
#include "data/Kalender.h"
#include "data/Klassendatei.h"
#include "dialogs/Wochenliste.h"
#include "util/Einzelinstanz.h"
#include "util/Klang.h"

#include <QtTest>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

using namespace Hauptfixture;

class TstHaupt : public THauptfixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void ersterStart();
    void startMitKlasse_data();
    void startMitKlasse();
    void startBeschaedigteDatei();
    void startOrdnerNichtAnlegbar();
    void speichernMitStrgS();
    void speichernOhneAenderung();
    void schliessenFragen_data();
    void schliessenFragen();
    void beendenFragen_data();
    void beendenFragen();
    void laden();
    void ladenMitAenderungen_data();
    void ladenMitAenderungen();
    void freigabe_data();
    void freigabe();
    void pfeiltasten();
    void statusZaehler();
    void titel();
    void textfeld();
    void wochenklang();
    void einstellungenGeschrieben();
    void wochendatumUmschalten();
    void beschleunigerEindeutig();
    void deutscheKnoepfe();
    void ordnerWechsel_data();
    void ordnerWechsel();
    void hintergrund();
    void hintergrundKontrast_data();
    void hintergrundKontrast();
    void schriftart_data();
    void schriftart();
    void schriftartAbbrechen();
    void kontextmenue();
    void kuerzelVorrang();
    void gesperrtesKuerzel();
    void spruenge_data();
    void spruenge();
    void geheZuWoche();
    void nachrichtVonAussen();
    void programmordnerNichtBeschreibbar();
};

void TstHaupt::init() { Vorbereiten(); }

void TstHaupt::cleanup() { Aufraeumen(); }

void TstHaupt::ersterStart() {
    TModalHelfer Helfer;
    Helfer.Antwort(QMessageBox::No);
    auto Form = Starten(&Helfer);
    QCOMPARE(Helfer.Texte, QStringList{QStringLiteral("Es wurde noch keine Klasse geladen!\r\nWollen Sie jetzt eine "
                                                      "Klasse auswählen?")});
    QVERIFY2(QDir(DatenOrdner()).exists(), "der Datenordner neben dem Programm wird angelegt");
    QCOMPARE(Form->Filename(), DatenOrdner());
    QVERIFY(Form->MenuEinstProgrammordner->isChecked());
    QVERIFY(!Form->MenuEinstEigeneDateien->isChecked());
    QVERIFY(Form->MenuEinstOeffnen->isChecked() && Form->MenuEinstSounds->isChecked() &&
            Form->MenuEinstWochendatum->isChecked() && !Form->MenuEinstSik->isChecked());
    QCOMPARE(Form->Schrift().Font.family(), QStringLiteral("Arial"));
    QCOMPARE(Form->Schrift().Font.pointSize(), 12);
    QCOMPARE(Form->HintergrundNr(), 1);
    QCOMPARE(Form->Edit1->text(), QStringLiteral("(keine)"));
    QCOMPARE(Form->Edit2->text(), QStringLiteral("(kein)"));
    QCOMPARE(Form->Edit3->text(), QStringLiteral("(keine)"));
    QVERIFY(Form->RichEdit1->isReadOnly());
    QCOMPARE(Form->StatusPanel1->text(), QStringLiteral("Strg+N=neues Fach; Strg+W=neue Woche; Strg+K=Klasse/Fach wechseln"));

    // Closing removes the empty data folder.
    Form->close();
    Form.reset();
    QVERIFY(!QDir(DatenOrdner()).exists());
}

void TstHaupt::startMitKlasse_data() {
    QTest::addColumn<QString>("Filename");
    QTest::addColumn<bool>("Oeffnen");
    QTest::addColumn<int>("FachNr");
    QTest::addColumn<int>("EintragNr");
    QTest::newRow("Fach 2") << "5a.SGV 2" << true << 2 << 1;
    QTest::newRow("Fach jenseits der Zahl: das letzte") << "5a.SGV 9" << true << 2 << 1;
    QTest::newRow("Fach 0: keins") << "5a.SGV 0" << true << 0 << 0;
    QTest::newRow("keine Zahl: Fach 1") << "5a.SGV x" << true << 1 << 2;
    QTest::newRow("Oeffnen aus: keine Klasse") << "5a.SGV 1" << false << 0 << 0;
    QTest::newRow("Datei fehlt") << "6b.SGV 1" << true << 0 << 0;
}

void TstHaupt::startMitKlasse() {
    QFETCH(QString, Filename);
    QFETCH(bool, Oeffnen);
    QFETCH(int, FachNr);
    QFETCH(int, EintragNr);
    KlasseAblegen(Klasse5a(), QStringLiteral("5a.SGV"));
    EinstellungSetzen(QStringLiteral("Filename"), Filename);
    EinstellungSetzen(QStringLiteral("Oeffnen"), Oeffnen ? 1 : 0);
    const bool Geoeffnet = Oeffnen && Filename.startsWith(QStringLiteral("5a"));

    TModalHelfer Helfer;
    if (!Geoeffnet)
        Helfer.Antwort(QMessageBox::No);
    auto Form = Starten(&Helfer);
    QCOMPARE(Form->Daten.Klasse, Geoeffnet ? QStringLiteral("5a") : QString());
    QCOMPARE(Form->FachNr(), FachNr);
    QCOMPARE(Form->EintragNr(), EintragNr);
    QVERIFY(Form->Daten.Ident(Form->SaveDaten));
    QCOMPARE(Form->Filename(), Geoeffnet ? DatenOrdner() + QStringLiteral("5a.SGV") : DatenOrdner());
    QCOMPARE(Helfer.Unerwartet, 0);
    if (Geoeffnet && FachNr == 2) {
        QCOMPARE(Form->Edit1->text(), QStringLiteral("5a"));
        QCOMPARE(Form->Edit2->text(), QStringLiteral("Mathe"));
        QCOMPARE(Form->Edit3->text(), WochenText(Maerz16));
        QCOMPARE(Form->RichEdit1->toPlainText(), QStringLiteral("Brüche\n"));
    }
}

void TstHaupt::startBeschaedigteDatei() {
    QDir().mkpath(DatenOrdner());
    QVERIFY(DateiSchreiben(DatenOrdner() + QStringLiteral("5a.SGV"), AusHex("00 05 53 47 56 30 31 00 02 35")));
    EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV 1"));
    TModalHelfer Helfer;
    Helfer.Antwort(QMessageBox::Ok);
    auto Form = Starten(&Helfer);
    QCOMPARE(Helfer.Texte, QStringList{QStringLiteral("Die Datei \"5a.SGV\" ist beschädigt!")});
    QCOMPARE(Helfer.Symbole, QList<QMessageBox::Icon>{QMessageBox::Critical});
    QCOMPARE(Form->Filename(), DatenOrdner());
    QCOMPARE(Form->Daten.Count(), 0);
    QCOMPARE(Helfer.Unerwartet, 0);
}

void TstHaupt::startOrdnerNichtAnlegbar() {
    // A file where the data folder should be: the folder cannot be made.
    QVERIFY(DateiSchreiben(FOrdner->path() + QStringLiteral("/prog/Stundolog"), "kein Ordner"));
    TModalHelfer Helfer;
    Helfer.Antwort(QMessageBox::Ok);
    auto Form = Starten(&Helfer);
    QCOMPARE(Helfer.Texte.size(), 1);
    QVERIFY2(Helfer.Texte.at(0).startsWith(QStringLiteral("Der Ordner \"")) &&
                 Helfer.Texte.at(0).endsWith(QStringLiteral("\" kann nicht angelegt werden!")),
             qPrintable(Helfer.Texte.at(0)));
    QCOMPARE(Helfer.Symbole, QList<QMessageBox::Icon>{QMessageBox::Information});
    QCOMPARE(Form->Filename(), DatenOrdner());
}

void TstHaupt::speichernMitStrgS() {
    KlasseAblegen(Klasse5a(), QStringLiteral("5a.SGV"));
    EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV 1"));
    auto Form = Starten();
    QCOMPARE(Form->EintragNr(), 2);
    Form->RichEdit1->setFocus();
    QTest::keyClick(Form->RichEdit1, Qt::Key_End, Qt::ControlModifier);
    Tippen(Form->RichEdit1, QStringLiteral("  und üben  "));
    QVERIFY2(!Form->MenuDateiSpeichern->isEnabled(), "Speichern wird erst beim naechsten Menue-Update frei");
    QTest::keyClick(Form->RichEdit1, Qt::Key_S, Qt::ControlModifier);

    TDaten Gespeichert;
    QVERIFY(Gespeichert.LoadFromFile(DatenOrdner() + QStringLiteral("5a.SGV"), false));
    QCOMPARE(Gespeichert.Fach(0).WochenDaten.at(1).Text, QStringLiteral("Lesen\r\n  und üben"));
    QVERIFY(Form->Daten.Ident(Form->SaveDaten));
    // The key did not reach the text field.
    QCOMPARE(Form->RichEdit1->toPlainText(), QStringLiteral("Lesen\n  und üben  "));
}

void TstHaupt::speichernOhneAenderung() {
    KlasseAblegen(Klasse5a(), QStringLiteral("5a.SGV"));
    EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV 1"));
    EinstellungSetzen(QStringLiteral("Sik"), 1);
    auto Form = Starten();
    const QString Pfad = DatenOrdner() + QStringLiteral("5a.SGV");
    QFile::remove(Pfad);
    QTest::keyClick(Form->RichEdit1, Qt::Key_S, Qt::ControlModifier);
    QVERIFY2(!QFile::exists(Pfad), "ohne Aenderung wird nichts gespeichert");
    QVERIFY(!QFile::exists(Pfad + QStringLiteral(".BAK")));
}

void TstHaupt::schliessenFragen_data() {
    QTest::addColumn<int>("Antwort");
    QTest::addColumn<bool>("Geschlossen");
    QTest::addColumn<bool>("Gespeichert");
    QTest::newRow("Ja") << int(QMessageBox::Yes) << true << true;
    QTest::newRow("Nein") << int(QMessageBox::No) << true << false;
    QTest::newRow("Abbrechen") << int(QMessageBox::Cancel) << false << false;
}

void TstHaupt::schliessenFragen() {
    QFETCH(int, Antwort);
    QFETCH(bool, Geschlossen);
    QFETCH(bool, Gespeichert);
    KlasseAblegen(Klasse5a(), QStringLiteral("5a.SGV"));
    EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV 1"));
    auto Form = Starten();
    Form->RichEdit1->setPlainText(QStringLiteral("neu"));

    TModalHelfer Helfer;
    Helfer.Antwort(static_cast<QMessageBox::StandardButton>(Antwort));
    QTest::keyClick(Form->Edit1, Qt::Key_F4, Qt::ControlModifier);
    QCOMPARE(Helfer.Texte, QStringList{QStringLiteral("Sollen die vorgenommenen Änderungen in der Klasse \"5a\" "
                                                      "gespeichert werden?")});
    QCOMPARE(Form->Daten.Count() == 0, Geschlossen);
    if (Geschlossen) {
        QCOMPARE(Form->Filename(), DatenOrdner());
        QCOMPARE(Form->Edit1->text(), QStringLiteral("(keine)"));
        QCOMPARE(Form->focusWidget(), Form->Edit1);
        QCOMPARE(EinstellungLesen(QStringLiteral("Filename")).toString(), QStringLiteral(" 0"));
    }
    TDaten Datei;
    QVERIFY(Datei.LoadFromFile(DatenOrdner() + QStringLiteral("5a.SGV"), false));
    QCOMPARE(Datei.Fach(0).WochenDaten.at(1).Text, Gespeichert ? QStringLiteral("neu") : QStringLiteral("Lesen"));
}

void TstHaupt::beendenFragen_data() { schliessenFragen_data(); }

void TstHaupt::beendenFragen() {
    QFETCH(int, Antwort);
    QFETCH(bool, Geschlossen);
    QFETCH(bool, Gespeichert);
    KlasseAblegen(Klasse5a(), QStringLiteral("5a.SGV"));
    EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV 2"));
    auto Form = Starten();
    Form->RichEdit1->setPlainText(QStringLiteral("neu"));
    TModalHelfer Helfer;
    Helfer.Antwort(static_cast<QMessageBox::StandardButton>(Antwort));
    // Message 1124 closes like "&Beenden".
    Form->NachrichtVerarbeiten(1124);
    QCOMPARE(Helfer.Texte.size(), 1);
    QCOMPARE(!Form->isVisible(), Geschlossen);
    TDaten Datei;
    QVERIFY(Datei.LoadFromFile(DatenOrdner() + QStringLiteral("5a.SGV"), false));
    QCOMPARE(Datei.Fach(1).WochenDaten.at(0).Text, Gespeichert ? QStringLiteral("neu") : QStringLiteral("Brüche"));
    if (Geschlossen)
        QCOMPARE(EinstellungLesen(QStringLiteral("Filename")).toString(), QStringLiteral("5a.SGV 2"));
}

void TstHaupt::laden() {
    KlasseAblegen(Klasse5a(), QStringLiteral("5a.SGV"));
    KlasseAblegen(Klasse("6b", {{"Englisch", {{Maerz9, "Vokabeln"}}}}), QStringLiteral("6b.SGV"));
    EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV 1"));
    auto Form = Starten();

    TModalHelfer Helfer;
    QStringList Zeilen;
    int Vorauswahl = -2;
    Helfer.Dann([&](QWidget *AFenster) {
        auto *Liste = qobject_cast<TWochenlisteForm *>(AFenster);
        QVERIFY(Liste);
        QCOMPARE(Liste->windowTitle(), QStringLiteral("Lade Klasse"));
        for (int Nr = 0; Nr < Liste->ListBox1->count(); ++Nr)
            Zeilen.append(Liste->ListBox1->item(Nr)->text());
        Vorauswahl = Liste->ListBox1->currentRow();
        QTest::keyClick(Liste->ListBox1, Qt::Key_Down);
        QTest::keyClick(Liste->ListBox1, Qt::Key_Return);
    });
    QTest::keyClick(Form->Edit1, Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Zeilen, (QStringList{"5a", "6b"}));
    QCOMPARE(Vorauswahl, 0);
    QCOMPARE(Form->Daten.Klasse, QStringLiteral("6b"));
    QCOMPARE(Form->Filename(), DatenOrdner() + QStringLiteral("6b.SGV"));
    QCOMPARE(Form->FachNr(), 1);
    QCOMPARE(Form->EintragNr(), 1);
    QCOMPARE(Form->windowTitle(), QStringLiteral("6b.SGV - Stundolog V1.01"));
    QCOMPARE(Form->focusWidget(), Form->Edit1);
}

void TstHaupt::ladenMitAenderungen_data() {
    QTest::addColumn<int>("Antwort");
    QTest::addColumn<QString>("Klasse");
    QTest::addColumn<QString>("Text");
    // Loading the class that is open: with Yes, what was just saved is shown; with No, the changes are gone.
    QTest::newRow("Ja") << int(QMessageBox::Yes) << "5a" << "neu";
    QTest::newRow("Nein") << int(QMessageBox::No) << "5a" << "Lesen";
    QTest::newRow("Abbrechen") << int(QMessageBox::Cancel) << "5a" << "neu";
}

void TstHaupt::ladenMitAenderungen() {
    QFETCH(int, Antwort);
    QFETCH(QString, Klasse);
    QFETCH(QString, Text);
    KlasseAblegen(Klasse5a(), QStringLiteral("5a.SGV"));
    EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV 1"));
    auto Form = Starten();
    Form->RichEdit1->setPlainText(QStringLiteral("neu"));
    TModalHelfer Helfer;
    Helfer.Dann([](QWidget *AFenster) {
        auto *Liste = qobject_cast<TWochenlisteForm *>(AFenster);
        QVERIFY(Liste);
        QCOMPARE(Liste->ListBox1->currentRow(), 0);
        QTest::keyClick(Liste->ListBox1, Qt::Key_Return);
    });
    Helfer.Antwort(static_cast<QMessageBox::StandardButton>(Antwort));
    QTest::keyClick(Form->Edit1, Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Form->Daten.Klasse, Klasse);
    QCOMPARE(Form->Daten.Fach(0).WochenDaten.at(1).Text, Text);
}

void TstHaupt::freigabe_data() {
    QTest::addColumn<int>("Zustand"); // 0 no class, 1 class without weeks in its subject, 2 week shown
    QTest::addColumn<QStringList>("Frei");
    QTest::addColumn<QStringList>("Gesperrt");
    const QStringList Immer{"MenuDateiLaden", "MenuAktNeueWoche", "MenuAktNeuesFach", "MenuAktNeueKlasse",
                            "MenuAktWechseln", "MenuDateiBeenden"};
    const QStringList Wochen{"MenuSprungWocheWeiter", "MenuSprungWocheZurueck", "MenuSprungMonatWeiter",
                             "MenuSprungMonatZurueck", "MenuSprungErster", "MenuSprungLetzter", "MenuSprungGehe",
                             "MenuAktSuchen"};
    const QStringList Eintrag{"MenuAktWoche", "MenuAktMonat", "MenuAktAlle", "MenuAktFach", "MenuAktVerschieben",
                              "MenuAktLoescheWoche"};
    const QStringList Fach{"MenuAktAendernFach", "MenuAktLoescheFach"};
    const QStringList Faecher{"MenuDateiDrucken", "MenuDateiClose", "MenuSprungFachWeiter", "MenuSprungFachZurueck",
                              "MenuAktAendernKlasse", "MenuAktLoescheKlasse"};
    QTest::newRow("keine Klasse") << 0 << Immer << (Wochen + Eintrag + Fach + Faecher + QStringList{"MenuDateiSpeichern"});
    QTest::newRow("Fach ohne Wochen") << 1 << (Immer + Fach + Faecher) << (Wochen + Eintrag + QStringList{"MenuDateiSpeichern"});
    QTest::newRow("Woche") << 2 << (Immer + Wochen + Eintrag + Fach + Faecher) << QStringList{"MenuDateiSpeichern"};
    QTest::newRow("Woche geaendert") << 3 << (Immer + Wochen + Eintrag + Fach + Faecher + QStringList{"MenuDateiSpeichern"})
                                     << QStringList{};
}

void TstHaupt::freigabe() {
    QFETCH(int, Zustand);
    QFETCH(QStringList, Frei);
    QFETCH(QStringList, Gesperrt);
    if (Zustand == 1)
        KlasseAblegen(Klasse("5a", {{"Leer", {}}}), QStringLiteral("5a.SGV"));
    else
        KlasseAblegen(Klasse5a(), QStringLiteral("5a.SGV"));
    EinstellungSetzen(QStringLiteral("Filename"), Zustand == 0 ? QStringLiteral(" 0") : QStringLiteral("5a.SGV 1"));
    TModalHelfer Helfer;
    if (Zustand == 0)
        Helfer.Antwort(QMessageBox::No);
    auto Form = Starten(&Helfer);
    if (Zustand == 3)
        Form->RichEdit1->setPlainText(QStringLiteral("geändert"));
    Form->UpdateMenus();
    for (const QString &Name : Frei) {
        QAction *Punkt = Form->Aktion(Name);
        if (!Punkt && Name == QLatin1String("MenuDateiDrucken"))
            Punkt = Form->findChild<QMenu *>(Name)->menuAction();
        QVERIFY2(Punkt, qPrintable(Name));
        QVERIFY2(Punkt->isEnabled(), qPrintable(Name + QStringLiteral(" sollte frei sein")));
    }
    for (const QString &Name : Gesperrt) {
        QAction *Punkt = Form->Aktion(Name);
        if (!Punkt && Name == QLatin1String("MenuDateiDrucken"))
            Punkt = Form->findChild<QMenu *>(Name)->menuAction();
        QVERIFY2(Punkt, qPrintable(Name));
        QVERIFY2(!Punkt->isEnabled(), qPrintable(Name + QStringLiteral(" sollte gesperrt sein")));
    }
}

void TstHaupt::pfeiltasten() {
    KlasseAblegen(Klasse5a(), QStringLiteral("5a.SGV"));
    EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV 1"));
    auto Form = Starten();
    Form->activateWindow();
    Form->Edit1->setFocus();
    QTRY_VERIFY(Form->Edit1->hasFocus());
    QTest::keyClick(Form->Edit1, Qt::Key_Up); // beeps, stays
    QVERIFY(Form->Edit1->hasFocus());
    QTest::keyClick(Form->Edit1, Qt::Key_Down);
    QVERIFY(Form->Edit2->hasFocus());
    QCOMPARE(Form->Edit2->cursorPosition(), 0);
    QTest::keyClick(Form->Edit2, Qt::Key_Down, Qt::ShiftModifier); // a normal key with Shift
    QVERIFY(Form->Edit2->hasFocus());
    QTest::keyClick(Form->Edit2, Qt::Key_Down);
    QVERIFY(Form->Edit3->hasFocus());
    QTest::keyClick(Form->Edit3, Qt::Key_Down);
    QVERIFY(Form->RichEdit1->hasFocus());
    QTest::keyClick(Form->RichEdit1, Qt::Key_Down); // moves the caret only
    QVERIFY(Form->RichEdit1->hasFocus());
    Form->Edit3->setFocus();
    QTest::keyClick(Form->Edit3, Qt::Key_Up);
    QVERIFY(Form->Edit2->hasFocus());
}

void TstHaupt::statusZaehler() {
    TFach Viele;
    Viele.Fachname = QStringLiteral("Viele");
    for (int Nr = 0; Nr < 1234; ++Nr)
        Viele.Add(Maerz9 + 7 * Nr, QString());
    TDaten Daten;
    Daten.Klasse = QStringLiteral("5a");
    Daten.Add(Viele);
    KlasseAblegen(Daten, QStringLiteral("5a.SGV"));
    EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV 1"));
    auto Form = Starten();
    QCOMPARE(Form->StatusPanel0->text(), QStringLiteral("Eintrag: 1.234/1.234"));
    Form->SetEintragNr(0);
    QCOMPARE(Form->StatusPanel0->text(), QStringLiteral("Eintrag: 0/1.234"));
    Form->SetFachNr(0);
    QCOMPARE(Form->StatusPanel0->text(), QStringLiteral("Eintrag: 0/0"));
}

void TstHaupt::titel() {
    TModalHelfer Helfer;
    Helfer.Antwort(QMessageBox::No);
    auto Form = Starten(&Helfer);
    QCOMPARE(Form->windowTitle(), QStringLiteral("KeinName - Stundolog V1.01"));
    Form->SetFilename(QStringLiteral("/x/y/5a.SGV"));
    QCOMPARE(Form->windowTitle(), QStringLiteral("5a.SGV - Stundolog V1.01"));
    Form->SetFilename(QStringLiteral("/x/y/"));
    QCOMPARE(Form->windowTitle(), QStringLiteral("KeinName - Stundolog V1.01"));
}

void TstHaupt::textfeld() {
    KlasseAblegen(Klasse5a(), QStringLiteral("5a.SGV"));
    EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV 1"));
    auto Form = Starten();

    // SetReText trims and ends with one line break; EditInDaten trims and keeps CR LF inside.
    Form->SetReText(QStringLiteral("\r\n\r\n  Lesen\r\nSchreiben \t "));
    QCOMPARE(Form->RichEdit1->toPlainText(), QStringLiteral("Lesen\nSchreiben\n"));
    QCOMPARE(Form->RichEdit1->textCursor().position(), 0);
    Form->SetReText(QStringLiteral(" \r\n "));
    QCOMPARE(Form->RichEdit1->toPlainText(), QString());
    Form->RichEdit1->setPlainText(QStringLiteral("\n\n  Zeile 1\nZeile 2  \n\n"));
    Form->EditInDaten();
    QCOMPARE(Form->Daten.Fach(0).WochenDaten.at(1).Text, QStringLiteral("Zeile 1\r\nZeile 2"));

    // At most 4096 characters, also when pasting more.
    Form->RichEdit1->clear();
    QApplication::clipboard()->setText(QString(5000, QLatin1Char('x')));
    Form->RichEdit1->setFocus();
    QTest::keyClick(Form->RichEdit1, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Form->RichEdit1->toPlainText().size(), TForm1::MaxTextLaenge);

    // Characters the class file cannot hold are replaced, and the status line says which.
    Form->RichEdit1->clear();
    Tippen(Form->RichEdit1, QStringLiteral("5 €"));
    QCOMPARE(Form->StatusPanel1->text(), QStringLiteral("Ersetzt: „€“ durch „EUR“"));
    Tippen(Form->RichEdit1, QStringLiteral(" – „gut“"));
    QCOMPARE(Form->RichEdit1->toPlainText(), QStringLiteral("5 EUR - \"gut\""));
    // Pasted text is replaced as a whole, and the status line names each character once.
    QApplication::clipboard()->setText(QStringLiteral(" → ok → …"));
    QTest::keyClick(Form->RichEdit1, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Form->RichEdit1->toPlainText(), QStringLiteral("5 EUR - \"gut\" ? ok ? ..."));
    QCOMPARE(Form->StatusPanel1->text(), QStringLiteral("Ersetzt: „→“ durch „?“, „…“ durch „...“"));
    // One undo takes back the paste with its replacement.
    QTest::keyClick(Form->RichEdit1, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Form->RichEdit1->toPlainText(), QStringLiteral("5 EUR - \"gut\""));

    // Ctrl+Z right after moving to another week has nothing to undo.
    Form->SetEintragNr(1);
    Form->PuMenusClick();
    QVERIFY(!Form->PuReRueck->isEnabled());
}

void TstHaupt::wochenklang() {
    KlasseAblegen(Klasse5a(), QStringLiteral("5a.SGV"));
    EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV 1"));
    auto Form = Starten();
    const int Vorher = Form->Klang()->Abgespielt();
    QVERIFY2(Vorher >= 1, "die Startwoche klingt");
    Form->SetEintragNr(1);
    QCOMPARE(Form->Klang()->Abgespielt(), Vorher + 1);
    Form->SetEintragNr(1); // the same week again: again
    QCOMPARE(Form->Klang()->Abgespielt(), Vorher + 2);
    Form->SetEintragNr(0);
    Form->SetEintragNr(-3);
    QCOMPARE(Form->Klang()->Abgespielt(), Vorher + 2);
    Form->MenuEinstSounds->setChecked(false);
    Form->SetEintragNr(2);
    QCOMPARE(Form->Klang()->Abgespielt(), Vorher + 2);
}

void TstHaupt::einstellungenGeschrieben() {
    TModalHelfer Helfer;
    Helfer.Antwort(QMessageBox::No);
    auto Form = Starten(&Helfer);
    Form->close();
    const QStringList Namen{"AktOrdner", "Filename", "HintColor", "Oeffnen", "Sounds", "Wochendatum",
                            "Sik", "FontName", "FontSize", "FontColor", "FontCharSet", "FontStyle"};
    auto Speicher = EinstellungenOeffnen();
    for (const QString &Name : Namen)
        QVERIFY2(Speicher->contains(Name), qPrintable(Name));
    QCOMPARE(Speicher->value(QStringLiteral("AktOrdner")).toInt(), 2);
    QCOMPARE(Speicher->value(QStringLiteral("Filename")).toString(), QStringLiteral(" 0"));
    QCOMPARE(Speicher->value(QStringLiteral("FontName")).toString(), QStringLiteral("Arial"));
    QCOMPARE(Speicher->value(QStringLiteral("FontColor")).toULongLong(), 0xFF000008ULL);
}

void TstHaupt::wochendatumUmschalten() {
    KlasseAblegen(Klasse5a(), QStringLiteral("5a.SGV"));
    EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV 1"));
    auto Form = Starten();
    QCOMPARE(Form->Edit3->text(), QStringLiteral("12/2020 (16.-22.3.2020)"));
    Form->MenuEinstWochendatum->trigger();
    QCOMPARE(Form->Edit3->text(), QStringLiteral("12/2020"));
    QVERIFY(!Form->MenuEinstWochendatum->isChecked());
    QCOMPARE(Form->focusWidget(), Form->Edit3);
    QCOMPARE(EinstellungLesen(QStringLiteral("Wochendatum")).toInt(), 0);
    Form->PuE3Wochendatum->trigger();
    QCOMPARE(Form->Edit3->text(), QStringLiteral("12/2020 (16.-22.3.2020)"));
    QVERIFY(Form->MenuEinstWochendatum->isChecked());
    SetWochendatum(true);
}

void TstHaupt::beschleunigerEindeutig() {
    TModalHelfer Helfer;
    Helfer.Antwort(QMessageBox::No);
    auto Form = Starten(&Helfer);
    for (QMenu *Menue : Form->findChildren<QMenu *>()) {
        emit Menue->aboutToShow();
        QSet<QChar> Gesehen;
        for (QAction *Punkt : Menue->actions()) {
            if (Punkt->isSeparator())
                continue;
            const int Pos = static_cast<int>(Punkt->text().indexOf(QLatin1Char('&')));
            if (Pos < 0 || Pos + 1 >= Punkt->text().size())
                continue;
            const QChar Zeichen = Punkt->text().at(Pos + 1).toUpper();
            QVERIFY2(!Gesehen.contains(Zeichen), qPrintable(Menue->objectName() + QStringLiteral(": ") + Punkt->text()));
            Gesehen.insert(Zeichen);
        }
    }
    QTest::qWait(10);
}

void TstHaupt::deutscheKnoepfe() {
    QVERIFY2(DeutscheQtTexteLaden(), "Qts deutsche Übersetzung (qt6-translations-l10n) fehlt");
    QStringList Knoepfe;
    TModalHelfer Helfer;
    Helfer.Dann([&](QWidget *AFenster) {
        auto *Box = qobject_cast<QMessageBox *>(AFenster);
        QVERIFY(Box);
        for (auto Knopf : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
            Knoepfe.append(Box->button(Knopf)->text());
        Box->button(QMessageBox::Cancel)->click();
    });
    Meldungen::JaNeinAbbrechen(nullptr, QStringLiteral("Frage"));
    QCOMPARE(Knoepfe, (QStringList{"&Ja", "&Nein", "Abbrechen"}));
}

void TstHaupt::ordnerWechsel_data() {
    QTest::addColumn<int>("Antwort");      // the question about closing the open class
    QTest::addColumn<int>("Speicherfrage"); // the save question that follows, -1 none
    QTest::addColumn<bool>("Gewechselt");
    QTest::newRow("Ja, ohne Aenderungen") << int(QMessageBox::Yes) << -1 << true;
    QTest::newRow("Nein") << int(QMessageBox::No) << -1 << false;
    QTest::newRow("Ja, Aenderungen, Abbrechen") << int(QMessageBox::Yes) << int(QMessageBox::Cancel) << false;
    QTest::newRow("Ja, Aenderungen, Nein") << int(QMessageBox::Yes) << int(QMessageBox::No) << true;
}

void TstHaupt::ordnerWechsel() {
    QFETCH(int, Antwort);
    QFETCH(int, Speicherfrage);
    QFETCH(bool, Gewechselt);
    KlasseAblegen(Klasse5a(), QStringLiteral("5a.SGV"));
    EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV 1"));
    auto Form = Starten();
    if (Speicherfrage >= 0)
        Form->RichEdit1->setPlainText(QStringLiteral("geändert"));

    // Choosing the kind that is already checked does nothing.
    Form->MenuEinstProgrammordner->trigger();
    QVERIFY(Form->MenuEinstProgrammordner->isChecked());
    QCOMPARE(Form->Daten.Klasse, QStringLiteral("5a"));

    TModalHelfer Helfer;
    Helfer.Antwort(static_cast<QMessageBox::StandardButton>(Antwort));
    if (Speicherfrage >= 0)
        Helfer.Antwort(static_cast<QMessageBox::StandardButton>(Speicherfrage));
    if (Gewechselt)
        Helfer.Antwort(QMessageBox::No); // the new folder holds no class: "Es wurde noch keine Klasse geladen!"
    emit Form->findChild<QMenu *>(QStringLiteral("MenuEinst"))->aboutToShow(); // the heading opens
    Form->MenuEinstEigeneDateien->trigger();
    QTRY_COMPARE(Helfer.Offen(), 0);
    QVERIFY2(Helfer.Texte.at(0).startsWith(QStringLiteral("Wenn der aktuelle Datenordner gewechselt werden soll")),
             qPrintable(Helfer.Texte.at(0)));
    QCOMPARE(Form->MenuEinstEigeneDateien->isChecked(), Gewechselt);
    QCOMPARE(Form->MenuEinstProgrammordner->isChecked(), !Gewechselt);
    if (Gewechselt) {
        const QString Neu = FOrdner->path() + QStringLiteral("/docs/Stundolog/");
        QCOMPARE(Form->Filename(), Neu);
        QVERIFY(QDir(Neu).exists());
        QCOMPARE(Form->Daten.Count(), 0);
        QCOMPARE(EinstellungLesen(QStringLiteral("AktOrdner")).toInt(), 1);
    } else {
        QCOMPARE(Form->Daten.Klasse, QStringLiteral("5a"));
    }
    QCOMPARE(Helfer.Unerwartet, 0);
}

void TstHaupt::hintergrund() {
    KlasseAblegen(Klasse5a(), QStringLiteral("5a.SGV"));
    EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV 1"));
    auto Form = Starten();
    TModalHelfer Helfer;
    Helfer.Dann([](QWidget *AFenster) {
        auto *Dialog = qobject_cast<THintergrundForm *>(AFenster);
        QVERIFY(Dialog);
        Dialog->SetHintergrundNr(14);
        Dialog->accept();
    });
    Form->MenuAnsHintergrund->trigger();
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Form->HintergrundNr(), 14);
    QCOMPARE(Form->Hintergrund(), QColor(255, 0, 0));
    QCOMPARE(Form->Edit1->palette().color(QPalette::Base), QColor(255, 0, 0));
    QCOMPARE(Form->RichEdit1->palette().color(QPalette::Base), QColor(255, 0, 0));
    QCOMPARE(EinstellungLesen(QStringLiteral("HintColor")).toInt(), 14);

    // Cancel changes nothing.
    TModalHelfer Abbruch;
    Abbruch.Dann([](QWidget *AFenster) {
        auto *Dialog = qobject_cast<THintergrundForm *>(AFenster);
        QVERIFY(Dialog);
        Dialog->SetHintergrundNr(2);
        Dialog->reject();
    });
    Form->MenuAnsHintergrund->trigger();
    QCOMPARE(Abbruch.Offen(), 0);
    QCOMPARE(Form->HintergrundNr(), 14);
}

void TstHaupt::hintergrundKontrast_data() {
    QTest::addColumn<quint32>("FontColor"); // 0x00BBGGRR
    QTest::addColumn<int>("Nr");            // the background chosen; 1 "Weiß" before
    QTest::addColumn<int>("Antwort");       // to the question, 0: none expected
    QTest::addColumn<QString>("Kontrast");
    QTest::addColumn<int>("Danach");
    QTest::newRow("schwarz auf Gelb: keine Frage") << 0x000000u << 2 << 0 << "" << 2;
    QTest::newRow("schwarz auf Schwarz, Ja") << 0x000000u << 0 << int(QMessageBox::Yes) << "1,0" << 0;
    QTest::newRow("schwarz auf Marineblau, Nein") << 0x000000u << 4 << int(QMessageBox::No) << "1,3" << 1;
    QTest::newRow("weiß auf Weiß, Nein") << 0xFFFFFFu << 1 << int(QMessageBox::No) << "1,0" << 1;
    QTest::newRow("weiß auf Marineblau: keine Frage") << 0xFFFFFFu << 4 << 0 << "" << 4;
}

void TstHaupt::hintergrundKontrast() {
    QFETCH(quint32, FontColor);
    QFETCH(int, Nr);
    QFETCH(int, Antwort);
    QFETCH(QString, Kontrast);
    QFETCH(int, Danach);
    KlasseAblegen(Klasse5a(), QStringLiteral("5a.SGV"));
    EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV 1"));
    EinstellungSetzen(QStringLiteral("FontColor"), FontColor);
    EinstellungSetzen(QStringLiteral("HintColor"), 1);
    auto Form = Starten();
    TModalHelfer Helfer;
    Helfer.Dann([Nr](QWidget *AFenster) {
        auto *Dialog = qobject_cast<THintergrundForm *>(AFenster);
        QVERIFY(Dialog);
        Dialog->SetHintergrundNr(Nr);
        Dialog->accept();
    });
    if (Antwort != 0)
        Helfer.Antwort(static_cast<QMessageBox::StandardButton>(Antwort));
    Form->MenuAnsHintergrund->trigger();
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Helfer.Unerwartet, 0);
    if (Antwort != 0)
        QCOMPARE(Helfer.Texte, QStringList{QStringLiteral("Die Schrift ist auf diesem Hintergrund schwer zu lesen "
                                                          "(Kontrast %1 : 1, empfohlen sind mindestens 3 : 1).\r\n"
                                                          "Soll dieser Hintergrund trotzdem verwendet werden?")
                                               .arg(Kontrast)});
    QCOMPARE(Form->HintergrundNr(), Danach);
    QCOMPARE(Form->Edit1->palette().color(QPalette::Base), Form->Hintergrund());
    QCOMPARE(EinstellungLesen(QStringLiteral("HintColor")).toInt(), Danach);
}

void TstHaupt::schriftart_data() {
    QTest::addColumn<quint32>("Vorher");       // "FontColor" at start
    QTest::addColumn<QString>("Gezeigt");      // the colour entry the dialog opens on
    QTest::addColumn<QString>("Eintrag");      // the entry chosen; empty: left as shown
    QTest::addColumn<quint32>("Gespeichert");  // "FontColor" afterwards
    QTest::newRow("Automatisch bleibt") << 0xFF000008u << "Automatisch" << "" << 0xFF000008u;
    QTest::newRow("andere Systemfarbe") << 0xFF00000Fu << "Automatisch" << "" << 0xFF000008u;
    QTest::newRow("Rot") << 0xFF000008u << "Automatisch" << "Rot" << 0x000000FFu;
    QTest::newRow("Marineblau, Blau im hohen Byte") << 0xFF000008u << "Automatisch" << "Marineblau" << 0x00800000u;
    QTest::newRow("eigene Farbe bleibt") << 0x00030201u << "Benutzerdefiniert" << "" << 0x00030201u;
    QTest::newRow("zurück zu Automatisch") << 0x000000FFu << "Rot" << "Automatisch" << 0xFF000008u;
}

void TstHaupt::schriftart() {
    QFETCH(quint32, Vorher);
    QFETCH(QString, Gezeigt);
    QFETCH(QString, Eintrag);
    QFETCH(quint32, Gespeichert);
    KlasseAblegen(Klasse5a(), QStringLiteral("5a.SGV"));
    EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV 1"));
    EinstellungSetzen(QStringLiteral("FontColor"), Vorher);
    auto Form = Starten();
    TModalHelfer Helfer;
    QString Angezeigt;
    Helfer.Dann([&](QWidget *AFenster) {
        auto *Dialog = qobject_cast<TSchriftDialog *>(AFenster);
        if (!Dialog) {
            AFenster->close();
            return;
        }
        Angezeigt = Dialog->ComboBox1->currentText();
        if (!Eintrag.isEmpty())
            Dialog->ComboBox1->setCurrentIndex(Dialog->ComboBox1->findText(Eintrag));
        QFont Groesser = Dialog->FontDialog1->currentFont();
        Groesser.setPointSize(20);
        Dialog->FontDialog1->setCurrentFont(Groesser);
        Dialog->Button1->click();
    });
    Form->MenuAnsSchriftart->trigger();
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Helfer.Unerwartet, 0);
    QCOMPARE(Angezeigt, Gezeigt);
    QCOMPARE(EinstellungLesen(QStringLiteral("FontColor")).toULongLong(), quint64(Gespeichert));
    QCOMPARE(EinstellungLesen(QStringLiteral("FontSize")).toInt(), 20);
    const QColor Farbe = SchriftFarbe(Gespeichert, Form->palette());
    QCOMPARE(Form->Schrift().Farbe, Farbe);
    QCOMPARE(Form->Edit1->palette().color(QPalette::Text), Farbe);
    QCOMPARE(Form->Edit1->font().pointSize(), 20);
}

void TstHaupt::schriftartAbbrechen() {
    KlasseAblegen(Klasse5a(), QStringLiteral("5a.SGV"));
    EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV 1"));
    EinstellungSetzen(QStringLiteral("FontColor"), 0x00030201u);
    auto Form = Starten();
    const TSchrift Vorher = Form->Schrift();
    TModalHelfer Helfer;
    Helfer.Dann([](QWidget *AFenster) {
        auto *Dialog = qobject_cast<TSchriftDialog *>(AFenster);
        if (Dialog) {
            Dialog->ComboBox1->setCurrentIndex(Dialog->ComboBox1->findText(QStringLiteral("Rot")));
            QFont Groesser = Dialog->FontDialog1->currentFont();
            Groesser.setPointSize(30);
            Dialog->FontDialog1->setCurrentFont(Groesser);
        }
        AFenster->close();
    });
    Form->MenuAnsSchriftart->trigger();
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Form->Schrift().Font, Vorher.Font);
    QCOMPARE(Form->Schrift().Farbe, QColor(1, 2, 3));
    QCOMPARE(EinstellungLesen(QStringLiteral("FontColor")).toULongLong(), 0x00030201ULL);
}

void TstHaupt::kontextmenue() {
    KlasseAblegen(Klasse5a(), QStringLiteral("5a.SGV"));
    EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV 1"));
    auto Form = Starten();
    QApplication::clipboard()->setText(QStringLiteral("Ablage"));
    Form->PuMenusClick();
    QVERIFY(!Form->PuReKopieren->isEnabled());
    QVERIFY(!Form->PuReAusschneiden->isEnabled());
    QVERIFY(Form->PuReEinfuegen->isEnabled());
    QVERIFY(Form->PuReAllesMarkieren->isEnabled());
    QVERIFY(!Form->PuReRueck->isEnabled());
    QVERIFY(Form->PuE3Verschieben->isEnabled());
    QVERIFY(Form->PuE3Wochendatum->isChecked());
    Form->RichEdit1->selectAll();
    Form->PuMenusClick();
    QVERIFY(Form->PuReKopieren->isEnabled());
    QVERIFY(Form->PuReAusschneiden->isEnabled());

    // A subject without weeks: the text field is read-only, so nothing can be pasted or cut.
    Form->Daten.Fach(1).ClearWochenDaten();
    Form->SaveDaten.Assign(Form->Daten);
    Form->SetFachNr(2);
    Form->SetEintragNr(Form->EintragCount());
    Form->PuMenusClick();
    QVERIFY(!Form->PuReEinfuegen->isEnabled());
    QVERIFY(!Form->PuReAllesMarkieren->isEnabled());
    QVERIFY(!Form->PuE3Verschieben->isEnabled());
    QVERIFY(Form->PuE2AendernFach->isEnabled());
}

void TstHaupt::kuerzelVorrang() {
    KlasseAblegen(Klasse5a(), QStringLiteral("5a.SGV"));
    EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV 1"));
    auto Form = Starten();
    Form->SetEintragNr(1);
    Form->RichEdit1->setFocus();
    Form->RichEdit1->setPlainText(QStringLiteral("Aufsatz"));
    // Ctrl+Right in the text field is the next week, not the next word; the typed text stays with its week.
    QTest::keyClick(Form->RichEdit1, Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(Form->EintragNr(), 2);
    QCOMPARE(Form->Daten.Fach(0).WochenDaten.at(0).Text, QStringLiteral("Aufsatz"));
    QCOMPARE(Form->focusWidget(), Form->Edit3);
    QCOMPARE(Form->RichEdit1->toPlainText(), QStringLiteral("Lesen\n"));
}

void TstHaupt::gesperrtesKuerzel() {
    KlasseAblegen(Klasse("Klasse fünf", {{"Leer", {}}}), QStringLiteral("5a.SGV"));
    EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV 1"));
    auto Form = Starten();
    QCOMPARE(Form->EintragCount(), 0);
    Form->Edit1->setFocus();
    Form->Edit1->setCursorPosition(Form->Edit1->text().size());
    const int Piepser = Form->Piepser();
    // "&Vorherige Woche" is disabled: its key neither runs it nor moves the caret word-wise.
    QTest::keyClick(Form->Edit1, Qt::Key_Left, Qt::ControlModifier);
    QCOMPARE(Form->Edit1->cursorPosition(), Form->Edit1->text().size());
    QCOMPARE(Form->Piepser(), Piepser);
    QVERIFY(!Form->MenuSprungWocheZurueck->isEnabled());
}

void TstHaupt::spruenge_data() {
    QTest::addColumn<QString>("Befehl");
    QTest::addColumn<int>("VonFach");
    QTest::addColumn<int>("VonEintrag");
    QTest::addColumn<int>("NachFach");
    QTest::addColumn<int>("NachEintrag");
    QTest::addColumn<bool>("Piept");
    QTest::addColumn<int>("Feld");
    // Subjects: 1 "Deutsch" with the Mondays 13.1., 2.3., 9.3., 16.3., 6.4.2020; 2 "Leer" without weeks;
    // 3 "Musik" with one week.
    QTest::newRow("naechste Woche") << "MenuSprungWocheWeiter" << 1 << 2 << 1 << 3 << false << 3;
    QTest::newRow("naechste Woche an der neuesten") << "MenuSprungWocheWeiter" << 1 << 5 << 1 << 5 << true << 3;
    QTest::newRow("vorherige Woche") << "MenuSprungWocheZurueck" << 1 << 2 << 1 << 1 << false << 3;
    QTest::newRow("vorherige Woche an der ersten") << "MenuSprungWocheZurueck" << 1 << 1 << 1 << 1 << true << 3;
    QTest::newRow("erster Eintrag") << "MenuSprungErster" << 1 << 4 << 1 << 1 << false << 3;
    QTest::newRow("erster Eintrag am ersten") << "MenuSprungErster" << 1 << 1 << 1 << 1 << true << 3;
    QTest::newRow("letzter Eintrag") << "MenuSprungLetzter" << 1 << 1 << 1 << 5 << false << 3;
    QTest::newRow("letzter Eintrag am letzten") << "MenuSprungLetzter" << 1 << 5 << 1 << 5 << true << 3;
    QTest::newRow("einziger Eintrag: weiter") << "MenuSprungWocheWeiter" << 3 << 1 << 3 << 1 << true << 3;
    QTest::newRow("einziger Eintrag: Monat zurueck") << "MenuSprungMonatZurueck" << 3 << 1 << 3 << 1 << true << 3;
    QTest::newRow("Monat weiter ueber Luecke") << "MenuSprungMonatWeiter" << 1 << 1 << 1 << 2 << false << 3;
    QTest::newRow("Monat weiter im Monat uebersprungen") << "MenuSprungMonatWeiter" << 1 << 2 << 1 << 5 << false << 3;
    QTest::newRow("Monat zurueck ueber Luecke") << "MenuSprungMonatZurueck" << 1 << 2 << 1 << 1 << false << 3;
    QTest::newRow("Monat zurueck in den Vormonat") << "MenuSprungMonatZurueck" << 1 << 5 << 1 << 2 << false << 3;
    // February holds no week: the oldest earlier week of March.
    QTest::newRow("Monat zurueck im Monat") << "MenuSprungMonatZurueck" << 1 << 4 << 1 << 2 << false << 3;
    QTest::newRow("Monat weiter an der neuesten") << "MenuSprungMonatWeiter" << 1 << 5 << 1 << 5 << true << 3;
    QTest::newRow("naechstes Fach ohne Wochen") << "MenuSprungFachWeiter" << 1 << 3 << 2 << 0 << false << 2;
    QTest::newRow("naechstes Fach: neueste Woche") << "MenuSprungFachWeiter" << 2 << 0 << 3 << 1 << false << 2;
    QTest::newRow("naechstes Fach am letzten") << "MenuSprungFachWeiter" << 3 << 1 << 3 << 1 << true << 2;
    QTest::newRow("vorheriges Fach") << "MenuSprungFachZurueck" << 3 << 1 << 2 << 0 << false << 2;
    QTest::newRow("vorheriges Fach am ersten") << "MenuSprungFachZurueck" << 1 << 2 << 1 << 2 << true << 2;
}

void TstHaupt::spruenge() {
    QFETCH(QString, Befehl);
    QFETCH(int, VonFach);
    QFETCH(int, VonEintrag);
    QFETCH(int, NachFach);
    QFETCH(int, NachEintrag);
    QFETCH(bool, Piept);
    QFETCH(int, Feld);
    const TDaten Daten = Klasse("5a", {{"Deutsch",
                                        {{TagNummer(2020, 1, 13), "a"},
                                         {TagNummer(2020, 3, 2), "b"},
                                         {TagNummer(2020, 3, 9), "c"},
                                         {TagNummer(2020, 3, 16), "d"},
                                         {TagNummer(2020, 4, 6), "e"}}},
                                       {"Leer", {}},
                                       {"Musik", {{TagNummer(2020, 3, 9), "Singen"}}}});
    KlasseAblegen(Daten, QStringLiteral("5a.SGV"));
    EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV 1"));
    auto Form = Starten();
    Form->SetFachNr(VonFach);
    Form->SetEintragNr(VonEintrag);
    const int Piepser = Form->Piepser();
    // Through the shortcut, as the user presses it.
    QAction *Punkt = Form->Aktion(Befehl);
    QVERIFY(Punkt);
    Form->RichEdit1->setFocus();
    QTest::keySequence(Form->RichEdit1, Punkt->shortcut());
    QCOMPARE(Form->FachNr(), NachFach);
    QCOMPARE(Form->EintragNr(), NachEintrag);
    QCOMPARE(Form->Piepser() - Piepser, Piept ? 1 : 0);
    QWidget *Erwartet = Feld == 2 ? static_cast<QWidget *>(Form->Edit2) : static_cast<QWidget *>(Form->Edit3);
    QCOMPARE(Form->focusWidget(), Erwartet);
    QCOMPARE(static_cast<QLineEdit *>(Erwartet)->cursorPosition(), 0);
    QCOMPARE(Form->StatusPanel0->text(), QStringLiteral("Eintrag: %1/%2").arg(NachEintrag).arg(Form->EintragCount()));
}

void TstHaupt::geheZuWoche() {
    KlasseAblegen(Klasse("5a", {{"Deutsch", {{TagNummer(2020, 1, 13), "a"}, {TagNummer(2020, 1, 27), "b"},
                                             {TagNummer(2020, 2, 24), "c"}}}}),
                  QStringLiteral("5a.SGV"));
    EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV 1"));
    auto Form = Starten();
    Form->SetEintragNr(2);
    QStringList Zeilen;
    int Auswahl = -1;
    TModalHelfer Helfer;
    Helfer.Dann([&](QWidget *AFenster) {
        auto *Liste = qobject_cast<TWochenlisteForm *>(AFenster);
        QVERIFY(Liste);
        QCOMPARE(Liste->windowTitle(), QStringLiteral("Gehe zu Woche"));
        for (int Nr = 0; Nr < Liste->ListBox1->count(); ++Nr)
            Zeilen.append(Liste->ListBox1->item(Nr)->text());
        Auswahl = Liste->ListBox1->currentRow();
        Liste->ListBox1->setCurrentRow(0);
        Liste->accept();
    });
    QTest::keyClick(Form->Edit1, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Zeilen, (QStringList{WochenText(TagNummer(2020, 2, 24)), WochenText(TagNummer(2020, 1, 27)),
                                  WochenText(TagNummer(2020, 1, 13))}));
    QCOMPARE(Auswahl, 1);
    QCOMPARE(Form->EintragNr(), 3);
    QCOMPARE(Form->focusWidget(), Form->Edit3);

    // Cancelled: position and focus stay.
    Form->Edit1->setFocus();
    TModalHelfer Abbruch;
    Abbruch.Dann([](QWidget *AFenster) { static_cast<QDialog *>(AFenster)->reject(); });
    QTest::keyClick(Form->Edit1, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(Abbruch.Offen(), 0);
    QCOMPARE(Form->EintragNr(), 3);
    QCOMPARE(Form->focusWidget(), Form->Edit1);
}

void TstHaupt::nachrichtVonAussen() {
    // Another program sends 1124 through the single-instance channel: the window closes like "&Beenden",
    // with its save question first.
    KlasseAblegen(Klasse5a(), QStringLiteral("5a.SGV"));
    EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV 1"));
    auto Form = Starten();
    const QString Schluessel = QStringLiteral("tst_haupt ") + QUuid::createUuid().toString();
    TEinzelinstanz Instanz(Schluessel);
    QVERIFY(Instanz.Starten());
    connect(&Instanz, &TEinzelinstanz::NachrichtEmpfangen, Form.get(), &TForm1::NachrichtVerarbeiten);
    Form->RichEdit1->setPlainText(QStringLiteral("ungespeichert"));

    TModalHelfer Helfer;
    Helfer.Antwort(QMessageBox::Cancel);
    QVERIFY(TEinzelinstanz::NachrichtSenden(Schluessel, 1124));
    QTRY_COMPARE(Helfer.Offen(), 0);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QVERIFY2(Form->isVisible(), "Abbrechen laesst das Programm laufen");

    QSignalSpy Empfangen(&Instanz, &TEinzelinstanz::NachrichtEmpfangen);
    TModalHelfer Nein;
    Nein.Antwort(QMessageBox::No);
    QVERIFY(TEinzelinstanz::NachrichtSenden(Schluessel, 1124));
    QTRY_COMPARE(Empfangen.count(), 1);
    QTRY_COMPARE(Nein.Offen(), 0);
    QTRY_VERIFY(!Form->isVisible());

    // 1224 brings a hidden or minimised window back to the front.
    Form->showMinimized();
    QVERIFY(TEinzelinstanz::NachrichtSenden(Schluessel, 1224));
    QTRY_VERIFY(Form->isVisible() && !Form->isMinimized());
}

void TstHaupt::programmordnerNichtBeschreibbar() {
    // An installed program cannot keep data beside itself: the first start takes the documents folder.
    // /proc takes no files, not even from root.
    TModalHelfer Helfer;
    Helfer.Antwort(QMessageBox::No);
    TForm1 Form({QStringLiteral("/proc/"), FOrdner->path() + QStringLiteral("/docs/")});
    Form.show();
    QTRY_COMPARE(Helfer.Offen(), 0);
    QVERIFY(Form.MenuEinstEigeneDateien->isChecked());
    QCOMPARE(Form.Filename(), FOrdner->path() + QStringLiteral("/docs/Stundolog/"));
    QVERIFY(QDir(Form.Filename()).exists());

    // A stored choice stays, even then.
    Form.close();
    EinstellungSetzen(QStringLiteral("AktOrdner"), 2);
    TModalHelfer Zweiter;
    Zweiter.Antwort(QMessageBox::Ok); // "/proc/Stundolog/" cannot be made
    TForm1 Wieder({QStringLiteral("/proc/"), FOrdner->path() + QStringLiteral("/docs/")});
    Wieder.show();
    QTRY_COMPARE(Zweiter.Offen(), 0);
    QVERIFY(Wieder.MenuEinstProgrammordner->isChecked());
    QCOMPARE(Zweiter.Texte, QStringList{QStringLiteral("Der Ordner \"/proc/Stundolog/\" kann nicht angelegt werden!")});
}

QTEST_MAIN(TstHaupt)
#include "tst_haupt.moc"
