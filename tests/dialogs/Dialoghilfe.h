#pragma once

#include <QDialog>
#include <QFont>
#include <QFontMetrics>
#include <QListWidget>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>

// Test fonts are sized in pixels, so the screen's resolution does not change them.
inline QFont Pixel(int AGroesse, const QString &AFamilie = QStringLiteral("DejaVu Sans")) {
    QFont Schrift(AFamilie);
    Schrift.setPixelSize(AGroesse);
    return Schrift;
}

// The texts of a list's lines, top to bottom.
inline QStringList Listenzeilen(const QListWidget *AListe) {
    QStringList Texte;
    for (int Nr = 0; Nr < AListe->count(); ++Nr)
        Texte.append(AListe->item(Nr)->text());
    return Texte;
}

// The rows of a layout test: column "Groesse", a normal font and a larger one whose captions still fit the
// designed 125-pixel buttons.
inline void LayoutGroessen() {
    QTest::addColumn<int>("Groesse");
    QTest::newRow("12 px") << 12;
    QTest::newRow("16 px") << 16;
}

inline int Zeile(const QFont &AFont) {
    return QFontMetrics(AFont).lineSpacing();
}

// A font whose line of text is 13 pixels high, or a null family when there is none.
inline QFont SchriftMit13() {
    for (int Groesse = 6; Groesse <= 20; ++Groesse)
        if (Zeile(Pixel(Groesse)) == 13)
            return Pixel(Groesse);
    return QFont(QString());
}

// Shows ADialog modally as the program's commands do; AAktion runs once it is up. A dialog that AAktion did
// not end is rejected after ten seconds and AHaengtS reports it, so the test fails instead of hanging.
template <typename TAktion> int MitExec(QDialog &ADialog, TAktion AAktion, bool &AHaengtS) {
    AHaengtS = false;
    QTimer::singleShot(0, &ADialog, AAktion);
    QTimer Waechter;
    Waechter.setSingleShot(true);
    QObject::connect(&Waechter, &QTimer::timeout, &ADialog, [&] {
        AHaengtS = true;
        ADialog.reject();
    });
    Waechter.start(10000);
    return ADialog.exec();
}
