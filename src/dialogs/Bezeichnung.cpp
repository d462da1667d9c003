#include "dialogs/Bezeichnung.h"

#include "data/Namen.h"
#include "dialogs/Namensfeld.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TBezeichnungForm::TBezeichnungForm(QWidget *AParent) : QDialog(AParent) {
    setObjectName(QStringLiteral("BezeichnungForm"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    // Created in tab order: field, OK, Cancel.
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Label1->setBuddy(Edit1);
    NamensfeldEinrichten(Edit1);
    Button1 = new QPushButton(this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(this);
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    // Only a change of the text recomputes OK; the state thus always matches the text in the field.
    connect(Edit1, &QLineEdit::textChanged, this, &TBezeichnungForm::Edit1Change);
    Edit1Change();
    CaptionZuweisen();
}

void TBezeichnungForm::CaptionZuweisen() {
    KnopfTextZuweisen(Button1, QStringLiteral("O&K"));
    KnopfTextZuweisen(Button2, QStringLiteral("&Abbrechen"));
}

void TBezeichnungForm::SchriftartZuweisen(const TSchrift &ASchrift, const QColor &AHintergrund) {
    ::SchriftartZuweisen(this, ASchrift, AHintergrund);
}

void TBezeichnungForm::SchalterEinrichten() {
    const QList<QPushButton *> Knoepfe{Button1, Button2};
    const int KnopfBreite = Layout::KnoepfeEinrichten(Knoepfe);
    const int ClientBreite =
        Layout::KnopfReihe(Knoepfe, Layout::AbstandAnderthalb(KnopfBreite), Layout::Platz(this).width());
    const int FeldLinks = Layout::FeldLinks({Label1});
    const int FeldUnten = Layout::EditZeile(Label1, Edit1, Layout::Rand, FeldLinks, ClientBreite);
    const int ClientHoehe = Layout::KnopfReiheDarunter(Knoepfe, FeldUnten);
    // Not Layout::ClientGroesse: unlike the other dialogs this one stays resizable.
    resize(ClientBreite, ClientHoehe);
    FensterEinrichten();
}

void TBezeichnungForm::FensterEinrichten() {
    ::FensterEinrichten(this);
}

void TBezeichnungForm::done(int AErgebnis) {
    // However the window closes, the name comes back without surrounding blanks.
    const QString Getrimmt = Trimmen(Edit1->text());
    if (Getrimmt != Edit1->text())
        Edit1->setText(Getrimmt);
    QDialog::done(AErgebnis);
}

void TBezeichnungForm::showEvent(QShowEvent *AEvent) {
    // The label's text names the field for a screen reader, without the accelerator mark.
    Edit1->setAccessibleName(OhneKuerzel(Label1->text()));
    SchalterEinrichten();
    Edit1->setFocus(Qt::OtherFocusReason);
    Edit1->selectAll();
    QDialog::showEvent(AEvent);
}

// OK needs a name that is more than blanks.
void TBezeichnungForm::Edit1Change() {
    Button1->setEnabled(!Trimmen(Edit1->text()).isEmpty());
}
