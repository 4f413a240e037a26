// The button bar: bold under the mouse, the help panel over the board and what it puts aside,
// and the help links handed to the desktop.

#include "OutilsFenetre.h"

#include <QDesktopServices>
#include <QFrame>
#include <QPushButton>
#include <QUrl>
#include <memory>

using outils::Bouton;
using outils::Message;

namespace {

// Collects the addresses the program asks the desktop to open, instead of opening them.
class Bureau : public QObject {
    Q_OBJECT

public:
    QList<QUrl> ouvertes;

public slots:
    void ouvrir(const QUrl& adresse) { ouvertes.append(adresse); }
};

QList<int> EnGras(const QWidget& f) {
    QList<int> gras;
    for (int i = 0; i < 7; ++i) {
        if (Bouton(f, i)->font().bold()) {
            gras.append(i);
        }
    }
    return gras;
}

} // namespace

class TestBoutons : public QObject {
    Q_OBJECT

private slots:
    void init() { ecran_ = std::make_unique<outils::FenetreMontree>(); }
    void cleanup() { ecran_.reset(); }

    void grasSousLaSouris();
    void pointsDAttenteHorsDuCorps();
    void aideCouvreLePlateauPuisLeRend_data();
    void aideCouvreLePlateauPuisLeRend();
    void aideSansEffetSousLePanneauFichiers();
    void liensOuvertsParLeBureau_data();
    void liensOuvertsParLeBureau();

private:
    marbello::FMarbello& f() { return ecran_->fenetre; }
    std::unique_ptr<outils::FenetreMontree> ecran_;
};

void TestBoutons::grasSousLaSouris() {
    QVERIFY(EnGras(f()).isEmpty());
    const QPoint corps(40, 200); // on the disc, where no control lies
    const QPoint bille = outils::Centre(f(), outils::Bille(f(), 16));

    outils::Bouger(f(), outils::Centre(f(), Bouton(f(), 3)));
    QCOMPARE(EnGras(f()), QList<int>{3});
    outils::Bouger(f(), outils::Centre(f(), Bouton(f(), 5)));
    QCOMPARE(EnGras(f()), QList<int>{5});
    outils::Bouger(f(), outils::Centre(f(), Bouton(f(), 6))); // straight onto its neighbour
    QCOMPARE(EnGras(f()), QList<int>{6});
    outils::Bouger(f(), bille); // other controls change nothing
    QCOMPARE(EnGras(f()), QList<int>{6});
    outils::Bouger(f(), corps);
    QVERIFY(EnGras(f()).isEmpty());
    outils::Bouger(f(), outils::Centre(f(), Bouton(f(), 0)));
    QCOMPARE(EnGras(f()), QList<int>{0});
}

// The waiting dots belong to their frame, not to the window's body: pressing one moves nothing.
void TestBoutons::pointsDAttenteHorsDuCorps() {
    outils::Controle(f(), "Frame5")->show();
    const QPoint point = outils::Centre(f(), outils::Controle(f(), "SHwait0"));
    const QPoint place = f().pos();
    outils::Presser(f(), point);
    outils::Bouger(f(), point + QPoint(30, 20));
    outils::Lacher(f(), point + QPoint(30, 20));
    QCOMPARE(f().pos(), place);
}

// With and without the waiting indicator shown (as during a search).
void TestBoutons::aideCouvreLePlateauPuisLeRend_data() {
    QTest::addColumn<bool>("indicateur");
    QTest::addColumn<bool>("parFermer");
    QTest::newRow("closed by the label") << false << false;
    QTest::newRow("closed by Fermer") << false << true;
    QTest::newRow("indicator shown") << true << false;
}

void TestBoutons::aideCouvreLePlateauPuisLeRend() {
    QFETCH(bool, indicateur);
    QFETCH(bool, parFermer);
    auto* aide = outils::Controle(f(), "FraAIDE");
    auto* disque = outils::Controle(f(), "Shape1");
    auto* attente = outils::Controle(f(), "Frame5");
    attente->setVisible(indicateur);
    const QString message = Message(f());
    QCOMPARE(message, QStringLiteral("Choisissez une bille à retirer"));

    outils::Cliquer(f(), Bouton(f(), 2));
    QVERIFY(aide->isVisible());
    QVERIFY(disque->isVisible());
    QCOMPARE(disque->geometry(), QRect(44, 53, 308, 299));
    QVERIFY(!attente->isVisible());
    QCOMPARE(Message(f()), QString());
    // The navy disc hides every hole the panel leaves uncovered.
    for (int k = 0; k < marbello::NbTrous; ++k) {
        const QPoint centre = outils::Centre(f(), outils::Bille(f(), k));
        QCOMPARE(f().childAt(centre) == disque || aide->geometry().contains(centre), true);
    }

    if (parFermer) {
        outils::Cliquer(f(), outils::Controle(f(), "Command1"));
    } else {
        outils::Cliquer(f(), Bouton(f(), 2));
    }
    QVERIFY(!aide->isVisible());
    QVERIFY(!disque->isVisible());
    QCOMPARE(attente->isVisible(), indicateur);
    QCOMPARE(Message(f()), message);
}

void TestBoutons::aideSansEffetSousLePanneauFichiers() {
    outils::Controle(f(), "FraOpenClose")->show();
    outils::Cliquer(f(), Bouton(f(), 2));
    QVERIFY(!outils::Controle(f(), "FraAIDE")->isVisible());
    QVERIFY(!outils::Controle(f(), "Shape1")->isVisible());
    QCOMPARE(Message(f()), QStringLiteral("Choisissez une bille à retirer"));
}

void TestBoutons::liensOuvertsParLeBureau_data() {
    QTest::addColumn<QString>("lien");
    QTest::addColumn<QUrl>("adresse");
    QTest::newRow("article") << "Label6"
                             << QUrl(QStringLiteral(
                                    "https://ludopolis.example.org/articles/marbello"));
    QTest::newRow("author's site")
        << "Label4" << QUrl(QStringLiteral("https://auteur.example.org/"));
    QTest::newRow("e-mail") << "Label2"
                            << QUrl(QStringLiteral(
                                   "mailto:auteur@example.org?subject=Marbello V1.0"));
}

void TestBoutons::liensOuvertsParLeBureau() {
    QFETCH(QString, lien);
    QFETCH(QUrl, adresse);
    Bureau bureau;
    for (const char* schema : {"https", "mailto"}) {
        QDesktopServices::setUrlHandler(QString::fromLatin1(schema), &bureau, "ouvrir");
    }
    outils::Cliquer(f(), Bouton(f(), 2));
    outils::Cliquer(f(), outils::Controle(f(), lien));
    for (const char* schema : {"https", "mailto"}) {
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(schema));
    }
    QCOMPARE(bureau.ouvertes, QList<QUrl>{adresse});
    QCOMPARE(adresse.query(QUrl::FullyDecoded).endsWith(QStringLiteral("V1.0")),
             adresse.scheme() == QStringLiteral("mailto"));
    QVERIFY(outils::Controle(f(), "FraAIDE")->isVisible()); // the panel stays open
}

QTEST_MAIN(TestBoutons)
#include "test_boutons.moc"
