// The main window's menus: the menu tree with its shortcuts, the context menus of the four fields, the
// enabling rules, and how shortcuts reach their commands.

#include "app/Haupt.h"

#include "app/Beschleuniger.h"
#include "data/Kalender.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>

namespace {
// The designed caption of an item; the shown one gets its accelerator completed each time its menu opens.
const char *const EntwurfEigenschaft = "Entwurf";
} // namespace

QAction *TForm1::Punkt(QMenu *AMenu, const char *AName, const QString &ACaption, const QKeySequence &AKuerzel,
                       int ATag) {
    auto *Neu = new QAction(ACaption, this);
    Neu->setObjectName(QString::fromLatin1(AName));
    Neu->setProperty(EntwurfEigenschaft, ACaption);
    Neu->setData(ATag);
    if (!AKuerzel.isEmpty()) {
        // The menu shows the shortcut and a screen reader reads it as the item's key binding; the key itself is
        // routed by eventFilter, which runs the heading's update first.
        Neu->setShortcut(AKuerzel);
        Neu->setShortcutContext(Qt::WidgetShortcut);
    }
    AMenu->addAction(Neu);
    FAktionen.insert(Neu->objectName(), Neu);
    return Neu;
}

QAction *TForm1::Aktion(const QString &AName) const { return FAktionen.value(AName); }

void TForm1::MenuesAnlegen() {
    QMenuBar *Leiste = menuBar();
    const auto Kopf = [&](const char *AName, const QString &ACaption) {
        QMenu *Menue = Leiste->addMenu(ACaption);
        Menue->setObjectName(QString::fromLatin1(AName));
        Menue->menuAction()->setObjectName(QString::fromLatin1(AName));
        return Menue;
    };

    MenuDatei = Kopf("MenuDatei", QStringLiteral("&Datei"));
    MenuDateiSpeichern = Punkt(MenuDatei, "MenuDateiSpeichern", QStringLiteral("&Speichern"), QKeySequence(Qt::CTRL | Qt::Key_S));
    MenuDateiLaden = Punkt(MenuDatei, "MenuDateiLaden", QStringLiteral("&Laden..."), QKeySequence(Qt::CTRL | Qt::Key_L));
    MenuDateiDrucken = MenuDatei->addMenu(QStringLiteral("&Drucken"));
    MenuDateiDrucken->setObjectName(QStringLiteral("MenuDateiDrucken"));
    MenuDateiDrucken->menuAction()->setObjectName(QStringLiteral("MenuDateiDrucken"));
    MenuDateiDrucken->menuAction()->setProperty(EntwurfEigenschaft, QStringLiteral("&Drucken"));
    MenuDateiDruckenWoche = Punkt(MenuDateiDrucken, "MenuDateiDruckenWoche", QStringLiteral("Übersicht einer &Woche..."), {}, 1);
    MenuDateiDruckenMonat = Punkt(MenuDateiDrucken, "MenuDateiDruckenMonat", QStringLiteral("Übersicht eines &Monats..."), {}, 2);
    MenuDateiDruckenAlle = Punkt(MenuDateiDrucken, "MenuDateiDruckenAlle", QStringLiteral("Übersicht &aller Wochen..."), {}, 3);
    MenuDateiDruckenFach = Punkt(MenuDateiDrucken, "MenuDateiDruckenFach", QStringLiteral("Übersicht aller Wochen und &Fächer..."), {}, 4);
    MenuDateiClose = Punkt(MenuDatei, "MenuDateiClose", QStringLiteral("Schließen"), QKeySequence(Qt::CTRL | Qt::Key_F4));
    MenuDateiBeenden = Punkt(MenuDatei, "MenuDateiBeenden", QStringLiteral("&Beenden"), QKeySequence(Qt::ALT | Qt::Key_F4));

    MenuSprung = Kopf("MenuSprung", QStringLiteral("&Sprünge"));
    MenuSprungWocheWeiter = Punkt(MenuSprung, "MenuSprungWocheWeiter", QStringLiteral("&Nächste Woche"), QKeySequence(Qt::CTRL | Qt::Key_Right));
    MenuSprungWocheZurueck = Punkt(MenuSprung, "MenuSprungWocheZurueck", QStringLiteral("&Vorherige Woche"), QKeySequence(Qt::CTRL | Qt::Key_Left));
    MenuSprungFachWeiter = Punkt(MenuSprung, "MenuSprungFachWeiter", QStringLiteral("Nächstes Fach"), QKeySequence(Qt::CTRL | Qt::Key_Up));
    MenuSprungFachZurueck = Punkt(MenuSprung, "MenuSprungFachZurueck", QStringLiteral("Vorheriges Fach"), QKeySequence(Qt::CTRL | Qt::Key_Down));
    MenuSprungMonatWeiter = Punkt(MenuSprung, "MenuSprungMonatWeiter", QStringLiteral("Nächster Monat"), QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    MenuSprungMonatZurueck = Punkt(MenuSprung, "MenuSprungMonatZurueck", QStringLiteral("Vorheriger Monat"), QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    MenuSprungErster = Punkt(MenuSprung, "MenuSprungErster", QStringLiteral("&Erster Eintrag"), QKeySequence(Qt::ALT | Qt::Key_Home));
    MenuSprungLetzter = Punkt(MenuSprung, "MenuSprungLetzter", QStringLiteral("&Letzter Eintrag"), QKeySequence(Qt::ALT | Qt::Key_End));
    MenuSprungGehe = Punkt(MenuSprung, "MenuSprungGehe", QStringLiteral("&Gehe zu Woche..."), QKeySequence(Qt::CTRL | Qt::Key_G));

    MenuAkt = Kopf("MenuAkt", QStringLiteral("A&ktionen"));
    MenuAktNeueWoche = Punkt(MenuAkt, "MenuAktNeueWoche", QStringLiteral("Neue &Woche erstellen..."), QKeySequence(Qt::CTRL | Qt::Key_W), 1);
    MenuAktNeuesFach = Punkt(MenuAkt, "MenuAktNeuesFach", QStringLiteral("&Neues Fach erstellen..."), QKeySequence(Qt::CTRL | Qt::Key_N), 2);
    MenuAktNeueKlasse = Punkt(MenuAkt, "MenuAktNeueKlasse", QStringLiteral("Neue Klasse erstellen..."), QKeySequence(Qt::Key_F4), 3);
    MenuAktWoche = Punkt(MenuAkt, "MenuAktWoche", QStringLiteral("Übersicht einer &Woche..."), QKeySequence(Qt::Key_F5), 1);
    MenuAktMonat = Punkt(MenuAkt, "MenuAktMonat", QStringLiteral("Übersicht eines &Monats..."), QKeySequence(Qt::Key_F6), 2);
    MenuAktAlle = Punkt(MenuAkt, "MenuAktAlle", QStringLiteral("Übersicht &aller Wochen..."), QKeySequence(Qt::Key_F7), 3);
    MenuAktFach = Punkt(MenuAkt, "MenuAktFach", QStringLiteral("Übersicht aller Wochen und &Fächer..."), QKeySequence(Qt::Key_F8), 4);
    MenuAktWechseln = Punkt(MenuAkt, "MenuAktWechseln", QStringLiteral("&Klasse/Fach wechseln..."), QKeySequence(Qt::CTRL | Qt::Key_K));
    MenuAktAendernFach = Punkt(MenuAkt, "MenuAktAendernFach", QStringLiteral("Fachbezeichnung ändern..."), {}, 1);
    MenuAktAendernKlasse = Punkt(MenuAkt, "MenuAktAendernKlasse", QStringLiteral("Klassenbezeichnung ändern..."), {}, 2);
    MenuAktVerschieben = Punkt(MenuAkt, "MenuAktVerschieben", QStringLiteral("Woche &verschieben..."), QKeySequence(Qt::Key_F9));
    MenuAktLoescheWoche = Punkt(MenuAkt, "MenuAktLoescheWoche", QStringLiteral("&Lösche aktuelle Woche"), QKeySequence(Qt::CTRL | Qt::Key_Delete), 1);
    MenuAktLoescheFach = Punkt(MenuAkt, "MenuAktLoescheFach", QStringLiteral("Lösche aktuelles Fach"), QKeySequence(Qt::Key_F12), 2);
    MenuAktLoescheKlasse = Punkt(MenuAkt, "MenuAktLoescheKlasse", QStringLiteral("Lösche aktuelle Klasse"), QKeySequence(Qt::CTRL | Qt::Key_F12), 3);
    MenuAktSuchen = Punkt(MenuAkt, "MenuAktSuchen", QStringLiteral("Suche nach &Text im Stundolog..."), QKeySequence(Qt::CTRL | Qt::Key_F));

    MenuDaten = Kopf("MenuDaten", QStringLiteral("Datens&icherung"));
    MenuDatenSichern = Punkt(MenuDaten, "MenuDatenSichern", QStringLiteral("Datendateien &sichern nach..."), QKeySequence(Qt::Key_F2), 1);
    MenuDatenWiederherstellen = Punkt(MenuDaten, "MenuDatenWiederherstellen", QStringLiteral("Datendateien &wiederherstellen von..."), QKeySequence(Qt::Key_F3), 2);

    MenuAns = Kopf("MenuAns", QStringLiteral("&Ansicht"));
    MenuAnsSchriftart = Punkt(MenuAns, "MenuAnsSchriftart", QStringLiteral("&Schriftart..."));
    MenuAnsHintergrund = Punkt(MenuAns, "MenuAnsHintergrund", QStringLiteral("Schrift&hintergrund..."));

    MenuEinst = Kopf("MenuEinst", QStringLiteral("&Einstellungen"));
    MenuEinstOeffnen = Punkt(MenuEinst, "MenuEinstOeffnen", QStringLiteral("Zuletzt geöffnete Klasse/Fach beim Programmstart laden ein"), {}, 1);
    MenuEinstSounds = Punkt(MenuEinst, "MenuEinstSounds", QStringLiteral("Sounds ein"), {}, 2);
    MenuEinstWochendatum = Punkt(MenuEinst, "MenuEinstWochendatum", QStringLiteral("Kalenderwochen mit Datum anzeigen ein"), {}, 3);
    MenuEinstSik = Punkt(MenuEinst, "MenuEinstSik", QStringLiteral("Sicherungsdatei beim Speichern erstellen ein"), {}, 4);
    MenuEinst->addSeparator()->setObjectName(QStringLiteral("MenuEinstStrich"));
    MenuEinstEigeneDateien = Punkt(MenuEinst, "MenuEinstEigeneDateien", QStringLiteral("Datenspeicherung: &Eigene Dateien/Eigene Dokumente"), {}, 1);
    MenuEinstProgrammordner = Punkt(MenuEinst, "MenuEinstProgrammordner", QStringLiteral("Datenspeicherung: &Programmordner"), {}, 2);
    for (QAction *Option : {MenuEinstOeffnen, MenuEinstSounds, MenuEinstWochendatum, MenuEinstSik, MenuEinstEigeneDateien,
                            MenuEinstProgrammordner})
        Option->setCheckable(true);
    // A radio pair; the program sets and clears the marks itself (a choice can be taken back).
    auto *OrdnerGruppe = new QActionGroup(this);
    OrdnerGruppe->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    OrdnerGruppe->addAction(MenuEinstEigeneDateien);
    OrdnerGruppe->addAction(MenuEinstProgrammordner);

    MenuHilfe = Kopf("MenuHilfe", QStringLiteral("&Hilfe"));
    MenuHilfeInfo = Punkt(MenuHilfe, "MenuHilfeInfo", QStringLiteral("Programm-&Info"));
    MenuHilfeHomepage = Punkt(MenuHilfe, "MenuHilfeHomepage", QStringLiteral("Programm-Home&page..."));
    MenuHilfeUpdate = Punkt(MenuHilfe, "MenuHilfeUpdate", QStringLiteral("Programm-&Aktualisierung..."));
    MenuHilfeHistory = Punkt(MenuHilfe, "MenuHilfeHistory", QStringLiteral("Programm-&Änderungen..."));
    MenuHilfeMail = Punkt(MenuHilfe, "MenuHilfeMail", QStringLiteral("&Mail an den Programmierer..."));
    MenuHilfeSpenden = Punkt(MenuHilfe, "MenuHilfeSpenden", QStringLiteral("&Spenden..."));

    // Every heading brings the enabling rules up to date before it shows its items.
    for (QMenu *Menue : {MenuDatei, MenuSprung, MenuAkt, MenuDaten, MenuEinst})
        connect(Menue, &QMenu::aboutToShow, this, &TForm1::UpdateMenus);
    for (QMenu *Menue : {MenuDatei, MenuDateiDrucken, MenuSprung, MenuAkt, MenuDaten, MenuAns, MenuEinst, MenuHilfe})
        connect(Menue, &QMenu::aboutToShow, this, [this, Menue] { BeschleunigerSetzen(Menue); });
    BeschleunigerSetzen(nullptr);

    // The commands of this window; the others come with their dialogs.
    connect(MenuDateiSpeichern, &QAction::triggered, this, &TForm1::MenuDateiSpeichernClick);
    connect(MenuDateiLaden, &QAction::triggered, this, &TForm1::MenuDateiLadenClick);
    connect(MenuDateiClose, &QAction::triggered, this, &TForm1::MenuDateiCloseClick);
    connect(MenuDateiBeenden, &QAction::triggered, this, &TForm1::MenuDateiBeendenClick);
    connect(MenuSprungWocheWeiter, &QAction::triggered, this, &TForm1::MenuSprungWocheWeiterClick);
    connect(MenuSprungWocheZurueck, &QAction::triggered, this, &TForm1::MenuSprungWocheZurueckClick);
    connect(MenuSprungFachWeiter, &QAction::triggered, this, &TForm1::MenuSprungFachWeiterClick);
    connect(MenuSprungFachZurueck, &QAction::triggered, this, &TForm1::MenuSprungFachZurueckClick);
    connect(MenuSprungMonatWeiter, &QAction::triggered, this, &TForm1::MenuSprungMonatWeiterClick);
    connect(MenuSprungMonatZurueck, &QAction::triggered, this, &TForm1::MenuSprungMonatZurueckClick);
    connect(MenuSprungErster, &QAction::triggered, this, &TForm1::MenuSprungErsterClick);
    connect(MenuSprungLetzter, &QAction::triggered, this, &TForm1::MenuSprungLetzterClick);
    connect(MenuSprungGehe, &QAction::triggered, this, &TForm1::MenuSprungGeheClick);
    for (QAction *Neu : {MenuAktNeueWoche, MenuAktNeuesFach, MenuAktNeueKlasse})
        connect(Neu, &QAction::triggered, this, [this, Neu](bool) { MenuAktNeueWocheClick(Neu->data().toInt()); });
    connect(MenuAktWechseln, &QAction::triggered, this, &TForm1::MenuAktWechselnClick);
    for (QAction *Aendern : {MenuAktAendernFach, MenuAktAendernKlasse})
        connect(Aendern, &QAction::triggered, this,
                [this, Aendern](bool) { MenuAktAendernFachKlasseClick(Aendern->data().toInt()); });
    connect(MenuAktVerschieben, &QAction::triggered, this, &TForm1::MenuAktVerschiebenClick);
    for (QAction *Loeschen : {MenuAktLoescheWoche, MenuAktLoescheFach, MenuAktLoescheKlasse})
        connect(Loeschen, &QAction::triggered, this,
                [this, Loeschen](bool) { MenuAktLoescheWocheClick(Loeschen->data().toInt()); });
    connect(MenuAktSuchen, &QAction::triggered, this, &TForm1::MenuAktSuchenClick);
    for (QAction *Uebersicht : {MenuAktWoche, MenuAktMonat, MenuAktAlle, MenuAktFach, MenuDateiDruckenWoche,
                                MenuDateiDruckenMonat, MenuDateiDruckenAlle, MenuDateiDruckenFach})
        connect(Uebersicht, &QAction::triggered, this,
                [this, Uebersicht](bool) { MenuDateiDruckenWocheClick(Uebersicht->data().toInt()); });
    for (QAction *Sicherung : {MenuDatenSichern, MenuDatenWiederherstellen})
        connect(Sicherung, &QAction::triggered, this,
                [this, Sicherung](bool) { MenuDatenMenusClick(Sicherung->data().toInt()); });
    connect(MenuAnsSchriftart, &QAction::triggered, this, &TForm1::MenuAnsSchriftartClick);
    connect(MenuAnsHintergrund, &QAction::triggered, this, &TForm1::MenuAnsHintergrundClick);
    for (QAction *Option : {MenuEinstOeffnen, MenuEinstSounds, MenuEinstWochendatum, MenuEinstSik}) {
        // The mark is inverted by the handler, as for the context menu's twin, not by Qt.
        Option->setCheckable(true);
        connect(Option, &QAction::triggered, this, [this, Option](bool) {
            Option->setChecked(!Option->isChecked());
            MenuEinstMenusClick(Option->data().toInt());
        });
    }
    for (QAction *Ordner : {MenuEinstEigeneDateien, MenuEinstProgrammordner})
        connect(Ordner, &QAction::triggered, this, [this, Ordner](bool) {
            Ordner->setChecked(!Ordner->isChecked());
            MenuEinstOrdnerClick(Ordner->data().toInt());
        });
    // The help heading has rules of its own: what lies beside the program decides.
    connect(MenuHilfe, &QMenu::aboutToShow, this, &TForm1::MenuHilfeClick);
    connect(MenuHilfeInfo, &QAction::triggered, this, &TForm1::MenuHilfeInfoClick);
    connect(MenuHilfeHomepage, &QAction::triggered, this, &TForm1::MenuHilfeHomepageClick);
    connect(MenuHilfeUpdate, &QAction::triggered, this, &TForm1::MenuHilfeUpdateClick);
    connect(MenuHilfeHistory, &QAction::triggered, this, &TForm1::MenuHilfeHistoryClick);
    connect(MenuHilfeMail, &QAction::triggered, this, &TForm1::MenuHilfeMailClick);
    connect(MenuHilfeSpenden, &QAction::triggered, this, &TForm1::MenuHilfeSpendenClick);

    for (QMenu *Menue : {MenuDatei, MenuDateiDrucken, MenuSprung, MenuAkt, MenuDaten, MenuAns, MenuEinst, MenuHilfe}) {
        QMenu *Kopfmenue = Menue == MenuDateiDrucken ? MenuDatei : Menue;
        for (QAction *Eintrag : Menue->actions())
            if (!Eintrag->shortcut().isEmpty())
                FKuerzel.append({Eintrag, Kopfmenue, nullptr});
    }
}

void TForm1::KontextmenuesAnlegen() {
    const auto Kontext = [&](const char *AName, QWidget *AFeld) {
        auto *Menue = new QMenu(this);
        Menue->setObjectName(QString::fromLatin1(AName));
        AFeld->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(AFeld, &QWidget::customContextMenuRequested, this, [Menue, AFeld](const QPoint &APunkt) {
            Menue->exec(AFeld->mapToGlobal(APunkt));
        });
        connect(Menue, &QMenu::aboutToShow, this, &TForm1::PuMenusClick);
        connect(Menue, &QMenu::aboutToShow, this, [this, Menue] { BeschleunigerSetzen(Menue); });
        return Menue;
    };
    PuMenuE1 = Kontext("PuMenuE1", Edit1);
    PuE1NeueKlasse = Punkt(PuMenuE1, "PuE1NeueKlasse", QStringLiteral("Neue Klasse erstellen..."), {}, 3);
    PuE1AendernKlasse = Punkt(PuMenuE1, "PuE1AendernKlasse", QStringLiteral("Klassenbezeichnung ändern..."), {}, 2);
    PuMenuE2 = Kontext("PuMenuE2", Edit2);
    PuE2NeuesFach = Punkt(PuMenuE2, "PuE2NeuesFach", QStringLiteral("Neues Fach erstellen..."), {}, 2);
    PuE2AendernFach = Punkt(PuMenuE2, "PuE2AendernFach", QStringLiteral("Fachbezeichnung ändern..."), {}, 1);
    PuMenuE3 = Kontext("PuMenuE3", Edit3);
    PuE3NeueWoche = Punkt(PuMenuE3, "PuE3NeueWoche", QStringLiteral("Neue Woche erstellen..."), {}, 1);
    PuE3Verschieben = Punkt(PuMenuE3, "PuE3Verschieben", QStringLiteral("Woche verschieben..."));
    PuE3Wochendatum = Punkt(PuMenuE3, "PuE3Wochendatum", QStringLiteral("Kalenderwochen mit Datum anzeigen ein"), {}, 3);
    PuE3Wochendatum->setCheckable(true);
    // The context menus run the commands' own handlers with their items' tags.
    connect(PuE3Verschieben, &QAction::triggered, this, &TForm1::MenuAktVerschiebenClick);
    for (QAction *Neu : {PuE1NeueKlasse, PuE2NeuesFach, PuE3NeueWoche})
        connect(Neu, &QAction::triggered, this, [this, Neu](bool) { MenuAktNeueWocheClick(Neu->data().toInt()); });
    for (QAction *Aendern : {PuE1AendernKlasse, PuE2AendernFach})
        connect(Aendern, &QAction::triggered, this,
                [this, Aendern](bool) { MenuAktAendernFachKlasseClick(Aendern->data().toInt()); });
    connect(PuE3Wochendatum, &QAction::triggered, this, [this](bool) { MenuEinstMenusClick(3); });
    PuMenuRe = Kontext("PuMenuRe", RichEdit1);
    PuReKopieren = Punkt(PuMenuRe, "PuReKopieren", QStringLiteral("Kopieren"), QKeySequence(Qt::CTRL | Qt::Key_C));
    PuReAusschneiden = Punkt(PuMenuRe, "PuReAusschneiden", QStringLiteral("Ausschneiden"), QKeySequence(Qt::CTRL | Qt::Key_X));
    PuReEinfuegen = Punkt(PuMenuRe, "PuReEinfuegen", QStringLiteral("Einfügen"), QKeySequence(Qt::CTRL | Qt::Key_V));
    PuReAllesMarkieren = Punkt(PuMenuRe, "PuReAllesMarkieren", QStringLiteral("Alles &markieren"), QKeySequence(Qt::CTRL | Qt::Key_A));
    PuReRueck = Punkt(PuMenuRe, "PuReRueck", QStringLiteral("Rückgängig"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(PuReKopieren, &QAction::triggered, RichEdit1, &QPlainTextEdit::copy);
    connect(PuReAusschneiden, &QAction::triggered, RichEdit1, &QPlainTextEdit::cut);
    connect(PuReEinfuegen, &QAction::triggered, RichEdit1, &QPlainTextEdit::paste);
    connect(PuReAllesMarkieren, &QAction::triggered, RichEdit1, &QPlainTextEdit::selectAll);
    connect(PuReRueck, &QAction::triggered, RichEdit1, &QPlainTextEdit::undo);
    for (QAction *Eintrag : PuMenuRe->actions())
        FKuerzel.append({Eintrag, PuMenuRe, RichEdit1});
}

void TForm1::BeschleunigerSetzen(QMenu *AMenu) {
    // Without a menu: the menu bar's headings.
    QList<QAction *> Eintraege = AMenu ? AMenu->actions() : menuBar()->actions();
    QStringList Captions;
    for (QAction *Eintrag : Eintraege) {
        const QVariant Entwurf = Eintrag->property(EntwurfEigenschaft);
        Captions.append(Eintrag->isSeparator() ? QStringLiteral("-")
                                               : Entwurf.isValid() ? Entwurf.toString() : Eintrag->text());
        if (!Entwurf.isValid() && !Eintrag->isSeparator())
            Eintrag->setProperty(EntwurfEigenschaft, Eintrag->text());
    }
    const QStringList Fertig = BeschleunigerVervollstaendigen(Captions);
    for (qsizetype Nr = 0; Nr < Eintraege.size(); ++Nr)
        if (!Eintraege[Nr]->isSeparator())
            Eintraege[Nr]->setText(Fertig.at(Nr));
}

// ---------------------------------------------------------------------------------------------------------
// Enabling rules

void TForm1::UpdateMenus() {
    AktMenuUpdate();
    DateiMenuUpdate();
    SprungMenuUpdate();
}

void TForm1::AktMenuUpdate() {
    EditInDaten();
    const bool Faecher = Daten.Count() > 0;
    const bool Eintrag = FEintragNr > 0;
    for (QAction *Uebersicht : {MenuAktWoche, MenuAktMonat, MenuAktAlle, MenuAktFach})
        Uebersicht->setEnabled(Eintrag);
    MenuAktAendernFach->setEnabled(FFachNr > 0);
    MenuAktAendernKlasse->setEnabled(Faecher);
    MenuAktVerschieben->setEnabled(Eintrag);
    MenuAktLoescheWoche->setEnabled(Eintrag);
    MenuAktLoescheFach->setEnabled(FFachNr > 0);
    MenuAktLoescheKlasse->setEnabled(Faecher);
    MenuAktSuchen->setEnabled(EintragCount() > 0);
}

void TForm1::DateiMenuUpdate() {
    EditInDaten();
    const bool Faecher = Daten.Count() > 0;
    MenuDateiSpeichern->setEnabled(!Daten.Ident(SaveDaten));
    MenuDateiDrucken->menuAction()->setEnabled(Faecher);
    MenuDateiClose->setEnabled(Faecher);
}

void TForm1::SprungMenuUpdate() {
    EditInDaten();
    const bool Wochen = EintragCount() > 0;
    for (QAction *Woche : {MenuSprungWocheWeiter, MenuSprungWocheZurueck, MenuSprungMonatWeiter, MenuSprungMonatZurueck,
                           MenuSprungErster, MenuSprungLetzter, MenuSprungGehe})
        Woche->setEnabled(Wochen);
    MenuSprungFachWeiter->setEnabled(Daten.Count() > 0);
    MenuSprungFachZurueck->setEnabled(Daten.Count() > 0);
}

void TForm1::PuMenusClick() {
    UpdateMenus();
    PuE1AendernKlasse->setEnabled(MenuAktAendernKlasse->isEnabled());
    PuE1NeueKlasse->setEnabled(MenuAktNeueKlasse->isEnabled());
    PuE2AendernFach->setEnabled(MenuAktAendernFach->isEnabled());
    PuE2NeuesFach->setEnabled(MenuAktNeuesFach->isEnabled());
    PuE3Verschieben->setEnabled(MenuAktVerschieben->isEnabled());
    PuE3NeueWoche->setEnabled(MenuAktNeueWoche->isEnabled());
    PuE3Wochendatum->setChecked(Wochendatum());
    const bool Auswahl = RichEdit1->textCursor().hasSelection();
    const bool Schreibbar = !RichEdit1->isReadOnly();
    const QMimeData *Ablage = QApplication::clipboard()->mimeData();
    PuReKopieren->setEnabled(Auswahl);
    PuReEinfuegen->setEnabled(Ablage && Ablage->hasText() && Schreibbar);
    PuReAusschneiden->setEnabled(Auswahl && Schreibbar);
    PuReAllesMarkieren->setEnabled(!RichEdit1->document()->isEmpty());
    PuReRueck->setEnabled(RichEdit1->document()->isUndoAvailable() && Schreibbar);
}

void TForm1::Klick(QAction *AAktion) {
    if (AAktion && AAktion->isEnabled())
        AAktion->trigger();
}

// ---------------------------------------------------------------------------------------------------------
// Keys: shortcuts first run their heading's update, then their command if it is enabled; the key never
// reaches the field. Up and Down move between the read-only fields.

bool TForm1::KuerzelAusfuehren(QWidget *AZiel, const QKeySequence &ATaste) {
    for (const TKuerzel &Kuerzel : std::as_const(FKuerzel)) {
        if (Kuerzel.Aktion->shortcut() != ATaste)
            continue;
        if (Kuerzel.Feld && Kuerzel.Feld != AZiel)
            continue;
        if (Kuerzel.Feld)
            PuMenusClick();
        else if (Kuerzel.Kopf != MenuAns && Kuerzel.Kopf != MenuHilfe)
            UpdateMenus();
        Klick(Kuerzel.Aktion);
        return true;
    }
    return false;
}

bool TForm1::eventFilter(QObject *AObjekt, QEvent *AEvent) {
    if (AEvent->type() != QEvent::ShortcutOverride && AEvent->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(AObjekt, AEvent);
    auto *Taste = static_cast<QKeyEvent *>(AEvent);
    auto *Ziel = qobject_cast<QWidget *>(AObjekt);
    const QKeySequence Folge(Taste->keyCombination().key() |
                             (Taste->modifiers() & ~Qt::KeypadModifier & Qt::KeyboardModifierMask));
    bool Unser = false;
    for (const TKuerzel &Kuerzel : std::as_const(FKuerzel))
        if (Kuerzel.Aktion->shortcut() == Folge && (!Kuerzel.Feld || Kuerzel.Feld == Ziel))
            Unser = true;
    if (AEvent->type() == QEvent::ShortcutOverride) {
        // Claim the key for the window, so that neither Qt's shortcut handling nor the field acts on it alone.
        if (Unser) {
            AEvent->accept();
            return true;
        }
        return QMainWindow::eventFilter(AObjekt, AEvent);
    }
    if (Unser) {
        KuerzelAusfuehren(Ziel, Folge);
        return true;
    }
    if (auto *Feld = qobject_cast<QLineEdit *>(AObjekt)) {
        bool Verbraucht = false;
        Edit1KeyDown(Feld, Taste, Verbraucht);
        if (Verbraucht)
            return true;
    }
    return QMainWindow::eventFilter(AObjekt, AEvent);
}

void TForm1::Edit1KeyDown(QLineEdit *AFeld, QKeyEvent *AEvent, bool &AVerbraucht) {
    if (AEvent->modifiers() != Qt::NoModifier || QApplication::mouseButtons() != Qt::NoButton)
        return;
    const int Nr = AFeld->property("Tag").toInt();
    if (AEvent->key() == Qt::Key_Down) {
        SetFocus(Nr + 1, true);
        AVerbraucht = true;
    } else if (AEvent->key() == Qt::Key_Up) {
        if (Nr == 1)
            QApplication::beep();
        else
            SetFocus(Nr - 1, true);
        AVerbraucht = true;
    }
}
