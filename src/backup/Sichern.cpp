#include "backup/Sichern.h"

#include "backup/Kopieren.h"
#include "dialogs/Fokusliste.h"
#include "dialogs/Meldungsfenster.h"
#include "util/Ordner.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

TSichernForm::TSichernForm(QWidget *AParent) : QDialog(AParent), LaufwerksQuelle(&Laufwerke::System) {
    setObjectName(QStringLiteral("SichernForm"));
    // Created in tab order: volumes, log, the three buttons.
    ListBox1 = new TFokusListe(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setAccessibleName(QStringLiteral("Laufwerke"));
    RichEdit1 = new QPlainTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setReadOnly(true);
    // A caret that the keys move, so that a screen reader reads the log line by line.
    RichEdit1->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    RichEdit1->setTabChangesFocus(true);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setAccessibleName(QStringLiteral("Kopierverlauf"));
    Button1 = new QPushButton(this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button1->setEnabled(false);
    Button2 = new QPushButton(this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button3 = new QPushButton(this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Fortschritt = new QProgressBar(this);
    Fortschritt->setObjectName(QStringLiteral("Fortschritt"));
    Fortschritt->setAccessibleName(QStringLiteral("Fortschritt"));
    Fortschritt->setRange(0, 100);
    Fortschritt->setFocusPolicy(Qt::NoFocus);
    Fortschritt->hide();

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PuAktualisieren = PopupMenu1->addAction(QStringLiteral("Aktualisieren"));
    PuAktualisieren->setObjectName(QStringLiteral("PuAktualisieren"));
    PuAktualisieren->setShortcut(QKeySequence(Qt::Key_F5));
    PuAktualisieren->setShortcutContext(Qt::WindowShortcut);
    addAction(PuAktualisieren); // F5 works while the menu is closed
    for (QWidget *Feld : {static_cast<QWidget *>(ListBox1), static_cast<QWidget *>(RichEdit1)}) {
        Feld->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(Feld, &QWidget::customContextMenuRequested, this,
                [this, Feld](const QPoint &AOrt) { PopupMenu1->popup(Feld->mapToGlobal(AOrt)); });
    }
    RichEdit1->installEventFilter(this);

    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    Timer1->setInterval(5);
    connect(Timer1, &QTimer::timeout, this, &TSichernForm::Timer1Timer);
    connect(Button1, &QPushButton::clicked, this, &TSichernForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TSichernForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TSichernForm::reject);
    connect(PuAktualisieren, &QAction::triggered, this, &TSichernForm::PuAktualisierenClick);

    CaptionZuweisen();
    ListBox1->clear();
    RichEdit1->clear();
}

void TSichernForm::CaptionZuweisen() {
    setWindowTitle(QStringLiteral("Datendateien sichern nach"));
    KnopfTextZuweisen(Button1, QStringLiteral("&Sichern"));
    KnopfTextZuweisen(Button2, QStringLiteral("&Aktualisieren"));
    KnopfTextZuweisen(Button3, QStringLiteral("S&chließen"));
}

void TSichernForm::SchriftartZuweisen(const TSchrift &ASchrift, const QColor &AHintergrund) {
    ::SchriftartZuweisen(this, ASchrift, AHintergrund);
}

void TSichernForm::SchalterEinrichten() {
    const int ClientBreite = Layout::BildschirmhoherDialog(this, {Button1, Button2, Button3}, Layout::AbstandEinfach);
    const int Hoehe = (Button1->y() - Layout::Rand - 2 * Layout::Rand) / 2;
    const int Breite = ClientBreite - 2 * Layout::Rand;
    ListBox1->setGeometry(Layout::Rand, Layout::Rand, Breite, Hoehe);
    RichEdit1->setGeometry(Layout::Rand, ListBox1->y() + Hoehe + Layout::Rand, Breite, Hoehe);
    FLogHoehe = Hoehe;
    FortschrittZeigen(FLaeuftS);
    FensterEinrichten();
}

void TSichernForm::FensterEinrichten() {
    ::FensterEinrichten(this);
}

// While a run goes, the progress bar takes the bottom of the log's place.
void TSichernForm::FortschrittZeigen(bool AnS) {
    if (!AnS) {
        Fortschritt->hide();
        RichEdit1->resize(RichEdit1->width(), FLogHoehe);
        return;
    }
    Fortschritt->setFont(ListBox1->font());
    const int Balken = SchriftHoehe(Fortschritt->font(), TSteuerArt::Edit);
    const int Log = FLogHoehe - Balken - Layout::Rand;
    RichEdit1->resize(RichEdit1->width(), Log);
    Fortschritt->setGeometry(RichEdit1->x(), RichEdit1->y() + Log + Layout::Rand, RichEdit1->width(), Balken);
    Fortschritt->show();
}

void TSichernForm::ReText(const QString &S, bool ClearS) {
    if (ClearS)
        RichEdit1->clear();
    RichEdit1->appendPlainText(S);
    QTextCursor Cursor = RichEdit1->textCursor();
    Cursor.movePosition(QTextCursor::End);
    Cursor.movePosition(QTextCursor::StartOfBlock);
    RichEdit1->setTextCursor(Cursor);
    RichEdit1->ensureCursorVisible();
}

QString TSichernForm::AuswahlWurzel() const {
    const QListWidgetItem *Zeile = ListBox1->currentItem();
    return Zeile && Zeile->isSelected() ? Zeile->data(Qt::UserRole).toString() : QString();
}

void TSichernForm::showEvent(QShowEvent *AEvent) {
    SchalterEinrichten();
    ReText(QStringLiteral("Kopierverlauf:"), true);
    // The volumes of the last showing may be gone; the scan fills the list anew.
    ListBox1->clear();
    Button1->setEnabled(false);
    ListBox1->setFocus(Qt::OtherFocusReason);
    Timer1->start();
    QDialog::showEvent(AEvent);
}

bool TSichernForm::eventFilter(QObject *AObjekt, QEvent *AEvent) {
    // The log is read-only but keeps Escape to itself otherwise.
    if (AObjekt == RichEdit1 && AEvent->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(AEvent)->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    return QDialog::eventFilter(AObjekt, AEvent);
}

void TSichernForm::Timer1Timer() {
    Timer1->stop();
    Button2->click();
}

void TSichernForm::PuAktualisierenClick() {
    Button2->click();
}

bool TSichernForm::LaufwerkGeeignet(const TLaufwerk &ALaufwerk) const {
    const QString Ordner = Laufwerke::SicherungsOrdner(ALaufwerk.Wurzel);
    const bool DaS = QFileInfo(Ordner).isDir();
    if (!SichernS)
        return DaS;
    if (ALaufwerk.NurLesenS)
        return false;
    // A folder must be creatable there; an existing backup folder must take new files.
    const bool OkS = DaS ? OrdnerBeschreibbar(Ordner) : QDir().mkpath(Ordner);
    // The scan leaves no empty backup folder behind; one holding files stays.
    if (DaS || OkS)
        OrdnerEntfernenWennLeer(Ordner);
    return OkS;
}

void TSichernForm::Button2Click() {
    if (FLaeuftS)
        return;
    Button1->setEnabled(false);
    ListBox1->clear();
    const QList<TLaufwerk> Alle = LaufwerksQuelle ? LaufwerksQuelle() : QList<TLaufwerk>();
    for (const TLaufwerk &Laufwerk : Alle) {
        if (Laufwerk.Art == TLaufwerksArt::Unbekannt || !Laufwerk.BereitS || !LaufwerkGeeignet(Laufwerk))
            continue;
        auto *Zeile = new QListWidgetItem(Laufwerke::Eintrag(Laufwerk), ListBox1);
        Zeile->setData(Qt::UserRole, Laufwerk.Wurzel);
    }
    if (ListBox1->count() == 0) {
        const QString Keine = SichernS
                                  ? QStringLiteral("Keine betriebsbereiten Laufwerke zum Sichern vorhanden!")
                                  : QStringLiteral("Keine betriebsbereiten Laufwerke mit Daten zum Wiederherstellen "
                                                   "vorhanden!");
        Meldung(QMessageBox::Information,
                Keine + QStringLiteral("\r\nKlicken Sie auf \"%1\" um die Laufwerke erneut zu prüfen.")
                            .arg(OhneKuerzel(Button2->text())));
        Button2->setFocus(Qt::OtherFocusReason);
    } else {
        ListBox1->setCurrentRow(0);
        ListBox1->setFocus(Qt::OtherFocusReason);
    }
    Button1->setEnabled(ListBox1->count() > 0);
}

void TSichernForm::Button1Click() {
    const QString Wurzel = AuswahlWurzel();
    if (FLaeuftS || !Button1->isEnabled() || Wurzel.isEmpty())
        return;
    FLaeuftS = true;
    Button1->setEnabled(false);
    // No new scan while files are copied: it would empty the list the run came from.
    Button2->setEnabled(false);
    PuAktualisieren->setEnabled(false);
    RichEdit1->setFocus(Qt::OtherFocusReason);
    ReText(QStringLiteral("Kopierverlauf:"), true);

    const QString Sicherung = Laufwerke::SicherungsOrdner(Wurzel);
    TKopierMelder Melder;
    Melder.Zeile = [this](const QString &AText) { ReText(AText, false); };
    Melder.Fortschritt = [this](qint64 ABytes) {
        FFertig += ABytes;
        Fortschritt->setValue(FGesamt > 0 ? static_cast<int>(std::min<qint64>(100, FFertig * 100 / FGesamt)) : 100);
    };
    Melder.Fehler = [this](const QString &AText) { Meldung(QMessageBox::Critical, AText); };
    Melder.Hinweis = [this](const QString &AText) { Meldung(QMessageBox::Information, AText); };

    const bool BereitS = OrdnerVorbereiten(DatenOrdner, Sicherung, SichernS, Melder);
    if (BereitS) {
        const QString O1 = SichernS ? DatenOrdner : Sicherung;
        const QString O2 = SichernS ? Sicherung : DatenOrdner;
        FGesamt = 2 * Kopieren::DatendateienGroesse(O1);
        FFertig = 0;
        Fortschritt->setValue(0);
        FortschrittZeigen(true);
        if (CopyDateienOk(O1, O2, SichernS, Melder) && CheckDateienOk(O1, O2, SichernS, Melder)) {
            Fortschritt->setValue(100);
            const QString Ort = QDir::toNativeSeparators(Sicherung);
            Meldung(QMessageBox::Information,
                    SichernS
                        ? QStringLiteral("Die Datendateien wurden erfolgreich in \"%1\" gesichert!").arg(Ort)
                        : QStringLiteral("Die Datendateien wurden erfolgreich von \"%1\" wiederhergestellt!").arg(Ort));
        }
    }
    FLaeuftS = false;
    FortschrittZeigen(false);
    Button2->setEnabled(true);
    PuAktualisieren->setEnabled(true);
    if (BereitS) {
        Button1->setEnabled(ListBox1->count() > 0);
        ListBox1->setFocus(Qt::OtherFocusReason);
    } else {
        // The action button waits for the next scan.
        Button2->setFocus(Qt::OtherFocusReason);
    }
    if (FSchliessenS) {
        FSchliessenS = false;
        QDialog::reject();
    }
}

void TSichernForm::reject() {
    if (FLaeuftS) {
        FSchliessenS = true;
        return;
    }
    QDialog::reject();
}

void TSichernForm::Meldung(QMessageBox::Icon AIcon, const QString &AText) {
    MeldungZeigen(this, AIcon, AText, QMessageBox::Ok, QMessageBox::Ok);
}
