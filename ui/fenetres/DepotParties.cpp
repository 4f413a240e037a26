#include "ui/fenetres/DepotParties.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <utility>

namespace marbello {

namespace {

// Bytes of the name the user types; with ".Mbo" it stays well under the usual 255-byte limit.
constexpr qsizetype kOctetsNomMax = 200;

QString Texte(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace

DepotParties::DepotParties(QString dossier) : dossier_(std::move(dossier)) {}

QString DepotParties::DossierParDefaut() {
    return ChoisirDossier(QCoreApplication::applicationDirPath());
}

QString DepotParties::ChoisirDossier(const QString& dossierProgramme) {
    const QFileInfo programme(dossierProgramme);
    // The system's own folders are never a place for games, even where root could write them.
    const QString chemin = programme.canonicalFilePath() + QLatin1Char('/');
    const bool systeme =
        chemin.startsWith(QLatin1String("/usr/")) || chemin.startsWith(QLatin1String("/opt/")) ||
        chemin.startsWith(QLatin1String("/bin/")) || chemin.startsWith(QLatin1String("/sbin/"));
    if (programme.isDir() && programme.isWritable() && !systeme) {
        return programme.absoluteFilePath();
    }
    // A system-wide install: each user keeps their games in their own data folder.
    QString donnees = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(donnees); // when this fails, the first save says so
    return donnees;
}

QStringList DepotParties::FiltreParties() {
    return {QLatin1Char('*') + QLatin1String(ExtensionPartie)};
}

std::optional<QString> DepotParties::RefusNomFichier(const QString& nomFichier) {
    // Invalid UTF-16 has no file-system encoding.
    if (!nomFichier.isValidUtf16()) {
        return Texte("Caractère interdit dans le nom.");
    }
    for (const QChar c : nomFichier) {
        const QChar::Category categorie = c.category();
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || categorie == QChar::Other_Control ||
            categorie == QChar::Separator_Line || categorie == QChar::Separator_Paragraph) {
            return Texte("Caractère interdit dans le nom.");
        }
    }
    // Checked after the characters: trimmed() also drops line and paragraph separators.
    if (nomFichier.trimmed().isEmpty()) {
        return Texte("Nom de fichier vide.");
    }
    if (nomFichier == QLatin1String(".") || nomFichier == QLatin1String("..")) {
        return Texte("Nom de fichier refusé.");
    }
    return std::nullopt;
}

std::optional<QString> DepotParties::RefusNom(const QString& nom) {
    if (std::optional<QString> refus = RefusNomFichier(nom)) {
        return refus;
    }
    // A hidden file would be saved but never listed.
    if (nom.startsWith(QLatin1Char('.'))) {
        return Texte("Nom de fichier refusé.");
    }
    if (nom.toUtf8().size() > kOctetsNomMax) {
        return Texte("Nom trop long.");
    }
    return std::nullopt;
}

QString DepotParties::Chemin(const QString& nomFichier) const {
    return QDir(dossier_).filePath(nomFichier);
}

std::optional<QString> DepotParties::EnregistrerPartie(const QString& nom,
                                                       const Grille& plateau) const {
    if (std::optional<QString> refus = RefusNom(nom)) {
        return refus;
    }
    const std::optional<std::string> texte = TexteSauvegarde(plateau);
    if (!texte) {
        return std::nullopt; // a full board is never saved
    }
    const QString impossible = Texte("Enregistrement impossible.");
    const QString chemin = Chemin(nom + QLatin1String(ExtensionPartie));

    // QSaveFile writes through a link; one leading out of the folder is not followed.
    const QFileInfo cible(chemin);
    if (cible.isSymLink()) {
        const QString vraiChemin = cible.canonicalFilePath(); // empty for a broken link
        if (vraiChemin.isEmpty() ||
            QFileInfo(vraiChemin).absolutePath() != QFileInfo(dossier_).canonicalFilePath()) {
            return impossible;
        }
    }

    // The old game is replaced only by commit(). commit() overlooks a failure of its own final
    // flush and would put a cut file in place (QTBUG-75077), hence the flush of our own.
    QSaveFile fichier(chemin);
    const auto taille = static_cast<qint64>(texte->size());
    if (!fichier.open(QIODevice::WriteOnly) || fichier.write(texte->data(), taille) != taille ||
        !fichier.flush() || !fichier.commit()) {
        return impossible;
    }
    return std::nullopt;
}

DepotParties::Ouverture DepotParties::OuvrirPartie(const QString& nomFichier) const {
    Ouverture ouverture;
    if (std::optional<QString> refus = RefusNomFichier(nomFichier)) {
        ouverture.message = *refus;
        return ouverture;
    }
    const QFileInfo info(Chemin(nomFichier));
    // A folder, a pipe or a device: reading could block or never reach an end.
    if (info.exists() && !info.isFile()) {
        ouverture.message = Texte("Partie illisible.");
        return ouverture;
    }
    const LecturePartie lecture = LireFichierPartie(info.filesystemFilePath());
    if (!lecture.ok) {
        ouverture.message = QString::fromStdString(lecture.raison);
        return ouverture;
    }
    ouverture.ok = true;
    ouverture.billes = lecture.billes;
    return ouverture;
}

bool DepotParties::Supprimer(const QString& nomFichier) const {
    if (RefusNomFichier(nomFichier)) {
        return false;
    }
    return QFile::remove(Chemin(nomFichier));
}

QString DepotParties::NomPropose(const QDate& jour) {
    return QStringLiteral("%1-%2-%3").arg(jour.day()).arg(jour.month()).arg(jour.year());
}

} // namespace marbello
