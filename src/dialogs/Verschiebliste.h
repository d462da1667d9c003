#pragma once

#include "dialogs/Layout.h"

#include <QDialog>
#include <QString>

class QLabel;
class QListWidget;
class QPushButton;
class TDaten;

// Where the current week goes: the target subject of the open class and a week that this subject does not hold
// yet, so a move never makes a second entry for one week in one subject. The dialog changes nothing itself.
//
// The opener sets, in this order: the caption, DatenRef, SchriftartZuweisen, FaecherZuweisen (the week list
// depends on the selected subject), JahreZuweisen, WochenZuweisen; after OK it reads ZielOk.
class TVerschieblisteForm : public QDialog {
    Q_OBJECT
public:
    explicit TVerschieblisteForm(QWidget *AParent = nullptr);

    void CaptionZuweisen();
    void SchriftartZuweisen(const TSchrift &ASchrift, const QColor &AHintergrund);
    void SchalterEinrichten();
    void FensterEinrichten();

    // The subject names of DatenRef in the class's order; selects AFachname (letter case ignored), else the first.
    void FaecherZuweisen(const QString &AFachname);
    // The years from 2005 to this year + 10. AJahr 0 selects the first year; a year not in the list selects none.
    void JahreZuweisen(int AJahr);
    // The same with today's day number given.
    void JahreZuweisen(int AJahr, qint32 AHeute);
    // The weeks of the year of ADatum (and week 1 of the next year) that the selected subject does not hold.
    // Selects the first, or with AWoche > 0 the first whose key is at least AWoche.
    void WochenZuweisen(qint32 ADatum, qint32 AWoche);

    // After OK: the target subject's position in DatenRef and the chosen week key. False when no subject or no
    // week is selected (the subject already holds every week of the year); the opener then changes nothing.
    bool ZielOk(int &AFachNr, qint32 &ADatum) const;

    TDaten *DatenRef = nullptr; // the open class, not owned

    QLabel *Label3;
    QListWidget *ListBox3; // subjects
    QLabel *Label1;
    QListWidget *ListBox1; // years
    QLabel *Label2;
    QListWidget *ListBox2; // weeks, each carrying its week key
    QPushButton *Button1;
    QPushButton *Button2;

protected:
    void showEvent(QShowEvent *AEvent) override;
    bool eventFilter(QObject *AObjekt, QEvent *AEvent) override;

private:
    void ListBox1Enter();
    // A year or subject that the user picks lists that year's free weeks for that subject.
    void AuswahlGeaendert();
    // Selections the program makes do not count as the user's.
    void Waehlen(QListWidget *AListe, int ANr);

    bool FFuellenS = false;
    qint32 FWochenDatum = 0; // the day whose year the week list shows
};
