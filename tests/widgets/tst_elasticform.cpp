// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The scaling component on small forms of its own, on the offscreen platform: what the learner
// would see happen to the controls and fonts as the form opens, is resized, dragged, or meets
// another display.
#include "widgets/elastfrm.h"

#include <QLabel>
#include <QLineEdit>
#include <QResizeEvent>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtMath>
#include <QtTest/qtestspontaneevent.h>

#include <memory>

using namespace elastic;

namespace {

// The component with the screen's free area under the test's control.
class ScreenedElasticForm : public TElasticForm
{
public:
    using TElasticForm::eventFilter;
    using TElasticForm::TElasticForm;
    QRect area{0, 0, 808, 580};

    void changeDisplay(QRect newArea)
    {
        area = newArea;
        QMetaObject::invokeMethod(this, "displayChanged");
    }

protected:
    QRect maximizedWindowArea() const override { return area; }
};

QFont points(int size)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(size);
    return font;
}

// A form designed like the main window: a design screen of 808 x 580, a client area of 553 x
// 357, a form font of 8 points and controls with fonts of 14, 12 and 10 points.
struct TestForm {
    std::unique_ptr<QWidget> form = std::make_unique<QWidget>();
    QLineEdit *big = nullptr;
    QLineEdit *medium = nullptr;
    QLineEdit *small = nullptr;
    QLabel *caption = nullptr;
    QLabel *longCaption = nullptr;
    QWidget *unnamed = nullptr;
    QLineEdit *inUnnamed = nullptr;
    ScreenedElasticForm *elastic = nullptr;

    explicit TestForm(QRect screenArea = {0, 0, 808, 580})
    {
        form->setObjectName(QStringLiteral("Form1"));
        form->setFont(points(8));
        big = edit("big", {8, 192, 537, 73}, 14);
        medium = edit("medium", {8, 80, 225, 30}, 12);
        small = edit("small", {240, 80, 100, 30}, 10);
        caption = new QLabel(QStringLiteral("Score:"), form.get());
        caption->setObjectName(QStringLiteral("caption"));
        caption->setGeometry(328, 48, 46, 18);
        longCaption =
            new QLabel(QStringLiteral("A caption far longer than its bounds"), form.get());
        longCaption->setObjectName(QStringLiteral("longCaption"));
        longCaption->setGeometry(8, 300, 30, 10);
        unnamed = new QWidget(form.get());
        unnamed->setGeometry(400, 10, 120, 60);
        inUnnamed = new QLineEdit(unnamed);
        inUnnamed->setObjectName(QStringLiteral("inUnnamed"));
        inUnnamed->setGeometry(5, 5, 50, 20);

        elastic = new ScreenedElasticForm(form.get());
        elastic->area = screenArea;
        elastic->setDesignScreenWidth(808);
        elastic->setDesignScreenHeight(580);
        elastic->setDesignFormWidth(561);
        elastic->setDesignFormHeight(424);
        elastic->setDesignFormClientWidth(553);
        elastic->setDesignFormClientHeight(357);
        elastic->setDesignFormLeft(581);
        elastic->setDesignFormTop(136);
    }

    QLineEdit *edit(const char *name, QRect bounds, int pointSize)
    {
        auto *line = new QLineEdit(form.get());
        line->setObjectName(QString::fromLatin1(name));
        line->setGeometry(bounds);
        line->setFont(points(pointSize));
        return line;
    }

    // Shows the form and settles it, as a learner's first move of the window would.
    bool showSettled()
    {
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            return false;
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get()))
            return false;
        form->move(form->pos() + QPoint(1, 1));
        return true;
    }

    // Outer sizes include the frame, which the offscreen platform draws too.
    void setOuter(QRect bounds)
    {
        const QSize frame = form->frameGeometry().size() - form->size();
        form->setGeometry(
            QRect(bounds.topLeft() + (form->geometry().topLeft() - form->frameGeometry().topLeft()),
                  bounds.size() - frame));
    }
    void setOuterSize(QSize size)
    {
        form->resize(size - (form->frameGeometry().size() - form->size()));
    }
    // A design rectangle laid out for the present client area.
    QRect laidOut(QRect design) const
    {
        return scaledBounds(design, form->width() / 553.0, form->height() / 357.0);
    }

    // A size change as the window system reports one during a border drag: the form already has
    // the new size when the event arrives.
    void windowSystemResize(QSize size)
    {
        const QSize old = form->size();
        form->removeEventFilter(elastic);
        form->resize(size);
        form->installEventFilter(elastic);
        // Sending would mark the event as the program's own, so it goes to the filter directly.
        QResizeEvent event(size, old);
        QSpontaneKeyEvent::setSpontaneous(&event);
        elastic->eventFilter(form.get(), &event);
    }
};

} // namespace

class TestElasticForm : public QObject
{
    Q_OBJECT

private slots:
    void construction_failsOnAnOwnerThatIsNoFormOrHasOne();
    void version_isAlways601();
    void largerScreen_scalesBoundsAndCapturesFonts();
    void designScreen_fontsFollowTheSmallerRatio_data();
    void designScreen_fontsFollowTheSmallerRatio();
    void otherProportions_fontsKeepPaceWithTheControls();
    void changeOfFivePixels_leavesControlsAlone();
    void unnamedControl_isLeftAloneWhileItsNamedChildrenScale();
    void labels_growToTheirTextButNeverShrink();
    void borderDrag_laysOutOnceWhenItEnds();
    void trackSizes_boundTheWindow_data();
    void trackSizes_boundTheWindow();
    void displayChange_rescalesTheWindow();
    void windowSystemSequence_leavesTheLayoutOfTheFinalSize_data();
    void windowSystemSequence_leavesTheLayoutOfTheFinalSize();
    void focus_goesToTheNamedControl();
    void controlDeletedAfterCapture_isSkipped();
    void zeroDesignValues_leaveTheFormUnscaled();
    void placement_isSavedAndRestored();
    void damagedPlacement_isIgnored();
};

void TestElasticForm::construction_failsOnAnOwnerThatIsNoFormOrHasOne()
{
    QWidget form;
    form.setObjectName(QStringLiteral("Form1"));
    auto *child = new QWidget(&form);
    QObject plain;
    for (QObject *owner :
         {static_cast<QObject *>(child), &plain, static_cast<QObject *>(nullptr)}) {
        try {
            TElasticForm elastic(owner);
            QFAIL("constructed on an owner that is no form");
        } catch (const std::invalid_argument &error) {
            QCOMPARE(QString::fromUtf8(error.what()),
                     QStringLiteral("Owner of TElasticForm component must be a form"));
        }
    }
    new TElasticForm(&form);
    try {
        TElasticForm second(&form);
        QFAIL("a second instance on one form");
    } catch (const std::invalid_argument &error) {
        QCOMPARE(QString::fromUtf8(error.what()),
                 QStringLiteral("A TElasticForm component already exists in Form1"));
    }
    // The failed second one has left the form, so only the first remains.
    QCOMPARE(form.findChildren<TElasticForm *>().size(), 1);
}

void TestElasticForm::version_isAlways601()
{
    QWidget form;
    TElasticForm elastic(&form);
    QCOMPARE(elastic.Version(), 601.0f);
    elastic.setVersion(7.0f);
    QCOMPARE(elastic.Version(), 601.0f);
    QVERIFY(elastic.setProperty("Version", 0.5f));
    QCOMPARE(elastic.property("Version").toFloat(), 601.0f);
}

// A screen whose maximised window measures 1032 x 748. At the reference client size every ratio
// is 1, so the controls stand at their reference bounds with their reference fonts.
void TestElasticForm::largerScreen_scalesBoundsAndCapturesFonts()
{
    TestForm t({0, 0, 1032, 748});
    QVERIFY(t.showSettled());
    QCOMPARE(t.elastic->ScaleX(), 1032.0 / 808);
    QCOMPARE(t.elastic->ScaleY(), 748.0 / 580);
    QCOMPARE(t.elastic->RefClientWidth(), 706);
    QCOMPARE(t.elastic->RefClientHeight(), 460);
    QCOMPARE(t.elastic->preparedBounds(), QRect(157, 175, 717, 547));

    // The fonts' own reference size is the design client area by the vertical scale (713 x 460).
    t.setOuterSize({713, 460});
    QCOMPARE(t.elastic->FontScale(), 1.0);
    QCOMPARE(t.big->font().pointSize(), 18);
    QCOMPARE(t.medium->font().pointSize(), 15); // Truncate(12 x 1.2897)
    // Reference bounds Round(8 x 1.2772), Round(192 x 1.2897), ... follow the client area.
    QCOMPARE(t.big->geometry(),
             scaledBounds({10, 248, 686, 94}, t.form->width() / 706.0, t.form->height() / 460.0));
}

void TestElasticForm::designScreen_fontsFollowTheSmallerRatio_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("pointSize");
    QTest::newRow("14 points") << "big" << 20;
    QTest::newRow("12 points") << "medium" << 18;
    QTest::newRow("10 points") << "small" << 15;
}

// On the design screen at the size of its maximised window (808 x 580 outside).
void TestElasticForm::designScreen_fontsFollowTheSmallerRatio()
{
    QFETCH(QString, control);
    QFETCH(int, pointSize);
    TestForm t;
    QVERIFY(t.showSettled());
    QCOMPARE(t.elastic->ScaleX(), 1.0);
    t.setOuterSize({808, 580});
    QCOMPARE(t.elastic->RefFontSize(), 8);
    QCOMPARE(t.elastic->Font().pointSize(), 12);
    QVERIFY(qAbs(t.elastic->FontScale() - 1.4611) < 1e-4);
    auto *widget = t.form->findChild<QWidget *>(control);
    QCOMPARE(widget->font().pointSize(), pointSize);
    // Left and width by the client width / 553, top and height by the client height / 357.
    QCOMPARE(t.big->geometry(), t.laidOut({8, 192, 537, 73}));
}

// A screen taller for its width than the design screen: fonts grow with the smaller of the
// form's two ratios to its design, as the controls' widths do, and not by the taller screen's
// vertical scale on top.
void TestElasticForm::otherProportions_fontsKeepPaceWithTheControls()
{
    TestForm t({0, 0, 1280, 1024});
    QVERIFY(t.showSettled());
    t.setOuterSize({1280, 1024});
    const double widthRatio = 1280.0 / 553;
    QVERIFY(qAbs(t.elastic->Font().pointSize() - 8 * widthRatio) <= 1);
    QVERIFY(t.big->font().pointSize() <= qCeil(14 * widthRatio));
    QVERIFY(t.big->font().pointSize() >= qFloor(14 * widthRatio) - 1);
}

void TestElasticForm::changeOfFivePixels_leavesControlsAlone()
{
    TestForm t;
    QVERIFY(t.showSettled());
    t.form->resize(808, 580);
    const QRect laidOut = t.big->geometry();
    QSignalSpy layouts(t.elastic, &TElasticForm::OnAfterResize);

    t.form->resize(813, 575);
    QCOMPARE(t.big->geometry(), laidOut);
    QCOMPARE(layouts.size(), 0);
    t.form->resize(814, 580);
    QCOMPARE(layouts.size(), 1);
    QCOMPARE(layouts.first().first().value<QObject *>(), t.elastic);
    QVERIFY(t.big->geometry().width() > laidOut.width());
}

void TestElasticForm::unnamedControl_isLeftAloneWhileItsNamedChildrenScale()
{
    TestForm t;
    QVERIFY(t.showSettled());
    t.form->resize(808, 580);
    QVERIFY(!t.elastic->managedControls().contains(t.unnamed));
    QCOMPARE(t.unnamed->geometry(), QRect(400, 10, 120, 60));
    QCOMPARE(t.inUnnamed->geometry(), t.laidOut({5, 5, 50, 20}));
}

void TestElasticForm::labels_growToTheirTextButNeverShrink()
{
    TestForm t;
    QVERIFY(t.showSettled());
    t.form->resize(808, 580);
    // Its text is narrower than its scaled bounds: the bounds stay.
    QCOMPARE(t.caption->size(), t.laidOut({328, 48, 46, 18}).size());
    // Its text is wider than its scaled bounds: it grows to the text, from the same corner.
    QCOMPARE(t.longCaption->pos(), t.laidOut({8, 300, 30, 10}).topLeft());
    QVERIFY(t.longCaption->width() >= t.longCaption->sizeHint().width());
    QVERIFY(t.longCaption->height() >= t.longCaption->sizeHint().height());
}

void TestElasticForm::borderDrag_laysOutOnceWhenItEnds()
{
    TestForm t;
    QVERIFY(t.showSettled());
    t.form->resize(808, 580);
    const QRect before = t.big->geometry();
    const int fontBefore = t.big->font().pointSize();
    QSignalSpy layouts(t.elastic, &TElasticForm::OnAfterResize);

    for (int step = 1; step <= 5; ++step) {
        t.windowSystemResize(QSize(808 - 40 * step, 580 - 30 * step));
        QCOMPARE(t.big->geometry(), before);
    }
    QCOMPARE(layouts.size(), 0);
    QTRY_COMPARE(layouts.size(), 1);
    QCOMPARE(t.form->size(), QSize(608, 430));
    QCOMPARE(t.big->geometry(), t.laidOut({8, 192, 537, 73}));
    QVERIFY(t.big->font().pointSize() < fontBefore);
}

void TestElasticForm::trackSizes_boundTheWindow_data()
{
    QTest::addColumn<int>("maximumWidth");
    QTest::addColumn<int>("maximumHeight");
    QTest::addColumn<QSize>("largest");
    QTest::newRow("pixels") << 700 << 500 << QSize(700, 500);
    QTest::newRow("shares of the screen") << -50 << -50 << QSize(404, 290);
}

void TestElasticForm::trackSizes_boundTheWindow()
{
    QFETCH(int, maximumWidth);
    QFETCH(int, maximumHeight);
    QFETCH(QSize, largest);
    TestForm t;
    t.elastic->setMaximumTrackWidth(maximumWidth);
    t.elastic->setMaximumTrackHeight(maximumHeight);
    t.elastic->setMinimumTrackWidth(200);
    t.elastic->setMinimumTrackHeight(150);
    QVERIFY(t.showSettled());
    t.form->resize(2000, 2000);
    QCOMPARE(t.form->frameGeometry().size(), largest);
    t.form->resize(10, 10);
    QCOMPARE(t.form->frameGeometry().size(), QSize(200, 150));
}

// Meeting a screen twice the size, the window doubles and its controls follow its new client area.
void TestElasticForm::displayChange_rescalesTheWindow()
{
    TestForm t;
    QVERIFY(t.showSettled());
    t.setOuter({100, 50, 500, 400});
    QSignalSpy layouts(t.elastic, &TElasticForm::OnAfterResize);
    t.elastic->changeDisplay({0, 0, 1616, 1160});
    QCOMPARE(t.form->frameGeometry(), QRect(200, 100, 1000, 800));
    QVERIFY(layouts.size() >= 1);
    QCOMPARE(t.big->geometry(), t.laidOut({8, 192, 537, 73}));
}

void TestElasticForm::windowSystemSequence_leavesTheLayoutOfTheFinalSize_data()
{
    // Steps as a window manager takes them, from a shown, settled, maximised form. A change of
    // state is reported as the window system reports it, without a size; "resize" is the size
    // the window manager then gives the window, also while it is minimised; "display" changes
    // the screen's free area.
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("unmaximised while minimised")
        << QStringList{"minimise", "unmaximise", "resize 600x450", "restore"};
    QTest::newRow("unmaximised") << QStringList{"unmaximise", "resize 600x450"};
    QTest::newRow("resized while minimised")
        << QStringList{"unmaximise", "minimise", "resize 400x300", "restore"};
    QTest::newRow("maximised while minimised") << QStringList{
        "unmaximise", "resize 400x300", "minimise", "maximise", "resize 808x580", "restore"};
    QTest::newRow("display changed while minimised")
        << QStringList{"minimise", "display 640x480", "resize 640x480", "restore"};
    QTest::newRow("full screen while minimised")
        << QStringList{"display 1024x768", "resize 1024x740", "minimise",
                       "fullscreen",       "resize 1024x768", "restore"};
    QTest::newRow("minimised in mid-drag")
        << QStringList{"unmaximise", "drag 500x400", "minimise", "resize 450x350", "restore"};
    QTest::newRow("shrunk to a pixel and back")
        << QStringList{"unmaximise", "resize 1x1", "resize 600x420"};
}

// Whatever happened while the form was minimised is laid out when it comes back, as if it had
// happened on screen: the controls and fonts end where the layout rules put them for the final
// client area, not for a size the form had before.
void TestElasticForm::windowSystemSequence_leavesTheLayoutOfTheFinalSize()
{
    QFETCH(QStringList, steps);
    TestForm t;
    QVERIFY(t.showSettled());
    t.setOuterSize({808, 580});
    t.form->overrideWindowState(Qt::WindowMaximized);
    QTRY_COMPARE(t.big->geometry(), t.laidOut({8, 192, 537, 73}));
    for (const QString &step : std::as_const(steps)) {
        const QStringList words = step.split(u' ');
        const QStringList size = words.value(1).split(u'x');
        const QSize given(size.value(0).toInt(), size.value(1).toInt());
        const Qt::WindowStates state = t.form->windowState();
        const Qt::WindowStates minimised = state & Qt::WindowMinimized;
        if (words[0] == u"minimise")
            t.form->overrideWindowState(state | Qt::WindowMinimized);
        else if (words[0] == u"restore")
            t.form->overrideWindowState(state & ~Qt::WindowMinimized);
        else if (words[0] == u"maximise")
            t.form->overrideWindowState(minimised | Qt::WindowMaximized);
        else if (words[0] == u"unmaximise")
            t.form->overrideWindowState(minimised);
        else if (words[0] == u"fullscreen")
            t.form->overrideWindowState(minimised | Qt::WindowFullScreen);
        else if (words[0] == u"resize") {
            t.setOuterSize(given);
            // A program's resize takes the maximised state from a QWidget; the window manager's
            // sizing of a maximised or minimised window doesn't.
            if (t.form->windowState() != state)
                t.form->overrideWindowState(state);
        } else if (words[0] == u"drag")
            t.windowSystemResize(given);
        else if (words[0] == u"display")
            t.elastic->changeDisplay({QPoint(0, 0), given});
        else
            QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
        // The window system's answer (the resize events) arrives before the next step.
        QCoreApplication::processEvents();
    }
    QVERIFY(!(t.form->windowState() & Qt::WindowMinimized));

    // A form that small has no room to lay out; any size after it has.
    QTRY_COMPARE(t.big->geometry(), t.laidOut({8, 192, 537, 73}));
    QCOMPARE(t.small->geometry(), t.laidOut({240, 80, 100, 30}));
    const double live = liveFontSize(t.form->frameGeometry().size(), 8, {553, 357});
    QCOMPARE(t.big->font().pointSize(), scaledFontSize(14, live / 8));
}

void TestElasticForm::focus_goesToTheNamedControl()
{
    TestForm t;
    t.elastic->setEFActiveControl(QStringLiteral("small"));
    QVERIFY(t.showSettled());
    QTRY_VERIFY(t.small->hasFocus());
}

// A control that leaves the form after the capture is no longer placed, and nothing breaks.
void TestElasticForm::controlDeletedAfterCapture_isSkipped()
{
    TestForm t;
    QVERIFY(t.showSettled());
    t.form->resize(808, 580);
    delete t.medium;
    t.small->setParent(nullptr);
    std::unique_ptr<QLineEdit> away(t.small);
    const QRect awayBounds = away->geometry();
    t.form->resize(600, 400);
    QCOMPARE(away->geometry(), awayBounds);
    QCOMPARE(t.big->geometry(), t.laidOut({8, 192, 537, 73}));
}

void TestElasticForm::zeroDesignValues_leaveTheFormUnscaled()
{
    TestForm t;
    t.elastic->setDesignFormClientHeight(0);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("Form1.*design size of zero")));
    QVERIFY(t.showSettled());
    t.form->resize(808, 580);
    t.elastic->Layout();
    QVERIFY(t.elastic->disabled());
    QCOMPARE(t.big->geometry(), QRect(8, 192, 537, 73));
    QCOMPARE(t.big->font().pointSize(), 14);
}

void TestElasticForm::placement_isSavedAndRestored()
{
    QTemporaryDir dir;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    {
        TestForm t;
        t.elastic->setElFrmIniFile(QStringLiteral("VocarraTest/Placement"));
        QVERIFY(t.showSettled());
        t.setOuter({202, 145, 404, 290});
        t.small->hide();
        t.form->close();
    }
    QSettings saved(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("VocarraTest"),
                    QStringLiteral("Placement"));
    QCOMPARE(saved.value(QStringLiteral("Form1/Width")).toDouble(), 0.5);

    TestForm again;
    again.elastic->setElFrmIniFile(QStringLiteral("VocarraTest/Placement"));
    QVERIFY(again.showSettled());
    QCOMPARE(again.elastic->preparedBounds(), QRect(202, 145, 404, 290));
    QCOMPARE(again.form->frameGeometry().size(), QSize(404, 290));
    QVERIFY(again.small->isHidden());
}

void TestElasticForm::damagedPlacement_isIgnored()
{
    QTemporaryDir dir;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    {
        QSettings saved(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("VocarraTest"),
                        QStringLiteral("Placement"));
        saved.setValue(QStringLiteral("Form1/Total Controls"), 6);
        saved.setValue(QStringLiteral("Form1/Window State"), 0);
        saved.setValue(QStringLiteral("Form1/Left"), QStringLiteral("far away"));
        saved.setValue(QStringLiteral("Form1/Top"), 9.0);
        saved.setValue(QStringLiteral("Form1/Width"), 0.5);
        saved.setValue(QStringLiteral("Form1/Height"), 0.5);
    }
    TestForm t;
    t.elastic->setElFrmIniFile(QStringLiteral("VocarraTest/Placement"));
    QVERIFY(t.showSettled());
    QCOMPARE(t.elastic->managedControls().size(), 6);
    QCOMPARE(t.elastic->preparedBounds(), QRect(123, 136, 561, 424));
}

QTEST_MAIN(TestElasticForm)
#include "tst_elasticform.moc"
