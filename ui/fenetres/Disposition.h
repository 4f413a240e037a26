#pragma once

#include "model/Partie.h"
#include "ui/dessin/Apparence.h"

#include <QColor>
#include <QFont>
#include <QListView>
#include <QRect>
#include <QString>
#include <array>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

namespace marbello {

// The button bar's labels, by index: place, caption and tool-tip.
struct DefinitionBouton {
    QRect place;
    QString texte;
    const char* bulle;
};
inline const std::array<DefinitionBouton, 7> BoutonsDuBandeau{{
    {{298, 10, 150, 16}, TexteChercher, "Lancer une recherche de solution ou la stopper."},
    {{377, 76, 55, 16}, TexteDamier, "Distinguer les billes \"blanches\" des billes \"noires\""},
    {{338, 43, 102, 16}, QStringLiteral("A Propos / Aide"), ""},
    {{317, 375, 112, 16}, QString::fromUtf8(TexteGo), "Commencer ou recommencer une partie"},
    {{380, 309, 50, 18}, QStringLiteral("Quitter"), "Au revoir."},
    {{343, 342, 49, 18}, QStringLiteral("<<<"), "Reculer d'un coup"},
    {{385, 342, 49, 18}, QStringLiteral(">>>"), "Avancer d'un coup"},
}};

// The help panel's text, its lines apart as the layout wrote them.
inline const QString TexteAide = QStringLiteral(
    "Pour débuter une partie vous devez cliquer sur la bille à retirer.\r\n"
    "Puis les déplacements se font en cliquant-déposant.\r\n"
    "La dernière bille peut être positionnée n'importe où pour réussir.\r\n"
    "Le solutionneur ne cherchera d'ailleurs pas à terminer au centre.\r\n"
    "La sélection du ''Damier'' permet de s'aider de la ''règle du damier'' pour débuter "
    "les parties.");

// The controls as the window lays them out: each takes its layout name as object name.
void Colorer(QWidget* controle, const QColor& texte);
// A navy panel, hidden until it is opened.
QFrame* CreerCadre(QWidget* parent, const char* nom, const QRect& place);
QLabel* CreerEtiquette(QWidget* parent, const QString& nom, const QRect& place,
                       const QString& texte, const QColor& couleur,
                       Qt::Alignment alignement = Qt::AlignLeft | Qt::AlignTop);
QPushButton* CreerBouton(QWidget* parent, const char* nom, const QRect& place,
                         const QString& texte);
// Arial, or a face with its metrics, which the layout's sizes were made for.
QFont PoliceArial(double points);
QFont PoliceLien(double points);
// A wider face than the layout's shrinks until the fixed text fits its label.
void AjusterPolice(QLabel* etiquette);

// A removed row takes the selection with it. The view would select the next row instead: a game
// the player never chose, which the waste bin or "Ouvrir" would then act on.
class ListeParties : public QListView {
public:
    using QListView::QListView;

protected:
    void rowsAboutToBeRemoved(const QModelIndex& parent, int debut, int fin) override;
};

} // namespace marbello
