#include "gui/RecentFiles.h"

#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace velmora {

namespace {

constexpr const char* kRecentKey = "recentFiles";

}  // namespace

RecentFiles::RecentFiles(QMenu* menu, std::function<void(const QString&)> open)
    : menu_(menu), open_(std::move(open)) {
    FillMenu();
}

QStringList RecentFiles::Files() const {
    return QSettings().value(QLatin1String(kRecentKey)).toStringList();
}

void RecentFiles::Remember(const QString& path) {
    QFileInfo info(path);
    if (path.isEmpty() || !info.isFile()) return;
    QStringList files = Files();
    QString absolute = info.absoluteFilePath();
    files.removeAll(absolute);
    files.prepend(absolute);
    while (files.size() > kMaxFiles) files.removeLast();
    QSettings().setValue(QLatin1String(kRecentKey), files);
    FillMenu();
}

void RecentFiles::FillMenu() {
    menu_->clear();
    const QStringList files = Files();
    int n = 0;
    for (const QString& path : files) {
        QAction* action = menu_->addAction(QStringLiteral("&%1 %2").arg(++n).arg(path));
        QObject::connect(action, &QAction::triggered, menu_, [this, path] { open_(path); });
    }
    menu_->setEnabled(!files.isEmpty());
}

}  // namespace velmora
