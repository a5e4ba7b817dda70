// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text.h"

#include "qtext.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace tk {

namespace {

// Bytes of the character at i: a lead byte and its trail byte are one
// character; a lead byte at the very end stands alone.
std::size_t charWidth(std::string_view text, std::size_t i) {
    return isLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1;
}

char foldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether sought sits at text[at]. Only single-byte characters fold: a trail
// byte that looks like a letter belongs to a Chinese character.
bool matchesAt(std::string_view text, std::size_t at, std::string_view sought, bool ignoreCase) {
    if (sought.size() > text.size() - at) {
        return false;
    }
    if (!ignoreCase) {
        return text.compare(at, sought.size(), sought) == 0;
    }
    std::size_t i = 0;
    while (i < sought.size()) {
        if (isLeadByte(sought[i])) {
            const std::size_t width = charWidth(sought, i);
            if (text.compare(at + i, width, sought.substr(i, width)) != 0) {
                return false;
            }
            i += width;
        } else {
            if (foldAscii(text[at + i]) != foldAscii(sought[i])) {
                return false;
            }
            ++i;
        }
    }
    return true;
}

// n bytes of a text held in an int, clamped to 0..available.
std::size_t clampCount(int n, std::size_t available) {
    return n <= 0 ? 0 : std::min(static_cast<std::size_t>(n), available);
}

bool isFullWidthSpace(std::string_view text, std::size_t i) {
    return i + 1 < text.size() && text[i] == '\xA1' && text[i + 1] == '\xA1';
}

} // namespace

Text operator""_gbk(const char* utf8, std::size_t size) {
    return toGbk(std::string_view(utf8, size));
}

Text toGbk(std::string_view utf8) {
    return fromQString(
        QString::fromUtf8(QByteArrayView(utf8.data(), static_cast<qsizetype>(utf8.size()))));
}

std::string toUtf8(std::string_view gbk) {
    const QByteArray bytes = toQString(gbk).toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

int TextLength(std::string_view text) {
    return static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
}

Text LeftText(std::string_view text, int n) {
    return Text(text.substr(0, clampCount(n, text.size())));
}

Text RightText(std::string_view text, int n) {
    return Text(text.substr(text.size() - clampCount(n, text.size())));
}

Text MidText(std::string_view text, int start, int n) {
    if (start < 1 || static_cast<std::size_t>(start) > text.size()) {
        return {};
    }
    const std::size_t from = static_cast<std::size_t>(start) - 1;
    return Text(text.substr(from, clampCount(n, text.size() - from)));
}

int FindText(std::string_view text, std::string_view sought, int start, bool ignoreCase) {
    const std::size_t from = start < 1 ? 0 : static_cast<std::size_t>(start) - 1;
    // Character starts run from the beginning of the text, so walk from there
    // even when the search begins later. The end of the text is a start too:
    // an empty sought text is found there.
    for (std::size_t i = 0; i <= text.size(); i += i < text.size() ? charWidth(text, i) : 1) {
        if (i >= from && matchesAt(text, i, sought, ignoreCase)) {
            return static_cast<int>(i + 1);
        }
    }
    return -1;
}

Text ReplaceText(std::string_view text, int start, int n, std::string_view replacement) {
    const std::size_t from =
        start < 1 ? 0 : std::min(static_cast<std::size_t>(start) - 1, text.size());
    const std::size_t count = clampCount(n, text.size() - from);
    Text result;
    result.reserve(text.size() - count + replacement.size());
    result.append(text.substr(0, from));
    result.append(replacement);
    result.append(text.substr(from + count));
    return result;
}

int CompareText(std::string_view a, std::string_view b, bool caseSensitive) {
    const std::size_t common = std::min(a.size(), b.size());
    // Both texts are alike up to i, so a trail byte in one is a trail byte in
    // the other; trail bytes never fold.
    bool trail = false;
    for (std::size_t i = 0; i < common; ++i) {
        char x = a[i];
        char y = b[i];
        if (!caseSensitive && !trail) {
            x = foldAscii(x);
            y = foldAscii(y);
        }
        if (x != y) {
            return static_cast<unsigned char>(x) < static_cast<unsigned char>(y) ? -1 : 1;
        }
        trail = !trail && isLeadByte(x);
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

Text TrimText(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool seenContent = false;
    // One walk over the characters: the content runs from the first character
    // that is not a space to the end of the last one.
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t width = charWidth(text, i);
        const bool space = text[i] == ' ' || isFullWidthSpace(text, i);
        if (!space) {
            if (!seenContent) {
                begin = i;
                seenContent = true;
            }
            end = i + width;
        }
        i += width;
    }
    return seenContent ? Text(text.substr(begin, end - begin)) : Text();
}

TextArray SplitText(std::string_view text, std::string_view delimiter, int maxParts) {
    TextArray parts;
    if (text.empty()) {
        return parts;
    }
    if (delimiter.empty()) {
        parts.emplace_back(text);
        return parts;
    }
    const std::size_t limit = maxParts > 0 ? static_cast<std::size_t>(maxParts) : 0;
    std::size_t cut = 0;
    std::size_t i = 0;
    while (i < text.size() && parts.size() + 1 != limit) {
        if (text.compare(i, delimiter.size(), delimiter) == 0) {
            parts.emplace_back(text.substr(cut, i - cut));
            i += delimiter.size();
            cut = i;
        } else {
            i += charWidth(text, i);
        }
    }
    if (cut < text.size()) {
        parts.emplace_back(text.substr(cut));
    }
    return parts;
}

Text ToText(long long value) {
    return std::to_string(value);
}

long long ToNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // The magnitude counts up to the largest the sign allows, then stays there.
    const std::uint64_t limit =
        negative ? std::uint64_t{1} << 63 : static_cast<std::uint64_t>(LLONG_MAX);
    std::uint64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const auto digit = static_cast<std::uint64_t>(text[i] - '0');
        magnitude = magnitude > (limit - digit) / 10 ? limit : magnitude * 10 + digit;
    }
    if (!negative) {
        return static_cast<long long>(magnitude);
    }
    return magnitude == limit ? LLONG_MIN : -static_cast<long long>(magnitude);
}

} // namespace tk
