// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded random walk over the window with the quiz's invariants checked after every action.
// VOCARRA_MONKEY_SEED replays one seed, VOCARRA_MONKEY_ACTIONS sets the length of each walk.
#include "monkey.h"

#include <QTest>

class TestMonkey : public QObject
{
    Q_OBJECT

private slots:
    void randomWalk_keepsTheQuizSound_data()
    {
        QTest::addColumn<uint>("seed");
        if (qEnvironmentVariableIsSet("VOCARRA_MONKEY_SEED")) {
            const uint seed = qEnvironmentVariable("VOCARRA_MONKEY_SEED").toUInt();
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
            return;
        }
        for (uint seed : {1U, 2U, 3U, 4U})
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }

    void randomWalk_keepsTheQuizSound()
    {
        QFETCH(uint, seed);
        bool ok = false;
        int count = qEnvironmentVariableIntValue("VOCARRA_MONKEY_ACTIONS", &ok);
        if (!ok)
            count = 5000;
        const std::vector<monkey::Action> actions = monkey::actionsFor(seed, count);
        const auto failure = monkey::run(actions);
        if (!failure)
            return;
        QString report = QStringLiteral("seed %1, after action %2 of %3: %4\nshrunk to:")
                             .arg(seed)
                             .arg(failure->step + 1)
                             .arg(count)
                             .arg(failure->message);
        const std::vector<monkey::Action> shrunk = monkey::shrink(actions);
        QStringList log;
        const auto last = monkey::run(shrunk, {}, &log);
        for (int i = 0; i < log.size(); ++i)
            report += QStringLiteral("\n    ") + log[i] + QStringLiteral("    ") +
                      monkey::describe(shrunk[static_cast<std::size_t>(i)]);
        if (last)
            report += QStringLiteral("\n  fails with: ") + last->message;
        QFAIL(qPrintable(report));
    }
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
