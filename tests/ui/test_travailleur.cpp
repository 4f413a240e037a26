// The search worker on its own: only the latest of questions asked faster than answers come is
// answered, a stop needs no search to reach its end, and answers carry the position they answer.

#include "ui/TravailleurRecherche.h"

#include <QCoreApplication>
#include <QTest>

using marbello::Grille;
using marbello::ReponseRecherche;
using marbello::TravailleurRecherche;

namespace {

Grille Position(const char* texte) {
    return marbello::GrilleDepuisTexte(texte).value();
}
const char* const Apres1 = "ooo/o.o/ooo.ooo/ooooooo/ooooooo/ooo/ooo";
const char* const Sans = "ooo/o.o/oo....o/o.ooo../oooo.oo/.o./.oo";

// The answers delivered on this thread once the worker is idle.
struct Reponses {
    TravailleurRecherche travailleur;
    std::vector<ReponseRecherche> recues;
    Reponses() {
        QObject::connect(
            &travailleur, &TravailleurRecherche::Reponse, &travailleur,
            [this](const ReponseRecherche& r) { recues.push_back(r); }, Qt::QueuedConnection);
    }
    void Attendre() {
        travailleur.AttendreInactif();
        QCoreApplication::sendPostedEvents();
    }
};

} // namespace

class TestTravailleur : public QObject {
    Q_OBJECT

private slots:
    void onlyTheLatestQuestionIsAnswered() {
        Reponses r;
        r.travailleur.Retenir(true);
        for (const char* texte : {Apres1, Sans}) {
            r.travailleur.Chercher(Position(texte));
        }
        r.travailleur.Retenir(false);
        r.Attendre();
        QVERIFY(!r.recues.empty());
        for (size_t i = 0; i + 1 < r.recues.size(); ++i) {
            QVERIFY(r.recues[i].arretee);
        }
        const ReponseRecherche& derniere = r.recues.back();
        QCOMPARE(derniere.position, marbello::BitsDepuisGrille(Position(Sans)));
        QVERIFY(!derniere.arretee && !derniere.solution);
    }

    // Held, the search never starts: the stop alone brings the worker back to idle.
    void aStopEndsTheSearchWithoutWaitingForIt() {
        Reponses r;
        r.travailleur.Retenir(true);
        r.travailleur.Chercher(Position(Sans));
        r.travailleur.AttendreRetenu();
        r.travailleur.Arreter();
        r.Attendre();
        QCOMPARE(r.recues.size(), size_t{1});
        QVERIFY(r.recues[0].arretee);
    }
};

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    TestTravailleur test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_travailleur.moc"
