// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures_gif.h"

#include "maker_files.h"
#include "pictures_kit.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cstdint>
#include <unordered_map>

namespace bookmaker {

namespace {

constexpr QRgb kWhite = 0xffffffu;

struct Colour {
    QRgb rgb = 0; // 0x00rrggbb
    std::uint32_t count = 0;
};

int channel(QRgb rgb, int c) {
    return int((rgb >> (16 - 8 * c)) & 0xffu);
}

// Splits the colours into at most `boxes` groups of similar colours (median
// cut) and returns the count-weighted mean of each group.
std::vector<QRgb> medianCut(std::vector<Colour> colours, std::size_t boxes) {
    struct Box {
        std::size_t begin;
        std::size_t end;
    };
    std::vector<Box> list{{0, colours.size()}};
    const auto spread = [&](const Box& box, int& widest) {
        int best = -1;
        for (int c = 0; c < 3; ++c) {
            int low = 255;
            int high = 0;
            for (std::size_t i = box.begin; i < box.end; ++i) {
                low = std::min(low, channel(colours[i].rgb, c));
                high = std::max(high, channel(colours[i].rgb, c));
            }
            if (high - low > best) {
                best = high - low;
                widest = c;
            }
        }
        return best;
    };
    while (list.size() < boxes) {
        std::size_t pick = list.size();
        int pickChannel = 0;
        int pickSpread = 0;
        for (std::size_t b = 0; b < list.size(); ++b) {
            int c = 0;
            const int s = list[b].end - list[b].begin > 1 ? spread(list[b], c) : 0;
            if (s > pickSpread) {
                pick = b;
                pickChannel = c;
                pickSpread = s;
            }
        }
        if (pick == list.size()) {
            break; // every group holds one colour
        }
        const Box box = list[pick];
        std::sort(colours.begin() + std::ptrdiff_t(box.begin),
                  colours.begin() + std::ptrdiff_t(box.end), [&](const Colour& a, const Colour& b) {
                      return channel(a.rgb, pickChannel) < channel(b.rgb, pickChannel);
                  });
        std::uint64_t total = 0;
        for (std::size_t i = box.begin; i < box.end; ++i) {
            total += colours[i].count;
        }
        std::uint64_t half = 0;
        std::size_t middle = box.begin + 1;
        for (std::size_t i = box.begin; i < box.end - 1; ++i) {
            half += colours[i].count;
            middle = i + 1;
            if (half * 2 >= total) {
                break;
            }
        }
        list[pick] = {box.begin, middle};
        list.push_back({middle, box.end});
    }
    std::vector<QRgb> palette;
    for (const Box& box : list) {
        std::array<std::uint64_t, 3> sum{};
        std::uint64_t total = 0;
        for (std::size_t i = box.begin; i < box.end; ++i) {
            for (int c = 0; c < 3; ++c) {
                sum[std::size_t(c)] += std::uint64_t(channel(colours[i].rgb, c)) * colours[i].count;
            }
            total += colours[i].count;
        }
        if (total == 0) {
            continue;
        }
        palette.push_back(qRgb(int(sum[0] / total), int(sum[1] / total), int(sum[2] / total)) &
                          0xffffffu);
    }
    return palette;
}

std::vector<QRgb> paletteFor(const std::vector<QImage>& frames) {
    std::unordered_map<QRgb, std::uint32_t> counts;
    for (const QImage& frame : frames) {
        for (int y = 0; y < frame.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
            for (int x = 0; x < frame.width(); ++x) {
                ++counts[row[x] & 0xffffffu];
            }
        }
    }
    std::vector<Colour> colours;
    const bool white = counts.erase(kWhite) > 0;
    for (const auto& [rgb, count] : counts) {
        colours.push_back({rgb, count});
    }
    // A fixed order keeps the file the same from run to run.
    std::sort(colours.begin(), colours.end(),
              [](const Colour& a, const Colour& b) { return a.rgb < b.rgb; });
    const std::size_t room = white ? 255 : 256;
    std::vector<QRgb> palette;
    if (colours.size() <= room) {
        for (const Colour& c : colours) {
            palette.push_back(c.rgb);
        }
    } else {
        palette = medianCut(std::move(colours), room);
    }
    if (white) {
        palette.insert(palette.begin(), kWhite);
    }
    return palette;
}

int distance(QRgb a, QRgb b) {
    int d = 0;
    for (int c = 0; c < 3; ++c) {
        const int e = channel(a, c) - channel(b, c);
        d += e * e;
    }
    return d;
}

std::vector<std::uint8_t> indicesOf(const QImage& frame, const std::vector<QRgb>& palette,
                                    std::unordered_map<QRgb, std::uint8_t>& nearest) {
    std::vector<std::uint8_t> out;
    out.reserve(std::size_t(frame.width()) * std::size_t(frame.height()));
    for (int y = 0; y < frame.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
        for (int x = 0; x < frame.width(); ++x) {
            const QRgb rgb = row[x] & 0xffffffu;
            auto found = nearest.find(rgb);
            if (found == nearest.end()) {
                // White only where the picture is exactly white.
                std::size_t best = 0;
                int bestDistance = -1;
                for (std::size_t i = 0; i < palette.size(); ++i) {
                    if ((palette[i] == kWhite) != (rgb == kWhite)) {
                        continue;
                    }
                    const int d = distance(rgb, palette[i]);
                    if (bestDistance < 0 || d < bestDistance) {
                        best = i;
                        bestDistance = d;
                    }
                }
                found = nearest.emplace(rgb, std::uint8_t(best)).first;
            }
            out.push_back(found->second);
        }
    }
    return out;
}

class BitWriter {
  public:
    void write(int code, int bits) {
        buffer_ |= std::uint32_t(code) << count_;
        count_ += bits;
        while (count_ >= 8) {
            bytes.push_back(std::uint8_t(buffer_ & 0xffu));
            buffer_ >>= 8;
            count_ -= 8;
        }
    }
    void flush() {
        if (count_ > 0) {
            bytes.push_back(std::uint8_t(buffer_ & 0xffu));
        }
        buffer_ = 0;
        count_ = 0;
    }
    std::vector<std::uint8_t> bytes;

  private:
    std::uint32_t buffer_ = 0;
    int count_ = 0;
};

// LZW with 8-bit symbols, as GIF decoders expect it: the code width grows
// when the next code no longer fits, and the table starts over when full.
std::vector<std::uint8_t> lzw(const std::vector<std::uint8_t>& symbols) {
    constexpr int kClear = 256;
    constexpr int kEnd = 257;
    constexpr int kLargest = 4095;
    BitWriter out;
    std::unordered_map<std::uint32_t, int> table;
    int width = 9;
    int next = kEnd + 1;
    const auto put = [&](int code) {
        out.write(code, width);
        if (next >= (1 << width) && width < 12) {
            ++width;
        }
    };
    out.write(kClear, width);
    if (symbols.empty()) {
        out.write(kEnd, width);
        out.flush();
        return out.bytes;
    }
    int prefix = symbols[0];
    for (std::size_t i = 1; i < symbols.size(); ++i) {
        const int symbol = symbols[i];
        const std::uint32_t key = (std::uint32_t(prefix) << 8) | std::uint32_t(symbol);
        if (const auto found = table.find(key); found != table.end()) {
            prefix = found->second;
            continue;
        }
        put(prefix);
        prefix = symbol;
        if (next >= kLargest) {
            put(kClear);
            table.clear();
            next = kEnd + 1;
            width = 9;
        } else {
            table.emplace(key, next++);
        }
    }
    put(prefix);
    put(kEnd);
    out.flush();
    return out.bytes;
}

void put16(std::vector<std::uint8_t>& out, int value) {
    out.push_back(std::uint8_t(value & 0xff));
    out.push_back(std::uint8_t((value >> 8) & 0xff));
}

QImage onWhite(const QImage& frame, QSize size) {
    QImage flat(size, QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, frame);
    return flat;
}

} // namespace

bool writeGif(const std::vector<QImage>& frames, int delayCentiseconds,
              const std::filesystem::path& file, std::string& error) {
    if (frames.empty() || frames.front().isNull()) {
        error = "no frames for " + file.string();
        return false;
    }
    const QSize size = frames.front().size();
    std::vector<QImage> flat;
    for (const QImage& frame : frames) {
        flat.push_back(onWhite(frame, size));
    }
    std::vector<QRgb> palette = paletteFor(flat);
    palette.resize(256, 0);
    std::vector<std::uint8_t> out{'G', 'I', 'F', '8', '9', 'a'};
    put16(out, size.width());
    put16(out, size.height());
    out.insert(out.end(), {0xf7, 0, 0}); // a 256-entry global colour table
    for (QRgb rgb : palette) {
        out.insert(out.end(),
                   {std::uint8_t(qRed(rgb)), std::uint8_t(qGreen(rgb)), std::uint8_t(qBlue(rgb))});
    }
    const bool animated = flat.size() > 1;
    if (animated) {
        const char* loop = "NETSCAPE2.0";
        out.insert(out.end(), {0x21, 0xff, 0x0b});
        out.insert(out.end(), loop, loop + 11);
        out.insert(out.end(), {0x03, 0x01, 0x00, 0x00, 0x00});
    }
    std::unordered_map<QRgb, std::uint8_t> nearest;
    for (const QImage& frame : flat) {
        if (animated) {
            out.insert(out.end(), {0x21, 0xf9, 0x04, 0x04}); // each frame stays until replaced
            put16(out, delayCentiseconds);
            out.insert(out.end(), {0x00, 0x00});
        }
        out.push_back(0x2c);
        put16(out, 0);
        put16(out, 0);
        put16(out, size.width());
        put16(out, size.height());
        out.push_back(0x00);
        out.push_back(8);
        const std::vector<std::uint8_t> data = lzw(indicesOf(frame, palette, nearest));
        for (std::size_t at = 0; at < data.size(); at += 255) {
            const std::size_t length = std::min<std::size_t>(255, data.size() - at);
            out.push_back(std::uint8_t(length));
            out.insert(out.end(), data.begin() + std::ptrdiff_t(at),
                       data.begin() + std::ptrdiff_t(at + length));
        }
        out.push_back(0x00);
    }
    out.push_back(0x3b);

    return writeFile(file, std::string_view(reinterpret_cast<const char*>(out.data()), out.size()),
                     error);
}

} // namespace bookmaker
