// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Text services over GBK bytes. Suites are named "text" so the text tests
// can be picked out with ctest -R text.
#include "qtext.h"
#include "text.h"

#include <algorithm>
#include <climits>
#include <gtest/gtest.h>
#include <iconv.h>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace {

using tk::operator""_gbk;
using tk::Text;
using tk::TextArray;

int sign(int value) {
    return (value > 0) - (value < 0);
}

// Characters whose GBK trail byte reads as ASCII: the traps for a scan that
// walks byte by byte.
const Text kShuo = "說"_gbk; // D5 66: trail byte 'f'
const Text kXue = "學"_gbk;  // 8C 57: trail byte 'W'
const Text kQin = "親"_gbk;  // D3 48: trail byte 'H'
const Text kDi = "觝"_gbk;   // D3 68: same lead byte, trail byte 'h'
const Text kDong = "東"_gbk; // 96 7C: trail byte '|'
const Text kXiao = "小"_gbk; // D0 A1: trail byte A1, half a full-width space

TEST(text, TrapCharactersHaveTheirTrailBytes) {
    EXPECT_EQ(kShuo, "\xD5\x66");
    EXPECT_EQ(kXue, "\x8C\x57");
    EXPECT_EQ(kQin, "\xD3\x48");
    EXPECT_EQ(kDi, "\xD3\x68");
    EXPECT_EQ(kDong, "\x96\x7C");
    EXPECT_EQ(kXiao, "\xD0\xA1");
}

TEST(text, SlicesCountBytesAndClamp) {
    struct Case {
        const char* name;
        Text actual;
        Text expected;
    };
    const Case cases[] = {
        {"left", tk::LeftText("abcdef", 2), "ab"},
        {"left zero", tk::LeftText("abcdef", 0), ""},
        {"left negative", tk::LeftText("abcdef", -1), ""},
        {"left beyond", tk::LeftText("abcdef", 99), "abcdef"},
        {"left of Chinese", tk::LeftText("中文"_gbk, 2), "中"_gbk},
        {"right", tk::RightText("abcdef", 2), "ef"},
        {"right zero", tk::RightText("abcdef", 0), ""},
        {"right negative", tk::RightText("abcdef", -3), ""},
        {"right beyond", tk::RightText("abcdef", 99), "abcdef"},
        {"right of Chinese", tk::RightText("中文"_gbk, 2), "文"_gbk},
        {"mid", tk::MidText("abcdef", 2, 3), "bcd"},
        {"mid last byte", tk::MidText("abcdef", 6, 1), "f"},
        {"mid beyond end", tk::MidText("abcdef", 5, 99), "ef"},
        {"mid start after end", tk::MidText("abcdef", 7, 1), ""},
        {"mid start zero", tk::MidText("abcdef", 0, 2), ""},
        {"mid start negative", tk::MidText("abcdef", -1, 3), ""},
        {"mid count zero", tk::MidText("abcdef", 2, 0), ""},
        {"mid count negative", tk::MidText("abcdef", 2, -1), ""},
        {"mid of empty", tk::MidText("", 1, 1), ""},
        {"mid of Chinese", tk::MidText("我爱你"_gbk, 3, 2), "爱"_gbk},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.actual, c.expected);
    }
    EXPECT_EQ(tk::TextLength(""), 0);
    EXPECT_EQ(tk::TextLength("ab"), 2);
    EXPECT_EQ(tk::TextLength("中文a"_gbk), 5);
}

TEST(text, FindMatchesOnlyAtCharacterStarts) {
    struct Case {
        const char* name;
        Text text;
        Text sought;
        int start;
        bool ignoreCase;
        int expected;
    };
    const Case cases[] = {
        {"first", "hello", "l", 1, false, 3},
        {"at start", "hello", "l", 4, false, 4},
        {"after last", "hello", "l", 5, false, -1},
        {"missing", "hello", "x", 1, false, -1},
        {"start zero counts as one", "hello", "he", 0, false, 1},
        {"start negative counts as one", "hello", "he", -4, false, 1},
        {"start beyond end", "hello", "o", 9, false, -1},
        {"longer than text", "he", "hello", 1, false, -1},
        {"in empty text", "", "a", 1, false, -1},
        {"case differs", "Where is my ball?", "BALL", 1, false, -1},
        {"ignoring case", "Where is my ball?", "BALL", 1, true, 13},
        {"after Chinese", "中文ball"_gbk, "ball", 1, false, 5},
        {"Chinese", "我爱你"_gbk, "爱"_gbk, 1, false, 3},
        {"trail byte is not found", kShuo + "fish", "f", 1, false, 3},
        {"word after trail byte", kShuo + "fish", "fish", 1, false, 3},
        {"trail byte ignoring case", kXue + "w", "w", 1, true, 3},
        {"trail byte never folds", kQin, kDi, 1, true, -1},
        {"double-byte sought ignoring case", "ab"_gbk + kDi, kDi, 1, true, 3},
        {"not across two characters", kShuo + kShuo, "\x66\xD5", 1, false, -1},
        {"start on a trail byte", "中a中a"_gbk, "a", 2, false, 3},
        {"start on a trail byte of Chinese", "中文"_gbk, "文"_gbk, 2, false, 3},
        // 80 (the euro sign) and FF are single bytes: what follows is a
        // character of its own.
        {"after the euro sign", "€a"_gbk, "a", 1, false, 2},
        {"after the euro sign ignoring case", "€A"_gbk, "a", 1, true, 2},
        {"after FF", Text("\xFF") + "a", "a", 1, false, 2},
        // An empty sought text is found at the first character start at or
        // after start; the end of the text counts as one.
        {"empty sought", "abc", "", 1, false, 1},
        {"empty sought inside", "abc", "", 3, false, 3},
        {"empty sought at end", "abc", "", 4, false, 4},
        {"empty sought beyond", "abc", "", 5, false, -1},
        {"empty sought on a trail byte", "中"_gbk, "", 2, false, 3},
        {"empty sought in empty text", "", "", 1, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(tk::FindText(c.text, c.sought, c.start, c.ignoreCase), c.expected);
    }
}

TEST(text, ReplaceClampsToTheText) {
    struct Case {
        const char* name;
        int start;
        int n;
        Text expected;
    };
    // Start below 1 counts as 1, start past the end appends, a count past the
    // end replaces the rest, a count of 0 or less inserts.
    const Case cases[] = {
        {"inside", 2, 3, "aXYef"},
        {"insert", 3, 0, "abXYcdef"},
        {"negative count", 3, -2, "abXYcdef"},
        {"to the end", 5, 99, "abcdXY"},
        {"whole", 1, 6, "XY"},
        {"start zero", 0, 1, "XYbcdef"},
        {"start negative", -5, 2, "XYcdef"},
        {"just past end", 7, 3, "abcdefXY"},
        {"far past end", 99, 3, "abcdefXY"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(tk::ReplaceText("abcdef", c.start, c.n, "XY"), c.expected);
    }
    EXPECT_EQ(tk::ReplaceText("", 1, 5, "XY"), "XY");
    EXPECT_EQ(tk::ReplaceText("我爱你"_gbk, 3, 2, "喜欢"_gbk), "我喜欢你"_gbk);
}

TEST(text, CompareOrdersBytes) {
    struct Case {
        Text a;
        Text b;
        bool caseSensitive;
        int expected;
    };
    const Case cases[] = {
        {"apple", "apple", true, 0},
        {"", "", true, 0},
        {"apple", "apply", true, -1},
        {"apply", "apple", true, 1},
        {"app", "apple", true, -1},
        {"apple", "app", true, 1},
        {"", "a", true, -1},
        // Nothing is trimmed: a trailing space makes a difference.
        {"Ben ", "Ben", true, 1},
        {"Ben", "ben", true, -1},
        {"Ben", "ben", false, 0},
        {"apple", "Banana", true, 1},
        {"apple", "Banana", false, -1},
        // Bytes compare unsigned: every double-byte character sorts after ASCII.
        {"z", "中"_gbk, true, -1},
        {"中"_gbk, "中"_gbk, false, 0},
        {kQin, kDi, false, -1},
        {"x"_gbk + kDi, "X"_gbk + kQin, false, 1},
        // The letter after the euro sign is no trail byte: it folds.
        {"€A"_gbk, "€a"_gbk, false, 0},
        {Text("\xFF") + "A", Text("\xFF") + "a", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(tk::toUtf8(c.a) + " vs " + tk::toUtf8(c.b));
        EXPECT_EQ(sign(tk::CompareText(c.a, c.b, c.caseSensitive)), c.expected);
    }
}

TEST(text, TrimRemovesAsciiAndFullWidthSpaces) {
    const Text wide = "\xA1\xA1";
    struct Case {
        const char* name;
        Text text;
        Text expected;
    };
    const Case cases[] = {
        {"ascii", "  I like it.  ", "I like it."},
        {"nothing to trim", "hi", "hi"},
        {"empty", "", ""},
        {"only spaces", "   ", ""},
        {"only full-width spaces", wide + wide, ""},
        {"full-width", wide + "你好"_gbk + wide, "你好"_gbk},
        {"mixed", " " + wide + " a  b " + wide + " ", "a  b"},
        {"inner full-width kept", "你" + wide + "好", "你" + wide + "好"},
        {"converted full-width space", "　苹果　"_gbk, "苹果"_gbk},
        {"trail byte A1 at the end", kXiao + wide, kXiao},
        {"trail byte A1 at the start", wide + kXiao + " ", kXiao},
        // 小 then a lone A1: the last two bytes read A1 A1 but are not a
        // space, and cutting them would split 小.
        {"trail byte A1 then a lone A1", "a" + kXiao + "\xA1", "a" + kXiao + "\xA1"},
        // 小、 holds A1 A1 across its two characters.
        {"A1 A1 across characters", " " + kXiao + "、"_gbk, kXiao + "、"_gbk},
        {"space after the euro sign", " €  "_gbk, "€"_gbk},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(tk::TrimText(c.text), c.expected);
    }
}

TEST(text, ToNumberReadsLeadingDecimalDigits) {
    struct Case {
        const char* text;
        long long expected;
    };
    const Case cases[] = {
        {"12", 12},
        {"-3", -3},
        {"+7", 7},
        {"007", 7},
        {"  42", 42},
        {" -0", 0},
        {"7x", 7},
        {"1 2", 1},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {"- 5", 0},
        {"x7", 0},
        {"9223372036854775807", LLONG_MAX},
        {"9223372036854775808", LLONG_MAX},
        {"123456789012345678901234567890", LLONG_MAX},
        {"-9223372036854775808", LLONG_MIN},
        {"-9223372036854775809", LLONG_MIN},
        {"-123456789012345678901234567890", LLONG_MIN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(tk::ToNumber(c.text), c.expected);
    }
}

TEST(text, ToTextWritesDecimalThatReadsBack) {
    struct Case {
        long long value;
        const char* expected;
    };
    const Case cases[] = {
        {0, "0"}, {120, "120"}, {-15, "-15"}, {LLONG_MIN, "-9223372036854775808"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(tk::ToText(c.value), c.expected);
        EXPECT_EQ(tk::ToNumber(tk::ToText(c.value)), c.value);
    }
}

TEST(text, GbkRoundTrip) {
    struct Case {
        const char* utf8;
        Text gbk;
    };
    const Case cases[] = {
        {"全屏", "\xC8\xAB\xC6\xC1"},
        {"\u3000", "\xA1\xA1"},
        {"Hi, Ben!", "Hi, Ben!"},
        {"我的球在哪里？", "\xCE\xD2\xB5\xC4\xC7\xF2\xD4\xDA\xC4\xC4\xC0\xEF\xA3\xBF"},
        // 80 is the euro sign on its own, not the lead byte of 啊.
        {"€啊", "\x80\xB0\xA1"},
        {"a€", "a\x80"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(tk::toGbk(c.utf8), c.gbk);
        EXPECT_EQ(tk::toUtf8(c.gbk), c.utf8);
        EXPECT_EQ(tk::toQString(c.gbk), QString::fromUtf8(c.utf8));
        EXPECT_EQ(tk::fromQString(QString::fromUtf8(c.utf8)), c.gbk);
    }
    EXPECT_EQ("全屏"_gbk, "\xC8\xAB\xC6\xC1");
}

TEST(text, GbkCannotHoldBecomesQuestionMark) {
    EXPECT_EQ(tk::toGbk("a🐼b"), "a?b");
    // Invisible characters and private-use ones are characters GBK cannot
    // hold too: they leave a mark rather than vanish.
    struct Unheld {
        const char* name;
        const char* utf8;
    };
    const Unheld unheld[] = {
        {"soft hyphen", "\u00AD"},       {"zero width space", "\u200B"},
        {"zero width joiner", "\u200D"}, {"word joiner", "\u2060"},
        {"Hangul filler", "\u3164"},     {"variation selector 16", "\uFE0F"},
        {"byte order mark", "\uFEFF"},   {"tag letter A", "\U000E0041"},
        {"private use", "\uE000"},
    };
    for (const Unheld& c : unheld) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(tk::toGbk(std::string("a") + c.utf8 + "b"), "a?b");
    }
    EXPECT_EQ(tk::toGbk("熊猫🐼"), "熊猫?"_gbk);
    EXPECT_EQ(tk::toGbk("\xFF"), "?");
    // Surrogates without their pair; one at the end is not held over to the
    // next text.
    EXPECT_EQ(tk::fromQString(QString(QChar(0xDC00)) + u'b'), "?b");
    EXPECT_EQ(tk::fromQString(u'a' + QString(QChar(0xD83D))), "a?");
    EXPECT_EQ(tk::fromQString(QString(QChar(0xDE00))), "?");
}

TEST(text, BrokenGbkStaysInItsOwnText) {
    // A text cut after a lead byte: the lone byte shows as U+FFFD and does
    // not pair with the first byte of the next text.
    EXPECT_EQ(tk::toUtf8("ab\xC8"), "ab\uFFFD");
    EXPECT_EQ(tk::toUtf8("x"), "x");
}

TEST(text, BrokenGbkNeverTakesTheNextCharacter) {
    struct Case {
        const char* name;
        Text gbk;
        const char* utf8;
    };
    // A pair GBK does not assign is one U+FFFD, except that an ASCII second
    // byte is a character of its own.
    const Case cases[] = {
        {"lead byte before a byte that cannot trail", "\xB0\n", "\uFFFD\n"},
        {"unassigned pair with an ASCII second byte", "\xA1\x41", "\uFFFDA"},
        {"unassigned pair", "\xAA\xA1\xB0\xA1", "\uFFFD啊"},
        {"unassigned pair in the last row", "\xFE\x50!", "\uFFFDP!"},
        {"FF", "\xFF\xB0\xA1", "\uFFFD啊"},
        {"lead byte then FF", "\xB0\xFFx", "\uFFFDx"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(tk::toUtf8(c.gbk), c.utf8);
    }
}

// Split results are compared as whole arrays so a missing or extra empty
// part shows.
struct SplitCase {
    const char* name;
    Text text;
    Text delimiter;
    int maxParts;
    TextArray expected;
};

TEST(text, SplitTextFollowsTheLineRule) {
    const SplitCase cases[] = {
        {"empty text gives no parts", "", "\r\n", 0, {}},
        {"one line", "a", "\r\n", 0, {"a"}},
        {"two lines", "a\r\nb", "\r\n", 0, {"a", "b"}},
        {"final delimiter gives no empty part", "a\r\nb\r\n", "\r\n", 0, {"a", "b"}},
        {"two delimiters give an empty part", "a\r\n\r\nb", "\r\n", 0, {"a", "", "b"}},
        {"leading delimiter", "\r\na", "\r\n", 0, {"", "a"}},
        {"only a delimiter", "\r\n", "\r\n", 0, {""}},
        {"empty part before the final delimiter", "a\r\n\r\n", "\r\n", 0, {"a", ""}},
        {"lone CR and LF are not delimiters", "a\rb\nc", "\r\n", 0, {"a\rb\nc"}},
        {"after Chinese", "中\r\n文"_gbk, "\r\n", 0, {"中"_gbk, "文"_gbk}},
        {"words", "I like  it", " ", 0, {"I", "like", "", "it"}},
        {"empty delimiter", "a b", "", 0, {"a b"}},
        {"empty delimiter empty text", "", "", 0, {}},
        {"limit keeps the rest", "a b c d", " ", 2, {"a", "b c d"}},
        {"limit one", "a b c d", " ", 1, {"a b c d"}},
        {"limit not reached", "a b", " ", 5, {"a", "b"}},
        {"rest keeps its delimiter", "a b ", " ", 2, {"a", "b "}},
        {"negative limit is no limit", "a b c", " ", -1, {"a", "b", "c"}},
        // The byte after a lead byte is its trail byte, even 0x0D: no CR LF
        // starts there.
        {"CR as a trail byte",
         "A\xB0\x0D\x0A"
         "B\r\nC",
         "\r\n",
         0,
         {"A\xB0\x0D\x0A"
          "B",
          "C"}},
        {"lone lead byte then LF", "\x8D\x0D\x0A", "\r\n", 0, {"\x8D\x0D\x0A"}},
        // 東 ends in '|': "||" must not match from its trail byte.
        {"delimiter starting with a trail byte", kDong + "|B||C", "||", 0, {kDong + "|B", "C"}},
        {"Chinese delimiter", "苹果，梨，"_gbk, "，"_gbk, 0, {"苹果"_gbk, "梨"_gbk}},
        {"CR LF after the euro sign", "€\r\n€"_gbk, "\r\n", 0, {"€"_gbk, "€"_gbk}},
        {"CR LF after FF", Text("\xFF\r\n") + "a", "\r\n", 0, {"\xFF", "a"}},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(tk::SplitText(c.text, c.delimiter, c.maxParts), c.expected);
    }
}

// glibc's iconv is the second opinion on every character. Its "CP936" is
// an alias of its GBK table, which holds 80 as the euro sign, as CP936 does.
class Iconv {
  public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Iconv() {
        if (valid()) {
            iconv_close(cd_);
        }
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Appends what iconv makes of in; false, appending nothing, where it
    // refuses any of it, a cut character included.
    bool convert(std::string_view in, std::string& out) const {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char converted[16];
        char* inAt = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        char* outAt = converted;
        std::size_t outLeft = sizeof converted;
        constexpr auto kFailed = static_cast<std::size_t>(-1);
        if (iconv(cd_, &inAt, &inLeft, &outAt, &outLeft) == kFailed ||
            iconv(cd_, nullptr, nullptr, &outAt, &outLeft) == kFailed) {
            return false;
        }
        out.append(converted, outAt);
        return true;
    }

  private:
    iconv_t cd_;
};

// The UTF-8 of one code point, without a string for each.
class Utf8 {
  public:
    explicit Utf8(char32_t c) {
        if (c < 0x80) {
            put(c);
        } else if (c < 0x800) {
            put(0xC0 | c >> 6);
            put(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            put(0xE0 | c >> 12);
            put(0x80 | (c >> 6 & 0x3F));
            put(0x80 | (c & 0x3F));
        } else {
            put(0xF0 | c >> 18);
            put(0x80 | (c >> 12 & 0x3F));
            put(0x80 | (c >> 6 & 0x3F));
            put(0x80 | (c & 0x3F));
        }
    }
    operator std::string_view() const { return {bytes_, size_}; }

  private:
    void put(char32_t byte) { bytes_[size_++] = static_cast<char>(byte); }

    char bytes_[4] = {};
    std::size_t size_ = 0;
};

std::string hexOf(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string s = "[";
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        s += s.size() > 1 ? " " : "";
        s += kDigits[u >> 4];
        s += kDigits[u & 0xF];
    }
    return s + "]";
}

std::string codePointName(char32_t c) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string s = "U+";
    for (int shift = c > 0xFFFFF ? 20 : c > 0xFFFF ? 16 : 12; shift >= 0; shift -= 4) {
        s += kDigits[c >> shift & 0xF];
    }
    return s;
}

std::string listed(const std::vector<std::string>& differences) {
    std::string s;
    for (std::size_t i = 0; i < differences.size() && i < 20; ++i) {
        s += "\n  " + differences[i];
    }
    return s;
}

// Where toGbk differs from iconv on purpose. Everywhere else it gives what
// iconv gives, and "?" where iconv refuses.
struct Deliberate {
    char32_t first;
    char32_t last;
    const char* why;
};
const Deliberate kDeliberate[] = {
    {0xE0000, 0xE007F,
     "iconv drops tag characters without a trace; like every character GBK cannot hold, "
     "they become '?'"},
};

bool isDeliberate(char32_t c) {
    return std::any_of(std::begin(kDeliberate), std::end(kDeliberate),
                       [c](const Deliberate& d) { return c >= d.first && c <= d.last; });
}

void appendWantedGbk(const Iconv& iconv, char32_t c, std::string& out) {
    if (isDeliberate(c) || !iconv.convert(Utf8(c), out)) {
        out += '?';
    }
}

TEST(text, ToGbkAgreesWithIconvOnEveryCodePoint) {
    const Iconv iconv("CP936", "UTF-8");
    ASSERT_TRUE(iconv.valid());
    std::vector<std::string> differences;
    for (const Deliberate& d : kDeliberate) {
        for (char32_t c = d.first; c <= d.last; ++c) {
            std::string theirs;
            if (!iconv.convert(Utf8(c), theirs)) {
                differences.push_back(codePointName(c) + " is listed as deliberate (" + d.why +
                                      "), yet iconv refuses it too");
            }
        }
    }
    // A block of code points per call keeps the sweep quick; a block that
    // differs is gone through one code point at a time to name them.
    constexpr char32_t kBlock = 0x1000;
    for (char32_t first = 0; first <= 0x10FFFF; first += kBlock) {
        const char32_t last = first + kBlock - 1;
        const auto skipped = [](char32_t c) { return c >= 0xD800 && c <= 0xDFFF; };
        std::string utf8;
        std::string wanted;
        utf8.reserve(4 * kBlock);
        wanted.reserve(2 * kBlock);
        for (char32_t c = first; c <= last; ++c) {
            if (!skipped(c)) {
                utf8 += Utf8(c);
                appendWantedGbk(iconv, c, wanted);
            }
        }
        if (tk::toGbk(utf8) == wanted) {
            continue;
        }
        const std::size_t before = differences.size();
        for (char32_t c = first; c <= last; ++c) {
            if (skipped(c)) {
                continue;
            }
            std::string one;
            appendWantedGbk(iconv, c, one);
            const Text ours = tk::toGbk(Utf8(c));
            if (ours != one) {
                differences.push_back(codePointName(c) + ": wanted " + hexOf(one) + ", ours " +
                                      hexOf(ours));
            }
        }
        if (differences.size() == before) {
            differences.push_back("the block from " + codePointName(first) +
                                  " differs only when converted as a whole");
        }
    }
    EXPECT_TRUE(differences.empty()) << differences.size() << " differ:" << listed(differences);
}

TEST(text, ToUtf8AgreesWithIconvOnEveryGbkSequence) {
    const Iconv iconv("UTF-8", "CP936");
    ASSERT_TRUE(iconv.valid());
    std::vector<Text> sequences;
    for (int b = 0; b <= 0xFF; ++b) {
        sequences.emplace_back(1, static_cast<char>(b));
    }
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail != 0x7F) {
                sequences.push_back({static_cast<char>(lead), static_cast<char>(trail)});
            }
        }
    }
    std::vector<std::string> differences;
    for (const Text& gbk : sequences) {
        // Where iconv refuses, one U+FFFD, and an ASCII second byte of a pair
        // stays a character of its own.
        std::string wanted;
        if (!iconv.convert(gbk, wanted)) {
            wanted = "\uFFFD";
            if (gbk.size() == 2 && static_cast<unsigned char>(gbk[1]) < 0x80) {
                wanted += gbk[1];
            }
        }
        // The next character is never taken along: a lone lead byte is
        // followed by a line feed, which cannot trail; the rest by 啊.
        const auto first = static_cast<unsigned char>(gbk[0]);
        const bool lead = gbk.size() == 1 && first >= 0x81 && first <= 0xFE;
        const Text next = lead ? "\n" : "\xB0\xA1";
        const std::string nextUtf8 = lead ? "\n" : "啊";
        const std::string ours = tk::toUtf8(gbk);
        const std::string oursThenNext = tk::toUtf8(gbk + next);
        if (ours != wanted || oursThenNext != wanted + nextUtf8) {
            differences.push_back(hexOf(gbk) + ": wanted " + hexOf(wanted) + ", ours " +
                                  hexOf(ours) + ", then " + hexOf(nextUtf8) + ": " +
                                  hexOf(oursThenNext));
        }
    }
    EXPECT_TRUE(differences.empty()) << differences.size() << " differ:" << listed(differences);
}

} // namespace
