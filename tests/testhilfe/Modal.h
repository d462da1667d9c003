#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class QTimer;

// Answers the modal windows that the code under test opens, one after the other: each step waits for the next
// modal widget, records what it showed and acts on it. Whatever the steps did not get to is reported by
// Offen(); a modal window for which no step is left is closed and counted as unexpected. Only the newest
// helper acts.
class TModalHelfer : public QObject {
    Q_OBJECT
public:
    using TSchritt = std::function<void(QWidget *)>;
    TModalHelfer();
    ~TModalHelfer() override;

    TModalHelfer &Dann(TSchritt ASchritt);
    // A message box: checks nothing, presses AKnopf; its text is recorded.
    TModalHelfer &Antwort(QMessageBox::StandardButton AKnopf);

    int Offen() const { return static_cast<int>(FSchritte.size()); }
    QStringList Texte;        // the texts of the message boxes answered, in order
    QList<QMessageBox::Icon> Symbole;
    int Unerwartet = 0;

private:
    void Pruefen();
    QList<TSchritt> FSchritte;
    QPointer<QWidget> FZuletzt;
    QTimer *FTimer;
};
