// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/dialogkeys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace {

constexpr Qt::KeyboardModifiers kChordModifiers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

bool isDialogKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

} // namespace

DialogKeyEvent::DialogKeyEvent(int key, Qt::KeyboardModifiers modifiers)
    : QEvent(eventType())
    , m_key(key)
    , m_modifiers(modifiers)
{
    setAccepted(false);
}

QEvent::Type DialogKeyEvent::eventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

bool DialogKeyEvent::isPlainReturn() const
{
    return (m_key == Qt::Key_Return || m_key == Qt::Key_Enter) && !(m_modifiers & kChordModifiers);
}

bool DialogKeyEvent::isPlainEscape() const
{
    return m_key == Qt::Key_Escape && !(m_modifiers & kChordModifiers);
}

namespace dialogkeys {

bool offer(QWidget *window, int key, Qt::KeyboardModifiers modifiers)
{
    if (!window || !isDialogKey(key))
        return false;
    // Every control is guarded before the first is offered the key: whatever runs during one
    // offer (an event filter, say) may delete controls whose turn is still to come, and a guard
    // taken only at their turn would be taken on a deleted object.
    QList<QPointer<QWidget>> controls;
    for (QWidget *control : window->findChildren<QWidget *>())
        controls.append(control);
    for (const QPointer<QWidget> &control : std::as_const(controls)) {
        if (!control || control->window() != window)
            continue;
        DialogKeyEvent offered(key, modifiers);
        QCoreApplication::sendEvent(control, &offered);
        if (offered.isAccepted())
            return true;
    }
    return false;
}

} // namespace dialogkeys

DialogKeyOffer::DialogKeyOffer(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    window->installEventFilter(this);
}

bool DialogKeyOffer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (dialogkeys::offer(m_window, key->key(), key->modifiers())) {
            key->accept();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
