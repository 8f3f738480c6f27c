#include "gui/ButtonStyle.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

namespace velmora {

namespace {

// Qt 6.4 aligns the text of a button with an icon (OK, Cancel, ...) to the
// icon's side, and the painter of a mirrored button mirrors that alignment a
// second time: the text lands on the far edge, where a longer translation
// runs out of the button. With the painter left to right the alignment is
// taken as given; the text itself is still laid out by its own direction.
class WindowStyle : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (element != CE_PushButtonLabel || option->direction != Qt::RightToLeft) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        painter->save();
        painter->setLayoutDirection(Qt::LeftToRight);
        QProxyStyle::drawControl(element, option, painter, widget);
        painter->restore();
    }
};

}  // namespace

void UseWindowStyle() {
    if (dynamic_cast<WindowStyle*>(QApplication::style()) == nullptr)
        QApplication::setStyle(new WindowStyle);
}

}  // namespace velmora
