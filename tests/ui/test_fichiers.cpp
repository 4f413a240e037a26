// The open and save panel as the player uses it: saving and opening games through the panel, the
// list of the saved-games folder, deletion, the proposed name, the panel's modes, the build mode,
// and what is told on the message line when a name, a folder or a file is refused.

#include "OutilsFenetre.h"
#include "OutilsFichiers.h"
#include "model/FichierPartie.h"
#include "model/Partie.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileSystemModel>
#include <QFrame>
#include <QLineEdit>
#include <QListView>
#include <QMap>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

using marbello::Cellule;
using marbello::FMarbello;
using outils::Contenu;
using outils::Ecran;
using outils::Ecrire;
using outils::Etat;
using outils::Message;

namespace {

const char* const PlateauPlein = "ooo/ooo/ooooooo/ooooooo/ooooooo/ooo/ooo";
const char* const Apres1 = "ooo/o.o/ooo.ooo/ooooooo/ooooooo/ooo/ooo"; // centre opening, one jump
const char* const Apres2 = "ooo/o.o/oooo..o/ooooooo/ooooooo/ooo/ooo";
const char* const Apres3 = "ooo/o.o/oooo.oo/ooooo.o/ooooo.o/ooo/ooo";

const QString kCaractereInterdit = QString::fromUtf8("Caractère interdit dans le nom.");
const QString kNomRefuse = QString::fromUtf8("Nom de fichier refusé.");
const QString kImpossible = QStringLiteral("Enregistrement impossible.");

QString Trous(const QList<int>& numeros) {
    marbello::Billes billes;
    for (const int k : numeros) {
        billes.set(static_cast<size_t>(k));
    }
    return outils::Texte(marbello::GrilleDepuisBilles(billes));
}

enum class Panne { DossierEnLecture, DossierSousUnFichier, DossierAuNomDeLaPartie };
enum class Action { Ouvrir, DoubleClic, Corbeille, Construire, Enregistrer, Ok, Retrait, Ajout };

} // namespace

Q_DECLARE_METATYPE(Panne)
Q_DECLARE_METATYPE(Action)

class TestFichiers : public QObject {
    Q_OBJECT

private:
    // racine/parties is the saved-games folder, so that racine shows anything written beside it.
    std::unique_ptr<QTemporaryDir> temporaire_;
    QString racine_;
    QString dossier_;
    std::unique_ptr<FMarbello> fenetre_;

    FMarbello& f() { return *fenetre_; }
    QString Racine(const char* nom) const {
        return racine_ + QLatin1Char('/') + QLatin1String(nom);
    }
    QString Partie(const QString& nom) const { return dossier_ + QLatin1Char('/') + nom; }

    template <class T = QWidget> T* C(const char* nom) {
        return outils::Controle<T>(f(), QString::fromLatin1(nom));
    }
    QListView* Liste() { return C<QListView>("File1"); }
    QLineEdit* Texte1() { return C<QLineEdit>("Text1"); }
    QString Tag() { return C<QLabel>("Label3")->property("Tag").toString(); }
    bool Visible(const char* nom) { return C(nom)->isVisibleTo(&f()); }

    void Fenetre(const QString& dossier) {
        fenetre_.reset();
        fenetre_ = std::make_unique<FMarbello>(dossier);
        f().Aujourdhui = [] { return QDate(2026, 12, 5); };
        f().show();
        f().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f()));
    }

    void Cliquer(const char* nom) { outils::Cliquer(f(), C(nom)); }
    void Icone(int i) { outils::Cliquer(f(), C(i == 0 ? "Image1_0" : "Image1_1")); }
    void Jouer(Cellule depuis, Cellule vers) { outils::Glisser(f(), depuis, vers); }
    void Presser(Cellule c, Qt::MouseButton bouton) {
        const QPoint point = outils::Centre(f(), outils::Bille(f(), c));
        outils::Presser(f(), point, bouton);
        outils::Lacher(f(), point, bouton);
    }
    // Centre opening and one jump: "Il reste 31 billes." on the message line.
    void Commencer() {
        outils::Cliquer(f(), outils::Bouton(f(), 3));
        Jouer({5, 3}, {5, 5});
    }

    // The names the list shows, sorted.
    QStringList Noms() {
        QStringList noms;
        const QAbstractItemModel* modele = Liste()->model();
        const QModelIndex racine = Liste()->rootIndex();
        for (int i = 0; i < modele->rowCount(racine); ++i) {
            noms << modele->index(i, 0, racine).data().toString();
        }
        noms.sort();
        return noms;
    }
    // The row of nom once the list shows it and has laid it out; invalid after a wait in vain.
    QModelIndex Ligne(const QString& nom) {
        QModelIndex ligne;
        (void)QTest::qWaitFor([&] {
            const QAbstractItemModel* modele = Liste()->model();
            const QModelIndex racine = Liste()->rootIndex();
            for (int i = 0; i < modele->rowCount(racine); ++i) {
                const QModelIndex index = modele->index(i, 0, racine);
                if (index.data().toString() == nom && !Liste()->visualRect(index).isEmpty()) {
                    ligne = index;
                    return true;
                }
            }
            return false;
        });
        return ligne;
    }
    void Choisir(const QString& nom, bool doubleClic = false) {
        const QModelIndex ligne = Ligne(nom);
        QVERIFY2(ligne.isValid(), qPrintable(nom));
        const QPoint point = Liste()->visualRect(ligne).center();
        QTest::mouseClick(Liste()->viewport(), Qt::LeftButton, {}, point);
        if (doubleClic) {
            QTest::mouseDClick(Liste()->viewport(), Qt::LeftButton, {}, point);
        }
    }
    void Enregistrer(const QString& nom) {
        Icone(0);
        Texte1()->setText(nom); // as pasted: any character may arrive
        Cliquer("Command2");
    }
    void Ouvrir(const QString& nom) {
        Icone(1);
        Choisir(nom);
        Cliquer("Command2");
    }
    void Poser(const char* texte) {
        f().Jeu().Plateau = *marbello::GrilleDepuisTexte(texte);
        f().Jeu().PartieEnCours = true;
        f().Jeu().RepartirDeLaPosition();
        f().AfficherPlateau();
    }
    // The panel as the player sees it: its visible controls and the caption of Command2.
    QString Panneau() {
        QStringList vus;
        for (const char* nom : {"FraOpenClose", "File1", "Text1", "Command3", "Command4"}) {
            if (Visible(nom)) {
                vus << QString::fromLatin1(nom);
            }
        }
        if (Visible("FraOpenClose")) {
            vus << C<QPushButton>("Command2")->text();
        }
        return vus.join(QLatin1Char(' '));
    }

private slots:
    void init() {
        temporaire_ = std::make_unique<QTemporaryDir>();
        QVERIFY(temporaire_->isValid());
        racine_ = temporaire_->path();
        dossier_ = Racine("parties");
        QVERIFY(QDir().mkpath(dossier_));
        Fenetre(dossier_);
    }
    void cleanup() {
        fenetre_.reset();
        QFile::setPermissions(dossier_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        temporaire_.reset();
    }

    void saveThenOpenKeepsTheMarbles_data() {
        QTest::addColumn<QString>("position");
        QTest::addColumn<bool>("damier");
        QTest::addColumn<QString>("message");
        QTest::newRow("afterTheFirstJump") << Apres1 << false << "Il reste 31 billes.";
        QTest::newRow("checkerboard") << Apres1 << true << "Il reste 31 billes.";
        QTest::newRow("oneMarble") << ".../.../......./......./......./.../..o" << false
                                   << QString::fromUtf8("C'est terminé.");
        QTest::newRow("noMarble") << ".../.../......./......./......./.../..." << false
                                  << "Il reste 0 billes.";
    }
    void saveThenOpenKeepsTheMarbles() {
        QFETCH(QString, position);
        QFETCH(bool, damier);
        QFETCH(QString, message);
        Poser(position.toLatin1().constData());
        Enregistrer(QStringLiteral("partie"));
        QVERIFY(QFile::exists(Partie("partie.Mbo")));

        Poser(PlateauPlein);
        if (damier) {
            outils::Cliquer(f(), outils::Bouton(f(), 1));
        }
        Ouvrir(QStringLiteral("partie.Mbo"));

        QVERIFY(!Visible("FraOpenClose"));
        QCOMPARE(Ecran(f()), position);
        QCOMPARE(outils::Texte(f().Jeu().Plateau), position);
        QCOMPARE(Message(f()), message);
        QCOMPARE(Tag(), message);
        QVERIFY(f().Jeu().PartieEnCours);
        const QString teinte = outils::Teinte(f(), outils::Bille(f(), Cellule{4, 4}));
        if (f().Jeu().Plateau[Cellule{4, 4}] == marbello::CaseBille) {
            QCOMPARE(teinte, damier ? QStringLiteral("noire") : QStringLiteral("blanche"));
        }
    }

    void aDoubleClickOpensLikeOuvrir() {
        Ecrire(Partie("deux.Mbo"), "4\r\n16\r\n");
        Commencer();
        Icone(1);
        Choisir(QStringLiteral("deux.Mbo"), true);
        QVERIFY(!Visible("FraOpenClose"));
        QCOMPARE(Ecran(f()), Trous({4, 16}));
        QCOMPARE(Message(f()), QStringLiteral("Il reste 2 billes."));
    }

    void savedBytesListHolesInIncreasingOrderWithCrLf_data() {
        QTest::addColumn<QString>("position");
        QTest::addColumn<QByteArray>("octets");
        QTest::newRow("holes4and16") << Trous({4, 16}) << QByteArray("4\r\n16\r\n");
        QByteArray sansQuatreNiNeuf;
        for (int k = 0; k < marbello::NbTrous; ++k) {
            if (k != 4 && k != 9) {
                sansQuatreNiNeuf += QByteArray::number(k) + "\r\n";
            }
        }
        QTest::newRow("afterTheFirstJump") << Apres1 << sansQuatreNiNeuf;
    }
    void savedBytesListHolesInIncreasingOrderWithCrLf() {
        QFETCH(QString, position);
        QFETCH(QByteArray, octets);
        Poser(position.toLatin1().constData());
        Enregistrer(QStringLiteral("partie"));
        QCOMPARE(Contenu(Partie("partie.Mbo")), octets);
    }

    // The proposed name is replaced by what the player types.
    void aNameTypedOverTheProposalIsSavedAsTyped() {
        Commencer();
        Icone(0);
        QTest::keyClicks(Texte1(), QString::fromUtf8("Ma partie n°3"));
        Cliquer("Command2");
        QCOMPARE(Contenu(Partie(QString::fromUtf8("Ma partie n°3.Mbo"))).count('\n'), 31);
        Icone(1);
        QTRY_COMPARE(Noms(), QStringList{QString::fromUtf8("Ma partie n°3.Mbo")});
    }

    void aFullBoardSavesNothing() {
        const QString avant = Message(f());
        Enregistrer(QStringLiteral("plein"));
        QVERIFY(!Visible("FraOpenClose"));
        QCOMPARE(Etat(racine_), (QMap<QString, QByteArray>{{dossier_, "<dossier>"}}));
        QCOMPARE(Message(f()), avant);
        QCOMPARE(Ecran(f()), QString::fromLatin1(PlateauPlein));
    }

    void savingUnderAnExistingNameReplacesIt() {
        Ecrire(Partie("partie.Mbo"), "16\r\n");
        Poser(Trous({0, 32}).toLatin1().constData());
        Enregistrer(QStringLiteral("partie"));
        QCOMPARE(Contenu(Partie("partie.Mbo")), QByteArray("0\r\n32\r\n"));
        QCOMPARE(QDir(dossier_).entryList(QDir::Files | QDir::Hidden), QStringList{"partie.Mbo"});
        QCOMPARE(Message(f()), QStringLiteral("Il reste 2 billes."));
    }

    void refusedNamesAreToldAndWriteNothing_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("message"); // empty: the message of before comes back
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("blanks") << QStringLiteral("   ") << QStringLiteral("Nom de fichier vide.");
        QTest::newRow("dotDot") << QStringLiteral("..") << kNomRefuse;
        QTest::newRow("slash") << QStringLiteral("a/b") << kCaractereInterdit;
        QTest::newRow("parent") << QStringLiteral("../evasion") << kCaractereInterdit;
        QTest::newRow("absolute") << Racine("evasion") << kCaractereInterdit;
        QTest::newRow("tab") << QStringLiteral("a\tb") << kCaractereInterdit;
        QTest::newRow("201Bytes") << QString(201, QLatin1Char('a'))
                                  << QStringLiteral("Nom trop long.");
    }
    void refusedNamesAreToldAndWriteNothing() {
        QFETCH(QString, nom);
        QFETCH(QString, message);
        Commencer();
        const QString avant = Message(f());
        const auto etat = Etat(racine_);
        Enregistrer(nom);
        QCOMPARE(Etat(racine_), etat);
        QVERIFY(!Visible("FraOpenClose"));
        const QString attendu = message.isEmpty() ? avant : message;
        QCOMPARE(Message(f()), attendu);
        // Still there after another panel has come and gone.
        Icone(1);
        Cliquer("Command6");
        QCOMPARE(Message(f()), attendu);
    }

    void aFailedSaveIsToldAndLosesNothing_data() {
        QTest::addColumn<Panne>("panne");
        QTest::newRow("readOnlyFolder") << Panne::DossierEnLecture;
        QTest::newRow("folderUnderAFile") << Panne::DossierSousUnFichier;
        QTest::newRow("folderInTheWay") << Panne::DossierAuNomDeLaPartie;
    }
    void aFailedSaveIsToldAndLosesNothing() {
        QFETCH(Panne, panne);
        switch (panne) {
        case Panne::DossierEnLecture:
            Ecrire(Partie("partie.Mbo"), "4\r\n");
            QVERIFY(QFile::setPermissions(dossier_, QFile::ReadOwner | QFile::ExeOwner));
            if (QFile sonde(Partie("sonde")); sonde.open(QIODevice::WriteOnly)) {
                sonde.remove();
                QSKIP("this user writes through permission bits (root)");
            }
            break;
        case Panne::DossierSousUnFichier:
            Ecrire(Racine("fichier"), "x");
            Fenetre(Racine("fichier/parties"));
            break;
        case Panne::DossierAuNomDeLaPartie:
            QVERIFY(QDir().mkpath(Partie("partie.Mbo")));
            Ecrire(Partie("partie.Mbo/dedans"), "garde-moi");
            break;
        }
        Commencer();
        const auto etat = Etat(racine_);
        Enregistrer(QStringLiteral("partie"));
        QCOMPARE(Etat(racine_), etat);
        QVERIFY(!Visible("FraOpenClose"));
        QCOMPARE(Message(f()), kImpossible);
        QCOMPARE(Tag(), kImpossible);
        QCOMPARE(Ecran(f()), QString::fromLatin1(Apres1));
    }

    // Files that vanish or turn into something else between the listing and the opening.
    void anUnreadableFileIsToldAndKeepsTheBoard_data() {
        QTest::addColumn<bool>("dossier");
        QTest::addColumn<QString>("message");
        QTest::newRow("removed") << false << QStringLiteral("Cette partie n'existe plus.");
        QTest::newRow("nowAFolder") << true << QStringLiteral("Partie illisible.");
    }
    void anUnreadableFileIsToldAndKeepsTheBoard() {
        QFETCH(bool, dossier);
        QFETCH(QString, message);
        Ecrire(Partie("partie.Mbo"), "16\r\n");
        Commencer();
        Jouer({3, 4}, {5, 4});
        Icone(1);
        Choisir(QStringLiteral("partie.Mbo"));
        QVERIFY(QFile::remove(Partie("partie.Mbo")));
        if (dossier) {
            QVERIFY(QDir().mkpath(Partie("partie.Mbo")));
        }
        // At once, before the list hears of the change.
        C<QPushButton>("Command2")->click();

        QVERIFY(!Visible("FraOpenClose"));
        QCOMPARE(Ecran(f()), QStringLiteral("ooo/o.o/o..oooo/ooooooo/ooooooo/ooo/ooo"));
        QCOMPARE(Message(f()), message);
        QCOMPARE(Tag(), message);
        QCOMPARE(f().Jeu().CoupMax(), 2);
        QCOMPARE(f().Jeu().CoupCourant(), 2);
    }

    // Every field rule is the reader's; here the whole board and the message follow the file.
    void hostileFilesLoadAsTheFieldRulesSay_data() {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QList<int>>("trous");
        QTest::addColumn<QString>("message");
        QTest::newRow("blankLineBetween")
            << QByteArray("16\r\n\r\n4\r\n") << QList<int>{4, 16} << "Il reste 2 billes.";
        QTest::newRow("binary") << QByteArray("\x00\xff\x01\r\n\x80\x7f\r\n12", 11)
                                << QList<int>{0, 12} << "Il reste 2 billes.";
        QTest::newRow("crOnly") << QByteArray("16\r4\r") << QList<int>{4, 16}
                                << "Il reste 2 billes.";
        const QString termine = QString::fromUtf8("C'est terminé.");
        QTest::newRow("halfDown") << QByteArray("2.5\r\n") << QList<int>{2} << termine;
        QTest::newRow("halfUp") << QByteArray("3.5\r\n") << QList<int>{4} << termine;
        QTest::newRow("tenMillionCommas")
            << QByteArray(10 * 1000 * 1000, ',') + "7" << QList<int>{7} << termine;
    }
    void hostileFilesLoadAsTheFieldRulesSay() {
        QFETCH(QByteArray, octets);
        QFETCH(QList<int>, trous);
        QFETCH(QString, message);
        Ecrire(Partie("hostile.Mbo"), octets);
        Commencer();
        Ouvrir(QStringLiteral("hostile.Mbo"));
        QCOMPARE(Ecran(f()), Trous(trous));
        QCOMPARE(Message(f()), message);
    }

    void openingStartsAFreshRecord() {
        Ecrire(Partie("partie.Mbo"), "4\r\n9\r\n");
        Commencer();
        Jouer({7, 4}, {5, 4});
        Jouer({7, 6}, {7, 4});
        Ouvrir(QStringLiteral("partie.Mbo"));
        QCOMPARE(f().Jeu().CoupCourant(), 0);
        QCOMPARE(f().Jeu().CoupMax(), 0);
        QCOMPARE(outils::Texte(f().Jeu().Historique()[0]), Trous({4, 9}));
        for (const int bouton : {5, 6}) {
            outils::Cliquer(f(), outils::Bouton(f(), bouton));
            QCOMPARE(Ecran(f()), Trous({4, 9}));
            QCOMPARE(Message(f()), QStringLiteral("Il reste 2 billes."));
        }
        // The next move is move 1, and undoing it comes back to the opened game.
        Jouer({5, 3}, {5, 5});
        QCOMPARE(Message(f()), QString::fromUtf8("C'est terminé, Bravo !!!"));
        outils::Cliquer(f(), outils::Bouton(f(), 5));
        QCOMPARE(Ecran(f()), Trous({4, 9}));
    }

    void savingKeepsTheRecord() {
        Commencer();
        Jouer({7, 4}, {5, 4});
        Jouer({7, 6}, {7, 4});
        Enregistrer(QStringLiteral("partie"));
        QCOMPARE(f().Jeu().CoupCourant(), 3);
        QCOMPARE(f().Jeu().CoupMax(), 3);
        QCOMPARE(Message(f()), QStringLiteral("Il reste 29 billes."));
        outils::Cliquer(f(), outils::Bouton(f(), 5));
        QCOMPARE(Ecran(f()), QString::fromLatin1(Apres2));
        outils::Cliquer(f(), outils::Bouton(f(), 6));
        QCOMPARE(Ecran(f()), QString::fromLatin1(Apres3));
    }

    void ouvrirWithoutASelectionOnlyStartsTheGame() {
        Ecrire(Partie("partie.Mbo"), "16\r\n");
        Icone(1);
        QVERIFY(Ligne(QStringLiteral("partie.Mbo")).isValid());
        Cliquer("Command2");
        QVERIFY(!Visible("FraOpenClose"));
        QVERIFY(f().Jeu().PartieEnCours);
        QCOMPARE(Ecran(f()), QString::fromLatin1(PlateauPlein));
        QCOMPARE(Message(f()), QString::fromUtf8(marbello::TexteChoisir));
    }

    void theListShowsSavedGamesAndFollowsTheFolder() {
        for (const char* nom : {"b.mbo", "A.MBO", "c.Mbo", "notes.txt", "d.Mbo.bak", ".e.Mbo"}) {
            Ecrire(Partie(QLatin1String(nom)), "16\r\n");
        }
        QVERIFY(QDir().mkpath(Partie("f.Mbo")));
        Icone(1);
        QTRY_COMPARE(Noms(), (QStringList{"A.MBO", "b.mbo", "c.Mbo"}));
        // Another program adds and removes games while the panel is open.
        Ecrire(Partie("g.Mbo"), "4\r\n");
        QVERIFY(QFile::remove(Partie("b.mbo")));
        QTRY_COMPARE(Noms(), (QStringList{"A.MBO", "c.Mbo", "g.Mbo"}));
    }

    void theWasteBinDeletesTheSelectedGameOnly() {
        Ecrire(Partie("a.Mbo"), "16\r\n");
        Ecrire(Partie("b.Mbo"), "4\r\n");
        Commencer();
        Icone(1);
        QTRY_COMPARE(Noms(), (QStringList{"a.Mbo", "b.Mbo"}));
        Cliquer("Command4"); // nothing selected: nothing deleted
        QVERIFY(QFile::exists(Partie("a.Mbo")));
        Choisir(QStringLiteral("a.Mbo"));
        Cliquer("Command4");
        QVERIFY(!QFile::exists(Partie("a.Mbo")));
        QCOMPARE(Contenu(Partie("b.Mbo")), QByteArray("4\r\n"));
        QTRY_COMPARE(Noms(), QStringList{"b.Mbo"});
        QCOMPARE(Panneau(), QStringLiteral("FraOpenClose File1 Command3 Command4 Ouvrir"));
        QCOMPARE(Ecran(f()), QString::fromLatin1(Apres1));
    }

    void theSavePanelProposesTodayFullySelected_data() {
        QTest::addColumn<QDate>("jour");
        QTest::addColumn<QString>("nom");
        QTest::newRow("5 December") << QDate(2026, 12, 5) << "5-12-2026";
        QTest::newRow("1 January") << QDate(2027, 1, 1) << "1-1-2027";
        QTest::newRow("31 October") << QDate(2030, 10, 31) << "31-10-2030";
    }
    void theSavePanelProposesTodayFullySelected() {
        QFETCH(QDate, jour);
        QFETCH(QString, nom);
        f().Aujourdhui = [jour] { return jour; };
        Icone(0);
        QCOMPARE(Texte1()->text(), nom);
        QCOMPARE(Texte1()->selectedText(), nom);
        QCOMPARE(QApplication::focusWidget(), Texte1());
        QTest::keyClicks(Texte1(), QStringLiteral("x"));
        QCOMPARE(Texte1()->text(), QStringLiteral("x"));
    }

    void theIconsSwitchThePanelsMode_data() {
        QTest::addColumn<QList<int>>("clics"); // 0 save icon, 1 open icon, 2 help label
        QTest::addColumn<QString>("panneau");
        QTest::addColumn<QString>("bouton3");
        const QString ouvrir = QStringLiteral("FraOpenClose File1 Command3 Command4 Ouvrir");
        const QString enregistrer = QStringLiteral("FraOpenClose Text1 Enregistrer");
        QTest::newRow("open") << QList<int>{1} << ouvrir << "Nouvelle partie";
        QTest::newRow("save") << QList<int>{0} << enregistrer << "GO";
        QTest::newRow("openThenSave") << QList<int>{1, 0} << enregistrer << "Nouvelle partie";
        QTest::newRow("saveThenOpen") << QList<int>{0, 1} << ouvrir << "Nouvelle partie";
        QTest::newRow("helpThenSave") << QList<int>{2, 0} << enregistrer << "GO";
        QTest::newRow("saveThenHelp") << QList<int>{0, 2} << enregistrer << "GO";
    }
    void theIconsSwitchThePanelsMode() {
        QFETCH(QList<int>, clics);
        QFETCH(QString, panneau);
        QFETCH(QString, bouton3);
        const QString avant = Message(f());
        for (const int clic : clics) {
            if (clic == 2) {
                outils::Cliquer(f(), outils::Bouton(f(), 2));
            } else {
                Icone(clic);
            }
        }
        QCOMPARE(Panneau(), panneau);
        QCOMPARE(outils::Bouton(f(), 3)->text(), bouton3);
        QVERIFY(!Visible("FraAIDE"));
        QVERIFY(Visible("Shape1"));
        QCOMPARE(Message(f()), QString());
        QCOMPARE(C<QLabel>("Label1")->text(),
                 QString::fromUtf8(Visible("File1")
                                       ? "Sélectionnez le fichier puis cliquez sur ''Ouvrir''"
                                       : "Donnez un nom au fichier puis cliquez sur "
                                         "''Enregistrer''"));

        Cliquer("Command6");
        QCOMPARE(Panneau(), QString());
        QVERIFY(!Visible("Shape1"));
        QCOMPARE(Message(f()), avant);
        QCOMPARE(Ecran(f()), QString::fromLatin1(PlateauPlein));
        QVERIFY(!f().Jeu().PartieEnCours);
        QCOMPARE(Etat(racine_), (QMap<QString, QByteArray>{{dossier_, "<dossier>"}}));
    }

    // The replay of a found solution no longer fits a game about to be opened.
    void theOpenIconHidesTheSliderWindow_data() {
        QTest::addColumn<int>("icone");
        QTest::addColumn<bool>("visible");
        QTest::newRow("save") << 0 << true;
        QTest::newRow("open") << 1 << false;
    }
    void theOpenIconHidesTheSliderWindow() {
        QFETCH(int, icone);
        QFETCH(bool, visible);
        Poser(Trous({4, 9}).toLatin1().constData());
        outils::Cliquer(f(), outils::Bouton(f(), 0));
        QWidget* verticale = nullptr;
        for (QWidget* fenetre : QApplication::topLevelWidgets()) {
            if (fenetre->objectName() == QStringLiteral("Verticale")) {
                verticale = fenetre;
            }
        }
        QVERIFY(verticale != nullptr && verticale->isVisible());
        QVERIFY(f().SolutionAffichee);
        Icone(icone);
        QCOMPARE(verticale->isVisible(), visible);
        QVERIFY(f().SolutionAffichee);
    }

    void buildModeThenOkStartsFromTheBuiltPosition_data() {
        QTest::addColumn<bool>("enCours");
        QTest::addColumn<QList<Cellule>>("retraits");
        QTest::addColumn<QList<Cellule>>("ajouts");
        QTest::addColumn<QString>("position");
        QTest::addColumn<QString>("message");
        QTest::newRow("gameUnderWay")
            << true << QList<Cellule>{{2, 4}, {3, 4}} << QList<Cellule>{{5, 3}}
            << "ooo/ooo/..o.ooo/ooooooo/ooooooo/ooo/ooo"
            << "Il reste 30 billes.";
        // The first left press also starts the game.
        QTest::newRow("beforeTheFirstMarble")
            << false << QList<Cellule>{{5, 5}, {5, 2}} << QList<Cellule>{{5, 5}}
            << "o.o/ooo/ooooooo/ooooooo/ooooooo/ooo/ooo"
            << "Il reste 32 billes.";
    }
    void buildModeThenOkStartsFromTheBuiltPosition() {
        QFETCH(bool, enCours);
        QFETCH(QList<Cellule>, retraits);
        QFETCH(QList<Cellule>, ajouts);
        QFETCH(QString, position);
        QFETCH(QString, message);
        if (enCours) {
            Commencer();
        }
        const QString avant = Message(f());
        Icone(1);
        Cliquer("Command3");
        QCOMPARE(Panneau(), QString());
        QVERIFY(Visible("Frame1"));
        QCOMPARE(Message(f()), avant);
        for (const Cellule c : retraits) {
            Presser(c, Qt::LeftButton);
        }
        for (const Cellule c : ajouts) {
            Presser(c, Qt::RightButton);
        }
        QCOMPARE(Ecran(f()), position);

        Cliquer("Command5");
        QVERIFY(!Visible("Frame1"));
        QVERIFY(f().Jeu().PartieEnCours);
        QCOMPARE(outils::Texte(f().Jeu().Plateau), position);
        QCOMPARE(outils::Texte(f().Jeu().Historique()[0]), position);
        QCOMPARE(f().Jeu().CoupCourant(), 0);
        QCOMPARE(f().Jeu().CoupMax(), 0);
        QCOMPARE(Message(f()), message);
        QCOMPARE(Tag(), message);
        outils::Cliquer(f(), outils::Bouton(f(), 5));
        QCOMPARE(Ecran(f()), position);
        // Out of the build mode a left press drags again: a press alone removes nothing.
        Presser({4, 4}, Qt::LeftButton);
        QCOMPARE(Ecran(f()), position);
    }

    // Every action that would change the board, the record or the folder waits for the search.
    void duringASearchThePanelChangesNothing_data() {
        QTest::addColumn<Action>("action");
        QTest::newRow("ouvrir") << Action::Ouvrir;
        QTest::newRow("doubleClick") << Action::DoubleClic;
        QTest::newRow("wasteBin") << Action::Corbeille;
        QTest::newRow("build") << Action::Construire;
        QTest::newRow("enregistrer") << Action::Enregistrer;
        QTest::newRow("ok") << Action::Ok;
        QTest::newRow("leftPressInBuildMode") << Action::Retrait;
        QTest::newRow("rightPressInBuildMode") << Action::Ajout;
    }
    void duringASearchThePanelChangesNothing() {
        QFETCH(Action, action);
        Ecrire(Partie("partie.Mbo"), "16\r\n");
        Commencer();
        const bool construction =
            action == Action::Ok || action == Action::Retrait || action == Action::Ajout;
        Icone(action == Action::Enregistrer ? 0 : 1);
        if (construction) {
            Cliquer("Command3");
        } else if (action != Action::Enregistrer) {
            Choisir(QStringLiteral("partie.Mbo"));
        }
        const QString panneau = Panneau();
        const bool frame1 = Visible("Frame1");
        const auto etat = Etat(racine_);
        const QString message = Message(f());

        f().RechercheEnCours = true;
        switch (action) {
        case Action::Ouvrir:
        case Action::Enregistrer:
            Cliquer("Command2");
            break;
        case Action::DoubleClic:
            Choisir(QStringLiteral("partie.Mbo"), true);
            break;
        case Action::Corbeille:
            Cliquer("Command4");
            break;
        case Action::Construire:
            Cliquer("Command3");
            break;
        case Action::Ok:
            Cliquer("Command5");
            break;
        case Action::Retrait:
            Presser({5, 6}, Qt::LeftButton);
            break;
        case Action::Ajout:
            Presser({5, 3}, Qt::RightButton);
            break;
        }
        QCOMPARE(Ecran(f()), QString::fromLatin1(Apres1));
        QCOMPARE(outils::Texte(f().Jeu().Plateau), QString::fromLatin1(Apres1));
        QCOMPARE(f().Jeu().CoupMax(), 1);
        QCOMPARE(Etat(racine_), etat);
        QCOMPARE(Panneau(), panneau);
        QCOMPARE(Visible("Frame1"), frame1);
        QCOMPARE(Message(f()), message);
        // The icons too.
        Icone(action == Action::Enregistrer ? 1 : 0);
        QCOMPARE(Panneau(), panneau);
        f().RechercheEnCours = false;
    }

    // The program's folder, or the user's data folder when the program's cannot be written.
    void theDefaultFolderDoesNotFollowTheWorkingDirectory() {
        const QString ancien = QDir::currentPath();
        QVERIFY(QDir::setCurrent(racine_));
        const FMarbello ici;
        QVERIFY(QDir::setCurrent(dossier_));
        const FMarbello la;
        QDir::setCurrent(ancien);
        QCOMPARE(ici.DossierParties(), la.DossierParties());
        const QString programme = QCoreApplication::applicationDirPath();
        QCOMPARE(ici.DossierParties(),
                 QFileInfo(programme).isWritable()
                     ? programme
                     : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        const auto* liste = ici.findChild<QListView*>(QStringLiteral("File1"));
        QCOMPARE(qobject_cast<QFileSystemModel*>(liste->model())->rootPath(), ici.DossierParties());
    }
};

QTEST_MAIN(TestFichiers)
#include "test_fichiers.moc"
