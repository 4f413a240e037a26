// Draws every picture of the game at 1x and 2x and writes them as PNG files into the folder given
// on the command line (resources/ by default). The output is deterministic: running it again
// rewrites the same files.
//
// The two skins are cut to their outline by exact comparison with the grey of pixel (0, 0), so
// their edges are not blended into that grey: a pixel is either exactly grey or opaque, and the
// antialiasing of an opaque edge pixel goes towards a dark rim instead. The outline is decided
// at 1x once; the 2x drawing is opaque on exactly the doubled 1x outline, because the window mask
// stays at 1x resolution on a high-density screen.

#include <QColor>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

using Dessin = std::function<void(QPainter&)>;

constexpr QRgb GrisTransparent = qRgb(128, 128, 128);
constexpr QRgb Liseret = qRgb(0, 0, 34); // the dark rim the skins' edges fade into

QString Dossier;

void Enregistrer(const QImage& image, const QString& nom) {
    const QString chemin = QDir(Dossier).filePath(nom);
    if (!image.save(chemin, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(chemin));
        std::exit(1);
    }
    std::printf("%s %dx%d\n", qPrintable(nom), image.width(), image.height());
}

// A transparent picture of `taille` logical pixels drawn at `echelle` device pixels each.
QImage Dessiner(QSize taille, int echelle, const Dessin& dessin) {
    QImage image(taille * echelle, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(echelle, echelle);
    dessin(p);
    return image;
}

void EnregistrerIcone(QSize taille, const Dessin& dessin, const QString& nom) {
    Enregistrer(Dessiner(taille, 1, dessin), nom + ".png");
    Enregistrer(Dessiner(taille, 2, dessin), nom + "@2x.png");
}

// ---------------------------------------------------------------------------------------------
// Skins

// The skin at `echelle`: opaque exactly on the 1x pixels that the outline covers by at least a
// half, grey elsewhere, the colour drawing composed over the dark rim so that partly covered
// pixels darken instead of greying.
QImage Peau(QSize taille, int echelle, const QPainterPath& contour, const Dessin& dessin) {
    const QImage masque = Dessiner(taille, 1, [&](QPainter& p) { p.fillPath(contour, Qt::white); });
    const QImage couleurs = Dessiner(taille, echelle, dessin);
    QImage peau(taille * echelle, QImage::Format_RGB32);
    for (int y = 0; y < peau.height(); ++y) {
        const auto* ligneMasque = reinterpret_cast<const QRgb*>(masque.constScanLine(y / echelle));
        const auto* source = reinterpret_cast<const QRgb*>(couleurs.constScanLine(y));
        auto* cible = reinterpret_cast<QRgb*>(peau.scanLine(y));
        for (int x = 0; x < peau.width(); ++x) {
            if (qAlpha(ligneMasque[x / echelle]) < 128) {
                cible[x] = GrisTransparent;
                continue;
            }
            const QRgb c = source[x]; // premultiplied
            const int reste = 255 - qAlpha(c);
            cible[x] = qRgb(qRed(c) + (qRed(Liseret) * reste + 127) / 255,
                            qGreen(c) + (qGreen(Liseret) * reste + 127) / 255,
                            qBlue(c) + (qBlue(Liseret) * reste + 127) / 255);
            if (cible[x] == GrisTransparent) {
                cible[x] = qRgb(128, 128, 129); // never cut a hole inside the shapes
            }
        }
    }
    return peau;
}

void EnregistrerPeau(QSize taille, const QPainterPath& contour, const Dessin& dessin,
                     const QString& nom) {
    Enregistrer(Peau(taille, 1, contour, dessin), nom + ".png");
    Enregistrer(Peau(taille, 2, contour, dessin), nom + "@2x.png");
}

// Main skin: 439 x 400, the disc in the box (1, 3)-(394, 396) and eight pills ending at x = 437.
const QRectF Disque(1, 3, 394, 394);
constexpr std::array<double, 7> ColonnesTrous{80.6, 119.7, 159.0, 198.3, 237.6, 276.9, 316.1};
constexpr std::array<double, 7> RangeesTrous{80.6, 119.7, 159.0, 198.5, 237.7, 277.0, 316.4};
constexpr double RayonTrou = 11.0;

struct Pilule {
    int gauche, haut, bas; // pixels, both ends included; the right end is x = 437
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

QRectF RectanglePilule(const Pilule& p) {
    return QRectF(p.gauche, p.haut, 438 - p.gauche, p.bas + 1 - p.haut);
}

QPainterPath ContourFond() {
    QPainterPath contour;
    contour.addEllipse(Disque);
    for (const Pilule& p : Pilules) {
        const QRectF r = RectanglePilule(p);
        contour.addRoundedRect(r, r.height() / 2, r.height() / 2);
    }
    return contour;
}

bool EstTrouDeLaCroix(int colonne, int rangee) {
    return (colonne >= 2 && colonne <= 4) || (rangee >= 2 && rangee <= 4);
}

void DessinerTrou(QPainter& p, QPointF centre) {
    // Light comes from the upper left: a hole is lit on its lower-right wall.
    QRadialGradient fond(centre + QPointF(1.5, 2.0), RayonTrou + 1, centre + QPointF(2.5, 3.0));
    fond.setColorAt(0.0, QColor(18, 20, 70));
    fond.setColorAt(0.7, QColor(4, 4, 34));
    fond.setColorAt(1.0, QColor(0, 0, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(fond);
    p.drawEllipse(centre, RayonTrou, RayonTrou);

    QLinearGradient bord(centre - QPointF(RayonTrou, RayonTrou),
                         centre + QPointF(RayonTrou, RayonTrou));
    bord.setColorAt(0.0, QColor(0, 0, 20));
    bord.setColorAt(0.55, QColor(0, 0, 60));
    bord.setColorAt(1.0, QColor(110, 125, 230));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(bord), 1.2));
    p.drawEllipse(centre, RayonTrou - 0.6, RayonTrou - 0.6);
}

void DessinerPilule(QPainter& p, const Pilule& pilule) {
    const QRectF r = RectanglePilule(pilule);
    const double rayon = r.height() / 2;
    QLinearGradient fond(r.topLeft(), r.bottomLeft());
    fond.setColorAt(0.0, QColor(62, 74, 200));
    fond.setColorAt(0.18, QColor(20, 26, 160));
    fond.setColorAt(0.55, QColor(0, 0, 128));
    fond.setColorAt(1.0, QColor(0, 0, 72));
    p.setPen(Qt::NoPen);
    p.setBrush(fond);
    p.drawRoundedRect(r, rayon, rayon);

    // A soft gloss along the top half.
    const QRectF reflet = r.adjusted(rayon * 0.5, 1.5, -rayon * 0.5, -r.height() * 0.55);
    QLinearGradient brillance(reflet.topLeft(), reflet.bottomLeft());
    brillance.setColorAt(0.0, QColor(255, 255, 255, 70));
    brillance.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(brillance);
    p.drawRoundedRect(reflet, reflet.height() / 2, reflet.height() / 2);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 40), 1.0));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), rayon - 0.5, rayon - 0.5);
}

// The navy of the disc that covers the holes and of the panels over the board: the skin takes it
// wherever their edges lie, so that they meet it without a seam.
const QColor Marine(0, 0, 128);
// Out to this radius the field is that navy: the corners of the panels lie within it. The disc
// over the holes (radius 149) hides the light inside RayonLumiere whenever a panel is shown.
constexpr double RayonMarine = 178.0;
constexpr double RayonLumiere = 145.0;

void DessinerFond(QPainter& p) {
    const QPointF centre = Disque.center();
    const double rayon = Disque.width() / 2;

    // The rim darkens towards the edge; the field stays navy.
    QRadialGradient fond(centre, rayon);
    fond.setColorAt(0.0, Marine);
    fond.setColorAt(RayonMarine / rayon, Marine);
    fond.setColorAt(1.0, QColor(0, 0, 82));
    p.setPen(Qt::NoPen);
    p.setBrush(fond);
    p.drawEllipse(Disque);

    // Light from the upper left on the middle of the field, fading into the navy.
    QRadialGradient lumiere(centre, RayonLumiere, centre + QPointF(-60, -70));
    lumiere.setColorAt(0.0, QColor(30, 38, 170));
    lumiere.setColorAt(0.6, QColor(6, 8, 138));
    lumiere.setColorAt(1.0, Marine);
    p.setBrush(lumiere);
    p.drawEllipse(centre, RayonLumiere, RayonLumiere);

    // Raised bevel on the outer edge: lit upper left, shaded lower right.
    QLinearGradient biseau(Disque.topLeft(), Disque.bottomRight());
    biseau.setColorAt(0.0, QColor(120, 135, 235));
    biseau.setColorAt(0.45, QColor(20, 24, 150));
    biseau.setColorAt(1.0, QColor(0, 0, 40));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(biseau), 3.0));
    p.drawEllipse(centre, rayon - 2.5, rayon - 2.5);

    // The playing field lies a little lower than the rim: a groove shaded the other way round.
    const double rayonChamp = RayonMarine + 3;
    QLinearGradient rainure(centre - QPointF(rayonChamp, rayonChamp),
                            centre + QPointF(rayonChamp, rayonChamp));
    rainure.setColorAt(0.0, QColor(0, 0, 50));
    rainure.setColorAt(0.5, QColor(0, 0, 110));
    rainure.setColorAt(1.0, QColor(70, 85, 210));
    p.setPen(QPen(QBrush(rainure), 1.5));
    p.drawEllipse(centre, rayonChamp, rayonChamp);

    for (int rangee = 0; rangee < 7; ++rangee) {
        for (int colonne = 0; colonne < 7; ++colonne) {
            if (EstTrouDeLaCroix(colonne, rangee)) {
                DessinerTrou(p, QPointF(ColonnesTrous[colonne], RangeesTrous[rangee]));
            }
        }
    }
    for (const Pilule& pilule : Pilules) {
        DessinerPilule(p, pilule);
    }
}

// Slider skin: 29 x 120, one navy pill from the top row to the bottom row.
const QRectF Barre(0, 0, 29, 120);

QPainterPath ContourVerticale() {
    QPainterPath contour;
    contour.addRoundedRect(Barre, Barre.width() / 2, Barre.width() / 2);
    return contour;
}

void DessinerVerticale(QPainter& p) {
    const double rayon = Barre.width() / 2;
    QLinearGradient fond(Barre.topLeft(), Barre.topRight()); // lit like a rod from the left
    fond.setColorAt(0.0, QColor(0, 0, 90));
    fond.setColorAt(0.3, QColor(46, 58, 190));
    fond.setColorAt(0.6, QColor(0, 0, 128));
    fond.setColorAt(1.0, QColor(0, 0, 64));
    p.setPen(Qt::NoPen);
    p.setBrush(fond);
    p.drawRoundedRect(Barre, rayon, rayon);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 40), 1.0));
    p.drawRoundedRect(Barre.adjusted(0.5, 0.5, -0.5, -0.5), rayon - 0.5, rayon - 0.5);
}

// ---------------------------------------------------------------------------------------------
// Marbles: a sphere 30 units across in a 32-unit box, lit from the upper left.

struct Teintes {
    QColor eclat, clair, moyen, sombre, bord, reflet;
};

constexpr double RayonBille = 15.0;
const QPointF CentreBille(16, 16);

void DessinerBille(QPainter& p, const Teintes& t) {
    QRadialGradient corps(CentreBille, RayonBille, CentreBille + QPointF(-5, -6));
    corps.setColorAt(0.0, t.eclat);
    corps.setColorAt(0.25, t.clair);
    corps.setColorAt(0.7, t.moyen);
    corps.setColorAt(0.93, t.sombre);
    corps.setColorAt(1.0, t.bord);
    p.setPen(Qt::NoPen);
    p.setBrush(corps);
    p.drawEllipse(CentreBille, RayonBille, RayonBille);

    // Light bounced back from the board along the lower right.
    QRadialGradient rebond(CentreBille + QPointF(5, 7), 9);
    rebond.setColorAt(0.0, t.reflet);
    rebond.setColorAt(1.0, QColor(t.reflet.red(), t.reflet.green(), t.reflet.blue(), 0));
    p.setBrush(rebond);
    p.drawEllipse(CentreBille, RayonBille, RayonBille);

    // Specular highlight, a little flattened; the gradient fades to nothing at its own edge.
    p.save();
    p.translate(CentreBille + QPointF(-5.5, -6.5));
    p.scale(1.0, 0.8);
    QRadialGradient eclat(QPointF(0, 0), 5.5);
    eclat.setColorAt(0.0, QColor(255, 255, 255, 235));
    eclat.setColorAt(0.35, QColor(255, 255, 255, 150));
    eclat.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(eclat);
    p.drawEllipse(QPointF(0, 0), 5.5, 5.5);
    p.restore();
}

const Teintes Blanche{QColor(255, 255, 255), QColor(234, 236, 245), QColor(192, 197, 216),
                      QColor(140, 146, 176), QColor(96, 101, 134),  QColor(255, 255, 255, 90)};
const Teintes Noire{QColor(150, 150, 162), QColor(70, 70, 80), QColor(26, 26, 32),
                    QColor(8, 8, 12),      QColor(0, 0, 0),    QColor(120, 130, 190, 110)};
const Teintes Grise{QColor(255, 255, 255), QColor(214, 216, 222), QColor(150, 152, 160),
                    QColor(92, 94, 104),   QColor(56, 58, 66),    QColor(230, 232, 240, 90)};

// ---------------------------------------------------------------------------------------------
// 16 x 16 icons, drawn on the pixel grid (1-unit lines on half units) to stay sharp at 1x.

void DessinerDisquette(QPainter& p) {
    QPainterPath corps;
    corps.moveTo(1.5, 1.5);
    corps.lineTo(12.5, 1.5);
    corps.lineTo(14.5, 3.5);
    corps.lineTo(14.5, 14.5);
    corps.lineTo(1.5, 14.5);
    corps.closeSubpath();
    QLinearGradient bleu(0, 1, 0, 15);
    bleu.setColorAt(0.0, QColor(70, 110, 210));
    bleu.setColorAt(1.0, QColor(24, 50, 140));
    p.setPen(QPen(QColor(12, 24, 70), 1.0));
    p.setBrush(bleu);
    p.drawPath(corps);

    // Metal shutter with its window.
    QLinearGradient metal(4, 0, 11, 0);
    metal.setColorAt(0.0, QColor(245, 246, 250));
    metal.setColorAt(1.0, QColor(160, 166, 180));
    p.setPen(QPen(QColor(60, 66, 84), 1.0));
    p.setBrush(metal);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 46, 64));
    p.drawRect(QRectF(8, 2.5, 2, 3));

    // Paper label with two written lines.
    p.setPen(QPen(QColor(70, 80, 110), 1.0));
    p.setBrush(QColor(250, 250, 246));
    p.drawRect(QRectF(3.5, 8.5, 9, 6));
    p.setPen(QPen(QColor(150, 160, 190), 1.0));
    p.drawLine(QPointF(5, 10.5), QPointF(11, 10.5));
    p.drawLine(QPointF(5, 12.5), QPointF(11, 12.5));
}

void DessinerDossier(QPainter& p) {
    // Back of the folder with its tab.
    QPainterPath dos;
    dos.moveTo(0.5, 3.5);
    dos.lineTo(5.5, 3.5);
    dos.lineTo(6.5, 4.5);
    dos.lineTo(13.5, 4.5);
    dos.lineTo(13.5, 13.5);
    dos.lineTo(0.5, 13.5);
    dos.closeSubpath();
    QLinearGradient carton(0, 3, 0, 14);
    carton.setColorAt(0.0, QColor(226, 176, 70));
    carton.setColorAt(1.0, QColor(176, 122, 28));
    p.setPen(QPen(QColor(110, 70, 10), 1.0));
    p.setBrush(carton);
    p.drawPath(dos);

    // A sheet of paper showing over the back.
    p.setPen(QPen(QColor(150, 150, 150), 1.0));
    p.setBrush(QColor(252, 252, 252));
    p.drawRect(QRectF(2.5, 5.5, 9, 5));

    // Front flap, opened towards the viewer.
    QPainterPath rabat;
    rabat.moveTo(3.5, 7.5);
    rabat.lineTo(15.5, 7.5);
    rabat.lineTo(13.5, 13.5);
    rabat.lineTo(0.5, 13.5);
    rabat.closeSubpath();
    QLinearGradient devant(0, 7, 0, 14);
    devant.setColorAt(0.0, QColor(255, 230, 130));
    devant.setColorAt(1.0, QColor(236, 182, 60));
    p.setPen(QPen(QColor(110, 70, 10), 1.0));
    p.setBrush(devant);
    p.drawPath(rabat);
}

void DessinerCorbeille(QPainter& p) {
    QLinearGradient metal(3, 0, 13, 0); // a cylinder lit from the left
    metal.setColorAt(0.0, QColor(150, 156, 168));
    metal.setColorAt(0.3, QColor(238, 241, 245));
    metal.setColorAt(1.0, QColor(120, 126, 140));
    const QPen trait(QColor(52, 58, 70), 1.0);

    QPainterPath cuve;
    cuve.moveTo(3.5, 5.5);
    cuve.lineTo(12.5, 5.5);
    cuve.lineTo(11.5, 14.5);
    cuve.lineTo(4.5, 14.5);
    cuve.closeSubpath();
    p.setPen(trait);
    p.setBrush(metal);
    p.drawPath(cuve);
    p.setPen(QPen(QColor(100, 106, 120), 1.0));
    for (double x : {6.5, 8.0, 9.5}) {
        p.drawLine(QPointF(x, 7.5), QPointF(x, 12.5));
    }

    // Lid and handle.
    p.setPen(trait);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(6.5, 1.5, 3, 1));
    p.setBrush(metal);
    p.drawRect(QRectF(2.5, 3.5, 11, 1.5));
}

} // namespace

int main(int argc, char** argv) {
    Dossier = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources");
    if (!QDir().mkpath(Dossier)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(Dossier));
        return 1;
    }

    EnregistrerPeau(QSize(439, 400), ContourFond(), DessinerFond, "fond");
    EnregistrerPeau(QSize(29, 120), ContourVerticale(), DessinerVerticale, "fond_verticale");

    const QSize tailleBille(32, 32);
    EnregistrerIcone(
        tailleBille, [](QPainter& p) { DessinerBille(p, Blanche); }, "bille_blanche");
    EnregistrerIcone(
        tailleBille, [](QPainter& p) { DessinerBille(p, Noire); }, "bille_noire");

    const QSize tailleIcone(16, 16);
    EnregistrerIcone(tailleIcone, DessinerDisquette, "disquette");
    EnregistrerIcone(tailleIcone, DessinerDossier, "dossier");
    EnregistrerIcone(tailleIcone, DessinerCorbeille, "corbeille");

    // The window and desktop icon: the marble drawing scaled to each size of the icon theme.
    for (int cote : {16, 32, 48, 64, 128, 256}) {
        const QImage icone = Dessiner(QSize(cote, cote), 1, [cote](QPainter& p) {
            p.scale(cote / 32.0, cote / 32.0);
            DessinerBille(p, Grise);
        });
        Enregistrer(icone, QStringLiteral("icone%1.png").arg(cote));
    }
    return 0;
}
