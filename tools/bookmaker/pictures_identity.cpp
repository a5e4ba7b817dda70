// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
// What the pictures are drawn with, beyond what they show: the drawing code,
// the libraries under it and the fonts.

#include "pictures.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <algorithm>
#include <chrono>
#include <fontconfig/fontconfig.h>
#include <link.h>

namespace bookmaker {

namespace {

namespace fs = std::filesystem;

int addLibrary(dl_phdr_info* info, std::size_t, void* data) {
    const fs::path path = info->dlpi_name == nullptr ? "" : info->dlpi_name;
    if (path.is_absolute()) {
        static_cast<std::vector<fs::path>*>(data)->push_back(path);
    }
    return 0;
}

void addFonts(std::vector<fs::path>& files) {
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (config == nullptr) {
        return;
    }
    const FcFontSet* set = FcConfigGetFonts(config, FcSetSystem);
    for (int k = 0; set != nullptr && k < set->nfont; ++k) {
        FcChar8* file = nullptr;
        if (FcPatternGetString(set->fonts[k], FC_FILE, 0, &file) == FcResultMatch) {
            files.emplace_back(reinterpret_cast<const char*>(file));
        }
    }
    FcConfigDestroy(config);
}

std::string sizeAndTime(const fs::path& file) {
    std::error_code sizeCode;
    std::error_code timeCode;
    const auto size = fs::file_size(file, sizeCode);
    const auto time = fs::last_write_time(file, timeCode);
    if (sizeCode || timeCode) {
        return "missing";
    }
    return std::to_string(size) + ';' +
           std::to_string(time.time_since_epoch() / std::chrono::nanoseconds(1));
}

} // namespace

std::string drawingIdentity(const fs::path& program, const std::vector<fs::path>& drawnWith,
                            std::string& error) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    QFile file(QString::fromStdString(program.string()));
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file)) {
        error = "cannot read " + program.string() + " to know what draws the pictures";
        return {};
    }
    for (const fs::path& path : drawnWith) {
        const std::string line = path.string() + ';' + sizeAndTime(path) + '\n';
        hash.addData(QByteArrayView(line.data(), qsizetype(line.size())));
    }
    return hash.result().toHex().toStdString();
}

std::vector<fs::path> filesDrawnWith() {
    // Writing one JPEG loads the writer's plugin and libraries, so that they
    // are among the loaded ones.
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    QImage(1, 1, QImage::Format_RGB32).save(&sink, "JPEG");
    std::vector<fs::path> files;
    dl_iterate_phdr(addLibrary, &files);
    addFonts(files);
    std::sort(files.begin(), files.end());
    files.erase(std::unique(files.begin(), files.end()), files.end());
    return files;
}

} // namespace bookmaker
