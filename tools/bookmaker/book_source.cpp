// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "book_source.h"

#include "book_pages.h"
#include "maker_files.h"
#include "pictures_things.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <set>
#include <sstream>
#include <string_view>

namespace bookmaker {
namespace {

namespace fs = std::filesystem;

constexpr int kUnits = 6;

// A source file split into lines; its name is what messages show.
struct SourceFile {
    std::string name;
    std::vector<std::string> lines;
};

std::string at(const SourceFile& file, std::size_t index) {
    return file.name + ":" + std::to_string(index + 1) + ": ";
}

// Position of the first byte that breaks UTF-8, or npos.
std::size_t invalidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        unsigned min = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if ((lead & 0xE0) == 0xC0) {
            length = 2;
            min = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            min = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            min = 0x10000;
        } else {
            return i;
        }
        if (i + length > text.size()) {
            return i;
        }
        unsigned code = lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto trail = static_cast<unsigned char>(text[i + k]);
            if ((trail & 0xC0) != 0x80) {
                return i;
            }
            code = (code << 6) | (trail & 0x3F);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return i;
        }
        i += length;
    }
    return std::string_view::npos;
}

// Reads a UTF-8 file; one final newline is dropped, so a file that ends with
// an empty line keeps it as its last line.
bool readLines(const fs::path& path, SourceFile& file, std::string& error) {
    file.name = path.string();
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return fail(error, file.name + ": cannot be read");
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    std::string text = buffer.str();
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.erase(0, 3);
    }
    if (const std::size_t bad = invalidUtf8(text); bad != std::string::npos) {
        const auto line = std::count(text.begin(), text.begin() + static_cast<long>(bad), '\n');
        return fail(error, at(file, static_cast<std::size_t>(line)) + "not UTF-8");
    }
    if (text.ends_with('\n')) {
        text.pop_back();
    }
    file.lines.clear();
    if (text.empty()) {
        return true;
    }
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? end : end - start);
        if (line.ends_with('\r')) {
            line.pop_back();
        }
        file.lines.push_back(std::move(line));
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    return true;
}

bool isComment(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t");
    return first == std::string_view::npos || line[first] == '#';
}

std::string_view trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<int> toInt(std::string_view text) {
    int value = 0;
    const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (fault != std::errc() || end != text.data() + text.size() || value < 0) {
        return std::nullopt;
    }
    return value;
}

// A line of a layout or of page74.txt: bare words, then key=value pairs whose
// values may be quoted ("..." with \" and \\ inside). A word starting with #
// begins a comment.
struct Fields {
    std::vector<std::string> words;
    std::map<std::string, std::string> values;
};

bool splitFields(std::string_view line, Fields& fields, std::string& why) {
    std::size_t i = 0;
    const auto space = [&] { return line[i] == ' ' || line[i] == '\t'; };
    while (true) {
        while (i < line.size() && space()) {
            ++i;
        }
        if (i == line.size() || line[i] == '#') {
            return true;
        }
        const std::size_t start = i;
        while (i < line.size() && !space() && line[i] != '=' && line[i] != '"') {
            ++i;
        }
        const std::string word(line.substr(start, i - start));
        if (i == line.size() || space()) {
            if (!fields.values.empty()) {
                return fail(why, "\"" + word + "\" after key=value pairs");
            }
            fields.words.push_back(word);
            continue;
        }
        if (line[i] == '"' || word.empty()) {
            return fail(why, "stray quote or '=' at column " + std::to_string(i + 1));
        }
        ++i; // '='
        std::string value;
        if (i < line.size() && line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                const char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c == '\\' && i < line.size() && (line[i] == '"' || line[i] == '\\')) {
                    value += line[i++];
                } else {
                    value += c;
                }
            }
            if (!closed) {
                return fail(why, "unterminated quote in " + word + "=");
            }
            if (i < line.size() && !space()) {
                return fail(why, "missing space after " + word + "=\"...\"");
            }
        } else {
            const std::size_t valueStart = i;
            while (i < line.size() && !space()) {
                if (line[i] == '"') {
                    return fail(why, "quote inside the bare value of " + word + "=");
                }
                ++i;
            }
            value = line.substr(valueStart, i - valueStart);
        }
        if (!fields.values.emplace(word, std::move(value)).second) {
            return fail(why, word + "= given twice");
        }
    }
}

// Checks the keys against those allowed and those required.
bool checkKeys(const Fields& fields, std::initializer_list<std::string_view> allowed,
               std::initializer_list<std::string_view> required, std::string& why) {
    for (const auto& [key, value] : fields.values) {
        if (std::find(allowed.begin(), allowed.end(), key) == allowed.end()) {
            return fail(why, "unknown key " + key + "=");
        }
    }
    for (const std::string_view key : required) {
        if (!fields.values.contains(std::string(key))) {
            return fail(why, "needs " + std::string(key) + "=");
        }
    }
    return true;
}

std::string valueOf(const Fields& fields, const std::string& key) {
    const auto found = fields.values.find(key);
    return found == fields.values.end() ? std::string() : found->second;
}

bool readNumbers(const Fields& fields, std::size_t first, std::size_t count, std::vector<int>& out,
                 std::string& why) {
    out.clear();
    for (std::size_t k = first; k < first + count; ++k) {
        const auto value = toInt(fields.words[k]);
        if (!value) {
            return fail(why, "\"" + fields.words[k] + "\" is not a number");
        }
        out.push_back(*value);
    }
    return true;
}

bool readRect(const Fields& fields, std::size_t first, tk::Rect& rect, std::string& why) {
    std::vector<int> n;
    if (!readNumbers(fields, first, 4, n, why)) {
        return false;
    }
    rect = {n[0], n[1], n[2], n[3]};
    if (rect.width <= 0 || rect.height <= 0) {
        return fail(why, "empty rectangle");
    }
    return true;
}

bool checkColour(const std::string& colour, std::string& why) {
    const bool ok = colour.empty() ||
                    (colour.size() == 7 && colour[0] == '#' &&
                     colour.find_first_not_of("0123456789abcdefABCDEF", 1) == std::string::npos);
    return ok || fail(why, "colour \"" + colour + "\" is not #rrggbb");
}

// A recording script: parts separated by " / "; a part that starts with
// "Name:" of voices.txt switches the voice for itself and the parts after it.
bool splitSpeech(std::string_view say, std::string voice,
                 const std::map<std::string, std::string>& voices, std::vector<SpokenPart>& parts,
                 std::string& why) {
    parts.clear();
    std::size_t start = 0;
    while (true) {
        const std::size_t end = say.find(" / ", start);
        std::string_view part =
            trim(say.substr(start, end == std::string_view::npos ? end : end - start));
        const std::size_t colon = part.find(':');
        if (colon != std::string_view::npos) {
            const std::string name(part.substr(0, colon));
            if (voices.contains(name)) {
                voice = name;
                part = trim(part.substr(colon + 1));
            }
        }
        if (part.empty()) {
            return fail(why, "say= has an empty part");
        }
        parts.push_back({voice, std::string(part)});
        if (end == std::string_view::npos) {
            return true;
        }
        start = end + 3;
    }
}

bool readVoices(const fs::path& path, BookSource& book, std::string& error) {
    SourceFile file;
    if (!readLines(path, file, error)) {
        return false;
    }
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
        if (isComment(file.lines[i])) {
            continue;
        }
        std::istringstream in(file.lines[i]);
        std::string name;
        std::string engine;
        std::string rest;
        if (!(in >> name >> engine) || (in >> rest)) {
            return fail(error, at(file, i) + "expected <name> <engine voice>");
        }
        if (!book.voices.emplace(name, engine).second) {
            return fail(error, at(file, i) + "voice " + name + " given twice");
        }
    }
    return true;
}

bool isWord(std::string_view word) {
    return word.size() >= 2 && word.size() <= 11 &&
           std::all_of(word.begin(), word.end(),
                       [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); });
}

bool readWords(const fs::path& path, std::vector<Word>& words, std::string& error) {
    SourceFile file;
    if (!readLines(path, file, error)) {
        return false;
    }
    std::size_t pairs = file.lines.size();
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
        if (file.lines[i].starts_with("#")) {
            pairs = i;
            break;
        }
    }
    if (pairs % 2 != 0) {
        return fail(error, at(file, pairs - 1) + "a word without its meaning");
    }
    for (std::size_t i = 0; i < pairs; i += 2) {
        const std::string& english = file.lines[i];
        const std::string& meaning = file.lines[i + 1];
        if (!isWord(english)) {
            return fail(error, at(file, i) + "\"" + english + "\" is not a word of 2-11 letters");
        }
        if (meaning.empty() || meaning != trim(meaning)) {
            return fail(error, at(file, i + 1) + "empty meaning, or spaces around it");
        }
        words.push_back({english, meaning, true});
    }
    for (std::size_t i = pairs; i < file.lines.size(); ++i) {
        const std::string& line = file.lines[i];
        const auto number = line.starts_with("#noclip ") ? toInt(line.substr(8)) : std::nullopt;
        if (!number || *number < 1 || static_cast<std::size_t>(*number) > words.size()) {
            return fail(error, at(file, i) + "expected #noclip <word number> after the words");
        }
        words[static_cast<std::size_t>(*number - 1)].hasClip = false;
    }
    return true;
}

// The page's text list: English and Chinese line per item.
bool readPageText(const fs::path& path, Spread& spread, std::string& error) {
    SourceFile file;
    if (!readLines(path, file, error)) {
        return false;
    }
    if (!file.lines.empty() && file.lines.back().empty()) {
        spread.finalLineBreak = true;
        file.lines.pop_back();
    }
    if (file.lines.size() % 2 != 0) {
        return fail(error, file.name + ": " + std::to_string(file.lines.size()) +
                               " lines: every item needs an English and a Chinese line");
    }
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
        const std::string& line = file.lines[i];
        if (line.empty()) {
            return fail(error, at(file, i) + "empty line");
        }
        if (line.back() == ' ' || line.back() == '\t') {
            return fail(error, at(file, i) + "line ends with a space");
        }
        if (line != "$" && line.find('$') != std::string::npos) {
            return fail(error, at(file, i) + "\"$\" inside a longer line");
        }
    }
    for (std::size_t i = 0; i < file.lines.size(); i += 2) {
        Item item;
        item.number = static_cast<int>(i / 2 + 1);
        item.english = file.lines[i];
        item.chinese = file.lines[i + 1];
        if ((item.english == "$") != (item.chinese == "$")) {
            return fail(error, at(file, i) + "item " + std::to_string(item.number) +
                                   ": \"$\" must stand on both its lines");
        }
        if (item.english != "$" && !std::all_of(item.english.begin(), item.english.end(),
                                                [](char c) { return c >= ' ' && c <= '~'; })) {
            return fail(error, at(file, i) + "the English line is not plain ASCII");
        }
        spread.items.push_back(std::move(item));
    }
    return true;
}

std::optional<ItemKind> itemKind(std::string_view name) {
    static const std::map<std::string_view, ItemKind> kinds = {
        {"heading", ItemKind::Heading}, {"line", ItemKind::Line},
        {"bubble", ItemKind::Bubble},   {"word", ItemKind::Word},
        {"picture", ItemKind::Picture}, {"block", ItemKind::Block}};
    const auto found = kinds.find(name);
    return found == kinds.end() ? std::nullopt : std::optional(found->second);
}

bool readClipSource(const std::string& value, ClipSource& clip, std::string& why) {
    const auto bad = [&] {
        return fail(why, "clip=" + value + ": expected clip=word:<unit>:<word> or clip=item:<k>");
    };
    if (value.starts_with("item:")) {
        const auto k = toInt(std::string_view(value).substr(5));
        if (!k || *k < 1) {
            return bad();
        }
        clip = {ClipSource::Kind::Item, 0, *k};
        return true;
    }
    if (!value.starts_with("word:")) {
        return bad();
    }
    const std::string_view rest = std::string_view(value).substr(5);
    const std::size_t colon = rest.find(':');
    if (colon == std::string_view::npos) {
        return bad();
    }
    const auto unit = toInt(rest.substr(0, colon));
    const auto word = toInt(rest.substr(colon + 1));
    if (!unit || !word || *unit < 1 || *unit > kUnits || *word < 1) {
        return bad();
    }
    clip = {ClipSource::Kind::Word, *unit, *word};
    return true;
}

bool readDecoration(const Fields& fields, Decoration& decoration, std::string& why) {
    const std::string& kind = fields.words[0];
    if (kind == "art") {
        std::vector<int> n;
        if (fields.words.size() != 4) {
            return fail(why, "expected art <left> <top> <size> emoji=...");
        }
        if (!checkKeys(fields, {"emoji"}, {"emoji"}, why) || !readNumbers(fields, 1, 3, n, why)) {
            return false;
        }
        if (n[2] <= 0) {
            return fail(why, "empty picture");
        }
        decoration = {
            DecorationKind::Art, {n[0], n[1], n[2], n[2]}, valueOf(fields, "emoji"), {}, {}, {}};
        return true;
    }
    const bool text = kind == "text";
    if (fields.words.size() != 5) {
        return fail(why, "expected " + kind + " <left> <top> <width> <height> ...");
    }
    if (!(text ? checkKeys(fields, {"print", "colour"}, {"print"}, why)
               : checkKeys(fields, {"colour", "scene"}, {}, why))) {
        return false;
    }
    decoration.kind = text ? DecorationKind::Text : DecorationKind::Panel;
    decoration.print = valueOf(fields, "print");
    decoration.colour = valueOf(fields, "colour");
    decoration.scene = valueOf(fields, "scene");
    if (fields.values.contains("scene") && !things::isBackdrop(decoration.scene)) {
        return fail(why, "scene= is one of classroom, home, zoo, park");
    }
    return readRect(fields, 1, decoration.rect, why) && checkColour(decoration.colour, why);
}

// A word clip named by a layout, checked once the word lists are read.
struct WordReference {
    std::string where;
    int unit = 0;
    int word = 0;
};

bool readItemLine(const Fields& fields, const BookSource& book, Item& item, std::string& why) {
    if (fields.words.size() != 7) {
        return fail(why, "expected item <k> <kind> <left> <top> <width> <height> [key=value ...]");
    }
    const auto kind = itemKind(fields.words[2]);
    if (!kind) {
        return fail(why, "unknown item kind \"" + fields.words[2] + "\"");
    }
    item.kind = *kind;
    if (!readRect(fields, 3, item.rect, why) ||
        !checkKeys(fields, {"emoji", "print", "voice", "say", "clip", "drawn"}, {}, why)) {
        return false;
    }
    item.emoji = valueOf(fields, "emoji");
    item.drawnByArt = fields.values.contains("drawn");
    if (item.drawnByArt && (item.kind != ItemKind::Picture || valueOf(fields, "drawn") != "art" ||
                            !item.emoji.empty())) {
        return fail(why, "drawn=art is for a picture item without emoji=");
    }
    item.print = valueOf(fields, "print");
    const bool placeholder = item.english == "$";
    const bool hasSay = fields.values.contains("say");
    const bool hasVoice = fields.values.contains("voice");
    if ((item.kind == ItemKind::Word || item.kind == ItemKind::Picture) && item.emoji.empty() &&
        !item.drawnByArt) {
        return fail(why, "a " + fields.words[2] + " item needs emoji=");
    }
    if (placeholder && (!hasSay || item.print.empty())) {
        return fail(why, "a \"$\" item needs say= and print=");
    }
    if (fields.values.contains("clip")) {
        if (hasSay || hasVoice || placeholder) {
            return fail(why, "clip= shares a recording: no say= or voice= with it, no \"$\" item");
        }
        if (!readClipSource(valueOf(fields, "clip"), item.clip, why)) {
            return false;
        }
        if (item.clip.kind == ClipSource::Kind::Item && item.clip.index == item.number) {
            return fail(why, "clip=item: names the item itself");
        }
        return true;
    }
    const std::string voice = hasVoice ? valueOf(fields, "voice") : "narrator";
    if (hasVoice && !book.voices.contains(voice)) {
        return fail(why, "voice=" + voice + " is not in voices.txt");
    }
    if (!hasSay) {
        item.speech = {{voice, item.english}};
        return true;
    }
    return splitSpeech(valueOf(fields, "say"), voice, book.voices, item.speech, why);
}

bool readLayout(const fs::path& path, const BookSource& book, Spread& spread,
                std::vector<WordReference>& references, std::string& error) {
    SourceFile file;
    if (!readLines(path, file, error)) {
        return false;
    }
    std::set<int> placed;
    std::string why;
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
        Fields fields;
        why.clear();
        if (!splitFields(file.lines[i], fields, why)) {
            return fail(error, at(file, i) + why);
        }
        if (fields.words.empty()) {
            if (!fields.values.empty()) {
                return fail(error, at(file, i) + "a line starts with its kind");
            }
            continue;
        }
        const std::string& kind = fields.words[0];
        bool ok = true;
        if (kind == "item") {
            const auto number = fields.words.size() > 1 ? toInt(fields.words[1]) : std::nullopt;
            if (!number || *number < 1 || *number > static_cast<int>(spread.items.size())) {
                return fail(error, at(file, i) + "no item " +
                                       (fields.words.size() > 1 ? fields.words[1] : "") +
                                       " in the text list of " +
                                       std::to_string(spread.items.size()) + " items");
            }
            if (!placed.insert(*number).second) {
                return fail(error, at(file, i) + "item " + fields.words[1] + " placed twice");
            }
            Item& item = spread.items[static_cast<std::size_t>(*number - 1)];
            ok = readItemLine(fields, book, item, why);
            if (ok && item.clip.kind == ClipSource::Kind::Word) {
                references.push_back({at(file, i), item.clip.unit, item.clip.index});
            }
        } else if (kind == "art" || kind == "text" || kind == "panel") {
            Decoration decoration;
            ok = readDecoration(fields, decoration, why);
            spread.decorations.push_back(decoration);
        } else if (kind == "clip") {
            const auto number = fields.words.size() == 2 ? toInt(fields.words[1]) : std::nullopt;
            ok = checkKeys(fields, {"say", "voice"}, {"say"}, why);
            if (ok && (!number || !spread.extraClip.empty())) {
                ok = fail(why, "expected one line clip <n> say=\"...\"");
            }
            const std::string voice =
                fields.values.contains("voice") ? valueOf(fields, "voice") : "narrator";
            if (ok && !book.voices.contains(voice)) {
                ok = fail(why, "voice=" + voice + " is not in voices.txt");
            }
            ok = ok &&
                 splitSpeech(valueOf(fields, "say"), voice, book.voices, spread.extraClip, why);
            if (ok && *number != static_cast<int>(spread.items.size()) + 1) {
                ok = fail(why, "clip " + std::to_string(*number) + ": the extra clip follows the " +
                                   std::to_string(spread.items.size()) + " items");
            }
        } else {
            ok = fail(why, "unknown line kind \"" + kind + "\"");
        }
        if (!ok) {
            return fail(error, at(file, i) + why);
        }
    }
    if (placed.size() != spread.items.size()) {
        return fail(error, file.name + ": " + std::to_string(placed.size()) +
                               " item lines, but the text list has " +
                               std::to_string(spread.items.size()) + " items");
    }
    // A shared item clip must lead, through any chain, to a recording of its own.
    for (const Item& item : spread.items) {
        const Item* target = &item;
        for (std::size_t step = 0; target->clip.kind == ClipSource::Kind::Item; ++step) {
            const int k = target->clip.index;
            if (k > static_cast<int>(spread.items.size()) || step > spread.items.size()) {
                return fail(error, file.name + ": item " + std::to_string(item.number) +
                                       ": clip=item:" + std::to_string(item.clip.index) +
                                       " leads to no recording");
            }
            target = &spread.items[static_cast<std::size_t>(k - 1)];
        }
    }
    return true;
}

bool readPage74(const fs::path& path, BookSource& book, std::string& error) {
    SourceFile file;
    if (!readLines(path, file, error)) {
        return false;
    }
    std::map<int, std::string> scripts; // clip -> say
    std::set<int> numbers;
    std::string why;
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
        Fields fields;
        why.clear();
        if (!splitFields(file.lines[i], fields, why)) {
            return fail(error, at(file, i) + why);
        }
        if (fields.words.empty() && fields.values.empty()) {
            continue;
        }
        const std::string kind = fields.words.empty() ? std::string() : fields.words[0];
        bool ok = true;
        if (kind == "art" || kind == "text" || kind == "panel") {
            Decoration decoration;
            ok = readDecoration(fields, decoration, why);
            book.page74Decorations.push_back(decoration);
        } else {
            Page74Hotspot hotspot;
            const auto number = kind.empty() ? std::nullopt : toInt(kind);
            const auto clip = toInt(valueOf(fields, "clip"));
            ok = fields.words.size() == 5 && number.has_value();
            if (!ok) {
                why = "expected <number> <left> <top> <width> <height> clip=<n> say= print= zh=";
            }
            ok = ok &&
                 checkKeys(fields, {"clip", "say", "print", "zh"}, {"clip", "say", "print", "zh"},
                           why) &&
                 readRect(fields, 1, hotspot.rect, why);
            if (ok && (!clip || *clip < 1)) {
                ok = fail(why, "clip=" + valueOf(fields, "clip") + " is not a clip number");
            }
            if (ok) {
                hotspot.number = *number;
                hotspot.clip = *clip;
                hotspot.say = valueOf(fields, "say");
                hotspot.print = valueOf(fields, "print");
                hotspot.chinese = valueOf(fields, "zh");
                const auto [script, fresh] = scripts.emplace(hotspot.clip, hotspot.say);
                if (!fresh && script->second != hotspot.say) {
                    ok = fail(why, "clip=" + std::to_string(hotspot.clip) +
                                       " says something else on another hotspot");
                }
                if (ok && !numbers.insert(hotspot.number).second) {
                    ok = fail(why, "hotspot " + kind + " given twice");
                }
            }
            ok = ok && splitSpeech(hotspot.say, "narrator", book.voices, hotspot.speech, why);
            if (ok) {
                book.page74.push_back(std::move(hotspot));
            }
        }
        if (!ok) {
            return fail(error, at(file, i) + why);
        }
    }
    return true;
}

bool readAnswerBoxes(const fs::path& path, BookSource& book, std::string& error) {
    SourceFile file;
    if (!readLines(path, file, error)) {
        return false;
    }
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
        if (isComment(file.lines[i])) {
            continue;
        }
        std::istringstream in(file.lines[i]);
        std::vector<std::string> w;
        for (std::string word; in >> word;) {
            w.push_back(word);
        }
        AnswerBox box;
        std::vector<int> n;
        bool ok = w.size() == 8;
        for (std::size_t k = 2; ok && k < 7; ++k) {
            const auto value = toInt(w[k]);
            ok = value.has_value();
            n.push_back(value.value_or(0));
        }
        if (ok && w[0] == "tick") {
            box.kind = AnswerBox::Kind::Tick;
            ok = w[7] == "yes" || w[7] == "no";
        } else if (ok && w[0] == "write") {
            box.kind = AnswerBox::Kind::Write;
            ok = w[7].size() == 1 && w[7][0] >= '0' && w[7][0] <= '9';
        } else if (ok && w[0] == "listen") {
            box.kind = AnswerBox::Kind::Listen;
            ok = toInt(w[7]).value_or(0) >= 1;
        } else {
            ok = false;
        }
        if (!ok || n[3] <= 0 || n[4] <= 0) {
            return fail(error, at(file, i) +
                                   "expected tick|write|listen <unit> <book page> <left> <top> "
                                   "<width> <height> <yes|no|digit|item>");
        }
        box.unit = w[1];
        box.bookPage = n[0];
        box.rect = {n[1], n[2], n[3], n[4]};
        box.answer = w[7];
        book.answerBoxes.push_back(std::move(box));
    }
    return true;
}

bool readBookTexts(const fs::path& path, BookSource& book, std::string& error) {
    SourceFile file;
    if (!readLines(path, file, error)) {
        return false;
    }
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
        if (isComment(file.lines[i])) {
            continue;
        }
        const std::string& line = file.lines[i];
        const std::size_t equals = line.find('=');
        const std::string key(trim(std::string_view(line).substr(0, equals)));
        if (equals == std::string::npos || key.empty()) {
            return fail(error, at(file, i) + "expected <key> = <value>");
        }
        const std::string_view raw = trim(std::string_view(line).substr(equals + 1));
        std::string value;
        for (std::size_t k = 0; k < raw.size(); ++k) {
            if (raw[k] == '\\' && k + 1 < raw.size() && (raw[k + 1] == 'n' || raw[k + 1] == '\\')) {
                value += raw[++k] == 'n' ? '\n' : '\\';
            } else {
                value += raw[k];
            }
        }
        if (!book.texts.emplace(key, std::move(value)).second) {
            return fail(error, at(file, i) + key + " given twice");
        }
    }
    return true;
}

} // namespace

std::optional<BookSource> readBookSource(const fs::path& dataDir, std::string& error) {
    BookSource book;
    const auto present = [](const fs::path& path) { return fs::exists(path); };
    if (present(dataDir / "voices.txt") && !readVoices(dataDir / "voices.txt", book, error)) {
        return std::nullopt;
    }
    for (int unit = 1; unit <= kUnits; ++unit) {
        const fs::path path = dataDir / "words" / ("unit" + std::to_string(unit) + ".txt");
        if (present(path) && !readWords(path, book.units[unit], error)) {
            return std::nullopt;
        }
        if (!present(path)) {
            book.units.erase(unit);
        }
    }
    std::vector<WordReference> references;
    for (int index = 0; index < content::kLessonPages; ++index) {
        const int page = content::bookPageOf(index);
        const std::string name = "p" + twoDigits(page) + ".txt";
        const fs::path text = dataDir / "pages" / name;
        const fs::path layout = dataDir / "layout" / name;
        if (!present(text) && !present(layout)) {
            continue;
        }
        if (!present(text) || !present(layout)) {
            error = (present(text) ? layout : text).string() + ": missing (the page text list and "
                                                               "its layout come together)";
            return std::nullopt;
        }
        Spread spread;
        spread.bookPage = page;
        if (!readPageText(text, spread, error) ||
            !readLayout(layout, book, spread, references, error)) {
            return std::nullopt;
        }
        book.spreads.push_back(std::move(spread));
    }
    for (const WordReference& reference : references) {
        const auto unit = book.units.find(reference.unit);
        if (unit == book.units.end()) {
            continue;
        }
        const auto& words = unit->second;
        if (reference.word > static_cast<int>(words.size()) ||
            !words[static_cast<std::size_t>(reference.word - 1)].hasClip) {
            error = reference.where + "unit " + std::to_string(reference.unit) +
                    " has no word clip " + std::to_string(reference.word);
            return std::nullopt;
        }
    }
    if ((present(dataDir / "page74.txt") && !readPage74(dataDir / "page74.txt", book, error)) ||
        (present(dataDir / "answer_boxes.txt") &&
         !readAnswerBoxes(dataDir / "answer_boxes.txt", book, error)) ||
        (present(dataDir / "book.txt") && !readBookTexts(dataDir / "book.txt", book, error))) {
        return std::nullopt;
    }
    return book;
}

bool checkBookComplete(const BookSource& book, std::string& error) {
    std::vector<std::string> missing;
    std::set<int> pages;
    for (const Spread& spread : book.spreads) {
        pages.insert(spread.bookPage);
        if (!spread.extraClip.empty() && spread.bookPage != 12) {
            return fail(error, "book page " + std::to_string(spread.bookPage) +
                                   ": only book page 12 has an extra clip");
        }
        if (spread.bookPage == 12 && spread.extraClip.empty()) {
            return fail(error, "book page 12: the 9th clip (clip 9 say=...) is missing");
        }
    }
    for (int index = 0; index < content::kLessonPages; ++index) {
        const int page = content::bookPageOf(index);
        if (!pages.contains(page)) {
            missing.push_back("pages/p" + twoDigits(page) + ".txt");
        }
    }
    for (int unit = 1; unit <= kUnits; ++unit) {
        if (!book.units.contains(unit) || book.units.at(unit).empty()) {
            missing.push_back("words/unit" + std::to_string(unit) + ".txt");
        }
    }
    if (book.page74.empty()) {
        missing.push_back("page74.txt");
    }
    if (book.answerBoxes.empty()) {
        missing.push_back("answer_boxes.txt");
    }
    if (!book.voices.contains("narrator")) {
        missing.push_back("voices.txt (narrator)");
    }
    for (const char* key : kBookTextKeys) {
        if (!book.texts.contains(key)) {
            missing.push_back(std::string("book.txt (") + key + ")");
        }
    }
    if (missing.empty()) {
        return true;
    }
    error = "the book is not complete; missing:";
    for (const std::string& name : missing) {
        error += " " + name;
    }
    return false;
}

} // namespace bookmaker
