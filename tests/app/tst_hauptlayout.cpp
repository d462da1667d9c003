#include "app/Einstellungen.h"
#include "app/Haupt.h"
#include "dialogs/Schriftdialog.h"
#include "dialogs/Layout.h"
#include "Modal.h"
#include "Testhilfe.h"

#include <QtTest>

#include <QApplication>
#include <QFontDatabase>
#include <QFontDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QWindow>

#include <memory>

namespace {
const QString Schriftart = QStringLiteral("DejaVu Sans");

// The virtual screens of this test, side by side. The first is the primary screen, wide enough for the two buttons
// with their whole captions at 48 points (each about 760 pixels); the next three have the client widths for which
// the button and panel figures are known; the last has the offscreen platform's usual size. The platform adds the
// screens in the order of their names.
struct TBildschirm {
    const char *Name;
    int Breite, Hoehe;
};
constexpr TBildschirm Bildschirme[] = {
    {"A1920", 1920, 1080}, {"B1264", 1264, 800}, {"C1000", 1000, 700}, {"D999", 999, 700}, {"E800", 800, 600}};

QScreen *Bildschirm(const QString &AName) {
    for (QScreen *Schirm : QGuiApplication::screens())
        if (Schirm->name() == AName)
            return Schirm;
    return nullptr;
}

void EinstellungSetzen(const QString &AName, const QVariant &AWert) {
    auto Speicher = EinstellungenOeffnen();
    Speicher->setValue(AName, AWert);
    Speicher->sync();
}

// A control's rectangle in the coordinates of its window.
QRect ImFenster(const QWidget *AWidget) {
    return QRect(AWidget->mapTo(AWidget->window(), QPoint(0, 0)), AWidget->size());
}

QString Name(const QWidget *AWidget) {
    return AWidget->objectName();
}

// Lets the posted layout requests and resizes run; no time passes.
void Abwarten() {
    for (int Runde = 0; Runde < 5; ++Runde)
        QCoreApplication::processEvents();
}

// The size a status panel's text takes when it wraps between words in the panel's room for text.
QSize UmbrochenerText(const QLabel *APanel) {
    return QFontMetrics(APanel->font())
        .boundingRect(QRect(0, 0, APanel->contentsRect().width(), 1 << 20), Qt::TextWordWrap, APanel->text())
        .size();
}

// True when the panel's text fits in one line of the panel.
bool Einzeilig(const QLabel *APanel) {
    return QFontMetrics(APanel->font()).horizontalAdvance(APanel->text()) <= APanel->contentsRect().width();
}

// The width the main window's buttons need: 219, or the wider caption with the style's padding.
int NoetigeKnopfBreite(const TForm1 *AForm) {
    return std::max({219, AForm->Button1->sizeHint().width(), AForm->Button2->sizeHint().width()});
}

// The rectangle in which a push button draws its caption.
QRect KnopfInhalt(const QPushButton *AKnopf) {
    QStyleOptionButton Option;
    Option.initFrom(AKnopf);
    Option.text = AKnopf->text();
    return AKnopf->style()->subElementRect(QStyle::SE_PushButtonContents, &Option, AKnopf);
}
} // namespace

class TstHauptLayout : public QObject {
    Q_OBJECT
public:
    // Runs before the application object exists: the offscreen platform gets the screens above.
    static void initMain();

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void anordnung_data();
    void anordnung();
    void zahlenBeiBildschirmbreite_data();
    void zahlenBeiBildschirmbreite();
    void nichtsAbgeschnitten_data();
    void nichtsAbgeschnitten();
    void grosseSchrift_data();
    void grosseSchrift();
    void statustextWechsel();
    void anwendungsschrift();
    void arbeitsbereich();
    void schriftWechsel();

private:
    // Starts the main window with the user font ASchriftgroesse points on AAufSchirm (the primary screen when
    // null) and waits until it has read its class; a class file is prepared, so no question comes. Null when the
    // window did not come up.
    std::unique_ptr<TForm1> Starten(int ASchriftgroesse, QScreen *AAufSchirm = nullptr);
    // Checks every placement rule of the main window's layout against its current fonts and sizes.
    static void AnordnungPruefen(TForm1 *AForm);
    TOrte Orte() const {
        return {FOrdner->path() + QStringLiteral("/prog/"), FOrdner->path() + QStringLiteral("/docs/")};
    }
    std::unique_ptr<QTemporaryDir> FOrdner;
};

void TstHauptLayout::initMain() {
    // The platform configuration must outlive the application; the folder goes at exit.
    static QTemporaryDir Ordner;
    QJsonArray Schirme;
    int Links = 0;
    for (const TBildschirm &Schirm : Bildschirme) {
        Schirme.append(QJsonObject{{"name", Schirm.Name},
                                   {"x", Links},
                                   {"y", 0},
                                   {"width", Schirm.Breite},
                                   {"height", Schirm.Hoehe},
                                   {"logicalDpi", 96},
                                   {"logicalBaseDpi", 96},
                                   {"dpr", 1.0}});
        Links += Schirm.Breite;
    }
    // Without frame margins the client width of the window is the width of the work area.
    const QJsonObject Konfiguration{{"windowFrameMargins", false}, {"screens", Schirme}};
    QFile Datei(Ordner.filePath(QStringLiteral("bildschirme.json")));
    if (!Datei.open(QIODevice::WriteOnly) || Datei.write(QJsonDocument(Konfiguration).toJson()) < 0)
        qFatal("Die Bildschirmbeschreibung kann nicht geschrieben werden.");
    Datei.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(Datei.fileName()));
}

void TstHauptLayout::initTestCase() {
    if (!QFontDatabase::families().contains(Schriftart))
        QSKIP("Die Schrift DejaVu Sans fehlt; die Masse der Tests beruhen auf ihr.");
    for (const TBildschirm &Schirm : Bildschirme) {
        const QScreen *Gefunden = Bildschirm(QString::fromLatin1(Schirm.Name));
        QVERIFY2(Gefunden, Schirm.Name);
        QCOMPARE(Gefunden->availableGeometry().size(), QSize(Schirm.Breite, Schirm.Hoehe));
    }
    QCOMPARE(QGuiApplication::primaryScreen()->name(), QStringLiteral("A1920"));
}

void TstHauptLayout::init() {
    FOrdner = std::make_unique<QTemporaryDir>();
    QVERIFY(FOrdner->isValid());
    QVERIFY(QDir().mkpath(FOrdner->path() + QStringLiteral("/prog/Stundolog")));
    QVERIFY(QDir().mkpath(FOrdner->path() + QStringLiteral("/docs")));
    TDaten Daten = Klasse(QStringLiteral("5a"), {{QStringLiteral("Deutsch"), {{43899, QStringLiteral("Schreiben")}}}});
    QVERIFY(Daten.SaveToFile(FOrdner->path() + QStringLiteral("/prog/Stundolog/5a.SGV")));
    auto Speicher = EinstellungenOeffnen();
    Speicher->clear();
    Speicher->setValue(QStringLiteral("Filename"), QStringLiteral("5a.SGV 1"));
    Speicher->setValue(QStringLiteral("FontName"), Schriftart);
    Speicher->sync();
}

void TstHauptLayout::cleanup() {
    QTRY_VERIFY2(!QApplication::activeModalWidget(), "kein Dialog bleibt offen");
    FOrdner.reset();
}

std::unique_ptr<TForm1> TstHauptLayout::Starten(int ASchriftgroesse, QScreen *AAufSchirm) {
    EinstellungSetzen(QStringLiteral("FontSize"), ASchriftgroesse);
    auto Form = std::make_unique<TForm1>(Orte());
    if (AAufSchirm) {
        Form->setScreen(AAufSchirm);
        Form->move(AAufSchirm->geometry().topLeft());
    }
    Form->show();
    if (!QTest::qWaitForWindowExposed(Form.get()) ||
        !QTest::qWaitFor([&Form] { return Form->Daten.Klasse == QStringLiteral("5a"); })) {
        qWarning("Das Hauptfenster kam nicht mit der Klasse hoch.");
        return nullptr;
    }
    Abwarten();
    return Form;
}

void TstHauptLayout::AnordnungPruefen(TForm1 *AForm) {
    const QWidget *Flaeche = AForm->centralWidget();
    const QStatusBar *Status = AForm->statusBar();
    const int ClientBreite = Flaeche->width();

    // The status bar docked at the bottom, directly below the central area: one line of its font + 6 while the
    // texts of both panels fit in one line, higher where they wrap.
    const int Zeile = SchriftHoehe(Status->font(), TSteuerArt::StatusBar);
    const QLabel *Panel0 = AForm->StatusPanel0;
    const QLabel *Panel1 = AForm->StatusPanel1;
    if (Einzeilig(Panel0) && Einzeilig(Panel1))
        QCOMPARE(Status->height(), Zeile);
    else
        QVERIFY2(Status->height() > Zeile,
                 qPrintable(QStringLiteral("%1 statt mehr als %2 hoch").arg(Status->height()).arg(Zeile)));
    QCOMPARE(Status->geometry().bottom(), AForm->height() - 1);
    QCOMPARE(Status->width(), AForm->width());
    QCOMPARE(Flaeche->geometry().bottom() + 1, Status->y());

    // Labels at the left margin; the fields 5 right of the widest label, reaching to 10 short of the right edge.
    int LabelBreite = 0;
    for (const QLabel *Label : {AForm->Label1, AForm->Label2, AForm->Label3, AForm->Label4}) {
        QCOMPARE(Label->x(), 10);
        LabelBreite = std::max(LabelBreite, Label->width());
    }
    const int FeldLinks = 10 + LabelBreite + 5;
    const QList<QWidget *> Felder{AForm->Edit1, AForm->Edit2, AForm->Edit3, AForm->RichEdit1};
    for (const QWidget *Feld : Felder) {
        QVERIFY2(Feld->x() == FeldLinks,
                 qPrintable(QStringLiteral("%1 links bei %2 statt %3").arg(Name(Feld)).arg(Feld->x()).arg(FeldLinks)));
        QCOMPARE(Feld->width(), ClientBreite - FeldLinks - 10);
    }

    // The rows: Edit1 at 10, each next field 10 below the one above; the labels centred on their one-line fields.
    int Oben = 10;
    const QList<QLabel *> Labels{AForm->Label1, AForm->Label2, AForm->Label3};
    const QList<QLineEdit *> Zeilen{AForm->Edit1, AForm->Edit2, AForm->Edit3};
    for (int Nr = 0; Nr < 3; ++Nr) {
        const QLineEdit *Feld = Zeilen[Nr];
        QCOMPARE(Feld->y(), Oben);
        QCOMPARE(Feld->height(), SchriftHoehe(Feld->font(), TSteuerArt::Edit));
        QCOMPARE(Labels[Nr]->y(), Feld->y() + (Feld->height() - Labels[Nr]->height()) / 2);
        Oben = Feld->y() + Feld->height() + 10;
    }
    QCOMPARE(AForm->RichEdit1->y(), Oben);
    QCOMPARE(AForm->Label4->y(), AForm->RichEdit1->y());

    // The buttons: one line of their font + 12 high; the lower one 10 above the status bar.
    const QPushButton *Knopf1 = AForm->Button1;
    const QPushButton *Knopf2 = AForm->Button2;
    const int KnopfBreite = NoetigeKnopfBreite(AForm);
    for (const QPushButton *Knopf : {Knopf1, Knopf2})
        QCOMPARE(Knopf->height(), SchriftHoehe(Knopf->font(), TSteuerArt::Button));
    QCOMPARE(ImFenster(Knopf2).bottom() + 1, Status->y() - 10);
    if (2 * KnopfBreite + 3 * 10 <= ClientBreite) {
        // Side by side, as wide as the wider caption needs, at least 219, with equal gaps left, between and right.
        QCOMPARE(Knopf1->width(), KnopfBreite);
        QCOMPARE(Knopf2->width(), KnopfBreite);
        QCOMPARE(Knopf1->y(), Knopf2->y());
        QCOMPARE(Knopf1->x(), (ClientBreite - 2 * KnopfBreite) / 3);
        QCOMPARE(Knopf2->x(), 2 * Knopf1->x() + KnopfBreite);
    } else {
        // The row with gaps of 10 does not fit: one above the other in tab order, 10 apart, each centred and at most
        // 10 short of either edge.
        const int Breite = std::min(KnopfBreite, ClientBreite - 20);
        for (const QPushButton *Knopf : {Knopf1, Knopf2}) {
            QCOMPARE(Knopf->width(), Breite);
            QCOMPARE(Knopf->x(), (ClientBreite - Breite) / 2);
        }
        QCOMPARE(Knopf1->y() + Knopf1->height() + 10, Knopf2->y());
    }

    // The text field takes the height left above the upper button.
    QCOMPARE(AForm->RichEdit1->y() + AForm->RichEdit1->height(), Knopf1->y() - 10);

    // The panels lie in the status bar without overlapping and show their whole texts. With one line the entry
    // counter gets 22 per cent (in whole hundreds of pixels) and the status text the rest.
    const QRect Leiste = Status->rect();
    QVERIFY(Leiste.contains(Panel0->geometry()));
    QVERIFY(Leiste.contains(Panel1->geometry()));
    QVERIFY(!Panel0->geometry().intersects(Panel1->geometry()));
    for (const QLabel *Panel : {Panel0, Panel1}) {
        const QSize Text = UmbrochenerText(Panel);
        QVERIFY2(Text.width() <= Panel->contentsRect().width() && Text.height() <= Panel->contentsRect().height(),
                 qPrintable(QStringLiteral("%1 \"%2\": Text %3x%4, Platz %5x%6")
                                .arg(Name(Panel), Panel->text())
                                .arg(Text.width())
                                .arg(Text.height())
                                .arg(Panel->contentsRect().width())
                                .arg(Panel->contentsRect().height())));
    }
    if (Status->height() == Zeile) {
        const int Breite0 = (Status->width() / 100) * 22;
        QCOMPARE(ImFenster(Panel0).x(), Status->x());
        QCOMPARE(Panel0->width(), Breite0);
        QCOMPARE(ImFenster(Panel1).x(), Status->x() + Breite0);
        QCOMPARE(Panel1->width(), Status->width() - Breite0);
    }
}

void TstHauptLayout::anordnung_data() {
    QTest::addColumn<int>("Punkte");
    QTest::addColumn<bool>("KnoepfeBreiter");
    QTest::newRow("12 Punkt: Knöpfe 219 breit") << 12 << false;
    QTest::newRow("24 Punkt: Knöpfe breiter") << 24 << true;
}

void TstHauptLayout::anordnung() {
    QFETCH(int, Punkte);
    QFETCH(bool, KnoepfeBreiter);
    auto Form = Starten(Punkte);
    QVERIFY(Form);
    QCOMPARE(Form->Label1->font().family(), Schriftart);
    QCOMPARE(Form->Label1->font().pointSize(), Punkte);
    QCOMPARE(Form->Button1->font().pointSize(), Punkte);
    AnordnungPruefen(Form.get());
    // The buttons keep their width of 219 while their captions fit in it.
    if (KnoepfeBreiter)
        QVERIFY2(Form->Button1->width() > 219, qPrintable(QString::number(Form->Button1->width())));
    else
        QCOMPARE(Form->Button1->width(), 219);
}

void TstHauptLayout::zahlenBeiBildschirmbreite_data() {
    QTest::addColumn<QString>("Schirm");
    QTest::addColumn<int>("Knopf1Links");
    QTest::addColumn<int>("Knopf2Links");
    QTest::addColumn<int>("Panel0");
    QTest::addColumn<int>("Panel1");
    // (1264 - 438) div 3 = 275, 2 * 275 + 219 = 769; 12 * 22 = 264.
    QTest::newRow("1264") << "B1264" << 275 << 769 << 264 << 1000;
    QTest::newRow("1000") << "C1000" << 187 << 593 << 220 << 780;
    QTest::newRow("999") << "D999" << 187 << 593 << 198 << 801;
}

void TstHauptLayout::zahlenBeiBildschirmbreite() {
    QFETCH(QString, Schirm);
    QFETCH(int, Knopf1Links);
    QFETCH(int, Knopf2Links);
    QFETCH(int, Panel0);
    QFETCH(int, Panel1);
    QScreen *Ziel = Bildschirm(Schirm);
    QVERIFY(Ziel);
    // 8 points of DejaVu Sans at 96 dpi: a 13-pixel line.
    auto Form = Starten(8, Ziel);
    QVERIFY(Form);
    QCOMPARE(QFontMetrics(Form->Button1->font()).lineSpacing(), 13);
    QCOMPARE(Form->screen(), Ziel);
    QCOMPARE(Form->frameGeometry(), Ziel->availableGeometry());
    QCOMPARE(Form->centralWidget()->width(), Ziel->availableGeometry().width());
    QCOMPARE(Form->Button1->size(), QSize(219, 25));
    QCOMPARE(Form->Button2->size(), QSize(219, 25));
    QCOMPARE(Form->Button1->x(), Knopf1Links);
    QCOMPARE(Form->Button2->x(), Knopf2Links);
    QCOMPARE(Form->statusBar()->width(), Ziel->availableGeometry().width());
    QCOMPARE(Form->StatusPanel0->width(), Panel0);
    QCOMPARE(Form->StatusPanel1->width(), Panel1);
    AnordnungPruefen(Form.get());
}

void TstHauptLayout::nichtsAbgeschnitten_data() {
    QTest::addColumn<int>("Punkte");
    QTest::addColumn<QString>("Schirm");
    for (int Punkte : {8, 12, 24, 36, 48})
        QTest::addRow("%d Punkt, 1920 x 1080", Punkte) << Punkte << "A1920";
    // From 36 points on a window 600 pixels high is too low for the fields, the buttons one above the other and the
    // wrapped status bar.
    for (int Punkte : {8, 12, 20, 24, 26})
        QTest::addRow("%d Punkt, 800 x 600", Punkte) << Punkte << "E800";
}

void TstHauptLayout::nichtsAbgeschnitten() {
    QFETCH(int, Punkte);
    QFETCH(QString, Schirm);
    auto Form = Starten(Punkte, Bildschirm(Schirm));
    QVERIFY(Form);
    QCOMPARE(Form->screen()->name(), Schirm);
    const QRect Flaeche = Form->centralWidget()->rect();

    // Each label shows its whole text.
    for (const QLabel *Label : {Form->Label1, Form->Label2, Form->Label3, Form->Label4}) {
        const QFontMetrics Masse(Label->font());
        const int Textbreite = Masse.horizontalAdvance(OhneKuerzel(Label->text()));
        QVERIFY2(Textbreite <= Label->contentsRect().width(), qPrintable(QStringLiteral("%1: Text %2 breit, Label %3")
                                                                             .arg(Name(Label))
                                                                             .arg(Textbreite)
                                                                             .arg(Label->contentsRect().width())));
        QVERIFY2(Masse.height() <= Label->contentsRect().height(),
                 qPrintable(QStringLiteral("%1: Zeile %2 hoch, Label %3")
                                .arg(Name(Label))
                                .arg(Masse.height())
                                .arg(Label->contentsRect().height())));
    }
    // Each button shows its whole caption.
    for (const QPushButton *Knopf : {Form->Button1, Form->Button2}) {
        const QFontMetrics Masse(Knopf->font());
        const QRect Inhalt = KnopfInhalt(Knopf);
        const int Textbreite = Masse.horizontalAdvance(OhneKuerzel(Knopf->text()));
        QVERIFY2(
            Textbreite <= Inhalt.width(),
            qPrintable(
                QStringLiteral("%1: Text %2 breit, Platz %3").arg(Name(Knopf)).arg(Textbreite).arg(Inhalt.width())));
        QVERIFY2(Masse.height() <= Inhalt.height(), qPrintable(QStringLiteral("%1: Zeile %2 hoch, Platz %3")
                                                                   .arg(Name(Knopf))
                                                                   .arg(Masse.height())
                                                                   .arg(Inhalt.height())));
    }
    // Each one-line field holds a line of text with its frame and margins; the text field at least one line.
    for (const QLineEdit *Feld : {Form->Edit1, Form->Edit2, Form->Edit3})
        QVERIFY2(Feld->height() >= Feld->minimumSizeHint().height(),
                 qPrintable(QStringLiteral("%1: %2 hoch, braucht %3")
                                .arg(Name(Feld))
                                .arg(Feld->height())
                                .arg(Feld->minimumSizeHint().height())));
    const QPlainTextEdit *Text = Form->RichEdit1;
    QVERIFY2(Text->viewport()->height() >= QFontMetrics(Text->font()).lineSpacing(),
             qPrintable(QStringLiteral("Textfeld %1 hoch").arg(Text->viewport()->height())));

    // No two controls overlap, and none reaches past the central area.
    const QList<QWidget *> Steuerelemente{Form->Label1, Form->Label2, Form->Label3,    Form->Label4,  Form->Edit1,
                                          Form->Edit2,  Form->Edit3,  Form->RichEdit1, Form->Button1, Form->Button2};
    for (qsizetype Nr = 0; Nr < Steuerelemente.size(); ++Nr) {
        const QWidget *Eins = Steuerelemente[Nr];
        QVERIFY2(Flaeche.contains(Eins->geometry()),
                 qPrintable(QStringLiteral("%1 reicht aus der Fläche hinaus").arg(Name(Eins))));
        for (qsizetype Weiter = Nr + 1; Weiter < Steuerelemente.size(); ++Weiter) {
            const QWidget *Zwei = Steuerelemente[Weiter];
            QVERIFY2(!Eins->geometry().intersects(Zwei->geometry()),
                     qPrintable(QStringLiteral("%1 und %2 überlappen").arg(Name(Eins), Name(Zwei))));
        }
    }
    // The status panels show their whole texts, wrapped where they need more than one line.
    for (const QLabel *Panel : {Form->StatusPanel0, Form->StatusPanel1}) {
        const QSize Noetig = UmbrochenerText(Panel);
        QVERIFY2(!Panel->text().isEmpty(), qPrintable(Name(Panel)));
        QVERIFY2(Noetig.width() <= Panel->contentsRect().width() && Noetig.height() <= Panel->contentsRect().height(),
                 qPrintable(QStringLiteral("%1: Text %2x%3, Platz %4x%5")
                                .arg(Name(Panel))
                                .arg(Noetig.width())
                                .arg(Noetig.height())
                                .arg(Panel->contentsRect().width())
                                .arg(Panel->contentsRect().height())));
    }
}

void TstHauptLayout::grosseSchrift_data() {
    QTest::addColumn<int>("Punkte");
    QTest::addColumn<QString>("Schirm");
    QTest::addColumn<bool>("Untereinander"); // the buttons one above the other
    QTest::addColumn<bool>("Umbrochen");     // the status text in more than one line
    // The status text "Strg+N=neues Fach; ..." in one line: about 760 pixels at 12 points, 1200 at 24, 1800 at 36.
    // The wider caption, "Klasse/Fach wechseln...", needs 326 pixels at 20 points, 385 at 24, 573 at 36: two of
    // them with three gaps of 10 fit in 800 pixels up to 24 points.
    QTest::newRow("12 Punkt, 1920: wie gewohnt") << 12 << "A1920" << false << false;
    QTest::newRow("24 Punkt, 1920: Statustext in einer Zeile") << 24 << "A1920" << false << false;
    QTest::newRow("36 Punkt, 1920: Statustext umbrochen") << 36 << "A1920" << false << true;
    QTest::newRow("48 Punkt, 1920: Knöpfe noch nebeneinander") << 48 << "A1920" << false << true;
    QTest::newRow("12 Punkt, 800: wie gewohnt") << 12 << "E800" << false << false;
    QTest::newRow("20 Punkt, 800: Statustext umbrochen") << 20 << "E800" << false << true;
    QTest::newRow("24 Punkt, 800: Knöpfe gerade noch nebeneinander") << 24 << "E800" << false << true;
    QTest::newRow("26 Punkt, 800: Knöpfe untereinander") << 26 << "E800" << true << true;
    QTest::newRow("36 Punkt, 1000: Knöpfe untereinander") << 36 << "C1000" << true << true;
}

void TstHauptLayout::grosseSchrift() {
    QFETCH(int, Punkte);
    QFETCH(QString, Schirm);
    QFETCH(bool, Untereinander);
    QFETCH(bool, Umbrochen);
    auto Form = Starten(Punkte, Bildschirm(Schirm));
    QVERIFY(Form);
    QCOMPARE(Form->screen()->name(), Schirm);
    const QPushButton *Knopf1 = Form->Button1;
    const QPushButton *Knopf2 = Form->Button2;
    if (Untereinander) {
        QVERIFY2(Knopf1->geometry().bottom() < Knopf2->y(),
                 qPrintable(QStringLiteral("Button1 bei %1, Button2 bei %2").arg(Knopf1->y()).arg(Knopf2->y())));
        QCOMPARE(Knopf1->x(), Knopf2->x());
    } else {
        QCOMPARE(Knopf1->y(), Knopf2->y());
        QVERIFY2(Knopf1->geometry().right() < Knopf2->x(),
                 qPrintable(
                     QStringLiteral("Button1 bis %1, Button2 ab %2").arg(Knopf1->geometry().right()).arg(Knopf2->x())));
    }
    const int Zeile = SchriftHoehe(Form->statusBar()->font(), TSteuerArt::StatusBar);
    if (Umbrochen)
        QVERIFY2(Form->statusBar()->height() > Zeile, qPrintable(QString::number(Form->statusBar()->height())));
    else
        QCOMPARE(Form->statusBar()->height(), Zeile);
    AnordnungPruefen(Form.get());
}

void TstHauptLayout::statustextWechsel() {
    // At 20 points on 1920 pixels the usual status text fits in one line.
    auto Form = Starten(20);
    QVERIFY(Form);
    QStatusBar *Status = Form->statusBar();
    const int Zeile = SchriftHoehe(Status->font(), TSteuerArt::StatusBar);
    QCOMPARE(Status->height(), Zeile);
    const int TextHoehe = Form->RichEdit1->height();

    // A longer text wraps: the status bar grows by its lines, the text field gives up that height, the rest stays.
    const QPoint Knopf = Form->Button1->pos();
    const QString Lang = QStringLiteral("Die Klasse wurde gespeichert, eine Sicherungsdatei wurde angelegt, und beim "
                                        "nächsten Start wird diese Klasse mit ihrem letzten Fach wieder geöffnet.");
    Form->SetStatusText(Lang);
    QCOMPARE(Form->StatusPanel1->text(), Lang);
    QVERIFY2(Status->height() > Zeile, qPrintable(QString::number(Status->height())));
    QCOMPARE(Form->RichEdit1->height(), TextHoehe - (Status->height() - Zeile));
    QCOMPARE(Form->Button1->pos(), Knopf - QPoint(0, Status->height() - Zeile));
    AnordnungPruefen(Form.get());

    // Back to the usual text: one line again, and the window as before.
    Form->SetStatusStandardText();
    QCOMPARE(Status->height(), Zeile);
    QCOMPARE(Form->RichEdit1->height(), TextHoehe);
    QCOMPARE(Form->Button1->pos(), Knopf);
    AnordnungPruefen(Form.get());
}

void TstHauptLayout::anwendungsschrift() {
    const QFont Vorher = QApplication::font();
    // A bold, italic, underlined user font: the menus take its face and size only.
    auto Speicher = EinstellungenOeffnen();
    Speicher->setValue(QStringLiteral("FontStyle"),
                       Schriftstil::Fett | Schriftstil::Kursiv | Schriftstil::Unterstrichen);
    Speicher->sync();
    auto Form = Starten(20);
    QVERIFY(Form);
    QVERIFY(Form->Label1->font().bold());
    QVERIFY(Form->Label1->font().italic());

    const QFont Anwendung = QApplication::font();
    QCOMPARE(Anwendung.family(), Schriftart);
    QCOMPARE(Anwendung.pointSize(), 20);
    QCOMPARE(Anwendung.bold(), Vorher.bold());
    QCOMPARE(Anwendung.italic(), Vorher.italic());
    QCOMPARE(Anwendung.underline(), Vorher.underline());
    // The menu bar and its menus show in it, and the central area begins below the menu bar's larger line.
    QMenuBar *Leiste = Form->menuBar();
    QCOMPARE(Leiste->font().pointSize(), 20);
    QCOMPARE(Leiste->font().family(), Schriftart);
    const QList<QMenu *> Menues = Form->findChildren<QMenu *>();
    QVERIFY(Menues.size() >= 8);
    for (const QMenu *Menue : Menues)
        QVERIFY2(Menue->font().pointSize() == 20, qPrintable(Menue->title()));
    QVERIFY2(Leiste->height() >= QFontMetrics(Leiste->font()).height(), qPrintable(QString::number(Leiste->height())));
    QCOMPARE(Form->centralWidget()->y(), Leiste->geometry().bottom() + 1);
    // The window's own controls keep the whole user font; the buttons its face and size.
    QCOMPARE(Form->Edit1->font(), Form->Schrift().Font);
    QCOMPARE(Form->StatusPanel1->font(), Form->Schrift().Font);
    QCOMPARE(Form->Button1->font().pointSize(), 20);
    AnordnungPruefen(Form.get());

    // When the window goes, the program's own font comes back.
    Form.reset();
    QCOMPARE(QApplication::font(), Vorher);
}

void TstHauptLayout::arbeitsbereich() {
    auto Form = Starten(12);
    QVERIFY(Form);
    const QRect Bereich = Form->screen()->availableGeometry();
    QCOMPARE(Form->frameGeometry(), Bereich);

    // A smaller size, asked for by the program ...
    Form->resize(400, 300);
    Abwarten();
    QCOMPARE(Form->frameGeometry().size(), Bereich.size());
    Form->setGeometry(50, 60, 500, 400);
    Abwarten();
    QCOMPARE(Form->frameGeometry().size(), Bereich.size());
    // ... or by the platform, comes back to the size of the work area.
    Form->windowHandle()->resize(400, 300);
    QTRY_COMPARE(Form->frameGeometry().size(), Bereich.size());
    AnordnungPruefen(Form.get());
}

void TstHauptLayout::schriftWechsel() {
    auto Klein = Starten(12);
    QVERIFY(Klein);
    const int KleineKnoepfe = Klein->Button1->height();
    Klein.reset();
    auto Gross = Starten(24);
    QVERIFY(Gross);
    QVERIFY2(Gross->Button1->height() > KleineKnoepfe,
             qPrintable(QStringLiteral("%1 nicht höher als %2").arg(Gross->Button1->height()).arg(KleineKnoepfe)));
    Gross.reset();

    // A font chosen in the font dialog reaches the running window's layout at once.
    auto Form = Starten(12);
    QVERIFY(Form);
    const int VorherStatus = Form->statusBar()->height();
    TModalHelfer Helfer;
    Helfer.Dann([](QWidget *AFenster) {
        auto *Dialog = qobject_cast<TSchriftDialog *>(AFenster);
        if (!Dialog) {
            AFenster->close();
            return;
        }
        QFont Neu(Schriftart);
        Neu.setPointSize(24);
        Dialog->FontDialog1->setCurrentFont(Neu);
        Dialog->accept();
    });
    Form->MenuAnsSchriftart->trigger();
    QTRY_COMPARE(Helfer.Offen(), 0);
    QCOMPARE(Helfer.Unerwartet, 0);
    Abwarten();
    QCOMPARE(Form->Label1->font().pointSize(), 24);
    QVERIFY(Form->statusBar()->height() > VorherStatus);
    // The menu bar follows at once.
    QCOMPARE(QApplication::font().pointSize(), 24);
    QCOMPARE(Form->menuBar()->font().pointSize(), 24);
    AnordnungPruefen(Form.get());
}

QTEST_MAIN(TstHauptLayout)
#include "tst_hauptlayout.moc"
