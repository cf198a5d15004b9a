// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEvent>
#include <QObject>

class QKeyEvent;
class QWidget;

// Return and Escape offered by a window to its controls, so that a window that is not a dialog
// still has a default and a cancel button. A control that wants the offer handles DialogKeyEvent
// in event() and accepts it when it acts on the key; the offer ends with the first acceptance.
class DialogKeyEvent : public QEvent
{
public:
    DialogKeyEvent(int key, Qt::KeyboardModifiers modifiers);

    static QEvent::Type eventType();

    int key() const { return m_key; }
    Qt::KeyboardModifiers modifiers() const { return m_modifiers; }
    // Return or keypad Enter with no Shift, Ctrl or Alt held.
    bool isPlainReturn() const;
    bool isPlainEscape() const;

private:
    int m_key;
    Qt::KeyboardModifiers m_modifiers;
};

namespace dialogkeys {

// Offers `key` to every control of `window` in creation order; true when one accepted it.
bool offer(QWidget *window, int key, Qt::KeyboardModifiers modifiers);

} // namespace dialogkeys

// Installed on a window: a Return or Escape that the focused control did not take itself travels
// up to the window, and is then offered to the window's controls.
class DialogKeyOffer : public QObject
{
    Q_OBJECT

public:
    // Installs itself on `window`, which owns it.
    explicit DialogKeyOffer(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
};
