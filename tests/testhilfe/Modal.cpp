#include "Modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

namespace {
// Only the newest helper answers: an older one of the same test is done and must not take the next window.
QPointer<TModalHelfer> Aktiv;
} // namespace

TModalHelfer::TModalHelfer() : FTimer(new QTimer(this)) {
    Aktiv = this;
    FTimer->setInterval(5);
    connect(FTimer, &QTimer::timeout, this, &TModalHelfer::Pruefen);
    FTimer->start();
}

TModalHelfer::~TModalHelfer() = default;

TModalHelfer &TModalHelfer::Dann(TSchritt ASchritt) {
    FSchritte.append(std::move(ASchritt));
    return *this;
}

TModalHelfer &TModalHelfer::Antwort(QMessageBox::StandardButton AKnopf) {
    return Dann([this, AKnopf](QWidget *AFenster) {
        auto *Box = qobject_cast<QMessageBox *>(AFenster);
        if (!Box) {
            Texte.append(QStringLiteral("<kein Meldungsfenster: %1>").arg(QString::fromLatin1(AFenster->metaObject()->className())));
            AFenster->close();
            return;
        }
        Texte.append(Box->text());
        Symbole.append(Box->icon());
        if (QAbstractButton *Knopf = Box->button(AKnopf))
            Knopf->click();
        else
            Box->reject();
    });
}

void TModalHelfer::Pruefen() {
    if (Aktiv != this)
        return;
    QWidget *Modal = QApplication::activeModalWidget();
    if (!Modal || Modal == FZuletzt || !Modal->isVisible())
        return;
    FZuletzt = Modal;
    if (FSchritte.isEmpty()) {
        ++Unerwartet;
        if (auto *Box = qobject_cast<QMessageBox *>(Modal))
            Texte.append(QStringLiteral("<unerwartet> ") + Box->text());
        Modal->close();
        return;
    }
    const TSchritt Schritt = FSchritte.takeFirst();
    // Acting once the timer tick has returned: the modal loop of the window is running, and a step that opens
    // the next modal window (an OK that asks a question) leaves this helper's timer free to answer it.
    QTimer::singleShot(0, this, [Schritt, Fenster = QPointer<QWidget>(Modal)] {
        if (Fenster)
            Schritt(Fenster);
    });
}
