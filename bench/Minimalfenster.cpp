// The baseline of the start-up measurement: a Qt program that shows a main window and ends.

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char **argv) {
    QApplication App(argc, argv);
    QMainWindow Fenster;
    Fenster.show();
    QTimer Pruefen;
    QObject::connect(&Pruefen, &QTimer::timeout, [&] {
        if (Fenster.isVisible())
            QApplication::exit(0);
    });
    Pruefen.start(1);
    return QApplication::exec();
}
