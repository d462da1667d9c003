#include "dialogs/Verschiebliste.h"

#include "data/Daten.h"
#include "data/Heute.h"
#include "data/Kalender.h"
#include "data/Namen.h"
#include "dialogs/Fokusliste.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {
constexpr int ErstesJahr = 2005;
constexpr int JahreVoraus = 10;

int Gewaehlt(const QListWidget *AListe) {
    const QListWidgetItem *Zeile = AListe->currentItem();
    return Zeile && Zeile->isSelected() ? AListe->row(Zeile) : -1;
}

QListWidget *NeueListe(QWidget *AEltern, const QString &AName) {
    auto *Liste = new TFokusListe(AEltern);
    Liste->setObjectName(AName);
    Liste->setSelectionMode(QAbstractItemView::SingleSelection);
    return Liste;
}

QLabel *NeuesLabel(QWidget *AEltern, const QString &AName, QWidget *AFeld) {
    auto *Label = new QLabel(AEltern);
    Label->setObjectName(AName);
    Label->setBuddy(AFeld);
    return Label;
}

void LabelZuweisen(QLabel *ALabel, const QString &ACaption) {
    ALabel->setText(ACaption);
    // A list does not take its name from the label that focuses it.
    ALabel->buddy()->setAccessibleName(OhneKuerzel(ACaption));
}
} // namespace

TVerschieblisteForm::TVerschieblisteForm(QWidget *AParent) : QDialog(AParent) {
    setObjectName(QStringLiteral("VerschieblisteForm"));
    // Created in tab order: subjects, years, weeks, OK, Cancel.
    ListBox3 = NeueListe(this, QStringLiteral("ListBox3"));
    ListBox1 = NeueListe(this, QStringLiteral("ListBox1"));
    ListBox2 = NeueListe(this, QStringLiteral("ListBox2"));
    Label3 = NeuesLabel(this, QStringLiteral("Label3"), ListBox3);
    Label1 = NeuesLabel(this, QStringLiteral("Label1"), ListBox1);
    Label2 = NeuesLabel(this, QStringLiteral("Label2"), ListBox2);
    Button1 = new QPushButton(this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(this);
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    for (QListWidget *Liste : {ListBox3, ListBox1, ListBox2})
        Liste->installEventFilter(this);
    connect(ListBox1, &QListWidget::currentRowChanged, this, &TVerschieblisteForm::AuswahlGeaendert);
    connect(ListBox3, &QListWidget::currentRowChanged, this, &TVerschieblisteForm::AuswahlGeaendert);
    CaptionZuweisen();
}

void TVerschieblisteForm::CaptionZuweisen() {
    LabelZuweisen(Label3, QStringLiteral("&Fach:"));
    LabelZuweisen(Label1, QStringLiteral("&Jahr:"));
    LabelZuweisen(Label2, QStringLiteral("&Woche:"));
    KnopfTextZuweisen(Button1, QStringLiteral("O&K"));
    KnopfTextZuweisen(Button2, QStringLiteral("&Abbrechen"));
}

void TVerschieblisteForm::SchriftartZuweisen(const TSchrift &ASchrift, const QColor &AHintergrund) {
    ::SchriftartZuweisen(this, ASchrift, AHintergrund);
}

void TVerschieblisteForm::SchalterEinrichten() {
    const QList<QPushButton *> Knoepfe{Button1, Button2};
    int ClientBreite = Layout::BildschirmhoherDialog(this, Knoepfe, Layout::AbstandAnderthalb);

    // Three lists of equal height share the room above the buttons; the years need only half the width.
    const int Links = Layout::FeldLinks({Label3, Label1, Label2});
    // In a large font the week texts are wider than the row of buttons: the dialog widens to show them whole.
    ClientBreite =
        Layout::Verbreitern(this, Links + Layout::ListenBreite(ListBox2) + Layout::Rand, Knoepfe, ClientBreite);
    const int Hoehe = (Button1->y() - Layout::Rand - 3 * Layout::Rand) / 3;
    const int Unten3 = Layout::ListenZeile(Label3, ListBox3, Layout::Rand, Hoehe, Links, ClientBreite);
    ListBox1->setGeometry(Links, Unten3 + Layout::Rand, ListBox3->width() / 2, Hoehe);
    Label1->move(Layout::Rand, ListBox1->y());
    Layout::ListenZeile(Label2, ListBox2, ListBox1->y() + Hoehe + Layout::Rand, Hoehe, Links, ClientBreite);
    FensterEinrichten();
}

void TVerschieblisteForm::FensterEinrichten() {
    ::FensterEinrichten(this);
}

void TVerschieblisteForm::FaecherZuweisen(const QString &AFachname) {
    // Filled from the subjects themselves, so a line's position is always the subject's position.
    FFuellenS = true;
    ListBox3->clear();
    int Auswahl = -1;
    const QString Gesucht = Gross(AFachname);
    for (int Nr = 0; DatenRef && Nr < DatenRef->Count(); ++Nr) {
        const QString &Name = DatenRef->Fach(Nr).Fachname;
        ListBox3->addItem(Name);
        if (Auswahl < 0 && Gross(Name) == Gesucht)
            Auswahl = Nr;
    }
    FFuellenS = false;
    Waehlen(ListBox3, Auswahl < 0 && ListBox3->count() > 0 ? 0 : Auswahl);
}

void TVerschieblisteForm::JahreZuweisen(int AJahr) {
    JahreZuweisen(AJahr, Heute());
}

void TVerschieblisteForm::JahreZuweisen(int AJahr, qint32 AHeute) {
    FFuellenS = true;
    ListBox1->clear();
    const int Letztes = DatumJahr(AHeute) + JahreVoraus;
    for (int Jahr = ErstesJahr; Jahr <= Letztes; ++Jahr)
        ListBox1->addItem(QString::number(Jahr));
    FFuellenS = false;
    if (AJahr == 0)
        Waehlen(ListBox1, ListBox1->count() > 0 ? 0 : -1);
    else
        Waehlen(ListBox1, AJahr >= ErstesJahr && AJahr <= Letztes ? AJahr - ErstesJahr : -1);
}

void TVerschieblisteForm::WochenZuweisen(qint32 ADatum, qint32 AWoche) {
    FFuellenS = true;
    ListBox2->clear();
    FWochenDatum = ADatum;
    if (ListBox1->count() > 0) {
        const int FachNr = Gewaehlt(ListBox3);
        const TFach *Fach = DatenRef && FachNr >= 0 && FachNr < DatenRef->Count() ? &DatenRef->Fach(FachNr) : nullptr;
        for (const TWochenEintrag &Woche : JahresWochen(ADatum, Fach)) {
            auto *Zeile = new QListWidgetItem(Woche.Text, ListBox2);
            Zeile->setData(Qt::UserRole, Woche.Datum);
        }
    }
    FFuellenS = false;
    int Auswahl = ListBox2->count() > 0 ? 0 : -1;
    if (AWoche > 0)
        for (int Nr = 0; Nr < ListBox2->count(); ++Nr)
            if (ListBox2->item(Nr)->data(Qt::UserRole).toInt() >= AWoche) {
                Auswahl = Nr;
                break;
            }
    Waehlen(ListBox2, Auswahl);
    ListBox1Enter();
}

bool TVerschieblisteForm::ZielOk(int &AFachNr, qint32 &ADatum) const {
    const int FachNr = Gewaehlt(ListBox3);
    const int WochenNr = Gewaehlt(ListBox2);
    if (FachNr < 0 || WochenNr < 0 || !DatenRef || FachNr >= DatenRef->Count())
        return false;
    AFachNr = FachNr;
    ADatum = ListBox2->item(WochenNr)->data(Qt::UserRole).toInt();
    return true;
}

void TVerschieblisteForm::showEvent(QShowEvent *AEvent) {
    SchalterEinrichten();
    ListBox3->setFocus(Qt::OtherFocusReason);
    ListBox1Enter();
    for (QListWidget *Liste : {ListBox3, ListBox1, ListBox2})
        if (Gewaehlt(Liste) < 0 && Liste->count() > 0)
            Waehlen(Liste, 0);
    QDialog::showEvent(AEvent);
}

bool TVerschieblisteForm::eventFilter(QObject *AObjekt, QEvent *AEvent) {
    if (AEvent->type() == QEvent::FocusIn && (AObjekt == ListBox3 || AObjekt == ListBox1 || AObjekt == ListBox2))
        ListBox1Enter();
    return QDialog::eventFilter(AObjekt, AEvent);
}

// A move needs a subject, a year and a free week.
void TVerschieblisteForm::ListBox1Enter() {
    Button1->setEnabled(ListBox3->count() > 0 && ListBox1->count() > 0 && ListBox2->count() > 0);
}

void TVerschieblisteForm::AuswahlGeaendert() {
    if (FFuellenS)
        return;
    const int JahrNr = Gewaehlt(ListBox1);
    // Without a chosen year the list keeps showing the year it shows, now for the chosen subject.
    const qint32 Datum = JahrNr >= 0 ? TagNummer(ListBox1->item(JahrNr)->text().toInt(), 1, 7) : FWochenDatum;
    WochenZuweisen(Datum, 0);
}

void TVerschieblisteForm::Waehlen(QListWidget *AListe, int ANr) {
    FFuellenS = true;
    AListe->setCurrentRow(ANr);
    FFuellenS = false;
}
