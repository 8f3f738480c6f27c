#include "gui/Images.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <cstring>

namespace velmora {

namespace {

// The word an image carries: what stands in its <text> element.
QString ImageWord(const QByteArray& svg, qsizetype& begin, qsizetype& end) {
    begin = svg.indexOf("<text");
    end = svg.indexOf("</text>", begin);
    if (begin < 0 || end < 0) return {};
    const qsizetype open = svg.indexOf('>', begin) + 1;
    const QString word = QString::fromUtf8(svg.mid(open, end - open));
    end += static_cast<qsizetype>(std::strlen("</text>"));
    return word;
}

// Draws the word under the picture as the images draw it (bold, 8.5 units
// high, centred, baseline on the bottom row), in every language at that one
// height: a translation too long for the button is narrowed, not shrunk.
void DrawWord(QPainter& painter, QSize size, const QString& word) {
    constexpr double kViewWidth = 44, kViewHeight = 26, kFontUnits = 8.5, kBaseline = 25;
    constexpr double kRoom = 42;
    constexpr int kDrawnPixels = 100;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(kDrawnPixels);
    QPainterPath path;
    path.addText(0, 0, font, word);
    const double sx = size.width() / kViewWidth;
    const double sy = size.height() / kViewHeight;
    const double grow = kFontUnits / kDrawnPixels;
    const double width = path.boundingRect().width() * grow;
    const double narrow = width > kRoom ? kRoom / width : 1.0;
    QTransform place;
    place.translate(kViewWidth / 2 * sx, kBaseline * sy);
    place.scale(grow * narrow * sx, grow * sy);
    place.translate(-path.boundingRect().center().x(), 0);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(place.map(path), QColor(0x1d, 0x2b, 0x3a));
}

QPixmap Render(QSvgRenderer& renderer, QSize size, const QString& word = {}) {
    qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    if (!word.isEmpty()) DrawWord(painter, size * ratio, word);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QPixmap Render(const QString& resource, QSize size) {
    QSvgRenderer renderer(resource);
    return Render(renderer, size);
}

// The toolbar images carry their word; these are translated (the meter's
// own words, SOFT, ICON, LOGO, PATCH, TP and LNB, stay).
constexpr const char* kToolbarWords[] = {
    QT_TRANSLATE_NOOP("Toolbar", "Open"),  QT_TRANSLATE_NOOP("Toolbar", "Save"),
    QT_TRANSLATE_NOOP("Toolbar", "Stop"),  QT_TRANSLATE_NOOP("Toolbar", "Read"),
    QT_TRANSLATE_NOOP("Toolbar", "Write"),
};

const char* const kTreeImages[kTreeImageCount] = {
    ":/resources/tree_dish.svg",
    ":/resources/tree_satellite.svg",
    ":/resources/tree_transponder.svg",
    ":/resources/tree_lnb.svg",
    ":/resources/tree_satellite_selected.svg",
};

}  // namespace

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(Render(QStringLiteral(":/resources/velmora.svg"), {size, size}));
    return icon;
}

QPixmap TreeImage(int index) {
    if (index < 0 || index >= kTreeImageCount) return {};
    return Render(QString::fromLatin1(kTreeImages[index]), {16, 16});
}

QIcon TreeItemIcon() {
    QIcon icon;
    icon.addPixmap(TreeImage(kTreeItemImage), QIcon::Normal);
    icon.addPixmap(TreeImage(kTreeSelectedImage), QIcon::Selected);
    return icon;
}

QIcon ToolbarIcon(const char* name) {
    if (name == nullptr) return {};
    QString resource = QStringLiteral(":/resources/tb_%1.svg").arg(QLatin1String(name));
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QByteArray svg = file.readAll();
    qsizetype begin = 0, end = 0;
    const QString english = ImageWord(svg, begin, end);
    if (!english.isEmpty()) svg.remove(begin, end - begin);
    QString word = english;
    for (const char* translated : kToolbarWords) {
        if (english == QLatin1String(translated))
            word = QCoreApplication::translate("Toolbar", translated);
    }
    QSvgRenderer renderer(svg);
    return QIcon(Render(renderer, kToolbarImageSize, word));
}

}  // namespace velmora
