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
import traceback

import pyatspi
from gi.repository import GLib

TITEL = "Stundolog V1.01"
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

WARTEZEIT = 20.0  # seconds for anything the program does on its own
FELDROLLEN = (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY)


class Abbruch(Exception):
    """A fault after which the remaining checks cannot run."""


FEHLER = []


def pruefen(OkS, Text):
    print(("OK      " if OkS else "FEHLER  ") + Text, flush=True)
    if not OkS:
        FEHLER.append(Text)
    return OkS


def schritt(Text):
    print("\n== " + Text, flush=True)


# ---------------------------------------------------------------------------------------------------------
# Events and waiting

EREIGNISSE = []  # (type, detail1, name of the source, role of the source, process id of the source)
KONTEXT = GLib.MainContext.default()


def ereignis(Ereignis):
    # The source may be gone by now (a program that just ended); its event still counts.
    try:
        Quelle = Ereignis.source
        Name, Rolle, Pid = Quelle.name, Quelle.getRole(), Quelle.get_process_id()
    except Exception:  # noqa: BLE001 — any D-Bus error of a vanished source
        Name, Rolle, Pid = None, None, None
    EREIGNISSE.append((Ereignis.type, Ereignis.detail1, Name, Rolle, Pid))


def ereignisse_verarbeiten(Sekunden):
    Ende = time.monotonic() + Sekunden
    while True:
        while KONTEXT.iteration(False):
            pass
        if time.monotonic() >= Ende:
            return
        time.sleep(0.02)


def warten(Bedingung, Sekunden=WARTEZEIT):
    """Delivers events until Bedingung() is true or the time is up; returns the last value of Bedingung."""
    Ende = time.monotonic() + Sekunden
    while True:
        try:
            Wert = Bedingung()
        except Exception:  # noqa: BLE001 — the tree may change under us while the program starts
            Wert = None
        if Wert or time.monotonic() >= Ende:
            return Wert
        ereignisse_verarbeiten(0.05)


def ereignis_seit(Marke, Typ, Detail1, Name, Pid):
    return any(
        E[0] == Typ and E[1] == Detail1 and E[2] == Name and E[4] == Pid for E in EREIGNISSE[Marke:]
    )


# ---------------------------------------------------------------------------------------------------------
# Reading the accessibility tree

def frisch(Objekt):
    # Names and states are read from the program, not from what the library remembers.
    try:
        Objekt.clear_cache()
    except Exception:  # noqa: BLE001
        pass
    return Objekt


def programme(Name="Stundolog"):
    """The programs of that name on the bus, as (process id, application)."""
    Ergebnis = []
    for App in pyatspi.Registry.getDesktop(0):
        if App is None:
            continue
        try:
            if frisch(App).name == Name:
                Ergebnis.append((App.get_process_id(), App))
        except Exception:  # noqa: BLE001 — an application that just left the bus
            continue
    return Ergebnis


def programm_mit_pid(Pid):
    for ProgrammPid, App in programme():
        if ProgrammPid == Pid:
            return App
    return None


def rahmen(App):
    """The program's main window: its first frame."""
    for Kind in App:
        if Kind is not None and Kind.getRole() == pyatspi.ROLE_FRAME:
            return Kind
    return None


def zustaende(Objekt):
    return frisch(Objekt).getState()


def text(Objekt):
    """The content of an object's text interface, or None when it has none."""
    try:
        Text = Objekt.queryText()
    except NotImplementedError:
        return None
    return Text.getText(0, -1)


def alle(Wurzel, Passt):
    return pyatspi.findAllDescendants(Wurzel, lambda O: O is not None and Passt(O))


def felder(Rahmen, Name):
    return alle(Rahmen, lambda O: O.getRole() in FELDROLLEN and frisch(O).name == Name)


def feld(Rahmen, Name):
    Treffer = felder(Rahmen, Name)
    return Treffer[0] if len(Treffer) == 1 else None


def gleich(A, B):
    return A is not None and B is not None and A.path == B.path and A.get_process_id() == B.get_process_id()


def vorgelesen(Objekt):
    """Everything a screen reader can read of an object: name, description and text, as one line."""
    frisch(Objekt)
    Teile = ["Name %r" % Objekt.name, "Beschreibung %r" % Objekt.description]
    Inhalt = text(Objekt)
    Teile.append("Text %r" % Inhalt if Inhalt is not None else "keine Textschnittstelle")
    return ", ".join(Teile)


def liest(Objekt, Erwartet):
    """True when a screen reader can read Erwartet from the object (its name, description or text)."""
    frisch(Objekt)
    return any(Erwartet in (Teil or "") for Teil in (Objekt.name, Objekt.description, text(Objekt)))


# ---------------------------------------------------------------------------------------------------------
# Keys

def tasten(*Argumente):
    subprocess.run(["xdotool", *Argumente], check=True, timeout=30)


# ---------------------------------------------------------------------------------------------------------

def klasse_lesen(Programm, Datei):
    Lauf = subprocess.run([Programm, "--json", Datei], capture_output=True, text=True, timeout=30)
    if Lauf.returncode != 0:
        return None
    return json.loads(Lauf.stdout)


def vorbereiten(Programm):
    Dokumente = os.environ.get("XDG_DOCUMENTS_DIR") or os.path.join(os.environ["HOME"], "Documents")
    Datenordner = os.path.join(Dokumente, "Stundolog")
    os.makedirs(Datenordner, exist_ok=True)
    Datei = os.path.join(Datenordner, "5a.SGV")
    Json = os.path.join(os.environ["TMPDIR"], "5a.json")
    with open(Json, "w", encoding="utf-8") as Ausgabe:
        json.dump(KLASSE, Ausgabe, ensure_ascii=False)
    Lauf = subprocess.run([Programm, "--aus-json", Json, Datei], capture_output=True, text=True, timeout=30)
    if Lauf.returncode != 0:
        raise Abbruch("--aus-json schreibt die Klassendatei nicht: " + Lauf.stderr)

    # Class file 5a.SGV of the documents folder, subject 1; no sounds (no sound device here).
    Einstellungsordner = os.path.join(os.environ["XDG_CONFIG_HOME"], "Stundolog")
    os.makedirs(Einstellungsordner, exist_ok=True)
    Einstellungen = os.path.join(Einstellungsordner, "Stundolog.conf")
    with open(Einstellungen, "w", encoding="utf-8") as Ausgabe:
        Ausgabe.write("[General]\nAktOrdner=1\nFilename=5a.SGV 1\nSounds=0\n")
    return Datei, Einstellungen


def einstellung(Einstellungen, Schluessel):
    with open(Einstellungen, encoding="utf-8") as Eingabe:
        for Zeile in Eingabe:
            Name, _, Wert = Zeile.rstrip("\n").partition("=")
            if Name.strip() == Schluessel:
                return Wert.strip()
    return None


def hauptfenster_pruefen(Programm, Datei, Einstellungen, Prozess):
    Pid = Prozess.pid

    schritt("Start: das Programm meldet sich am Barrierefreiheits-Bus")
    App = warten(lambda: Prozess.poll() is None and programm_mit_pid(Pid), 30.0)
    if not App:
        raise Abbruch(
            "Stundolog erscheint nicht am Bus (Prozess %s)"
            % ("läuft" if Prozess.poll() is None else "endete mit %s" % Prozess.returncode)
        )
    pruefen(True, "Programm 'Stundolog' (Prozess %d) am Bus" % Pid)
    # Only now: Qt sends events only for what a listener has asked for.
    pyatspi.Registry.registerEventListener(
        ereignis,
        "object:state-changed:focused",
        "object:state-changed:active",
        "window:activate",
        "window:deactivate",
        "object:text-changed",
    )

    Rahmen = warten(lambda: (lambda R: R if R is not None and frisch(R).name == FENSTERNAME else None)(rahmen(App)))
    if not Rahmen:
        R = rahmen(App)
        raise Abbruch("kein Fenster namens %r; gesehen: %r" % (FENSTERNAME, R and frisch(R).name))
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
        Beschriftungen = alle(Rahmen, lambda O, N=Name: O.getRole() == pyatspi.ROLE_LABEL and frisch(O).name == N)
        Ziele = [
            Beziehung.getTarget(I)
            for B in Beschriftungen
            for Beziehung in B.getRelationSet()
            if Beziehung.getRelationType() == pyatspi.RELATION_LABEL_FOR
            for I in range(Beziehung.getNTargets())
        ]
        pruefen(any(gleich(Ziel, Feld) for Ziel in Ziele), "Beschriftung %r gehört zu ihrem Feld" % Name)

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


def main():
    if len(sys.argv) != 2:
        print("Aufruf: hauptfenster.py STUNDOLOG", file=sys.stderr)
        return 2
    Programm = os.path.abspath(sys.argv[1])
    Protokoll = os.path.join(os.environ["TMPDIR"], "stundolog.log")
    Prozess = None
    try:
        Datei, Einstellungen = vorbereiten(Programm)
        with open(Protokoll, "w", encoding="utf-8") as Ausgabe:
            Prozess = subprocess.Popen([Programm], stdout=Ausgabe, stderr=subprocess.STDOUT)
        hauptfenster_pruefen(Programm, Datei, Einstellungen, Prozess)
    except Abbruch as Grund:
        pruefen(False, "Abbruch: %s" % Grund)
    except Exception:  # noqa: BLE001 — a broken tool or a vanished program: reported, never a pass
        traceback.print_exc()
        pruefen(False, "Abbruch durch eine Ausnahme (siehe oben)")
    finally:
        if Prozess is not None and Prozess.poll() is None:
            Prozess.kill()
            Prozess.wait()
    if FEHLER:
        with open(Protokoll, encoding="utf-8", errors="replace") as Eingabe:
            Ausgabe = Eingabe.read().strip()
        if Ausgabe:
            print("\nAusgabe des Programms:\n" + Ausgabe)
        print("\n%d Prüfung(en) fehlgeschlagen:\n  " % len(FEHLER) + "\n  ".join(FEHLER), flush=True)
        return 1
    print("\nAlle Prüfungen bestanden.", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
