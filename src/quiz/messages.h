// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vocabulary/levels.h"

#include <optional>
#include <string>
#include <string_view>

// The texts the quiz shows in its boxes and the moves that the end of a list and the loaders'
// fallbacks make, as functions of the settings they name.
namespace quiz {

inline constexpr std::string_view kApplicationTitle = "Lexo/Spanish";
inline constexpr std::string_view kConfirmTitle = "Confirm";
inline constexpr std::string_view kWebAddress = "https://vocarra.example.org";

// "Those are the last Nouns in New Words Only in 100 Words. Click YES and ..."
std::string endOfListQuestion(std::string_view groupText, std::string_view newAllText,
                              std::string_view levelText);

// Shown on "Yes" at the end of a list at "1000 Words".
std::string congratulationMessage();

// The farewell shown once when the program ends.
std::string farewellMessage();

// The group that follows `group` in menu order, or nothing after the conjunctions.
std::optional<vocabulary::Group> nextGroup(vocabulary::Group group);

// The level after `level` (0 to 9), or nothing after "1000 Words".
std::optional<int> nextLevel(int level);

// What a loader does when its group has no new words at a level (with "New Words Only").
struct Fallback {
    std::string message;              // shown in a plain box with OK
    std::optional<int> levelToChoose; // a level item to click first, if any
    vocabulary::Group groupToLoad;    // then this group's item is clicked
};
// The fallback of `group` at `level`, for the three groups that have one; nothing otherwise.
std::optional<Fallback> fallbackFor(vocabulary::Group group, int level);

} // namespace quiz
