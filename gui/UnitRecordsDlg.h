// Meter > Unit records...: the records of the meters this bench serviced,
// from its own database, filtered by unique ID and day, sortable by any
// column, with their counts below them; and on a second page the lines of a
// production line's report file, one per meter.
#pragma once

#include <QDialog>
#include <vector>

#include "session/Session.h"

class QLabel;
class QLineEdit;
class QTabWidget;
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
    QTabWidget* Pages() const { return pages_; }
    QTableWidget* ReportTable() const { return reportTable_; }
    QLabel* ReportSummary() const { return reportSummary_; }
    // Lists the records the fields ask for (the Find button).
    void Refresh();
    // Shows the lines of a report file on the report page, or says why it
    // cannot (the Open a report... button after its file dialog).
    void OpenReport(const QString& path);

private:
    QWidget* RecordsPage();
    QWidget* ReportPage();

    const Session& session_;
    QTabWidget* pages_;
    QLineEdit* uid_ = nullptr;
    QLineEdit* since_ = nullptr;
    QLineEdit* until_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* report_ = nullptr;
    QTableWidget* reportTable_ = nullptr;
    QLabel* reportSummary_ = nullptr;
};

}  // namespace velmora
