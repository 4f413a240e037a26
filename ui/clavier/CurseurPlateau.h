#pragma once

#include "model/Grille.h"

#include <QWidget>
#include <optional>

namespace marbello {

class FMarbello;

// The board's keyboard focus: a cursor on one hole, moved by the arrows. Space or Return there does
// what a left press does (first hole, build-mode removal, or picking a marble up and putting it
// down on another hole as a drop); Insert or + what a right press does. It lies over the board but
// lets every mouse event through, and draws its ring only once a key has been used: a mouse
// player sees the board as it always was.
class CurseurPlateau : public QWidget {
    Q_OBJECT

public:
    explicit CurseurPlateau(FMarbello& fenetre);

    Cellule Curseur() const { return curseur_; }
    std::optional<Cellule> BilleLevee() const { return levee_; }
    bool AnneauVisible() const { return anneau_; }

    // c must be a hole of the cross.
    void PlacerCurseur(Cellule c);
    // Puts the picked marble down without a move.
    void Poser() { Lever(std::nullopt); }

signals:
    void curseurDeplace(marbello::Cellule cellule);
    void billeLeveeChangee();
    // A picked marble dropped on a hole where the rule refused the jump.
    void sautRefuse();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Appuyer();
    void Lever(std::optional<Cellule> c);
    void MontrerAnneau(bool oui);
    const QPixmap& Image(Cellule c) const;
    QPointF Centre(Cellule c) const;

    FMarbello& fenetre_;
    Cellule curseur_{5, 5};
    std::optional<Cellule> levee_;
    bool anneau_ = false;
};

} // namespace marbello
