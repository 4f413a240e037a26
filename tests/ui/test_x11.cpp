// The real program under the X server of DISPLAY (scripts/tester.sh starts a private Xvfb), driven
// by the real pointer through xdotool and read back from the screen: the window cut to its skin,
// a game played by the pointer, the system move that the slider window follows, and the refusal
// of a display that is not at 15 twips per pixel.

#include <QCoreApplication>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <optional>

namespace {

// Runs a tool, its arguments apart by blanks; its standard output, or nullopt when it failed.
std::optional<QString> Outil(const QString& ligne, const QStringList& suite = {}) {
    QStringList arguments = ligne.split(' ', Qt::SkipEmptyParts) + suite;
    QProcess outil;
    outil.start(arguments.takeFirst(), arguments);
    if (!outil.waitForFinished(10000) || outil.exitCode() != 0) {
        return std::nullopt;
    }
    return QString::fromLocal8Bit(outil.readAllStandardOutput()).trimmed();
}

// The visible windows that meet the criteria of xdotool search.
QStringList Fenetres(const QStringList& criteres) {
    return Outil("xdotool search --onlyvisible", criteres)
        .value_or("")
        .split('\n', Qt::SkipEmptyParts);
}

QRect Geometrie(const QString& fenetre) {
    static const QRegularExpression forme(
        "X=(-?\\d+)\\s+Y=(-?\\d+)\\s+WIDTH=(\\d+)\\s+HEIGHT=(\\d+)");
    const auto m = forme.match(Outil("xdotool getwindowgeometry --shell " + fenetre).value_or(""));
    return {m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(),
            m.captured(4).toInt()};
}

// The grey of a pixel of the screen: a marble shows bright, a hole dark.
int Clarte(QPoint point) {
    QProcess import;
    import.start("import", QString("-window root png:-").split(' '));
    import.waitForFinished(10000);
    return qGray(QImage::fromData(import.readAllStandardOutput(), "PNG").pixel(point));
}

} // namespace

class TestX11 : public QObject {
    Q_OBJECT

    const QStringList titre_{"--name", "^Jeu du Marbello$"};
    QProcess temoin_;
    QProcess programme_;
    QString fenetre_;
    QRect place_; // of the main window on the screen

    // Starts the program built here and waits for its one window that meets the criteria.
    bool Lancer(const QStringList& criteres) {
        programme_.start(QCoreApplication::applicationDirPath() + "/../../ui/marbello");
        const bool montree = QTest::qWaitFor([&] {
            fenetre_ = Fenetres(criteres).value(0);
            return !fenetre_.isEmpty();
        });
        place_ = Geometrie(fenetre_);
        return montree;
    }
    // A point of the main window on the screen, or with trou the centre of the marble of cell
    // (x, y); Xy writes it as xdotool takes it.
    QPoint Ecran(int x, int y, bool trou = true) const {
        return place_.topLeft() + (trou ? QPoint(int(std::lround((590.0 * x + 50.0) / 15.0)),
                                                 int(std::lround((590.0 * y + 20.0) / 15.0)))
                                        : QPoint(x, y));
    }
    QString Xy(int x, int y, bool trou = true) const {
        return QStringLiteral(" %1 %2 ").arg(Ecran(x, y, trou).x()).arg(Ecran(x, y, trou).y());
    }
    bool Bille(int x, int y) const { return Clarte(Ecran(x, y)) > 150; }
    bool Vide(int x, int y) const { return Clarte(Ecran(x, y)) < 90; }

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
        QTRY_VERIFY_WITH_TIMEOUT(Bille(5, 5), 10000);
        QCOMPARE(place_.size(), QSize(439, 400));
        for (const QPoint coin :
             {QPoint(0, 0), QPoint(420, 34), QPoint(438, 200), QPoint(2, 398)}) {
            QVERIFY(Clarte(Ecran(coin.x(), coin.y(), false)) != 128); // the skin's grey
        }
        QVERIFY(Outil("xdotool mousemove" + Xy(2, 5) + "click 1"));
        QTRY_VERIFY_WITH_TIMEOUT(Vide(2, 5), 5000);
        QVERIFY(Outil("xdotool mousemove" + Xy(4, 5) + "mousedown 1 sleep 0.05 mousemove" +
                      Xy(3, 5) + "sleep 0.05 mousemove" + Xy(2, 5) + "sleep 0.05 mouseup 1"));
        QTRY_VERIFY_WITH_TIMEOUT(Vide(4, 5) && Vide(3, 5) && Bille(2, 5), 5000);
    }

    // The test plays a window manager that offers the system move (the program then leaves the
    // moving to it: the pointer alone moves nothing) and moves the window while the button is
    // held. Once it is released the slider window comes beside the main window again.
    void deplacementSystemeSuiviParLaVerticale() {
        QVERIFY(Outil("xprop -root -f _NET_SUPPORTED 32a -set _NET_SUPPORTED _NET_WM_MOVERESIZE"));
        QVERIFY(Lancer(titre_));
        QTRY_VERIFY_WITH_TIMEOUT(Bille(5, 5), 10000);
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
