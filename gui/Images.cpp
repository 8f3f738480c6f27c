#include "gui/Images.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace velmora {

namespace {

QPixmap Render(QSvgRenderer& renderer, QSize size) {
    qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
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

// Puts the translated word into the image, smaller when it is longer.
QByteArray TranslateWord(QByteArray svg) {
    for (const char* word : kToolbarWords) {
        const QByteArray english = QByteArray(">") + word + "</text>";
        if (!svg.contains(english)) continue;
        const QString shown = QCoreApplication::translate("Toolbar", word);
        const QByteArray escaped = shown.toHtmlEscaped().toUtf8();
        svg.replace(english, ">" + escaped + "</text>");
        constexpr qsizetype kFits = 7;
        if (shown.size() > kFits) {
            const double size = 8.5 * kFits / static_cast<double>(shown.size());
            svg.replace("font-size=\"8.5\"",
                        "font-size=\"" + QByteArray::number(size, 'f', 1) + "\"");
        }
    }
    return svg;
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
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QSvgRenderer renderer(TranslateWord(file.readAll()));
    return QIcon(Render(renderer, kToolbarImageSize));
}

}  // namespace velmora
