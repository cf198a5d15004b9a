// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A second floor under the program's start: the bare window (bare_probe.cpp) with the program's
// menu titles, painting the texts of the first question in the faces and pixel sizes the program
// shows them in once scaled to a 1280 x 1024 screen, each drawn once with QPainter::drawText, the
// least Qt does to put a text on screen. What it costs over the bare window is what those texts
// cost in any program that shows them: a font realised per face and size, their glyphs shaped
// and rasterised. Reports like the other probes.
#include "bench/barewindowstart.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>

namespace {

struct Line {
    int pixelSize;
    bool bold;
    QStringList texts;
};

// The first question's texts by face: the status boxes and the question, the labels and the
// choices, the accent keys, the gradient buttons and the Check button.
const QList<Line> kLines = {
    {43, false, {"100 Words", "Nouns", "New Words Only", "word"}},
    {37, false, {"Trials:", "Score:", "Answer?", "palabra", "tiempo", "cosa", "modo"}},
    {29, false, {"á", "é", "í", "ñ", "ó", "ú"}},
    {25, true, {"Reset", "Repeat", "New Question", "Peek"}},
    {39, true, {"Check"}},
};

class Texts : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        int y = 0;
        for (const Line &line : kLines) {
            QFont font(QStringLiteral("Arial"));
            font.setPixelSize(line.pixelSize);
            font.setBold(line.bold);
            painter.setFont(font);
            y += line.pixelSize + 8;
            int x = 8;
            for (const QString &text : line.texts) {
                painter.drawText(x, y, text);
                x += painter.fontMetrics().horizontalAdvance(text) + 16;
            }
        }
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    for (const char *title :
         {"Exit", "Levels", "Word Groups", "Verb Forms?", "Question Order", "All Words/New Words",
          "Translation?", "Mult Choice/Type Answer", "Help"})
        window.menuBar()->addMenu(QString::fromUtf8(title))->addAction(QStringLiteral("Item"));
    window.setCentralWidget(new Texts);
    return bench::showMaximizedAndProbe(window);
}
