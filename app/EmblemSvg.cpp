// Build-time tool, never installed: renders the program's logo badge into the scalable icon
// that is installed for the desktop. It paints with Emblem::PaintLogo, the same code that
// paints the window icon, at the window icon's size, after the same application set-up
// (so the same font draws the symbol): the two icons are one drawing.
//
// Usage: zel-emblem-svg OUTPUT.svg (run on the offscreen platform; no display is needed).
#include "shell/Application.h"
#include "shell/Emblem.h"

#include <QApplication>
#include <QBuffer>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.svg\n", argv[0]);
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    QApplication app(argc, argv);
    ConfigureApplication();

    // The window icon is painted at 64 by 64 pixels; the SVG keeps that drawing area as its
    // view box, so every size the desktop asks for is the same drawing scaled.
    const QRect area(0, 0, 64, 64);
    QBuffer svg;
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(area.size());
    generator.setViewBox(area);
    generator.setTitle(QStringLiteral("Zel Compatibility"));
    generator.setDescription(QStringLiteral("The logo badge of Zel Compatibility"));
    QPainter painter;
    if (!painter.begin(&generator)) {
        std::fprintf(stderr, "zel-emblem-svg: cannot paint the SVG\n");
        return 1;
    }
    Emblem::PaintLogo(painter, area);
    painter.end();

    // Written whole or not at all, so a failed run never leaves a truncated icon behind
    // that the build would take as up to date.
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly) || file.write(svg.data()) != svg.data().size() || !file.commit()) {
        std::fprintf(stderr, "zel-emblem-svg: cannot write %s: %s\n", argv[1], qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}
