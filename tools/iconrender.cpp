// Renders an SVG picture to a PNG file of a given size, so the program's icon can be
// installed in the sizes desktops look for. Usage:
//   iconrender IN.svg OUT.png WIDTH [HEIGHT]
// HEIGHT defaults to WIDTH. Exits with 1 when the SVG cannot be read or the PNG written.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    // Used during the build, where no display need exist.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() != 4 && args.size() != 5) {
        std::fputs("usage: iconrender IN.svg OUT.png WIDTH [HEIGHT]\n", stderr);
        return 2;
    }
    bool okW = false;
    bool okH = true;
    const int width = args.at(3).toInt(&okW);
    const int height = args.size() == 5 ? args.at(4).toInt(&okH) : width;
    if (!okW || !okH || width < 1 || height < 1 || width > 4096 || height > 4096) {
        std::fputs("iconrender: WIDTH and HEIGHT must be 1 to 4096\n", stderr);
        return 2;
    }

    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "iconrender: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter);
    }
    if (!image.save(args.at(2), "PNG")) {
        std::fprintf(stderr, "iconrender: cannot write %s\n", qPrintable(args.at(2)));
        return 1;
    }
    return 0;
}
