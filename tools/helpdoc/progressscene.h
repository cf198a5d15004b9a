// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// The Progress window on a small record made up for the picture: a learner who has worked through
// the first levels for a few weeks. Rendered at twice its size, like the quiz's pictures.
QImage renderProgressScene();
