// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Which pictures to draw, where they go, and which of them are already up
// to date.

#include "pictures.h"

#include "maker_files.h"
#include "pictures_draw.h"
#include "pictures_gif.h"
#include "pictures_kit.h"

#include <QCryptographicHash>
#include <QGuiApplication>
#include <algorithm>
#include <atomic>
#include <fstream>
#include <functional>
#include <iostream>
#include <thread>

namespace bookmaker {

namespace {

constexpr int kSpreadQuality = 85;
constexpr int kPictureQuality = 90;

// What one picture is made from, written out to be hashed: what draws it
// (the drawing identity) and what it shows.
class Inputs {
  public:
    Inputs(const std::string& drawing, const std::string& what) { add(drawing).add(what); }
    Inputs& add(const std::string& value) {
        text_ += std::to_string(value.size()) + ':' + value + ';';
        return *this;
    }
    Inputs& add(int value) {
        text_ += std::to_string(value) + ';';
        return *this;
    }
    Inputs& add(const tk::Rect& r) { return add(r.left).add(r.top).add(r.width).add(r.height); }
    Inputs& add(const std::vector<Decoration>& list) {
        add(int(list.size()));
        for (const Decoration& d : list) {
            add(int(d.kind)).add(d.rect).add(d.emoji).add(d.print).add(d.colour).add(d.scene);
        }
        return *this;
    }
    std::string hash() const {
        return QCryptographicHash::hash(QByteArray::fromStdString(text_), QCryptographicHash::Sha1)
            .toHex()
            .toStdString();
    }

  private:
    std::string text_;
};

struct Job {
    std::filesystem::path file; // relative to the output folder
    std::string hash;
    // Draws and writes the picture; warnings and error are its own.
    std::function<bool(const std::filesystem::path& file, draw::Warnings&, std::string& error)>
        make;
};

std::function<bool(const std::filesystem::path&, draw::Warnings&, std::string&)>
jpeg(std::function<QImage(draw::Warnings&)> picture, int quality) {
    return [picture = std::move(picture), quality](const std::filesystem::path& file,
                                                   draw::Warnings& warnings, std::string& error) {
        return kit::saveImage(picture(warnings), file, quality, error);
    };
}

std::vector<Job> lessonJobs(const BookSource& book, const std::string& drawing) {
    std::vector<Job> jobs;
    for (const Spread& spread : book.spreads) {
        Inputs inputs(drawing, "spread");
        inputs.add(spread.bookPage).add(int(spread.items.size()));
        for (const Item& item : spread.items) {
            inputs.add(item.number).add(int(item.kind)).add(item.rect).add(item.english);
            inputs.add(item.emoji).add(item.print).add(int(item.drawnByArt));
        }
        inputs.add(spread.decorations);
        std::vector<AnswerBox> boxes;
        for (const AnswerBox& box : book.answerBoxes) {
            if (box.bookPage == spread.bookPage) {
                boxes.push_back(box);
                inputs.add(int(box.kind)).add(box.rect);
            }
        }
        jobs.push_back({"pages/page" + twoDigits(spread.bookPage) + ".jpg", inputs.hash(),
                        jpeg(
                            [&spread, boxes](draw::Warnings& warnings) {
                                return draw::lessonSpread(spread, boxes, warnings);
                            },
                            kSpreadQuality)});
    }
    return jobs;
}

Job wordListJob(const BookSource& book, const std::string& drawing) {
    // The words alone place everything printed; the hotspots follow them.
    Inputs inputs(drawing, "word list");
    for (const auto& [unit, words] : book.units) {
        inputs.add(unit).add(int(words.size()));
        for (const Word& word : words) {
            inputs.add(word.english).add(word.meaning).add(int(word.hasClip));
        }
    }
    return {"pages/page70.jpg", inputs.hash(),
            jpeg([&book](draw::Warnings& warnings) { return draw::wordListSpread(book, warnings); },
                 kSpreadQuality)};
}

Job classroomJob(const BookSource& book, const std::string& drawing) {
    Inputs inputs(drawing, "classroom");
    for (const Page74Hotspot& hotspot : book.page74) {
        inputs.add(hotspot.number).add(hotspot.rect).add(hotspot.print).add(hotspot.chinese);
    }
    inputs.add(book.page74Decorations);
    return {
        "pages/page74.jpg", inputs.hash(),
        jpeg([&book](draw::Warnings& warnings) { return draw::classroomSpread(book, warnings); },
             kSpreadQuality)};
}

std::vector<Job> pictureJobs(const std::string& drawing) {
    struct Still {
        const char* role;
        QImage (*draw)();
    };
    static const std::vector<Still> stills{
        {"start_background", draw::startBackground},
        {"cover", draw::cover},
        {"listen_icon", draw::listenIcon},
        {"tick_mark", draw::tickMark},
        {"cross_mark", draw::crossMark},
        {"drill_background", draw::drillBackground},
        {"ordering_background", draw::orderingBackground},
        {"matching_background", draw::matchingBackground},
        {"finding_background", draw::findingBackground},
        {"tile_face1", [] { return draw::tileFace(true); }},
        {"tile_face2", [] { return draw::tileFace(false); }},
    };
    std::vector<Job> jobs;
    for (const Still& still : stills) {
        jobs.push_back(
            {std::string("pictures/") + still.role + ".jpg", Inputs(drawing, still.role).hash(),
             jpeg([draw = still.draw](draw::Warnings&) { return draw(); }, kPictureQuality)});
    }
    jobs.push_back({"pictures/loading.gif", Inputs(drawing, "loading").hash(),
                    [](const std::filesystem::path& file, draw::Warnings&, std::string& error) {
                        return writeGif(draw::loadingFrames(), 8, file, error);
                    }});
    jobs.push_back({"pictures/flower.gif", Inputs(drawing, "flower").hash(),
                    [](const std::filesystem::path& file, draw::Warnings&, std::string& error) {
                        return writeGif({draw::flower()}, 0, file, error);
                    }});
    for (const ButtonFace& face : buttonFaces()) {
        Inputs inputs(drawing, "button");
        inputs.add(face.name).add(face.width).add(face.height).add(face.label);
        jobs.push_back(
            {"buttons/" + face.name + ".jpg", inputs.hash(),
             jpeg([&face](draw::Warnings&) { return draw::buttonFace(face); }, kPictureQuality)});
    }
    return jobs;
}

std::string readHash(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::string hash;
    in >> hash;
    return hash;
}

// Pictures are drawn into the cache, each beside the hash of its inputs,
// and copied out from there: the output folder may be emptied between runs.
bool upToDate(const Job& job, const std::filesystem::path& cache) {
    return std::filesystem::exists(cache / job.file) &&
           readHash(cache / (job.file.string() + ".sha1")) == job.hash;
}

bool publish(const Job& job, const std::filesystem::path& cache,
             const std::filesystem::path& outDir, std::string& error) {
    const std::filesystem::path from = cache / job.file;
    const std::filesystem::path to = outDir / job.file;
    if (sameBytes(from, to)) {
        return true;
    }
    std::error_code code;
    std::filesystem::create_directories(to.parent_path(), code);
    std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing, code);
    if (code) {
        error = "cannot write " + to.string() + ": " + code.message();
        return false;
    }
    return true;
}

bool rememberHash(const Job& job, const std::filesystem::path& cache, std::string& error) {
    return writeFile(cache / (job.file.string() + ".sha1"), job.hash + '\n', error);
}

struct Outcome {
    draw::Warnings warnings;
    std::string error;
    bool ok = true;
};

// Runs the jobs on every core; each job draws into its own image.
std::vector<Outcome> runAll(const std::vector<Job>& jobs, const std::filesystem::path& cache) {
    std::vector<Outcome> outcomes(jobs.size());
    std::atomic<std::size_t> next{0};
    const auto worker = [&] {
        for (std::size_t i = next++; i < jobs.size(); i = next++) {
            Outcome& outcome = outcomes[i];
            outcome.ok = jobs[i].make(cache / jobs[i].file, outcome.warnings, outcome.error) &&
                         rememberHash(jobs[i], cache, outcome.error);
        }
    };
    const unsigned count = std::clamp(std::thread::hardware_concurrency(), 2u, 8u);
    std::vector<std::thread> threads;
    for (unsigned t = 1; t < count && t < jobs.size(); ++t) {
        threads.emplace_back(worker);
    }
    worker();
    for (std::thread& thread : threads) {
        thread.join();
    }
    return outcomes;
}

// Each drawing identity keeps its pictures in a folder of its own, so that
// builds whose makers differ (sanitised, release, bench) each find theirs;
// only the few used last are kept.
constexpr std::size_t kDrawingFolderLength = 16;
constexpr std::size_t kKeptDrawings = 3;

bool isHex(const std::string& text) {
    return text.find_first_not_of("0123456789abcdef") == std::string::npos;
}

bool isDigest(const std::string& drawing) {
    return drawing.size() >= kDrawingFolderLength && isHex(drawing);
}

bool isDrawingFolder(const std::filesystem::directory_entry& entry) {
    const std::string name = entry.path().filename().string();
    return entry.is_directory() && name.size() == kDrawingFolderLength && isHex(name);
}

// Marks this identity's folder used now, and removes the folders of all but
// the identities used last.
bool useDrawingCache(const PictureOptions& options, std::string& error) {
    namespace fs = std::filesystem;
    const fs::path mine = drawingCache(options);
    std::error_code code;
    fs::create_directories(mine, code);
    if (!code) {
        fs::last_write_time(mine, fs::file_time_type::clock::now(), code);
    }
    if (code) {
        error = "cannot use " + mine.string() + ": " + code.message();
        return false;
    }
    std::vector<std::pair<fs::file_time_type, fs::path>> others;
    for (const fs::directory_entry& entry : fs::directory_iterator(options.cacheDir, code)) {
        if (entry.path() != mine && isDrawingFolder(entry)) {
            others.emplace_back(entry.last_write_time(code), entry.path());
        }
    }
    std::sort(others.begin(), others.end(), std::greater<>());
    for (std::size_t k = kKeptDrawings - 1; k < others.size(); ++k) {
        if (fs::remove_all(others[k].second, code); code) {
            std::cerr << "warning: cannot remove " << others[k].second.string() << ": "
                      << code.message() << '\n';
        }
    }
    return true;
}

} // namespace

std::filesystem::path drawingCache(const PictureOptions& options) {
    return options.cacheDir / options.drawing.substr(0, kDrawingFolderLength);
}

const std::vector<ButtonFace>& buttonFaces() {
    static const std::vector<ButtonFace> faces{
        {"start_learning", 100, 40, "开始学习"},
        {"drill_start", 60, 40, "开始"},
        {"drill_listen_again", 100, 40, "再听一遍"},
        {"drill_next", 100, 40, "下一题"},
        {"drill_confirm", 60, 40, "确定"},
        {"drill_leave", 40, 40, "退出"},
        {"fillin_next", 104, 40, "下一题"},
        {"fillin_listen_again", 100, 40, "再听一遍"},
        {"fillin_answer", 60, 40, "答案"},
        {"fillin_ok", 60, 40, "确定"},
        {"fillin_exit", 40, 40, "退出"},
        {"matching_exit", 40, 40, "退出"},
        {"finding_exit", 40, 40, "退出"},
    };
    return faces;
}

std::vector<WordListEntry> layoutPage70(const BookSource& book) {
    return draw::wordListLayout(book);
}

bool renderPictures(const BookSource& book, const PictureOptions& options, std::string& error) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        error = "drawing the pictures needs a QGuiApplication";
        return false;
    }
    if (!isDigest(options.drawing)) {
        error = "the pictures' keys need to know what draws them, as a hex digest";
        return false;
    }
    const std::filesystem::path cache = drawingCache(options);
    if (!useDrawingCache(options, error)) {
        return false;
    }
    std::vector<Job> all = lessonJobs(book, options.drawing);
    all.push_back(wordListJob(book, options.drawing));
    all.push_back(classroomJob(book, options.drawing));
    for (Job& job : pictureJobs(options.drawing)) {
        all.push_back(std::move(job));
    }
    std::vector<Job> stale;
    for (const Job& job : all) {
        if (!upToDate(job, cache)) {
            stale.push_back(job);
        }
    }
    const std::vector<Outcome> outcomes = runAll(stale, cache);
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        for (const std::string& warning : outcomes[i].warnings) {
            std::cerr << "warning: " << stale[i].file.string() << ": " << warning << '\n';
        }
        if (!outcomes[i].ok) {
            error = stale[i].file.string() + ": " + outcomes[i].error;
            return false;
        }
    }
    return std::all_of(all.begin(), all.end(),
                       [&](const Job& job) { return publish(job, cache, options.outDir, error); });
}

} // namespace bookmaker
