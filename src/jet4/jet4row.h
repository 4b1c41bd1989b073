#pragma once

#include "jet4layout.h"

#include <vector>

// A row as a data page stores it: the column count, the fixed-size values at
// their offsets (Null ones too), the variable-size values, their offsets in
// reverse order and the null mask, in which Yes/No values live.
namespace jet4
{

// Where the writer keeps a long value that does not fit in its row: the pages of
// the column's own long-value chain. Returns the first piece and whether the
// value runs over several pieces.
class LongValueStore
{
public:
    virtual ~LongValueStore() = default;
    virtual RowId store(std::size_t column, const Bytes &data, bool &chained) = 0;
};

// Values up to this many bytes stay in their row.
constexpr std::size_t MaxInlineLongValue = 64;
// The largest row a data page takes.
constexpr std::size_t MaxRowSize = 4060;

// One row in the stored form; long values go to the store.
Status EncodeRow(const TableLayout &layout, const std::vector<Value> &row, LongValueStore &store,
                 Bytes &out);

} // namespace jet4
