// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text services over GBK byte strings: lengths and positions count bytes,
// positions are 1-based, a Chinese character is two bytes.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

using Text = std::string;
using TextArray = std::vector<Text>;

// Lead bytes run from 81 to FE, as in code page 936; 80 (the euro sign) and
// FF stand alone.
constexpr bool isLeadByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x81 && byte <= 0xFE;
}

// GBK text of a UTF-8 literal: "全屏"_gbk.
Text operator""_gbk(const char* utf8, std::size_t size);
Text toGbk(std::string_view utf8);
std::string toUtf8(std::string_view gbk);

int TextLength(std::string_view text);
Text LeftText(std::string_view text, int n);
Text RightText(std::string_view text, int n);
Text MidText(std::string_view text, int start, int n);
int FindText(std::string_view text, std::string_view sought, int start = 1,
             bool ignoreCase = false);
Text ReplaceText(std::string_view text, int start, int n, std::string_view replacement);
int CompareText(std::string_view a, std::string_view b, bool caseSensitive = true);
Text TrimText(std::string_view text);
// maxParts <= 0: no limit.
TextArray SplitText(std::string_view text, std::string_view delimiter, int maxParts = 0);
Text ToText(long long value);
long long ToNumber(std::string_view text);

} // namespace tk
