// Meter > Unit records...: the records of the meters this bench serviced,
// from its own database, filtered by unique ID and day, sortable by any
// column, with the counts of the production line's report below them.
#pragma once

#include <QDialog>
#include <vector>

#include "session/Session.h"

class QLabel;
class QLineEdit;
class QTableWidget;

namespace velmora {

class UnitRecordsDlg : public QDialog {
    Q_OBJECT
public:
    explicit UnitRecordsDlg(const Session& session, QWidget* parent = nullptr);

    QLineEdit* UidField() const { return uid_; }
    QLineEdit* SinceField() const { return since_; }
    QLineEdit* UntilField() const { return until_; }
    QTableWidget* Table() const { return table_; }
    QLabel* Report() const { return report_; }
    // Lists the records the fields ask for (the Find button).
    void Refresh();

private:
    const Session& session_;
    QLineEdit* uid_;
    QLineEdit* since_;
    QLineEdit* until_;
    QTableWidget* table_;
    QLabel* report_;
};

}  // namespace velmora
