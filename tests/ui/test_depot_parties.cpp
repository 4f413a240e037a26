#include "OutilsFichiers.h"
#include "ui/DepotParties.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

using namespace marbello;
using outils::Contenu;
using outils::Ecrire;
using outils::Etat;

namespace {

Grille Plateau(const char* texte) {
    return GrilleDepuisTexte(texte).value();
}

Billes Trous(const QList<int>& numeros) {
    Billes billes;
    for (const int k : numeros) {
        billes.set(static_cast<size_t>(k));
    }
    return billes;
}

// What an operation told the player, printable by QCOMPARE.
const QString kRien = QStringLiteral("<rien>");
QString Dit(const std::optional<QString>& message) {
    return message.value_or(kRien);
}

const QString kNomRefuse = QString::fromUtf8("Nom de fichier refusé.");
const QString kCaractereInterdit = QString::fromUtf8("Caractère interdit dans le nom.");
const QString kEnregistrementImpossible = QStringLiteral("Enregistrement impossible.");
const QString kIllisible = QStringLiteral("Partie illisible.");

enum class Panne {
    DossierSousUnFichier,
    NomDeDossier,
    DossierEnLecture,
    TailleLimitee,
    LienSortant
};

} // namespace

Q_DECLARE_METATYPE(Panne)

class TestDepotParties : public QObject {
    Q_OBJECT

private:
    // racine/parties is the saved-games folder, so that racine shows anything written beside it.
    std::unique_ptr<QTemporaryDir> temporaire_;
    QString racine_;
    QString dossier_;

    QString Racine(const char* nom) const {
        return racine_ + QLatin1Char('/') + QLatin1String(nom);
    }

private slots:
    void init() {
        temporaire_ = std::make_unique<QTemporaryDir>();
        QVERIFY(temporaire_->isValid());
        racine_ = temporaire_->path();
        dossier_ = Racine("parties");
        QVERIFY(QDir().mkpath(dossier_));
    }

    void saveThenOpenKeepsTheMarbles_data() {
        QTest::addColumn<QString>("plateau");
        QTest::newRow("afterTheFirstJump") << "ooo/o.o/ooo.ooo/ooooooo/ooooooo/ooo/ooo";
        QTest::newRow("oneMarble") << ".../.../......./......./......./.../..o";
        QTest::newRow("noMarble") << ".../.../......./......./......./.../...";
        QTest::newRow("scattered") << "o.o/.o./o.o.o.o/.o.o.o./o.o.o.o/.o./o.o";
    }
    void saveThenOpenKeepsTheMarbles() {
        QFETCH(QString, plateau);
        const Grille avant = Plateau(plateau.toUtf8().constData());
        const DepotParties depot(dossier_);
        QCOMPARE(Dit(depot.EnregistrerPartie(QStringLiteral("partie"), avant)), kRien);
        const DepotParties::Ouverture ouverture = depot.OuvrirPartie(QStringLiteral("partie.Mbo"));
        QVERIFY2(ouverture.ok, qPrintable(ouverture.message));
        QCOMPARE(TexteDepuisGrille(GrilleDepuisBilles(ouverture.billes)), TexteDepuisGrille(avant));
    }

    void savedBytesListHolesInIncreasingOrderWithCrLf_data() {
        QTest::addColumn<QString>("plateau");
        QTest::addColumn<QByteArray>("octets");
        QTest::newRow("holes4and16")
            << ".../.o./......./...o.../......./.../..." << QByteArray("4\r\n16\r\n");
        QTest::newRow("numericNotLexicalOrder")
            << "..o/.../...oo../......./......./.../o.." << QByteArray("2\r\n9\r\n10\r\n30\r\n");
        QTest::newRow("lastHole") << ".../.../......./......./......./.../..o"
                                  << QByteArray("32\r\n");
        QTest::newRow("emptyBoard") << ".../.../......./......./......./.../..." << QByteArray();
    }
    void savedBytesListHolesInIncreasingOrderWithCrLf() {
        QFETCH(QString, plateau);
        QFETCH(QByteArray, octets);
        const DepotParties depot(dossier_);
        QCOMPARE(Dit(depot.EnregistrerPartie(QStringLiteral("a"),
                                             Plateau(plateau.toUtf8().constData()))),
                 kRien);
        QCOMPARE(Contenu(depot.dossier() + QStringLiteral("/a.Mbo")), octets);
    }

    void aFullBoardWritesNothing() {
        const DepotParties depot(dossier_);
        Ecrire(dossier_ + QStringLiteral("/ancienne.Mbo"), "4\r\n");
        const auto avant = Etat(racine_);
        const Grille plein = Plateau("ooo/ooo/ooooooo/ooooooo/ooooooo/ooo/ooo");
        QCOMPARE(Dit(depot.EnregistrerPartie(QStringLiteral("neuve"), plein)), kRien);
        QCOMPARE(Dit(depot.EnregistrerPartie(QStringLiteral("ancienne"), plein)), kRien);
        QCOMPARE(Etat(racine_), avant);
    }

    void savingUnderAnExistingNameReplacesIt() {
        const DepotParties depot(dossier_);
        Ecrire(dossier_ + QStringLiteral("/partie.Mbo"), "0\r\n1\r\n2\r\n3\r\n4\r\n5\r\n");
        QCOMPARE(Dit(depot.EnregistrerPartie(QStringLiteral("partie"),
                                             Plateau(".../.../......./...o.../......./.../..."))),
                 kRien);
        QCOMPARE(Contenu(dossier_ + QStringLiteral("/partie.Mbo")), QByteArray("16\r\n"));
        QCOMPARE(QDir(dossier_).entryList(QDir::Files), QStringList{QStringLiteral("partie.Mbo")});
    }

    void refusedNamesWriteNothing_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("message");
        const QString tropLong = QString::fromUtf8("Nom trop long.");
        QTest::newRow("empty") << QString() << QString::fromUtf8("Nom de fichier vide.");
        QTest::newRow("blanks") << QStringLiteral("   ")
                                << QString::fromUtf8("Nom de fichier vide.");
        QTest::newRow("dot") << QStringLiteral(".") << kNomRefuse;
        QTest::newRow("dotDot") << QStringLiteral("..") << kNomRefuse;
        QTest::newRow("hidden") << QStringLiteral(".cache") << kNomRefuse;
        QTest::newRow("slash") << QStringLiteral("a/b") << kCaractereInterdit;
        QTest::newRow("parent") << QStringLiteral("../evasion") << kCaractereInterdit;
        QTest::newRow("absolute") << QStringLiteral("/tmp/evasion") << kCaractereInterdit;
        QTest::newRow("backslash") << QStringLiteral("..\\evasion") << kCaractereInterdit;
        QTest::newRow("newline") << QStringLiteral("a\nb") << kCaractereInterdit;
        QTest::newRow("tab") << QStringLiteral("a\tb") << kCaractereInterdit;
        QTest::newRow("nul") << QString(QChar(0)) + QStringLiteral("a") << kCaractereInterdit;
        QTest::newRow("delete") << QStringLiteral("a\x7f") << kCaractereInterdit;
        QTest::newRow("c1Control") << QString(QChar(0x85)) << kCaractereInterdit;
        QTest::newRow("lineSeparator") << QString(QChar(0x2028)) << kCaractereInterdit;
        QTest::newRow("loneSurrogate") << QString(QChar(0xD800)) << kCaractereInterdit;
        QTest::newRow("201Bytes") << QString(201, QLatin1Char('a')) << tropLong;
        QTest::newRow("202BytesIn101Letters") << QString(101, QChar(0xE9)) << tropLong;
    }
    void refusedNamesWriteNothing() {
        QFETCH(QString, nom);
        QFETCH(QString, message);
        QCOMPARE(Dit(DepotParties::RefusNom(nom)), message);
        const auto avant = Etat(racine_);
        const DepotParties depot(dossier_);
        QCOMPARE(
            Dit(depot.EnregistrerPartie(nom, Plateau("ooo/ooo/ooooooo/ooo.ooo/ooooooo/ooo/ooo"))),
            message);
        QCOMPARE(Etat(racine_), avant);
    }

    void plainNamesAreSavedAsTyped_data() {
        QTest::addColumn<QString>("nom");
        QTest::newRow("date") << DepotParties::NomPropose(QDate(2026, 12, 5));
        QTest::newRow("accentsAndSpaces") << QString::fromUtf8("Partie n°3 du 5 décembre");
        QTest::newRow("innerDots") << QStringLiteral("a..b.");
        QTest::newRow("extensionTyped") << QStringLiteral("x.Mbo");
        QTest::newRow("200Bytes") << QString(100, QChar(0xE9));
    }
    void plainNamesAreSavedAsTyped() {
        QFETCH(QString, nom);
        QCOMPARE(Dit(DepotParties::RefusNom(nom)), kRien);
        const DepotParties depot(dossier_);
        QCOMPARE(
            Dit(depot.EnregistrerPartie(nom, Plateau("ooo/ooo/ooooooo/ooo.ooo/ooooooo/ooo/ooo"))),
            kRien);
        QCOMPARE(QDir(dossier_).entryList(QDir::Files), QStringList{nom + QStringLiteral(".Mbo")});
    }

    void noNameReachesOutsideTheFolder() {
        const QString dehors = Racine("dehors.Mbo");
        Ecrire(dehors, "16\r\n");
        const DepotParties depot(dossier_);
        for (const QString& nom : {QStringLiteral("../dehors.Mbo"), dehors}) {
            const DepotParties::Ouverture ouverture = depot.OuvrirPartie(nom);
            QVERIFY(!ouverture.ok);
            QCOMPARE(ouverture.message, kCaractereInterdit);
            QVERIFY(!depot.Supprimer(nom));
        }
        QCOMPARE(Contenu(dehors), QByteArray("16\r\n"));
    }

    void aFailedSaveKeepsWhatWasThere_data() {
        QTest::addColumn<Panne>("panne");
        QTest::newRow("folderUnderAFile") << Panne::DossierSousUnFichier;
        QTest::newRow("nameOfAFolder") << Panne::NomDeDossier;
        QTest::newRow("readOnlyFolder") << Panne::DossierEnLecture;
        QTest::newRow("diskRefusesTheBytes") << Panne::TailleLimitee;
        QTest::newRow("linkOutOfTheFolder") << Panne::LienSortant;
    }
    void aFailedSaveKeepsWhatWasThere() {
        QFETCH(Panne, panne);
        QString dossier = dossier_;
        const QString ancienne = dossier_ + QStringLiteral("/partie.Mbo");
        Ecrire(ancienne, "4\r\n");
        switch (panne) {
        case Panne::DossierSousUnFichier:
            Ecrire(Racine("fichier"), "x");
            dossier = Racine("fichier/parties");
            break;
        case Panne::NomDeDossier:
            QVERIFY(QFile::remove(ancienne));
            QVERIFY(QDir().mkpath(ancienne));
            Ecrire(ancienne + QStringLiteral("/dedans"), "garde-moi");
            break;
        case Panne::DossierEnLecture:
            QVERIFY(QFile::setPermissions(dossier_, QFile::ReadOwner | QFile::ExeOwner));
            if (QFile sonde(dossier_ + QStringLiteral("/sonde"));
                sonde.open(QIODevice::WriteOnly)) {
                sonde.remove();
                QFile::setPermissions(dossier_,
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                QSKIP("this user writes through permission bits (root)");
            }
            break;
        case Panne::TailleLimitee:
#ifndef Q_OS_UNIX
            QSKIP("needs a file-size limit");
#endif
            break;
        case Panne::LienSortant:
            QVERIFY(QFile::remove(ancienne));
            Ecrire(Racine("dehors.Mbo"), "4\r\n");
            QVERIFY(QFile::link(Racine("dehors.Mbo"), ancienne));
            break;
        }
        const auto avant = Etat(racine_);
        const DepotParties depot(dossier);
        const Grille plateau = Plateau("ooo/ooo/ooooooo/ooo.ooo/ooooooo/ooo/ooo");

        std::optional<QString> message;
#ifdef Q_OS_UNIX
        if (panne == Panne::TailleLimitee) {
            // No file may grow past 3 bytes: the 32-marble game cannot be written out.
            rlimit ancienneLimite{};
            getrlimit(RLIMIT_FSIZE, &ancienneLimite);
            rlimit limite = ancienneLimite;
            limite.rlim_cur = 3;
            const auto ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
            setrlimit(RLIMIT_FSIZE, &limite);
            message = depot.EnregistrerPartie(QStringLiteral("partie"), plateau);
            setrlimit(RLIMIT_FSIZE, &ancienneLimite);
            std::signal(SIGXFSZ, ancienSignal);
        }
#endif
        if (panne != Panne::TailleLimitee) {
            message = depot.EnregistrerPartie(QStringLiteral("partie"), plateau);
        }
        const auto apres = Etat(racine_);
        QFile::setPermissions(dossier_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(Dit(message), kEnregistrementImpossible);
        QCOMPARE(apres, avant);
    }

    void aFileThatCannotBeReadIsReported_data() {
        QTest::addColumn<QString>("nomFichier");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << "absente.Mbo" << QStringLiteral("Cette partie n'existe plus.");
        QTest::newRow("folder") << "dossier.Mbo" << kIllisible;
        QTest::newRow("pipe") << "tube.Mbo" << kIllisible;
        QTest::newRow("endlessDevice") << "zero.Mbo" << kIllisible;
        QTest::newRow("brokenLink") << "lien.Mbo" << QStringLiteral("Cette partie n'existe plus.");
    }
    void aFileThatCannotBeReadIsReported() {
        QFETCH(QString, nomFichier);
        QFETCH(QString, message);
        QVERIFY(QDir().mkpath(dossier_ + QStringLiteral("/dossier.Mbo")));
        QFile::link(Racine("nulle-part"), dossier_ + QStringLiteral("/lien.Mbo"));
#ifdef Q_OS_UNIX
        QCOMPARE(
            ::mkfifo(QFile::encodeName(dossier_ + QStringLiteral("/tube.Mbo")).constData(), 0600),
            0);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), dossier_ + QStringLiteral("/zero.Mbo")));
#else
        if (nomFichier == QLatin1String("tube.Mbo") || nomFichier == QLatin1String("zero.Mbo")) {
            QSKIP("pipes and devices are Unix files");
        }
#endif
        const DepotParties::Ouverture ouverture = DepotParties(dossier_).OuvrirPartie(nomFichier);
        QVERIFY(!ouverture.ok);
        QCOMPARE(ouverture.message, message);
    }

    void hostileFilesLoadByTheFieldRules_data() {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QList<int>>("trous");
        QTest::newRow("binary") << QByteArray("\x00\xff\x01\r\n\x80\x7f\r\n12", 11)
                                << QList<int>{0, 12};
        QTest::newRow("empty") << QByteArray() << QList<int>{};
        QTest::newRow("lfOnly") << QByteArray("16\n\n4\n") << QList<int>{4, 16};
        QTest::newRow("crOnly") << QByteArray("16\r\r4\r") << QList<int>{4, 16};
        QTest::newRow("halfDown") << QByteArray("2.5\r\n") << QList<int>{2};
        QTest::newRow("halfUp") << QByteArray("3.5\r\n") << QList<int>{4};
        QTest::newRow("letters") << QByteArray("abc\r\n") << QList<int>{0};
        QTest::newRow("offTheBoard") << QByteArray("40\r\n-1\r\n") << QList<int>{};
        QTest::newRow("farBeyond16Bits")
            << QByteArray("65552\r\n-65520\r\n123456789012345678901234567890\r\n1e400\r\n5")
            << QList<int>{5};
    }
    void hostileFilesLoadByTheFieldRules() {
        QFETCH(QByteArray, octets);
        QFETCH(QList<int>, trous);
        Ecrire(dossier_ + QStringLiteral("/hostile.Mbo"), octets);
        const DepotParties::Ouverture ouverture =
            DepotParties(dossier_).OuvrirPartie(QStringLiteral("hostile.Mbo"));
        QVERIFY2(ouverture.ok, qPrintable(ouverture.message));
        QCOMPARE(ouverture.billes, Trous(trous));
    }

    void hugeFilesAreReadToTheEnd_data() {
        QTest::addColumn<QByteArray>("debut");
        QTest::addColumn<QByteArray>("motif");
        QTest::addColumn<qint64>("repetitions");
        QTest::addColumn<QByteArray>("fin");
        QTest::addColumn<QList<int>>("trous");
        // One number of 100 million digits between two holes.
        QTest::newRow("100MB") << QByteArray("16\r\n") << QByteArray(1 << 20, '9') << qint64(100)
                               << QByteArray("\r\n5\r\n") << QList<int>{5, 16};
        QTest::newRow("10MillionCommas") << QByteArray() << QByteArray(1000 * 1000, ',')
                                         << qint64(10) << QByteArray("7") << QList<int>{7};
    }
    void hugeFilesAreReadToTheEnd() {
        QFETCH(QByteArray, debut);
        QFETCH(QByteArray, motif);
        QFETCH(qint64, repetitions);
        QFETCH(QByteArray, fin);
        QFETCH(QList<int>, trous);
        {
            QFile fichier(dossier_ + QStringLiteral("/grande.Mbo"));
            QVERIFY(fichier.open(QIODevice::WriteOnly));
            fichier.write(debut);
            for (qint64 i = 0; i < repetitions; ++i) {
                QCOMPARE(fichier.write(motif), motif.size());
            }
            fichier.write(fin);
        }
        const DepotParties::Ouverture ouverture =
            DepotParties(dossier_).OuvrirPartie(QStringLiteral("grande.Mbo"));
        QVERIFY2(ouverture.ok, qPrintable(ouverture.message));
        QCOMPARE(ouverture.billes, Trous(trous));
    }

    void deletionRemovesTheGameOnly() {
        const DepotParties depot(dossier_);
        const Grille plateau = Plateau("ooo/ooo/ooooooo/ooo.ooo/ooooooo/ooo/ooo");
        QCOMPARE(Dit(depot.EnregistrerPartie(QStringLiteral("a"), plateau)), kRien);
        QCOMPARE(Dit(depot.EnregistrerPartie(QStringLiteral("b"), plateau)), kRien);
        QVERIFY(QDir().mkpath(dossier_ + QStringLiteral("/c.Mbo")));

        QVERIFY(depot.Supprimer(QStringLiteral("a.Mbo")));
        QVERIFY(!depot.Supprimer(QStringLiteral("a.Mbo")));
        QVERIFY(!depot.Supprimer(QStringLiteral("c.Mbo")));
        QVERIFY(!depot.Supprimer(QString()));
        QCOMPARE(QDir(dossier_).entryList(QDir::Files), QStringList{QStringLiteral("b.Mbo")});
        QVERIFY(QFileInfo(dossier_ + QStringLiteral("/c.Mbo")).isDir());
    }

    void theProposedNameIsTheDateWithoutLeadingZeros_data() {
        QTest::addColumn<QDate>("jour");
        QTest::addColumn<QString>("nom");
        QTest::newRow("5 December") << QDate(2026, 12, 5) << "5-12-2026";
        QTest::newRow("1 January") << QDate(2027, 1, 1) << "1-1-2027";
        QTest::newRow("leap day") << QDate(2028, 2, 29) << "29-2-2028";
    }
    void theProposedNameIsTheDateWithoutLeadingZeros() {
        QFETCH(QDate, jour);
        QFETCH(QString, nom);
        QCOMPARE(DepotParties::NomPropose(jour), nom);
    }

    void theFolderDoesNotFollowTheWorkingDirectory() {
        const QString ancien = QDir::currentPath();
        QVERIFY(QDir::setCurrent(racine_));
        const QString ici = DepotParties::DossierParDefaut();
        QVERIFY(QDir::setCurrent(dossier_));
        const QString la = DepotParties::DossierParDefaut();
        QDir::setCurrent(ancien);
        QCOMPARE(ici, la);
        // The program's folder, unless this user may not write there (an installed copy).
        const QStringList possibles{
            QFileInfo(QCoreApplication::applicationFilePath()).absolutePath(),
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)};
        QVERIFY2(possibles.contains(ici), qPrintable(ici));
    }

    void anUnwritableOrSystemProgramFolderFallsBackToTheUserData_data() {
        QTest::addColumn<bool>("systeme");
        QTest::newRow("under a file") << false;
        QTest::newRow("system folder, even for root") << true;
    }
    void anUnwritableOrSystemProgramFolderFallsBackToTheUserData() {
        QFETCH(bool, systeme);
        const QByteArray ancien = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", Racine("donnees").toLocal8Bit());
        Ecrire(Racine("fichier"), "x");
        const QString dossier = DepotParties::ChoisirDossier(systeme ? QStringLiteral("/usr/bin")
                                                                     : Racine("fichier/bin"));
        if (ancien.isNull()) {
            qunsetenv("XDG_DATA_HOME");
        } else {
            qputenv("XDG_DATA_HOME", ancien);
        }
        QVERIFY2(dossier.startsWith(Racine("donnees/")), qPrintable(dossier));
        QVERIFY(QFileInfo(dossier).isDir());
        QCOMPARE(Dit(DepotParties(dossier).EnregistrerPartie(
                     QStringLiteral("a"), Plateau("ooo/ooo/ooooooo/ooo.ooo/ooooooo/ooo/ooo"))),
                 kRien);
    }
};

QTEST_GUILESS_MAIN(TestDepotParties)
#include "test_depot_parties.moc"
