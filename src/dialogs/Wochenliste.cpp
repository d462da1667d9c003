#include "dialogs/Wochenliste.h"

#include "dialogs/Fokusliste.h"

#include <QEvent>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

TWochenlisteForm::TWochenlisteForm(QWidget *AParent) : QDialog(AParent) {
    setObjectName(QStringLiteral("WochenlisteForm"));
    // Created in tab order: list, OK, Cancel.
    ListBox1 = new TFokusListe(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->installEventFilter(this);
    Button1 = new QPushButton(this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(this);
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    SetListenName(QStringLiteral("Einträge"));
    CaptionZuweisen();
}

void TWochenlisteForm::CaptionZuweisen() {
    KnopfTextZuweisen(Button1, QStringLiteral("O&K"));
    KnopfTextZuweisen(Button2, QStringLiteral("&Abbrechen"));
}

void TWochenlisteForm::SchriftartZuweisen(const TSchrift &ASchrift, const QColor &AHintergrund) {
    ::SchriftartZuweisen(this, ASchrift, AHintergrund);
}

void TWochenlisteForm::SchalterEinrichten() {
    const QList<QPushButton *> Knoepfe{Button1, Button2};
    const int KnopfBreite = Layout::KnoepfeEinrichten(Knoepfe);
    const QSize Platz = Layout::Platz(this);
    int ClientBreite = Layout::KnopfReihe(Knoepfe, Layout::AbstandEinfach(KnopfBreite), Platz.width());
    // Fifteen button heights, but never higher than the screen.
    const int ClientHoehe = std::min(15 * Button1->height(), Platz.height());
    Layout::ClientGroesse(this, ClientBreite, ClientHoehe);
    Layout::KnopfReiheUnten(Knoepfe, ClientHoehe);
    // In a large font the week texts are wider than the row of buttons: the dialog widens to show them whole.
    ClientBreite = Layout::Verbreitern(this, 2 * Layout::Rand + Layout::ListenBreite(ListBox1), Knoepfe, ClientBreite);
    ListBox1->setGeometry(Layout::Rand, Layout::Rand, ClientBreite - 2 * Layout::Rand, Button1->y() - 2 * Layout::Rand);
    FensterEinrichten();
}

void TWochenlisteForm::FensterEinrichten() {
    ::FensterEinrichten(this);
}

void TWochenlisteForm::Fuellen(const QStringList &AZeilen, int AAuswahl, const QVariantList &ADaten) {
    ListBox1->clear();
    for (qsizetype Nr = 0; Nr < AZeilen.size(); ++Nr) {
        auto *Zeile = new QListWidgetItem(AZeilen.at(Nr), ListBox1);
        if (Nr < ADaten.size())
            Zeile->setData(Qt::UserRole, ADaten.at(Nr));
    }
    ListBox1->setCurrentRow(AAuswahl >= 0 && AAuswahl < ListBox1->count() ? AAuswahl : -1);
}

void TWochenlisteForm::SetListenName(const QString &AName) {
    ListBox1->setAccessibleName(AName);
}

int TWochenlisteForm::AuswahlNr() const {
    const QListWidgetItem *Zeile = ListBox1->currentItem();
    return Zeile && Zeile->isSelected() ? ListBox1->row(Zeile) : -1;
}

QVariant TWochenlisteForm::AuswahlDaten() const {
    const int Nr = AuswahlNr();
    return Nr < 0 ? QVariant() : ListBox1->item(Nr)->data(Qt::UserRole);
}

void TWochenlisteForm::showEvent(QShowEvent *AEvent) {
    SchalterEinrichten();
    ListBox1->setFocus(Qt::OtherFocusReason);
    ListBox1Enter();
    if (AuswahlNr() < 0 && ListBox1->count() > 0)
        ListBox1->setCurrentRow(0);
    QDialog::showEvent(AEvent);
}

bool TWochenlisteForm::eventFilter(QObject *AObjekt, QEvent *AEvent) {
    if (AObjekt == ListBox1 && AEvent->type() == QEvent::FocusIn)
        ListBox1Enter();
    return QDialog::eventFilter(AObjekt, AEvent);
}

// OK needs a line to choose.
void TWochenlisteForm::ListBox1Enter() {
    Button1->setEnabled(ListBox1->count() > 0);
}
