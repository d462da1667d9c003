#pragma once

#include "Modal.h"
#include "Testhilfe.h"
#include "app/Einstellungen.h"
#include "app/Haupt.h"

#include <QtTest>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

// What the main window's tests share: a private program and documents folder, cleared settings, class files
// laid into the data folder beside the program, and a window started on them.
namespace Hauptfixture {
inline const qint32 Maerz9 = 43899;  // Monday 9 March 2020
inline const qint32 Maerz16 = 43906; // Monday 16 March 2020

inline TDaten Klasse5a() {
    return Klasse("5a", {{"Deutsch", {{Maerz9, "Schreiben"}, {Maerz16, "Lesen"}}}, {"Mathe", {{Maerz16, "Brüche"}}}});
}

inline void EinstellungenLeeren() {
    auto Speicher = EinstellungenOeffnen();
    Speicher->clear();
    Speicher->sync();
}

inline void EinstellungSetzen(const QString &AName, const QVariant &AWert) {
    auto Speicher = EinstellungenOeffnen();
    Speicher->setValue(AName, AWert);
    Speicher->sync();
}

inline QVariant EinstellungLesen(const QString &AName) { return EinstellungenOeffnen()->value(AName); }

// Types a text as key presses carrying their characters (QTest's own typing knows only ASCII).
inline void Tippen(QWidget *AFeld, const QString &AText) {
    for (const QChar Zeichen : AText) {
        QKeyEvent Druck(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(Zeichen));
        QKeyEvent Los(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(Zeichen));
        QApplication::sendEvent(AFeld, &Druck);
        QApplication::sendEvent(AFeld, &Los);
    }
}
} // namespace Hauptfixture

class THauptfixture : public QObject {
protected:
    // For the test's init() and cleanup().
    void Vorbereiten() {
        FOrdner = std::make_unique<QTemporaryDir>();
        QDir().mkpath(FOrdner->path() + QStringLiteral("/prog"));
        QDir().mkpath(FOrdner->path() + QStringLiteral("/docs"));
        Hauptfixture::EinstellungenLeeren();
    }
    void Aufraeumen() {
        QTRY_VERIFY2(!QApplication::activeModalWidget(), "kein Dialog bleibt offen");
        FOrdner.reset();
    }

    // Starts the main window with the class files and settings prepared, and waits for its start-up step.
    // AHeute fixes today for the window's commands (0: the system's date).
    std::unique_ptr<TForm1> Starten(TModalHelfer *AHelfer = nullptr, qint32 AHeute = 0) {
        auto Form = std::make_unique<TForm1>(Orte());
        Form->HeuteFest = AHeute;
        Form->show();
        // The start-up step runs 25 ms after the first showing; it is done when the folder exists or a question
        // was answered.
        if (AHelfer)
            if (!QTest::qWaitFor([AHelfer] { return AHelfer->Offen() == 0; }, 5000))
                qWarning("Die erwarteten Dialoge kamen nicht.");
        QTest::qWait(60);
        return Form;
    }
    QString DatenOrdner() const { return FOrdner->path() + QStringLiteral("/prog/Stundolog/"); }
    TOrte Orte() const {
        return {FOrdner->path() + QStringLiteral("/prog/"), FOrdner->path() + QStringLiteral("/docs/")};
    }
    void KlasseAblegen(const TDaten &ADaten, const QString &AName) {
        QDir().mkpath(DatenOrdner());
        TDaten Kopie(ADaten);
        QVERIFY(Kopie.SaveToFile(DatenOrdner() + AName));
    }
    std::unique_ptr<QTemporaryDir> FOrdner;
};
