#include "dialogs/Schriftdialog.h"

#include "dialogs/Layout.h"
#include "dialogs/Meldungsfenster.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace {
const QString Automatisch = QStringLiteral("Automatisch");
const QString Benutzerdefiniert = QStringLiteral("Benutzerdefiniert");

// Qt's font dialog as a part of ours. Left alone it would take Escape and Enter for itself and hide itself (it is a
// dialog too), leaving an empty frame; so keys it does not use go on to our dialog, and where it ends itself (Enter
// in its lists) it ends ours.
class TEingebetteterFontDialog : public QFontDialog {
public:
    explicit TEingebetteterFontDialog(QWidget *AEltern) : QFontDialog(AEltern) {
        setOption(QFontDialog::DontUseNativeDialog);
        setOption(QFontDialog::NoButtons);
        setSizeGripEnabled(false);
        setWindowFlags(Qt::Widget);
    }

    void done(int AErgebnis) override {
        if (auto *Fenster = qobject_cast<QDialog *>(window()); Fenster && Fenster != this)
            Fenster->done(AErgebnis);
    }

protected:
    void keyPressEvent(QKeyEvent *AEvent) override { AEvent->ignore(); }
};

QIcon Farbfeld(const QColor &AFarbe) {
    QPixmap Feld(16, 16);
    Feld.fill(AFarbe);
    return QIcon(Feld);
}

QString OhneDoppelpunkt(const QString &ACaption) {
    QString Text = OhneKuerzel(ACaption).trimmed();
    if (Text.endsWith(QLatin1Char(':')))
        Text.chop(1);
    return Text;
}

bool GleicheFarbe(const QColor &A, const QColor &B) {
    return A.isValid() && B.isValid() && A.toRgb().rgb() == B.toRgb().rgb();
}
} // namespace

const QList<TSchriftFarbe> &TSchriftDialog::Farben() {
    static const QList<TSchriftFarbe> Liste{
        {QStringLiteral("Schwarz"), QColor(0, 0, 0)},      {QStringLiteral("Dunkelrot"), QColor(128, 0, 0)},
        {QStringLiteral("Grün"), QColor(0, 128, 0)},       {QStringLiteral("Olivgrün"), QColor(128, 128, 0)},
        {QStringLiteral("Marineblau"), QColor(0, 0, 128)}, {QStringLiteral("Violett"), QColor(128, 0, 128)},
        {QStringLiteral("Blaugrün"), QColor(0, 128, 128)}, {QStringLiteral("Grau"), QColor(128, 128, 128)},
        {QStringLiteral("Silber"), QColor(192, 192, 192)}, {QStringLiteral("Rot"), QColor(255, 0, 0)},
        {QStringLiteral("Hellgrün"), QColor(0, 255, 0)},   {QStringLiteral("Gelb"), QColor(255, 255, 0)},
        {QStringLiteral("Blau"), QColor(0, 0, 255)},       {QStringLiteral("Fuchsie"), QColor(255, 0, 255)},
        {QStringLiteral("Aqua"), QColor(0, 255, 255)},     {QStringLiteral("Weiß"), QColor(255, 255, 255)},
    };
    return Liste;
}

TSchriftDialog::TSchriftDialog(QWidget *AOwner) : QDialog(AOwner) {
    setObjectName(QStringLiteral("SchriftDialog"));
    setWindowTitle(QStringLiteral("Schriftart"));

    // Created in tab order: the font dialog's controls, the colour, OK, Cancel.
    FontDialog1 = new TEingebetteterFontDialog(this);
    FontDialog1->setObjectName(QStringLiteral("FontDialog1"));
    Label1 = new QLabel(QStringLiteral("&Farbe:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setAccessibleName(QStringLiteral("Farbe"));
    Label1->setBuddy(ComboBox1);
    Button1 = new QPushButton(this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(this);
    Button2->setObjectName(QStringLiteral("Button2"));
    KnopfTextZuweisen(Button1, QStringLiteral("O&K"));
    KnopfTextZuweisen(Button2, QStringLiteral("&Abbrechen"));
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    ComboBox1->addItem(Farbfeld(palette().color(QPalette::WindowText)), Automatisch);
    for (const TSchriftFarbe &Farbe : Farben())
        ComboBox1->addItem(Farbfeld(Farbe.Farbe), Farbe.Name, Farbe.Farbe);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TSchriftDialog::FarbeGewaehlt);

    auto *FarbZeile = new QHBoxLayout;
    FarbZeile->addWidget(Label1);
    FarbZeile->addWidget(ComboBox1);
    FarbZeile->addStretch();
    auto *KnopfZeile = new QHBoxLayout;
    KnopfZeile->addStretch();
    KnopfZeile->addWidget(Button1);
    KnopfZeile->addWidget(Button2);
    auto *Spalte = new QVBoxLayout(this);
    Spalte->addWidget(FontDialog1);
    Spalte->addLayout(FarbZeile);
    Spalte->addLayout(KnopfZeile);

    FBeispiel = FontDialog1->findChild<QLineEdit *>(QStringLiteral("qt_fontDialog_sampleEdit"));
    NamenVergeben();

    FGesetzt = {FontDialog1->currentFont(), palette().color(QPalette::WindowText)};
    FAngezeigt = FGesetzt.Font;
    FarbeGewaehlt();
}

// Qt names the embedded controls only through their labels, and a screen reader does not take a list's name from
// its label: every control gets its name here. In the font dialog's grid, row 0 holds the labels of face, style and
// size, rows 1 and 2 the field and the list below each label.
void TSchriftDialog::NamenVergeben() {
    const auto Benennen = [](QWidget *AWidget, const QString &AName) {
        if (AWidget && AWidget->accessibleName().isEmpty() && !AName.isEmpty())
            AWidget->setAccessibleName(AName);
    };
    const QList<QLabel *> Labels = FontDialog1->findChildren<QLabel *>();
    for (QLabel *Label : Labels)
        Benennen(Label->buddy(), OhneDoppelpunkt(Label->text()));
    if (auto *Gitter = qobject_cast<QGridLayout *>(FontDialog1->layout())) {
        for (int Nr = 0; Nr < Gitter->count(); ++Nr) {
            int Zeile = 0, Spalte = 0, Zeilen = 0, Spalten = 0;
            Gitter->getItemPosition(Nr, &Zeile, &Spalte, &Zeilen, &Spalten);
            QWidget *Feld = Gitter->itemAt(Nr)->widget();
            const QLayoutItem *Oben = Gitter->itemAtPosition(0, Spalte);
            const auto *Label = Oben ? qobject_cast<const QLabel *>(Oben->widget()) : nullptr;
            if (Feld && Label && (Zeile == 1 || Zeile == 2))
                Benennen(Feld, OhneDoppelpunkt(Label->text()));
            if (Zeile == 2 && Spalte == 0)
                FFamilienListe = qobject_cast<QListView *>(Feld);
            if (Zeile == 2 && Spalte == 2)
                FStilListe = qobject_cast<QListView *>(Feld);
        }
    }
    if (!FFamilienListe)
        FFamilienListe = FontDialog1->findChild<QListView *>();
    const QList<QAbstractButton *> Knoepfe = FontDialog1->findChildren<QAbstractButton *>();
    for (QAbstractButton *Knopf : Knoepfe)
        Benennen(Knopf, OhneKuerzel(Knopf->text()));
    if (FBeispiel)
        if (auto *Gruppe = qobject_cast<QGroupBox *>(FBeispiel->parentWidget()))
            Benennen(FBeispiel, Gruppe->title());
}

void TSchriftDialog::Setzen(const TSchrift &ASchrift, bool ASystemFarbeS) {
    FGesetzt = ASchrift;
    FontDialog1->setCurrentFont(ASchrift.Font);
    StilZeigen(ASchrift.Font);
    FAngezeigt = FontDialog1->currentFont();

    // A colour from the settings that is not in the list is kept in an entry of its own; only one at a time.
    const int Eigene = ComboBox1->findText(Benutzerdefiniert);
    if (Eigene >= 0)
        ComboBox1->removeItem(Eigene);
    int Nr = 0;
    if (!ASystemFarbeS && ASchrift.Farbe.isValid()) {
        Nr = -1;
        for (int Eintrag = 1; Eintrag < ComboBox1->count() && Nr < 0; ++Eintrag)
            if (GleicheFarbe(ComboBox1->itemData(Eintrag).value<QColor>(), ASchrift.Farbe))
                Nr = Eintrag;
        if (Nr < 0) {
            const QColor Farbe = ASchrift.Farbe.toRgb();
            ComboBox1->addItem(Farbfeld(Farbe), Benutzerdefiniert, Farbe);
            Nr = ComboBox1->count() - 1;
        }
    }
    ComboBox1->setCurrentIndex(Nr);
    FarbeGewaehlt();
}

// Qt's dialog looks the font's style up by its translated name ("Fett Kursiv"), which the font's own style names
// ("Bold Italic") never match under the German texts: it would show the first style of the face. So the style is
// chosen here by its weight and slant: the same slant first, then the nearest weight, then the plainest name
// ("Bold" before "Condensed Bold").
void TSchriftDialog::StilZeigen(const QFont &AFont) {
    if (!FFamilienListe || !FStilListe || !FStilListe->model())
        return;
    const QString Familie = FFamilienListe->currentIndex().data().toString();
    const QAbstractItemModel *Stile = FStilListe->model();
    int Beste = -1;
    std::tuple<bool, int, qsizetype> BesteWertung;
    for (int Nr = 0; Nr < Stile->rowCount(); ++Nr) {
        const QString Stil = Stile->index(Nr, 0).data().toString();
        // As a font, so that an oblique style counts as slanted too.
        const QFont Probe = QFontDatabase::font(Familie, Stil, 12);
        const std::tuple<bool, int, qsizetype> Wertung{Probe.italic() != AFont.italic(),
                                                       std::abs(Probe.weight() - AFont.weight()), Stil.size()};
        if (Beste < 0 || Wertung < BesteWertung) {
            Beste = Nr;
            BesteWertung = Wertung;
        }
    }
    if (Beste >= 0 && Beste != FStilListe->currentIndex().row())
        FStilListe->setCurrentIndex(Stile->index(Beste, 0));
}

TSchrift TSchriftDialog::Schrift() const {
    // The list shows a stand-in for a face that is not installed, and the nearest style and size it has: a value
    // still as shown is the one that was set.
    const QFont Aktuell = FontDialog1->currentFont();
    const QFont &Alt = FGesetzt.Font;
    QFont Neu(Aktuell.family() == FAngezeigt.family() ? Alt.family() : Aktuell.family());
    if (Aktuell.pointSize() != FAngezeigt.pointSize() && Aktuell.pointSize() > 0)
        Neu.setPointSize(Aktuell.pointSize());
    else if (Alt.pointSizeF() > 0)
        Neu.setPointSizeF(Alt.pointSizeF());
    else if (Alt.pixelSize() > 0)
        Neu.setPixelSize(Alt.pixelSize());
    Neu.setBold(Aktuell.bold() == FAngezeigt.bold() ? Alt.bold() : Aktuell.bold());
    Neu.setItalic(Aktuell.italic() == FAngezeigt.italic() ? Alt.italic() : Aktuell.italic());
    Neu.setUnderline(Aktuell.underline());
    Neu.setStrikeOut(Aktuell.strikeOut());

    const QVariant Farbe = ComboBox1->currentData();
    return {Neu, SystemFarbe() || !Farbe.isValid() ? palette().color(QPalette::WindowText) : Farbe.value<QColor>()};
}

bool TSchriftDialog::SystemFarbe() const {
    return ComboBox1->currentIndex() <= 0;
}

bool TSchriftDialog::Waehlen(QWidget *AEltern, TSchrift &ASchrift, bool &ASystemFarbeS) {
    TSchriftDialog Dialog(AEltern);
    Dialog.Setzen(ASchrift, ASystemFarbeS);
    if (Dialog.exec() != QDialog::Accepted)
        return false;
    ASchrift = Dialog.Schrift();
    ASystemFarbeS = Dialog.SystemFarbe();
    return true;
}

// The sample text shows the chosen colour.
void TSchriftDialog::FarbeGewaehlt() {
    if (!FBeispiel)
        return;
    const QVariant Farbe = ComboBox1->currentData();
    QPalette Palette = FBeispiel->palette();
    Palette.setColor(QPalette::Text,
                     SystemFarbe() || !Farbe.isValid() ? palette().color(QPalette::WindowText) : Farbe.value<QColor>());
    FBeispiel->setPalette(Palette);
}

QSize TSchriftDialog::ListenFehlen() const {
    // The lists stand side by side and share what the dialog grows in width: for one list to gain a pixel, the
    // dialog grows by one for each list. In height the most any list lacks counts.
    QSize Fehlt(0, 0);
    int Listen = 0;
    for (const QListView *Liste : FontDialog1->findChildren<QListView *>()) {
        if (!Liste->isVisible() || !Liste->model() || Liste->model()->rowCount() == 0)
            continue;
        ++Listen;
        int Breiteste = 0;
        for (int Nr = 0; Nr < Liste->model()->rowCount(); ++Nr)
            Breiteste = std::max(Breiteste, Liste->sizeHintForIndex(Liste->model()->index(Nr, 0)).width());
        Fehlt.setWidth(std::max(Fehlt.width(), Breiteste - Liste->viewport()->width()));
        Fehlt.setHeight(std::max(Fehlt.height(), 5 * Liste->sizeHintForRow(0) - Liste->viewport()->height()));
    }
    return {Fehlt.width() * Listen, Fehlt.height()};
}

void TSchriftDialog::showEvent(QShowEvent *AEvent) {
    QDialog::showEvent(AEvent);
    // The dialog shows in the application font, which is the user's face and size, and starts from its natural
    // size each time. Qt's lists keep the size they have in a normal font: in a large one the dialog grows until
    // each shows five lines and its longest entry, as far as the screen allows. Where even the natural size is
    // too large, the dialog's font steps down until it fits.
    setFont(QFont());
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const QSize Platz = Layout::Platz(this);
    resize(sizeHint().boundedTo(Platz));
    for (int Runde = 0; Runde < 5; ++Runde) {
        const QSize Fehlt = ListenFehlen();
        if (Fehlt.isNull())
            break;
        const QSize Groesser = (size() + Fehlt).boundedTo(Platz);
        if (Groesser == size())
            break;
        resize(Groesser);
    }
    AufBildschirmVerkleinern(this);
    // A fixed size like every dialog of the program: a window manager gives a resizable window a handle below
    // its frame, which would reach past the screen's edge.
    setFixedSize(size());
    if (FFamilienListe)
        FFamilienListe->setFocus(Qt::OtherFocusReason);
    else
        FontDialog1->setFocus(Qt::OtherFocusReason);
}
