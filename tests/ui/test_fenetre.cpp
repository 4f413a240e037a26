// The main window after start-up: cut to the outline of its skin and painted with it, centred, its
// texts fitted to their labels; and the display check that may refuse to start.

#include "OutilsFenetre.h"
#include "ui/dessin/Habillage.h"
#include "ui/fenetres/ControleAffichage.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QScreen>

class TestFenetre : public QObject {
    Q_OBJECT

private slots:
    // The outline is the pixels unlike the top-left one. Pictures as text, one string per row:
    // '.' grey, '#' navy, '+' grey but for one unit of blue, 'w' white.
    void contourDUneImage_data() {
        QTest::addColumn<QStringList>("rangees");
        QTest::newRow("one pixel") << QStringList{"...", ".#.", "..."};
        QTest::newRow("runs up to the right edge") << QStringList{"..##", "#...", "..+#"};
        QTest::newRow("two runs in a row") << QStringList{"....", "#..#", "##+#"};
        QTest::newRow("the corner's colour decides") << QStringList{"##.", "#..", "w##"};
        QTest::newRow("one colour, no outline") << QStringList{"...", "..."};
    }
    void contourDUneImage() {
        QFETCH(QStringList, rangees);
        const QMap<QChar, QRgb> couleurs{{'.', qRgb(128, 128, 128)},
                                         {'#', qRgb(0, 0, 128)},
                                         {'+', qRgb(128, 128, 129)},
                                         {'w', qRgb(255, 255, 255)}};
        QImage image(int(rangees[0].size()), int(rangees.size()), QImage::Format_RGB32);
        QRegion contour;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                image.setPixel(x, y, couleurs[rangees[y][x]]);
                contour += rangees[y][x] != rangees[0][0] ? QRect(x, y, 1, 1) : QRect();
            }
        }
        QCOMPARE(marbello::RegionDepuisImage(image), contour);
    }

    // Shown and clickable only within the outline of its skin.
    void decoupeeEtPeinteSelonLaPeau() {
        outils::Fenetre w;
        const QImage peau = marbello::ImageRessource1x(QStringLiteral("fond"));
        QCOMPARE(w.f.size(), peau.size());
        QCOMPARE(w.f.mask(), marbello::RegionDepuisImage(peau));
        const QImage vue = w.f.grab().toImage(); // the disc's left edge, where no control lies
        QCOMPARE(vue.copy(0, 150, 40, 100),
                 peau.copy(0, 150, 40, 100).convertToFormat(vue.format()));
        const QPoint ecart = w.f.geometry().center() - w.f.screen()->availableGeometry().center();
        QVERIFY(ecart.manhattanLength() <= 1);
        QCOMPARE(w.f.windowIcon().availableSizes().size(), 6); // 16 to 256 pixels
        // The picture stores beside the skin stay hidden: where no skin is, nothing shows.
        for (const QWidget* controle : w.f.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            QVERIFY2(controle->isHidden() || w.f.mask().intersects(controle->geometry()),
                     qPrintable(controle->objectName()));
        }
        // A marble is its picture, in place.
        auto* bille = outils::Controle<marbello::Vignette>(w.f, QStringLiteral("55"));
        QCOMPARE(bille->pos(), QPoint(184, 182)); // a 32-pixel marble centred on 2,970 x 2,970
        QImage peinte(bille->size(), QImage::Format_ARGB32_Premultiplied);
        peinte.fill(Qt::transparent);
        bille->render(&peinte, {}, {}, QWidget::DrawChildren);
        const QImage image = bille->Picture().toImage();
        QCOMPARE(peinte.copy(image.rect()), image.convertToFormat(peinte.format()));
        // The slider window likewise, beside its scroll bar.
        outils::Jouer(w.f, QStringLiteral("B3 B0"));
        const QImage pilule = marbello::ImageRessource1x(QStringLiteral("fond_verticale"));
        const QImage barre = outils::Curseur()->window()->grab().toImage().copy(0, 0, 6, 120);
        QCOMPARE(barre, pilule.copy(0, 0, 6, 120).convertToFormat(barre.format()));
        // Under the help, the disc hides the marbles the panel leaves out, the top ones.
        outils::Jouer(w.f, QStringLiteral("B2"));
        QCOMPARE(w.f.grab().toImage().pixelColor(160, 80), QColor(0, 0, 128));
    }

    // The navy disc over the holes (Shape1, 298 across in its box at 44, 53) and the help panel,
    // the larger one, meet the skin on its own navy: no ring, no rectangle edge shows.
    void lesPanneauxRejoignentLaPeauSurSonMarine() {
        const QImage peau = marbello::ImageRessource1x(QStringLiteral("fond"));
        const auto couvert = [](QPoint p) {
            return QLineF(QPointF(198.0, 202.5), p).length() <= 149.0 ||
                   QRect(81, 83, 244, 235).contains(p);
        };
        for (int y = 0; y < peau.height(); ++y) {
            for (int x = 0; x < peau.width(); ++x) {
                const QPoint p(x, y);
                const bool bord =
                    !couvert(p) && (couvert(p + QPoint(3, 0)) || couvert(p - QPoint(3, 0)) ||
                                    couvert(p + QPoint(0, 3)) || couvert(p - QPoint(0, 3)));
                const QColor c = peau.pixelColor(p);
                QVERIFY2(!bord || c.red() + c.green() + qAbs(c.blue() - 128) <= 6,
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        }
    }

    // The test runs with a face wider than the layout's: each fixed text shrinks until it fits.
    // The links are bold and underlined, those to the author blue.
    void textesAjustesAuCadre() {
        const outils::Fenetre w;
        for (const QString nom : {"Label2", "Label4", "Label5", "Label6", "Label7"}) {
            const auto* etiquette = outils::Controle<QLabel>(w.f, nom);
            const QRect cadre = etiquette->contentsRect();
            const int drapeaux = static_cast<int>(etiquette->alignment()) | Qt::TextWordWrap;
            QVERIFY2(cadre.contains(QFontMetrics(etiquette->font())
                                        .boundingRect(cadre, drapeaux, etiquette->text())),
                     qPrintable(nom));
            const bool lien = nom != "Label5" && nom != "Label7";
            QCOMPARE(etiquette->font().bold() && etiquette->font().underline(), lien);
            QCOMPARE(etiquette->palette().color(QPalette::WindowText) == QColor(0, 0, 255),
                     nom == "Label2" || nom == "Label4");
        }
        // The captions stand in the middle of their pills.
        QVERIFY(outils::Controle<QLabel>(w.f, "B3")->alignment().testFlag(Qt::AlignHCenter));
    }

    // The refusal is a modal critical box; either of its buttons ends the program.
    void affichageVerifie_data() {
        QTest::addColumn<double>("pointsParPouce");
        QTest::addColumn<QMessageBox::StandardButton>("reponse"); // NoButton: accepted
        QTest::newRow("96 dpi") << 96.0 << QMessageBox::NoButton;
        QTest::newRow("97 dpi") << 97.0 << QMessageBox::Ok;
        QTest::newRow("120 dpi, Cancel") << 120.0 << QMessageBox::Cancel;
    }
    void affichageVerifie() {
        QFETCH(double, pointsParPouce);
        QFETCH(QMessageBox::StandardButton, reponse);
        QStringList vu;
        QTimer guet;
        connect(&guet, &QTimer::timeout, this, [&] {
            if (auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                vu << boite->windowTitle() << boite->text()
                   << QString::number(boite->icon() == QMessageBox::Critical && boite->isModal())
                   << QString::number(boite->standardButtons().toInt());
                boite->button(reponse)->click();
            }
        });
        guet.start(10);
        QCOMPARE(marbello::VerifierAffichage(pointsParPouce), reponse == QMessageBox::NoButton);
        const QStringList refus{
            "Marbello",
            "Ce programme ne sera pas compatible avec vos paramètres d'affichage. "
            "Pour pouvoir utiliser ce programme il faut avoir une résolution "
            "d'écran de 15 TwipsPerPixel",
            "1", QString::number((QMessageBox::Ok | QMessageBox::Cancel).toInt())};
        QCOMPARE(vu, reponse == QMessageBox::NoButton ? QStringList() : refus);
    }
};

QTEST_MAIN(TestFenetre)
#include "test_fenetre.moc"
