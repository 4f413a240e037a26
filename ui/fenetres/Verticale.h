#pragma once

#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <QWidget>

class QScrollBar;

namespace marbello {

class FMarbello;

// The slider window: a frameless navy pill, cut to its skin, whose scroll bar chooses how many
// moves of the found solution the main window shows (0 = the position the search started from).
// It has no owner and never moves by itself: the main window places it beside itself. Where a
// client cannot place its windows it is drawn inside the main window instead, in a gap of the
// skin, and adds its pill to the main window's outline while it is shown.
class Verticale : public QWidget {
    Q_OBJECT

public:
    explicit Verticale(FMarbello& principale);

    QScrollBar* VScroll1 = nullptr; // 0..number of moves, steps of one move

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load();
    void VScroll1_Change(int valeur);

    FMarbello& principale_;
    QRegion contourPrincipale_; // the main window's own outline, when drawn inside it
    QImage Picture1;            // the skin's 1x pixels, source of the outline
    QPixmap peau_;
};

} // namespace marbello
