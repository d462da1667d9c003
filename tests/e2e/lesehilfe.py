"""What every end-to-end test needs: checks that report and go on, events from the accessibility bus and
waiting for them, reading the accessibility tree as a screen reader reads it, keys through xdotool, class
files and settings in the test's own folders, and starting the program (on a fixed date if asked).

The scripts run in the desktop that umgebung.sh provides: HOME, XDG_CONFIG_HOME, XDG_DOCUMENTS_DIR and
TMPDIR are fresh temporary folders.
"""

import datetime
import glob
import json
import os
import subprocess
import sys
import time
import traceback

import pyatspi
from gi.repository import GLib

TITEL = "Stundolog V1.01"
WARTEZEIT = 20.0  # seconds for anything the program does on its own
FELDROLLEN = (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY)
FOKUS = "object:state-changed:focused"


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

# (type, detail1, name of the source, role of the source, process id of the source, the source)
EREIGNISSE = []
KONTEXT = GLib.MainContext.default()


def ereignis(Ereignis):
    # The source may be gone by now (a program that just ended); its event still counts.
    Quelle = None
    try:
        Quelle = Ereignis.source
        Name, Rolle, Pid = Quelle.name, Quelle.getRole(), Quelle.get_process_id()
    except Exception:  # noqa: BLE001 — any D-Bus error of a vanished source
        Name, Rolle, Pid = None, None, None
    EREIGNISSE.append((Ereignis.type, Ereignis.detail1, Name, Rolle, Pid, Quelle))


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
        except Exception:  # noqa: BLE001 — the tree may change under us while the program works
            Wert = None
        if Wert or time.monotonic() >= Ende:
            return Wert
        ereignisse_verarbeiten(0.05)


def ereignis_seit(Marke, Typ, Detail1, Name, Pid):
    return any(
        E[0] == Typ and E[1] == Detail1 and E[2] == Name and E[4] == Pid for E in EREIGNISSE[Marke:]
    )


def marke():
    """The position in the event list from which later checks look."""
    ereignisse_verarbeiten(0)
    return len(EREIGNISSE)


def fokusziele(Marke, Pid):
    """Names of the objects of the program that got the focus since Marke, in order."""
    return [E[2] for E in EREIGNISSE[Marke:] if E[0] == FOKUS and E[1] == 1 and E[4] == Pid]


def fokus_ereignisse(Marke, Pid, Name):
    """The focus events of the program since Marke whose source bears that name."""
    return [E for E in EREIGNISSE[Marke:] if E[0] == FOKUS and E[1] == 1 and E[4] == Pid and E[2] == Name]


def letzter_fokus(Marke, Pid):
    """The object that got the focus last since Marke, or None."""
    for E in reversed(EREIGNISSE[Marke:]):
        if E[0] == FOKUS and E[1] == 1 and E[4] == Pid:
            return E[5]
    return None


def fokus_kommt(Marke, Pid, Name, Sekunden=WARTEZEIT):
    """Waits for the focus to go to an object of that name (or of one of several names, a tuple); true when
    the last focus event since Marke is for it. Earlier events may name other objects on the way."""
    Namen = Name if isinstance(Name, tuple) else (Name,)
    return bool(warten(lambda: (lambda L: L is not None and frisch(L).name in Namen)(letzter_fokus(Marke, Pid)),
                       Sekunden))


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


def sichtbar(Objekt):
    return zustaende(Objekt).contains(pyatspi.STATE_SHOWING)


def fenster(App):
    """The program's windows that are on screen: main window, dialogs, message boxes."""
    return [K for K in App if K is not None and sichtbar(K)]


def text(Objekt):
    """The content of an object's text interface, or None when it has none."""
    try:
        Text = Objekt.queryText()
    except NotImplementedError:
        return None
    return Text.getText(0, -1)


def caret(Objekt):
    """Where the object's caret stands, as a screen reader asks for it."""
    return Objekt.queryText().caretOffset


def alle(Wurzel, Passt):
    return pyatspi.findAllDescendants(Wurzel, lambda O: O is not None and Passt(O))


def felder(Rahmen, Name):
    return alle(Rahmen, lambda O: O.getRole() in FELDROLLEN and frisch(O).name == Name)


def feld(Rahmen, Name):
    Treffer = felder(Rahmen, Name)
    return Treffer[0] if len(Treffer) == 1 else None


def listen(Wurzel, Name):
    return alle(Wurzel, lambda O: O.getRole() == pyatspi.ROLE_LIST and frisch(O).name == Name)


def liste(Wurzel, Name):
    Treffer = listen(Wurzel, Name)
    return Treffer[0] if len(Treffer) == 1 else None


def zeilen(Liste):
    """The lines of a list as a screen reader reads them."""
    return [frisch(K).name for K in Liste if K is not None and K.getRole() == pyatspi.ROLE_LIST_ITEM]


def gewaehlt(Liste):
    """The names of the selected lines of a list (read from the lines' states: Qt 6.4 offers no selection
    interface for its lists)."""
    return [frisch(K).name for K in frisch(Liste) if K is not None and K.getRole() == pyatspi.ROLE_LIST_ITEM
            and zustaende(K).contains(pyatspi.STATE_SELECTED)]


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


def liest_irgendwo(Wurzel, Erwartet):
    """True when Erwartet can be read from the object or one of its descendants."""
    return liest(Wurzel, Erwartet) or bool(alle(Wurzel, lambda O: liest(O, Erwartet)))


def beschriftung_gehoert_zu(Wurzel, Name, Feld):
    """True when a label of that name in Wurzel names the field (label-for), as a screen reader follows it."""
    Beschriftungen = alle(Wurzel, lambda O: O.getRole() == pyatspi.ROLE_LABEL and frisch(O).name == Name)
    Ziele = [
        Beziehung.getTarget(I)
        for B in Beschriftungen
        for Beziehung in B.getRelationSet()
        if Beziehung.getRelationType() == pyatspi.RELATION_LABEL_FOR
        for I in range(Beziehung.getNTargets())
    ]
    return any(gleich(Ziel, Feld) for Ziel in Ziele)


def dialog_mit_titel(App, Titel, Sekunden=WARTEZEIT):
    """Waits for a window of the program with that title on screen; returns it or None."""
    return warten(lambda: next((F for F in fenster(App) if frisch(F).name == Titel), None), Sekunden)


def meldung(App, Text, Sekunden=WARTEZEIT):
    """Waits for a message window (not the main window) on screen from which Text can be read."""
    def Suchen():
        for F in fenster(App):
            if F.getRole() != pyatspi.ROLE_FRAME and liest_irgendwo(F, Text):
                return F
        return None
    return warten(Suchen, Sekunden)


def fensterliste(App):
    """The windows on screen, for a failure message."""
    try:
        return ["%s %r" % (F.getRoleName(), frisch(F).name) for F in fenster(App)]
    except Exception:  # noqa: BLE001
        return ["(nicht lesbar)"]


# ---------------------------------------------------------------------------------------------------------
# Windows and fields as a user meets them

def aktiv(Fenster):
    """Waits until the window is the active one; true when it is."""
    return bool(warten(lambda: zustaende(Fenster).contains(pyatspi.STATE_ACTIVE)))


def fort(Fenster):
    """Waits until the window is off screen; true when it is."""
    return bool(warten(lambda: not sichtbar(Fenster)))


def feldtext(Wurzel, Name):
    Feld = feld(Wurzel, Name)
    return None if Feld is None else (text(Feld) or "").rstrip("\r\n")


def felder_zeigen(Rahmen, Erwartet, Sekunden=10.0):
    """Waits until the main window's fields show Erwartet (name -> text); one check per field."""
    warten(lambda: all(feldtext(Rahmen, N) == T for N, T in Erwartet.items()), Sekunden)
    for Name, Inhalt in Erwartet.items():
        pruefen(feldtext(Rahmen, Name) == Inhalt, "%r zeigt %r (gelesen: %r)" % (Name, Inhalt, feldtext(Rahmen, Name)))


def statuseintrag(Rahmen, Erwartet):
    Leisten = alle(Rahmen, lambda O: O.getRole() == pyatspi.ROLE_STATUS_BAR)
    Panels = [K for L in Leisten for K in L if K is not None and K.getRole() == pyatspi.ROLE_LABEL]
    Gelesen = warten(lambda: Panels and liest(Panels[0], Erwartet), 10.0)
    pruefen(bool(Gelesen), "die Statuszeile liest %r vor (%s)" % (
        Erwartet, vorgelesen(Panels[0]) if Panels else "keine Statuszeile"))


def fokus_auf(Rahmen, Marke, Pid, Name, Wozu):
    """The focus went to the field of that name: a focus event for it, and the field holds the focus."""
    Ok = fokus_kommt(Marke, Pid, Name)
    Feld = feld(Rahmen, Name)
    pruefen(Ok and Feld is not None and zustaende(Feld).contains(pyatspi.STATE_FOCUSED),
            "%s: der Fokus geht an %r (Fokus ging an: %s)" % (Wozu, Name, fokusziele(Marke, Pid)))


# ---------------------------------------------------------------------------------------------------------
# Keys

def tasten(*Argumente):
    subprocess.run(["xdotool", *Argumente], check=True, timeout=30)


def taste(*Tasten):
    tasten("key", "--delay", "60", *Tasten)


def tippen(Text):
    tasten("type", "--delay", "60", Text)


# ---------------------------------------------------------------------------------------------------------
# Files: class files through the program's own command line, settings as the program stores them

def datenordner():
    """The data folder under the personal documents folder."""
    Dokumente = os.environ.get("XDG_DOCUMENTS_DIR") or os.path.join(os.environ["HOME"], "Documents")
    return os.path.join(Dokumente, "Stundolog")


def klasse_lesen(Programm, Datei):
    Lauf = subprocess.run([Programm, "--json", Datei], capture_output=True, text=True, timeout=30)
    if Lauf.returncode != 0:
        return None
    return json.loads(Lauf.stdout)


def klasse_schreiben(Programm, Klasse, Datei):
    Json = os.path.join(os.environ["TMPDIR"], os.path.basename(Datei) + ".json")
    with open(Json, "w", encoding="utf-8") as Ausgabe:
        json.dump(Klasse, Ausgabe, ensure_ascii=False)
    Lauf = subprocess.run([Programm, "--aus-json", Json, Datei], capture_output=True, text=True, timeout=30)
    if Lauf.returncode != 0:
        raise Abbruch("--aus-json schreibt die Klassendatei %s nicht: %s" % (Datei, Lauf.stderr))


def einstellungen_schreiben(Zeilen):
    """Writes the program's settings file with these "Name=Wert" lines; returns its path."""
    Einstellungsordner = os.path.join(os.environ["XDG_CONFIG_HOME"], "Stundolog")
    os.makedirs(Einstellungsordner, exist_ok=True)
    Einstellungen = os.path.join(Einstellungsordner, "Stundolog.conf")
    with open(Einstellungen, "w", encoding="utf-8") as Ausgabe:
        Ausgabe.write("[General]\n" + "".join(Zeile + "\n" for Zeile in Zeilen))
    return Einstellungen


def einstellung(Einstellungen, Schluessel):
    with open(Einstellungen, encoding="utf-8") as Eingabe:
        for Zeile in Eingabe:
            Name, _, Wert = Zeile.rstrip("\n").partition("=")
            if Name.strip() == Schluessel:
                return Wert.strip()
    return None


def tagnummer(Jahr, Monat, Tag):
    """The day number a class file stores for a date: days since 30 December 1899."""
    return (datetime.date(Jahr, Monat, Tag) - datetime.date(1899, 12, 30)).days


# ---------------------------------------------------------------------------------------------------------
# Starting the program

def faketime_bibliothek():
    for Muster in ("/usr/lib/*/faketime/libfaketime.so.1", "/usr/lib/faketime/libfaketime.so.1",
                   "/usr/lib64/faketime/libfaketime.so.1"):
        Treffer = sorted(glob.glob(Muster))
        if Treffer:
            return Treffer[0]
    return None


def starten(Programm, Protokoll, Heute=None):
    """Starts the program with its output in Protokoll. Heute ("2026-03-11 10:00:00") sets the clock the
    program sees: it starts at that moment and runs on. The library is preloaded directly rather than
    through the faketime command, which would start the program as a child of its own: the process id
    must be the program's, the one the accessibility bus reports."""
    Umgebung = dict(os.environ)
    if Heute is not None:
        Bibliothek = faketime_bibliothek()
        if Bibliothek is None:
            raise Abbruch("libfaketime fehlt (Paket libfaketime bzw. faketime installieren, siehe scripts/pakete.sh)")
        Umgebung["LD_PRELOAD"] = Bibliothek
        Umgebung["FAKETIME"] = "@" + Heute
        # Timers and the event loop keep the real steady clock.
        Umgebung["DONT_FAKE_MONOTONIC"] = "1"
    with open(Protokoll, "w", encoding="utf-8") as Ausgabe:
        return subprocess.Popen([Programm], stdout=Ausgabe, stderr=subprocess.STDOUT, env=Umgebung)


EREIGNISARTEN = (
    FOKUS,
    "object:state-changed:active",
    "object:state-changed:selected",
    "window:activate",
    "window:deactivate",
    "object:text-changed",
    "object:text-caret-moved",
)


def anmelden(Prozess):
    """Waits for the program on the accessibility bus, then listens to its events; returns its application."""
    Pid = Prozess.pid
    App = warten(lambda: Prozess.poll() is None and programm_mit_pid(Pid), 30.0)
    if not App:
        raise Abbruch(
            "Stundolog erscheint nicht am Bus (Prozess %s)"
            % ("läuft" if Prozess.poll() is None else "endete mit %s" % Prozess.returncode)
        )
    pruefen(True, "Programm 'Stundolog' (Prozess %d) am Bus" % Pid)
    # Only now: Qt sends events only for what a listener has asked for.
    pyatspi.Registry.registerEventListener(ereignis, *EREIGNISARTEN)
    return App


def hauptfenster(App, Name, Sekunden=WARTEZEIT):
    """Waits until the main window bears that name; returns it."""
    Rahmen = warten(lambda: (lambda R: R if R is not None and frisch(R).name == Name else None)(rahmen(App)),
                    Sekunden)
    if not Rahmen:
        R = rahmen(App)
        raise Abbruch("kein Fenster namens %r; gesehen: %r" % (Name, R and frisch(R).name))
    return Rahmen


def ausfuehren(Pruefung, Vorbereitung=None, Heute=None):
    """Runs one test: Vorbereitung(Programm) prepares files and returns a value, the program is started,
    Pruefung(Programm, Prozess, Vorbereitet) checks. Prints the program's output after a failure and
    returns the exit status (0 all checks passed, 1 a check failed, 2 wrong call)."""
    if len(sys.argv) != 2:
        print("Aufruf: %s STUNDOLOG" % os.path.basename(sys.argv[0]), file=sys.stderr)
        return 2
    Programm = os.path.abspath(sys.argv[1])
    Protokoll = os.path.join(os.environ["TMPDIR"], "stundolog.log")
    open(Protokoll, "w").close()
    Prozess = None
    try:
        Vorbereitet = Vorbereitung(Programm) if Vorbereitung else None
        Prozess = starten(Programm, Protokoll, Heute)
        Pruefung(Programm, Prozess, Vorbereitet)
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
