#pragma once

#include <QString>
#include <array>
#include <optional>

// A program version of up to four numbers, "major.minor.patch.build" ("1.0.0.1").
// Missing trailing parts count as 0, so "1.2" equals "1.2.0.0".
class VersionNumber
{
public:
    VersionNumber() = default;
    VersionNumber(quint32 major, quint32 minor, quint32 patch, quint32 build);

    // One to four parts of decimal digits separated by "."; surrounding blanks are
    // ignored. Anything else (empty parts, signs, letters, "No ver. info") gives nothing.
    static std::optional<VersionNumber> parse(const QString &text);

    QString toString() const; // always four parts

    friend bool operator==(const VersionNumber &a, const VersionNumber &b)
    {
        return a.m_parts == b.m_parts;
    }
    friend bool operator!=(const VersionNumber &a, const VersionNumber &b) { return !(a == b); }
    friend bool operator<(const VersionNumber &a, const VersionNumber &b)
    {
        return a.m_parts < b.m_parts;
    }
    friend bool operator>(const VersionNumber &a, const VersionNumber &b) { return b < a; }

private:
    std::array<quint32, 4> m_parts{};
};
