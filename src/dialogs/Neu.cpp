#include "dialogs/Neu.h"

#include "data/Heute.h"
#include "data/Kalender.h"
#include "data/Klassendatei.h"
#include "data/Namen.h"
#include "dialogs/Fokusliste.h"
#include "dialogs/Meldungsfenster.h"
#include "dialogs/Namensfeld.h"
#include "util/Dateiname.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>

#include <algorithm>

namespace {
// The first year of the year list: the register has no older weeks.
constexpr int ErstesJahr = 2005;

int AuswahlNr(const QListWidget *AListe) {
    const QListWidgetItem *Zeile = AListe->currentItem();
    return Zeile && Zeile->isSelected() ? AListe->row(Zeile) : -1;
}

QLabel *NeuesLabel(QWidget *AEltern, const char *AName) {
    auto *Label = new QLabel(AEltern);
    Label->setObjectName(QString::fromLatin1(AName));
    return Label;
}
} // namespace

TNeuForm::TNeuForm(QWidget *AParent) : QDialog(AParent), HeuteTag(Heute()) {
    setObjectName(QStringLiteral("NeuForm"));
    Label1E = NeuesLabel(this, "Label1E");
    Label2E = NeuesLabel(this, "Label2E");
    Label1L = NeuesLabel(this, "Label1L");
    Label2L = NeuesLabel(this, "Label2L");
    // Created in tab order: class, subject, years, weeks, OK, Cancel.
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    ListBox1 = new TFokusListe(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox2 = new TFokusListe(this);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    Button1 = new QPushButton(this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(this);
    Button2->setObjectName(QStringLiteral("Button2"));

    Label1E->setBuddy(Edit1);
    Label2E->setBuddy(Edit2);
    Label1L->setBuddy(ListBox1);
    Label2L->setBuddy(ListBox2);
    for (QListWidget *Liste : {ListBox1, ListBox2}) {
        Liste->setSelectionMode(QAbstractItemView::SingleSelection);
        Liste->installEventFilter(this);
    }
    for (QLineEdit *Feld : {Edit1, Edit2}) {
        NamensfeldEinrichten(Feld);
        Feld->installEventFilter(this);
        connect(Feld, &QLineEdit::textChanged, this, &TNeuForm::ListBox1Enter);
    }
    connect(ListBox1, &QListWidget::currentRowChanged, this, &TNeuForm::ListBox1Change);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    SetModus(1);
    CaptionZuweisen();
}

void TNeuForm::CaptionZuweisen() {
    const QList<QPair<QLabel *, QWidget *>> Paare{
        {Label1E, Edit1}, {Label2E, Edit2}, {Label1L, ListBox1}, {Label2L, ListBox2}};
    const QStringList Texte{QStringLiteral("K&lasse:"), QStringLiteral("&Fach:"), QStringLiteral("&Jahr:"),
                            QStringLiteral("&Woche:")};
    for (qsizetype Nr = 0; Nr < Paare.size(); ++Nr) {
        Paare.at(Nr).first->setText(Texte.at(Nr));
        // Lists take no name from their buddy label; the fields get theirs set the same way, so all four read alike.
        Paare.at(Nr).second->setAccessibleName(OhneKuerzel(Texte.at(Nr)));
    }
    KnopfTextZuweisen(Button1, QStringLiteral("O&K"));
    KnopfTextZuweisen(Button2, QStringLiteral("&Abbrechen"));
}

void TNeuForm::SchriftartZuweisen(const TSchrift &ASchrift, const QColor &AHintergrund) {
    ::SchriftartZuweisen(this, ASchrift, AHintergrund);
}

void TNeuForm::SchalterEinrichten() {
    const QList<QPushButton *> Knoepfe{Button1, Button2};
    int ClientBreite = Layout::BildschirmhoherDialog(this, Knoepfe, Layout::AbstandAnderthalb);

    const int Links = Layout::FeldLinks({Label1E, Label2E, Label1L, Label2L});
    // In a large font the week texts are wider than the row of buttons: the dialog widens to show them whole.
    ClientBreite =
        Layout::Verbreitern(this, Links + Layout::ListenBreite(ListBox2) + Layout::Rand, Knoepfe, ClientBreite);
    int Unten = Layout::EditZeile(Label1E, Edit1, Layout::Rand, Links, ClientBreite);
    Unten = Layout::EditZeile(Label2E, Edit2, Unten + Layout::Rand, Links, ClientBreite);
    const int JahreOben = Unten + Layout::Rand;
    const int ListenHoehe = (Button1->y() - JahreOben - 2 * Layout::Rand) / 2;
    // The years need only half the width.
    Layout::ListenZeile(Label1L, ListBox1, JahreOben, ListenHoehe, Links, ClientBreite);
    ListBox1->resize((ClientBreite - Links - Layout::Rand) / 2, ListenHoehe);
    Layout::ListenZeile(Label2L, ListBox2, JahreOben + ListenHoehe + Layout::Rand, ListenHoehe, Links, ClientBreite);
    FensterEinrichten();
}

void TNeuForm::FensterEinrichten() {
    ::FensterEinrichten(this);
}

void TNeuForm::SetModus(int AModus) {
    FModus = std::clamp(AModus, 1, 3);
    Edit1->setReadOnly(FModus != 3);
    Edit2->setReadOnly(FModus == 1);
    if (!isVisible())
        return;
    switch (FModus) {
    case 1:
        ListBox1->setFocus(Qt::OtherFocusReason);
        break;
    case 2:
        Edit2->setFocus(Qt::OtherFocusReason);
        break;
    default:
        Edit1->setFocus(Qt::OtherFocusReason);
        break;
    }
}

void TNeuForm::JahreZuweisen(int AJahr) {
    const QScopedValueRollback Programm(FJahrDurchProgrammS, true);
    ListBox1->clear();
    const int LetztesJahr = DatumJahr(HeuteTag) + 10;
    for (int Jahr = ErstesJahr; Jahr <= LetztesJahr; ++Jahr)
        ListBox1->addItem(QString::number(Jahr));
    if (AJahr == 0)
        ListBox1->setCurrentRow(ListBox1->count() > 0 ? 0 : -1);
    else
        ListBox1->setCurrentRow(AJahr >= ErstesJahr && AJahr <= LetztesJahr ? AJahr - ErstesJahr : -1);
}

void TNeuForm::WochenZuweisen(qint32 ADatum, qint32 AWoche) {
    ListBox2->clear();
    if (ListBox1->count() > 0) {
        const TWochenListe Wochen = JahresWochen(ADatum, FachRef);
        int Auswahl = -1;
        for (const TWochenEintrag &Woche : Wochen) {
            auto *Zeile = new QListWidgetItem(Woche.Text, ListBox2);
            Zeile->setData(Qt::UserRole, Woche.Datum);
            if (Auswahl < 0 && AWoche > 0 && Woche.Datum >= AWoche)
                Auswahl = ListBox2->count() - 1;
        }
        if (ListBox2->count() > 0)
            ListBox2->setCurrentRow(std::max(Auswahl, 0));
    }
    ListBox1Enter();
}

qint32 TNeuForm::Datum(int ANr) const {
    // The current entry is the selected one; it stays the chosen week even if a click took its selection away.
    const int Nr = ANr == -1 ? ListBox2->currentRow() : ANr;
    const QListWidgetItem *Zeile = Nr >= 0 ? ListBox2->item(Nr) : nullptr;
    return Zeile ? Zeile->data(Qt::UserRole).toInt() : 0;
}

QString TNeuForm::NewFilename() const {
    return NeuerDateiname(Pfad, Edit1->text());
}

void TNeuForm::showEvent(QShowEvent *AEvent) {
    SchalterEinrichten();
    SetModus(FModus);
    ListBox1Enter();
    const QScopedValueRollback Programm(FJahrDurchProgrammS, true);
    for (QListWidget *Liste : {ListBox1, ListBox2})
        if (AuswahlNr(Liste) < 0 && Liste->count() > 0)
            Liste->setCurrentRow(0);
    QDialog::showEvent(AEvent);
}

bool TNeuForm::eventFilter(QObject *AObjekt, QEvent *AEvent) {
    if ((AObjekt == ListBox1 || AObjekt == ListBox2) && AEvent->type() == QEvent::FocusIn) {
        ListBox1Enter();
    } else if ((AObjekt == Edit1 || AObjekt == Edit2) && AEvent->type() == QEvent::KeyPress) {
        const int Taste = static_cast<QKeyEvent *>(AEvent)->key();
        if ((Taste == Qt::Key_Return || Taste == Qt::Key_Enter) && !Button1->isEnabled()) {
            // Enter cannot end the dialog yet: point the user at the name that is missing.
            QApplication::beep();
            ++Piepser;
            (Trimmen(Edit1->text()).isEmpty() ? Edit1 : Edit2)->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(AObjekt, AEvent);
}

// OK needs both names and a year and a week to choose.
void TNeuForm::ListBox1Enter() {
    Button1->setEnabled(!Trimmen(Edit1->text()).isEmpty() && !Trimmen(Edit2->text()).isEmpty() &&
                        ListBox1->count() > 0 && ListBox2->count() > 0);
}

// Another year chosen by the user: its weeks, the first one selected.
void TNeuForm::ListBox1Change(int AZeile) {
    if (FJahrDurchProgrammS || AZeile < 0)
        return;
    WochenZuweisen(TagNummer(ListBox1->item(AZeile)->text().toInt(), 1, 7), 0);
}

void TNeuForm::done(int AErgebnis) {
    if (AErgebnis == QDialog::Accepted) {
        if (!PruefenOk())
            return;
    } else if (NeueKlasseNichtGespeichert) {
        VorherigeKlasseZurueck();
    }
    QDialog::done(AErgebnis);
}

bool TNeuForm::PruefenOk() {
    for (QLineEdit *Feld : {Edit1, Edit2}) {
        Feld->setText(Trimmen(Feld->text()));
        Feld->selectAll();
    }
    switch (FModus) {
    case 1: {
        const qint32 Woche = Datum();
        if (FachRef && FachRef->FindeDatumNr(Woche) < 0) {
            FachRef->Add(Woche, QString());
            FachRef->Sort();
        }
        return true;
    }
    case 2:
        return FachErstellenOk();
    default:
        if (KlasseErstellenOk())
            return true;
        Edit1->setFocus(Qt::OtherFocusReason);
        return false;
    }
}

bool TNeuForm::FachErstellenOk() {
    if (!DatenRef)
        return false;
    const QString Name = Edit2->text();
    const qint32 Woche = Datum();
    TFach *Fach = DatenRef->FindeFach(Name);
    if (!Fach) {
        DatenRef->Add(TFach(Name, Woche, QString()));
        DatenRef->Sort();
        return true;
    }
    Edit2->setFocus(Qt::OtherFocusReason);
    if (Fach->FindeDatumNr(Woche) >= 0)
        return Frage(QMessageBox::Information,
                     QStringLiteral("Das Fach \"%1\" und die Woche %2 sind bereits vorhanden!\r\n"
                                    "Soll dort hingewechselt werden?")
                         .arg(Name, WochenText(Woche)),
                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    if (Frage(QMessageBox::Information,
              QStringLiteral("Das Fach \"%1\" ist bereits vorhanden!\r\nSoll die Woche %2 trotzdem angelegt werden?")
                  .arg(Name, WochenText(Woche)),
              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return false;
    Fach->Add(Woche, QString());
    Fach->Sort();
    return true;
}

bool TNeuForm::KlasseErstellenOk() {
    if (!DatenRef || !SaveDatenRef)
        return false;
    // A new class that could not be saved is not the open class: check against the class the main window had.
    if (NeueKlasseNichtGespeichert)
        VorherigeKlasseZurueck();
    const QString Name = Trimmen(Edit1->text());
    const TKlassenListe Liste = KlassenListe(Pfad);
    const bool OffeneS = !DatenRef->Klasse.isEmpty() && Gross(DatenRef->Klasse) == Gross(Name);
    const int Nr = OffeneS ? -1 : ZeilenNr(KlassenNamen(Liste), Name);

    if (OffeneS || Nr >= 0) {
        if (Frage(
                QMessageBox::Question,
                QStringLiteral("Die Klasse \"%1\" ist bereits vorhanden!\r\nSoll dort hingewechselt werden?").arg(Name),
                QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
            return false;
        if (OffeneS)
            return true;
    }

    if (SpeichernS) {
        const QMessageBox::StandardButton Antwort =
            Frage(QMessageBox::Question,
                  QStringLiteral("Sollen die vorgenommenen Änderungen in der Klasse \"%1\" gespeichert werden?")
                      .arg(DatenRef->Klasse),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (Antwort != QMessageBox::Yes && Antwort != QMessageBox::No)
            return false;
        // A failed save has told the user already; the switch goes on either way.
        if (Antwort == QMessageBox::Yes && KlasseSpeichern(*DatenRef, *SaveDatenRef, DatenRef->Filename, SikS))
            SpeichernS = false;
    }

    if (Nr >= 0) {
        // A file that cannot be read now leaves the open class and its saved copy as they were.
        if (DatenRef->LoadFromFile(Liste.at(static_cast<std::size_t>(Nr)).Daten.Filename, true))
            SaveDatenRef->Assign(*DatenRef);
        return true;
    }

    VorherDaten.Assign(*DatenRef);
    VorherSaveDaten.Assign(*SaveDatenRef);
    DatenRef->Clear();
    DatenRef->Klasse = Name;
    DatenRef->Add(TFach(Edit2->text(), Datum(), QString()));
    const bool Ok = DatenRef->SaveToFile(NewFilename());
    SaveDatenRef->Assign(*DatenRef);
    NeueKlasseNichtGespeichert = !Ok;
    if (!Ok)
        Frage(QMessageBox::Critical, MeldungNichtGespeichert(Name), QMessageBox::Ok);
    return Ok;
}

void TNeuForm::VorherigeKlasseZurueck() {
    if (DatenRef)
        DatenRef->Assign(VorherDaten);
    if (SaveDatenRef)
        SaveDatenRef->Assign(VorherSaveDaten);
    VorherDaten.Clear();
    VorherSaveDaten.Clear();
    NeueKlasseNichtGespeichert = false;
}

QMessageBox::StandardButton TNeuForm::Frage(QMessageBox::Icon AIcon, const QString &AText,
                                            QMessageBox::StandardButtons AKnoepfe) {
    return MeldungZeigen(this, AIcon, AText, AKnoepfe,
                         AKnoepfe.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok);
}
