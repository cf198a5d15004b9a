// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/elasticmath.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <tuple>

namespace elastic {

int roundHalfEven(double value)
{
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction > 0.5)
        return static_cast<int>(lower) + 1;
    if (fraction < 0.5)
        return static_cast<int>(lower);
    return std::fmod(lower, 2.0) == 0.0 ? static_cast<int>(lower) : static_cast<int>(lower) + 1;
}

int roundHalfDown(double value)
{
    if (value < 0)
        return truncate(value);
    const double lower = std::floor(value);
    return static_cast<int>(lower) + (value - lower > 0.5 ? 1 : 0);
}

int truncate(double value) { return static_cast<int>(std::trunc(value)); }

int halve(int difference)
{
    return difference / 2; // C++ integer division truncates toward zero
}

int resolveExtent(int value, int extent)
{
    if (value >= 0)
        return value;
    return roundHalfEven(-static_cast<double>(value) * extent / 100.0);
}

std::optional<Scales> screenScales(QSize maximized, QSize designScreen)
{
    if (designScreen.width() <= 0 || designScreen.height() <= 0 || maximized.width() <= 0 ||
        maximized.height() <= 0)
        return std::nullopt;
    return Scales{static_cast<double>(maximized.width()) / designScreen.width(),
                  static_cast<double>(maximized.height()) / designScreen.height()};
}

QRect scaledBounds(const QRect &bounds, double rx, double ry)
{
    return {roundHalfEven(bounds.x() * rx), roundHalfEven(bounds.y() * ry),
            roundHalfEven(rx * bounds.width()), roundHalfEven(ry * bounds.height())};
}

double liveFontSize(QSize outer, int refFontSize, QSize refClient)
{
    if (refFontSize <= 0 || refClient.width() <= 0 || refClient.height() <= 0)
        return 0.0;
    const double byHeight = static_cast<double>(outer.height()) * refFontSize / refClient.height();
    const double byWidth = static_cast<double>(outer.width()) * refFontSize / refClient.width();
    return byWidth < byHeight ? byWidth : byHeight;
}

int referenceFontSize(double designSize, double scaleY) { return truncate(designSize * scaleY); }

int scaledFontSize(int referenceSize, double fontScale)
{
    return roundHalfDown(fontScale * referenceSize);
}

QSize grownLabelSize(QSize scaled, QSize fitted) { return scaled.expandedTo(fitted); }

bool sizeDiffers(QSize now, QSize last)
{
    return std::abs(now.width() - last.width()) > 5 || std::abs(now.height() - last.height()) > 5;
}

QSize proportionalTrackSize(QSize designForm, QSize maximized)
{
    if (designForm.width() <= 0 || designForm.height() <= 0 || maximized.width() <= 0 ||
        maximized.height() <= 0)
        return {};
    const double aspect = static_cast<double>(designForm.width()) / designForm.height();
    const double widthShare = static_cast<double>(designForm.width()) / maximized.width();
    const double heightShare = static_cast<double>(designForm.height()) / maximized.height();
    if (widthShare >= heightShare) {
        const int width = maximized.width() - 6;
        return {width, roundHalfEven(width / aspect)};
    }
    const int height = maximized.height() - 5;
    return {roundHalfEven(aspect * height), height};
}

QSize keepAspect(QSize start, QSize now)
{
    if (start.width() <= 0 || start.height() <= 0)
        return now;
    const double aspect = static_cast<double>(start.width()) / start.height();
    const int grownWidth = now.width() - start.width();
    const int grownHeight = now.height() - start.height();
    const bool grew = grownWidth + grownHeight > 0;
    // Growing, the dimension that grew less follows the other; shrinking, the one that shrank less.
    const bool widthFollows = grew ? grownWidth < grownHeight : grownWidth > grownHeight;
    if (widthFollows)
        return {roundHalfEven(aspect * now.height()), now.height()};
    return {now.width(), roundHalfEven(now.width() / aspect)};
}

std::optional<QRect> preparedFormBounds(const FormDesign &design, const FormPlacementRules &rules,
                                        QSize maximized)
{
    const auto scales = screenScales(maximized, design.screen);
    if (!scales)
        return std::nullopt;

    QRect form = design.outer;
    QSize client = design.client;
    if (rules.maximized) {
        form.moveTo(resolveExtent(rules.maximizedPosX, design.screen.width()),
                    resolveExtent(rules.maximizedPosY, design.screen.height()));
        form.setSize(rules.maintainProportions
                         ? proportionalTrackSize(design.outer.size(), maximized)
                         : design.screen);
    }
    if (rules.borderless)
        form.setSize(client);

    int width = roundHalfEven(form.width() * scales->x);
    int height = roundHalfEven(form.height() * scales->y);
    int left = roundHalfEven(form.x() * scales->x);
    int top = roundHalfEven(form.y() * scales->y);
    if (left + width > maximized.width())
        left = halve(maximized.width() - width);
    if (top + height > maximized.height())
        top = halve(maximized.height() - height);
    return QRect(std::max(left, 0), std::max(top, 0), width, height);
}

std::vector<int> alignmentOrder(const std::vector<AlignedControl> &controls)
{
    // Rank of each alignment group, in layout order.
    const auto rank = [](Align align) {
        switch (align) {
        case Align::Top: return 0;
        case Align::Bottom: return 1;
        case Align::Left: return 2;
        case Align::Right: return 3;
        case Align::Client: return 4;
        case Align::None: break;
        }
        return 5;
    };
    // The key that orders a group: ascending for top, left and client, descending for bottom and
    // right; the unaligned keep their walk order.
    const auto key = [](const AlignedControl &c) {
        switch (c.align) {
        case Align::Top: return c.top;
        case Align::Bottom: return -c.top;
        case Align::Left:
        case Align::Client: return c.left;
        case Align::Right: return -c.left;
        case Align::None: break;
        }
        return 0;
    };
    std::vector<int> order(controls.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const AlignedControl &ca = controls[static_cast<std::size_t>(a)];
        const AlignedControl &cb = controls[static_cast<std::size_t>(b)];
        if (rank(ca.align) != rank(cb.align))
            return rank(ca.align) < rank(cb.align);
        if (ca.align == Align::None)
            return a < b;
        // Equal keys: the later in walk order first, as taking the extreme element again and
        // again does.
        return std::tuple(key(ca), -a) < std::tuple(key(cb), -b);
    });
    return order;
}

} // namespace elastic
