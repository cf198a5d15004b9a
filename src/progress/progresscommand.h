// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <cstdio>

// The command line of vocarra-progress: no arguments open the window; --summary prints the record
// as text; --record FILE reads another record than the learner's own.

inline constexpr int kExitOk = 0;
// No record, one that cannot be read, or a command line that makes no sense.
inline constexpr int kExitNoRecord = 2;

// True when the arguments ask for text only (the summary, help or version), so that no display is
// needed.
bool wantsCommandLineOnly(int argc, char *argv[]);

// The record the arguments name with --record, else the learner's own.
QString recordPathOf(const QStringList &arguments);

// Runs the command line `arguments` (program name first) and returns the exit status.
int runProgressCommand(const QStringList &arguments, std::FILE *out, std::FILE *err);

// The application's name, version and desktop entry.
void setProgressIdentity();
