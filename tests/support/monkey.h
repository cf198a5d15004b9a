// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// A random walk over the real window, as a learner would go about it but much faster: menu items,
// clicks on every control, keys, typed, pasted and dropped text of every kind, timer ticks (also
// while a box is up), box answers, Exit and a fresh window. The walk is a list of actions drawn
// from a seed, so a failure replays from its seed, and is shrunk to a short list of actions.
// After every action the quiz's invariants are checked.
namespace monkey {

struct Action {
    int kind = 0;
    int a = 0; // which item, control, key or kind of text
    int b = 0; // a size or a second choice
};

// The actions of a walk of `count` steps drawn from `seed`.
std::vector<Action> actionsFor(std::uint32_t seed, int count);

// How an action reads in a failure report ("click Button2", "paste nested HTML 3000 deep").
QString describe(const Action &action);

struct Failure {
    int step = 0; // index of the action after which an invariant failed
    QString message;
};

// Runs `actions` on fresh windows and checks the invariants after each; `progress`, when given, is
// called after every action with its number (the soak uses it to report along the way), and `log`
// receives what each action did in the window's own names.
std::optional<Failure> run(const std::vector<Action> &actions,
                           const std::function<void(int)> &progress = {},
                           QStringList *log = nullptr);

// A shorter list of actions that still fails (the failure's prefix, with every chunk removed
// that can go while the walk still fails).
std::vector<Action> shrink(std::vector<Action> actions);

} // namespace monkey
