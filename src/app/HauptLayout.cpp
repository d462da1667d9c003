// The main window's fonts, colours, layout and size: everything follows the user font, and the window
// always takes the size of the screen's work area.

#include "app/Haupt.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>

void TForm1::SchriftartZuweisen() {
    ::SchriftartZuweisen(this, FSchrift, FHintergrund);
    SchalterEinrichten();
}

void TForm1::SchalterEinrichten() {
    QStatusBar *Status = statusBar();
    Status->setFixedHeight(SchriftHoehe(Status->font(), TSteuerArt::StatusBar));

    const int KnopfHoehe = SchriftHoehe(Button1->font(), TSteuerArt::Button);
    for (QPushButton *Knopf : {Button1, Button2})
        Knopf->resize(219, KnopfHoehe);

    int Breite = 0;
    for (QLabel *Label : {Label1, Label2, Label3, Label4}) {
        Label->adjustSize();
        Breite = std::max(Breite, Label->width());
    }

    const QWidget *Flaeche = centralWidget();
    const int ClientBreite = Flaeche->width();
    const int ClientHoehe = Flaeche->height(); // the status bar lies below the central area
    const int FeldLinks = Layout::Rand + Breite + Layout::LabelAbstand;
    const int FeldBreite = ClientBreite - FeldLinks - Layout::Rand;
    int Oben = Layout::Rand;
    for (QLineEdit *Feld : {Edit1, Edit2, Edit3}) {
        Feld->setGeometry(FeldLinks, Oben, FeldBreite, SchriftHoehe(Feld->font(), TSteuerArt::Edit));
        Oben = Feld->geometry().bottom() + 1 + Layout::Rand;
    }
    const QList<QLineEdit *> Zeilen{Edit1, Edit2, Edit3};
    const QList<QLabel *> Labels{Label1, Label2, Label3};
    for (int Nr = 0; Nr < 3; ++Nr)
        Labels[Nr]->move(Layout::Rand, Zeilen[Nr]->y() + (Zeilen[Nr]->height() - Labels[Nr]->height()) / 2);

    const int KnopfOben = ClientHoehe - Layout::Rand - KnopfHoehe;
    const int KnopfLinks = (ClientBreite - 2 * 219) / 3;
    Button1->move(KnopfLinks, KnopfOben);
    Button2->move(2 * KnopfLinks + 219, KnopfOben);

    RichEdit1->setGeometry(FeldLinks, Oben, FeldBreite, KnopfOben - Layout::Rand - Oben);
    Label4->move(Layout::Rand, RichEdit1->y());

    const int PanelBreite = (Status->width() / 100) * 22;
    StatusPanel0->setFixedWidth(PanelBreite);
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
    move(Bereich.left() + (Bereich.width() - Rahmen.width()) / 2, Bereich.top() + (Bereich.height() - Rahmen.height()) / 2);
}

void TForm1::ArbeitsbereichAnpassen() {
    // Whatever size is asked for, the window keeps the size of the work area.
    const QScreen *Bildschirm = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!Bildschirm)
        return;
    const QRect Bereich = Bildschirm->availableGeometry();
    const QSize Rahmen = frameGeometry().size() - size();
    setFixedSize(Bereich.size() - Rahmen);
    FensterEinrichten();
}

void TForm1::resizeEvent(QResizeEvent *AEvent) {
    QMainWindow::resizeEvent(AEvent);
    if (!IsClosing && isVisible()) {
        SchriftartZuweisen();
        FensterEinrichten();
    }
}
