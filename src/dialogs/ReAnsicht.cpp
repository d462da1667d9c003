#include "dialogs/ReAnsicht.h"

#include "dialogs/Meldungsfenster.h"
#include "util/Textkodierung.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>

namespace {
const QStringList DateiFilter{QStringLiteral("Rich Text Format (*.RTF)"), QStringLiteral("Textdokument (*.TXT)"),
                              QStringLiteral("Unicode-Textdokument (*.TXT)")};

const QChar Seitenvorschub(u'\f');

// The program's message boxes: its title as caption, the text also as description for screen readers.
QMessageBox::StandardButton Meldung(QWidget *AEltern, QMessageBox::Icon AIcon, const QString &AText,
                                    QMessageBox::StandardButtons AKnoepfe = QMessageBox::Ok) {
    return MeldungZeigen(AEltern, AIcon, AText, AKnoepfe,
                         AKnoepfe.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok);
}

// Printable means: some character beyond the blank and the control characters.
bool DruckbarS(const QString &AText) {
    return std::any_of(AText.cbegin(), AText.cend(), [](QChar AZeichen) { return AZeichen.unicode() > 0x20; });
}

QString MitLf(const QString &AText) {
    QString Text = AText;
    Text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return Text;
}

// The text of each printed page run: the text between form feeds, without the line end that closes its last
// line. A form feed at the very end starts no page of its own.
QStringList Seitenabschnitte(const QString &AText) {
    QStringList Abschnitte = MitLf(AText).split(Seitenvorschub);
    for (QString &Abschnitt : Abschnitte)
        if (Abschnitt.endsWith(QLatin1Char('\n')))
            Abschnitt.chop(1);
    if (Abschnitte.size() > 1 && Abschnitte.constLast().isEmpty())
        Abschnitte.removeLast();
    return Abschnitte;
}

// A font sized in pixels would come out tiny at a printer's resolution; the printer gets the size in points
// that the font has on the screen.
QFont InPunkten(const QFont &AFont) {
    QFont Schrift = AFont;
    if (Schrift.pointSizeF() <= 0)
        Schrift.setPointSizeF(QFontInfo(AFont).pointSizeF());
    return Schrift;
}

// The print dialog may have asked for a page range, which the printer itself would apply; the whole text is
// always printed. The CUPS options key is Qt's own (private) property of its CUPS print engine.
void GanzerText(QPrinter &APrinter) {
    APrinter.setPrintRange(QPrinter::AllPages);
    APrinter.setPageRanges(QPageRanges());
    QPrintEngine *Engine = APrinter.printEngine();
    if (!Engine || APrinter.outputFormat() != QPrinter::NativeFormat)
        return;
    const auto CupsOptionen = static_cast<QPrintEngine::PrintEnginePropertyKey>(0xfe00);
    QStringList Optionen = Engine->property(CupsOptionen).toStringList();
    bool GeaendertS = false;
    for (qsizetype Nr = 0; Nr + 1 < Optionen.size();) {
        if (Optionen.at(Nr) == QStringLiteral("page-ranges")) {
            Optionen.remove(Nr, 2);
            GeaendertS = true;
        } else {
            Nr += 2;
        }
    }
    if (GeaendertS)
        Engine->setProperty(CupsOptionen, Optionen);
}
} // namespace

TRtfSchrift RtfSchrift(const TSchrift &ASchrift) {
    TRtfSchrift Schrift;
    Schrift.Name = ASchrift.Font.family();
    Schrift.Punkte = InPunkten(ASchrift.Font).pointSizeF();
    Schrift.FettS = ASchrift.Font.bold();
    Schrift.KursivS = ASchrift.Font.italic();
    Schrift.UnterstrichenS = ASchrift.Font.underline();
    Schrift.DurchgestrichenS = ASchrift.Font.strikeOut();
    const QColor Farbe = ASchrift.Farbe.isValid() ? ASchrift.Farbe.toRgb() : QColor(Qt::black);
    Schrift.Rot = Farbe.red();
    Schrift.Gruen = Farbe.green();
    Schrift.Blau = Farbe.blue();
    return Schrift;
}

QByteArray DateiBytes(const QString &AText, TDateiArt AArt, const TSchrift &ASchrift) {
    switch (AArt) {
    case TDateiArt::Rtf:
        return RtfText(AText, RtfSchrift(ASchrift));
    case TDateiArt::Text:
        return AlsWindows1252(MitCrLf(AText));
    case TDateiArt::UnicodeText:
        return AlsUtf16LeMitBom(MitCrLf(AText));
    }
    return {};
}

bool TextInDateiSpeichernOk(const QString &ADatei, const QString &AText, TDateiArt AArt, const TSchrift &ASchrift,
                            QString &AFehler) {
    // Written whole under a temporary name and then renamed, so a failed write leaves an older file intact.
    QSaveFile Datei(ADatei);
    Datei.setDirectWriteFallback(true);
    const QByteArray Bytes = DateiBytes(AText, AArt, ASchrift);
    if (!Datei.open(QIODevice::WriteOnly) || Datei.write(Bytes) != Bytes.size() || !Datei.commit()) {
        AFehler = QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden!\n%2")
                      .arg(QDir::toNativeSeparators(ADatei), Datei.errorString());
        return false;
    }
    return true;
}

bool TextDruckenOk(QPrinter &APrinter, const QString &ATitel, const QString &AText, const TSchrift &ASchrift) {
    APrinter.setDocName(QStringLiteral("Drucke ") + ATitel);
    GanzerText(APrinter);
    QPainter Maler;
    if (!Maler.begin(&APrinter))
        return false;
    // The painter's origin is the top left corner of the printable area.
    const QSizeF Seite = APrinter.pageRect(QPrinter::DevicePixel).size();
    const QFont Schrift = InPunkten(ASchrift.Font);
    Maler.setPen(ASchrift.Farbe.isValid() ? ASchrift.Farbe : QColor(Qt::black));
    QTextOption Umbruch;
    Umbruch.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    Umbruch.setTabStopDistance(8 * QFontMetricsF(Schrift, &APrinter).horizontalAdvance(QLatin1Char(' ')));

    // Line by line, so that every line is printed whole on exactly one page.
    qreal Oben = 0;
    const auto NeueSeiteOk = [&] {
        Oben = 0;
        return APrinter.newPage();
    };
    const QStringList Abschnitte = Seitenabschnitte(AText);
    for (qsizetype Nr = 0; Nr < Abschnitte.size(); ++Nr) {
        if (Nr > 0 && !NeueSeiteOk()) {
            Maler.end();
            return false;
        }
        for (const QString &Absatz : Abschnitte.at(Nr).split(QLatin1Char('\n'))) {
            QTextLayout Satz(Absatz, Schrift, &APrinter);
            Satz.setTextOption(Umbruch);
            Satz.beginLayout();
            for (QTextLine Zeile = Satz.createLine(); Zeile.isValid(); Zeile = Satz.createLine()) {
                Zeile.setLeadingIncluded(true);
                Zeile.setLineWidth(Seite.width());
            }
            Satz.endLayout();
            for (int ZeileNr = 0; ZeileNr < Satz.lineCount(); ++ZeileNr) {
                const QTextLine Zeile = Satz.lineAt(ZeileNr);
                // A line that does not fit starts the next page; one taller than a page stands alone on its own.
                if (Oben > 0 && Oben + Zeile.height() > Seite.height() && !NeueSeiteOk()) {
                    Maler.end();
                    return false;
                }
                Zeile.draw(&Maler, QPointF(0, Oben - Zeile.y()));
                Oben += Zeile.height();
            }
        }
    }
    return Maler.end();
}

TReAnsichtForm::TReAnsichtForm(QWidget *AParent) : QDialog(AParent) {
    setObjectName(QStringLiteral("ReAnsichtForm"));
    // Created in tab order: text, print, save, close.
    RichEdit1 = new QPlainTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setAccessibleName(QStringLiteral("Übersicht"));
    RichEdit1->setTabChangesFocus(true);
    RichEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
    Button1 = new QPushButton(this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button3 = new QPushButton(this);
    Button3->setObjectName(QStringLiteral("Button3"));
    connect(Button1, &QPushButton::clicked, this, &TReAnsichtForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TReAnsichtForm::PuSpeichernClick);
    connect(Button3, &QPushButton::clicked, this, &QDialog::reject);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->setAccessibleName(QStringLiteral("Kontextmenü"));
    PuSeitenumbruch = Punkt(QStringLiteral("PuSeitenumbruch"), QStringLiteral("&Seitenumbruch einfügen"),
                            QKeySequence(Qt::CTRL | Qt::Key_S));
    PuSeitenumbruchEntfernen =
        Punkt(QStringLiteral("PuSeitenumbruchEntfernen"), QStringLiteral("Seitenumbrüche entfernen"), {});
    PuKopieren = Punkt(QStringLiteral("PuKopieren"), QStringLiteral("Kopieren"), QKeySequence(Qt::CTRL | Qt::Key_C));
    PuAusschneiden =
        Punkt(QStringLiteral("PuAusschneiden"), QStringLiteral("Ausschneiden"), QKeySequence(Qt::CTRL | Qt::Key_X));
    PuEinfuegen = Punkt(QStringLiteral("PuEinfuegen"), QStringLiteral("Einfügen"), QKeySequence(Qt::CTRL | Qt::Key_V));
    PuAllesMarkieren = Punkt(QStringLiteral("PuAllesMarkieren"), QStringLiteral("Alles &markieren"),
                             QKeySequence(Qt::CTRL | Qt::Key_A));
    PuRueck = Punkt(QStringLiteral("PuRueck"), QStringLiteral("Rückgängig"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    PuDrucken = Punkt(QStringLiteral("PuDrucken"), QStringLiteral("&Drucken..."), QKeySequence(Qt::CTRL | Qt::Key_P));
    PuSpeichern =
        Punkt(QStringLiteral("PuSpeichern"), QStringLiteral("Speichern &unter..."), QKeySequence(Qt::CTRL | Qt::Key_U));
    connect(PuSeitenumbruch, &QAction::triggered, this, &TReAnsichtForm::PuSeitenumbruchClick);
    connect(PuSeitenumbruchEntfernen, &QAction::triggered, this, &TReAnsichtForm::PuSeitenumbruchEntfernenClick);
    connect(PuKopieren, &QAction::triggered, RichEdit1, &QPlainTextEdit::copy);
    connect(PuAusschneiden, &QAction::triggered, RichEdit1, &QPlainTextEdit::cut);
    connect(PuEinfuegen, &QAction::triggered, RichEdit1, &QPlainTextEdit::paste);
    connect(PuAllesMarkieren, &QAction::triggered, RichEdit1, &QPlainTextEdit::selectAll);
    connect(PuRueck, &QAction::triggered, RichEdit1, &QPlainTextEdit::undo);
    connect(PuDrucken, &QAction::triggered, this, &TReAnsichtForm::Button1Click);
    connect(PuSpeichern, &QAction::triggered, this, &TReAnsichtForm::PuSpeichernClick);
    connect(RichEdit1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &AOrt) { PopupMenu1->popup(RichEdit1->viewport()->mapToGlobal(AOrt)); });
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TReAnsichtForm::PopupMenu1Popup);

    // The item states also follow every change, so that a shortcut acts exactly while its item would be enabled.
    connect(RichEdit1, &QPlainTextEdit::textChanged, this, &TReAnsichtForm::RichEdit1Change);
    connect(RichEdit1, &QPlainTextEdit::copyAvailable, this, [this](bool AAuswahlS) {
        PuKopieren->setEnabled(AAuswahlS);
        PuAusschneiden->setEnabled(AAuswahlS);
    });
    connect(RichEdit1, &QPlainTextEdit::undoAvailable, PuRueck, &QAction::setEnabled);
    if (QClipboard *Ablage = QGuiApplication::clipboard())
        connect(Ablage, &QClipboard::dataChanged, this, &TReAnsichtForm::PopupMenu1Popup);

    SaveDialog1 = new QFileDialog(this);
    SaveDialog1->setObjectName(QStringLiteral("SaveDialog1"));
    SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog1->setFileMode(QFileDialog::AnyFile);
    SaveDialog1->setNameFilters(DateiFilter);
    SaveDialog1->selectNameFilter(DateiFilter.constFirst());
    SaveDialog1->setDefaultSuffix(QStringLiteral("RTF"));
    connect(SaveDialog1, &QFileDialog::filterSelected, this, &TReAnsichtForm::FilterGewaehlt);

    CaptionZuweisen();
    RichEdit1Change();
}

TReAnsichtForm::~TReAnsichtForm() = default;

QAction *TReAnsichtForm::Punkt(const QString &AName, const QString &ACaption, const QKeySequence &AKuerzel) {
    auto *Aktion = new QAction(ACaption, this);
    Aktion->setObjectName(AName);
    Aktion->setShortcut(AKuerzel);
    // The shortcuts belong to the text box, as the menu does. The box's own editing keys (copy, cut, paste,
    // select all, undo) still go to the box first.
    Aktion->setShortcutContext(Qt::WidgetShortcut);
    PopupMenu1->addAction(Aktion);
    RichEdit1->addAction(Aktion);
    return Aktion;
}

void TReAnsichtForm::CaptionZuweisen() {
    KnopfTextZuweisen(Button1, QStringLiteral("&Drucken..."));
    KnopfTextZuweisen(Button2, QStringLiteral("S&peichern..."));
    KnopfTextZuweisen(Button3, QStringLiteral("&Schließen"));
}

void TReAnsichtForm::SchriftartZuweisen(const TSchrift &ASchrift, const QColor &AHintergrund) {
    ::SchriftartZuweisen(this, ASchrift, AHintergrund);
}

void TReAnsichtForm::SchalterEinrichten() {
    const QList<QPushButton *> Knoepfe{Button1, Button2, Button3};
    Layout::KnoepfeEinrichten(Knoepfe);
    // As wide as the screen; the text fifteen button heights high, less what a very large font would push past
    // the screen's bottom edge.
    const QSize Platz = Layout::Platz(this);
    const int ClientBreite = Platz.width();
    const int KnopfHoehe = Button1->height();
    const int Knopfzeilen = Layout::KnopfzeilenHoehe(Knoepfe, ClientBreite);
    RichEdit1->setGeometry(Layout::Rand, Layout::Rand, ClientBreite - 2 * Layout::Rand,
                           std::min(15 * KnopfHoehe, Platz.height() - 3 * Layout::Rand - Knopfzeilen));
    const int KnopfOben = RichEdit1->y() + RichEdit1->height() + Layout::Rand;
    Layout::ClientGroesse(this, ClientBreite, KnopfOben + Knopfzeilen + Layout::Rand);
    // The buttons spread over the whole width: margins and gaps are all the same.
    Layout::KnopfzeilenVerteilen(Knoepfe, ClientBreite, KnopfOben);
    FensterEinrichten();
}

void TReAnsichtForm::FensterEinrichten() {
    ::FensterEinrichten(this);
}

void TReAnsichtForm::TextZuweisen(const QString &AText) {
    RichEdit1->setPlainText(MitLf(AText));
}

QString TReAnsichtForm::Text() const {
    // The raw text keeps non-breaking spaces, which the plain text would turn into blanks.
    QString Text = RichEdit1->document()->toRawText();
    Text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    Text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return Text;
}

TSchrift TReAnsichtForm::Schrift() const {
    return {RichEdit1->font(), RichEdit1->palette().color(QPalette::Text)};
}

void TReAnsichtForm::showEvent(QShowEvent *AEvent) {
    SchalterEinrichten();
    RichEdit1Change();
    RichEdit1->moveCursor(QTextCursor::Start);
    RichEdit1->setFocus(Qt::OtherFocusReason);
    // The opener's text is where the user starts; it cannot be undone.
    RichEdit1->document()->clearUndoRedoStacks();
    PopupMenu1Popup();
    QDialog::showEvent(AEvent);
}

void TReAnsichtForm::RichEdit1Change() {
    const QString Inhalt = Text();
    Button1->setEnabled(DruckbarS(Inhalt));
    Button2->setEnabled(!Inhalt.isEmpty());
    TextZustand(Inhalt);
}

void TReAnsichtForm::PopupMenu1Popup() {
    const bool AuswahlS = RichEdit1->textCursor().hasSelection();
    const QClipboard *Ablage = QGuiApplication::clipboard();
    const QMimeData *Daten = Ablage ? Ablage->mimeData() : nullptr;
    PuKopieren->setEnabled(AuswahlS);
    PuAusschneiden->setEnabled(AuswahlS);
    PuEinfuegen->setEnabled(Daten && Daten->hasText());
    PuRueck->setEnabled(RichEdit1->document()->isUndoAvailable());
    TextZustand(Text());
}

// The states of the items that depend on the text alone.
void TReAnsichtForm::TextZustand(const QString &AInhalt) {
    PuSeitenumbruchEntfernen->setEnabled(AInhalt.contains(Seitenvorschub));
    PuAllesMarkieren->setEnabled(!AInhalt.isEmpty());
    PuDrucken->setEnabled(DruckbarS(AInhalt));
    PuSpeichern->setEnabled(!AInhalt.isEmpty());
}

void TReAnsichtForm::SetActiveControl() {
    QWidget *Ziel = MerkActiveControl;
    if (Ziel && Ziel->isVisible() && Ziel->isEnabled() && Ziel->focusPolicy() != Qt::NoFocus)
        Ziel->setFocus(Qt::OtherFocusReason);
}

void TReAnsichtForm::Button1Click() {
    if (!PuDrucken->isEnabled())
        return;
    RichEdit1->setFocus(Qt::OtherFocusReason);
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        Meldung(this, QMessageBox::Information, QStringLiteral("Es ist kein Drucker installiert!"));
        return;
    }
    MerkActiveControl = focusWidget();
    if (!FDrucker)
        FDrucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
    {
        QPrintDialog Dialog(FDrucker.get(), this);
        Dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
        if (Dialog.exec() == QDialog::Accepted && !TextDruckenOk(*FDrucker, windowTitle(), Text(), Schrift()))
            Meldung(this, QMessageBox::Critical, QStringLiteral("Der Text konnte nicht gedruckt werden!"));
    }
    SetActiveControl();
}

void TReAnsichtForm::FilterGewaehlt(const QString &AFilter) {
    // A name typed without an extension gets the one of the chosen file type.
    SaveDialog1->setDefaultSuffix(AFilter == DateiFilter.constFirst() ? QStringLiteral("RTF") : QStringLiteral("TXT"));
}

void TReAnsichtForm::PuSpeichernClick() {
    if (!PuSpeichern->isEnabled())
        return;
    MerkActiveControl = focusWidget();
    FilterGewaehlt(SaveDialog1->selectedNameFilter());
    if (SaveDialog1->exec() == QDialog::Accepted && !SaveDialog1->selectedFiles().isEmpty()) {
        RichEdit1->setFocus(Qt::OtherFocusReason);
        const QString Datei = SaveDialog1->selectedFiles().constFirst();
        const qsizetype Nr = DateiFilter.indexOf(SaveDialog1->selectedNameFilter());
        const auto Art = static_cast<TDateiArt>(std::max<qsizetype>(Nr, 0) + 1);
        // Offered again next time.
        SaveDialog1->selectFile(Datei);
        QString Fehler;
        if (!TextInDateiSpeichernOk(Datei, Text(), Art, Schrift(), Fehler))
            Meldung(this, QMessageBox::Critical, Fehler);
    }
    SetActiveControl();
}

void TReAnsichtForm::PuSeitenumbruchClick() {
    // Replaces the selection, or stands at the caret.
    RichEdit1->insertPlainText(QString(Seitenvorschub));
}

void TReAnsichtForm::PuSeitenumbruchEntfernenClick() {
    if (!PuSeitenumbruchEntfernen->isEnabled())
        return;
    if (Meldung(this, QMessageBox::Question, QStringLiteral("Sollen alle Seitenumbrüche entfernt werden?"),
                QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    QString Ohne = Text();
    Ohne.remove(Seitenvorschub);
    // One edit step, so that undo brings the page breaks back.
    QTextCursor Cursor(RichEdit1->document());
    Cursor.beginEditBlock();
    Cursor.select(QTextCursor::Document);
    Cursor.insertText(Ohne);
    Cursor.endEditBlock();
    RichEdit1->moveCursor(QTextCursor::Start);
    Meldung(this, QMessageBox::Information, QStringLiteral("Es wurden alle Seitenumbrüche entfernt!"));
}
