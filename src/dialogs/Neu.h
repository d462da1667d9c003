#pragma once

#include "data/Daten.h"
#include "dialogs/Layout.h"

#include <QDialog>
#include <QMessageBox>
#include <QString>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The dialog that creates a new week in the current subject (Modus 1), a new subject in the open class (Modus 2)
// or a new class with its own file in the data folder (Modus 3). The opener sets the caption, SpeichernS, DatenRef,
// SaveDatenRef, SikS, FachRef, the font, the years (JahreZuweisen), the weeks (WochenZuweisen), Modus, Pfad and the
// two names, in that order, and shows the dialog modally. Ending with OK runs the check of the mode, which changes
// *DatenRef in place (and in Modus 3 also *SaveDatenRef); afterwards the opener reads Edit2 and Datum() and, in
// Modus 3, DatenRef->Filename.
//
// A new class whose file cannot be written: the message is shown and the dialog stays open for another name, while
// *DatenRef and *SaveDatenRef hold the new, unsaved class. The dialog has kept both objects as they were right
// before it replaced them (VorherDaten, VorherSaveDaten; NeueKlasseNichtGespeichert is set). Ending without OK puts
// them back, so the main window shows the class it had and can never save the new class under the old class's
// file name; the next OK puts them back too before it checks again.
class TNeuForm : public QDialog {
    Q_OBJECT
public:
    explicit TNeuForm(QWidget *AParent = nullptr);

    void CaptionZuweisen();
    void SchriftartZuweisen(const TSchrift &ASchrift, const QColor &AHintergrund);
    void SchalterEinrichten();
    void FensterEinrichten();

    // 1 new week, 2 new subject, 3 new class; other numbers are forced into 1..3. Decides which names can be edited
    // and, while the dialog is visible, where the focus goes (years, subject, class).
    int Modus() const { return FModus; }
    void SetModus(int AModus);

    // The years 2005 to the current year (of HeuteTag) + 10; AJahr is selected (none when it is not listed), 0 the
    // first year.
    void JahreZuweisen(int AJahr);
    // The weeks of the year of ADatum that FachRef does not hold, week 1 of the next year at the end. Selects the
    // first week whose key is at least AWoche (AWoche 0, or no such week: the first week). Empty while there are no
    // years.
    void WochenZuweisen(qint32 ADatum, qint32 AWoche);
    // The week key of week entry ANr, -1 the selected one; 0 when there is no such entry.
    qint32 Datum(int ANr = -1) const;

    // The path under which a new class of the name in Edit1 is stored in Pfad.
    QString NewFilename() const;
    // The check of a new class on OK: go to an existing class of that name, or create and save the new class.
    // False keeps the dialog open.
    bool KlasseErstellenOk();

    // Set by the opener; the dialog owns none of them.
    TDaten *DatenRef = nullptr;     // the open class
    TDaten *SaveDatenRef = nullptr; // its copy as last saved or loaded
    TFach *FachRef = nullptr;       // the current subject in Modus 1, else nullptr
    bool SikS = false;              // make a ".BAK" copy when the open class is saved
    bool SpeichernS = false;        // the open class has unsaved changes
    QString Pfad;                   // the data folder, ending with a separator
    qint32 HeuteTag;                // today's day number (the clock's by default); the years end 10 after its year

    // The open class as it was before a new class took its place (see above).
    TDaten VorherDaten;
    TDaten VorherSaveDaten;
    bool NeueKlasseNichtGespeichert = false;

    // How often Enter in a name field was refused with a beep.
    int Piepser = 0;

    QLabel *Label1E;
    QLabel *Label2E;
    QLabel *Label1L;
    QLabel *Label2L;
    QLineEdit *Edit1;
    QLineEdit *Edit2;
    QListWidget *ListBox1;
    QListWidget *ListBox2;
    QPushButton *Button1;
    QPushButton *Button2;

    void done(int AErgebnis) override;

protected:
    void showEvent(QShowEvent *AEvent) override;
    bool eventFilter(QObject *AObjekt, QEvent *AEvent) override;

private:
    void ListBox1Enter();
    void ListBox1Change(int AZeile);
    bool PruefenOk();
    bool FachErstellenOk();
    void VorherigeKlasseZurueck();
    QMessageBox::StandardButton Frage(QMessageBox::Icon AIcon, const QString &AText,
                                      QMessageBox::StandardButtons AKnoepfe);

    int FModus = 1;
    // Selections that the program makes in the year list do not refill the weeks.
    bool FJahrDurchProgrammS = false;
};
