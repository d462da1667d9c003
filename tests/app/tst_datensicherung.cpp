#include "Hauptfixture.h"
#include "backup/Sichern.h"
#include "data/Klassendatei.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Hauptfixture;

namespace {
const qint32 Maerz18 = Maerz16 + 2; // "today" in these tests

QByteArray Bytes(const QString &APfad) {
    QFile Datei(APfad);
    return Datei.open(QIODevice::ReadOnly) ? Datei.readAll() : QByteArray();
}

// The backup dialog as the user works it: waits for the scan, runs once, answers the run's message box with OK
// (its text goes to ATexte) and closes. A helper of its own answers the box; its steps pass over the dialog,
// which it may see as a window of its own before and after the box.
TModalHelfer::TSchritt EinLauf(QStringList &ATexte) {
    return [&ATexte](QWidget *AFenster) {
        auto *Dialog = qobject_cast<TSichernForm *>(AFenster);
        QVERIFY(Dialog);
        QVERIFY(QTest::qWaitFor([Dialog] { return Dialog->Button1->isEnabled(); }, 5000));
        {
            TModalHelfer Meldung;
            for (int Nr = 0; Nr < 3; ++Nr)
                Meldung.Dann([&ATexte](QWidget *AModal) {
                    if (auto *Box = qobject_cast<QMessageBox *>(AModal)) {
                        ATexte.append(Box->text());
                        Box->button(QMessageBox::Ok)->click();
                    }
                });
            Dialog->Button1->click();
        }
        Dialog->Button3->click();
    };
}
} // namespace

// "Datens&icherung" on a started main window: the save question, the dialog as the command prepares it, and
// the class read again after a restore. A folder of the test stands in for the stick.
class TstDatensicherung : public THauptfixture {
    Q_OBJECT
private slots:
    void init() { Vorbereiten(); }
    void cleanup() { Aufraeumen(); }

    void befehl_data();
    void befehl();
    void speicherFrage_data();
    void speicherFrage();
    void sichernUndVergleichen();
    void wiederherstellen_data();
    void wiederherstellen();

private:
    QString Stick() const { return FOrdner->path() + QStringLiteral("/stick/"); }
    // The window on class 5a, subject Mathe and its one week, with the stick (holding an empty backup folder) as
    // the only volume.
    std::unique_ptr<TForm1> MitKlasse5a() {
        KlasseAblegen(Klasse5a(), QStringLiteral("5a.SGV"));
        KlasseAblegen(Klasse("6b", {{"Englisch", {{Maerz9, "Vokabeln"}}}}), QStringLiteral("6b.SGV"));
        EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV 2"));
        auto Form = Starten(nullptr, Maerz18);
        QDir().mkpath(Stick() + QStringLiteral("SgvDaten"));
        Form->SichernForm()->LaufwerksQuelle = [this] {
            return QList<TLaufwerk>{{Stick(), TLaufwerksArt::Wechsel, QStringLiteral("Stick"), {}, true, false}};
        };
        return Form;
    }
};

void TstDatensicherung::befehl_data() {
    QTest::addColumn<int>("Taste");
    QTest::addColumn<bool>("SichernS");
    QTest::addColumn<QString>("Caption");
    QTest::addColumn<QString>("Knopf");
    QTest::newRow("F2 sichern") << int(Qt::Key_F2) << true << "Datendateien sichern nach"
                                << "&Sichern";
    QTest::newRow("F3 wiederherstellen") << int(Qt::Key_F3) << false << "Datendateien wiederherstellen von"
                                         << "&Wiederherstellen";
}

void TstDatensicherung::befehl() {
    QFETCH(int, Taste);
    QFETCH(bool, SichernS);
    QFETCH(QString, Caption);
    QFETCH(QString, Knopf);
    auto Form = MitKlasse5a();
    QCOMPARE(Form->FachNr(), 2);
    QCOMPARE(Form->EintragNr(), 1);
    Form->SetFocus(4, true);
    TModalHelfer Helfer;
    QString Gezeigt, Knopftext, Ordner;
    bool Modus = !SichernS;
    Helfer.Dann([&](QWidget *AFenster) {
        auto *Dialog = qobject_cast<TSichernForm *>(AFenster);
        QVERIFY(Dialog);
        Gezeigt = Dialog->windowTitle();
        Knopftext = Dialog->Button1->text();
        Ordner = Dialog->DatenOrdner;
        Modus = Dialog->SichernS;
        QTest::keyClick(Dialog->ListBox1, Qt::Key_Escape);
    });
    QTest::keyClick(Form->RichEdit1, Qt::Key(Taste));
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Helfer.Unerwartet, 0);
    QCOMPARE(Gezeigt, Caption);
    QCOMPARE(Knopftext, Knopf);
    QCOMPARE(Ordner, DatenOrdner());
    QCOMPARE(Modus, SichernS);
    // Nothing was copied: the place stays, the focus goes to the class field.
    QCOMPARE(Form->FachNr(), 2);
    QCOMPARE(Form->EintragNr(), 1);
    QCOMPARE(Form->focusWidget(), Form->Edit1);
    Form->DateiMenuUpdate();
    QVERIFY(!Form->MenuDateiSpeichern->isEnabled());
}

void TstDatensicherung::speicherFrage_data() {
    QTest::addColumn<QString>("Aktion");
    QTest::addColumn<bool>("JaS");
    QTest::newRow("sichern, nein") << "MenuDatenSichern" << false;
    QTest::newRow("sichern, ja") << "MenuDatenSichern" << true;
    QTest::newRow("wiederherstellen, nein") << "MenuDatenWiederherstellen" << false;
    QTest::newRow("wiederherstellen, ja") << "MenuDatenWiederherstellen" << true;
}

void TstDatensicherung::speicherFrage() {
    QFETCH(QString, Aktion);
    QFETCH(bool, JaS);
    auto Form = MitKlasse5a();
    Form->SetFocus(4, false);
    QTest::keyClick(Form->RichEdit1, Qt::Key_End);
    Tippen(Form->RichEdit1, QStringLiteral(" mit Übung"));
    const QByteArray Vorher = Bytes(DatenOrdner() + QStringLiteral("5a.SGV"));

    TModalHelfer Helfer;
    Helfer.Antwort(JaS ? QMessageBox::Yes : QMessageBox::No);
    bool DialogS = false;
    if (JaS)
        Helfer.Dann([&DialogS](QWidget *AFenster) {
            DialogS = qobject_cast<TSichernForm *>(AFenster) != nullptr;
            AFenster->close();
        });
    Form->UpdateMenus();
    Form->Klick(Form->Aktion(Aktion));
    QVERIFY2(Helfer.Offen() == 0, qPrintable(QStringLiteral("beantwortet: %1; unerwartet: %2")
                                                 .arg(Helfer.Texte.join(QLatin1Char('|')))
                                                 .arg(Helfer.Unerwartet)));
    QCOMPARE(Helfer.Unerwartet, 0);
    QCOMPARE(Helfer.Texte.value(0),
             QStringLiteral("Bevor Sie Sichern/Wiederherstellen, müssen die vorgenommenen Änderungen in der Klasse "
                            "\"5a\" gespeichert werden!\r\nSoll jetzt gespeichert werden?"));
    QCOMPARE(Helfer.Symbole.value(0), QMessageBox::Question);
    QCOMPARE(DialogS, JaS);
    TDaten AufPlatte;
    QVERIFY(AufPlatte.LoadFromFile(DatenOrdner() + QStringLiteral("5a.SGV"), false));
    if (JaS) {
        QCOMPARE(AufPlatte.Fach(1).WochenDaten.at(0).Text, QStringLiteral("Brüche mit Übung"));
        Form->DateiMenuUpdate();
        QVERIFY(!Form->MenuDateiSpeichern->isEnabled());
        QCOMPARE(Form->focusWidget(), Form->Edit1);
    } else {
        QCOMPARE(Bytes(DatenOrdner() + QStringLiteral("5a.SGV")), Vorher);
        QCOMPARE(Form->Daten.Fach(1).WochenDaten.at(0).Text, QStringLiteral("Brüche mit Übung"));
    }
    QCOMPARE(Form->FachNr(), 2);
    QCOMPARE(Form->EintragNr(), 1);
}

void TstDatensicherung::sichernUndVergleichen() {
    auto Form = MitKlasse5a();
    TModalHelfer Helfer;
    QStringList Texte;
    Helfer.Dann(EinLauf(Texte));
    QTest::keyClick(Form->Edit1, Qt::Key_F2);
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Texte, QStringList{QStringLiteral("Die Datendateien wurden erfolgreich in \"%1SgvDaten/\" "
                                               "gesichert!")
                                    .arg(Stick())});
    for (const char *Name : {"5a.SGV", "6b.SGV"}) {
        const QString Datei = QString::fromLatin1(Name);
        QCOMPARE(Bytes(Stick() + QStringLiteral("SgvDaten/") + Datei), Bytes(DatenOrdner() + Datei));
    }
    QVERIFY(Form->SichernForm()->RichEdit1->toPlainText().startsWith(QStringLiteral("Kopierverlauf:\n")));
    QCOMPARE(Form->focusWidget(), Form->Edit1);
}

void TstDatensicherung::wiederherstellen_data() {
    QTest::addColumn<QString>("Stand"); // what the stick holds as 5a.SGV
    QTest::addColumn<int>("FachNr");    // the place afterwards
    QTest::addColumn<int>("EintragNr");
    QTest::addColumn<QStringList>("Texte"); // the message boxes
    const QString Erfolg = QStringLiteral("Die Datendateien wurden erfolgreich von \"%1SgvDaten/\" wiederhergestellt!");
    QTest::newRow("gleiche Klasse: die Stelle bleibt") << "gleich" << 2 << 1 << QStringList{Erfolg};
    QTest::newRow("andere Klasse: erstes Fach, neueste Woche") << "anders" << 1 << 3 << QStringList{Erfolg};
}

void TstDatensicherung::wiederherstellen() {
    QFETCH(QString, Stand);
    QFETCH(int, FachNr);
    QFETCH(int, EintragNr);
    QFETCH(QStringList, Texte);
    auto Form = MitKlasse5a();
    TDaten AufStick = Stand == QLatin1String("gleich")
                          ? Klasse5a()
                          : Klasse("5a", {{"Biologie", {{Maerz9 - 7, "Zellen"}, {Maerz9, "Blatt"}, {Maerz16, "Moos"}}},
                                          {"Deutsch", {{Maerz9, "Schreiben"}}}});
    QVERIFY(AufStick.SaveToFile(Stick() + QStringLiteral("SgvDaten/5a.SGV")));

    TModalHelfer Helfer;
    QStringList Gezeigt;
    Helfer.Dann(EinLauf(Gezeigt));
    QTest::keyClick(Form->Edit2, Qt::Key_F3);
    QCOMPARE(Helfer.Offen(), 0);
    QStringList Erwartet;
    for (const QString &Text : Texte)
        Erwartet.append(Text.arg(Stick()));
    QCOMPARE(Gezeigt, Erwartet);

    QCOMPARE(Bytes(DatenOrdner() + QStringLiteral("5a.SGV")), Bytes(Stick() + QStringLiteral("SgvDaten/5a.SGV")));
    QVERIFY(Form->Daten.Ident(AufStick));
    QVERIFY(Form->SaveDaten.Ident(AufStick));
    QCOMPARE(Form->FachNr(), FachNr);
    QCOMPARE(Form->EintragNr(), EintragNr);
    QCOMPARE(Form->Edit2->text(), AufStick.Fach(FachNr - 1).Fachname);
    QCOMPARE(Form->focusWidget(), Form->Edit1);
    Form->DateiMenuUpdate();
    QVERIFY(!Form->MenuDateiSpeichern->isEnabled());
    // The other class of the folder is untouched.
    QVERIFY(QFileInfo::exists(DatenOrdner() + QStringLiteral("6b.SGV")));
}

QTEST_MAIN(TstDatensicherung)
#include "tst_datensicherung.moc"
