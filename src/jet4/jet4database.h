#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// The content of an Access 2000 (Jet 4) database as the writer takes it and the
// reader gives it: user tables with their columns, rows and primary key. System
// tables, permissions and page layout are the writer's business.
namespace jet4
{

// Column types with the codes a Jet 4 table definition stores.
enum class ColumnType : std::uint8_t {
    Boolean = 0x01,  // Yes/No, kept in the row's null mask
    Byte = 0x02,     // 0 ... 255
    Integer = 0x03,  // 16-bit signed
    Long = 0x04,     // 32-bit signed ("Long Integer", also AutoNumber)
    Currency = 0x05, // 64-bit, four decimals
    Single = 0x06,
    Double = 0x07,
    DateTime = 0x08, // days since 30 December 1899, as a double
    Binary = 0x09,   // up to 255 bytes
    Text = 0x0A,     // up to 255 characters
    OLE = 0x0B,      // long binary
    Memo = 0x0C,     // long text
    Guid = 0x0F,     // 16 bytes
};

struct Column {
    std::string name; // UTF-8, at most 64 characters
    ColumnType type = ColumnType::Long;
    std::uint16_t size = 0;  // Text: characters (1 ... 255, 0 means 255); Binary: bytes
    bool autoNumber = false; // Long only: Access numbers new rows itself
};

using Bytes = std::vector<std::uint8_t>;

// A field: Null, an integer, a real, a UTF-8 text or bytes. Which kinds a column
// accepts: Boolean, Byte, Integer, Long an integer (a Boolean is true when not 0);
// Currency, Single, Double, DateTime a real or an integer; Text and Memo a text;
// Binary, OLE and Guid bytes (a Guid exactly 16).
using Value = std::variant<std::monostate, std::int64_t, double, std::string, Bytes>;

inline bool IsNull(const Value &value)
{
    return std::holds_alternative<std::monostate>(value);
}

struct Table {
    std::string name; // UTF-8; letters, digits, blanks and plain punctuation
    std::vector<Column> columns;
    std::vector<std::vector<Value>> rows; // each row holds one value per column
    // The column of the primary key ("PrimaryKey": unique, required), if any.
    std::optional<std::size_t> primaryKey;
};

struct Database {
    std::vector<Table> tables;
};

// A result that is either fine or carries a message for the user.
struct Status {
    std::string error; // empty when fine
    bool ok() const { return error.empty(); }
};

} // namespace jet4
