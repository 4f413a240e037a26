// The real program under an X server without a window manager, with the real X pointer: what the
// message line shows once the help panel closes, the waste bin under a double click, and the
// tool-tips before any click.

#include "ServeurX.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using serveurx::CentreTrou;
using serveurx::Clarte;

namespace {

const QString Titre = QStringLiteral("Jeu du Marbello");
const QRect LigneMessage(139, 352, 123, 32); // Label3
const QPoint Aide(389, 51);
const QPoint Depart(373, 383);
const QPoint Reculer(367, 351);
const QPoint Fermer(81 + 82 + 39, 83 + 211 + 11);

} // namespace

class TestX11Panneaux : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void messageEcritSousLAide();
    void doubleClicSurLaCorbeille();
    void bulleSansClicPrealable();

private:
    bool Lancer();
    QPoint AEcran(QPoint dansFenetre) const { return place_.topLeft() + dansFenetre; }
    void Souris(const QStringList& actions) { QVERIFY(serveurx::Xdotool(actions)); }
    void Cliquer(QPoint dansFenetre, int fois = 1, int delai = 120) {
        const QPoint point = AEcran(dansFenetre);
        Souris({QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y()),
                QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(fois),
                QStringLiteral("--delay"), QString::number(delai), QStringLiteral("1")});
    }
    void Jouer(QPoint depuis, QPoint vers) {
        const QPoint a = AEcran(depuis);
        const QPoint b = AEcran(vers);
        Souris({QStringLiteral("mousemove"), QString::number(a.x()), QString::number(a.y()),
                QStringLiteral("mousedown"), QStringLiteral("1"), QStringLiteral("mousemove"),
                QString::number((a.x() + b.x()) / 2), QString::number((a.y() + b.y()) / 2),
                QStringLiteral("mousemove"), QString::number(b.x()), QString::number(b.y()),
                QStringLiteral("mouseup"), QStringLiteral("1")});
    }
    bool Bille(int x, int y) const {
        return Clarte(serveurx::Capture(), AEcran(CentreTrou(x, y))) > 150;
    }
    QImage Message() const {
        return serveurx::Capture().copy(LigneMessage.translated(place_.topLeft()));
    }

    serveurx::ServeurX serveur_;
    std::unique_ptr<QTemporaryDir> dossier_;
    QProcess programme_;
    QRect place_;
};

void TestX11Panneaux::initTestCase() {
    QVERIFY2(QFileInfo(serveurx::Executable()).isExecutable(), qPrintable(serveurx::Executable()));
    QVERIFY2(serveur_.Demarrer(), "no X server");
}

// A copy of the program in a folder of its own, where it keeps its saved games. Now and then the
// X server refuses a new client its connection; another try gets in.
bool TestX11Panneaux::Lancer() {
    const QString copie = dossier_->filePath(QStringLiteral("marbello"));
    if (!QFile::copy(serveurx::Executable(), copie)) {
        return false;
    }
    for (int essai = 0; essai < 3; ++essai) {
        programme_.start(copie, {});
        QElapsedTimer duree;
        duree.start();
        while (duree.elapsed() < 10000 && programme_.state() != QProcess::NotRunning) {
            const QStringList fenetres = serveurx::Fenetres(Titre);
            if (fenetres.size() == 1) {
                place_ = serveurx::Geometrie(fenetres.constFirst()).value_or(QRect());
                return true;
            }
            QTest::qWait(50);
        }
        programme_.waitForFinished(1000);
    }
    return false;
}

void TestX11Panneaux::init() {
    dossier_ = std::make_unique<QTemporaryDir>();
    for (const char* nom : {"a.Mbo", "b.Mbo"}) {
        QFile partie(dossier_->filePath(QLatin1String(nom)));
        QVERIFY(partie.open(QIODevice::WriteOnly) && partie.write("16\r\n") == 4);
    }
    QVERIFY(Lancer());
    QTRY_VERIFY_WITH_TIMEOUT(Bille(5, 5), 10000);
}

void TestX11Panneaux::cleanup() {
    programme_.kill();
    programme_.waitForFinished(3000);
    QTRY_VERIFY_WITH_TIMEOUT(serveurx::Fenetres(Titre).isEmpty(), 5000);
}

// What is written while the panel covers the board is what shows once it closes.
void TestX11Panneaux::messageEcritSousLAide() {
    const QImage choisissez = Message();
    Cliquer(CentreTrou(5, 5)); // the first hole: the line empties
    QTRY_VERIFY_WITH_TIMEOUT(!Bille(5, 5), 5000);
    Cliquer(Aide);
    Cliquer(Depart); // a new game under the panel
    Cliquer(Fermer);
    QTRY_VERIFY_WITH_TIMEOUT(Bille(5, 5), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(Message(), choisissez, 3000);

    Cliquer(CentreTrou(5, 5));
    Jouer(CentreTrou(5, 3), CentreTrou(5, 5));
    QTRY_VERIFY_WITH_TIMEOUT(!Bille(5, 3) && Message() != choisissez, 5000);
    const QImage reste31 = Message();
    Jouer(CentreTrou(7, 4), CentreTrou(5, 4));
    QTRY_VERIFY_WITH_TIMEOUT(!Bille(7, 4), 5000);
    Cliquer(Aide);
    Cliquer(Reculer); // an undo under the panel
    Cliquer(Fermer);
    QTRY_VERIFY_WITH_TIMEOUT(Bille(7, 4), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(Message(), reste31, 3000);
}

// The first click deletes the chosen game; the second finds nothing chosen.
void TestX11Panneaux::doubleClicSurLaCorbeille() {
    Cliquer(QPoint(417, 283));
    QTest::qWait(500);
    Cliquer(QPoint(81 + 49 + 40, 83 + 102 + 8));
    Cliquer(QPoint(81 + 203 + 12, 83 + 137 + 16), 2, 300);
    QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(dossier_->filePath(QStringLiteral("a.Mbo"))), 5000);
    QTest::qWait(500);
    QVERIFY(QFile::exists(dossier_->filePath(QStringLiteral("b.Mbo"))));
}

// A session without a window manager gives the window no focus of its own.
void TestX11Panneaux::bulleSansClicPrealable() {
    const QString pid = QString::number(programme_.processId());
    const QStringList recherche{QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                QStringLiteral("--pid"), pid};
    QCOMPARE(serveurx::Xdotool(recherche).value_or(QString()).split(QLatin1Char('\n')).size(), 1);
    const QPoint go = AEcran(Depart);
    Souris({QStringLiteral("mousemove"), QString::number(go.x()), QString::number(go.y()),
            QStringLiteral("mousemove_relative"), QStringLiteral("2"), QStringLiteral("1")});
    QTRY_COMPARE_WITH_TIMEOUT(
        serveurx::Xdotool(recherche).value_or(QString()).split(QLatin1Char('\n')).size(), 2, 5000);
}

QTEST_GUILESS_MAIN(TestX11Panneaux)
#include "test_x11_panneaux.moc"
