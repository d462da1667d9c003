#include "dialogs/Layout.h"

#include <algorithm>
#include <cmath>

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTextEdit>
#include <QWindow>

// One line of text is the font's line spacing (ascent + descent + leading, in whole pixels), and every window
// measures it so. An auto-sized label showing "M" would leave out the leading and round ascent and descent
// apart, so it can come out a pixel off.
int SchriftHoehe(const QFont &AFont, TSteuerArt AArt) {
    int Zugabe = 0;
    switch (AArt) {
    case TSteuerArt::Edit:
    case TSteuerArt::CheckBox:
        Zugabe = 8;
        break;
    case TSteuerArt::Button:
        Zugabe = 12;
        break;
    case TSteuerArt::StatusBar:
        Zugabe = 6;
        break;
    case TSteuerArt::Sonstige:
        break;
    }
    return QFontMetrics(AFont).lineSpacing() + Zugabe;
}

namespace {
bool IstTextTraeger(const QWidget *AWidget) {
    return qobject_cast<const QLabel *>(AWidget) || qobject_cast<const QLineEdit *>(AWidget) ||
           qobject_cast<const QListView *>(AWidget) || qobject_cast<const QCheckBox *>(AWidget) ||
           qobject_cast<const QTextEdit *>(AWidget) || qobject_cast<const QPlainTextEdit *>(AWidget) ||
           qobject_cast<const QStatusBar *>(AWidget);
}

// The edit field inside a spin box or combo box belongs to that control, which keeps its own look.
bool InFremdemSteuerelement(const QWidget *AKind, const QWidget *AFenster) {
    for (const QWidget *Eltern = AKind->parentWidget(); Eltern && Eltern != AFenster; Eltern = Eltern->parentWidget())
        if (qobject_cast<const QAbstractSpinBox *>(Eltern) || qobject_cast<const QComboBox *>(Eltern))
            return true;
    return false;
}

// Labels, check boxes and status bars paint the Window role, and only when asked to fill their background;
// edit fields, lists and text fields paint Base. Setting both pairs of roles serves every kind.
void TextTraegerEinrichten(QWidget *AWidget, const QFont &AVoll, const QColor &AFarbe, const QColor &AHintergrund) {
    QPalette Palette = AWidget->palette();
    Palette.setColor(QPalette::Window, AHintergrund);
    Palette.setColor(QPalette::Base, AHintergrund);
    if (AFarbe.isValid()) {
        Palette.setColor(QPalette::WindowText, AFarbe);
        Palette.setColor(QPalette::Text, AFarbe);
    }
    AWidget->setPalette(Palette);
    AWidget->setFont(AVoll);
    if (qobject_cast<QLabel *>(AWidget) || qobject_cast<QCheckBox *>(AWidget) || qobject_cast<QStatusBar *>(AWidget))
        AWidget->setAutoFillBackground(true);
}

void KnopfSchrift(QPushButton *AKnopf, const QFont &AFont) {
    QFont Schrift = AKnopf->font();
    Schrift.setFamily(AFont.family());
    if (AFont.pointSizeF() > 0)
        Schrift.setPointSizeF(AFont.pointSizeF());
    else
        Schrift.setPixelSize(AFont.pixelSize());
    AKnopf->setFont(Schrift);
}
} // namespace

void SchriftartZuweisen(QWidget *AFenster, const TSchrift &ASchrift, const QColor &AHintergrund) {
    // A full copy: every attribute counts as set, none is inherited from the window.
    QFont Voll = ASchrift.Font;
    Voll.setResolveMask(QFont::AllPropertiesResolved);
    const QList<QWidget *> Kinder = AFenster->findChildren<QWidget *>();
    for (QWidget *Kind : Kinder) {
        if (InFremdemSteuerelement(Kind, AFenster))
            continue;
        if (auto *Knopf = qobject_cast<QPushButton *>(Kind))
            KnopfSchrift(Knopf, ASchrift.Font);
        else if (IstTextTraeger(Kind))
            TextTraegerEinrichten(Kind, Voll, ASchrift.Farbe, AHintergrund);
    }
}

namespace {
double RelativeHelligkeit(const QColor &AFarbe) {
    const auto Kanal = [](double AWert) {
        return AWert <= 0.04045 ? AWert / 12.92 : std::pow((AWert + 0.055) / 1.055, 2.4);
    };
    const QColor Rgb = AFarbe.toRgb();
    return 0.2126 * Kanal(Rgb.redF()) + 0.7152 * Kanal(Rgb.greenF()) + 0.0722 * Kanal(Rgb.blueF());
}
} // namespace

double Kontrastverhaeltnis(const QColor &A, const QColor &B) {
    const double Hell = std::max(RelativeHelligkeit(A), RelativeHelligkeit(B));
    const double Dunkel = std::min(RelativeHelligkeit(A), RelativeHelligkeit(B));
    return (Hell + 0.05) / (Dunkel + 0.05);
}

void FensterEinrichten(QWidget *AFenster) {
    const QRect Schirm = Layout::Bildschirm();
    const QMargins Rahmen = Layout::Rahmen(AFenster);
    const int Hoehe = AFenster->height() + Rahmen.top() + Rahmen.bottom();
    const int Breite = AFenster->width() + Rahmen.left() + Rahmen.right();
    const int Oben = std::max(0, (Schirm.height() - Hoehe) / 2 - 1);
    const int Links = std::max(0, (Schirm.width() - Breite) / 2 - 1);
    AFenster->move(Schirm.left() + Links, Schirm.top() + Oben);
}

QString OhneKuerzel(const QString &ACaption) {
    QString Ergebnis;
    Ergebnis.reserve(ACaption.size());
    for (qsizetype Pos = 0; Pos < ACaption.size(); ++Pos) {
        if (ACaption.at(Pos) == QLatin1Char('&') && Pos + 1 < ACaption.size())
            ++Pos; // the marked character, or the second "&" of "&&"
        Ergebnis.append(ACaption.at(Pos));
    }
    return Ergebnis;
}

void KnopfTextZuweisen(QAbstractButton *AKnopf, const QString &ACaption) {
    AKnopf->setText(ACaption);
    AKnopf->setAccessibleName(OhneKuerzel(ACaption));
}

namespace Layout {
QRect Bildschirm() {
    const QScreen *Schirm = QGuiApplication::primaryScreen();
    return Schirm ? Schirm->geometry() : QRect();
}

QMargins Rahmen(const QWidget *AFenster) {
    // A window's frame is known once the window manager has framed it; until then the main window's frame,
    // which the same window manager drew, is the best guess.
    const auto Von = [](const QWidget *AWidget) {
        const QWindow *Fenster = AWidget ? AWidget->windowHandle() : nullptr;
        return Fenster && AWidget->isVisible() ? Fenster->frameMargins() : QMargins();
    };
    QMargins Ergebnis = Von(AFenster);
    if (Ergebnis.isNull() && AFenster && AFenster->parentWidget())
        Ergebnis = Von(AFenster->parentWidget()->window());
    return Ergebnis;
}

QSize Platz(const QWidget *AFenster) {
    const QMargins Fensterrahmen = Rahmen(AFenster);
    return Bildschirm().size().shrunkBy(Fensterrahmen);
}

void ClientGroesse(QWidget *AFenster, int ABreite, int AHoehe) {
    AFenster->setFixedSize(ABreite, AHoehe);
}

int KnoepfeEinrichten(const QList<QPushButton *> &AKnoepfe, int ABreite) {
    // The style's own measure of a caption: text, padding and frame. In normal sizes it stays well below the
    // designed width.
    int Breite = ABreite;
    for (const QPushButton *Knopf : AKnoepfe)
        Breite = std::max(Breite, Knopf->sizeHint().width());
    for (QPushButton *Knopf : AKnoepfe)
        Knopf->resize(Breite, SchriftHoehe(Knopf->font(), TSteuerArt::Button));
    return Breite;
}

int KnopfReihe(const QList<QPushButton *> &AKnoepfe, int AAbstand, int AHoechstens) {
    int Knoepfe = 0;
    for (const QPushButton *Knopf : AKnoepfe)
        Knoepfe += Knopf->width();
    const int Luecken = static_cast<int>(AKnoepfe.size()) + 1;
    const bool EngerS = Knoepfe + Luecken * AAbstand > AHoechstens;
    if (EngerS)
        AAbstand = std::max(static_cast<int>(Rand), (AHoechstens - Knoepfe) / Luecken);
    int Links = AAbstand;
    for (QPushButton *Knopf : AKnoepfe) {
        Knopf->move(Links, Knopf->y());
        Links += Knopf->width() + AAbstand;
    }
    // A narrowed row takes the whole width; what the gaps' rounding leaves goes to the right margin.
    return EngerS ? std::max(Links, AHoechstens) : Links;
}

void KnopfReiheVerteilen(const QList<QPushButton *> &AKnoepfe, int AClientBreite) {
    int Knoepfe = 0;
    for (const QPushButton *Knopf : AKnoepfe)
        Knoepfe += Knopf->width();
    const int Abstand = std::max(0, (AClientBreite - Knoepfe) / (static_cast<int>(AKnoepfe.size()) + 1));
    int Links = Abstand;
    for (QPushButton *Knopf : AKnoepfe) {
        Knopf->move(Links, Knopf->y());
        Links += Knopf->width() + Abstand;
    }
}

namespace {
// How many of the (equally wide) buttons fit in one row of AClientBreite with gaps of at least Rand.
qsizetype ProKnopfzeile(const QList<QPushButton *> &AKnoepfe, int AClientBreite) {
    if (AKnoepfe.isEmpty())
        return 1;
    const int Breite = AKnoepfe.first()->width();
    return std::clamp<qsizetype>((AClientBreite - Rand) / (Breite + Rand), 1, AKnoepfe.size());
}
} // namespace

void KnopfzeilenVerteilen(const QList<QPushButton *> &AKnoepfe, int AClientBreite, int AOben) {
    const qsizetype ProZeile = ProKnopfzeile(AKnoepfe, AClientBreite);
    for (qsizetype Erster = 0; Erster < AKnoepfe.size(); Erster += ProZeile) {
        const QList<QPushButton *> Zeile = AKnoepfe.mid(Erster, ProZeile);
        for (QPushButton *Knopf : Zeile)
            Knopf->move(Knopf->x(), AOben);
        KnopfReiheVerteilen(Zeile, AClientBreite);
        AOben += AKnoepfe.first()->height() + Rand;
    }
}

int KnopfzeilenHoehe(const QList<QPushButton *> &AKnoepfe, int AClientBreite) {
    if (AKnoepfe.isEmpty())
        return 0;
    const qsizetype ProZeile = ProKnopfzeile(AKnoepfe, AClientBreite);
    const int Zeilen = static_cast<int>((AKnoepfe.size() + ProZeile - 1) / ProZeile);
    return Zeilen * AKnoepfe.first()->height() + (Zeilen - 1) * Rand;
}

void KnopfReiheUnten(const QList<QPushButton *> &AKnoepfe, int AClientHoehe) {
    for (QPushButton *Knopf : AKnoepfe)
        Knopf->move(Knopf->x(), AClientHoehe - Knopf->height() - Rand);
}

int KnopfReiheDarunter(const QList<QPushButton *> &AKnoepfe, int AUnterkante, int AAbstand) {
    int Unten = AUnterkante + AAbstand;
    for (QPushButton *Knopf : AKnoepfe) {
        Knopf->move(Knopf->x(), AUnterkante + AAbstand);
        Unten = std::max(Unten, Knopf->y() + Knopf->height());
    }
    return Unten + AAbstand;
}

int LabelAnpassen(QLabel *ALabel) {
    // Measured as shown: a label whose buddy takes the accelerator does not draw the "&".
    const QSize Text = ALabel->fontMetrics().size(Qt::TextShowMnemonic, ALabel->text());
    const QMargins Innen = ALabel->contentsMargins();
    const int Margin = 2 * ALabel->margin();
    ALabel->resize(Text.width() + Innen.left() + Innen.right() + Margin,
                   Text.height() + Innen.top() + Innen.bottom() + Margin);
    return ALabel->width();
}

int FeldLinks(const QList<QLabel *> &ALabels) {
    int Breiteste = 0;
    for (QLabel *Label : ALabels)
        Breiteste = std::max(Breiteste, LabelAnpassen(Label));
    return Rand + Breiteste + LabelAbstand;
}

int EditZeile(QLabel *ALabel, QWidget *AFeld, int ATop, int AFeldLinks, int AClientBreite) {
    const int Hoehe = SchriftHoehe(AFeld->font(), TSteuerArt::Edit);
    AFeld->setGeometry(AFeldLinks, ATop, AClientBreite - AFeldLinks - Rand, Hoehe);
    if (ALabel)
        ALabel->move(Rand, ATop + (Hoehe - ALabel->height()) / 2);
    return ATop + Hoehe;
}

int ListenZeile(QLabel *ALabel, QWidget *AListe, int ATop, int AHoehe, int AFeldLinks, int AClientBreite) {
    AListe->setGeometry(AFeldLinks, ATop, AClientBreite - AFeldLinks - Rand, AHoehe);
    if (ALabel)
        ALabel->move(Rand, ATop);
    return ATop + AHoehe;
}
int BildschirmhoherDialog(QWidget *AFenster, const QList<QPushButton *> &AKnoepfe, int (*AAbstand)(int)) {
    const int Breite = KnoepfeEinrichten(AKnoepfe);
    // As high as the screen, less the frame, so that the buttons at the bottom stay on it.
    const QSize Raum = Platz(AFenster);
    const int ClientBreite = KnopfReihe(AKnoepfe, AAbstand(Breite), Raum.width());
    if (ClientBreite > Raum.width()) {
        // Not even narrow gaps bring the buttons side by side onto the screen: they stand in rows.
        ClientGroesse(AFenster, Raum.width(), Raum.height());
        KnopfzeilenVerteilen(AKnoepfe, Raum.width(), Raum.height() - Rand - KnopfzeilenHoehe(AKnoepfe, Raum.width()));
        return Raum.width();
    }
    ClientGroesse(AFenster, ClientBreite, Raum.height());
    KnopfReiheUnten(AKnoepfe, Raum.height());
    return ClientBreite;
}

int ListenBreite(const QListWidget *AListe) {
    int Breiteste = 0;
    for (int Nr = 0; Nr < AListe->count(); ++Nr)
        Breiteste = std::max(Breiteste, AListe->sizeHintForIndex(AListe->model()->index(Nr, 0)).width());
    return Breiteste + 2 * AListe->frameWidth() + AListe->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

int Verbreitern(QWidget *AFenster, int ANoetig, const QList<QPushButton *> &AKnoepfe, int AClientBreite) {
    const int Breite = std::min(ANoetig, Platz(AFenster).width());
    if (Breite <= AClientBreite)
        return AClientBreite;
    ClientGroesse(AFenster, Breite, AFenster->height());
    KnopfReiheVerteilen(AKnoepfe, Breite);
    return Breite;
}
} // namespace Layout
