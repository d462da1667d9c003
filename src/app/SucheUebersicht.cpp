// The read-only "A&ktionen" commands: search the open class and go to the hit, and show one of the four overviews
// (a week, a month, all weeks of the subject, all weeks and subjects) in the viewer, from which it can be printed
// or saved. Nothing here changes the class.

#include "app/Haupt.h"

#include "data/Kalender.h"
#include "data/Namen.h"
#include "dialogs/ReAnsicht.h"
#include "dialogs/Suchen.h"

#include <QAction>
#include <QDate>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace {
// Where position APosition of a stored week text lies in the text field, which shows the text without its
// leading blanks and control characters and counts a line break (CR LF, CR or LF) as one character.
int FeldPosition(const QString &AText, int APosition) {
    qsizetype Anfang = 0;
    while (Anfang < AText.size() && AText.at(Anfang) <= QLatin1Char(' '))
        ++Anfang;
    if (APosition <= Anfang)
        return 0;
    QString Davor = AText.mid(Anfang, APosition - Anfang);
    Davor.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return static_cast<int>(Davor.size());
}
} // namespace

void TForm1::MenuAktSuchenClick() {
    FSuchenForm->DatenRef = &Daten;
    FSuchenForm->SchriftartZuweisen(FSchrift, FHintergrund);
    if (FSuchenForm->exec() != QDialog::Accepted)
        return;
    // The hit: subject, week and the match's position in the stored text, each counted from 0.
    int Fach = 0, Woche = 0, Position = 0;
    if (!FSuchenForm->AuswahlOk(Fach, Woche, Position) || Fach >= Daten.Count() || Woche >= Daten.Fach(Fach).Count())
        return;
    SetFachNr(Fach + 1);
    SetEintragNr(Woche + 1);
    // The hit counts the stored text's characters, where a line break is CR LF; the field counts it once.
    QTextCursor Cursor = RichEdit1->textCursor();
    Cursor.setPosition(std::min(FeldPosition(Daten.Fach(Fach).WochenDaten.at(Woche).Text, Position),
                                RichEdit1->document()->characterCount() - 1));
    RichEdit1->setTextCursor(Cursor);
    SetFocus(4, false);
}

void TForm1::MenuDateiDruckenWocheClick(int ATag) {
    // The "&Drucken" items are enabled for the whole class; while no week is current they do nothing.
    if (FFachNr <= 0 || FFachNr > Daten.Count() || FEintragNr <= 0)
        return;
    const TFach &Aktuell = Daten.Fach(FFachNr - 1);
    TFach Auszug;
    Auszug.Fachname = Aktuell.Fachname;
    if (ATag == 1) {
        Auszug.Add(Aktuell.WochenDaten.at(FEintragNr - 1));
    } else if (ATag == 2) {
        const QDate Woche = DatumVonTag(Aktuell.WochenDaten.at(FEintragNr - 1).Datum);
        const qint32 Von = TagNummer(Woche.year(), Woche.month(), 1);
        const QDate Naechster = QDate(Woche.year(), Woche.month(), 1).addMonths(1);
        const qint32 Bis = TagNummer(Naechster) - 1;
        for (const TWocheRec &Satz : Aktuell.WochenDaten)
            if (Satz.Datum >= Von && Satz.Datum <= Bis)
                Auszug.Add(Satz);
    } else if (ATag == 3) {
        Auszug.Assign(Aktuell);
    }

    static const char *const Captions[] = {"Übersicht von Woche %1", "Übersicht eines Monats", "Übersicht aller Wochen",
                                           "Übersicht aller Wochen und Fächer"};
    const QString Caption = QString::fromUtf8(Captions[std::clamp(ATag, 1, 4) - 1]);
    FReAnsichtForm->setWindowTitle(ATag == 1 ? Caption.arg(Edit3->text()) : Caption);
    FReAnsichtForm->SchriftartZuweisen(FSchrift, FHintergrund);
    FReAnsichtForm->TextZuweisen(ATag == 4 ? Daten.Text() : Auszug.Text(Edit1->text()));
    FReAnsichtForm->exec();
}
