#include "FlatFrame.h"

#include <QPainter>

namespace ui {

namespace {
constexpr int kCaptionIndent = 8;  // from the frame's left edge to the caption's gap
constexpr int kCaptionGap = 2;     // blank space either side of the caption
}  // namespace

FlatFrame::FlatFrame(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption) {
    setAccessibleName(caption);
}

void FlatFrame::setCaptionColour(const QColor& colour) {
    captionColour_ = colour;
    update();
}

QRect FlatFrame::captionRect() const {
    const QFontMetrics metrics(font());
    return {kCaptionIndent, 0, metrics.horizontalAdvance(caption_) + 2 * kCaptionGap, metrics.height()};
}

void FlatFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect caption = captionRect();
    const int lineY = caption.center().y();
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(0, lineY, width() - 1, height() - 1 - lineY);
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(captionColour_.isValid() ? captionColour_ : palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, caption_);
}

}  // namespace ui
