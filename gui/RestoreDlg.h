// Meter > Restore a backup...: the backups of the table's folder, newest
// first with the time each was taken; the chosen one is written to the meter.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "session/Session.h"

class QPushButton;
class QTreeWidget;

namespace velmora {

class RestoreDlg : public QDialog {
    Q_OBJECT
public:
    RestoreDlg(const std::vector<BackupFile>& backups, const std::string& folder,
               QWidget* parent = nullptr);

    QTreeWidget* List() const { return list_; }
    QPushButton* WriteButton() const { return write_; }
    // The row chosen, in the order given; -1 for none.
    int Chosen() const;

private:
    QTreeWidget* list_;
    QPushButton* write_;
};

}  // namespace velmora
