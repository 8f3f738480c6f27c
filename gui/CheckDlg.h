// "Check table": the findings of the table check in a list; a click on one
// selects the row it is about in the main window.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "core/TableCheck.h"

class QListWidget;

namespace velmora {

class CheckDlg : public QDialog {
    Q_OBJECT
public:
    // select is called with the finding whose line the user clicked.
    CheckDlg(std::vector<TableFinding> findings, std::function<void(const TableFinding&)> select,
              QWidget* parent = nullptr);

    QListWidget* Findings() const { return list_; }

private:
    std::vector<TableFinding> findings_;
    QListWidget* list_;
};

}  // namespace velmora
