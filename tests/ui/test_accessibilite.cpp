// What a screen reader is handed of the window: the role, name, description and states of the
// controls and of the board's holes after the player's gestures, the board as a table, and the
// press action of the skinned buttons. (Offscreen, Qt drops every accessibility event: the events
// are checked through the real bus, by test_orca.py.)

#include "OutilsFenetre.h"
#include "ui/fenetres/Liens.h"
#include "ui/lecteur/Annonces.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QMenu>
#include <QMetaEnum>

using namespace outils;

namespace {

QAccessibleInterface* Interface(FMarbello& f, const QString& nom) {
    QObject* objet = nom == "VScroll1"    ? static_cast<QObject*>(Curseur())
                     : nom == "FMarbello" ? &f
                                          : Controle(f, nom);
    return QAccessible::queryAccessibleInterface(objet);
}

// "Role name | description", then the value and its maximum, "focused", "selected".
QString Lu(FMarbello& f, const QString& nom) {
    QAccessibleInterface* i = Interface(f, nom);
    QString lu = QMetaEnum::fromType<QAccessible::Role>().valueToKey(i->role()) +
                 (' ' + i->text(QAccessible::Name));
    lu += i->text(QAccessible::Description).isEmpty() ? ""
                                                      : " | " + i->text(QAccessible::Description);
    if (auto* valeur = i->valueInterface()) {
        lu += QStringLiteral(" %1/%2")
                  .arg(valeur->currentValue().toInt())
                  .arg(valeur->maximumValue().toInt());
    }
    return lu + (i->state().focused ? " focused" : "") + (i->state().selected ? " selected" : "");
}

} // namespace

class TestAccessibilite : public QObject {
    Q_OBJECT

private slots:
    void init() { QSettings(QStringLiteral("Marbello"), QStringLiteral("Marbello")).clear(); }
    void lu_data() {
        QTest::addColumn<QString>("gestes");
        QTest::addColumn<QString>("controle");
        QTest::addColumn<QString>("lu");
        const QString bille = QStringLiteral("Cell Ligne %1, bille");
        for (const auto& [gestes, controle, lu] : QList<std::array<QString, 3>>{
                 {"", "FMarbello", "Window Jeu du Marbello"},
                 {"", "B0",
                  "Button Chercher une solution | Lancer une recherche de solution ou la stopper."},
                 {"", "I0",
                  "Button Enregistrer la partie en cours | Enregistrer la partie en cours"},
                 {"B3", "B3", "Button Nouvelle partie | Commencer ou recommencer une partie"},
                 {"", "Command4", "Button Supprimer la partie choisie"},
                 {"", "Frame5", "Animation Recherche en cours"},
                 {"B3 B0", "VScroll1", "ScrollBar Coup de la solution 0/31"},
                 {"B3 B1", "85", bille.arg("4, colonne 7") + " blanche"},
                 {"I1 Command3 44", "44", "Cell Ligne 3, colonne 3, trou vide"},
                 {"B3 touche:Up,Up,Space", "53", bille.arg("2, colonne 4") + " selected"},
                 {"B2", "Label4",
                  "Link Visiter le site de l'auteur... | https://auteur.example.org/"},
                 {"B3 touche:H", "Indice",
                  "StatusBar Indice : ligne 4, colonne 2 vers ligne 4, colonne 4"}}) {
            QTest::newRow(qPrintable(gestes + " / " + controle)) << gestes << controle << lu;
        }
    }
    void lu() {
        QFETCH(QString, gestes);
        QFETCH(QString, controle);
        QFETCH(QString, lu);
        Fenetre w(gestes);
        QTRY_COMPARE(Lu(w.f, controle), lu);
    }

    // What the player hears at the end of a gesture: one sentence, the cursor's hole first when it
    // moved or changed, then what befell it. (Keys that come fast have the messages before said
    // again: only the end is the gesture's own.)
    void dit_data() {
        QTest::addColumn<QString>("gestes");
        QTest::addColumn<QString>("dit");
        for (const auto& [gestes, dit] : QList<std::array<QString, 2>>{
                 {"B3 touche:Up", "Ligne 3, colonne 4, bille"},
                 {"touche:Space,Up,Up,Return touche:Down,Down,Return",
                  "Ligne 4, colonne 4, bille. Il reste 31 billes."},
                 {"B3 touche:Left,Space,Right,Right touche:Space", "Saut impossible"},
                 {"B3 touche:Left,Space,Right,Right touche:Space touche:Up", "colonne 5, bille"},
                 {"B3 touche:Up,Space,Esc", "posée"},
                 {"B3 touche:D", "Damier. Ligne 4, colonne 4, trou vide"},
                 {"B3 touche:I", "Une solution existe"},
                 {"B3 touche:I touche:I", "Marque éteinte"}}) {
            QTest::newRow(qPrintable(gestes)) << gestes << dit;
        }
    }
    void dit() {
        QFETCH(QString, gestes);
        QFETCH(QString, dit);
        Fenetre w(gestes);
        const auto dite = [&w] { return marbello::Annonces::De(w.f)->Derniere(); };
        QTRY_VERIFY2(dite().endsWith(dit), qPrintable(dite()));
    }

    // Row and column from the top left of the 7 by 7 square; the picked marble is the selection.
    void lePlateauEstUnTableau() {
        Fenetre w("B3 touche:Up,Up,Space");
        QAccessibleInterface* plateau = Interface(w.f, "CurseurPlateau");
        QAccessibleInterface* trou = Interface(w.f, "86");
        QAccessibleTableInterface* table = plateau->tableInterface();
        QCOMPARE(table->selectedCells(), QList{Interface(w.f, "53")});
        QVERIFY(!table->isRowSelected(1) && !table->isColumnSelected(3)); // a marble, not a line
        QCOMPARE(plateau->focusChild(), nullptr); // the board itself, never a cell and its row
        QCOMPARE(trou->parent(), Interface(w.f, "FMarbello")->child(0));
        QCOMPARE(Interface(w.f, "FMarbello")->indexOfChild(trou), -1); // only the board's
        QCOMPARE(Interface(w.f, "FMarbello")->child(99), nullptr);
        QCOMPARE(table->cellAt(4, 6), plateau->child(plateau->indexOfChild(trou)));
        QCOMPARE(plateau->indexOfChild(Interface(w.f, "B0")), -1);
        QVERIFY(trou->state().focusable && trou->state().selectable && !plateau->child(33));
        const QAccessibleTableCellInterface* cellule = trou->tableCellInterface();
        QCOMPARE(cellule->rowIndex() * 10 + cellule->columnIndex(), 46);
    }

    // The board first, then what the player reads and presses; nothing that only draws.
    void laFenetreSansSesDessins() {
        Fenetre w;
        QAccessibleInterface* fenetre = Interface(w.f, "FMarbello");
        QStringList enfants;
        for (int i = 0; i < fenetre->childCount(); ++i) {
            enfants << fenetre->child(i)->object()->objectName();
            QCOMPARE(fenetre->indexOfChild(fenetre->child(i)), i);
        }
        QCOMPARE(enfants.join(' '), "CurseurPlateau Label3 BOUTON0 BOUTON1 BOUTON2 BOUTON3 BOUTON4 "
                                    "BOUTON5 BOUTON6 Image1_0 Image1_1 Frame5 Frame1 FraOpenClose "
                                    "FraAIDE Indice MarqueGagnable");
    }

    // Each saved game an item of the list, read by its name and chosen by the keys.
    void laListeDesParties() {
        Fenetre w("ecrire:a.Mbo touche:Ctrl+O");
        QTRY_COMPARE(Interface(w.f, "File1")->childCount(), 1);
        Jouer(w.f, "touche:Down");
        QAccessibleInterface* partie = Interface(w.f, "File1")->child(0);
        QCOMPARE(partie->text(QAccessible::Name) + (partie->state().focused ? " focused" : ""),
                 "a.Mbo focused");
        QVERIFY(partie->state().focusable && partie->state().selectable && !partie->child(0));
        QCOMPARE(partie->childCount(), 0);
        QVERIFY(!Interface(w.f, "File1")->child(1));
    }

    // The message line is read whole.
    void laLigneSeLitEntiere() {
        Fenetre w("B3 53>55");
        QAccessibleTextInterface* texte = Interface(w.f, "Label3")->textInterface();
        QCOMPARE(texte->text(0, texte->characterCount()), QStringLiteral("Il reste 31 billes."));
    }

    // The press action does what the click does, once the caller has had its answer; never on a
    // link of the hidden help panel. A panel takes the pills out of the keys' reach, and says so.
    void appuyerCliqueLeBouton() {
        Fenetre w;
        // The menu's items are reached by the keys, its separator is not.
        QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(w.f.findChild<QMenu*>());
        QVERIFY(menu->child(0)->state().focusable && !menu->child(12)->state().focusable);
        QCOMPARE(menu->text(QAccessible::Name), QStringLiteral("Menu du jeu"));
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), this, "lien");
        Interface(w.f, "Label2")
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        for (const QString nom : {"B1", "I1"}) {
            QAccessibleInterface* bouton = Interface(w.f, nom);
            QVERIFY(bouton->state().focusable);
            bouton->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        }
        QTRY_COMPARE(Vue(w.f), "File1");
        QCOMPARE(Lu(w.f, "B1").section(" | ", 0, 0), "Button Normal");
        QVERIFY(!Interface(w.f, "B1")->state().focusable);
        QCOMPARE(liens_, QList<QUrl>{});
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    }

public slots:
    void lien(const QUrl& adresse) { liens_ << adresse; }

private:
    QList<QUrl> liens_;
};

QTEST_MAIN(TestAccessibilite)
#include "test_accessibilite.moc"
