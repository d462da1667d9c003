#include "Hauptfixture.h"
#include "app/Hilfe.h"
#include "util/Textkodierung.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>

using namespace Hauptfixture;

namespace {
// What the help menu handed to other programs.
struct TAufrufe {
    QList<QUrl> Urls;
    QList<QStringList> Programme; // program, then its arguments
};

void Einsetzen(TForm1 &AForm, TAufrufe &AAufrufe, bool AStartOkS = true) {
    AForm.UrlOeffnen = [&AAufrufe](const QUrl &AUrl) {
        AAufrufe.Urls.append(AUrl);
        return true;
    };
    AForm.ProgrammStarten = [&AAufrufe, AStartOkS](const QString &AProgramm, const QStringList &AArgumente) {
        AAufrufe.Programme.append(QStringList{AProgramm} + AArgumente);
        return AStartOkS;
    };
}

void HilfeOeffnen(TForm1 &AForm) {
    auto *Kopf = AForm.findChild<QMenu *>(QStringLiteral("MenuHilfe"));
    QVERIFY(Kopf);
    emit Kopf->aboutToShow();
}

QList<TTextfenster *> Textfenster(const TForm1 &AForm) {
    return AForm.findChildren<TTextfenster *>();
}
} // namespace

// The help menu on a started main window with a program folder of its own: the rules of the heading, the
// change list window, the addresses handed to the desktop and the hand-over file for the updater in a
// temporary folder of the test's own.
class TstHilfe : public THauptfixture {
    Q_OBJECT
private slots:
    void init() { Vorbereiten(); }
    void cleanup() { Aufraeumen(); }

    void kopfRegeln_data();
    void kopfRegeln();
    void uebergabe_data();
    void uebergabe();
    void uebergabeFehler_data();
    void uebergabeFehler();
    void changeListFensterEinmal();
    void changeListText_data();
    void changeListText();
    void changeListVerschwunden();
    void adressen_data();
    void adressen();
    void info();

private:
    // Starts the main window; with no class to open, its start-up question is answered No.
    std::unique_ptr<TForm1> Start(bool AKlasseS = false) {
        if (AKlasseS)
            return Starten();
        TModalHelfer Frage;
        Frage.Antwort(QMessageBox::No);
        return Starten(&Frage);
    }
    QString ProgOrdner() const { return Orte().ProgrammOrdner; }
    QString Temp() const { return FOrdner->path() + QStringLiteral("/temp/"); }
    void Ablegen(const QString &APfad, const QByteArray &AInhalt = "x") {
        QDir().mkpath(QFileInfo(APfad).path());
        QVERIFY(DateiSchreiben(APfad, AInhalt));
    }
};

void TstHilfe::kopfRegeln_data() {
    QTest::addColumn<QString>("ListeOrt");    // where History.txt lies: "", "daneben", "share"
    QTest::addColumn<QString>("Zulader");     // the updater file beside the program, or ""
    QTest::addColumn<bool>("Aenderungen");    // "Programm-&Änderungen..." enabled
    QTest::addColumn<bool>("Aktualisierung"); // "Programm-&Aktualisierung..." visible
    QTest::newRow("nichts daneben") << ""
                                    << "" << false << false;
    QTest::newRow("History.txt daneben") << "daneben"
                                         << "" << true << false;
    QTest::newRow("History.txt im share-Ordner") << "share"
                                                 << "" << true << false;
    QTest::newRow("Zulader") << ""
                             << "Zulader" << false << true;
    QTest::newRow("Zulader.exe") << ""
                                 << "Zulader.exe" << false << true;
    QTest::newRow("zulader klein geschrieben") << ""
                                               << "zulader" << false << false;
    QTest::newRow("beides") << "daneben"
                            << "Zulader" << true << true;
}

void TstHilfe::kopfRegeln() {
    QFETCH(QString, ListeOrt);
    QFETCH(QString, Zulader);
    QFETCH(bool, Aenderungen);
    QFETCH(bool, Aktualisierung);

    auto Form = Start();
    const auto Pruefen = [&](bool AAenderungen, bool AAktualisierung) {
        HilfeOeffnen(*Form);
        QCOMPARE(Form->MenuHilfeHistory->isEnabled(), AAenderungen);
        QCOMPARE(Form->MenuHilfeUpdate->isVisible(), AAktualisierung);
        // The other items are always there.
        for (QAction *Punkt :
             {Form->MenuHilfeInfo, Form->MenuHilfeHomepage, Form->MenuHilfeMail, Form->MenuHilfeSpenden})
            QVERIFY2(Punkt->isEnabled() && Punkt->isVisible(), qPrintable(Punkt->objectName()));
    };
    // First with nothing beside the program, then with the files laid there: each opening looks again.
    Pruefen(false, false);
    if (ListeOrt == QStringLiteral("daneben"))
        Ablegen(ProgOrdner() + QStringLiteral("History.txt"));
    else if (ListeOrt == QStringLiteral("share"))
        Ablegen(FOrdner->path() + QStringLiteral("/share/stundolog/History.txt"));
    if (!Zulader.isEmpty())
        Ablegen(ProgOrdner() + Zulader);
    Pruefen(Aenderungen, Aktualisierung);
    // A folder of that name is no file.
    QFile::remove(ProgOrdner() + QStringLiteral("History.txt"));
    QDir().mkpath(ProgOrdner() + QStringLiteral("History.txt"));
    QFile::remove(ProgOrdner() + Zulader);
    Pruefen(ListeOrt == QStringLiteral("share"), false);
}

void TstHilfe::uebergabe_data() {
    QTest::addColumn<QString>("Datei"); // the class file opened at start, or ""
    QTest::addColumn<QString>("Schriftart");
    QTest::addColumn<int>("Groesse");
    QTest::addColumn<QByteArray>("Alt"); // a file "Stundolog.cfg" already there, or empty
    QTest::addColumn<bool>("Schreibgeschuetzt");
    QTest::addColumn<QByteArray>("Zeile2");
    QTest::addColumn<QByteArray>("Zeile5");
    QTest::newRow("keine Klasse, Verdana 16") << ""
                                              << "Verdana" << 16 << QByteArray() << false
                                              << QByteArray("KeinName - Stundolog V1.01") << QByteArray("16 Verdana");
    QTest::newRow("Klasse mit Umlaut, Windows-1252") << "Übung.SGV"
                                                     << "Schrift Ä" << 20 << QByteArray() << false
                                                     << QByteArray("\xDC"
                                                                   "bung.SGV - Stundolog V1.01")
                                                     << QByteArray("20 Schrift \xC4");
    QTest::newRow("alte Datei wird ersetzt")
        << ""
        << "Arial" << 12 << QByteArray("eine viel längere alte Übergabedatei\r\n\r\n\r\n\r\n\r\n\r\n") << false
        << QByteArray("KeinName - Stundolog V1.01") << QByteArray("12 Arial");
    QTest::newRow("schreibgeschützte alte Datei wird ersetzt")
        << ""
        << "Arial" << 12 << QByteArray("alt\r\n") << true << QByteArray("KeinName - Stundolog V1.01")
        << QByteArray("12 Arial");
}

void TstHilfe::uebergabe() {
    QFETCH(QString, Datei);
    QFETCH(QString, Schriftart);
    QFETCH(int, Groesse);
    QFETCH(QByteArray, Alt);
    QFETCH(bool, Schreibgeschuetzt);
    QFETCH(QByteArray, Zeile2);
    QFETCH(QByteArray, Zeile5);

    EinstellungSetzen(QStringLiteral("FontName"), Schriftart);
    EinstellungSetzen(QStringLiteral("FontSize"), Groesse);
    if (!Datei.isEmpty()) {
        KlasseAblegen(Klasse5a(), Datei);
        EinstellungSetzen(QStringLiteral("Filename"), Datei + QStringLiteral(" 1"));
    }
    Ablegen(ProgOrdner() + QStringLiteral("Zulader"));
    const QString Cfg = Temp() + QStringLiteral("Stundolog.cfg");
    if (!Alt.isEmpty()) {
        Ablegen(Cfg, Alt);
        if (Schreibgeschuetzt)
            QVERIFY(QFile::setPermissions(Cfg, QFileDevice::ReadOwner | QFileDevice::ReadUser));
    } else {
        QDir().mkpath(Temp());
    }

    auto Form = Start(!Datei.isEmpty());
    TAufrufe Aufrufe;
    Einsetzen(*Form, Aufrufe);
    Form->TempOrdner = Temp();
    HilfeOeffnen(*Form);
    TModalHelfer Helfer; // no message is expected
    Form->Klick(Form->MenuHilfeUpdate);

    const QByteArray Programm = AlsWindows1252(
        QDir::toNativeSeparators(ProgOrdner() + QFileInfo(QCoreApplication::applicationFilePath()).fileName()));
    const QByteArray Erwartet =
        "Stundolog V1.01\r\n" + Zeile2 + "\r\n" + Programm + "\r\nStundolog\r\n" + Zeile5 + "\r\n";
    QCOMPARE(AlsHex(DateiInhalt(Cfg)), AlsHex(Erwartet));
    // The updater gets the bare file name and finds the file in the temporary folder itself.
    QCOMPARE(Aufrufe.Programme,
             (QList<QStringList>{{ProgOrdner() + QStringLiteral("Zulader"), QStringLiteral("Stundolog.cfg")}}));
    QVERIFY(Aufrufe.Urls.isEmpty());
    QCOMPARE(Helfer.Unerwartet, 0);
    // The main window stays open, with its class.
    QVERIFY(Form->isVisible());
    QCOMPARE(Form->windowTitle(), Datei.isEmpty() ? QStringLiteral("KeinName - Stundolog V1.01")
                                                  : QStringLiteral("Übung.SGV - Stundolog V1.01"));
}

void TstHilfe::uebergabeFehler_data() {
    QTest::addColumn<QString>("Fall");
    QTest::addColumn<bool>("StartOk");     // what starting the updater reports
    QTest::addColumn<bool>("Geschrieben"); // the file is written nevertheless
    QTest::addColumn<bool>("Gestartet");   // the updater was asked to start
    QTest::newRow("Ordner fehlt") << "fehlt" << true << false << false;
    QTest::newRow("Ordner ist eine Datei") << "Datei" << true << false << false;
    QTest::newRow("Stundolog.cfg ist ein Ordner") << "cfg-Ordner" << true << false << false;
    QTest::newRow("Zulader startet nicht") << "" << false << true << true;
}

void TstHilfe::uebergabeFehler() {
    QFETCH(QString, Fall);
    QFETCH(bool, StartOk);
    QFETCH(bool, Geschrieben);
    QFETCH(bool, Gestartet);

    QString Ordner = Temp();
    if (Fall == QStringLiteral("fehlt")) {
        Ordner = FOrdner->path() + QStringLiteral("/gibtsnicht/");
    } else if (Fall == QStringLiteral("Datei")) {
        Ablegen(FOrdner->path() + QStringLiteral("/eineDatei"));
        Ordner = FOrdner->path() + QStringLiteral("/eineDatei/");
    } else if (Fall == QStringLiteral("cfg-Ordner")) {
        QDir().mkpath(Temp() + QStringLiteral("Stundolog.cfg/innen"));
    } else {
        QDir().mkpath(Temp());
    }
    Ablegen(ProgOrdner() + QStringLiteral("Zulader.exe"));

    auto Form = Start();
    TAufrufe Aufrufe;
    Einsetzen(*Form, Aufrufe, StartOk);
    Form->TempOrdner = Ordner;
    HilfeOeffnen(*Form);
    TModalHelfer Helfer;
    Helfer.Antwort(QMessageBox::Ok);
    Form->Klick(Form->MenuHilfeUpdate);

    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Helfer.Texte, QStringList{QStringLiteral("Es ist ein Fehler beim Aktualisieren aufgetreten!\r\nDie Datei "
                                                      "\"%1Stundolog.cfg\" konnte nicht gespeichert werden.")
                                           .arg(Ordner)});
    QCOMPARE(Helfer.Symbole, QList<QMessageBox::Icon>{QMessageBox::Critical});
    QCOMPARE(QFileInfo(Ordner + QStringLiteral("Stundolog.cfg")).isFile(), Geschrieben);
    QCOMPARE(Aufrufe.Programme.size(), Gestartet ? 1 : 0);
    QVERIFY(Form->isVisible());
}

void TstHilfe::changeListFensterEinmal() {
    Ablegen(ProgOrdner() + QStringLiteral("History.txt"), "Version 1.01\nÄnderungen\n");
    auto Form = Start();
    HilfeOeffnen(*Form);
    QVERIFY(Form->MenuHilfeHistory->isEnabled());
    Form->Klick(Form->MenuHilfeHistory);

    QPointer<TTextfenster> Fenster = Form->HistoryFenster();
    QVERIFY(Fenster);
    QVERIFY(Fenster->isVisible());
    QVERIFY2(!Fenster->isModal() && !QApplication::activeModalWidget(), "das Fenster ist nicht modal");
    QVERIFY(Fenster->isWindow());
    QVERIFY(Fenster->Text->isReadOnly());
    QCOMPARE(Fenster->Text->toPlainText(), QStringLiteral("Version 1.01\nÄnderungen\n"));
    QVERIFY2(Fenster->windowTitle().startsWith(QStringLiteral("History.txt")), qPrintable(Fenster->windowTitle()));
    QTRY_COMPARE(QApplication::activeWindow(), Fenster.data());
    // The main window stays usable beside it.
    QVERIFY(Form->isEnabled());

    // Again while it is open, minimised and behind the main window: the same window comes to the front, the
    // file is not read a second time.
    Ablegen(ProgOrdner() + QStringLiteral("History.txt"), "Version 1.02\n");
    Fenster->setWindowState(Qt::WindowMinimized);
    Form->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), Form.get());
    HilfeOeffnen(*Form);
    Form->Klick(Form->MenuHilfeHistory);
    QCOMPARE(Form->HistoryFenster(), Fenster.data());
    QCOMPARE(Textfenster(*Form).size(), 1);
    QVERIFY(!Fenster->isMinimized());
    QTRY_COMPARE(QApplication::activeWindow(), Fenster.data());
    QCOMPARE(Fenster->Text->toPlainText(), QStringLiteral("Version 1.01\nÄnderungen\n"));

    // Esc closes it; the next command opens the file afresh.
    QTest::keyClick(Fenster->Text, Qt::Key_Escape);
    QTRY_VERIFY(!Fenster);
    QVERIFY(!Form->HistoryFenster());
    Form->Klick(Form->MenuHilfeHistory);
    QVERIFY(Form->HistoryFenster());
    QCOMPARE(Textfenster(*Form).size(), 1);
    QCOMPARE(Form->HistoryFenster()->Text->toPlainText(), QStringLiteral("Version 1.02\n"));
    // Its button closes it too.
    Form->HistoryFenster()->Schliessen->click();
    QTRY_VERIFY(Textfenster(*Form).isEmpty());
}

void TstHilfe::changeListText_data() {
    QTest::addColumn<QByteArray>("Inhalt");
    QTest::addColumn<QString>("Text");
    QTest::newRow("UTF-8") << QByteArray("Änderungen – 1.01\r\n") << QStringLiteral("Änderungen – 1.01\n");
    QTest::newRow("UTF-8 mit BOM") << QByteArray("\xEF\xBB\xBF"
                                                 "Größe")
                                   << QStringLiteral("Größe");
    QTest::newRow("Windows-1252") << QByteArray("\xC4nderungen \x80 \x96 1.01")
                                  << QStringLiteral("Änderungen € – 1.01");
    QTest::newRow("leer") << QByteArray() << QString();
}

void TstHilfe::changeListText() {
    QFETCH(QByteArray, Inhalt);
    QFETCH(QString, Text);
    // From the share folder of an installed program.
    Ablegen(FOrdner->path() + QStringLiteral("/share/stundolog/History.txt"), Inhalt);
    auto Form = Start();
    HilfeOeffnen(*Form);
    Form->Klick(Form->MenuHilfeHistory);
    QVERIFY(Form->HistoryFenster());
    QCOMPARE(Form->HistoryFenster()->Text->toPlainText(), Text);
    Form->HistoryFenster()->close();
}

void TstHilfe::changeListVerschwunden() {
    // The file goes between the opening of the menu and the command: a message, no empty window.
    Ablegen(ProgOrdner() + QStringLiteral("History.txt"));
    auto Form = Start();
    HilfeOeffnen(*Form);
    QVERIFY(QFile::remove(ProgOrdner() + QStringLiteral("History.txt")));
    TModalHelfer Helfer;
    Helfer.Antwort(QMessageBox::Ok);
    Form->Klick(Form->MenuHilfeHistory);
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Helfer.Texte,
             QStringList{QStringLiteral("Die Datei \"%1History.txt\" konnte nicht gelesen werden.").arg(ProgOrdner())});
    QVERIFY(Textfenster(*Form).isEmpty());
}

void TstHilfe::adressen_data() {
    QTest::addColumn<QString>("Aktion");
    QTest::addColumn<QString>("Url"); // as shown to a user: a blank stays a blank
    QTest::newRow("Homepage") << "MenuHilfeHomepage"
                              << "https://www.stundolog.de";
    QTest::newRow("Mail") << "MenuHilfeMail"
                          << "mailto:kontakt@stundolog.de?subject=Stundolog V1.01";
    QTest::newRow("Spenden") << "MenuHilfeSpenden"
                             << "https://www.stundolog.de/spenden.htm";
}

void TstHilfe::adressen() {
    QFETCH(QString, Aktion);
    QFETCH(QString, Url);
    auto Form = Start();
    TAufrufe Aufrufe;
    Einsetzen(*Form, Aufrufe);
    HilfeOeffnen(*Form);
    TModalHelfer Helfer; // nothing is reported
    Form->Klick(Form->Aktion(Aktion));
    QCOMPARE(Aufrufe.Urls.size(), 1);
    QVERIFY2(Aufrufe.Urls.first().isValid(), qPrintable(Aufrufe.Urls.first().errorString()));
    QCOMPARE(Aufrufe.Urls.first().toDisplayString(), Url);
    QVERIFY(Aufrufe.Programme.isEmpty());
    QCOMPARE(Helfer.Unerwartet, 0);
}

void TstHilfe::info() {
    auto Form = Start();
    TAufrufe Aufrufe;
    Einsetzen(*Form, Aufrufe);
    TModalHelfer Helfer;
    Helfer.Antwort(QMessageBox::Ok);
    HilfeOeffnen(*Form);
    Form->Klick(Form->MenuHilfeInfo);
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Helfer.Symbole, QList<QMessageBox::Icon>{QMessageBox::Information});
    const QStringList Zeilen = Helfer.Texte.value(0).split(QStringLiteral("\r\n"));
    // The title, the purpose and eleven lines of notice and contact data.
    QCOMPARE(Zeilen.size(), 13);
    QCOMPARE(Zeilen.at(0), QStringLiteral("Stundolog V1.01"));
    QCOMPARE(Zeilen.at(1), QStringLiteral("Ein Programm zur Verwaltung von Stundologen."));
    for (const QString &Teil : {QStringLiteral("https://www.stundolog.de"), QStringLiteral("kontakt@stundolog.de"),
                                QStringLiteral("GPL-3.0-or-later")})
        QVERIFY2(Helfer.Texte.value(0).contains(Teil), qPrintable(Teil));
    QVERIFY(Aufrufe.Urls.isEmpty() && Aufrufe.Programme.isEmpty());
}

QTEST_MAIN(TstHilfe)
#include "tst_hilfe.moc"
