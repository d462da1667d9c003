#pragma once

#include "dialogs/Layout.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class TDaten;

// One week entry that contains the search text: positions counted from 0, Pos at the first match in the stored
// text (a line break counts as its two characters CR LF).
struct TTreffer {
    int FachNr = 0;
    int EintragNr = 0;
    int Pos = 0;
    bool operator==(const TTreffer &) const = default;
};

// Every week entry of ADaten whose text contains ASuchStr, subjects and weeks in their order, one hit per entry.
// GenauS: letter case must agree; otherwise both sides are upper-cased alike. The search text is taken as it is,
// blanks included; an empty one finds nothing.
QList<TTreffer> SucheTreffer(const TDaten &ADaten, const QString &ASuchStr, bool GenauS);
// How a hit is listed: the subject name in double quotes, " | ", the week text.
QString TrefferText(const TDaten &ADaten, const TTreffer &ATreffer);
// The hit as a line of IndexListe: "Fach Eintrag Position".
QString IndexZeile(const TTreffer &ATreffer);

// Searches the week texts of the open class as they are in memory, unsaved changes included, and lists every entry
// that contains the text; the user picks one.
//
// The opener sets DatenRef and calls SchriftartZuweisen before each showing; after OK it reads AuswahlOk (or the
// line of IndexListe at the selected hit). The last search text and the check box stay for the next showing.
class TSuchenForm : public QDialog {
    Q_OBJECT
public:
    explicit TSuchenForm(QWidget *AParent = nullptr);

    void CaptionZuweisen();
    void SchriftartZuweisen(const TSchrift &ASchrift, const QColor &AHintergrund);
    void SchalterEinrichten();
    void FensterEinrichten();

    // The search of Button1: replaces the hits, selects the first and focuses the list; without a hit it says so
    // and selects the search text again.
    void Button1Click();

    // After OK: the selected hit's subject, week and match position, each from 0. False when no hit is selected.
    bool AuswahlOk(int &AFachNr, int &AEintragNr, int &APos) const;

    TDaten *DatenRef = nullptr; // the open class, not owned
    QString SuchStr;            // the text of the last search
    QStringList IndexListe;     // "Fach Eintrag Position" per hit, parallel to ListBox1

    QLabel *Label1;
    QLineEdit *Edit1;
    QCheckBox *CheckBox1;
    QListWidget *ListBox1; // the hits
    QPushButton *Button1;
    QPushButton *Button2;
    QPushButton *Button3;

protected:
    void showEvent(QShowEvent *AEvent) override;
    bool eventFilter(QObject *AObjekt, QEvent *AEvent) override;

private:
    void Edit1Change();
    void TrefferLeeren();
    // Focus to the search text, all of it selected.
    void SuchtextWaehlen();

    bool FTextWaehlenS = false;
};
