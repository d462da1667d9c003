#!/usr/bin/python3
"""Accessibility sweep over every window of the program, read the way a screen reader reads it.

The program opens class 5a (Deutsch with four weeks in March and April 2020, Mathematik with two) on a fixed
date and is driven by keys only. For every window it shows, the sweep checks what a screen reader gets:

  - the window is announced with its title (a frame, dialog or alert named like the window, activated by
    window:activate), a message box's text can be read;
  - opening a window announces only the control that takes the focus first: no line of a list that is being
    filled, no control that has the focus only for a moment; a list may be followed by its current line, once;
  - the whole window, the window manager's title bar and frame included, lies on the screen;
  - every control that can take the focus has a name, and none keeps the "&" of its caption; labelled fields
    bear their label's text, lists what they list, buttons their captions; a label that names a field names it
    with its own text (a combo box, which Qt on Linux names by its chosen entry, through the label relation);
  - the menu bar: every item with its German caption, its shortcut as key binding (Qt 6.4 offers it through
    the item's action: the shortcut as "Ctrl+S", or "Alt+<letter>" for an item that has only its access key;
    the access keys of one menu differ), enabled and disabled as the open class allows, and with no class open;
  - after each command of "Sprünge" and "Aktionen" (after OK for those with a dialog) the focus event goes
    to the field the command leaves the focus in, and the field's new content is there when it arrives, also
    when the focus already was in that field; nothing changes the field after that event;
  - the status line reads the entry counter and the status text, and a new status text is announced;
  - with "Sounds ein" every change of the week reads the week sound; with sounds off it stays untouched
    (seen from outside through inotify: the program reads the sound file each time it plays it).

    /usr/bin/python3 zugang.py STUNDOLOG

A found fault is a FEHLER line and the sweep goes on where it can; the exit status is 1 when any check failed.
"""

import ctypes
import ctypes.util
import os
import struct
import subprocess
import sys

import pyatspi

from lesehilfe import (Abbruch, EREIGNISSE, FOKUS, TITEL, aktiv, alle, anmelden, ausfuehren, datenordner,
                       einstellungen_schreiben, ereignis, ereignisse_verarbeiten, feld, feldtext, fenster,
                       fensterliste, fokusziele, fort, frisch, gleich, hauptfenster, klasse_schreiben, letzter_fokus,
                       liest_irgendwo, marke, pruefen, schritt, sichtbar, taste, text, tippen, vorgelesen, warten,
                       zustaende)

HEUTE = "2020-04-15 10:00:00"  # a Wednesday, in week 16/2020
W10 = "10/2020 (2.-8.3.2020)"
W11 = "11/2020 (9.-15.3.2020)"
W12 = "12/2020 (16.-22.3.2020)"
W15 = "15/2020 (6.-12.4.2020)"
KLASSE_5A = {
    "Klasse": "5a",
    "Faecher": [
        {
            "Fachname": "Deutsch",
            "Wochen": [
                {"Datum": 43892, "Text": "Gedichte"},  # Monday 2.3.2020
                {"Datum": 43899, "Text": "Schreiben"},  # 9.3.2020
                {"Datum": 43906, "Text": "Lesen"},  # 16.3.2020
                {"Datum": 43927, "Text": "Diktat"},  # 6.4.2020
            ],
        },
        {
            "Fachname": "Mathematik",
            "Wochen": [
                {"Datum": 43899, "Text": "Bruchrechnung"},
                {"Datum": 43906, "Text": "Brüche kürzen\r\nTerme"},
            ],
        },
    ],
}
KLASSE_6B = {"Klasse": "6b", "Faecher": [{"Fachname": "Englisch", "Wochen": [{"Datum": 43906, "Text": "Vokabeln"}]}]}

# Roles a window may have; roles whose children are lines, cells or menu items rather than controls.
FENSTERROLLEN = (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_WINDOW, pyatspi.ROLE_ALERT)
SAMMELROLLEN = (pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE,
                pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_MENU_BAR, pyatspi.ROLE_MENU, pyatspi.ROLE_POPUP_MENU,
                pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_SCROLL_BAR)
TEXT = (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY)
# On Linux Qt names a combo box by its chosen entry; its label names it through the label relation.
AUSWAHL = (pyatspi.ROLE_COMBO_BOX,)
LISTE = (pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX)
KNOPF = (pyatspi.ROLE_PUSH_BUTTON,)
ROLLENNAMEN = {TEXT: "Textfeld", LISTE: "Liste", KNOPF: "Knopf", AUSWAHL: "Auswahlfeld"}
NAMENSAENDERUNG = "object:property-change:accessible-name"

# The menu bar with a class open: heading (caption, key binding), then its items as (caption, shortcut or None
# for an item reached by its access key only, enabled). The submenu "Drucken" of "Datei" is checked on its own.
MENUES = [
    (("Datei", "Alt+D"), [
        ("Speichern", "Ctrl+S", False), ("Laden...", "Ctrl+L", True), ("Drucken", None, True),
        ("Schließen", "Ctrl+F4", True), ("Beenden", "Alt+F4", True)]),
    (("Sprünge", "Alt+S"), [
        ("Nächste Woche", "Ctrl+Right", True), ("Vorherige Woche", "Ctrl+Left", True),
        ("Nächstes Fach", "Ctrl+Up", True), ("Vorheriges Fach", "Ctrl+Down", True),
        ("Nächster Monat", "Ctrl+PgUp", True), ("Vorheriger Monat", "Ctrl+PgDown", True),
        ("Erster Eintrag", "Alt+Home", True), ("Letzter Eintrag", "Alt+End", True),
        ("Gehe zu Woche...", "Ctrl+G", True)]),
    (("Aktionen", "Alt+K"), [
        ("Neue Woche erstellen...", "Ctrl+W", True), ("Neues Fach erstellen...", "Ctrl+N", True),
        ("Neue Klasse erstellen...", "F4", True), ("Übersicht einer Woche...", "F5", True),
        ("Übersicht eines Monats...", "F6", True), ("Übersicht aller Wochen...", "F7", True),
        ("Übersicht aller Wochen und Fächer...", "F8", True), ("Klasse/Fach wechseln...", "Ctrl+K", True),
        ("Fachbezeichnung ändern...", None, True), ("Klassenbezeichnung ändern...", None, True),
        ("Woche verschieben...", "F9", True), ("Lösche aktuelle Woche", "Ctrl+Del", True),
        ("Lösche aktuelles Fach", "F12", True), ("Lösche aktuelle Klasse", "Ctrl+F12", True),
        ("Suche nach Text im Stundolog...", "Ctrl+F", True)]),
    (("Datensicherung", "Alt+I"), [
        ("Datendateien sichern nach...", "F2", True), ("Datendateien wiederherstellen von...", "F3", True)]),
    (("Ansicht", "Alt+A"), [("Schriftart...", None, True), ("Schrifthintergrund...", None, True)]),
    (("Einstellungen", "Alt+E"), [
        ("Zuletzt geöffnete Klasse/Fach beim Programmstart laden ein", None, True), ("Sounds ein", None, True),
        ("Kalenderwochen mit Datum anzeigen ein", None, True),
        ("Sicherungsdatei beim Speichern erstellen ein", None, True),
        ("Datenspeicherung: Eigene Dateien/Eigene Dokumente", None, True),
        ("Datenspeicherung: Programmordner", None, True)]),
    (("Hilfe", "Alt+H"), [
        ("Programm-Info", None, True), ("Programm-Homepage...", None, True),
        ("Programm-Änderungen...", None, True), ("Mail an den Programmierer...", None, True),
        ("Spenden...", None, True)]),
]
DRUCKEN = ["Übersicht einer Woche...", "Übersicht eines Monats...", "Übersicht aller Wochen...",
           "Übersicht aller Wochen und Fächer..."]
# With no class open: the items that are enabled; every other item of these menus is disabled.
OHNE_KLASSE = {
    "Datei": {"Laden...", "Beenden"},
    "Sprünge": set(),
    "Aktionen": {"Neue Woche erstellen...", "Neues Fach erstellen...", "Neue Klasse erstellen...",
                 "Klasse/Fach wechseln..."},
}
# xdotool's names of the keys for an access key.
TASTENNAMEN = {"Ä": "Adiaeresis", "Ö": "Odiaeresis", "Ü": "Udiaeresis"}


# ---------------------------------------------------------------------------------------------------------
# The week sound, watched from outside

class Dateiwaechter:
    """Counts how often a file is opened (inotify IN_OPEN)."""

    IN_OPEN = 0x20

    def __init__(self, Pfad):
        self.Libc = ctypes.CDLL(ctypes.util.find_library("c"), use_errno=True)
        self.Fd = self.Libc.inotify_init1(os.O_NONBLOCK | os.O_CLOEXEC)
        if self.Fd < 0 or self.Libc.inotify_add_watch(self.Fd, os.fsencode(Pfad), self.IN_OPEN) < 0:
            raise Abbruch("inotify beobachtet %s nicht (errno %d)" % (Pfad, ctypes.get_errno()))
        self.Zahl = 0

    def geoeffnet(self):
        """How often the file was opened since the watch began."""
        while True:
            try:
                Daten = os.read(self.Fd, 4096)
            except BlockingIOError:
                return self.Zahl
            Stelle = 0
            while Stelle + 16 <= len(Daten):
                _, Maske, _, Laenge = struct.unpack_from("iIII", Daten, Stelle)
                if Maske & self.IN_OPEN:
                    self.Zahl += 1
                Stelle += 16 + Laenge


# ---------------------------------------------------------------------------------------------------------
# Reading windows and controls

def rolle(Objekt):
    try:
        return Objekt.getRoleName()
    except Exception:  # noqa: BLE001
        return "?"


def bedienelemente(Wurzel):
    """The controls of a window that can take the focus and are on screen; lines of lists, cells and menus
    are not descended into (their containers are the controls)."""
    Ergebnis = []

    def Gehen(Objekt):
        for Kind in Objekt:
            if Kind is None:
                continue
            Zustand = zustaende(Kind)
            if not Zustand.contains(pyatspi.STATE_SHOWING):
                continue
            if Zustand.contains(pyatspi.STATE_FOCUSABLE):
                Ergebnis.append(Kind)
            if Kind.getRole() not in SAMMELROLLEN:
                Gehen(Kind)

    Gehen(Wurzel)
    return Ergebnis


def beschriftet_mit(Objekt):
    """The names of the labels that name the object (labelled-by), without "&" and a trailing colon."""
    Namen = []
    for Beziehung in Objekt.getRelationSet():
        if Beziehung.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for Nr in range(Beziehung.getNTargets()):
                Namen.append(frisch(Beziehung.getTarget(Nr)).name.replace("&", "").rstrip(":"))
    return Namen


def beschriftungen(Wurzel):
    """(label name, target) for every label on screen that names a control."""
    Paare = []
    for Beschriftung in alle(Wurzel, lambda O: O.getRole() == pyatspi.ROLE_LABEL and sichtbar(O)):
        for Beziehung in Beschriftung.getRelationSet():
            if Beziehung.getRelationType() == pyatspi.RELATION_LABEL_FOR:
                for Nr in range(Beziehung.getNTargets()):
                    Paare.append((frisch(Beschriftung).name, Beziehung.getTarget(Nr)))
    return Paare


def rollenname(Rolle):
    return getattr(Rolle, "value_nick", None) or str(Rolle)


def fokusse_seit(Seit, Pid):
    """The focus events of the program since the mark Seit."""
    return [E for E in EREIGNISSE[Seit:] if E[0] == FOKUS and E[1] == 1 and E[4] == Pid]


def fenster_von(Objekt):
    """The window an object lies in, None when it cannot be told (an object that is gone)."""
    try:
        while Objekt is not None and Objekt.getRole() not in FENSTERROLLEN:
            Objekt = Objekt.parent
    except Exception:  # noqa: BLE001 — a vanished object
        return None
    return Objekt


def oeffnung_pruefen(Fenster, Seit, Zuerst, Wo):
    """Opening a window, a screen reader hears of the control that takes the focus first and of nothing else:
    every focus event of the program from the key that opened the window until it is ready names that control,
    a list's own event may be followed by its current line, once. Focus events in other windows before the
    window's first one are not the window's: the line of the menu that opened it, the main window's field that
    gets the focus back when a menu or a dialog closes before a message box opens. Zuerst: (roles, name) of that
    control; with None the events are only listed."""
    Pid = Fenster.get_process_id()
    if Zuerst is None:
        aktiv(Fenster)
    else:
        Rollen, Name = Zuerst
        # Ready: the window is active and its first control got the focus.
        warten(lambda: zustaende(Fenster).contains(pyatspi.STATE_ACTIVE) and
               any(E[2] == Name and E[3] in Rollen for E in fokusse_seit(Seit, Pid)), 10.0)
    # What the opening still sends comes within moments (a list filled just after showing, for one).
    ereignisse_verarbeiten(0.5)
    Ereignisse = fokusse_seit(Seit, Pid)
    Gelesen = ", ".join("%s %r" % (rollenname(E[3]), E[2]) for E in Ereignisse) or "keine"
    print("        Fokusereignisse beim Öffnen: %s" % Gelesen)
    while Ereignisse and not gleich(fenster_von(Ereignisse[0][5]), Fenster):
        Ereignisse.pop(0)
    if Zuerst is None:
        return
    OkS = bool(Ereignisse) and Ereignisse[0][2] == Name and Ereignisse[0][3] in Rollen
    if OkS and len(Ereignisse) > 1:
        Zeile, Liste = Ereignisse[1][5], Ereignisse[0][5]
        OkS = (len(Ereignisse) == 2 and Rollen == LISTE and Ereignisse[1][3] == pyatspi.ROLE_LIST_ITEM and
               gleich(Zeile.parent, Liste) and zustaende(Zeile).contains(pyatspi.STATE_FOCUSED))
    pruefen(OkS, "%s: das Öffnen sagt nur %r an%s (Fokusereignisse: %s)" % (
        Wo, Name, ", danach höchstens einmal die aktuelle Zeile" if Rollen == LISTE else "", Gelesen))


def ausgabe(*Befehl):
    return subprocess.run(Befehl, capture_output=True, text=True, timeout=30, check=True).stdout


def x_geometrie(Fenster=None):
    """(left, top, width, height) of an X window's client area on the screen, the root window without an id."""
    Werte = {}
    for Zeile in ausgabe("xwininfo", *(("-id", Fenster) if Fenster else ("-root",))).splitlines():
        Name, _, Wert = Zeile.strip().partition(":")
        Werte[Name] = Wert.strip()
    return (int(Werte["Absolute upper-left X"]), int(Werte["Absolute upper-left Y"]), int(Werte["Width"]),
            int(Werte["Height"]))


def x_rahmen(Fenster):
    """The window manager's frame round an X window as (left, right, top, bottom), None when it names none."""
    Zeile = ausgabe("xprop", "-id", Fenster, "_NET_FRAME_EXTENTS")
    _, Gleich, Werte = Zeile.partition("=")
    Zahlen = [int(Z) for Z in Werte.split(",")] if Gleich else []
    return tuple(Zahlen) if len(Zahlen) == 4 else None


def bildschirm_pruefen(Fenster, Titel, Wo):
    """The whole window, the window manager's title bar and frame included, lies on the screen. The accessibility
    bus gives the window's client area; the frame round it is the X window's _NET_FRAME_EXTENTS."""
    if not aktiv(Fenster):
        pruefen(False, "%s: das Fenster wird nicht aktiv, seine Lage bleibt ungeprüft" % Wo)
        return
    Id = ausgabe("xdotool", "getactivewindow").strip()
    # Qt puts the program's name behind the title of a window whose title does not name it.
    Name = ausgabe("xdotool", "getwindowname", Id).rstrip("\n")
    if not pruefen(Name in (Titel, Titel + " \u2014 " + TITEL), "%s: das aktive X-Fenster ist %r (%r)" % (
            Wo, Titel, Name)):
        return
    # The window manager may still be placing the window: the client area and the frame must stay put.
    Vorher = None

    def Ruhig():
        nonlocal Vorher
        Jetzt = (x_geometrie(Id), x_rahmen(Id))
        GleichS, Vorher = Jetzt == Vorher, Jetzt
        return GleichS and Jetzt[1] is not None
    warten(Ruhig, 5.0)
    if not pruefen(Vorher is not None, "%s: xwininfo und xprop lesen das X-Fenster %s" % (Wo, Id)):
        return
    (Links, Oben, Breite, Hoehe), Rand = Vorher
    Ausdehnung = frisch(Fenster).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    Zugang = (Ausdehnung.x, Ausdehnung.y, Ausdehnung.width, Ausdehnung.height)
    pruefen(Zugang == (Links, Oben, Breite, Hoehe),
            "%s: der Bus nennt die Lage des Fensters wie X (Bus %s, X %s)" % (Wo, Zugang, (Links, Oben, Breite, Hoehe)))
    if not pruefen(Rand is not None, "%s: der Fenstermanager nennt seinen Rahmen (_NET_FRAME_EXTENTS)" % Wo):
        return
    L, R, O, U = Rand
    Ganz = (Links - L, Oben - O, Links + Breite + R, Oben + Hoehe + U)
    _, _, BildBreite, BildHoehe = x_geometrie()
    OkS = Ganz[0] >= 0 and Ganz[1] >= 0 and Ganz[2] <= BildBreite and Ganz[3] <= BildHoehe
    Text = ("%s: das Fenster liegt samt Rahmen auf dem Bildschirm %dx%d (von %d,%d bis %d,%d; Inhalt %dx%d bei %d,%d, "
            "Rahmen links %d, rechts %d, oben %d, unten %d)" % (Wo, BildBreite, BildHoehe, *Ganz, Breite, Hoehe, Links,
                                                               Oben, L, R, O, U))
    pruefen(OkS, Text)


def fenster_pruefen(Fenster, Titel, Erwartet, Wo, Text=None, Seit=None, Zuerst=None):
    """What a screen reader gets of one window: its role and title, the names of its controls, its labels;
    Erwartet lists (roles, name) of controls that must be there once each. Text: a message box's text.
    Seit: the event mark before the window was opened; the window's activation since then is announced.
    Zuerst: (roles, name) of the control that takes the focus when the window opens; the opening announces only
    that control (oeffnung_pruefen). Every window lies on the screen with its frame (bildschirm_pruefen)."""
    if Seit is not None:
        oeffnung_pruefen(Fenster, Seit, Zuerst, Wo)
    bildschirm_pruefen(Fenster, Titel, Wo)
    frisch(Fenster)
    pruefen(Fenster.getRole() in FENSTERROLLEN and Fenster.name == Titel,
            "%s: das Fenster wird als %r angesagt (gelesen: %s %r)" % (Wo, Titel, rolle(Fenster), Fenster.name))
    if Seit is not None:
        Pid = Fenster.get_process_id()
        Aktiviert = warten(lambda: any(E[0] == "window:activate" and E[2] == Titel and E[4] == Pid
                                       for E in EREIGNISSE[Seit:]), 5.0)
        pruefen(bool(Aktiviert), "%s: window:activate meldet das Fenster %r (gemeldet: %s)" % (
            Wo, Titel, [E[2] for E in EREIGNISSE[Seit:] if E[0] == "window:activate" and E[4] == Pid]))
    Elemente = bedienelemente(Fenster)
    pruefen(bool(Elemente), "%s: das Fenster hat Bedienelemente, die den Fokus nehmen" % Wo)
    for Element in Elemente:
        Name = frisch(Element).name
        pruefen(bool(Name and Name.strip()), "%s: %s hat einen Namen (%s)" % (Wo, rolle(Element), vorgelesen(Element)))
        if Name and "&" in Name:
            pruefen(False, "%s: %s %r liest ein '&' vor, das nur die Zugriffstaste markiert" % (
                Wo, rolle(Element), Name))
    for Rollen, Name in Erwartet:
        if Rollen == AUSWAHL:
            Treffer = [E for E in Elemente if E.getRole() in Rollen and Name in beschriftet_mit(E)]
        else:
            Treffer = [E for E in Elemente if E.getRole() in Rollen and frisch(E).name == Name]
        pruefen(len(Treffer) == 1, "%s: genau ein Bedienelement %r (%s) (gefunden: %d%s)" % (
            Wo, Name, ROLLENNAMEN.get(Rollen, "?"), len(Treffer), "" if len(Treffer) == 1 else "; vorhanden: %s" % (
                ", ".join("%s %r" % (rolle(E), E.name) for E in Elemente))))
    for Name, Ziel in beschriftungen(Fenster):
        ZielName = frisch(Ziel).name
        if Ziel.getRole() in AUSWAHL:
            pruefen(Name.replace("&", "").rstrip(":") in beschriftet_mit(Ziel),
                    "%s: das Auswahlfeld der Beschriftung %r nennt sie als seine (gelesen: %s)" % (
                        Wo, Name, beschriftet_mit(Ziel)))
            continue
        pruefen(ZielName == Name.replace("&", ""),
                "%s: das Feld der Beschriftung %r heißt wie sie (gelesen: %s %r)" % (Wo, Name, rolle(Ziel), ZielName))
    if Text is not None:
        pruefen(liest_irgendwo(Fenster, Text), "%s: der Text %r ist lesbar (%s)" % (Wo, Text, vorgelesen(Fenster)))


def neues_fenster(App, Titel, Wo, Sekunden=10.0):
    """Waits for a window of the program with that title on screen; None after a FEHLER."""
    Gefunden = warten(lambda: next((F for F in fenster(App) if frisch(F).name == Titel), None), Sekunden)
    if not Gefunden:
        pruefen(False, "%s: kein Fenster %r erscheint (offen: %s)" % (Wo, Titel, fensterliste(App)))
    return Gefunden


def meldung_pruefen(App, Text, Knoepfe, Wo, Seit=None):
    """A message box with that text: title, text and buttons as a screen reader gets them. Returns it. Knoepfe
    names its default button first: it takes the focus when the box opens."""
    Box = warten(lambda: next((F for F in fenster(App) if F.getRole() != pyatspi.ROLE_FRAME and
                               liest_irgendwo(F, Text)), None), 10.0)
    if not Box:
        pruefen(False, "%s: keine Meldung %r (offen: %s)" % (Wo, Text, fensterliste(App)))
        return None
    fenster_pruefen(Box, TITEL, [(KNOPF, K) for K in Knoepfe], Wo + ", Meldung", Text, Seit, (KNOPF, Knoepfe[0]))
    aktiv(Box)
    return Box


def schliessen(Fenster, Tasten, Wo):
    aktiv(Fenster)
    taste(*Tasten)
    pruefen(fort(Fenster), "%s: %s schließt das Fenster" % (Wo, "+".join(Tasten)))


# ---------------------------------------------------------------------------------------------------------
# Focus and what it announces

def ansage_pruefen(Rahmen, Marke, Pid, Name, Wo, Inhalt=None):
    """After a command: the last focus event goes to the field Name, the field shows Inhalt (when given), and
    nothing changes the field after that event, so the screen reader reads its new content."""
    def Angekommen():
        Letzter = letzter_fokus(Marke, Pid)
        return (Letzter is not None and frisch(Letzter).name == Name and
                (Inhalt is None or feldtext(Rahmen, Name) == Inhalt))
    warten(Angekommen, 10.0)
    ereignisse_verarbeiten(0.3)
    Letzter = letzter_fokus(Marke, Pid)
    LetzterName = Letzter is not None and frisch(Letzter).name
    Feld = feld(Rahmen, Name)
    pruefen(LetzterName == Name and Feld is not None and zustaende(Feld).contains(pyatspi.STATE_FOCUSED),
            "%s: der Fokus geht an %r (Fokusereignisse: %s)" % (Wo, Name, fokusziele(Marke, Pid)))
    if Inhalt is not None:
        pruefen(feldtext(Rahmen, Name) == Inhalt, "%s: %r zeigt %r (gelesen: %r)" % (Wo, Name, Inhalt,
                                                                                       feldtext(Rahmen, Name)))
    Stellen = [N for N, E in enumerate(EREIGNISSE) if N >= Marke and E[0] == FOKUS and E[1] == 1 and E[4] == Pid
               and E[2] == Name]
    if Stellen:
        Danach = [E[0] for E in EREIGNISSE[Stellen[-1] + 1:] if E[0].startswith("object:text-changed")
                  and E[2] == Name and E[4] == Pid]
        pruefen(not Danach, "%s: nach dem Fokusereignis ändert sich %r nicht mehr (danach: %s)" % (Wo, Name, Danach))


def status_lesen(Rahmen):
    Leisten = alle(Rahmen, lambda O: O.getRole() == pyatspi.ROLE_STATUS_BAR)
    return [K for L in Leisten for K in L if K is not None and K.getRole() == pyatspi.ROLE_LABEL]


def eintrag_pruefen(Rahmen, Erwartet, Wo):
    Panels = status_lesen(Rahmen)
    Gelesen = warten(lambda: Panels and (frisch(Panels[0]).name == Erwartet or text(Panels[0]) == Erwartet), 10.0)
    pruefen(bool(Gelesen), "%s: die Statuszeile liest %r (%s)" % (
        Wo, Erwartet, vorgelesen(Panels[0]) if Panels else "keine Statuszeile"))


# ---------------------------------------------------------------------------------------------------------
# Menus

def popup(Kopf):
    """The popup menu below a menu bar item."""
    return next((K for K in Kopf if K is not None and K.getRole() in (pyatspi.ROLE_MENU, pyatspi.ROLE_POPUP_MENU)),
                None)


def bindung(Objekt):
    try:
        Aktion = Objekt.queryAction()
    except NotImplementedError:
        return None
    return Aktion.getKeyBinding(0) if Aktion.nActions > 0 else None


def menueleiste(Rahmen):
    Leisten = alle(Rahmen, lambda O: O.getRole() == pyatspi.ROLE_MENU_BAR)
    return Leisten[0] if Leisten else None


def kopf(Rahmen, Caption):
    Leiste = menueleiste(Rahmen)
    return next((K for K in Leiste if K is not None and frisch(K).name == Caption), None) if Leiste else None


def menue_oeffnen(Rahmen, Caption, Bindung):
    """Opens a heading of the menu bar by its access key; returns its popup menu once it is on screen."""
    Kopf = kopf(Rahmen, Caption)
    if Kopf is None:
        pruefen(False, "Menü %r: die Menüleiste hat keinen Eintrag dieses Namens" % Caption)
        return None
    taste(Bindung.lower())
    Menue = warten(lambda: (lambda P: P if P is not None and sichtbar(P) else None)(popup(Kopf)), 10.0)
    if not Menue:
        pruefen(False, "Menü %r: %s öffnet es nicht" % (Caption, Bindung))
    return Menue


def menue_schliessen(Menue):
    taste("Escape")
    if not warten(lambda: not sichtbar(Menue), 5.0):
        pruefen(False, "Escape schließt das Menü nicht")
    # Qt leaves the menu bar in keyboard mode after the first Escape.
    taste("Escape")
    ereignisse_verarbeiten(0.2)


def eintraege(Menue):
    return [K for K in Menue if K is not None and K.getRole() != pyatspi.ROLE_SEPARATOR and sichtbar(K)]


def eintrag(Menue, Caption):
    """The item of that caption, also while its menu is closed."""
    return next((K for K in Menue if K is not None and frisch(K).name == Caption), None)


def zugriffstaste(Menue, Caption, Wo):
    """The access key of an item of the open menu, as its key binding names it ("Alt+b" -> "b")."""
    Eintrag = eintrag(Menue, Caption)
    Bindung = Eintrag is not None and bindung(Eintrag) or ""
    if not Bindung.startswith("Alt+") or len(Bindung) != 5:
        pruefen(False, "%s: %r hat keine Zugriffstaste (Tastenbindung %r)" % (Wo, Caption, Bindung))
        return None
    Zeichen = Bindung[4:]
    return TASTENNAMEN.get(Zeichen.upper(), Zeichen.lower())


def befehl_ueber_menue(Rahmen, Kopf, Bindung, Caption, Wo):
    """Runs a menu item by the keys a user presses: heading's access key, item's access key. Returns the
    event mark from before the item's key, or None when the item cannot be reached."""
    Menue = menue_oeffnen(Rahmen, Kopf, Bindung)
    if Menue is None:
        return None
    Taste = zugriffstaste(Menue, Caption, Wo)
    if Taste is None:
        menue_schliessen(Menue)
        return None
    Marke = marke()
    taste(Taste)
    return Marke


def menues_pruefen(Rahmen):
    for (Caption, KopfBindung), Punkte in MENUES:
        Kopf = kopf(Rahmen, Caption)
        pruefen(Kopf is not None and (bindung(Kopf) or "").lower() == KopfBindung.lower(),
                "Menüleiste: %r mit Tastenbindung %r (gelesen: %r)" % (Caption, KopfBindung,
                                                                      Kopf is not None and bindung(Kopf)))
        Menue = menue_oeffnen(Rahmen, Caption, KopfBindung)
        if Menue is None:
            continue
        Gelesen = [frisch(K).name for K in eintraege(Menue)]
        pruefen(Gelesen == [P[0] for P in Punkte], "Menü %r: die Einträge %s (gelesen: %s)" % (
            Caption, [P[0] for P in Punkte], Gelesen))
        Tasten = {}
        for Name, Kuerzel, AnS in Punkte:
            Eintrag = eintrag(Menue, Name)
            if Eintrag is None:
                continue
            Bindung = bindung(Eintrag) or ""
            if Kuerzel is not None:
                pruefen(Bindung == Kuerzel, "Menü %r: %r hat die Tastenbindung %r (gelesen: %r)" % (
                    Caption, Name, Kuerzel, Bindung))
            else:
                Zeichen = Bindung[4:] if Bindung.startswith("Alt+") else ""
                pruefen(len(Zeichen) == 1 and Zeichen.lower() in Name.lower(),
                        "Menü %r: %r hat seine Zugriffstaste als Tastenbindung (gelesen: %r)" % (
                            Caption, Name, Bindung))
                if len(Zeichen) == 1:
                    pruefen(Zeichen.upper() not in Tasten,
                            "Menü %r: die Zugriffstaste %s von %r gibt es im Menü nur einmal (auch: %s)" % (
                                Caption, Zeichen.upper(), Name, Tasten.get(Zeichen.upper(), "keins")))
                    Tasten.setdefault(Zeichen.upper(), Name)
            pruefen(zustaende(Eintrag).contains(pyatspi.STATE_ENABLED) == AnS,
                    "Menü %r: %r ist %s" % (Caption, Name, "aktiviert" if AnS else "nicht aktiviert"))
        if Caption == "Datei":
            Drucken = eintrag(Menue, "Drucken")
            Unter = popup(Drucken) if Drucken is not None else None
            Namen = [frisch(K).name for K in Unter if K is not None] if Unter is not None else None
            pruefen(Namen == DRUCKEN, "Menü 'Drucken': die Einträge %s (gelesen: %s)" % (DRUCKEN, Namen))
        menue_schliessen(Menue)


def menues_ohne_klasse(Rahmen):
    for (Caption, KopfBindung), Punkte in MENUES:
        if Caption not in OHNE_KLASSE:
            continue
        Menue = menue_oeffnen(Rahmen, Caption, KopfBindung)
        if Menue is None:
            continue
        for Name, _, _ in Punkte:
            Eintrag = eintrag(Menue, Name)
            if Eintrag is None:
                pruefen(False, "ohne Klasse, Menü %r: kein Eintrag %r" % (Caption, Name))
                continue
            AnS = Name in OHNE_KLASSE[Caption]
            Zustand = zustaende(Eintrag)
            pruefen(Zustand.contains(pyatspi.STATE_ENABLED) == AnS and Zustand.contains(pyatspi.STATE_SENSITIVE) == AnS,
                    "ohne Klasse, Menü %r: %r ist %s" % (Caption, Name, "aktiviert" if AnS else "nicht aktiviert"))
        menue_schliessen(Menue)


# ---------------------------------------------------------------------------------------------------------
# The sweep

def vorbereiten(Programm):
    os.makedirs(datenordner(), exist_ok=True)
    klasse_schreiben(Programm, KLASSE_5A, os.path.join(datenordner(), "5a.SGV"))
    klasse_schreiben(Programm, KLASSE_6B, os.path.join(datenordner(), "6b.SGV"))
    # Class 5a, subject 1; sounds off until the sweep turns them on.
    einstellungen_schreiben(["AktOrdner=1", "Filename=5a.SGV 1", "Sounds=0"])


def dialog(App, Tasten, Titel, Erwartet, Zuerst, Wo):
    """Opens a window by keys and sweeps it; Zuerst: (roles, name) of the control that takes the focus first.
    Returns the window or None."""
    Seit = marke()
    taste(*Tasten)
    Fenster = neues_fenster(App, Titel, Wo)
    if Fenster:
        fenster_pruefen(Fenster, Titel, Erwartet, Wo, Seit=Seit, Zuerst=Zuerst)
        aktiv(Fenster)
    return Fenster


def pruefung(Programm, Prozess, _):
    Pid = Prozess.pid

    schritt("Hauptfenster")
    App = anmelden(Prozess)
    pyatspi.Registry.registerEventListener(ereignis, NAMENSAENDERUNG)
    Rahmen = hauptfenster(App, "5a.SGV - " + TITEL)
    warten(lambda: feldtext(Rahmen, "Woche:") == W15)
    aktiv(Rahmen)
    fenster_pruefen(Rahmen, "5a.SGV - " + TITEL,
                    [(TEXT, "Klasse:"), (TEXT, "Fach:"), (TEXT, "Woche:"), (TEXT, "Text:"),
                     (KNOPF, "Neue Woche..."), (KNOPF, "Klasse/Fach wechseln...")], "Hauptfenster")
    Panels = status_lesen(Rahmen)
    if pruefen(len(Panels) == 2, "Statuszeile: zwei Felder (gefunden: %d)" % len(Panels)):
        eintrag_pruefen(Rahmen, "Eintrag: 4/4", "Start")
        Standard = "Strg+N=neues Fach; Strg+W=neue Woche; Strg+K=Klasse/Fach wechseln"
        pruefen(frisch(Panels[1]).name == Standard, "Statuszeile: der Statustext %r (%s)" % (
            Standard, vorgelesen(Panels[1])))

    schritt("Menüleiste mit offener Klasse")
    menues_pruefen(Rahmen)

    schritt("Sprünge, der Fokus zuerst im Klassenfeld")
    # (keys, field that takes the focus, what the week field shows (None: another week than before), subject,
    # entry counter)
    Schritte = [
        ("ctrl+Left", "Woche:", W12, "Deutsch", "Eintrag: 3/4"),
        ("ctrl+Right", "Woche:", W15, "Deutsch", "Eintrag: 4/4"),
        # The last week already: nothing changes, the field is announced again all the same.
        ("ctrl+Right", "Woche:", W15, "Deutsch", "Eintrag: 4/4"),
        ("ctrl+Next", "Woche:", None, "Deutsch", None),
        ("ctrl+Prior", "Woche:", W15, "Deutsch", "Eintrag: 4/4"),
        ("alt+Home", "Woche:", W10, "Deutsch", "Eintrag: 1/4"),
        ("alt+End", "Woche:", W15, "Deutsch", "Eintrag: 4/4"),
        ("ctrl+Up", "Fach:", W12, "Mathematik", "Eintrag: 2/2"),
        ("ctrl+Up", "Fach:", W12, "Mathematik", "Eintrag: 2/2"),
        ("ctrl+Down", "Fach:", W15, "Deutsch", "Eintrag: 4/4"),
    ]
    for Tasten, Ziel, Woche, Fach, Eintrag in Schritte:
        Vorher = feldtext(Rahmen, "Woche:")
        Marke = marke()
        taste(Tasten)
        if Woche is None:
            warten(lambda: feldtext(Rahmen, "Woche:") != Vorher, 10.0)
            pruefen(feldtext(Rahmen, "Woche:") != Vorher, "%s: eine andere Woche (%r)" % (Tasten, Vorher))
        ansage_pruefen(Rahmen, Marke, Pid, Ziel, Tasten, Woche if Ziel == "Woche:" else Fach)
        if Ziel != "Woche:":
            pruefen(feldtext(Rahmen, "Woche:") == Woche, "%s: die Woche %r (%r)" % (Tasten, Woche,
                                                                                 feldtext(Rahmen, "Woche:")))
        if Eintrag:
            eintrag_pruefen(Rahmen, Eintrag, Tasten)

    schritt("Gehe zu Woche")
    Dialog = dialog(App, ("ctrl+g",), "Gehe zu Woche", [(LISTE, "Wochen"), (KNOPF, "OK"), (KNOPF, "Abbrechen")],
                    (LISTE, "Wochen"), "Gehe zu Woche")
    if Dialog:
        taste("Down")
        Marke = marke()
        taste("Return")
        pruefen(fort(Dialog), "Gehe zu Woche: Enter schließt den Dialog")
        ansage_pruefen(Rahmen, Marke, Pid, "Woche:", "Gehe zu Woche", W12)
        eintrag_pruefen(Rahmen, "Eintrag: 3/4", "Gehe zu Woche")

    schritt("Der Wochenklang")
    Wav = os.path.join(os.path.dirname(Programm), "NeueZeile.wav")
    if pruefen(os.path.isfile(Wav), "der Wochenklang liegt beim Programm (%s)" % Wav):
        Waechter = Dateiwaechter(Wav)
        Marke = marke()
        taste("ctrl+Right")
        ansage_pruefen(Rahmen, Marke, Pid, "Woche:", "Sounds aus, Strg+Rechts", W15)
        ereignisse_verarbeiten(1.0)
        pruefen(Waechter.geoeffnet() == 0, "Sounds aus: der Klang bleibt still (%d-mal gelesen)" % Waechter.geoeffnet())
        if befehl_ueber_menue(Rahmen, "Einstellungen", "Alt+E", "Sounds ein", "Sounds ein") is not None:
            Menue = popup(kopf(Rahmen, "Einstellungen"))
            warten(lambda: not sichtbar(Menue), 5.0)
            Eintrag = eintrag(Menue, "Sounds ein") if Menue is not None else None
            pruefen(Eintrag is not None and zustaende(Eintrag).contains(pyatspi.STATE_CHECKED),
                    "'Sounds ein' ist als angehakt zu lesen")
            for Tasten, Woche in (("ctrl+Left", W12), ("alt+Home", W10)):
                Vorher = Waechter.geoeffnet()
                Marke = marke()
                taste(Tasten)
                ansage_pruefen(Rahmen, Marke, Pid, "Woche:", "Sounds ein, " + Tasten, Woche)
                pruefen(bool(warten(lambda: Waechter.geoeffnet() > Vorher, 5.0)),
                        "Sounds ein, %s: der Wochenklang wird gespielt" % Tasten)
            # Sounds off again: the rest of the sweep stays silent.
            if befehl_ueber_menue(Rahmen, "Einstellungen", "Alt+E", "Sounds ein", "Sounds aus") is not None:
                warten(lambda: not zustaende(Eintrag).contains(pyatspi.STATE_CHECKED), 5.0)
                pruefen(not zustaende(Eintrag).contains(pyatspi.STATE_CHECKED),
                        "'Sounds ein' ist wieder als nicht angehakt zu lesen")
        Marke = marke()
        taste("alt+End")
        ansage_pruefen(Rahmen, Marke, Pid, "Woche:", "Alt+Ende", W15)

    schritt("Statustext")
    Marke = marke()
    taste("Tab")
    ansage_pruefen(Rahmen, Marke, Pid, "Text:", "Tab")
    Panels = status_lesen(Rahmen)
    taste("ctrl+End")
    Marke = marke()
    tippen(" \u201c")  # a quotation mark the class file cannot hold: the status line names its replacement
    Hinweis = "Ersetzt: \u201e\u201c\u201c durch \u201e\"\u201c"
    if Panels:
        Gelesen = warten(lambda: frisch(Panels[1]).name == Hinweis, 10.0)
        pruefen(bool(Gelesen), "Statuszeile: liest %r (%s)" % (Hinweis, vorgelesen(Panels[1])))
        ereignisse_verarbeiten(0.5)
        Arten = sorted({E[0] for E in EREIGNISSE[Marke:] if E[4] == Pid and E[3] == pyatspi.ROLE_LABEL
                        and E[2] == Hinweis})
        print("        Ereignisse des Statustexts: %s" % (", ".join(Arten) or "keine"))
        pruefen(NAMENSAENDERUNG in Arten or any(A.startswith("object:text-changed") for A in Arten),
                "Statuszeile: der neue Statustext wird gemeldet (Ereignisse: %s)" % (", ".join(Arten) or "keine"))

    schritt("Übersichten F5 bis F8")
    for Tasten, Titel in (("F5", "Übersicht von Woche " + W15), ("F6", "Übersicht eines Monats"),
                          ("F7", "Übersicht aller Wochen"), ("F8", "Übersicht aller Wochen und Fächer")):
        Ansicht = dialog(App, (Tasten,), Titel, [(TEXT, "Übersicht"), (KNOPF, "Drucken..."),
                                                 (KNOPF, "Speichern..."), (KNOPF, "Schließen")], (TEXT, "Übersicht"),
                         Tasten)
        if Ansicht:
            Marke = marke()
            schliessen(Ansicht, ("Escape",), Tasten)
            ansage_pruefen(Rahmen, Marke, Pid, "Text:", Tasten + ", zurück")

    schritt("Suche")
    Dialog = dialog(App, ("ctrl+f",), "Suche nach Text im Stundolog",
                    [(TEXT, "Suchtext:"), ((pyatspi.ROLE_CHECK_BOX,), "Genaue Übereinstimmung"),
                     (KNOPF, "Suchen"), (KNOPF, "OK"), (KNOPF, "Schließen")], (TEXT, "Suchtext:"), "Suche")
    if Dialog:
        tippen("kürzen")
        taste("Return")
        Treffer = warten(lambda: next((L for L in alle(Dialog, lambda O: O.getRole() in LISTE) if len(L) > 0), None),
                         10.0)
        pruefen(bool(Treffer) and frisch(Treffer).name == "Treffer",
                "Suche: die Trefferliste heißt 'Treffer' (%s)" % (Treffer and vorgelesen(Treffer)))
        Marke = marke()
        taste("Return")
        pruefen(fort(Dialog), "Suche: Enter auf dem Treffer schließt den Dialog")
        ansage_pruefen(Rahmen, Marke, Pid, "Text:", "Suche")
        pruefen(feldtext(Rahmen, "Fach:") == "Mathematik", "Suche: das Fach des Treffers")
        eintrag_pruefen(Rahmen, "Eintrag: 2/2", "Suche")

    schritt("Neue Woche, neues Fach")
    Dialog = dialog(App, ("ctrl+w",), "Neuen Wocheneintrag erstellen",
                    [(LISTE, "Jahr:"), (LISTE, "Woche:"), (KNOPF, "OK"), (KNOPF, "Abbrechen")], (LISTE, "Jahr:"),
                    "Neue Woche")
    if Dialog:
        Marke = marke()
        taste("Return")
        pruefen(fort(Dialog), "Neue Woche: Enter schließt den Dialog")
        ansage_pruefen(Rahmen, Marke, Pid, "Woche:", "Neue Woche")
        eintrag_pruefen(Rahmen, "Eintrag: 3/3", "Neue Woche")
    Dialog = dialog(App, ("ctrl+n",), "Neues Fach erstellen",
                    [(TEXT, "Fach:"), (LISTE, "Jahr:"), (LISTE, "Woche:"), (KNOPF, "OK"), (KNOPF, "Abbrechen")],
                    (TEXT, "Fach:"), "Neues Fach")
    if Dialog:
        tippen("Physik")
        Marke = marke()
        taste("Return")
        pruefen(fort(Dialog), "Neues Fach: Enter schließt den Dialog")
        ansage_pruefen(Rahmen, Marke, Pid, "Fach:", "Neues Fach", "Physik")
        eintrag_pruefen(Rahmen, "Eintrag: 1/1", "Neues Fach")

    schritt("Fach- und Klassenbezeichnung ändern")
    for Caption, Titel, Feld, Neu, Ziel, Meldung in (
            ("Fachbezeichnung ändern...", "Fachbezeichnung ändern", "Fachbezeichnung:", "Chemie", "Fach:",
             'Die Fachbezeichnung wurde in "Chemie" geändert!'),
            ("Klassenbezeichnung ändern...", "Klassenbezeichnung ändern", "Klassenbezeichnung:", "5c", "Klasse:",
             'Die Klassenbezeichnung wurde in "5c" geändert!')):
        Seit = befehl_ueber_menue(Rahmen, "Aktionen", "Alt+K", Caption, Titel)
        if Seit is None:
            continue
        Dialog = neues_fenster(App, Titel, Titel)
        if not Dialog:
            continue
        fenster_pruefen(Dialog, Titel, [(TEXT, Feld), (KNOPF, "OK"), (KNOPF, "Abbrechen")], Titel, Seit=Seit,
                        Zuerst=(TEXT, Feld))
        aktiv(Dialog)
        taste("ctrl+a")
        tippen(Neu)
        Marke = marke()
        taste("Return")
        Box = meldung_pruefen(App, Meldung, ["OK"], Titel, Marke)
        if Box:
            schliessen(Box, ("Return",), Titel + ", Meldung")
        pruefen(not sichtbar(Dialog), "%s: der Dialog ist zu" % Titel)
        ansage_pruefen(Rahmen, Marke, Pid, Ziel, Titel, Neu)

    schritt("Woche verschieben")
    taste("alt+End")
    Woche = feldtext(Rahmen, "Woche:")
    Titel = 'Woche %s von Fach "Chemie" verschieben nach' % Woche
    Dialog = dialog(App, ("F9",), Titel, [(LISTE, "Fach:"), (LISTE, "Jahr:"), (LISTE, "Woche:"), (KNOPF, "OK"),
                                          (KNOPF, "Abbrechen")], (LISTE, "Fach:"), "Woche verschieben")
    if Dialog:
        Marke = marke()
        taste("Return")
        # The move is reported; a subject left without weeks is reported as well.
        Box = meldung_pruefen(App, "verschoben!", ["OK"], "Woche verschieben", Marke)
        while Box:
            schliessen(Box, ("Return",), "Woche verschieben, Meldung")
            Box = warten(lambda: next((F for F in fenster(App) if F.getRole() != pyatspi.ROLE_FRAME), None), 2.0)
            if Box:
                fenster_pruefen(Box, TITEL, [(KNOPF, "OK")], "Woche verschieben, weitere Meldung")
        ansage_pruefen(Rahmen, Marke, Pid, "Woche:", "Woche verschieben")

    schritt("Löschen")
    # A subject with more than one week: first the week, then the whole subject.
    Marke = marke()
    taste("ctrl+Up")
    ansage_pruefen(Rahmen, Marke, Pid, "Fach:", "Strg+Hoch", "Deutsch")
    for Tasten, Frage, Ziel in (
            ("ctrl+Delete", "Soll der Eintrag", "Woche:"),
            ("F12", 'Soll das gesamte Fach "', "Fach:")):
        Vor = (feldtext(Rahmen, "Fach:"), feldtext(Rahmen, "Woche:"))
        Seit = marke()
        taste(Tasten)
        Box = meldung_pruefen(App, Frage, ["Ja", "Nein"], Tasten, Seit)
        if not Box:
            continue
        Marke = marke()
        schliessen(Box, ("Return",), Tasten)
        ansage_pruefen(Rahmen, Marke, Pid, Ziel, Tasten)
        pruefen((feldtext(Rahmen, "Fach:"), feldtext(Rahmen, "Woche:")) != Vor, "%s: gelöscht (%s)" % (Tasten, Vor))

    schritt("Neue Klasse mit der Frage nach dem Speichern")
    Dialog = dialog(App, ("F4",), "Neue Klasse erstellen",
                    [(TEXT, "Klasse:"), (TEXT, "Fach:"), (LISTE, "Jahr:"), (LISTE, "Woche:"), (KNOPF, "OK"),
                     (KNOPF, "Abbrechen")], (TEXT, "Klasse:"), "Neue Klasse")
    if Dialog:
        tippen("7c")
        taste("Tab")
        tippen("Biologie")
        Marke = marke()
        taste("Return")
        Box = meldung_pruefen(App, "Sollen die vorgenommenen Änderungen in der Klasse", ["Ja", "Nein", "Abbrechen"],
                              "Neue Klasse", Marke)
        if Box:
            schliessen(Box, ("Return",), "Neue Klasse, Frage")
        pruefen(fort(Dialog), "Neue Klasse: der Dialog schließt")
        ansage_pruefen(Rahmen, Marke, Pid, "Klasse:", "Neue Klasse", "7c")

    schritt("Klasse/Fach wechseln, Laden")
    Dialog = dialog(App, ("ctrl+k",), "Wechsle Klasse/Fach",
                    [(LISTE, "Klassen"), (LISTE, "Fächer"), (KNOPF, "OK"), (KNOPF, "Abbrechen")], (LISTE, "Klassen"),
                    "Wechseln")
    if Dialog:
        taste("Home")
        Marke = marke()
        taste("Return")
        pruefen(fort(Dialog), "Wechseln: Enter schließt den Dialog")
        ansage_pruefen(Rahmen, Marke, Pid, "Klasse:", "Wechseln", "5c")
    Dialog = dialog(App, ("ctrl+l",), "Lade Klasse", [(LISTE, "Klassen"), (KNOPF, "OK"), (KNOPF, "Abbrechen")],
                    (LISTE, "Klassen"), "Laden")
    if Dialog:
        taste("End")
        Marke = marke()
        taste("Return")
        pruefen(fort(Dialog), "Laden: Enter schließt den Dialog")
        ansage_pruefen(Rahmen, Marke, Pid, "Klasse:", "Laden", "7c")

    schritt("Datensicherung")
    Dialog = dialog(App, ("F2",), "Datendateien sichern nach",
                    [(LISTE, "Laufwerke"), (TEXT, "Kopierverlauf"), (KNOPF, "Sichern"), (KNOPF, "Aktualisieren"),
                     (KNOPF, "Schließen")], (LISTE, "Laufwerke"), "Datensicherung")
    if Dialog:
        Marke = marke()
        schliessen(Dialog, ("Escape",), "Datensicherung")
        ansage_pruefen(Rahmen, Marke, Pid, "Klasse:", "Datensicherung")

    schritt("Ansicht: Schriftart und Schrifthintergrund")
    Seit = befehl_ueber_menue(Rahmen, "Ansicht", "Alt+A", "Schriftart...", "Schriftart")
    if Seit is not None:
        Dialog = neues_fenster(App, "Schriftart", "Schriftart")
        if Dialog:
            # The lists of the font dialog are Qt's own: they announce the lines the dialog chooses as it is filled,
            # so what its opening sends is only listed.
            fenster_pruefen(Dialog, "Schriftart", [(AUSWAHL, "Farbe"), (KNOPF, "OK"),
                                                   (KNOPF, "Abbrechen")], "Schriftart", Seit=Seit)
            schliessen(Dialog, ("Escape",), "Schriftart")
    Seit = befehl_ueber_menue(Rahmen, "Ansicht", "Alt+A", "Schrifthintergrund...", "Schrifthintergrund")
    if Seit is not None:
        Dialog = neues_fenster(App, "Schrifthintergrund wählen", "Schrifthintergrund")
        if Dialog:
            fenster_pruefen(Dialog, "Schrifthintergrund wählen", [(LISTE, "Farben"), (KNOPF, "OK"),
                                                                  (KNOPF, "Abbrechen")], "Schrifthintergrund",
                            Seit=Seit, Zuerst=(LISTE, "Farben"))
            schliessen(Dialog, ("Escape",), "Schrifthintergrund")

    schritt("Hilfe: Programm-Info und Programm-Änderungen")
    Seit = befehl_ueber_menue(Rahmen, "Hilfe", "Alt+H", "Programm-Info", "Programm-Info")
    if Seit is not None:
        Box = meldung_pruefen(App, TITEL, ["OK"], "Programm-Info", Seit)
        if Box:
            schliessen(Box, ("Return",), "Programm-Info")
    Seit = befehl_ueber_menue(Rahmen, "Hilfe", "Alt+H", "Programm-Änderungen...", "Programm-Änderungen")
    if Seit is not None:
        Fenster = neues_fenster(App, "History.txt - " + TITEL, "Programm-Änderungen")
        if Fenster:
            fenster_pruefen(Fenster, "History.txt - " + TITEL, [(TEXT, "History.txt"), (KNOPF, "Schließen")],
                            "Programm-Änderungen", Seit=Seit, Zuerst=(TEXT, "History.txt"))
            schliessen(Fenster, ("Escape",), "Programm-Änderungen")

    schritt("Ohne offene Klasse")
    Marke = marke()
    taste("ctrl+F4")
    ansage_pruefen(Rahmen, Marke, Pid, "Klasse:", "Schließen", "(keine)")
    pruefen(bool(warten(lambda: frisch(Rahmen).name == "KeinName - " + TITEL, 10.0)),
            "Schließen: das Fenster heißt 'KeinName - %s' (%r)" % (TITEL, frisch(Rahmen).name))
    eintrag_pruefen(Rahmen, "Eintrag: 0/0", "Schließen")
    menues_ohne_klasse(Rahmen)

    schritt("Beenden")
    taste("alt+F4")
    try:
        Status = Prozess.wait(15)
    except subprocess.TimeoutExpired:
        raise Abbruch("das Programm endet nicht nach Alt+F4; offene Fenster: %s" % fensterliste(App))
    pruefen(Status == 0, "das Programm endet mit Status 0 (%d)" % Status)


if __name__ == "__main__":
    sys.exit(ausfuehren(pruefung, vorbereiten, Heute=HEUTE))
