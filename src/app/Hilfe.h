#pragma once

#include "dialogs/Layout.h"

#include <QByteArray>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QDialog>
#include <QWidget>

class QPlainTextEdit;
class QPushButton;

// What the "&Hilfe" menu needs besides the main window: the maker's addresses, the texts it shows and the
// hand-over file for the updater.
namespace Hilfe {
inline const QString Mailadresse = QStringLiteral("kontakt@stundolog.de");
inline const QString ChangeListName = QStringLiteral("History.txt");
inline const QString UebergabeName = QStringLiteral("Stundolog.cfg");

// The About box's text: the program title, the program's purpose and eleven lines of legal notice and
// contact data, separated by CR LF.
QString InfoText();

// Where the change list shipped with the program lies for the program folder AProgrammOrdner (with a
// trailing "/"): beside the program, or in the installed share folder (<prefix>/share/stundolog/ for a
// program in <prefix>/bin/). Empty when neither holds it.
QString ChangeListPfad(const QString &AProgrammOrdner);
// The updater in the program folder: "Zulader" or "Zulader.exe" (the Windows name, first on Windows).
// Empty when there is none.
QString ZuladerPfad(const QString &AProgrammOrdner);

// The point size of a font for the hand-over file; a font sized in pixels is converted at 96 dpi.
int Punktgroesse(const QFont &AFont);
// The five lines of the hand-over file: program title, the main window's caption, the program file's full
// path (native separators), the program name, "size face" of the user font.
QStringList UebergabeZeilen(const QString &ACaption, const QString &AProgrammDatei, const QFont &AFont);
// Writes the lines to ADatei in Windows-1252, each ended by CR LF, replacing a file of that name, also a
// read-only one.
bool UebergabeSchreibenOk(const QString &ADatei, const QStringList &AZeilen);
} // namespace Hilfe

// A non-modal read-only window that shows a text file (the change list). Esc or its button closes it; the
// window then deletes itself, so that the next showing reads the file afresh.
class TTextfenster : public QDialog {
    Q_OBJECT
public:
    explicit TTextfenster(QWidget *AParent = nullptr);

    // Reads the file APfad (UTF-8, or Windows-1252 when it is no valid UTF-8) into the window and names the
    // window after it. False when the file cannot be read; the window is left as it was.
    bool DateiLadenOk(const QString &APfad);
    QString Pfad() const { return FPfad; }

    void SchriftartZuweisen(const TSchrift &ASchrift, const QColor &AHintergrund);
    // Brings the window to the front: shown, restored when minimised, active, the focus in the text.
    void Vordergrund();

    QPlainTextEdit *Text;
    QPushButton *Schliessen;

protected:
    void keyPressEvent(QKeyEvent *AEvent) override;

private:
    QString FPfad;
};
