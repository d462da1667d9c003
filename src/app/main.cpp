#include "app/Haupt.h"
#include "app/Kommandozeile.h"

#include <QApplication>

int main(int argc, char **argv) {
    // With one of our options the program is a command and opens no window.
    if (IstKommandozeile(argc, argv))
        return KommandozeileAusfuehren(argc, argv);
    QApplication App(argc, argv);
    TForm1 Form1;
    Form1.show();
    return QApplication::exec();
}
