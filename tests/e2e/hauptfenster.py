#!/usr/bin/python3
"""End-to-end test of the main window, read the way a screen reader reads it.

Runs the real program in the desktop that umgebung.sh provides (HOME, settings and data are fresh
temporary folders) and checks through the accessibility bus (pyatspi):

  - the window's name, the four fields with their names, roles, contents and labels, the two
    status panels;
  - the class field has the keyboard focus at start;
  - Tab moves to the text field, typed text (with an umlaut) appears there, Ctrl+S saves it;
  - a second start exits at once with status 0, brings the running window back to the front and
    leaves exactly one program on the bus;
  - Alt+F4 closes the window without a question, the program ends with status 0 and stores the open
    class and subject in its settings.

    /usr/bin/python3 hauptfenster.py STUNDOLOG

A failed check is reported and the test goes on where it can, so one run shows every fault; the exit
status is 1 when any check failed.
"""

import json
import os
import subprocess
import sys
import time

import pyatspi

from lesehilfe import (Abbruch, EREIGNISSE, FELDROLLEN, TITEL, alle, anmelden, ausfuehren, beschriftung_gehoert_zu,
                       datenordner, einstellung, einstellungen_schreiben, ereignis_seit, feld, felder, frisch,
                       hauptfenster, klasse_lesen, klasse_schreiben, liest, programm_mit_pid, programme, pruefen,
                       schritt, tasten, text, vorgelesen, warten, zustaende)

FENSTERNAME = "5a.SGV - " + TITEL
STANDARDHINWEIS = "Strg+N=neues Fach; Strg+W=neue Woche; Strg+K=Klasse/Fach wechseln"
KLASSE = {
    "Klasse": "5a",
    "Faecher": [
        {
            "Fachname": "Deutsch",
            "Wochen": [
                {"Datum": 43899, "Text": "Schreiben"},  # Monday 9.3.2020
                {"Datum": 43906, "Text": "Lesen"},  # Monday 16.3.2020, the newest week
            ],
        }
    ],
}
# Label (the field's accessible name), what the field shows at start, whether it is read-only.
FELDER = [
    ("Klasse:", "5a", True),
    ("Fach:", "Deutsch", True),
    ("Woche:", "12/2020 (16.-22.3.2020)", True),
    ("Text:", "Lesen", False),
]
EINGABE = " und üben"
# Typed at the end of "Lesen" + line break: the field keeps the line break, the class keeps CR LF.
TEXT_NACH_EINGABE = "Lesen\n und üben"
GESPEICHERT = "Lesen\r\n und üben"



def vorbereiten(Programm):
    os.makedirs(datenordner(), exist_ok=True)
    Datei = os.path.join(datenordner(), "5a.SGV")
    klasse_schreiben(Programm, KLASSE, Datei)
    # Class file 5a.SGV of the documents folder, subject 1; no sounds (no sound device here).
    Einstellungen = einstellungen_schreiben(["AktOrdner=1", "Filename=5a.SGV 1", "Sounds=0"])
    return Datei, Einstellungen


def hauptfenster_pruefen(Programm, Prozess, Vorbereitet):
    Datei, Einstellungen = Vorbereitet
    Pid = Prozess.pid

    schritt("Start: das Programm meldet sich am Barrierefreiheits-Bus")
    App = anmelden(Prozess)
    Rahmen = hauptfenster(App, FENSTERNAME)
    pruefen(True, "Fenstername %r" % FENSTERNAME)

    schritt("Felder, Beschriftungen und Statuszeile")
    # The class is loaded just after the window appears: wait until the fields show it.
    warten(lambda: all(feld(Rahmen, Name) and (text(feld(Rahmen, Name)) or "").rstrip("\r\n") == Inhalt
                       for Name, Inhalt, _ in FELDER))
    Felder = {}
    for Name, Inhalt, NurLesenS in FELDER:
        Treffer = felder(Rahmen, Name)
        if not pruefen(len(Treffer) == 1, "genau ein Eingabefeld namens %r (gefunden: %d)" % (Name, len(Treffer))):
            continue
        Feld = Felder[Name] = Treffer[0]
        pruefen(Feld.getRole() in FELDROLLEN, "%r hat die Rolle text/entry (%s)" % (Name, Feld.getRoleName()))
        Gelesen = text(Feld)
        Passt = Gelesen is not None and (Gelesen == Inhalt or (Name == "Text:" and Gelesen in (Inhalt + "\n",
                                                                                             Inhalt + "\r\n")))
        pruefen(Passt, "%r zeigt %r (gelesen: %r)" % (Name, Inhalt, Gelesen))
        Zustand = zustaende(Feld)
        pruefen(Zustand.contains(pyatspi.STATE_READ_ONLY) == NurLesenS,
                "%r ist %s" % (Name, "schreibgeschützt" if NurLesenS else "bearbeitbar"))
        pruefen(Zustand.contains(pyatspi.STATE_FOCUSABLE), "%r kann den Fokus bekommen" % Name)
        # The label names its field: a screen reader finds the field from its label and back.
        pruefen(beschriftung_gehoert_zu(Rahmen, Name, Feld), "Beschriftung %r gehört zu ihrem Feld" % Name)

    Leisten = alle(Rahmen, lambda O: O.getRole() == pyatspi.ROLE_STATUS_BAR)
    if pruefen(len(Leisten) == 1, "eine Statuszeile (gefunden: %d)" % len(Leisten)):
        Panels = [K for K in Leisten[0] if K is not None and K.getRole() == pyatspi.ROLE_LABEL]
        if pruefen(len(Panels) == 2, "zwei Felder in der Statuszeile (gefunden: %d)" % len(Panels)):
            for Panel, Erwartet in zip(Panels, ("Eintrag: 2/2", STANDARDHINWEIS)):
                pruefen(liest(Panel, Erwartet),
                        "Statusfeld liest %r vor (gesehen: %s)" % (Erwartet, vorgelesen(Panel)))

    schritt("Fokus beim Start")
    Klasse = Felder.get("Klasse:")
    if Klasse is not None:
        # The focus may have arrived before our listener: the state counts as well as the event.
        Fokus = warten(lambda: zustaende(Klasse).contains(pyatspi.STATE_FOCUSED)
                       or ereignis_seit(0, "object:state-changed:focused", 1, "Klasse:", Pid))
        pruefen(bool(Fokus), "das Klassenfeld hat den Fokus")
        Andere = [N for N, F in Felder.items() if N != "Klasse:" and zustaende(F).contains(pyatspi.STATE_FOCUSED)]
        pruefen(not Andere, "kein anderes Feld hat den Fokus (%s)" % (", ".join(Andere) or "keins"))
    pruefen(bool(warten(lambda: zustaende(Rahmen).contains(pyatspi.STATE_ACTIVE))), "das Fenster ist aktiv")

    schritt("Eingabe im Textfeld und Strg+S")
    Textfeld = Felder.get("Text:")
    if Textfeld is None:
        raise Abbruch("ohne Textfeld kein Eingabetest")
    Marke = len(EREIGNISSE)
    tasten("key", "--delay", "60", "Tab", "Tab", "Tab")
    Angekommen = warten(lambda: ereignis_seit(Marke, "object:state-changed:focused", 1, "Text:", Pid))
    Gesehen = [E[2] for E in EREIGNISSE[Marke:] if E[0] == "object:state-changed:focused" and E[1] == 1]
    pruefen(bool(Angekommen), "dreimal Tab bringt den Fokus ins Textfeld (Fokus ging an: %s)" % Gesehen)
    pruefen(Gesehen[:3] == ["Fach:", "Woche:", "Text:"], "Tab-Reihenfolge Fach, Woche, Text (%s)" % Gesehen)
    pruefen(zustaende(Textfeld).contains(pyatspi.STATE_FOCUSED), "das Textfeld hat den Fokus")

    tasten("key", "ctrl+End")
    tasten("type", "--delay", "60", EINGABE)
    Gelesen = warten(lambda: text(Textfeld) == TEXT_NACH_EINGABE, 10.0)
    pruefen(bool(Gelesen), "das Textfeld zeigt %r (gelesen: %r)" % (TEXT_NACH_EINGABE, text(Textfeld)))

    tasten("key", "ctrl+s")
    Erwartet = json.loads(json.dumps(KLASSE))
    Erwartet["Faecher"][0]["Wochen"][1]["Text"] = GESPEICHERT
    Gespeichert = warten(lambda: klasse_lesen(Programm, Datei) == Erwartet, 10.0)
    Gelesen = klasse_lesen(Programm, Datei)
    pruefen(bool(Gespeichert), "Strg+S speichert die Woche als %r (Datei: %s)" % (
        GESPEICHERT, json.dumps(Gelesen, ensure_ascii=False)))
    pruefen(EINGABE.strip() in json.dumps(Gelesen, ensure_ascii=False), "die Datei enthält %r" % EINGABE.strip())

    schritt("Zweiter Start")
    # Minimised first, so that coming to the front is something the second start has to do.
    Fenster = subprocess.run(["xdotool", "getactivewindow"], capture_output=True, text=True, timeout=30).stdout.strip()
    if pruefen(bool(Fenster), "das aktive X-Fenster ist bekannt"):
        tasten("windowminimize", "--sync", Fenster)
        pruefen(bool(warten(lambda: not zustaende(Rahmen).contains(pyatspi.STATE_ACTIVE))),
                "minimiert ist das Fenster nicht mehr aktiv")
    Marke = len(EREIGNISSE)
    Beginn = time.monotonic()
    try:
        Zweiter = subprocess.run([Programm], capture_output=True, text=True, timeout=15)
        Dauer = time.monotonic() - Beginn
        pruefen(Zweiter.returncode == 0, "der zweite Start endet mit Status 0 (%d, nach %.1f s; %s)" % (
            Zweiter.returncode, Dauer, Zweiter.stderr.strip() or "keine Meldung"))
    except subprocess.TimeoutExpired:
        pruefen(False, "der zweite Start endet nicht innerhalb von 15 s")
    pruefen(Prozess.poll() is None, "das erste Programm läuft weiter")
    Einer = warten(lambda: [P for P, _ in programme()] == [Pid], 10.0)
    pruefen(bool(Einer), "genau ein Stundolog am Bus, das erste (gesehen: Prozesse %s)" % [P for P, _ in programme()])
    Vorne = warten(lambda: zustaende(Rahmen).contains(pyatspi.STATE_ACTIVE))
    pruefen(bool(Vorne), "das erste Fenster ist wieder aktiv (window:activate: %s)" % ereignis_seit(
        Marke, "window:activate", 0, FENSTERNAME, Pid))
    pruefen(frisch(Rahmen).name == FENSTERNAME, "Fenstername wieder %r (%r)" % (FENSTERNAME, Rahmen.name))

    schritt("Schließen mit Alt+F4")
    Einstellungszeit = os.stat(Einstellungen).st_mtime_ns
    Dateiinhalt = open(Datei, "rb").read()
    tasten("key", "alt+F4")
    try:
        Status = Prozess.wait(15)
        pruefen(Status == 0, "das Programm endet mit Status 0 (%d)" % Status)
    except subprocess.TimeoutExpired:
        App = programm_mit_pid(Pid)
        Offen = [frisch(K).name for K in App] if App else []
        pruefen(False, "das Programm endet nicht innerhalb von 15 s; offene Fenster: %r" % Offen)
        return
    pruefen(bool(warten(lambda: programm_mit_pid(Pid) is None, 10.0)), "das Programm ist nicht mehr am Bus")
    pruefen(open(Datei, "rb").read() == Dateiinhalt, "die Klassendatei bleibt beim Schließen unverändert")
    pruefen(os.stat(Einstellungen).st_mtime_ns != Einstellungszeit and
            einstellung(Einstellungen, "Filename") == "5a.SGV 1",
            "die Einstellungen merken Klasse und Fach (Filename=%r)" % einstellung(Einstellungen, "Filename"))


if __name__ == "__main__":
    sys.exit(ausfuehren(hauptfenster_pruefen, vorbereiten))
