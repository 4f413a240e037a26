// The real program under an X server, driven by the real X pointer (xdotool) and read back from
// screenshots: after a search the slider window stands beside the main window, cut to its pill;
// its arrow replays a move; and it jumps back beside the main window when a drag of it ends.

#include "ServeurX.h"

#include <QColor>
#include <QFileInfo>
#include <QTest>
#include <cmath>

using serveurx::CentreTrou;
using serveurx::Clarte;
using serveurx::Executable;

namespace {

const QString Titre = QStringLiteral("Jeu du Marbello");
const QSize TailleVerticale(29, 120);
// 500 and 950 twips right of and below BOUTON(1), at 377, 76 pixels in the main window.
const QPoint EcartVerticale(410, 139);

bool Marine(const QColor& c) {
    return c.blue() > 2 * c.red() && c.blue() > 2 * c.green() && c.blue() > 40;
}

void Cliquer(QPoint ecran) {
    QVERIFY(serveurx::Xdotool({QStringLiteral("mousemove"), QString::number(ecran.x()),
                               QString::number(ecran.y()), QStringLiteral("click"),
                               QStringLiteral("1")}));
}

} // namespace

class TestX11Verticale : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void verticaleDecoupeeABoutDeLaFenetre();
    void glisserLaFenetreRameneLaVerticale();

private:
    QPoint AEcran(QPoint dansFenetre) const { return place_.topLeft() + dansFenetre; }
    // The visible windows of this program (another one may share the X server).
    QStringList Fenetres(const QStringList& criteres = {}) const;
    // The visible window of the program with the slider's size, if any.
    std::optional<QRect> Verticale() const;
    void ChercherDepuisLeCentre();

    serveurx::ServeurX serveur_;
    QProcess programme_;
    QString fenetre_;
    QRect place_;
};

void TestX11Verticale::initTestCase() {
    QVERIFY2(QFileInfo(Executable()).isExecutable(), qPrintable(Executable()));
    QVERIFY2(serveur_.Demarrer(), "no X server");
}

void TestX11Verticale::init() {
    QTest::qWait(1500);
    programme_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    programme_.start(Executable(), {});
    QVERIFY(programme_.waitForStarted());
    const QStringList titre{QStringLiteral("--name"), QStringLiteral("^%1$").arg(Titre)};
    QTRY_VERIFY_WITH_TIMEOUT(Fenetres(titre).size() == 1, 10000);
    fenetre_ = Fenetres(titre).constFirst();
    const auto place = serveurx::Geometrie(fenetre_);
    QVERIFY(place.has_value());
    place_ = *place;
    QTRY_VERIFY_WITH_TIMEOUT(Clarte(serveurx::Capture(), AEcran(CentreTrou(5, 5))) > 150, 10000);
}

void TestX11Verticale::cleanup() {
    if (programme_.state() != QProcess::NotRunning) {
        programme_.kill();
        programme_.waitForFinished(3000);
    }
    // The server lets a new client in only once it has let the old one go.
    QTRY_VERIFY_WITH_TIMEOUT(Fenetres().isEmpty(), 5000);
}

QStringList TestX11Verticale::Fenetres(const QStringList& criteres) const {
    const auto sortie =
        serveurx::Xdotool(QStringList{QStringLiteral("search"), QStringLiteral("--all"),
                                      QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                      QString::number(programme_.processId())} +
                          criteres);
    return sortie ? sortie->split(QLatin1Char('\n'), Qt::SkipEmptyParts) : QStringList{};
}

std::optional<QRect> TestX11Verticale::Verticale() const {
    for (const QString& fenetre : Fenetres()) {
        const auto place = serveurx::Geometrie(fenetre);
        if (place && place->size() == TailleVerticale) {
            return place;
        }
    }
    return std::nullopt;
}

// The centre opening, then a search: it finds a solution at once.
void TestX11Verticale::ChercherDepuisLeCentre() {
    Cliquer(AEcran(CentreTrou(5, 5)));
    QTRY_VERIFY_WITH_TIMEOUT(Clarte(serveurx::Capture(), AEcran(CentreTrou(5, 5))) < 90, 5000);
    Cliquer(AEcran(QPoint(373, 18))); // "Chercher une solution"
    QTRY_VERIFY_WITH_TIMEOUT(Verticale().has_value(), 5000);
}

void TestX11Verticale::verticaleDecoupeeABoutDeLaFenetre() {
    ChercherDepuisLeCentre();
    const QRect verticale = *Verticale();
    QCOMPARE(verticale.topLeft(), place_.topLeft() + EcartVerticale);

    // The pill's navy shows above and below the scroll bar and along its sides; the grey corners
    // around the rounded ends are cut away, and so is the grey of the main window below them.
    QImage ecran;
    QTRY_VERIFY_WITH_TIMEOUT(
        Marine((ecran = serveurx::Capture()).pixelColor(verticale.topLeft() + QPoint(14, 3))),
        5000);
    const auto dans = [&](int x, int y) {
        return ecran.pixelColor(verticale.topLeft() + QPoint(x, y));
    };
    for (const QPoint point : {QPoint(14, 117), QPoint(4, 60), QPoint(24, 60)}) {
        QVERIFY2(Marine(dans(point.x(), point.y())),
                 qPrintable(QStringLiteral("%1,%2").arg(point.x()).arg(point.y())));
    }
    const QColor gris(128, 128, 128);
    for (const QPoint point : {QPoint(0, 0), QPoint(28, 0), QPoint(0, 119), QPoint(28, 119)}) {
        QVERIFY2(dans(point.x(), point.y()) != gris,
                 qPrintable(QStringLiteral("%1,%2").arg(point.x()).arg(point.y())));
    }
    // Beside the board, not over it: every marble still shows.
    QVERIFY(Clarte(ecran, AEcran(CentreTrou(8, 5))) > 150);

    // The lower arrow plays the first move: (3, 5) jumps over (4, 5) into the centre.
    Cliquer(verticale.topLeft() + QPoint(14, 108));
    QTRY_VERIFY_WITH_TIMEOUT(Clarte(serveurx::Capture(), AEcran(CentreTrou(5, 5))) > 150, 5000);
    ecran = serveurx::Capture();
    QVERIFY(Clarte(ecran, AEcran(CentreTrou(3, 5))) < 90);
    QVERIFY(Clarte(ecran, AEcran(CentreTrou(4, 5))) < 90);
}

// No window manager here: the main window follows the pointer itself, and the slider window
// stays where it was until the button is released.
void TestX11Verticale::glisserLaFenetreRameneLaVerticale() {
    ChercherDepuisLeCentre();
    const QRect avant = *Verticale();
    const QPoint corps = AEcran(QPoint(40, 200));
    const QPoint ecart(-70, 50);
    QStringList geste{QStringLiteral("mousemove"), QString::number(corps.x()),
                      QString::number(corps.y()), QStringLiteral("mousedown"), QStringLiteral("1")};
    for (int pas = 1; pas <= 4; ++pas) {
        const QPoint point = corps + ecart * pas / 4;
        geste << QStringLiteral("sleep") << QStringLiteral("0.05") << QStringLiteral("mousemove")
              << QString::number(point.x()) << QString::number(point.y());
    }
    QVERIFY(serveurx::Xdotool(geste));
    QTRY_COMPARE_WITH_TIMEOUT(serveurx::Geometrie(fenetre_).value_or(QRect()).topLeft(),
                              place_.topLeft() + ecart, 5000);
    QCOMPARE(Verticale().value_or(QRect()), avant);

    QVERIFY(serveurx::Xdotool({QStringLiteral("mouseup"), QStringLiteral("1")}));
    QTRY_COMPARE_WITH_TIMEOUT(Verticale().value_or(QRect()).topLeft(),
                              place_.topLeft() + ecart + EcartVerticale, 5000);
}

QTEST_GUILESS_MAIN(TestX11Verticale)
#include "test_x11_verticale.moc"
