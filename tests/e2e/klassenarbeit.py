#!/usr/bin/python3
"""End-to-end test of a teacher's first steps, read the way a screen reader reads it.

The program starts on Wednesday 11 March 2026 with an empty data folder and is driven by keys only:

  - the start question "no class loaded" and Yes, the question "no class saved" and Yes, then the
    dialog "Neue Klasse erstellen" with its named fields and lists (year 2026 and this week chosen);
    class 5a with subject Deutsch is created, its file written, the window named after it, the focus
    on the class field;
  - Ctrl+W offers next week, which becomes the current week with the focus on the week field;
  - a text typed into the text field is saved by Ctrl+S;
  - Ctrl+Left and Ctrl+Right go back and forth between the two weeks, each time with the focus on the
    week field, which reads the new week;
  - F4 creates a second class 6b with Englisch; Ctrl+K lists both classes and their subjects, and
    Up, Enter switch back to 5a at its newest week;
  - Alt+F4 ends the program, which remembers class 5a.

    /usr/bin/python3 klassenarbeit.py STUNDOLOG
"""

import os
import subprocess
import sys

import pyatspi

from lesehilfe import (Abbruch, EREIGNISSE, TITEL, aktiv, anmelden, ausfuehren, beschriftung_gehoert_zu, datenordner,
                       dialog_mit_titel, einstellung, einstellungen_schreiben, feld, felder, felder_zeigen, feldtext,
                       fenster, fensterliste, fokus_auf, fokus_ereignisse, fokus_kommt, fokusziele, fort, frisch,
                       gewaehlt, klasse_lesen, liest_irgendwo, listen, marke, meldung, pruefen, rahmen,
                       schritt, statuseintrag, tagnummer, taste, text, tippen, vorgelesen, warten, zeilen, zustaende)

HEUTE = "2026-03-11 10:00:00"  # a Wednesday
MONTAG = tagnummer(2026, 3, 9)  # the week key of this week
NAECHSTER = tagnummer(2026, 3, 16)
WOCHE_11 = "11/2026 (9.-15.3.2026)"
WOCHE_12 = "12/2026 (16.-22.3.2026)"
TEXT = "Märchen lesen"

FRAGE_GELADEN = "Es wurde noch keine Klasse geladen!"
FRAGE_GELADEN_2 = "Wollen Sie jetzt eine Klasse auswählen?"
FRAGE_GESPEICHERT = "Es wurde noch keine Klasse gespeichert!"
FRAGE_GESPEICHERT_2 = "Soll jetzt eine neue Klasse erstellt werden?"


def vorbereiten(Programm):
    del Programm
    os.makedirs(datenordner(), exist_ok=True)
    # The documents folder as data folder, no class to open; no sounds (no sound device here).
    return einstellungen_schreiben(["AktOrdner=1", "Sounds=0"])


def frage_beantworten(App, Text, Zweiter):
    """Waits for the question, checks what a screen reader reads of it and answers Yes with Enter."""
    Box = meldung(App, Text)
    if not Box:
        raise Abbruch("keine Frage %r; offene Fenster: %s" % (Text, fensterliste(App)))
    pruefen(True, "Frage %r erscheint" % Text)
    pruefen(liest_irgendwo(Box, Zweiter), "die Frage liest auch %r vor (%s)" % (Zweiter, vorgelesen(Box)))
    pruefen(aktiv(Box), "die Frage ist das aktive Fenster")
    taste("Return")
    pruefen(fort(Box), "Enter (Ja) schließt die Frage")


def klassendialog_pruefen(Dialog, Marke, Pid):
    """The empty new-class dialog: names, roles, lists and the choice of today's year and week."""
    for Name in ("Klasse:", "Fach:"):
        Treffer = felder(Dialog, Name)
        if not pruefen(len(Treffer) == 1, "ein Eingabefeld namens %r im Dialog (gefunden: %d)" % (Name, len(Treffer))):
            continue
        Feld = Treffer[0]
        pruefen(text(Feld) == "", "%r ist leer (%r)" % (Name, text(Feld)))
        pruefen(not zustaende(Feld).contains(pyatspi.STATE_READ_ONLY), "%r ist bearbeitbar" % Name)
        pruefen(beschriftung_gehoert_zu(Dialog, Name, Feld), "Beschriftung %r gehört zu ihrem Feld" % Name)
    Jahre, Wochen = listen(Dialog, "Jahr:"), listen(Dialog, "Woche:")
    if pruefen(len(Jahre) == 1, "eine Liste namens 'Jahr:' (gefunden: %d)" % len(Jahre)):
        Zeilen = zeilen(Jahre[0])
        pruefen(Zeilen == [str(J) for J in range(2005, 2037)], "die Jahre 2005 bis 2036 (%s)" % Zeilen)
        pruefen(gewaehlt(Jahre[0]) == ["2026"], "2026 ist gewählt (%s)" % gewaehlt(Jahre[0]))
        pruefen(beschriftung_gehoert_zu(Dialog, "Jahr:", Jahre[0]), "Beschriftung 'Jahr:' gehört zu ihrer Liste")
    if pruefen(len(Wochen) == 1, "eine Liste namens 'Woche:' (gefunden: %d)" % len(Wochen)):
        Zeilen = zeilen(Wochen[0])
        pruefen(bool(Zeilen) and "(29.12.2025-4.1.2026)" in Zeilen[0] and Zeilen[-1] == "1/2027 (4.-10.1.2027)",
                "die Wochen reichen von der Woche des 29.12.2025 bis 1/2027 (%s … %s)" % (
                    Zeilen[:1], Zeilen[-1:]))
        pruefen(gewaehlt(Wochen[0]) == [WOCHE_11], "diese Woche %r ist gewählt (%s)" % (WOCHE_11, gewaehlt(Wochen[0])))
        pruefen(beschriftung_gehoert_zu(Dialog, "Woche:", Wochen[0]), "Beschriftung 'Woche:' gehört zu ihrer Liste")
    Klasse = feld(Dialog, "Klasse:")
    pruefen(Klasse is not None and fokus_kommt(Marke, Pid, "Klasse:") and
            zustaende(Klasse).contains(pyatspi.STATE_FOCUSED),
            "das Klassenfeld des Dialogs hat den Fokus (Fokus ging an: %s)" % fokusziele(Marke, Pid))


def neue_klasse(App, Rahmen, Programm, Pid, Klasse, Fach):
    """F4 in the main window: types class and subject, Enter; checks window, fields, focus and file."""
    Marke = marke()
    taste("F4")
    Dialog = dialog_mit_titel(App, "Neue Klasse erstellen")
    if not Dialog:
        raise Abbruch("F4 öffnet keinen Dialog 'Neue Klasse erstellen'; offene Fenster: %s" % fensterliste(App))
    pruefen(True, "F4 öffnet 'Neue Klasse erstellen'")
    for Name in ("Klasse:", "Fach:"):
        pruefen(feldtext(Dialog, Name) == "", "%r ist leer (%r)" % (Name, feldtext(Dialog, Name)))
    pruefen(fokus_kommt(Marke, Pid, "Klasse:"), "der Fokus steht im Klassenfeld (%s)" % fokusziele(Marke, Pid))
    klasse_eintragen(App, Rahmen, Programm, Pid, Dialog, Klasse, Fach)


def klasse_eintragen(App, Rahmen, Programm, Pid, Dialog, Klasse, Fach):
    aktiv(Dialog)
    tippen(Klasse)
    taste("Tab")
    tippen(Fach)
    pruefen(bool(warten(lambda: feldtext(Dialog, "Klasse:") == Klasse and feldtext(Dialog, "Fach:") == Fach, 10.0)),
            "der Dialog zeigt Klasse %r und Fach %r (%r, %r)" % (
                Klasse, Fach, feldtext(Dialog, "Klasse:"), feldtext(Dialog, "Fach:")))
    Marke = marke()
    taste("Return")
    if not fort(Dialog):
        raise Abbruch("Enter schließt den Dialog nicht; offene Fenster: %s" % fensterliste(App))
    Name = "%s.SGV - %s" % (Klasse, TITEL)
    Gesehen = warten(lambda: frisch(rahmen(App)).name == Name, 10.0)
    pruefen(bool(Gesehen), "das Fenster heißt %r (%r)" % (Name, frisch(rahmen(App)).name))
    felder_zeigen(Rahmen, {"Klasse:": Klasse, "Fach:": Fach, "Woche:": WOCHE_11, "Text:": ""})
    fokus_auf(Rahmen, Marke, Pid, "Klasse:", "neue Klasse")
    Datei = os.path.join(datenordner(), Klasse + ".SGV")
    Erwartet = {"Klasse": Klasse, "Faecher": [{"Fachname": Fach, "Wochen": [{"Datum": MONTAG, "Text": ""}]}]}
    Gelesen = warten(lambda: os.path.exists(Datei) and klasse_lesen(Programm, Datei), 10.0)
    pruefen(Gelesen == Erwartet, "die Klassendatei %s.SGV hält Klasse, Fach und diese Woche (%s)" % (Klasse, Gelesen))


def pruefung(Programm, Prozess, Einstellungen):
    Pid = Prozess.pid

    schritt("Start mit leerem Datenordner")
    App = anmelden(Prozess)
    Rahmen = warten(lambda: rahmen(App))
    if not Rahmen:
        raise Abbruch("kein Hauptfenster")
    frage_beantworten(App, FRAGE_GELADEN, FRAGE_GELADEN_2)
    frage_beantworten(App, FRAGE_GESPEICHERT, FRAGE_GESPEICHERT_2)

    schritt("Dialog 'Neue Klasse erstellen'")
    Dialog = dialog_mit_titel(App, "Neue Klasse erstellen")
    if not Dialog:
        raise Abbruch("kein Dialog 'Neue Klasse erstellen'; offene Fenster: %s" % fensterliste(App))
    pruefen(True, "Dialog 'Neue Klasse erstellen' erscheint")
    pruefen(os.listdir(datenordner()) == [], "der Datenordner ist noch leer (%s)" % os.listdir(datenordner()))
    klassendialog_pruefen(Dialog, 0, Pid)
    klasse_eintragen(App, Rahmen, Programm, Pid, Dialog, "5a", "Deutsch")
    pruefen(sorted(os.listdir(datenordner())) == ["5a.SGV"], "im Datenordner liegt nur 5a.SGV (%s)" % sorted(
        os.listdir(datenordner())))
    Datei = os.path.join(datenordner(), "5a.SGV")

    schritt("Strg+W: die nächste Woche")
    Marke = marke()
    taste("ctrl+w")
    Dialog = dialog_mit_titel(App, "Neuen Wocheneintrag erstellen")
    if not Dialog:
        raise Abbruch("Strg+W öffnet keinen Dialog 'Neuen Wocheneintrag erstellen'; offene Fenster: %s"
                      % fensterliste(App))
    for Name, Inhalt in (("Klasse:", "5a"), ("Fach:", "Deutsch")):
        Feld = feld(Dialog, Name)
        pruefen(Feld is not None and text(Feld) == Inhalt and zustaende(Feld).contains(pyatspi.STATE_READ_ONLY),
                "%r zeigt %r, schreibgeschützt (%s)" % (Name, Inhalt, Feld and vorgelesen(Feld)))
    Wochen = listen(Dialog, "Woche:")
    if pruefen(len(Wochen) == 1, "eine Liste namens 'Woche:' (gefunden: %d)" % len(Wochen)):
        pruefen(gewaehlt(Wochen[0]) == [WOCHE_12], "die nächste Woche %r ist gewählt (%s)" % (
            WOCHE_12, gewaehlt(Wochen[0])))
        pruefen(WOCHE_11 not in zeilen(Wochen[0]), "die Woche, die das Fach schon hat, fehlt in der Liste")
    # The year list takes the focus; Qt names the list or its current line as the focused object.
    pruefen(fokus_kommt(Marke, Pid, ("Jahr:", "2026")),
            "der Fokus steht in der Jahresliste (Fokus ging an: %s)" % fokusziele(Marke, Pid))
    aktiv(Dialog)
    Marke = marke()
    taste("Return")
    pruefen(fort(Dialog), "Enter schließt den Dialog")
    felder_zeigen(Rahmen, {"Klasse:": "5a", "Fach:": "Deutsch", "Woche:": WOCHE_12, "Text:": ""})
    fokus_auf(Rahmen, Marke, Pid, "Woche:", "neue Woche")
    statuseintrag(Rahmen, "Eintrag: 2/2")

    schritt("Text eingeben und mit Strg+S speichern")
    Marke = marke()
    taste("Tab")
    fokus_auf(Rahmen, Marke, Pid, "Text:", "Tab")
    tippen(TEXT)
    Textfeld = feld(Rahmen, "Text:")
    pruefen(bool(warten(lambda: text(Textfeld) == TEXT, 10.0)), "das Textfeld zeigt %r (%r)" % (TEXT, text(Textfeld)))
    taste("ctrl+s")
    Erwartet = {"Klasse": "5a", "Faecher": [{"Fachname": "Deutsch", "Wochen": [
        {"Datum": MONTAG, "Text": ""}, {"Datum": NAECHSTER, "Text": TEXT}]}]}
    pruefen(bool(warten(lambda: klasse_lesen(Programm, Datei) == Erwartet, 10.0)),
            "Strg+S speichert beide Wochen, die neue mit ihrem Text (%s)" % klasse_lesen(Programm, Datei))

    schritt("Strg+Links und Strg+Rechts zwischen den Wochen")
    for Tasten, Woche, Inhalt, Eintrag in (("ctrl+Left", WOCHE_11, "", "Eintrag: 1/2"),
                                           ("ctrl+Right", WOCHE_12, TEXT, "Eintrag: 2/2"),
                                           ("ctrl+Left", WOCHE_11, "", "Eintrag: 1/2")):
        Marke = marke()
        taste(Tasten)
        felder_zeigen(Rahmen, {"Woche:": Woche, "Text:": Inhalt})
        # A screen reader says what the focused field reads when the focus (again) comes to it: a focus
        # event for the week field after the key, with the new week in it.
        Angesagt = warten(lambda: fokus_ereignisse(Marke, Pid, "Woche:")
                          and feldtext(Rahmen, "Woche:") == Woche, 10.0)
        Arten = sorted({E[0] for E in EREIGNISSE[Marke:] if E[2] == "Woche:" and E[4] == Pid})
        pruefen(bool(Angesagt), "%s: der Bildschirmleser hört von der Woche %r (Fokus ging an: %s; Ereignisse "
                "des Wochenfelds: %s)" % (Tasten, Woche, fokusziele(Marke, Pid), ", ".join(Arten) or "keine"))
        Feld = feld(Rahmen, "Woche:")
        pruefen(Feld is not None and zustaende(Feld).contains(pyatspi.STATE_FOCUSED),
                "%s: das Wochenfeld hat den Fokus" % Tasten)
        statuseintrag(Rahmen, Eintrag)
    pruefen(klasse_lesen(Programm, Datei) == Erwartet, "das Blättern ändert die Datei nicht")

    schritt("F4: eine zweite Klasse 6b")
    neue_klasse(App, Rahmen, Programm, Pid, "6b", "Englisch")
    pruefen(sorted(os.listdir(datenordner())) == ["5a.SGV", "6b.SGV"],
            "im Datenordner liegen 5a.SGV und 6b.SGV (%s)" % sorted(os.listdir(datenordner())))

    schritt("Strg+K: zurück zu 5a")
    Marke = marke()
    taste("ctrl+k")
    Dialog = dialog_mit_titel(App, "Wechsle Klasse/Fach")
    if not Dialog:
        raise Abbruch("Strg+K öffnet keinen Dialog 'Wechsle Klasse/Fach'; offene Fenster: %s" % fensterliste(App))
    Klassen, Faecher = listen(Dialog, "Klassen"), listen(Dialog, "Fächer")
    if not (pruefen(len(Klassen) == 1, "eine Liste namens 'Klassen' (gefunden: %d)" % len(Klassen)) and
            pruefen(len(Faecher) == 1, "eine Liste namens 'Fächer' (gefunden: %d)" % len(Faecher))):
        raise Abbruch("ohne die beiden Listen kein Wechsel")
    Klassen, Faecher = Klassen[0], Faecher[0]
    pruefen(zeilen(Klassen) == ["5a", "6b"], "die Klassen 5a und 6b (%s)" % zeilen(Klassen))
    pruefen(gewaehlt(Klassen) == ["6b"], "die offene Klasse 6b ist gewählt (%s)" % gewaehlt(Klassen))
    pruefen(zeilen(Faecher) == ["Englisch"] and gewaehlt(Faecher) == ["Englisch"],
            "die Fächer von 6b, Englisch gewählt (%s, gewählt %s)" % (zeilen(Faecher), gewaehlt(Faecher)))
    pruefen(fokus_kommt(Marke, Pid, ("Klassen", "6b")),
            "der Fokus steht in der Klassenliste (Fokus ging an: %s)" % fokusziele(Marke, Pid))
    aktiv(Dialog)
    taste("Up")
    Gewechselt = warten(lambda: gewaehlt(Klassen) == ["5a"] and gewaehlt(Faecher) == ["Deutsch"], 10.0)
    pruefen(bool(Gewechselt), "Pfeil hoch wählt 5a, dessen Fach Deutsch gewählt ist (%s, %s / %s)" % (
        gewaehlt(Klassen), zeilen(Faecher), gewaehlt(Faecher)))
    Marke = marke()
    taste("Return")
    pruefen(fort(Dialog), "Enter schließt den Dialog")
    pruefen(bool(warten(lambda: frisch(rahmen(App)).name == "5a.SGV - " + TITEL, 10.0)),
            "das Fenster heißt wieder '5a.SGV - %s' (%r)" % (TITEL, frisch(rahmen(App)).name))
    felder_zeigen(Rahmen, {"Klasse:": "5a", "Fach:": "Deutsch", "Woche:": WOCHE_12, "Text:": TEXT})
    fokus_auf(Rahmen, Marke, Pid, "Klasse:", "Wechsel")
    statuseintrag(Rahmen, "Eintrag: 2/2")
    Offen = [F for F in fenster(App) if F.getRole() != pyatspi.ROLE_FRAME]
    pruefen(not Offen, "keine Frage und kein Dialog mehr offen (%s)" % fensterliste(App))

    schritt("Beenden mit Alt+F4")
    taste("alt+F4")
    try:
        Status = Prozess.wait(15)
    except subprocess.TimeoutExpired:
        raise Abbruch("das Programm endet nicht nach Alt+F4; offene Fenster: %s" % fensterliste(App))
    pruefen(Status == 0, "das Programm endet mit Status 0 (%d)" % Status)
    pruefen(einstellung(Einstellungen, "Filename") == "5a.SGV 1",
            "die Einstellungen merken 5a, Fach 1 (Filename=%r)" % einstellung(Einstellungen, "Filename"))


if __name__ == "__main__":
    sys.exit(ausfuehren(pruefung, vorbereiten, Heute=HEUTE))
