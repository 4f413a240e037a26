// The window played from the keyboard: the board's cursor, the shortcuts, the panels, the focus
// that Tab moves, the context menu and the position through the clipboard.

#include "OutilsFenetre.h"

#include <QAction>
#include <QClipboard>
#include <QDesktopServices>
#include <QMenu>

using namespace outils;

namespace {

const QString Deux = QStringLiteral(".../.../......./oo...../......./.../..."); // one way out
const QString Une = QStringLiteral(".../.../......./..o..../......./.../...");

QString Focus() {
    return QApplication::focusWidget()->objectName();
}

// Where the focus goes from here, Tab after Tab.
QString Tabs(FMarbello& f, int n) {
    QStringList vus{Focus()};
    while (n-- > 0) {
        Jouer(f, QStringLiteral("touche:Tab"));
        vus << Focus();
    }
    return vus.join(' ');
}

// The items of the menu, each with its key ("[x]" before it when checked, "[ ]" when it may be),
// and which are enabled ('+') or not ('-').
QString Menu(const FMarbello& f) {
    QStringList items;
    QString permis;
    for (const QAction* action : f.findChild<QMenu*>()->actions()) {
        const char* coche = !action->isCheckable() ? "" : action->isChecked() ? " [x]" : " [ ]";
        items << action->text() + coche + ' ' + action->shortcut().toString();
        permis += action->isEnabled() ? '+' : '-';
    }
    return items.join(", ") + ' ' + permis;
}

} // namespace

class TestClavier : public QObject {
    Q_OBJECT

private slots:
    void gestes_data() {
        Colonnes();
        Ligne("arrowsStayOnTheCross", "touche:Up,Up,Up,Up touche:Left,Left", Plein + " anneau 42",
              Choisir);
        Ligne("firstHole", "touche:Left,Space", "ooo/ooo/ooooooo/oo.oooo/ooooooo/ooo/ooo anneau 45",
              "");
        Ligne("pickedUp", "B3 touche:Up,Up,Return", OuvertureCentre + " anneau 53 levée 53", "");
        Ligne("jump", "touche:Space,Up,Up,Return touche:Down,Down,Return", Apres1 + " anneau 55",
              Reste31);
        Ligne("refusedJumpPutsDown", "B3 touche:Left,Space,Right,Right touche:Space",
              OuvertureCentre + " anneau 65", "");
        Ligne("onItselfPutsDown", "B3 touche:Up,Space,Space", OuvertureCentre + " anneau 54", "");
        Ligne("escapePutsDown", "B3 touche:Up,Space,Esc", OuvertureCentre + " anneau 54", "");
        Ligne("anEmptyHoleIsNotPicked", "B3 touche:Space", OuvertureCentre + " anneau 55", "");
        Ligne("insertAddsAMarble", "B3 touche:Ins", Plein + " anneau 55", "");
        // A press on an empty hole changes nothing, yet puts the picked marble down.
        Ligne("theMouseHidesTheRing", "B3 touche:Up,Space 55", OuvertureCentre, "");
        Ligne("buildModeByKeys", "I1 Command3 touche:Space,Down,Space,Ctrl+Return",
              "ooo/ooo/ooooooo/ooo.ooo/ooo.ooo/ooo/ooo anneau 56", Reste31);
        Ligne("okByTab", "I1 Command3 53 touche:Shift+Tab,Space", Trou53, "Il reste 32 billes.");
        // A full board, built or pasted, still waits for its first hole.
        Ligne("fullBoardBuilt", "I1 Command3 touche:Shift+Tab,Space touche:Space",
              OuvertureCentre + " anneau 55", "");
        Ligne("fullBoardPasted", "touche:Ctrl+C,Ctrl+V,Left,Space",
              "ooo/ooo/ooooooo/oo.oooo/ooooooo/ooo/ooo anneau 45", "");
        Ligne("noPasteUnderAPanel", "B3 touche:Ctrl+C 53>55 touche:Ctrl+O,Ctrl+V,Esc", Apres1,
              Reste31);
        // A replay step empties the picked hole: the marble is put down, and jumps no more. (The
        // slider window, shown offscreen, is active: the board's ring does not show.)
        Ligne("pickedMarbleGoesDownWithAReplayStep",
              Deux + " touche:S touche:Left,Left,Space touche:PgDown", Une + " curseur 1/1",
              "C'est terminé.");
        Ligne("pickedMarbleGoesDownWithTheBoard",
              Deux + " touche:S touche:Left,Left,Space touche:PgDown touche:Right,Right,Space",
              Une + " curseur 1/1", "C'est terminé.");
        // A panel takes the hint away, and an answer that comes under it is not drawn.
        Ligne("panelHidesTheHint", "B3 touche:H touche:F1", "FraAIDE", "");
        Ligne("hintUnderAPanel", "B3 touche:H,F1", "FraAIDE", "");
        // Under a panel, neither the build panel's "OK" nor the slider's keys reach the board.
        Ligne("noOkUnderAPanel", "B3 53>55 I1 Command3 touche:F1 touche:Ctrl+Return,Esc",
              Apres1 + " Frame1", Reste31);
        Ligne("noReplayUnderAPanel", Deux + " touche:S touche:F1,PgDown,Esc", Deux + " curseur 0/1",
              "Solution trouvée...");
        // A letter in the file list is the list's: D chooses d.Mbo, not the checkerboard.
        Ligne("letterInTheList", "ecrire:d.Mbo touche:Ctrl+O,D,Esc", Plein, Choisir);
        Ligne("newGame", "touche:Ctrl+N", OuvertureCentre, "");
        Ligne("checkerboard", "B3 touche:D", "non/ono/nononon/ono.ono/nononon/ono/non", "");
        Ligne("help", "touche:F1", "FraAIDE", "");
        Ligne("spaceOnTheSaveIcon", "touche:Tab,Tab,Tab,Tab touche:Space", "Text1", "");
        Ligne("escapeClosesHelp", "touche:F1,Esc", Plein, Choisir);
        Ligne("returnOnFermer", "touche:F1,Return", Plein, Choisir);
        Ligne("escapeClosesTheFilePanel", "B3 53>55 touche:Ctrl+O,Esc", Apres1, Reste31);
        // The letter goes to the name, not to the checkerboard.
        Ligne("savedAndOpenedByKeys",
              "B3 touche:Ctrl+S,D,Return,Ctrl+O choisir:d.Mbo touche:Return", OuvertureCentre,
              "Il reste 32 billes.");
        // The slider's move after a search that found one of a single move.
        for (const char* touches : {"PgDown=1", "PgDown,PgUp=0", "End=1", "PgDown,Home=0"}) {
            const bool fin = QString::fromLatin1(touches).endsWith('1');
            Ligne(touches, Deux + " touche:S touche:" + QString::fromLatin1(touches).chopped(2),
                  (fin ? Une : Deux) + " curseur " + (fin ? "1/1" : "0/1"),
                  fin ? "C'est terminé." : "Il reste 2 billes.");
        }
    }
    void gestes() { VerifierLigne(); }

    // The ring around the cursor's hole; the picked marble raised over its shadow, under a panel.
    void drawing() {
        Fenetre w(QStringLiteral("B3 touche:Up,Space,Down"));
        const QPointF centre = QRectF(Controle(w.f, "55")->geometry()).center();
        const QPointF leve = QRectF(Controle(w.f, "54")->geometry()).center();
        const QImage image = w.f.grab().toImage();
        QCOMPARE(image.pixelColor((centre + QPointF(19, 0)).toPoint()), QColor(255, 210, 0));
        QVERIFY(qBlue(image.pixel((leve + QPointF(13, 13)).toPoint())) < 70);
        Jouer(w.f, QStringLiteral("B2"));
        QCOMPARE(w.f.grab().toImage().pixelColor(leve.toPoint()), QColor(0, 0, 128));
    }

    // Tab goes through the board and the pills from top to bottom; a panel keeps it among its own
    // controls and gives it back to the board when it closes, as a click on a pill does.
    void tabOrder() {
        Fenetre w;
        QCOMPARE(Tabs(w.f, 10), QStringLiteral("CurseurPlateau BOUTON0 BOUTON2 BOUTON1 Image1_0 "
                                               "Image1_1 BOUTON4 BOUTON5 BOUTON6 BOUTON3 "
                                               "CurseurPlateau"));
        QCOMPARE(Vue(w.f), Plein + " anneau 55"); // reached by Tab, the board shows its ring
        Jouer(w.f, QStringLiteral("touche:Shift+Tab"));
        const QWidget* marque = Controle(w.f, QStringLiteral("MarqueFocus"));
        QVERIFY(marque->isVisible());
        QCOMPARE(marque->geometry(), QRect(306, 369, 132, 26));
        QCOMPARE(w.f.grab().toImage().pixelColor(372, 371), QColor(255, 210, 0)); // its top edge
        Jouer(w.f, QStringLiteral("touche:Space"));
        QCOMPARE(Vue(w.f), OuvertureCentre);
        Jouer(w.f, QStringLiteral("touche:Return"));
        QCOMPARE(Controle<QLabel>(w.f, QStringLiteral("B3"))->text(), QStringLiteral("GO !"));
        Jouer(w.f, QStringLiteral("B2"));
        QCOMPARE(Focus(), QStringLiteral("Command1"));
        QCOMPARE(marque->isVisible(), false);
        // The help's links, each opened by Return.
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "lien");
        QCOMPARE(Tabs(w.f, 4), QStringLiteral("Command1 Label6 Label4 Label2 Command1"));
        Jouer(w.f, QStringLiteral("touche:Tab,Tab,Return"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(liens_.size(), 1);
        QCOMPARE(marque->geometry().center(), Controle(w.f, QStringLiteral("Label4"))
                                                  ->geometry()
                                                  .translated(Controle(w.f, "FraAIDE")->pos())
                                                  .center());
        Jouer(w.f, QStringLiteral("touche:Tab B2"));
        QCOMPARE(Focus(), QStringLiteral("CurseurPlateau"));
        Jouer(w.f, QStringLiteral("touche:Ctrl+O"));
        QCOMPARE(Tabs(w.f, 5), QStringLiteral("File1 Command4 Command2 Command6 Command3 File1"));
    }

    // In build mode, the help keeps Tab among its own controls: the "OK" it covers is out of reach.
    void tabUnderAPanelInBuildMode() {
        Fenetre w(QStringLiteral("I1 Command3 touche:F1"));
        QCOMPARE(Tabs(w.f, 4), QStringLiteral("Command1 Label6 Label4 Label2 Command1"));
        Jouer(w.f, QStringLiteral("touche:Esc"));
        QCOMPARE(Tabs(w.f, 11).section(' ', -2), QStringLiteral("Command5 CurseurPlateau"));
    }

    // Up and Down (and End) choose a game, Return opens it, Delete throws it away.
    void filePanel() {
        Fenetre w(QStringLiteral("ecrire:a.Mbo"));
        QFile b(w.dossier.filePath(QStringLiteral("b.Mbo")));
        QVERIFY(b.open(QIODevice::WriteOnly) && b.write("16\r\n") == 4);
        b.close();
        Jouer(w.f, QStringLiteral("touche:Ctrl+O"));
        const auto* liste = Controle<QListView>(w.f, QStringLiteral("File1"));
        QTRY_COMPARE(liste->model()->rowCount(liste->rootIndex()), 2);
        Jouer(w.f, QStringLiteral("touche:Down,Down,Up,Return"));
        QCOMPARE(Vue(w.f), QStringLiteral(".../.o./......./...o.../......./.../..."));
        Jouer(w.f, QStringLiteral("touche:Ctrl+O,Down,End,Delete"));
        QTRY_VERIFY(!b.exists());
        QVERIFY(QFile::exists(w.dossier.filePath(QStringLiteral("a.Mbo"))));
    }

    // Its items disabled where the state forbids them: here during a search, which Escape stops.
    void contextMenu() {
        Fenetre w(QStringLiteral("B3 53>55 B5 B1 droit:corps"));
        QVERIFY(w.f.findChild<QMenu*>()->isVisible());
        QCOMPARE(Menu(w.f),
                 QStringLiteral(
                     "Nouvelle partie Ctrl+N, Reculer d'un coup Ctrl+Z, Avancer d'un "
                     "coup Ctrl+Shift+Z, Damier [x] D, Chercher une solution S, Indice H, "
                     "Indiquer si la partie peut encore être gagnée [ ] I, Pourquoi est-ce "
                     "perdu ? P, Enregistrer la partie en cours Ctrl+S, Ouvrir une partie Ctrl+O, "
                     "A Propos / Aide F1, Quitter Ctrl+Q,  , Copier la position Ctrl+C, "
                     "Coller une position Ctrl+V +-+++++-+++++++"));
        w.f.findChild<QMenu*>()->hide();
        Jouer(w.f, QStringLiteral("droit:53")); // a right press on a hole adds a marble, as ever
        QVERIFY(!w.f.findChild<QMenu*>()->isVisible());
        QString pendant;
        QTimer::singleShot(0, &w.f, [&w, &pendant] {
            Jouer(w.f, QStringLiteral("touche:Shift+F10"));
            pendant = Menu(w.f);
            w.f.findChild<QMenu*>()->hide();
            Jouer(w.f, QStringLiteral("touche:Esc"));
        });
        Jouer(w.f, QStringLiteral("ooo/o.o/oo....o/o.ooo../oooo.oo/.o./.oo touche:S"));
        QVERIFY(pendant.contains(QStringLiteral("Arrêter la recherche S")));
        QVERIFY(pendant.endsWith(QStringLiteral(" ---++++---++++-")));
        QCOMPARE(Message(w.f), QStringLiteral("Recherche Arrêtée."));
    }

    // Only the board as the copy writes it is taken, blanks around it aside.
    void clipboard() {
        Fenetre w(QStringLiteral("B3 53>55 touche:Ctrl+C"));
        QCOMPARE(QGuiApplication::clipboard()->text(), Apres1);
        for (const QString& refus :
             {QString(), Apres1.left(20), QString(Apres1).remove('/'),
              QString(Apres1).replace('.', 'x'), Apres1 + "/ooo", QString(10'000'000, 'o')}) {
            QGuiApplication::clipboard()->setText(refus);
            Jouer(w.f, QStringLiteral("touche:Ctrl+V"));
            QCOMPARE(Vue(w.f), Apres1);
            QCOMPARE(Message(w.f), QStringLiteral("Position non reconnue"));
        }
        QGuiApplication::clipboard()->setText(" \n" + Deux + "\t ");
        Jouer(w.f, QStringLiteral("touche:Ctrl+V,Ctrl+Z"));
        QCOMPARE(Vue(w.f), Deux);
        QCOMPARE(Message(w.f), QStringLiteral("Il reste 2 billes."));
        QCOMPARE(Controle<QLabel>(w.f, QStringLiteral("B3"))->text(),
                 QStringLiteral("Nouvelle partie"));
    }

public slots:
    void lien(const QUrl& adresse) { liens_ << adresse; }

private:
    QList<QUrl> liens_;
};

QTEST_MAIN(TestClavier)
#include "test_clavier.moc"
