// Dialog units to pixels. The form and dialog layouts are given in dialog
// units (a quarter of the font's average character width across, an eighth
// of its height down), so the tables read as written and fit any font.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

namespace velmora {

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int X(int units) const;
    int Y(int units) const;
    QRect Rect(int x, int y, int width, int height) const;
    QSize Size(int width, int height) const;

    // Pixel sizes meant for the classic 8-point dialog font (6 pixels average
    // character width), such as list column widths, scaled to this font.
    int ScaledPixels(int pixels) const;

    int BaseX() const { return baseX_; }
    int BaseY() const { return baseY_; }

private:
    int baseX_;
    int baseY_;
};

}  // namespace velmora
