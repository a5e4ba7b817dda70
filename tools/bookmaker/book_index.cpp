// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "book_index.h"

#include "book_pages.h"
#include "maker_files.h"
#include "text.h"

#include <QByteArray>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <algorithm>
#include <map>
#include <set>
#include <sstream>

namespace bookmaker {
namespace {

namespace fs = std::filesystem;

// The word numbers of a unit that have a clip, in order: clip k is element k-1.
std::vector<int> clipWords(const BookSource& book, int unit) {
    std::vector<int> numbers;
    const auto found = book.units.find(unit);
    if (found == book.units.end()) {
        return numbers;
    }
    for (std::size_t w = 0; w < found->second.size(); ++w) {
        if (found->second[w].hasClip) {
            numbers.push_back(static_cast<int>(w + 1));
        }
    }
    return numbers;
}

// GBK of a UTF-8 line; fails when a character has no GBK code.
bool gbkLine(const std::string& utf8, std::string& gbk, const std::string& where,
             std::string& error) {
    gbk = tk::toGbk(utf8);
    return tk::toUtf8(gbk) == utf8 ? true : fail(error, where + ": not all of it is in GBK");
}

std::string rectFields(const tk::Rect& rect) {
    return std::to_string(rect.left) + " " + std::to_string(rect.top) + " " +
           std::to_string(rect.width) + " " + std::to_string(rect.height);
}

std::string clipFile(const std::string& id) {
    return "clips/" + id + ".wav";
}

// Files of a folder of the stage, by name.
std::vector<std::string> filesIn(const fs::path& folder) {
    std::vector<std::string> names;
    if (fs::is_directory(folder)) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            if (entry.is_regular_file()) {
                names.push_back(entry.path().filename().string());
            }
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string xmlEscaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string speechKey(const std::vector<SpokenPart>& speech) {
    std::string key;
    for (const SpokenPart& part : speech) {
        key += part.voice + '\x1f' + part.text + '\x1e';
    }
    return key;
}

} // namespace

std::string pageClipId(int bookPage, int item) {
    return "p" + twoDigits(bookPage) + "_" + twoDigits(item);
}

std::string wordClipId(int unit, int word) {
    return "u" + std::to_string(unit) + "_w" + twoDigits(word);
}

std::string page74ClipId(int clip) {
    return "p74_c" + twoDigits(clip);
}

std::vector<WordListEntry> page70Order(const BookSource& book) {
    struct Run {
        int unit;
        int first;
        int last; // 0: to the unit's last clip
    };
    static constexpr Run runs[] = {{1, 1, 0}, {2, 1, 0}, {3, 1, 0}, {4, 1, 4},
                                   {5, 1, 2}, {4, 5, 0}, {5, 3, 0}, {6, 1, 0}};
    std::vector<WordListEntry> order;
    for (const Run& run : runs) {
        const std::vector<int> words = clipWords(book, run.unit);
        const int last = run.last == 0 ? static_cast<int>(words.size())
                                       : std::min(run.last, static_cast<int>(words.size()));
        for (int clip = run.first; clip <= last; ++clip) {
            order.push_back({run.unit, words[static_cast<std::size_t>(clip - 1)], {}});
        }
    }
    return order;
}

std::optional<BookPlan> planRecordings(const BookSource& book,
                                       const std::vector<WordListEntry>& page70,
                                       std::string& error) {
    BookPlan plan;
    // Items that say exactly what another recording says share it: a clip is
    // made once and never copied.
    std::map<std::string, std::string> clipSaying;
    for (const auto& [unit, words] : book.units) {
        for (const int word : clipWords(book, unit)) {
            const std::string id = wordClipId(unit, word);
            const std::vector<SpokenPart> speech = {
                {"narrator", words[static_cast<std::size_t>(word - 1)].english}};
            plan.recordings.push_back({id, speech, ClipFormat::Adpcm, Pace::Word});
            clipSaying.emplace(speechKey(speech), id);
            plan.wordClips[unit].push_back(id);
        }
    }
    std::set<std::pair<int, std::string>> listenedTo; // book page, item number
    for (const AnswerBox& box : book.answerBoxes) {
        if (box.kind == AnswerBox::Kind::Listen) {
            listenedTo.emplace(box.bookPage, box.answer);
        }
    }
    for (const Spread& spread : book.spreads) {
        std::map<int, std::string> ownClip;
        for (const Item& item : spread.items) {
            if (item.clip.kind != ClipSource::Kind::Own) {
                continue;
            }
            const auto [found, isNew] = clipSaying.emplace(
                speechKey(item.speech), pageClipId(spread.bookPage, item.number));
            if (isNew) {
                const bool listening =
                    listenedTo.contains({spread.bookPage, std::to_string(item.number)});
                plan.recordings.push_back({found->second, item.speech, ClipFormat::Adpcm,
                                           listening ? Pace::Listening : Pace::Talk});
            }
            ownClip[item.number] = found->second;
        }
        std::vector<std::string>& ids = plan.pageClips.emplace_back();
        for (const Item& item : spread.items) {
            const Item* source = &item;
            while (source->clip.kind == ClipSource::Kind::Item) {
                source = &spread.items[static_cast<std::size_t>(source->clip.index - 1)];
            }
            ids.push_back(source->clip.kind == ClipSource::Kind::Word
                              ? wordClipId(source->clip.unit, source->clip.index)
                              : ownClip[source->number]);
        }
        if (!spread.extraClip.empty()) {
            ids.push_back(pageClipId(spread.bookPage, static_cast<int>(spread.items.size()) + 1));
            plan.recordings.push_back({ids.back(), spread.extraClip, ClipFormat::Adpcm});
        }
    }
    std::set<int> made;
    for (const Page74Hotspot& hotspot : book.page74) {
        plan.page74Clips.push_back(page74ClipId(hotspot.clip));
        if (made.insert(hotspot.clip).second) {
            plan.recordings.push_back({plan.page74Clips.back(), hotspot.speech, ClipFormat::Adpcm});
        }
    }
    const std::vector<WordListEntry> order = page70Order(book);
    if (page70.size() != order.size()) {
        error = "page 70 lays out " + std::to_string(page70.size()) + " words, not " +
                std::to_string(order.size());
        return std::nullopt;
    }
    for (std::size_t k = 0; k < order.size(); ++k) {
        if (page70[k].unit != order[k].unit || page70[k].word != order[k].word) {
            error = "page 70 hotspot " + std::to_string(k + 1) + " is unit " +
                    std::to_string(page70[k].unit) + " word " + std::to_string(page70[k].word) +
                    ", not unit " + std::to_string(order[k].unit) + " word " +
                    std::to_string(order[k].word);
            return std::nullopt;
        }
        plan.page70Clips.push_back(wordClipId(order[k].unit, order[k].word));
    }
    return plan;
}

bool writeCatalogue(const BookSource& book, const BookPlan& plan,
                    const std::vector<WordListEntry>& page70,
                    const std::vector<std::string>& effectRoles, const fs::path& stageDir,
                    std::string& error) {
    // One record a line, fields split by single spaces; files are relative to
    // the resource root. The program reads it once at start.
    std::ostringstream index;
    std::string gbk;
    for (std::size_t p = 0; p < book.spreads.size(); ++p) {
        const Spread& spread = book.spreads[p];
        const std::string name = "p" + twoDigits(spread.bookPage) + ".txt";
        std::string list;
        for (const Item& item : spread.items) {
            for (const std::string* line : {&item.english, &item.chinese}) {
                const int number = item.number * 2 - (line == &item.english ? 1 : 0);
                if (!gbkLine(*line, gbk, "pages/" + name + ":" + std::to_string(number), error)) {
                    return false;
                }
                list += (list.empty() ? "" : "\r\n") + gbk;
            }
        }
        if (spread.finalLineBreak) {
            list += "\r\n";
        }
        if (!writeFile(stageDir / "text" / name, list, error)) {
            return false;
        }
        const int pageIndex = content::readerPageOf(spread.bookPage);
        index << "pagetext " << pageIndex << " text/" << name << "\n";
        index << "pageclips " << pageIndex;
        for (const std::string& id : plan.pageClips[p]) {
            index << " " << clipFile(id);
        }
        index << "\nhotspots " << pageIndex;
        for (const Item& item : spread.items) {
            index << " " << rectFields(item.rect);
        }
        index << "\n";
    }
    for (const auto& [unit, words] : book.units) {
        const std::string name = "unit" + std::to_string(unit) + ".txt";
        std::string list;
        for (std::size_t w = 0; w < words.size(); ++w) {
            for (const std::string* line : {&words[w].english, &words[w].meaning}) {
                const std::size_t number = w * 2 + (line == &words[w].english ? 1 : 2);
                if (!gbkLine(*line, gbk, "words/" + name + ":" + std::to_string(number), error)) {
                    return false;
                }
                list += (list.empty() ? "" : "\r\n") + gbk;
            }
        }
        if (!writeFile(stageDir / "text" / name, list, error)) {
            return false;
        }
        index << "wordtext " << unit << " text/" << name << "\nwordclips " << unit;
        const auto clips = plan.wordClips.find(unit);
        for (const std::string& id :
             clips == plan.wordClips.end() ? std::vector<std::string>() : clips->second) {
            index << " " << clipFile(id);
        }
        index << "\n";
    }
    for (std::size_t k = 0; k < page70.size(); ++k) {
        index << "page70 " << k + 1 << " " << rectFields(page70[k].rect) << " "
              << clipFile(plan.page70Clips[k]) << "\n";
    }
    for (std::size_t k = 0; k < book.page74.size(); ++k) {
        index << "page74 " << book.page74[k].number << " " << rectFields(book.page74[k].rect) << " "
              << clipFile(plan.page74Clips[k]) << "\n";
    }
    static const char* const boxKinds[] = {"tick", "write", "listen"};
    for (const AnswerBox& box : book.answerBoxes) {
        index << "box " << boxKinds[static_cast<int>(box.kind)] << " " << box.unit << " "
              << box.bookPage << " " << rectFields(box.rect) << " " << box.answer << "\n";
    }
    for (const std::string& role : effectRoles) {
        index << "effect " << role << " effects/" << role << ".wav\n";
    }
    for (const std::string& file : filesIn(stageDir / "pictures")) {
        index << "picture " << fs::path(file).stem().string() << " pictures/" << file << "\n";
    }
    for (const std::string& file : filesIn(stageDir / "buttons")) {
        index << "button " << fs::path(file).stem().string() << " buttons/" << file << "\n";
    }
    for (const std::string& file : filesIn(stageDir / "pages")) {
        const int bookPage = file.size() == 10 && file.starts_with("page") && file.ends_with(".jpg")
                                 ? std::atoi(file.substr(4, 2).c_str())
                                 : 0;
        if (bookPage < 2 || bookPage % 2 != 0 || (bookPage > 70 && bookPage != 74)) {
            return fail(error, "pages/" + file + ": not a page picture");
        }
        const int readerPage = content::readerPageOf(bookPage);
        index << "pagepicture " << readerPage << " pages/" << file << "\n";
    }
    for (const char* key : kBookTextKeys) {
        const auto text = book.texts.find(key);
        if (text == book.texts.end()) {
            continue;
        }
        const std::string name = std::string("book_") + key + ".txt";
        if (!gbkLine(text->second, gbk, std::string("book.txt (") + key + ")", error) ||
            !writeFile(stageDir / "text" / name, gbk, error)) {
            return false;
        }
        index << "booktext " << key << " text/" << name << "\n";
    }
    return writeFile(stageDir / "index.txt", index.str(), error);
}

bool packResource(const fs::path& stageDir, const fs::path& rccFile, std::string& error) {
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(stageDir)) {
        if (entry.is_regular_file()) {
            files.push_back(fs::relative(entry.path(), stageDir).generic_string());
        }
    }
    std::sort(files.begin(), files.end());
    std::string qrc = "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/book\">\n";
    for (const std::string& file : files) {
        qrc += "<file alias=\"" + xmlEscaped(file) + "\">" +
               xmlEscaped(fs::absolute(stageDir / file).string()) + "</file>\n";
    }
    qrc += "</qresource>\n</RCC>\n";
    const fs::path qrcFile = rccFile.parent_path() / "book.qrc";
    const fs::path fresh = rccFile.string() + ".new";
    if (!writeFile(qrcFile, qrc, error)) {
        return false;
    }
    QProcess rcc;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The file dates would otherwise go into the resource and change it.
    environment.insert("SOURCE_DATE_EPOCH", "1");
    rcc.setProcessEnvironment(environment);
    rcc.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    rcc.start(QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) + "/rcc",
              {"--binary", "--no-compress", "-o", QString::fromStdString(fresh.string()),
               QString::fromStdString(qrcFile.string())});
    if (!rcc.waitForFinished(-1) || rcc.exitStatus() != QProcess::NormalExit ||
        rcc.exitCode() != 0) {
        return fail(error,
                    "rcc failed on " + qrcFile.string() + ": " + rcc.errorString().toStdString());
    }
    if (sameBytes(fresh, rccFile)) {
        fs::remove(fresh);
    } else {
        fs::rename(fresh, rccFile);
    }
    return true;
}

} // namespace bookmaker
