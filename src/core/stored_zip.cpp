// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/stored_zip.h"

#include <array>
#include <limits>
#include <stdexcept>

namespace movesta {

namespace {

constexpr std::uint32_t kLocalHeader = 0x04034b50;
constexpr std::uint32_t kDirectoryHeader = 0x02014b50;
constexpr std::uint32_t kEndOfDirectory = 0x06054b50;
constexpr std::uint16_t kVersion = 10; // 1.0: stored entries, nothing newer
constexpr std::uint16_t kStored = 0;
// Every entry carries the same modification time, the format's earliest (1980-01-01 00:00), so
// that the same report gives the same bytes.
constexpr std::uint16_t kTime = 0;
constexpr std::uint16_t kDate = (1 << 5) | 1;

constexpr std::array<std::uint32_t, 256> crcTable()
{
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[i] = c;
    }
    return table;
}
constexpr auto kCrcTable = crcTable();

void put16(std::string& out, std::uint16_t value)
{
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void put32(std::string& out, std::uint32_t value)
{
    put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

std::uint32_t fits32(std::size_t value)
{
    if (value > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("the document is too large for a zip file");
    return static_cast<std::uint32_t>(value);
}

} // namespace

std::uint32_t Crc32(std::string_view data)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char c : data)
        crc = kCrcTable[(crc ^ static_cast<std::uint8_t>(c)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void StoredZip::add(std::string_view name, std::string_view contents)
{
    if (m_entries == std::numeric_limits<std::uint16_t>::max() || name.size() > 0xFFFF)
        throw std::length_error("the document has too many parts for a zip file");
    const std::uint32_t offset = fits32(m_archive.size());
    const std::uint32_t size = fits32(contents.size());
    fits32(m_archive.size() + 30 + name.size() + contents.size());
    const std::uint32_t crc = Crc32(contents);
    const auto nameLength = static_cast<std::uint16_t>(name.size());

    // Local header: signature, version needed, flags, method, time, date, CRC, sizes, name, no extra.
    put32(m_archive, kLocalHeader);
    put16(m_archive, kVersion);
    put16(m_archive, 0);
    put16(m_archive, kStored);
    put16(m_archive, kTime);
    put16(m_archive, kDate);
    put32(m_archive, crc);
    put32(m_archive, size);
    put32(m_archive, size);
    put16(m_archive, nameLength);
    put16(m_archive, 0);
    m_archive += name;
    m_archive += contents;

    // Its central directory record: the same, with the version made by, no comment, no
    // attributes, and where the local header starts.
    put32(m_directory, kDirectoryHeader);
    put16(m_directory, kVersion);
    put16(m_directory, kVersion);
    put16(m_directory, 0);
    put16(m_directory, kStored);
    put16(m_directory, kTime);
    put16(m_directory, kDate);
    put32(m_directory, crc);
    put32(m_directory, size);
    put32(m_directory, size);
    put16(m_directory, nameLength);
    put16(m_directory, 0); // extra field
    put16(m_directory, 0); // comment
    put16(m_directory, 0); // disk
    put16(m_directory, 0); // internal attributes
    put32(m_directory, 0); // external attributes
    put32(m_directory, offset);
    m_directory += name;
    ++m_entries;
}

std::string StoredZip::finish()
{
    const std::uint32_t directoryOffset = fits32(m_archive.size());
    const std::uint32_t directorySize = fits32(m_directory.size());
    fits32(m_archive.size() + m_directory.size());
    std::string archive = std::move(m_archive);
    archive += m_directory;
    put32(archive, kEndOfDirectory);
    put16(archive, 0); // this disk
    put16(archive, 0); // disk of the directory
    put16(archive, m_entries);
    put16(archive, m_entries);
    put32(archive, directorySize);
    put32(archive, directoryOffset);
    put16(archive, 0); // comment
    m_archive.clear();
    m_directory.clear();
    m_entries = 0;
    return archive;
}

} // namespace movesta
