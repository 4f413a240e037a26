#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

class QScrollBar;

namespace marbello {

class FMarbello;

// The slider window: a frameless navy pill, cut to its skin, whose scroll bar chooses how many
// moves of the found solution the main window shows (0 = the position the search started from).
// It has no owner and never moves by itself: the main window places it beside itself.
class Verticale : public QWidget {
    Q_OBJECT

public:
    explicit Verticale(FMarbello& principale);

    QScrollBar* VScroll1 = nullptr; // 0..number of moves, steps of one move

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load();
    void VScroll1_Change(int valeur);

    FMarbello& principale_;
    QImage Picture1; // the skin's 1x pixels, source of the outline
    QPixmap peau_;
};

} // namespace marbello
