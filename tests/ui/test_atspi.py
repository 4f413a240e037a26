#!/usr/bin/python3
# The real program read as a screen reader reads it, through AT-SPI, on a D-Bus session of its own
# (dbus-run-session) in the tests' X server; at-spi2-core's bus and registry start on demand. The
# board as a table, a game played by real keys, the events that make a screen reader speak, the
# press action of a button, and a screen reader that comes and goes while the game runs.
# Usage: test_atspi.py PROGRAM
import os, shutil, signal, subprocess, sys, tempfile, time

import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Gio, GLib
import pyatspi

DELAI = 60.0  # seconds for anything to show; the sanitized build is slow
NOM, TEXTE = "object:property-change:accessible-name", "object:text-changed:insert"
ECOUTES = [NOM, TEXTE, "focus:", "object:state-changed:selected"]
# The first hole and a jump by real keys, then every kind of change of a hole and new messages,
# and a search that tells nothing but its messages. Each step: keys, "=" and a button pressed by
# its action, or "calme" (only the message line and the search button told anything since the
# last keys); then the event that must follow, by its source's name, or the text inserted.
ETAPES = [("space", NOM, "Ligne 4, colonne 4 : trou vide"),
          ("Up Up", "focus:", "Ligne 2, colonne 4 : bille"),
          ("space", "object:state-changed:selected", "Ligne 2, colonne 4 : bille"),
          ("Down Down space", NOM, "Ligne 3, colonne 4 : trou vide"),
          ("", TEXTE, "Il reste 31 billes."),
          ("h", TEXTE, "Indice : ligne "),
          ("ctrl+z", NOM, "Ligne 3, colonne 4 : bille"),
          ("ctrl+y", NOM, "Ligne 3, colonne 4 : trou vide"),
          ("Up Insert", NOM, "Ligne 3, colonne 4 : bille"),
          ("ctrl+z", NOM, "Ligne 4, colonne 4 : trou vide"),
          ("d", NOM, "Ligne 1, colonne 3 : bille"),
          ("=Chercher une solution", TEXTE, "Recherche en cours..."),
          ("", TEXTE, "Solution trouvée..."),
          ("Next", NOM, "Ligne"),
          ("ctrl+n", NOM, "Ligne 4, colonne 4 : bille"),
          ("ctrl+o", "", ""),
          ("Down Return", TEXTE, "Il reste 21 billes."),
          ("s", TEXTE, "Recherche en cours..."),
          ("", TEXTE, "Pas de solution"),
          ("calme", "", "")]
# No marble can be left alone from here, and the search visits many positions to learn it.
SANS = "ooo/o.o/oo....o/o.ooo../oooo.oo/.o./.oo"
evenements = []


def attendre(condition, delai=DELAI):  # False if condition() does not hold within delai
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


def arbre(noeud, niveau=0):
    yield noeud, niveau
    for i in range(noeud.childCount):
        enfant = noeud.getChildAtIndex(i)
        if enfant is not None:  # Qt counts list rows it does not give
            yield from arbre(enfant, niveau + 1)


def trouver(racine, role, nom):
    return next((n for n, _ in arbre(racine) if n.getRoleName() == role and n.name == nom), None)


def ecouter(e):
    # A message as inserted; otherwise the source's name as it reads when the event comes.
    if e.type == TEXTE:
        evenements.append((e.type, e.any_data))
    elif e.detail1 or not e.type.startswith("object:state-changed"):
        evenements.append((e.type, e.source.name))


def appeler(bus, nom, chemin, interface, methode, arguments, reponse=None):
    return bus.call_sync(nom, chemin, interface, methode, arguments,
                         reponse and GLib.VariantType(reponse), Gio.DBusCallFlags.NONE, -1, None)


def pid_du_registre():
    # The registry's process, as the accessibility bus of this session knows it.
    adresse = appeler(Gio.bus_get_sync(Gio.BusType.SESSION), "org.a11y.Bus", "/org/a11y/bus",
                      "org.a11y.Bus", "GetAddress", None, "(s)").unpack()[0]
    bus = Gio.DBusConnection.new_for_address_sync(
        adresse, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
        Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
    return appeler(bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                   "GetConnectionUnixProcessID", GLib.Variant("(s)", ("org.a11y.atspi.Registry",)),
                   "(u)").unpack()[0]


def main():
    environnement = dict(os.environ, QT_QPA_PLATFORM="xcb")
    environnement.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
    # The program in a folder of its own, which holds its saved games.
    dossier = tempfile.mkdtemp()
    with open(os.path.join(dossier, "sans.Mbo"), "w", encoding="ascii") as partie:
        partie.writelines("%d\r\n" % k for k, c in enumerate(SANS.replace("/", "")) if c == "o")
    jeu = subprocess.Popen([shutil.copy(sys.argv[1], dossier)], env=environnement)
    try:
        # A screen reader starts while the game runs: it turns the desktop's accessibility on.
        subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                        "^Jeu du Marbello$"], check=True, timeout=DELAI, stdout=subprocess.DEVNULL)
        appeler(Gio.bus_get_sync(Gio.BusType.SESSION), "org.a11y.Bus", "/org/a11y/bus",
                "org.freedesktop.DBus.Properties", "Set",
                GLib.Variant("(ssv)", ("org.a11y.Status", "IsEnabled", GLib.Variant("b", True))))
        def fenetre():
            return next((trouver(a, "frame", "Jeu du Marbello") for a in
                         pyatspi.Registry.getDesktop(0) if a is not None and a.name == "Marbello"),
                        None)
        assert attendre(lambda: fenetre() is not None), "no application Marbello with its window"
        f = fenetre()
        pyatspi.Registry.registerEventListener(ecouter, *ECOUTES)
        assert trouver(f, "table", "Plateau").childCount == 33, "no board of 33 holes"
        for geste, type_, nom in ETAPES:
            if geste == "calme":
                assert {n for _, n in evenements} <= {
                    "Recherche en cours...", "Arrêter la recherche", "Pas de solution",
                    "Chercher une solution"}, "told during the search: %s" % evenements
            elif geste.startswith("="):
                trouver(f, "push button", geste[1:]).queryAction().doAction(0)
            elif geste:
                del evenements[:]
                # Real key presses, to the window that has the keyboard focus.
                subprocess.run(["xdotool", "key", "--delay", "50"] + geste.split(), check=True,
                               timeout=30)
            if geste == "ctrl+o":  # the folder is read in the background
                liste = trouver(f, "list", "Parties enregistrées")
                assert attendre(lambda: liste.queryTable().nRows == 1), "no saved game listed"
            if type_:
                assert attendre(lambda: any(t == type_ and n.startswith(nom)
                                            for t, n in evenements)), \
                    "after %s no %s %s in %s" % (geste, type_, nom, evenements)

        # A screen reader that stops listening, then a registry that goes away: the game goes on.
        pyatspi.Registry.deregisterEventListener(ecouter, *ECOUTES)
        os.kill(pid_du_registre(), signal.SIGTERM)
        trouver(f, "push button", "Normal").queryAction().doAction(0)
        assert attendre(lambda: trouver(f, "push button", "Damier") is not None), "no answer"
        assert jeu.poll() is None, "the game ended when the registry left"
    finally:
        jeu.terminate()
        jeu.wait(30)
        shutil.rmtree(dossier)
    print("OK")


main()
