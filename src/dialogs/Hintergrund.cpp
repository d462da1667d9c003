#include "dialogs/Hintergrund.h"

#include "dialogs/Fokusliste.h"

#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace {
// The colours are noted as 0x00BBGGRR: blue in the high byte, red in the low byte.
QColor AusBgr(quint32 AWert) {
    return QColor(AWert & 0xFF, (AWert >> 8) & 0xFF, (AWert >> 16) & 0xFF);
}

constexpr int FarbZahl = 19;
} // namespace

const QList<THintergrundFarbe> &HintergrundFarben() {
    static const QList<THintergrundFarbe> Farben{
        {QStringLiteral("Schwarz"), AusBgr(0x00000000)},    {QStringLiteral("Weiß"), AusBgr(0x00FFFFFF)},
        {QStringLiteral("Gelb"), AusBgr(0x0000FFFF)},       {QStringLiteral("Blau"), AusBgr(0x00FF0000)},
        {QStringLiteral("Marineblau"), AusBgr(0x00800000)}, {QStringLiteral("Himmelblau"), AusBgr(0x00F0CAA6)},
        {QStringLiteral("Blaugrün"), AusBgr(0x00808000)},   {QStringLiteral("Grün"), AusBgr(0x00008000)},
        {QStringLiteral("Minzgrün"), AusBgr(0x00C0DCC0)},   {QStringLiteral("Gelbgrün"), AusBgr(0x0000FF00)},
        {QStringLiteral("Olivgrün"), AusBgr(0x00008080)},   {QStringLiteral("Grau"), AusBgr(0x00808080)},
        {QStringLiteral("Dunkelgrau"), AusBgr(0x00808080)}, {QStringLiteral("Hellgrau"), AusBgr(0x00C0C0C0)},
        {QStringLiteral("Rot"), AusBgr(0x000000FF)},        {QStringLiteral("Purpur"), AusBgr(0x00800080)},
        {QStringLiteral("Lila"), AusBgr(0x00FF00FF)},       {QStringLiteral("Silber"), AusBgr(0x00C0C0C0)},
        {QStringLiteral("Braun"), AusBgr(0x008B5A2B)},
    };
    return Farben;
}

THintergrundForm::THintergrundForm(QWidget *AOwner, int ABtnWidth, int ARand)
    : QDialog(AOwner), FBtnWidth(ABtnWidth), FRand(ARand) {
    setObjectName(QStringLiteral("HintergrundForm"));
    // Created in tab order: list, OK, Cancel.
    ListBox1 = new TFokusListe(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setAccessibleName(QStringLiteral("Farben"));
    Button1 = new QPushButton(this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(this);
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    CaptionZuweisen(QStringLiteral("Schrifthintergrund wählen"), QStringLiteral("O&K"), QStringLiteral("&Abbrechen"));
}

void THintergrundForm::CaptionZuweisen(const QString &ACaption, const QString &ABtn1Caption,
                                       const QString &ABtn2Caption) {
    setWindowTitle(ACaption);
    KnopfTextZuweisen(Button1, ABtn1Caption);
    KnopfTextZuweisen(Button2, ABtn2Caption);
    ListBox1->clear();
    for (const THintergrundFarbe &Farbe : HintergrundFarben())
        ListBox1->addItem(Farbe.Name);
}

void THintergrundForm::SchriftartZuweisen(const TSchrift &ASchrift, const QColor &AColor) {
    ::SchriftartZuweisen(this, ASchrift, AColor);
}

void THintergrundForm::SchalterEinrichten() {
    const QList<QPushButton *> Knoepfe{Button1, Button2};
    Layout::KnoepfeEinrichten(Knoepfe, FBtnWidth);
    const QSize Platz = Layout::Platz(this);
    const int ClientBreite = Layout::KnopfReihe(Knoepfe, FRand, Platz.width());

    // Room for 20 lines, so all 19 colours show without scrolling; each entry is one text line high. In a font
    // so large that this is higher than the screen, the list scrolls.
    const int Zeile = SchriftHoehe(ListBox1->font(), TSteuerArt::Sonstige);
    for (int Nr = 0; Nr < ListBox1->count(); ++Nr)
        ListBox1->item(Nr)->setSizeHint(QSize(0, Zeile));
    const int Darunter = FRand + Button1->height() + FRand;
    ListBox1->setGeometry(FRand, FRand, ClientBreite - 2 * FRand,
                          std::min(20 * Zeile, Platz.height() - FRand - Darunter));

    const int ClientHoehe = Layout::KnopfReiheDarunter(Knoepfe, ListBox1->y() + ListBox1->height(), FRand);
    Layout::ClientGroesse(this, ClientBreite, ClientHoehe);
    FensterEinrichten();
}

void THintergrundForm::FensterEinrichten() {
    ::FensterEinrichten(this);
}

int THintergrundForm::HintergrundNr() const {
    const QListWidgetItem *Eintrag = ListBox1->currentItem();
    return Eintrag && Eintrag->isSelected() ? ListBox1->row(Eintrag) : -1;
}

void THintergrundForm::SetHintergrundNr(int AValue) {
    ListBox1->setCurrentRow(AValue >= 0 && AValue < FarbZahl ? AValue : 0);
}

QColor THintergrundForm::HintergrundFarbe() const {
    const int Nr = HintergrundNr();
    return HintergrundFarben().at(Nr >= 0 ? Nr : 0).Farbe;
}

void THintergrundForm::SetBtnWidth(int AValue) {
    FBtnWidth = AValue;
    SchalterEinrichten();
}

void THintergrundForm::SetRand(int AValue) {
    FRand = AValue;
    SchalterEinrichten();
}

void THintergrundForm::showEvent(QShowEvent *AEvent) {
    SchalterEinrichten();
    FMerkItemIndex = HintergrundNr();
    ListBox1->setFocus(Qt::OtherFocusReason);
    QDialog::showEvent(AEvent);
}

// Cancel, Escape and the close box all end here with Rejected: the choice the dialog was shown with stands.
void THintergrundForm::done(int AErgebnis) {
    if (AErgebnis == QDialog::Rejected && isVisible())
        ListBox1->setCurrentRow(FMerkItemIndex);
    QDialog::done(AErgebnis);
}
