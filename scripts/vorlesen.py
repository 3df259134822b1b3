"""Drives the program through AT-SPI (actions, EditableText, Escape and Tab
as keys through AT-SPI's device controller), as a screen reader does, and
checks what it tells: window roles, names of boxes and result values with
their captions, each caption once, one text-attribute run over each text,
the values as a result window's description, the caret events of a value,
no selection change told apart from the focus, Escape closing a dialog, no
unnamed objects, the error alert.
With --orca LOG, drives it with keys alone under Orca and checks what Orca
said in its debug log LOG instead."""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

FEHLER = []


def pruefe(bedingung, was):
    print(("ok    " if bedingung else "FEHLT ") + was)
    if not bedingung:
        FEHLER.append(was)


def warte(finde, sekunden=10):
    for _ in range(int(sekunden * 10)):
        gefunden = finde()
        if gefunden is not None:
            return gefunden
        time.sleep(0.1)
    return None


def programm():
    for a in pyatspi.Registry.getDesktop(0):
        if a is not None and a.name == "Vazorodavazivovovar" and a.childCount:
            return a
    return None


def fenster(app, titel, rolle=None):
    def finde():
        passend = [f for f in app if f is not None and f.name == titel
                   and (rolle is None or f.getRole() == rolle)
                   and f.getState().contains(pyatspi.STATE_SHOWING)]
        return passend[-1] if passend else None
    return warte(finde)


def alle(obj):
    for kind in obj:
        yield kind
        yield from alle(kind)


def kind(f, name, rolle):
    for o in alle(f):
        if o.name == name and o.getRole() == rolle:
            return o
    raise LookupError(name)


def druecke(f, name):
    aktion = kind(f, name, pyatspi.ROLE_PUSH_BUTTON).queryAction()
    pruefe(aktion.getName(0) == "Press", f"„{name}“ hat die Aktion Press")
    aktion.doAction(0)


def tippe(f, name, text):
    box = kind(f, name, pyatspi.ROLE_TEXT)
    box.queryEditableText().setTextContents(text)


def pumpe(sekunden=0.5):
    """Waits while the events that come in are handed to merke()."""
    ende = time.monotonic() + sekunden
    while time.monotonic() < ende:
        if not GLib.MainContext.default().iteration(False):
            time.sleep(0.02)


def aktiviere(titel):
    subprocess.run(["xdotool", "search", "--name", f"^{titel}$", "windowactivate", "--sync"],
                   check=False, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    pumpe()


def taste(name, titel=None):
    """Presses a key in the window with the title `titel` (default: the active one)."""
    if titel:
        aktiviere(titel)
    subprocess.run(["xdotool", "key", name], check=True)
    pumpe()


def beschriftet(o):
    return [r.getTarget(i).name for r in o.getRelationSet()
            if r.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for i in range(r.getNTargets())]


def pruefe_fenster(f, rollen=(pyatspi.ROLE_DIALOG,)):
    rolle = f.getRoleName()
    pruefe(f.getRole() in rollen, f"„{f.name}“: Fensterrolle ({rolle})")
    unbenannt = [o.getRoleName() for o in alle(f) if not o.name]
    pruefe(not unbenannt, f"„{f.name}“: keine unbenannten Objekte {unbenannt}")
    for o in alle(f):
        doppelt = [b for b in beschriftet(o) if b in o.name]
        pruefe(not doppelt and "-->" not in o.name and "[m]" not in o.name,
               f"„{o.name}“: keine Beschriftung doppelt {doppelt}, keine gesprochenen Zeichen")
        if o.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_LABEL) and "Text" in pyatspi.listInterfaces(o):
            text = o.queryText()
            n = text.characterCount
            if n:
                _, anfang, ende = text.getAttributeRun(n - 1)
                pruefe((anfang, ende) == (0, n),
                       f"„{o.name}“: ein Attributlauf über den ganzen Text ({anfang}, {ende}) von {n}")


def werte(f):
    """The result values: (name, text, captions), read through the Text interface."""
    liste = []
    for o in alle(f):
        if o.getRole() == pyatspi.ROLE_LABEL and o.getState().contains(pyatspi.STATE_FOCUSABLE):
            try:
                text = o.queryText()
            except NotImplementedError:
                pruefe(False, f"Wert „{o.name}“ bietet Text an")
                continue
            inhalt = text.getText(0, -1)
            liste.append((o.name, inhalt, beschriftet(o)))
            zeichen = text.getTextAtOffset(0, pyatspi.TEXT_BOUNDARY_CHAR)
            pruefe(zeichen[0] == inhalt[:1], f"Wert „{o.name}“ zeichenweise lesbar")
            EREIGNISSE.clear()
            text.setCaretOffset(1)
            pumpe()
            pruefe(("object:text-caret-moved", o) in EREIGNISSE,
                   f"Wert „{o.name}“ meldet seine Schreibmarke")
            text.setSelection(0, 0, len(inhalt))
            pruefe(text.getNSelections() == 1 and text.getSelection(0) == (0, len(inhalt)),
                   f"Wert „{o.name}“ lässt sich markieren")
    return liste


EREIGNISSE = []


def merke(ereignis):
    EREIGNISSE.append((ereignis.type, ereignis.source))


def beschreibt(e, werte):
    gesagt = ". ".join(" ".join(beschriftung) + " " + text for _, text, beschriftung in werte)
    pruefe(e.description == gesagt, f"„{e.name}“ beschreibt seine Werte: „{e.description}“")


def escape_schliesst(app, e):
    titel = e.name
    taste("Escape", titel)
    weg = warte(lambda: True if fenster_weg(app, titel) else None, 3)
    pruefe(weg, f"Escape schließt „{titel}“")


def fenster_weg(app, titel):
    return not [f for f in app if f is not None and f.name == titel
                and f.getState().contains(pyatspi.STATE_SHOWING)]


def umrechnen(app, haupt, knopf, titel, eingaben, ergebnis_titel):
    druecke(haupt, knopf)
    f = fenster(app, titel)
    pruefe(f is not None, f"„{titel}“ öffnet sich")
    pruefe_fenster(f)
    fokus = warte(lambda: next((o for o in alle(f)
                                if o.getState().contains(pyatspi.STATE_FOCUSED)), None), 3)
    print("       Fokus beim Öffnen:", fokus.name if fokus else None)
    for name, text in eingaben:
        tippe(f, name, text)
    druecke(f, "Berechnen")
    e = fenster(app, ergebnis_titel)
    pruefe(e is not None, f"„{ergebnis_titel}“ öffnet sich")
    pruefe_fenster(e)
    return f, e, fokus.name if fokus else None


def main():
    app = warte(programm)
    if app is None:
        sys.exit("Das Programm erscheint nicht im AT-SPI-Baum.")
    haupt = fenster(app, "Vazorodavazivovovar V 1.0")
    pruefe_fenster(haupt, (pyatspi.ROLE_FRAME,))
    pyatspi.Registry.registerEventListener(
        merke, "object:text-caret-moved", "object:text-selection-changed")

    geo = [("Geographische Länge, Grad", "9"), ("Geographische Länge, Minuten", "0"),
           ("Geographische Länge, Sekunden", "0"), ("Geographische Breite, Grad", "50"),
           ("Geographische Breite, Minuten", "0"), ("Geographische Breite, Sekunden", "0"),
           ("Meridianstreifen - Nr.", "3")]
    f, e, _ = umrechnen(app, haupt, "Geographische nach Gauss-Krüger",
                     "geographische in Gauss-Krüger - Lagoren", geo,
                     "Ergebnis für Gauss-Krüger - Lagoren")
    ist = werte(e)
    print("      ", ist)
    pruefe(ist == [("3500000,000", "3500000,000", ["Rechtswert (X)"]),
                   ("5540279,543", "5540279,543", ["Hochwert (Y)"])],
           "Gauss-Krüger-Ergebnis mit Beschriftungen")
    beschreibt(e, ist)
    escape_schliesst(app, e)

    # Tab into a filled box: its text selected, and no selection change told
    # apart from the focus.
    box = kind(f, "Geographische Breite, Grad", pyatspi.ROLE_TEXT)
    aktiviere(f.name)
    kind(f, "Geographische Länge, Sekunden", pyatspi.ROLE_TEXT).queryComponent().grabFocus()
    pumpe()
    EREIGNISSE.clear()
    taste("Tab")
    warte(lambda: box if box.getState().contains(pyatspi.STATE_FOCUSED) else None, 3)
    pruefe(box.queryText().getSelection(0) == (0, 2), "Tab markiert den Text im Feld")
    pruefe(("object:text-selection-changed", box) not in EREIGNISSE,
           "keine eigene Auswahlmeldung beim Tab ins Feld")

    # A bad box: the alert, named by the error kind; after OK the focus is
    # back in that box with its text selected.
    tippe(f, "Meridianstreifen - Nr.", "x")
    druecke(f, "Berechnen")
    alarm = fenster(app, "Typen unverträglich", pyatspi.ROLE_ALERT)
    pruefe(alarm is not None, "Fehlermeldung als Alarm „Typen unverträglich“")
    if alarm is not None:
        pruefe(alarm.getState().contains(pyatspi.STATE_MODAL), "Alarm ist modal")
        unbenannt = [o.getRoleName() for o in alle(alarm) if not o.name]
        print("       Alarm:", [(o.getRoleName(), o.name) for o in alle(alarm)])
        pruefe(not [r for r in unbenannt if r != "panel"],
               f"Alarm: keine unbenannten Objekte außer der Knopfleiste {unbenannt}")
        druecke(alarm, "OK")
        box = kind(f, "Meridianstreifen - Nr.", pyatspi.ROLE_TEXT)
        fokus = warte(lambda: box if box.getState().contains(pyatspi.STATE_FOCUSED) else None, 3)
        pruefe(fokus is not None, "Fokus zurück im Streifenfeld")
        pruefe(box.queryText().getNSelections() == 1, "Text im Streifenfeld markiert")

    gk = [("Rechtswert (X) in Metern", "3500000"), ("Hochwert (Y) in Metern", "5540279,542788")]
    f, e, fokus = umrechnen(app, haupt, "Gauss-Krüger nach geographische",
                     "Gauss-Krüger in geographische Lagoren", gk,
                     "Ergebnis für geographische Lagoren")
    ist = werte(e)
    print("      ", ist)
    soll = []
    for block, zahlen in (("Länge", ("9", "0", "0")), ("Breite", ("50", "0", "0"))):
        for spalte, zahl in zip(("Grad", "Minuten", "Sekunden"), zahlen):
            soll.append((zahl, zahl, [f"Geographische {block} – {spalte}"]))
    pruefe(ist == soll, "geographisches Ergebnis mit Beschriftungen")
    beschreibt(e, ist)
    escape_schliesst(app, e)
    pruefe(fokus == "Berechnen", f"Fokus im Gauss-Krüger-Eingabefenster auf „Berechnen“ {fokus}")

    # The datum change: the input system chosen among named radio buttons,
    # a UTM point typed in, the point read in all four systems.
    druecke(haupt, "Datumswechsel ETRS89/UTM …")
    d = fenster(app, "Datumswechsel ETRS89/UTM")
    pruefe(d is not None, "„Datumswechsel ETRS89/UTM“ öffnet sich")
    pruefe_fenster(d)
    gruppe = next((o for o in alle(d) if o.getRole() in (pyatspi.ROLE_PANEL, pyatspi.ROLE_GROUPING)
                   and o.name == "Eingabe in"), None)
    knoepfe = [o.name for o in alle(gruppe) if o.getRole() == pyatspi.ROLE_RADIO_BUTTON] \
        if gruppe else []
    pruefe(knoepfe == ["Gauss-Krüger (DHDN)", "UTM (ETRS89)", "Geographisch (ETRS89, GPS)"],
           f"Auswahl „Eingabe in“ mit drei Optionen {knoepfe}")
    utm = kind(d, "UTM (ETRS89)", pyatspi.ROLE_RADIO_BUTTON)
    utm.queryAction().doAction(0)
    pruefe(warte(lambda: True if utm.getState().contains(pyatspi.STATE_CHECKED) else None, 3),
           "„UTM (ETRS89)“ gewählt")
    for name, text in (("UTM (ETRS89), Zone", "32"), ("UTM (ETRS89), Ostwert in Metern", "499925,108"),
                       ("UTM (ETRS89), Nordwert in Metern", "5538503,057")):
        tippe(d, name, text)
    druecke(d, "Berechnen")
    e = fenster(app, "Ergebnis des Datumswechsels")
    pruefe(e is not None, "„Ergebnis des Datumswechsels“ öffnet sich")
    if e is not None:
        pruefe_fenster(e)
        # as a reader says them: the caption that labels a value, then its name
        namen = [" ".join(beschriftungen + [name]) for name, _, beschriftungen in werte(e)]
        print("      ", namen)
        for soll in ("Gauss-Krüger (DHDN) – Rechtswert in Metern 3500000,000",
                     "UTM (ETRS89) – Zone 32",
                     "Geographisch (ETRS89, GPS) – Breite – Grad 49",
                     "Geographisch (DHDN, Bessel) – Breite – Grad 50"):
            pruefe(soll in namen, f"Datumsergebnis „{soll}“")

    print(f"{len(FEHLER)} Mängel")
    sys.exit(1 if FEHLER else 0)


def orca(log):
    """The worked examples with keys alone, as a blind surveyor works, and
    what Orca said on each step (its debug log's speech lines)."""
    def gesagt():
        with open(log, encoding="utf-8", errors="replace") as d:
            return [z.split("SPEECH OUTPUT: ", 1)[1].split("{'established")[0].strip().strip("'")
                    for z in d if "SPEECH OUTPUT: " in z]

    def schritt(tasten="", text="", ruhe=2.5):
        """Presses `tasten`, types `text`, and returns what Orca said until it
        kept quiet for `ruhe` seconds (its log comes in blocks)."""
        vorher = len(gesagt())
        for t in tasten.split():
            subprocess.run(["xdotool", "key", t], check=True)
            time.sleep(1.2)
        if text:
            subprocess.run(["xdotool", "type", "--delay", "200", text], check=True)
        zuletzt, still = vorher, time.monotonic()
        ende = still + 15
        while time.monotonic() < ende and time.monotonic() - still < ruhe:
            time.sleep(0.3)
            if len(gesagt()) != zuletzt:
                zuletzt, still = len(gesagt()), time.monotonic()
        echo = ("Tab", "Enter", "Escape", "Umschalt links", "Löschen", "Rechts")
        neu = [z for z in gesagt()[vorher:] if z.strip() not in echo]
        print(f"  {tasten or text!r:24} → " + " | ".join(neu))
        return neu

    haupt = warte(lambda: next((z for z in gesagt() if "Vazorodavazivovovar V 1.0" in z), None), 20)
    print("  Start" + 19 * " " + " → " + " | ".join(gesagt()))
    schritt("Tab Return")
    schritt(text="9")
    for text in ("0", "0", "50", "0", "0", "3"):
        schritt("Tab", text=text)
    schritt("Return")
    schritt("Tab Tab")
    schritt("Right Right shift+Right")
    schritt("Escape")
    schritt("shift+Tab shift+Tab shift+Tab")
    schritt("Tab Tab", text="x")
    schritt("Return")
    schritt("Return")
    schritt("Escape shift+Tab Return")
    schritt("Tab Tab", text="3500000")
    schritt("Tab", text="5540279,542788")
    schritt("Return", ruhe=4)
    schritt("Tab")
    schritt("Escape")
    # Orca writes its log in blocks: a few more keys bring the rest.
    schritt("shift shift shift")

    # What was said, in order: a step's last words may show under the next.
    zeilen = gesagt()

    def folgt(*erwartet, was):
        i = 0
        for z in zeilen:
            if i < len(erwartet) and z == erwartet[i]:
                i += 1
        pruefe(i == len(erwartet), f"{was}: {' | '.join(erwartet)}")

    def einmal(text, was):
        pruefe(sum(text in z for z in zeilen) == 1, f"{was}: „{text}“ einmal")

    pruefe(haupt is not None, "Orca hört das Hauptfenster beim Start")
    folgt("geographische in Gauss-Krüger - Lagoren Dialog.", "Geographische Länge, Grad Text.",
          "Geographische Breite, Grad Text.", was="Länge und Breite unterschieden")
    folgt("Ergebnis für Gauss-Krüger - Lagoren Dialog Rechtswert (X) 3500000,000. "
          "Hochwert (Y) 5540279,543.", "Schließen Druckknopf.",
          "Rechtswert (X) 3500000,000 Beschriftung.", "Hochwert (Y) 5540279,543 Beschriftung.",
          "5", "4", "4", "ausgewählt", was="Ergebnis beim Öffnen, jede Beschriftung einmal, Pfeile")
    pruefe(not [z for z in zeilen if z.startswith("Rechtswert (X) 3500000,000. Hochwert")],
           "Werte beim Öffnen nicht zweimal")
    folgt("geographische in Gauss-Krüger - Lagoren Dialog.", "Meridianstreifen - Nr. Text.", "3.",
          "Geographische Breite, Grad Text.", "50 ausgewählt.",
          was="Escape schließt das Ergebnis, die Felder ganz gesagt")
    einmal("50 ausgewählt", "Tab ins Feld")
    pruefe(not [z for z in zeilen if "nicht mehr ausgewählt" in z], "keine Meldung beim Verlassen")
    einmal("Typen unverträglich", "Fehlermeldung")
    einmal("x ausgewählt", "nach der Fehlermeldung")
    folgt("Gauss-Krüger in geographische Lagoren Dialog.", "Berechnen Druckknopf.",
          "Schließen Druckknopf.", "Rechtswert (X) in Metern Text.",
          "Ergebnis für geographische Lagoren Dialog " + " ".join(
              f"Geographische {block} – {spalte} {zahl}."
              for block, zahlen in (("Länge", ("9", "0", "0")), ("Breite", ("50", "0", "0")))
              for spalte, zahl in zip(("Grad", "Minuten", "Sekunden"), zahlen)),
          "Schließen Druckknopf.", "Geographische Länge – Grad 9 Beschriftung.",
          "Gauss-Krüger in geographische Lagoren Dialog.", was="zurück: Ergebnis, Escape")
    print(f"{len(FEHLER)} Mängel")
    sys.exit(1 if FEHLER else 0)


if len(sys.argv) > 2 and sys.argv[1] == "--orca":
    orca(sys.argv[2])
else:
    main()
