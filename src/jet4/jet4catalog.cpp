#include "jet4catalog.h"

#include "jet4identity.h"
#include "jet4text.h"

#include <algorithm>
#include <cstring>

namespace jet4
{
namespace
{

using identity::Principal;

constexpr std::int64_t ContainersRoot = 0x0F000000;
constexpr std::int64_t TablesContainer = 0x0F000001;
constexpr std::int64_t DatabasesContainer = 0x0F000002;
constexpr std::int64_t RelationshipsContainer = 0x0F000003;
constexpr std::int64_t DatabaseObject = 0x10000000;
constexpr std::int64_t SystemFlag = INT32_MIN; // 0x80000000: a system object
constexpr std::int64_t TypeTable = 1;
constexpr std::int64_t TypeDatabase = 2;
constexpr std::int64_t TypeContainer = 3;
constexpr std::int64_t TypeDocument = -32757; // 0x800B

// Column flags of system tables: 0x10 on every column, 0x01 fixed, 0x02 updatable,
// 0x20 on the security ids.
constexpr std::uint8_t SystemFixed = 0x13;
constexpr std::uint8_t SystemVariable = 0x12;
constexpr std::uint8_t SystemSecurityId = 0x32;

struct SystemColumn {
    const char *name;
    ColumnType type;
    std::uint16_t length;
    std::uint8_t flags;
};

bool LessIgnoringCase(const std::string &a, const std::string &b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto fold = [](char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; };
        return fold(x) < fold(y);
    });
}

TableLayout SystemTable(const char *name, std::initializer_list<SystemColumn> columns,
                        std::vector<IndexLayout> indexes)
{
    TableLayout table;
    table.name = name;
    Utf8ToUtf16(table.name, table.name16);
    table.system = true;
    for (const SystemColumn &source : columns) {
        ColumnLayout column;
        column.name = source.name;
        Utf8ToUtf16(column.name, column.name16);
        column.type = source.type;
        column.number = static_cast<std::uint16_t>(table.columns.size());
        column.length = source.length;
        column.flags = source.flags;
        table.columns.push_back(column);
    }
    // Access lists the columns of its system tables by name.
    for (std::size_t i = 0; i < table.columns.size(); ++i)
        table.definitionOrder.push_back(i);
    std::sort(table.definitionOrder.begin(), table.definitionOrder.end(),
              [&](std::size_t a, std::size_t b) {
                  return LessIgnoringCase(table.columns[a].name, table.columns[b].name);
              });
    PlaceColumns(table);
    table.indexes = std::move(indexes);
    return table;
}

IndexLayout SystemIndex(const char *name, std::vector<std::size_t> columns, std::uint8_t flags,
                        std::uint8_t kind, std::uint32_t logicalNumber)
{
    IndexLayout index;
    index.name = name;
    index.columns = std::move(columns);
    index.flags = flags;
    index.kind = kind;
    index.logicalNumber = logicalNumber;
    return index;
}

std::vector<Value> CatalogRow(std::int64_t id, std::int64_t parent, const std::string &name,
                              std::int64_t type, double created, Principal owner,
                              std::int64_t flags)
{
    std::vector<Value> row(17);
    row[0] = id;
    row[1] = parent;
    row[2] = name;
    row[3] = type;
    row[4] = created;
    row[5] = created;
    row[6] = identity::StoredId(owner);
    row[7] = flags;
    return row;
}

// The database object's properties: "AccessVersion" 08.50, the mark of an
// Access 2000 file. Blocks: "MR2\0", a block of property names, a block of
// values for the object itself.
Bytes DatabaseProperties()
{
    const Bytes name = EncodeUtf16(u"AccessVersion");
    const Bytes version = EncodeUtf16(u"08.50");
    Bytes names;
    Append16(names, static_cast<std::uint32_t>(name.size()));
    AppendBytes(names, name);
    Bytes property;
    Append16(property, static_cast<std::uint32_t>(8 + version.size()));
    property.push_back(0x00); // flags
    property.push_back(0x0A); // a text
    Append16(property, 0);    // the first name
    Append16(property, static_cast<std::uint32_t>(version.size()));
    AppendBytes(property, version);
    Bytes values;
    Append32(values, 6); // value block header: its length, no object name
    Append16(values, 0);
    AppendBytes(values, property);

    Bytes out{'M', 'R', '2', 0};
    Append32(out, static_cast<std::uint32_t>(6 + names.size()));
    Append16(out, 0x0080);
    AppendBytes(out, names);
    Append32(out, static_cast<std::uint32_t>(6 + values.size()));
    Append16(out, 0x0000);
    AppendBytes(out, values);
    return out;
}

struct Permission {
    Principal principal;
    std::int64_t rights;
    bool inheritable;
};

void AddPermissions(std::vector<std::vector<Value>> &rows, std::int64_t object,
                    std::initializer_list<Permission> permissions)
{
    for (const Permission &p : permissions) {
        rows.push_back({Value{object}, Value{identity::StoredId(p.principal)}, Value{p.rights},
                        Value{std::int64_t{p.inheritable ? 1 : 0}}});
    }
}

// Rights masks Access gives by default.
constexpr std::int64_t FullRights = 0xFFFFF;
constexpr std::int64_t TableRights = 0xFFEFF;
constexpr std::int64_t CreatorRights = 0xF00FE;

// RC4 key stream, as Jet masks part of the header.
void Rc4Mask(std::uint8_t *data, std::size_t length, const std::uint8_t *key, std::size_t keyLength)
{
    std::uint8_t s[256];
    for (int i = 0; i < 256; ++i)
        s[i] = static_cast<std::uint8_t>(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + s[i] + key[i % keyLength]) & 0xFF;
        std::swap(s[i], s[j]);
    }
    for (std::size_t n = 0, i = 0, j = 0; n < length; ++n) {
        i = (i + 1) & 0xFF;
        j = (j + s[i]) & 0xFF;
        std::swap(s[i], s[j]);
        data[n] ^= s[(s[i] + s[j]) & 0xFF];
    }
}

} // namespace

std::vector<TableLayout> SystemTableLayouts()
{
    const std::uint8_t F = SystemFixed;
    const std::uint8_t V = SystemVariable;
    std::vector<TableLayout> tables;
    tables.push_back(SystemTable(
        "MSysObjects",
        {{"Id", ColumnType::Long, 4, F},
         {"ParentId", ColumnType::Long, 4, F},
         {"Name", ColumnType::Text, 510, V},
         {"Type", ColumnType::Integer, 2, F},
         {"DateCreate", ColumnType::DateTime, 8, F},
         {"DateUpdate", ColumnType::DateTime, 8, F},
         {"Owner", ColumnType::Binary, 510, SystemSecurityId},
         {"Flags", ColumnType::Long, 4, F},
         {"Database", ColumnType::Memo, 0, V},
         {"Connect", ColumnType::Memo, 0, V},
         {"ForeignName", ColumnType::Text, 510, V},
         {"RmtInfoShort", ColumnType::Binary, 510, V},
         {"RmtInfoLong", ColumnType::OLE, 0, V},
         {"Lv", ColumnType::OLE, 0, V},
         {"LvProp", ColumnType::OLE, 0, V},
         {"LvModule", ColumnType::OLE, 0, V},
         {"LvExtra", ColumnType::OLE, 0, V}},
        {SystemIndex("ParentIdName", {1, 2}, 0x81, 0, 0), SystemIndex("Id", {0}, 0x81, 1, 1)}));
    tables.push_back(SystemTable("MSysACEs",
                                 {{"ObjectId", ColumnType::Long, 4, F},
                                  {"SID", ColumnType::Binary, 510, SystemSecurityId},
                                  {"ACM", ColumnType::Long, 4, F},
                                  {"FInheritable", ColumnType::Boolean, 1, F}},
                                 {SystemIndex("ObjectId", {0}, 0x88, 0, 0)}));
    tables.push_back(SystemTable("MSysQueries",
                                 {{"ObjectId", ColumnType::Long, 4, F},
                                  {"Attribute", ColumnType::Byte, 1, F},
                                  {"Order", ColumnType::Binary, 510, V},
                                  {"Name1", ColumnType::Text, 510, V},
                                  {"Name2", ColumnType::Text, 510, V},
                                  {"Expression", ColumnType::Memo, 0, V},
                                  {"Flag", ColumnType::Integer, 2, F},
                                  {"LvExtra", ColumnType::Long, 4, F}},
                                 {SystemIndex("ObjectIdAttribute", {0, 1, 2}, 0x81, 1, 0)}));
    tables.push_back(SystemTable("MSysRelationships",
                                 {{"szRelationship", ColumnType::Text, 510, V},
                                  {"grbit", ColumnType::Long, 4, F},
                                  {"ccolumn", ColumnType::Long, 4, F},
                                  {"icolumn", ColumnType::Long, 4, F},
                                  {"szObject", ColumnType::Text, 510, V},
                                  {"szColumn", ColumnType::Text, 510, V},
                                  {"szReferencedObject", ColumnType::Text, 510, V},
                                  {"szReferencedColumn", ColumnType::Text, 510, V}},
                                 {SystemIndex("szRelationship", {0}, 0x82, 0, 0),
                                  SystemIndex("szObject", {4}, 0x82, 0, 1),
                                  SystemIndex("szReferencedObject", {6}, 0x82, 0, 2)}));
    return tables;
}

std::vector<std::vector<Value>> CatalogRows(const std::vector<UserTableEntry> &tables,
                                            double created)
{
    std::vector<std::vector<Value>> rows;
    const auto admin = Principal::AdminUser;
    const auto engine = Principal::Engine;
    rows.push_back(CatalogRow(TablesContainer, ContainersRoot, "Tables", TypeContainer, created,
                              engine, SystemFlag));
    rows.push_back(CatalogRow(DatabasesContainer, ContainersRoot, "Databases", TypeContainer,
                              created, engine, SystemFlag));
    rows.push_back(CatalogRow(RelationshipsContainer, ContainersRoot, "Relationships",
                              TypeContainer, created, engine, SystemFlag));
    rows.push_back(CatalogRow(DatabaseObject, DatabasesContainer, "MSysDb", TypeDatabase, created,
                              admin, SystemFlag));
    rows.back()[14] = DatabaseProperties();
    const char *systemTables[] = {"MSysObjects", "MSysACEs", "MSysQueries", "MSysRelationships"};
    for (std::uint32_t i = 0; i < SystemTableCount; ++i)
        rows.push_back(CatalogRow(MSysObjectsPage + i, TablesContainer, systemTables[i], TypeTable,
                                  created, engine, SystemFlag));
    rows.push_back(
        CatalogRow(INT32_MIN, DatabasesContainer, "SummaryInfo", TypeDocument, created, admin, 0));
    rows.push_back(CatalogRow(INT32_MIN + 1, DatabasesContainer, "UserDefined", TypeDocument,
                              created, admin, 0));
    const char *containers[] = {"Forms",   "Reports", "Scripts",
                                "Modules", "SysRel",  "DataAccessPages"};
    for (std::int64_t i = 0; i < 6; ++i)
        rows.push_back(CatalogRow(INT32_MIN + 2 + i, ContainersRoot, containers[i], TypeContainer,
                                  created, admin, 0));
    for (const UserTableEntry &table : tables)
        rows.push_back(
            CatalogRow(table.id, TablesContainer, table.name, TypeTable, created, admin, 0));
    return rows;
}

std::vector<std::vector<Value>> PermissionRows(const std::vector<UserTableEntry> &tables)
{
    const auto A = Principal::AdminUser;
    const auto U = Principal::UsersGroup;
    const auto C = Principal::Creator;
    const auto G = Principal::AdminsGroup;
    std::vector<std::vector<Value>> rows;
    AddPermissions(rows, MSysObjectsPage,
                   {{A, 0x60000, false}, {G, 0x60054, false}, {U, 0x14, false}});
    AddPermissions(rows, MSysObjectsPage + 1, {{A, 0x60000, false}, {G, 0x60054, false}});
    AddPermissions(rows, MSysObjectsPage + 2,
                   {{A, 0x60000, false}, {G, 0x60014, false}, {U, 0x14, false}});
    AddPermissions(rows, MSysObjectsPage + 3,
                   {{A, 0xE0000, false}, {G, 0x60014, false}, {U, 0x14, false}});
    AddPermissions(rows, TablesContainer,
                   {{C, CreatorRights, true},
                    {A, TableRights, true},
                    {G, TableRights, true},
                    {U, TableRights, true}});
    AddPermissions(rows, RelationshipsContainer,
                   {{C, CreatorRights, true},
                    {A, 0x60001, false},
                    {G, FullRights, true},
                    {U, FullRights, true}});
    AddPermissions(rows, DatabasesContainer, {{A, 0x60000, false}});
    AddPermissions(rows, DatabaseObject,
                   {{A, 0x6000E, false}, {U, 0x0E, false}, {G, 0x6000E, false}});
    AddPermissions(rows, INT32_MIN, {{U, 0x10000, false}});
    AddPermissions(rows, INT32_MIN + 1, {{U, 0x10000, false}});
    for (std::int64_t i = 0; i < 6; ++i) {
        AddPermissions(rows, INT32_MIN + 2 + i,
                       {{U, FullRights, true},
                        {G, FullRights, true},
                        {A, FullRights, true},
                        {C, FullRights, true}});
    }
    for (const UserTableEntry &table : tables) {
        AddPermissions(rows, table.id,
                       {{A, TableRights, false}, {G, TableRights, false}, {U, TableRights, false}});
    }
    return rows;
}

void WriteDatabaseDefinitionPage(Page &page)
{
    page.fill(0);
    page[1] = 0x01;
    const char engine[] = "Standard Jet DB";
    std::memcpy(&page[4], engine, sizeof engine);
    page[0x14] = 0x01; // Jet 4
    // The masked area (0x18 ... 0x97), written plain first.
    for (std::uint32_t i = 0; i < 6; ++i)
        Put32(&page[0x18 + 4 * i], i == 0 ? 0x100 : i == 1 ? 0x101 : i);
    Put16(&page[0x3C], 1252); // code page
    // No password: the password area holds its mask, derived from the creation date.
    double date = 0;
    std::memcpy(&date, identity::HeaderDate.data(), 8);
    const auto dateMask = static_cast<std::uint32_t>(static_cast<std::int32_t>(date));
    for (std::size_t i = 0; i < 40; ++i)
        page[0x42 + i] = static_cast<std::uint8_t>(dateMask >> (8 * ((i + 2) % 4)));
    std::copy(identity::HeaderField6A.begin(), identity::HeaderField6A.end(), &page[0x6A]);
    Put16(&page[0x6E], 0x0409); // "General" sort order, version 0
    std::copy(identity::HeaderDate.begin(), identity::HeaderDate.end(), &page[0x72]);
    const std::uint8_t key[] = {0xC7, 0xDA, 0x39, 0x6B};
    Rc4Mask(&page[0x18], 128, key, sizeof key);

    Put32(&page[0x98], 0x0654);
    const char format[] = "4.0";
    std::memcpy(&page[0x9C], format, sizeof format);
    std::copy(identity::HeaderFieldE00.begin(), identity::HeaderFieldE00.end(), &page[0xE00]);
    for (std::size_t at = 0xE04; at < PageSize; at += 2)
        page[at + 1] = 0x01;
}

} // namespace jet4
