// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"

#include <QResource>
#include <QString>
#include <array>
#include <charconv>
#include <map>
#include <string>

extern "C" const unsigned char pellora_book_rcc[];

namespace content {
namespace {

constexpr int kUnits = 6;
constexpr int kEffects = static_cast<int>(Effect::MatchEmpty) + 1;
constexpr int kPictures = static_cast<int>(PictureRole::Flower) + 1;
constexpr int kBookTexts = static_cast<int>(BookText::LinkUrl) + 1;

// Names of the roles in the book's index, in the order of the enums.
constexpr std::array<std::string_view, kEffects> kEffectNames = {"practice_instruction",
                                                                 "find_instruction",
                                                                 "completion",
                                                                 "praise1",
                                                                 "praise2",
                                                                 "praise3",
                                                                 "retry1",
                                                                 "retry2",
                                                                 "retry3",
                                                                 "retry4",
                                                                 "music",
                                                                 "buzz1",
                                                                 "buzz2",
                                                                 "letter_click",
                                                                 "cheer",
                                                                 "match_select",
                                                                 "match_pair",
                                                                 "match_not_pair",
                                                                 "match_empty"};
constexpr std::array<std::string_view, kPictures> kPictureNames = {"start_background",
                                                                   "cover",
                                                                   "loading",
                                                                   "listen_icon",
                                                                   "tick_mark",
                                                                   "cross_mark",
                                                                   "drill_background",
                                                                   "ordering_background",
                                                                   "matching_background",
                                                                   "finding_background",
                                                                   "tile_face1",
                                                                   "tile_face2",
                                                                   "flower"};
constexpr std::array<std::string_view, kBookTexts> kBookTextNames = {
    "start_title", "reader_title", "help_about", "help_faq", "link_text", "link_url"};

struct Book {
    bool loaded = false;
    std::array<std::string_view, kLessonPages> pageTexts;
    std::array<std::string_view, kUnits> wordTexts;
    std::array<tk::ClipList, kLessonPages> pageClips;
    std::array<tk::ClipList, kUnits> wordClips;
    std::array<std::vector<tk::Rect>, kBookPages> hotspots;
    std::vector<FixedHotspot> page70;
    std::vector<FixedHotspot> page74;
    std::vector<AnswerBox> answerBoxes;
    std::array<tk::Clip, kEffects> effects;
    std::array<QByteArray, kPictures> pictures;
    std::array<QByteArray, kBookPages> pagePictures;
    std::map<std::string, QByteArray, std::less<>> buttons;
    std::array<tk::Text, kBookTexts> texts;
};

Book& book() {
    static Book instance;
    return instance;
}

// The bytes of a file of the registered book; empty when it is not there.
std::string_view resourceBytes(std::string_view file) {
    const QResource resource(QStringLiteral(":/book/") +
                             QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size())));
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression) {
        return {};
    }
    return {reinterpret_cast<const char*>(resource.data()),
            static_cast<std::size_t>(resource.size())};
}

tk::Clip clipOf(std::string_view file) {
    const std::string_view bytes = resourceBytes(file);
    return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

QByteArray pictureOf(std::string_view file) {
    const std::string_view bytes = resourceBytes(file);
    return QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// Splits an index line at single spaces.
class Fields {
  public:
    explicit Fields(std::string_view line) : rest_(line) {}
    std::string_view next() {
        const std::size_t space = rest_.find(' ');
        const std::string_view field = rest_.substr(0, space);
        rest_ = space == std::string_view::npos ? std::string_view() : rest_.substr(space + 1);
        return field;
    }
    bool atEnd() const { return rest_.empty(); }
    int number() {
        const std::string_view field = next();
        int value = -1;
        std::from_chars(field.data(), field.data() + field.size(), value);
        return value;
    }
    tk::Rect rect() {
        tk::Rect r;
        r.left = number();
        r.top = number();
        r.width = number();
        r.height = number();
        return r;
    }

  private:
    std::string_view rest_;
};

template <typename Names> int indexOf(const Names& names, std::string_view name) {
    for (std::size_t k = 0; k < names.size(); ++k) {
        if (names[k] == name) {
            return static_cast<int>(k);
        }
    }
    return -1;
}

bool inRange(int value, int size) {
    return value >= 0 && value < size;
}

void readRecord(Book& b, std::string_view line) {
    Fields f(line);
    const std::string_view kind = f.next();
    if (kind == "pagetext" || kind == "pageclips" || kind == "hotspots") {
        const int page = f.number();
        if (!inRange(page, kLessonPages)) {
            return;
        }
        const auto p = static_cast<std::size_t>(page);
        if (kind == "pagetext") {
            b.pageTexts[p] = resourceBytes(f.next());
        }
        while (kind == "pageclips" && !f.atEnd()) {
            b.pageClips[p].push_back(clipOf(f.next()));
        }
        while (kind == "hotspots" && !f.atEnd()) {
            b.hotspots[p].push_back(f.rect());
        }
    } else if (kind == "wordtext" || kind == "wordclips") {
        const int unit = f.number();
        if (!inRange(unit - 1, kUnits)) {
            return;
        }
        const auto u = static_cast<std::size_t>(unit - 1);
        if (kind == "wordtext") {
            b.wordTexts[u] = resourceBytes(f.next());
        }
        while (kind == "wordclips" && !f.atEnd()) {
            b.wordClips[u].push_back(clipOf(f.next()));
        }
    } else if (kind == "page70" || kind == "page74") {
        FixedHotspot hotspot;
        hotspot.number = f.number();
        hotspot.rect = f.rect();
        hotspot.clip = clipOf(f.next());
        const int page = readerPageOf(kind == "page70" ? 70 : 74);
        b.hotspots[static_cast<std::size_t>(page)].push_back(hotspot.rect);
        (kind == "page70" ? b.page70 : b.page74).push_back(hotspot);
    } else if (kind == "box") {
        AnswerBox box;
        const std::string_view boxKind = f.next();
        box.kind = boxKind == "tick"    ? AnswerBox::Kind::Tick
                   : boxKind == "write" ? AnswerBox::Kind::Write
                                        : AnswerBox::Kind::Listen;
        box.unitName = f.next();
        box.bookPage = f.number();
        box.rect = f.rect();
        box.answer = f.next();
        b.answerBoxes.push_back(std::move(box));
    } else if (kind == "effect") {
        const int role = indexOf(kEffectNames, f.next());
        if (role >= 0) {
            b.effects[static_cast<std::size_t>(role)] = clipOf(f.next());
        }
    } else if (kind == "picture") {
        const int role = indexOf(kPictureNames, f.next());
        if (role >= 0) {
            b.pictures[static_cast<std::size_t>(role)] = pictureOf(f.next());
        }
    } else if (kind == "button") {
        const std::string_view name = f.next();
        b.buttons.emplace(std::string(name), pictureOf(f.next()));
    } else if (kind == "pagepicture") {
        const int page = f.number();
        if (inRange(page, kBookPages)) {
            b.pagePictures[static_cast<std::size_t>(page)] = pictureOf(f.next());
        }
    } else if (kind == "booktext") {
        const int which = indexOf(kBookTextNames, f.next());
        if (which >= 0) {
            b.texts[static_cast<std::size_t>(which)] = tk::Text(resourceBytes(f.next()));
        }
    }
}

template <typename T> const T& itemOr(const std::vector<T>& list, int index) {
    static const T none{};
    return inRange(index, static_cast<int>(list.size())) ? list[static_cast<std::size_t>(index)]
                                                         : none;
}

template <typename T, std::size_t N> const T& itemOr(const std::array<T, N>& list, int index) {
    static const T none{};
    return inRange(index, static_cast<int>(N)) ? list[static_cast<std::size_t>(index)] : none;
}

} // namespace

void loadBook() {
    Book& b = book();
    if (b.loaded) {
        return;
    }
    b.loaded = true;
    QResource::registerResource(pellora_book_rcc);
    std::string_view index = resourceBytes("index.txt");
    while (!index.empty()) {
        const std::size_t end = index.find('\n');
        readRecord(b, index.substr(0, end));
        index = end == std::string_view::npos ? std::string_view() : index.substr(end + 1);
    }
}

std::string_view pageTextList(int pageIndex) {
    return itemOr(book().pageTexts, pageIndex);
}

std::string_view wordList(int unit) {
    return itemOr(book().wordTexts, unit - 1);
}

const tk::ClipList& pageClips(int pageIndex) {
    return itemOr(book().pageClips, pageIndex);
}

const tk::ClipList& wordClips(int unit) {
    return itemOr(book().wordClips, unit - 1);
}

const std::vector<tk::Rect>& pageHotspots(int readerPage) {
    return itemOr(book().hotspots, readerPage);
}

const std::vector<FixedHotspot>& page70Hotspots() {
    return book().page70;
}

const std::vector<FixedHotspot>& page74Hotspots() {
    return book().page74;
}

const std::vector<AnswerBox>& answerBoxes() {
    return book().answerBoxes;
}

tk::Clip effect(Effect role) {
    return itemOr(book().effects, static_cast<int>(role));
}

QByteArray pagePicture(int readerPage) {
    return itemOr(book().pagePictures, readerPage);
}

QByteArray picture(PictureRole role) {
    return itemOr(book().pictures, static_cast<int>(role));
}

QByteArray buttonFace(std::string_view name) {
    const auto found = book().buttons.find(name);
    return found == book().buttons.end() ? QByteArray() : found->second;
}

tk::Text bookText(BookText which) {
    return itemOr(book().texts, static_cast<int>(which));
}

} // namespace content
