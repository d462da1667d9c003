#include "app/Meldungen.h"

#include "dialogs/Meldungsfenster.h"

namespace {
QMessageBox::StandardButton Zeigen(QWidget *AEltern, QMessageBox::Icon AIcon, const QString &AText,
                                   QMessageBox::StandardButtons AKnoepfe, QMessageBox::StandardButton AVorgabe) {
    return MeldungZeigen(AEltern, AIcon, AText, AKnoepfe, AVorgabe);
}
} // namespace

namespace Meldungen {
void Fehler(QWidget *AEltern, const QString &AText) {
    Zeigen(AEltern, QMessageBox::Critical, AText, QMessageBox::Ok, QMessageBox::Ok);
}

void Info(QWidget *AEltern, const QString &AText) {
    Zeigen(AEltern, QMessageBox::Information, AText, QMessageBox::Ok, QMessageBox::Ok);
}

bool JaNein(QWidget *AEltern, const QString &AText) {
    return Zeigen(AEltern, QMessageBox::Question, AText, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

QMessageBox::StandardButton JaNeinAbbrechen(QWidget *AEltern, const QString &AText) {
    return Zeigen(AEltern, QMessageBox::Question, AText, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                  QMessageBox::Yes);
}
} // namespace Meldungen
