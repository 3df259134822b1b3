"""Drives the program through AT-SPI only (actions and EditableText), as a
screen reader does, and checks what it tells: window roles, names of boxes
and result values with their captions, labelled-by relations, the Text
interface of the values, no unnamed objects, the error alert."""
import sys
import time

import pyatspi

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


def beschriftet(o):
    return [r.getTarget(i).name for r in o.getRelationSet()
            if r.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for i in range(r.getNTargets())]


def pruefe_fenster(f):
    rolle = f.getRoleName()
    pruefe(f.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW, pyatspi.ROLE_DIALOG),
           f"„{f.name}“: Fensterrolle ({rolle})")
    unbenannt = [o.getRoleName() for o in alle(f) if not o.name]
    pruefe(not unbenannt, f"„{f.name}“: keine unbenannten Objekte {unbenannt}")
    for o in alle(f):
        if o.getRole() == pyatspi.ROLE_TEXT:
            pruefe(beschriftet(o), f"Feld „{o.name}“ beschriftet von {beschriftet(o)}")


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
            text.setSelection(0, 0, len(inhalt))
            pruefe(text.getNSelections() == 1 and text.getSelection(0) == (0, len(inhalt)),
                   f"Wert „{o.name}“ lässt sich markieren")
    return liste


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
    pruefe_fenster(haupt)

    geo = [("Geographische Länge, Grad", "9"), ("Geographische Länge, Minuten", "0"),
           ("Geographische Länge, Sekunden", "0"), ("Geographische Breite, Grad", "50"),
           ("Geographische Breite, Minuten", "0"), ("Geographische Breite, Sekunden", "0"),
           ("Meridianstreifen - Nr.", "3")]
    f, e, _ = umrechnen(app, haupt, "Geographische --> Gauss-Krüger",
                     "geographische in Gauss-Krüger - Lagoren", geo,
                     "Ergebnis für Gauss-Krüger - Lagoren")
    ist = werte(e)
    print("      ", ist)
    pruefe(ist == [("Rechtswert (X) 3500000,000", "3500000,000", ["Rechtswert (X)"]),
                   ("Hochwert (Y) 5540279,543", "5540279,543", ["Hochwert (Y)"])],
           "Gauss-Krüger-Ergebnis mit Beschriftungen")

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

    gk = [("Rechtswert (X) [m]", "3500000"), ("Hochwert (Y) [m]", "5540279,542788")]
    f, e, fokus = umrechnen(app, haupt, "Gauss-Krüger --> geographische",
                     "Gauss-Krüger in geographische Lagoren", gk,
                     "Ergebnis für geographische Lagoren")
    ist = werte(e)
    print("      ", ist)
    soll = []
    for block, zahlen in (("Länge", ("9", "0", "0")), ("Breite", ("50", "0", "0"))):
        for spalte, zahl in zip(("Grad", "Minuten", "Sekunden"), zahlen):
            soll.append((f"Geographische {block} – {spalte} {zahl}", zahl,
                         [f"Geographische {block}", spalte]))
    pruefe(ist == soll, "geographisches Ergebnis mit Beschriftungen")
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
    for name, text in (("UTM (ETRS89), Zone", "32"), ("UTM (ETRS89), Ostwert [m]", "499925,108"),
                       ("UTM (ETRS89), Nordwert [m]", "5538503,057")):
        tippe(d, name, text)
    druecke(d, "Berechnen")
    e = fenster(app, "Ergebnis des Datumswechsels")
    pruefe(e is not None, "„Ergebnis des Datumswechsels“ öffnet sich")
    if e is not None:
        pruefe_fenster(e)
        namen = [name for name, _, _ in werte(e)]
        print("      ", namen)
        for soll in ("Gauss-Krüger (DHDN) – Rechtswert [m] 3500000,000",
                     "UTM (ETRS89) – Zone 32",
                     "Geographisch (ETRS89, GPS) – Breite – Grad 49",
                     "Geographisch (DHDN, Bessel) – Breite – Grad 50"):
            pruefe(soll in namen, f"Datumsergebnis „{soll}“")

    print(f"{len(FEHLER)} Mängel")
    sys.exit(1 if FEHLER else 0)


main()
