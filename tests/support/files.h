// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Files as the tests see them: whole contents, and a disk that is full.

#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <string>

namespace movesta::testing {

// A file's bytes; empty when it cannot be read.
inline std::string FileContents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// While alive, no file of this process may grow beyond `bytes`: writes past it fail, as on a full
// disk. Unlike permissions, this holds for root too.
struct FileSizeLimit {
    rlimit before{};
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &before);
        rlimit limited = before;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &before); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
};

} // namespace movesta::testing
