// "Datens&icherung": backing up the class files to a volume and restoring them from there.
#include "app/Haupt.h"

#include "app/Meldungen.h"
#include "backup/Sichern.h"

#include <QAction>
#include <QFileInfo>
#include <QPushButton>

void TForm1::MenuDatenMenusClick(int ATag) {
    const bool SichernS = ATag == 1;
    // The copies must hold what the user sees.
    if (MenuDateiSpeichern->isEnabled()) {
        if (!Meldungen::JaNein(this, QStringLiteral("Bevor Sie Sichern/Wiederherstellen, müssen die vorgenommenen "
                                                    "Änderungen in der Klasse \"%1\" gespeichert werden!\r\n"
                                                    "Soll jetzt gespeichert werden?")
                                         .arg(Daten.Klasse)))
            return;
        Speichern();
    }
    const int GemerktFach = FFachNr;
    const int GemerktEintrag = FEintragNr;

    TSichernForm *Form = FSichernForm;
    Form->SchriftartZuweisen(FSchrift, FHintergrund);
    Form->DatenOrdner = OrdnerTeil(FFilename);
    Form->SichernS = SichernS;
    Form->setWindowTitle(SichernS ? QStringLiteral("Datendateien sichern nach")
                                  : QStringLiteral("Datendateien wiederherstellen von"));
    KnopfTextZuweisen(Form->Button1, SichernS ? QStringLiteral("&Sichern") : QStringLiteral("&Wiederherstellen"));
    Form->exec();

    if (!SichernS) {
        // The open class's file may have been replaced: read it again; keep the place when nothing changed.
        if (HatFilenameTeil(FFilename) && QFileInfo::exists(FFilename))
            Daten.LoadFromFile(FFilename, true);
        FEintragNr = 0;
        if (Daten.Ident(SaveDaten)) {
            SetFachNr(GemerktFach);
            SetEintragNr(GemerktEintrag);
        } else {
            SetFachNr(1);
            SetEintragNr(EintragCount());
        }
        SaveDaten.Assign(Daten);
    }
    SetFocus(1, true);
}
