// SPDX-FileCopyrightText: 2026 The Pellora English authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the maker writes for the program: the recordings to make, the GBK text
// lists, the index that ties pages, units, hotspots and roles to files, and
// the Qt resource file that carries it all.

#include "book_source.h"
#include "pictures.h"
#include "recordings.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace bookmaker {

// Clip file stems: a shared recording keeps the id of where it is made.
std::string pageClipId(int bookPage, int item); // "p06_03"
std::string wordClipId(int unit, int word);     // "u3_w05"
std::string page74ClipId(int clip);             // "p74_c07"

struct BookPlan {
    std::vector<Recording> recordings;                 // each distinct clip once
    std::vector<std::vector<std::string>> pageClips;   // per spread, item order
    std::map<int, std::vector<std::string>> wordClips; // unit -> clip ids
    std::vector<std::string> page70Clips;              // hotspot order
    std::vector<std::string> page74Clips;              // per hotspot of page74.txt
};

// The page-70 word order: units and clip numbers as the reader's word page
// plays them.
std::vector<WordListEntry> page70Order(const BookSource& book);

// Works out every clip of a complete book; page70 must follow page70Order.
std::optional<BookPlan> planRecordings(const BookSource& book,
                                       const std::vector<WordListEntry>& page70,
                                       std::string& error);

// Writes text/ (GBK lists and book texts) and index.txt into stageDir, where
// the pictures (pages/, pictures/, buttons/), clips/ and effects/ already are.
bool writeCatalogue(const BookSource& book, const BookPlan& plan,
                    const std::vector<WordListEntry>& page70,
                    const std::vector<std::string>& effectRoles,
                    const std::filesystem::path& stageDir, std::string& error);

// Packs every file of the index into rccFile (binary, uncompressed, under
// :/book); an unchanged resource is left untouched so nothing relinks.
bool packResource(const std::filesystem::path& stageDir, const std::filesystem::path& rccFile,
                  std::string& error);

} // namespace bookmaker
