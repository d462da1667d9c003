#pragma once

#include "dialogs/Layout.h"

#include <QColor>
#include <QDialog>
#include <QList>
#include <QString>

class QListWidget;
class QPushButton;

// One entry of the background colour list.
struct THintergrundFarbe {
    QString Name;
    QColor Farbe;
};

// The 19 background colours in list order; the index is what the settings store.
const QList<THintergrundFarbe> &HintergrundFarben();

// The text background colour dialog. Its selection is the program's background choice at all times, also while
// the dialog is hidden: OK keeps a new selection, Cancel (button, Escape, close box) restores the one it was
// shown with.
class THintergrundForm : public QDialog {
    Q_OBJECT
public:
    THintergrundForm(QWidget *AOwner, int ABtnWidth, int ARand);

    void CaptionZuweisen(const QString &ACaption, const QString &ABtn1Caption, const QString &ABtn2Caption);
    void SchriftartZuweisen(const TSchrift &ASchrift, const QColor &AColor);
    void SchalterEinrichten();
    void FensterEinrichten();

    // The selected entry, -1 while none is; setting a number outside 0..18 selects entry 0 ("Schwarz").
    int HintergrundNr() const;
    void SetHintergrundNr(int AValue);
    // The colour of the selected entry; with none selected that of entry 0.
    QColor HintergrundFarbe() const;

    int BtnWidth() const { return FBtnWidth; }
    void SetBtnWidth(int AValue);
    int Rand() const { return FRand; }
    void SetRand(int AValue);
    // The selection at the moment the dialog was shown.
    int MerkItemIndex() const { return FMerkItemIndex; }

    QListWidget *ListBox1;
    QPushButton *Button1;
    QPushButton *Button2;

public slots:
    void done(int AErgebnis) override;

protected:
    void showEvent(QShowEvent *AEvent) override;

private:
    int FBtnWidth;
    int FRand;
    int FMerkItemIndex = -1;
};
