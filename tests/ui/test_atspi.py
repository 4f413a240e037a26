#!/usr/bin/python3
# The real program read as a screen reader reads it, through AT-SPI: run under a private D-Bus
# session (dbus-run-session) in the tests' X server, the bus and registry of at-spi2-core started
# on demand. Names, roles and states of the window's objects, the press action of the buttons,
# the events that make a screen reader speak, and a registry that leaves and comes back.
# Usage: test_atspi.py PROGRAM [FILE]  (FILE receives the listing of the window's tree)
import os, signal, subprocess, sys, time

import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Gio, GLib
import pyatspi

DELAI = 60.0  # seconds for anything to show; the sanitized build starts slowly
evenements = []
ECOUTES = ["object:text-changed:insert", "object:property-change:accessible-name", "focus:",
           "object:state-changed:selected"]


def attendre(condition, delai=DELAI):
    """Runs the event loop until condition() holds; False after delai seconds."""
    fin = time.monotonic() + delai
    contexte = GLib.MainContext.default()
    while time.monotonic() < fin:
        while contexte.pending():
            contexte.iteration(False)
        try:
            if condition():
                return True
        except GLib.GError:
            pass  # an object that went away meanwhile: ask again
        GLib.timeout_add(20, lambda: False)
        contexte.iteration(True)
    return False


def noeuds(racine):
    pile = [racine]
    while pile:
        noeud = pile.pop()
        if noeud is None:
            continue  # a list row that Qt counts but does not give
        yield noeud
        pile.extend(reversed([noeud.getChildAtIndex(i) for i in range(noeud.childCount)]))


def trouver(racine, role, nom):
    for noeud in noeuds(racine):
        if noeud.getRoleName() == role and noeud.name == nom:
            return noeud
    return None


def etats(noeud):
    return sorted(e.value_nick for e in noeud.getState().getStates())


def texte(noeud):
    return noeud.queryText().getText(0, -1)


def appuyer(noeud):
    action = noeud.queryAction()
    verifier(action.getName(0).lower() == "press", "no press action: " + action.getName(0))
    action.doAction(0)


def lister(fenetre):
    lignes = []
    pile = [(fenetre, 0)]
    while pile:
        noeud, niveau = pile.pop()
        if noeud is None:
            continue
        lignes.append("%s%s \"%s\" [%s]" % ("  " * niveau, noeud.getRoleName(), noeud.name,
                                           " ".join(etats(noeud))))
        pile.extend(reversed([(noeud.getChildAtIndex(i), niveau + 1)
                              for i in range(noeud.childCount)]))
    return "\n".join(lignes) + "\n"


def appeler(bus, nom, chemin, interface, methode, arguments, reponse):
    return bus.call_sync(nom, chemin, interface, methode, arguments, GLib.VariantType(reponse),
                         Gio.DBusCallFlags.NONE, -1, None).unpack()[0]


def pid_du_registre():
    """The registry's process, asked of the accessibility bus (other sessions have their own)."""
    session = Gio.bus_get_sync(Gio.BusType.SESSION)
    adresse = appeler(session, "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                      None, "(s)")
    bus = Gio.DBusConnection.new_for_address_sync(
        adresse, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
        Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
    return appeler(bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                   "GetConnectionUnixProcessID", GLib.Variant("(s)", ("org.a11y.atspi.Registry",)),
                   "(u)")


def touches(suite):
    """Real key presses, to the window that has the keyboard focus."""
    subprocess.run(["xdotool", "key", "--delay", "50"] + suite.split(), check=True, timeout=30)


def verifier(condition, message):
    if not condition:
        raise AssertionError(message)


def main():
    programme = sys.argv[1]
    environnement = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                         QT_QPA_PLATFORM="xcb")
    jeu = subprocess.Popen([programme], env=environnement)
    try:
        bureau = pyatspi.Registry.getDesktop(0)
        trouves = {}
        def montree():
            for app in bureau:
                if app is not None and app.name == "Marbello":
                    trouves["app"] = app
                    trouves["fenetre"] = trouver(app, "frame", "Jeu du Marbello")
            return trouves.get("fenetre") is not None
        verifier(attendre(montree), "no application Marbello with a window Jeu du Marbello")
        app, fenetre = trouves["app"], trouves["fenetre"]

        def ecouter(e):
            # The source's name as it reads when the event is sent; a message's text as inserted.
            if e.type.startswith("object:text-changed"):
                evenements.append((e.type, e.any_data))
            elif e.detail1 or not e.type.startswith("object:state-changed"):
                evenements.append((e.type, e.source.name))
        pyatspi.Registry.registerEventListener(ecouter, *ECOUTES)

        for nom in ["Chercher une solution", "Damier", "A Propos / Aide", "GO", "Quitter",
                    "Reculer d'un coup", "Avancer d'un coup",
                    "Enregistrer la partie en cours", "Ouvrir une partie"]:
            bouton = trouver(fenetre, "push button", nom)
            verifier(bouton is not None, "no button " + nom)
            verifier("focusable" in etats(bouton), nom + " is not focusable")
        verifier(trouver(fenetre, "push button", "Supprimer la partie choisie"), "waste bin")
        verifier(trouver(fenetre, "list", "Parties enregistrées") or
                 trouver(fenetre, "table", "Parties enregistrées"), "saved-game list")
        verifier(trouver(fenetre, "text", "Nom de la partie"), "name field")
        ligne = trouver(fenetre, "status bar", "Choisissez une bille à retirer")
        verifier(ligne and texte(ligne) == "Choisissez une bille à retirer", "message line")
        lien = trouver(fenetre, "link", "Envoyer un coucou à l'auteur...")
        verifier(lien and lien.description.startswith("mailto:"), "mail link")

        # The first hole and a jump by keys: the cursor's hole is focused and spoken, the picked
        # marble selected, and every hole that changes tells its new name.
        plateau = trouver(fenetre, "table", "Plateau")
        verifier(plateau and plateau.childCount == 33, "no board of 33 holes")
        table = plateau.queryTable()
        centre = table.getAccessibleAt(3, 3)
        verifier(centre.name == "Ligne 4, colonne 4 : bille", centre.name)
        verifier(table.getAccessibleAt(0, 0) is None, "a hole outside the cross")
        touches("space")
        verifier(attendre(lambda: centre.name == "Ligne 4, colonne 4 : trou vide"), "first hole")
        touches("Up Up")
        depart = table.getAccessibleAt(1, 3)
        verifier(attendre(lambda: "focused" in etats(depart)), "the cursor is not on 5,3")
        touches("space")
        verifier(attendre(lambda: "selected" in etats(depart)), "the marble is not picked up")
        touches("Down Down space")
        verifier(attendre(lambda: texte(ligne) == "Il reste 31 billes."), texte(ligne))
        verifier(attendre(lambda: [table.getAccessibleAt(r, 3).name for r in (1, 2, 3)] == [
            "Ligne 2, colonne 4 : trou vide", "Ligne 3, colonne 4 : trou vide",
            "Ligne 4, colonne 4 : bille"]), "the jump is not read")
        for evenement in [("focus:", "Ligne 2, colonne 4 : bille"),
                          ("object:state-changed:selected", "Ligne 2, colonne 4 : bille"),
                          ("object:property-change:accessible-name", "Ligne 3, colonne 4 : trou vide"),
                          ("object:text-changed:insert", "Il reste 31 billes.")]:
            verifier(attendre(lambda: evenement in evenements), "no event %s in %s" % (evenement, evenements))
        if len(sys.argv) > 2:
            with open(sys.argv[2], "w", encoding="utf-8") as fichier:
                fichier.write(lister(fenetre))

        # Each new message is spoken; the found solution is replayed through a named slider.
        appuyer(trouver(fenetre, "push button", "Chercher une solution"))
        for message in ["Recherche en cours...", "Solution trouvée..."]:
            verifier(attendre(lambda: ("object:text-changed:insert", message) in evenements),
                     "%s not spoken: %s" % (message, evenements))
        curseur = []
        verifier(attendre(lambda: curseur.append(
            trouver(app, "scroll bar", "Coup de la solution")) or curseur[-1]), "no slider")
        valeur = curseur[-1].queryValue()
        verifier((valeur.currentValue, valeur.minimumValue, valeur.maximumValue) == (0, 0, 30),
                 "slider at %s" % valeur.currentValue)

        # A screen reader that stops listening, then the registry that goes away: the game
        # goes on and still answers.
        pyatspi.Registry.deregisterEventListener(ecouter, *ECOUTES)
        os.kill(pid_du_registre(), signal.SIGTERM)
        appuyer(trouver(fenetre, "push button", "Damier"))
        verifier(attendre(lambda: trouver(fenetre, "push button", "Normal") is not None),
                 "the game no longer answers")
        verifier(jeu.poll() is None, "the game ended when the registry left")
    finally:
        jeu.terminate()
        jeu.wait(30)
    print("OK")


main()
