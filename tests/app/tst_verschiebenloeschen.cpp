#include "Hauptfixture.h"
#include "data/Kalender.h"
#include "data/Klassendatei.h"
#include "dialogs/Verschiebliste.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Hauptfixture;

namespace {
const qint32 Maerz2 = Maerz9 - 7;
const qint32 Maerz23 = Maerz16 + 7;

// Selects the line of AListe whose text is AText, as the user would with the keys.
void ZeileWaehlen(QListWidget *AListe, const QString &AText) {
    AListe->setFocus();
    QTest::keyClick(AListe, Qt::Key_Home);
    for (int Nr = 0; Nr < AListe->count() && AListe->currentItem()->text() != AText; ++Nr)
        QTest::keyClick(AListe, Qt::Key_Down);
}
} // namespace

// Moving the current week and deleting a week, a subject or the whole class, on a started main window.
class TstVerschiebenLoeschen : public THauptfixture {
    Q_OBJECT
private slots:
    void init() { Vorbereiten(); }
    void cleanup() { Aufraeumen(); }

    void loeschen_data();
    void loeschen();
    void klasseLoeschen();
    void verschieben_data();
    void verschieben();
    void verschiebenOhneFreieWoche();

private:
    std::unique_ptr<TForm1> MitKlasse(const TDaten &AKlasse, int AFachNr, int AEintragNr) {
        KlasseAblegen(AKlasse, QStringLiteral("5a.SGV"));
        EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV %1").arg(AFachNr));
        auto Form = Starten(nullptr, Maerz16 + 2);
        Form->SetEintragNr(AEintragNr);
        return Form;
    }
};

void TstVerschiebenLoeschen::loeschen_data() {
    QTest::addColumn<int>("FachNr");
    QTest::addColumn<int>("EintragNr");
    QTest::addColumn<QString>("Aktion");
    QTest::addColumn<int>("Antwort");
    QTest::addColumn<QString>("Frage");
    QTest::addColumn<QString>("Faecher");   // the subjects afterwards, "Name:Wochen" each
    QTest::addColumn<int>("FachDanach");
    QTest::addColumn<int>("EintragDanach");
    QTest::addColumn<int>("Feld");          // 2 Fach, 3 Woche: where the focus lands
    const int Ja = QMessageBox::Yes, Nein = QMessageBox::No;
    // 5a: Deutsch 2, 9, 16 and 23 March; Mathe 16 March; Sport 9 March.
    QTest::newRow("jüngste Woche") << 1 << 4 << "MenuAktLoescheWoche" << Ja
                                   << "Soll der Eintrag 4 des Fachs \"Deutsch\" der Klasse \"5a\" gelöscht werden?"
                                   << "Deutsch:3 Mathe:1 Sport:1" << 1 << 3 << 3;
    QTest::newRow("Woche 2 von 4: die folgende wird aktuell")
        << 1 << 2 << "MenuAktLoescheWoche" << Ja
        << "Soll der Eintrag 2 des Fachs \"Deutsch\" der Klasse \"5a\" gelöscht werden?" << "Deutsch:3 Mathe:1 Sport:1"
        << 1 << 2 << 3;
    QTest::newRow("Nein ändert nichts") << 1 << 2 << "MenuAktLoescheWoche" << Nein
                                        << "Soll der Eintrag 2 des Fachs \"Deutsch\" der Klasse \"5a\" gelöscht werden?"
                                        << "Deutsch:4 Mathe:1 Sport:1" << 1 << 2 << 4;
    QTest::newRow("einzige Woche: das Fach") << 2 << 1 << "MenuAktLoescheWoche" << Ja
                                             << "Soll das gesamte Fach \"Mathe\" der Klasse \"5a\" gelöscht werden?"
                                             << "Deutsch:4 Sport:1" << 2 << 1 << 2;
    QTest::newRow("letztes Fach: das neue letzte") << 3 << 1 << "MenuAktLoescheFach" << Ja
                                                   << "Soll das gesamte Fach \"Sport\" der Klasse \"5a\" gelöscht werden?"
                                                   << "Deutsch:4 Mathe:1" << 2 << 1 << 2;
    QTest::newRow("erstes Fach: das folgende, seine jüngste Woche")
        << 1 << 1 << "MenuAktLoescheFach" << Ja << "Soll das gesamte Fach \"Deutsch\" der Klasse \"5a\" gelöscht werden?"
        << "Mathe:1 Sport:1" << 1 << 1 << 2;
}

void TstVerschiebenLoeschen::loeschen() {
    QFETCH(int, FachNr);
    QFETCH(int, EintragNr);
    QFETCH(QString, Aktion);
    QFETCH(int, Antwort);
    QFETCH(QString, Frage);
    QFETCH(QString, Faecher);
    QFETCH(int, FachDanach);
    QFETCH(int, EintragDanach);
    QFETCH(int, Feld);
    auto Form = MitKlasse(Klasse("5a", {{"Deutsch", {{Maerz2, "a"}, {Maerz9, "b"}, {Maerz16, "c"}, {Maerz23, "d"}}},
                                        {"Mathe", {{Maerz16, "e"}}},
                                        {"Sport", {{Maerz9, "f"}}}}),
                          FachNr, EintragNr);
    Form->SetFocus(4, true);
    TModalHelfer Helfer;
    Helfer.Antwort(static_cast<QMessageBox::StandardButton>(Antwort));
    Form->UpdateMenus();
    Form->Klick(Form->Aktion(Aktion));
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Helfer.Texte, QStringList{Frage});
    QStringList Inhalt;
    for (int Nr = 0; Nr < Form->Daten.Count(); ++Nr)
        Inhalt.append(QStringLiteral("%1:%2").arg(Form->Daten.Fach(Nr).Fachname).arg(Form->Daten.Fach(Nr).Count()));
    QCOMPARE(Inhalt.join(QLatin1Char(' ')), Faecher);
    QCOMPARE(Form->FachNr(), FachDanach);
    QCOMPARE(Form->EintragNr(), EintragDanach);
    QWidget *const Felder[] = {nullptr, Form->Edit1, Form->Edit2, Form->Edit3, Form->RichEdit1};
    QCOMPARE(Form->focusWidget(), Felder[Feld]);
    // The fields show the entry that is current now.
    const TFach &Fach = Form->Daten.Fach(FachDanach - 1);
    QCOMPARE(Form->Edit2->text(), Fach.Fachname);
    QCOMPARE(Form->Edit3->text(), WochenText(Fach.WochenDaten.at(EintragDanach - 1).Datum));
}

void TstVerschiebenLoeschen::klasseLoeschen() {
    auto Form = MitKlasse(Klasse("5a", {{"Deutsch", {{Maerz9, "b"}}}}), 1, 1);
    // A backup copy of an earlier save stays.
    QVERIFY(QFile::copy(DatenOrdner() + QStringLiteral("5a.SGV"), DatenOrdner() + QStringLiteral("5a.BAK")));
    QFile(DatenOrdner() + QStringLiteral("5a.SGV")).setPermissions(QFileDevice::ReadOwner);
    const QStringList Fragen{QStringLiteral("Soll die gesamte Klasse \"5a\" gelöscht werden?"),
                             QStringLiteral("Soll wirklich die gesamte Klasse \"5a\" gelöscht werden?")};
    {
        // The second question answered No: nothing is deleted.
        TModalHelfer Helfer;
        Helfer.Antwort(QMessageBox::Yes).Antwort(QMessageBox::No);
        QTest::keyClick(Form->Edit3, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(Helfer.Offen(), 0);
        QCOMPARE(Helfer.Texte, Fragen);
        QVERIFY(QFile::exists(DatenOrdner() + QStringLiteral("5a.SGV")));
        QCOMPARE(Form->Daten.Count(), 1);
    }
    TModalHelfer Helfer;
    Helfer.Antwort(QMessageBox::Yes).Antwort(QMessageBox::Yes);
    QTest::keyClick(Form->Edit3, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Helfer.Texte, Fragen);
    QVERIFY2(!QFile::exists(DatenOrdner() + QStringLiteral("5a.SGV")), "the read-only class file is deleted");
    QVERIFY(QFile::exists(DatenOrdner() + QStringLiteral("5a.BAK")));
    QCOMPARE(Form->Daten.Count(), 0);
    QCOMPARE(Form->Edit1->text(), QStringLiteral("(keine)"));
    QCOMPARE(Form->Edit2->text(), QStringLiteral("(kein)"));
    QCOMPARE(Form->windowTitle(), QStringLiteral("KeinName - Stundolog V1.01"));
    QCOMPARE(Form->Filename(), DatenOrdner());
    QCOMPARE(Form->focusWidget(), Form->Edit1);
    Form->UpdateMenus();
    QVERIFY(!Form->MenuDateiSpeichern->isEnabled());
}

void TstVerschiebenLoeschen::verschieben_data() {
    QTest::addColumn<int>("EintragNr");       // in Deutsch
    QTest::addColumn<QString>("Ziel");        // subject chosen, empty: stays
    QTest::addColumn<QString>("Vorauswahl");  // the week preselected for the subject that is shown first
    QTest::addColumn<QString>("Faecher");     // afterwards: "Name:key,key" per subject
    QTest::addColumn<QStringList>("Meldungen");
    const QString D9 = QString::number(Maerz9), D16 = QString::number(Maerz16), D23 = QString::number(Maerz23);
    QTest::newRow("im selben Fach zur nächsten freien Woche")
        << 1 << "" << WochenText(Maerz23) << QStringLiteral("Deutsch:%1,%2 Sport:").arg(D16, D23)
        << QStringList{QStringLiteral("Die Woche %1 von Fach \"Deutsch\" wurde nach Woche %2 in Fach \"Deutsch\" "
                                      "verschoben!")
                           .arg(WochenText(Maerz9), WochenText(Maerz23))};
    QTest::newRow("in ein anderes Fach") << 2 << "Sport" << WochenText(Maerz23)
                                         << QStringLiteral("Deutsch:%1 Sport:%2").arg(D9, D16)
                                         << QStringList{QStringLiteral("Die Woche %1 von Fach \"Deutsch\" wurde nach "
                                                                       "Woche %2 in Fach \"Sport\" verschoben!")
                                                            .arg(WochenText(Maerz16), WochenText(Maerz16))};
}

void TstVerschiebenLoeschen::verschieben() {
    QFETCH(int, EintragNr);
    QFETCH(QString, Ziel);
    QFETCH(QString, Vorauswahl);
    QFETCH(QString, Faecher);
    QFETCH(QStringList, Meldungen);
    auto Form = MitKlasse(Klasse("5a", {{"Deutsch", {{Maerz9, "neun"}, {Maerz16, "sechzehn"}}}, {"Sport", {}}}), 1,
                          EintragNr);
    const QString Text = Form->Daten.Fach(0).WochenDaten.at(EintragNr - 1).Text;
    const QString AlteWoche = Form->Edit3->text();
    TModalHelfer Helfer;
    QString Caption, Gezeigt;
    Helfer.Dann([&](QWidget *AFenster) {
        auto *Form2 = qobject_cast<TVerschieblisteForm *>(AFenster);
        QVERIFY(Form2);
        Caption = Form2->windowTitle();
        Gezeigt = Form2->ListBox2->currentItem() ? Form2->ListBox2->currentItem()->text() : QString();
        if (!Ziel.isEmpty()) {
            ZeileWaehlen(Form2->ListBox3, Ziel);
            // Another subject lists its own free weeks from the first; go to the week the entry had.
            ZeileWaehlen(Form2->ListBox2, WochenText(Maerz16));
        }
        Form2->Button1->click();
    });
    for (int Nr = 0; Nr < Meldungen.size(); ++Nr)
        Helfer.Antwort(QMessageBox::Ok);
    QTest::keyClick(Form->Edit3, Qt::Key_F9);
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Caption, QStringLiteral("Woche %1 von Fach \"Deutsch\" verschieben nach").arg(AlteWoche));
    QCOMPARE(Gezeigt, Vorauswahl);
    QCOMPARE(Helfer.Texte, Meldungen);
    QStringList Inhalt;
    for (int Nr = 0; Nr < Form->Daten.Count(); ++Nr) {
        QStringList Wochen;
        for (const TWocheRec &Woche : Form->Daten.Fach(Nr).WochenDaten)
            Wochen.append(QString::number(Woche.Datum));
        Inhalt.append(Form->Daten.Fach(Nr).Fachname + QLatin1Char(':') + Wochen.join(QLatin1Char(',')));
    }
    QCOMPARE(Inhalt.join(QLatin1Char(' ')), Faecher);
    // The moved entry keeps its text and is the current one; the focus is on its week.
    QCOMPARE(Form->Daten.Fach(Form->FachNr() - 1).WochenDaten.at(Form->EintragNr() - 1).Text, Text);
    QCOMPARE(Form->focusWidget(), Form->Edit3);
}

void TstVerschiebenLoeschen::verschiebenOhneFreieWoche() {
    // The only week of Deutsch goes to Sport: Deutsch stays, empty, and the second message names it.
    auto Form = MitKlasse(Klasse("5a", {{"Deutsch", {{Maerz16, "x"}}}, {"Sport", {{Maerz9, "y"}}}}), 1, 1);
    TModalHelfer Helfer;
    Helfer.Dann([](QWidget *AFenster) {
        auto *Form2 = qobject_cast<TVerschieblisteForm *>(AFenster);
        QVERIFY(Form2);
        ZeileWaehlen(Form2->ListBox3, QStringLiteral("Sport"));
        ZeileWaehlen(Form2->ListBox2, WochenText(Maerz16));
        Form2->Button1->click();
    });
    Helfer.Antwort(QMessageBox::Ok).Antwort(QMessageBox::Ok);
    Form->UpdateMenus();
    Form->PuMenusClick();
    Form->PuE3Verschieben->trigger();
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Helfer.Texte.value(1), QStringLiteral("Das Fach \"Deutsch\" enthält keinen Stundologeintrag mehr!"));
    QCOMPARE(Form->Daten.Count(), 2);
    QCOMPARE(Form->Daten.Fach(0).Count(), 0);
    QCOMPARE(Form->FachNr(), 2);
    QCOMPARE(Form->Edit2->text(), QStringLiteral("Sport"));
}

QTEST_MAIN(TstVerschiebenLoeschen)
#include "tst_verschiebenloeschen.moc"
