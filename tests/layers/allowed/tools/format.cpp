// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/history.h"
#include "vocabulary/levels.h"
#include <QtWidgets/QWidget>
