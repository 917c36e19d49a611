#pragma once

#include <QIcon>
#include <QImage>
#include <QWidget>

#include "form/pictures.h"

namespace ui {

// A picture of pixel art, shown unscaled at its top-left corner. On screens
// scaled by a whole factor each pixel becomes a square block; at other
// factors each pixel still keeps a flat colour: never blurred.
class PixelArt : public QWidget {
    Q_OBJECT
public:
    PixelArt(form::Xpm picture, QWidget* parent);

    QSize pictureSize() const { return design_.size(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage design_;
    QImage scaled_;  // the design at the device scale last painted
};

// An icon of pixel art at its drawn size and at two and four times that
// size, each pixel repeated, for title bars and menus on dense screens.
QIcon PixelArtIcon(form::Xpm picture);

// A picture of the shared description as an image.
QImage PixelArtImage(form::Xpm picture);

}  // namespace ui
