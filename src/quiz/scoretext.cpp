// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/scoretext.h"

#include <cmath>
#include <cstdio>

namespace quiz {

std::string scoreText(int correct, int trials)
{
    const double percent = static_cast<double>(correct) / static_cast<double>(trials) * 100.0;
    const double whole = std::trunc(percent);
    const double hundredths = std::trunc((percent - whole) * 100.0);
    char text[32];
    std::snprintf(text, sizeof text, "%.0f.%02.0f%%", whole, hundredths);
    return text;
}

} // namespace quiz
