#include "dialogs/Fachliste.h"

#include "data/Namen.h"
#include "dialogs/Fokusliste.h"

#include <QEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>

namespace {
// A list that knows whether the user is working it: while it handles a key or a mouse event, a change of its
// selection is the user's doing; selections that code sets never happen inside those handlers.
class TBedienListe : public TFokusListe {
public:
    using TFokusListe::TFokusListe;
    bool Bedienung() const { return FBedienungS; }

protected:
    void keyPressEvent(QKeyEvent *AEvent) override {
        const QScopedValueRollback<bool> Bedient(FBedienungS, true);
        TFokusListe::keyPressEvent(AEvent);
    }
    void mousePressEvent(QMouseEvent *AEvent) override {
        const QScopedValueRollback<bool> Bedient(FBedienungS, true);
        TFokusListe::mousePressEvent(AEvent);
    }
    void mouseMoveEvent(QMouseEvent *AEvent) override {
        const QScopedValueRollback<bool> Bedient(FBedienungS, true);
        TFokusListe::mouseMoveEvent(AEvent);
    }
    void mouseReleaseEvent(QMouseEvent *AEvent) override {
        const QScopedValueRollback<bool> Bedient(FBedienungS, true);
        TFokusListe::mouseReleaseEvent(AEvent);
    }
    void mouseDoubleClickEvent(QMouseEvent *AEvent) override {
        const QScopedValueRollback<bool> Bedient(FBedienungS, true);
        TFokusListe::mouseDoubleClickEvent(AEvent);
    }

private:
    bool FBedienungS = false;
};

// The selected line of a one-choice list, -1 for none.
int GewaehlteZeile(const QListWidget *AListe) {
    const QList<QListWidgetItem *> Gewaehlt = AListe->selectedItems();
    return Gewaehlt.isEmpty() ? -1 : AListe->row(Gewaehlt.first());
}

// Selects line ANr; -1 selects none.
void ZeileWaehlen(QListWidget *AListe, int ANr) {
    AListe->setCurrentRow(ANr);
    if (ANr < 0)
        AListe->clearSelection();
}
} // namespace

TFachlisteForm::TFachlisteForm(QWidget *AParent) : QDialog(AParent) {
    setObjectName(QStringLiteral("FachlisteForm"));
    // Created in tab order: classes, subjects, OK, Cancel.
    auto *Klassen = new TBedienListe(this);
    ListBox1 = Klassen;
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    // The lists have no labels: a screen reader takes their names from here.
    ListBox1->setAccessibleName(QStringLiteral("Klassen"));
    ListBox1->installEventFilter(this);
    ListBox2 = new TFokusListe(this);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    ListBox2->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox2->setAccessibleName(QStringLiteral("Fächer"));
    ListBox2->installEventFilter(this);
    Button1 = new QPushButton(this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(this);
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    // Another class picked by the user brings its own subjects, the first one chosen.
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, [this, Klassen] {
        if (Klassen->Bedienung())
            FachnamenZuweisen(QString());
    });
    CaptionZuweisen();
}

void TFachlisteForm::CaptionZuweisen() {
    setWindowTitle(QStringLiteral("Wechsle Klasse/Fach"));
    KnopfTextZuweisen(Button1, QStringLiteral("O&K"));
    KnopfTextZuweisen(Button2, QStringLiteral("&Abbrechen"));
}

void TFachlisteForm::SchriftartZuweisen(const TSchrift &ASchrift, const QColor &AHintergrund) {
    ::SchriftartZuweisen(this, ASchrift, AHintergrund);
}

void TFachlisteForm::SchalterEinrichten() {
    const int ClientBreite = Layout::BildschirmhoherDialog(this, {Button1, Button2}, Layout::AbstandEinfach);
    // The two lists share the room above the buttons.
    const int Breite = ClientBreite - 2 * Layout::Rand;
    const int Hoehe = (Button1->y() - Layout::Rand - 2 * Layout::Rand) / 2;
    ListBox1->setGeometry(Layout::Rand, Layout::Rand, Breite, Hoehe);
    ListBox2->setGeometry(Layout::Rand, Layout::Rand + Hoehe + Layout::Rand, Breite, Hoehe);
    FensterEinrichten();
}

void TFachlisteForm::FensterEinrichten() {
    ::FensterEinrichten(this);
}

void TFachlisteForm::KlassenZuweisen(TKlassenListe AListe) {
    ListBox2->clear();
    ListBox1->clear();
    FKlassen = std::move(AListe);
    for (std::size_t Nr = 0; Nr < FKlassen.size(); ++Nr) {
        auto *Zeile = new QListWidgetItem(FKlassen[Nr].Text, ListBox1);
        Zeile->setData(Qt::UserRole, static_cast<qulonglong>(Nr));
    }
    ZeileWaehlen(ListBox1, -1);
}

void TFachlisteForm::KlasseWaehlen(const QString &AKlasse) {
    if (ListBox1->count() == 0)
        return;
    const QString Gesucht = Gross(AKlasse);
    int Treffer = 0;
    for (int Nr = 0; Nr < ListBox1->count(); ++Nr)
        if (Gross(ListBox1->item(Nr)->text()) == Gesucht) {
            Treffer = Nr;
            break;
        }
    ZeileWaehlen(ListBox1, Treffer);
}

void TFachlisteForm::FachnamenZuweisen(const QString &AFachname) {
    ListBox2->clear();
    if (const TKlassenEintrag *Eintrag = GewaehlteKlasse()) {
        // One line per subject, even for a name from a foreign file that holds a line break: the line number is
        // the subject's position, which the opener goes to.
        for (const auto &Fach : Eintrag->Daten.Liste)
            ListBox2->addItem(Fach->Fachname);
    }
    int Auswahl = ListBox2->count() > 0 ? 0 : -1;
    if (!AFachname.isEmpty()) {
        const QString Gesucht = Gross(AFachname);
        Auswahl = -1;
        for (int Nr = 0; Nr < ListBox2->count(); ++Nr)
            if (Gross(ListBox2->item(Nr)->text()) == Gesucht) {
                Auswahl = Nr;
                break;
            }
    }
    ZeileWaehlen(ListBox2, Auswahl);
    ListBox1Enter();
}

const TKlassenEintrag *TFachlisteForm::GewaehlteKlasse() const {
    const int Zeile = GewaehlteZeile(ListBox1);
    if (Zeile < 0)
        return nullptr;
    const auto Nr = ListBox1->item(Zeile)->data(Qt::UserRole).toULongLong();
    return Nr < FKlassen.size() ? &FKlassen[Nr] : nullptr;
}

int TFachlisteForm::FachIndex() const {
    return GewaehlteZeile(ListBox2);
}

void TFachlisteForm::showEvent(QShowEvent *AEvent) {
    SchalterEinrichten();
    ListBox1->setFocus(Qt::OtherFocusReason);
    ListBox1Enter();
    for (QListWidget *Liste : {ListBox1, ListBox2})
        if (GewaehlteZeile(Liste) < 0 && Liste->count() > 0)
            ZeileWaehlen(Liste, 0);
    QDialog::showEvent(AEvent);
}

bool TFachlisteForm::eventFilter(QObject *AObjekt, QEvent *AEvent) {
    if ((AObjekt == ListBox1 || AObjekt == ListBox2) && AEvent->type() == QEvent::FocusIn)
        ListBox1Enter();
    return QDialog::eventFilter(AObjekt, AEvent);
}

// OK needs a class and a subject to go to.
void TFachlisteForm::ListBox1Enter() {
    Button1->setEnabled(ListBox1->count() > 0 && ListBox2->count() > 0);
}
