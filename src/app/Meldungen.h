#pragma once

#include "data/Meldung.h"

#include <QMessageBox>
#include <QString>

class QWidget;

// The program's message boxes: the program title as caption, German buttons (Qt's translation is loaded),
// icon and buttons by kind.
namespace Meldungen {
// Error icon, OK.
void Fehler(QWidget *AEltern, const QString &AText);
// Information icon, OK.
void Info(QWidget *AEltern, const QString &AText);
// Question icon, Yes and No; true for Yes.
bool JaNein(QWidget *AEltern, const QString &AText);
// Question icon, Yes, No and Cancel.
QMessageBox::StandardButton JaNeinAbbrechen(QWidget *AEltern, const QString &AText);
} // namespace Meldungen

// Shows the data core's messages (unknown or damaged file, failed save) as error boxes over AEltern.
class TMeldungsFenster : public TMeldungsZiel {
public:
    explicit TMeldungsFenster(QWidget *AEltern) : FEltern(AEltern) {}
    void Fehler(const QString &AText) override { Meldungen::Fehler(FEltern, AText); }

private:
    QWidget *FEltern;
};
