// The real program under an X server, with the real X pointer (xdotool) and read back from
// screenshots: the shaped window, the first marble, a jump by drag and drop, undo and redo, the
// help panel, saving and opening through the panel, moving the window by its body, quitting, and
// the refusal of a display that is not at 15 twips per pixel.

#include "ServeurX.h"

#include <QColor>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

using serveurx::CentreTrou;
using serveurx::Clarte;
using serveurx::Executable;

namespace {

const QString Titre = QStringLiteral("Jeu du Marbello");

QString Souris(const QStringList& actions) {
    return serveurx::Xdotool(actions).value_or(QStringLiteral("<echec>"));
}

// The press, moves and release of a drag with the button held all the way.
QStringList Glisser(QPoint depart, QPoint arrivee) {
    QStringList geste{QStringLiteral("mousemove"), QString::number(depart.x()),
                      QString::number(depart.y()), QStringLiteral("mousedown"),
                      QStringLiteral("1")};
    for (int pas = 1; pas <= 4; ++pas) {
        const QPoint point = depart + (arrivee - depart) * pas / 4;
        geste << QStringLiteral("sleep") << QStringLiteral("0.05") << QStringLiteral("mousemove")
              << QString::number(point.x()) << QString::number(point.y());
    }
    geste << QStringLiteral("sleep") << QStringLiteral("0.05") << QStringLiteral("mouseup")
          << QStringLiteral("1");
    return geste;
}

} // namespace

class TestX11Jeu : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void fenetreDecoupeeEtCentree();
    void jouerALaSourisReelle();
    void annulerAideEnregistrerOuvrir();
    void deplacerParLeCorps();
    void quitterTermineLeProgramme();
    void affichageRefuse_data();
    void affichageRefuse();

private:
    bool Lancer(const QProcessEnvironment& environnement, const QString& nom,
                const QString& executable = Executable());
    void Cliquer(QPoint dansFenetre, int fois = 1) {
        const QPoint point = AEcran(dansFenetre);
        Souris({QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y()),
                QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(fois),
                QStringLiteral("--delay"), QStringLiteral("120"), QStringLiteral("1")});
    }
    QPoint AEcran(QPoint dansFenetre) const { return place_.topLeft() + dansFenetre; }
    bool Bille(const QImage& ecran, int x, int y) const {
        return Clarte(ecran, AEcran(CentreTrou(x, y))) > 150;
    }
    bool Trou(const QImage& ecran, int x, int y) const {
        return Clarte(ecran, AEcran(CentreTrou(x, y))) < 90;
    }

    serveurx::ServeurX serveur_;
    QProcess programme_;
    QString fenetre_;
    QRect place_;
};

void TestX11Jeu::initTestCase() {
    QVERIFY2(QFileInfo(Executable()).isExecutable(), qPrintable(Executable()));
    QVERIFY2(serveur_.Demarrer(), "no X server");
}

// Starts the program and waits for its window of that name. Now and then the X server refuses
// a new client its connection (the program then ends at once, saying so); another try gets in.
bool TestX11Jeu::Lancer(const QProcessEnvironment& environnement, const QString& nom,
                        const QString& executable) {
    programme_.setProcessEnvironment(environnement);
    programme_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    for (int essai = 0; essai < 3; ++essai) {
        programme_.start(executable, {});
        if (!programme_.waitForStarted()) {
            return false;
        }
        QElapsedTimer duree;
        duree.start();
        while (duree.elapsed() < 10000 && programme_.state() == QProcess::Running) {
            if (serveurx::Fenetres(nom).size() == 1) {
                return true;
            }
            QTest::qWait(50);
        }
        programme_.waitForFinished(1000);
    }
    return false;
}

void TestX11Jeu::init() {
    const QByteArray test(QTest::currentTestFunction());
    if (test == "affichageRefuse" || test == "annulerAideEnregistrerOuvrir") {
        return;
    }
    QVERIFY(Lancer(QProcessEnvironment::systemEnvironment(), Titre));
    fenetre_ = serveurx::Fenetres(Titre).constFirst();
    const auto place = serveurx::Geometrie(fenetre_);
    QVERIFY(place.has_value());
    place_ = *place;
    // The board is painted once every marble shows.
    QTRY_VERIFY_WITH_TIMEOUT(Bille(serveurx::Capture(), 5, 5), 10000);
}

void TestX11Jeu::cleanup() {
    if (programme_.state() != QProcess::NotRunning) {
        programme_.kill();
        programme_.waitForFinished(3000);
    }
    // The server lets a new client in only once it has let the old one go.
    QTRY_VERIFY_WITH_TIMEOUT(serveurx::Fenetres(Titre).isEmpty(), 5000);
}

void TestX11Jeu::fenetreDecoupeeEtCentree() {
    QCOMPARE(place_.size(), QSize(439, 400));
    const auto ecran = serveurx::Xdotool({QStringLiteral("getdisplaygeometry")});
    QVERIFY(ecran.has_value());
    const QStringList taille = ecran->split(QLatin1Char(' '));
    QCOMPARE(place_.left(), (taille[0].toInt() - 439) / 2);
    QCOMPARE(place_.top(), (taille[1].toInt() - 400) / 2);

    const QImage image = serveurx::Capture();
    // Cut away: the skin's grey never reaches the screen, the root window shows through.
    const QRgb gris = qRgb(128, 128, 128);
    for (const QPoint point : {QPoint(0, 0), QPoint(420, 34), QPoint(438, 200), QPoint(2, 398)}) {
        QVERIFY2(image.pixel(AEcran(point)) != gris,
                 qPrintable(QStringLiteral("%1,%2").arg(point.x()).arg(point.y())));
    }
    const QColor disque = image.pixelColor(AEcran(QPoint(40, 200)));
    QVERIFY(disque.blue() > 2 * disque.red() && disque.blue() > 60);
    // Every marble on its hole.
    for (int y = 2; y <= 8; ++y) {
        for (int x = 2; x <= 8; ++x) {
            if ((x >= 4 && x <= 6) || (y >= 4 && y <= 6)) {
                QVERIFY2(Bille(image, x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        }
    }
}

void TestX11Jeu::jouerALaSourisReelle() {
    const QPoint premiere = AEcran(CentreTrou(2, 5));
    Souris({QStringLiteral("mousemove"), QString::number(premiere.x()),
            QString::number(premiere.y()), QStringLiteral("click"), QStringLiteral("1")});
    QTRY_VERIFY_WITH_TIMEOUT(Trou(serveurx::Capture(), 2, 5), 5000);
    QVERIFY(Bille(serveurx::Capture(), 3, 5));

    // The jump from (4, 5) over (3, 5) to (2, 5).
    Souris(Glisser(AEcran(CentreTrou(4, 5)), premiere));
    QTRY_VERIFY_WITH_TIMEOUT(Trou(serveurx::Capture(), 4, 5), 5000);
    const QImage image = serveurx::Capture();
    QVERIFY(Trou(image, 3, 5));
    QVERIFY(Bille(image, 2, 5));
    QVERIFY(Bille(image, 5, 5));
}

// A whole game through the real pointer and keyboard. The program runs from a folder of its own,
// where it keeps its saved games.
void TestX11Jeu::annulerAideEnregistrerOuvrir() {
    QTemporaryDir dossier;
    QVERIFY(dossier.isValid());
    const QString copie = dossier.filePath(QStringLiteral("marbello"));
    QVERIFY(QFile::copy(Executable(), copie));
    QVERIFY(Lancer(QProcessEnvironment::systemEnvironment(), Titre, copie));
    fenetre_ = serveurx::Fenetres(Titre).constFirst();
    place_ = serveurx::Geometrie(fenetre_).value_or(QRect());
    QTRY_VERIFY_WITH_TIMEOUT(Bille(serveurx::Capture(), 5, 5), 10000);

    // The centre as first hole, then (5, 3) over (5, 4) into it.
    Cliquer(CentreTrou(5, 5));
    QTRY_VERIFY_WITH_TIMEOUT(Trou(serveurx::Capture(), 5, 5), 5000);
    Souris(Glisser(AEcran(CentreTrou(5, 3)), AEcran(CentreTrou(5, 5))));
    QTRY_VERIFY_WITH_TIMEOUT(Bille(serveurx::Capture(), 5, 5), 5000);
    QVERIFY(Trou(serveurx::Capture(), 5, 3));

    const QPoint reculer(367, 351);
    const QPoint avancer(409, 351);
    Cliquer(reculer);
    QTRY_VERIFY_WITH_TIMEOUT(Trou(serveurx::Capture(), 5, 5), 5000);
    QVERIFY(Bille(serveurx::Capture(), 5, 3));
    QVERIFY(Bille(serveurx::Capture(), 5, 4));
    Cliquer(avancer);
    QTRY_VERIFY_WITH_TIMEOUT(Bille(serveurx::Capture(), 5, 5), 5000);
    QVERIFY(Trou(serveurx::Capture(), 5, 4));

    // The help panel covers the board; "Fermer" uncovers it.
    Cliquer(QPoint(389, 51));
    QTRY_VERIFY_WITH_TIMEOUT(Trou(serveurx::Capture(), 2, 5), 5000);
    QVERIFY(Trou(serveurx::Capture(), 5, 8));
    Cliquer(QPoint(81 + 82 + 39, 83 + 211 + 11));
    QTRY_VERIFY_WITH_TIMEOUT(Bille(serveurx::Capture(), 2, 5), 5000);

    // Save under a typed name, over the proposed date.
    Cliquer(QPoint(418, 117));
    QTest::qWait(300);
    QVERIFY(serveurx::Xdotool({QStringLiteral("type"), QStringLiteral("--delay"),
                               QStringLiteral("30"), QStringLiteral("essai")}));
    Cliquer(QPoint(81 + 13 + 55, 83 + 195 + 13));
    const QString sauvegarde = dossier.filePath(QStringLiteral("essai.Mbo"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(sauvegarde), 5000);
    QFile fichier(sauvegarde);
    QVERIFY(fichier.open(QIODevice::ReadOnly));
    QByteArray attendu;
    for (int k = 0; k < 33; ++k) {
        if (k != 4 && k != 9) {
            attendu += QByteArray::number(k) + "\r\n";
        }
    }
    QCOMPARE(fichier.readAll(), attendu);

    // A new game, then the saved one opened by a double click in the list.
    Cliquer(QPoint(373, 383));
    QTRY_VERIFY_WITH_TIMEOUT(Bille(serveurx::Capture(), 5, 3), 5000);
    Cliquer(QPoint(417, 283));
    QTest::qWait(500);
    Cliquer(QPoint(81 + 49 + 40, 83 + 102 + 8), 2);
    QTRY_VERIFY_WITH_TIMEOUT(Trou(serveurx::Capture(), 5, 3), 5000);
    const QImage ouverte = serveurx::Capture();
    QVERIFY(Trou(ouverte, 5, 4));
    QVERIFY(Bille(ouverte, 5, 5));
    QVERIFY(Bille(ouverte, 2, 5));
}

// No window manager here: the system move is refused and the window follows the pointer itself.
void TestX11Jeu::deplacerParLeCorps() {
    const QPoint corps = AEcran(QPoint(40, 200));
    const QPoint ecart(60, 40);
    QStringList geste{QStringLiteral("mousemove"), QString::number(corps.x()),
                      QString::number(corps.y()), QStringLiteral("mousedown"), QStringLiteral("1")};
    for (int pas = 1; pas <= 4; ++pas) {
        const QPoint point = corps + ecart * pas / 4;
        geste << QStringLiteral("sleep") << QStringLiteral("0.05") << QStringLiteral("mousemove")
              << QString::number(point.x()) << QString::number(point.y());
    }
    geste << QStringLiteral("sleep") << QStringLiteral("0.1") << QStringLiteral("mouseup")
          << QStringLiteral("1");
    Souris(geste);
    QTRY_COMPARE_WITH_TIMEOUT(serveurx::Geometrie(fenetre_).value_or(QRect()).topLeft(),
                              place_.topLeft() + ecart, 5000);

    // A press on a button label does not move the window.
    place_ = *serveurx::Geometrie(fenetre_);
    const QPoint damier = AEcran(QPoint(404, 84));
    Souris({QStringLiteral("mousemove"), QString::number(damier.x()), QString::number(damier.y()),
            QStringLiteral("mousedown"), QStringLiteral("1"), QStringLiteral("mousemove"),
            QString::number(damier.x() + 50), QString::number(damier.y() + 50),
            QStringLiteral("mouseup"), QStringLiteral("1")});
    QTest::qWait(300);
    QCOMPARE(serveurx::Geometrie(fenetre_).value_or(QRect()).topLeft(), place_.topLeft());
}

void TestX11Jeu::quitterTermineLeProgramme() {
    const QPoint quitter = AEcran(QPoint(405, 318));
    Souris({QStringLiteral("mousemove"), QString::number(quitter.x()), QString::number(quitter.y()),
            QStringLiteral("click"), QStringLiteral("1")});
    QVERIFY(programme_.waitForFinished(5000));
    QCOMPARE(programme_.exitStatus(), QProcess::NormalExit);
    QCOMPARE(programme_.exitCode(), 0);
    QVERIFY(serveurx::Fenetres(Titre).isEmpty());
}

// Qt keeps 96 dpi and scales instead; forcing 120 dpi without scaling reaches the refusal.
void TestX11Jeu::affichageRefuse_data() {
    QTest::addColumn<QString>("touche");
    QTest::newRow("OK") << "Return";
    QTest::newRow("Cancel") << "Escape";
}

void TestX11Jeu::affichageRefuse() {
    QFETCH(QString, touche);
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.insert(QStringLiteral("QT_ENABLE_HIGHDPI_SCALING"), QStringLiteral("0"));
    environnement.insert(QStringLiteral("QT_FONT_DPI"), QStringLiteral("120"));
    QVERIFY(Lancer(environnement, QStringLiteral("Marbello")));
    QVERIFY(serveurx::Fenetres(Titre).isEmpty());
    const QString boite = serveurx::Fenetres(QStringLiteral("Marbello")).constFirst();
    QVERIFY(serveurx::Xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), boite}));
    QVERIFY(serveurx::Xdotool({QStringLiteral("key"), touche}));

    QVERIFY(programme_.waitForFinished(5000));
    QCOMPARE(programme_.exitStatus(), QProcess::NormalExit);
    QCOMPARE(programme_.exitCode(), 0);
    QVERIFY(serveurx::Fenetres(Titre).isEmpty());
}

QTEST_GUILESS_MAIN(TestX11Jeu)
#include "test_x11_jeu.moc"
