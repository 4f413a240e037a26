// The search from the window: its outcomes, the replay through the slider window, what the window
// shows while a search runs (the waiting dots turning), what waits for its end, and quitting
// during one.

#include "OutilsFenetre.h"
#include "ui/dessin/Forme.h"

#include <QProcess>
#include <QSettings>

using namespace outils;

namespace {

const QString Deux = QStringLiteral(".../.../......./oo...../......./.../..."); // one way out
const QString Une = QStringLiteral(".../.../......./..o..../......./.../...");
// No marble can be left alone from here, and the search needs many positions to learn it (those of
// 22 marbles or more it answers at once).
const QString Sans = QStringLiteral("ooo/o.o/oo....o/o.ooo../oooo.oo/.o./.oo");
const QString Arretee = QStringLiteral("Recherche Arrêtée.");
// 54>74 loses it, 64>44 would win.
const QString Gagnable = QStringLiteral(".../o../...oo../......./......./.../...");
const QString Perdue = QStringLiteral(".../o../.....o./......./......./.../...");
const QString Trouvee = QStringLiteral("Solution trouvée...");

// The child's side of the tests that end the program during a search, in the program's own
// folder: 7 once the event loop has ended and the window with its worker is destroyed.
int FinirPendantUneRecherche(const QByteArray& comment) {
    {
        FMarbello f;
        marbello::Assembler(f); // the guests come apart with it, during the search
        f.show();
        QTimer::singleShot(0, &f, [&f, comment] {
            Jouer(f, Sans);
            Retenue::De(f).Tenir(true);
            QTest::mouseClick(Controle(f, QStringLiteral("B0")), Qt::LeftButton);
            if (comment == "quitter") {
                Jouer(f, QStringLiteral("B4"));
            } else {
                f.close();
            }
        });
        if (QApplication::exec() != 0) {
            return 3;
        }
    }
    return 7;
}

} // namespace

class TestRecherche : public QObject {
    Q_OBJECT

private slots:
    void init() { QSettings(QStringLiteral("Marbello"), QStringLiteral("Marbello")).clear(); }
    void gestes_data() {
        Colonnes();
        Ligne("found", "B3 B0", OuvertureCentre + " curseur 0/31", Trouvee);
        Ligne("noGameNoSearch", "B0", Plein, "Retirez déjà une bille");
        Ligne("noSolution", ".../.../......./..o.o../......./.../... B0",
              ".../.../......./..o.o../......./.../...", "Pas de solution");
        Ligne("replay", Deux + " B0 curseur:1", Une + " curseur 1/1", "C'est terminé.");
        Ligne("replayBack", Deux + " B0 curseur:1 curseur:0", Deux + " curseur 0/1",
              "Il reste 2 billes.");
        Ligne("replayStartsTheRecord", Deux + " B0 curseur:1 B5", Une + " curseur 1/1",
              "C'est terminé.");
        Ligne("heldThumbReplaysNothing", Deux + " B0 tenir:1", Deux + " curseur 0/1", Trouvee);
        Ligne("searchAgainFromTheReplay", Deux + " B0 curseur:1 B0", Une + " curseur 0/0", Trouvee);
        Ligne("newGameHidesTheSlider", "B3 B0 B3", Plein, Choisir);
        Ligne("openIconHidesTheSlider", "B3 B0 I1", "File1", "");
        Ligne("saveIconKeepsIt", "B3 B0 I0", "Text1 curseur 0/31", "");
        Ligne("stopped", Sans + " [ ]", Sans, Arretee);
        Ligne("helpOpenedDuringItGivesTheOutcome", Sans + " [ B2 ] B2", Sans, Arretee);
        // Each would change the board, with a move to undo and one to redo.
        for (const char* geste : {"B3", "B5", "46>66", "droit:44", "I1"}) {
            Ligne(geste,
                  "ooo/o.o/oo....o/o.oo.oo/oooo.oo/.o./.oo 85>65 46>66 B5 [ " +
                      QString::fromLatin1(geste) + " ]",
                  Sans, Arretee);
        }
        for (const char* geste : {"Command2", "Command3"}) {
            Ligne(geste, "ecrire:a.Mbo " + Sans + " I1 choisir:a.Mbo [ " + geste + " ]", "File1",
                  Arretee);
        }
        Ligne("wasteBin", "ecrire:a.Mbo " + Sans + " I1 choisir:a.Mbo [ Command4 ] Command2",
              ".../.o./......./...o.../......./.../...", "Il reste 2 billes.");
        Ligne("save", Sans + " I0 [ Command2 ]", "Text1", Arretee);
        Ligne("buildOk", Sans + " I1 Command3 [ Command5 ]", Sans + " Frame1", Arretee);
        Ligne("buildRemove", Sans + " I1 Command3 [ 34 ]", Sans + " Frame1", Arretee);
    }
    void gestes() { VerifierLigne(); }

    // The hint and the live mark, which follows every kind of change of the board.
    void aides_data() {
        Colonnes();
        const QString fin;
        Ligne("hintBeforeTheFirstHole", "touche:H", Plein, "Choisissez une bille à retirer");
        Ligne("hintWithoutSolution", Perdue + " B0 touche:H", Perdue, "Pas de solution");
        Ligne("hintGoneAtTheNextPress", "B3 touche:H corps", OuvertureCentre, fin);
        Ligne("hintNotOverAPanel", "B3 B2 touche:H", "FraAIDE", fin);
        Ligne("markOffAgain", "touche:I B3 touche:I", OuvertureCentre, fin);
        Ligne("markOnAgain", "touche:I B3 touche:I touche:I", OuvertureCentre + " marque +", fin);
        Ligne("markAtTheFirstHole", "touche:I 44",
              "ooo/ooo/oo.oooo/ooooooo/ooooooo/ooo/ooo marque +", fin);
        Ligne("markHiddenByANewGame", "touche:I B3 B3", Plein, "Choisissez une bille à retirer");
        const QString coup = "touche:I " + Gagnable + " 54>74";
        Ligne("markAfterAMove", coup, Perdue + " marque -", "Il reste 2 billes.");
        Ligne("markAfterUndo", coup + " B5", Gagnable + " marque +", "Il reste 3 billes.");
        Ligne("markAfterRedo", coup + " B5 B6", Perdue + " marque -", "Il reste 2 billes.");
        Ligne("markAfterARightPress", "touche:I " + Gagnable + " droit:42",
              "o../o../...oo../......./......./.../... marque -", "Il reste 3 billes.");
        Ligne("markAfterABuildPress", "touche:I " + Perdue + " I1 Command3 74",
              ".../o../......./......./......./.../... Frame1 marque +", "Il reste 2 billes.");
        Ligne("markAfterOpening", "ecrire:a.Mbo touche:I B3 I1 choisir:a.Mbo Command2",
              ".../.o./......./...o.../......./.../... marque -", "Il reste 2 billes.");
        Ligne("markAfterAReplayStep", "touche:I " + Deux + " B0 curseur:1",
              Une + " marque + curseur 1/1", "C'est terminé.");
    }
    void aides() { VerifierLigne(); }

    // On a sample of positions, the hint is the first move of the solution the button finds: the
    // slider's first step shows the board the hinted move leaves.
    void hintIsTheSolutionsFirstMove_data() {
        QTest::addColumn<QString>("position");
        for (const QString& p :
             {OuvertureCentre, Apres1, QStringLiteral(".oo/ooo/ooooooo/ooooooo/ooooooo/ooo/ooo"),
              QStringLiteral("ooo/ooo/ooooooo/ooooooo/ooooooo/ooo/oo.")}) {
            QTest::newRow(qPrintable(p)) << p;
        }
    }
    void hintIsTheSolutionsFirstMove() {
        QFETCH(QString, position);
        Fenetre w(position + " touche:H");
        const QString apres = Vue(Fenetre(position + ' ' + Vue(w.f).section(' ', 2)).f);
        Jouer(w.f, QStringLiteral("B0 curseur:1"));
        QCOMPARE(Vue(w.f).section(QLatin1Char(' '), 0, 0), apres);
    }

    // An answer that comes once the board has changed is never shown, however late.
    void aLateAnswerIsNeverShown() {
        Fenetre w(QStringLiteral("touche:I"));
        std::vector<std::optional<bool>> montres;
        connect(Controle<marbello::MarqueGagnable>(w.f, QStringLiteral("MarqueGagnable")),
                &marbello::MarqueGagnable::EtatMontre, this,
                [&montres](std::optional<bool> etat) { montres.push_back(etat); });
        Jouer(w.f, Gagnable);
        QVERIFY(Inactif(w.f)); // its answer sent, not yet received
        Jouer(w.f, Perdue);
        Repondre(w.f);
        QCOMPARE(montres, std::vector<std::optional<bool>>{false});
    }

    // A search after a replay step and a move keeps the record, and a hint asked during it shows.
    void aSearchAfterAReplayKeepsTheRecord() {
        Fenetre w(QStringLiteral("B3 B0 curseur:3 touche:H"));
        Jouer(w.f, Vue(w.f).section(QStringLiteral("indice "), 1).section(' ', 0, 0));
        Retenue::De(w.f).Tenir(true);
        QTest::mouseClick(Controle(w.f, QStringLiteral("B0")), Qt::LeftButton);
        QVERIFY(Retenue::De(w.f).AttendreRetenue());
        QTest::keyClick(w.f.windowHandle(), Qt::Key_H);
        Retenue::De(w.f).Tenir(false);
        QTRY_VERIFY(!w.f.RechercheEnCours());
        QTRY_VERIFY(Vue(w.f).contains(QStringLiteral("indice")));
        QCOMPARE(w.f.Jeu().CoupMax(), 1);
    }

    // A search stopped while the mark waited for it: the next search's answer shows the mark.
    void theMarkTakesTheAnswerAfterAStop() {
        Fenetre w(QStringLiteral("B3 [ touche:I ] B0"));
        QCOMPARE(Vue(w.f), OuvertureCentre + " marque + curseur 0/31");
    }

    void theMarkIsKeptBetweenRuns() {
        Fenetre(QStringLiteral("touche:I"));
        Fenetre w(QStringLiteral("B3"));
        Repondre(w.f);
        QCOMPARE(Vue(w.f), OuvertureCentre + " marque +");
    }

    // While the search runs: the stop caption, the message, the hourglass and the dots, which turn
    // one grey and the next light around their circle, a step at a time.
    void pendantLaRecherche() {
        Fenetre w(Sans);
        auto* chercher = Controle<QLabel>(w.f, QStringLiteral("B0"));
        Retenue::De(w.f).Tenir(true);
        QTest::mouseClick(chercher, Qt::LeftButton);
        QVERIFY(Retenue::De(w.f).AttendreRetenue());
        QCOMPARE((QStringList{chercher->text(), Vue(w.f), Message(w.f),
                              QString::number(QGuiApplication::overrideCursor()->shape())}),
                 (QStringList{"Arrêter la recherche", Sans + " Frame5", "Recherche en cours...",
                              QString::number(Qt::WaitCursor)}));
        for (int pas = 0; pas < 3; ++pas) {
            w.f.Attente();
        }
        QString tour;
        for (int i = 0; i < 12; ++i) {
            const auto* point = Controle<marbello::Forme>(w.f, QStringLiteral("SHwait%1").arg(i));
            const QColor c = point->CouleurFond();
            tour += c == QColor(140, 140, 140) ? 'g' : c == QColor(200, 200, 200) ? 'c' : 'm';
            // On a circle of 20 pixels in their frame.
            const double rayon = QLineF(point->geometry().center(), QPointF(23, 25)).length();
            tour += qAbs(rayon - 20.0) <= 1.5 ? "" : "?";
        }
        QVERIFY2((tour + tour).contains("gc") && tour.count('m') == 10 && !tour.contains('?'),
                 qPrintable(tour));
        Retenue::De(w.f).Tenir(false);
        QTRY_COMPARE(Message(w.f), QStringLiteral("Pas de solution"));
    }

    // "Quitter", or closing the window, during a search ends the program, destructors run.
    void finDuProgramme_data() {
        QTest::addColumn<QString>("comment");
        QTest::newRow("quitter") << "quitter";
        QTest::newRow("fermer") << "fermer";
    }
    void finDuProgramme() {
        QFETCH(QString, comment);
        QProcess enfant;
        enfant.start(QCoreApplication::applicationFilePath(), {comment});
        QVERIFY(enfant.waitForFinished(20000));
        QCOMPARE(enfant.exitCode(), 7);
    }

    // From its first position the grey pair turns one dot per step towards the lower numbers, and
    // the dot behind it goes back to rest. Each step: grey, light, at rest, in hexadecimal.
    void lIndicateurTourneDUnPointParPas() {
        marbello::IndicateurAttente indicateur;
        QString pas;
        for (int i = 0; i < 13; ++i) {
            const marbello::PointsAttente p = indicateur.Avancer();
            pas += QStringLiteral("%1%2%3 ")
                       .arg(p.gris, 0, 16)
                       .arg(p.clair, 0, 16)
                       .arg(p.repos, 0, 16);
        }
        QCOMPARE(pas, "b01 ab0 9ab 89a 789 678 567 456 345 234 123 012 b01 ");
    }
};

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc == 2 && (QByteArray(argv[1]) == "quitter" || QByteArray(argv[1]) == "fermer")) {
        return FinirPendantUneRecherche(argv[1]);
    }
    const ReglagesPrives reglages; // before init() clears them
    TestRecherche test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_recherche.moc"
