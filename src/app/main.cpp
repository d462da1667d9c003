#include "app/Haupt.h"
#include "app/Kommandozeile.h"
#include "data/Programm.h"
#include "util/Einzelinstanz.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

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

    // The program speaks German whatever the system language, Qt's own dialogs and buttons too.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTranslator QtTexte;
    if (QtTexte.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&QtTexte);

    TForm1 Form1;
    QObject::connect(&Instanz, &TEinzelinstanz::NachrichtEmpfangen, &Form1, &TForm1::NachrichtVerarbeiten);
    Form1.show();
    return QApplication::exec();
}
