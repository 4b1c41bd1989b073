#include "jet4index.h"

#include "jet4text.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace jet4
{
namespace
{

constexpr std::size_t EntryMaskOffset = 27;
constexpr std::size_t EntriesOffset = 480;
constexpr std::size_t EntriesCapacity = PageSize - EntriesOffset;
constexpr std::uint8_t KeyValueFlag = 0x7F;
constexpr std::uint8_t KeyNullFlag = 0x00;
constexpr std::uint8_t TextEnd = 0x01;
constexpr std::uint8_t ExtraEnd = 0x00; // no extra codes follow

void AppendBigEndian(Bytes &out, std::uint64_t value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// General sort order codes of printable ASCII (0x20 ... 0x7E); 0 marks the two
// characters with a more involved encoding. Upper and lower case share a code.
struct TextCode {
    std::uint8_t first;
    std::uint8_t second;
};

TextCode CodeOf(char16_t c)
{
    static const TextCode codes[95] = {
        {0x07, 0},    {0x09, 0},    {0x0A, 0},    {0x0C, 0},    {0x0E, 0}, {0x10, 0}, {0x12, 0},
        {0, 0},       {0x14, 0},    {0x16, 0},    {0x18, 0},    {0x2C, 0}, {0x1A, 0}, {0, 0},
        {0x1C, 0},    {0x1E, 0},    {0x36, 0},    {0x38, 0},    {0x3A, 0}, {0x3C, 0}, {0x3E, 0},
        {0x40, 0},    {0x42, 0},    {0x44, 0},    {0x46, 0},    {0x48, 0}, {0x20, 0}, {0x22, 0},
        {0x2E, 0},    {0x30, 0},    {0x32, 0},    {0x24, 0},    {0x26, 0}, {0x4A, 0}, {0x4C, 0},
        {0x4D, 0},    {0x4F, 0},    {0x51, 0},    {0x53, 0},    {0x55, 0}, {0x57, 0}, {0x59, 0},
        {0x5B, 0},    {0x5C, 0},    {0x5E, 0},    {0x60, 0},    {0x62, 0}, {0x64, 0}, {0x66, 0},
        {0x68, 0},    {0x69, 0},    {0x6B, 0},    {0x6D, 0},    {0x6F, 0}, {0x71, 0}, {0x73, 0},
        {0x75, 0},    {0x76, 0},    {0x78, 0},    {0x27, 0},    {0x29, 0}, {0x2A, 0}, {0x2B, 0x02},
        {0x2B, 0x03}, {0x2B, 0x07}, {0x4A, 0},    {0x4C, 0},    {0x4D, 0}, {0x4F, 0}, {0x51, 0},
        {0x53, 0},    {0x55, 0},    {0x57, 0},    {0x59, 0},    {0x5B, 0}, {0x5C, 0}, {0x5E, 0},
        {0x60, 0},    {0x62, 0},    {0x64, 0},    {0x66, 0},    {0x68, 0}, {0x69, 0}, {0x6B, 0},
        {0x6D, 0},    {0x6F, 0},    {0x71, 0},    {0x73, 0},    {0x75, 0}, {0x76, 0}, {0x78, 0},
        {0x2B, 0x09}, {0x2B, 0x0B}, {0x2B, 0x0D}, {0x2B, 0x0F},
    };
    if (c < 0x20 || c > 0x7E)
        return {0, 0};
    return codes[c - 0x20];
}

bool AppendTextKey(const std::string &utf8, Bytes &key)
{
    std::u16string text;
    if (!Utf8ToUtf16(utf8, text) || !IsIndexableText(text))
        return false;
    for (char16_t c : text) {
        const TextCode code = CodeOf(c);
        key.push_back(code.first);
        if (code.second)
            key.push_back(code.second);
    }
    key.push_back(TextEnd);
    key.push_back(ExtraEnd);
    return true;
}

// IEEE bits, big endian: positive values with the sign bit set, negative values
// with every bit turned, so that byte order follows value order.
void AppendRealKey(Bytes &key, double value, bool single)
{
    std::uint64_t bits = 0;
    int bytes = 8;
    if (single) {
        const auto f = static_cast<float>(value);
        std::uint32_t b32 = 0;
        std::memcpy(&b32, &f, 4);
        bits = b32;
        bytes = 4;
    } else {
        std::memcpy(&bits, &value, 8);
    }
    const std::uint64_t sign = std::uint64_t{1} << (8 * bytes - 1);
    const std::uint64_t all = bytes == 8 ? ~std::uint64_t{0} : 0xFFFFFFFFu;
    bits = (bits & sign) ? (~bits & all) : (bits | sign);
    AppendBigEndian(key, bits, bytes);
}

bool NumberOf(const Value &value, double &number)
{
    if (const auto *i = std::get_if<std::int64_t>(&value)) {
        number = static_cast<double>(*i);
        return true;
    }
    if (const auto *d = std::get_if<double>(&value)) {
        number = *d;
        return true;
    }
    return false;
}

Bytes LeafEntry(const IndexEntry &entry)
{
    Bytes bytes = entry.key;
    AppendBigEndian(bytes, entry.row.page, 3);
    bytes.push_back(entry.row.row);
    return bytes;
}

struct IndexPageContent {
    std::vector<Bytes> entries;
    std::size_t used = 0;
};

std::vector<IndexPageContent> Pack(const std::vector<Bytes> &entries)
{
    std::vector<IndexPageContent> pages(1);
    for (const Bytes &entry : entries) {
        if (pages.back().used + entry.size() > EntriesCapacity)
            pages.emplace_back();
        pages.back().entries.push_back(entry);
        pages.back().used += entry.size();
    }
    return pages;
}

void WriteIndexPage(Page &page, bool leaf, std::uint32_t tableDefinitionPage, std::uint32_t prev,
                    std::uint32_t next, const IndexPageContent &content)
{
    page.fill(0);
    page[0] = leaf ? PageIndexLeaf : PageIndexNode;
    page[1] = 0x01;
    Put32(&page[4], tableDefinitionPage);
    Put32(&page[12], prev);
    Put32(&page[16], next);
    std::size_t at = EntriesOffset;
    std::size_t total = 0;
    for (const Bytes &entry : content.entries) {
        std::copy(entry.begin(), entry.end(), page.begin() + static_cast<std::ptrdiff_t>(at));
        at += entry.size();
        total += entry.size();
        page[EntryMaskOffset + total / 8] |= static_cast<std::uint8_t>(1u << (total % 8));
    }
    Put16(&page[2], static_cast<std::uint32_t>(PageSize - at));
}

} // namespace

bool IsIndexableType(ColumnType type)
{
    switch (type) {
    case ColumnType::Byte:
    case ColumnType::Integer:
    case ColumnType::Long:
    case ColumnType::Currency:
    case ColumnType::Single:
    case ColumnType::Double:
    case ColumnType::DateTime:
    case ColumnType::Text:
        return true;
    default:
        return false;
    }
}

bool IsIndexableText(const std::u16string &text)
{
    for (char16_t c : text) {
        if (CodeOf(c).first == 0)
            return false;
    }
    return true;
}

bool AppendIndexKey(const ColumnLayout &column, const Value &value, Bytes &key)
{
    if (IsNull(value)) {
        key.push_back(KeyNullFlag);
        return true;
    }
    key.push_back(KeyValueFlag);
    double number = 0;
    switch (column.type) {
    case ColumnType::Byte:
    case ColumnType::Integer:
    case ColumnType::Long: {
        const auto *i = std::get_if<std::int64_t>(&value);
        if (!i)
            return false;
        if (column.type == ColumnType::Byte)
            AppendBigEndian(key, static_cast<std::uint64_t>(*i) & 0xFF, 1);
        else if (column.type == ColumnType::Integer)
            AppendBigEndian(key, (static_cast<std::uint64_t>(*i) & 0xFFFF) ^ 0x8000, 2);
        else
            AppendBigEndian(key, (static_cast<std::uint64_t>(*i) & 0xFFFFFFFFu) ^ 0x80000000u, 4);
        return true;
    }
    case ColumnType::Currency: {
        if (!NumberOf(value, number))
            return false;
        const auto scaled = static_cast<std::int64_t>(std::llround(number * 10000.0));
        AppendBigEndian(key, static_cast<std::uint64_t>(scaled) ^ (std::uint64_t{1} << 63), 8);
        return true;
    }
    case ColumnType::Single:
    case ColumnType::Double:
    case ColumnType::DateTime:
        if (!NumberOf(value, number))
            return false;
        AppendRealKey(key, number, column.type == ColumnType::Single);
        return true;
    case ColumnType::Text: {
        const auto *text = std::get_if<std::string>(&value);
        return text && AppendTextKey(*text, key);
    }
    default:
        return false;
    }
}

IndexPages WriteIndexPages(PageStore &store, std::uint32_t tableDefinitionPage,
                           std::vector<IndexEntry> entries)
{
    // Leaf entries: the key and the row it points to. The level above holds, for
    // every page below, the leaf form of its last entry followed by that page.
    std::vector<Bytes> leafForms;
    leafForms.reserve(entries.size());
    for (const IndexEntry &entry : entries)
        leafForms.push_back(LeafEntry(entry));
    std::sort(leafForms.begin(), leafForms.end());

    std::vector<Bytes> level = leafForms;
    std::vector<Bytes> lastForms = leafForms; // leaf form of each entry of the level
    IndexPages result;
    bool leaf = true;
    for (;;) {
        const std::vector<IndexPageContent> pages = Pack(level);
        std::vector<std::uint32_t> numbers;
        for (std::size_t i = 0; i < pages.size(); ++i)
            numbers.push_back(store.allocate());
        std::vector<Bytes> above;
        std::vector<Bytes> aboveForms;
        std::size_t consumed = 0;
        for (std::size_t i = 0; i < pages.size(); ++i) {
            const std::uint32_t prev = i > 0 ? numbers[i - 1] : 0;
            const std::uint32_t next = i + 1 < pages.size() ? numbers[i + 1] : 0;
            WriteIndexPage(store.page(numbers[i]), leaf, tableDefinitionPage, prev, next, pages[i]);
            consumed += pages[i].entries.size();
            if (!pages[i].entries.empty()) {
                Bytes entry = lastForms[consumed - 1];
                aboveForms.push_back(entry);
                AppendBigEndian(entry, numbers[i], 4);
                above.push_back(std::move(entry));
            }
        }
        result.pages.insert(result.pages.end(), numbers.begin(), numbers.end());
        if (pages.size() == 1) {
            result.root = numbers.front();
            return result;
        }
        level = std::move(above);
        lastForms = std::move(aboveForms);
        leaf = false;
    }
}

} // namespace jet4
