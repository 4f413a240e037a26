#include "ui/Habillage.h"

#include <QWidget>
#include <QtTest>
#include <array>

using namespace marbello;

namespace {

constexpr QRgb Gris = qRgb(128, 128, 128);

// A picture written as text, one string per row: '.' grey, '#' navy, '+' grey but for one unit
// of blue, 'w' white.
QImage ImageDepuisTexte(const QStringList& rangees) {
    QImage image(int(rangees.first().size()), int(rangees.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const char c = rangees[y][x].toLatin1();
            image.setPixel(x, y,
                           c == '.'   ? Gris
                           : c == '#' ? qRgb(0, 0, 128)
                           : c == '+' ? qRgb(128, 128, 129)
                                      : qRgb(255, 255, 255));
        }
    }
    return image;
}

// Maximal runs of row y, read back from the region.
QList<QRect> RunsDeLaRangee(const QRegion& region, int y, int largeur) {
    const QRegion rangee = region.intersected(QRect(0, y, largeur, 1));
    return QList<QRect>(rangee.begin(), rangee.end());
}

// Pixels the region covers must be exactly those that differ from pixel (0, 0).
void VerifierRegionEgaleAuxPixelsOpaques(const QRegion& region, const QImage& image) {
    const QRgb transparent = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool opaque = image.pixel(x, y) != transparent;
            if (region.contains(QPoint(x, y)) != opaque) {
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 should be %3")
                                     .arg(x)
                                     .arg(y)
                                     .arg(opaque ? "inside" : "outside")));
            }
        }
    }
    QVERIFY(QRect(0, 0, image.width(), image.height()).contains(region.boundingRect()) ||
            region.isEmpty());
}

// Pills of the main skin, rows from..to included; all end at column 437.
struct Pilule {
    int gauche, haut, bas;
};
constexpr std::array<Pilule, 8> Pilules{{
    {306, 5, 31},
    {339, 38, 64},
    {372, 71, 97},
    {395, 104, 130},
    {395, 270, 296},
    {372, 303, 328},
    {339, 336, 362},
    {306, 369, 394},
}};

const QStringList NomsDesImagesDoubles{
    "fond", "fond_verticale", "bille_blanche", "bille_noire", "disquette", "dossier", "corbeille"};

} // namespace

class TestHabillage : public QObject {
    Q_OBJECT

private slots:
    void regionHoldsExactlyThePixelsUnlikeTheTopLeftOne_data();
    void regionHoldsExactlyThePixelsUnlikeTheTopLeftOne();
    void oneColourPictureGivesNoRegion();
    void picturesWithAlphaCompareTheWholePixel();
    void mainSkinIsTheDiscAndEightPills();
    void mainSkinHolesLieOnTheBoard();
    void panelsMeetTheSkinOnItsNavy();
    void sliderSkinHasOneRunPerRow();
    void doubleDrawingsAreTwiceTheSizeAndLoadAtRatioTwo_data();
    void doubleDrawingsAreTwiceTheSizeAndLoadAtRatioTwo();
    void doubleSkinsAreOpaqueExactlyUnderTheOutline_data();
    void doubleSkinsAreOpaqueExactlyUnderTheOutline();
    void iconThemeSizesAreGreyMarbles();
    void windowTakesTheSizeAndOutlineOfItsSkin();
    void oneColourSkinLeavesTheWindowRectangular();
};

void TestHabillage::regionHoldsExactlyThePixelsUnlikeTheTopLeftOne_data() {
    QTest::addColumn<QStringList>("image");
    QTest::addColumn<QList<int>>("runsParRangee");

    QTest::newRow("one pixel") << QStringList{"...", ".#.", "..."} << QList<int>{0, 1, 0};
    QTest::newRow("run at the last column stops at the edge")
        << QStringList{"..##", "#...", "...#"} << QList<int>{1, 1, 1};
    QTest::newRow("whole rows") << QStringList{".###", "####", "####"} << QList<int>{1, 1, 1};
    QTest::newRow("two runs in a row")
        << QStringList{"....", "#..#", "##.#"} << QList<int>{0, 2, 2};
    QTest::newRow("one unit of blue is opaque")
        << QStringList{"...", ".+.", "+.+"} << QList<int>{0, 1, 2};
    QTest::newRow("top-left colour decides, not grey")
        << QStringList{"##.", "#..", "w##"} << QList<int>{1, 1, 1};
    QTest::newRow("colours side by side form one run")
        << QStringList{".....", ".#+w."} << QList<int>{0, 1};
}

void TestHabillage::regionHoldsExactlyThePixelsUnlikeTheTopLeftOne() {
    QFETCH(QStringList, image);
    QFETCH(QList<int>, runsParRangee);
    const QImage picture = ImageDepuisTexte(image);
    const QRegion region = RegionDepuisImage(picture);

    VerifierRegionEgaleAuxPixelsOpaques(region, picture);
    if (QTest::currentTestFailed()) {
        return;
    }
    for (int y = 0; y < picture.height(); ++y) {
        QCOMPARE(RunsDeLaRangee(region, y, picture.width()).size(), runsParRangee[y]);
    }
}

void TestHabillage::oneColourPictureGivesNoRegion() {
    QVERIFY(RegionDepuisImage(ImageDepuisTexte({"...", "..."})).isEmpty());
    QVERIFY(RegionDepuisImage(ImageDepuisTexte({"#"})).isEmpty());
    QImage transparente(8, 8, QImage::Format_ARGB32);
    transparente.fill(Qt::transparent);
    QVERIFY(RegionDepuisImage(transparente).isEmpty());
    QVERIFY(RegionDepuisImage(QImage()).isEmpty());
}

void TestHabillage::picturesWithAlphaCompareTheWholePixel() {
    QImage image(4, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(0, 0, 0, 0));
    image.setPixel(1, 0, qRgba(0, 0, 0, 255));     // same colour, but seen
    image.setPixel(2, 0, qRgba(255, 255, 255, 0)); // another colour, but unseen
    image.setPixel(3, 0, qRgba(0, 0, 0, 1));       // one unit of alpha
    const QRegion region = RegionDepuisImage(image);
    QVERIFY(region.contains(QPoint(1, 0)));
    QVERIFY(!region.contains(QPoint(2, 0)));
    QVERIFY(region.contains(QPoint(3, 0)));
    QCOMPARE(RunsDeLaRangee(region, 0, 4).size(), 2);
}

void TestHabillage::mainSkinIsTheDiscAndEightPills() {
    const QImage fond = ImageRessource1x("fond");
    QCOMPARE(fond.size(), QSize(439, 400));
    QVERIFY(!fond.hasAlphaChannel());
    QCOMPARE(fond.pixel(0, 0), Gris);
    const QRegion region = RegionDepuisImage(fond);
    VerifierRegionEgaleAuxPixelsOpaques(region, fond);

    int rectangles = 0;
    for (int y = 0; y < fond.height(); ++y) {
        const QList<QRect> runs = RunsDeLaRangee(region, y, fond.width());
        rectangles += int(runs.size());
        const bool disque = y >= 3 && y <= 396;
        const auto pilule = std::find_if(Pilules.begin(), Pilules.end(), [y](const Pilule& p) {
            return y >= p.haut && y <= p.bas;
        });
        const bool surPilule = pilule != Pilules.end();
        QCOMPARE(runs.size(), qsizetype(int(disque) + int(surPilule)));
        if (disque) {
            QVERIFY2(runs.first().left() >= 1 && runs.first().right() <= 394,
                     qPrintable(QString::number(y)));
        }
        if (surPilule) {
            // Rounded ends inside the pill's rectangle; its middle row spans all of it.
            QVERIFY(runs.last().left() >= pilule->gauche && runs.last().right() <= 437);
            if (y == (pilule->haut + pilule->bas) / 2) {
                QCOMPARE(runs.last().left(), pilule->gauche);
                QCOMPARE(runs.last().right(), 437);
            }
        }
    }
    // One run per disc row (394) and one more per pill row (6 pills of 27 rows, 2 of 26).
    QCOMPARE(rectangles, 394 + 6 * 27 + 2 * 26);

    // Widest and tallest extent of the disc: the box (1, 3)-(394, 396).
    const QRegion disque = region.intersected(QRect(0, 0, 395, 400));
    QCOMPARE(disque.boundingRect(), QRect(QPoint(1, 3), QPoint(394, 396)));
}

void TestHabillage::mainSkinHolesLieOnTheBoard() {
    const QImage fond = ImageRessource1x("fond");
    const QRegion region = RegionDepuisImage(fond);
    const std::array<double, 7> colonnes{80.6, 119.7, 159.0, 198.3, 237.6, 276.9, 316.1};
    const std::array<double, 7> rangees{80.6, 119.7, 159.0, 198.5, 237.7, 277.0, 316.4};
    const auto luminosite = [&](QPoint p) { return qGray(fond.pixel(p)) + qBlue(fond.pixel(p)); };
    int trous = 0;
    for (int r = 0; r < 7; ++r) {
        for (int c = 0; c < 7; ++c) {
            const bool trou = (c >= 2 && c <= 4) || (r >= 2 && r <= 4);
            if (!trou) {
                continue;
            }
            ++trous;
            const QPoint centre(int(colonnes[c]), int(rangees[r]));
            QVERIFY(region.contains(centre));
            // A hole is darker than the board half a pitch away from it.
            const QPoint entreDeux = centre + QPoint(0, 20);
            QVERIFY2(luminosite(centre) + 40 < luminosite(entreDeux),
                     qPrintable(QStringLiteral("hole %1,%2").arg(c).arg(r)));
        }
    }
    QCOMPARE(trous, 33);
}

// The navy disc over the holes (Shape1) and the help panel, the larger one, lie on the skin's own
// navy: no ring, no rectangle edge shows where they meet it.
void TestHabillage::panelsMeetTheSkinOnItsNavy() {
    const QImage fond = ImageRessource1x("fond");
    const QPointF centre(198.0, 202.5); // Shape1 draws a disc 298 across in its box 44, 53
    const auto couvert = [&](QPoint p) {
        return QLineF(centre, p).length() <= 149.0 || QRect(81, 83, 244, 235).contains(p);
    };
    for (int y = 0; y < fond.height(); ++y) {
        for (int x = 0; x < fond.width(); ++x) {
            const QPoint p(x, y);
            if (couvert(p) || !(couvert(p + QPoint(3, 0)) || couvert(p - QPoint(3, 0)) ||
                                couvert(p + QPoint(0, 3)) || couvert(p - QPoint(0, 3)))) {
                continue;
            }
            const QColor c = fond.pixelColor(p);
            QVERIFY2(c.red() + c.green() + qAbs(c.blue() - 128) <= 6,
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    }
}

void TestHabillage::sliderSkinHasOneRunPerRow() {
    const QImage peau = ImageRessource1x("fond_verticale");
    QCOMPARE(peau.size(), QSize(29, 120));
    QVERIFY(!peau.hasAlphaChannel());
    QCOMPARE(peau.pixel(0, 0), Gris);
    const QRegion region = RegionDepuisImage(peau);
    VerifierRegionEgaleAuxPixelsOpaques(region, peau);
    for (int y = 0; y < peau.height(); ++y) {
        QCOMPARE(RunsDeLaRangee(region, y, peau.width()).size(), 1);
    }
    // The scroll bar at 7, 8, 14 x 107 lies wholly on the pill.
    QVERIFY(QRegion(7, 8, 14, 107).subtracted(region).isEmpty());
}

void TestHabillage::doubleDrawingsAreTwiceTheSizeAndLoadAtRatioTwo_data() {
    QTest::addColumn<QString>("nom");
    for (const QString& nom : NomsDesImagesDoubles) {
        QTest::newRow(qPrintable(nom)) << nom;
    }
}

void TestHabillage::doubleDrawingsAreTwiceTheSizeAndLoadAtRatioTwo() {
    QFETCH(QString, nom);
    const QImage simple = ImageRessource1x(nom);
    QVERIFY(!simple.isNull());
    QCOMPARE(QImage(":/images/" + nom + "@2x.png").size(), simple.size() * 2);

    const QPixmap net = ImageRessource(nom, 2.0);
    QCOMPARE(net.devicePixelRatio(), 2.0);
    QCOMPARE(net.size(), simple.size() * 2);
    QCOMPARE(net.deviceIndependentSize().toSize(), simple.size());

    const QPixmap normal = ImageRessource(nom);
    QCOMPARE(normal.devicePixelRatio(), 1.0);
    QCOMPARE(normal.size(), simple.size());
}

void TestHabillage::doubleSkinsAreOpaqueExactlyUnderTheOutline_data() {
    QTest::addColumn<QString>("nom");
    QTest::newRow("main") << "fond";
    QTest::newRow("slider") << "fond_verticale";
}

// The window mask stays in logical pixels at ratio 2, so a grey device pixel under an opaque
// logical pixel would show as a grey fringe.
void TestHabillage::doubleSkinsAreOpaqueExactlyUnderTheOutline() {
    QFETCH(QString, nom);
    const QImage simple = ImageRessource1x(nom);
    const QImage double2x = QImage(":/images/" + nom + "@2x.png");
    QCOMPARE(double2x.size(), simple.size() * 2);
    for (int y = 0; y < double2x.height(); ++y) {
        for (int x = 0; x < double2x.width(); ++x) {
            const bool gris = double2x.pixel(x, y) == Gris;
            if (gris != (simple.pixel(x / 2, y / 2) == Gris)) {
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 at 2x").arg(x).arg(y)));
            }
        }
    }
}

void TestHabillage::iconThemeSizesAreGreyMarbles() {
    for (int cote : {16, 32, 48, 64, 128, 256}) {
        const QImage icone = ImageRessource1x(QStringLiteral("icone%1").arg(cote));
        QCOMPARE(icone.size(), QSize(cote, cote));
        QCOMPARE(qAlpha(icone.pixel(0, 0)), 0);
        const QRgb centre = icone.pixel(cote / 2, cote / 2);
        QCOMPARE(qAlpha(centre), 255);
        QVERIFY(qAbs(qRed(centre) - qBlue(centre)) < 16); // grey, not tinted
    }
    // A size drawn once falls back to that drawing at ratio 2.
    QCOMPARE(ImageRessource("icone32", 2.0).size(), QSize(32, 32));
}

void TestHabillage::windowTakesTheSizeAndOutlineOfItsSkin() {
    for (const QString& nom : {QStringLiteral("fond"), QStringLiteral("fond_verticale")}) {
        const QImage peau = ImageRessource1x(nom);
        QWidget fenetre;
        HabillerFenetre(&fenetre, peau);
        QCOMPARE(fenetre.size(), peau.size());
        QCOMPARE(fenetre.minimumSize(), peau.size());
        QCOMPARE(fenetre.maximumSize(), peau.size());
        QCOMPARE(fenetre.mask(), RegionDepuisImage(peau));
        QVERIFY(!fenetre.mask().contains(QPoint(0, 0)));
    }
}

void TestHabillage::oneColourSkinLeavesTheWindowRectangular() {
    QWidget fenetre;
    fenetre.setMask(QRegion(0, 0, 5, 5));
    HabillerFenetre(&fenetre, ImageDepuisTexte({"....", "...."}));
    QCOMPARE(fenetre.size(), QSize(4, 2));
    QVERIFY(fenetre.mask().isEmpty());
}

QTEST_MAIN(TestHabillage)
#include "test_habillage.moc"
