// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordings_kit.h"

#include "sdl_sound.h"
#include "wav.h"

#include <QByteArrayView>
#include <QCryptographicHash>
#include <QTemporaryDir>
#include <SDL.h>
#include <SDL_mixer.h>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace bookmaker::audio {
namespace {

namespace fs = std::filesystem;

// Part of every key: raise it when a change here alters the bytes made.
constexpr std::string_view kAudioVersion = "bookmaker audio 1";

// The end of a program's messages: enough to see why it failed.
std::string tailOf(const fs::path& log) {
    std::string text = readFile(log);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
        text.pop_back();
    }
    constexpr std::size_t kKeep = 600;
    if (text.size() > kKeep) {
        text = "..." + text.substr(text.size() - kKeep);
    }
    return text.empty() ? std::string("(no message)") : text;
}

std::string installHint(const std::string& program) {
    static const std::map<std::string, std::string> packages = {
        {"flite", "flite"},
        {"text2wave", "festival and festvox-us-slt-hts"},
        {"espeak-ng", "espeak-ng"},
        {"rubberband", "rubberband-cli"},
        {"sox", "sox"},
        {"ffmpeg", "ffmpeg"}};
    const auto found = packages.find(program);
    const std::string package = found == packages.end() ? program : found->second;
    return " (install " + package + "; scripts/deps.sh lists every package)";
}

bool runStep(const Step& step, const fs::path& work, const std::string& what, std::string& error) {
    const std::string& program = step.argv.front();
    const fs::path log = work / "log.txt";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, work.c_str());
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    std::vector<char*> argv;
    for (const std::string& arg : step.argv) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned =
        posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned == ENOENT) {
        return fail(error, what + ": " + program + " is not installed" + installHint(program));
    }
    if (spawned != 0) {
        return fail(error, what + ": cannot start " + program + ": " + std::strerror(spawned));
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            return fail(error, what + ": lost " + program + ": " + std::strerror(errno));
        }
    }
    if (WIFSIGNALED(status)) {
        return fail(error, what + ": " + program + " was killed by signal " +
                               std::to_string(WTERMSIG(status)) + ": " + tailOf(log));
    }
    if (WEXITSTATUS(status) != 0) {
        return fail(error, what + ": " + program + " failed (exit status " +
                               std::to_string(WEXITSTATUS(status)) + "): " + tailOf(log));
    }
    std::error_code ec;
    const fs::path output = work / step.output;
    if (!fs::is_regular_file(output, ec) || fs::file_size(output, ec) == 0) {
        return fail(error, what + ": " + program + " wrote no " + step.output + ": " + tailOf(log));
    }
    return true;
}

bool cook(const Recipe& recipe, const fs::path& cacheDir, std::string& error) {
    std::error_code ec;
    // Absolute: the programs run inside it. A folder of this cook's own, as a
    // second book maker may cook the same recipe in the same cache.
    const fs::path scratch = fs::absolute(cacheDir / "work", ec);
    fs::create_directories(scratch, ec);
    const QTemporaryDir folder(
        QString::fromStdString((scratch / recipe.key()).string() + "-XXXXXX"));
    if (ec || !folder.isValid()) {
        return fail(error, recipe.what + ": cannot make a folder in " + scratch.string() + ": " +
                               (ec ? ec.message() : folder.errorString().toStdString()));
    }
    const fs::path work = folder.path().toStdString();
    bool ok = !recipe.steps.empty() || fail(error, recipe.what + ": nothing to make it with");
    for (const auto& [name, bytes] : recipe.inputs) {
        std::string why;
        ok = ok && (writeFile(work / name, bytes, why) || fail(error, recipe.what + ": " + why));
    }
    for (const Step& step : recipe.steps) {
        ok = ok && runStep(step, work, recipe.what, error);
    }
    if (ok) {
        fs::rename(work / recipe.steps.back().output, cachedFile(cacheDir, recipe), ec);
        ok = !ec || fail(error, recipe.what + ": cannot store it in " + cacheDir.string() + ": " +
                                    ec.message());
    }
    return ok;
}

} // namespace

Player::Player() {
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    output_ = tk::makeSoundOutput();
    SDL_ResetHint(SDL_HINT_AUDIODRIVER);
}

Player::~Player() = default;

const Player& Player::shared() {
    static const Player player;
    return player;
}

std::string Player::whyUnplayable(const std::string& wav) const {
    // SDL's error text is the process's: two makers must not decode at once.
    static std::mutex decoding;
    const std::lock_guard lock(decoding);
    if (Mix_QuerySpec(nullptr, nullptr, nullptr) == 0) {
        return std::string("no sound decoder: ") + SDL_GetError();
    }
    SDL_ClearError();
    Mix_Chunk* chunk =
        tk::DecodeClip({reinterpret_cast<const std::uint8_t*>(wav.data()), wav.size()});
    if (chunk != nullptr) {
        Mix_FreeChunk(chunk);
        return {};
    }
    const std::string why = SDL_GetError();
    return why.empty() ? "it holds no sound" : why;
}

std::string Recipe::key() const {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const auto add = [&hash](std::string_view text) {
        hash.addData(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
        hash.addData(QByteArrayView("\0", 1));
    };
    add(kAudioVersion);
    for (const auto& [name, bytes] : inputs) {
        add("input");
        add(name);
        add(std::to_string(bytes.size()));
        add(bytes);
    }
    for (const Step& step : steps) {
        add("step");
        add(std::to_string(step.argv.size()));
        for (const std::string& arg : step.argv) {
            add(arg);
        }
        add(step.output);
    }
    return hash.result().toHex().left(32).toStdString();
}

fs::path cachedFile(const fs::path& cacheDir, const Recipe& recipe) {
    return cacheDir / (recipe.key() + ".wav");
}

bool cookAll(const std::vector<const Recipe*>& recipes, const fs::path& cacheDir, int jobs,
             std::string& error) {
    std::error_code ec;
    fs::create_directories(cacheDir, ec);
    if (ec) {
        return fail(error, "cannot make " + cacheDir.string() + ": " + ec.message());
    }
    // Recipes that make the same bytes are cooked once.
    std::vector<const Recipe*> todo;
    std::map<std::string, const Recipe*> seen;
    for (const Recipe* recipe : recipes) {
        if (!fs::exists(cachedFile(cacheDir, *recipe), ec) &&
            seen.emplace(recipe->key(), recipe).second) {
            todo.push_back(recipe);
        }
    }
    std::vector<std::string> errors(todo.size());
    std::atomic<std::size_t> next = 0;
    std::atomic<bool> failed = false;
    const auto worker = [&] {
        while (!failed) {
            const std::size_t k = next++;
            if (k >= todo.size()) {
                return;
            }
            if (!cook(*todo[k], cacheDir, errors[k])) {
                failed = true;
            }
        }
    };
    {
        std::vector<std::jthread> helpers;
        for (int k = 1; k < jobs; ++k) {
            helpers.emplace_back(worker);
        }
        worker();
    }
    for (const std::string& message : errors) {
        if (!message.empty()) {
            return fail(error, message);
        }
    }
    return true;
}

bool place(const fs::path& from, const fs::path& target, std::string& error) {
    std::error_code ec;
    fs::create_directories(target.parent_path(), ec);
    fs::copy_file(from, target, fs::copy_options::overwrite_existing, ec);
    return !ec || fail(error, "cannot write " + target.string() + ": " + ec.message());
}

std::vector<Step> encodeSteps(const std::vector<std::string>& pcmFiles, ClipFormat format,
                              const std::string& out) {
    struct Target {
        std::vector<std::string> soxOutput; // sox output options; empty: MP3 by ffmpeg
        const char* channels;
        const char* rate;
    };
    const Target target = [format]() -> Target {
        switch (format) {
        case ClipFormat::Adpcm:
            return {{"-e", "ms-adpcm", "-c", "2", "-r", "22050"}, "2", "22050"};
        case ClipFormat::Mp3Mono24000:
            return {{}, "1", "24000"};
        case ClipFormat::Mp3Stereo16000:
            return {{}, "2", "16000"};
        case ClipFormat::Pcm8Mono22050:
            return {{"-e", "unsigned", "-b", "8", "-c", "1", "-r", "22050"}, "1", "22050"};
        case ClipFormat::Pcm16Stereo22050:
            return {{"-e", "signed", "-b", "16", "-c", "2", "-r", "22050"}, "2", "22050"};
        case ClipFormat::Pcm16Mono44100:
            return {{"-e", "signed", "-b", "16", "-c", "1", "-r", "44100"}, "1", "44100"};
        case ClipFormat::Pcm16Mono22050:
            return {{"-e", "signed", "-b", "16", "-c", "1", "-r", "22050"}, "1", "22050"};
        case ClipFormat::Pcm8Mono11025:
            return {{"-e", "unsigned", "-b", "8", "-c", "1", "-r", "11025"}, "1", "11025"};
        }
        return {};
    }();
    std::vector<std::string> sox = {"sox", "-R"};
    sox.insert(sox.end(), pcmFiles.begin(), pcmFiles.end());
    if (!target.soxOutput.empty()) {
        sox.insert(sox.end(), target.soxOutput.begin(), target.soxOutput.end());
        sox.push_back(out);
        return {{sox, out}};
    }
    // sox resamples and makes the channels: ffmpeg's own upmix would lower
    // a mono source by 3 dB.
    sox.insert(sox.end(), {"-b", "16", "-c", target.channels, "-r", target.rate, "mp3in.wav"});
    return {{sox, "mp3in.wav"},
            {{"ffmpeg",     "-nostdin", "-hide_banner", "-loglevel",
              "error",      "-i",       "mp3in.wav",    "-c:a",
              "libmp3lame", "-b:a",     "32k",          "-fflags",
              "+bitexact",  "-flags:a", "+bitexact",    "-map_metadata",
              "-1",         "-f",       "wav",          "-y",
              out},
             out}};
}

bool isInFormat(const fs::path& wav, ClipFormat format) {
    const std::string bytes = readFile(wav);
    const auto info =
        tk::ReadWav({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
    if (!info) {
        return false;
    }
    const auto is = [&info](std::uint16_t tag, int channels, std::uint32_t rate, int bits) {
        return info->formatTag == tag && info->channels == channels && info->sampleRate == rate &&
               (bits == 0 || info->bitsPerSample == bits);
    };
    switch (format) {
    case ClipFormat::Adpcm:
        return is(tk::kWavMsAdpcm, 2, 22050, 4);
    case ClipFormat::Mp3Mono24000:
        return is(tk::kWavMp3, 1, 24000, 0);
    case ClipFormat::Mp3Stereo16000:
        return is(tk::kWavMp3, 2, 16000, 0);
    case ClipFormat::Pcm8Mono22050:
        return is(tk::kWavPcm, 1, 22050, 8);
    case ClipFormat::Pcm16Stereo22050:
        return is(tk::kWavPcm, 2, 22050, 16);
    case ClipFormat::Pcm16Mono44100:
        return is(tk::kWavPcm, 1, 44100, 16);
    case ClipFormat::Pcm16Mono22050:
        return is(tk::kWavPcm, 1, 22050, 16);
    case ClipFormat::Pcm8Mono11025:
        return is(tk::kWavPcm, 1, 11025, 8);
    }
    return false;
}

bool isSafeId(const std::string& id) {
    return !id.empty() &&
           id.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                "0123456789_-") == std::string::npos;
}

} // namespace bookmaker::audio
