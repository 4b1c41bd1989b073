// The catalogue of a written file against the description of an Access-made
// file's (accesscatalogue.txt): the same system objects, containers and
// documents, with the same types, parents, flags and owners, and the same
// permission rows.
#include "jet4testsupport.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

using namespace jet4;

namespace
{

struct ObjectEntry {
    std::string id; // "-": any
    std::int64_t type = 0;
    std::string parent;
    std::uint32_t flags = 0;
    std::string owner;
};

struct Description {
    std::map<std::string, std::string> roleOfId; // stored id (hex) -> role
    std::map<std::string, ObjectEntry> objects;  // "*" stands for each user table
    std::multiset<std::string> permissions;      // "object role rights inheritable"
};

std::string Hex(const Bytes &bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (std::uint8_t b : bytes) {
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

std::string HexNumber(std::uint32_t value)
{
    std::ostringstream out;
    out << "0x" << std::hex << value;
    return out.str();
}

Description ReadDescription()
{
    Description d;
    std::ifstream in(VLM_SOURCE_DIR "/tests/jet4/accesscatalogue.txt");
    EXPECT_TRUE(in.good());
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string kind;
        if (!(words >> kind) || kind[0] == '#')
            continue;
        if (kind == "principal") {
            std::string role, id;
            words >> role >> id;
            d.roleOfId[id] = role;
        } else if (kind == "object") {
            std::string name, flags;
            ObjectEntry o;
            words >> name >> o.id >> o.type >> o.parent >> flags >> o.owner;
            o.flags = static_cast<std::uint32_t>(std::stoul(flags, nullptr, 16));
            d.objects[name] = o;
        } else if (kind == "permission") {
            std::string object, role, rights, inheritable;
            words >> object >> role >> rights >> inheritable;
            d.permissions.insert(
                object + " " + role + " " +
                HexNumber(static_cast<std::uint32_t>(std::stoul(rights, nullptr, 16))) + " " +
                inheritable);
        }
    }
    return d;
}

const Table &SystemTable(const Database &database, const std::string &name)
{
    const auto it = std::find_if(database.tables.begin(), database.tables.end(),
                                 [&](const Table &t) { return t.name == name; });
    EXPECT_NE(it, database.tables.end()) << name;
    return *it;
}

std::size_t ColumnIndex(const Table &table, const std::string &name)
{
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        if (table.columns[i].name == name)
            return i;
    }
    ADD_FAILURE() << "no column " << name;
    return 0;
}

class CatalogueTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Database database;
        database.tables.push_back(
            OneColumnTable("FileTable", {"FilePK", ColumnType::Long}, {std::int64_t{61}}));
        database.tables.push_back(
            OneColumnTable("DefaultAntennaTable", {"DefaultAntennaPK", ColumnType::Long}, {}));
        userTables = {"FileTable", "DefaultAntennaTable"};
        Bytes file;
        ASSERT_TRUE(WriteDatabase(database, file).ok());
        ReadOptions options;
        options.systemTables = true;
        ASSERT_TRUE(ReadDatabase(file, written, options).ok());
    }

    std::string RoleOf(const Value &id)
    {
        const std::string hex = Hex(std::get<Bytes>(id));
        const auto it = description.roleOfId.find(hex);
        return it == description.roleOfId.end() ? "unknown id " + hex : it->second;
    }

    Description description = ReadDescription();
    std::vector<std::string> userTables;
    Database written;
};

TEST_F(CatalogueTest, ObjectsAreThoseOfAnAccessMadeFile)
{
    const Table &objects = SystemTable(written, "MSysObjects");
    const std::size_t id = ColumnIndex(objects, "Id"), parent = ColumnIndex(objects, "ParentId"),
                      name = ColumnIndex(objects, "Name"), type = ColumnIndex(objects, "Type"),
                      flags = ColumnIndex(objects, "Flags"), owner = ColumnIndex(objects, "Owner");
    std::map<std::int64_t, std::string> nameOfId{{0x0F000000, "root"}};
    for (const auto &row : objects.rows)
        nameOfId[std::get<std::int64_t>(row[id])] = std::get<std::string>(row[name]);

    std::set<std::string> seen;
    for (const auto &row : objects.rows) {
        const std::string objectName = std::get<std::string>(row[name]);
        const bool userTable =
            std::find(userTables.begin(), userTables.end(), objectName) != userTables.end();
        const auto it = description.objects.find(userTable ? "*" : objectName);
        ASSERT_NE(it, description.objects.end())
            << "an object Access does not make: " << objectName;
        const ObjectEntry &expected = it->second;
        const auto objectId = static_cast<std::uint32_t>(std::get<std::int64_t>(row[id]));
        SCOPED_TRACE(objectName);
        if (expected.id != "-") {
            EXPECT_EQ(objectId, std::stoul(expected.id, nullptr, 16));
        }
        EXPECT_EQ(std::get<std::int64_t>(row[type]), expected.type);
        EXPECT_EQ(nameOfId[std::get<std::int64_t>(row[parent])], expected.parent);
        EXPECT_EQ(static_cast<std::uint32_t>(std::get<std::int64_t>(row[flags])), expected.flags);
        EXPECT_EQ(RoleOf(row[owner]), expected.owner);
        seen.insert(userTable ? "*" : objectName);
    }
    for (const auto &[expectedName, entry] : description.objects)
        EXPECT_TRUE(seen.count(expectedName)) << "missing " << expectedName;
}

TEST_F(CatalogueTest, PermissionRowsAreThoseOfAnAccessMadeFile)
{
    const Table &objects = SystemTable(written, "MSysObjects");
    std::map<std::int64_t, std::string> nameOfId;
    for (const auto &row : objects.rows)
        nameOfId[std::get<std::int64_t>(row[ColumnIndex(objects, "Id")])] =
            std::get<std::string>(row[ColumnIndex(objects, "Name")]);

    std::multiset<std::string> expected;
    for (const std::string &permission : description.permissions) {
        if (permission.rfind("* ", 0) == 0) {
            for (const std::string &table : userTables)
                expected.insert(table + permission.substr(1));
        } else {
            expected.insert(permission);
        }
    }
    const Table &aces = SystemTable(written, "MSysACEs");
    std::multiset<std::string> actual;
    for (const auto &row : aces.rows) {
        actual.insert(
            nameOfId[std::get<std::int64_t>(row[ColumnIndex(aces, "ObjectId")])] + " " +
            RoleOf(row[ColumnIndex(aces, "SID")]) + " " +
            HexNumber(
                static_cast<std::uint32_t>(std::get<std::int64_t>(row[ColumnIndex(aces, "ACM")]))) +
            " " + (std::get<std::int64_t>(row[ColumnIndex(aces, "FInheritable")]) ? "yes" : "no"));
    }
    EXPECT_EQ(actual, expected);
}

TEST_F(CatalogueTest, DatabaseObjectCarriesTheAccess2000Version)
{
    const Table &objects = SystemTable(written, "MSysObjects");
    for (const auto &row : objects.rows) {
        if (std::get<std::string>(row[ColumnIndex(objects, "Name")]) != "MSysDb")
            continue;
        const Bytes properties = std::get<Bytes>(row[ColumnIndex(objects, "LvProp")]);
        const std::string text(properties.begin(), properties.end());
        EXPECT_EQ(text.substr(0, 4), std::string("MR2\0", 4));
        EXPECT_NE(text.find(std::string("A\0c\0c\0e\0s\0s\0V\0e\0r\0s\0i\0o\0n\0", 26)),
                  std::string::npos);
        EXPECT_NE(text.find(std::string("0\0008\0.\0005\0000\0", 10)), std::string::npos);
        return;
    }
    FAIL() << "no MSysDb";
}

} // namespace
