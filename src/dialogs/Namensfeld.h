#pragma once

#include <QString>

class QLineEdit;

// A name field of a dialog (class or subject name): what the user types or pastes beyond the characters a class
// file holds is replaced at once (the same replacements as in the text field), the caret stays behind the
// replaced text, and the field's description says what was replaced, so a screen reader tells it and a tooltip
// shows it. A text that needs no replacement clears the description again. Texts the program puts into the field
// are left alone. Alt with a letter that no accelerator of the window answers beeps and types nothing.
void NamensfeldEinrichten(QLineEdit *AFeld);

// What the field's description says after the last replacement; empty when the last edit needed none.
QString NamensfeldHinweis(const QLineEdit *AFeld);
