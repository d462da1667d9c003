#include "dialogs/Meldungsfenster.h"

#include "data/Programm.h"
#include "dialogs/Layout.h"

#include <QShowEvent>

#include <algorithm>

namespace {
// A message box fixes its size while it shows; only then can it be checked against the screen.
class TMeldungsBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent *AEvent) override {
        QMessageBox::showEvent(AEvent);
        AufBildschirmVerkleinern(this);
    }
};

bool PasstS(const QWidget *AFenster) {
    const QSize Platz = Layout::Platz(AFenster);
    return AFenster->width() <= Platz.width() && AFenster->height() <= Platz.height();
}
} // namespace

bool AufBildschirmVerkleinern(QWidget *AFenster) {
    QFont Schrift = AFenster->font();
    while (!PasstS(AFenster) && Schrift.pointSizeF() > 6) {
        Schrift.setPointSizeF(std::max(6.0, Schrift.pointSizeF() * 0.9));
        AFenster->setFont(Schrift);
        // A message box fixes its size when it shows and whenever its text is set.
        if (auto *Box = qobject_cast<QMessageBox *>(AFenster))
            Box->setText(Box->text());
        else
            AFenster->adjustSize();
    }
    FensterEinrichten(AFenster);
    return PasstS(AFenster);
}

QMessageBox::StandardButton MeldungZeigen(QWidget *AEltern, QMessageBox::Icon AIcon, const QString &AText,
                                          QMessageBox::StandardButtons AKnoepfe, QMessageBox::StandardButton AVorgabe) {
    TMeldungsBox Box(AIcon, Programm::Titel, AText, AKnoepfe, AEltern);
    Box.setDefaultButton(AVorgabe);
    Box.setAccessibleDescription(AText);
    return static_cast<QMessageBox::StandardButton>(Box.exec());
}
