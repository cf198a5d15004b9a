// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// Font families named as the font database names them. Qt resolves a family that is not
// installed (Arial on a system that has only its metric twin Liberation Sans) by asking
// fontconfig for substitutes, once for every style of every font that names it; naming the
// installed family outright spares that search, and draws the very same faces.

// The first of `wanted` that `installed` holds, spelt as `installed` spells it; `wanted` as it is
// when it holds none of them, so that Qt's own substitution still applies.
QStringList preferInstalledFamily(const QStringList &wanted, const QStringList &installed);

// The same against the running application's font database.
QStringList installedFamily(const QStringList &wanted);
