// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// What the answer box says about an answer, and how long it says it.
namespace quiz {

// A verdict or a peeked answer stays this long before the box is wiped, and after a right answer
// the next question comes this long after it.
inline constexpr int kPauseMilliseconds = 1500;

// A typed answer is written back with one of these after it: "palabra is Correct!".
inline constexpr std::string_view kRightSuffix = " is Correct!";
inline constexpr std::string_view kWrongSuffix = " is NOT Correct! Try Again";
constexpr std::string_view verdictSuffix(bool right) { return right ? kRightSuffix : kWrongSuffix; }

// A click on a wrong choice; a right click towards English on any group but the verbs.
inline constexpr std::string_view kWrongClick = "Error!";
inline constexpr std::string_view kRightClickToEnglish = "Correct!";

} // namespace quiz
