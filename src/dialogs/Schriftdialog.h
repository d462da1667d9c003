#pragma once

#include "dialogs/Layout.h"

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QList>
#include <QString>

class QComboBox;
class QFontDialog;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

// One entry of the colour list of the font dialog.
struct TSchriftFarbe {
    QString Name;
    QColor Farbe;
};

// The user font dialog: Qt's font dialog (face, size, style, underline, strikeout) with the font colour below it.
// The colour is "Automatisch" (the system's window text colour, which follows the system), one of the 16 colours
// of the Windows font dialog, or a colour from the settings that is none of them ("Benutzerdefiniert"), which OK
// keeps unchanged. What the user did not change comes back exactly as it was set, also a face that is not
// installed here (the list can only show a stand-in for it).
class TSchriftDialog : public QDialog {
    Q_OBJECT
public:
    explicit TSchriftDialog(QWidget *AOwner = nullptr);

    // The 16 colours in list order (after "Automatisch").
    static const QList<TSchriftFarbe> &Farben();

    // Shows ASchrift; with ASystemFarbeS "Automatisch" is chosen and ASchrift.Farbe is not looked at.
    void Setzen(const TSchrift &ASchrift, bool ASystemFarbeS);
    // The chosen font (family, point size, bold, italic, underline, strikeout) and colour; for "Automatisch" the
    // window text colour of the dialog's palette.
    TSchrift Schrift() const;
    // True while "Automatisch" is chosen.
    bool SystemFarbe() const;

    // Shows the dialog modally on ASchrift and ASystemFarbeS and writes both back on OK only. True for OK.
    static bool Waehlen(QWidget *AEltern, TSchrift &ASchrift, bool &ASystemFarbeS);

    QFontDialog *FontDialog1; // embedded as a part of this dialog, without its own buttons
    QLabel *Label1;           // "&Farbe:"
    QComboBox *ComboBox1;     // the colours
    QPushButton *Button1;     // OK
    QPushButton *Button2;     // Cancel

    // The embedded dialog's list of faces, where the focus starts.
    QListView *FamilienListe() const { return FFamilienListe; }

protected:
    void showEvent(QShowEvent *AEvent) override;

private:
    void FarbeGewaehlt();
    void NamenVergeben();
    void StilZeigen(const QFont &AFont);
    // How much wider and higher the dialog would have to be for each list to show five lines and its longest entry.
    QSize ListenFehlen() const;

    TSchrift FGesetzt; // as given to Setzen
    QFont FAngezeigt;  // what the embedded dialog made of it
    QListView *FFamilienListe = nullptr;
    QListView *FStilListe = nullptr;
    QLineEdit *FBeispiel = nullptr; // the embedded dialog's sample text, shown in the chosen colour
};
