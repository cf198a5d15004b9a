// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace quiz {

// The score box's text: the share of right answers as a percentage cut (not rounded) to two
// decimals, computed in double precision as the learner's counts give it, so 2 of 3 reads
// "66.66%" and 29 of 100 reads "28.99%". `trials` is at least 1.
std::string scoreText(int correct, int trials);

} // namespace quiz
