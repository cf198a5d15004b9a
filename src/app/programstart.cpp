// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/programstart.h"

#include "app/applicationidentity.h"
#include "app/desktopintegration.h"

#include <QEvent>
#include <QTimer>

namespace {

// Waits for the window's first activation, which puts the first question up, and lets the window
// paint it and take its final size before the sounds are prepared.
class FirstQuestionWatch : public QObject
{
public:
    FirstQuestionWatch(TForm1 &window, QtDesktopServices &services)
        : QObject(&window)
        , m_window(window)
        , m_services(services)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::WindowActivate) {
            m_window.removeEventFilter(this);
            QTimer::singleShot(kSettleMilliseconds, &m_window,
                               [services = &m_services] { services->prepareSounds(); });
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // Long enough for a window manager's first configure and the rescale that follows it; far
    // shorter than anyone takes to read the first word and answer it.
    static constexpr int kSettleMilliseconds = 400;
    TForm1 &m_window;
    QtDesktopServices &m_services;
};

} // namespace

VocarraProgram::VocarraProgram()
{
    setApplicationIdentity();
    integrateWithDesktop();
    m_window = std::make_unique<TForm1>(m_services);
    m_services.setOwner(m_window.get());
}

void VocarraProgram::show()
{
    new FirstQuestionWatch(*m_window, m_services);
    m_window->show();
}
