// Writes the program's icon as a 256x256 PNG for the desktop's icon theme,
// taken from the icon compiled into the program.

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tervalix-export-icon <output.png>\n");
        return 2;
    }
    QImageReader reader(QStringLiteral(":/icons/imgs/Tervalix.ico"));
    QImage best;
    for (int i = 0; i < qMax(1, reader.imageCount()); ++i) {
        if (i > 0 && !reader.jumpToImage(i))
            break;
        const QImage image = reader.read();
        if (!image.isNull() && image.width() * image.height() > best.width() * best.height())
            best = image;
    }
    if (best.isNull()) {
        std::fprintf(stderr, "tervalix-export-icon: cannot read the icon: %s\n",
                     qPrintable(reader.errorString()));
        return 1;
    }
    if (best.size() != QSize(256, 256))
        best = best.scaled(256, 256, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (!best.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "tervalix-export-icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
