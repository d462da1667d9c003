#include "dialogs/Fachliste.h"

#include "Dialoghilfe.h"
#include "Testhilfe.h"
#include "data/Klassendatei.h"
#include "dialogs/Layout.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TstFachliste : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void layout_data();
    void layout();
    void zeileVon13Pixeln();
    void vorauswahl_data();
    void vorauswahl();
    void bedienung_data();
    void bedienung();
    void programmauswahlListetNicht();
    void ergebnis();
    void gleicherKlassenname();
    void klasseOhneFaecher();
    void einFachJeZeile();
    void beenden_data();
    void beenden();
    void namenUndTabfolge();
    void schrift();

private:
    TKlassenListe Ordner() const { return KlassenListe(FOrdner.filePath(QStringLiteral("x"))); }
    QTemporaryDir FOrdner;
};

namespace {
constexpr qint32 Montag = 45348; // a week key; the dialog does not look at weeks

bool Speichern(const QTemporaryDir &AOrdner, const QString &ADatei, TDaten ADaten) {
    return ADaten.SaveToFile(AOrdner.filePath(ADatei));
}

// What the switch command does before showing: the class list, the open class's line, its subject.
void Vorbereiten(TFachlisteForm &AForm, TKlassenListe AListe, const QString &AKlasse, const QString &AFach) {
    AForm.SchriftartZuweisen({Pixel(14), Qt::black}, Qt::white);
    AForm.KlassenZuweisen(std::move(AListe));
    AForm.KlasseWaehlen(AKlasse);
    AForm.FachnamenZuweisen(AFach);
}

int GewaehlteZeile(const QListWidget *AListe) {
    const QList<QListWidgetItem *> Gewaehlt = AListe->selectedItems();
    return Gewaehlt.isEmpty() ? -1 : AListe->row(Gewaehlt.first());
}

const QStringList Faecher4a{"Biologie", "Deutsch", "Mathe"};
const QStringList Faecher5b{"Musik", "Deutsch", "Kunst"}; // stored in this order, not sorted
} // namespace

// The data folder: 4a, 5b and 7c, which has no subjects; a file of another format is left out of the list.
void TstFachliste::initTestCase() {
    QVERIFY(FOrdner.isValid());
    QVERIFY(Speichern(FOrdner, QStringLiteral("4A.SGV"),
                      Klasse("4a", {{"Biologie", {}}, {"Deutsch", {{Montag, "Lesen"}}}, {"Mathe", {}}})));
    QVERIFY(
        Speichern(FOrdner, QStringLiteral("5B.SGV"), Klasse("5b", {{"Musik", {}}, {"Deutsch", {}}, {"Kunst", {}}})));
    QVERIFY(Speichern(FOrdner, QStringLiteral("7C.SGV"), Klasse("7c", {})));
    QVERIFY(DateiSchreiben(FOrdner.filePath(QStringLiteral("Fremd.SGV")), QByteArray("\x00\x05XYZ01", 7)));
    QCOMPARE(Ordner().size(), std::size_t(3));
}

void TstFachliste::cleanup() {
    QVERIFY2(!QApplication::activeModalWidget(), "a dialog was left open");
}

void TstFachliste::layout_data() {
    LayoutGroessen();
}

void TstFachliste::layout() {
    QFETCH(int, Groesse);
    TFachlisteForm Form;
    Form.SchriftartZuweisen({Pixel(Groesse), Qt::black}, Qt::white);
    Form.SchalterEinrichten();

    const QRect Schirm = Layout::Bildschirm();
    const int Hoehe = Schirm.height();
    const int Knopf = Zeile(Pixel(Groesse)) + 12;
    const int Liste = (Hoehe - Knopf - 10 - 10 - 20) / 2;
    QCOMPARE(Form.size(), QSize(625, Hoehe));
    QCOMPARE(Form.pos(), QPoint(std::max(0, (Schirm.width() - 625) / 2 - 1), 0));
    QCOMPARE(Form.Button1->geometry(), QRect(125, Hoehe - Knopf - 10, 125, Knopf));
    QCOMPARE(Form.Button2->geometry(), QRect(375, Hoehe - Knopf - 10, 125, Knopf));
    QCOMPARE(Form.ListBox1->geometry(), QRect(10, 10, 605, Liste));
    QCOMPARE(Form.ListBox2->geometry(), QRect(10, 10 + Liste + 10, 605, Liste));
}

void TstFachliste::zeileVon13Pixeln() {
    const QFont Schrift = SchriftMit13();
    if (Schrift.family().isEmpty())
        QSKIP("no installed font size has a 13-pixel line");
    TFachlisteForm Form;
    Form.SchriftartZuweisen({Schrift, Qt::black}, Qt::white);
    Form.SchalterEinrichten();
    const int Hoehe = Layout::Bildschirm().height();
    QCOMPARE(Form.Button1->size(), QSize(125, 25));
    QCOMPARE(Form.width(), 625);
    QCOMPARE(Form.ListBox2->geometry().bottom() + 1, 10 + 2 * ((Hoehe - 25 - 10 - 30) / 2) + 10);
}

void TstFachliste::vorauswahl_data() {
    QTest::addColumn<QString>("Klasse");
    QTest::addColumn<int>("KlassenZeile");
    QTest::addColumn<QString>("Fach");
    QTest::addColumn<QStringList>("Faecher");
    QTest::addColumn<int>("FachVorher");  // before the dialog shows
    QTest::addColumn<int>("FachGezeigt"); // once it is up
    QTest::addColumn<bool>("OkS");
    QTest::newRow("4a Deutsch") << "4a" << 0 << "Deutsch" << Faecher4a << 1 << 1 << true;
    QTest::newRow("andere Schreibweise") << "4A" << 0 << "deutsch" << Faecher4a << 1 << 1 << true;
    QTest::newRow("5b Kunst") << "5b" << 1 << "Kunst" << Faecher5b << 2 << 2 << true;
    QTest::newRow("Fach nicht in der Klasse") << "4a" << 0 << "Kunst" << Faecher4a << -1 << 0 << true;
    QTest::newRow("Klasse nicht im Ordner") << "9z" << 0 << "Musik" << Faecher4a << -1 << 0 << true;
    QTest::newRow("keine Klasse offen") << "" << 0 << "" << Faecher4a << 0 << 0 << true;
    QTest::newRow("Klasse ohne Fächer") << "7c" << 2 << "" << QStringList() << -1 << -1 << false;
}

void TstFachliste::vorauswahl() {
    QFETCH(QString, Klasse);
    QFETCH(QString, Fach);
    QFETCH(int, KlassenZeile);
    QFETCH(QStringList, Faecher);
    QFETCH(int, FachVorher);
    QFETCH(int, FachGezeigt);
    QFETCH(bool, OkS);
    TFachlisteForm Form;
    Vorbereiten(Form, Ordner(), Klasse, Fach);
    QCOMPARE(Listenzeilen(Form.ListBox1), QStringList({"4a", "5b", "7c"}));
    QCOMPARE(GewaehlteZeile(Form.ListBox1), KlassenZeile);
    QCOMPARE(Listenzeilen(Form.ListBox2), Faecher);
    QCOMPARE(Form.FachIndex(), FachVorher);
    QCOMPARE(Form.Button1->isEnabled(), OkS);

    Form.open();
    QTRY_COMPARE(QApplication::focusWidget(), Form.ListBox1);
    QCOMPARE(GewaehlteZeile(Form.ListBox1), KlassenZeile);
    QCOMPARE(Form.ListBox1->currentRow(), KlassenZeile);
    QCOMPARE(Form.FachIndex(), FachGezeigt);
    QCOMPARE(Form.Button1->isEnabled(), OkS);
    QVERIFY(Form.GewaehlteKlasse());
    QCOMPARE(Form.GewaehlteKlasse()->Text, Listenzeilen(Form.ListBox1).at(KlassenZeile));
    Form.reject();
}

void TstFachliste::bedienung_data() {
    QTest::addColumn<QList<int>>("Tasten"); // pressed in the class list
    QTest::addColumn<int>("KlickZeile");    // or a click on this line
    QTest::addColumn<int>("KlassenZeile");
    QTest::addColumn<QStringList>("Faecher");
    QTest::addColumn<int>("FachIndex");
    QTest::addColumn<bool>("OkS");
    // Each starts from 4a with Deutsch.
    QTest::newRow("Pfeil runter") << QList<int>{Qt::Key_Down} << -1 << 1 << Faecher5b << 0 << true;
    QTest::newRow("runter und wieder hoch")
        << QList<int>{Qt::Key_Down, Qt::Key_Up} << -1 << 0 << Faecher4a << 0 << true;
    QTest::newRow("hoch in der ersten Zeile") << QList<int>{Qt::Key_Up} << -1 << 0 << Faecher4a << 1 << true;
    QTest::newRow("Ende") << QList<int>{Qt::Key_End} << -1 << 2 << QStringList() << -1 << false;
    QTest::newRow("Anfangszeichen") << QList<int>{Qt::Key_5} << -1 << 1 << Faecher5b << 0 << true;
    QTest::newRow("Klick auf 5b") << QList<int>() << 1 << 1 << Faecher5b << 0 << true;
    QTest::newRow("Klick auf 7c") << QList<int>() << 2 << 2 << QStringList() << -1 << false;
    QTest::newRow("Klick auf die gewählte Klasse") << QList<int>() << 0 << 0 << Faecher4a << 1 << true;
}

void TstFachliste::bedienung() {
    QFETCH(QList<int>, Tasten);
    QFETCH(int, KlickZeile);
    QFETCH(int, KlassenZeile);
    QFETCH(QStringList, Faecher);
    QFETCH(int, FachIndex);
    QFETCH(bool, OkS);
    TFachlisteForm Form;
    Vorbereiten(Form, Ordner(), QStringLiteral("4a"), QStringLiteral("Deutsch"));
    Form.open();
    QTRY_COMPARE(QApplication::focusWidget(), Form.ListBox1);
    for (int Taste : Tasten)
        QTest::keyClick(Form.ListBox1, Qt::Key(Taste));
    if (KlickZeile >= 0)
        QTest::mouseClick(Form.ListBox1->viewport(), Qt::LeftButton, {},
                          Form.ListBox1->visualItemRect(Form.ListBox1->item(KlickZeile)).center());
    QCOMPARE(GewaehlteZeile(Form.ListBox1), KlassenZeile);
    QCOMPARE(Form.GewaehlteKlasse()->Text, Listenzeilen(Form.ListBox1).at(KlassenZeile));
    QCOMPARE(Listenzeilen(Form.ListBox2), Faecher);
    QCOMPARE(Form.FachIndex(), FachIndex);
    QCOMPARE(Form.Button1->isEnabled(), OkS);
    Form.reject();
}

void TstFachliste::programmauswahlListetNicht() {
    // Selections the program makes leave the subject list alone; only the opener's FachnamenZuweisen lists.
    TFachlisteForm Form;
    Vorbereiten(Form, Ordner(), QStringLiteral("4a"), QStringLiteral("Mathe"));
    Form.KlasseWaehlen(QStringLiteral("5b"));
    QCOMPARE(GewaehlteZeile(Form.ListBox1), 1);
    QCOMPARE(Listenzeilen(Form.ListBox2), Faecher4a);
    QCOMPARE(Form.FachIndex(), 2);
    Form.ListBox1->setCurrentRow(2);
    QCOMPARE(Listenzeilen(Form.ListBox2), Faecher4a);
    Form.FachnamenZuweisen(QString());
    QVERIFY(Listenzeilen(Form.ListBox2).isEmpty());
    QVERIFY(!Form.Button1->isEnabled());

    // Nor does a new class list: it selects no class and empties the subjects.
    Form.KlassenZuweisen(Ordner());
    QCOMPARE(GewaehlteZeile(Form.ListBox1), -1);
    QVERIFY(!Form.GewaehlteKlasse());
    QVERIFY(Listenzeilen(Form.ListBox2).isEmpty());
    QCOMPARE(Form.FachIndex(), -1);
}

void TstFachliste::ergebnis() {
    TFachlisteForm Form;
    Vorbereiten(Form, Ordner(), QStringLiteral("4a"), QStringLiteral("Mathe"));
    bool HaengtS = false;
    const int Ende = MitExec(
        Form,
        [&Form] {
            QTest::keyClick(Form.ListBox1, Qt::Key_Down);
            QTest::keyClick(Form.ListBox1, Qt::Key_Tab);
            QTest::keyClick(Form.ListBox2, Qt::Key_Down);
            QTest::keyClick(Form.ListBox2, Qt::Key_Return);
        },
        HaengtS);
    QVERIFY2(!HaengtS, "Enter did not end the dialog");
    QCOMPARE(Ende, int(QDialog::Accepted));
    const TKlassenEintrag *Gewaehlt = Form.GewaehlteKlasse();
    QVERIFY(Gewaehlt);
    QCOMPARE(Gewaehlt->Text, QStringLiteral("5b"));
    QCOMPARE(Gewaehlt->Daten.Filename, FOrdner.filePath(QStringLiteral("5B.SGV")));
    QCOMPARE(Form.FachIndex(), 1);
    QCOMPARE(Gewaehlt->Daten.Fach(Form.FachIndex()).Fachname, QStringLiteral("Deutsch"));
}

void TstFachliste::gleicherKlassenname() {
    QTemporaryDir Doppelt;
    QVERIFY(Doppelt.isValid());
    QVERIFY(Speichern(Doppelt, QStringLiteral("4A.SGV"), Klasse("4a", {{"Deutsch", {}}, {"Mathe", {}}})));
    QVERIFY(Speichern(Doppelt, QStringLiteral("4A1.SGV"), Klasse("4a", {{"Sport", {}}})));
    TKlassenListe Liste = KlassenListe(Doppelt.filePath(QStringLiteral("x")));
    QCOMPARE(Liste.size(), std::size_t(2));
    const QString ZweiteDatei = Liste[1].Daten.Filename;
    const QStringList ZweiteFaecher = Zeilen(Liste[1].Daten.FachnamenListe());

    TFachlisteForm Form;
    Vorbereiten(Form, std::move(Liste), QStringLiteral("4A"), QString());
    QCOMPARE(Listenzeilen(Form.ListBox1), QStringList({"4a", "4a"}));
    QCOMPARE(GewaehlteZeile(Form.ListBox1), 0);
    bool HaengtS = false;
    const int Ende = MitExec(
        Form,
        [&Form] {
            QTest::keyClick(Form.ListBox1, Qt::Key_Down);
            QTest::keyClick(Form.ListBox1, Qt::Key_Return);
        },
        HaengtS);
    QVERIFY(!HaengtS);
    QCOMPARE(Ende, int(QDialog::Accepted));
    QCOMPARE(Form.GewaehlteKlasse()->Daten.Filename, ZweiteDatei);
    QCOMPARE(Listenzeilen(Form.ListBox2), ZweiteFaecher);
    QCOMPARE(Form.FachIndex(), 0);
}

void TstFachliste::klasseOhneFaecher() {
    TFachlisteForm Form;
    Vorbereiten(Form, Ordner(), QStringLiteral("7c"), QString());
    Form.open();
    QTRY_COMPARE(QApplication::focusWidget(), Form.ListBox1);
    QVERIFY(!Form.Button1->isEnabled());
    QTest::keyClick(Form.ListBox1, Qt::Key_Return);
    QVERIFY(QTest::qWaitForWindowActive(&Form));
    QTest::keyClick(Form.ListBox1, Qt::Key_K, Qt::AltModifier);
    QVERIFY(!Form.Button1->isDown()); // an enabled button would be down now and click after its animation
    QVERIFY(Form.isVisible());
    // Another class brings subjects and OK back.
    QTest::keyClick(Form.ListBox1, Qt::Key_Home);
    QCOMPARE(Listenzeilen(Form.ListBox2), Faecher4a);
    QVERIFY(Form.Button1->isEnabled());
    QTest::keyClick(Form.ListBox1, Qt::Key_Escape);
    QTRY_VERIFY(!Form.isVisible());
    QCOMPARE(Form.result(), int(QDialog::Rejected));
}

void TstFachliste::einFachJeZeile() {
    // A subject name with a line break inside (only a foreign file holds one) stays one line, so the line
    // number is still the subject's position.
    QTemporaryDir Ordner8;
    QVERIFY(Ordner8.isValid());
    QVERIFY(Speichern(Ordner8, QStringLiteral("8D.SGV"),
                      Klasse("8d", {{"Werken\r\nTextil", {}}, {"Sport", {}}, {"Zeichnen", {}}})));
    TFachlisteForm Form;
    Vorbereiten(Form, KlassenListe(Ordner8.filePath(QStringLiteral("x"))), QStringLiteral("8d"),
                QStringLiteral("Sport"));
    QCOMPARE(Form.ListBox2->count(), 3);
    QCOMPARE(Form.FachIndex(), 1);
    QCOMPARE(Form.GewaehlteKlasse()->Daten.Fach(Form.FachIndex()).Fachname, QStringLiteral("Sport"));
}

void TstFachliste::beenden_data() {
    QTest::addColumn<int>("Taste");
    QTest::addColumn<int>("Modifikator");
    QTest::addColumn<int>("Ergebnis");
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier) << int(QDialog::Accepted);
    QTest::newRow("Alt+K") << int(Qt::Key_K) << int(Qt::AltModifier) << int(QDialog::Accepted);
    QTest::newRow("Esc") << int(Qt::Key_Escape) << int(Qt::NoModifier) << int(QDialog::Rejected);
    QTest::newRow("Alt+A") << int(Qt::Key_A) << int(Qt::AltModifier) << int(QDialog::Rejected);
}

void TstFachliste::beenden() {
    QFETCH(int, Taste);
    QFETCH(int, Modifikator);
    QFETCH(int, Ergebnis);
    TFachlisteForm Form;
    Vorbereiten(Form, Ordner(), QStringLiteral("5b"), QStringLiteral("Kunst"));
    bool HaengtS = false;
    const int Ende = MitExec(
        Form,
        [&Form, Taste, Modifikator] {
            // Accelerators reach only the active window.
            if (QTest::qWaitForWindowActive(&Form))
                QTest::keyClick(Form.ListBox1, Qt::Key(Taste), Qt::KeyboardModifiers(Modifikator));
        },
        HaengtS);
    QVERIFY(!HaengtS);
    QCOMPARE(Ende, Ergebnis);
    QCOMPARE(Form.GewaehlteKlasse()->Text, QStringLiteral("5b"));
    QCOMPARE(Form.FachIndex(), 2);
}

void TstFachliste::namenUndTabfolge() {
    TFachlisteForm Form;
    QCOMPARE(Form.windowTitle(), QStringLiteral("Wechsle Klasse/Fach"));
    QCOMPARE(Form.objectName(), QStringLiteral("FachlisteForm"));
    QCOMPARE(Form.findChild<QListWidget *>(QStringLiteral("ListBox1")), Form.ListBox1);
    QCOMPARE(Form.findChild<QListWidget *>(QStringLiteral("ListBox2")), Form.ListBox2);
    QCOMPARE(Form.findChild<QPushButton *>(QStringLiteral("Button1")), Form.Button1);
    QCOMPARE(Form.findChild<QPushButton *>(QStringLiteral("Button2")), Form.Button2);
    QCOMPARE(Form.ListBox1->accessibleName(), QStringLiteral("Klassen"));
    QCOMPARE(Form.ListBox2->accessibleName(), QStringLiteral("Fächer"));
    QCOMPARE(Form.Button1->text(), QStringLiteral("O&K"));
    QCOMPARE(Form.Button1->accessibleName(), QStringLiteral("OK"));
    QCOMPARE(Form.Button2->text(), QStringLiteral("&Abbrechen"));
    QCOMPARE(Form.Button2->accessibleName(), QStringLiteral("Abbrechen"));
    QVERIFY(Form.Button1->isDefault());

    Vorbereiten(Form, Ordner(), QStringLiteral("4a"), QStringLiteral("Deutsch"));
    Form.open();
    QTRY_COMPARE(QApplication::focusWidget(), Form.ListBox1);
    const QList<QWidget *> Reihe{Form.ListBox2, Form.Button1, Form.Button2, Form.ListBox1};
    for (QWidget *Naechstes : Reihe) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), Naechstes);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTRY_COMPARE(QApplication::focusWidget(), Form.Button2);
    // Moving through the lists by Tab changes no choice.
    QCOMPARE(GewaehlteZeile(Form.ListBox1), 0);
    QCOMPARE(Form.FachIndex(), 1);
    Form.reject();
}

void TstFachliste::schrift() {
    TFachlisteForm Form;
    const QColor KnopfText = Form.Button1->palette().color(QPalette::ButtonText);
    Form.SchriftartZuweisen({Pixel(20, QStringLiteral("DejaVu Serif")), Qt::red}, QColor(255, 255, 0));
    for (QListWidget *Liste : {Form.ListBox1, Form.ListBox2}) {
        QCOMPARE(Liste->font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(Liste->palette().color(QPalette::Text), QColor(Qt::red));
        QCOMPARE(Liste->palette().color(QPalette::Base), QColor(255, 255, 0));
    }
    QCOMPARE(Form.Button2->font().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(Form.Button2->palette().color(QPalette::ButtonText), KnopfText);
}

QTEST_MAIN(TstFachliste)
#include "tst_fachliste.moc"
