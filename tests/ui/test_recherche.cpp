// The search from the window: what BOUTON(0), the message line, the waiting dots and the pointer
// show before, during and after a search; what stays refused while one runs; and the replay of a
// found solution through the slider window.

#include "OutilsFenetre.h"
#include "model/Partie.h"
#include "ui/Forme.h"

#include <QFrame>
#include <QGuiApplication>
#include <QProcess>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

using marbello::Cellule;
using marbello::FMarbello;
using outils::Bille;
using outils::Bouton;
using outils::Cliquer;
using outils::Ecran;
using outils::Message;

namespace {

const char* const OuvertureCentre = "ooo/ooo/ooooooo/ooo.ooo/ooooooo/ooo/ooo";
// No marble can be left alone from here, and the search needs many positions to learn it (the
// positions of 24 marbles or more are answered at once).
const char* const SansSolution = "ooo/..o/ooo.ooo/o.oo..o/.ooo.o./o.o/ooo";
// One jump, (6, 5) over (7, 5), before SansSolution.
const char* const AvantSansSolution = "ooo/..o/ooo.ooo/o.oooo./.ooo.o./o.o/ooo";

const QString TexteChercher = QStringLiteral("Chercher une solution");
const QString TexteArreter = QStringLiteral("Arrêter la recherche");
const QString Marine = QColor(0, 0, 128).name();
const QString Gris = QColor(140, 140, 140).name();
const QString Clair = QColor(200, 200, 200).name();

QString Texte(const char* plateau) {
    return QString::fromLatin1(plateau);
}

// The board shows this position, a game under way whose record starts there.
void Placer(FMarbello& f, const char* plateau) {
    f.Jeu().Plateau = *marbello::GrilleDepuisTexte(plateau);
    f.Jeu().PartieEnCours = true;
    f.Jeu().RepartirDeLaPosition();
    f.AfficherPlateau();
}

QWidget* Verticale() {
    for (QWidget* fenetre : QApplication::topLevelWidgets()) {
        if (fenetre->objectName() == QStringLiteral("Verticale")) {
            return fenetre;
        }
    }
    return nullptr;
}

QScrollBar* Curseur() {
    QWidget* verticale = Verticale();
    return verticale == nullptr ? nullptr : verticale->findChild<QScrollBar*>("VScroll1");
}

bool VerticaleMontree() {
    return Verticale() != nullptr && Verticale()->isVisible();
}

// Where a part of the scroll bar (arrow, thumb) lies, as its style draws it.
QRect Zone(const QScrollBar& barre, QStyle::SubControl partie) {
    QStyleOptionSlider option;
    option.initFrom(&barre);
    option.subControls = QStyle::SC_All;
    option.orientation = barre.orientation();
    option.minimum = barre.minimum();
    option.maximum = barre.maximum();
    option.sliderPosition = barre.sliderPosition();
    option.sliderValue = barre.value();
    option.singleStep = barre.singleStep();
    option.pageStep = barre.pageStep();
    return barre.style()->subControlRect(QStyle::CC_ScrollBar, &option, partie, &barre);
}

Qt::CursorShape Pointeur() {
    const QCursor* pointeur = QGuiApplication::overrideCursor();
    return pointeur == nullptr ? Qt::ArrowCursor : pointeur->shape();
}

// Clicks BOUTON(0) and runs `pendant` at the search's first yield to the event loop. The timer is
// armed after the press, whose own event processing would otherwise run it before the search.
void ChercherEt(FMarbello& f, const std::function<void()>& pendant) {
    const QPoint centre = outils::Centre(f, Bouton(f, 0));
    outils::Presser(f, centre);
    QTimer::singleShot(0, &f, pendant);
    outils::Lacher(f, centre);
}

// What the window shows of a search, read while it runs.
struct Etat {
    bool enCours = false;
    QString legende;
    QString message;
    bool points = false;
    Qt::CursorShape pointeur = Qt::ArrowCursor;
    bool verticale = false;
};

Etat Lire(const FMarbello& f) {
    return {f.RechercheEnCours, Bouton(f, 0)->text(),
            Message(f),         outils::Controle<QFrame>(f, "Frame5")->isVisible(),
            Pointeur(),         VerticaleMontree()};
}

QString CouleurPoint(const FMarbello& f, int i) {
    return outils::Controle<marbello::Forme>(f, QStringLiteral("SHwait%1").arg(i))
        ->CouleurFond()
        .name();
}

// The window once idle again, whatever the outcome.
void VerifierRepos(const FMarbello& f) {
    QVERIFY(!f.RechercheEnCours);
    QCOMPARE(Bouton(f, 0)->text(), TexteChercher);
    QVERIFY(!outils::Controle<QFrame>(f, "Frame5")->isVisible());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

const char* const VariableScenario = "MARBELLO_SCENARIO_RECHERCHE";

// The child's side of the tests that end the program. Quitter during a search: anything on
// stdout means the program went on. Closing the main window while the slider window is shown:
// the event loop must end.
int JouerScenario(int argc, char* argv[], const QByteArray& scenario) {
    QApplication application(argc, argv);
    outils::FenetreMontree ecran;
    FMarbello& f = ecran.fenetre;
    if (scenario == "fermer") {
        QTimer::singleShot(0, &f, [&f] {
            Cliquer(f, Bouton(f, 3));
            Cliquer(f, Bouton(f, 0));
            if (!VerticaleMontree()) {
                std::puts("pas de solution montree");
            }
            f.close();
        });
        const int fin = QApplication::exec();
        std::puts("fin");
        return fin;
    }
    Placer(f, SansSolution);
    ChercherEt(f, [&f] {
        if (!f.RechercheEnCours) {
            std::puts("le clic est arrive hors de la recherche");
        }
        Cliquer(f, Bouton(f, 4));
        std::puts("le programme a continue apres Quitter");
    });
    std::puts("la recherche a rendu la main");
    return 3;
}

// Runs this executable again on a scenario; what it printed, once it has ended well.
QString LancerScenario(const char* scenario, int delaiMs) {
    QProcess enfant;
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.insert(QString::fromLatin1(VariableScenario), QString::fromLatin1(scenario));
    enfant.setProcessEnvironment(environnement);
    enfant.start(QCoreApplication::applicationFilePath(), {});
    if (!enfant.waitForStarted() || !enfant.waitForFinished(delaiMs)) {
        enfant.kill();
        enfant.waitForFinished();
        return QStringLiteral("<still running>");
    }
    if (enfant.exitStatus() != QProcess::NormalExit || enfant.exitCode() != 0) {
        return QStringLiteral("<exit code %1>").arg(enfant.exitCode());
    }
    return QString::fromLocal8Bit(enfant.readAllStandardOutput());
}

} // namespace

class TestRecherche : public QObject {
    Q_OBJECT

private slots:
    void init() { ecran_ = std::make_unique<outils::FenetreMontree>(); }
    void cleanup() { ecran_.reset(); }

    void issueDeLaRecherche_data();
    void issueDeLaRecherche();
    void sansPartieRienNEstCherche();
    void solutionRejoueeParLaRegleDuJeu();
    void flechesEtCurseurDuCurseur();
    void arretPendantUneLongueRecherche();
    void refusPendantLaRecherche_data();
    void refusPendantLaRecherche();
    void fenetreUtilisablePendantLaRecherche();
    void pointsTournentPendantLaRecherche();
    void pointsDAttente_data();
    void pointsDAttente();
    void secondeRechercheRemetLeCurseurAZero();
    void nouvellePartieMasqueLaVerticale();
    void jeuRepartDeLaPositionRejouee();
    void fermerLaFenetreLaisseFinirLeProgramme();
    void quitterPendantLaRechercheTermineAussitot();

private:
    FMarbello& f() { return ecran_->fenetre; }
    std::unique_ptr<outils::FenetreMontree> ecran_;
};

// Found (with the slider's maximum), none, and the grid left as it was in every case.
void TestRecherche::issueDeLaRecherche_data() {
    QTest::addColumn<QString>("plateau");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("coups"); // -1: no slider window
    QTest::newRow("centre opening") << Texte(OuvertureCentre) << "Solution trouvée..." << 31;
    QTest::newRow("one marble") << "o../.../......./......./......./.../..."
                                << "Solution trouvée..." << 0;
    QTest::newRow("one jump") << ".../.../......./..oo.../......./.../..."
                              << "Solution trouvée..." << 1;
    QTest::newRow("two marbles apart") << ".../.../......./..o.o../......./.../..."
                                       << "Pas de solution" << -1;
    QTest::newRow("no marble") << ".../.../......./......./......./.../..."
                               << "Pas de solution" << -1;
}

void TestRecherche::issueDeLaRecherche() {
    QFETCH(QString, plateau);
    QFETCH(QString, message);
    QFETCH(int, coups);
    Placer(f(), qPrintable(plateau));
    const marbello::Grille avant = f().Jeu().Plateau;

    Cliquer(f(), Bouton(f(), 0));

    QCOMPARE(Message(f()), message);
    VerifierRepos(f());
    QVERIFY(f().Jeu().Plateau == avant);
    QCOMPARE(Ecran(f()), plateau);
    QCOMPARE(VerticaleMontree(), coups >= 0);
    QCOMPARE(f().SolutionAffichee, coups >= 0);
    if (coups >= 0) {
        QCOMPARE(Curseur()->minimum(), 0);
        QCOMPARE(Curseur()->maximum(), coups);
        QCOMPARE(Curseur()->value(), 0);
    }
}

// Without a game under way nothing is searched and the last solution can no longer be replayed.
void TestRecherche::sansPartieRienNEstCherche() {
    Cliquer(f(), Bouton(f(), 3));
    Cliquer(f(), Bouton(f(), 0));
    QVERIFY(VerticaleMontree());
    Cliquer(f(), Bouton(f(), 3)); // prepares a new game, none under way
    const QString plateau = Ecran(f());

    Cliquer(f(), Bouton(f(), 0));

    QCOMPARE(Message(f()), QStringLiteral("Retirez déjà une bille"));
    VerifierRepos(f());
    QVERIFY(!VerticaleMontree());
    QCOMPARE(f().Solveur().Solution.size(), size_t{1});
    f().Avancer(5);
    QCOMPARE(Ecran(f()), plateau);
}

// Each step of the slider shows one more jump that the game's own rule accepts, down to the
// last marble; the slider window stands beside the main window.
void TestRecherche::solutionRejoueeParLaRegleDuJeu() {
    Cliquer(f(), Bille(f(), Cellule{5, 5})); // the first hole, the centre
    Cliquer(f(), Bouton(f(), 0));
    QCOMPARE(Curseur()->maximum(), 31);
    QWidget* verticale = Verticale();
    QCOMPARE(verticale->parentWidget(), nullptr);
    QVERIFY(verticale->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(verticale->size(), QSize(29, 120));
    QCOMPARE(verticale->mask().boundingRect(), QRect(0, 0, 29, 120));
    QVERIFY(!verticale->mask().contains(QPoint(0, 0)));
    QCOMPARE(Curseur()->geometry(), QRect(7, 8, 14, 107));
    QCOMPARE(verticale->pos(), f().pos() + QPoint(410, 139));

    QStringList vues{Ecran(f())};
    for (int v = 1; v <= 31; ++v) {
        marbello::Partie juge;
        juge.Plateau = f().Jeu().Plateau;
        juge.PartieEnCours = true;
        Curseur()->setValue(v);
        const marbello::Grille apres = f().Jeu().Plateau;
        // The jump from the emptied cell two holes away from the filled one, judged by the game.
        QList<Cellule> videes;
        Cellule arrivee;
        for (int k = 0; k < marbello::NbTrous; ++k) {
            const Cellule c = marbello::CelluleBille(k);
            if (juge.Plateau[c] == marbello::CaseVide && apres[c] == marbello::CaseBille) {
                arrivee = c;
            } else if (juge.Plateau[c] == marbello::CaseBille && apres[c] == marbello::CaseVide) {
                videes << c;
            }
        }
        Cellule depart;
        for (const Cellule c : videes) {
            if (std::abs(c.x - arrivee.x) + std::abs(c.y - arrivee.y) == 2) {
                depart = c;
            }
        }
        QVERIFY2(juge.JouerCoup(depart, arrivee).fait, qPrintable(QString::number(v)));
        QVERIFY2(juge.Plateau == apres, qPrintable(QString::number(v)));
        QCOMPARE(Ecran(f()), outils::Texte(apres));
        vues << Ecran(f());
    }
    QCOMPARE(Message(f()), QStringLiteral("C'est terminé."));
    QCOMPARE(Ecran(f()), QStringLiteral(".../.../......./......o/......./.../..."));

    Curseur()->setValue(4); // rebuilt from the start, not undone
    QCOMPARE(Ecran(f()), vues[4]);
    Curseur()->setValue(0);
    QCOMPARE(Ecran(f()), Texte(OuvertureCentre));
    QCOMPARE(Message(f()), QStringLiteral("Il reste 32 billes."));
}

// An arrow steps one move; the dragged thumb replays nothing until it is released.
void TestRecherche::flechesEtCurseurDuCurseur() {
    Cliquer(f(), Bouton(f(), 3));
    Cliquer(f(), Bouton(f(), 0));
    QScrollBar& barre = *Curseur();
    QTest::mouseClick(&barre, Qt::LeftButton, {},
                      Zone(barre, QStyle::SC_ScrollBarAddLine).center());
    QCOMPARE(barre.value(), 1);
    QCOMPARE(Ecran(f()), QStringLiteral("ooo/ooo/ooooooo/o..oooo/ooooooo/ooo/ooo"));
    QTest::mouseClick(&barre, Qt::LeftButton, {},
                      Zone(barre, QStyle::SC_ScrollBarAddLine).center());
    QCOMPARE(barre.value(), 2);
    QTest::mouseClick(&barre, Qt::LeftButton, {},
                      Zone(barre, QStyle::SC_ScrollBarSubLine).center());
    QCOMPARE(barre.value(), 1);

    const QString avant = Ecran(f());
    const QPoint pouce = Zone(barre, QStyle::SC_ScrollBarSlider).center();
    const QPoint bas(pouce.x(), Zone(barre, QStyle::SC_ScrollBarAddLine).top() - 2);
    QTest::mousePress(&barre, Qt::LeftButton, {}, pouce);
    QTest::mouseMove(&barre, (pouce + bas) / 2);
    QTest::mouseMove(&barre, bas);
    QCOMPARE(barre.value(), 1);
    QCOMPARE(Ecran(f()), avant);
    QTest::mouseRelease(&barre, Qt::LeftButton, {}, bas);
    QVERIFY(barre.value() > 10);
    QCOMPARE(f().Jeu().CoupCourant(), 0);
    QCOMPARE(marbello::CompterBilles(f().Jeu().Plateau), 32 - barre.value());
}

void TestRecherche::arretPendantUneLongueRecherche() {
    Placer(f(), SansSolution);
    Etat pendant;
    ChercherEt(f(), [&] {
        pendant = Lire(f());
        Cliquer(f(), Bouton(f(), 0));
    });

    QVERIFY(pendant.enCours);
    QCOMPARE(pendant.legende, TexteArreter);
    QCOMPARE(pendant.message, QStringLiteral("Recherche en cours..."));
    QVERIFY(pendant.points);
    QCOMPARE(pendant.pointeur, Qt::WaitCursor);
    QCOMPARE(Message(f()), QStringLiteral("Recherche Arrêtée."));
    VerifierRepos(f());
    QCOMPARE(outils::Texte(f().Jeu().Plateau), Texte(SansSolution));
    QCOMPARE(Ecran(f()), Texte(SansSolution));
    QCOMPARE(f().Solveur().Solution.size(), size_t{1});
    QVERIFY(!VerticaleMontree());
}

// Every action that would change the board does nothing while the search runs; the record is
// set so that each would act otherwise (undo and redo both possible).
void TestRecherche::refusPendantLaRecherche_data() {
    QTest::addColumn<std::function<void(FMarbello&)>>("action");
    QTest::newRow("new game") << std::function<void(FMarbello&)>(
        [](FMarbello& f) { Cliquer(f, Bouton(f, 3)); });
    QTest::newRow("undo") << std::function<void(FMarbello&)>(
        [](FMarbello& f) { Cliquer(f, Bouton(f, 5)); });
    QTest::newRow("redo") << std::function<void(FMarbello&)>(
        [](FMarbello& f) { Cliquer(f, Bouton(f, 6)); });
    QTest::newRow("undo key") << std::function<void(FMarbello&)>(
        [](FMarbello& f) { QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier); });
    QTest::newRow("jump by drag and drop") << std::function<void(FMarbello&)>([](FMarbello& f) {
        outils::Glisser(f, Cellule{4, 6}, Cellule{6, 6});
    });
    QTest::newRow("marble added by right click")
        << std::function<void(FMarbello&)>([](FMarbello& f) {
               Cliquer(f, Bille(f, Cellule{5, 4}), Qt::RightButton);
           });
    QTest::newRow("save icon") << std::function<void(FMarbello&)>(
        [](FMarbello& f) { Cliquer(f, outils::Controle(f, QStringLiteral("Image1_0"))); });
    QTest::newRow("open icon") << std::function<void(FMarbello&)>(
        [](FMarbello& f) { Cliquer(f, outils::Controle(f, QStringLiteral("Image1_1"))); });
}

void TestRecherche::refusPendantLaRecherche() {
    QFETCH(std::function<void(FMarbello&)>, action);
    Placer(f(), AvantSansSolution);
    outils::Glisser(f(), Cellule{6, 5}, Cellule{8, 5});
    outils::Glisser(f(), Cellule{4, 6}, Cellule{6, 6});
    Cliquer(f(), Bouton(f(), 5));
    QCOMPARE(Ecran(f()), Texte(SansSolution));
    const QString legendeGo = Bouton(f(), 3)->text();

    bool enCours = false;
    QString pendant;
    ChercherEt(f(), [&] {
        enCours = f().RechercheEnCours;
        action(f());
        pendant = Ecran(f()) + " " + outils::Texte(f().Jeu().Plateau);
        Cliquer(f(), Bouton(f(), 0));
    });

    QVERIFY(enCours);
    QCOMPARE(pendant, Texte(SansSolution) + " " + Texte(SansSolution));
    QCOMPARE(Message(f()), QStringLiteral("Recherche Arrêtée."));
    QCOMPARE(f().Jeu().CoupCourant(), 1);
    QCOMPARE(f().Jeu().CoupMax(), 2);
    QVERIFY(f().Jeu().PartieEnCours);
    QCOMPARE(Bouton(f(), 3)->text(), legendeGo);
    QVERIFY(!outils::Controle(f(), QStringLiteral("FraOpenClose"))->isVisible());
    // The record still works once the search is over.
    Cliquer(f(), Bouton(f(), 5));
    QCOMPARE(Ecran(f()), Texte(AvantSansSolution));
}

// Hovering, the help panel, the checkerboard and moving the window all answer during a search.
// The help panel, still open when the search ends, gives back the outcome when it closes.
void TestRecherche::fenetreUtilisablePendantLaRecherche() {
    Placer(f(), SansSolution);
    const QPoint place = f().pos();
    bool gras = false;
    bool aide = false;
    ChercherEt(f(), [&] {
        outils::Bouger(f(), outils::Centre(f(), Bouton(f(), 2)));
        gras = Bouton(f(), 2)->font().bold();
        Cliquer(f(), Bouton(f(), 2));
        aide = outils::Controle(f(), QStringLiteral("FraAIDE"))->isVisible();
        Cliquer(f(), Bouton(f(), 1));
        outils::Presser(f(), QPoint(40, 200));
        outils::Bouger(f(), QPoint(100, 240));
        outils::Lacher(f(), QPoint(40, 200));
        Cliquer(f(), Bouton(f(), 0));
    });

    QVERIFY(gras);
    QVERIFY(aide);
    QCOMPARE(Bouton(f(), 1)->text(), QStringLiteral("Normal"));
    QCOMPARE(outils::Teinte(f(), Bille(f(), Cellule{4, 2})), QStringLiteral("noire"));
    QCOMPARE(f().pos(), place + QPoint(60, 40));
    Cliquer(f(), outils::Controle(f(), QStringLiteral("Command1")));
    QCOMPARE(Message(f()), QStringLiteral("Recherche Arrêtée."));
    QVERIFY(!outils::Controle(f(), QStringLiteral("Frame5"))->isVisible());
}

// While the search runs the grey pair goes round; it is stopped once a dot has turned.
void TestRecherche::pointsTournentPendantLaRecherche() {
    Placer(f(), SansSolution);
    QTimer guet;
    int gris = -1;
    connect(&guet, &QTimer::timeout, &f(), [&] {
        for (int i = 0; i < 12 && gris < 0; ++i) {
            if (CouleurPoint(f(), i) == Gris) {
                gris = i;
                QVERIFY(f().RechercheEnCours);
                QCOMPARE(CouleurPoint(f(), (i + 1) % 12), Clair);
                Cliquer(f(), Bouton(f(), 0));
            }
        }
    });
    ChercherEt(f(), [&] { guet.start(0); });
    guet.stop();
    QVERIFY(gris >= 0);
    QCOMPARE(Message(f()), QStringLiteral("Recherche Arrêtée."));
}

// After n steps from a new window exactly one dot is grey, the next one light and the others
// navy; the pair moves one dot per step towards the lower numbers.
void TestRecherche::pointsDAttente_data() {
    QTest::addColumn<int>("pas");
    QTest::addColumn<int>("gris");
    QTest::newRow("1 step") << 1 << 11;
    QTest::newRow("2 steps") << 2 << 10;
    QTest::newRow("3 steps") << 3 << 9;
    QTest::newRow("12 steps") << 12 << 0;
    QTest::newRow("13 steps") << 13 << 11;
}

void TestRecherche::pointsDAttente() {
    QFETCH(int, pas);
    QFETCH(int, gris);
    for (int i = 0; i < pas; ++i) {
        f().Attente();
    }
    for (int i = 0; i < 12; ++i) {
        const QString attendue = i == gris ? Gris : i == (gris + 1) % 12 ? Clair : Marine;
        QCOMPARE(CouleurPoint(f(), i), attendue);
    }
}

// The thumb stood beyond the new maximum: it ends at 0 and the board shows the new start.
void TestRecherche::secondeRechercheRemetLeCurseurAZero() {
    Cliquer(f(), Bouton(f(), 3));
    Cliquer(f(), Bouton(f(), 0));
    Curseur()->setValue(25);
    const QString depart = Ecran(f());

    Cliquer(f(), Bouton(f(), 0));

    QCOMPARE(Message(f()), QStringLiteral("Solution trouvée..."));
    QCOMPARE(Curseur()->maximum(), 6);
    QCOMPARE(Curseur()->value(), 0);
    QCOMPARE(Ecran(f()), depart);
    QCOMPARE(outils::Texte(f().Jeu().Plateau), depart);
    QVERIFY(VerticaleMontree());
}

void TestRecherche::nouvellePartieMasqueLaVerticale() {
    Cliquer(f(), Bouton(f(), 3));
    Cliquer(f(), Bouton(f(), 0));
    Curseur()->setValue(3);
    QVERIFY(VerticaleMontree());

    Cliquer(f(), Bouton(f(), 3));
    QVERIFY(!VerticaleMontree());
    QVERIFY(!f().SolutionAffichee);

    Cliquer(f(), Bille(f(), Cellule{5, 5}));
    Cliquer(f(), Bouton(f(), 0));
    QVERIFY(VerticaleMontree());
    QCOMPARE(Curseur()->value(), 0);
    QCOMPARE(Ecran(f()), Texte(OuvertureCentre));
}

// After a replay the record starts at the shown position: neither undo nor redo brings back the
// game played before the search, and a move played on from it is undone back to it.
void TestRecherche::jeuRepartDeLaPositionRejouee() {
    Cliquer(f(), Bouton(f(), 3));
    outils::Glisser(f(), Cellule{5, 3}, Cellule{5, 5});
    Cliquer(f(), Bouton(f(), 5)); // back to the opening, the move left to redo
    Cliquer(f(), Bouton(f(), 0));
    Curseur()->setValue(1);
    const QString rejouee = QStringLiteral("ooo/ooo/ooooooo/o..oooo/ooooooo/ooo/ooo");
    QCOMPARE(Ecran(f()), rejouee);

    Cliquer(f(), Bouton(f(), 5));
    QCOMPARE(Ecran(f()), rejouee);
    Cliquer(f(), Bouton(f(), 6));
    QCOMPARE(Ecran(f()), rejouee);
    QCOMPARE(Message(f()), QStringLiteral("Il reste 31 billes."));

    outils::Glisser(f(), Cellule{4, 3}, Cellule{4, 5});
    QCOMPARE(Ecran(f()), QStringLiteral("ooo/.oo/oo.oooo/o.ooooo/ooooooo/ooo/ooo"));
    Cliquer(f(), Bouton(f(), 5));
    QCOMPARE(Ecran(f()), rejouee);
}

// The slider window alone on screen does not keep the program running.
void TestRecherche::fermerLaFenetreLaisseFinirLeProgramme() {
    QCOMPARE(LancerScenario("fermer", 10000), QStringLiteral("fin\n"));
}

void TestRecherche::quitterPendantLaRechercheTermineAussitot() {
    QCOMPARE(LancerScenario("quitter", 20000), QString());
}

int main(int argc, char* argv[]) {
    const QByteArray scenario = qgetenv(VariableScenario);
    if (!scenario.isEmpty()) {
        return JouerScenario(argc, argv, scenario);
    }
    QApplication application(argc, argv);
    TestRecherche test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_recherche.moc"
