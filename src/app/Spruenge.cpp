// The "&Sprünge" menu: moving between weeks, months and subjects of the open class. Nothing here changes the
// class; every command ends with the focus on the field that shows what changed.

#include "app/Haupt.h"

#include "data/Namen.h"
#include "dialogs/Wochenliste.h"

#include <QApplication>
#include <QListWidget>

void TForm1::Piepen() {
    ++FPiepser;
    QApplication::beep();
}

void TForm1::MenuSprungWocheWeiterClick() {
    if (FEintragNr < EintragCount())
        SetEintragNr(FEintragNr + 1);
    else
        Piepen();
    SetFocus(3, true);
}

void TForm1::MenuSprungWocheZurueckClick() {
    if (FEintragNr > 1)
        SetEintragNr(FEintragNr - 1);
    else
        Piepen();
    SetFocus(3, true);
}

void TForm1::MenuSprungErsterClick() {
    if (FEintragNr > 1)
        SetEintragNr(1);
    else
        Piepen();
    SetFocus(3, true);
}

void TForm1::MenuSprungLetzterClick() {
    if (FEintragNr < EintragCount())
        SetEintragNr(EintragCount());
    else
        Piepen();
    SetFocus(3, true);
}

void TForm1::MenuSprungMonatWeiterClick() {
    if (FEintragNr < EintragCount()) {
        const TFach &Fach = Daten.Fach(FFachNr - 1);
        SetEintragNr(Fach.Monatsprung(Fach.WochenDaten.at(FEintragNr - 1).Datum, true) + 1);
    } else {
        Piepen();
    }
    SetFocus(3, true);
}

void TForm1::MenuSprungMonatZurueckClick() {
    if (FEintragNr > 1) {
        const TFach &Fach = Daten.Fach(FFachNr - 1);
        SetEintragNr(Fach.Monatsprung(Fach.WochenDaten.at(FEintragNr - 1).Datum, false) + 1);
    } else {
        Piepen();
    }
    SetFocus(3, true);
}

void TForm1::MenuSprungFachWeiterClick() {
    if (FFachNr < Daten.Count()) {
        SetFachNr(FFachNr + 1);
        SetEintragNr(EintragCount());
    } else {
        Piepen();
    }
    SetFocus(2, true);
}

void TForm1::MenuSprungFachZurueckClick() {
    if (FFachNr > 1) {
        SetFachNr(FFachNr - 1);
        SetEintragNr(EintragCount());
    } else {
        Piepen();
    }
    SetFocus(2, true);
}

void TForm1::MenuSprungGeheClick() {
    FWochenlisteForm->setWindowTitle(QStringLiteral("Gehe zu Woche"));
    FWochenlisteForm->SetListenName(QStringLiteral("Wochen"));
    FWochenlisteForm->SchriftartZuweisen(FSchrift, FHintergrund);
    const QStringList Liste = Zeilen(Daten.Fach(FFachNr - 1).WochenListe());
    FWochenlisteForm->Fuellen(Liste, EintragCount() - FEintragNr);
    if (FWochenlisteForm->exec() != QDialog::Accepted)
        return;
    SetEintragNr(static_cast<int>(Liste.size()) - FWochenlisteForm->ListBox1->currentRow());
    SetFocus(3, true);
}
