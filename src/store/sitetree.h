#pragma once

#include "store/recordresult.h"

#include <QString>
#include <QVector>

class TdtmMain;

// The owner's sites with their placements, as the power and report pages show
// them in a tree: a root, one node per site in TowerName order and under it one
// node per placement in AntennasRef order. A page builds its tree widget from it.

struct TSiteTreePlacement {
    qint32 id = 0;
    QString ref;
};

struct TSiteTreeSite {
    qint32 id = 0;
    QString name;
    QVector<TSiteTreePlacement> placements;
};

struct TSiteTree {
    // Indexes into the image list that the page provides.
    static constexpr int RootImage = 0;
    static constexpr int SiteImage = 1;
    static constexpr int SiteSelectedImage = 2;
    static constexpr int PlacementImage = 3;
    static constexpr int PlacementSelectedImage = 4;

    QString rootText;
    QVector<TSiteTreeSite> sites;

    // The node to select: the first placement of the first site. Both are -1
    // when the owner has no site; selectedPlacement is -1 when the first site
    // has no placement (nothing is selected then).
    int selectedSite = -1;
    int selectedPlacement = -1;
};

TOpResult<TSiteTree> FillSiteTree(TdtmMain &dm, qint32 ownerId, const QString &rootText);
