#include "ui/IndicateurAttente.h"

#include <QTest>

using marbello::PointsAttente;

class TestIndicateurAttente : public QObject {
    Q_OBJECT

private slots:
    // From its first position the grey pair turns one dot per step towards the lower numbers, and
    // the dot behind it goes back to rest.
    void tourneDUnPointParPasEtBoucle() {
        marbello::IndicateurAttente indicateur;
        const PointsAttente attendus[] = {{11, 0, 1}, {10, 11, 0}, {9, 10, 11}, {8, 9, 10}};
        for (const PointsAttente& p : attendus) {
            QVERIFY(indicateur.Avancer() == p);
        }
        for (int i = 0; i < 7; ++i) {
            indicateur.Avancer();
        }
        QVERIFY((indicateur.Avancer() == PointsAttente{0, 1, 2}));
        QVERIFY((indicateur.Avancer() == PointsAttente{11, 0, 1}));
    }
};

QTEST_APPLESS_MAIN(TestIndicateurAttente)
#include "test_indicateur_attente.moc"
