#include "backup/Sichern.h"

#include "../dialogs/Dialoghilfe.h"
#include "Modal.h"
#include "Sicherungshilfe.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTimer>
#include <QtTest>

using namespace Sicherungshilfe;

namespace {
QStringList LogZeilen(const QPlainTextEdit *ALog) {
    return ALog->toPlainText().split(QLatin1Char('\n'));
}

TLaufwerk Laufwerk(const QString &AWurzel, TLaufwerksArt AArt, const QString &AName, const QString &ANetzname = {},
                   bool BereitS = true, bool NurLesenS = false) {
    return {AWurzel, AArt, AName, ANetzname, BereitS, NurLesenS};
}
} // namespace

// The backup dialog offscreen, with folders of a temporary directory standing in for the volumes.
class TstSichern : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void zeileVon13Pixeln();
    void namenUndTabfolge();
    void schrift();
    void reText();
    void liste_data();
    void liste();
    void keinLeererOrdnerBleibt();
    void keineLaufwerke_data();
    void keineLaufwerke();
    void aktualisieren_data();
    void aktualisieren();
    void escapeImLog();
    void sichern();
    void wiederherstellen();
    void pruefungGescheitert();
    void kopierFehler();
    void datenordnerIstSicherungsordner();
    void schliessenWaehrendDesLaufs();

private:
    QString W(const QString &AName = {}) const { return FOrdner->path() + QLatin1Char('/') + AName; }
    // A volume "stick" and the data folder "daten/", both existing.
    void Einfach(TSichernForm &AForm, bool SichernS) {
        QVERIFY(QDir().mkpath(W(QStringLiteral("stick"))));
        QVERIFY(QDir().mkpath(W(QStringLiteral("daten"))));
        AForm.LaufwerksQuelle = [this] {
            return QList<TLaufwerk>{Laufwerk(W(QStringLiteral("stick/")), TLaufwerksArt::Wechsel, "Stick")};
        };
        AForm.DatenOrdner = W(QStringLiteral("daten/"));
        AForm.SichernS = SichernS;
    }
    // Shows the dialog without a modal loop of its own and waits for the first scan.
    bool Zeigen(TSichernForm &AForm) {
        AForm.show();
        return QTest::qWaitForWindowExposed(&AForm) &&
               QTest::qWaitFor([&AForm] { return AForm.Button1->isEnabled(); }, 5000);
    }
    std::unique_ptr<QTemporaryDir> FOrdner;
};

void TstSichern::init() {
    FOrdner = std::make_unique<QTemporaryDir>();
}

void TstSichern::cleanup() {
    QTRY_VERIFY2(!QApplication::activeModalWidget(), "a dialog was left open");
    FOrdner.reset();
}

void TstSichern::layout_data() {
    LayoutGroessen();
}

void TstSichern::layout() {
    QFETCH(int, Groesse);
    TSichernForm Form;
    Form.SchriftartZuweisen({Pixel(Groesse), Qt::black}, Qt::white);
    Form.SchalterEinrichten();

    const int Knopf = Zeile(Pixel(Groesse)) + 12;
    const int Hoehe = Layout::Bildschirm().height();
    const int Oben = Hoehe - Knopf - 10;
    QCOMPARE(Form.size(), QSize(875, Hoehe));
    QCOMPARE(Form.Button1->geometry(), QRect(125, Oben, 125, Knopf));
    QCOMPARE(Form.Button2->geometry(), QRect(375, Oben, 125, Knopf));
    QCOMPARE(Form.Button3->geometry(), QRect(625, Oben, 125, Knopf));
    const int Liste = (Oben - 10 - 20) / 2;
    QCOMPARE(Form.ListBox1->geometry(), QRect(10, 10, 855, Liste));
    QCOMPARE(Form.RichEdit1->geometry(), QRect(10, 10 + Liste + 10, 855, Liste));
    QVERIFY(Form.Fortschritt->isHidden());
}

void TstSichern::zeileVon13Pixeln() {
    const QFont Schrift = SchriftMit13();
    if (Schrift.family().isEmpty())
        QSKIP("no installed font size has a 13-pixel line");
    TSichernForm Form;
    Form.SchriftartZuweisen({Schrift, Qt::black}, Qt::white);
    Form.SchalterEinrichten();
    QCOMPARE(Form.Button1->size(), QSize(125, 25));
    QCOMPARE(Form.width(), 875);
}

void TstSichern::namenUndTabfolge() {
    TSichernForm Form;
    QCOMPARE(Form.windowTitle(), QStringLiteral("Datendateien sichern nach"));
    QCOMPARE(Form.Button1->text(), QStringLiteral("&Sichern"));
    QCOMPARE(Form.Button2->text(), QStringLiteral("&Aktualisieren"));
    QCOMPARE(Form.Button3->text(), QStringLiteral("S&chließen"));
    QCOMPARE(Form.Button3->accessibleName(), QStringLiteral("Schließen"));
    QCOMPARE(Form.PuAktualisieren->text(), QStringLiteral("Aktualisieren"));
    QCOMPARE(Form.PuAktualisieren->shortcut(), QKeySequence(Qt::Key_F5));
    QCOMPARE(Form.ListBox1->accessibleName(), QStringLiteral("Laufwerke"));
    QCOMPARE(Form.Fortschritt->accessibleName(), QStringLiteral("Fortschritt"));
    QVERIFY(Form.Button1->isDefault());
    QVERIFY(!Form.Button1->isEnabled());
    QVERIFY(Form.RichEdit1->isReadOnly());

    Einfach(Form, true);
    QVERIFY(Zeigen(Form));
    QCOMPARE(LogZeilen(Form.RichEdit1), QStringList{QStringLiteral("Kopierverlauf:")});
    QTRY_COMPARE(QApplication::focusWidget(), Form.ListBox1);
    for (QWidget *Naechstes : {static_cast<QWidget *>(Form.RichEdit1), static_cast<QWidget *>(Form.Button1),
                               static_cast<QWidget *>(Form.Button2), static_cast<QWidget *>(Form.Button3),
                               static_cast<QWidget *>(Form.ListBox1)}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), Naechstes);
    }
    Form.reject();
}

void TstSichern::schrift() {
    TSichernForm Form;
    const QColor KnopfText = Form.Button1->palette().color(QPalette::ButtonText);
    Form.SchriftartZuweisen({Pixel(20, QStringLiteral("DejaVu Serif")), Qt::red}, QColor(255, 255, 0));
    for (QWidget *Feld : {static_cast<QWidget *>(Form.ListBox1), static_cast<QWidget *>(Form.RichEdit1)}) {
        QCOMPARE(Feld->font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(Feld->palette().color(QPalette::Text), QColor(Qt::red));
        QCOMPARE(Feld->palette().color(QPalette::Base), QColor(255, 255, 0));
    }
    QCOMPARE(Form.Button3->font().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(Form.Button1->palette().color(QPalette::ButtonText), KnopfText);
}

void TstSichern::reText() {
    TSichernForm Form;
    Form.ReText(QStringLiteral("Kopierverlauf:"), true);
    Form.ReText(QStringLiteral("Kopiere: \"5a.SGV\" ..."), false);
    Form.ReText(QStringLiteral("Vergleiche: \"5a.SGV\" ..."), false);
    QCOMPARE(LogZeilen(Form.RichEdit1),
             (QStringList{"Kopierverlauf:", "Kopiere: \"5a.SGV\" ...", "Vergleiche: \"5a.SGV\" ..."}));
    // The caret stands at the start of the newest line, where a screen reader reads it.
    const QString Text = Form.RichEdit1->toPlainText();
    QCOMPARE(Form.RichEdit1->textCursor().position(),
             int(Text.size() - QStringLiteral("Vergleiche: \"5a.SGV\" ...").size()));
    Form.ReText(QStringLiteral("Kopierverlauf:"), true);
    QCOMPARE(Form.RichEdit1->toPlainText(), QStringLiteral("Kopierverlauf:"));
    QCOMPARE(Form.RichEdit1->textCursor().position(), 0);
}

void TstSichern::liste_data() {
    QTest::addColumn<bool>("SichernS");
    QTest::addColumn<QStringList>("Eintraege"); // %1: the test folder
    QTest::newRow("sichern") << true
                             << QStringList{"%1/netz //SERVER/FREIGABE", "%1/netz2 [NAS]", "%1/platte [DATEN]",
                                            "%1/ram []", "%1/stick [Stick]"};
    QTest::newRow("wiederherstellen") << false
                                      << QStringList{"%1/cd [CD-ÄB]", "%1/geschuetzt [ALT]", "%1/platte [DATEN]",
                                                     "%1/stick [Stick]"};
}

void TstSichern::liste() {
    QFETCH(bool, SichernS);
    QFETCH(QStringList, Eintraege);
    for (const char *Ordner :
         {"stick", "platte", "netz", "netz2", "cd", "ram", "geschuetzt", "fehlt", "fremd", "daten"})
        QVERIFY(QDir().mkpath(W(QString::fromLatin1(Ordner))));
    // Backup folders: an empty one on the stick, one with a class file elsewhere.
    QVERIFY(QDir().mkpath(W(QStringLiteral("stick/SgvDaten"))));
    for (const char *Datei : {"platte/SgvDaten/5a.SGV", "cd/SgvDaten/5a.SGV", "geschuetzt/SgvDaten/5a.SGV",
                              "fehlt/SgvDaten/5a.SGV", "fremd/SgvDaten/5a.SGV"})
        QVERIFY(Schreiben(W(QString::fromLatin1(Datei)), "SGV01"));
    TSichernForm Form;
    Form.SichernS = SichernS;
    Form.DatenOrdner = W(QStringLiteral("daten/"));
    Form.LaufwerksQuelle = [this] {
        return QList<TLaufwerk>{
            Laufwerk(W(QStringLiteral("cd/")), TLaufwerksArt::CdRom, QStringLiteral("Cd-äb"), {}, true, true),
            Laufwerk(W(QStringLiteral("fehlt/")), TLaufwerksArt::Wechsel, QStringLiteral("Leer"), {}, false),
            Laufwerk(W(QStringLiteral("fremd/")), TLaufwerksArt::Unbekannt, QStringLiteral("X")),
            Laufwerk(W(QStringLiteral("geschuetzt/")), TLaufwerksArt::Fest, QStringLiteral("alt"), {}, true, true),
            Laufwerk(W(QStringLiteral("netz/")), TLaufwerksArt::Netz, QStringLiteral("nas"),
                     QStringLiteral("//server/freigabe")),
            Laufwerk(W(QStringLiteral("netz2/")), TLaufwerksArt::Netz, QStringLiteral("nas")),
            Laufwerk(W(QStringLiteral("platte/")), TLaufwerksArt::Fest, QStringLiteral("Daten")),
            Laufwerk(W(QStringLiteral("ram/")), TLaufwerksArt::RamDisk, QString()),
            Laufwerk(W(QStringLiteral("stick/")), TLaufwerksArt::Wechsel, QStringLiteral("Stick")),
        };
    };
    QVERIFY(Zeigen(Form));
    QStringList Erwartet;
    for (const QString &Eintrag : Eintraege)
        Erwartet.append(Eintrag.arg(FOrdner->path()));
    QCOMPARE(Listenzeilen(Form.ListBox1), Erwartet);
    QCOMPARE(Form.ListBox1->currentRow(), 0);
    QTRY_COMPARE(QApplication::focusWidget(), Form.ListBox1);
    // The entry carries its root; the run never parses the text.
    QCOMPARE(Form.AuswahlWurzel(), Erwartet.first().section(QLatin1Char(' '), 0, 0) + QLatin1Char('/'));
    Form.reject();
}

void TstSichern::keinLeererOrdnerBleibt() {
    for (const char *Ordner : {"stick", "platte/SgvDaten", "ram/SgvDaten"})
        QVERIFY(QDir().mkpath(W(QString::fromLatin1(Ordner))));
    QVERIFY(Schreiben(W(QStringLiteral("platte/SgvDaten/5a.SGV")), "SGV01"));
    TSichernForm Form;
    Form.DatenOrdner = W(QStringLiteral("daten/"));
    Form.LaufwerksQuelle = [this] {
        return QList<TLaufwerk>{Laufwerk(W(QStringLiteral("platte/")), TLaufwerksArt::Fest, "P"),
                                Laufwerk(W(QStringLiteral("ram/")), TLaufwerksArt::RamDisk, "R"),
                                Laufwerk(W(QStringLiteral("stick/")), TLaufwerksArt::Wechsel, "S")};
    };
    QVERIFY(Zeigen(Form));
    QCOMPARE(Form.ListBox1->count(), 3);
    QVERIFY(!QFileInfo::exists(W(QStringLiteral("stick/SgvDaten"))));
    QVERIFY(!QFileInfo::exists(W(QStringLiteral("ram/SgvDaten"))));
    QCOMPARE(Lesen(W(QStringLiteral("platte/SgvDaten/5a.SGV"))), QByteArray("SGV01"));
    Form.reject();
}

void TstSichern::keineLaufwerke_data() {
    QTest::addColumn<bool>("SichernS");
    QTest::addColumn<QString>("Text");
    QTest::newRow("sichern") << true
                             << "Keine betriebsbereiten Laufwerke zum Sichern vorhanden!\r\nKlicken Sie auf "
                                "\"Aktualisieren\" um die Laufwerke erneut zu prüfen.";
    QTest::newRow("wiederherstellen") << false
                                      << "Keine betriebsbereiten Laufwerke mit Daten zum Wiederherstellen vorhanden!"
                                         "\r\nKlicken Sie auf \"Aktualisieren\" um die Laufwerke erneut zu prüfen.";
}

void TstSichern::keineLaufwerke() {
    QFETCH(bool, SichernS);
    QFETCH(QString, Text);
    QVERIFY(QDir().mkpath(W(QStringLiteral("stick"))));
    TSichernForm Form;
    Form.SichernS = SichernS;
    // Restore: a volume without a backup folder. Back up: a read-only one.
    Form.LaufwerksQuelle = [this] {
        return QList<TLaufwerk>{Laufwerk(W(QStringLiteral("stick/")), TLaufwerksArt::Wechsel, "S", {}, true, true)};
    };
    TModalHelfer Helfer;
    Helfer.Antwort(QMessageBox::Ok);
    Form.show();
    QTRY_COMPARE(Helfer.Offen(), 0);
    QCOMPARE(Helfer.Texte, QStringList{Text});
    QCOMPARE(Helfer.Symbole, QList<QMessageBox::Icon>{QMessageBox::Information});
    QCOMPARE(Form.focusWidget(), Form.Button2);
    QVERIFY(!Form.Button1->isEnabled());
    QCOMPARE(Form.ListBox1->count(), 0);
    QVERIFY(!QFileInfo::exists(W(QStringLiteral("stick/SgvDaten"))));
    Form.reject();
}

void TstSichern::aktualisieren_data() {
    QTest::addColumn<QString>("Wie");
    QTest::newRow("Knopf") << "Knopf";
    QTest::newRow("F5 in der Liste") << "Liste";
    QTest::newRow("F5 im Verlauf") << "Log";
    QTest::newRow("Kontextmenue") << "Menue";
}

void TstSichern::aktualisieren() {
    QFETCH(QString, Wie);
    QVERIFY(QDir().mkpath(W(QStringLiteral("a"))));
    QVERIFY(QDir().mkpath(W(QStringLiteral("b"))));
    TSichernForm Form;
    int Abfragen = 0;
    Form.LaufwerksQuelle = [this, &Abfragen] {
        ++Abfragen;
        QList<TLaufwerk> Liste{Laufwerk(W(QStringLiteral("a/")), TLaufwerksArt::Wechsel, "A")};
        if (Abfragen > 1) // a stick put in after the first scan
            Liste.append(Laufwerk(W(QStringLiteral("b/")), TLaufwerksArt::Wechsel, "B"));
        return Liste;
    };
    QVERIFY(Zeigen(Form));
    QCOMPARE(Form.ListBox1->count(), 1);
    if (Wie == QLatin1String("Knopf")) {
        Form.Button2->click();
    } else if (Wie == QLatin1String("Menue")) {
        Form.PuAktualisieren->trigger();
    } else {
        QWidget *Feld = Wie == QLatin1String("Liste") ? static_cast<QWidget *>(Form.ListBox1) : Form.RichEdit1;
        Feld->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), Feld);
        QTest::keyClick(Feld, Qt::Key_F5);
    }
    QCOMPARE(Abfragen, 2);
    QCOMPARE(Listenzeilen(Form.ListBox1), (QStringList{W(QStringLiteral("a [A]")), W(QStringLiteral("b [B]"))}));
    QVERIFY(Form.Button1->isEnabled());
    Form.reject();
}

void TstSichern::escapeImLog() {
    TSichernForm Form;
    Einfach(Form, true);
    bool HaengtS = false;
    const int Ergebnis = MitExec(
        Form,
        [&Form] {
            QVERIFY(QTest::qWaitFor([&Form] { return Form.Button1->isEnabled(); }, 5000));
            Form.RichEdit1->setFocus();
            QTest::keyClick(Form.RichEdit1, Qt::Key_Escape);
        },
        HaengtS);
    QVERIFY2(!HaengtS, "Escape in the log did not close the dialog");
    QCOMPARE(Ergebnis, int(QDialog::Rejected));
}

void TstSichern::sichern() {
    TSichernForm Form;
    Einfach(Form, true);
    const QByteArray Gross = Muster(65538, 7);
    QVERIFY(Schreiben(W(QStringLiteral("daten/5a.SGV")), Gross));
    QVERIFY(Schreiben(W(QStringLiteral("daten/6b.SGV")), QByteArray()));
    QVERIFY(Schreiben(W(QStringLiteral("daten/5a.SGV.BAK")), "alt"));
    QVERIFY(Schreiben(W(QStringLiteral("stick/SgvDaten/7c.SGV")), "andere Klasse"));
    QVERIFY(Zeigen(Form));
    TModalHelfer Helfer;
    Helfer.Antwort(QMessageBox::Ok);
    Form.Button1->click();
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Helfer.Texte, QStringList{QStringLiteral("Die Datendateien wurden erfolgreich in \"%1\" gesichert!")
                                           .arg(W(QStringLiteral("stick/SgvDaten/")))});
    QCOMPARE(Helfer.Symbole, QList<QMessageBox::Icon>{QMessageBox::Information});
    const QString Ziel = W(QStringLiteral("stick/SgvDaten/"));
    QCOMPARE(LogZeilen(Form.RichEdit1),
             (QStringList{"Kopierverlauf:", QStringLiteral("Kopiere: \"5a.SGV\" --> \"%1\" ...").arg(Ziel + "5a.SGV"),
                          QStringLiteral("Kopiere: \"6b.SGV\" --> \"%1\" ...").arg(Ziel + "6b.SGV"),
                          QStringLiteral("Vergleiche: \"5a.SGV\" --> \"%1\" ...").arg(Ziel + "5a.SGV"),
                          QStringLiteral("Vergleiche: \"6b.SGV\" --> \"%1\" ...").arg(Ziel + "6b.SGV")}));
    QCOMPARE(Lesen(Ziel + QStringLiteral("5a.SGV")), Gross);
    QCOMPARE(Lesen(Ziel + QStringLiteral("6b.SGV")), QByteArray());
    QCOMPARE(Inhalt(Ziel), (QStringList{"5a.SGV", "6b.SGV", "7c.SGV"}));
    QVERIFY(Form.Button1->isEnabled());
    QVERIFY(Form.Button2->isEnabled());
    QVERIFY(Form.Fortschritt->isHidden());
    QCOMPARE(Form.focusWidget(), Form.ListBox1);
    Form.reject();
}

void TstSichern::wiederherstellen() {
    TSichernForm Form;
    Einfach(Form, false);
    QVERIFY(Schreiben(W(QStringLiteral("stick/SgvDaten/5a.SGV")), Muster(131074, 8)));
    QVERIFY(Schreiben(W(QStringLiteral("daten/5a.SGV")), "alter Stand"));
    QVERIFY(Schreiben(W(QStringLiteral("daten/9z.SGV")), "nur hier"));
    Form.setWindowTitle(QStringLiteral("Datendateien wiederherstellen von"));
    QVERIFY(Zeigen(Form));
    TModalHelfer Helfer;
    Helfer.Antwort(QMessageBox::Ok);
    Form.Button1->click();
    QCOMPARE(Helfer.Texte,
             QStringList{QStringLiteral("Die Datendateien wurden erfolgreich von \"%1\" wiederhergestellt!")
                             .arg(W(QStringLiteral("stick/SgvDaten/")))});
    QCOMPARE(LogZeilen(Form.RichEdit1),
             (QStringList{
                 "Kopierverlauf:", QStringLiteral("Kopiere: \"%1\" --> \"5a.SGV\" ...").arg(W("stick/SgvDaten/5a.SGV")),
                 QStringLiteral("Vergleiche: \"%1\" --> \"5a.SGV\" ...").arg(W("stick/SgvDaten/5a.SGV"))}));
    QCOMPARE(Lesen(W(QStringLiteral("daten/5a.SGV"))), Muster(131074, 8));
    QCOMPARE(Lesen(W(QStringLiteral("daten/9z.SGV"))), QByteArray("nur hier"));
    Form.reject();
}

void TstSichern::pruefungGescheitert() {
    TSichernForm Form;
    Einfach(Form, true);
    QVERIFY(Schreiben(W(QStringLiteral("daten/5a.SGV.BAK")), "nur eine Sicherungsdatei"));
    QVERIFY(Zeigen(Form));
    TModalHelfer Helfer;
    Helfer.Antwort(QMessageBox::Ok);
    Form.Button1->click();
    QCOMPARE(Helfer.Texte, QStringList{QStringLiteral("Es sind keine Datendateien zum Sichern vorhanden!")});
    QCOMPARE(LogZeilen(Form.RichEdit1), QStringList{QStringLiteral("Kopierverlauf:")});
    // The backup folder was made before the check and stays until the next scan.
    QVERIFY(QFileInfo(W(QStringLiteral("stick/SgvDaten"))).isDir());
    QVERIFY(!Form.Button1->isEnabled());
    QCOMPARE(Form.focusWidget(), Form.Button2);
    Form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Form));
    QTest::keyClick(Form.Button2, Qt::Key_F5);
    QVERIFY(Form.Button1->isEnabled());
    QVERIFY(!QFileInfo::exists(W(QStringLiteral("stick/SgvDaten"))));
    Form.reject();
}

void TstSichern::kopierFehler() {
    TSichernForm Form;
    Einfach(Form, true);
    QVERIFY(Schreiben(W(QStringLiteral("daten/a.SGV")), "erste"));
    QVERIFY(QFile::link(W(QStringLiteral("daten/weg.SGV")), W(QStringLiteral("daten/b.SGV"))));
    QVERIFY(Zeigen(Form));
    TModalHelfer Helfer;
    Helfer.Antwort(QMessageBox::Ok);
    Form.Button1->click();
    QCOMPARE(Helfer.Texte,
             QStringList{QStringLiteral("Fehler beim Kopieren der Datei \"%1\" nach \"%2\"!\r\n"
                                        "Der Kopiervorgang wird abgebrochen.")
                             .arg(W(QStringLiteral("daten/b.SGV")), W(QStringLiteral("stick/SgvDaten/")))});
    QCOMPARE(Helfer.Symbole, QList<QMessageBox::Icon>{QMessageBox::Critical});
    QCOMPARE(LogZeilen(Form.RichEdit1).size(), 3); // two copy lines, no comparison
    QVERIFY(Form.Button1->isEnabled());
    QCOMPARE(Form.focusWidget(), Form.ListBox1);
    Form.reject();
}

void TstSichern::datenordnerIstSicherungsordner() {
    TSichernForm Form;
    Einfach(Form, true);
    Form.DatenOrdner = W(QStringLiteral("stick/SgvDaten/"));
    QVERIFY(Schreiben(W(QStringLiteral("stick/SgvDaten/5a.SGV")), Muster(1000)));
    QVERIFY(Zeigen(Form));
    TModalHelfer Helfer;
    Helfer.Antwort(QMessageBox::Ok);
    Form.Button1->click();
    QCOMPARE(Helfer.Symbole, QList<QMessageBox::Icon>{QMessageBox::Critical});
    QVERIFY2(Helfer.Texte.value(0).contains(QStringLiteral("ist selbst der Sicherungsordner")),
             qPrintable(Helfer.Texte.value(0)));
    QCOMPARE(Lesen(W(QStringLiteral("stick/SgvDaten/5a.SGV"))), Muster(1000));
    QVERIFY(!Form.Button1->isEnabled());
    Form.reject();
}

void TstSichern::schliessenWaehrendDesLaufs() {
    TSichernForm Form;
    Einfach(Form, true);
    const QByteArray Gross = Muster(40 * 65537 + 11, 3);
    QVERIFY(Schreiben(W(QStringLiteral("daten/5a.SGV")), Gross));
    QVERIFY(Zeigen(Form));

    // Looked at while the run copies: the progress is shown, the buttons are blocked, a close waits.
    bool BalkenS = false, Knopf1S = true, Knopf2S = true, NachSchliessenSichtbarS = false;
    int Wert = -1;
    QTimer::singleShot(0, &Form, [&] {
        BalkenS = Form.Fortschritt->isVisible();
        Wert = Form.Fortschritt->value();
        Knopf1S = Form.Button1->isEnabled();
        Knopf2S = Form.Button2->isEnabled();
        QTest::keyClick(Form.RichEdit1, Qt::Key_Escape);
        Form.reject();
        NachSchliessenSichtbarS = Form.isVisible();
    });
    TModalHelfer Helfer;
    Helfer.Antwort(QMessageBox::Ok);
    QVERIFY(Form.Laeuft() == false);
    Form.Button1->click();
    QVERIFY2(BalkenS, "the progress bar was not shown during the run");
    QVERIFY(Wert >= 0 && Wert < 100);
    QVERIFY(!Knopf1S);
    QVERIFY(!Knopf2S);
    QVERIFY2(NachSchliessenSichtbarS, "the dialog closed in the middle of the run");
    // The run ended with its message; then the close request took effect.
    QCOMPARE(Helfer.Texte.size(), 1);
    QVERIFY(Helfer.Texte.first().startsWith(QStringLiteral("Die Datendateien wurden erfolgreich")));
    QCOMPARE(Lesen(W(QStringLiteral("stick/SgvDaten/5a.SGV"))), Gross);
    QVERIFY(!Form.isVisible());
    QCOMPARE(Form.result(), int(QDialog::Rejected));
}

QTEST_MAIN(TstSichern)
#include "tst_sichern.moc"
