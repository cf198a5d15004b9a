// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The gradient button: its face sampled pixel by pixel, its pressed state under the mouse, and
// the keys that click it.
#include "widgettesting.h"

#include "widgets/gradbtn.h"

#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace widgettesting;
using colorvalue::rgb;

namespace {

// The button as a designer would hold it, so that the presets can be tried.
class DesignedGradBtn : public TGradBtn
{
public:
    DesignedGradBtn() { setDesigning(true); }
};

// An 80 x 22 button from green to white, like "New Question", with an empty caption so that
// every sampled pixel is gradient or frame.
void makeGreen(TGradBtn &button, int frame = 0)
{
    button.setPalette(classicPalette());
    button.resize(80, 22);
    button.setBeginColor(rgb(0, 128, 0));
    button.setEndColor(rgb(255, 255, 255));
    button.setBtnFrameSize(frame);
    // Unsmoothed glyphs, so that every pixel of a caption copy has that copy's exact colour.
    QFont font = button.font();
    font.setPixelSize(11);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    button.setFont(font);
}

} // namespace

class TestGradBtn : public QObject
{
    Q_OBJECT

private slots:
    void defaults_data();
    void defaults();
    void frameSize_staysWithinItsBound_data();
    void frameSize_staysWithinItsBound();
    void presets_actOnlyWhileDesigning();
    void centreGradient_reversesWhilePressed_data();
    void centreGradient_reversesWhilePressed();
    void frameEdges_changePlacesWhilePressed();
    void caption_shiftsOnePixelWhilePressed();
    void focusRectangle_dotsTheOutlineWhileFocused();
    void justification_placesTheCaption_data();
    void justification_placesTheCaption();
    void disabledCaption_isInsetInTheDisabledColour_data();
    void disabledCaption_isInsetInTheDisabledColour();
    void displayText_dropsAcceleratorMarks_data();
    void displayText_dropsAcceleratorMarks();
    void mouse_pressedLookFollowsThePointer_data();
    void mouse_pressedLookFollowsThePointer();
    void rightPress_onlyFocuses();
    void keys_returnClicksUnlessTheDefaultTakesIt_data();
    void keys_returnClicksUnlessTheDefaultTakesIt();
    void accelerator_clicks_data();
    void accelerator_clicks();
    void click_letsPendingEventsRunFirst();
    void accessibility_seesAPushButtonNamedByItsCaption();
};

void TestGradBtn::defaults_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("DisabledColor") << QByteArray("DisabledColor") << QVariant(0x80000011u);
    QTest::newRow("BtnHiliteClr") << QByteArray("BtnHiliteClr") << QVariant(0x80000014u);
    QTest::newRow("BtnShadowClr") << QByteArray("BtnShadowClr") << QVariant(0x80000010u);
    QTest::newRow("BtnFrameSize") << QByteArray("BtnFrameSize") << QVariant(1);
    QTest::newRow("TxtHiliteClr") << QByteArray("TxtHiliteClr") << QVariant(0x80000014u);
    QTest::newRow("TxtShadowClr") << QByteArray("TxtShadowClr") << QVariant(0x80000010u);
    QTest::newRow("BeginColor navy") << QByteArray("BeginColor") << QVariant(0x00800000u);
    QTest::newRow("EndColor aqua") << QByteArray("EndColor") << QVariant(0x00FFFF00u);
    QTest::newRow("SwapColors") << QByteArray("SwapColors") << QVariant(true);
    QTest::newRow("ShowFocus") << QByteArray("ShowFocus") << QVariant(true);
    QTest::newRow("GradientStyle")
        << QByteArray("GradientStyle") << QVariant::fromValue(TGradBtn::gsVertCenter);
    QTest::newRow("TextStyle") << QByteArray("TextStyle")
                               << QVariant::fromValue(TGradBtn::tsRaised);
    QTest::newRow("TextShadeType")
        << QByteArray("TextShadeType") << QVariant::fromValue(TGradBtn::stLight);
    QTest::newRow("Presets") << QByteArray("Presets") << QVariant::fromValue(TGradBtn::None);
    QTest::newRow("Justification")
        << QByteArray("Justification") << QVariant::fromValue(TGradBtn::jCenter);
}

void TestGradBtn::defaults()
{
    QFETCH(QByteArray, property);
    QFETCH(QVariant, value);
    TGradBtn button;
    QCOMPARE(button.property(property.constData()), value);
    QCOMPARE(button.size(), QSize(75, 25));
    QCOMPARE(button.focusPolicy(), Qt::StrongFocus);
}

void TestGradBtn::frameSize_staysWithinItsBound_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("stored");
    // At 80 x 22 the bound is the smaller of 80 / 2 - 5 = 35 and 22 / 2 - 5 = 6.
    QTest::newRow("80 x 22, 6") << QSize(80, 22) << 6 << 6;
    QTest::newRow("80 x 22, 7") << QSize(80, 22) << 7 << 1;
    QTest::newRow("no lower bound: no frame at all") << QSize(80, 22) << -2 << -2;
    QTest::newRow("9 x 9 takes not even 0") << QSize(9, 9) << 0 << 1; // 9 / 2 - 5 = -1
}

void TestGradBtn::frameSize_staysWithinItsBound()
{
    QFETCH(QSize, size);
    QFETCH(int, value);
    QFETCH(int, stored);
    TGradBtn button;
    button.resize(size);
    button.setBtnFrameSize(value);
    QCOMPARE(button.BtnFrameSize(), stored);
}

void TestGradBtn::presets_actOnlyWhileDesigning()
{
    TGradBtn running;
    const QFont font = running.font();
    running.setPresets(TGradBtn::GoldCoast);
    QCOMPARE(running.Presets(), TGradBtn::None);
    QCOMPARE(running.BeginColor(), rgb(0, 0, 128));
    QCOMPARE(running.font(), font);

    DesignedGradBtn designed;
    designed.setPresets(TGradBtn::BrassedOff);
    QCOMPARE(designed.Presets(), TGradBtn::BrassedOff);
    QCOMPARE(designed.GradientStyle(), TGradBtn::gsElliptic);
    QCOMPARE(designed.EndColor(), rgb(194, 194, 146));
    QVERIFY(!designed.SwapColors());
    designed.setPresets(TGradBtn::None);
    QCOMPARE(designed.DisabledColor(), rgb(128, 128, 128)); // plain grey, not the desktop's
    QCOMPARE(designed.BeginColor(), rgb(0, 0, 128));
    QVERIFY(!designed.SwapColors()); // only BrassedOff touches it
    designed.setPresets(static_cast<TGradBtn::TPreset>(6));
    QCOMPARE(designed.Presets(), TGradBtn::None);
}

void TestGradBtn::centreGradient_reversesWhilePressed_data()
{
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<int>("row");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<bool>("swapColors");
    const QColor green(0, 128, 0), white(255, 255, 255);
    QTest::newRow("up, top edge") << false << 0 << green << true;
    QTest::newRow("up, row 1") << false << 1 << QColor(23, 139, 23) << true;
    QTest::newRow("up, row 9") << false << 9 << QColor(208, 231, 208) << true;
    QTest::newRow("up, row 10") << false << 10 << white << true;
    QTest::newRow("up, row 11") << false << 11 << white << true;
    QTest::newRow("up, row 12") << false << 12 << QColor(208, 231, 208) << true;
    QTest::newRow("up, row 20") << false << 20 << QColor(23, 139, 23) << true;
    QTest::newRow("up, bottom edge") << false << 21 << green << true;
    QTest::newRow("pressed, top edge") << true << 0 << white << true;
    QTest::newRow("pressed, row 10") << true << 10 << green << true;
    QTest::newRow("pressed, row 11") << true << 11 << green << true;
    QTest::newRow("pressed, bottom edge") << true << 21 << white << true;
    // SwapColors off: pressed, the gradient stays as it is.
    QTest::newRow("pressed, no swap, top edge") << true << 0 << green << false;
    QTest::newRow("pressed, no swap, row 10") << true << 10 << white << false;
    QTest::newRow("pressed, no swap, bottom edge") << true << 21 << green << false;
}

void TestGradBtn::centreGradient_reversesWhilePressed()
{
    QFETCH(bool, pressed);
    QFETCH(int, row);
    QFETCH(QColor, color);
    QFETCH(bool, swapColors);
    TGradBtn button;
    makeGreen(button);
    button.setSwapColors(swapColors);
    if (pressed)
        QTest::mousePress(&button, Qt::LeftButton);
    QCOMPARE(button.isDown(), pressed);
    QCOMPARE(bool(QAccessible::queryAccessibleInterface(&button)->state().pressed), pressed);
    const QImage face = rendered(button);
    for (int x : {0, 40, 79})
        QCOMPARE(pixel(face, x, row), color);
    // The colours as assigned are kept through the press.
    QCOMPARE(button.BeginColor(), rgb(0, 128, 0));
}

void TestGradBtn::frameEdges_changePlacesWhilePressed()
{
    TGradBtn button;
    makeGreen(button, 2);
    const QColor light(255, 255, 255), dark(128, 128, 128);
    QImage face = rendered(button);
    // Ring 0 and ring 1: the top-right and bottom-left corners belong to the dark edges.
    for (int k : {0, 1}) {
        QCOMPARE(pixel(face, k, k), light);
        QCOMPARE(pixel(face, 78 - k, k), light);
        QCOMPARE(pixel(face, 79 - k, k), dark);
        QCOMPARE(pixel(face, k, 20 - k), light);
        QCOMPARE(pixel(face, k, 21 - k), dark);
        QCOMPARE(pixel(face, 79 - k, 21 - k), dark);
    }
    QCOMPARE(pixel(face, 2, 2), QColor(46, 151, 46)); // the gradient inside the rings

    QTest::mousePress(&button, Qt::LeftButton);
    face = rendered(button);
    QCOMPARE(pixel(face, 0, 0), dark);
    QCOMPARE(pixel(face, 79, 0), light);
    QCOMPARE(pixel(face, 0, 21), light);
}

void TestGradBtn::caption_shiftsOnePixelWhilePressed()
{
    TGradBtn button;
    makeGreen(button);
    button.setText(QStringLiteral("Reset"));
    button.setTxtHiliteClr(rgb(255, 0, 0));
    const QColor black(0, 0, 0), red(255, 0, 0);
    const QImage up = rendered(button);
    QTest::mousePress(&button, Qt::LeftButton);
    const QImage pressed = rendered(button);

    const QRect face = boundsOf(up, black);
    QVERIFY(!face.isNull());
    QCOMPARE(boundsOf(pressed, black), face.translated(1, 1));
    // Raised: the highlight copy sits one pixel up and left of the face, which covers the rest.
    QCOMPARE(boundsOf(up, red) | face, face | face.translated(-1, -1));
}

void TestGradBtn::focusRectangle_dotsTheOutlineWhileFocused()
{
    QWidget window;
    auto *button = new TGradBtn(&window);
    makeGreen(*button);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QColor row2(46, 151, 46), inverted(209, 104, 209);
    button->clearFocus(); // the window gave it the focus on show
    QCOMPARE(pixel(rendered(*button), 2, 2), row2);

    button->setFocus();
    QImage face = rendered(*button);
    // The outline runs from (2, 2) to (77, 19); every other pixel of it is inverted.
    QCOMPARE(pixel(face, 2, 2), inverted);
    QCOMPARE(pixel(face, 3, 2), row2);
    QCOMPARE(pixel(face, 77, 19), inverted);
    QCOMPARE(pixel(face, 2, 10), QColor(0, 0, 0)); // row 10 is white
    QCOMPARE(pixel(face, 1, 1), QColor(23, 139, 23));

    // ShowFocus is read at the next paint of the face; turned off, no outline.
    button->setShowFocus(false);
    button->clearFocus();
    button->setFocus();
    QCOMPARE(pixel(rendered(*button), 2, 2), row2);
}

void TestGradBtn::justification_placesTheCaption_data()
{
    QTest::addColumn<TGradBtn::TJustification>("justification");
    QTest::addColumn<int>("expectedCentre");
    QTest::newRow("left") << TGradBtn::jLeft << -1;
    QTest::newRow("centre") << TGradBtn::jCenter << 40;
    QTest::newRow("right") << TGradBtn::jRight << -1;
}

void TestGradBtn::justification_placesTheCaption()
{
    QFETCH(TGradBtn::TJustification, justification);
    QFETCH(int, expectedCentre);
    TGradBtn button;
    makeGreen(button);
    button.setText(QStringLiteral("Peek"));
    button.setJustification(justification);
    const QRect face = boundsOf(rendered(button), QColor(0, 0, 0));
    QVERIFY(!face.isNull());
    // Glyphs sit a pixel or two inside their advance, so allow that much.
    if (justification == TGradBtn::jLeft)
        QVERIFY2(face.left() >= 2 && face.left() <= 4, qPrintable(QString::number(face.left())));
    else if (justification == TGradBtn::jRight)
        QVERIFY2(face.right() >= 74 && face.right() <= 78,
                 qPrintable(QString::number(face.right())));
    else
        QVERIFY2(qAbs(face.center().x() - expectedCentre) <= 2,
                 qPrintable(QString::number(face.center().x())));
}

void TestGradBtn::disabledCaption_isInsetInTheDisabledColour_data()
{
    QTest::addColumn<TGradBtn::TTextStyle>("style");
    QTest::newRow("normal") << TGradBtn::tsNormal;
    QTest::newRow("raised") << TGradBtn::tsRaised;
    QTest::newRow("inset") << TGradBtn::tsInset;
}

void TestGradBtn::disabledCaption_isInsetInTheDisabledColour()
{
    QFETCH(TGradBtn::TTextStyle, style);
    TGradBtn button;
    makeGreen(button);
    button.setText(QStringLiteral("Peek"));
    button.setTextStyle(style);
    button.setDisabledColor(rgb(255, 0, 0));
    button.setTxtHiliteClr(rgb(0, 0, 255));
    const QRect enabledFace = boundsOf(rendered(button), QColor(0, 0, 0));
    button.setEnabled(false);
    const QImage face = rendered(button);

    const QRect disabled = boundsOf(face, QColor(255, 0, 0));
    QCOMPARE(disabled, enabledFace);
    QCOMPARE(boundsOf(face, QColor(0, 0, 255)) | disabled, disabled | disabled.translated(1, 1));
    QVERIFY(boundsOf(face, QColor(0, 0, 0)).isNull());
}

void TestGradBtn::displayText_dropsAcceleratorMarks_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");
    QTest::newRow("accelerator") << QStringLiteral("&Reset") << QStringLiteral("Reset");
    QTest::newRow("literal ampersand") << QStringLiteral("A&&B") << QStringLiteral("A&B");
    QTest::newRow("trailing ampersand kept")
        << QStringLiteral("Reset&") << QStringLiteral("Reset&");
    QTest::newRow("both, long enough to set the width")
        << QStringLiteral("Salt && &Pepper") << QStringLiteral("Salt & Pepper");
    QTest::newRow("empty") << QString() << QString();
}

void TestGradBtn::displayText_dropsAcceleratorMarks()
{
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    QCOMPARE(TGradBtn::displayText(caption), shown);
    // The size hint measures the caption as shown.
    TGradBtn button;
    button.setText(caption);
    const int shownWidth = button.fontMetrics().horizontalAdvance(shown);
    QCOMPARE(button.sizeHint().width(), qMax(75, shownWidth + 16));
}

void TestGradBtn::mouse_pressedLookFollowsThePointer_data()
{
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<int>("clicks");
    QTest::newRow("released inside") << QPoint(40, 11) << 1;
    QTest::newRow("released outside") << QPoint(120, 11) << 0;
}

void TestGradBtn::mouse_pressedLookFollowsThePointer()
{
    QFETCH(QPoint, releaseAt);
    QFETCH(int, clicks);
    TGradBtn button;
    makeGreen(button);
    QSignalSpy clicked(&button, &TGradBtn::clicked);
    QSignalSpy left(&button, &TGradBtn::mouseLeft);
    QSignalSpy entered(&button, &TGradBtn::mouseEntered);

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(40, 11));
    QVERIFY(button.isDown());
    QVERIFY(button.hasFocus() || !button.isVisible());
    QTest::mouseMove(&button, QPoint(100, 11));
    QVERIFY(!button.isDown());
    QCOMPARE(left.size(), 1);
    QTest::mouseMove(&button, QPoint(79, 21));
    QVERIFY(button.isDown());
    QCOMPARE(entered.size(), 1);
    QTest::mouseMove(&button, releaseAt);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, releaseAt);
    QVERIFY(!button.isDown());
    QCOMPARE(clicked.size(), clicks);
    QCOMPARE(button.BeginColor(), rgb(0, 128, 0));
    QCOMPARE(button.EndColor(), rgb(255, 255, 255));
}

void TestGradBtn::rightPress_onlyFocuses()
{
    QWidget window;
    auto *other = new QWidget(&window);
    other->setFocusPolicy(Qt::StrongFocus);
    auto *button = new TGradBtn(&window);
    makeGreen(*button);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    button->setShowFocus(false);
    const QImage before = rendered(*button);
    QSignalSpy clicked(button, &TGradBtn::clicked);

    QTest::mouseClick(button, Qt::RightButton);
    QVERIFY(button->hasFocus());
    QVERIFY(!button->isDown());
    QCOMPARE(clicked.size(), 0);
    QCOMPARE(rendered(*button), before);
}

void TestGradBtn::keys_returnClicksUnlessTheDefaultTakesIt_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("withDefault");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("defaultClicks");
    QTest::newRow("Return") << int(Qt::Key_Return) << false << 1 << 0;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << false << 1 << 0;
    QTest::newRow("Return, default present") << int(Qt::Key_Return) << true << 0 << 1;
    QTest::newRow("space") << int(Qt::Key_Space) << false << 0 << 0;
    QTest::newRow("space, default present") << int(Qt::Key_Space) << true << 0 << 0;
}

void TestGradBtn::keys_returnClicksUnlessTheDefaultTakesIt()
{
    QFETCH(int, key);
    QFETCH(bool, withDefault);
    QFETCH(int, clicks);
    QFETCH(int, defaultClicks);
    QWidget window;
    auto *button = new TGradBtn(&window);
    auto *defaultButton = withDefault ? new ReturnTaker(&window) : nullptr;
    QSignalSpy clicked(button, &TGradBtn::clicked);

    QTest::keyClick(button, Qt::Key(key));
    QCOMPARE(clicked.size(), clicks);
    QCOMPARE(defaultButton ? defaultButton->taken : 0, defaultClicks);
    QVERIFY(!button->isDown());
}

void TestGradBtn::accelerator_clicks_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("clicks");
    QTest::newRow("&Reset, R") << QStringLiteral("&Reset") << int(Qt::Key_R) << true << 1;
    QTest::newRow("&Reset, disabled") << QStringLiteral("&Reset") << int(Qt::Key_R) << false << 0;
    QTest::newRow("A&&B has none") << QStringLiteral("A&&B") << int(Qt::Key_B) << true << 0;
}

void TestGradBtn::accelerator_clicks()
{
    QFETCH(QString, caption);
    QFETCH(int, key);
    QFETCH(bool, enabled);
    QFETCH(int, clicks);
    QWidget window;
    auto *button = new TGradBtn(&window);
    button->setText(caption);
    button->setEnabled(enabled);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QSignalSpy clicked(button, &TGradBtn::clicked);

    QTest::keyClick(&window, Qt::Key(key), Qt::AltModifier);
    QCOMPARE(clicked.size(), clicks);
}

// The click shows the up look first: events already waiting run before clicked() is emitted.
void TestGradBtn::click_letsPendingEventsRunFirst()
{
    TGradBtn button;
    bool pendingRan = false;
    bool ranBeforeClick = false;
    connect(&button, &TGradBtn::clicked, this, [&] { ranBeforeClick = pendingRan; });
    QTimer::singleShot(0, this, [&] { pendingRan = true; });
    QTest::keyClick(&button, Qt::Key_Return);
    QVERIFY(ranBeforeClick);
}

void TestGradBtn::accessibility_seesAPushButtonNamedByItsCaption()
{
    TGradBtn button;
    button.setText(QStringLiteral("&Reset"));
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(&button);
    QVERIFY(face);
    QCOMPARE(face->role(), QAccessible::Button);
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Reset"));
    QAccessibleActionInterface *actions = face->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
}

QTEST_MAIN(TestGradBtn)
#include "tst_gradbtn.moc"
