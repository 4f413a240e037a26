#pragma once

// Reading and writing test files, and a snapshot of a folder: what a refused or failed operation
// must leave untouched.

#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QTest>

namespace outils {

inline QByteArray Contenu(const QString& chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray("<absent>");
}

inline void Ecrire(const QString& chemin, const QByteArray& octets) {
    QFile fichier(chemin);
    QVERIFY(fichier.open(QIODevice::WriteOnly));
    QCOMPARE(fichier.write(octets), octets.size());
}

// Every file under racine with its bytes, and every folder.
inline QMap<QString, QByteArray> Etat(const QString& racine) {
    QMap<QString, QByteArray> etat;
    QDirIterator it(racine, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString chemin = it.next();
        etat.insert(chemin, it.fileInfo().isDir() ? QByteArray("<dossier>") : Contenu(chemin));
    }
    return etat;
}

} // namespace outils
