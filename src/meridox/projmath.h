#pragma once

// Formulas shared by the library's own projections. Kept in a namespace: the
// projection package exports functions of the same names globally.
namespace meridox
{

constexpr double Pi = 3.141592653589793;
constexpr double HalfPi = Pi * 0.5;
constexpr double TwoPi = Pi * 2.0;
constexpr double Epsilon = 1.0e-10;

// Projection-engine error codes.
enum ProjectionError {
    ProjectionOk = 0,
    ErrorInsysIllegal = 1,      // "Insys is illegal"
    ErrorOutsysIllegal = 2,     // "Outsys is illegal"
    ErrorConvergence = 2,       // "Convergence error" (phi2z-conv)
    ErrorIllegalUnit = 1101,    // "Illegal source or target unit code"
    ErrorUtmZone = 11,          // "Illegal zone number"
    ErrorStatePlaneZone = 21,   // "Illegal zone #%4d  for spheroid #%4d"
    ErrorEqualLatitudes = 41,   // "Equal Latitiudes for St. Parallels on opposite sides of equator"
    ErrorNotProjectable = 44,   // "Point can not be projected" (lam72-for)
    ErrorSearchDiverged = 3101, // the oblique projection's latitude search did not settle
    ErrorOutsideProjection = 3102, // a plane point beyond the projection's edge
    ErrorIllegalDms = 1116,        // "Illegal DMS field" (paksz)
};

double Msfnz(double eccent, double sinphi, double cosphi);
double Tsfnz(double eccent, double phi, double sinphi);
// Latitude from the isometric value ts; ErrorConvergence after 16 rounds.
int Phi2z(double eccent, double ts, double *phi);
// Brings a longitude into [-pi, pi] by whole turns.
double AdjustLon(double x);

} // namespace meridox
