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
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTextEdit>

#include <algorithm>

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
    const int Oben = std::max(0, (Schirm.height() - AFenster->height()) / 2 - 1);
    const int Links = std::max(0, (Schirm.width() - AFenster->width()) / 2 - 1);
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

void ClientGroesse(QWidget *AFenster, int ABreite, int AHoehe) {
    AFenster->setFixedSize(ABreite, AHoehe);
}

void BildschirmGross(QWidget *AFenster) {
    const QRect Schirm = Bildschirm();
    ClientGroesse(AFenster, Schirm.width(), Schirm.height());
}

void KnoepfeEinrichten(const QList<QPushButton *> &AKnoepfe, int ABreite) {
    for (QPushButton *Knopf : AKnoepfe)
        Knopf->resize(ABreite, SchriftHoehe(Knopf->font(), TSteuerArt::Button));
}

int KnopfReihe(const QList<QPushButton *> &AKnoepfe, int AAbstand) {
    int Links = AAbstand;
    for (QPushButton *Knopf : AKnoepfe) {
        Knopf->move(Links, Knopf->y());
        Links += Knopf->width() + AAbstand;
    }
    return Links;
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
int BildschirmhoherDialog(QWidget *AFenster, const QList<QPushButton *> &AKnoepfe, int AAbstand) {
    KnoepfeEinrichten(AKnoepfe);
    BildschirmGross(AFenster);
    const int ClientBreite = KnopfReihe(AKnoepfe, AAbstand);
    const int ClientHoehe = Bildschirm().height();
    ClientGroesse(AFenster, ClientBreite, ClientHoehe);
    KnopfReiheUnten(AKnoepfe, ClientHoehe);
    return ClientBreite;
}
} // namespace Layout
