#include "dialogs/Bezeichnung.h"

#include "Dialoghilfe.h"
#include "dialogs/Layout.h"
#include "dialogs/Namensfeld.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class TstBezeichnung : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void layout_data();
    void layout();
    void layoutErstBeimZeigen();
    void okZustand_data();
    void okZustand();
    void okBeimTippen();
    void schliessenTrimmt_data();
    void schliessenTrimmt();
    void abgelehnterNameBleibt();
    void namenUndTasten();
    void namensfeld();
    void schrift();
};

namespace {
// What the rename command sets before each showing.
void Vorbereiten(TBezeichnungForm &AForm, const QString &ACaption, const QString &ALabel, const QString &AText) {
    AForm.setWindowTitle(ACaption);
    AForm.Label1->setText(ALabel);
    AForm.Edit1->setText(AText);
}

// Where the controls belong for a font, worked out from the font alone.
struct TErwartet {
    QRect Label, Edit, Knopf1, Knopf2;
    QSize Client;
};

TErwartet Erwartet(const QFont &AFont, const QString &ALabelOhneKuerzel) {
    const QSize Label = QFontMetrics(AFont).size(0, ALabelOhneKuerzel);
    const int Links = 10 + Label.width() + 5;
    const int EditHoehe = Zeile(AFont) + 8;
    const int Knopf = Zeile(AFont) + 12;
    const int KnopfOben = 10 + EditHoehe + 10;
    return {QRect(QPoint(10, 10 + (EditHoehe - Label.height()) / 2), Label),
            QRect(Links, 10, 811 - Links - 10, EditHoehe), QRect(187, KnopfOben, 125, Knopf),
            QRect(499, KnopfOben, 125, Knopf), QSize(811, KnopfOben + Knopf + 10)};
}
} // namespace

void TstBezeichnung::cleanup() {
    QVERIFY2(!QApplication::activeModalWidget(), "a dialog was left open");
}

void TstBezeichnung::layout_data() {
    QTest::addColumn<int>("Groesse");
    QTest::addColumn<QString>("Label");
    QTest::newRow("Fach, 12 px") << 12 << "&Fachbezeichnung:";
    QTest::newRow("Fach, 16 px") << 16 << "&Fachbezeichnung:";
    QTest::newRow("Klasse, 12 px") << 12 << "Klassen&bezeichnung:";
    QTest::newRow("Klasse, 16 px") << 16 << "Klassen&bezeichnung:";
}

void TstBezeichnung::layout() {
    QFETCH(int, Groesse);
    QFETCH(QString, Label);
    TBezeichnungForm Form;
    Vorbereiten(Form, QStringLiteral("Fachbezeichnung ändern"), Label, QStringLiteral("Mathe"));
    Form.SchriftartZuweisen({Pixel(Groesse), Qt::black}, Qt::white);
    Form.SchalterEinrichten();

    const TErwartet Soll = Erwartet(Pixel(Groesse), OhneKuerzel(Label));
    QCOMPARE(Form.size(), Soll.Client);
    QCOMPARE(Form.Label1->geometry(), Soll.Label);
    QCOMPARE(Form.Edit1->geometry(), Soll.Edit);
    QCOMPARE(Form.Button1->geometry(), Soll.Knopf1);
    QCOMPARE(Form.Button2->geometry(), Soll.Knopf2);
    const QRect Schirm = Layout::Bildschirm();
    QCOMPARE(Form.pos(), QPoint(std::max(0, (Schirm.width() - 811) / 2 - 1),
                                std::max(0, (Schirm.height() - Soll.Client.height()) / 2 - 1)));
}

void TstBezeichnung::layoutErstBeimZeigen() {
    TBezeichnungForm Form;
    Vorbereiten(Form, QStringLiteral("Klassenbezeichnung ändern"), QStringLiteral("Klassen&bezeichnung:"),
                QStringLiteral("7b"));
    Form.SchriftartZuweisen({Pixel(12), Qt::black}, Qt::white);
    Form.open();
    QTRY_VERIFY(Form.isVisible());
    const TErwartet Klein = Erwartet(Pixel(12), QStringLiteral("Klassenbezeichnung:"));
    QCOMPARE(Form.Edit1->geometry(), Klein.Edit);
    QCOMPARE(Form.size(), Klein.Client);

    // A normal frame: the user may make the window larger or smaller.
    Form.resize(900, Klein.Client.height() + 40);
    QTRY_COMPARE(Form.size(), QSize(900, Klein.Client.height() + 40));
    Form.resize(600, Klein.Client.height());
    QTRY_COMPARE(Form.size(), QSize(600, Klein.Client.height()));
    Form.reject();

    // A new font takes effect at the next showing, not before.
    Form.SchriftartZuweisen({Pixel(16), Qt::black}, Qt::white);
    QCOMPARE(Form.Edit1->geometry(), Klein.Edit);
    Form.open();
    QTRY_VERIFY(Form.isVisible());
    const TErwartet Gross = Erwartet(Pixel(16), QStringLiteral("Klassenbezeichnung:"));
    QCOMPARE(Form.Edit1->geometry(), Gross.Edit);
    QCOMPARE(Form.Button2->geometry(), Gross.Knopf2);
    QCOMPARE(Form.size(), Gross.Client);
    Form.reject();
}

void TstBezeichnung::okZustand_data() {
    QTest::addColumn<QString>("Text");
    QTest::addColumn<bool>("OkS");
    QTest::newRow("Name") << "Mathe" << true;
    QTest::newRow("leer") << "" << false;
    QTest::newRow("nur Leerzeichen") << "   " << false;
    QTest::newRow("Leerzeichen und Tabulator") << " \t " << false;
    QTest::newRow("Zeilenumbruch") << "\r\n" << false;
    QTest::newRow("Name mit Leerzeichen") << "  7b  " << true;
    QTest::newRow("ein Zeichen") << "x" << true;
}

void TstBezeichnung::okZustand() {
    QFETCH(QString, Text);
    QFETCH(bool, OkS);
    TBezeichnungForm Form;
    // From a text of the other kind, so that the opener's text is a change.
    Vorbereiten(Form, QStringLiteral("Fachbezeichnung ändern"), QStringLiteral("&Fachbezeichnung:"),
                OkS ? QStringLiteral(" ") : QStringLiteral("Deutsch"));
    Form.Edit1->setText(Text);
    QCOMPARE(Form.Button1->isEnabled(), OkS);
    Form.open();
    QTRY_VERIFY(Form.isVisible());
    QCOMPARE(Form.Button1->isEnabled(), OkS);
    // Enter ends the dialog only with a name.
    QTest::keyClick(Form.Edit1, Qt::Key_Return);
    QCOMPARE(Form.isVisible(), !OkS);
    if (Form.isVisible())
        Form.reject();
    QCOMPARE(Form.result(), OkS ? int(QDialog::Accepted) : int(QDialog::Rejected));
}

void TstBezeichnung::okBeimTippen() {
    TBezeichnungForm Form;
    QVERIFY(!Form.Button1->isEnabled()); // a new dialog's field is empty
    Vorbereiten(Form, QStringLiteral("Fachbezeichnung ändern"), QStringLiteral("&Fachbezeichnung:"),
                QStringLiteral("Mathe"));
    Form.open();
    QTRY_COMPARE(QApplication::focusWidget(), Form.Edit1);
    QVERIFY(Form.Button1->isEnabled());
    QTest::keyClicks(Form.Edit1, QStringLiteral("   ")); // replaces the selected name
    QCOMPARE(Form.Edit1->text(), QStringLiteral("   "));
    QVERIFY(!Form.Button1->isEnabled());
    QTest::keyClicks(Form.Edit1, QStringLiteral("x"));
    QVERIFY(Form.Button1->isEnabled());
    QTest::keyClick(Form.Edit1, Qt::Key_Backspace);
    QVERIFY(!Form.Button1->isEnabled());
    QTest::keyClick(Form.Edit1, Qt::Key_Return);
    QVERIFY(Form.isVisible());
    // A disabled OK does not answer its accelerator either.
    QVERIFY(QTest::qWaitForWindowActive(&Form));
    QTest::keyClick(Form.Edit1, Qt::Key_K, Qt::AltModifier);
    QVERIFY(!Form.Button1->isDown()); // an enabled button would be down now and click after its animation
    QVERIFY(Form.isVisible());
    QTest::keyClick(Form.Edit1, Qt::Key_Escape);
    QTRY_VERIFY(!Form.isVisible());
    QCOMPARE(Form.result(), int(QDialog::Rejected));
}

void TstBezeichnung::schliessenTrimmt_data() {
    QTest::addColumn<QString>("Art");
    QTest::addColumn<int>("Ergebnis");
    QTest::newRow("Knopf OK") << "Button1" << int(QDialog::Accepted);
    QTest::newRow("Enter") << "Return" << int(QDialog::Accepted);
    QTest::newRow("Alt+K") << "Alt+K" << int(QDialog::Accepted);
    QTest::newRow("Knopf Abbrechen") << "Button2" << int(QDialog::Rejected);
    QTest::newRow("Esc") << "Escape" << int(QDialog::Rejected);
    QTest::newRow("Alt+A") << "Alt+A" << int(QDialog::Rejected);
    QTest::newRow("Schließfeld") << "close" << int(QDialog::Rejected);
}

void TstBezeichnung::schliessenTrimmt() {
    QFETCH(QString, Art);
    QFETCH(int, Ergebnis);
    TBezeichnungForm Form;
    Vorbereiten(Form, QStringLiteral("Klassenbezeichnung ändern"), QStringLiteral("Klassen&bezeichnung:"),
                QStringLiteral("7a"));
    bool HaengtS = false;
    const int Ende = MitExec(
        Form,
        [&Form, Art] {
            // Accelerators reach only the active window.
            if (!QTest::qWaitForWindowActive(&Form))
                return;
            QTest::keyClicks(Form.Edit1, QStringLiteral("  7b  "));
            if (Art == QLatin1String("Button1"))
                Form.Button1->click();
            else if (Art == QLatin1String("Button2"))
                Form.Button2->click();
            else if (Art == QLatin1String("Return"))
                QTest::keyClick(Form.Edit1, Qt::Key_Return);
            else if (Art == QLatin1String("Escape"))
                QTest::keyClick(Form.Edit1, Qt::Key_Escape);
            else if (Art == QLatin1String("Alt+K"))
                QTest::keyClick(Form.Edit1, Qt::Key_K, Qt::AltModifier);
            else if (Art == QLatin1String("Alt+A"))
                QTest::keyClick(Form.Edit1, Qt::Key_A, Qt::AltModifier);
            else
                Form.close();
        },
        HaengtS);
    QVERIFY2(!HaengtS, qPrintable(Art + QStringLiteral(" did not end the dialog")));
    QCOMPARE(Ende, Ergebnis);
    QCOMPARE(Form.Edit1->text(), QStringLiteral("7b"));
    QVERIFY(Form.Button1->isEnabled());
}

void TstBezeichnung::abgelehnterNameBleibt() {
    // The opener rejects a name that is taken and shows the dialog again without touching the field.
    TBezeichnungForm Form;
    Vorbereiten(Form, QStringLiteral("Fachbezeichnung ändern"), QStringLiteral("&Fachbezeichnung:"),
                QStringLiteral("Mathe"));
    Form.open();
    QTRY_COMPARE(QApplication::focusWidget(), Form.Edit1);
    QCOMPARE(Form.Edit1->selectedText(), QStringLiteral("Mathe"));
    QTest::keyClicks(Form.Edit1, QStringLiteral("deutsch "));
    QTest::keyClick(Form.Edit1, Qt::Key_Return);
    QTRY_VERIFY(!Form.isVisible());
    QCOMPARE(Form.result(), int(QDialog::Accepted));
    QCOMPARE(Form.Edit1->text(), QStringLiteral("deutsch"));

    Form.open();
    QTRY_COMPARE(QApplication::focusWidget(), Form.Edit1);
    QCOMPARE(Form.Edit1->text(), QStringLiteral("deutsch"));
    QCOMPARE(Form.Edit1->selectedText(), QStringLiteral("deutsch"));
    QVERIFY(Form.Button1->isEnabled());
    // Typing replaces the whole name.
    QTest::keyClicks(Form.Edit1, QStringLiteral("Physik"));
    QCOMPARE(Form.Edit1->text(), QStringLiteral("Physik"));
    Form.reject();
}

void TstBezeichnung::namenUndTasten() {
    TBezeichnungForm Form;
    QCOMPARE(Form.objectName(), QStringLiteral("BezeichnungForm"));
    for (QWidget *Steuer : QList<QWidget *>{Form.Label1, Form.Edit1, Form.Button1, Form.Button2})
        QCOMPARE(Form.findChild<QWidget *>(Steuer->objectName()), Steuer);
    QCOMPARE(Form.Label1->objectName(), QStringLiteral("Label1"));
    QCOMPARE(Form.Edit1->objectName(), QStringLiteral("Edit1"));
    QCOMPARE(Form.Button1->text(), QStringLiteral("O&K"));
    QCOMPARE(Form.Button1->accessibleName(), QStringLiteral("OK"));
    QCOMPARE(Form.Button2->text(), QStringLiteral("&Abbrechen"));
    QCOMPARE(Form.Button2->accessibleName(), QStringLiteral("Abbrechen"));
    QVERIFY(Form.Button1->isDefault());
    QCOMPARE(Form.Label1->buddy(), Form.Edit1);

    // The field is named as its label reads, for the subject and then for the class.
    const QList<QPair<QString, QString>> Labels{{"&Fachbezeichnung:", "Fachbezeichnung:"},
                                                {"Klassen&bezeichnung:", "Klassenbezeichnung:"}};
    for (const auto &[Label, Name] : Labels) {
        Vorbereiten(Form, QStringLiteral("Bezeichnung ändern"), Label, QStringLiteral("Kunst"));
        Form.open();
        QTRY_COMPARE(QApplication::focusWidget(), Form.Edit1);
        QCOMPARE(Form.Edit1->accessibleName(), Name);
        QAccessibleInterface *Zugang = QAccessible::queryAccessibleInterface(Form.Edit1);
        QVERIFY(Zugang);
        QCOMPARE(Zugang->text(QAccessible::Name), Name);

        // Tab order field, OK, Cancel; the label's accelerator leads back to the field.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), Form.Button1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), Form.Button2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), Form.Edit1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QTRY_COMPARE(QApplication::focusWidget(), Form.Button2);
        const QChar Kuerzel = Label.at(Label.indexOf(u'&') + 1);
        QTest::keyClick(&Form, Qt::Key(Kuerzel.toUpper().unicode()), Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget(), Form.Edit1);
        Form.reject();
    }
}

void TstBezeichnung::namensfeld() {
    // Characters that no class file holds are replaced as they come in.
    TBezeichnungForm Form;
    Vorbereiten(Form, QStringLiteral("Fachbezeichnung ändern"), QStringLiteral("&Fachbezeichnung:"),
                QStringLiteral("Mathe"));
    Form.open();
    QTRY_COMPARE(QApplication::focusWidget(), Form.Edit1);
    QApplication::clipboard()->setText(QStringLiteral("„Werken“"));
    Form.Edit1->paste();
    QCOMPARE(Form.Edit1->text(), QStringLiteral("\"Werken\""));
    QVERIFY(!NamensfeldHinweis(Form.Edit1).isEmpty());
    Form.reject();
}

void TstBezeichnung::schrift() {
    TBezeichnungForm Form;
    const QColor KnopfText = Form.Button1->palette().color(QPalette::ButtonText);
    Form.SchriftartZuweisen({Pixel(20, QStringLiteral("DejaVu Serif")), Qt::red}, QColor(255, 255, 0));
    for (QWidget *Traeger : QList<QWidget *>{Form.Label1, Form.Edit1}) {
        QCOMPARE(Traeger->font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(Traeger->font().pixelSize(), 20);
    }
    QCOMPARE(Form.Label1->palette().color(QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(Form.Edit1->palette().color(QPalette::Text), QColor(Qt::red));
    QCOMPARE(Form.Edit1->palette().color(QPalette::Base), QColor(255, 255, 0));
    QCOMPARE(Form.Button1->font().family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(Form.Button1->palette().color(QPalette::ButtonText), KnopfText);
}

QTEST_MAIN(TstBezeichnung)
#include "tst_bezeichnung.moc"
