// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's start and end: creation, the first activation, the farewell, About and Help.
#include "app/lexotyping.h"

#include "app/answeredit.h"
#include "app/helpdocument.h"
#include "app/windowdesign.h"
#include "quiz/messages.h"
#include "version.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <utility>

TForm1::TForm1(DesktopServices &services, QWidget *parent)
    : QMainWindow(parent)
    , m_services(services)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Vocarra -Spanish Version"));
    createControls();
    createMenus();
    setKeyCaptions();
    resize(windowdesign::kFormSize);
    setWindowState(Qt::WindowMaximized);
    createScaling();
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate()
{
    m_state.TrialCount = 0;
    m_state.CorrectCount = 0;
    Answer->clear();
    m_state.AskedList.clear();
    m_state.SlotOrder.clear();
    m_state.SequencePos = -1;
}

void TForm1::FormActivate()
{
    m_state.ListExhausted = false;
    m_state.FirstTry = true;
    N100WordsClick();
    Nouns1Click();
}

bool TForm1::event(QEvent *event)
{
    // The first activation starts the quiz; later ones (back from a box, another program or the
    // task bar) change nothing.
    if (event->type() == QEvent::WindowActivate && !m_activated) {
        m_activated = true;
        const bool handled = QMainWindow::event(event);
        FormActivate();
        return handled;
    }
    return QMainWindow::event(event);
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_activated)
        return;
    // The screen is filled as the window is first exposed, before its first paint, so that the
    // window paints once, at its final size, rather than first at its design size and again a
    // moment later. The timer stays as the fallback for a window system that exposes the window
    // without telling the window first.
    if (QWindow *handle = windowHandle())
        handle->installEventFilter(this);
    QTimer::singleShot(0, this, [this] { fillScreenWithoutWindowManager(0); });
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose && watched == windowHandle() &&
        windowHandle()->isExposed()) {
        windowHandle()->removeEventFilter(this);
        fillScreenIfUnframed();
    }
    return QMainWindow::eventFilter(watched, event);
}

// Without a window manager nothing maximises a new window or gives it the focus, so once the
// window is on screen it fills the screen's free area, up to its maximum size, and asks for the
// focus itself. A window manager has framed the window by the time it is exposed and has done
// both; telling it a geometry then would take the maximised state away.
void TForm1::fillScreenWithoutWindowManager(int attempt)
{
    if (windowHandle() && !windowHandle()->isExposed() && attempt < 50) {
        QTimer::singleShot(20, this,
                           [this, attempt] { fillScreenWithoutWindowManager(attempt + 1); });
        return;
    }
    fillScreenIfUnframed();
    if (!m_activated && !isActiveWindow())
        activateWindow();
}

void TForm1::fillScreenIfUnframed()
{
    const QScreen *current = screen();
    if (isMaximized() && current && frameGeometry() == geometry()) {
        const QRect area = current->availableGeometry();
        const QRect filled(area.topLeft(), area.size().boundedTo(maximumSize()));
        if (geometry() != filled)
            setGeometry(filled);
    }
}

void TForm1::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
}

void TForm1::sayFarewell()
{
    // The farewell is said once, whichever way the learner leaves.
    if (!m_farewellShown) {
        m_farewellShown = true;
        message(quiz::farewellMessage());
    }
    // The program is ending: a tick pending or held over the farewell would only bring a word or
    // the end-of-list question up behind it.
    Timer2->stop();
    m_tickHeld = false;
}

void TForm1::FormClose()
{
    sayFarewell();
    m_state.AskedList.clear();
    m_state.SlotOrder.clear();
    m_services.quitApplication();
}

void TForm1::Exit2Click()
{
    sayFarewell();
    m_state.AskedList.clear();
    m_services.quitApplication();
}

void TForm1::About1Click()
{
    message("Vocarra " VOCARRA_VERSION "\n"
            "Drills the 1,000 most frequent English words and their Spanish equivalents, in both "
            "directions.\n" +
            std::string(quiz::kWebAddress));
}

void TForm1::ProgramHelpClick()
{
    openHelpDocument(m_services, QCoreApplication::applicationDirPath());
}

void TForm1::message(const std::string &text)
{
    ++m_modalDepth;
    m_services.showMessage(QString::fromStdString(text));
    --m_modalDepth;
    releaseHeldTick();
}

bool TForm1::confirm(const std::string &text)
{
    ++m_modalDepth;
    const bool yes =
        m_services.askYesNo(QString::fromUtf8(quiz::kConfirmTitle), QString::fromStdString(text));
    --m_modalDepth;
    releaseHeldTick();
    return yes;
}

void TForm1::releaseHeldTick()
{
    // Whatever opened the box goes on first; the held tick comes after it from the event loop, and
    // only if no question was asked in the meantime (AskQuestion drops it).
    if (m_modalDepth == 0 && m_tickHeld)
        QMetaObject::invokeMethod(this, &TForm1::takeHeldTick, Qt::QueuedConnection);
}

void TForm1::takeHeldTick()
{
    if (std::exchange(m_tickHeld, false))
        NewQuestion();
}
