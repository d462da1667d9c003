#include "dialogs/Namensfeld.h"

#include "data/Zeichenersatz.h"

#include <QAccessible>
#include <QLineEdit>
#include <QString>

namespace {
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

QString NamensfeldHinweis(const QLineEdit *AFeld) { return AFeld->accessibleDescription(); }
