#pragma once

#include "jet4database.h"
#include "jet4page.h"

#include <string>
#include <vector>

// How a table sits in a Jet 4 file: column numbers, fixed offsets, variable
// slots and flags as the table definition records them, and the rows encoded
// to match.
namespace jet4
{

struct ColumnLayout {
    std::string name;
    std::u16string name16;
    ColumnType type = ColumnType::Long;
    std::uint16_t number = 0;      // place in the row's null mask
    std::uint16_t length = 0;      // bytes as the definition records them
    bool variable = false;         // stored after the fixed part of the row
    bool longValue = false;        // Memo and OLE: a 12-byte reference in the row
    std::uint16_t fixedOffset = 0; // fixed columns: offset in the fixed part
    std::uint16_t varIndex = 0;    // variable slot; fixed columns: variable columns before it
    std::uint8_t flags = 0;        // 0x01 fixed, 0x02 updatable, 0x04 AutoNumber, 0x10 system
    bool compressedText = false;   // Text and Memo kept in the compressed form when shorter
    std::uint16_t secondNumber = 0;
};

struct IndexLayout {
    std::string name;
    std::vector<std::size_t> columns; // ascending, in key order
    std::uint8_t flags = 0x80;        // 0x01 unique, 0x02 ignore nulls, 0x08 required
    std::uint8_t kind = 0;            // logical index type: 1 primary key
    std::uint32_t logicalNumber = 0;
};

struct TableLayout {
    std::string name;
    std::u16string name16;
    bool system = false;
    std::vector<ColumnLayout> columns;        // by number
    std::vector<std::size_t> definitionOrder; // order of the column blocks in the definition
    std::vector<IndexLayout> indexes;         // one real index each
    std::uint16_t varCount = 0;
    std::uint32_t lastAutoNumber = 0;
};

// Checks the table against what Jet 4 and Access accept and lays it out.
Status MakeUserTableLayout(const Table &table, TableLayout &layout);

// Fills in the offsets, slots and counts of a layout whose columns carry their
// names, types, lengths and flags.
void PlaceColumns(TableLayout &layout);

// The fixed size of a column type in a row (0 for Boolean and variable types).
std::uint16_t FixedSize(ColumnType type);
bool IsVariable(ColumnType type);
bool IsLongValue(ColumnType type);

// A name Access takes for a table or a column; empty when fine, else why not.
std::string CheckObjectName(const std::string &name, std::u16string &name16);

// ASCII letters compared without regard to case, as Access compares names.
bool SameName(const std::u16string &a, const std::u16string &b);

} // namespace jet4
