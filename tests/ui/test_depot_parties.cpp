// The folder of saved games: which names it takes, how a game is written and replaced, which files
// it will not read or delete, and where the folder lies.

#include "ui/fenetres/DepotParties.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using marbello::DepotParties;

namespace {

void Ligne(const char* nom, const QString& a, const QString& b) {
    QTest::newRow(nom) << a << b;
}

} // namespace

class TestDepotParties : public QObject {
    Q_OBJECT

    // racine/parties is the folder, so that racine shows anything written beside it.
    std::optional<QTemporaryDir> racine_;
    QString Chemin(const QString& nom) const { return racine_->filePath(nom); }
    // Every file and folder under racine, with the bytes of the files.
    QMap<QString, QByteArray> Etat() const {
        QMap<QString, QByteArray> etat;
        for (QDirIterator it(racine_->path(),
                             QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                             QDirIterator::Subdirectories);
             it.hasNext();) {
            QFile fichier(it.next());
            etat[it.filePath().mid(racine_->path().size() + 1)] =
                fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : "";
        }
        return etat;
    }

private slots:
    void init() {
        racine_.emplace();
        QVERIFY(QDir(racine_->path()).mkdir(QStringLiteral("parties")));
        for (const char* nom : {"dehors.Mbo", "parties/a.Mbo"}) {
            QFile fichier(Chemin(nom));
            QVERIFY(fichier.open(QIODevice::WriteOnly) && fichier.write("4\r\n") == 3);
        }
    }

    // A game is replaced only once the new one is complete; a full board writes nothing. The game
    // saved holds one marble, in hole 16; "a" is already saved.
    void enregistrer_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("message"); // "-" when saved
        const QString interdit = QStringLiteral("Caractère interdit dans le nom.");
        Ligne("slash", "a/b", interdit);
        Ligne("backslash", "..\\evasion", interdit);
        Ligne("control", "a\tb", interdit);
        Ligne("lineSeparator", QString(QChar(0x2028)), interdit);
        Ligne("loneSurrogate", QString(QChar(0xD800)), interdit);
        Ligne("blanks", "   ", "Nom de fichier vide.");
        Ligne("dotDot", "..", "Nom de fichier refusé.");
        Ligne("hidden", ".cache", "Nom de fichier refusé.");
        Ligne("202Bytes", QString(101, QChar(0xE9)), "Nom trop long.");
        Ligne("200Bytes", QString(100, QChar(0xE9)), "-");
        Ligne("accentsAndSpaces", "Partie n°3 du 5 décembre", "-");
        Ligne("extensionTyped", "x.Mbo", "-");
        Ligne("replaced", "a", "-");
        Ligne("fullBoardNotWritten", "plein", "-");
        Ligne("linkOutOfTheFolder", "lien", "Enregistrement impossible.");
        Ligne("diskRefusesTheBytes", "limite", "Enregistrement impossible.");
    }
    void enregistrer() {
        QFETCH(QString, nom);
        QFETCH(QString, message);
        QVERIFY(nom != "lien" || QFile::link(Chemin("dehors.Mbo"), Chemin("parties/lien.Mbo")));
        QMap<QString, QByteArray> attendu = Etat();
        if (message == "-" && nom != "plein") {
            attendu["parties/" + nom + ".Mbo"] = "16\r\n";
        }
        marbello::Grille plateau = marbello::GrilleDepuisBilles(marbello::Billes(1 << 16));
        if (nom == "plein") {
            marbello::InitialiserPlateau(plateau);
        }
        // No file may grow past 3 bytes: "16\r\n" cannot be written out.
        rlimit avant{};
        getrlimit(RLIMIT_FSIZE, &avant);
        const rlimit limite{nom == "limite" ? 3 : avant.rlim_cur, avant.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN); // the write fails instead of ending the test
        setrlimit(RLIMIT_FSIZE, &limite);
        const auto dit = DepotParties(Chemin("parties")).EnregistrerPartie(nom, plateau);
        setrlimit(RLIMIT_FSIZE, &avant);
        QCOMPARE(dit.value_or("-"), message);
        QCOMPARE(Etat(), attendu);
    }

    // The names come from the list, which may have changed since; none leaves the folder.
    void ouvrir_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("message");
        Ligne("missing", "absente.Mbo", "Cette partie n'existe plus.");
        Ligne("brokenLink", "lien.Mbo", "Cette partie n'existe plus.");
        Ligne("folder", "dossier.Mbo", "Partie illisible.");
        Ligne("pipe", "tube.Mbo", "Partie illisible.");
        Ligne("endlessDevice", "zero.Mbo", "Partie illisible.");
        Ligne("parent", "../dehors.Mbo", "Caractère interdit dans le nom.");
        Ligne("dotDot", "..", "Nom de fichier refusé.");
    }
    void ouvrir() {
        QFETCH(QString, nom);
        QFETCH(QString, message);
        QVERIFY(QDir().mkpath(Chemin("parties/dossier.Mbo")));
        QVERIFY(QFile::link(Chemin("nulle-part"), Chemin("parties/lien.Mbo")));
        QVERIFY(QFile::link("/dev/zero", Chemin("parties/zero.Mbo")));
        QCOMPARE(::mkfifo(QFile::encodeName(Chemin("parties/tube.Mbo")).constData(), 0600), 0);
        const auto ouverture = DepotParties(Chemin("parties")).OuvrirPartie(nom);
        QCOMPARE(ouverture.ok ? "-" : ouverture.message, message);
    }

    void supprimeLaPartieSeulement() {
        QVERIFY(QDir().mkpath(Chemin("parties/b.Mbo")));
        const DepotParties depot(Chemin("parties"));
        for (const char* nom : {"../dehors.Mbo", "b.Mbo", "", "absente.Mbo"}) {
            QVERIFY2(!depot.Supprimer(nom), nom);
        }
        QVERIFY(depot.Supprimer("a.Mbo"));
        QCOMPARE(Etat().keys(), (QStringList{"dehors.Mbo", "parties", "parties/b.Mbo"}));
    }

    // The program's folder when it may be written and is not the system's, else the user's data
    // folder, created when missing; the working folder plays no part.
    void dossierDesParties() {
        qputenv("XDG_DATA_HOME", Chemin("donnees").toLocal8Bit());
        for (const QString& programme : {Chemin("dehors.Mbo/bin"), QStringLiteral("/usr/bin")}) {
            const QString dossier = DepotParties::ChoisirDossier(programme);
            QVERIFY2(dossier.startsWith(Chemin("donnees/")) && QFileInfo(dossier).isDir(),
                     qPrintable(dossier));
        }
        qunsetenv("XDG_DATA_HOME");
        const QString ici = QDir::currentPath();
        QVERIFY(QDir::setCurrent(Chemin("parties")));
        QCOMPARE(DepotParties::DossierParDefaut(), QCoreApplication::applicationDirPath());
        QDir::setCurrent(ici);
    }
};

QTEST_GUILESS_MAIN(TestDepotParties)
#include "test_depot_parties.moc"
