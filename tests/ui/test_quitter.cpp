// "Quitter" ends the program at once, also from inside the nested event processing of a running
// search. Each case runs this executable again as a child process that plays the scenario.

#include "OutilsFenetre.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>
#include <cstdio>

namespace {

const char* const VariableScenario = "MARBELLO_SCENARIO_QUITTER";

void CliquerQuitter(marbello::FMarbello& fenetre) {
    outils::Cliquer(fenetre, outils::Bouton(fenetre, 4));
}

// The child's side. Any output on stdout means the program went on after the click.
int JouerScenario(int argc, char* argv[], const QByteArray& scenario) {
    QApplication application(argc, argv);
    marbello::FMarbello fenetre;
    fenetre.show();
    (void)QTest::qWaitForWindowExposed(&fenetre);

    if (scenario == "boucle") {
        QTimer::singleShot(0, &fenetre, [&fenetre] { CliquerQuitter(fenetre); });
        QApplication::exec();
        std::puts("la boucle d'evenements a rendu la main");
        return 3;
    }
    // As a search does: a long piece of work that lets pending events run at every step.
    fenetre.RechercheEnCours = true;
    QTimer::singleShot(50, &fenetre, [&fenetre] { CliquerQuitter(fenetre); });
    QElapsedTimer duree;
    duree.start();
    while (duree.elapsed() < 10000) {
        QCoreApplication::processEvents();
        marbello::RetirerBille(fenetre.Jeu().Plateau, {5, 5});
    }
    std::puts("la recherche a continue apres le clic");
    return 4;
}

} // namespace

class TestQuitter : public QObject {
    Q_OBJECT

private slots:
    void quitterTermineAussitot_data();
    void quitterTermineAussitot();
};

void TestQuitter::quitterTermineAussitot_data() {
    QTest::addColumn<QByteArray>("scenario");
    QTest::newRow("from the event loop") << QByteArray("boucle");
    QTest::newRow("during a search") << QByteArray("recherche");
}

void TestQuitter::quitterTermineAussitot() {
    QFETCH(QByteArray, scenario);
    QProcess enfant;
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.insert(QString::fromLatin1(VariableScenario), QString::fromLatin1(scenario));
    enfant.setProcessEnvironment(environnement);
    enfant.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(enfant.waitForStarted());
    QVERIFY2(enfant.waitForFinished(8000), "the program did not end after Quitter");
    QCOMPARE(enfant.exitStatus(), QProcess::NormalExit);
    QCOMPARE(QString::fromLocal8Bit(enfant.readAllStandardOutput()), QString());
    QCOMPARE(enfant.exitCode(), 0);
}

int main(int argc, char* argv[]) {
    const QByteArray scenario = qgetenv(VariableScenario);
    if (!scenario.isEmpty()) {
        return JouerScenario(argc, argv, scenario);
    }
    QApplication application(argc, argv);
    TestQuitter test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_quitter.moc"
