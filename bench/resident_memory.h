// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The process's resident memory, as the kernel counts it. The book is part
// of the binary: its pages count as file memory, and how many of them are
// resident also depends on the page cache, so anonymous memory is the
// steadier figure of what the program itself holds.

#include <fstream>
#include <string>
#include <string_view>

// A kB field of /proc/self/status, e.g. "VmRSS:" or "RssAnon:".
inline long statusKb(std::string_view field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with(field)) {
            return std::stol(line.substr(field.size()));
        }
    }
    return 0;
}

inline long residentKb() {
    return statusKb("VmRSS:");
}
