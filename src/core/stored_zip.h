// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A zip archive of stored (uncompressed) entries: all that an OpenDocument file needs, whose
// first entry, "mimetype", must be stored anyway.

#include <cstdint>
#include <string>
#include <string_view>

namespace movesta {

// CRC-32 of the zip format (polynomial 0xEDB88320, as zlib's crc32).
std::uint32_t Crc32(std::string_view data);

class StoredZip {
public:
    // Entries stand in the archive in the order in which they are added. Throws
    // std::length_error for an archive beyond the plain zip format's 4 GiB or 65535 entries.
    void add(std::string_view name, std::string_view contents);
    // The central directory and the end record after the entries; the archive is then complete.
    std::string finish();

private:
    std::string m_archive;
    std::string m_directory;
    std::uint16_t m_entries = 0;
};

} // namespace movesta
