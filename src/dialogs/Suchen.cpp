#include "dialogs/Suchen.h"

#include "data/Daten.h"
#include "data/Kalender.h"
#include "data/Namen.h"
#include "dialogs/Fokusliste.h"
#include "dialogs/Meldungsfenster.h"
#include "dialogs/Namensfeld.h"

#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <initializer_list>

QList<TTreffer> SucheTreffer(const TDaten &ADaten, const QString &ASuchStr, bool GenauS) {
    QList<TTreffer> Treffer;
    if (ASuchStr.isEmpty())
        return Treffer;
    // Gross keeps every text's length, so a position in the upper-cased text is the position in the stored one.
    const QString Nadel = GenauS ? ASuchStr : Gross(ASuchStr);
    for (int FachNr = 0; FachNr < ADaten.Count(); ++FachNr) {
        const TFach &Fach = ADaten.Fach(FachNr);
        for (int EintragNr = 0; EintragNr < Fach.Count(); ++EintragNr) {
            const QString &Text = Fach.WochenDaten.at(EintragNr).Text;
            const qsizetype Pos = (GenauS ? Text : Gross(Text)).indexOf(Nadel);
            if (Pos >= 0)
                Treffer.append({FachNr, EintragNr, static_cast<int>(Pos)});
        }
    }
    return Treffer;
}

QString TrefferText(const TDaten &ADaten, const TTreffer &ATreffer) {
    const TFach &Fach = ADaten.Fach(ATreffer.FachNr);
    return QStringLiteral("\"%1\" | %2").arg(Fach.Fachname, WochenText(Fach.WochenDaten.at(ATreffer.EintragNr).Datum));
}

QString IndexZeile(const TTreffer &ATreffer) {
    return QStringLiteral("%1 %2 %3").arg(ATreffer.FachNr).arg(ATreffer.EintragNr).arg(ATreffer.Pos);
}

TSuchenForm::TSuchenForm(QWidget *AParent) : QDialog(AParent) {
    setObjectName(QStringLiteral("SuchenForm"));
    // Created in tab order: search text, check box, hits, Search, OK, Close.
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    // Typed or pasted text is mapped as the week texts were when they were typed, so it finds them.
    NamensfeldEinrichten(Edit1);
    CheckBox1 = new QCheckBox(this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    ListBox1 = new TFokusListe(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setAccessibleName(QStringLiteral("Treffer"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setBuddy(Edit1);
    // No default button: Enter searches in the field and takes the hit in the list.
    Button1 = new QPushButton(this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button3 = new QPushButton(this);
    Button3->setObjectName(QStringLiteral("Button3"));
    connect(Button1, &QPushButton::clicked, this, &TSuchenForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button3, &QPushButton::clicked, this, &QDialog::reject);
    connect(Edit1, &QLineEdit::textChanged, this, &TSuchenForm::Edit1Change);
    // A dialog would make its first auto-default button the default one; here Enter acts on the focused control.
    for (QWidget *Steuer : std::initializer_list<QWidget *>{Edit1, CheckBox1, ListBox1, Button1, Button2, Button3}) {
        if (auto *Knopf = qobject_cast<QPushButton *>(Steuer))
            Knopf->setAutoDefault(false);
        Steuer->installEventFilter(this);
    }
    CaptionZuweisen();
    SuchStr.clear();
    Edit1->clear();
    TrefferLeeren();
    CheckBox1->setChecked(false);
    Edit1Change();
    Button2->setEnabled(false);
}

void TSuchenForm::CaptionZuweisen() {
    setWindowTitle(QStringLiteral("Suche nach Text im Stundolog"));
    Label1->setText(QStringLiteral("Such&text:"));
    Edit1->setAccessibleName(OhneKuerzel(Label1->text()));
    KnopfTextZuweisen(CheckBox1, QStringLiteral("&Genaue Übereinstimmung"));
    KnopfTextZuweisen(Button1, QStringLiteral("S&uchen"));
    KnopfTextZuweisen(Button2, QStringLiteral("O&K"));
    KnopfTextZuweisen(Button3, QStringLiteral("&Schließen"));
}

void TSuchenForm::SchriftartZuweisen(const TSchrift &ASchrift, const QColor &AHintergrund) {
    ::SchriftartZuweisen(this, ASchrift, AHintergrund);
}

void TSuchenForm::SchalterEinrichten() {
    const QList<QPushButton *> Knoepfe{Button1, Button2, Button3};
    const int KnopfBreite = Layout::KnoepfeEinrichten(Knoepfe);
    const QSize Platz = Layout::Platz(this);
    int ClientBreite = Layout::KnopfReihe(Knoepfe, Layout::AbstandEinDrittel(KnopfBreite), Platz.width());
    // Where not even narrow gaps bring the three buttons side by side onto the screen, they stand in rows.
    const bool KnopfzeilenS = ClientBreite > Platz.width();
    if (KnopfzeilenS)
        ClientBreite = Platz.width();

    const int EditUnten = Layout::EditZeile(Label1, Edit1, Layout::Rand, Layout::FeldLinks({Label1}), ClientBreite);
    CheckBox1->setGeometry(Layout::Rand, EditUnten + Layout::Rand, ClientBreite - 2 * Layout::Rand,
                           SchriftHoehe(CheckBox1->font(), TSteuerArt::CheckBox));
    // The hit list is centred, indented by one button height, and ten button heights high; in a font so large
    // that the dialog would be higher than the screen, it gives up the difference.
    const int Einzug = Button1->height();
    const int ListeOben = CheckBox1->y() + CheckBox1->height() + Layout::Rand;
    const int Knopfzeilen = Layout::KnopfzeilenHoehe(Knoepfe, KnopfzeilenS ? ClientBreite : 1 << 20);
    ListBox1->setGeometry(
        Einzug, ListeOben, ClientBreite - 2 * Einzug,
        std::min(10 * Button1->height(), Platz.height() - ListeOben - 2 * Layout::Rand - Knopfzeilen));
    const int ListeUnten = ListBox1->y() + ListBox1->height();
    int ClientHoehe = ListeUnten + Layout::Rand + Knopfzeilen + Layout::Rand;
    if (KnopfzeilenS)
        Layout::KnopfzeilenVerteilen(Knoepfe, ClientBreite, ListeUnten + Layout::Rand);
    else
        ClientHoehe = Layout::KnopfReiheDarunter(Knoepfe, ListeUnten);
    Layout::ClientGroesse(this, ClientBreite, ClientHoehe);
    FensterEinrichten();
}

void TSuchenForm::FensterEinrichten() {
    ::FensterEinrichten(this);
}

void TSuchenForm::Button1Click() {
    IndexListe.clear();
    SuchStr = Edit1->text();
    ListBox1->clear();
    if (DatenRef) {
        ListBox1->setUpdatesEnabled(false);
        for (const TTreffer &Treffer : SucheTreffer(*DatenRef, SuchStr, CheckBox1->isChecked())) {
            ListBox1->addItem(TrefferText(*DatenRef, Treffer));
            IndexListe.append(IndexZeile(Treffer));
        }
        ListBox1->setUpdatesEnabled(true);
    }
    Button2->setEnabled(ListBox1->count() > 0);
    if (ListBox1->count() > 0) {
        // The focus first: a screen reader hears the hit list, then its first line.
        ListBox1->setFocus(Qt::OtherFocusReason);
        ListBox1->setCurrentRow(0);
        return;
    }
    SuchtextWaehlen();
    const QString Text = QStringLiteral("Der Suchtext \"%1\" wurde nicht gefunden!").arg(SuchStr);
    MeldungZeigen(this, QMessageBox::Information, Text, QMessageBox::Ok, QMessageBox::Ok);
    SuchtextWaehlen();
}

bool TSuchenForm::AuswahlOk(int &AFachNr, int &AEintragNr, int &APos) const {
    const QListWidgetItem *Zeile = ListBox1->currentItem();
    const int Nr = Zeile && Zeile->isSelected() ? ListBox1->row(Zeile) : -1;
    if (Nr < 0 || Nr >= IndexListe.size())
        return false;
    const QStringList Zahlen = IndexListe.at(Nr).split(QLatin1Char(' '));
    if (Zahlen.size() != 3)
        return false;
    AFachNr = Zahlen.at(0).toInt();
    AEintragNr = Zahlen.at(1).toInt();
    APos = Zahlen.at(2).toInt();
    return true;
}

void TSuchenForm::showEvent(QShowEvent *AEvent) {
    SchalterEinrichten();
    TrefferLeeren();
    Edit1->setText(SuchStr);
    Edit1Change();
    Button2->setEnabled(ListBox1->count() > 0);
    SuchtextWaehlen();
    QDialog::showEvent(AEvent);
}

bool TSuchenForm::eventFilter(QObject *AObjekt, QEvent *AEvent) {
    if (AObjekt == Edit1 && AEvent->type() == QEvent::FocusIn && FTextWaehlenS && isActiveWindow()) {
        FTextWaehlenS = false;
        Edit1->selectAll();
    }
    if (AEvent->type() == QEvent::KeyPress) {
        const auto *Taste = static_cast<QKeyEvent *>(AEvent);
        const bool EnterS = (Taste->key() == Qt::Key_Return || Taste->key() == Qt::Key_Enter) &&
                            (Taste->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (EnterS && (AObjekt == Edit1 || AObjekt == CheckBox1) && Button1->isEnabled()) {
            Button1Click();
            return true;
        }
        if (EnterS && AObjekt == ListBox1 && Button2->isEnabled()) {
            accept();
            return true;
        }
        // Enter on a focused button presses it, as Space does.
        if (auto *Knopf = qobject_cast<QPushButton *>(AObjekt); EnterS && Knopf) {
            if (Knopf->isEnabled())
                Knopf->click();
            return true;
        }
    }
    return QDialog::eventFilter(AObjekt, AEvent);
}

// A line edit drops its selection when its window becomes active while it has no focus yet, which is how a
// shown dialog or one that a message box gave back becomes active; the selection is made again when the field
// gets the focus in the active window.
void TSuchenForm::SuchtextWaehlen() {
    Edit1->setFocus(Qt::OtherFocusReason);
    Edit1->selectAll();
    FTextWaehlenS = !(isActiveWindow() && Edit1->hasFocus());
}

// A search needs a text that is more than blanks.
void TSuchenForm::Edit1Change() {
    Button1->setEnabled(!Trimmen(Edit1->text()).isEmpty());
}

// The hits and their index lines go together, so they stay parallel.
void TSuchenForm::TrefferLeeren() {
    ListBox1->clear();
    IndexListe.clear();
}
