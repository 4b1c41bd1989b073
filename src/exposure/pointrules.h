#pragma once

#include "store/recordresult.h"

#include <QString>
#include <QStringList>

// Rules for critical test points that need no database: the validation of the
// values the user typed, and the numbering of references (CTP_01 … CTP_99,
// CTP_100, …).

enum PointRule {
    PointValid = 0,
    PointRuleNoDistance = 1,  // distance 0, empty or unreadable
    PointRuleDistance = 2,    // distance below 0 or above 2500 m
    PointRuleHeight = 3,      // height below -350 or above 350 m
    PointRuleDescription = 4, // no description
};

// Checks the rules in the order description, height, distance range, zero
// distance; a later failure replaces an earlier one, so the last failing rule
// is returned. Numbers are read with the decimal comma; unreadable text is 0.
int ValidatePoint(const QString &distance, const QString &height, const QString &description);

// The caption and text shown for a failing rule.
QString PointRuleCaption();
QString PointRuleMessage(int rule);

// The longest description and reference a point row keeps.
constexpr int PointDescriptionLength = 70;
constexpr int PointReferenceLength = 7;

// "CTP_" followed by n, with a leading 0 below 10.
QString PointReference(int n);

// The reference after the given ones: "CTP_01" when there are none, else the
// highest number after the last "_" plus one. A reference whose number is not
// an integer is an error, and so is a number that cannot grow any more.
TOpResult<QString> NextPointReference(const QStringList &references);
