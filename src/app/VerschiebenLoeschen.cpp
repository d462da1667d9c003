// The "A&ktionen" commands that reorganise the open class: move the current week to another week or subject,
// and delete the current week, subject or the whole class. Moves and deletions of weeks and subjects stay in
// memory until saved; deleting the class deletes its file at once, after two questions.

#include "app/Haupt.h"

#include "app/Meldungen.h"
#include "data/Kalender.h"
#include "dialogs/Verschiebliste.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>

void TForm1::MenuAktVerschiebenClick() {
    if (FEintragNr <= 0)
        return;
    TFach &Quelle = Daten.Fach(FFachNr - 1);
    const qint32 Alt = Quelle.WochenDaten.at(FEintragNr - 1).Datum;

    TVerschieblisteForm *Form = FVerschieblisteForm;
    Form->setWindowTitle(
        QStringLiteral("Woche %1 von Fach \"%2\" verschieben nach").arg(Edit3->text(), Edit2->text()));
    Form->DatenRef = &Daten;
    Form->SchriftartZuweisen(FSchrift, FHintergrund);
    Form->FaecherZuweisen(Edit2->text());
    Form->JahreZuweisen(DatumJahr(Alt), HeuteTag());
    Form->WochenZuweisen(Alt, Alt);
    if (Form->exec() != QDialog::Accepted)
        return;

    int ZielIndex = -1;
    qint32 Neu = 0;
    // An empty week list offers no week to move to: nothing changes.
    if (!Form->ZielOk(ZielIndex, Neu))
        return;
    const int ZielNr = ZielIndex + 1;
    const QString AlteWoche = Edit3->text();
    const int QuellNr = FFachNr;
    TFach &Ziel = Daten.Fach(ZielNr - 1);

    // The copy goes in before the record is deleted, so moving within one subject works the same way.
    Quelle.WochenDaten[FEintragNr - 1].Datum = Neu;
    const TWocheRec Satz = Quelle.WochenDaten.at(FEintragNr - 1);
    Ziel.Add(Satz);
    Quelle.Delete(FEintragNr - 1);
    Ziel.Sort();

    FEintragNr = 0;
    SetFachNr(ZielNr);
    SetEintragNr(Ziel.FindeDatumNr(Neu) + 1);
    SetFocus(3, true);
    Meldungen::Info(this, QStringLiteral("Die Woche %1 von Fach \"%2\" wurde nach Woche %3 in Fach \"%4\" verschoben!")
                              .arg(AlteWoche, Daten.Fach(QuellNr - 1).Fachname, Edit3->text(), Edit2->text()));
    if (Daten.Fach(QuellNr - 1).Count() == 0)
        Meldungen::Info(this, QStringLiteral("Das Fach \"%1\" enthält keinen Stundologeintrag mehr!")
                                  .arg(Daten.Fach(QuellNr - 1).Fachname));
}

void TForm1::MenuAktLoescheWocheClick(int ATag) {
    int Stufe = ATag;
    if (Stufe == 1 && EintragCount() <= 1)
        Stufe = 2;
    if (Stufe == 2 && Daten.Count() <= 1)
        Stufe = 3;

    QString Frage;
    if (Stufe == 1)
        Frage = QStringLiteral("Soll der Eintrag %1 des Fachs \"%2\" der Klasse \"%3\" gelöscht werden?")
                    .arg(FEintragNr)
                    .arg(Edit2->text(), Edit1->text());
    else if (Stufe == 2)
        Frage = QStringLiteral("Soll das gesamte Fach \"%1\" der Klasse \"%2\" gelöscht werden?")
                    .arg(Edit2->text(), Edit1->text());
    else
        Frage = QStringLiteral("Soll die gesamte Klasse \"%1\" gelöscht werden?").arg(Edit1->text());
    if (!Meldungen::JaNein(this, Frage))
        return;

    if (Stufe == 1) {
        Daten.Fach(FFachNr - 1).Delete(FEintragNr - 1);
        SetEintragNr(FEintragNr);
        SetFocus(3, true);
        return;
    }
    if (Stufe == 2) {
        Daten.Delete(FFachNr - 1);
        FEintragNr = 0;
        SetFachNr(FFachNr);
        SetEintragNr(EintragCount());
        SetFocus(2, true);
        return;
    }
    if (!Meldungen::JaNein(this, QStringLiteral("Soll wirklich die gesamte Klasse \"%1\" gelöscht werden?").arg(Edit1->text())))
        return;
    Daten.Clear();
    SaveDaten.Clear();
    // A read-only file is made writable first; a file that cannot be deleted stays, without a message.
    QFile Datei(FFilename);
    Datei.setPermissions(Datei.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    Datei.remove();
    UpdateMenus();
    MenuDateiCloseClick();
    SetFocus(1, true);
}
