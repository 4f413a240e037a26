#pragma once

#include <QColor>
#include <QWidget>

namespace marbello {

// A filled circle as wide as the smaller side of its box, centred in it. Like a drawn shape it
// takes no mouse input of its own: the mouse's events on it go to its parent.
class Forme : public QWidget {
    Q_OBJECT

public:
    explicit Forme(QWidget* parent = nullptr);

    void DonnerCouleurs(const QColor& fond, const QColor& bord);
    void DonnerCouleurFond(const QColor& fond);
    QColor CouleurFond() const { return fond_; }
    QColor CouleurBord() const { return bord_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fond_;
    QColor bord_;
};

} // namespace marbello
