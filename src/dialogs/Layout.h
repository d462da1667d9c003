#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QRect>
#include <QString>

class QAbstractButton;
class QLabel;
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
// neither below 0. A window larger than the screen keeps its size and sits at the top or left edge.
void FensterEinrichten(QWidget *AFenster);

// A caption as it is shown and spoken: the accelerator marks removed, "&&" read as "&".
QString OhneKuerzel(const QString &ACaption);
// Sets a button's caption; a screen reader speaks it without the "&".
void KnopfTextZuweisen(QAbstractButton *AKnopf, const QString &ACaption);

// The shared steps of SchalterEinrichten. Sizes are client sizes.
namespace Layout {
// The whole primary screen (taskbar included).
QRect Bildschirm();
// Sets the client size of a window; our dialogs have a fixed frame, the user does not resize them.
void ClientGroesse(QWidget *AFenster, int ABreite, int AHoehe);
// The window as big as the screen.
void BildschirmGross(QWidget *AFenster);

// Every button one text line of its font plus 12 high and ABreite wide.
void KnoepfeEinrichten(const QList<QPushButton *> &AKnoepfe, int ABreite = KnopfBreite);
// The button row with gap AAbstand: the first button at AAbstand, each further one AAbstand right of the one
// before. Returns the client width: right edge of the last button + AAbstand.
int KnopfReihe(const QList<QPushButton *> &AKnoepfe, int AAbstand);
// The row anchored at the bottom of a client area AClientHoehe high: top := client height - button height - 10.
void KnopfReiheUnten(const QList<QPushButton *> &AKnoepfe, int AClientHoehe);
// The row AAbstand below the content that ends at AUnterkante (exclusive). Returns the client height: bottom
// edge of the buttons + AAbstand.
int KnopfReiheDarunter(const QList<QPushButton *> &AKnoepfe, int AUnterkante, int AAbstand = Rand);

// A dialog as high as the screen with its buttons (each KnoepfeEinrichten-sized) in a row of gap AAbstand at the
// bottom. Returns the client width.
int BildschirmhoherDialog(QWidget *AFenster, const QList<QPushButton *> &AKnoepfe, int AAbstand);

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
