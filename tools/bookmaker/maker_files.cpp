// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "maker_files.h"

#include <QSaveFile>
#include <algorithm>
#include <fstream>
#include <vector>

namespace bookmaker {

namespace fs = std::filesystem;

bool fail(std::string& error, std::string message) {
    error = std::move(message);
    return false;
}

std::string twoDigits(int n) {
    return (n >= 0 && n < 10 ? "0" : "") + std::to_string(n);
}

std::string readFile(const fs::path& path) {
    // In one read: every clip of the book is read on each run.
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? std::streamoff(in.tellg()) : -1;
    if (size < 0) {
        return {};
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.seekg(0);
    in.read(bytes.data(), size);
    return in ? bytes : std::string();
}

bool writeFile(const fs::path& path, std::string_view bytes, std::string& error) {
    std::error_code code;
    fs::create_directories(path.parent_path(), code);
    // Through a temporary file of its own, renamed into place: a reader, or
    // another maker sharing the cache, never sees half a file.
    QSaveFile out(QString::fromStdString(path.string()));
    const auto size = static_cast<qint64>(bytes.size());
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes.data(), size) != size || !out.commit()) {
        return fail(error,
                    "cannot write " + path.string() + ": " + out.errorString().toStdString());
    }
    return true;
}

bool sameBytes(const fs::path& a, const fs::path& b) {
    std::error_code code;
    if (!fs::exists(b, code) || fs::file_size(a, code) != fs::file_size(b, code) || code) {
        return false;
    }
    std::ifstream left(a, std::ios::binary);
    std::ifstream right(b, std::ios::binary);
    std::vector<char> x(1 << 20);
    std::vector<char> y(1 << 20);
    while (left && right) {
        left.read(x.data(), static_cast<std::streamsize>(x.size()));
        right.read(y.data(), static_cast<std::streamsize>(y.size()));
        if (left.gcount() != right.gcount() ||
            !std::equal(x.begin(), x.begin() + left.gcount(), y.begin())) {
            return false;
        }
    }
    return true;
}

} // namespace bookmaker
