#include "app/Haupt.h"

#include "app/Einstellungen.h"
#include "app/Meldungen.h"
#include "data/Kalender.h"
#include "data/Klassendatei.h"
#include "data/Namen.h"
#include "data/Programm.h"
#include "data/Zeichenersatz.h"
#include "backup/Sichern.h"
#include "dialogs/Bezeichnung.h"
#include "dialogs/Fachliste.h"
#include "dialogs/Hintergrund.h"
#include "dialogs/Neu.h"
#include "dialogs/ReAnsicht.h"
#include "dialogs/Schriftdialog.h"
#include "dialogs/Suchen.h"
#include "dialogs/Verschiebliste.h"
#include "dialogs/Wochenliste.h"
#include "util/Klang.h"
#include "util/Ordner.h"

#include <QAccessible>
#include <QAction>
#include <QLocale>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

TOrte TOrte::System() { return {::ProgrammOrdner(), ::EigeneDateien()}; }

namespace {
const QString KeinName = QStringLiteral("KeinName");
const QString DatenOrdnerName = QStringLiteral("Stundolog/");

// 1234567 as 1.234.567.
QString MitPunkten(int AZahl) {
    QString Ziffern = QString::number(AZahl < 0 ? -AZahl : AZahl);
    for (qsizetype Pos = Ziffern.size() - 3; Pos > 0; Pos -= 3)
        Ziffern.insert(Pos, QLatin1Char('.'));
    return AZahl < 0 ? QLatin1Char('-') + Ziffern : Ziffern;
}

// The program's German names of a shortcut: "Strg+N", "Umsch+F3".
QString TastenText(const QKeySequence &ATaste) {
    QString Text = ATaste.toString(QKeySequence::PortableText);
    Text.replace(QStringLiteral("Ctrl+"), QStringLiteral("Strg+"));
    Text.replace(QStringLiteral("Shift+"), QStringLiteral("Umsch+"));
    return Text;
}

// The text field holds line breaks as single characters; the class keeps CR LF.
QString MitCrLfZeilen(const QString &AText) {
    QString Text = AText;
    Text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    Text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    Text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return Text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}
} // namespace

TForm1::TForm1(const TOrte &AOrte, QWidget *AParent) : QMainWindow(AParent), FOrte(AOrte) { FormCreate(); }

TForm1::~TForm1() {
    // Exit: remove the data folder when it is empty; a folder that holds files stays.
    const QString Ordner = OrdnerTeil(FFilename);
    if (!Ordner.isEmpty())
        OrdnerEntfernenWennLeer(Ordner);
    SetzeMeldungsZiel(FVorherigesMeldungsZiel);
    // Whatever outlives the window shows in the program's own font again.
    if (QApplication::font() != FAnwendungsschrift)
        QApplication::setFont(FAnwendungsschrift);
}

void TForm1::FormCreate() {
    IsClosing = false;
    setObjectName(QStringLiteral("Form1"));
    FAnwendungsschrift = QApplication::font();

    // The fields, their labels, the buttons and the status bar; positions come from SchalterEinrichten.
    auto *Flaeche = new QWidget(this);
    setCentralWidget(Flaeche);
    // The window always has the size of the work area (ArbeitsbereichAnpassen); its layout only shares that out
    // between menu bar, central area and status bar. A minimum size of the layout's own would undo the fixed size
    // when the layout runs while the window is being fixed.
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    Label1 = new QLabel(Flaeche);
    Label2 = new QLabel(Flaeche);
    Label3 = new QLabel(Flaeche);
    Label4 = new QLabel(Flaeche);
    Edit1 = new QLineEdit(Flaeche);
    Edit2 = new QLineEdit(Flaeche);
    Edit3 = new QLineEdit(Flaeche);
    RichEdit1 = new QPlainTextEdit(Flaeche);
    Button1 = new QPushButton(Flaeche);
    Button2 = new QPushButton(Flaeche);
    const QList<QWidget *> Felder{Edit1, Edit2, Edit3, RichEdit1};
    const QList<QLabel *> Labels{Label1, Label2, Label3, Label4};
    for (int Nr = 0; Nr < 4; ++Nr) {
        Felder[Nr]->setObjectName(QStringLiteral("Edit%1").arg(Nr + 1));
        Felder[Nr]->setProperty("Tag", Nr + 1);
        Labels[Nr]->setObjectName(QStringLiteral("Label%1").arg(Nr + 1));
        Labels[Nr]->setBuddy(Felder[Nr]);
        Felder[Nr]->installEventFilter(this);
    }
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2->setObjectName(QStringLiteral("Button2"));
    Button1->installEventFilter(this);
    Button2->installEventFilter(this);
    for (QLineEdit *Feld : {Edit1, Edit2, Edit3})
        Feld->setReadOnly(true);
    RichEdit1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RichEdit1->setTabChangesFocus(true);
    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, Edit3);
    setTabOrder(Edit3, RichEdit1);
    setTabOrder(RichEdit1, Button1);
    setTabOrder(Button1, Button2);
    connect(RichEdit1->document(), &QTextDocument::contentsChange, this, &TForm1::TextGeaendert);
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);

    // The two panels share the status bar's whole width, placed by SchalterEinrichten: the status bar's own
    // layout would keep a margin and a gap around them.
    statusBar()->setSizeGripEnabled(false);
    StatusPanel0 = new QLabel(statusBar());
    StatusPanel1 = new QLabel(statusBar());
    StatusPanel0->setObjectName(QStringLiteral("StatusPanel0"));
    StatusPanel1->setObjectName(QStringLiteral("StatusPanel1"));
    StatusPanel0->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    StatusPanel1->setAlignment(Qt::AlignCenter);
    // A text wider than its panel goes on in further lines, broken between words; the status bar grows for them.
    StatusPanel0->setWordWrap(true);
    StatusPanel1->setWordWrap(true);
    // No accessible names of their own: a screen reader reads the panels by their texts.

    FKlang = new TKlang(this);
    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

    MenuesAnlegen();
    KontextmenuesAnlegen();

    // The colour dialog keeps the program's background choice, from the first colour "Weiß" on.
    FHintergrundForm = new THintergrundForm(this, 125, 10);
    FHintergrundForm->SetHintergrundNr(1);
    FHintergrund = FHintergrundForm->HintergrundFarbe();
    FWochenlisteForm = new TWochenlisteForm(this);
    FNeuForm = new TNeuForm(this);
    FFachlisteForm = new TFachlisteForm(this);
    FBezeichnungForm = new TBezeichnungForm(this);
    FVerschieblisteForm = new TVerschieblisteForm(this);
    FSuchenForm = new TSuchenForm(this);
    FReAnsichtForm = new TReAnsichtForm(this);
    FSichernForm = new TSichernForm(this);

    // The font dialog's own font, until the settings are read.
    FSchrift = {QFont(QStringLiteral("Courier New"), 14), palette().color(QPalette::WindowText)};

    CaptionZuweisen();
    SetWochendatum(true);
    FStartFachNr = 0;
    SetFilename(QString());
    FMeldungsFenster = std::make_unique<TMeldungsFenster>(this);
    FVorherigesMeldungsZiel = SetzeMeldungsZiel(FMeldungsFenster.get());
    SetFachNr(0);
    SetEintragNr(0);
    // Fonts and layout are applied when the settings are read, before the window is first shown: one font
    // lookup instead of two.
}

void TForm1::CaptionZuweisen() {
    Label1->setText(QStringLiteral("Klasse:"));
    Label2->setText(QStringLiteral("Fach:"));
    Label3->setText(QStringLiteral("Woche:"));
    Label4->setText(QStringLiteral("Text:"));
    // A screen reader names each field by its label.
    Edit1->setAccessibleName(Label1->text());
    Edit2->setAccessibleName(Label2->text());
    Edit3->setAccessibleName(Label3->text());
    RichEdit1->setAccessibleName(Label4->text());
    Button1->setText(QStringLiteral("Neue Woche..."));
    Button2->setText(QStringLiteral("Klasse/Fach wechseln..."));
    setWindowTitle(Programm::Titel);
}

// ---------------------------------------------------------------------------------------------------------
// State and display

bool TForm1::HatFilenameTeil(const QString &APfad) const { return APfad.size() > OrdnerTeil(APfad).size(); }

QString TForm1::OrdnerTeil(const QString &APfad) const {
    qsizetype Trenner = APfad.lastIndexOf(QLatin1Char('/'));
#ifdef Q_OS_WIN
    Trenner = std::max(Trenner, APfad.lastIndexOf(QLatin1Char('\\')));
#endif
    return APfad.left(Trenner + 1);
}

void TForm1::SetFilename(const QString &AValue) {
    FFilename = AValue;
    const QString Name = HatFilenameTeil(AValue) ? AValue.mid(OrdnerTeil(AValue).size()) : KeinName;
    setWindowTitle(QStringLiteral("%1 - %2").arg(Name, Programm::Titel));
    // Also the name a screen reader gives the minimised window.
    setWindowIconText(windowTitle());
}

int TForm1::EintragCount() const {
    if (Daten.Count() == 0 || FFachNr <= 0 || FFachNr > Daten.Count())
        return 0;
    return Daten.Fach(FFachNr - 1).Count();
}

void TForm1::SetFachNr(int AValue) {
    FFachNr = std::clamp(AValue, 0, Daten.Count());
    DatenInEdit();
    SetStatusEintrag();
}

void TForm1::SetEintragNr(int AValue) {
    RichEdit1->document()->clearUndoRedoStacks();
    if (AValue < 1 || FFachNr <= 0)
        FEintragNr = 0;
    else
        FEintragNr = std::min(AValue, EintragCount());
    if (FEintragNr > 0)
        WavAbspielen(RessourcePfad(QStringLiteral("NeueZeile.wav")), false);
    DatenInEdit();
    SetStatusEintrag();
}

void TForm1::DatenInEdit() {
    const bool FachDa = Daten.Count() > 0 && FFachNr >= 1 && FFachNr <= Daten.Count();
    const bool WocheDa = FachDa && FEintragNr >= 1 && FEintragNr <= EintragCount();
    Edit1->setText(FachDa ? Daten.Klasse : QStringLiteral("(keine)"));
    Edit2->setText(FachDa ? Daten.Fach(FFachNr - 1).Fachname : QStringLiteral("(kein)"));
    if (WocheDa) {
        const TWocheRec &Woche = Daten.Fach(FFachNr - 1).WochenDaten.at(FEintragNr - 1);
        Edit3->setText(WochenText(Woche.Datum));
        SetReText(Woche.Text);
    } else {
        Edit3->setText(QStringLiteral("(keine)"));
        SetReText(QString());
    }
    RichEdit1->setReadOnly(!WocheDa);
    for (QLineEdit *Feld : {Edit1, Edit2, Edit3})
        Feld->setCursorPosition(0);
}

void TForm1::EditInDaten() {
    const bool WocheDa = Daten.Count() > 0 && FFachNr >= 1 && FFachNr <= Daten.Count() && FEintragNr >= 1 &&
                         FEintragNr <= EintragCount();
    if (!WocheDa)
        return;
    const QString Text = Trimmen(MitCrLfZeilen(RichEdit1->toPlainText()));
    // Written only when it differs: the week list stays shared with the saved copy, which keeps the test for
    // unsaved changes cheap in a large class.
    const TFach &Fach = Daten.Fach(FFachNr - 1);
    if (Fach.WochenDaten.at(FEintragNr - 1).Text != Text)
        Daten.Fach(FFachNr - 1).WochenDaten[FEintragNr - 1].Text = Text;
}

void TForm1::SetReText(const QString &AValue) {
    const QString Text = Trimmen(AValue);
    FTextWirdGeaendert = true;
    // The field shows line breaks as its own; the trailing CR LF becomes an empty last line.
    RichEdit1->setPlainText(Text.isEmpty() ? QString()
                                           : MitCrLfZeilen(Text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) +
                                                 QLatin1Char('\n'));
    FTextWirdGeaendert = false;
    QTextCursor Cursor = RichEdit1->textCursor();
    Cursor.movePosition(QTextCursor::Start);
    RichEdit1->setTextCursor(Cursor);
}

void TForm1::SetStatusText(const QString &AValue) {
    StatusPanel1->setText(AValue);
    StatuszeileAnpassen();
    // Heard by a screen reader even while the focus stays in a field.
    QAccessibleEvent Ereignis(StatusPanel1, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&Ereignis);
}

void TForm1::SetStatusEintrag() {
    StatusPanel0->setText(QStringLiteral("Eintrag: %1/%2").arg(MitPunkten(FEintragNr), MitPunkten(EintragCount())));
    StatuszeileAnpassen();
}

void TForm1::SetStatusStandardText() {
    SetStatusText(QStringLiteral("%1=neues Fach; %2=neue Woche; %3=Klasse/Fach wechseln")
                      .arg(TastenText(MenuAktNeuesFach->shortcut()), TastenText(MenuAktNeueWoche->shortcut()),
                           TastenText(MenuAktWechseln->shortcut())));
}

void TForm1::WavAbspielen(const QString &AFilename, bool WaitS) {
    Q_UNUSED(WaitS) // the program never waits for a sound
    if (MenuEinstSounds->isChecked() && QFileInfo::exists(AFilename))
        FKlang->WavAbspielen(AFilename);
}

void TForm1::Speichern() {
    if (!HatFilenameTeil(FFilename))
        return;
    KlasseSpeichern(Daten, SaveDaten, FFilename, MenuEinstSik->isChecked());
}

void TForm1::SetFocus(int ANr, bool SelStartS) {
    QWidget *Feld = ANr == 1 ? static_cast<QWidget *>(Edit1)
                    : ANr == 2 ? static_cast<QWidget *>(Edit2)
                    : ANr == 3 ? static_cast<QWidget *>(Edit3)
                               : static_cast<QWidget *>(RichEdit1);
    const bool HatteFokus = Feld->hasFocus();
    Feld->setFocus(Qt::OtherFocusReason);
    if (SelStartS) {
        if (auto *Zeile = qobject_cast<QLineEdit *>(Feld)) {
            Zeile->setCursorPosition(0);
        } else {
            QTextCursor Cursor = RichEdit1->textCursor();
            Cursor.movePosition(QTextCursor::Start);
            RichEdit1->setTextCursor(Cursor);
        }
    }
    if (HatteFokus)
        FokusAnsagen(Feld);
}

void TForm1::FokusAnsagen(QWidget *AFeld) {
    // The focus stayed where it was, but the field shows something new: tell the screen reader again.
    QAccessibleEvent Ereignis(AFeld, QAccessible::Focus);
    QAccessible::updateAccessibility(&Ereignis);
}

// Every change of the text field: no character the class file cannot hold, and no more than 4096 characters.
void TForm1::TextGeaendert(int APosition, int AEntfernt, int AEingefuegt) {
    Q_UNUSED(AEntfernt)
    if (FTextWirdGeaendert || AEingefuegt <= 0)
        return;
    // The document reports its closing paragraph mark in the count; the range ends at the last character.
    const int Ende = std::min(APosition + AEingefuegt, RichEdit1->document()->characterCount() - 1);
    if (Ende <= APosition)
        return;
    QTextCursor Bereich(RichEdit1->document());
    Bereich.setPosition(APosition);
    Bereich.setPosition(Ende, QTextCursor::KeepAnchor);
    // A selection gives its line breaks as paragraph separators; they are line breaks, not characters to replace.
    QString Eingefuegt = Bereich.selectedText();
    Eingefuegt.replace(QChar::ParagraphSeparator, QLatin1Char('\n')).replace(QChar::LineSeparator, QLatin1Char('\n'));
    const TErsatz Ersatz = Latin1Ersatz(Eingefuegt);
    // The document counts a final empty paragraph; the field's characters are what the user sees.
    const int Laenge = RichEdit1->document()->characterCount() - 1;
    const int Ueberschuss = Laenge - static_cast<int>(Eingefuegt.size()) + static_cast<int>(Ersatz.Text.size()) -
                            MaxTextLaenge;
    if (Ersatz.Ersetzt.isEmpty() && Ueberschuss <= 0)
        return;
    QString Neu = Ersatz.Text;
    if (Ueberschuss > 0) {
        Neu.chop(std::min<qsizetype>(Ueberschuss, Neu.size()));
        QApplication::beep();
    }
    FTextWirdGeaendert = true;
    Bereich.joinPreviousEditBlock();
    Bereich.insertText(Neu);
    Bereich.endEditBlock();
    FTextWirdGeaendert = false;
    if (!Ersatz.Ersetzt.isEmpty())
        SetStatusText(ErsatzHinweis(Ersatz.Ersetzt));
}

// ---------------------------------------------------------------------------------------------------------
// Start-up and exit

void TForm1::showEvent(QShowEvent *AEvent) {
    QMainWindow::showEvent(AEvent);
    if (!FGezeigt) {
        FGezeigt = true;
        FormShow();
    }
}

void TForm1::FormShow() {
    SetStatusStandardText();
    DatenInEdit();
    RegistryLadenSpeichern(true);
    ArbeitsbereichAnpassen();
    Edit1->setFocus(Qt::ActiveWindowFocusReason);
    Timer1->start(25);
}

void TForm1::Timer1Timer() {
    Timer1->stop();
    const QString Ordner = OrdnerTeil(FFilename);
    if (!Ordner.isEmpty() && !QDir(Ordner).exists() && !QDir().mkpath(Ordner)) {
        SetFilename(Ordner);
        Meldungen::Info(this, QStringLiteral("Der Ordner \"%1\" kann nicht angelegt werden!").arg(QDir::toNativeSeparators(Ordner)));
        return;
    }
    if (!MenuEinstOeffnen->isChecked())
        SetFilename(Ordner);
    if (HatFilenameTeil(FFilename)) {
        if (!Daten.LoadFromFile(FFilename, true))
            SetFilename(Ordner);
        SaveDaten.Assign(Daten);
        FEintragNr = 0;
        SetFachNr(FStartFachNr);
        SetEintragNr(EintragCount());
        UpdateMenus();
    } else if (Meldungen::JaNein(this, QStringLiteral("Es wurde noch keine Klasse geladen!\r\nWollen Sie jetzt eine "
                                                      "Klasse auswählen?"))) {
        Klick(MenuAktWechseln);
    }
}

QString TForm1::GetAktOrdner() const {
    if (MenuEinstEigeneDateien->isChecked())
        return FOrte.EigeneDateien + DatenOrdnerName;
    return FOrte.ProgrammOrdner + DatenOrdnerName;
}

void TForm1::AktOrdner(int Nr, bool MeldungS) {
    QAction *Gewaehlt = Nr == 1 ? MenuEinstEigeneDateien : MenuEinstProgrammordner;
    QAction *Andere = Nr == 1 ? MenuEinstProgrammordner : MenuEinstEigeneDateien;
    if (Gewaehlt->isChecked())
        return;
    if (MeldungS) {
        if (Daten.Count() > 0 &&
            !Meldungen::JaNein(this, QStringLiteral("Wenn der aktuelle Datenordner gewechselt werden soll, muss die "
                                                    "geöffnete Datei geschlossen werden.\r\nSoll die aktuelle Datei "
                                                    "jetzt geschlossen und der Ordner gewechselt werden?")))
            return;
        OrdnerEntfernenWennLeer(OrdnerTeil(FFilename));
    }
    Gewaehlt->setChecked(true);
    Andere->setChecked(false);
    if (!MeldungS) {
        SetFilename(GetAktOrdner());
        return;
    }
    Klick(MenuDateiClose);
    if (!HatFilenameTeil(FFilename)) {
        SetFilename(GetAktOrdner());
        Timer1Timer();
    } else {
        Andere->setChecked(true);
        Gewaehlt->setChecked(false);
    }
}

bool TForm1::SpeicherFrageOk() {
    const auto Antwort = Meldungen::JaNeinAbbrechen(
        this, QStringLiteral("Sollen die vorgenommenen Änderungen in der Klasse \"%1\" gespeichert werden?")
                  .arg(Daten.Klasse));
    if (Antwort == QMessageBox::Yes)
        Speichern();
    return Antwort == QMessageBox::Yes || Antwort == QMessageBox::No;
}

bool TForm1::FormCloseQuery() {
    EditInDaten();
    DateiMenuUpdate();
    return !MenuDateiSpeichern->isEnabled() || SpeicherFrageOk();
}

void TForm1::FormClose() {
    RegistryLadenSpeichern(false);
    IsClosing = true;
}

void TForm1::closeEvent(QCloseEvent *AEvent) {
    if (!FormCloseQuery()) {
        AEvent->ignore();
        return;
    }
    FormClose();
    AEvent->accept();
}

void TForm1::NachrichtVerarbeiten(int ANummer) {
    if (ANummer == 1124) {
        Klick(MenuDateiBeenden);
        return;
    }
    if (ANummer != 1224)
        return;
    // To the front, restored if minimised, and an open dialog in front of the main window.
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
    if (QWidget *Modal = QApplication::activeModalWidget()) {
        Modal->raise();
        Modal->activateWindow();
    }
}

// ---------------------------------------------------------------------------------------------------------
// Commands of the "&Datei" menu

void TForm1::MenuDateiSpeichernClick() { Speichern(); }

void TForm1::MenuDateiCloseClick() {
    if (MenuDateiSpeichern->isEnabled() && !SpeicherFrageOk())
        return;
    Daten.Clear();
    SaveDaten.Clear();
    SetFilename(OrdnerTeil(FFilename));
    FEintragNr = 0;
    SetFachNr(0);
    SetEintragNr(0);
    SetFocus(1, true);
    RegistryLadenSpeichern(false);
}

void TForm1::MenuDateiBeendenClick() { close(); }

void TForm1::MenuDateiLadenClick() {
    DateiMenuUpdate();
    FWochenlisteForm->setWindowTitle(QStringLiteral("Lade Klasse"));
    FWochenlisteForm->SetListenName(QStringLiteral("Klassen"));
    FWochenlisteForm->SchriftartZuweisen(FSchrift, FHintergrund);
    const TKlassenListe Klassen = KlassenListe(FFilename);
    if (Klassen.empty()) {
        KeineKlasseMelden();
        return;
    }
    QStringList Zeilen;
    int Auswahl = -1;
    for (const TKlassenEintrag &Eintrag : Klassen) {
        if (Auswahl < 0 && Daten.Count() > 0 && Gross(Eintrag.Text) == Gross(Edit1->text()))
            Auswahl = static_cast<int>(Zeilen.size());
        Zeilen.append(Eintrag.Text);
    }
    if (Daten.Count() == 0)
        Auswahl = 0;
    FWochenlisteForm->Fuellen(Zeilen, Auswahl);
    if (FWochenlisteForm->exec() != QDialog::Accepted)
        return;
    const int Gewaehlt = FWochenlisteForm->ListBox1->currentRow();
    if (Gewaehlt < 0 || Gewaehlt >= static_cast<int>(Klassen.size()))
        return;
    const TKlassenOeffnen Ergebnis = KlasseOeffnen(Klassen[static_cast<std::size_t>(Gewaehlt)].Daten.Filename);
    if (Ergebnis == TKlassenOeffnen::Abgebrochen)
        return;
    if (Ergebnis == TKlassenOeffnen::Geladen) {
        FFachNr = 0;
        SetFachNr(1);
        SetEintragNr(EintragCount());
    }
    SetFocus(1, true);
}

void TForm1::KeineKlasseMelden() {
    if (Daten.Count() > 0)
        Meldungen::Info(this, QStringLiteral("Es wurde noch keine Klasse gespeichert!"));
    else if (Meldungen::JaNein(this, QStringLiteral("Es wurde noch keine Klasse gespeichert!\r\nSoll jetzt eine neue "
                                                     "Klasse erstellt werden?")))
        Klick(MenuAktNeueKlasse);
}

TForm1::TKlassenOeffnen TForm1::KlasseOeffnen(const QString &APfad) {
    TDaten Neu;
    if (!Neu.LoadFromFile(APfad, true))
        return TKlassenOeffnen::NichtGeladen;
    if (MenuDateiSpeichern->isEnabled()) {
        const auto Antwort = Meldungen::JaNeinAbbrechen(
            this, QStringLiteral("Sollen die vorgenommenen Änderungen in der Klasse \"%1\" gespeichert werden?")
                      .arg(Daten.Klasse));
        if (Antwort != QMessageBox::Yes && Antwort != QMessageBox::No)
            return TKlassenOeffnen::Abgebrochen;
        if (Antwort == QMessageBox::Yes) {
            Speichern();
            // What was just saved is what the user opens.
            if (Gross(FFilename) == Gross(APfad))
                Neu.LoadFromFile(APfad, true);
        }
    }
    Daten.Assign(Neu);
    SaveDaten.Assign(Neu);
    SetFilename(Neu.Filename);
    return TKlassenOeffnen::Geladen;
}

// ---------------------------------------------------------------------------------------------------------
// The two buttons

void TForm1::Button1Click() {
    UpdateMenus();
    Klick(MenuAktNeueWoche);
}

void TForm1::Button2Click() {
    UpdateMenus();
    Klick(MenuAktWechseln);
}

// ---------------------------------------------------------------------------------------------------------
// Settings

int TForm1::HintergrundNr() const { return FHintergrundForm->HintergrundNr(); }

void TForm1::SetHintergrundNr(int AValue) {
    FHintergrundForm->SetHintergrundNr(AValue);
    FHintergrund = FHintergrundForm->HintergrundFarbe();
    SchriftartZuweisen();
}

void TForm1::RegistryLadenSpeichern(bool LadenS) {
    const std::unique_ptr<QSettings> Speicher = EinstellungenOeffnen();
    if (LadenS) {
        TEinstellungen Werte;
        if (!EinstellungenLesen(*Speicher, Werte)) {
            // The store cannot be opened: the program still works with the defaults, and tells nobody.
            Werte = TEinstellungen();
        }
        // First start of an installed program: its own folder cannot take the data, the documents folder can.
        int Ordner = Werte.AktOrdner;
        if (!Speicher->contains(QStringLiteral("AktOrdner")) && !OrdnerBeschreibbar(FOrte.ProgrammOrdner) &&
            !FOrte.EigeneDateien.isEmpty())
            Ordner = 1;
        AktOrdner(Ordner == 1 ? 1 : 2, false);
        if (Werte.FilenameVorhanden) {
            SetFilename(GetAktOrdner() + Werte.Filename);
            FStartFachNr = Werte.StartFachNr;
            if (!QFileInfo(FFilename).isFile())
                SetFilename(OrdnerTeil(FFilename));
        } else {
            SetFilename(GetAktOrdner());
        }
        MenuEinstOeffnen->setChecked(Werte.Oeffnen);
        MenuEinstSounds->setChecked(Werte.Sounds);
        MenuEinstWochendatum->setChecked(Werte.Wochendatum);
        MenuEinstSik->setChecked(Werte.Sik);
        SetWochendatum(MenuEinstWochendatum->isChecked());
        FSchrift.Font = SchriftAusEinstellungen(Werte);
        FSchrift.Farbe = SchriftFarbe(Werte.FontColor, palette());
        FFontColor = Werte.FontColor;
        FFontCharSet = Werte.FontCharSet;
        SetHintergrundNr(Werte.HintColor);
        return;
    }
    TEinstellungen Werte;
    Werte.AktOrdner = MenuEinstProgrammordner->isChecked() ? 2 : 1;
    Werte.FilenameVorhanden = true;
    Werte.Filename = HatFilenameTeil(FFilename) ? FFilename.mid(OrdnerTeil(FFilename).size()) : QString();
    Werte.StartFachNr = FFachNr;
    Werte.HintColor = HintergrundNr();
    Werte.Oeffnen = MenuEinstOeffnen->isChecked();
    Werte.Sounds = MenuEinstSounds->isChecked();
    Werte.Wochendatum = MenuEinstWochendatum->isChecked();
    Werte.Sik = MenuEinstSik->isChecked();
    Werte.FontColor = FFontColor;
    Werte.FontCharSet = FFontCharSet;
    SchriftInEinstellungen(FSchrift.Font, FSchrift.Farbe, IstSystemfarbe(FFontColor), Werte);
    EinstellungenSchreiben(*Speicher, Werte);
}

void TForm1::MenuEinstMenusClick(int ATag) {
    QAction *Punkt = ATag == 1 ? MenuEinstOeffnen
                     : ATag == 2 ? MenuEinstSounds
                     : ATag == 3 ? MenuEinstWochendatum
                                 : MenuEinstSik;
    Punkt->setChecked(!Punkt->isChecked());
    if (ATag == 3) {
        SetWochendatum(Punkt->isChecked());
        if (FEintragNr > 0) {
            Edit3->setText(WochenText(Daten.Fach(FFachNr - 1).WochenDaten.at(FEintragNr - 1).Datum));
            SetFocus(3, true);
        }
    }
    RegistryLadenSpeichern(false);
}

void TForm1::MenuEinstOrdnerClick(int ATag) { AktOrdner(ATag, true); }

void TForm1::MenuAnsSchriftartClick() {
    QPointer<QWidget> Gemerkt = QApplication::focusWidget();
    TSchrift Neu = FSchrift;
    bool SystemFarbeS = IstSystemfarbe(FFontColor);
    if (TSchriftDialog::Waehlen(this, Neu, SystemFarbeS)) {
        // The colour as the settings store it ("Automatisch" as the system's window text colour), and the font
        // colour taken from that value, as when the settings are read.
        TEinstellungen Werte;
        SchriftInEinstellungen(Neu.Font, Neu.Farbe, SystemFarbeS, Werte);
        FFontColor = Werte.FontColor;
        FSchrift = {Neu.Font, SchriftFarbe(FFontColor, palette())};
        SetHintergrundNr(HintergrundNr());
        RegistryLadenSpeichern(false);
    }
    if (Gemerkt && Gemerkt->isVisible() && Gemerkt->isEnabled())
        Gemerkt->setFocus(Qt::OtherFocusReason);
}

void TForm1::MenuAnsHintergrundClick() {
    const int Vorher = HintergrundNr();
    FHintergrundForm->SchriftartZuweisen(FSchrift, FHintergrund);
    if (FHintergrundForm->exec() != QDialog::Accepted)
        return;
    SetHintergrundNr(FHintergrundForm->HintergrundNr());
    // A background the font colour hardly stands out on is kept only when the user says so.
    const double Kontrast = Kontrastverhaeltnis(FSchrift.Farbe, FHintergrund);
    if (Kontrast < 3.0 &&
        !Meldungen::JaNein(this, QStringLiteral("Die Schrift ist auf diesem Hintergrund schwer zu lesen (Kontrast "
                                                "%1 : 1, empfohlen sind mindestens 3 : 1).\r\nSoll dieser "
                                                "Hintergrund trotzdem verwendet werden?")
                                     .arg(QLocale(QLocale::German).toString(Kontrast, 'f', 1)))) {
        SetHintergrundNr(Vorher);
        return;
    }
    RegistryLadenSpeichern(false);
}
