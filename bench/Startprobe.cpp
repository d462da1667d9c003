// The program's start as main.cpp does it (single-instance guard, German Qt texts, the main window), ending as
// soon as the start-up step has opened the last class: so that a whole-process timing measures the way to a
// shown main window with the class open. Exit status 0 when the class was opened.

#include "app/Haupt.h"
#include "app/Sprache.h"
#include "util/Einzelinstanz.h"

#include <QApplication>
#include <QTimer>
#include <QUuid>

int main(int argc, char **argv) {
    QApplication App(argc, argv);
    TEinzelinstanz Instanz(QStringLiteral("Startprobe ") + QUuid::createUuid().toString());
    if (!Instanz.Starten())
        return 2;
    DeutscheQtTexteLaden();
    const QString Ordner = QString::fromLocal8Bit(qgetenv("STARTPROBE_ORDNER"));
    TForm1 Form1({Ordner + QStringLiteral("/prog/"), Ordner + QStringLiteral("/docs/")});
    Form1.show();
    QTimer Pruefen;
    QObject::connect(&Pruefen, &QTimer::timeout, [&] {
        if (Form1.Daten.Count() > 0 && Form1.isVisible())
            QApplication::exit(0);
    });
    Pruefen.start(1);
    QTimer::singleShot(20000, [] { QApplication::exit(1); });
    return QApplication::exec();
}
