// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exportformats.h"

#include "vocabulary/levels.h"

#include <QString>

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The word-list export: the pairs of every group, or of one group or one level, as TSV, CSV,
// KVTML or an Anki note list, for learners who take the list into another flashcard program and
// for checking the data. The whole tool lives here so that tests can drive it without starting a
// process; main() only hands over argv and the streams.
namespace wordlist {

inline constexpr int kExitOk = 0;
inline constexpr int kExitWriteFailed = 1;
inline constexpr int kExitUsage = 2;
// With --missed: no record, or one that cannot be read.
inline constexpr int kExitNoRecord = 2;

struct Options {
    bool help = false;
    Format format = Format::Tsv;
    std::optional<vocabulary::Group> group; // nothing: every group
    std::optional<int> level;               // nothing: every level; else its new words only
    std::optional<QString> outputPath;      // nothing: standard output
    bool missed = false;                    // only the words the learner's record says are missed
    std::optional<QString> recordPath;      // nothing: the learner's own record
};

// The options, or in `error` what is wrong with the command line (empty when it is valid).
struct ParsedArguments {
    Options options;
    std::string error;
};

// Reads the arguments that follow the program name.
ParsedArguments parseArguments(std::span<const std::string_view> arguments);

// The group whose box text is `name`, ignoring ASCII case ("verbs" finds Verbs).
std::optional<vocabulary::Group> groupFromName(std::string_view name);

// The level (0 to 9) that `name` names: its text in any letter case ("300 Words", "300 words"),
// its word count ("300") or its number in the menu ("3"). The counts 100 to 1000 and the numbers
// 1 to 10 cannot be mistaken for each other.
std::optional<int> levelFromName(std::string_view name);

// The format named `name`, ignoring ASCII case ("CSV" finds Csv).
std::optional<Format> formatFromName(std::string_view name);

std::string_view usageText();

// The header line, then one line per pair of each of `groups` in the order given.
std::string wordListTsv(std::span<const vocabulary::Group> groups);

// The blocks `options` select: every group or the one named, every level or the one named. This
// is the selection the formats write, so a further choice of words narrows it here.
std::vector<LevelBlock> selectedBlocks(const Options &options);

// The whole output for `options`, in their format.
std::string exportText(const Options &options);

// `blocks` as the whole output in the format of `options`.
std::string formatText(const Options &options, std::span<const LevelBlock> blocks);
// `blocks` as the whole output in `format`; a vocabulary document carries `title`.
std::string formatText(Format format, std::span<const LevelBlock> blocks, std::string_view title);

// Runs the tool as main() would and returns its exit status. `out` receives the list (unless a
// file is named) and the help text; `err` receives the error messages.
int run(std::span<const std::string_view> arguments, std::ostream &out, std::ostream &err);

} // namespace wordlist
