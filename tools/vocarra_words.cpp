// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordlist.h"

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char *argv[])
{
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    return wordlist::run(arguments, std::cout, std::cerr);
}
