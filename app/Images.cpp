#include "app/Images.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

#include "ui/Commands.h"

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

struct ToolbarImage {
    int commandId;
    const char* resource;
};

constexpr ToolbarImage kToolbarImages[] = {
    {ID_FILE_OPEN, ":/resources/tb_open.svg"},
    {ID_FILE_SAVE, ":/resources/tb_save.svg"},
    {ID_STOP, ":/resources/tb_stop.svg"},
    {ID_READ, ":/resources/tb_read.svg"},
    {ID_WRITE, ":/resources/tb_write.svg"},
    {ID_DISPLAY_TPS, ":/resources/tb_tps.svg"},
    {ID_DISPLAY_LNB, ":/resources/tb_lnb.svg"},
    {ID_SOFT_UPGRADE, ":/resources/tb_soft.svg"},
    {ID_WRITE_ICON, ":/resources/tb_write_icon.svg"},
    {ID_WRITE_LOGO, ":/resources/tb_write_logo.svg"},
    {ID_PATCH_UP, ":/resources/tb_patch_up.svg"},
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

QIcon ToolbarIcon(int commandId) {
    for (const ToolbarImage& image : kToolbarImages) {
        if (image.commandId == commandId) {
            return QIcon(Render(QString::fromLatin1(image.resource), kToolbarImageSize));
        }
    }
    return {};
}

}  // namespace velmora
