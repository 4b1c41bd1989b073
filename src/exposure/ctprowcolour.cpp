#include "exposure/ctprowcolour.h"

int CtpRowColourIndex(const QString &reference, int previous)
{
    const int n = reference.size();
    if (n == 0)
        return previous;
    const int last = reference.at(n - 1).unicode();
    const int before = n > 1 ? reference.at(n - 2).unicode() : 0;
    return (last + 13 * before) % 8;
}
