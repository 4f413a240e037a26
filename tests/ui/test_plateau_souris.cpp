// Playing on the board with the mouse: the first marble, jumps by drag and drop, refused drops,
// marbles added and removed by hand, and the checkerboard colouring.

#include "OutilsFenetre.h"
#include "model/Partie.h"

#include <QCursor>
#include <QFrame>
#include <QGuiApplication>
#include <QPushButton>
#include <memory>
#include <string>

using marbello::Cellule;
using outils::Bille;
using outils::Bouton;
using outils::Ecran;
using outils::Message;
using outils::Teinte;

namespace {

const char* const PlateauPlein = "ooo/ooo/ooooooo/ooooooo/ooooooo/ooo/ooo";
const char* const OuvertureCentre = "ooo/ooo/ooooooo/ooo.ooo/ooooooo/ooo/ooo";

// Puts a position on the board as a game under way, through the window's own redisplay.
void Poser(marbello::FMarbello& f, const char* texte) {
    f.Jeu().Plateau = *marbello::GrilleDepuisTexte(texte);
    f.Jeu().PartieEnCours = true;
    f.AfficherPlateau();
    f.Jeu().RepartirDeLaPosition();
}

} // namespace

class TestPlateauSouris : public QObject {
    Q_OBJECT

private slots:
    void init() { ecran_ = std::make_unique<outils::FenetreMontree>(); }
    void cleanup() { ecran_.reset(); }

    void premierePressionRetireLaBille();
    void boutonGoOuvreLeCentre();
    void goPendantUnePartieRemetLePlateau();
    void depotFaitLeSaut_data();
    void depotFaitLeSaut();
    void depotHorsDesBillesNeFaitRien_data();
    void depotHorsDesBillesNeFaitRien();
    void pressionSurUnTrouVideNeFaitRien();
    void pointeurBlancPendantLeGlisser();
    void clicDroitAjouteUneBille();
    void modeConstructionRetireLesBilles();
    void rechercheEnCoursLaissePlateauIntact();
    void damierColoreParTrou();
    void sautEnDamierPrendLaCouleurDuTrou_data();
    void sautEnDamierPrendLaCouleurDuTrou();

private:
    marbello::FMarbello& f() { return ecran_->fenetre; }
    std::unique_ptr<outils::FenetreMontree> ecran_;
};

void TestPlateauSouris::premierePressionRetireLaBille() {
    QCOMPARE(Message(f()), QStringLiteral("Choisissez une bille à retirer"));
    outils::Presser(f(), outils::Centre(f(), Bille(f(), Cellule{2, 5})));

    QCOMPARE(Ecran(f()), QStringLiteral("ooo/ooo/ooooooo/.oooooo/ooooooo/ooo/ooo"));
    QCOMPARE(outils::Texte(f().Jeu().Plateau), Ecran(f()));
    QVERIFY(f().Jeu().PartieEnCours);
    QCOMPARE(f().Jeu().CoupCourant(), 0);
    QCOMPARE(outils::Texte(f().Jeu().Historique()[0]), Ecran(f()));
    QCOMPARE(Bouton(f(), 3)->text(), QStringLiteral("Nouvelle partie"));
    QCOMPARE(Message(f()), QString());

    // The rest of the gesture makes no move, wherever it is released.
    outils::Bouger(f(), outils::Centre(f(), Bille(f(), Cellule{4, 5})));
    outils::Lacher(f(), outils::Centre(f(), Bille(f(), Cellule{4, 5})));
    QCOMPARE(Ecran(f()), QStringLiteral("ooo/ooo/ooooooo/.oooooo/ooooooo/ooo/ooo"));
    QCOMPARE(f().Jeu().CoupCourant(), 0);
}

void TestPlateauSouris::boutonGoOuvreLeCentre() {
    outils::Cliquer(f(), Bouton(f(), 3));
    QCOMPARE(Ecran(f()), QString::fromLatin1(OuvertureCentre));
    QCOMPARE(marbello::CompterBilles(f().Jeu().Plateau), 32);
    QCOMPARE(Bouton(f(), 3)->text(), QStringLiteral("Nouvelle partie"));
    QCOMPARE(Message(f()), QString());
}

void TestPlateauSouris::goPendantUnePartieRemetLePlateau() {
    outils::Cliquer(f(), Bouton(f(), 3));
    outils::Glisser(f(), Cellule{5, 3}, Cellule{5, 5});
    QCOMPARE(f().Jeu().CoupMax(), 1);

    outils::Cliquer(f(), Bouton(f(), 3));
    QCOMPARE(Ecran(f()), QString::fromLatin1(PlateauPlein));
    QVERIFY(!f().Jeu().PartieEnCours);
    QCOMPARE(f().Jeu().CoupCourant(), 0);
    QCOMPARE(f().Jeu().CoupMax(), 0);
    QCOMPARE(Bouton(f(), 3)->text(), QStringLiteral("GO !"));
    QCOMPARE(Message(f()), QStringLiteral("Choisissez une bille à retirer"));
    for (int k = 0; k < marbello::NbTrous; ++k) {
        QCOMPARE(Teinte(f(), Bille(f(), k)), QStringLiteral("blanche"));
    }
}

void TestPlateauSouris::depotFaitLeSaut_data() {
    QTest::addColumn<QString>("avant");
    QTest::addColumn<Cellule>("depuis");
    QTest::addColumn<Cellule>("vers");
    QTest::addColumn<QString>("apres"); // empty: refused
    QTest::addColumn<QString>("message");

    QTest::newRow("down onto the centre") << OuvertureCentre << Cellule{5, 3} << Cellule{5, 5}
                                          << "ooo/o.o/ooo.ooo/ooooooo/ooooooo/ooo/ooo"
                                          << "Il reste 31 billes.";
    QTest::newRow("left onto the centre") << OuvertureCentre << Cellule{7, 5} << Cellule{5, 5}
                                          << "ooo/ooo/ooooooo/oooo..o/ooooooo/ooo/ooo"
                                          << "Il reste 31 billes.";
    QTest::newRow("winning jump") << ".../.../......./..oo.../......./.../..." << Cellule{5, 5}
                                  << Cellule{3, 5} << ".../.../......./.o...../......./.../..."
                                  << "C'est terminé, Bravo !!!";
    QTest::newRow("same cell") << OuvertureCentre << Cellule{5, 3} << Cellule{5, 3} << ""
                               << "";
    QTest::newRow("onto a marble") << OuvertureCentre << Cellule{5, 2} << Cellule{5, 4} << ""
                                   << "";
    QTest::newRow("three away") << "ooo/ooo/ooooooo/ooooo.o/ooooooo/ooo/ooo" << Cellule{4, 5}
                                << Cellule{7, 5} << ""
                                << "";
    QTest::newRow("diagonal") << OuvertureCentre << Cellule{4, 4} << Cellule{5, 5} << ""
                              << "";
    QTest::newRow("over an empty hole")
        << "ooo/ooo/ooooooo/oo..ooo/ooooooo/ooo/ooo" << Cellule{3, 5} << Cellule{5, 5} << ""
        << "";
}

void TestPlateauSouris::depotFaitLeSaut() {
    QFETCH(QString, avant);
    QFETCH(Cellule, depuis);
    QFETCH(Cellule, vers);
    QFETCH(QString, apres);
    QFETCH(QString, message);
    avant.remove(QLatin1Char(' '));
    apres.remove(QLatin1Char(' '));
    Poser(f(), avant.toLatin1().constData());
    const QString messageAvant = Message(f());

    outils::Glisser(f(), depuis, vers);

    if (apres.isEmpty()) {
        QCOMPARE(Ecran(f()), avant);
        QCOMPARE(outils::Texte(f().Jeu().Plateau), avant);
        QCOMPARE(f().Jeu().CoupCourant(), 0);
        QCOMPARE(f().Jeu().CoupMax(), 0);
        QCOMPARE(Message(f()), messageAvant);
        QVERIFY(Bille(f(), depuis)->AUneImage());
    } else {
        QCOMPARE(Ecran(f()), apres);
        QCOMPARE(outils::Texte(f().Jeu().Plateau), apres);
        QCOMPARE(outils::Texte(f().Jeu().Historique()[1]), apres);
        QCOMPARE(f().Jeu().CoupCourant(), 1);
        QCOMPARE(f().Jeu().CoupMax(), 1);
        QCOMPARE(Message(f()), message);
        QCOMPARE(Teinte(f(), Bille(f(), vers)), QStringLiteral("blanche"));
    }
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
}

void TestPlateauSouris::depotHorsDesBillesNeFaitRien_data() {
    QTest::addColumn<QString>("cible");
    QTest::newRow("start button") << "BOUTON3";
    QTest::newRow("checkerboard button") << "BOUTON1";
    QTest::newRow("message line") << "Label3";
    QTest::newRow("save icon") << "Image1_0";
    QTest::newRow("bare body") << "";
}

void TestPlateauSouris::depotHorsDesBillesNeFaitRien() {
    QFETCH(QString, cible);
    Poser(f(), OuvertureCentre);
    const QWidget* controle = outils::Controle(f(), cible);
    // Bare body: on the disc, left of the cross, where no control lies.
    const QPoint vers = cible.isEmpty() ? QPoint(40, 200) : outils::Centre(f(), controle);
    QVERIFY(cible.isEmpty() || controle != nullptr);
    const QPoint avant = f().pos();

    outils::Glisser(f(), Bille(f(), Cellule{5, 3}), vers);

    QCOMPARE(Ecran(f()), QString::fromLatin1(OuvertureCentre));
    QCOMPARE(f().Jeu().CoupCourant(), 0);
    QCOMPARE(Bouton(f(), 1)->text(), QStringLiteral("Damier"));
    QCOMPARE(Bouton(f(), 3)->text(), QStringLiteral("GO"));
    QCOMPARE(f().pos(), avant);
}

void TestPlateauSouris::pressionSurUnTrouVideNeFaitRien() {
    Poser(f(), OuvertureCentre);
    outils::Glisser(f(), Cellule{5, 5}, Cellule{5, 3});
    QCOMPARE(Ecran(f()), QString::fromLatin1(OuvertureCentre));
    QCOMPARE(f().Jeu().CoupCourant(), 0);
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
}

void TestPlateauSouris::pointeurBlancPendantLeGlisser() {
    Poser(f(), OuvertureCentre);
    const QPoint debut = outils::Centre(f(), Bille(f(), Cellule{5, 3}));
    outils::Presser(f(), debut);
    QVERIFY(QGuiApplication::overrideCursor() != nullptr);
    QCOMPARE(QGuiApplication::overrideCursor()->pixmap().cacheKey(),
             outils::Controle<marbello::Vignette>(f(), "Image2")->Picture().cacheKey());
    outils::Bouger(f(), debut + QPoint(5, 5));
    QVERIFY(QGuiApplication::overrideCursor() != nullptr);
    outils::Lacher(f(), debut + QPoint(5, 5));
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
}

void TestPlateauSouris::clicDroitAjouteUneBille() {
    // Before the game: on a full hole nothing shows a change and the game does not start.
    outils::Cliquer(f(), Bille(f(), Cellule{5, 5}), Qt::RightButton);
    QCOMPARE(Ecran(f()), QString::fromLatin1(PlateauPlein));
    QVERIFY(!f().Jeu().PartieEnCours);

    Poser(f(), OuvertureCentre);
    outils::Glisser(f(), Cellule{5, 3}, Cellule{5, 5});
    QCOMPARE(Message(f()), QStringLiteral("Il reste 31 billes."));

    outils::Cliquer(f(), Bille(f(), Cellule{5, 3}), Qt::RightButton);
    QCOMPARE(Ecran(f()), QStringLiteral("ooo/ooo/ooo.ooo/ooooooo/ooooooo/ooo/ooo"));
    QCOMPARE(f().Jeu().Plateau(5, 3), marbello::CaseBille);
    QCOMPARE(Teinte(f(), Bille(f(), Cellule{5, 3})), QStringLiteral("blanche"));
    // Nothing recorded, no counter, and the count waits for the next move.
    QCOMPARE(Message(f()), QStringLiteral("Il reste 31 billes."));
    QCOMPARE(f().Jeu().CoupCourant(), 1);
    QCOMPARE(outils::Texte(f().Jeu().Historique()[1]),
             QStringLiteral("ooo/o.o/ooo.ooo/ooooooo/ooooooo/ooo/ooo"));
}

void TestPlateauSouris::modeConstructionRetireLesBilles() {
    auto* construction = outils::Controle<QFrame>(f(), "Frame1");
    construction->show();

    // Before the game the press opens the first hole and starts the game, as ever.
    outils::Glisser(f(), Cellule{5, 2}, Cellule{5, 4});
    QCOMPARE(Ecran(f()), QStringLiteral("o.o/ooo/ooooooo/ooooooo/ooooooo/ooo/ooo"));
    QVERIFY(f().Jeu().PartieEnCours);

    // During the game every left press removes, and no jump is made.
    outils::Glisser(f(), Cellule{5, 4}, Cellule{5, 2});
    outils::Glisser(f(), Cellule{2, 4}, Cellule{4, 4});
    QCOMPARE(Ecran(f()), QStringLiteral("o.o/ooo/.oo.ooo/ooooooo/ooooooo/ooo/ooo"));
    QCOMPARE(outils::Texte(f().Jeu().Plateau), Ecran(f()));
    QCOMPARE(f().Jeu().CoupCourant(), 0);

    outils::Cliquer(f(), Bille(f(), Cellule{5, 4}), Qt::RightButton);
    QCOMPARE(Ecran(f()), QStringLiteral("o.o/ooo/.oooooo/ooooooo/ooooooo/ooo/ooo"));

    // Once the panel is gone, the same gesture is a jump again.
    construction->hide();
    outils::Glisser(f(), Cellule{5, 4}, Cellule{5, 2});
    QCOMPARE(Ecran(f()), QStringLiteral("ooo/o.o/.oo.ooo/ooooooo/ooooooo/ooo/ooo"));
    QCOMPARE(f().Jeu().CoupCourant(), 1);
}

void TestPlateauSouris::rechercheEnCoursLaissePlateauIntact() {
    Poser(f(), OuvertureCentre);
    outils::Controle<QFrame>(f(), "Frame1")->show();
    f().RechercheEnCours = true;

    outils::Cliquer(f(), Bille(f(), Cellule{5, 5}), Qt::RightButton); // add
    outils::Glisser(f(), Cellule{2, 4}, Cellule{4, 4});               // build-mode removal
    outils::Controle<QFrame>(f(), "Frame1")->hide();
    outils::Glisser(f(), Cellule{5, 3}, Cellule{5, 5}); // a legal jump
    outils::Cliquer(f(), Bouton(f(), 3));               // new game
    outils::Cliquer(f(), Bouton(f(), 5));               // undo

    QCOMPARE(Ecran(f()), QString::fromLatin1(OuvertureCentre));
    QCOMPARE(outils::Texte(f().Jeu().Plateau), QString::fromLatin1(OuvertureCentre));
    QCOMPARE(f().Jeu().CoupCourant(), 0);
    QCOMPARE(Bouton(f(), 3)->text(), QStringLiteral("GO"));
    QCOMPARE(Message(f()), QStringLiteral("Il reste 32 billes."));
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);

    f().RechercheEnCours = false;
    outils::Glisser(f(), Cellule{5, 3}, Cellule{5, 5});
    QCOMPARE(f().Jeu().CoupCourant(), 1);
}

void TestPlateauSouris::damierColoreParTrou() {
    Poser(f(), OuvertureCentre);
    outils::Cliquer(f(), Bouton(f(), 1));
    QCOMPARE(Bouton(f(), 1)->text(), QStringLiteral("Normal"));
    int noires = 0;
    for (int k = 0; k < marbello::NbTrous; ++k) {
        const QString attendue = k == marbello::NumeroCentre ? QString()
                                 : k % 2 == 0                ? QStringLiteral("noire")
                                                             : QStringLiteral("blanche");
        QCOMPARE(Teinte(f(), Bille(f(), k)), attendue);
        noires += attendue == QStringLiteral("noire") ? 1 : 0;
    }
    QCOMPARE(noires, 16); // 17 black holes, the centre empty

    outils::Cliquer(f(), Bouton(f(), 1));
    QCOMPARE(Bouton(f(), 1)->text(), QStringLiteral("Damier"));
    for (int k = 0; k < marbello::NbTrous; ++k) {
        QCOMPARE(Teinte(f(), Bille(f(), k)),
                 k == marbello::NumeroCentre ? QString() : QStringLiteral("blanche"));
    }
    QCOMPARE(Ecran(f()), QString::fromLatin1(OuvertureCentre));
}

void TestPlateauSouris::sautEnDamierPrendLaCouleurDuTrou_data() {
    QTest::addColumn<QString>("avant");
    QTest::addColumn<Cellule>("depuis");
    QTest::addColumn<Cellule>("vers");
    QTest::addColumn<QString>("teinte");
    QTest::newRow("lands on the black centre")
        << OuvertureCentre << Cellule{5, 3} << Cellule{5, 5} << "noire";
    QTest::newRow("lands on white hole 1")
        << "o.o/ooo/ooooooo/ooooooo/ooooooo/ooo/ooo" << Cellule{5, 4} << Cellule{5, 2} << "blanche";
    QTest::newRow("added by hand in checkerboard mode")
        << "o.o/o.o/ooooooo/ooooooo/ooooooo/ooo/ooo" << Cellule{5, 3} << Cellule{5, 3} << "noire";
}

void TestPlateauSouris::sautEnDamierPrendLaCouleurDuTrou() {
    QFETCH(QString, avant);
    QFETCH(Cellule, depuis);
    QFETCH(Cellule, vers);
    QFETCH(QString, teinte);
    Poser(f(), avant.toLatin1().constData());
    outils::Cliquer(f(), Bouton(f(), 1));
    if (depuis == vers) {
        outils::Cliquer(f(), Bille(f(), vers), Qt::RightButton);
    } else {
        outils::Glisser(f(), depuis, vers);
        QCOMPARE(f().Jeu().CoupCourant(), 1);
    }
    QCOMPARE(Teinte(f(), Bille(f(), vers)), teinte);
}

QTEST_MAIN(TestPlateauSouris)
#include "test_plateau_souris.moc"
