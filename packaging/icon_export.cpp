// Build-time tool: writes the window's pixel-art icon as PNG (or ICO) at a
// whole multiple of its drawn size, each pixel repeated, never blurred.
//   icon_export INPUT.xpm OUTPUT.png|OUTPUT.ico [FACTOR]
#include <QImage>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s INPUT.xpm OUTPUT [FACTOR]\n", argv[0]);
        return 2;
    }
    const int factor = argc > 3 ? std::atoi(argv[3]) : 1;
    QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull() || factor < 1) return 1;
    image = image.convertToFormat(QImage::Format_ARGB32)
                .scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return image.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
