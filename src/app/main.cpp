#include "app/Haupt.h"
#include "app/Kommandozeile.h"
#include "app/Sprache.h"
#include "data/Programm.h"
#include "util/Einzelinstanz.h"

#include <QApplication>

int main(int argc, char **argv) {
    // With one of our options the program is a command and opens no window.
    if (IstKommandozeile(argc, argv))
        return KommandozeileAusfuehren(argc, argv);

    QApplication App(argc, argv);
    QApplication::setApplicationName(Programm::Name);
    QApplication::setApplicationDisplayName(Programm::Titel);

    // One program per user: a second start brings the running one to the front and ends.
    TEinzelinstanz Instanz;
    if (!Instanz.Starten())
        return 0;

    DeutscheQtTexteLaden();

    TForm1 Form1;
    QObject::connect(&Instanz, &TEinzelinstanz::NachrichtEmpfangen, &Form1, &TForm1::NachrichtVerarbeiten);
    Form1.show();
    return QApplication::exec();
}
