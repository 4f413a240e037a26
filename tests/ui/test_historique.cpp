// Undo, redo and the redisplay of a whole position: what the board and the message line show,
// and which of them touches the copy of the message that a closing panel puts back.

#include "OutilsFenetre.h"
#include "model/Partie.h"

#include <QFrame>
#include <memory>

using marbello::Cellule;
using outils::Bille;
using outils::Bouton;
using outils::Ecran;
using outils::Message;
using outils::Teinte;

namespace {

const char* const OuvertureCentre = "ooo/ooo/ooooooo/ooo.ooo/ooooooo/ooo/ooo";
const char* const Apres1 = "ooo/o.o/ooo.ooo/ooooooo/ooooooo/ooo/ooo";
const char* const Apres2 = "ooo/o.o/oooo..o/ooooooo/ooooooo/ooo/ooo";
const char* const Apres3 = "ooo/o.o/oooo.oo/ooooo.o/ooooo.o/ooo/ooo";

QString Etiquette(const QWidget& f) {
    return outils::Controle<QLabel>(f, "Label3")->property("Tag").toString();
}

} // namespace

class TestHistorique : public QObject {
    Q_OBJECT

private slots:
    void init() {
        ecran_ = std::make_unique<outils::FenetreMontree>();
        // Centre opening, then three moves.
        outils::Cliquer(f(), Bouton(f(), 3));
        outils::Glisser(f(), Cellule{5, 3}, Cellule{5, 5});
        outils::Glisser(f(), Cellule{7, 4}, Cellule{5, 4});
        outils::Glisser(f(), Cellule{7, 6}, Cellule{7, 4});
        QCOMPARE(Ecran(f()), QString::fromLatin1(Apres3));
        QCOMPARE(f().Jeu().CoupMax(), 3);
    }
    void cleanup() { ecran_.reset(); }

    void reculerPuisAvancer_data();
    void reculerPuisAvancer();
    void raccourcisClavier_data();
    void raccourcisClavier();
    void nouveauCoupCoupeLaSuite();
    void rienAuDebutDePartie();
    void reculerEnDamier();
    void panneauOuvertRendLeMessageEcrit();
    void afficherPlateauRepeintEtSauve_data();
    void afficherPlateauRepeintEtSauve();

private:
    marbello::FMarbello& f() { return ecran_->fenetre; }
    std::unique_ptr<outils::FenetreMontree> ecran_;
};

// Button 5 steps back, button 6 forward; a refused step changes nothing, message included.
void TestHistorique::reculerPuisAvancer_data() {
    QTest::addColumn<QList<int>>("boutons");
    QTest::addColumn<QString>("plateau");
    QTest::addColumn<int>("coup");
    QTest::addColumn<QString>("message");
    QTest::newRow("back once") << QList<int>{5} << Apres2 << 2 << "Il reste 30 billes.";
    QTest::newRow("back twice") << QList<int>{5, 5} << Apres1 << 1 << "Il reste 31 billes.";
    QTest::newRow("back to the start")
        << QList<int>{5, 5, 5} << OuvertureCentre << 0 << "Il reste 32 billes.";
    QTest::newRow("back past the start")
        << QList<int>{5, 5, 5, 5} << OuvertureCentre << 0 << "Il reste 32 billes.";
    QTest::newRow("back twice, forward twice")
        << QList<int>{5, 5, 6, 6} << Apres3 << 3 << "Il reste 29 billes.";
    QTest::newRow("forward past the last")
        << QList<int>{5, 6, 6} << Apres3 << 3 << "Il reste 29 billes.";
    QTest::newRow("forward at the last") << QList<int>{6} << Apres3 << 3 << "Il reste 29 billes.";
}

void TestHistorique::reculerPuisAvancer() {
    QFETCH(QList<int>, boutons);
    QFETCH(QString, plateau);
    QFETCH(int, coup);
    QFETCH(QString, message);
    for (const int i : boutons) {
        outils::Cliquer(f(), Bouton(f(), i));
    }
    QCOMPARE(Ecran(f()), plateau);
    QCOMPARE(outils::Texte(f().Jeu().Plateau), plateau);
    QCOMPARE(f().Jeu().CoupCourant(), coup);
    QCOMPARE(f().Jeu().CoupMax(), 3);
    QCOMPARE(Message(f()), message);
}

void TestHistorique::raccourcisClavier_data() {
    QTest::addColumn<QKeySequence>("touches");
    QTest::addColumn<QString>("plateau");
    QTest::newRow("Ctrl+Z") << QKeySequence(QStringLiteral("Ctrl+Z,Ctrl+Z")) << Apres1;
    QTest::newRow("Ctrl+Z then Ctrl+Y")
        << QKeySequence(QStringLiteral("Ctrl+Z,Ctrl+Z,Ctrl+Y")) << Apres2;
    QTest::newRow("Ctrl+Z then Ctrl+Shift+Z")
        << QKeySequence(QStringLiteral("Ctrl+Z,Ctrl+Shift+Z")) << Apres3;
}

void TestHistorique::raccourcisClavier() {
    QFETCH(QKeySequence, touches);
    QFETCH(QString, plateau);
    f().activateWindow();
    for (int i = 0; i < touches.count(); ++i) {
        QTest::keySequence(&f(), QKeySequence(touches[i]));
    }
    QCOMPARE(Ecran(f()), plateau);
}

void TestHistorique::nouveauCoupCoupeLaSuite() {
    outils::Cliquer(f(), Bouton(f(), 5));
    outils::Cliquer(f(), Bouton(f(), 5));
    outils::Glisser(f(), Cellule{3, 4}, Cellule{5, 4}); // not the old second move
    QCOMPARE(f().Jeu().CoupCourant(), 2);
    QCOMPARE(f().Jeu().CoupMax(), 2);
    const QString apres = Ecran(f());
    outils::Cliquer(f(), Bouton(f(), 6));
    QCOMPARE(Ecran(f()), apres);
    QCOMPARE(f().Jeu().CoupCourant(), 2);
}

void TestHistorique::rienAuDebutDePartie() {
    outils::Cliquer(f(), Bouton(f(), 3)); // new game: board full, record empty
    for (const int i : {5, 6}) {
        outils::Cliquer(f(), Bouton(f(), i));
        QCOMPARE(Ecran(f()), QStringLiteral("ooo/ooo/ooooooo/ooooooo/ooooooo/ooo/ooo"));
        QCOMPARE(Message(f()), QStringLiteral("Choisissez une bille à retirer"));
        QCOMPARE(f().Jeu().CoupCourant(), 0);
    }
}

void TestHistorique::reculerEnDamier() {
    outils::Cliquer(f(), Bouton(f(), 1));
    outils::Cliquer(f(), Bouton(f(), 5));
    for (int k = 0; k < marbello::NbTrous; ++k) {
        const auto c = marbello::CelluleBille(k);
        if (f().Jeu().Plateau[c] == marbello::CaseBille) {
            QCOMPARE(Teinte(f(), Bille(f(), k)),
                     k % 2 == 0 ? QStringLiteral("noire") : QStringLiteral("blanche"));
        }
    }
    outils::Cliquer(f(), Bouton(f(), 1));
    outils::Cliquer(f(), Bouton(f(), 6));
    for (int k = 0; k < marbello::NbTrous; ++k) {
        QVERIFY(Teinte(f(), Bille(f(), k)) != QStringLiteral("noire"));
    }
}

// Undo under a panel writes the saved copy too: closing the panel shows the undone position's.
void TestHistorique::panneauOuvertRendLeMessageEcrit() {
    outils::Cliquer(f(), Bouton(f(), 2)); // help panel
    QCOMPARE(Message(f()), QString());
    outils::Cliquer(f(), Bouton(f(), 5));
    QCOMPARE(Message(f()), QStringLiteral("Il reste 30 billes."));
    outils::Cliquer(f(), Bouton(f(), 2));
    QCOMPARE(Message(f()), QStringLiteral("Il reste 30 billes."));
}

// The redisplay writes the message in both places, records snapshot 0 and leaves the counters.
void TestHistorique::afficherPlateauRepeintEtSauve_data() {
    QTest::addColumn<QString>("position");
    QTest::addColumn<bool>("damier");
    QTest::addColumn<QString>("message");
    QTest::newRow("seventeen") << "o.o/.o./o.o.o.o/.o.o.o./o.o.o.o/.o./o.o" << false
                               << "Il reste 17 billes.";
    QTest::newRow("one") << ".o./.../......./......./......./.../..." << true << "C'est terminé.";
    QTest::newRow("none") << ".../.../......./......./......./.../..." << false
                          << "Il reste 0 billes.";
}

void TestHistorique::afficherPlateauRepeintEtSauve() {
    QFETCH(QString, position);
    QFETCH(bool, damier);
    QFETCH(QString, message);
    if (damier) {
        outils::Cliquer(f(), Bouton(f(), 1));
    }
    outils::Cliquer(f(), Bouton(f(), 2)); // a panel is open, as when a game is opened
    f().Jeu().Plateau = *marbello::GrilleDepuisTexte(position.toStdString());
    f().AfficherPlateau();

    QCOMPARE(Ecran(f()), position);
    QCOMPARE(outils::Texte(f().Jeu().Historique()[0]), position);
    QCOMPARE(f().Jeu().CoupCourant(), 3);
    QCOMPARE(f().Jeu().CoupMax(), 3);
    QCOMPARE(Message(f()), message);
    QCOMPARE(Etiquette(f()), message);
    if (damier) {
        QCOMPARE(Teinte(f(), Bille(f(), Cellule{5, 2})), QStringLiteral("blanche"));
    }
    outils::Cliquer(f(), Bouton(f(), 2));
    QCOMPARE(Message(f()), message);
}

QTEST_MAIN(TestHistorique)
#include "test_historique.moc"
