#!/usr/bin/python3
"""End-to-end test of searching, the overview of a class and deleting a week, read the way a screen
reader reads it.

The program opens class 5a (subjects Deutsch and Mathematik, two weeks each) at its first subject and is
driven by keys only:

  - Ctrl+F, a word that only a Mathematik week holds on its second line, Enter searches, Enter takes the
    hit: the window shows Mathematik and that week, the text field has the focus and its caret stands on
    the match (the field counts the line break once, the file twice);
  - F8 shows "Übersicht aller Wochen und Fächer" whose text box reads every subject and week text, the
    newest week first; Escape closes it and the focus is back in the text field;
  - Ctrl+Del asks whether entry 2 of Mathematik shall go, Yes deletes it: the remaining week is shown,
    the focus on the week field; the file changes only with Ctrl+S, and Alt+F4 then asks nothing.

    /usr/bin/python3 suchen.py STUNDOLOG
"""

import copy
import os
import subprocess
import sys

import pyatspi

from lesehilfe import (Abbruch, TITEL, aktiv, anmelden, ausfuehren, caret, datenordner, dialog_mit_titel,
                       einstellungen_schreiben, feld, felder_zeigen, feldtext, fensterliste, fokus_auf, fokus_kommt,
                       fokusziele, fort, gewaehlt, hauptfenster, klasse_lesen, klasse_schreiben, liste, marke,
                       meldung, pruefen, schritt, statuseintrag, taste, text, tippen, warten, zeilen, zustaende)

WOCHE_11 = "11/2020 (9.-15.3.2020)"
WOCHE_12 = "12/2020 (16.-22.3.2020)"
KLASSE = {
    "Klasse": "5a",
    "Faecher": [
        {
            "Fachname": "Deutsch",
            "Wochen": [
                {"Datum": 43899, "Text": "Schreiben"},  # Monday 9.3.2020
                {"Datum": 43906, "Text": "Lesen"},  # Monday 16.3.2020
            ],
        },
        {
            "Fachname": "Mathematik",
            "Wochen": [
                {"Datum": 43899, "Text": "Bruchrechnung"},
                {"Datum": 43906, "Text": "Brüche kürzen\r\nTerme und Gleichungen"},
            ],
        },
    ],
}
SUCHWORT = "Gleichungen"
# What the text field shows of the hit's week: one character per line break.
TREFFERTEXT = "Brüche kürzen\nTerme und Gleichungen"
TREFFERSTELLE = TREFFERTEXT.index(SUCHWORT)  # 24; the stored text has it at 25
TREFFERZEILE = '"Mathematik" | ' + WOCHE_12
FRAGE = 'Soll der Eintrag 2 des Fachs "Mathematik" der Klasse "5a" gelöscht werden?'


def vorbereiten(Programm):
    os.makedirs(datenordner(), exist_ok=True)
    Datei = os.path.join(datenordner(), "5a.SGV")
    klasse_schreiben(Programm, KLASSE, Datei)
    # Class file 5a.SGV of the documents folder, subject 1; no sounds (no sound device here).
    einstellungen_schreiben(["AktOrdner=1", "Filename=5a.SGV 1", "Sounds=0"])
    return Datei


def pruefung(Programm, Prozess, Datei):
    Pid = Prozess.pid

    schritt("Start mit Klasse 5a, Fach Deutsch")
    App = anmelden(Prozess)
    Rahmen = hauptfenster(App, "5a.SGV - " + TITEL)
    felder_zeigen(Rahmen, {"Klasse:": "5a", "Fach:": "Deutsch", "Woche:": WOCHE_12, "Text:": "Lesen"})
    pruefen(bool(warten(lambda: zustaende(feld(Rahmen, "Klasse:")).contains(pyatspi.STATE_FOCUSED))),
            "das Klassenfeld hat den Fokus")
    aktiv(Rahmen)

    schritt("Strg+F: Suche nach %r" % SUCHWORT)
    Marke = marke()
    taste("ctrl+f")
    Dialog = dialog_mit_titel(App, "Suche nach Text im Stundolog")
    if not Dialog:
        raise Abbruch("Strg+F öffnet keinen Suchdialog; offene Fenster: %s" % fensterliste(App))
    pruefen(True, "Strg+F öffnet 'Suche nach Text im Stundolog'")
    pruefen(fokus_kommt(Marke, Pid, "Suchtext:") and feld(Dialog, "Suchtext:") is not None,
            "der Fokus steht im Feld 'Suchtext:' (Fokus ging an: %s)" % fokusziele(Marke, Pid))
    aktiv(Dialog)
    tippen(SUCHWORT)
    pruefen(bool(warten(lambda: feldtext(Dialog, "Suchtext:") == SUCHWORT, 10.0)),
            "das Suchfeld zeigt %r (%r)" % (SUCHWORT, feldtext(Dialog, "Suchtext:")))
    Marke = marke()
    taste("Return")
    Treffer = warten(lambda: (lambda L: L if L is not None and zeilen(L) else None)(liste(Dialog, "Treffer")), 10.0)
    if not Treffer:
        raise Abbruch("Enter listet keine Treffer; offene Fenster: %s" % fensterliste(App))
    pruefen(zeilen(Treffer) == [TREFFERZEILE], "genau ein Treffer %r (%s)" % (TREFFERZEILE, zeilen(Treffer)))
    pruefen(gewaehlt(Treffer) == [TREFFERZEILE], "der Treffer ist gewählt (%s)" % gewaehlt(Treffer))
    pruefen(fokus_kommt(Marke, Pid, ("Treffer", TREFFERZEILE)),
            "der Fokus geht in die Trefferliste (Fokus ging an: %s)" % fokusziele(Marke, Pid))
    Marke = marke()
    taste("Return")
    pruefen(fort(Dialog), "Enter in der Trefferliste schließt den Dialog")
    felder_zeigen(Rahmen, {"Klasse:": "5a", "Fach:": "Mathematik", "Woche:": WOCHE_12, "Text:": TREFFERTEXT})
    fokus_auf(Rahmen, Marke, Pid, "Text:", "Treffer übernommen")
    Textfeld = feld(Rahmen, "Text:")
    Stelle = warten(lambda: caret(Textfeld) == TREFFERSTELLE, 10.0)
    pruefen(bool(Stelle), "die Schreibmarke steht auf %r, Zeichen %d (gelesen: %d, dort steht %r)" % (
        SUCHWORT, TREFFERSTELLE, caret(Textfeld), (text(Textfeld) or "")[caret(Textfeld):][:15]))
    statuseintrag(Rahmen, "Eintrag: 2/2")

    schritt("F8: Übersicht aller Wochen und Fächer")
    Marke = marke()
    taste("F8")
    Ansicht = dialog_mit_titel(App, "Übersicht aller Wochen und Fächer")
    if not Ansicht:
        raise Abbruch("F8 öffnet keine 'Übersicht aller Wochen und Fächer'; offene Fenster: %s" % fensterliste(App))
    pruefen(True, "F8 öffnet 'Übersicht aller Wochen und Fächer'")
    Kasten = warten(lambda: feld(Ansicht, "Übersicht"))
    if pruefen(Kasten is not None, "ein Textfeld namens 'Übersicht' im Betrachter"):
        Inhalt = warten(lambda: text(Kasten), 10.0) or ""
        for Teil in ("5a", "Deutsch", "Mathematik", "Schreiben", "Lesen", "Bruchrechnung", "Brüche kürzen",
                     "Terme und Gleichungen", "11/2020", "12/2020"):
            pruefen(Teil in Inhalt, "die Übersicht liest %r vor" % Teil)
        pruefen("Lesen" in Inhalt and "Schreiben" in Inhalt and Inhalt.index("Lesen") < Inhalt.index("Schreiben"),
                "die neueste Woche steht vorn")
        pruefen(fokus_kommt(Marke, Pid, "Übersicht") and zustaende(Kasten).contains(pyatspi.STATE_FOCUSED),
                "der Fokus steht im Text der Übersicht (Fokus ging an: %s)" % fokusziele(Marke, Pid))
        if Kasten is not None and not pruefen(len(Inhalt) > 0, "die Übersicht ist nicht leer"):
            print("        gelesen: %r" % Inhalt)
    aktiv(Ansicht)
    Marke = marke()
    taste("Escape")
    pruefen(fort(Ansicht), "Escape schließt die Übersicht")
    fokus_auf(Rahmen, Marke, Pid, "Text:", "nach der Übersicht")
    pruefen(aktiv(Rahmen), "das Hauptfenster ist wieder aktiv")
    pruefen(klasse_lesen(Programm, Datei) == KLASSE, "Suche und Übersicht ändern die Datei nicht")

    schritt("Strg+Entf: die Woche löschen")
    taste("ctrl+Delete")
    Box = meldung(App, FRAGE)
    if not Box:
        raise Abbruch("Strg+Entf fragt nicht %r; offene Fenster: %s" % (FRAGE, fensterliste(App)))
    pruefen(True, "Strg+Entf fragt %r" % FRAGE)
    aktiv(Box)
    Marke = marke()
    taste("Return")
    pruefen(fort(Box), "Enter (Ja) schließt die Frage")
    felder_zeigen(Rahmen, {"Fach:": "Mathematik", "Woche:": WOCHE_11, "Text:": "Bruchrechnung"})
    fokus_auf(Rahmen, Marke, Pid, "Woche:", "gelöscht")
    statuseintrag(Rahmen, "Eintrag: 1/1")
    pruefen(klasse_lesen(Programm, Datei) == KLASSE, "die Datei bleibt bis zum Speichern unverändert")
    taste("ctrl+s")
    Erwartet = copy.deepcopy(KLASSE)
    del Erwartet["Faecher"][1]["Wochen"][1]
    pruefen(bool(warten(lambda: klasse_lesen(Programm, Datei) == Erwartet, 10.0)),
            "Strg+S speichert die Klasse ohne die gelöschte Woche (%s)" % klasse_lesen(Programm, Datei))

    schritt("Beenden mit Alt+F4 ohne Frage")
    taste("alt+F4")
    try:
        Status = Prozess.wait(15)
    except subprocess.TimeoutExpired:
        raise Abbruch("das Programm endet nicht nach Alt+F4; offene Fenster: %s" % fensterliste(App))
    pruefen(Status == 0, "das Programm endet mit Status 0 (%d)" % Status)


if __name__ == "__main__":
    sys.exit(ausfuehren(pruefung, vorbereiten))
