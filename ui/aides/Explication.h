#pragma once

#include "model/Partie.h"
#include "solver/FilRecherche.h"
#include "solver/Pourquoi.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <unordered_map>

class QLabel;

namespace marbello {

class FMarbello;
class TravailleurRecherche;

// "Pourquoi est-ce perdu ?": once an answer of the worker (the mark's, the hint's or the search's)
// has said the board's position is lost, the reason a player can check by hand. Over the board,
// the holes are tinted by their colour classes or carry their weights, the allowed finishing holes
// ringed; beside the window, a small frameless navy window holds the text, with the move that lost
// and one that kept the game winnable when the answers about the record tell them. Escape, a click
// or any change of the board closes it. Only a short proof is computed here; the search's count
// comes with its answer, so this window's thread never searches.
class Explication : public QWidget {
    Q_OBJECT

public:
    // marque: the live mark, a click on which asks when it reads "Pas de solution".
    Explication(FMarbello& fenetre, TravailleurRecherche& travailleur, QWidget& marque);

    // Shows why the board's position is lost when an answer said it is; otherwise nothing.
    void Montrer();
    // An answer said the board's position is lost.
    bool Expliquable() const;
    void Fermer();
    bool Montree() const { return preuve_.has_value(); }
    // The text of the small window; empty while closed.
    QString Texte() const;

signals:
    // Its text, each time it opens.
    void Annonce(const QString& texte);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    struct Connue {
        bool gagnable = false;
        uint64_t positions = 0;      // went through by its search
        std::optional<Coup> suivant; // a move that keeps it winnable
    };

    void Recevoir(const ReponseRecherche& reponse);
    std::optional<bool> Gagnable(Bits position) const;
    QString TexteDuCoup() const;
    void Placer();

    FMarbello& fenetre_;
    TravailleurRecherche& travailleur_;
    QWidget& marque_;
    const Partie& partie_;
    std::unordered_map<Bits, Connue> connues_;
    std::optional<Certificat> preuve_; // shown
    Bits position_ = 0;                // the board it is about
    QWidget* bulle_ = nullptr;         // the small navy window
    QLabel* texte_ = nullptr;
};

} // namespace marbello
