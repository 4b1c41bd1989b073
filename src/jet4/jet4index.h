#pragma once

#include "jet4layout.h"
#include "jet4page.h"

#include <vector>

// Index keys and index pages. Keys compare byte for byte; every column of a key
// starts with a flag byte (0x7F a value, 0x00 Null) and numbers are stored big
// endian with their sign bit turned, so that byte order is value order. Text
// keys use the "General" sort order of Access 2000, for the characters whose
// code is one or two plain bytes: printable ASCII except the apostrophe and the
// hyphen.
namespace jet4
{

bool IsIndexableType(ColumnType type);
bool IsIndexableText(const std::u16string &text);

// Appends the key of one value; false when the value cannot be indexed.
bool AppendIndexKey(const ColumnLayout &column, const Value &value, Bytes &key);

struct IndexEntry {
    Bytes key;
    RowId row;
};

struct IndexPages {
    std::uint32_t root = 0;
    std::vector<std::uint32_t> pages; // every page of the tree
};

// Sorts the entries and writes them as leaf pages, with intermediate pages above
// them when one leaf does not hold them all.
IndexPages WriteIndexPages(PageStore &store, std::uint32_t tableDefinitionPage,
                           std::vector<IndexEntry> entries);

} // namespace jet4
