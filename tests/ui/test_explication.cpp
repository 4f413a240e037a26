// "Pourquoi est-ce perdu ?": when it shows, what closes it, and the move it names.

#include "OutilsFenetre.h"
#include "ui/aides/Explication.h"
#include "ui/lecteur/Annonces.h"

#include <QScreen>
#include <QSettings>

using namespace outils;

namespace {

// 54>74 loses it, 64>44 would win.
const QString Gagnable = QStringLiteral(".../o../...oo../......./......./.../...");
// Lost, and 24>44 can still be played.
const QString Perdue = QStringLiteral(".../.../oo...../......./......o/.../...");

QWidget* Bulle(FMarbello& f) {
    return f.findChild<QWidget*>(QStringLiteral("BulleExplication"));
}

// The text shown, or "fermée".
QString Montre(FMarbello& f) {
    QWidget* bulle = Bulle(f);
    const auto* dessus = f.findChild<QWidget*>(QStringLiteral("Explication"));
    if (!bulle->isVisible() || !dessus->isVisible()) {
        return QStringLiteral("fermée");
    }
    return bulle->accessibleDescription();
}

} // namespace

class TestExplication : public QObject {
    Q_OBJECT

private slots:
    void init() { QSettings(QStringLiteral("Marbello"), QStringLiteral("Marbello")).clear(); }

    // Gestures on a lost position (after the mark's answer, unless "sans"), with the start of
    // what shows then.
    void ouvertureEtFermeture_data() {
        QTest::addColumn<QString>("gestes");
        QTest::addColumn<QString>("debut");
        QTest::newRow("keyShows") << "touche:P"
                                  << "Pourquoi est-ce perdu ?\n\nPartie perdue";
        QTest::newRow("escapeHides") << "touche:P touche:Esc"
                                     << "fermée";
        QTest::newRow("aMoveHides") << "touche:P 24>44"
                                    << "fermée";
        QTest::newRow("aClickHides") << "touche:P B1 B1"
                                     << "fermée";
        QTest::newRow("nothingWhileNobodyAsked") << "sans touche:P"
                                                 << "fermée";
        QTest::newRow("nothingOverAPanel") << "B2 touche:P"
                                           << "fermée";
    }
    void ouvertureEtFermeture() {
        QFETCH(QString, gestes);
        QFETCH(QString, debut);
        const bool sans = gestes.startsWith(QStringLiteral("sans "));
        Fenetre w((sans ? QString() : QStringLiteral("touche:I ")) + Perdue);
        Repondre(w.f);
        Jouer(w.f, sans ? gestes.mid(5) : gestes);
        QVERIFY2(Montre(w.f).startsWith(debut), qPrintable(Montre(w.f)));
        // Told as it opens, its lines joined.
        const QString dit = marbello::Annonces::De(w.f)->Derniere();
        QCOMPARE(dit.contains(debut.replace(QStringLiteral("\n\n"), QStringLiteral(" "))),
                 gestes == QStringLiteral("touche:P"));
    }

    void nothingBeforeALoss() {
        Fenetre w(QStringLiteral("touche:I ") + Gagnable);
        Repondre(w.f);
        Jouer(w.f, QStringLiteral("touche:P"));
        QCOMPARE(Montre(w.f), QStringLiteral("fermée"));
    }

    // Each kind of proof tells how to read what it draws on the board.
    void eachProofSaysWhatItDraws() {
        for (const auto& [position, dit] : QList<std::array<QString, 2>>{
                 {Perdue,
                  "1 rouge, 1 verte, 1 jaune à gauche ; 0 rouge, 1 verte, 2 jaunes à droite."},
                 {".../.../......./......o/....ooo/.../...", "poids sont inscrits sur les trous."},
                 {".../.../......./....o../...o.../.o./..o", "dernière bille pourrait finir."},
                 {".../.../......./......./......o/.o./...", "aucun saut n'est possible."}}) {
            init();
            Fenetre w(QStringLiteral("touche:I ") + position);
            Repondre(w.f);
            Jouer(w.f, QStringLiteral("touche:P"));
            QVERIFY2(Montre(w.f).endsWith(dit), qPrintable(Montre(w.f)));
        }
    }

    void theRedMarkShowsAndHidesIt() {
        Fenetre w(QStringLiteral("touche:I ") + Perdue);
        Repondre(w.f);
        auto* marque = Controle(w.f, QStringLiteral("MarqueGagnable"));
        QTest::mouseClick(marque, Qt::LeftButton);
        QVERIFY(Montre(w.f).contains(QStringLiteral("par la règle de trois")));
        QVERIFY(w.f.screen()->availableGeometry().contains(Bulle(w.f)->frameGeometry()));
        QTest::mouseClick(marque, Qt::LeftButton);
        QCOMPARE(Montre(w.f), QStringLiteral("fermée"));
    }

    void namesTheMoveThatLostAndOneThatWouldHaveWon() {
        Fenetre w(QStringLiteral("touche:I ") + Gagnable);
        Repondre(w.f);
        Jouer(w.f, QStringLiteral("54>74"));
        Repondre(w.f);
        Jouer(w.f, QStringLiteral("touche:P"));
        QVERIFY2(Montre(w.f).endsWith(
                     "Le coup qui a perdu la partie : ligne 3, colonne 4 vers ligne 3, colonne 6. "
                     "À sa place, ligne 3, colonne 5 vers ligne 3, colonne 3 gardait la partie "
                     "gagnable."),
                 qPrintable(Montre(w.f)));
    }
};

QTEST_MAIN(TestExplication)
#include "test_explication.moc"
