#include "jet4page.h"

#include <algorithm>

namespace jet4
{

DataPageBuilder::DataPageBuilder(std::uint32_t owner)
{
    m_page[0] = PageData;
    m_page[1] = 0x01;
    Put32(&m_page[4], owner);
    Put16(&m_page[2], static_cast<std::uint32_t>(freeSpace()));
}

bool DataPageBuilder::fits(std::size_t rowSize) const
{
    return m_rows < MaxRows && rowSize + 2 <= freeSpace();
}

std::uint8_t DataPageBuilder::add(const Bytes &row)
{
    m_end -= row.size();
    std::copy(row.begin(), row.end(), m_page.begin() + static_cast<std::ptrdiff_t>(m_end));
    Put16(&m_page[HeaderSize + 2 * m_rows], static_cast<std::uint32_t>(m_end));
    const auto number = static_cast<std::uint8_t>(m_rows);
    ++m_rows;
    Put16(&m_page[12], static_cast<std::uint32_t>(m_rows));
    Put16(&m_page[2], static_cast<std::uint32_t>(freeSpace()));
    return number;
}

std::uint32_t PageStore::allocate()
{
    m_pages.emplace_back();
    m_pages.back().fill(0);
    return count() - 1;
}

} // namespace jet4
