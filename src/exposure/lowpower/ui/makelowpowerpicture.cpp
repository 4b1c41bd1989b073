// Writes the low-power page's picture, data/LowPower.res (a PNG file):
//   make_lowpower_picture <output file>
#include "exposure/lowpower/ui/lowpowerdiagram.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_lowpower_picture <output file>\n");
        return 2;
    }
    return LowPowerDiagramImage().save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
