// The "A&ktionen" commands that create a week, a subject or a class, switch to another class and subject, and
// rename a subject or the class. Each prepares its dialog from the window's state, shows it and, after OK, moves
// to what was created, chosen or renamed. Changes stay in memory until saved; only a new class is written at once
// (by its dialog).

#include "app/Haupt.h"

#include "app/Meldungen.h"
#include "data/Heute.h"
#include "data/Kalender.h"
#include "data/Klassendatei.h"
#include "data/Namen.h"
#include "dialogs/Bezeichnung.h"
#include "dialogs/Fachliste.h"
#include "dialogs/Neu.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {
QString NeuCaption(int AModus) {
    switch (AModus) {
    case 1:
        return QStringLiteral("Neuen Wocheneintrag erstellen");
    case 2:
        return QStringLiteral("Neues Fach erstellen");
    default:
        return QStringLiteral("Neue Klasse erstellen");
    }
}
} // namespace

qint32 TForm1::HeuteTag() const { return HeuteFest != 0 ? HeuteFest : Heute(); }

void TForm1::MenuAktNeueWocheClick(int ATag) {
    int Modus = ATag;
    if (Modus < 3 && Daten.Count() == 0)
        Modus = 3;
    else if (Modus == 1 && FFachNr == 0)
        Modus = 2;

    TNeuForm *Neu = FNeuForm;
    Neu->setWindowTitle(NeuCaption(Modus));
    Neu->SpeichernS = MenuDateiSpeichern->isEnabled();
    Neu->DatenRef = &Daten;
    Neu->SaveDatenRef = &SaveDaten;
    Neu->SikS = MenuEinstSik->isChecked();
    Neu->FachRef = FFachNr > 0 && Modus == 1 ? &Daten.Fach(FFachNr - 1) : nullptr;
    Neu->SchriftartZuweisen(FSchrift, FHintergrund);
    const qint32 Tag = HeuteTag();
    Neu->HeuteTag = Tag;
    Neu->JahreZuweisen(DatumJahr(Tag));
    Neu->WochenZuweisen(Tag, WochenMontag(Tag));
    Neu->SetModus(Modus);
    Neu->Pfad = OrdnerTeil(FFilename);
    if (Modus == 3) {
        Neu->Edit1->clear();
        Neu->Edit2->clear();
    } else {
        Neu->Edit1->setText(Daten.Klasse);
        Neu->Edit2->setText(Modus != 2 && FFachNr != 0 ? Daten.Fach(FFachNr - 1).Fachname : QString());
    }
    if (Neu->exec() != QDialog::Accepted)
        return;

    const qint32 Woche = Neu->Datum(-1);
    switch (Neu->Modus()) {
    case 1:
        SetEintragNr(Neu->FachRef->FindeDatumNr(Woche) + 1);
        SetFocus(3, true);
        break;
    case 2:
        FEintragNr = 0;
        SetFachNr(Daten.FindeFachNr(Neu->Edit2->text()) + 1);
        SetEintragNr(FFachNr > 0 ? Daten.Fach(FFachNr - 1).FindeDatumNr(Woche) + 1 : 0);
        SetFocus(2, true);
        break;
    default: {
        SetFilename(Daten.Filename);
        FEintragNr = 0;
        const int FachNr = Daten.FindeFachNr(Neu->Edit2->text());
        SetFachNr(FachNr >= 0 ? FachNr + 1 : 1);
        const int WocheNr = FFachNr > 0 ? Daten.Fach(FFachNr - 1).FindeDatumNr(Woche) : -1;
        SetEintragNr(WocheNr >= 0 ? WocheNr + 1 : EintragCount());
        SetFocus(1, true);
        break;
    }
    }
}

void TForm1::MenuAktWechselnClick() {
    DateiMenuUpdate();
    FFachlisteForm->SchriftartZuweisen(FSchrift, FHintergrund);
    FFachlisteForm->KlassenZuweisen(KlassenListe(FFilename));
    if (FFachlisteForm->ListBox1->count() == 0) {
        KeineKlasseMelden();
        return;
    }
    const bool Offen = Daten.Count() > 0;
    FFachlisteForm->KlasseWaehlen(Offen ? Edit1->text() : QString());
    FFachlisteForm->FachnamenZuweisen(Offen ? Edit2->text() : QString());
    if (FFachlisteForm->exec() != QDialog::Accepted)
        return;

    const TKlassenEintrag *Gewaehlt = FFachlisteForm->GewaehlteKlasse();
    const TKlassenOeffnen Ergebnis = Gewaehlt ? KlasseOeffnen(Gewaehlt->Daten.Filename) : TKlassenOeffnen::NichtGeladen;
    if (Ergebnis == TKlassenOeffnen::Abgebrochen)
        return;
    if (Ergebnis == TKlassenOeffnen::Geladen) {
        FFachNr = 0;
        SetFachNr(FFachlisteForm->FachIndex() + 1);
        SetEintragNr(EintragCount());
    }
    SetFocus(1, true);
}

void TForm1::MenuAktAendernFachKlasseClick(int ATag) {
    TBezeichnungForm *Form = FBezeichnungForm;
    Form->SchriftartZuweisen(FSchrift, FHintergrund);
    Form->setWindowTitle(ATag == 1 ? QStringLiteral("Fachbezeichnung ändern") : QStringLiteral("Klassenbezeichnung ändern"));
    Form->Label1->setText(ATag == 1 ? QStringLiteral("&Fachbezeichnung:") : QStringLiteral("Klassen&bezeichnung:"));
    Form->Edit1->setText(ATag == 1 ? Edit2->text() : Edit1->text());
    for (;;) {
        if (Form->exec() != QDialog::Accepted)
            return;
        const QString Name = Form->Edit1->text();
        if (ATag == 1) {
            if (Daten.FachnameExistsNr(Name) >= 0) {
                Meldungen::Info(this, QStringLiteral("Das Fach \"%1\" ist bereits vorhanden!").arg(Name));
                continue;
            }
            const int Gemerkt = FEintragNr;
            Daten.Fach(FFachNr - 1).Fachname = Name;
            Daten.Sort();
            FEintragNr = 0;
            SetFachNr(Daten.FindeFachNr(Name) + 1);
            SetEintragNr(Gemerkt);
            SetFocus(2, true);
            Meldungen::Info(this, QStringLiteral("Die Fachbezeichnung wurde in \"%1\" geändert!").arg(Edit2->text()));
            return;
        }
        const bool Eigener = !Daten.Klasse.isEmpty() && Gross(Name) == Gross(Edit1->text());
        if (Eigener || ZeilenNr(KlassenNamen(KlassenListe(FFilename)), Name) >= 0) {
            Meldungen::Info(this, QStringLiteral("Die Klasse \"%1\" ist bereits vorhanden!").arg(Name));
            continue;
        }
        Daten.Klasse = Name;
        Edit1->setText(Name);
        SetFocus(1, true);
        Meldungen::Info(this, QStringLiteral("Die Klassenbezeichnung wurde in \"%1\" geändert!").arg(Edit1->text()));
        return;
    }
}
