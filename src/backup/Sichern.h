#pragma once

#include "dialogs/Layout.h"
#include "util/Laufwerke.h"

#include <QDialog>
#include <QMessageBox>
#include <QString>

class QAction;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;

// Backs up every class file of the data folder to the folder "SgvDaten" on a chosen volume, or restores them
// from there, and compares every copy byte by byte. The opener sets DatenOrdner, SichernS, the caption and
// the action button's text, then shows the dialog; it always ends with Rejected and hands nothing back.
class TSichernForm : public QDialog {
    Q_OBJECT
public:
    explicit TSichernForm(QWidget *AParent = nullptr);

    QString DatenOrdner;  // the data folder, with a trailing "/": source when backing up, target when restoring
    bool SichernS = true; // true back up, false restore

    // Where the volumes come from; the system's mounted volumes unless a test sets its own.
    TLaufwerksQuelle LaufwerksQuelle;

    void CaptionZuweisen();
    void SchriftartZuweisen(const TSchrift &ASchrift, const QColor &AHintergrund);
    void SchalterEinrichten();
    void FensterEinrichten();

    // Appends a line to the log (emptied first when ClearS) and puts the caret at its start.
    void ReText(const QString &S, bool ClearS);
    // The root folder of the selected volume, empty when none is selected.
    QString AuswahlWurzel() const;
    bool Laeuft() const { return FLaeuftS; }

    QListWidget *ListBox1;
    QPlainTextEdit *RichEdit1;
    QPushButton *Button1;
    QPushButton *Button2;
    QPushButton *Button3;
    QProgressBar *Fortschritt; // shown below the log while a run copies and compares
    QTimer *Timer1;
    QMenu *PopupMenu1;
    QAction *PuAktualisieren;

public slots:
    void Button1Click();
    void Button2Click();
    void PuAktualisierenClick();
    void reject() override;

protected:
    void showEvent(QShowEvent *AEvent) override;
    bool eventFilter(QObject *AObjekt, QEvent *AEvent) override;

private:
    void Timer1Timer();
    bool LaufwerkGeeignet(const TLaufwerk &ALaufwerk) const;
    void FortschrittZeigen(bool AnS);
    void Meldung(QMessageBox::Icon AIcon, const QString &AText);

    bool FLaeuftS = false;
    bool FSchliessenS = false; // a close request during a run, carried out when the run has ended
    qint64 FGesamt = 0;
    qint64 FFertig = 0;
    int FLogHoehe = 0;
};
