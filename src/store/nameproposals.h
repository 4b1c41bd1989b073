#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Pure rules behind the proposals for new site names and placement references,
// the list of placements that use an antenna and the rounding of band centres.
// The record operations feed them with what the database returned.

// A proposed name, or the reason why none can be proposed.
struct TNameProposal {
    QString name;
    QString error; // empty when name holds the proposal

    bool ok() const { return error.isEmpty(); }
};

// Sites and placements are numbered with two digits: the placement references
// carry the site number's two characters and the power page finds a placement's
// site from them, so a 100th site or placement cannot be numbered.
constexpr int MaxNumberedItems = 99;

// Name of the next site of an owner, from the greatest existing name in text
// order (none: "Location_01").
TNameProposal ProposeSiteName(const std::optional<QString> &greatestName);

// Reference of the next placement of a site, from the site's name and the
// greatest existing reference in text order (none: "Loc" + site number + "-Ant01").
TNameProposal ProposePlacementRef(const QString &siteName,
                                  const std::optional<QString> &greatestRef);

// "A" for one reference, "A, B & C." for several, empty for none.
QString JoinPlacementRefs(const QStringList &refs);

// A band centre in MHz rounded to one decimal, halves to the even neighbour.
double RoundBandCenter(double centerMHz);
