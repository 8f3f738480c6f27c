// The differences between the document's tables and the meter's: one line
// each, the counts, and the choice to take the meter's table or to write the
// document's to the meter.
#pragma once

#include <QDialog>

#include "core/TableCompare.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace velmora {

class CompareDlg : public QDialog {
    Q_OBJECT
public:
    // exec() result of "Take the meter's table"; Close rejects.
    static constexpr int TakeMeterTable = QDialog::Accepted;
    // exec() result of "Write to the meter".
    static constexpr int WriteToMeter = QDialog::Accepted + 1;

    CompareDlg(const TableComparison& comparison, QWidget* parent = nullptr);

    QListWidget* Lines() const { return lines_; }
    QLabel* Summary() const { return summary_; }
    QPushButton* TakeButton() const { return take_; }
    QPushButton* WriteButton() const { return write_; }
    QPushButton* CloseButton() const { return close_; }

private:
    QListWidget* lines_;
    QLabel* summary_;
    QPushButton* take_;
    QPushButton* write_;
    QPushButton* close_;
};

}  // namespace velmora
