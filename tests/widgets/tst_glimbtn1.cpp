// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The bitmap Check button: its images as linked in, its three slices and caption sampled from a
// rendering, its look under the mouse, and Return and Escape offered by its window.
#include "widgettesting.h"

#include "widgets/dialogkeys.h"
#include "widgets/glimbtn1.h"

#include <QAccessible>
#include <QDialog>
#include <QFile>
#include <QImageReader>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

using namespace widgettesting;

namespace {

QString imagePath(const QString &name) { return QStringLiteral(":/widgets/%1.bmp").arg(name); }

// Read as the button reads them: by Qt's own BMP reader, with no plugin consulted.
QImage image(const QString &name)
{
    QImageReader reader(imagePath(name), "BMP");
    reader.setAutoDetectImageFormat(false);
    const QImage decoded = reader.read();
    if (decoded.isNull())
        qFatal("%s: %s", qPrintable(name), qPrintable(reader.errorString()));
    return decoded.convertToFormat(QImage::Format_RGB32);
}

// The image-format plugins mapped into this process; empty where that cannot be told.
QStringList imageFormatPluginsLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    QStringList plugins;
    if (!maps.open(QIODevice::ReadOnly))
        return plugins;
    for (const QByteArray &line : maps.readAll().split('\n'))
        if (line.contains("/imageformats/"))
            plugins << QString::fromLocal8Bit(line.mid(line.lastIndexOf(' ') + 1));
    plugins.removeDuplicates();
    return plugins;
}

bool sameColumn(const QImage &a, int ax, const QImage &b, int bx)
{
    for (int y = 0; y < 41; ++y)
        if (a.pixel(ax, y) != b.pixel(bx, y))
            return false;
    return true;
}

// A window with the button and a text box that takes the focus and leaves Return to the window.
struct Window {
    QWidget window;
    QLineEdit *edit = new QLineEdit(&window);
    TGlimButton1 *button = new TGlimButton1(&window);
    Window()
    {
        new DialogKeyOffer(&window);
        button->move(0, 40);
        window.resize(200, 100);
    }
};

// Deletes `victim` when the watched control is offered a dialog key, and leaves the key to the
// controls after it.
class DeletesOnOffer : public QObject
{
public:
    DeletesOnOffer(QWidget *victim, QObject *parent)
        : QObject(parent)
        , m_victim(victim)
    {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == DialogKeyEvent::eventType())
            delete m_victim;
        return false;
    }

private:
    QPointer<QWidget> m_victim;
};

} // namespace

class TestGlimButton1 : public QObject
{
    Q_OBJECT

private slots:
    void defaults_data();
    void defaults();
    void images_holdTheBodyWhereTheButtonExpectsIt_data();
    void images_holdTheBodyWhereTheButtonExpectsIt();
    void slices_stretchTheMiddleToTheWidth_data();
    void slices_stretchTheMiddleToTheWidth();
    void height_staysAt41_data();
    void height_staysAt41();
    void caption_isYellowWhileDisabled();
    void focusMark_followsTheLook_data();
    void focusMark_followsTheLook();
    void mouse_lookFollowsThePointerWhileHeld_data();
    void mouse_lookFollowsThePointerWhileHeld();
    void dialogKeys_returnAndEscape_data();
    void dialogKeys_returnAndEscape();
    void click_givesTheModalResultFirst();
};

void TestGlimButton1::defaults_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("Style") << QByteArray("Style") << QVariant::fromValue(TGlimButton1::bsOnGray);
    QTest::newRow("Status") << QByteArray("Status") << QVariant::fromValue(TGlimButton1::bsOff);
    QTest::newRow("Cancel") << QByteArray("Cancel") << QVariant(false);
    QTest::newRow("Default") << QByteArray("Default") << QVariant(false);
    QTest::newRow("ModalResult") << QByteArray("ModalResult") << QVariant(0);
}

void TestGlimButton1::defaults()
{
    QFETCH(QByteArray, property);
    QFETCH(QVariant, value);
    TGlimButton1 button;
    QCOMPARE(button.property(property.constData()), value);
    QCOMPARE(button.size(), QSize(91, 41));
    QVERIFY(button.font().bold());
    QCOMPARE(button.palette().color(QPalette::ButtonText), QColor(255, 255, 0));
    QCOMPARE(button.focusPolicy(), Qt::StrongFocus);

    button.setText(QStringLiteral("&Check"));
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(&button);
    QVERIFY(face);
    QCOMPARE(face->role(), QAccessible::Button);
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Check"));
}

void TestGlimButton1::images_holdTheBodyWhereTheButtonExpectsIt_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QPoint>("bodyTopLeft");
    const QColor grey(189, 189, 189), white(255, 255, 255);
    QTest::newRow("BUTTON1A, white, up") << "BUTTON1A" << white << QPoint(1, 0);
    QTest::newRow("BUTTON1B, white, pressed") << "BUTTON1B" << white << QPoint(5, 5);
    QTest::newRow("BUTTON2A, grey, up") << "BUTTON2A" << grey << QPoint(1, 0);
    QTest::newRow("BUTTON2B, grey, pressed") << "BUTTON2B" << grey << QPoint(5, 5);
}

void TestGlimButton1::images_holdTheBodyWhereTheButtonExpectsIt()
{
    QFETCH(QString, name);
    QFETCH(QColor, background);
    QFETCH(QPoint, bodyTopLeft);
    QVERIFY2(QFile::exists(imagePath(name)),
             qPrintable(name + QStringLiteral(" is not linked in")));
    // BMP is read by Qt GUI itself: a button loads its images without any plugin.
    const TGlimButton1 button;
    QCOMPARE(imageFormatPluginsLoaded(), QStringList());
    const QImage decoded = image(name);
    QCOMPARE(decoded.size(), QSize(37, 41));
    QCOMPARE(pixel(decoded, 0, 40), background);
    // The black body, about 29 pixels high, with its top-left corner where the design puts it.
    const QRect body = boundsOf(decoded, QColor(0, 0, 0));
    QVERIFY2(qAbs(body.left() - bodyTopLeft.x()) <= 1, qPrintable(QString::number(body.left())));
    QCOMPARE(body.top(), bodyTopLeft.y());
    QCOMPARE(body.height(), 29);
    // The slice the button stretches: columns 16 and 17 are one column twice.
    QVERIFY(sameColumn(decoded, 16, decoded, 17));
}

void TestGlimButton1::slices_stretchTheMiddleToTheWidth_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<TGlimButton1::TButtonStyle>("style");
    QTest::addColumn<TGlimButton1::TButtonState>("status");
    QTest::addColumn<QString>("imageName");
    QTest::newRow("80, grey, up") << 80 << TGlimButton1::bsOnGray << TGlimButton1::bsOff
                                  << "BUTTON2A";
    QTest::newRow("80, grey, pressed")
        << 80 << TGlimButton1::bsOnGray << TGlimButton1::bsOn << "BUTTON2B";
    QTest::newRow("80, white, up")
        << 80 << TGlimButton1::bsOnWhite << TGlimButton1::bsOff << "BUTTON1A";
    QTest::newRow("36, no middle")
        << 36 << TGlimButton1::bsOnGray << TGlimButton1::bsOff << "BUTTON2A";
    QTest::newRow("37, one column of middle")
        << 37 << TGlimButton1::bsOnWhite << TGlimButton1::bsOn << "BUTTON1B";
}

void TestGlimButton1::slices_stretchTheMiddleToTheWidth()
{
    QFETCH(int, width);
    QFETCH(TGlimButton1::TButtonStyle, style);
    QFETCH(TGlimButton1::TButtonState, status);
    QFETCH(QString, imageName);
    TGlimButton1 button;
    button.resize(width, 41);
    button.setButtonStyle(style);
    button.setStatus(status);
    const QImage face = rendered(button);
    const QImage source = image(imageName);
    const int middle = qMax(0, width - 36);

    for (int x = 0; x < 16; ++x)
        QVERIFY2(sameColumn(face, x, source, x), qPrintable(QString::number(x)));
    for (int x = 16; x < 16 + middle; ++x)
        QVERIFY2(sameColumn(face, x, source, 16), qPrintable(QString::number(x)));
    for (int x = 16 + middle; x < width - 1; ++x)
        QVERIFY2(sameColumn(face, x, source, x - 16 - middle + 18), qPrintable(QString::number(x)));
    // The last column repeats the image's last.
    QVERIFY(sameColumn(face, width - 1, source, 36));
}

void TestGlimButton1::height_staysAt41_data()
{
    QTest::addColumn<QRect>("asked");
    QTest::addColumn<QRect>("given");
    QTest::newRow("taller") << QRect(0, 0, 80, 60) << QRect(0, 0, 80, 41);
    QTest::newRow("shorter") << QRect(10, 10, 120, 12) << QRect(10, 10, 120, 41);
}

void TestGlimButton1::height_staysAt41()
{
    QFETCH(QRect, asked);
    QFETCH(QRect, given);
    TGlimButton1 button;
    button.setGeometry(asked);
    QCOMPARE(button.geometry(), given);
}

void TestGlimButton1::caption_isYellowWhileDisabled()
{
    TGlimButton1 button;
    button.resize(80, 41);
    button.setText(QStringLiteral("Check"));
    QFont font = button.font();
    font.setStyleStrategy(QFont::NoAntialias);
    button.setFont(font);
    QPalette palette = button.palette();
    palette.setColor(QPalette::ButtonText, Qt::red);
    button.setPalette(palette);
    const QColor red(255, 0, 0), yellow(255, 255, 0);

    QImage face = rendered(button);
    const QRect caption = boundsOf(face, red);
    QVERIFY(!caption.isNull());
    QVERIFY(boundsOf(face, yellow).isNull());
    // Centred in the rectangle left of and above the shadow, (0, 0) to (72, 30).
    QVERIFY2(qAbs(caption.center().x() - 36) <= 2,
             qPrintable(QString::number(caption.center().x())));

    button.setEnabled(false);
    face = rendered(button);
    QCOMPARE(boundsOf(face, yellow), caption);
    QVERIFY(boundsOf(face, red).isNull());

    // Pressed, the caption moves 5 right and 5 down with the body.
    button.setEnabled(true);
    button.setStatus(TGlimButton1::bsOn);
    QCOMPARE(boundsOf(rendered(button), red), caption.translated(5, 5));
}

void TestGlimButton1::focusMark_followsTheLook_data()
{
    QTest::addColumn<TGlimButton1::TButtonState>("status");
    QTest::addColumn<QList<QPoint>>("onMark");
    QTest::addColumn<QList<QPoint>>("offMark");
    // The top and left sides of a rectangle inside the body, 5 right and 5 down when pressed.
    QTest::newRow("up") << TGlimButton1::bsOff << QList<QPoint>{{7, 4}, {64, 4}, {7, 24}}
                        << QList<QPoint>{{7, 25}, {65, 4}};
    QTest::newRow("pressed") << TGlimButton1::bsOn << QList<QPoint>{{12, 9}, {69, 9}, {12, 29}}
                             << QList<QPoint>{{12, 30}, {70, 9}};
}

void TestGlimButton1::focusMark_followsTheLook()
{
    QFETCH(TGlimButton1::TButtonState, status);
    QFETCH(QList<QPoint>, onMark);
    QFETCH(QList<QPoint>, offMark);
    Window w;
    w.button->resize(80, 41);
    w.button->setStatus(status);
    w.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    const QColor grey(128, 128, 128);
    QVERIFY(pixel(rendered(*w.button), onMark[0].x(), onMark[0].y()) != grey);

    w.button->setFocus();
    const QImage face = rendered(*w.button);
    for (QPoint point : onMark)
        QCOMPARE(pixel(face, point.x(), point.y()), grey);
    for (QPoint point : offMark)
        QVERIFY(pixel(face, point.x(), point.y()) != grey);
}

void TestGlimButton1::mouse_lookFollowsThePointerWhileHeld_data()
{
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<bool>("statusFromCode");
    QTest::addColumn<int>("clicks");
    QTest::newRow("released inside") << QPoint(40, 20) << false << 1;
    QTest::newRow("released on the bottom-right border") << QPoint(80, 41) << false << 1;
    QTest::newRow("released just outside") << QPoint(81, 20) << false << 0;
    QTest::newRow("Status assigned during the press") << QPoint(40, 20) << true << 0;
}

void TestGlimButton1::mouse_lookFollowsThePointerWhileHeld()
{
    QFETCH(QPoint, releaseAt);
    QFETCH(bool, statusFromCode);
    QFETCH(int, clicks);
    TGlimButton1 button;
    button.resize(80, 41);
    QSignalSpy clicked(&button, &TGlimButton1::clicked);

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(40, 20));
    QCOMPARE(button.Status(), TGlimButton1::bsOn);
    if (statusFromCode) {
        button.setStatus(TGlimButton1::bsOff);
        QTest::mouseMove(&button, QPoint(41, 20));
        QCOMPARE(button.Status(), TGlimButton1::bsOff); // the tracking has ended
    } else {
        QTest::mouseMove(&button, QPoint(81, 20));
        QCOMPARE(button.Status(), TGlimButton1::bsOff);
        QTest::mouseMove(&button, QPoint(80, 41));
        QCOMPARE(button.Status(), TGlimButton1::bsOn);
    }
    QTest::mouseMove(&button, releaseAt);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, releaseAt);
    QCOMPARE(button.Status(), TGlimButton1::bsOff);
    QCOMPARE(clicked.size(), clicks);
}

void TestGlimButton1::dialogKeys_returnAndEscape_data()
{
    QTest::addColumn<bool>("isDefault");
    QTest::addColumn<bool>("isCancel");
    QTest::addColumn<bool>("focused");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("clicks");
    const Qt::KeyboardModifiers none;
    const int ret = Qt::Key_Return, esc = Qt::Key_Escape;
    QTest::newRow("default, Return elsewhere") << true << false << false << ret << none << "" << 1;
    QTest::newRow("default, keypad Enter")
        << true << false << false << int(Qt::Key_Enter) << (none | Qt::KeypadModifier) << "" << 1;
    QTest::newRow("not default, Return elsewhere")
        << false << false << false << ret << none << "" << 0;
    QTest::newRow("not default, Return on it") << false << false << true << ret << none << "" << 1;
    QTest::newRow("default, Shift+Return")
        << true << false << false << ret << (none | Qt::ShiftModifier) << "" << 0;
    QTest::newRow("default, Ctrl+Return")
        << true << false << false << ret << (none | Qt::ControlModifier) << "" << 0;
    QTest::newRow("default, disabled") << true << false << false << ret << none << "disabled" << 0;
    QTest::newRow("default, hidden") << true << false << false << ret << none << "hidden" << 0;
    QTest::newRow("cancel, Escape") << false << true << false << esc << none << "" << 1;
    QTest::newRow("not cancel, Escape") << true << false << false << esc << none << "" << 0;
    QTest::newRow("space on it") << true << true << true << int(Qt::Key_Space) << none << "" << 0;
    // The offer goes in creation order and ends with the first control that takes the key.
    QTest::newRow("default, a later default too")
        << true << false << false << ret << none << "a later one takes it too" << 1;
    QTest::newRow("cancel, a later cancel too")
        << false << true << false << esc << none << "a later one takes it too" << 1;
    // Deleted by what runs during an earlier control's turn, the button is passed over.
    QTest::newRow("default, deleted during the offer")
        << true << false << false << ret << none << "deleted during the offer" << 0;
}

void TestGlimButton1::dialogKeys_returnAndEscape()
{
    QFETCH(bool, isDefault);
    QFETCH(bool, isCancel);
    QFETCH(bool, focused);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, state);
    QFETCH(int, clicks);
    Window w;
    w.button->setDefault(isDefault);
    w.button->setCancel(isCancel);
    w.button->setEnabled(state != u"disabled");
    w.button->setHidden(state == u"hidden");
    int laterClicks = 0;
    if (state == u"a later one takes it too") {
        auto *later = new TGlimButton1(&w.window);
        later->setDefault(true);
        later->setCancel(true);
        connect(later, &TGlimButton1::clicked, this, [&laterClicks] { ++laterClicks; });
    }
    if (state == u"deleted during the offer")
        w.edit->installEventFilter(new DeletesOnOffer(w.button, w.edit));
    w.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    QWidget *typedOn = focused ? static_cast<QWidget *>(w.button) : w.edit;
    typedOn->setFocus();
    QSignalSpy clicked(w.button, &TGlimButton1::clicked);

    QTest::keyClick(typedOn, Qt::Key(key), modifiers);
    QCOMPARE(clicked.size(), clicks);
    QCOMPARE(laterClicks, 0);
}

void TestGlimButton1::click_givesTheModalResultFirst()
{
    Window w;
    w.button->setModalResult(1);
    int seen = -1;
    connect(w.button, &TGlimButton1::clicked, this,
            [&] { seen = w.window.property(TGlimButton1::kModalResultProperty).toInt(); });
    w.button->setDefault(true);
    QTest::keyClick(w.edit, Qt::Key_Return);
    QCOMPARE(seen, 1);

    // In a dialog a non-zero result ends it, after the click's handler.
    QDialog dialog;
    new DialogKeyOffer(&dialog);
    auto *ok = new TGlimButton1(&dialog);
    ok->setModalResult(QDialog::Accepted);
    dialog.show();
    QSignalSpy finished(&dialog, &QDialog::finished);
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(TestGlimButton1)
#include "tst_glimbtn1.moc"
