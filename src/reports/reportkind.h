#pragma once

// Which document the drawing routine draws; set by the print operation that starts
// the report engine.
enum class ReportKind {
    LowPowerLetter = 1,
    AntennaReport = 2,
    CoverLetter = 3,
    SpecialCaseDeclaration = 4,
};
