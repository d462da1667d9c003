#pragma once

#include "dialogs/Layout.h"

#include <QDialog>
#include <QStringList>
#include <QVariant>

class QListWidget;
class QPushButton;

// A plain one-list choice: the opener puts lines in (each may carry data), names the list, sets the caption
// and shows the dialog; after OK the selected line is the choice. The dialog knows nothing of weeks or classes.
class TWochenlisteForm : public QDialog {
    Q_OBJECT
public:
    explicit TWochenlisteForm(QWidget *AParent = nullptr);

    void CaptionZuweisen();
    void SchriftartZuweisen(const TSchrift &ASchrift, const QColor &AHintergrund);
    void SchalterEinrichten();
    void FensterEinrichten();

    // Replaces the lines; ADaten[i] (where given) is attached to line i. AAuswahl selects a line; a number
    // outside the lines selects none, and showing the dialog then selects the first.
    void Fuellen(const QStringList &AZeilen, int AAuswahl, const QVariantList &ADaten = {});
    // What a screen reader calls the list ("Wochen", "Klassen"); "Einträge" until set.
    void SetListenName(const QString &AName);
    QListWidget *Liste() const { return ListBox1; }
    // The selected line, -1 for none, and the data attached to it.
    int AuswahlNr() const;
    QVariant AuswahlDaten() const;

    QListWidget *ListBox1;
    QPushButton *Button1;
    QPushButton *Button2;

protected:
    void showEvent(QShowEvent *AEvent) override;
    bool eventFilter(QObject *AObjekt, QEvent *AEvent) override;

private:
    void ListBox1Enter();
};
