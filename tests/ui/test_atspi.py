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
            evenements.append((e.type, e.any_data))
        pyatspi.Registry.registerEventListener(
            ecouter, "object:text-changed:insert", "object:property-change:accessible-name")

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

        # Each new message is spoken; the found solution is replayed through a named slider.
        appuyer(trouver(fenetre, "push button", "GO"))
        verifier(attendre(lambda: texte(ligne) == ""), "the game did not start")
        appuyer(trouver(fenetre, "push button", "Chercher une solution"))
        for message in ["Recherche en cours...", "Solution trouvée..."]:
            verifier(attendre(lambda: ("object:text-changed:insert", message) in evenements),
                     "%s not spoken: %s" % (message, evenements))
        curseur = []
        verifier(attendre(lambda: curseur.append(
            trouver(app, "scroll bar", "Coup de la solution")) or curseur[-1]), "no slider")
        valeur = curseur[-1].queryValue()
        verifier((valeur.currentValue, valeur.minimumValue, valeur.maximumValue) == (0, 0, 31),
                 "slider at %s" % valeur.currentValue)

        if len(sys.argv) > 2:
            with open(sys.argv[2], "w", encoding="utf-8") as fichier:
                fichier.write(lister(fenetre))

        # A screen reader that stops listening, then the registry that goes away: the game
        # goes on and still answers.
        pyatspi.Registry.deregisterEventListener(
            ecouter, "object:text-changed:insert", "object:property-change:accessible-name")
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
