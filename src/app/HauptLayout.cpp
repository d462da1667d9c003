// The main window's fonts, colours, layout and size: everything follows the user font, and the window
// always takes the size of the screen's work area.

#include "app/Haupt.h"

#include <QGuiApplication>
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
} // namespace

void TForm1::SchriftartZuweisen() {
    ::SchriftartZuweisen(this, FSchrift, FHintergrund);
    SchalterEinrichten();
}

void TForm1::SchalterEinrichten() {
    // The status bar: one line of its font + 6, docked at the bottom. The central area gives up that height
    // at once, so that everything below is placed in the area as it now is.
    QStatusBar *Status = statusBar();
    Status->setFixedHeight(SchriftHoehe(Status->font(), TSteuerArt::StatusBar));
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

    // The buttons 10 above the status bar, with equal gaps left, between and right of them.
    Layout::KnopfReiheUnten(Knoepfe, Flaeche->height());
    const int KnopfLinks = (ClientBreite - 2 * KnopfBreite) / 3;
    Button1->move(KnopfLinks, Button1->y());
    Button2->move(2 * KnopfLinks + KnopfBreite, Button2->y());

    // The text field takes all the height left; its label at its top.
    Layout::ListenZeile(Label4, RichEdit1, Oben, Button1->y() - Layout::Rand - Oben, FeldLinks, ClientBreite);

    // The two panels share the status bar's whole width: 22 pixels per full 100 for the entry counter, the rest
    // for the status text.
    const int PanelBreite = (Status->width() / 100) * 22;
    StatusPanel0->setGeometry(0, 0, PanelBreite, Status->height());
    StatusPanel1->setGeometry(PanelBreite, 0, Status->width() - PanelBreite, Status->height());
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
