// The window played from the keyboard: the board's cursor, the shortcuts, the panels, the focus
// that Tab moves, the context menu and the position through the clipboard.

#include "OutilsFenetre.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>

using namespace outils;

namespace {

const QString Deux = QStringLiteral(".../.../......./oo...../......./.../..."); // one way out
const QString Une = QStringLiteral(".../.../......./..o..../......./.../...");
const QString Choisir = QStringLiteral("Choisissez une bille à retirer");

QString Focus() {
    return QApplication::focusWidget()->objectName();
}

// The items of the menu, each with its key, and which are enabled ('+') or not ('-').
QString Menu(const FMarbello& f) {
    QStringList items;
    QString permis;
    for (const QAction* action : f.findChild<QMenu*>()->actions()) {
        items << action->text() + ' ' + action->shortcut().toString();
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
        Ligne("arrowsStayOnTheCross", "<Up> <Up> <Up> <Up> <Left> <Left>", Plein + " anneau 42",
              Choisir);
        Ligne("firstHole", "<Left> <Space>", "ooo/ooo/ooooooo/oo.oooo/ooooooo/ooo/ooo anneau 45",
              "");
        Ligne("pickedUp", "B3 <Up> <Up> <Return>", OuvertureCentre + " anneau 53 levée 53", "");
        Ligne("jump", "<Space> <Up> <Up> <Return> <Down> <Down> <Return>", Apres1 + " anneau 55",
              "Il reste 31 billes.");
        Ligne("refusedJumpPutsDown", "B3 <Left> <Space> <Right> <Right> <Space>",
              OuvertureCentre + " anneau 65", "");
        Ligne("onItselfPutsDown", "B3 <Up> <Space> <Space>", OuvertureCentre + " anneau 54", "");
        Ligne("escapePutsDown", "B3 <Up> <Space> <Esc>", OuvertureCentre + " anneau 54", "");
        Ligne("anEmptyHoleIsNotPicked", "B3 <Space>", OuvertureCentre + " anneau 55", "");
        Ligne("insertAddsAMarble", "B3 <Ins>", Plein + " anneau 55", "");
        Ligne("theMouseHidesTheRing", "B3 <Up> <Space> d44", OuvertureCentre, "");
        Ligne("buildModeByKeys", "I1 Command3 <Space> <Down> <Space> <Ctrl+Return>",
              "ooo/ooo/ooooooo/ooo.ooo/ooo.ooo/ooo/ooo anneau 56", "Il reste 31 billes.");
        Ligne("newGame", "<Ctrl+N>", OuvertureCentre, "");
        Ligne("checkerboard", "B3 <D>", "non/ono/nononon/ono.ono/nononon/ono/non", "");
        Ligne("help", "<F1>", "FraAIDE", "");
        Ligne("escapeClosesHelp", "<F1> <Esc>", Plein, Choisir);
        Ligne("returnOnFermer", "<F1> <Return>", Plein, Choisir);
        Ligne("escapeClosesTheFilePanel", "B3 53>55 <Ctrl+O> <Esc>", Apres1, "Il reste 31 billes.");
        // The letter goes to the name, not to the checkerboard.
        Ligne("savedAndOpenedByKeys", "B3 <Ctrl+S> <D> <Return> <Ctrl+O> @d.Mbo <Return>",
              OuvertureCentre, "Il reste 32 billes.");
        // The slider's move after a search that found one of a single move.
        for (const char* touches :
             {"<PgDown>=1", "<PgDown> <PgUp>=0", "<End>=1", "<PgDown> <Home>=0"}) {
            const bool fin = QString::fromLatin1(touches).endsWith('1');
            Ligne(touches, Deux + " <S> " + QString::fromLatin1(touches).chopped(2),
                  (fin ? Une : Deux) + " curseur " + (fin ? "1/1" : "0/1"),
                  fin ? "C'est terminé." : "Il reste 2 billes.");
        }
    }
    void gestes() { VerifierLigne(); }

    // Tab goes through the board and the pills from top to bottom; a panel keeps it among its own
    // controls and gives it back to the board when it closes, as a click on a pill does.
    void tabOrder() {
        Fenetre w;
        QStringList vus{Focus()};
        for (int i = 0; i < 10; ++i) {
            Jouer(w.f, QStringLiteral("<Tab>"));
            vus << Focus();
        }
        QCOMPARE(vus.join(' '), QStringLiteral("CurseurPlateau BOUTON0 BOUTON2 BOUTON1 Image1_0 "
                                               "Image1_1 BOUTON4 BOUTON5 BOUTON6 BOUTON3 "
                                               "CurseurPlateau"));
        Jouer(w.f, QStringLiteral("<Shift+Tab>"));
        const QWidget* marque = Controle(w.f, QStringLiteral("MarqueFocus"));
        QVERIFY(marque->isVisible());
        QCOMPARE(marque->geometry(), QRect(306, 369, 132, 26));
        Jouer(w.f, QStringLiteral("<Space>"));
        QCOMPARE(Vue(w.f), OuvertureCentre);
        Jouer(w.f, QStringLiteral("<Return>"));
        QCOMPARE(Controle<QLabel>(w.f, QStringLiteral("B3"))->text(), QStringLiteral("GO !"));
        Jouer(w.f, QStringLiteral("B2"));
        QCOMPARE(Focus(), QStringLiteral("Command1"));
        QCOMPARE(marque->isVisible(), false);
        Jouer(w.f, QStringLiteral("<Tab> B2"));
        QCOMPARE(Focus(), QStringLiteral("CurseurPlateau"));
        Jouer(w.f, QStringLiteral("<Ctrl+O>"));
        vus = QStringList{Focus()};
        for (int i = 0; i < 5; ++i) {
            Jouer(w.f, QStringLiteral("<Tab>"));
            vus << Focus();
        }
        QCOMPARE(vus.join(' '), QStringLiteral("File1 Command4 Command2 Command6 Command3 File1"));
    }

    // Up and Down choose a game, Return opens it, Delete throws it away.
    void filePanel() {
        Fenetre w(QStringLiteral("+a.Mbo"));
        QFile b(w.dossier.filePath(QStringLiteral("b.Mbo")));
        QVERIFY(b.open(QIODevice::WriteOnly) && b.write("16\r\n") == 4);
        b.close();
        Jouer(w.f, QStringLiteral("<Ctrl+O>"));
        const auto* liste = Controle<QListView>(w.f, QStringLiteral("File1"));
        QTRY_COMPARE(liste->model()->rowCount(liste->rootIndex()), 2);
        Jouer(w.f, QStringLiteral("<Down> <Down> <Up> <Return>"));
        QCOMPARE(Vue(w.f), QStringLiteral(".../.o./......./...o.../......./.../..."));
        Jouer(w.f, QStringLiteral("<Ctrl+O> <Down> <Delete>"));
        QTRY_VERIFY(!QFile::exists(w.dossier.filePath(QStringLiteral("a.Mbo"))));
        QVERIFY(b.exists());
    }

    // Its items disabled where the state forbids them: here during a search, which Escape stops.
    void contextMenu() {
        Fenetre w(QStringLiteral("B3 53>55 B5 d-"));
        QVERIFY(w.f.findChild<QMenu*>()->isVisible());
        QCOMPARE(Menu(w.f),
                 QStringLiteral("Nouvelle partie Ctrl+N, Reculer d'un coup Ctrl+Z, Avancer d'un "
                                "coup Ctrl+Shift+Z, Damier D, Chercher une solution S, "
                                "Enregistrer la partie en cours Ctrl+S, Ouvrir une partie Ctrl+O, "
                                "A Propos / Aide F1, Quitter Ctrl+Q,  , Copier la position Ctrl+C, "
                                "Coller une position Ctrl+V +-++++++++++"));
        w.f.findChild<QMenu*>()->hide();
        Jouer(w.f, QStringLiteral("d53")); // a right press on a hole adds a marble, as ever
        QVERIFY(!w.f.findChild<QMenu*>()->isVisible());
        QString pendant;
        QTimer::singleShot(0, &w.f, [&w, &pendant] {
            Jouer(w.f, QStringLiteral("<Shift+F10>"));
            pendant = Menu(w.f);
            w.f.findChild<QMenu*>()->hide();
            Jouer(w.f, QStringLiteral("<Esc>"));
        });
        Jouer(w.f, QStringLiteral("ooo/o.o/oo....o/o.ooo../oooo.oo/.o./.oo <S>"));
        QVERIFY(pendant.contains(QStringLiteral("Arrêter la recherche S")));
        QVERIFY(pendant.endsWith(QStringLiteral(" ---++--+++--")));
        QCOMPARE(Message(w.f), QStringLiteral("Recherche Arrêtée."));
    }

    // Only the board as the copy writes it is taken, blanks around it aside.
    void clipboard() {
        Fenetre w(QStringLiteral("B3 53>55 <Ctrl+C>"));
        QCOMPARE(QGuiApplication::clipboard()->text(), Apres1);
        for (const QString& refus :
             {QString(), Apres1.left(20), QString(Apres1).remove('/'),
              QString(Apres1).replace('.', 'x'), Apres1 + "/ooo", QString(10'000'000, 'o')}) {
            QGuiApplication::clipboard()->setText(refus);
            Jouer(w.f, QStringLiteral("<Ctrl+V>"));
            QCOMPARE(Vue(w.f), Apres1);
            QCOMPARE(Message(w.f), QStringLiteral("Position non reconnue"));
        }
        QGuiApplication::clipboard()->setText(" \n" + Deux + "\t ");
        Jouer(w.f, QStringLiteral("<Ctrl+V> <Ctrl+Z>"));
        QCOMPARE(Vue(w.f), Deux);
        QCOMPARE(Message(w.f), QStringLiteral("Il reste 2 billes."));
        QCOMPARE(Controle<QLabel>(w.f, QStringLiteral("B3"))->text(),
                 QStringLiteral("Nouvelle partie"));
    }
};

QTEST_MAIN(TestClavier)
#include "test_clavier.moc"
