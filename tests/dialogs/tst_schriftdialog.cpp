#include "dialogs/Schriftdialog.h"

#include "Dialoghilfe.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

#include <functional>

class TstSchriftdialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void unveraendert_data();
    void unveraendert();
    void farbeWaehlen_data();
    void farbeWaehlen();
    void eigeneFarbe();
    void stilGezeigt_data();
    void stilGezeigt();
    void stil_data();
    void stil();
    void effekteAnklicken_data();
    void effekteAnklicken();
    void abbrechen_data();
    void abbrechen();
    void tasten_data();
    void tasten();
    void namen();
    void fokusUndReihenfolge();
    void eingebettet();

private:
    QTranslator FQtTexte;
};

namespace {
// The font as a readable line, so that a failed comparison shows every attribute at once.
QString Beschreibung(const QFont &AFont) {
    QString Text = AFont.family();
    Text += AFont.pointSizeF() > 0 ? QStringLiteral(" %1pt").arg(AFont.pointSizeF())
                                   : QStringLiteral(" %1px").arg(AFont.pixelSize());
    if (AFont.bold())
        Text += QStringLiteral(" fett");
    if (AFont.italic())
        Text += QStringLiteral(" kursiv");
    if (AFont.underline())
        Text += QStringLiteral(" unterstrichen");
    if (AFont.strikeOut())
        Text += QStringLiteral(" durchgestrichen");
    return Text;
}

QFont SchriftMit(const QString &AFamilie, int APunkte, bool AFettS = false, bool AKursivS = false,
                 bool AUnterstrichenS = false, bool ADurchgestrichenS = false) {
    QFont Font(AFamilie);
    Font.setPointSize(APunkte);
    Font.setBold(AFettS);
    Font.setItalic(AKursivS);
    Font.setUnderline(AUnterstrichenS);
    Font.setStrikeOut(ADurchgestrichenS);
    return Font;
}

QColor Fenstertext() {
    return QApplication::palette().color(QPalette::WindowText);
}

bool Installiert(const QString &AFamilie) {
    return QFontDatabase::families().contains(AFamilie);
}

// The three lists of the embedded dialog: faces, styles, sizes.
QList<QListView *> Listen(const TSchriftDialog &ADialog) {
    return ADialog.FontDialog1->findChildren<QListView *>();
}

QCheckBox *Kaestchen(const TSchriftDialog &ADialog, const QString &AName) {
    const QList<QCheckBox *> Alle = ADialog.FontDialog1->findChildren<QCheckBox *>();
    for (QCheckBox *Kasten : Alle)
        if (OhneKuerzel(Kasten->text()) == AName)
            return Kasten;
    return nullptr;
}

QLineEdit *GroessenFeld(const TSchriftDialog &ADialog) {
    const QList<QLineEdit *> Felder = ADialog.FontDialog1->findChildren<QLineEdit *>();
    for (QLineEdit *Feld : Felder)
        if (Feld->accessibleName() == QStringLiteral("Größe"))
            return Feld;
    return nullptr;
}

// The row of a list that shows AText, -1 when none does.
int Zeile(const QListView *AListe, const QString &AText) {
    for (int Nr = 0; Nr < AListe->model()->rowCount(); ++Nr)
        if (AListe->model()->index(Nr, 0).data().toString() == AText)
            return Nr;
    return -1;
}

// Whether the style AStil of AFont's face has AFont's weight class and slant (an oblique style is slanted too).
bool PasstS(const QFont &AFont, const QString &AStil) {
    const QFont Stil = QFontDatabase::font(AFont.family(), AStil, 12);
    return Stil.bold() == AFont.bold() && Stil.italic() == AFont.italic();
}

// Chooses AFont in the embedded dialog as a user does: the face and a style in their lists (the plainest style of
// that weight and slant), the size typed, the effects ticked with the space bar. False when a part is not offered.
bool Auswaehlen(TSchriftDialog &ADialog, const QFont &AFont) {
    const QList<QListView *> Drei = Listen(ADialog);
    QLineEdit *Groesse = GroessenFeld(ADialog);
    QCheckBox *Unterstrichen = Kaestchen(ADialog, QStringLiteral("Unterstrichen"));
    QCheckBox *Durchgestrichen = Kaestchen(ADialog, QStringLiteral("Durchgestrichen"));
    if (Drei.size() != 3 || !Groesse || !Unterstrichen || !Durchgestrichen)
        return false;
    const int Familie = Zeile(Drei[0], AFont.family());
    if (Familie < 0)
        return false;
    Drei[0]->setCurrentIndex(Drei[0]->model()->index(Familie, 0));
    int Stil = -1;
    for (int Nr = 0; Nr < Drei[1]->model()->rowCount(); ++Nr) {
        const QString Name = Drei[1]->model()->index(Nr, 0).data().toString();
        if (PasstS(AFont, Name) &&
            (Stil < 0 || Name.size() < Drei[1]->model()->index(Stil, 0).data().toString().size()))
            Stil = Nr;
    }
    if (Stil < 0)
        return false;
    Drei[1]->setCurrentIndex(Drei[1]->model()->index(Stil, 0));
    Groesse->selectAll();
    QTest::keyClicks(Groesse, QString::number(AFont.pointSize()));
    if (Unterstrichen->isChecked() != AFont.underline())
        QTest::keyClick(Unterstrichen, Qt::Key_Space);
    if (Durchgestrichen->isChecked() != AFont.strikeOut())
        QTest::keyClick(Durchgestrichen, Qt::Key_Space);
    return true;
}

// Answers the font dialog that the code under test shows modally: AAktion runs once it is up. A dialog that
// AAktion did not end is closed after ten seconds and counted in Haengt, so the test fails instead of hanging.
class TAntwort : public QObject {
public:
    explicit TAntwort(std::function<void(TSchriftDialog *)> AAktion) : FAktion(std::move(AAktion)) {
        connect(&FSuche, &QTimer::timeout, this, [this] {
            auto *Dialog = qobject_cast<TSchriftDialog *>(QApplication::activeModalWidget());
            if (!Dialog || !Dialog->isVisible())
                return;
            FSuche.stop();
            ++Gezeigt;
            FAktion(Dialog);
            QTimer::singleShot(10000, Dialog, [this, Dialog] {
                ++Haengt;
                Dialog->done(-1);
            });
        });
        FSuche.start(5);
    }
    int Gezeigt = 0;
    int Haengt = 0;

private:
    std::function<void(TSchriftDialog *)> FAktion;
    QTimer FSuche;
};
} // namespace

void TstSchriftdialog::initTestCase() {
    // The program shows Qt's own labels in German; the names of the embedded controls come from them.
    QVERIFY2(FQtTexte.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)),
             "Qt's German translation (qtbase_de.qm) is missing");
    QCoreApplication::installTranslator(&FQtTexte);
    if (!Installiert(QStringLiteral("DejaVu Sans")) || !Installiert(QStringLiteral("DejaVu Serif")))
        QSKIP("the DejaVu fonts are not installed");
}

void TstSchriftdialog::cleanup() {
    QVERIFY2(!QApplication::activeModalWidget(), "a dialog was left open");
}

void TstSchriftdialog::unveraendert_data() {
    QTest::addColumn<QFont>("Font");
    QTest::addColumn<QColor>("Farbe");
    QTest::addColumn<bool>("SystemS");
    QTest::addColumn<QString>("Eintrag");
    QTest::addColumn<QColor>("Erwartet");
    const QColor Rot(255, 0, 0);
    // With "Automatisch" the given colour does not count: the window text colour comes back.
    QTest::newRow("Automatisch") << SchriftMit("DejaVu Sans", 12) << Rot << true << "Automatisch" << QColor();
    QTest::newRow("Schwarz ist nicht Automatisch")
        << SchriftMit("DejaVu Sans", 12) << QColor(0, 0, 0) << false << "Schwarz" << QColor(0, 0, 0);
    QTest::newRow("fett kursiv, Rot") << SchriftMit("DejaVu Serif", 20, true, true) << Rot << false << "Rot" << Rot;
    QTest::newRow("unterstrichen durchgestrichen, Marineblau")
        << SchriftMit("DejaVu Sans", 9, false, false, true, true) << QColor(0, 0, 128) << false << "Marineblau"
        << QColor(0, 0, 128);
    QTest::newRow("Weiß") << SchriftMit("DejaVu Sans Mono", 36) << QColor(255, 255, 255) << false << "Weiß"
                          << QColor(255, 255, 255);
    QTest::newRow("eigene Farbe") << SchriftMit("DejaVu Sans", 14, true) << QColor(1, 2, 3) << false
                                  << "Benutzerdefiniert" << QColor(1, 2, 3);
    QTest::newRow("eigene Farbe nahe Rot")
        << SchriftMit("DejaVu Sans", 14) << QColor(254, 0, 0) << false << "Benutzerdefiniert" << QColor(254, 0, 0);
    // A face that is not installed: the list shows a stand-in, and OK without a change keeps the face.
    QTest::newRow("nicht installierte Schrift") << SchriftMit("Gibtsnicht Grotesk", 13, true, true, true)
                                                << QColor(0, 128, 0) << false << "Grün" << QColor(0, 128, 0);
    QTest::newRow("Arial, Voreinstellung") << SchriftMit("Arial", 12) << QColor() << true << "Automatisch" << QColor();
}

void TstSchriftdialog::unveraendert() {
    QFETCH(QFont, Font);
    QFETCH(QColor, Farbe);
    QFETCH(bool, SystemS);
    QFETCH(QString, Eintrag);
    QFETCH(QColor, Erwartet);
    if (!Erwartet.isValid())
        Erwartet = Fenstertext();

    TSchrift Gewaehlt{Font, Farbe};
    bool System = SystemS;
    QString Gezeigt;
    TAntwort Antwort([&](TSchriftDialog *ADialog) {
        Gezeigt = ADialog->ComboBox1->currentText();
        ADialog->Button1->click();
    });
    QVERIFY(TSchriftDialog::Waehlen(nullptr, Gewaehlt, System));
    QCOMPARE(Antwort.Gezeigt, 1);
    QCOMPARE(Antwort.Haengt, 0);
    QCOMPARE(Gezeigt, Eintrag);
    QCOMPARE(Beschreibung(Gewaehlt.Font), Beschreibung(Font));
    QCOMPARE(Gewaehlt.Farbe.toRgb(), Erwartet.toRgb());
    QCOMPARE(System, SystemS);
}

void TstSchriftdialog::farbeWaehlen_data() {
    QTest::addColumn<int>("Nr");
    QTest::addColumn<QString>("Name");
    QTest::addColumn<QColor>("Farbe"); // invalid: the window text colour
    const QList<QPair<const char *, QColor>> Tabelle{
        {"Automatisch", QColor()},         {"Schwarz", QColor(0, 0, 0)},      {"Dunkelrot", QColor(128, 0, 0)},
        {"Grün", QColor(0, 128, 0)},       {"Olivgrün", QColor(128, 128, 0)}, {"Marineblau", QColor(0, 0, 128)},
        {"Violett", QColor(128, 0, 128)},  {"Blaugrün", QColor(0, 128, 128)}, {"Grau", QColor(128, 128, 128)},
        {"Silber", QColor(192, 192, 192)}, {"Rot", QColor(255, 0, 0)},        {"Hellgrün", QColor(0, 255, 0)},
        {"Gelb", QColor(255, 255, 0)},     {"Blau", QColor(0, 0, 255)},       {"Fuchsie", QColor(255, 0, 255)},
        {"Aqua", QColor(0, 255, 255)},     {"Weiß", QColor(255, 255, 255)},
    };
    for (int Nr = 0; Nr < Tabelle.size(); ++Nr)
        QTest::newRow(Tabelle[Nr].first) << Nr << QString::fromUtf8(Tabelle[Nr].first) << Tabelle[Nr].second;
}

void TstSchriftdialog::farbeWaehlen() {
    QFETCH(int, Nr);
    QFETCH(QString, Name);
    QFETCH(QColor, Farbe);
    const bool SystemS = !Farbe.isValid();
    if (SystemS)
        Farbe = Fenstertext();

    QCOMPARE(TSchriftDialog::Farben().size(), 16);
    if (Nr > 0) {
        QCOMPARE(TSchriftDialog::Farben().at(Nr - 1).Name, Name);
        QCOMPARE(TSchriftDialog::Farben().at(Nr - 1).Farbe, Farbe);
    }

    // Shown on a colour of the settings; the user picks the entry.
    TSchriftDialog Dialog;
    Dialog.Setzen({SchriftMit("DejaVu Sans", 12), QColor(10, 20, 30)}, false);
    QCOMPARE(Dialog.ComboBox1->count(), 18);
    QCOMPARE(Dialog.ComboBox1->itemText(Nr), Name);
    bool HaengtS = false;
    const int Ergebnis = MitExec(
        Dialog,
        [&] {
            Dialog.ComboBox1->setCurrentIndex(Nr);
            Dialog.Button1->click();
        },
        HaengtS);
    QVERIFY(!HaengtS);
    QCOMPARE(Ergebnis, int(QDialog::Accepted));
    QCOMPARE(Dialog.SystemFarbe(), SystemS);
    QCOMPARE(Dialog.Schrift().Farbe.toRgb(), Farbe.toRgb());
    QCOMPARE(Beschreibung(Dialog.Schrift().Font), Beschreibung(SchriftMit("DejaVu Sans", 12)));

    // The sample text of the font dialog shows the chosen colour.
    const auto *Beispiel = Dialog.FontDialog1->findChild<QLineEdit *>(QStringLiteral("qt_fontDialog_sampleEdit"));
    QVERIFY(Beispiel);
    QCOMPARE(Beispiel->palette().color(QPalette::Text).toRgb(), Farbe.toRgb());
}

void TstSchriftdialog::eigeneFarbe() {
    // Only one entry for a colour of the settings, holding the latest one; none when the colour is in the list.
    TSchriftDialog Dialog;
    const QFont Font = SchriftMit("DejaVu Sans", 12);
    Dialog.Setzen({Font, QColor(1, 2, 3)}, false);
    QCOMPARE(Dialog.ComboBox1->count(), 18);
    QCOMPARE(Dialog.ComboBox1->currentIndex(), 17);
    Dialog.Setzen({Font, QColor(4, 5, 6)}, false);
    QCOMPARE(Dialog.ComboBox1->count(), 18);
    QCOMPARE(Dialog.ComboBox1->currentText(), QStringLiteral("Benutzerdefiniert"));
    QCOMPARE(Dialog.Schrift().Farbe, QColor(4, 5, 6));
    QVERIFY(!Dialog.SystemFarbe());

    // Away to "Rot" and back: the colour of the settings is still there.
    Dialog.ComboBox1->setCurrentIndex(Dialog.ComboBox1->findText(QStringLiteral("Rot")));
    QCOMPARE(Dialog.Schrift().Farbe, QColor(255, 0, 0));
    Dialog.ComboBox1->setCurrentIndex(17);
    QCOMPARE(Dialog.Schrift().Farbe, QColor(4, 5, 6));

    Dialog.Setzen({Font, QColor(255, 0, 0)}, false);
    QCOMPARE(Dialog.ComboBox1->count(), 17);
    QCOMPARE(Dialog.ComboBox1->currentText(), QStringLiteral("Rot"));
    Dialog.Setzen({Font, QColor(4, 5, 6)}, true);
    QCOMPARE(Dialog.ComboBox1->count(), 17);
    QCOMPARE(Dialog.ComboBox1->currentText(), QStringLiteral("Automatisch"));
    QVERIFY(Dialog.SystemFarbe());
    QCOMPARE(Dialog.Schrift().Farbe.toRgb(), Fenstertext().toRgb());
}

void TstSchriftdialog::stilGezeigt_data() {
    QTest::addColumn<QFont>("Font");
    QTest::newRow("Sans normal") << SchriftMit("DejaVu Sans", 12);
    QTest::newRow("Sans fett") << SchriftMit("DejaVu Sans", 12, true);
    QTest::newRow("Sans kursiv") << SchriftMit("DejaVu Sans", 18, false, true);
    QTest::newRow("Sans fett kursiv") << SchriftMit("DejaVu Sans", 24, true, true);
    QTest::newRow("Serif fett kursiv") << SchriftMit("DejaVu Serif", 11, true, true);
    QTest::newRow("Mono fett") << SchriftMit("DejaVu Sans Mono", 10, true);
}

void TstSchriftdialog::stilGezeigt() {
    // The lists show the font that was set: face, a style of its weight and slant, its size.
    QFETCH(QFont, Font);
    TSchriftDialog Dialog;
    Dialog.Setzen({Font, QColor()}, true);
    const QList<QListView *> Drei = Listen(Dialog);
    QCOMPARE(Drei.size(), 3);
    QCOMPARE(Drei[0]->currentIndex().data().toString(), Font.family());
    const QString Stil = Drei[1]->currentIndex().data().toString();
    QVERIFY2(PasstS(Font, Stil), qPrintable(QStringLiteral("style \"%1\" shown for %2").arg(Stil, Beschreibung(Font))));
    QVERIFY2(!Stil.contains(QLatin1String("Condensed")), qPrintable(Stil));
    QVERIFY(GroessenFeld(Dialog));
    QCOMPARE(GroessenFeld(Dialog)->text(), QString::number(Font.pointSize()));
    QCOMPARE(Beschreibung(Dialog.FontDialog1->currentFont()), Beschreibung(Font));
}

void TstSchriftdialog::stil_data() {
    QTest::addColumn<QFont>("Vorher");
    QTest::addColumn<QFont>("Nachher");
    const QFont Schlicht = SchriftMit("DejaVu Serif", 11);
    const QFont Alles = SchriftMit("DejaVu Serif", 11, true, true, true, true);
    QTest::newRow("fett") << Schlicht << SchriftMit("DejaVu Sans", 16, true);
    QTest::newRow("kursiv") << Schlicht << SchriftMit("DejaVu Sans", 16, false, true);
    QTest::newRow("fett kursiv unterstrichen") << Schlicht << SchriftMit("DejaVu Sans", 16, true, true, true);
    QTest::newRow("durchgestrichen") << Schlicht << SchriftMit("DejaVu Serif", 11, false, false, false, true);
    QTest::newRow("nur größer") << Schlicht << SchriftMit("DejaVu Serif", 28);
    QTest::newRow("alles ab") << Alles << SchriftMit("DejaVu Serif", 11);
    QTest::newRow("nur nicht mehr fett") << Alles << SchriftMit("DejaVu Serif", 11, false, true, true, true);
    QTest::newRow("andere Familie, Stil bleibt") << Alles << SchriftMit("DejaVu Sans", 11, true, true, true, true);
}

void TstSchriftdialog::stil() {
    QFETCH(QFont, Vorher);
    QFETCH(QFont, Nachher);
    TSchriftDialog Dialog;
    Dialog.Setzen({Vorher, QColor(0, 0, 255)}, false);
    bool HaengtS = false;
    bool GewaehltS = false;
    const int Ergebnis = MitExec(
        Dialog,
        [&] {
            GewaehltS = Auswaehlen(Dialog, Nachher);
            Dialog.Button1->click();
        },
        HaengtS);
    QVERIFY(!HaengtS);
    QVERIFY2(GewaehltS, "the font could not be chosen in the dialog");
    QCOMPARE(Ergebnis, int(QDialog::Accepted));
    QCOMPARE(Beschreibung(Dialog.Schrift().Font), Beschreibung(Nachher));
    QCOMPARE(Dialog.Schrift().Farbe, QColor(0, 0, 255));
    QVERIFY(!Dialog.SystemFarbe());
}

void TstSchriftdialog::effekteAnklicken_data() {
    QTest::addColumn<QString>("Kasten");
    QTest::addColumn<bool>("UnterstrichenS");
    QTest::addColumn<bool>("DurchgestrichenS");
    QTest::newRow("Unterstrichen") << "Unterstrichen" << true << false;
    QTest::newRow("Durchgestrichen") << "Durchgestrichen" << false << true;
}

void TstSchriftdialog::effekteAnklicken() {
    QFETCH(QString, Kasten);
    QFETCH(bool, UnterstrichenS);
    QFETCH(bool, DurchgestrichenS);
    TSchriftDialog Dialog;
    Dialog.Setzen({SchriftMit("DejaVu Sans", 12, true), QColor()}, true);
    bool HaengtS = false;
    const int Ergebnis = MitExec(
        Dialog,
        [&] {
            QCheckBox *Haken = Kaestchen(Dialog, Kasten);
            if (Haken)
                QTest::mouseClick(Haken, Qt::LeftButton, {}, QPoint(Haken->height() / 2, Haken->height() / 2));
            Dialog.Button1->click();
        },
        HaengtS);
    QVERIFY(!HaengtS);
    QVERIFY2(Kaestchen(Dialog, Kasten), qPrintable(QStringLiteral("no check box \"%1\"").arg(Kasten)));
    QCOMPARE(Ergebnis, int(QDialog::Accepted));
    QCOMPARE(Beschreibung(Dialog.Schrift().Font),
             Beschreibung(SchriftMit("DejaVu Sans", 12, true, false, UnterstrichenS, DurchgestrichenS)));
}

void TstSchriftdialog::abbrechen_data() {
    QTest::addColumn<QString>("Weg");
    QTest::newRow("Escape in der Schriftenliste") << "Escape";
    QTest::newRow("Abbrechen-Knopf") << "Knopf";
    QTest::newRow("Schließfeld") << "Schliessen";
}

void TstSchriftdialog::abbrechen() {
    QFETCH(QString, Weg);
    const TSchrift Vorher{SchriftMit("DejaVu Serif", 11, false, true), QColor(1, 2, 3)};
    TSchrift Gewaehlt = Vorher;
    bool System = false;
    TAntwort Antwort([&](TSchriftDialog *ADialog) {
        // Everything changed before the dialog is cancelled.
        ADialog->FontDialog1->setCurrentFont(SchriftMit("DejaVu Sans", 30, true, false, true));
        ADialog->ComboBox1->setCurrentIndex(0);
        if (Weg == QLatin1String("Escape"))
            QTest::keyClick(ADialog->FamilienListe(), Qt::Key_Escape);
        else if (Weg == QLatin1String("Knopf"))
            ADialog->Button2->click();
        else
            ADialog->close();
    });
    QVERIFY(!TSchriftDialog::Waehlen(nullptr, Gewaehlt, System));
    QCOMPARE(Antwort.Gezeigt, 1);
    QCOMPARE(Antwort.Haengt, 0);
    QCOMPARE(Beschreibung(Gewaehlt.Font), Beschreibung(Vorher.Font));
    QCOMPARE(Gewaehlt.Farbe, Vorher.Farbe);
    QVERIFY(!System);
}

void TstSchriftdialog::tasten_data() {
    // Enter and Escape act on the whole dialog from wherever the focus is, also inside the embedded font dialog.
    QTest::addColumn<int>("Feld"); // 0..2 the lists of face, style and size; 3 a check box; 4 the colours
    QTest::addColumn<int>("Taste");
    QTest::addColumn<int>("Ergebnis");
    const QList<QPair<const char *, int>> Felder{
        {"Schriftenliste", 0}, {"Stilliste", 1}, {"Größenliste", 2}, {"Kästchen", 3}, {"Farben", 4}};
    for (const auto &Feld : Felder) {
        QTest::addRow("Enter, %s", Feld.first) << Feld.second << int(Qt::Key_Return) << int(QDialog::Accepted);
        QTest::addRow("Escape, %s", Feld.first) << Feld.second << int(Qt::Key_Escape) << int(QDialog::Rejected);
    }
}

void TstSchriftdialog::tasten() {
    QFETCH(int, Feld);
    QFETCH(int, Taste);
    QFETCH(int, Ergebnis);
    TSchriftDialog Dialog;
    Dialog.Setzen({SchriftMit("DejaVu Sans", 12), QColor(0, 0, 128)}, false);
    const QList<QListView *> Drei = Listen(Dialog);
    QCOMPARE(Drei.size(), 3);
    QWidget *Ziel = Feld < 3    ? static_cast<QWidget *>(Drei.at(Feld))
                    : Feld == 3 ? static_cast<QWidget *>(Kaestchen(Dialog, QStringLiteral("Unterstrichen")))
                                : static_cast<QWidget *>(Dialog.ComboBox1);
    QVERIFY(Ziel);
    bool HaengtS = false;
    const int Wert = MitExec(
        Dialog,
        [&] {
            Ziel->setFocus(Qt::TabFocusReason);
            QTest::keyClick(Ziel, Qt::Key(Taste));
        },
        HaengtS);
    QVERIFY2(!HaengtS, "the key did not end the dialog");
    QCOMPARE(Wert, Ergebnis);
    // The embedded dialog never ends on its own: it is still part of the dialog for the next showing.
    QVERIFY(!Dialog.FontDialog1->isHidden());
    if (Ergebnis == QDialog::Accepted)
        QCOMPARE(Dialog.Schrift().Farbe, QColor(0, 0, 128));
}

void TstSchriftdialog::namen() {
    TSchriftDialog Dialog;
    QCOMPARE(Dialog.windowTitle(), QStringLiteral("Schriftart"));
    QCOMPARE(Dialog.Button1->text(), QStringLiteral("O&K"));
    QCOMPARE(Dialog.Button2->text(), QStringLiteral("&Abbrechen"));
    QVERIFY(Dialog.Button1->isDefault());
    QCOMPARE(Dialog.Label1->text(), QStringLiteral("&Farbe:"));
    QCOMPARE(Dialog.Label1->buddy(), Dialog.ComboBox1);

    // The embedded controls are named as their German labels read.
    const QList<QListView *> Drei = Listen(Dialog);
    QCOMPARE(Drei.size(), 3);
    QCOMPARE(Drei.at(0), Dialog.FamilienListe());
    QCOMPARE(Drei.at(0)->accessibleName(), QStringLiteral("Schriftart"));
    QCOMPARE(Drei.at(1)->accessibleName(), QStringLiteral("Schriftstil"));
    QCOMPARE(Drei.at(2)->accessibleName(), QStringLiteral("Größe"));

    // Every control that can take the focus tells a screen reader its name.
    Dialog.open();
    QTRY_VERIFY(Dialog.isVisible());
    QStringList Namen;
    const QList<QWidget *> Alle = Dialog.findChildren<QWidget *>();
    for (QWidget *Widget : Alle) {
        if (!Widget->isVisible() || !(Widget->focusPolicy() & Qt::TabFocus) || Widget->focusProxy())
            continue;
        const QString Name = Widget->accessibleName();
        QVERIFY2(!Name.isEmpty(),
                 qPrintable(QStringLiteral("%1 \"%2\" has no accessible name")
                                .arg(QString::fromLatin1(Widget->metaObject()->className()), Widget->objectName())));
        Namen.append(Name);
    }
    for (const QString &Erwartet :
         {QStringLiteral("Schriftart"), QStringLiteral("Schriftstil"), QStringLiteral("Größe"),
          QStringLiteral("Durchgestrichen"), QStringLiteral("Unterstrichen"), QStringLiteral("Schriftsystem"),
          QStringLiteral("Beispiel"), QStringLiteral("Farbe"), QStringLiteral("OK"), QStringLiteral("Abbrechen")})
        QVERIFY2(Namen.contains(Erwartet), qPrintable(Erwartet + QStringLiteral(" not among ") + Namen.join(u',')));
    Dialog.reject();
}

void TstSchriftdialog::fokusUndReihenfolge() {
    TSchriftDialog Dialog;
    Dialog.Setzen({SchriftMit("DejaVu Sans", 12), QColor()}, true);
    Dialog.open();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(Dialog.FamilienListe()));

    // The colour comes after the font dialog's controls, then OK and Cancel; its label's accelerator reaches it.
    QTest::keyClick(&Dialog, Qt::Key_F, Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(Dialog.ComboBox1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(Dialog.Button1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(Dialog.Button2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(Dialog.FamilienListe()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(Dialog.Button2));
    Dialog.reject();
}

void TstSchriftdialog::eingebettet() {
    TSchriftDialog Dialog;
    Dialog.open();
    QTRY_VERIFY(Dialog.isVisible());
    // Qt's dialog is a part of ours, not a window of its own, and shows no buttons of its own.
    QVERIFY(!Dialog.FontDialog1->isWindow());
    QVERIFY(Dialog.FontDialog1->isVisible());
    QVERIFY2(Dialog.rect().contains(Dialog.FontDialog1->geometry()), "the font dialog lies outside the dialog");
    QVERIFY(Dialog.FontDialog1->geometry().bottom() < Dialog.ComboBox1->geometry().top());
    const QList<QDialogButtonBox *> Knopfleisten = Dialog.FontDialog1->findChildren<QDialogButtonBox *>();
    for (const QDialogButtonBox *Leiste : Knopfleisten)
        QVERIFY(!Leiste->isVisible());
    int Fenster = 0;
    const QList<QWidget *> Oben = QApplication::topLevelWidgets();
    for (const QWidget *Widget : Oben)
        Fenster += Widget->isVisible() ? 1 : 0;
    QCOMPARE(Fenster, 1);
    Dialog.reject();
}

QTEST_MAIN(TstSchriftdialog)
#include "tst_schriftdialog.moc"
