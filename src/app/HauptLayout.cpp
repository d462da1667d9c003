// The main window's fonts, colours, layout and size: everything follows the user font, and the window
// always takes the size of the screen's work area.

#include "app/Haupt.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>

#include <algorithm>

namespace {
// The main window's buttons are wider than those of the dialogs.
constexpr int HauptKnopfBreite = 219;
constexpr int Unbegrenzt = 1 << 20;

// The width of a status panel that is not room for its text: contents margins and margin on both sides.
int PanelRand(const QLabel *APanel) {
    const QMargins Raender = APanel->contentsMargins();
    return Raender.left() + Raender.right() + 2 * APanel->margin();
}

// The size of the panel's text broken between words into lines at most ARaum wide; a word wider than that stays
// whole and makes the text wider.
QSize UmbrochenerText(const QLabel *APanel, int ARaum) {
    return QFontMetrics(APanel->font())
        .boundingRect(QRect(0, 0, std::max(ARaum, 1), Unbegrenzt), Qt::TextWordWrap, APanel->text())
        .size();
}

// The narrowest panel that shows each word of its text whole: its widest word and its margins.
int WortBreite(const QLabel *APanel) {
    return UmbrochenerText(APanel, 1).width() + PanelRand(APanel);
}

// The height of a panel ABreite wide: one line of the status bar (AZeile) while its text fits in one line, else
// the text's lines plus the status bar's margin.
int PanelHoehe(const QLabel *APanel, int ABreite, int AZeile) {
    const QSize Text = UmbrochenerText(APanel, ABreite - PanelRand(APanel));
    if (Text.height() <= UmbrochenerText(APanel, Unbegrenzt).height())
        return AZeile;
    const QFont &Schrift = APanel->font();
    const int Zugabe = SchriftHoehe(Schrift, TSteuerArt::StatusBar) - SchriftHoehe(Schrift, TSteuerArt::Sonstige);
    const QMargins Raender = APanel->contentsMargins();
    return std::max(AZeile, Text.height() + Raender.top() + Raender.bottom() + 2 * APanel->margin() + Zugabe);
}

// Where the two panels of a status bar ABreite wide go, and how high the bar becomes.
struct TStatusLage {
    QRect Panel0, Panel1;
    int Hoehe;
};

TStatusLage StatusEinteilen(const QLabel *APanel0, const QLabel *APanel1, int ABreite, int AZeile) {
    // 22 pixels per full 100 for the entry counter, the rest for the status text; the counter wider where a word
    // of it needs more.
    const int Breite0 = std::max((ABreite / 100) * 22, WortBreite(APanel0));
    if (Breite0 + WortBreite(APanel1) <= ABreite) {
        const int Breite1 = ABreite - Breite0;
        const int Hoehe = std::max(PanelHoehe(APanel0, Breite0, AZeile), PanelHoehe(APanel1, Breite1, AZeile));
        return {QRect(0, 0, Breite0, Hoehe), QRect(Breite0, 0, Breite1, Hoehe), Hoehe};
    }
    // Too narrow for the words of both side by side: the counter above the status text, each across the whole bar.
    const int Hoehe0 = PanelHoehe(APanel0, ABreite, AZeile);
    const int Hoehe1 = PanelHoehe(APanel1, ABreite, AZeile);
    return {QRect(0, 0, ABreite, Hoehe0), QRect(0, Hoehe0, ABreite, Hoehe1), Hoehe0 + Hoehe1};
}
} // namespace

void TForm1::SchriftartZuweisen() {
    AnwendungsschriftSetzen();
    ::SchriftartZuweisen(this, FSchrift, FHintergrund);
    SchalterEinrichten();
}

void TForm1::AnwendungsschriftSetzen() {
    // What the window does not draw itself (menu bar, menus, tooltips, message boxes, the font, file and print
    // dialogs) shows in the user's face and size; the user font's style and colour stay with the window's fields.
    QFont Schrift = FAnwendungsschrift;
    Schrift.setFamily(FSchrift.Font.family());
    if (FSchrift.Font.pointSizeF() > 0)
        Schrift.setPointSizeF(FSchrift.Font.pointSizeF());
    else if (FSchrift.Font.pixelSize() > 0)
        Schrift.setPixelSize(FSchrift.Font.pixelSize());
    // Every widget of the program hears of a new application font: only a real change is announced.
    if (QApplication::font() == Schrift)
        return;
    QApplication::setFont(Schrift);
    // Qt tells the widgets by posted events; this window takes the font at once, so that the layout that follows
    // counts with the menu bar's new height.
    QEvent Ereignis(QEvent::ApplicationFontChange);
    QCoreApplication::sendEvent(this, &Ereignis);
}

void TForm1::SchalterEinrichten() {
    // The status bar, docked at the bottom: one line of its font + 6, or as many lines as its panels need where a
    // text does not fit in one. The central area gives up that height at once, so that everything below is placed
    // in the area as it now is.
    QStatusBar *Status = statusBar();
    layout()->activate();
    const TStatusLage StatusLage = StatusEinteilen(StatusPanel0, StatusPanel1, Status->width(),
                                                   SchriftHoehe(Status->font(), TSteuerArt::StatusBar));
    Status->setFixedHeight(StatusLage.Hoehe);
    layout()->activate();

    // The buttons: one line of their font + 12 high, 219 wide; wider where a large font needs it for the whole
    // caption, both alike.
    const QList<QPushButton *> Knoepfe{Button1, Button2};
    int KnopfBreite = HauptKnopfBreite;
    for (const QPushButton *Knopf : Knoepfe)
        KnopfBreite = std::max(KnopfBreite, Knopf->sizeHint().width());
    Layout::KnoepfeEinrichten(Knoepfe, KnopfBreite);

    // Labels at the left margin, sized to their text; the fields 5 right of the widest, to 10 short of the right
    // edge, one below the other with 10 between them.
    const QWidget *Flaeche = centralWidget();
    const int ClientBreite = Flaeche->width();
    const int FeldLinks = Layout::FeldLinks({Label1, Label2, Label3, Label4});
    int Oben = Layout::Rand;
    Oben = Layout::EditZeile(Label1, Edit1, Oben, FeldLinks, ClientBreite) + Layout::Rand;
    Oben = Layout::EditZeile(Label2, Edit2, Oben, FeldLinks, ClientBreite) + Layout::Rand;
    Oben = Layout::EditZeile(Label3, Edit3, Oben, FeldLinks, ClientBreite) + Layout::Rand;

    if (2 * KnopfBreite + 3 * Layout::Rand <= ClientBreite) {
        // The buttons 10 above the status bar, with equal gaps left, between and right of them.
        Layout::KnopfReiheUnten(Knoepfe, Flaeche->height());
        const int KnopfLinks = (ClientBreite - 2 * KnopfBreite) / 3;
        Button1->move(KnopfLinks, Button1->y());
        Button2->move(2 * KnopfLinks + KnopfBreite, Button2->y());
    } else {
        // Too narrow for the row: the buttons one above the other in their tab order, Button2 10 above the status
        // bar and Button1 10 above it, each centred and at most 10 short of either edge.
        const int Breite = std::min(KnopfBreite, ClientBreite - 2 * Layout::Rand);
        int Unten = Flaeche->height();
        for (QPushButton *Knopf : {Button2, Button1}) {
            Knopf->setGeometry((ClientBreite - Breite) / 2, Unten - Layout::Rand - Knopf->height(), Breite,
                               Knopf->height());
            Unten = Knopf->y();
        }
    }

    // The text field takes all the height left above the buttons; its label at its top.
    Layout::ListenZeile(Label4, RichEdit1, Oben, Button1->y() - Layout::Rand - Oben, FeldLinks, ClientBreite);

    StatusPanel0->setGeometry(StatusLage.Panel0);
    StatusPanel1->setGeometry(StatusLage.Panel1);
}

void TForm1::StatuszeileAnpassen() {
    if (!StatusPanelsPlatziertOk())
        SchalterEinrichten();
}

bool TForm1::StatusPanelsPlatziertOk() {
    QStatusBar *Status = statusBar();
    const TStatusLage StatusLage = StatusEinteilen(StatusPanel0, StatusPanel1, Status->width(),
                                                   SchriftHoehe(Status->font(), TSteuerArt::StatusBar));
    if (StatusLage.Hoehe != Status->height())
        return false;
    StatusPanel0->setGeometry(StatusLage.Panel0);
    StatusPanel1->setGeometry(StatusLage.Panel1);
    return true;
}

void TForm1::FensterEinrichten() {
    const QScreen *Bildschirm = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!Bildschirm)
        return;
    const QRect Bereich = Bildschirm->availableGeometry();
    if (isMaximized()) {
        move(Bereich.topLeft());
        return;
    }
    const QRect Rahmen = frameGeometry();
    move(Bereich.left() + (Bereich.width() - Rahmen.width()) / 2,
         Bereich.top() + (Bereich.height() - Rahmen.height()) / 2);
}

void TForm1::ArbeitsbereichAnpassen() {
    // Whatever size is asked for, the window keeps the size of the work area.
    const QScreen *Bildschirm = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!Bildschirm)
        return;
    const QRect Bereich = Bildschirm->availableGeometry();
    const QSize Rahmen = frameGeometry().size() - size();
    FRahmen = Rahmen;
    setFixedSize(Bereich.size() - Rahmen);
    FensterEinrichten();
}

void TForm1::moveEvent(QMoveEvent *AEvent) {
    QMainWindow::moveEvent(AEvent);
    // The window manager adds its frame only after the window is shown: then the inside shrinks by it, so that
    // the whole window, title bar included, fills the work area and the status bar stays on the screen.
    if (!IsClosing && isVisible() && frameGeometry().size() - size() != FRahmen)
        ArbeitsbereichAnpassen();
}

void TForm1::resizeEvent(QResizeEvent *AEvent) {
    QMainWindow::resizeEvent(AEvent);
    if (!IsClosing && isVisible()) {
        SchriftartZuweisen();
        FensterEinrichten();
    }
}
