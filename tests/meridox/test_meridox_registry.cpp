// The definition store: its file, InitRegistry's rules and LoadRegistry.
#include "cconversion.h"
#include "cregistrykey.h"
#include "meridoxtestsupport.h"
#include "registrystore.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace
{

void *const CurrentUser = MERIDOX_HKEY_CURRENT_USER;
const std::string Section = "Coordonn\xE9"
                            "es";

std::string WriteFile(const std::string &folder, const std::string &name, const std::string &text)
{
    const std::string path = folder + "/" + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

std::string ReadFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(RegistryStore, DocumentRoundTripKeepsBytesAndOrder)
{
    meridox::RegistryDocument document;
    meridox::RegistrySection &key = document.findOrAdd("Software\\Meridox\\Test");
    key.values.emplace_back("Pivot", "WGS84");
    key.values.emplace_back("Paris", "2.2014025\xB0");
    meridox::RegistrySection &defs = document.findOrAdd("Software\\Meridox\\Test\\" + Section);
    defs.values.emplace_back("Z=odd[name;", "back\\slash\nnew line\rreturn");
    defs.values.emplace_back("", "default value");
    defs.values.emplace_back("A", "");

    const std::string text = meridox::SerializeRegistryDocument(document);
    EXPECT_NE(text.find("[Software\\Meridox\\Test]\nPivot=WGS84\nParis=2.2014025\xB0\n"),
              std::string::npos)
        << text;
    const meridox::RegistryDocument back = meridox::ParseRegistryDocument(text);
    ASSERT_EQ(back.sections.size(), 2u);
    ASSERT_EQ(back.sections[1].values.size(), 3u);
    EXPECT_EQ(back.sections[1].values[0].first, "Z=odd[name;");
    EXPECT_EQ(back.sections[1].values[0].second, "back\\slash\nnew line\rreturn");
    EXPECT_EQ(back.sections[1].values[1].first, "");
    EXPECT_EQ(back.sections[1].values[2].first, "A");
    EXPECT_EQ(back.sections[0].values[1].second, "2.2014025\xB0");
}

TEST(RegistryStore, ParserSkipsNoise)
{
    const meridox::RegistryDocument document = meridox::ParseRegistryDocument(
        "orphan=before any section\n; comment\n[K]\nno equals sign\na=1\nA=2\n[k]\nb=3\n[");
    ASSERT_EQ(document.sections.size(), 1u) << "key paths ignore ASCII case";
    ASSERT_EQ(document.sections[0].values.size(), 2u);
    EXPECT_EQ(document.sections[0].values[0].second, "2") << "value names ignore ASCII case";
}

TEST(RegistryKey, ReadWriteDeleteList)
{
    TemporaryConfigHome home;
    CRegistryKey key;
    EXPECT_EQ(key.ReadString("", "Pivot", "default"), "") << "no path yet";
    key.WriteString("", "Pivot", "X");
    EXPECT_TRUE(key.ListValueNames("").empty());

    key.Set(CurrentUser, "\\\\Software\\Meridox\\T");
    EXPECT_EQ(key.ReadString("", "Pivot", "WGS84"), "WGS84");
    EXPECT_EQ(key.ListValueNamesText(""), "Pivot") << "a missing value is written back";
    key.WriteString(Section, "B", "line b");
    key.WriteString(Section, "A", "line a");
    key.WriteString(Section, "B", "line b2");
    EXPECT_EQ(key.ListValueNamesText(Section), "B|A");
    EXPECT_EQ(key.ReadString(Section, "B", ""), "line b2");
    key.DeleteValue(Section, "B");
    key.DeleteValue(Section, "missing");
    key.DeleteValue("NoSuchKey", "A");
    EXPECT_EQ(key.ListValueNamesText(Section), "A");

    const std::string file = ReadFile(home.storeFile());
    EXPECT_NE(file.find("[Software\\Meridox\\T\\" + Section + "]\nA=line a\n"), std::string::npos)
        << file;

    CRegistryKey other;
    other.Set(MERIDOX_HKEY_LOCAL_MACHINE, "Software\\Meridox\\T");
    EXPECT_TRUE(other.ListValueNames(Section).empty()) << "each root has its own file";
    CRegistryKey unknown;
    unknown.Set(reinterpret_cast<void *>(42), "Software\\Meridox\\T");
    EXPECT_EQ(unknown.ReadString("", "Pivot", "dflt"), "dflt");
}

TEST(RegistryKey, AtomicWriteLeavesNoTemporaryFile)
{
    TemporaryConfigHome home;
    CRegistryKey key;
    key.Set(CurrentUser, "Software\\Meridox\\T");
    key.WriteString("", "A", "1");
    int files = 0;
    for (const auto &entry : std::filesystem::directory_iterator(home.path() + "/Meridox")) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 1);
}

class RegistryFile : public ::testing::Test
{
protected:
    TemporaryConfigHome home;
    CConversion engine;
};

TEST_F(RegistryFile, InitAndLoadRoundTrip)
{
    const std::string definitions =
        "Pivot=WGS84\r\n"
        "Paris=2.2014025\xB0\r\n"
        "! a comment line\r\n"
        "\r\n"
        "=no name\n"
        "LT72=Lambert 72 Belgique,32,BD72,26,0,0,49.50\xB0,51.10\xB0,4.2124983\xB0,90\xB0,"
        "150000.01,5400088.44\n"
        "WGS84=WGS84,0,WGS84,12,0,0,0,0,0=text after a second equals sign\n"
        "BD72=Belgique 1972 (BD72),0,BD72,26,0,0,-125.8,79.9,-100.5\n";
    const std::string path = WriteFile(home.path(), "defs.txt", definitions);
    engine.SetRegistry(CurrentUser, "Velmor");
    ASSERT_EQ(engine.InitRegistry(path.c_str()), 0);
    EXPECT_TRUE(engine.IsListeEmpty()) << "InitRegistry does not touch the list";

    CConversion loaded;
    loaded.SetRegistry(CurrentUser, "Velmor");
    ASSERT_EQ(loaded.LoadRegistry(), 0);
    EXPECT_EQ(loaded.GetTypeCoord("LT72"), 32);
    EXPECT_EQ(loaded.GetTypeCoord("BD72"), 0);
    ASSERT_NE(loaded.GetpCoordFromName("WGS84"), nullptr);
    EXPECT_EQ(loaded.GetpCoordFromName("WGS84")->FullName, "WGS84");
    EXPECT_FALSE(loaded.GetpCoordFromName("WGS84")->Helmert7);
    ASSERT_NE(loaded.Pivot(), nullptr);
    EXPECT_EQ(loaded.Pivot()->Name, "WGS84");
    EXPECT_NEAR(loaded.ParisOffset(), CConversion::atofDeg("2.2014025\xB0", false), 1e-15);

    const double in[2] = {150.0, 170.0};
    double out[3];
    loaded.DoCalcul(in, "LT72", 6, 0, out, "WGS84", 0, 1, 0);
    EXPECT_NEAR(out[0], 50.5025487, 5e-8);
}

TEST_F(RegistryFile, FirstTwoValuesGoToTheKeyWhateverTheirNames)
{
    const std::string path = WriteFile(home.path(), "defs.txt",
                                       "GONE=\n"
                                       "LT72=Lambert,32,BD72,26\n"
                                       "Paris=2d\n"
                                       "WGS84=WGS84,0,WGS84,12,0,0,0,0,0\n");
    engine.SetRegistry(CurrentUser, "K");
    ASSERT_EQ(engine.InitRegistry(path.c_str()), 0);
    CRegistryKey key;
    key.Set(CurrentUser, "Software\\Meridox\\K");
    EXPECT_EQ(key.ListValueNamesText(""), "LT72|Paris") << "deletions do not count";
    EXPECT_EQ(key.ListValueNamesText(Section), "WGS84");

    ASSERT_EQ(engine.LoadRegistry(), 0);
    EXPECT_EQ(engine.GetTypeCoord("LT72"), -1) << "a definition in the key itself is not loaded";
    EXPECT_EQ(engine.Pivot(), nullptr) << "no Pivot value: empty pivot name";
    EXPECT_EQ(key.ListValueNamesText(""), "LT72|Paris|Pivot") << "missing Pivot written back";
}

TEST_F(RegistryFile, EmptyValueDeletesADefinition)
{
    engine.SetRegistry(CurrentUser, "K");
    const std::string first =
        WriteFile(home.path(), "a.txt", "Pivot=WGS84\nParis=0\nA=A,0,A,12\nB=B,0,B,12\n");
    ASSERT_EQ(engine.InitRegistry(first.c_str()), 0);
    const std::string second = WriteFile(home.path(), "b.txt", "A=\nC=\n");
    ASSERT_EQ(engine.InitRegistry(second.c_str()), 0);
    CRegistryKey key;
    key.Set(CurrentUser, "Software\\Meridox\\K");
    EXPECT_EQ(key.ListValueNamesText(Section), "B");
}

TEST_F(RegistryFile, LongLinesAreReadInPiecesOf511)
{
    // A 600-character line: its first 511 characters form one entry, the rest
    // ("NAME2=...") another.
    std::string line = "LONG=" + std::string(506, 'x') + "NAME2=tail";
    ASSERT_EQ(line.size(), 521u);
    const std::string path = WriteFile(home.path(), "long.txt", "Pivot=P\nParis=0\n" + line + "\n");
    engine.SetRegistry(CurrentUser, "K");
    ASSERT_EQ(engine.InitRegistry(path.c_str()), 0);
    CRegistryKey key;
    key.Set(CurrentUser, "Software\\Meridox\\K");
    EXPECT_EQ(key.ListValueNamesText(Section), "LONG|NAME2");
    EXPECT_EQ(key.ReadString(Section, "LONG", "").size(), 506u);
    EXPECT_EQ(key.ReadString(Section, "NAME2", ""), "tail");
}

TEST_F(RegistryFile, Failures)
{
    engine.SetRegistry(CurrentUser, "K");
    EXPECT_EQ(engine.InitRegistry((home.path() + "/missing.txt").c_str()), 1);
    EXPECT_EQ(engine.InitRegistry(nullptr), 1);
    EXPECT_EQ(engine.LoadRegistry(), 1) << "no definitions stored";
    EXPECT_FALSE(std::filesystem::exists(home.storeFile())) << "nothing written";

    engine.SetRegistry2(CurrentUser, "Software\\Other\\Path");
    const std::string path = WriteFile(home.path(), "d.txt", "Pivot=A\nParis=0\nA=A,0,A,12\n");
    ASSERT_EQ(engine.InitRegistry(path.c_str()), 0);
    CRegistryKey key;
    key.Set(CurrentUser, "Software\\Other\\Path");
    EXPECT_EQ(key.ListValueNamesText(Section), "A") << "SetRegistry2 takes the path as given";
}

} // namespace
