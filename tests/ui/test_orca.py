#!/usr/bin/python3
# A blind player's game: the real Orca reads the real program, in French, on real keys, in the
# tests' X server. Everything is private: a D-Bus session (dbus-run-session, which starts the
# accessibility bus on demand), HOME and XDG folders, settings, a French locale compiled here,
# speech-dispatcher writing each utterance to a file with its audio sent nowhere. What Orca says
# is read from its debug record, whose "SPEECH OUTPUT:" lines are its speech. Last, the
# accessibility registry goes away and the game goes on.
# Usage: test_orca.py PROGRAM
import os, pty, re, shutil, signal, subprocess, sys, tempfile, threading, time, tty

DELAI = 10.0  # seconds for Orca to speak after a key; the sanitized build is slow
CALME = 0.6  # seconds of silence that end an utterance's run
# The game by keys, as a blind player plays it: keys (xdotool's names; "orca" for the screen
# reader that starts while the game runs, "@name" for a saved game put alone in the folder,
# "registre" for the registry that leaves), the words Orca must say after them, and the words it
# must not say (a whole row, the folder's columns).
AUJOURDHUI = "%d-%d-%d" % time.localtime()[2::-1]  # the name the save panel proposes
ETAPES = [
    ("orca", ["Plateau", "Ligne 4, colonne 4, bille", "Choisissez une bille"], []),
    ("Return", ["Ligne 4, colonne 4, trou vide"], []),
    ("Up", ["Ligne 3, colonne 4, bille"], ["colonne 5", "deux points"]),
    ("Up space", ["Ligne 2, colonne 4, bille", "levée"], []),
    ("Down Down space", ["Ligne 4, colonne 4, bille", "Il reste 31 billes."], []),
    ("Left space Right Right space", ["Saut impossible"], []),
    ("Left space space", ["levée", "posée"], []),
    ("ctrl+z", ["Il reste 32 billes."], []),
    ("ctrl+y", ["Il reste 31 billes."], []),
    ("d", ["Damier", "bille noire"], []),
    ("h", ["Indice, ligne"], ["deux points"]),
    ("i", ["Une solution existe"], []),
    ("s", ["Recherche en cours...", "Solution trouvée..."], []),
    ("Next", ["Il reste 30 billes."], []),
    ("shift+F10", ["Menu du jeu"], []),
    ("Down", ["Nouvelle partie", "Contrôle+N"], []),
    ("Escape F1", ["Pour débuter une partie", "règle du damier"], []),
    ("Tab", ["Lire l'article"], []),
    ("Tab Tab Tab", ["Fermer"], []),
    ("Escape ctrl+s", [AUJOURDHUI], []),
    ("Return", ["Partie enregistrée, " + AUJOURDHUI], []),
    ("ctrl+o", ["Parties enregistrées"], ["octets"]),
    ("Down", [AUJOURDHUI], ["octets"]),
    ("Delete", ["Partie supprimée, " + AUJOURDHUI], []),
    ("Escape @fin ctrl+o Down Return", ["Il reste 3 billes."], []),
    ("Up Right space Up Up space", ["Il reste 2 billes.", "Pas de solution"], []),
    ("p", ["perdu"], []),
    ("Escape", [], []),
    ("ctrl+z", ["Il reste 3 billes.", "Une solution existe"], []),
    ("Down space Down Down space space Left Left space", ["Bravo"], []),
    ("Right plus", ["Ligne 4, colonne 4, bille"], []),
    ("@sans ctrl+o Down Return", ["Il reste 21 billes."], []),
    ("s", ["Recherche en cours...", "Pas de solution"], []),
    ("ctrl+o shift+Tab", ["Construire une partie"], []),
    ("Return", ["Espace retire une bille"], []),
    ("space", ["Ligne 4, colonne 4, trou vide"], []),
    ("ctrl+Return", ["Il reste 20 billes."], []),
    ("registre", [], []),
]
# Saved games, each alone in the folder from its "@name" on: three marbles, one move from losing
# and two from winning; a position without solution whose search visits many positions.
PARTIES = {"fin": [5, 10, 16],
           "sans": [k for k, c in enumerate("ooo/o.o/oo....o/o.ooo../oooo.oo/.o./.oo"
                                             .replace("/", "")) if c == "o"]}


class Lecteur:
    """Orca's debug record, read as it is written: a terminal, so that Orca writes it line by
    line; its speech in order, the whole record kept in a file."""

    def __init__(self, chemin):
        self.maitre, esclave = pty.openpty()
        tty.setraw(esclave)
        self.nom = os.ttyname(esclave)
        self.esclave = esclave
        self.paroles, self.verrou = [], threading.Condition()
        self.fichier = open(chemin, "wb")
        threading.Thread(target=self.lire, daemon=True).start()

    def lire(self):
        reste = b""
        while True:
            try:
                bloc = os.read(self.maitre, 65536)
            except OSError:
                return
            self.fichier.write(bloc)
            *lignes, reste = (reste + bloc).split(b"\n")
            dites = [m.group(1) for l in lignes
                     for m in [re.search(r"SPEECH OUTPUT: '(.*?)' ?(\{.*)?$",
                                            l.decode("utf-8", "replace"))]
                     if m and m.group(1).strip()]
            if dites:
                with self.verrou:
                    self.paroles += [(time.monotonic(), d) for d in dites]
                    self.verrou.notify_all()

    def depuis(self, debut):
        with self.verrou:
            return [d for t, d in self.paroles[debut:]]

    def attendre(self, debut, mots):
        """What Orca says from its debut-th utterance on, once the words came or DELAI passed,
        and CALME seconds went by without speech."""
        fin = time.monotonic() + DELAI
        with self.verrou:
            while time.monotonic() < fin:
                dites = " | ".join(d for _, d in self.paroles[debut:])
                derniere = self.paroles[-1][0] if len(self.paroles) > debut else 0
                if all(m.lower() in dites.lower() for m in mots) and \
                        time.monotonic() - derniere > CALME:
                    break
                self.verrou.wait(0.1)
            return [d for _, d in self.paroles[debut:]]


def preparer(dossier):
    """The private environment: folders, settings, the French locale, speech to a file."""
    env = dict(os.environ)
    env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
    env.pop("SESSION_MANAGER", None)
    chemins = {c: os.path.join(dossier, c.lower()) for c in
               ["HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"]}
    for c, chemin in chemins.items():
        os.makedirs(chemin, mode=0o700)
        env[c] = chemin
    locales = os.path.join(dossier, "locales")
    os.makedirs(locales)
    subprocess.run(["localedef", "-i", "fr_FR", "-f", "UTF-8",
                    os.path.join(locales, "fr_FR.UTF-8")], check=True)
    env.update(LOCPATH=locales, LANG="fr_FR.UTF-8", LC_ALL="fr_FR.UTF-8", LANGUAGE="fr",
               GSETTINGS_BACKEND="keyfile", QT_QPA_PLATFORM="xcb")
    config = chemins["XDG_CONFIG_HOME"]
    ecrire(os.path.join(config, "glib-2.0", "settings", "keyfile"),
           "[org/gnome/desktop/interface]\ntoolkit-accessibility=false\n")
    ecrire(os.path.join(chemins["HOME"], ".asoundrc"), "pcm.!default { type null }\n")
    ecrire(os.path.join(config, "speech-dispatcher", "speechd.conf"),
           'AudioOutputMethod "alsa"\nAddModule "generic" "sd_generic" "generic.conf"\n'
           'DefaultModule generic\nDefaultLanguage "fr"\n')
    ecrire(os.path.join(config, "speech-dispatcher", "modules", "generic.conf"),
           "GenericExecuteSynth \"printf '%%s\\\\n' \\'$DATA\\' >> %s\"\n"
           'AddVoice "fr" "MALE1" "fr"\nGenericLanguage "fr" "fr" "utf-8"\n'
           % os.path.join(dossier, "paroles.txt"))
    return env


def ecrire(chemin, texte):
    os.makedirs(os.path.dirname(chemin), exist_ok=True)
    with open(chemin, "w", encoding="utf-8") as f:
        f.write(texte)


def lancer_orca(dossier, env):
    lecteur = Lecteur(os.path.join(dossier, "orca.log"))
    orca = subprocess.Popen(["orca", "--debug-file=" + lecteur.nom], env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return orca, lecteur


def finir(dossier, programme=""):
    """Ends, by their pids, what the session left with its private HOME (or only the programme
    named): Orca, which ends on no polite signal while it waits for events, speech-dispatcher and
    the accessibility bus."""
    marque = ("HOME=%s\0" % os.path.join(dossier, "home")).encode()
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open("/proc/%s/environ" % pid, "rb") as f, \
                    open("/proc/%s/cmdline" % pid, "rb") as c:
                if marque in f.read() and programme.encode() in c.read():
                    os.kill(int(pid), signal.SIGKILL)
        except (OSError, ProcessLookupError):
            pass


def ranger(dossier, nom):
    """Leaves the saved game nom alone in the game's folder."""
    for fichier in os.listdir(dossier):
        if fichier.endswith(".Mbo"):
            os.remove(os.path.join(dossier, fichier))
    with open(os.path.join(dossier, nom + ".Mbo"), "w", encoding="ascii") as partie:
        partie.writelines("%d\r\n" % k for k in PARTIES[nom])


def dans_la_session(dossier, programme):
    env = dict(os.environ)
    # A desktop whose accessibility bus runs, off until a screen reader turns it on: the game
    # starts first, and Orca later turns it on, as one started by the player does.
    subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                    "/org/a11y/bus", "org.freedesktop.DBus.Properties.Get",
                    "string:org.a11y.Status", "string:IsEnabled"], check=True,
                   stdout=subprocess.DEVNULL)
    # The address of another session's bus, which its launcher may leave on the screen.
    subprocess.run(["xprop", "-root", "-remove", "AT_SPI_BUS"], check=True,
                   stderr=subprocess.DEVNULL)
    jeu = subprocess.Popen([shutil.copy(programme, os.path.join(dossier, "jeu"))], env=env)
    orca = lecteur = None
    echecs = []
    try:
        subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                        "^Jeu du Marbello$"], check=True, timeout=60, stdout=subprocess.DEVNULL)
        for touches, dire, taire in ETAPES:
            if touches == "orca":
                orca, lecteur = lancer_orca(dossier, env)
                debut = 0
            elif touches == "registre":
                # The accessibility registry goes away while the game runs: the game goes on.
                finir(dossier, "at-spi2-registryd")
                subprocess.run(["xdotool", "key", "ctrl+n", "d"], check=True, timeout=30)
                time.sleep(1)
                assert jeu.poll() is None, "the game ended when the registry left"
                continue
            else:
                debut = len(lecteur.depuis(0))
                for touche in touches.split():
                    if touche.startswith("@"):
                        ranger(dossier, touche[1:])
                    else:
                        subprocess.run(["xdotool", "key", "--clearmodifiers", touche],
                                       check=True, timeout=30)
                        time.sleep(0.3)
            dites = lecteur.attendre(debut, dire)
            texte = " | ".join(dites).lower()
            print("%-12s %s" % (touches, " | ".join(dites)), flush=True)
            manque = [m for m in dire if m.lower() not in texte]
            trop = [m for m in taire if m.lower() in texte]
            if manque or trop:
                echecs.append("after %s: missing %s, unwanted %s" % (touches, manque, trop))
    finally:
        jeu.terminate()
        jeu.wait(30)
    if echecs:  # Orca's whole record, for the reader of the failure
        shutil.copy(os.path.join(dossier, "orca.log"), "test_orca.log")
    assert not echecs, "\n".join(echecs)
    print("OK")


def main():
    if sys.argv[1] == "--session":
        dans_la_session(sys.argv[2], sys.argv[3])
        return
    dossier = tempfile.mkdtemp(prefix="marbello-orca.")
    try:
        env = preparer(dossier)
        resultat = subprocess.run(["dbus-run-session", "--", sys.executable, "-E",
                                   os.path.abspath(__file__), "--session", dossier,
                                   os.path.abspath(sys.argv[1])], env=env, timeout=170)
        sys.exit(resultat.returncode)
    finally:
        finir(dossier)
        shutil.rmtree(dossier, ignore_errors=True)


main()
