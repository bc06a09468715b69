// Build tool: writes the application icon as a PNG of the given size, every pixel of
// the 32 x 32 picture becoming a square block, so the block letters stay sharp.
// Usage: scale-icon SOURCE SIZE OUTPUT.png

#include <QImage>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: scale-icon SOURCE SIZE OUTPUT.png\n");
        return EXIT_FAILURE;
    }
    const QImage source(QString::fromLocal8Bit(argv[1]));
    const int size = std::atoi(argv[2]);
    if (source.isNull() || size <= 0 || size % source.width() != 0 || size % source.height() != 0) {
        std::fprintf(stderr, "scale-icon: %s cannot be scaled to %s pixels in whole blocks\n",
                     argv[1], argv[2]);
        return EXIT_FAILURE;
    }
    const QImage scaled = source.convertToFormat(QImage::Format_ARGB32)
                              .scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!scaled.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "scale-icon: cannot write %s\n", argv[3]);
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
