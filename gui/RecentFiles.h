// The last table files opened or saved, newest first, kept in the settings
// and shown as a submenu whose entries open them again.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QMenu;

namespace velmora {

class RecentFiles {
public:
    static constexpr int kMaxFiles = 8;

    // Fills menu; choosing an entry calls open with its path.
    RecentFiles(QMenu* menu, std::function<void(const QString&)> open);

    QStringList Files() const;
    // Puts an existing file first (absolute path); anything else is ignored.
    void Remember(const QString& path);

private:
    void FillMenu();

    QMenu* menu_;
    std::function<void(const QString&)> open_;
};

}  // namespace velmora
