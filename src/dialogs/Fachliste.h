#pragma once

#include "data/Klassendatei.h"
#include "dialogs/Layout.h"

#include <QDialog>
#include <QString>

class QListWidget;
class QPushButton;

// Switch to another class and subject in one step: the classes of the data folder above, the subjects of the
// selected class below. The dialog changes nothing; the opener loads the chosen class and goes to the chosen
// subject.
class TFachlisteForm : public QDialog {
    Q_OBJECT
public:
    explicit TFachlisteForm(QWidget *AParent = nullptr);

    void CaptionZuweisen();
    void SchriftartZuweisen(const TSchrift &ASchrift, const QColor &AHintergrund);
    void SchalterEinrichten();
    void FensterEinrichten();

    // Replaces the class lines: one per entry of AListe, in its order, each carrying its class. No line is
    // selected and the subject list is emptied; the dialog keeps the classes until the next call.
    void KlassenZuweisen(TKlassenListe AListe);
    // Selects the first class line whose name equals AKlasse without regard to case, else the first line.
    // Like every selection the program makes, it leaves the subject list as it is.
    void KlasseWaehlen(const QString &AKlasse);
    // Lists the subjects of the selected class in that class's order. A non-empty AFachname selects the
    // subject of that name (without regard to case) or none; an empty one selects the first.
    void FachnamenZuweisen(const QString &AFachname);

    // The class of the selected line (with its file name), null while none is selected.
    const TKlassenEintrag *GewaehlteKlasse() const;
    // The position of the selected subject in that class's subject list, -1 for none.
    int FachIndex() const;

    QListWidget *ListBox1;
    QListWidget *ListBox2;
    QPushButton *Button1;
    QPushButton *Button2;

protected:
    void showEvent(QShowEvent *AEvent) override;
    bool eventFilter(QObject *AObjekt, QEvent *AEvent) override;

private:
    void ListBox1Enter();
    TKlassenListe FKlassen;
};
