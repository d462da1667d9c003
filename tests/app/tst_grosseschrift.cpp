// Every window of the program with the user font from small to very large: each text fits its control, no two
// controls overlap, everything lies inside its window, the keyboard reaches the controls in their order and
// Escape cancels. The main window and every dialog are opened as the user opens them, through the main window's
// commands; pictures of them at 12 and 36 points go to a folder of the build tree.
#include "Hauptfixture.h"
#include "backup/Sichern.h"
#include "dialogs/Bezeichnung.h"
#include "dialogs/Fachliste.h"
#include "dialogs/Hintergrund.h"
#include "dialogs/Layout.h"
#include "dialogs/Neu.h"
#include "dialogs/ReAnsicht.h"
#include "dialogs/Schriftdialog.h"
#include "dialogs/Suchen.h"
#include "dialogs/Verschiebliste.h"
#include "dialogs/Wochenliste.h"

#include <QtTest>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFontDatabase>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>

#include <memory>

namespace {
const QString Schriftart = QStringLiteral("DejaVu Sans");
const int Punktgroessen[] = {8, 12, 20, 36, 48};

// How a window is opened and what the keyboard must find in it.
struct TFall {
    const char *Name;   // in the row names and the picture file names
    const char *Aktion; // the main window's command that opens it; null for the main window itself
    const char *Klasse; // the class of the window that comes up
    // The tab stops in their order and the one that has the focus when the window comes up. Names are object
    // names; the font dialog's list of faces is "FamilienListe", message box buttons are named by their role.
    QStringList Tabfolge;
    QString ErsterFokus;
    // The tab stops of a window that holds more than the listed ones (the embedded font dialog) only have to
    // come in this order.
    bool NurReihenfolge = false;
    int EscapeErgebnis = QDialog::Rejected; // the result with which Escape ends the window
};

const QList<TFall> &Faelle() {
    static const QList<TFall> Liste{
        {"Hauptfenster", nullptr, "TForm1", {"Edit1", "Edit2", "Edit3", "RichEdit1", "Button1", "Button2"}, "Edit1"},
        {"Gehe-zu-Woche", "MenuSprungGehe", "TWochenlisteForm", {"ListBox1", "Button1", "Button2"}, "ListBox1"},
        {"Lade-Klasse", "MenuDateiLaden", "TWochenlisteForm", {"ListBox1", "Button1", "Button2"}, "ListBox1"},
        {"Hintergrundfarbe", "MenuAnsHintergrund", "THintergrundForm", {"ListBox1", "Button1", "Button2"}, "ListBox1"},
        {"Schriftart",
         "MenuAnsSchriftart",
         "TSchriftDialog",
         {"FamilienListe", "ComboBox1", "Button1", "Button2"},
         "FamilienListe",
         true},
        {"Neue-Woche",
         "MenuAktNeueWoche",
         "TNeuForm",
         {"Edit1", "Edit2", "ListBox1", "ListBox2", "Button1", "Button2"},
         "ListBox1"},
        {"Neues-Fach",
         "MenuAktNeuesFach",
         "TNeuForm",
         {"Edit1", "Edit2", "ListBox1", "ListBox2", "Button1", "Button2"},
         "Edit2"},
        {"Neue-Klasse",
         "MenuAktNeueKlasse",
         "TNeuForm",
         {"Edit1", "Edit2", "ListBox1", "ListBox2", "Button1", "Button2"},
         "Edit1"},
        {"Wechsle-Klasse-Fach",
         "MenuAktWechseln",
         "TFachlisteForm",
         {"ListBox1", "ListBox2", "Button1", "Button2"},
         "ListBox1"},
        {"Fachbezeichnung", "MenuAktAendernFach", "TBezeichnungForm", {"Edit1", "Button1", "Button2"}, "Edit1"},
        {"Klassenbezeichnung", "MenuAktAendernKlasse", "TBezeichnungForm", {"Edit1", "Button1", "Button2"}, "Edit1"},
        {"Woche-verschieben",
         "MenuAktVerschieben",
         "TVerschieblisteForm",
         {"ListBox3", "ListBox1", "ListBox2", "Button1", "Button2"},
         "ListBox3"},
        {"Suchen",
         "MenuAktSuchen",
         "TSuchenForm",
         {"Edit1", "CheckBox1", "ListBox1", "Button1", "Button2", "Button3"},
         "Edit1"},
        {"Uebersicht", "MenuAktAlle", "TReAnsichtForm", {"RichEdit1", "Button1", "Button2", "Button3"}, "RichEdit1"},
        {"Datensicherung",
         "MenuDatenSichern",
         "TSichernForm",
         {"ListBox1", "RichEdit1", "Button1", "Button2", "Button3"},
         "ListBox1"},
        {"Meldung-Programminfo", "MenuHilfeInfo", "QMessageBox", {"OK"}, "OK", false, QMessageBox::Ok},
        {"Frage-Woche-loeschen", "MenuAktLoescheWoche", "QMessageBox", {"Ja", "Nein"}, "Ja", false, QMessageBox::No},
    };
    return Liste;
}

// The kinds of fault the look at a window finds.
enum class TArt { Text, Schrift, Eintrag, Ueberlappt, Draussen, Bildschirm };

// Faults of the program that this test found and that are not mended yet: each is expected for its window from
// the given size on, on the 1920 x 1080 screen (Gross), the platform's own screen (Standard: 800 x 800 with Qt
// 6.4, window frames 2 pixels wide) or both. A mended fault makes its rows pass unexpectedly: remove it here.
enum class TSchirm { Beide, Gross, Standard };
struct TBekannt {
    const char *Fenster;
    TArt Art;
    int AbPunkte;
    TSchirm Schirm;
    const char *Grund;
};

const char *const EintragGrund = "Auf 800 Pixeln ist der Bildschirm schmaler als die Wochentexte in dieser Größe; "
                                 "die Liste rollt waagrecht";
const char *const SchriftlistenGrund = "Die drei Listen des Schriftdialogs (Qt) stehen nebeneinander, lange Namen von "
                                       "Schriftschnitten sind breiter als ihre Liste; sie rollt waagrecht";

const QList<TBekannt> &Bekannte() {
    static const QList<TBekannt> Liste{
        {"Hauptfenster", TArt::Text, 48, TSchirm::Standard,
         "Bei 48 Punkt ist das Hauptfenster auf 800 Pixeln zu niedrig, dem Textfeld bleibt kein Platz"},
        {"Hauptfenster", TArt::Ueberlappt, 48, TSchirm::Standard,
         "Bei 48 Punkt ist das Hauptfenster auf 800 Pixeln zu niedrig, die Knöpfe überdecken die Felder"},
        {"Hauptfenster", TArt::Draussen, 48, TSchirm::Standard,
         "Bei 48 Punkt ist das Hauptfenster auf 800 Pixeln zu niedrig, die Felder reichen unter die Knöpfe hinaus"},
        {"Gehe-zu-Woche", TArt::Eintrag, 48, TSchirm::Standard, EintragGrund},
        {"Neue-Woche", TArt::Eintrag, 36, TSchirm::Standard, EintragGrund},
        {"Neues-Fach", TArt::Eintrag, 36, TSchirm::Standard, EintragGrund},
        {"Neue-Klasse", TArt::Eintrag, 36, TSchirm::Standard, EintragGrund},
        {"Woche-verschieben", TArt::Eintrag, 36, TSchirm::Standard, EintragGrund},
        {"Schriftart", TArt::Eintrag, 48, TSchirm::Gross, SchriftlistenGrund},
        {"Schriftart", TArt::Eintrag, 20, TSchirm::Standard, SchriftlistenGrund},
        {"Schriftart", TArt::Bildschirm, 48, TSchirm::Standard,
         "Der Schriftdialog (Qt) wird bei 48 Punkt auch mit verkleinerter Schrift nicht schmaler als 833 Pixel"},
        {"Suchen", TArt::Text, 48, TSchirm::Standard,
         "Die Beschriftung des Kästchens \"Genaue Übereinstimmung\" ist bei 48 Punkt breiter als ein "
         "800 Pixel breiter Bildschirm"},
    };
    return Liste;
}

// The platform's screen: 1920 x 1080 unless STUNDOLOG_SCHIRM=standard asks for the platform's own default.
bool StandardSchirm() {
    return qgetenv("STUNDOLOG_SCHIRM") == "standard";
}

// The known fault of this kind in this window at this size, null when none is known.
const TBekannt *Bekannt(const QString &AFenster, TArt AArt, int APunkte) {
    for (const TBekannt &Fehler : Bekannte())
        if (AFenster == QLatin1String(Fehler.Fenster) && AArt == Fehler.Art && APunkte >= Fehler.AbPunkte &&
            (Fehler.Schirm == TSchirm::Beide || (Fehler.Schirm == TSchirm::Standard) == StandardSchirm()))
            return &Fehler;
    return nullptr;
}

// What one look at a window found: each list holds one line per fault, empty when all is well.
struct TBefund {
    QString Klasse;
    QStringList Texte;           // a text does not fit its control
    QStringList Schrift;         // a control shows its text in another size than the user font's
    QStringList Eintraege;       // list entries wider than their list
    QStringList Ueberlappt;      // two visible controls of one parent overlap
    QStringList Draussen;        // a control reaches past its parent or the window
    QStringList Bildschirm;      // the window reaches past the screen
    QStringList Kette;           // the focus chain (nextInFocusChain) from the first focus
    QStringList Tastatur;        // where Tab presses take the focus, starting with the first focus
    QStringList ErwarteteTasten; // the documented stops that were enabled, in documented order
    bool Geschlossen = false;
    int Ergebnis = -1;
};

// Composite controls lay out their own parts (viewport and scroll bars of a list, the edit field of a combo box);
// their insides are not separate controls of the window.
bool IstZusammengesetzt(const QWidget *AWidget) {
    return qobject_cast<const QAbstractScrollArea *>(AWidget) || qobject_cast<const QComboBox *>(AWidget) ||
           qobject_cast<const QAbstractSpinBox *>(AWidget) || qobject_cast<const QLineEdit *>(AWidget) ||
           qobject_cast<const QAbstractButton *>(AWidget);
}

bool InZusammengesetztem(const QWidget *AWidget, const QWidget *AFenster) {
    for (const QWidget *Eltern = AWidget->parentWidget(); Eltern && Eltern != AFenster; Eltern = Eltern->parentWidget())
        if (IstZusammengesetzt(Eltern))
            return true;
    return false;
}

QString Name(const QWidget *AWidget, const QWidget *AFenster) {
    if (const auto *Schrift = qobject_cast<const TSchriftDialog *>(AFenster))
        if (AWidget == Schrift->FamilienListe())
            return QStringLiteral("FamilienListe");
    if (const auto *Box = qobject_cast<const QMessageBox *>(AFenster))
        if (const auto *Knopf = qobject_cast<const QAbstractButton *>(AWidget)) {
            switch (Box->standardButton(const_cast<QAbstractButton *>(Knopf))) {
            case QMessageBox::Ok:
                return QStringLiteral("OK");
            case QMessageBox::Yes:
                return QStringLiteral("Ja");
            case QMessageBox::No:
                return QStringLiteral("Nein");
            case QMessageBox::Cancel:
                return QStringLiteral("Abbrechen");
            default:
                break;
            }
        }
    if (!AWidget->objectName().isEmpty())
        return AWidget->objectName();
    return QString::fromLatin1(AWidget->metaObject()->className());
}

QString Rechteck(const QRect &R) {
    return QStringLiteral("(%1,%2 %3x%4)").arg(R.x()).arg(R.y()).arg(R.width()).arg(R.height());
}

// The size a text needs in AFont, each line measured, the accelerator's "&" left out.
QSize TextGroesse(const QFont &AFont, const QString &AText) {
    return QFontMetrics(AFont).size(Qt::TextShowMnemonic, AText);
}

void TextPruefen(QStringList &AFunde, const QString &AWer, const QString &AText, const QSize &ANoetig,
                 const QRect &APlatz) {
    if (ANoetig.width() > APlatz.width() || ANoetig.height() > APlatz.height())
        AFunde.append(QStringLiteral("%1 \"%2\": Text braucht %3x%4, Platz %5x%6")
                          .arg(AWer, OhneKuerzel(AText))
                          .arg(ANoetig.width())
                          .arg(ANoetig.height())
                          .arg(APlatz.width())
                          .arg(APlatz.height()));
}

// The size a window's texts show in. Message boxes and the font dialog show in the user font, but where that would
// make them larger than the screen, their font steps down until they fit: then they must fill most of the screen
// in one direction, or they were made smaller than needed.
qreal ErwarteteGroesse(const QWidget *AFenster, int APunkte, TBefund &ABefund) {
    const bool Einpassbar =
        qobject_cast<const QMessageBox *>(AFenster) || qobject_cast<const TSchriftDialog *>(AFenster);
    const qreal Groesse = AFenster->font().pointSizeF();
    if (!Einpassbar || Groesse >= APunkte)
        return APunkte;
    const QSize Schirm = AFenster->screen()->geometry().size();
    const QSize Fenster = AFenster->frameGeometry().size();
    if (Fenster.width() < Schirm.width() * 7 / 10 && Fenster.height() < Schirm.height() * 7 / 10)
        ABefund.Schrift.append(QStringLiteral("das Fenster ist auf %1 pt verkleinert, aber nur %2x%3 groß")
                                   .arg(Groesse)
                                   .arg(Fenster.width())
                                   .arg(Fenster.height()));
    return Groesse;
}

// The texts of labels, buttons and check boxes, and the room for a line in edit fields, lists and text fields.
void TexteUntersuchen(QWidget *AFenster, int APunkte, TBefund &ABefund) {
    const qreal Groesse = ErwarteteGroesse(AFenster, APunkte, ABefund);
    for (QWidget *Kind : AFenster->findChildren<QWidget *>()) {
        if (!Kind->isVisible() || Kind->window() != AFenster || InZusammengesetztem(Kind, AFenster))
            continue;
        const QString Wer = Name(Kind, AFenster);
        // Whatever shows text shows it in the user font's size.
        const bool ZeigtText = (qobject_cast<QLabel *>(Kind) && !static_cast<QLabel *>(Kind)->text().isEmpty()) ||
                               qobject_cast<QAbstractButton *>(Kind) || qobject_cast<QLineEdit *>(Kind) ||
                               qobject_cast<QAbstractItemView *>(Kind) || qobject_cast<QPlainTextEdit *>(Kind) ||
                               qobject_cast<QComboBox *>(Kind) || qobject_cast<QMenuBar *>(Kind);
        // (The font dialog's sample shows the chosen font itself.)
        if (ZeigtText && !qFuzzyCompare(Kind->font().pointSizeF(), Groesse) &&
            !qFuzzyCompare(Kind->font().pointSizeF(), qreal(APunkte)))
            ABefund.Schrift.append(QStringLiteral("%1 (%2) in %3 pt")
                                       .arg(Wer, QString::fromLatin1(Kind->metaObject()->className()))
                                       .arg(Kind->font().pointSizeF()));
        if (auto *Label = qobject_cast<QLabel *>(Kind)) {
            if (Label->text().isEmpty() || Label->textFormat() == Qt::RichText ||
                (Label->textFormat() == Qt::AutoText && Qt::mightBeRichText(Label->text())))
                continue;
            const int Rand = Label->margin();
            const QRect Platz = Label->contentsRect().adjusted(Rand, Rand, -Rand, -Rand);
            QSize Noetig = TextGroesse(Label->font(), Label->text());
            if (Label->wordWrap())
                Noetig = QFontMetrics(Label->font())
                             .boundingRect(QRect(0, 0, Platz.width(), 1 << 20), Qt::TextWordWrap | Qt::TextShowMnemonic,
                                           Label->text())
                             .size();
            TextPruefen(ABefund.Texte, Wer, Label->text(), Noetig, Platz);
        } else if (auto *Knopf = qobject_cast<QPushButton *>(Kind)) {
            QStyleOptionButton Option;
            Option.initFrom(Knopf);
            Option.text = Knopf->text();
            const QRect Platz = Knopf->style()->subElementRect(QStyle::SE_PushButtonContents, &Option, Knopf);
            QSize Noetig = TextGroesse(Knopf->font(), Knopf->text());
            if (!Knopf->icon().isNull())
                Noetig.rwidth() += Knopf->iconSize().width() + 4;
            TextPruefen(ABefund.Texte, Wer, Knopf->text(), Noetig, Platz);
        } else if (auto *Kasten = qobject_cast<QCheckBox *>(Kind)) {
            QStyleOptionButton Option;
            Option.initFrom(Kasten);
            Option.text = Kasten->text();
            const QRect Platz = Kasten->style()->subElementRect(QStyle::SE_CheckBoxContents, &Option, Kasten);
            TextPruefen(ABefund.Texte, Wer, Kasten->text(), TextGroesse(Kasten->font(), Kasten->text()), Platz);
        } else if (auto *Feld = qobject_cast<QLineEdit *>(Kind)) {
            if (Feld->height() < Feld->minimumSizeHint().height())
                ABefund.Texte.append(QStringLiteral("%1: Eingabefeld %2 hoch, eine Zeile braucht %3")
                                         .arg(Wer)
                                         .arg(Feld->height())
                                         .arg(Feld->minimumSizeHint().height()));
        } else if (auto *Ansicht = qobject_cast<QAbstractItemView *>(Kind)) {
            const int Zeile = Ansicht->model() && Ansicht->model()->rowCount() > 0
                                  ? Ansicht->sizeHintForRow(0)
                                  : QFontMetrics(Ansicht->font()).height();
            if (Ansicht->viewport()->height() < Zeile)
                ABefund.Texte.append(QStringLiteral("%1: Liste zeigt %2 Pixel, eine Zeile braucht %3")
                                         .arg(Wer)
                                         .arg(Ansicht->viewport()->height())
                                         .arg(Zeile));
            // The entries of a list: the widest one and how many are cut off at the right.
            const QAbstractItemModel *Modell = Ansicht->model();
            int Abgeschnitten = 0;
            QModelIndex Breitester;
            for (int Nr = 0; Modell && Nr < Modell->rowCount(Ansicht->rootIndex()); ++Nr) {
                const QModelIndex Eintrag = Modell->index(Nr, 0, Ansicht->rootIndex());
                const int Breite = Ansicht->sizeHintForIndex(Eintrag).width();
                if (Breite > Ansicht->viewport()->width()) {
                    ++Abgeschnitten;
                    if (!Breitester.isValid() || Breite > Ansicht->sizeHintForIndex(Breitester).width())
                        Breitester = Eintrag;
                }
            }
            if (Abgeschnitten > 0)
                ABefund.Eintraege.append(QStringLiteral("%1: %2 von %3 Einträgen breiter als die Liste (%4 Pixel), "
                                                        "am breitesten \"%5\" mit %6")
                                             .arg(Wer)
                                             .arg(Abgeschnitten)
                                             .arg(Modell->rowCount(Ansicht->rootIndex()))
                                             .arg(Ansicht->viewport()->width())
                                             .arg(Breitester.data().toString())
                                             .arg(Ansicht->sizeHintForIndex(Breitester).width()));
        } else if (auto *Text = qobject_cast<QPlainTextEdit *>(Kind)) {
            const int Zeile = QFontMetrics(Text->font()).lineSpacing();
            if (Text->viewport()->height() < Zeile)
                ABefund.Texte.append(QStringLiteral("%1: Textfeld zeigt %2 Pixel, eine Zeile braucht %3")
                                         .arg(Wer)
                                         .arg(Text->viewport()->height())
                                         .arg(Zeile));
        }
    }
}

// Siblings that overlap, and controls that reach past their parent or past the window.
void AnordnungUntersuchen(QWidget *AFenster, TBefund &ABefund) {
    QList<QWidget *> Eltern{AFenster};
    for (QWidget *Kind : AFenster->findChildren<QWidget *>())
        if (Kind->isVisible() && Kind->window() == AFenster && !IstZusammengesetzt(Kind) &&
            !InZusammengesetztem(Kind, AFenster))
            Eltern.append(Kind);
    for (QWidget *Elter : Eltern) {
        QList<QWidget *> Geschwister;
        for (QWidget *Kind : Elter->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (Kind->isVisible() && !Kind->isWindow())
                Geschwister.append(Kind);
        for (qsizetype Nr = 0; Nr < Geschwister.size(); ++Nr) {
            const QWidget *Eins = Geschwister[Nr];
            const QRect Lage = Eins->geometry();
            if (!Elter->rect().contains(Lage))
                ABefund.Draussen.append(
                    QStringLiteral("%1 %2 reicht aus %3 %4 hinaus")
                        .arg(Name(Eins, AFenster), Rechteck(Lage), Name(Elter, AFenster), Rechteck(Elter->rect())));
            for (qsizetype Weiter = Nr + 1; Weiter < Geschwister.size(); ++Weiter) {
                const QWidget *Zwei = Geschwister[Weiter];
                if (Lage.intersects(Zwei->geometry()))
                    ABefund.Ueberlappt.append(QStringLiteral("%1 %2 und %3 %4")
                                                  .arg(Name(Eins, AFenster), Rechteck(Lage), Name(Zwei, AFenster),
                                                       Rechteck(Zwei->geometry())));
            }
        }
    }
    const QScreen *Schirm = AFenster->screen();
    if (Schirm && !Schirm->geometry().contains(AFenster->frameGeometry()))
        ABefund.Bildschirm.append(QStringLiteral("Fenster %1 auf einem Bildschirm %2")
                                      .arg(Rechteck(AFenster->frameGeometry()), Rechteck(Schirm->geometry())));
}

bool IstTabStopp(const QWidget *AWidget, const QWidget *AFenster) {
    return AWidget != AFenster && AFenster->isAncestorOf(AWidget) && AWidget->isVisible() &&
           (AWidget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !AWidget->focusProxy();
}

// The focus chain from the first focus round to it, and where real Tab presses take the focus.
void TastaturUntersuchen(QWidget *AFenster, const TFall &AFall, TBefund &ABefund) {
    QWidget *Start = QApplication::focusWidget();
    if (!Start || Start->window() != AFenster) {
        ABefund.Kette.append(QStringLiteral("<kein Fokus im Fenster>"));
        return;
    }
    ABefund.Kette.append(Name(Start, AFenster));
    QWidget *Weiter = Start->nextInFocusChain();
    for (int Schritt = 0; Weiter != Start && Schritt < 1000; ++Schritt, Weiter = Weiter->nextInFocusChain())
        if (IstTabStopp(Weiter, AFenster))
            ABefund.Kette.append(Name(Weiter, AFenster));

    for (const QString &Stopp : AFall.Tabfolge) {
        const QWidget *Steuer = nullptr;
        for (const QWidget *Kind : AFenster->findChildren<QWidget *>())
            if (Kind->window() == AFenster && Name(Kind, AFenster) == Stopp)
                Steuer = Kind;
        if (Steuer && Steuer->isEnabled())
            ABefund.ErwarteteTasten.append(Stopp);
    }
    ABefund.Tastatur.append(Name(Start, AFenster));
    for (int Druck = 0; Druck < 60; ++Druck) {
        QWidget *Fokus = QApplication::focusWidget();
        if (!Fokus)
            break;
        QTest::keyClick(Fokus, Qt::Key_Tab);
        QWidget *Danach = QApplication::focusWidget();
        if (!Danach || Danach == Start || Danach->window() != AFenster)
            break;
        ABefund.Tastatur.append(Name(Danach, AFenster));
    }
}

void Abwarten() {
    for (int Runde = 0; Runde < 5; ++Runde)
        QCoreApplication::processEvents();
}

// The names of AIst that AErwartet lists, in the order of AIst.
QStringList Gefiltert(const QStringList &AIst, const QStringList &AErwartet) {
    QStringList Ergebnis;
    for (const QString &Name : AIst)
        if (AErwartet.contains(Name))
            Ergebnis.append(Name);
    return Ergebnis;
}

// AListe turned round so that it starts at AErster.
QStringList AbStart(const QStringList &AListe, const QString &AErster) {
    const qsizetype Pos = AListe.indexOf(AErster);
    if (Pos < 0)
        return AListe;
    return AListe.mid(Pos) + AListe.mid(0, Pos);
}
} // namespace

class TstGrosseSchrift : public THauptfixture {
    Q_OBJECT
public:
    // Runs before the application object exists: the offscreen platform gets its screen.
    static void initMain();

private slots:
    void initTestCase();
    void init() { Vorbereiten(); }
    void cleanup() { Aufraeumen(); }

    void fenster_data();
    void fenster();

private:
    std::unique_ptr<TForm1> MitSchriftStarten(int APunkte);
    // Opens the window of AFall on AForm, looks at it and cancels it with Escape.
    TBefund Oeffnen(TForm1 *AForm, const TFall &AFall, int APunkte, const QString &ABild);
    QString FotoOrdner() const;
};

void TstGrosseSchrift::initMain() {
    if (StandardSchirm())
        return;
    // The platform configuration must outlive the application; the folder goes at exit.
    static QTemporaryDir Ordner;
    const QJsonObject Schirm{{"name", "Gross"},      {"x", 0},         {"y", 0},
                             {"width", 1920},        {"height", 1080}, {"logicalDpi", 96},
                             {"logicalBaseDpi", 96}, {"dpr", 1.0}};
    const QJsonObject Konfiguration{{"windowFrameMargins", false}, {"screens", QJsonArray{Schirm}}};
    QFile Datei(Ordner.filePath(QStringLiteral("bildschirm.json")));
    if (!Datei.open(QIODevice::WriteOnly) || Datei.write(QJsonDocument(Konfiguration).toJson()) < 0)
        qFatal("Die Bildschirmbeschreibung kann nicht geschrieben werden.");
    Datei.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(Datei.fileName()));
}

void TstGrosseSchrift::initTestCase() {
    if (!QFontDatabase::families().contains(Schriftart))
        QSKIP("Die Schrift DejaVu Sans fehlt.");
    const QRect Schirm = QGuiApplication::primaryScreen()->geometry();
    qInfo("Bildschirm %dx%d", Schirm.width(), Schirm.height());
    if (!StandardSchirm())
        QCOMPARE(Schirm.size(), QSize(1920, 1080));
    QVERIFY(QDir().mkpath(FotoOrdner()));
}

QString TstGrosseSchrift::FotoOrdner() const {
    const QString Basis = QStringLiteral(STUNDOLOG_FOTOS);
    if (!StandardSchirm())
        return Basis;
    const QSize Schirm = QGuiApplication::primaryScreen()->geometry().size();
    return Basis + QStringLiteral("/%1x%2").arg(Schirm.width()).arg(Schirm.height());
}

std::unique_ptr<TForm1> TstGrosseSchrift::MitSchriftStarten(int APunkte) {
    KlasseAblegen(Hauptfixture::Klasse5a(), QStringLiteral("5a.SGV"));
    KlasseAblegen(Klasse(QStringLiteral("6b"), {{QStringLiteral("Englisch"), {{Hauptfixture::Maerz9, "Vokabeln"}}}}),
                  QStringLiteral("6b.SGV"));
    // The user font as the font dialog stores it.
    Hauptfixture::EinstellungSetzen(QStringLiteral("Filename"), QStringLiteral("5a.SGV 1"));
    Hauptfixture::EinstellungSetzen(QStringLiteral("FontName"), Schriftart);
    Hauptfixture::EinstellungSetzen(QStringLiteral("FontSize"), APunkte);
    auto Form = Starten(nullptr, Hauptfixture::Maerz16 + 2);
    if (!QTest::qWaitForWindowExposed(Form.get()) ||
        !QTest::qWaitFor([&Form] { return Form->Daten.Klasse == QStringLiteral("5a"); })) {
        qWarning("Das Hauptfenster kam nicht mit der Klasse hoch.");
        return nullptr;
    }
    Abwarten();
    return Form;
}

TBefund TstGrosseSchrift::Oeffnen(TForm1 *AForm, const TFall &AFall, int APunkte, const QString &ABild) {
    TBefund Befund;
    const auto Untersuchen = [&Befund, &AFall, APunkte, &ABild](QWidget *AFenster) {
        Befund.Klasse = QString::fromLatin1(AFenster->metaObject()->className());
        // The backup dialog looks for its volumes just after it shows.
        if (auto *Sichern = qobject_cast<TSichernForm *>(AFenster))
            if (!QTest::qWaitFor([Sichern] { return Sichern->ListBox1->count() > 0; }, 2000))
                Befund.Texte.append(QStringLiteral("die Datensicherung fand das Laufwerk nicht"));
        QTest::qWait(20);
        TexteUntersuchen(AFenster, APunkte, Befund);
        AnordnungUntersuchen(AFenster, Befund);
        if (!ABild.isEmpty())
            AFenster->grab().save(ABild);
        TastaturUntersuchen(AFenster, AFall, Befund);
        if (!AFall.Aktion)
            return;
        auto *Dialog = qobject_cast<QDialog *>(AFenster);
        if (Dialog)
            QObject::connect(Dialog, &QDialog::finished, Dialog,
                             [&Befund](int AErgebnis) { Befund.Ergebnis = AErgebnis; });
        QWidget *Fokus = QApplication::focusWidget();
        QTest::keyClick(Fokus && Fokus->window() == AFenster ? Fokus : AFenster, Qt::Key_Escape);
        QPointer<QWidget> Fenster(AFenster);
        Befund.Geschlossen = QTest::qWaitFor([Fenster] { return !Fenster || !Fenster->isVisible(); }, 1000);
        // A window that Escape left open is closed here, so that the command can end.
        if (!Befund.Geschlossen && Fenster)
            Fenster->close();
    };

    if (!AFall.Aktion) {
        Untersuchen(AForm);
        return Befund;
    }
    // A volume with a root as short as a stick's mount point ("/media/lehrer/STICK").
    QTemporaryDir Stick(QDir::tempPath() + QStringLiteral("/SXXXXXX"));
    if (auto *Sichern = AForm->SichernForm())
        Sichern->LaufwerksQuelle = [Wurzel = Stick.path() + QStringLiteral("/")] {
            TLaufwerk Laufwerk;
            Laufwerk.Wurzel = Wurzel;
            Laufwerk.Art = TLaufwerksArt::Wechsel;
            Laufwerk.Name = QStringLiteral("STICK");
            Laufwerk.BereitS = true;
            return QList<TLaufwerk>{Laufwerk};
        };

    TModalHelfer Helfer;
    Helfer.Dann(Untersuchen);
    AForm->UpdateMenus();
    QAction *Aktion = AForm->Aktion(QString::fromLatin1(AFall.Aktion));
    if (!Aktion || !Aktion->isEnabled()) {
        qWarning("Der Befehl %s ist nicht verfügbar.", AFall.Aktion);
        return Befund;
    }
    Aktion->trigger();
    if (!QTest::qWaitFor([&Helfer] { return Helfer.Offen() == 0; }, 5000))
        qWarning("Das Fenster von %s kam nicht.", AFall.Aktion);
    if (Helfer.Unerwartet > 0)
        Befund.Texte.append(QStringLiteral("unerwartete Fenster: %1").arg(Helfer.Texte.join(QStringLiteral("; "))));
    return Befund;
}

void TstGrosseSchrift::fenster_data() {
    QTest::addColumn<int>("Fall");
    QTest::addColumn<int>("Punkte");
    for (qsizetype Nr = 0; Nr < Faelle().size(); ++Nr)
        for (int Punkte : Punktgroessen)
            QTest::addRow("%s, %d pt", Faelle()[Nr].Name, Punkte) << static_cast<int>(Nr) << Punkte;
}

void TstGrosseSchrift::fenster() {
    QFETCH(int, Fall);
    QFETCH(int, Punkte);
    const TFall &Daten = Faelle()[Fall];
    auto Form = MitSchriftStarten(Punkte);
    QVERIFY(Form);
    QCOMPARE(Form->Schrift().Font.family(), Schriftart);
    QCOMPARE(Form->Schrift().Font.pointSize(), Punkte);

    const QString Bild = Punkte == 12 || Punkte == 36
                             ? FotoOrdner() + QStringLiteral("/%1pt-%2.png").arg(Punkte).arg(Daten.Name)
                             : QString();
    const TBefund Befund = Oeffnen(Form.get(), Daten, Punkte, Bild);
    QCOMPARE(Befund.Klasse, QString::fromLatin1(Daten.Klasse));
    if (!Bild.isEmpty())
        QVERIFY2(QFile::exists(Bild), qPrintable(Bild));

    // A known fault is expected and its findings are listed; every other finding of the row goes into one
    // message, so that one run shows them all.
    QStringList Funde;
    const auto Melden = [&Funde, &Daten, Punkte](TArt AArt, const QString &AWas, const QStringList &AListe) {
        QStringList Zeilen;
        for (const QString &Zeile : AListe)
            Zeilen.append(AWas + QStringLiteral(": ") + Zeile);
        if (const TBekannt *Fehler = Bekannt(QString::fromLatin1(Daten.Name), AArt, Punkte)) {
            for (const QString &Zeile : Zeilen)
                qInfo("bekannt: %s", qPrintable(Zeile));
            QEXPECT_FAIL("", Fehler->Grund, Continue);
            QVERIFY2(Zeilen.isEmpty(), qPrintable(AWas));
        } else {
            Funde += Zeilen;
        }
    };
    Melden(TArt::Text, QStringLiteral("Text passt nicht"), Befund.Texte);
    Melden(TArt::Schrift, QStringLiteral("Nicht in der Benutzerschrift"), Befund.Schrift);
    Melden(TArt::Eintrag, QStringLiteral("Listeneintrag abgeschnitten"), Befund.Eintraege);
    Melden(TArt::Ueberlappt, QStringLiteral("Überlappung"), Befund.Ueberlappt);
    Melden(TArt::Draussen, QStringLiteral("Außerhalb"), Befund.Draussen);
    Melden(TArt::Bildschirm, QStringLiteral("Größer als der Bildschirm"), Befund.Bildschirm);

    // The keyboard: the first focus, the configured chain and real Tab presses follow the documented order.
    const QStringList Erwartet = AbStart(Daten.Tabfolge, Daten.ErsterFokus);
    const QStringList Kette = Daten.NurReihenfolge ? Gefiltert(Befund.Kette, Daten.Tabfolge) : Befund.Kette;
    if (Kette != Erwartet)
        Funde.append(QStringLiteral("Tabreihenfolge: %1 statt %2")
                         .arg(Befund.Kette.join(QStringLiteral(", ")), Erwartet.join(QStringLiteral(", "))));
    const QStringList TastenErwartet = AbStart(Befund.ErwarteteTasten, Daten.ErsterFokus);
    const QStringList Tasten = Daten.NurReihenfolge ? Gefiltert(Befund.Tastatur, Daten.Tabfolge) : Befund.Tastatur;
    if (Tasten != TastenErwartet)
        Funde.append(QStringLiteral("Tab-Taste: %1 statt %2")
                         .arg(Befund.Tastatur.join(QStringLiteral(", ")), TastenErwartet.join(QStringLiteral(", "))));
    if (Daten.Aktion) {
        if (!Befund.Geschlossen)
            Funde.append(QStringLiteral("Escape schließt das Fenster nicht"));
        else if (Befund.Ergebnis != Daten.EscapeErgebnis)
            Funde.append(QStringLiteral("Escape endet mit %1 statt %2").arg(Befund.Ergebnis).arg(Daten.EscapeErgebnis));
    }
    QVERIFY2(Funde.isEmpty(), qPrintable(QStringLiteral("\n  ") + Funde.join(QStringLiteral("\n  "))));
}

QTEST_MAIN(TstGrosseSchrift)
#include "tst_grosseschrift.moc"
