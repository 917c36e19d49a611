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

PixelArt::PixelArt(const QString& path, QWidget* parent)
    : QWidget(parent), design_(QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied)) {}

void PixelArt::paintEvent(QPaintEvent*) {
    const qreal scale = devicePixelRatioF();
    if (scaled_.isNull() || scaled_.devicePixelRatio() != scale) {
        scaled_ = Repeated(design_, scale);
        scaled_.setDevicePixelRatio(scale);
    }
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), scaled_);
}

QIcon PixelArtIcon(const QString& path) {
    const QImage design(path);
    QIcon icon;
    for (int factor : {1, 2, 4}) icon.addPixmap(QPixmap::fromImage(Repeated(design, factor)));
    return icon;
}

}  // namespace ui
