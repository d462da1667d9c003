#pragma once

#include "dialogs/Layout.h"
#include "util/Rtf.h"

#include <QByteArray>
#include <QDialog>
#include <QPointer>
#include <QString>

#include <memory>

class QAction;
class QFileDialog;
class QKeySequence;
class QMenu;
class QPlainTextEdit;
class QPrinter;
class QPushButton;

// The file types of a saved overview, numbered as the save dialog lists them.
enum class TDateiArt { Rtf = 1, Text = 2, UnicodeText = 3 };

// The user font as a Rich Text document carries it; a font sized in pixels gets its size in points on the screen.
TRtfSchrift RtfSchrift(const TSchrift &ASchrift);

// The bytes of a saved overview: an RTF document in ASchrift; or the lines of AText (split at CR LF, CR or LF)
// with CR LF after every line, the last included, in Windows-1252 ("?" for what it cannot hold) or in UTF-16
// little endian after the byte order mark FF FE.
QByteArray DateiBytes(const QString &AText, TDateiArt AArt, const TSchrift &ASchrift);
// Writes DateiBytes to ADatei, replacing the file. On failure AFehler says why.
bool TextInDateiSpeichernOk(const QString &ADatei, const QString &AText, TDateiArt AArt, const TSchrift &ASchrift,
                            QString &AFehler);

// Prints AText on APrinter as the job "Drucke ATitel": in ASchrift and its colour, each page filling the printable
// area, a new page when a page is full and after every form feed (a form feed that ends the text adds no empty
// page). Any page range set on the printer is ignored: the whole text is printed. False when printing could not
// start.
bool TextDruckenOk(QPrinter &APrinter, const QString &ATitel, const QString &AText, const TSchrift &ASchrift);

// The overview viewer: shows an overview text for editing, marking page breaks, copying, printing and saving.
// The opener sets the caption (setWindowTitle), calls SchriftartZuweisen, sets the text with TextZuweisen and
// shows the viewer with exec(); it always ends with Rejected and hands nothing back.
class TReAnsichtForm : public QDialog {
    Q_OBJECT
public:
    explicit TReAnsichtForm(QWidget *AParent = nullptr);
    ~TReAnsichtForm() override;

    void CaptionZuweisen();
    void SchriftartZuweisen(const TSchrift &ASchrift, const QColor &AHintergrund);
    void SchalterEinrichten();
    void FensterEinrichten();

    // Replaces the text; line breaks may be CR LF, CR or LF.
    void TextZuweisen(const QString &AText);
    // The text as the user left it, lines separated by LF, form feeds and every other character as typed.
    QString Text() const;
    // The user font and colour as the text box shows them.
    TSchrift Schrift() const;

    // The commands; each does nothing while its menu item or button is disabled.
    void Button1Click();
    void PuSpeichernClick();
    void PuSeitenumbruchClick();
    void PuSeitenumbruchEntfernenClick();
    // Sets the states of the context menu's items.
    void PopupMenu1Popup();
    // Gives the focus back to the control that had it before a print or save dialog.
    void SetActiveControl();

    QPlainTextEdit *RichEdit1;
    QPushButton *Button1; // "&Drucken..."
    QPushButton *Button2; // "S&peichern..."
    QPushButton *Button3; // "&Schließen"
    QMenu *PopupMenu1;
    QAction *PuSeitenumbruch;
    QAction *PuSeitenumbruchEntfernen;
    QAction *PuKopieren;
    QAction *PuAusschneiden;
    QAction *PuEinfuegen;
    QAction *PuAllesMarkieren;
    QAction *PuRueck;
    QAction *PuDrucken;
    QAction *PuSpeichern;
    // Lives as long as the viewer, so the last file name and type are offered again.
    QFileDialog *SaveDialog1;

protected:
    void showEvent(QShowEvent *AEvent) override;

private:
    void RichEdit1Change();
    void TextZustand(const QString &AInhalt);
    void FilterGewaehlt(const QString &AFilter);
    QAction *Punkt(const QString &AName, const QString &ACaption, const QKeySequence &AKuerzel);

    QPointer<QWidget> MerkActiveControl;
    std::unique_ptr<QPrinter> FDrucker; // keeps the chosen printer and its settings between prints
};
