// The real program under the X server of DISPLAY (scripts/tester.sh starts a private Xvfb), driven
// by the real pointer through xdotool and read back from the screen: the window cut to its skin,
// a game played by the pointer and by the keys, the system move that the slider window follows, the
// start screen after "Ouvrir" with nothing chosen, the waste bin under a double click, tool-tips
// before any click, and the refusal of a display that is not at 15 twips per pixel.

#include "OutilsX.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace outilsx;

namespace {

// In the main window: the start button.
const QPoint Depart(373, 383);

} // namespace

class TestX11 : public QObject {
    Q_OBJECT

    const QStringList titre_{"--name", "^Jeu du Marbello$"};
    QProcess temoin_;
    QProcess programme_;
    QString fenetre_;
    QRect place_; // of the main window on the screen

    // Starts the program and waits for its one window that meets the criteria; the main window
    // until its board shows.
    bool Lancer(const QStringList& criteres, const QString& programme = Programme()) {
        programme_.start(programme);
        const bool montree = QTest::qWaitFor([&] {
            fenetre_ = Fenetres(criteres).value(0);
            return !fenetre_.isEmpty();
        });
        place_ = Geometrie(fenetre_);
        return montree &&
               (criteres != titre_ || QTest::qWaitFor([&] { return Bille(5, 5); }, 10000));
    }
    // A point of the main window on the screen, or with trou the centre of the marble of cell
    // (x, y); Xy writes it as xdotool takes it.
    QPoint Ecran(int x, int y, bool trou = true) const {
        return place_.topLeft() + (trou ? CentreTrou(x, y) : QPoint(x, y));
    }
    QString Xy(int x, int y, bool trou = true) const { return outilsx::Xy(Ecran(x, y, trou)); }
    QString Xy(QPoint p) const { return Xy(p.x(), p.y(), false); }
    bool Bille(int x, int y) const { return qGray(Capture().pixel(Ecran(x, y))) > 150; }
    bool Vide(int x, int y) const { return qGray(Capture().pixel(Ecran(x, y))) < 90; }
    bool Cliquer(QPoint p, const QString& fois = "1") const {
        return Outil("xdotool mousemove" + Xy(p) + "click --delay 300 --repeat " + fois + " 1")
            .has_value();
    }

private slots:
    // A client stays connected all along: an X server that its last client leaves starts afresh,
    // which drops the root window's properties and refuses new clients for a while.
    void initTestCase() {
        QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X server");
        QVERIFY(QTest::qWaitFor([&] {
            temoin_.start("xprop", {"-root", "-spy", "_NET_SUPPORTED"});
            return temoin_.waitForReadyRead(1000);
        }));
    }
    void cleanup() {
        programme_.kill();
        programme_.waitForFinished();
    }
    void cleanupTestCase() {
        temoin_.kill();
        temoin_.waitForFinished();
    }

    // The skin's grey cut away; the first marble removed by a click, then a jump by a drag with
    // the button held all the way.
    void decoupeeEtJoueeALaSouris() {
        QVERIFY(Lancer(titre_));
        QCOMPARE(place_.size(), QSize(439, 400));
        for (const QPoint coin :
             {QPoint(0, 0), QPoint(420, 34), QPoint(438, 200), QPoint(2, 398)}) {
            QVERIFY(qGray(Capture().pixel(Ecran(coin.x(), coin.y(), false))) !=
                    128); // the skin's grey
        }
        QVERIFY(Outil("xdotool mousemove" + Xy(2, 5) + "click 1"));
        QTRY_VERIFY_WITH_TIMEOUT(Vide(2, 5), 5000);
        QVERIFY(Outil("xdotool mousemove" + Xy(4, 5) + "mousedown 1 sleep 0.05 mousemove" +
                      Xy(3, 5) + "sleep 0.05 mousemove" + Xy(2, 5) + "sleep 0.05 mouseup 1"));
        QTRY_VERIFY_WITH_TIMEOUT(Vide(4, 5) && Vide(3, 5) && Bille(2, 5), 5000);
    }

    // Played by keys: the first hole and a jump, then from the focus that a click on a button
    // gives back to the board, a shortcut and another jump.
    void joueeAuClavier() {
        QVERIFY(Lancer(titre_));
        QVERIFY(Outil("xdotool key --delay 100 space Up Up Return Down Down Return Tab"));
        QTRY_VERIFY_WITH_TIMEOUT(Vide(5, 3) && Vide(5, 4) && Bille(5, 5), 5000);
        QVERIFY(Cliquer({367, 351})); // "<<<"
        QTRY_VERIFY_WITH_TIMEOUT(Bille(5, 3), 5000);
        QVERIFY(Outil("xdotool key --delay 100 ctrl+y Left Left Up Return Right Right Return"));
        QTRY_VERIFY_WITH_TIMEOUT(Vide(5, 3) && Vide(3, 4) && Vide(4, 4) && Bille(5, 4), 5000);
    }

    // The test plays a window manager that offers the system move (the program then leaves the
    // moving to it: the pointer alone moves nothing) and moves the window while the button is
    // held. Once it is released the slider window comes beside the main window again.
    void deplacementSystemeSuiviParLaVerticale() {
        QVERIFY(Outil("xprop -root -f _NET_SUPPORTED 32a -set _NET_SUPPORTED _NET_WM_MOVERESIZE"));
        QVERIFY(Lancer(titre_));
        QVERIFY(Outil("xdotool mousemove" + Xy(5, 5) + "click 1 sleep 0.3 mousemove" +
                      Xy(373, 18, false) + "click 1"));
        const auto verticale = [this] {
            for (const QString& fenetre :
                 Fenetres({"--pid", QString::number(programme_.processId())})) {
                if (Geometrie(fenetre).size() == QSize(29, 120)) {
                    return Geometrie(fenetre).topLeft() - place_.topLeft();
                }
            }
            return QPoint();
        };
        QTRY_COMPARE_WITH_TIMEOUT(verticale(), QPoint(410, 139), 5000);
        for (const QPoint ecart : {QPoint(-70, 50), QPoint(40, -30)}) {
            QVERIFY(Outil("xdotool mousemove" + Xy(40, 200, false) + "mousedown 1 sleep 0.2 " +
                          "mousemove" + Xy(60, 220, false) + "sleep 0.2"));
            QCOMPARE(Geometrie(fenetre_).topLeft(), place_.topLeft());
            place_.translate(ecart);
            QVERIFY(Outil(QStringLiteral("xdotool windowmove %1 %2 %3 sleep 0.2 mouseup 1")
                              .arg(fenetre_)
                              .arg(place_.x())
                              .arg(place_.y())));
            QTRY_COMPARE_WITH_TIMEOUT(verticale(), QPoint(410, 139), 5000);
        }
        Outil("xprop -root -remove _NET_SUPPORTED");
    }

    // The first click deletes the chosen game; the second finds nothing chosen. The program, in
    // a folder of its own, keeps its saved games there. "Ouvrir" with nothing chosen then leaves
    // the start screen as it was: a click removes a marble.
    void doubleClicSurLaCorbeilleEtOuvrirSansChoix() {
        const QTemporaryDir dossier;
        QVERIFY(QFile::copy(Programme(), dossier.filePath("marbello")));
        for (const QString nom : {"a.Mbo", "b.Mbo"}) {
            QFile partie(dossier.filePath(nom));
            QVERIFY(partie.open(QIODevice::WriteOnly) && partie.write("16\r\n") == 4);
        }
        QVERIFY(Lancer(titre_, dossier.filePath("marbello")));
        QVERIFY(Cliquer({417, 283})); // the open icon
        QTest::qWait(500);
        QVERIFY(Cliquer({170, 193}) && Cliquer({296, 236}, "2"));
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(dossier.filePath("a.Mbo")), 5000);
        QVERIFY(Cliquer({149, 291}) && Cliquer(CentreTrou(5, 3)));
        QTRY_VERIFY_WITH_TIMEOUT(Vide(5, 3) && Bille(5, 5), 5000);
        // Every click before the last has been handled by now.
        QVERIFY(QFile::exists(dossier.filePath("b.Mbo")));
    }

    // A session without a window manager gives the window no focus of its own; the window takes
    // it, so that a tool-tip shows under the resting pointer.
    void bulleSansClicPrealable() {
        QVERIFY(Lancer(titre_));
        const QStringList siens{"--pid", QString::number(programme_.processId())};
        QCOMPARE(Fenetres(siens).size(), 1);
        QVERIFY(Outil("xdotool mousemove" + Xy(Depart) + "mousemove_relative 2 1"));
        QTRY_COMPARE_WITH_TIMEOUT(Fenetres(siens).size(), 2, 5000);
    }

    // Qt keeps 96 dpi and scales instead; forcing 120 dpi without scaling reaches the refusal.
    void affichageRefuse() {
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
        qputenv("QT_FONT_DPI", "120");
        QVERIFY(Lancer({"--name", "^Marbello$"}));
        QVERIFY(Fenetres(titre_).isEmpty());
        QVERIFY(Outil("xdotool windowfocus --sync " + fenetre_ + " key Return"));
        QVERIFY(programme_.waitForFinished(5000));
        QCOMPARE(programme_.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestX11)
#include "test_x11.moc"
