// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtext.h"

#include <QStringDecoder>
#include <array>
#include <cstdint>
#include <memory>

namespace tk {

namespace {

constexpr char16_t kEuro = u'\u20AC';
constexpr std::size_t kLeads = 0xFE - 0x81 + 1;
constexpr std::size_t kTrails = 0xFE - 0x40 + 1;

bool isTrailByte(unsigned char byte) {
    return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

std::size_t pairIndex(unsigned char lead, unsigned char trail) {
    return (lead - 0x81u) * kTrails + (trail - 0x40u);
}

// The character of every GBK pair, and the pair of every character; 0 where
// there is none.
struct Tables {
    std::array<char16_t, kLeads * kTrails> unicode{};
    std::array<std::uint16_t, 0x10000> gbk{};
};

// Qt knows the characters of the pairs. Which bytes lead a pair is
// isLeadByte's, as in the text services; what becomes of a broken pair and of
// a character GBK cannot hold is decided here.
const Tables& tables() {
    static const std::unique_ptr<const Tables> built = [] {
        auto t = std::make_unique<Tables>();
        QStringDecoder decoder("GBK", QStringConverter::Flag::Stateless);
        for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
            for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
                if (!isTrailByte(static_cast<unsigned char>(trail))) {
                    continue;
                }
                const char pair[] = {static_cast<char>(lead), static_cast<char>(trail)};
                const QString c = decoder.decode(QByteArrayView(pair, 2));
                // Qt reads the user-defined rows as private-use characters,
                // which no font shows and other GBK readers refuse.
                if (c.size() != 1 || c[0].isSurrogate() || c[0] == QChar::ReplacementCharacter ||
                    c[0].category() == QChar::Other_PrivateUse) {
                    continue;
                }
                const char16_t u = c[0].unicode();
                t->unicode[pairIndex(static_cast<unsigned char>(lead),
                                     static_cast<unsigned char>(trail))] = u;
                t->gbk[u] = static_cast<std::uint16_t>(lead << 8 | trail);
            }
        }
        return t;
    }();
    return *built;
}

} // namespace

QString toQString(std::string_view gbk) {
    const Tables& t = tables();
    QString text;
    text.reserve(static_cast<qsizetype>(gbk.size()));
    for (std::size_t i = 0; i < gbk.size(); ++i) {
        const auto byte = static_cast<unsigned char>(gbk[i]);
        if (byte < 0x80) {
            text += QChar(static_cast<char16_t>(byte));
            continue;
        }
        if (byte == 0x80) {
            text += QChar(kEuro);
            continue;
        }
        if (!isLeadByte(gbk[i])) {
            text += QChar::ReplacementCharacter;
            continue;
        }
        // A lead byte at the very end stands alone: a text never borrows a
        // byte from the next one.
        const auto next = i + 1 < gbk.size() ? static_cast<unsigned char>(gbk[i + 1]) : 0;
        const char16_t c = isTrailByte(next) ? t.unicode[pairIndex(byte, next)] : 0;
        text += c != 0 ? QChar(c) : QChar(QChar::ReplacementCharacter);
        // A pair GBK does not assign is one broken character, but an ASCII
        // byte after the lead byte is a character of its own.
        if (c != 0 || next >= 0x80) {
            ++i;
        }
    }
    return text;
}

Text fromQString(const QString& text) {
    const Tables& t = tables();
    Text gbk;
    gbk.reserve(static_cast<std::size_t>(text.size()) * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            gbk += static_cast<char>(c);
        } else if (c == kEuro) {
            gbk += '\x80';
        } else if (const std::uint16_t pair = t.gbk[c]; pair != 0) {
            gbk += static_cast<char>(pair >> 8);
            gbk += static_cast<char>(pair & 0xFF);
        } else {
            // Characters GBK cannot hold come out as '?', invisible ones too;
            // a surrogate pair is one character.
            gbk += '?';
            if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                ++i;
            }
        }
    }
    return gbk;
}

} // namespace tk
