// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordlist.h"

#include <csignal>
#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char *argv[])
{
    // A reader that goes away (a closed pipe) makes the write fail with EPIPE instead of ending
    // the process by the signal; run() then ends quietly with success, as a filter should.
    std::signal(SIGPIPE, SIG_IGN);
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    return wordlist::run(arguments, std::cout, std::cerr);
}
