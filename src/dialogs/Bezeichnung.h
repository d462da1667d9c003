#pragma once

#include "dialogs/Layout.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Asks for a new name of a subject or a class. The opener sets the caption, the label and the current name;
// whenever the window closes, the field holds the name trimmed, which is what the opener reads.
class TBezeichnungForm : public QDialog {
    Q_OBJECT
public:
    explicit TBezeichnungForm(QWidget *AParent = nullptr);

    void CaptionZuweisen();
    void SchriftartZuweisen(const TSchrift &ASchrift, const QColor &AHintergrund);
    // Runs when the dialog shows: the window keeps a normal frame that the user may resize afterwards.
    void SchalterEinrichten();
    void FensterEinrichten();
    // Every way of closing ends here: OK, Cancel, Esc and the close box.
    void done(int AErgebnis) override;

    // The opener sets Label1's text; Edit1's accessible name follows it when the dialog shows.
    QLabel *Label1;
    QLineEdit *Edit1;
    QPushButton *Button1;
    QPushButton *Button2;

protected:
    void showEvent(QShowEvent *AEvent) override;

private:
    void Edit1Change();
};
