#include "navigation/listlook.h"

#include <QAbstractItemView>
#include <QColor>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace tolvarin {

namespace {

constexpr double kReadableContrast = 4.5;

double relativeLuminance(const QColor& colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

QColor blend(const QColor& from, const QColor& to, double share)
{
    const auto mix = [share](double a, double b) { return a + (b - a) * share; };
    return QColor::fromRgbF(float(mix(from.redF(), to.redF())), float(mix(from.greenF(), to.greenF())),
                            float(mix(from.blueF(), to.blueF())));
}

}  // namespace

void keepSelectionShown(QAbstractItemView* view)
{
    QPalette palette = view->palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    view->setPalette(palette);
}

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor mutedTextColour(const QColor& text, const QColor& background)
{
    for (int percent = 60; percent > 0; percent -= 5) {
        const QColor candidate = blend(text, background, percent / 100.0);
        if (contrastRatio(candidate, background) >= kReadableContrast) return candidate;
    }
    return text;
}

}  // namespace tolvarin
