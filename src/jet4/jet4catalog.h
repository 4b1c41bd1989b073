#pragma once

#include "jet4layout.h"
#include "jet4page.h"

#include <string>
#include <vector>

// What Access puts in every database besides the user's tables: the database
// definition page, the system tables MSysObjects (the catalogue), MSysACEs
// (permissions), MSysQueries and MSysRelationships, and the catalogue's
// containers and documents.
namespace jet4
{

// The system tables' definitions sit on the pages 2 to 5, their catalogue ids.
constexpr std::uint32_t MSysObjectsPage = 2;
constexpr std::uint32_t SystemTableCount = 4;

// MSysObjects, MSysACEs, MSysQueries, MSysRelationships, in that order.
std::vector<TableLayout> SystemTableLayouts();

struct UserTableEntry {
    std::string name;
    std::uint32_t id = 0; // the page of its table definition
};

// Catalogue rows (MSysObjects) and permission rows (MSysACEs) of a file with
// these user tables, created at `created` (days since 30 December 1899).
std::vector<std::vector<Value>> CatalogRows(const std::vector<UserTableEntry> &tables,
                                            double created);
std::vector<std::vector<Value>> PermissionRows(const std::vector<UserTableEntry> &tables);

// Page 0: engine name and version, code page 1252, "General" sort order, the
// creation date, no password; the part of it Jet masks is masked.
void WriteDatabaseDefinitionPage(Page &page);

} // namespace jet4
