// The "&Hilfe" menu: the About box, the change list in a window of the program's own, the maker's pages and
// address through the desktop's handlers, and the hand-over to the updater.

#include "app/Hilfe.h"

#include "app/Haupt.h"
#include "app/Meldungen.h"
#include "data/Programm.h"
#include "util/Textkodierung.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QStringDecoder>
#include <QUrl>
#include <QVBoxLayout>

namespace {
QString Anzeige(const QString &APfad) {
    return QDir::toNativeSeparators(APfad);
}

bool IstDatei(const QString &APfad) {
    return QFileInfo(APfad).isFile();
}
} // namespace

namespace Hilfe {

QString InfoText() {
    const QStringList Zeilen{
        Programm::Titel,
        QStringLiteral("Ein Programm zur Verwaltung von Stundologen."),
        // The eleven lines of legal notice and contact data.
        QString(),
        QStringLiteral("Copyright © 2026 die Entwickler von Stundolog"),
        QStringLiteral("Lizenz: GNU General Public License, Version 3 oder später"),
        QStringLiteral("(GPL-3.0-or-later)."),
        QStringLiteral("Stundolog ist freie Software: Sie dürfen das Programm"),
        QStringLiteral("nach dieser Lizenz weitergeben und verändern."),
        QStringLiteral("Es wird ohne jede Gewährleistung bereitgestellt."),
        QString(),
        QStringLiteral("Homepage: %1").arg(Programm::Homepage),
        QStringLiteral("E-Mail: %1").arg(Mailadresse),
        QStringLiteral("Anregungen und Fehlerberichte sind willkommen."),
    };
    return Zeilen.join(QStringLiteral("\r\n"));
}

QString ChangeListPfad(const QString &AProgrammOrdner) {
    for (const QString &Pfad :
         {AProgrammOrdner + ChangeListName,
          QDir::cleanPath(AProgrammOrdner + QStringLiteral("../share/stundolog/") + ChangeListName)})
        if (IstDatei(Pfad))
            return Pfad;
    return QString();
}

QString ZuladerPfad(const QString &AProgrammOrdner) {
#ifdef Q_OS_WIN
    const QStringList Namen{QStringLiteral("Zulader.exe")};
#else
    const QStringList Namen{QStringLiteral("Zulader"), QStringLiteral("Zulader.exe")};
#endif
    for (const QString &Name : Namen)
        if (IstDatei(AProgrammOrdner + Name))
            return AProgrammOrdner + Name;
    return QString();
}

int Punktgroesse(const QFont &AFont) {
    if (AFont.pointSize() > 0)
        return AFont.pointSize();
    if (AFont.pointSizeF() > 0)
        return qMax(1, qRound(AFont.pointSizeF()));
    if (AFont.pixelSize() > 0)
        return qMax(1, qRound(AFont.pixelSize() * 72.0 / 96.0));
    return 0;
}

QStringList UebergabeZeilen(const QString &ACaption, const QString &AProgrammDatei, const QFont &AFont) {
    return {Programm::Titel, ACaption, QDir::toNativeSeparators(AProgrammDatei), Programm::Name,
            QStringLiteral("%1 %2").arg(Punktgroesse(AFont)).arg(AFont.family())};
}

bool UebergabeSchreibenOk(const QString &ADatei, const QStringList &AZeilen) {
    QByteArray Bytes;
    for (const QString &Zeile : AZeilen)
        Bytes += AlsWindows1252(Zeile) + "\r\n";
    // A read-only file of that name is made writable first; whether that works shows in the writing.
    if (QFileInfo::exists(ADatei))
        QFile::setPermissions(ADatei, QFile::permissions(ADatei) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    // Written whole under a temporary name and renamed: the updater never finds half a file.
    QSaveFile Datei(ADatei);
    if (!Datei.open(QIODevice::WriteOnly))
        return false;
    if (Datei.write(Bytes) != Bytes.size()) {
        Datei.cancelWriting();
        return false;
    }
    return Datei.commit();
}

} // namespace Hilfe

// ---------------------------------------------------------------------------------------------------------
// The text window

TTextfenster::TTextfenster(QWidget *AParent) : QDialog(AParent) {
    setObjectName(QStringLiteral("Textfenster"));
    setAttribute(Qt::WA_DeleteOnClose);
    Text = new QPlainTextEdit(this);
    Text->setObjectName(QStringLiteral("Text"));
    Text->setReadOnly(true);
    // A caret to move through the text with the keys, as a screen reader user reads it.
    Text->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    Text->setTabChangesFocus(true);
    Text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Schliessen = new QPushButton(this);
    Schliessen->setObjectName(QStringLiteral("Schliessen"));
    KnopfTextZuweisen(Schliessen, QStringLiteral("&Schließen"));
    connect(Schliessen, &QPushButton::clicked, this, &QWidget::close);

    auto *Knoepfe = new QHBoxLayout;
    Knoepfe->addStretch();
    Knoepfe->addWidget(Schliessen);
    auto *Spalte = new QVBoxLayout(this);
    Spalte->setContentsMargins(Layout::Rand, Layout::Rand, Layout::Rand, Layout::Rand);
    Spalte->setSpacing(Layout::Rand);
    Spalte->addWidget(Text, 1);
    Spalte->addLayout(Knoepfe);

    // Two thirds of the screen's work area, in its middle.
    if (const QScreen *Schirm = QGuiApplication::primaryScreen()) {
        const QRect Bereich = Schirm->availableGeometry();
        resize(Bereich.width() * 2 / 3, Bereich.height() * 2 / 3);
    }
}

bool TTextfenster::DateiLadenOk(const QString &APfad) {
    QFile Datei(APfad);
    if (!Datei.open(QIODevice::ReadOnly))
        return false;
    const QByteArray Bytes = Datei.readAll();
    if (Datei.error() != QFileDevice::NoError)
        return false;
    QStringDecoder Utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString Inhalt = Utf8.decode(Bytes);
    if (Utf8.hasError())
        Inhalt = AusWindows1252(Bytes);
    if (Inhalt.startsWith(QChar(0xFEFF)))
        Inhalt.remove(0, 1);
    Inhalt.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Inhalt.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    FPfad = APfad;
    Text->setPlainText(Inhalt);
    Text->moveCursor(QTextCursor::Start);
    const QString Name = QFileInfo(APfad).fileName();
    setWindowTitle(QStringLiteral("%1 - %2").arg(Name, Programm::Titel));
    Text->setAccessibleName(Name);
    return true;
}

void TTextfenster::SchriftartZuweisen(const TSchrift &ASchrift, const QColor &AHintergrund) {
    ::SchriftartZuweisen(this, ASchrift, AHintergrund);
}

void TTextfenster::Vordergrund() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    Text->setFocus(Qt::ActiveWindowFocusReason);
}

void TTextfenster::keyPressEvent(QKeyEvent *AEvent) {
    if (AEvent->key() == Qt::Key_Escape && AEvent->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(AEvent);
}

// ---------------------------------------------------------------------------------------------------------
// The commands

bool TForm1::StandardUrlOeffnen(const QUrl &AUrl) {
    return QDesktopServices::openUrl(AUrl);
}

bool TForm1::StandardProgrammStarten(const QString &AProgramm, const QStringList &AArgumente) {
    return QProcess::startDetached(AProgramm, AArgumente);
}

TTextfenster *TForm1::HistoryFenster() const {
    return FHistoryFenster;
}

QString TForm1::UebergabeDatei() const {
    QString Ordner = TempOrdner.isEmpty() ? QDir::tempPath() : TempOrdner;
    if (!Ordner.endsWith(QLatin1Char('/')))
        Ordner += QLatin1Char('/');
    return Ordner + Hilfe::UebergabeName;
}

void TForm1::MenuHilfeClick() {
    // Unlike the other headings, this one does not store the text field first: nothing here reads the class.
    MenuHilfeHistory->setEnabled(!Hilfe::ChangeListPfad(FOrte.ProgrammOrdner).isEmpty());
    MenuHilfeUpdate->setVisible(!Hilfe::ZuladerPfad(FOrte.ProgrammOrdner).isEmpty());
}

void TForm1::MenuHilfeInfoClick() {
    Meldungen::Info(this, Hilfe::InfoText());
}

void TForm1::MenuHilfeHomepageClick() {
    UrlOeffnen(QUrl(Programm::Homepage));
}

void TForm1::MenuHilfeMailClick() {
    UrlOeffnen(QUrl(QStringLiteral("mailto:%1?subject=%2").arg(Hilfe::Mailadresse, Programm::Titel)));
}

void TForm1::MenuHilfeSpendenClick() {
    UrlOeffnen(QUrl(Programm::Homepage + QStringLiteral("/spenden.htm")));
}

void TForm1::MenuHilfeHistoryClick() {
    // One window for the change list: while it is open, the command brings it to the front.
    if (FHistoryFenster) {
        FHistoryFenster->Vordergrund();
        return;
    }
    const QString Pfad = Hilfe::ChangeListPfad(FOrte.ProgrammOrdner);
    auto *Fenster = new TTextfenster(this);
    if (Pfad.isEmpty() || !Fenster->DateiLadenOk(Pfad)) {
        delete Fenster;
        Meldungen::Fehler(this,
                          QStringLiteral("Die Datei \"%1\" konnte nicht gelesen werden.")
                              .arg(Anzeige(Pfad.isEmpty() ? FOrte.ProgrammOrdner + Hilfe::ChangeListName : Pfad)));
        return;
    }
    Fenster->SchriftartZuweisen(FSchrift, FHintergrund);
    FHistoryFenster = Fenster;
    ::FensterEinrichten(Fenster);
    Fenster->Vordergrund();
}

void TForm1::MenuHilfeUpdateClick() {
    const QString Datei = UebergabeDatei();
    const QString Programmdatei = FOrte.ProgrammOrdner + QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    const QStringList Zeilen = Hilfe::UebergabeZeilen(windowTitle(), Programmdatei, FSchrift.Font);
    // The updater gets the bare file name and looks for it in the temporary folder itself.
    const QString Zulader = Hilfe::ZuladerPfad(FOrte.ProgrammOrdner);
    if (!Hilfe::UebergabeSchreibenOk(Datei, Zeilen) || Zulader.isEmpty() ||
        !ProgrammStarten(Zulader, {Hilfe::UebergabeName}))
        Meldungen::Fehler(this, QStringLiteral("Es ist ein Fehler beim Aktualisieren aufgetreten!\r\nDie Datei "
                                               "\"%1\" konnte nicht gespeichert werden.")
                                    .arg(Anzeige(Datei)));
}
