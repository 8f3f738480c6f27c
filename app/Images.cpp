#include "app/Images.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace velmora {

namespace {

QPixmap Render(const QString& resource, QSize size) {
    qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

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
    if (!QFile::exists(resource)) return {};
    return QIcon(Render(resource, kToolbarImageSize));
}

}  // namespace velmora
