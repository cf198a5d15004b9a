// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "monkey.h"

#include "scriptedservices.h"

#include "app/answeredit.h"
#include "quiz/distractors.h"
#include "quiz/messages.h"
#include "quiz/scoretext.h"
#include "quiz/verdicts.h"
#include "vocabulary/levels.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>

#include <array>
#include <random>
#include <set>

namespace monkey {
namespace {

enum Kind {
    MenuItem,
    Button,
    Key,
    Type,
    Paste,
    Drop,
    Tick1,
    Tick2,
    TickDuringBox,
    BoxAnswer,
    Leave
};

// How often each kind of action is drawn, in the order of Kind.
constexpr std::array<int, 11> kWeights{14, 30, 10, 12, 4, 2, 8, 10, 3, 4, 1};

constexpr std::array<Qt::Key, 12> kKeys{Qt::Key_Return,    Qt::Key_Enter,  Qt::Key_Escape,
                                        Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left,
                                        Qt::Key_Right,     Qt::Key_Home,   Qt::Key_End,
                                        Qt::Key_Tab,       Qt::Key_A,      Qt::Key_Space};

constexpr int kTextKinds = 8;
constexpr int kHtmlKinds = 3;

// Text of every kind a learner might type or paste.
QString textOfKind(const TForm1 &form, int kind, int size)
{
    switch (kind % kTextKinds) {
    case 0: return firstTranslation(form);
    case 1: return firstTranslation(form) + u' ';
    case 2: return QStringLiteral("d\u00EDa ma\u0301s");
    case 3: return QStringLiteral("\u03BB\u03AD\u03BE\u03B7 \U0001F600 \u5B57");
    case 4: return QString(1000 + size % 20000, u'x');
    case 5: return QStringLiteral("tengo\nhe\r\u2028x\u00A0y");
    case 6: return QString(QChar(u'a' + size % 26)).repeated(1 + size % 5);
    default: return QString();
    }
}

QString htmlOfKind(const TForm1 &form, int kind, int size)
{
    switch (kind % kHtmlKinds) {
    case 0: {
        const int depth = size % 3000;
        return QStringLiteral("<table><tr><td>").repeated(depth) + firstTranslation(form) +
               QStringLiteral("</td></tr></table>").repeated(depth);
    }
    case 1: return QStringLiteral("<p>d&iacute;a</p><script>x()</script><b>&amp;&#xE9;&bogus;");
    default: return QStringLiteral("<p>").repeated(size % 500) + QStringLiteral("<!-- unclosed");
    }
}

std::unique_ptr<QMimeData> mimeFor(const TForm1 &form, const Action &action)
{
    auto mime = std::make_unique<QMimeData>();
    const int which = action.a % (kTextKinds + kHtmlKinds);
    if (which < kTextKinds)
        mime->setText(textOfKind(form, which, action.b));
    else
        mime->setHtml(htmlOfKind(form, which - kTextKinds, action.b));
    return mime;
}

// The menu items a learner can reach, Exit left to the Leave action.
QList<QAction *> menuItems(TForm1 &form)
{
    QList<QAction *> items;
    for (QAction *item : form.findChildren<QAction *>()) {
        if (!item->isSeparator() && item->objectName() != QStringLiteral("Exit2"))
            items << item;
    }
    return items;
}

QList<QAbstractButton *> usableButtons(TForm1 &form)
{
    QList<QAbstractButton *> buttons;
    for (QAbstractButton *button : form.findChildren<QAbstractButton *>()) {
        if (button->isEnabled() && button->isVisibleTo(&form))
            buttons << button;
    }
    return buttons;
}

// What is known just before an action, to check what the action did.
struct Before {
    int trials = 0;
    int correct = 0;
    qsizetype sounds = 0;
    QString typed;
    int rightSlot = -1;
};

class Walk
{
public:
    Walk() { freshWindow(); }

    // What the last action did, in the window's own names ("trigger TypeAnswer").
    QString said;

    std::optional<QString> apply(const Action &action)
    {
        TForm1 &form = **m_quiz;
        said = describe(action);
        const Before before = snapshot(*m_quiz);
        bool countsMayFall = false;
        int clickedSlot = -1;
        switch (action.kind) {
        case MenuItem: {
            const QList<QAction *> items = menuItems(form);
            QAction *item = items.at(action.a % items.size());
            said = QStringLiteral("menu item ") + item->objectName();
            if (item->menu())
                emit item->menu()->aboutToShow(); // pointing at a submenu runs its handler
            else if (item->isEnabled())
                item->trigger();
            break;
        }
        case Button: {
            const QList<QAbstractButton *> buttons = usableButtons(form);
            if (buttons.isEmpty())
                break;
            QAbstractButton *button = buttons.at(action.a % buttons.size());
            said = QStringLiteral("click ") + button->objectName();
            countsMayFall = button->objectName() == QStringLiteral("Reset1");
            for (int slot = 0; slot < quiz::kChoiceCount; ++slot) {
                if (form.answerItem(slot) == button)
                    clickedSlot = slot;
            }
            button->click();
            break;
        }
        case Key:
            QTest::keyClick(form.Answer, kKeys[static_cast<std::size_t>(action.a) % kKeys.size()]);
            break;
        case Type:
            QTest::sendKeyEvent(QTest::Click, form.Answer, Qt::Key_unknown,
                                textOfKind(form, action.a, action.b), Qt::NoModifier);
            break;
        case Paste:
            QApplication::clipboard()->setMimeData(mimeFor(form, action).release());
            form.Answer->paste();
            break;
        case Drop: {
            const auto mime = mimeFor(form, action);
            const QPoint at(4, 4);
            QDragEnterEvent enter(at, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(form.Answer->viewport(), &enter);
            QDropEvent drop(at, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(form.Answer->viewport(), &drop);
            break;
        }
        case Tick1:
            if (form.Timer1->isActive())
                form.Erase();
            break;
        case Tick2:
            if (form.Timer2->isActive())
                form.NewQuestion();
            break;
        case TickDuringBox:
            // The next box lets the pending ticks through, as a real modal box does.
            m_quiz->services.whileBoxIsUp = [&form] {
                if (form.Timer1->isActive())
                    form.Erase();
                if (form.Timer2->isActive())
                    form.NewQuestion();
            };
            break;
        case BoxAnswer: m_quiz->services.answers << (action.a % 2 == 0); break;
        case Leave:
            if (auto failure = leave(action.a % 2 == 0))
                return failure;
            freshWindow();
            return check(*m_quiz, snapshot(*m_quiz), true, -1);
        }
        // Between two actions of the learner the event loop runs.
        QCoreApplication::processEvents();
        return check(*m_quiz, before, countsMayFall, clickedSlot);
    }

private:
    void freshWindow()
    {
        m_quiz.reset(); // the old window goes before the new one comes, as on a restart
        m_quiz = std::make_unique<StartedQuiz>();
    }

    std::optional<QString> leave(bool byMenu)
    {
        TForm1 &form = **m_quiz;
        if (byMenu)
            form.Exit2->trigger();
        else
            form.close();
        QCoreApplication::processEvents();
        const QString farewell = QString::fromStdString(quiz::farewellMessage());
        if (m_quiz->services.messages.count(farewell) != 1)
            return QStringLiteral("the farewell was not said exactly once");
        if (m_quiz->services.quits < 1)
            return QStringLiteral("leaving did not end the program");
        if (form.Timer2->isActive())
            return QStringLiteral("a question is still pending after the farewell");
        return std::nullopt;
    }

    static Before snapshot(StartedQuiz &quiz)
    {
        Before before;
        const QuizState &state = quiz->state();
        before.trials = state.TrialCount;
        before.correct = state.CorrectCount;
        before.sounds = quiz.services.sounds.size();
        before.typed = quiz->Answer->text();
        before.rightSlot = state.SlotOrder.isEmpty() ? -1 : state.SlotOrder[0];
        return before;
    }

    static std::optional<QString> check(StartedQuiz &quiz, const Before &before, bool countsMayFall,
                                        int clickedSlot)
    {
        const TForm1 &form = *quiz;
        const QuizState &state = form.state();
        const auto group = vocabulary::groupFromBoxText(form.WordGroup->text().toStdString());
        if (!group)
            return QStringLiteral("the group box names no group: ") + form.WordGroup->text();
        const int words = vocabulary::groupSize(*group);
        if (state.QuestionIndex < 0 || state.QuestionIndex >= words || state.CurrentIndex < 0 ||
            state.CurrentIndex >= words)
            return QStringLiteral("index %1/%2 outside the %3 words of the group")
                .arg(state.QuestionIndex)
                .arg(state.CurrentIndex)
                .arg(words);
        std::set<int> done;
        for (int position : state.AskedList) {
            if (position < 0 || position >= state.ListCount)
                return QStringLiteral("done position %1 outside the list of %2")
                    .arg(position)
                    .arg(state.ListCount);
            if (!done.insert(position).second)
                return QStringLiteral("position %1 done twice in one pass").arg(position);
        }
        if (!countsMayFall &&
            (state.TrialCount < before.trials || state.CorrectCount < before.correct))
            return QStringLiteral("the counts fell without a Reset");
        if (state.CorrectCount > state.TrialCount)
            return QStringLiteral("more right answers than trials");
        const QString trials =
            state.TrialCount == 0 ? QString() : QString::number(state.TrialCount);
        const QString score =
            state.TrialCount == 0
                ? QString()
                : QString::fromStdString(quiz::scoreText(state.CorrectCount, state.TrialCount));
        if (form.NumTrials->text() != trials || form.Score->text() != score)
            return QStringLiteral("the boxes read %1 and %2 for %3 of %4")
                .arg(form.NumTrials->text(), form.Score->text())
                .arg(state.CorrectCount)
                .arg(state.TrialCount);

        if (state.TrialCount != before.trials + 1)
            return std::nullopt;
        // One judged answer: its count, its sound and its verdict agree with each other.
        const bool countedRight = state.CorrectCount == before.correct + 1;
        const QList<DesktopServices::Sound> &sounds = quiz.services.sounds;
        const auto rightSound = DesktopServices::Sound::Right;
        if (sounds.size() != before.sounds + 1 || (sounds.last() == rightSound) != countedRight)
            return QStringLiteral("a judged answer counted %1 played %2 sounds, the last %3")
                .arg(countedRight ? QStringLiteral("right") : QStringLiteral("wrong"))
                .arg(sounds.size() - before.sounds)
                .arg(sounds.isEmpty() || sounds.last() != rightSound ? QStringLiteral("wrong")
                                                                     : QStringLiteral("right"));
        if (countedRight && !form.Timer2->isActive())
            return QStringLiteral("a right answer did not arm the next question");
        if (clickedSlot >= 0) {
            if (countedRight != (clickedSlot == before.rightSlot))
                return QStringLiteral("a click on slot %1 with the right one in %2 judged %3")
                    .arg(clickedSlot)
                    .arg(before.rightSlot)
                    .arg(countedRight ? QStringLiteral("right") : QStringLiteral("wrong"));
        } else if (form.Answer->text() !=
                   before.typed + QString::fromUtf8(quiz::verdictSuffix(countedRight))) {
            return QStringLiteral("\"%1\" counted %2 but the box reads \"%3\"")
                .arg(before.typed.left(60),
                     countedRight ? QStringLiteral("right") : QStringLiteral("wrong"),
                     form.Answer->text().left(80));
        }
        return std::nullopt;
    }

    std::unique_ptr<StartedQuiz> m_quiz;
};

} // namespace

std::vector<Action> actionsFor(std::uint32_t seed, int count)
{
    std::mt19937 random(seed);
    std::discrete_distribution<int> kinds(kWeights.begin(), kWeights.end());
    std::uniform_int_distribution<int> any(0, 1 << 20);
    std::vector<Action> actions;
    actions.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const int kind = kinds(random);
        const int a = any(random);
        actions.push_back({kind, a, any(random)});
    }
    return actions;
}

QString describe(const Action &action)
{
    static const std::array<const char *, 11> names{
        "menu item",   "click",       "key",
        "type",        "paste",       "drop",
        "Timer1 tick", "Timer2 tick", "ticks during the next box",
        "box answer",  "leave"};
    return QStringLiteral("%1 (%2, %3)")
        .arg(QString::fromLatin1(names.at(static_cast<std::size_t>(action.kind))))
        .arg(action.a)
        .arg(action.b);
}

std::optional<Failure> run(const std::vector<Action> &actions,
                           const std::function<void(int)> &progress, QStringList *log)
{
    Walk walk;
    for (std::size_t step = 0; step < actions.size(); ++step) {
        auto message = walk.apply(actions[step]);
        if (log)
            *log << walk.said;
        if (message)
            return Failure{static_cast<int>(step), *message};
        if (progress)
            progress(static_cast<int>(step) + 1);
    }
    return std::nullopt;
}

std::vector<Action> shrink(std::vector<Action> actions)
{
    if (const auto failure = run(actions))
        actions.resize(static_cast<std::size_t>(failure->step) + 1);
    else
        return actions;
    for (std::size_t chunk = actions.size() / 2; chunk >= 1; chunk /= 2) {
        for (std::size_t start = 0; start < actions.size();) {
            std::vector<Action> fewer = actions;
            const auto from = fewer.begin() + static_cast<std::ptrdiff_t>(start);
            fewer.erase(from,
                        from + static_cast<std::ptrdiff_t>(std::min(chunk, fewer.size() - start)));
            if (!fewer.empty() && run(fewer))
                actions = std::move(fewer);
            else
                start += chunk;
        }
    }
    return actions;
}

} // namespace monkey
