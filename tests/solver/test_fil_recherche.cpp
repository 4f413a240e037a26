// The search thread: only the latest question is answered, a stop needs no search to reach its
// end, and each answer says which question it answers, so that a stopped search's answer is never
// taken for the next question's. Run under ThreadSanitizer too.

#include "Aides.h"
#include "solver/FilRecherche.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>
#include <vector>

namespace marbello {
namespace {

using namespace std::chrono_literals;

const Bits Apres1 = BitsDepuisGrille(essais::Depuis("ooo/o.o/ooo.ooo/ooooooo/ooooooo/ooo/ooo"));
const Bits Deux = BitsDepuisGrille(essais::Depuis(".../.../......./oo...../......./.../..."));
const Bits Sans = BitsDepuisGrille(essais::Depuis("ooo/o.o/oo....o/o.ooo../oooo.oo/.o./.oo"));

// A thread whose searches wait, held, before their first position until let go or stopped, and
// the answers it sent.
struct Fil {
    std::mutex verrou;
    std::condition_variable_any changement;
    bool tenu = false;
    int retenues = 0;
    std::vector<ReponseRecherche> recues;
    // The thread never says it is idle while it delivers an answer of its own.
    const std::thread::id principal = std::this_thread::get_id();
    int inactifEnRepondant = 0;
    FilRecherche fil{[this](const ReponseRecherche& r) {
        const bool inactif = std::this_thread::get_id() != principal && fil.Inactif();
        const std::scoped_lock garde(verrou);
        recues.push_back(r);
        inactifEnRepondant += inactif ? 1 : 0;
    }};

    Fil() {
        fil.Avant([this](Bits, const std::stop_token& arret) {
            std::unique_lock garde(verrou);
            ++retenues;
            changement.notify_all();
            changement.wait(garde, arret, [this] { return !tenu; });
        });
    }
    void Tenir(bool oui) {
        const std::scoped_lock garde(verrou);
        tenu = oui;
        changement.notify_all();
    }
    // Until the n-th search is held.
    void AttendreRetenue(int n) {
        std::unique_lock garde(verrou);
        ASSERT_TRUE(changement.wait_for(garde, 10s, [this, n] { return retenues >= n; }))
            << "no search held";
    }
    std::vector<ReponseRecherche> Reponses() {
        for (int i = 0; i < 10'000 && !fil.Inactif(); ++i) {
            std::this_thread::sleep_for(1ms);
        }
        EXPECT_TRUE(fil.Inactif()) << "the thread is still busy";
        const std::scoped_lock garde(verrou);
        EXPECT_EQ(inactifEnRepondant, 0) << "idle before its answer was delivered";
        return recues;
    }
};

// Every question given up is answered as stopped, the one waiting as well as the one searched.
TEST(FilRecherche, onlyTheLatestQuestionIsAnswered) {
    Fil f;
    f.Tenir(true);
    const Question cherchee = f.fil.Chercher(Apres1);
    f.AttendreRetenue(1);
    const Question attendue = f.fil.Chercher(Deux);
    const Question derniere = f.fil.Chercher(Sans);
    f.Tenir(false);
    const auto recues = f.Reponses();
    ASSERT_EQ(recues.size(), 3U);
    // The two stopped answers come in either order: a held search gives up as soon as it is
    // stopped.
    for (const Question& abandonnee : {cherchee, attendue}) {
        EXPECT_EQ(std::count_if(recues.begin(), recues.end(),
                                [&](const ReponseRecherche& r) {
                                    return r.arretee && r.ticket == abandonnee.ticket &&
                                           abandonnee.Repond(r) && !derniere.Repond(r);
                                }),
                  1);
    }
    EXPECT_TRUE(derniere.Repond(recues[2]));
    EXPECT_FALSE(recues[2].arretee || recues[2].solution);
}

// Stopped and asked again before the stopped answer came: that answer is not the new question's.
TEST(FilRecherche, aStoppedAnswerNeverAnswersTheNextQuestion) {
    Fil f;
    f.Tenir(true);
    const Question premiere = f.fil.Chercher(Apres1);
    f.AttendreRetenue(1);
    f.fil.Arreter();
    const Question seconde = f.fil.Chercher(Apres1);
    f.AttendreRetenue(2);
    f.Tenir(false);
    const auto recues = f.Reponses();
    ASSERT_EQ(recues.size(), 2U);
    EXPECT_TRUE(recues[0].arretee && premiere.Repond(recues[0]));
    EXPECT_FALSE(seconde.Repond(recues[0]));
    EXPECT_TRUE(seconde.Repond(recues[1]) && recues[1].solution);
}

// Held, the search never starts: the stop alone brings the thread back to idle.
TEST(FilRecherche, aStopEndsTheSearchWithoutWaitingForIt) {
    Fil f;
    f.Tenir(true);
    const Question q = f.fil.Chercher(Sans);
    f.AttendreRetenue(1);
    f.fil.Arreter();
    const auto recues = f.Reponses();
    ASSERT_EQ(recues.size(), 1U);
    EXPECT_TRUE(recues[0].arretee && q.Repond(recues[0]));
}

// A second question about the position under way joins its search; one asked once it is known is
// answered again, with its own ticket.
TEST(FilRecherche, oneSearchAnswersEveryQuestionAboutItsPosition) {
    Fil f;
    f.Tenir(true);
    const Question q1 = f.fil.Chercher(Apres1);
    f.AttendreRetenue(1);
    const Question q2 = f.fil.Chercher(Apres1);
    f.Tenir(false);
    ASSERT_EQ(f.Reponses().size(), 1U);
    const Question q3 = f.fil.Chercher(Apres1);
    const auto recues = f.Reponses();
    ASSERT_EQ(recues.size(), 2U);
    EXPECT_TRUE(q1.Repond(recues[0]) && q2.Repond(recues[0]) && recues[0].ticket == q2.ticket);
    ASSERT_TRUE(recues[0].solution && recues[1].solution);
    EXPECT_EQ(recues[1].ticket, q3.ticket);
    EXPECT_EQ(recues[1].solution->Coups, recues[0].solution->Coups);
    EXPECT_EQ(f.retenues, 1);
}

} // namespace
} // namespace marbello
