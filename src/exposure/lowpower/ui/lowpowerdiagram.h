#pragma once

#include <QImage>
#include <QSize>

class QPainter;

// The picture beside the clearance table: a house with a person in the garden and a
// person below the antenna, the antenna on its mast, and the two clearances the table
// gives: the horizontal one from the antenna to the nearest place where people may be,
// the vertical one from the antenna down to the height where people may be.
void DrawLowPowerDiagram(QPainter &painter, const QSize &size);

// The picture as an image of the given size on a white ground.
QImage LowPowerDiagramImage(const QSize &size = QSize(360, 260));
