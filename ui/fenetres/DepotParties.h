#pragma once

#include "model/FichierPartie.h"
#include "model/Grille.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace marbello {

// The folder of saved games and the file operations of the open and save panel. Every name it
// receives is a plain file name inside that one folder: no operation reaches outside it. Failures
// come back as short French messages for the message line; nothing here throws or ends the
// program.
class DepotParties {
public:
    explicit DepotParties(QString dossier);

    // The program's folder when it can be written, else the user's data folder for the game
    // (created when missing). Needs a QCoreApplication.
    static QString DossierParDefaut();
    // The same choice for a given program folder: that folder when it may be written and is not
    // one of the system's own (/usr, /opt, /bin, /sbin), else the user's data folder.
    static QString ChoisirDossier(const QString& dossierProgramme);

    const QString& dossier() const { return dossier_; }

    // The pattern of the saved-game list; the list matches it without regard to case.
    static QStringList FiltreParties();

    // nullopt when nom (without extension) may name a saved game, else why it may not.
    static std::optional<QString> RefusNom(const QString& nom);

    // Writes the position of plateau as nom + ".Mbo", replacing a game of that name only once
    // the new one is complete. A full board writes nothing. Returns the message of a failure.
    std::optional<QString> EnregistrerPartie(const QString& nom, const Grille& plateau) const;

    struct Ouverture {
        bool ok = false;
        QString message; // why the game could not be read, when !ok
        Billes billes;
    };
    // Reads the saved game nomFichier (with its extension, as listed). When !ok the caller
    // keeps its board.
    Ouverture OuvrirPartie(const QString& nomFichier) const;

    // Errors are for the caller to ignore; false when nothing was deleted.
    bool Supprimer(const QString& nomFichier) const;

    // "5-12-2026": day, month, year, no leading zeros.
    static QString NomPropose(const QDate& jour);

private:
    static std::optional<QString> RefusNomFichier(const QString& nomFichier);
    QString Chemin(const QString& nomFichier) const;

    QString dossier_;
};

} // namespace marbello
