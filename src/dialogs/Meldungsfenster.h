#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// Shows one of the program's message boxes modally over AEltern: the program title as caption, the text also as
// the box's description (a screen reader reads it with the title), AVorgabe as the button Enter presses.
// The box shows in the application font, which is the user's; where that font is so large that the box would
// reach past the screen, its font steps down until the whole text and the buttons are on the screen.
QMessageBox::StandardButton MeldungZeigen(QWidget *AEltern, QMessageBox::Icon AIcon, const QString &AText,
                                          QMessageBox::StandardButtons AKnoepfe, QMessageBox::StandardButton AVorgabe);

// Makes a shown window that is larger than the screen fit: its font steps down by a tenth at a time (not below
// 6 points), and the window is placed anew on the screen. Returns whether it fits now.
bool AufBildschirmVerkleinern(QWidget *AFenster);
