#include "dialogs/ReAnsicht.h"

#include "Dialoghilfe.h"
#include "Modal.h"
#include "Testhilfe.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {
const QStringList Filter{QStringLiteral("Rich Text Format (*.RTF)"), QStringLiteral("Textdokument (*.TXT)"),
                         QStringLiteral("Unicode-Textdokument (*.TXT)")};

// The standard output of a tool of poppler-utils or of unrtf; AFehler when it is missing or fails.
QByteArray Werkzeug(const QString &AName, const QStringList &AArgumente, QString &AFehler) {
    AFehler.clear();
    QProcess Prozess;
    Prozess.start(AName, AArgumente);
    if (!Prozess.waitForFinished(60000) || Prozess.exitStatus() != QProcess::NormalExit || Prozess.exitCode() != 0) {
        AFehler = AName + QStringLiteral(" failed: ") + QString::fromLocal8Bit(Prozess.readAllStandardError());
        return {};
    }
    return Prozess.readAllStandardOutput();
}

bool Vorhanden(const QString &AName) {
    return !QStandardPaths::findExecutable(AName).isEmpty();
}

// The value of one line of pdfinfo ("Pages:", "Title:").
QString PdfInfo(const QString &APdf, const QString &AFeld, QString &AFehler) {
    const QString Info = QString::fromUtf8(
        Werkzeug(QStringLiteral("pdfinfo"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), APdf}, AFehler));
    for (const QString &Zeile : Info.split(QLatin1Char('\n')))
        if (Zeile.startsWith(AFeld))
            return Zeile.mid(AFeld.size()).trimmed();
    return QStringLiteral("<%1 fehlt>").arg(AFeld);
}

// The text of each page, as pdftotext finds it.
QStringList PdfSeiten(const QString &APdf, QString &AFehler) {
    const QString Text = QString::fromUtf8(
        Werkzeug(QStringLiteral("pdftotext"),
                 {QStringLiteral("-enc"), QStringLiteral("UTF-8"), APdf, QStringLiteral("-")}, AFehler));
    QStringList Seiten = Text.split(QLatin1Char('\f'));
    if (!Seiten.isEmpty() && Seiten.constLast().trimmed().isEmpty())
        Seiten.removeLast(); // pdftotext ends every page with a form feed
    return Seiten;
}

QStringList NichtLeereZeilen(const QString &AText) {
    QStringList Zeilen;
    for (const QString &Zeile : AText.split(QLatin1Char('\n')))
        if (!Zeile.trimmed().isEmpty())
            Zeilen.append(Zeile.trimmed());
    return Zeilen;
}

// A PDF printer as the print dialog would hand it over, writing to APfad.
void PdfDrucker(QPrinter &ADrucker, const QString &APfad) {
    ADrucker.setOutputFormat(QPrinter::PdfFormat);
    ADrucker.setOutputFileName(APfad);
}

TSchrift Punktschrift(const QString &AFamilie, int APunkte, bool AFettS = false) {
    QFont Schrift(AFamilie, APunkte);
    Schrift.setBold(AFettS);
    return {Schrift, Qt::black};
}

QString Tabelle(const QString &ATitel, int AZeilen) {
    QString Text = ATitel + QStringLiteral("\r\n");
    for (int Nr = 1; Nr <= AZeilen; ++Nr)
        Text += QStringLiteral("Zeile %1\r\n").arg(Nr);
    return Text;
}

// The viewer as the opener prepares it, shown without blocking.
void Zeigen(TReAnsichtForm &AForm, const QString &AText) {
    AForm.setWindowTitle(QStringLiteral("Übersicht aller Wochen"));
    AForm.SchriftartZuweisen({Pixel(14), Qt::black}, Qt::white);
    AForm.TextZuweisen(AText);
    AForm.show();
}

// Answers a save dialog: checks what it offers, chooses the file type ANr (1 to 3) as the user does, and the file.
TModalHelfer::TSchritt Speichern(int ANr, const QString &APfad, QString *AAngeboten = nullptr,
                                 QString *AFilterVorher = nullptr, std::function<void()> ANachher = {}) {
    return [=](QWidget *AFenster) {
        auto *Dialog = qobject_cast<QFileDialog *>(AFenster);
        if (!Dialog) {
            AFenster->close();
            return;
        }
        if (AFilterVorher)
            *AFilterVorher = Dialog->selectedNameFilter();
        if (AAngeboten)
            *AAngeboten = Dialog->selectedFiles().value(0);
        // As the user's choice in the type list: the dialog reports it.
        Dialog->selectNameFilter(Filter.at(ANr - 1));
        emit Dialog->filterSelected(Filter.at(ANr - 1));
        // Typed into the name field, which has the focus (selectFile leaves a focused field alone).
        const QFileInfo Datei(APfad);
        Dialog->setDirectory(Datei.absolutePath());
        if (auto *Name = Dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            Name->setText(Datei.fileName());
        else
            Dialog->selectFile(APfad);
        // Accepted from the event loop: a question that the dialog asks then is answered by the next step.
        QTimer::singleShot(0, Dialog, [Dialog, ANachher] {
            static_cast<QDialog *>(Dialog)->accept(); // QFileDialog::accept, which checks the name
            if (ANachher)
                ANachher();
        });
    };
}

TModalHelfer::TSchritt Abbrechen() {
    return [](QWidget *AFenster) {
        if (auto *Dialog = qobject_cast<QDialog *>(AFenster))
            Dialog->reject();
        else
            AFenster->close();
    };
}
} // namespace

class TstReAnsicht : public QObject {
    Q_OBJECT
public:
    TstReAnsicht();

private:
    // Closes the modal windows of a test that hangs, so that it fails instead of waiting for ever.
    QTimer FWaechter;
    bool FHaengtS = false;

private slots:
    void init();
    void cleanup();
    void layout_data();
    void layout();
    void knoepfe_data();
    void knoepfe();
    void knoepfeFolgenDemText();
    void menue_data();
    void menue();
    void menueOeffnet();
    void seitenumbruchEinfuegen_data();
    void seitenumbruchEinfuegen();
    void seitenumbruecheEntfernen();
    void entfernenOhneUmbruch();
    void undoNachAnzeigen();
    void dateiBytes_data();
    void dateiBytes();
    void rtfSchrift();
    void rtfMitUnrtf();
    void speichernFehler();
    void speichernDialog();
    void speichernAbbrechen();
    void ueberschreiben();
    void ohneDrucker();
    void druckSeiten_data();
    void druckSeiten();
    void druckVolleSeiten();
    void druckLangerAbsatz();
    void druckSchrift();
    void druckSeitenbereich();
    void escape();
    void schliessen();
    void namenUndTabfolge();
    void schrift();
    void textBleibt();
};

TstReAnsicht::TstReAnsicht() {
    FWaechter.setInterval(20000);
    connect(&FWaechter, &QTimer::timeout, this, [this] {
        FHaengtS = true;
        while (QWidget *Modal = QApplication::activeModalWidget())
            Modal->close();
    });
}

void TstReAnsicht::init() {
    QGuiApplication::clipboard()->clear();
    FHaengtS = false;
    FWaechter.start();
}

void TstReAnsicht::cleanup() {
    FWaechter.stop();
    QVERIFY2(!FHaengtS, "a modal window was not answered and had to be closed");
    QVERIFY2(!QApplication::activeModalWidget(), "a modal window was left open");
    const QWidgetList Offen = QApplication::topLevelWidgets();
    for (QWidget *Fenster : Offen)
        if (Fenster->isVisible())
            Fenster->close();
}

void TstReAnsicht::layout_data() {
    LayoutGroessen();
}

void TstReAnsicht::layout() {
    QFETCH(int, Groesse);
    TReAnsichtForm Form;
    Form.SchriftartZuweisen({Pixel(Groesse), Qt::black}, Qt::white);
    Form.SchalterEinrichten();
    const QRect Schirm = QGuiApplication::primaryScreen()->geometry();
    const int Knopf = Zeile(Pixel(Groesse)) + 12;
    const int Oben = 10 + 15 * Knopf + 10;
    const int Hoehe = Oben + Knopf + 10;
    const int Links = (Schirm.width() - 3 * 125) / 4;
    QCOMPARE(Form.size(), QSize(Schirm.width(), Hoehe));
    QCOMPARE(Form.RichEdit1->geometry(), QRect(10, 10, Schirm.width() - 20, 15 * Knopf));
    QCOMPARE(Form.Button1->geometry(), QRect(Links, Oben, 125, Knopf));
    QCOMPARE(Form.Button2->geometry(), QRect(2 * Links + 125, Oben, 125, Knopf));
    QCOMPARE(Form.Button3->geometry(), QRect(3 * Links + 250, Oben, 125, Knopf));
    // Equal gaps: the right margin is the left one, up to the remainder of the division.
    QVERIFY(Schirm.width() - Form.Button3->geometry().right() - 1 - Links < 4);
    QCOMPARE(Form.pos(), QPoint(0, std::max(0, (Schirm.height() - Hoehe) / 2 - 1)));
}

void TstReAnsicht::knoepfe_data() {
    QTest::addColumn<QString>("Text");
    QTest::addColumn<bool>("DruckenS");
    QTest::addColumn<bool>("SpeichernS");
    QTest::newRow("leer") << "" << false << false;
    QTest::newRow("Blanks und Zeilen") << "   \r\n \r\n\r\n" << false << true;
    QTest::newRow("Steuerzeichen") << "\f\t\r\n\f" << false << true;
    QTest::newRow("ein Zeichen nach Blanks") << "   \r\n  x" << true << true;
    QTest::newRow("geschütztes Leerzeichen") << QString(QChar(0xA0)) << true << true;
    QTest::newRow("Übersicht") << "Klasse: 7b\r\nFach: Deutsch\r\n\r\n12/2024\r\nGedichte\r\n" << true << true;
}

void TstReAnsicht::knoepfe() {
    QFETCH(QString, Text);
    QFETCH(bool, DruckenS);
    QFETCH(bool, SpeichernS);
    TReAnsichtForm Form;
    Zeigen(Form, Text);
    QTRY_COMPARE(QApplication::focusWidget(), Form.RichEdit1);
    QCOMPARE(Form.Button1->isEnabled(), DruckenS);
    QCOMPARE(Form.PuDrucken->isEnabled(), DruckenS);
    QCOMPARE(Form.Button2->isEnabled(), SpeichernS);
    QCOMPARE(Form.PuSpeichern->isEnabled(), SpeichernS);
    QCOMPARE(Form.PuAllesMarkieren->isEnabled(), SpeichernS);
    QVERIFY(Form.PuSeitenumbruch->isEnabled());
    QCOMPARE(Form.RichEdit1->textCursor().position(), 0);

    // A disabled command does nothing, also when started by a shortcut: no message, no dialog.
    TModalHelfer Helfer;
    if (!DruckenS)
        QTest::keyClick(Form.RichEdit1, Qt::Key_P, Qt::ControlModifier);
    if (!SpeichernS)
        QTest::keyClick(Form.RichEdit1, Qt::Key_U, Qt::ControlModifier);
    QCOMPARE(Helfer.Unerwartet, 0);
}

void TstReAnsicht::knoepfeFolgenDemText() {
    TReAnsichtForm Form;
    Zeigen(Form, QString());
    QTRY_COMPARE(QApplication::focusWidget(), Form.RichEdit1);
    QVERIFY(!Form.Button1->isEnabled());
    QVERIFY(!Form.Button2->isEnabled());
    QTest::keyClick(Form.RichEdit1, Qt::Key_Space);
    QVERIFY(!Form.Button1->isEnabled());
    QVERIFY(Form.Button2->isEnabled());
    QTest::keyClicks(Form.RichEdit1, QStringLiteral("Mathe"));
    QVERIFY(Form.Button1->isEnabled());
    QVERIFY(Form.PuDrucken->isEnabled());
    QTest::keyClick(Form.RichEdit1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Form.RichEdit1, Qt::Key_Delete);
    QCOMPARE(Form.Text(), QString());
    QVERIFY(!Form.Button1->isEnabled());
    QVERIFY(!Form.Button2->isEnabled());
    QVERIFY(!Form.PuSpeichern->isEnabled());
}

void TstReAnsicht::menue_data() {
    QTest::addColumn<QString>("Text");
    QTest::addColumn<bool>("AuswahlS");
    QTest::addColumn<int>("Ablage"); // 0 empty, 1 text, 2 image only
    QTest::addColumn<QString>("Getippt");
    // Expected: remove page breaks, copy/cut, paste, select all, undo.
    QTest::addColumn<QString>("Erwartet");
    QTest::newRow("leer") << "" << false << 0 << ""
                          << "-----";
    QTest::newRow("Ablage mit Text") << "" << false << 1 << ""
                                     << "--E--";
    QTest::newRow("Ablage nur mit Bild") << "x" << false << 2 << ""
                                         << "---A-";
    QTest::newRow("Seitenumbruch") << "a\fb" << false << 0 << ""
                                   << "U--A-";
    QTest::newRow("Auswahl") << "Woche 1\r\nText" << true << 1 << ""
                             << "-KEA-";
    QTest::newRow("nach Tippen") << "abc" << false << 0 << "d"
                                 << "---AR";
    QTest::newRow("Seitenumbruch getippt") << "abc" << false << 0 << "\f"
                                           << "U--AR";
}

void TstReAnsicht::menue() {
    QFETCH(QString, Text);
    QFETCH(bool, AuswahlS);
    QFETCH(int, Ablage);
    QFETCH(QString, Getippt);
    QFETCH(QString, Erwartet);
    TReAnsichtForm Form;
    Zeigen(Form, Text);
    QTRY_COMPARE(QApplication::focusWidget(), Form.RichEdit1);
    if (Ablage == 1)
        QGuiApplication::clipboard()->setText(QStringLiteral("Einfügen"));
    if (Ablage == 2) {
        QImage Bild(4, 4, QImage::Format_RGB32);
        Bild.fill(Qt::red);
        QGuiApplication::clipboard()->setImage(Bild);
    }
    if (AuswahlS)
        Form.RichEdit1->selectAll();
    if (Getippt == QStringLiteral("\f"))
        QTest::keyClick(Form.RichEdit1, Qt::Key_S, Qt::ControlModifier);
    else if (!Getippt.isEmpty())
        QTest::keyClicks(Form.RichEdit1, Getippt);

    emit Form.RichEdit1->customContextMenuRequested(QPoint(5, 5));
    QTRY_VERIFY(Form.PopupMenu1->isVisible());
    const QString Zustand =
        QString(Form.PuSeitenumbruchEntfernen->isEnabled() ? u'U' : u'-') +
        QString(Form.PuKopieren->isEnabled() ? u'K' : u'-') + QString(Form.PuEinfuegen->isEnabled() ? u'E' : u'-') +
        QString(Form.PuAllesMarkieren->isEnabled() ? u'A' : u'-') + QString(Form.PuRueck->isEnabled() ? u'R' : u'-');
    QCOMPARE(Zustand, Erwartet);
    QCOMPARE(Form.PuAusschneiden->isEnabled(), Form.PuKopieren->isEnabled());
    QVERIFY(Form.PuSeitenumbruch->isEnabled());
    Form.PopupMenu1->close();
}

void TstReAnsicht::menueOeffnet() {
    // The menu holds the nine items in their order, with their shortcuts; it opens over the text.
    TReAnsichtForm Form;
    const QList<QAction *> Punkte = Form.PopupMenu1->actions();
    QStringList Texte;
    for (const QAction *Punkt : Punkte)
        Texte.append(Punkt->text() + QLatin1Char('|') + Punkt->shortcut().toString(QKeySequence::PortableText));
    QCOMPARE(Texte, (QStringList{"&Seitenumbruch einfügen|Ctrl+S", "Seitenumbrüche entfernen|", "Kopieren|Ctrl+C",
                                 "Ausschneiden|Ctrl+X", "Einfügen|Ctrl+V", "Alles &markieren|Ctrl+A",
                                 "Rückgängig|Ctrl+Z", "&Drucken...|Ctrl+P", "Speichern &unter...|Ctrl+U"}));

    Zeigen(Form, QStringLiteral("Text"));
    QTRY_COMPARE(QApplication::focusWidget(), Form.RichEdit1);
    // The context menu key (or Shift+F10) asks for the menu at the caret.
    const QPoint Caret = Form.RichEdit1->cursorRect().center();
    QContextMenuEvent Taste(QContextMenuEvent::Keyboard, Caret, Form.RichEdit1->viewport()->mapToGlobal(Caret));
    QApplication::sendEvent(Form.RichEdit1->viewport(), &Taste);
    QTRY_VERIFY(Form.PopupMenu1->isVisible());
    Form.PopupMenu1->close();

    // The items act on the text box.
    Form.PuAllesMarkieren->trigger();
    QCOMPARE(Form.RichEdit1->textCursor().selectedText(), QStringLiteral("Text"));
    Form.PopupMenu1Popup();
    Form.PuKopieren->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Text"));
    Form.PuAusschneiden->trigger();
    QCOMPARE(Form.Text(), QString());
    Form.PopupMenu1Popup();
    Form.PuEinfuegen->trigger();
    Form.PuEinfuegen->trigger();
    QCOMPARE(Form.Text(), QStringLiteral("TextText"));
    Form.PopupMenu1Popup();
    Form.PuRueck->trigger();
    QCOMPARE(Form.Text(), QStringLiteral("Text"));
}

void TstReAnsicht::seitenumbruchEinfuegen_data() {
    QTest::addColumn<int>("Anfang");
    QTest::addColumn<int>("Ende");
    QTest::addColumn<QString>("Ergebnis");
    QTest::newRow("am Anfang") << 0 << 0 << "\fWoche 1\nWoche 2";
    QTest::newRow("am Zeilenanfang") << 8 << 8 << "Woche 1\n\fWoche 2";
    QTest::newRow("am Ende") << 15 << 15 << "Woche 1\nWoche 2\f";
    QTest::newRow("Auswahl ersetzt") << 5 << 10 << "Woche\fche 2";
    QTest::newRow("Auswahl rückwärts") << 10 << 5 << "Woche\fche 2";
}

void TstReAnsicht::seitenumbruchEinfuegen() {
    QFETCH(int, Anfang);
    QFETCH(int, Ende);
    QFETCH(QString, Ergebnis);
    TReAnsichtForm Form;
    Zeigen(Form, QStringLiteral("Woche 1\r\nWoche 2"));
    QTRY_COMPARE(QApplication::focusWidget(), Form.RichEdit1);
    QTextCursor Cursor = Form.RichEdit1->textCursor();
    Cursor.setPosition(Anfang);
    Cursor.setPosition(Ende, QTextCursor::KeepAnchor);
    Form.RichEdit1->setTextCursor(Cursor);
    QTest::keyClick(Form.RichEdit1, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(Form.Text(), Ergebnis);
    QVERIFY(Form.PuSeitenumbruchEntfernen->isEnabled());
    // The page break is one edit: undo takes it back.
    QTest::keyClick(Form.RichEdit1, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Form.Text(), QStringLiteral("Woche 1\nWoche 2"));
}

void TstReAnsicht::seitenumbruecheEntfernen() {
    TReAnsichtForm Form;
    const QString Text = QStringLiteral("\fWoche 1\r\n\fWoche 2\f\fEnde\f");
    Zeigen(Form, Text);
    QTRY_COMPARE(QApplication::focusWidget(), Form.RichEdit1);
    Form.RichEdit1->moveCursor(QTextCursor::End);

    {
        // No: nothing changes, no further message.
        TModalHelfer Helfer;
        Helfer.Antwort(QMessageBox::No);
        Form.PuSeitenumbruchEntfernen->trigger();
        QCOMPARE(Helfer.Offen(), 0);
        QCOMPARE(Helfer.Texte, QStringList{"Sollen alle Seitenumbrüche entfernt werden?"});
        QCOMPARE(Helfer.Symbole, QList<QMessageBox::Icon>{QMessageBox::Question});
        QTest::qWait(50);
        QCOMPARE(Helfer.Unerwartet, 0);
        QCOMPARE(Form.Text(), QStringLiteral("\fWoche 1\n\fWoche 2\f\fEnde\f"));
    }
    {
        TModalHelfer Helfer;
        Helfer.Antwort(QMessageBox::Yes).Antwort(QMessageBox::Ok);
        Form.PuSeitenumbruchEntfernen->trigger();
        QCOMPARE(Helfer.Offen(), 0);
        QCOMPARE(Helfer.Texte, (QStringList{"Sollen alle Seitenumbrüche entfernt werden?",
                                            "Es wurden alle Seitenumbrüche entfernt!"}));
        QCOMPARE(Helfer.Symbole, (QList<QMessageBox::Icon>{QMessageBox::Question, QMessageBox::Information}));
        QCOMPARE(Helfer.Unerwartet, 0);
    }
    QCOMPARE(Form.Text(), QStringLiteral("Woche 1\nWoche 2Ende"));
    QCOMPARE(Form.RichEdit1->textCursor().position(), 0);
    QVERIFY(!Form.PuSeitenumbruchEntfernen->isEnabled());
    // Undo brings them back in one step.
    Form.RichEdit1->undo();
    QCOMPARE(Form.Text(), QStringLiteral("\fWoche 1\n\fWoche 2\f\fEnde\f"));
}

void TstReAnsicht::entfernenOhneUmbruch() {
    TReAnsichtForm Form;
    Zeigen(Form, QStringLiteral("Woche 1\r\nWoche 2"));
    QTRY_COMPARE(QApplication::focusWidget(), Form.RichEdit1);
    emit Form.RichEdit1->customContextMenuRequested(QPoint(5, 5));
    QTRY_VERIFY(Form.PopupMenu1->isVisible());
    QVERIFY(!Form.PuSeitenumbruchEntfernen->isEnabled());
    Form.PopupMenu1->close();
    TModalHelfer Helfer;
    Form.PuSeitenumbruchEntfernenClick();
    QTest::qWait(50);
    QCOMPARE(Helfer.Unerwartet, 0);
    QCOMPARE(Form.Text(), QStringLiteral("Woche 1\nWoche 2"));
}

void TstReAnsicht::undoNachAnzeigen() {
    TReAnsichtForm Form;
    Zeigen(Form, QStringLiteral("Übersicht"));
    QTRY_COMPARE(QApplication::focusWidget(), Form.RichEdit1);
    QTest::keyClicks(Form.RichEdit1, QStringLiteral("x"));
    QVERIFY(Form.PuRueck->isEnabled());
    Form.hide();
    // Shown again: the edits of the last showing cannot be undone, and the caret is at the start.
    Form.RichEdit1->moveCursor(QTextCursor::End);
    Form.show();
    QApplication::setActiveWindow(&Form); // the offscreen platform activates a window only at its first showing
    QTRY_COMPARE(QApplication::focusWidget(), Form.RichEdit1);
    QVERIFY(!Form.PuRueck->isEnabled());
    QTest::keyClick(Form.RichEdit1, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Form.Text(), QStringLiteral("xÜbersicht"));
    QCOMPARE(Form.RichEdit1->textCursor().position(), 0);
}

void TstReAnsicht::dateiBytes_data() {
    QTest::addColumn<int>("Art");
    QTest::addColumn<QString>("Text");
    QTest::addColumn<QString>("Hex");
    QTest::newRow("ANSI Umlaute") << 2 << "Grüße Ä"
                                  << "47 72 FC DF 65 20 C4 0D 0A";
    QTest::newRow("ANSI Euro") << 2 << "5 €"
                               << "35 20 80 0D 0A";
    QTest::newRow("ANSI Anführungen") << 2 << "„x“ – …"
                                      << "84 78 93 20 96 20 85 0D 0A";
    QTest::newRow("ANSI nicht darstellbar") << 2 << "π😀Ł"
                                            << "3F 3F 3F 0D 0A";
    QTest::newRow("ANSI Zeilenenden") << 2 << "a\nb\rc\r\nd"
                                      << "61 0D 0A 62 0D 0A 63 0D 0A 64 0D 0A";
    QTest::newRow("ANSI endet mit Zeilenende") << 2 << "a\r\n"
                                               << "61 0D 0A";
    QTest::newRow("ANSI Leerzeilen") << 2 << "\n\n"
                                     << "0D 0A 0D 0A";
    QTest::newRow("ANSI Seitenumbruch bleibt") << 2 << "a\fb"
                                               << "61 0C 62 0D 0A";
    QTest::newRow("ANSI leer") << 2 << ""
                               << "";
    QTest::newRow("Unicode") << 3 << "Aä€"
                             << "FF FE 41 00 E4 00 AC 20 0D 00 0A 00";
    QTest::newRow("Unicode Zeilenenden") << 3 << "a\nb\r"
                                         << "FF FE 61 00 0D 00 0A 00 62 00 0D 00 0A 00";
    QTest::newRow("Unicode Surrogatpaar") << 3 << "😀"
                                          << "FF FE 3D D8 00 DE 0D 00 0A 00";
    QTest::newRow("Unicode Seitenumbruch") << 3 << "\f"
                                           << "FF FE 0C 00 0D 00 0A 00";
}

void TstReAnsicht::dateiBytes() {
    QFETCH(int, Art);
    QFETCH(QString, Text);
    QFETCH(QString, Hex);
    const TSchrift Schrift = Punktschrift(QStringLiteral("DejaVu Sans"), 12);
    QCOMPARE(AlsHex(DateiBytes(Text, static_cast<TDateiArt>(Art), Schrift)), Hex);

    // Written to a file, byte for byte, replacing what was there.
    QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QStringLiteral("Übersicht.TXT"));
    QVERIFY(DateiSchreiben(Pfad, QByteArray(100, 'x')));
    QString Fehler;
    QVERIFY2(TextInDateiSpeichernOk(Pfad, Text, static_cast<TDateiArt>(Art), Schrift, Fehler), qPrintable(Fehler));
    QCOMPARE(AlsHex(DateiInhalt(Pfad)), Hex);
}

void TstReAnsicht::rtfSchrift() {
    // The document carries the user font: face, size in half points, style, colour.
    QFont Schrift(QStringLiteral("DejaVu Serif"), 13);
    Schrift.setItalic(true);
    Schrift.setUnderline(true);
    const QByteArray Rtf = DateiBytes(QStringLiteral("x"), TDateiArt::Rtf, {Schrift, QColor(0, 128, 255)});
    QVERIFY2(Rtf.contains("{\\fonttbl{\\f0\\fnil\\fcharset0 DejaVu Serif;}}"), Rtf.constData());
    QVERIFY2(Rtf.contains("{\\colortbl ;\\red0\\green128\\blue255;}"), Rtf.constData());
    QVERIFY2(Rtf.contains("\\cf1\\fs26\\i\\ul "), Rtf.constData());

    // A font sized in pixels is written with its size in points on the screen.
    const double Dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
    const TRtfSchrift AusPixeln = RtfSchrift({Pixel(32), Qt::black});
    QVERIFY2(qAbs(AusPixeln.Punkte - 32 * 72.0 / Dpi) < 0.01, qPrintable(QString::number(AusPixeln.Punkte)));
    QCOMPARE(AusPixeln.Name, QStringLiteral("DejaVu Sans"));
    QVERIFY(!AusPixeln.FettS);

    // Without a colour of its own the text is black.
    const TRtfSchrift OhneFarbe = RtfSchrift({QFont(QStringLiteral("Arial"), 10), QColor()});
    QCOMPARE(QList<int>({OhneFarbe.Rot, OhneFarbe.Gruen, OhneFarbe.Blau}), QList<int>({0, 0, 0}));
}

void TstReAnsicht::rtfMitUnrtf() {
    if (!Vorhanden(QStringLiteral("unrtf")))
        QSKIP("unrtf is not installed (Debian package unrtf, see scripts/pakete.sh)");
    QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QStringLiteral("x.RTF"));
    QString Fehler;
    const QString Text = QStringLiteral("Klasse: 7b\r\nFach: Deutsch {Kurs}\r\n\fÄnderung: C:\\Schule\r\nEnde");
    QVERIFY(TextInDateiSpeichernOk(Pfad, Text, TDateiArt::Rtf, Punktschrift(QStringLiteral("DejaVu Serif"), 12, true),
                                   Fehler));
    const QByteArray Ausgabe = Werkzeug(QStringLiteral("unrtf"), {QStringLiteral("--text"), Pfad}, Fehler);
    QVERIFY2(Fehler.isEmpty(), qPrintable(Fehler));
    const QByteArray Linie("-----------------\n");
    QVERIFY2(Ausgabe.contains(Linie), Ausgabe.constData());
    // unrtf writes Latin-1 and ends a page like a line.
    QCOMPARE(QString::fromLatin1(Ausgabe.mid(Ausgabe.indexOf(Linie) + Linie.size())),
             QStringLiteral("Klasse: 7b\nFach: Deutsch {Kurs}\n\nÄnderung: C:\\Schule\nEnde\n"));
    const QString Html = QString::fromUtf8(Werkzeug(QStringLiteral("unrtf"), {QStringLiteral("--html"), Pfad}, Fehler));
    QVERIFY2(Html.contains(QStringLiteral("<font face=\"DejaVu Serif\">")), qPrintable(Html));
    QVERIFY2(Html.contains(QStringLiteral("<b>")), qPrintable(Html));
    QVERIFY2(Html.contains(QStringLiteral("<hr>")), qPrintable(Html)); // the page break
}

void TstReAnsicht::speichernFehler() {
    QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QStringLiteral("fehlt/x.TXT"));
    QString Fehler;
    QVERIFY(
        !TextInDateiSpeichernOk(Pfad, QStringLiteral("a"), TDateiArt::Text, Punktschrift("DejaVu Sans", 12), Fehler));
    QVERIFY2(Fehler.contains(QStringLiteral("x.TXT")), qPrintable(Fehler));
    QVERIFY(!QFile::exists(Pfad));

    // Shown to the user as an error; the focus is given back all the same. The folder vanishes between the
    // dialog and the writing, as when a stick is pulled.
    TReAnsichtForm Form;
    Zeigen(Form, QStringLiteral("Text"));
    QTRY_COMPARE(QApplication::focusWidget(), Form.RichEdit1);
    QTemporaryDir Stick;
    const QString Ziel = Stick.filePath(QStringLiteral("weg/x.TXT"));
    QVERIFY(QDir(Stick.path()).mkdir(QStringLiteral("weg")));
    TModalHelfer Helfer;
    Helfer
        .Dann(Speichern(2, Ziel, nullptr, nullptr,
                        [&Stick] { QDir(Stick.filePath(QStringLiteral("weg"))).removeRecursively(); }))
        .Antwort(QMessageBox::Ok);
    QTest::keyClick(Form.RichEdit1, Qt::Key_U, Qt::ControlModifier);
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Helfer.Symbole, QList<QMessageBox::Icon>{QMessageBox::Critical});
    QVERIFY2(
        Helfer.Texte.value(0).startsWith(
            QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden!").arg(QDir::toNativeSeparators(Ziel))),
        qPrintable(Helfer.Texte.value(0)));
    QCOMPARE(Form.focusWidget(), Form.RichEdit1);
    QApplication::setActiveWindow(&Form); // as the window system does when the dialog has gone
    QTRY_COMPARE(QApplication::focusWidget(), Form.RichEdit1);
    QCOMPARE(Form.Text(), QStringLiteral("Text"));
}

void TstReAnsicht::speichernDialog() {
    QTemporaryDir Ordner;
    TReAnsichtForm Form;
    const QString Text = QStringLiteral("Woche 12\r\nGrüße, 5 €\r\n\fπ");
    Zeigen(Form, Text);
    QTRY_COMPARE(QApplication::focusWidget(), Form.RichEdit1);
    QCOMPARE(Form.SaveDialog1->nameFilters(), Filter);
    QCOMPARE(Form.SaveDialog1->selectedNameFilter(), Filter.at(0));
    QCOMPARE(Form.SaveDialog1->defaultSuffix(), QStringLiteral("RTF"));
    QCOMPARE(Form.SaveDialog1->acceptMode(), QFileDialog::AcceptSave);
    QVERIFY(!Form.SaveDialog1->testOption(QFileDialog::DontConfirmOverwrite));

    // Through the button, as ANSI text: the focus comes back to the button.
    const QString Erste = Ordner.filePath(QStringLiteral("erste.TXT"));
    {
        TModalHelfer Helfer;
        QString FilterVorher;
        Helfer.Dann(Speichern(2, Erste, nullptr, &FilterVorher));
        Form.Button2->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), Form.Button2);
        QTest::keyClick(Form.Button2, Qt::Key_Space);
        QCOMPARE(Helfer.Offen(), 0);
        QCOMPARE(Helfer.Unerwartet, 0);
        QCOMPARE(FilterVorher, Filter.at(0));
    }
    QCOMPARE(AlsHex(DateiInhalt(Erste)),
             QStringLiteral("57 6F 63 68 65 20 31 32 0D 0A 47 72 FC DF 65 2C 20 35 20 80 0D 0A 0C 3F 0D 0A"));
    QCOMPARE(Form.focusWidget(), Form.Button2);
    QApplication::setActiveWindow(&Form); // as the window system does when the dialog has gone
    QTRY_COMPARE(QApplication::focusWidget(), Form.Button2);

    // Ctrl+U in the text, as Unicode text under a name without extension: the dialog offers the last file and
    // type, the chosen type gives the extension, the focus comes back to the text.
    Form.RichEdit1->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), Form.RichEdit1);
    {
        TModalHelfer Helfer;
        QString Angeboten;
        QString FilterVorher;
        Helfer.Dann(Speichern(3, Ordner.filePath(QStringLiteral("zweite")), &Angeboten, &FilterVorher));
        QTest::keyClick(Form.RichEdit1, Qt::Key_U, Qt::ControlModifier);
        QCOMPARE(Helfer.Offen(), 0);
        QCOMPARE(Helfer.Unerwartet, 0);
        QCOMPARE(FilterVorher, Filter.at(1));
        QCOMPARE(Angeboten, Erste);
    }
    const QByteArray Unicode = DateiInhalt(Ordner.filePath(QStringLiteral("zweite.TXT")));
    QVERIFY2(Unicode.startsWith("\xFF\xFE"), qPrintable(AlsHex(Unicode.left(4))));
    QVERIFY(Unicode.endsWith(QByteArray("\r\0\n\0", 4)));
    QCOMPARE(Unicode, DateiBytes(Text, TDateiArt::UnicodeText, Form.Schrift()));
    QCOMPARE(Form.focusWidget(), Form.RichEdit1);
    QApplication::setActiveWindow(&Form); // as the window system does when the dialog has gone
    QTRY_COMPARE(QApplication::focusWidget(), Form.RichEdit1);

    // The context menu's item, as Rich Text: the extension RTF.
    {
        TModalHelfer Helfer;
        Helfer.Dann(Speichern(1, Ordner.filePath(QStringLiteral("dritte"))));
        Form.PuSpeichern->trigger();
        QCOMPARE(Helfer.Offen(), 0);
    }
    QCOMPARE(DateiInhalt(Ordner.filePath(QStringLiteral("dritte.RTF"))),
             DateiBytes(Text, TDateiArt::Rtf, Form.Schrift()));
    QCOMPARE(Form.Text(), QStringLiteral("Woche 12\nGrüße, 5 €\n\fπ"));
}

void TstReAnsicht::speichernAbbrechen() {
    QTemporaryDir Ordner;
    TReAnsichtForm Form;
    Zeigen(Form, QStringLiteral("Text"));
    QTRY_COMPARE(QApplication::focusWidget(), Form.RichEdit1);
    Form.Button2->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), Form.Button2);
    TModalHelfer Helfer;
    Helfer.Dann(Abbrechen());
    QTest::keyClick(Form.Button2, Qt::Key_Space);
    QCOMPARE(Helfer.Offen(), 0);
    QCOMPARE(Helfer.Unerwartet, 0);
    QCOMPARE(Form.focusWidget(), Form.Button2);
    QApplication::setActiveWindow(&Form); // as the window system does when the dialog has gone
    QTRY_COMPARE(QApplication::focusWidget(), Form.Button2);
    QVERIFY(QDir(Ordner.path()).isEmpty());
}

void TstReAnsicht::ueberschreiben() {
    QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath(QStringLiteral("alt.TXT"));
    QVERIFY(DateiSchreiben(Pfad, "vorher"));
    TReAnsichtForm Form;
    Zeigen(Form, QStringLiteral("neu"));
    QTRY_COMPARE(QApplication::focusWidget(), Form.RichEdit1);
    {
        // The dialog asks before it replaces a file; No leaves it.
        TModalHelfer Helfer;
        Helfer.Dann(Speichern(2, Pfad)).Antwort(QMessageBox::No).Dann(Abbrechen());
        QTest::keyClick(Form.RichEdit1, Qt::Key_U, Qt::ControlModifier);
        QCOMPARE(Helfer.Offen(), 0);
        QCOMPARE(Helfer.Texte.size(), 1);
    }
    QCOMPARE(DateiInhalt(Pfad), QByteArray("vorher"));
    QCOMPARE(Form.focusWidget(), Form.RichEdit1);
    QApplication::setActiveWindow(&Form); // as the window system does when the dialog has gone
    QTRY_COMPARE(QApplication::focusWidget(), Form.RichEdit1);
    {
        TModalHelfer Helfer;
        Helfer.Dann(Speichern(2, Pfad)).Antwort(QMessageBox::Yes);
        QTest::keyClick(Form.RichEdit1, Qt::Key_U, Qt::ControlModifier);
        QCOMPARE(Helfer.Offen(), 0);
        QCOMPARE(Helfer.Unerwartet, 0);
    }
    QCOMPARE(DateiInhalt(Pfad), QByteArray("neu\r\n"));
}

void TstReAnsicht::ohneDrucker() {
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("this machine has printers; the message for none cannot be shown");
    TReAnsichtForm Form;
    Zeigen(Form, QStringLiteral("Text"));
    QTRY_COMPARE(QApplication::focusWidget(), Form.RichEdit1);
    Form.Button3->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), Form.Button3);
    {
        TModalHelfer Helfer;
        Helfer.Antwort(QMessageBox::Ok);
        QTest::keyClick(Form.Button3, Qt::Key_D, Qt::AltModifier); // the button clicks a moment later
        QTRY_COMPARE(Helfer.Offen(), 0);
        QCOMPARE(Helfer.Texte, QStringList{"Es ist kein Drucker installiert!"});
        QCOMPARE(Helfer.Symbole, QList<QMessageBox::Icon>{QMessageBox::Information});
    }
    // The print command puts the focus into the text first.
    QCOMPARE(Form.focusWidget(), Form.RichEdit1);
    QApplication::setActiveWindow(&Form); // as the window system does when the dialog has gone
    QTRY_COMPARE(QApplication::focusWidget(), Form.RichEdit1);
    {
        TModalHelfer Helfer;
        Helfer.Antwort(QMessageBox::Ok);
        QTest::keyClick(Form.RichEdit1, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(Helfer.Offen(), 0);
        QCOMPARE(Helfer.Texte, QStringList{"Es ist kein Drucker installiert!"});
    }
    QCOMPARE(Form.focusWidget(), Form.RichEdit1);
    QVERIFY(Form.isVisible());
}

void TstReAnsicht::druckSeiten_data() {
    QTest::addColumn<QString>("Text");
    QTest::addColumn<QStringList>("Seiten"); // the lines of each page, joined by "|"
    QTest::newRow("eine Zeile") << "Woche 1" << QStringList{"Woche 1"};
    QTest::newRow("zwei Absätze") << "Woche 1\r\nWoche 2" << QStringList{"Woche 1|Woche 2"};
    QTest::newRow("Seitenumbruch dazwischen") << "Woche 1\r\n\fWoche 2" << QStringList{"Woche 1", "Woche 2"};
    QTest::newRow("Seitenumbruch in der Zeile") << "Woche 1\fWoche 2" << QStringList{"Woche 1", "Woche 2"};
    QTest::newRow("Seitenumbruch am Ende") << "Woche 1\f" << QStringList{"Woche 1"};
    QTest::newRow("Seitenumbruch am Ende mit Zeilenende") << "Woche 1\f\r\n" << QStringList{"Woche 1"};
    QTest::newRow("Seitenumbruch am Anfang") << "\fWoche 1" << QStringList{"", "Woche 1"};
    QTest::newRow("zwei Seitenumbrüche") << "a\r\n\f\fb" << QStringList{"a", "", "b"};
    QTest::newRow("drei Seiten") << "Deutsch\r\n\fMathe\r\nZeile\r\n\fSport\r\n"
                                 << QStringList{"Deutsch", "Mathe|Zeile", "Sport"};
}

void TstReAnsicht::druckSeiten() {
    QFETCH(QString, Text);
    QFETCH(QStringList, Seiten);
    if (!Vorhanden(QStringLiteral("pdfinfo")) || !Vorhanden(QStringLiteral("pdftotext")))
        QSKIP("pdfinfo and pdftotext are not installed (Debian package poppler-utils, see scripts/pakete.sh)");
    QTemporaryDir Ordner;
    const QString Pdf = Ordner.filePath(QStringLiteral("druck.pdf"));
    QPrinter Drucker(QPrinter::HighResolution);
    PdfDrucker(Drucker, Pdf);
    QVERIFY(TextDruckenOk(Drucker, QStringLiteral("Übersicht von Woche 12/2024"), Text,
                          Punktschrift(QStringLiteral("DejaVu Sans"), 12)));
    QCOMPARE(Drucker.docName(), QStringLiteral("Drucke Übersicht von Woche 12/2024"));
    QString Fehler;
    QCOMPARE(PdfInfo(Pdf, QStringLiteral("Title:"), Fehler), QStringLiteral("Drucke Übersicht von Woche 12/2024"));
    QVERIFY2(Fehler.isEmpty(), qPrintable(Fehler));
    QCOMPARE(PdfInfo(Pdf, QStringLiteral("Pages:"), Fehler), QString::number(Seiten.size()));
    QStringList Gedruckt;
    for (const QString &Seite : PdfSeiten(Pdf, Fehler))
        Gedruckt.append(NichtLeereZeilen(Seite).join(QLatin1Char('|')));
    QVERIFY2(Fehler.isEmpty(), qPrintable(Fehler));
    QCOMPARE(Gedruckt, Seiten);
}

void TstReAnsicht::druckVolleSeiten() {
    // A long text fills pages one after the other: every line once, in order, none lost at a page's end; a page
    // break starts the next page at once.
    if (!Vorhanden(QStringLiteral("pdfinfo")) || !Vorhanden(QStringLiteral("pdftotext")))
        QSKIP("pdfinfo and pdftotext are not installed (Debian package poppler-utils, see scripts/pakete.sh)");
    QTemporaryDir Ordner;
    const QString Text = Tabelle(QStringLiteral("Teil A"), 150) + QStringLiteral("\fTeil B\r\nZeile 151\r\n");
    const auto Drucken = [&](int APunkte, const QString &ADatei, QStringList &ASeiten) {
        QPrinter Drucker(QPrinter::HighResolution);
        PdfDrucker(Drucker, Ordner.filePath(ADatei));
        QString Fehler;
        const bool OkS = TextDruckenOk(Drucker, QStringLiteral("Übersicht aller Wochen"), Text,
                                       Punktschrift(QStringLiteral("DejaVu Sans"), APunkte));
        ASeiten = PdfSeiten(Ordner.filePath(ADatei), Fehler);
        return OkS && Fehler.isEmpty();
    };
    QStringList Klein;
    QStringList Gross;
    QVERIFY(Drucken(10, QStringLiteral("klein.pdf"), Klein));
    QVERIFY(Drucken(24, QStringLiteral("gross.pdf"), Gross));
    QVERIFY2(Klein.size() >= 3, qPrintable(QString::number(Klein.size())));
    QVERIFY2(Gross.size() > Klein.size(),
             qPrintable(QStringLiteral("%1 pages at 24 pt, %2 at 10 pt").arg(Gross.size()).arg(Klein.size())));
    for (const QStringList &Seiten : {Klein, Gross}) {
        QStringList Zeilen;
        int TeilB = -1;
        for (int Nr = 0; Nr < Seiten.size(); ++Nr) {
            const QStringList Auf = NichtLeereZeilen(Seiten.at(Nr));
            QVERIFY2(!Auf.isEmpty(), "an empty page");
            if (Auf.constFirst() == QStringLiteral("Teil B"))
                TeilB = Nr;
            Zeilen += Auf;
        }
        const QStringList Erwartet =
            NichtLeereZeilen(QString(Text).remove(QLatin1Char('\f')).remove(QLatin1Char('\r')));
        if (Zeilen != Erwartet)
            qWarning() << Zeilen;
        QCOMPARE(Zeilen, Erwartet);
        QVERIFY2(TeilB == Seiten.size() - 1, "the page break did not start the last page");
        // The page before the break ends with the last line before it, however full it is.
        QCOMPARE(NichtLeereZeilen(Seiten.at(TeilB - 1)).constLast(), QStringLiteral("Zeile 150"));
    }
}

void TstReAnsicht::druckLangerAbsatz() {
    // One paragraph longer than a page wraps at the page width and goes on on the next page, every word once.
    if (!Vorhanden(QStringLiteral("pdfinfo")) || !Vorhanden(QStringLiteral("pdftotext")))
        QSKIP("pdfinfo and pdftotext are not installed (Debian package poppler-utils, see scripts/pakete.sh)");
    QStringList Woerter;
    for (int Nr = 1; Nr <= 1500; ++Nr)
        Woerter.append(QStringLiteral("Wort%1").arg(Nr));
    QTemporaryDir Ordner;
    const QString Pdf = Ordner.filePath(QStringLiteral("absatz.pdf"));
    QPrinter Drucker(QPrinter::HighResolution);
    PdfDrucker(Drucker, Pdf);
    QVERIFY(TextDruckenOk(Drucker, QStringLiteral("x"), Woerter.join(QLatin1Char(' ')),
                          Punktschrift(QStringLiteral("DejaVu Sans"), 14)));
    QString Fehler;
    const QStringList Seiten = PdfSeiten(Pdf, Fehler);
    QVERIFY2(Fehler.isEmpty(), qPrintable(Fehler));
    QVERIFY2(Seiten.size() >= 2, qPrintable(QString::number(Seiten.size())));
    static const QRegularExpression Leer(QStringLiteral("\\s+"));
    QCOMPARE(Seiten.join(QLatin1Char(' ')).split(Leer, Qt::SkipEmptyParts), Woerter);
    for (const QString &Seite : Seiten)
        QVERIFY2(NichtLeereZeilen(Seite).size() > 10, "a page with only a few lines");
}

void TstReAnsicht::druckSchrift() {
    if (!Vorhanden(QStringLiteral("pdffonts")) || !Vorhanden(QStringLiteral("pdfinfo")))
        QSKIP("pdffonts and pdfinfo are not installed (Debian package poppler-utils, see scripts/pakete.sh)");
    QTemporaryDir Ordner;
    const QString Text = Tabelle(QStringLiteral("Fett"), 100);
    QString Fehler;
    const auto Seiten = [&](const QFont &ASchrift, const QString &ADatei) {
        QPrinter Drucker(QPrinter::HighResolution);
        PdfDrucker(Drucker, Ordner.filePath(ADatei));
        if (!TextDruckenOk(Drucker, QStringLiteral("Übersicht"), Text, {ASchrift, Qt::red}))
            return -1;
        return PdfInfo(Ordner.filePath(ADatei), QStringLiteral("Pages:"), Fehler).toInt();
    };
    QFont Pixelschrift = Pixel(16, QStringLiteral("DejaVu Serif"));
    Pixelschrift.setBold(true);
    const int PixelSeiten = Seiten(Pixelschrift, QStringLiteral("pixel.pdf"));
    const QString Fonts =
        QString::fromUtf8(Werkzeug(QStringLiteral("pdffonts"), {Ordner.filePath("pixel.pdf")}, Fehler));
    QVERIFY2(Fehler.isEmpty(), qPrintable(Fehler));
    QVERIFY2(Fonts.contains(QStringLiteral("DejaVuSerif-Bold")), qPrintable(Fonts));
    QVERIFY2(!Fonts.contains(QStringLiteral("DejaVuSans")), qPrintable(Fonts));
    // In the user font's colour.
    if (Vorhanden(QStringLiteral("pdftoppm"))) {
        Werkzeug(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-f"), QStringLiteral("1"),
                  QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-png"), QStringLiteral("-singlefile"),
                  Ordner.filePath("pixel.pdf"), Ordner.filePath("seite")},
                 Fehler);
        QVERIFY2(Fehler.isEmpty(), qPrintable(Fehler));
        const QImage Bild(Ordner.filePath(QStringLiteral("seite.png")));
        QVERIFY(!Bild.isNull());
        int Rot = 0;
        int Andere = 0;
        for (int Y = 0; Y < Bild.height(); ++Y)
            for (int X = 0; X < Bild.width(); ++X) {
                const QColor Punkt = Bild.pixelColor(X, Y);
                if (Punkt.red() > 200 && Punkt.green() < 100 && Punkt.blue() < 100)
                    ++Rot;
                else if (Punkt.red() < 200 && Punkt.lightness() < 200)
                    ++Andere;
            }
        QVERIFY2(Rot > 100 && Andere == 0, qPrintable(QStringLiteral("%1 red, %2 dark").arg(Rot).arg(Andere)));
    }

    // A font sized in pixels prints at its size on the screen, not in printer pixels.
    QFont Punkte(QStringLiteral("DejaVu Serif"));
    Punkte.setPointSizeF(16 * 72.0 / QGuiApplication::primaryScreen()->logicalDotsPerInchY());
    Punkte.setBold(true);
    const int PunktSeiten = Seiten(Punkte, QStringLiteral("punkte.pdf"));
    QVERIFY2(PunktSeiten >= 2, qPrintable(QString::number(PunktSeiten)));
    QCOMPARE(PixelSeiten, PunktSeiten);
}

void TstReAnsicht::druckSeitenbereich() {
    // A page range left on the printer by the print dialog does not shorten the print.
    if (!Vorhanden(QStringLiteral("pdfinfo")))
        QSKIP("pdfinfo is not installed (Debian package poppler-utils, see scripts/pakete.sh)");
    QTemporaryDir Ordner;
    const QString Pdf = Ordner.filePath(QStringLiteral("druck.pdf"));
    QPrinter Drucker(QPrinter::HighResolution);
    PdfDrucker(Drucker, Pdf);
    Drucker.setPrintRange(QPrinter::PageRange);
    Drucker.setFromTo(2, 2);
    QVERIFY(TextDruckenOk(Drucker, QStringLiteral("x"), QStringLiteral("1\f2\f3"),
                          Punktschrift(QStringLiteral("DejaVu Sans"), 12)));
    QCOMPARE(Drucker.printRange(), QPrinter::AllPages);
    QString Fehler;
    QCOMPARE(PdfInfo(Pdf, QStringLiteral("Pages:"), Fehler), QStringLiteral("3"));
}

void TstReAnsicht::escape() {
    TReAnsichtForm Form;
    Form.setWindowTitle(QStringLiteral("Übersicht eines Monats"));
    Form.TextZuweisen(QStringLiteral("Woche 1\r\nWoche 2"));
    bool HaengtS = false;
    const int Ergebnis = MitExec(
        Form,
        [&Form] {
            QTest::keyClicks(Form.RichEdit1, QStringLiteral("neu"));
            QTest::keyClick(Form.RichEdit1, Qt::Key_Escape);
        },
        HaengtS);
    QVERIFY2(!HaengtS, "Escape in the text did not close the viewer");
    QCOMPARE(Ergebnis, int(QDialog::Rejected));
    // The edited text stays until the next overview replaces it.
    QCOMPARE(Form.Text(), QStringLiteral("neuWoche 1\nWoche 2"));
}

void TstReAnsicht::schliessen() {
    TReAnsichtForm Form;
    Form.TextZuweisen(QStringLiteral("x"));
    bool HaengtS = false;
    // Enter in the text is a line break, not the default button; "&Schließen" ends the viewer.
    const int Ergebnis = MitExec(
        Form,
        [&Form] {
            // The button's accelerator needs the window to be active.
            if (!QTest::qWaitForWindowActive(&Form))
                return;
            QTest::keyClick(Form.RichEdit1, Qt::Key_Return);
            QTest::keyClick(Form.RichEdit1, Qt::Key_S, Qt::AltModifier);
        },
        HaengtS);
    QVERIFY(!HaengtS);
    QCOMPARE(Ergebnis, int(QDialog::Rejected));
    QCOMPARE(Form.Text(), QStringLiteral("\nx"));
}

void TstReAnsicht::namenUndTabfolge() {
    TReAnsichtForm Form;
    QCOMPARE(Form.Button1->text(), QStringLiteral("&Drucken..."));
    QCOMPARE(Form.Button2->text(), QStringLiteral("S&peichern..."));
    QCOMPARE(Form.Button3->text(), QStringLiteral("&Schließen"));
    QVERIFY(Form.Button1->isDefault());
    for (QWidget *Steuer : QList<QWidget *>{Form.RichEdit1, Form.Button1, Form.Button2, Form.Button3, Form.PopupMenu1})
        QVERIFY2(!Steuer->accessibleName().isEmpty(), qPrintable(Steuer->objectName()));
    QCOMPARE(Form.Button1->accessibleName(), QStringLiteral("Drucken..."));
    QCOMPARE(Form.Button3->accessibleName(), QStringLiteral("Schließen"));

    Zeigen(Form, QStringLiteral("x"));
    QTRY_COMPARE(QApplication::focusWidget(), Form.RichEdit1);
    // Tab leaves the text instead of typing a tab.
    for (QWidget *Naechstes : QList<QWidget *>{Form.Button1, Form.Button2, Form.Button3, Form.RichEdit1}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), Naechstes);
    }
    QCOMPARE(Form.Text(), QStringLiteral("x"));
}

void TstReAnsicht::schrift() {
    TReAnsichtForm Form;
    const QColor KnopfText = Form.Button1->palette().color(QPalette::ButtonText);
    QFont Schrift = Pixel(20, QStringLiteral("DejaVu Serif"));
    Schrift.setItalic(true);
    Form.SchriftartZuweisen({Schrift, Qt::red}, QColor(255, 255, 0));
    QCOMPARE(Form.RichEdit1->font().family(), QStringLiteral("DejaVu Serif"));
    QVERIFY(Form.RichEdit1->font().italic());
    QCOMPARE(Form.RichEdit1->palette().color(QPalette::Text), QColor(Qt::red));
    QCOMPARE(Form.RichEdit1->palette().color(QPalette::Base), QColor(255, 255, 0));
    QCOMPARE(Form.Button1->font().family(), QStringLiteral("DejaVu Serif"));
    QVERIFY(!Form.Button1->font().italic());
    QCOMPARE(Form.Button1->palette().color(QPalette::ButtonText), KnopfText);
    // Printing and saving use the text box's font and colour.
    QCOMPARE(Form.Schrift().Font.family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(Form.Schrift().Farbe, QColor(Qt::red));
}

void TstReAnsicht::textBleibt() {
    // Every character the opener hands over comes back as it was, line breaks as LF.
    TReAnsichtForm Form;
    const QString Text = QStringLiteral("a\u00A0b\tc\r\nd\re\n\ff😀");
    Form.TextZuweisen(Text);
    QCOMPARE(Form.Text(), QStringLiteral("a\u00A0b\tc\nd\ne\n\ff😀"));
}

QTEST_MAIN(TstReAnsicht)
#include "tst_reansicht.moc"
