#pragma once

#include "base/conversiondefinitions.h"
#include "cconversion.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

// The Belgian systems with BD72 as a plain 3-parameter translation: the
// textbook case the pipeline tests work their figures out on.
inline void AddTranslationOnlyDefinitions(CConversion &engine)
{
    engine.SetParis(CConversion::atofDeg("2.2014025\xB0", false));
    engine.SetConversion("LT72", "Lambert 72 Belgique,32,BD72,26,0,0,49.50\xB0,51.10\xB0,"
                                 "4.2124983\xB0,90\xB0,150000.01,5400088.44");
    engine.SetConversion("WGS84", "WGS84,0,WGS84,12,0,0,0,0,0");
    engine.SetConversion("BD72", "Belgique 1972 (BD72),0,BD72,26,0,0,-125.8,79.9,-100.5");
    engine.SetPivot("WGS84");
}

// The three definitions and the pivot the program registers at start-up.
inline void AddProgramDefinitions(CConversion &engine)
{
    engine.SetParis(CConversion::atofDeg(conversiondefinitions::ParisMeridian, false));
    engine.SetConversion("LT72", conversiondefinitions::Lt72);
    engine.SetConversion("WGS84", conversiondefinitions::Wgs84);
    engine.SetConversion("BD72", conversiondefinitions::Bd72);
    engine.SetPivot("WGS84");
}

// A temporary folder that serves as $XDG_CONFIG_HOME for one test and is
// removed afterwards.
class TemporaryConfigHome
{
public:
    TemporaryConfigHome()
    {
        char pattern[] = "/tmp/meridox-test-XXXXXX";
        const char *made = ::mkdtemp(pattern);
        path_ = made ? made : "";
        const char *old = std::getenv("XDG_CONFIG_HOME");
        hadOld_ = old != nullptr;
        if (hadOld_)
            old_ = old;
        ::setenv("XDG_CONFIG_HOME", path_.c_str(), 1);
    }
    ~TemporaryConfigHome()
    {
        if (hadOld_)
            ::setenv("XDG_CONFIG_HOME", old_.c_str(), 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    const std::string &path() const { return path_; }
    std::string storeFile() const { return path_ + "/Meridox/HKEY_CURRENT_USER.txt"; }

private:
    std::string path_;
    std::string old_;
    bool hadOld_ = false;
};
