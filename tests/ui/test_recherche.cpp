// The search from the window: its outcomes, the replay through the slider window, what the window
// shows while a search runs (the waiting dots turning), what waits for its end, and quitting
// during one.

#include "OutilsFenetre.h"
#include "ui/Forme.h"

#include <QProcess>

using namespace outils;

namespace {

const QString Deux = QStringLiteral(".../.../......./oo...../......./.../..."); // one way out
const QString Une = QStringLiteral(".../.../......./..o..../......./.../...");
// No marble can be left alone from here, and the search needs many positions to learn it (those of
// 22 marbles or more it answers at once).
const QString Sans = QStringLiteral("ooo/o.o/oo....o/o.ooo../oooo.oo/.o./.oo");
const QString Arretee = QStringLiteral("Recherche Arrêtée.");
const QString Trouvee = QStringLiteral("Solution trouvée...");

// The child's side of the test that quits, in the program's own folder: quitting leaves no time
// to remove a folder of its own.
int QuitterPendantUneRecherche() {
    FMarbello f;
    f.show();
    (void)QTest::qWaitForWindowExposed(&f);
    Jouer(f, Sans + QStringLiteral(" [ B4 ]"));
    return 3; // the program went on
}

} // namespace

class TestRecherche : public QObject {
    Q_OBJECT

private slots:
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

    // While the search runs: the stop caption, the message, the hourglass and the dots around their
    // circle, one grey and the next light. The search is stopped once a dot has turned.
    void pendantLaRecherche() {
        Fenetre w(Sans);
        QStringList vu;
        QString tour;
        QTimer guet;
        connect(&guet, &QTimer::timeout, &w.f, [&] {
            QString points;
            for (int i = 0; i < 12; ++i) {
                const auto* point =
                    Controle<marbello::Forme>(w.f, QStringLiteral("SHwait%1").arg(i));
                const QColor c = point->CouleurFond();
                points += c == QColor(140, 140, 140) ? 'g' : c == QColor(200, 200, 200) ? 'c' : 'm';
                // On a circle of 20 pixels in their frame.
                const double rayon = QLineF(point->geometry().center(), QPointF(23, 25)).length();
                points += qAbs(rayon - 20.0) <= 1.5 ? "" : "?";
            }
            if (points.contains('g') && tour.isEmpty()) {
                tour = points;
                vu << Controle<QLabel>(w.f, QStringLiteral("B0"))->text() << Vue(w.f)
                   << Message(w.f) << QString::number(QGuiApplication::overrideCursor()->shape());
                Jouer(w.f, QStringLiteral("B0"));
            }
        });
        guet.start(0);
        Jouer(w.f, QStringLiteral("B0"));
        QCOMPARE(vu, (QStringList{"Arrêter la recherche", Sans + " Frame5", "Recherche en cours...",
                                  QString::number(Qt::WaitCursor)}));
        QVERIFY2((tour + tour).contains("gc") && tour.count('m') == 10 && !tour.contains('?'),
                 qPrintable(tour));
        QCOMPARE(Message(w.f), Arretee);
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

    // "Quitter" ends the program at once, even from inside a search.
    void quitterPendantUneRecherche() {
        QCOMPARE(QProcess::execute(QCoreApplication::applicationFilePath(), {"quitter"}), 0);
    }
};

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc == 2 && QByteArray(argv[1]) == "quitter") {
        return QuitterPendantUneRecherche();
    }
    TestRecherche test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_recherche.moc"
