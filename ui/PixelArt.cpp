#include "PixelArt.h"

#include <QPainter>
#include <cmath>

namespace ui {

namespace {
QImage Repeated(const QImage& design, qreal factor) {
    const QSize size(qRound(design.width() * factor), qRound(design.height() * factor));
    return design.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}
}  // namespace

QImage PixelArtImage(form::Xpm picture) { return QImage(picture.data()); }

PixelArt::PixelArt(form::Xpm picture, QWidget* parent)
    : QWidget(parent), design_(PixelArtImage(picture).convertToFormat(QImage::Format_ARGB32_Premultiplied)) {}

void PixelArt::paintEvent(QPaintEvent*) {
    const qreal scale = devicePixelRatioF();
    if (scaled_.isNull() || scaled_.devicePixelRatio() != scale) {
        scaled_ = Repeated(design_, scale);
        scaled_.setDevicePixelRatio(scale);
    }
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), scaled_);
}

QIcon PixelArtIcon(form::Xpm picture) {
    const QImage design = PixelArtImage(picture);
    QIcon icon;
    for (int factor : {1, 2, 4}) icon.addPixmap(QPixmap::fromImage(Repeated(design, factor)));
    return icon;
}

}  // namespace ui
