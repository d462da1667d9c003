#include "dialogs/Namensfeld.h"

#include "data/Zeichenersatz.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QString>

namespace {
// Alt with a letter is an accelerator; one that no control answers beeps instead of typing the letter.
class TAltFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *AObjekt, QEvent *AEvent) override {
        if (AEvent->type() == QEvent::KeyPress) {
            const auto *Taste = static_cast<QKeyEvent *>(AEvent);
            const Qt::KeyboardModifiers Umschalter = Taste->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
            if (Umschalter == Qt::AltModifier && !Taste->text().isEmpty() && Taste->text().at(0).isPrint()) {
                QApplication::beep();
                return true;
            }
        }
        return QObject::eventFilter(AObjekt, AEvent);
    }
};

void HinweisSetzen(QLineEdit *AFeld, const QString &AHinweis) {
    if (AFeld->accessibleDescription() == AHinweis)
        return;
    AFeld->setAccessibleDescription(AHinweis);
    AFeld->setToolTip(AHinweis);
    QAccessibleEvent Ereignis(AFeld, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&Ereignis);
}
} // namespace

void NamensfeldEinrichten(QLineEdit *AFeld) {
    AFeld->installEventFilter(new TAltFilter(AFeld));
    QObject::connect(AFeld, &QLineEdit::textEdited, AFeld, [AFeld](const QString &AText) {
        const TErsatz Ersatz = Latin1Ersatz(AText);
        if (Ersatz.Ersetzt.isEmpty()) {
            HinweisSetzen(AFeld, QString());
            return;
        }
        // The caret stays behind the same characters: count what the replacements before it added.
        const int Caret = AFeld->cursorPosition();
        const int NeuerCaret = static_cast<int>(Latin1Ersatz(AText.left(Caret)).Text.size());
        AFeld->setText(Ersatz.Text);
        AFeld->setCursorPosition(NeuerCaret);
        HinweisSetzen(AFeld, ErsatzHinweis(Ersatz.Ersetzt));
    });
}

QString NamensfeldHinweis(const QLineEdit *AFeld) {
    return AFeld->accessibleDescription();
}
