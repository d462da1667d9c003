#pragma once

#include "data/Daten.h"
#include "data/Meldung.h"
#include "dialogs/Layout.h"

#include <QHash>
#include <QKeySequence>
#include <QMainWindow>
#include <QPointer>
#include <QUrl>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSettings;
class QTimer;
class THintergrundForm;
class TKlang;
class TBezeichnungForm;
class TFachlisteForm;
class TMeldungsFenster;
class TNeuForm;
class TReAnsichtForm;
class TSichernForm;
class TSuchenForm;
class TTextfenster;
class TVerschieblisteForm;
class TWochenlisteForm;

// Where the program finds its folders; the program passes the real ones, tests their own.
struct TOrte {
    QString ProgrammOrdner; // the program's folder, with a trailing "/"
    QString EigeneDateien;  // the personal documents folder with a trailing "/", empty when unknown
    static TOrte System();
};

// The main window: one open class, its current subject and week in four fields, and every command of the
// menus. Positions FachNr and EintragNr count from 1; 0 means none.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(const TOrte &AOrte = TOrte::System(), QWidget *AParent = nullptr);
    ~TForm1() override;

    // ---- the open class and the position in it ----
    TDaten Daten;     // the open class
    TDaten SaveDaten; // its copy as last loaded or saved

    QString Filename() const { return FFilename; }
    void SetFilename(const QString &AValue);
    int FachNr() const { return FFachNr; }
    void SetFachNr(int AValue);
    int EintragNr() const { return FEintragNr; }
    void SetEintragNr(int AValue);
    int EintragCount() const;

    void DatenInEdit();
    void EditInDaten();
    void SetReText(const QString &AValue);
    void SetStatusText(const QString &AValue);
    void SetStatusEintrag();
    void SetStatusStandardText();
    void WavAbspielen(const QString &AFilename, bool WaitS);
    void Speichern();
    void SetFocus(int ANr, bool SelStartS);

    // ---- settings ----
    void RegistryLadenSpeichern(bool LadenS);
    int HintergrundNr() const;
    void SetHintergrundNr(int AValue);
    void AktOrdner(int Nr, bool MeldungS);
    QString GetAktOrdner() const;
    const TSchrift &Schrift() const { return FSchrift; }
    QColor Hintergrund() const { return FHintergrund; }
    int StartFachNr() const { return FStartFachNr; }

    // ---- menus ----
    void UpdateMenus();
    void AktMenuUpdate();
    void DateiMenuUpdate();
    void SprungMenuUpdate();
    // The open handler of the four context menus.
    void PuMenusClick();
    // A command started by program code: runs only when its item is enabled at that moment.
    void Klick(QAction *AAktion);
    // Any action of the window by its item name ("MenuDateiSpeichern"), for the window's own users and tests.
    QAction *Aktion(const QString &AName) const;

    // ---- layout ----
    void SchriftartZuweisen();
    void SchalterEinrichten();
    void FensterEinrichten();
    void CaptionZuweisen();

    // Messages 1224 (to the front) and 1124 (close as "&Beenden") from another start or another program.
    void NachrichtVerarbeiten(int ANummer);

    // The fields, for the window's tests and the accessibility checks.
    QLabel *Label1, *Label2, *Label3, *Label4;
    QLineEdit *Edit1, *Edit2, *Edit3;
    QPlainTextEdit *RichEdit1;
    QPushButton *Button1, *Button2;
    QLabel *StatusPanel0, *StatusPanel1;
    TKlang *Klang() const { return FKlang; }
    THintergrundForm *HintergrundForm() const { return FHintergrundForm; }
    TWochenlisteForm *WochenlisteForm() const { return FWochenlisteForm; }
    TNeuForm *NeuForm() const { return FNeuForm; }
    TFachlisteForm *FachlisteForm() const { return FFachlisteForm; }
    TBezeichnungForm *BezeichnungForm() const { return FBezeichnungForm; }
    TVerschieblisteForm *VerschieblisteForm() const { return FVerschieblisteForm; }
    TSuchenForm *SuchenForm() const { return FSuchenForm; }
    TReAnsichtForm *ReAnsichtForm() const { return FReAnsichtForm; }
    TSichernForm *SichernForm() const { return FSichernForm; }

    // Today's day number; a test fixes it with HeuteFest (0: the system's date).
    qint32 HeuteTag() const;
    qint32 HeuteFest = 0;

    // The system's default beep; counted, so that the window's tests can tell that it beeped.
    void Piepen();
    int Piepser() const { return FPiepser; }

    // The largest number of characters the text field takes.
    static constexpr int MaxTextLaenge = 4096;

public slots:
    // ---- commands of the "&Datei" menu ----
    void MenuDateiSpeichernClick();
    void MenuDateiLadenClick();
    void MenuDateiCloseClick();
    void MenuDateiBeendenClick();
    // ---- "&Ansicht" and "&Einstellungen" ----
    void MenuAnsSchriftartClick();
    void MenuAnsHintergrundClick();
    void MenuEinstMenusClick(int ATag);
    void MenuEinstOrdnerClick(int ATag);
    // ---- "&Sprünge" ----
    void MenuSprungWocheWeiterClick();
    void MenuSprungWocheZurueckClick();
    void MenuSprungFachWeiterClick();
    void MenuSprungFachZurueckClick();
    void MenuSprungMonatWeiterClick();
    void MenuSprungMonatZurueckClick();
    void MenuSprungErsterClick();
    void MenuSprungLetzterClick();
    void MenuSprungGeheClick();
    // ---- "A&ktionen": new, switch, rename (the tag chooses the variant) ----
    void MenuAktNeueWocheClick(int ATag);
    void MenuAktWechselnClick();
    void MenuAktAendernFachKlasseClick(int ATag);
    // ---- "A&ktionen": move and delete ----
    void MenuAktVerschiebenClick();
    void MenuAktLoescheWocheClick(int ATag);
    // ---- search and the four overviews (the tag chooses the kind) ----
    void MenuAktSuchenClick();
    void MenuDateiDruckenWocheClick(int ATag);
    // ---- "Datens&icherung": back up (tag 1) and restore (tag 2) ----
    void MenuDatenMenusClick(int ATag);
    // ---- the two buttons ----
    void Button1Click();
    void Button2Click();
    // ---- "&Hilfe" ----
    void MenuHilfeClick();
    void MenuHilfeInfoClick();
    void MenuHilfeHomepageClick();
    void MenuHilfeUpdateClick();
    void MenuHilfeHistoryClick();
    void MenuHilfeMailClick();
    void MenuHilfeSpendenClick();

public:
    // The help menu's ways out of the program; tests put their own in. UrlOeffnen hands a web or mail address
    // to the desktop's handler, ProgrammStarten starts a program without waiting for it; neither result is
    // shown to the user except for the updater.
    static bool StandardUrlOeffnen(const QUrl &AUrl);
    static bool StandardProgrammStarten(const QString &AProgramm, const QStringList &AArgumente);
    std::function<bool(const QUrl &)> UrlOeffnen = StandardUrlOeffnen;
    std::function<bool(const QString &, const QStringList &)> ProgrammStarten = StandardProgrammStarten;
    // The temporary folder for the updater's hand-over file; empty: the system's.
    QString TempOrdner;
    QString UebergabeDatei() const;
    // The open window of the change list, or null.
    TTextfenster *HistoryFenster() const;

protected:
    void showEvent(QShowEvent *AEvent) override;
    void closeEvent(QCloseEvent *AEvent) override;
    void resizeEvent(QResizeEvent *AEvent) override;
    void moveEvent(QMoveEvent *AEvent) override;
    bool eventFilter(QObject *AObjekt, QEvent *AEvent) override;

private:
    void FormCreate();
    void FormShow();
    void Timer1Timer();
    bool FormCloseQuery();
    void FormClose();
    bool SpeicherFrageOk(); // the save question: false for Cancel
    // Opens the class file APfad in place of the open class, after the save question when the open class has
    // unsaved changes (Yes saves it; when that is the file to open, what was just saved is opened). Nothing
    // changes when the file cannot be read or the question is cancelled. The position is the caller's.
    // The data folder holds no class file: says so, and with no class open offers to create one.
    void KeineKlasseMelden();
    enum class TKlassenOeffnen { Geladen, NichtGeladen, Abgebrochen };
    TKlassenOeffnen KlasseOeffnen(const QString &APfad);
    bool HatFilenameTeil(const QString &APfad) const;
    QString OrdnerTeil(const QString &APfad) const;

    void MenuesAnlegen();
    void KontextmenuesAnlegen();
    QAction *Punkt(QMenu *AMenu, const char *AName, const QString &ACaption, const QKeySequence &AKuerzel = {},
                   int ATag = 0);
    void BeschleunigerSetzen(QMenu *AMenu);
    bool KuerzelAusfuehren(QWidget *AZiel, const QKeySequence &ATaste);
    void Edit1KeyDown(QLineEdit *AFeld, QKeyEvent *AEvent, bool &AVerbraucht);
    void TextGeaendert(int APosition, int AEntfernt, int AEingefuegt);
    void ArbeitsbereichAnpassen();
    // The application font (menus, tooltips, message boxes, the system's dialogs) in the user font's face and size.
    void AnwendungsschriftSetzen();
    // After a new status text: places the panels, or lays the window out again when the text needs another number
    // of lines.
    void StatuszeileAnpassen();
    bool StatusPanelsPlatziertOk();
    void FokusAnsagen(QWidget *AFeld);

    TOrte FOrte;
    QString FFilename;
    int FFachNr = 0;
    int FEintragNr = 0;
    int FStartFachNr = 0;
    bool IsClosing = false;
    bool FGezeigt = false;
    bool FTextWirdGeaendert = false;
    int FPiepser = 0;
    TSchrift FSchrift;
    QFont FAnwendungsschrift;        // the application font as the window found it; it gets it back when it goes
    QSize FRahmen;                   // the window manager's frame around the window, as last seen
    quint32 FFontColor = 0xFF000008; // the font colour as stored: 0x00BBGGRR, or a system colour
    int FFontCharSet = 0;
    QColor FHintergrund;
    QTimer *Timer1;
    TKlang *FKlang;
    THintergrundForm *FHintergrundForm;
    TWochenlisteForm *FWochenlisteForm;
    TNeuForm *FNeuForm;
    TFachlisteForm *FFachlisteForm;
    TBezeichnungForm *FBezeichnungForm;
    TVerschieblisteForm *FVerschieblisteForm;
    TSuchenForm *FSuchenForm;
    TReAnsichtForm *FReAnsichtForm;
    TSichernForm *FSichernForm;
    std::unique_ptr<TMeldungsFenster> FMeldungsFenster;
    QPointer<TTextfenster> FHistoryFenster;
    TMeldungsZiel *FVorherigesMeldungsZiel = nullptr;

    // The headings and context menus, and every action by item name.
    QMenu *MenuDatei, *MenuDateiDrucken, *MenuSprung, *MenuAkt, *MenuDaten, *MenuAns, *MenuEinst, *MenuHilfe;
    QMenu *PuMenuE1, *PuMenuE2, *PuMenuE3, *PuMenuRe;
    QHash<QString, QAction *> FAktionen;
    // Main-menu shortcuts with the heading whose handler runs first; context-menu shortcuts with their field.
    struct TKuerzel {
        QAction *Aktion;
        QMenu *Kopf; // the heading (or context menu) whose open handler runs first
        QWidget *Feld; // for a context menu: the field that must have the focus
    };
    QList<TKuerzel> FKuerzel;

public:
    // The items of the menus, named as the menu items.
    QAction *MenuDateiSpeichern, *MenuDateiLaden, *MenuDateiDruckenWoche, *MenuDateiDruckenMonat,
        *MenuDateiDruckenAlle, *MenuDateiDruckenFach, *MenuDateiClose, *MenuDateiBeenden;
    QAction *MenuSprungWocheWeiter, *MenuSprungWocheZurueck, *MenuSprungFachWeiter, *MenuSprungFachZurueck,
        *MenuSprungMonatWeiter, *MenuSprungMonatZurueck, *MenuSprungErster, *MenuSprungLetzter, *MenuSprungGehe;
    QAction *MenuAktNeueWoche, *MenuAktNeuesFach, *MenuAktNeueKlasse, *MenuAktWoche, *MenuAktMonat, *MenuAktAlle,
        *MenuAktFach, *MenuAktWechseln, *MenuAktAendernFach, *MenuAktAendernKlasse, *MenuAktVerschieben,
        *MenuAktLoescheWoche, *MenuAktLoescheFach, *MenuAktLoescheKlasse, *MenuAktSuchen;
    QAction *MenuDatenSichern, *MenuDatenWiederherstellen;
    QAction *MenuAnsSchriftart, *MenuAnsHintergrund;
    QAction *MenuEinstOeffnen, *MenuEinstSounds, *MenuEinstWochendatum, *MenuEinstSik, *MenuEinstEigeneDateien,
        *MenuEinstProgrammordner;
    QAction *MenuHilfeInfo, *MenuHilfeHomepage, *MenuHilfeUpdate, *MenuHilfeHistory, *MenuHilfeMail,
        *MenuHilfeSpenden;
    QAction *PuE1NeueKlasse, *PuE1AendernKlasse, *PuE2NeuesFach, *PuE2AendernFach, *PuE3NeueWoche, *PuE3Verschieben,
        *PuE3Wochendatum;
    QAction *PuReKopieren, *PuReAusschneiden, *PuReEinfuegen, *PuReAllesMarkieren, *PuReRueck;
};
