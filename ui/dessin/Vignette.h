#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace marbello {

// A picture on the window: shows a shared pixmap, or nothing, at its top-left corner. Tag is free
// scratch text (the marble images keep their cell key there).
class Vignette : public QWidget {
    Q_OBJECT

public:
    explicit Vignette(QWidget* parent = nullptr);

    QString Tag;

    // Giving a picture resizes the control to the picture's logical size when AjusterTaille is
    // set; an empty pixmap clears it and leaves the size alone.
    void DonnerImage(const QPixmap& image);
    const QPixmap& Picture() const { return picture_; }
    bool AUneImage() const { return !picture_.isNull(); }
    bool AjusterTaille = true;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

} // namespace marbello
