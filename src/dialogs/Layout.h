#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QMargins>
#include <QRect>
#include <QString>

class QAbstractButton;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

// The shared layout rules of every window: sizes and places follow the user font, so very large fonts
// still fit.

// The user font with its colour (Qt keeps a font's colour apart from the font).
struct TSchrift {
    QFont Font;
    QColor Farbe;
};

// The kinds of control whose height SchriftHoehe knows.
enum class TSteuerArt { Edit, Button, StatusBar, CheckBox, Sonstige };

// Layout constants in pixels.
namespace Layout {
constexpr int Rand = 10;         // outer margin and vertical gap between rows
constexpr int LabelAbstand = 5;  // between a label and its field
constexpr int KnopfBreite = 125; // the buttons of every dialog
} // namespace Layout

// The height a control of kind AArt needs for AFont: one line of text plus the kind's margin
// (edit 8, button 12, status bar 6, check box 8, else 0).
int SchriftHoehe(const QFont &AFont, TSteuerArt AArt);

// Gives the text-bearing controls of AFenster (labels, one-line edit fields, lists, check boxes, text fields and
// status bars, also nested ones) AHintergrund as background and a full copy of the user font in its colour.
// Buttons take only the font's family and size; their colour and style stay. Everything else is left alone.
void SchriftartZuweisen(QWidget *AFenster, const TSchrift &ASchrift, const QColor &AHintergrund);

// The contrast ratio of two colours as the web's accessibility guidelines define it: from 1 (the same colour) to
// 21 (black on white). Below 3 a text is hard to read even in large print.
double Kontrastverhaeltnis(const QColor &A, const QColor &B);

// Places a window on the primary screen: top := (screen height - window height) div 2 - 1, left likewise,
// neither below 0, where the window's height and width include the window manager's frame (Layout::Rahmen).
// A window larger than the screen keeps its size and sits at the top or left edge.
void FensterEinrichten(QWidget *AFenster);

// A caption as it is shown and spoken: the accelerator marks removed, "&&" read as "&".
QString OhneKuerzel(const QString &ACaption);
// Sets a button's caption; a screen reader speaks it without the "&".
void KnopfTextZuweisen(QAbstractButton *AKnopf, const QString &ACaption);

// The shared steps of SchalterEinrichten. Sizes are client sizes.
namespace Layout {
// The whole primary screen (taskbar included).
QRect Bildschirm();
// The frame the window manager puts round AFenster: its own once it has been shown, else that of the window it
// opens from (the main window, whose frame is known), else none.
QMargins Rahmen(const QWidget *AFenster);
// The largest client size with which AFenster, frame included, still fits on the screen.
QSize Platz(const QWidget *AFenster);
// Sets the client size of a window; our dialogs have a fixed frame, the user does not resize them.
void ClientGroesse(QWidget *AFenster, int ABreite, int AHoehe);

// Every button one text line of its font plus 12 high and ABreite wide, or all as wide as the widest caption
// needs where a large font needs more. Returns the width the buttons got.
int KnoepfeEinrichten(const QList<QPushButton *> &AKnoepfe, int ABreite = KnopfBreite);
// The gaps of the button rows, computed from the button width so that they grow with it.
inline int AbstandEinfach(int AKnopfBreite) {
    return AKnopfBreite;
}
inline int AbstandAnderthalb(int AKnopfBreite) {
    return AKnopfBreite + AKnopfBreite / 2;
}
inline int AbstandEinDrittel(int AKnopfBreite) {
    return AKnopfBreite + AKnopfBreite / 3;
}
// The button row with gap AAbstand: the first button at AAbstand, each further one AAbstand right of the one
// before. Returns the client width: right edge of the last button + AAbstand. A row that would be wider than
// AHoechstens gets smaller gaps, down to Rand, so that the buttons stay on the screen.
int KnopfReihe(const QList<QPushButton *> &AKnoepfe, int AAbstand, int AHoechstens = 1 << 20);
// The row spread over a client area AClientBreite wide: gaps left, between and right all alike.
void KnopfReiheVerteilen(const QList<QPushButton *> &AKnoepfe, int AClientBreite);
// Buttons spread over AClientBreite from top AOben on: in one row like KnopfReiheVerteilen where they fit with
// gaps of at least Rand, else in as many rows, Rand apart, as their width needs, each row spread alike.
void KnopfzeilenVerteilen(const QList<QPushButton *> &AKnoepfe, int AClientBreite, int AOben);
// The height the rows of KnopfzeilenVerteilen take.
int KnopfzeilenHoehe(const QList<QPushButton *> &AKnoepfe, int AClientBreite);
// The row anchored at the bottom of a client area AClientHoehe high: top := client height - button height - 10.
void KnopfReiheUnten(const QList<QPushButton *> &AKnoepfe, int AClientHoehe);
// The row AAbstand below the content that ends at AUnterkante (exclusive). Returns the client height: bottom
// edge of the buttons + AAbstand.
int KnopfReiheDarunter(const QList<QPushButton *> &AKnoepfe, int AUnterkante, int AAbstand = Rand);

// A dialog as high as the screen (Platz) with its buttons (each KnoepfeEinrichten-sized) in a row at the bottom,
// the gap AAbstand computed from the button width; where the row does not fit on the screen, the buttons stand
// in rows at the bottom (KnopfzeilenVerteilen). Returns the client width.
int BildschirmhoherDialog(QWidget *AFenster, const QList<QPushButton *> &AKnoepfe, int (*AAbstand)(int));

// The width a list needs to show its widest entry whole: entry, frame and vertical scroll bar.
int ListenBreite(const QListWidget *AListe);
// Widens a dialog of client width AClientBreite whose content needs ANoetig, as far as the screen allows, and
// spreads the button row over the new width; the height stays. Returns the client width.
int Verbreitern(QWidget *AFenster, int ANoetig, const QList<QPushButton *> &AKnoepfe, int AClientBreite);

// Sizes a label to its text in its own font, measured without the accelerator's "&"; returns its width.
int LabelAnpassen(QLabel *ALabel);
// The left edge of the fields: the widest of the labels (each sized by LabelAnpassen) + 10 + 5.
int FeldLinks(const QList<QLabel *> &ALabels);
// A row of label and one-line field: the field at (AFeldLinks, ATop) as high as its font needs and reaching to
// 10 short of AClientBreite; the label (may be null) at left 10, centred on the field. Returns the field's bottom
// edge (exclusive), where the next row starts 10 further down.
int EditZeile(QLabel *ALabel, QWidget *AFeld, int ATop, int AFeldLinks, int AClientBreite);
// A row of label and list, AHoehe high; the label (may be null) at the list's top. Returns the list's bottom
// edge (exclusive).
int ListenZeile(QLabel *ALabel, QWidget *AListe, int ATop, int AHoehe, int AFeldLinks, int AClientBreite);
} // namespace Layout
