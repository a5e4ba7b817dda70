// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small helpers that every step of the book maker uses: reporting a failure,
// numbering files and reading, writing and comparing them.

#include <filesystem>
#include <string>
#include <string_view>

namespace bookmaker {

// Sets error, for `return fail(error, ...)`; always false.
bool fail(std::string& error, std::string message);

// At least two digits: "02", "10", "74".
std::string twoDigits(int n);

// A file's bytes; empty when it cannot be read.
std::string readFile(const std::filesystem::path& path);

// Writes the bytes in place of whatever the file held, whole or not at all,
// making its folder first; on failure error says which file.
bool writeFile(const std::filesystem::path& path, std::string_view bytes, std::string& error);

// Whether b exists and holds the same bytes as a.
bool sameBytes(const std::filesystem::path& a, const std::filesystem::path& b);

} // namespace bookmaker
