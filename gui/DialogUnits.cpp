#include "gui/DialogUnits.h"

#include <QFontMetrics>

namespace velmora {

namespace {

constexpr int kClassicBaseX = 6;

int MulDivRound(int value, int mul, int div) {
    long long p = static_cast<long long>(value) * mul;
    return static_cast<int>((p >= 0 ? p + div / 2 : p - div / 2) / div);
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
    QFontMetrics fm(font);
    // The average width over both alphabets, rounded the way dialog templates do.
    int width52 = fm.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseX_ = (width52 / 26 + 1) / 2;
    baseY_ = fm.height();
    if (baseX_ < 1) baseX_ = 1;
    if (baseY_ < 1) baseY_ = 1;
}

int DialogUnits::X(int units) const {
    return MulDivRound(units, baseX_, 4);
}
int DialogUnits::Y(int units) const {
    return MulDivRound(units, baseY_, 8);
}

QRect DialogUnits::Rect(int x, int y, int width, int height) const {
    return QRect(X(x), Y(y), X(width), Y(height));
}

QSize DialogUnits::Size(int width, int height) const {
    return QSize(X(width), Y(height));
}

int DialogUnits::ScaledPixels(int pixels) const {
    return MulDivRound(pixels, baseX_, kClassicBaseX);
}

}  // namespace velmora
