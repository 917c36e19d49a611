#pragma once

#include <QColor>
#include <QWidget>

namespace ui {

// A classic flat frame: a single-line border whose top edge runs through the
// middle of the caption, the caption standing in it at the left. (Fusion's
// group box puts its title above the line instead.)
class FlatFrame : public QWidget {
    Q_OBJECT
public:
    FlatFrame(const QString& caption, QWidget* parent);

    void setCaptionColour(const QColor& colour);
    // Where the caption is drawn; it must fit inside the frame.
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    QColor captionColour_;
};

}  // namespace ui
