// The exported C functions of libmeridox.so, called through the shared library.
#include "meridox.h"
#include "meridoxtestsupport.h"

#include <cstddef>
#include <fstream>
#include <gtest/gtest.h>
#include <vector>

namespace
{

void ProgramStartupDefinitions()
{
    SetMeridienParis("2.2014025\xB0");
    SetConversion("LT72", "Lambert 72 Belgique,32,BD72,26,0,0,49.50\xB0,51.10\xB0,4.2124983\xB0,"
                          "90\xB0,150000.01,5400088.44");
    SetConversion("WGS84", "WGS84,0,WGS84,12,0,0,0,0,0");
    SetConversion("BD72", "Belgique 1972 (BD72),0,BD72,26,0,0,-125.8,79.9,-100.5");
    SetPivot("WGS84");
}

// An FP array of the given shape, held in doubles so that it is aligned.
class FpArray
{
public:
    FpArray(std::uint16_t rows, std::uint16_t columns)
        : storage_(1 + std::size_t(rows) * columns + 1, 0.0)
    {
        array()->rows = rows;
        array()->columns = columns;
    }
    MeridoxFpArray *array() { return reinterpret_cast<MeridoxFpArray *>(storage_.data()); }
    double &operator[](std::size_t i) { return array()->array[i]; }
    // The slot just past the array must never be written.
    double guard() const { return storage_.back(); }
    void setGuard(double v) { storage_.back() = v; }

private:
    std::vector<double> storage_;
};

TEST(Exports, FpArrayLayout)
{
    static_assert(offsetof(MeridoxFpArray, rows) == 0, "rows first");
    static_assert(offsetof(MeridoxFpArray, columns) == 2, "columns second");
    static_assert(offsetof(MeridoxFpArray, array) == 8, "values from byte 8");
}

TEST(Exports, TypesOfTheProgramDefinitions)
{
    ProgramStartupDefinitions();
    EXPECT_EQ(GetTypeCoord("LT72"), 32);
    EXPECT_EQ(GetTypeCoord("WGS84"), 0);
    EXPECT_EQ(GetTypeCoord("NOPE"), -1);
    EXPECT_EQ(GetTypeCoord(nullptr), -1);
}

TEST(Exports, ConversionWorkedExample)
{
    ProgramStartupDefinitions();
    const double in[2] = {150.0, 170.0};
    double out[3] = {9, 9, 9};
    Conversion(in, "LT72", 6, 0, out, "WGS84", 0, 1, 0);
    EXPECT_NEAR(out[0], 50.5025487, 5e-8);
    EXPECT_NEAR(out[1], 4.2207513, 5e-8);
    EXPECT_EQ(in[0], 150.0) << "the input is not modified";

    const double lonLat[2] = {4.2208, 50.5025};
    Conversion2(lonLat, "WGS84", 0, 1, out, "LT72", 6, 0, -1);
    EXPECT_NEAR(out[0], 150.010, 0.0005);
    EXPECT_NEAR(out[1], 169.985, 0.0005);
    EXPECT_EQ(out[2], 0.0);
}

struct ZeroCase {
    const char *why;
    const char *src;
    short srcFlag;
    const char *dst;
    short dstFlag;
};

TEST(Exports, FailedConversionsGiveZeros)
{
    ProgramStartupDefinitions();
    const ZeroCase cases[] = {
        {"unknown source", "NOPE", 0, "WGS84", 1},
        {"WGS84 with flag 0", "WGS84", 0, "LT72", 0},
        {"LT72 with flag 1", "LT72", 1, "WGS84", 1},
    };
    for (const auto &c : cases) {
        const double in[2] = {150.0, 50.0};
        double out[3] = {9, 9, 9};
        Conversion(in, c.src, 6, c.srcFlag, out, c.dst, 2, c.dstFlag, 0);
        EXPECT_EQ(out[0], 0.0) << c.why;
        EXPECT_EQ(out[1], 0.0) << c.why;
        EXPECT_EQ(out[2], 0.0) << c.why;
    }
    // Null pointers are no crash.
    Conversion(nullptr, "LT72", 6, 0, nullptr, "WGS84", 0, 1, 0);
    SetConversion(nullptr, "x");
    SetMeridienParis(nullptr);
    ProgramStartupDefinitions();
}

struct SpreadsheetCase {
    const char *why;
    std::uint16_t inRows, inColumns, outRows, outColumns;
    int filled; // output elements that receive a value
};

TEST(Exports, SpreadsheetForms)
{
    ProgramStartupDefinitions();
    const SpreadsheetCase cases[] = {
        {"one output element", 1, 2, 1, 1, 1},
        {"two output elements", 2, 1, 1, 2, 2},
        {"three output elements get the convergence", 1, 2, 3, 1, 3},
        {"five output elements", 1, 2, 1, 5, 3},
        {"one input element leaves zeros", 1, 1, 1, 3, 0},
        {"empty input", 0, 0, 1, 3, 0},
    };
    for (const auto &c : cases) {
        FpArray in(c.inRows, c.inColumns);
        if (c.inRows * c.inColumns >= 1)
            in[0] = 250.0;
        if (c.inRows * c.inColumns >= 2)
            in[1] = 150.0;
        FpArray out(c.outRows, c.outColumns);
        for (int i = 0; i < c.outRows * c.outColumns; ++i)
            out[i] = 77.0;
        out.setGuard(55.0);
        ConversionXl("", in.array(), "LT72", 6, 0, out.array(), "WGS84", 2, 1, 2);
        const double expected[3] = {50.66, 5.79, 1.09};
        const double tolerance[3] = {0.02, 0.02, 0.01};
        for (int i = 0; i < c.outRows * c.outColumns; ++i) {
            if (i < c.filled)
                EXPECT_NEAR(out[i], expected[i], tolerance[i]) << c.why << " element " << i;
            else
                EXPECT_EQ(out[i], 0.0) << c.why << " element " << i;
        }
        EXPECT_EQ(out.guard(), 55.0) << c.why;
    }
    FpArray in(2, 1);
    in[0] = 5.79;
    in[1] = 50.66;
    FpArray out(1, 2);
    ConversionXl2("", in.array(), "WGS84", 2, 1, out.array(), "LT72", 6, 0, -1);
    EXPECT_NEAR(out[0], 250.0, 1.0) << "longitude first";
    EXPECT_NEAR(out[1], 150.0, 1.0);
}

TEST(Exports, RegistryFunctions)
{
    TemporaryConfigHome home;
    const std::string path = home.path() + "/defs.txt";
    std::ofstream(path, std::ios::binary)
        << "Pivot=WGS84\nParis=2.2014025\xB0\n"
        << "LT72=Lambert 72 Belgique,32,BD72,26,0,0,49.50\xB0,51.10\xB0,4.2124983\xB0,90\xB0,"
           "150000.01,5400088.44\n"
        << "WGS84=WGS84,0,WGS84,12,0,0,0,0,0\n"
        << "BD72=Belgique 1972 (BD72),0,BD72,26,0,0,-125.8,79.9,-100.5\n";

    EXPECT_EQ(InitRegistre("", path.c_str()), 1);
    EXPECT_EQ(InitRegistre("Velmor", ""), 1);
    EXPECT_EQ(InitRegistre(nullptr, path.c_str()), 1);
    EXPECT_FALSE(std::filesystem::exists(home.storeFile())) << "nothing written";
    EXPECT_EQ(InitRegistre("Velmor", (home.path() + "/none.txt").c_str()), 1);

    SetCleRegistre(MERIDOX_HKEY_CURRENT_USER);
    ASSERT_EQ(InitRegistre("Velmor", path.c_str()), 0);
    EXPECT_EQ(ChargeRegistre(""), 1);
    EXPECT_EQ(GetTypeCoord("LT72"), 32) << "InitRegistre leaves the definitions in memory";

    EXPECT_EQ(ChargeRegistre("Empty"), 1);
    EXPECT_EQ(GetTypeCoord("LT72"), -1) << "definitions were deleted before loading";

    // The spreadsheet form loads the definitions itself when there are none.
    FpArray in(1, 2);
    in[0] = 150.0;
    in[1] = 170.0;
    FpArray out(1, 3);
    ConversionXl("Velmor", in.array(), "LT72", 6, 0, out.array(), "WGS84", 0, 1, 0);
    EXPECT_NEAR(out[0], 50.5025487, 5e-8);
    EXPECT_EQ(GetTypeCoord("BD72"), 0);

    ASSERT_EQ(ChargeRegistre("Velmor"), 0);
    const double xy[2] = {150.0, 170.0};
    double result[3];
    Conversion(xy, "LT72", 6, 0, result, "WGS84", 0, 1, 0);
    EXPECT_NEAR(result[1], 4.2207513, 5e-8);
    ProgramStartupDefinitions();
}

TEST(Exports, ParisOffsetFromText)
{
    ProgramStartupDefinitions();
    SetConversion("WGS84P", "WGS84 Paris,0,WGS84P,12,0,0,0,0,0");
    const double in[2] = {48.0, 0.0};
    double out[3];
    Conversion(in, "WGS84P", 2, 2, out, "WGS84", 0, 1, -1);
    EXPECT_NEAR(out[1], 2.2014025, 1e-7);
}

} // namespace
