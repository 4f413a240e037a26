// The main window after start-up: its size, outline and place, every control where the layout
// puts it with its text, tool-tip, colours and visibility, and the display check.

#include "OutilsFenetre.h"
#include "ui/ControleAffichage.h"
#include "ui/Forme.h"
#include "ui/Habillage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileSystemModel>
#include <QFrame>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <memory>

using outils::Controle;

namespace {

QColor CouleurTexte(const QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}

const QString TexteRefus = QStringLiteral(
    "Ce programme ne sera pas compatible avec vos paramètres d'affichage. Pour pouvoir utiliser "
    "ce programme il faut avoir une résolution d'écran de 15 TwipsPerPixel");

} // namespace

class TestFenetre : public QObject {
    Q_OBJECT

private slots:
    void init() { ecran_ = std::make_unique<outils::FenetreMontree>(); }
    void cleanup() { ecran_.reset(); }

    void fenetreAuDemarrage();
    void decoupeeSelonLaPeau();
    void controlesDisposes_data();
    void controlesDisposes();
    void couleursDesTextes_data();
    void couleursDesTextes();
    void panneauxMarine();
    void indicateurEnCercle();
    void billesSurLesTrous();
    void texteAide();
    void pointeurDesLiens();
    void dossierDesParties();
    void controleAffichage_data();
    void controleAffichage();

private:
    marbello::FMarbello& f() { return ecran_->fenetre; }
    std::unique_ptr<outils::FenetreMontree> ecran_;
};

void TestFenetre::fenetreAuDemarrage() {
    QCOMPARE(f().windowTitle(), QStringLiteral("Jeu du Marbello"));
    QCOMPARE(f().size(), QSize(439, 400));
    QVERIFY(f().windowFlags().testFlag(Qt::FramelessWindowHint));
    const auto tailles = f().windowIcon().availableSizes();
    QVERIFY(tailles.contains(QSize(16, 16)) && tailles.contains(QSize(32, 32)));
    const QRect ecran = f().screen()->availableGeometry();
    QVERIFY(std::abs(f().geometry().center().x() - ecran.center().x()) <= 1);
    QVERIFY(std::abs(f().geometry().center().y() - ecran.center().y()) <= 1);
    QVERIFY(!f().RechercheEnCours);
    QVERIFY(!f().SolutionAffichee);
    QVERIFY(!f().Jeu().PartieEnCours);
    QCOMPARE(marbello::CompterBilles(f().Jeu().Plateau), 33);
}

// The window shows and takes the mouse only where the skin differs from its corner's grey.
void TestFenetre::decoupeeSelonLaPeau() {
    const QImage peau = marbello::ImageRessource1x(QStringLiteral("fond"));
    QCOMPARE(peau.size(), QSize(439, 400));
    const QRegion masque = f().mask();
    QCOMPARE(masque, marbello::RegionDepuisImage(peau));
    QVERIFY(!masque.contains(QPoint(0, 0)));
    QVERIFY(masque.contains(QPoint(200, 198)));  // the centre hole
    QVERIFY(masque.contains(QPoint(420, 383)));  // the bottom pill
    QVERIFY(!masque.contains(QPoint(420, 34)));  // grey between the two top pills
    QVERIFY(!masque.contains(QPoint(438, 200))); // right of the disc, between the pills
}

void TestFenetre::controlesDisposes_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("dans");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("bulle");
    QTest::addColumn<bool>("visible");

    const auto ligne = [](const char* nom, const char* dans, QRect place, const char* texte,
                          const char* bulle, bool visible) {
        QTest::newRow(nom) << QString::fromLatin1(nom) << QString::fromLatin1(dans) << place
                           << QString::fromUtf8(texte) << QString::fromUtf8(bulle) << visible;
    };
    ligne("BOUTON0", "FMarbello", {298, 10, 150, 16}, "Chercher une solution",
          "Lancer une recherche de solution ou la stopper.", true);
    ligne("BOUTON1", "FMarbello", {377, 76, 55, 16}, "Damier",
          "Distinguer les billes \"blanches\" des billes \"noires\"", true);
    ligne("BOUTON2", "FMarbello", {338, 43, 102, 16}, "A Propos / Aide", "", true);
    ligne("BOUTON3", "FMarbello", {317, 375, 112, 16}, "GO", "Commencer ou recommencer une partie",
          true);
    ligne("BOUTON4", "FMarbello", {380, 309, 50, 18}, "Quitter", "Au revoir.", true);
    ligne("BOUTON5", "FMarbello", {343, 342, 49, 18}, "<<<", "Reculer d'un coup", true);
    ligne("BOUTON6", "FMarbello", {385, 342, 49, 18}, ">>>", "Avancer d'un coup", true);
    ligne("Image1_0", "FMarbello", {410, 109, 16, 16}, "", "Enregistrer la partie en cours", true);
    ligne("Image1_1", "FMarbello", {409, 275, 16, 16}, "", "Ouvrir une partie", true);
    ligne("Label3", "FMarbello", {139, 352, 123, 32}, "Choisissez une bille à retirer", "", true);
    ligne("Image2", "FMarbello", {450, 155, 32, 32}, "", "", false);
    ligne("Image3_0", "FMarbello", {447, 196, 32, 32}, "", "", false);
    ligne("Image3_1", "FMarbello", {446, 116, 32, 32}, "", "", false);
    ligne("Shape1", "FMarbello", {44, 53, 308, 299}, "", "", false);
    ligne("Frame5", "FMarbello", {262, 84, 53, 53}, "", "", false);
    ligne("Frame1", "FMarbello", {257, 46, 63, 95}, "", "", false);
    ligne("Label7", "Frame1", {0, 0, 63, 91},
          "Clic droit = ajout d'une bille. Clic gauche = retrait d'une bille", "", true);
    ligne("Command5", "Frame1", {28, 69, 35, 23}, "OK", "", true);
    ligne("FraOpenClose", "FMarbello", {81, 83, 244, 233}, "", "", false);
    ligne("Label1", "FraOpenClose", {53, 17, 154, 39}, "", "", true);
    ligne("Command3", "FraOpenClose", {49, 55, 152, 31}, "Construire une partie", "", true);
    ligne("File1", "FraOpenClose", {49, 102, 152, 67}, "", "", false);
    ligne("Text1", "FraOpenClose", {64, 142, 122, 17}, "", "", false);
    ligne("Command4", "FraOpenClose", {203, 137, 25, 32}, "", "", true);
    ligne("Command2", "FraOpenClose", {13, 195, 111, 27}, "Ouvrir", "", true);
    ligne("Command6", "FraOpenClose", {123, 195, 111, 27}, "Annuler", "", true);
    ligne("FraAIDE", "FMarbello", {81, 83, 244, 235}, "", "", false);
    ligne("Label6", "FraAIDE", {17, 142, 208, 14}, "Lire l'article sur le site ludopolis", "",
          true);
    ligne("Label4", "FraAIDE", {38, 166, 166, 16}, "Visiter le site de l'auteur...", "", true);
    ligne("Label2", "FraAIDE", {18, 187, 207, 16}, "Envoyer un coucou à l'auteur...", "", true);
    ligne("Command1", "FraAIDE", {82, 211, 79, 22}, "Fermer", "", true);
}

void TestFenetre::controlesDisposes() {
    QFETCH(QString, nom);
    QFETCH(QString, dans);
    QFETCH(QRect, place);
    QFETCH(QString, texte);
    QFETCH(QString, bulle);
    QFETCH(bool, visible);
    const QWidget* controle = Controle(f(), nom);
    QVERIFY(controle != nullptr);
    QCOMPARE(controle->parentWidget()->objectName(), dans);
    QCOMPARE(controle->geometry(), place);
    QCOMPARE(controle->toolTip(), bulle);
    QCOMPARE(!controle->isHidden(), visible);
    if (const auto* etiquette = qobject_cast<const QLabel*>(controle)) {
        QCOMPARE(etiquette->text(), texte);
    } else if (const auto* bouton = qobject_cast<const QAbstractButton*>(controle)) {
        QCOMPARE(bouton->text(), texte);
    }
}

void TestFenetre::couleursDesTextes_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QColor>("couleur");
    for (int i = 0; i < 7; ++i) {
        QTest::addRow("BOUTON%d", i) << QStringLiteral("BOUTON%1").arg(i) << QColor(224, 224, 224);
    }
    QTest::newRow("Label3") << "Label3" << QColor(192, 192, 192);
    QTest::newRow("Label5") << "Label5" << QColor(224, 224, 224);
    QTest::newRow("Label6") << "Label6" << QColor(224, 224, 224);
    QTest::newRow("Label4") << "Label4" << QColor(0, 0, 255);
    QTest::newRow("Label2") << "Label2" << QColor(0, 0, 255);
    QTest::newRow("Label7") << "Label7" << QColor(255, 255, 255);
    QTest::newRow("Label1") << "Label1" << QColor(255, 255, 255);
}

void TestFenetre::couleursDesTextes() {
    QFETCH(QString, nom);
    QFETCH(QColor, couleur);
    const auto* etiquette = Controle<QLabel>(f(), nom);
    QCOMPARE(CouleurTexte(etiquette), couleur);
    const bool lien = nom == QStringLiteral("Label2") || nom == QStringLiteral("Label4") ||
                      nom == QStringLiteral("Label6");
    QCOMPARE(etiquette->font().bold(), lien);
    QCOMPARE(etiquette->font().underline(), lien);
    const bool centre = nom.startsWith(QStringLiteral("BOUTON")) ||
                        nom == QStringLiteral("Label3") || nom == QStringLiteral("Label2") ||
                        nom == QStringLiteral("Label1");
    QCOMPARE(etiquette->alignment().testFlag(Qt::AlignHCenter), centre);
}

void TestFenetre::panneauxMarine() {
    for (const char* nom : {"Frame5", "Frame1", "FraOpenClose", "FraAIDE"}) {
        const auto* cadre = Controle<QFrame>(f(), QString::fromLatin1(nom));
        QVERIFY(cadre->autoFillBackground());
        QCOMPARE(cadre->palette().color(QPalette::Window), QColor(0, 0, 128));
        QCOMPARE(cadre->frameShape(), QFrame::NoFrame);
    }
    const auto* disque = Controle<marbello::Forme>(f(), "Shape1");
    QCOMPARE(disque->CouleurFond(), QColor(0, 0, 128));
    QCOMPARE(disque->CouleurBord(), QColor(0, 0, 128));
}

// Twelve dots, 30 degrees apart on a circle of 20 pixels, counter-clockwise from the bottom.
void TestFenetre::indicateurEnCercle() {
    const QWidget* attente = Controle(f(), "Frame5");
    const auto points = attente->findChildren<marbello::Forme*>();
    QCOMPARE(points.size(), 12);
    QList<QPointF> centres;
    for (int i = 0; i < 12; ++i) {
        const auto* point = Controle<marbello::Forme>(f(), QStringLiteral("SHwait%1").arg(i));
        QVERIFY(point != nullptr);
        QCOMPARE(point->parentWidget(), attente);
        QVERIFY(!point->isHidden());
        QCOMPARE(point->CouleurFond(), QColor(0, 0, 128));
        QCOMPARE(point->CouleurBord(), QColor(128, 128, 128));
        centres.append(QRectF(point->geometry()).center());
    }
    const QPointF milieu(350.0 / 15.0, 390.0 / 15.0);
    for (const QPointF& c : centres) {
        QVERIFY2(std::abs(std::hypot(c.x() - milieu.x(), c.y() - milieu.y()) - 20.0) <= 1.0,
                 qPrintable(QStringLiteral("%1, %2").arg(c.x()).arg(c.y())));
    }
    const auto extreme = [&centres](auto mesure) {
        int meilleur = 0;
        for (int i = 1; i < centres.size(); ++i) {
            if (mesure(centres[i]) > mesure(centres[meilleur])) {
                meilleur = i;
            }
        }
        return meilleur;
    };
    QCOMPARE(extreme([](QPointF c) { return c.y(); }), 0);  // lowest
    QCOMPARE(extreme([](QPointF c) { return c.x(); }), 3);  // rightmost
    QCOMPARE(extreme([](QPointF c) { return -c.y(); }), 6); // highest
    QCOMPARE(extreme([](QPointF c) { return -c.x(); }), 9); // leftmost
}

// Each image is centred on (590 x + 50, 590 y + 20) twips and keeps its cell's key.
void TestFenetre::billesSurLesTrous() {
    for (int k = 0; k < marbello::NbTrous; ++k) {
        const auto* bille = outils::Bille(f(), k);
        const marbello::Cellule c = marbello::CelluleBille(k);
        QCOMPARE(bille->Tag, QString::fromStdString(marbello::CleCase(c)));
        QCOMPARE(bille->size(), QSize(32, 32));
        const QPointF centre = QRectF(bille->geometry()).center();
        QVERIFY(std::abs(centre.x() - (590.0 * c.x + 50.0) / 15.0) <= 0.5);
        QVERIFY(std::abs(centre.y() - (590.0 * c.y + 20.0) / 15.0) <= 0.5);
        QCOMPARE(outils::Teinte(f(), bille), QStringLiteral("blanche"));
    }
    QCOMPARE(QRectF(outils::Bille(f(), marbello::NumeroCentre)->geometry()).center(),
             QPointF(200.0, 198.0));
}

void TestFenetre::texteAide() {
    QCOMPARE(
        Controle<QLabel>(f(), "Label5")->text(),
        QStringLiteral("Pour débuter une partie vous devez cliquer sur la bille à retirer.\r\n"
                       "Puis les déplacements se font en cliquant-déposant.\r\n"
                       "La dernière bille peut être positionnée n'importe où pour réussir.\r\n"
                       "Le solutionneur ne cherchera d'ailleurs pas à terminer au centre.\r\n"
                       "La sélection du ''Damier'' permet de s'aider de la ''règle du damier'' "
                       "pour débuter les parties."));
}

void TestFenetre::pointeurDesLiens() {
    for (const char* nom : {"Label2", "Label4", "Label5", "Label6"}) {
        const QCursor pointeur = Controle(f(), QString::fromLatin1(nom))->cursor();
        QCOMPARE(pointeur.shape(), Qt::BitmapCursor);
        QVERIFY(!pointeur.pixmap().isNull());
    }
    QCOMPARE(Controle(f(), "Label3")->cursor().shape(), Qt::ArrowCursor);
}

void TestFenetre::dossierDesParties() {
    const auto racine = [](const QWidget& fenetre) {
        const auto* liste = Controle<QListView>(fenetre, "File1");
        const auto* modele = qobject_cast<const QFileSystemModel*>(liste->model());
        return modele->filePath(liste->rootIndex());
    };
    QCOMPARE(racine(f()), QCoreApplication::applicationDirPath());
    QTemporaryDir dossier;
    const marbello::FMarbello autre(dossier.path());
    QCOMPARE(autre.DossierParties(), dossier.path());
    QCOMPARE(racine(autre), dossier.path());
}

void TestFenetre::controleAffichage_data() {
    QTest::addColumn<double>("pointsParPouce");
    QTest::addColumn<float>("twips");
    QTest::addColumn<QMessageBox::StandardButton>("reponse");
    QTest::newRow("96 dpi") << 96.0 << 15.0F << QMessageBox::NoButton;
    QTest::newRow("120 dpi, OK") << 120.0 << 12.0F << QMessageBox::Ok;
    QTest::newRow("120 dpi, Cancel") << 120.0 << 12.0F << QMessageBox::Cancel;
    QTest::newRow("144 dpi") << 144.0 << 10.0F << QMessageBox::Ok;
    QTest::newRow("97 dpi") << 97.0 << static_cast<float>(1440.0 / 97.0) << QMessageBox::Ok;
}

// The refusal: a modal critical box, either button ends the program (the check returns false).
void TestFenetre::controleAffichage() {
    QFETCH(double, pointsParPouce);
    QFETCH(float, twips);
    QFETCH(QMessageBox::StandardButton, reponse);
    QCOMPARE(marbello::TwipsParPixel(pointsParPouce), twips);

    QString titre;
    QString texte;
    QMessageBox::Icon icone = QMessageBox::NoIcon;
    QMessageBox::StandardButtons boutons;
    bool modale = false;
    QTimer guet;
    connect(&guet, &QTimer::timeout, this, [&] {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (boite == nullptr) {
            return;
        }
        guet.stop();
        titre = boite->windowTitle();
        texte = boite->text();
        icone = boite->icon();
        boutons = boite->standardButtons();
        modale = boite->isModal();
        boite->button(reponse)->click();
    });
    guet.start(10);
    const bool accepte = marbello::VerifierAffichage(pointsParPouce);
    guet.stop();

    QCOMPARE(accepte, reponse == QMessageBox::NoButton);
    if (accepte) {
        QVERIFY(titre.isEmpty());
        return;
    }
    QCOMPARE(titre, QStringLiteral("Marbello"));
    QCOMPARE(texte, TexteRefus);
    QCOMPARE(icone, QMessageBox::Critical);
    QCOMPARE(boutons, QMessageBox::Ok | QMessageBox::Cancel);
    QVERIFY(modale);
}

QTEST_MAIN(TestFenetre)
#include "test_fenetre.moc"
