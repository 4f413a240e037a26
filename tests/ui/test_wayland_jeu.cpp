// The real program as a Wayland client of Weston, nested in the X server: X input on Weston's
// window reaches the program as Wayland input, and a screenshot of the X root shows what Weston
// drew. Weston places the window where it likes, so the board is looked for in the screenshots.

#include "OutilsX.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

using namespace outilsx;

namespace {

// Weston's own background: a gap of the skin shows this exact colour.
const QRgb Fond = qRgb(0x30, 0x60, 0x30);
// No panel, no lock, no input method, and windows come and go at once, without animation.
const char* const Configuration =
    "[core]\nidle-time=0\n[input-method]\npath=\n[shell]\nbackground-color=0xff306030\n"
    "panel-position=none\nlocking=false\nanimation=none\nclose-animation=none\n"
    "startup-animation=none\nfocus-animation=none\n";
const QString Socket = QStringLiteral("marbello-test");
// The skin's first drawn column and row; the slider's place in the main window.
const QPoint CoinDuDessin(1, 3);
const QPoint EcartVerticale(410, 139);

bool Marine(const QColor& c) {
    return c.blue() > 2 * c.red() && c.blue() > 2 * c.green() && c.blue() > 40;
}

QString Aller(QPoint point) {
    return " mousemove" + Xy(point);
}

} // namespace

class TestWaylandJeu : public QObject {
    Q_OBJECT

    QTemporaryDir dossier_; // Weston's runtime folder
    QProcess weston_;       // killed, like the program, when the test ends
    QProcess programme_;
    QRect sortie_; // Weston's output on the X screen
    QImage ecran_; // the last screenshot
    QRect dessin_; // what it shows over Weston's background
    QPoint coin_;  // the main window's corner in it

    void Lancer(int facteur = 1) {
        QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
        environnement.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        environnement.insert(QStringLiteral("WAYLAND_DISPLAY"), Socket);
        environnement.insert(QStringLiteral("XDG_RUNTIME_DIR"), dossier_.path());
        environnement.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(facteur));
        programme_.setProcessEnvironment(environnement);
        programme_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        programme_.start(Programme(), {});
        QVERIFY(programme_.waitForStarted());
        // The whole skin, at its scale, and the marbles on it.
        QTRY_VERIFY_WITH_TIMEOUT(Voir() && dessin_.width() > 430 * facteur &&
                                     qGray(ecran_.pixel(coin_ + CentreTrou(5, 5) * facteur)) > 150,
                                 10000);
    }
    // A screenshot, with Weston's pointer first put out of the way in a far corner unless a
    // button is held: true when something is drawn over the background, the main window's
    // corner then in coin_.
    bool Voir(bool garer = true) {
        dessin_ = QRect();
        if (garer && !Outil("xdotool" + Aller(sortie_.bottomRight()))) {
            return false;
        }
        ecran_ = Capture();
        // The pointer's few pixels in the corner lie beyond any window.
        for (int y = sortie_.top(); !ecran_.isNull() && y < sortie_.bottom() - 8; ++y) {
            for (int x = sortie_.left(); x < sortie_.right() - 8; ++x) {
                if (ecran_.pixel(x, y) != Fond) {
                    dessin_ |= QRect(x, y, 1, 1);
                }
            }
        }
        coin_ = dessin_.topLeft() - CoinDuDessin;
        return !dessin_.isEmpty();
    }
    bool Bille(int x, int y) { return qGray(ecran_.pixel(coin_ + CentreTrou(x, y))) > 150; }
    bool Trou(int x, int y) { return qGray(ecran_.pixel(coin_ + CentreTrou(x, y))) < 90; }
    void Cliquer(QPoint dansFenetre) {
        QVERIFY(Outil("xdotool" + Aller(coin_ + dansFenetre) + "click 1"));
    }
    // A drag whose last move waits until the screen shows that the first ones have begun.
    bool Glisser(QPoint depart, QPoint arrivee, const std::function<bool()>& commence) {
        const QPoint debut = coin_ + depart;
        const QPoint fin = coin_ + arrivee;
        const QPoint quart = debut + (fin - debut) / 4;
        // The pointer comes back to the first quarter until the drag shows there: a move that
        // Weston begins late waits for the pointer's next move.
        const auto montre = [&] {
            return Outil("xdotool" + Aller(quart + QPoint(0, 1)) + Aller(quart)) && Voir(false) &&
                   commence();
        };
        const bool commencee =
            Outil("xdotool" + Aller(debut) + "mousedown 1") && QTest::qWaitFor(montre, 5000);
        return Outil("xdotool" + Aller(fin) + "sleep 0.1 mouseup 1") && commencee;
    }
    // The slider window's pill at this corner, to the pixel: its rounded ends, navy beside its bar.
    bool VerticaleA(QPoint coin) const {
        const auto fond = [&](int x, int y) { return ecran_.pixel(coin + QPoint(x, y)) == Fond; };
        const auto marine = [&](int x, int y) {
            return Marine(ecran_.pixelColor(coin + QPoint(x, y)));
        };
        return fond(10, 0) && !fond(14, 0) && fond(18, 0) && fond(10, 119) && !fond(14, 119) &&
               fond(18, 119) && marine(4, 60) && marine(24, 60);
    }

private slots:
    void initTestCase() {
        QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X server");
        QFile ini(dossier_.filePath(QStringLiteral("weston.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly) && ini.write(Configuration) > 0);
        ini.close();
        QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
        environnement.insert(QStringLiteral("XDG_RUNTIME_DIR"), dossier_.path());
        weston_.setProcessEnvironment(environnement);
        weston_.setStandardOutputFile(QProcess::nullDevice());
        weston_.setStandardErrorFile(QProcess::nullDevice());
        weston_.start(QStringLiteral("weston"),
                      {QStringLiteral("--backend=x11-backend.so"), QStringLiteral("--use-pixman"),
                       "--socket=" + Socket, QStringLiteral("--width=1200"),
                       QStringLiteral("--height=960"), "--config=" + ini.fileName()});
        QVERIFY2(weston_.waitForStarted(), "weston is missing");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dossier_.filePath(Socket)), 10000);
        QStringList fenetre;
        QTRY_VERIFY_WITH_TIMEOUT(
            !(fenetre = Fenetres({"--class", "^Weston Compositor$"})).isEmpty(), 10000);
        sortie_ = Geometrie(fenetre[0]);
        QVERIFY(!sortie_.isEmpty());
        // Weston follows the X pointer's moves from where it last entered its window: entering
        // once gives both pointers the same place.
        QVERIFY(Outil("xdotool" + Aller(sortie_.bottomRight() + QPoint(10, 10)) +
                      Aller(sortie_.center())));
    }

    void cleanup() {
        programme_.kill();
        programme_.waitForFinished(3000);
        QTRY_VERIFY_WITH_TIMEOUT(!Voir(), 5000);
    }

    void contourEtPremiersCoups() {
        Lancer();
        for (const QPoint gris : {QPoint(0, 0), QPoint(420, 34), QPoint(438, 200), QPoint(2, 398),
                                  EcartVerticale + QPoint(14, 60)}) {
            QVERIFY2(ecran_.pixel(coin_ + gris) == Fond,
                     qPrintable(QStringLiteral("%1,%2").arg(gris.x()).arg(gris.y())));
        }
        QVERIFY(Marine(ecran_.pixelColor(coin_ + QPoint(40, 200))));

        Cliquer(CentreTrou(2, 5));
        QTRY_VERIFY_WITH_TIMEOUT(Voir() && Trou(2, 5), 5000);
        QVERIFY(Bille(3, 5));
        // The jump from (4, 5) over (3, 5) to (2, 5).
        QVERIFY(Glisser(CentreTrou(4, 5), CentreTrou(2, 5), [] { return true; }));
        QTRY_VERIFY_WITH_TIMEOUT(Voir() && Trou(4, 5), 5000);
        QVERIFY(Trou(3, 5));
        QVERIFY(Bille(2, 5));
        // And one by keys, from (6, 5) over (5, 5) to (4, 5).
        QVERIFY(Outil("xdotool key --delay 100 Right Return Left Left Return"));
        QTRY_VERIFY_WITH_TIMEOUT(Voir() && Trou(6, 5) && Trou(5, 5), 5000);
        QVERIFY(Bille(4, 5));
    }

    void verticaleSuitLePlateau() {
        Lancer();
        Cliquer(CentreTrou(5, 5));
        QTRY_VERIFY_WITH_TIMEOUT(Voir() && Trou(5, 5), 5000);
        Cliquer(QPoint(373, 18)); // "Chercher une solution": from the centre, found at once
        QTRY_VERIFY_WITH_TIMEOUT(Voir() && VerticaleA(coin_ + EcartVerticale), 10000);
        // Beside the board, not over it: every marble still shows.
        for (int y = 2; y <= 8; ++y) {
            for (int x = 2; x <= 8; ++x) {
                if (((x >= 4 && x <= 6) || (y >= 4 && y <= 6)) && (x != 5 || y != 5)) {
                    QVERIFY2(Bille(x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                }
            }
        }
        // Its lower arrow plays the first move: (3, 5) over (4, 5) into the centre.
        Cliquer(EcartVerticale + QPoint(14, 108));
        QTRY_VERIFY_WITH_TIMEOUT(Voir() && Bille(5, 5), 5000);
        QVERIFY(Trou(3, 5));

        // Dragged by its body towards the middle of the screen, the board takes the slider along.
        const QPoint avant = coin_;
        const QPoint ecart(coin_.x() > sortie_.center().x() ? -80 : 80,
                           coin_.y() > sortie_.center().y() ? -60 : 60);
        QVERIFY(Glisser(QPoint(40, 200), QPoint(40, 200) + ecart,
                        [&] { return coin_ == avant + ecart / 4; }));
        QTRY_VERIFY_WITH_TIMEOUT(Voir() && coin_ == avant + ecart, 5000);
        QVERIFY(VerticaleA(coin_ + EcartVerticale));

        // A new game hides it and gives its gap back to Weston: a drag from there moves nothing.
        Cliquer(QPoint(373, 383));
        QTRY_VERIFY_WITH_TIMEOUT(Voir() && ecran_.pixel(coin_ + QPoint(424, 200)) == Fond, 5000);
        const QPoint place = coin_;
        // Held long enough for a move of the window to begin, were the press the program's.
        QVERIFY(Outil("xdotool" + Aller(coin_ + QPoint(424, 200)) + "mousedown 1 sleep 0.5" +
                      Aller(coin_ + QPoint(400, 215)) + "sleep 0.1" +
                      Aller(coin_ + QPoint(374, 230)) + "mouseup 1"));
        QTest::qWait(300);
        QVERIFY(Voir());
        QCOMPARE(coin_, place);
    }

    // Qt keeps 96 logical dots per inch on a scaled Wayland screen: the display check lets the
    // program in, and it shows at twice the size.
    void ecranAgrandiAccepte() { Lancer(2); }
};

QTEST_GUILESS_MAIN(TestWaylandJeu)
#include "test_wayland_jeu.moc"
