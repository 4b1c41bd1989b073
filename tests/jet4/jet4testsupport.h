#pragma once

#include "jet4/jet4database.h"
#include "jet4/jet4reader.h"
#include "jet4/jet4writer.h"

#include <gtest/gtest.h>
#include <string>

// Writes a database in memory and reads it back through libmdb.
inline jet4::Database RoundTrip(const jet4::Database &database)
{
    jet4::Bytes file;
    jet4::WriteOptions options;
    options.created = 45000.5;
    const jet4::Status written = jet4::WriteDatabase(database, file, options);
    EXPECT_TRUE(written.ok()) << written.error;
    jet4::Database back;
    const jet4::Status read = jet4::ReadDatabase(file, back);
    EXPECT_TRUE(read.ok()) << read.error;
    return back;
}

inline jet4::Table OneColumnTable(const std::string &name, const jet4::Column &column,
                                  std::vector<jet4::Value> values)
{
    jet4::Table table;
    table.name = name;
    table.columns = {column};
    for (jet4::Value &value : values)
        table.rows.push_back({std::move(value)});
    return table;
}

inline std::string Describe(const jet4::Value &value)
{
    if (jet4::IsNull(value))
        return "Null";
    if (const auto *i = std::get_if<std::int64_t>(&value))
        return "integer " + std::to_string(*i);
    if (const auto *d = std::get_if<double>(&value))
        return "real " + std::to_string(*d);
    if (const auto *s = std::get_if<std::string>(&value))
        return "text \"" + *s + "\"";
    return "bytes (" + std::to_string(std::get<jet4::Bytes>(value).size()) + ")";
}
