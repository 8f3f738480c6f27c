#include "gui/UnitRecordsDlg.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace velmora {

namespace {

enum Column { kTime, kBench, kPort, kUid, kFirmware, kResult, kReason, kColumns };

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

UnitRecordsDlg::UnitRecordsDlg(const Session& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setWindowTitle(tr("Unit records"));
    auto* layout = new QVBoxLayout(this);
    auto* filters = new QGridLayout;
    uid_ = new QLineEdit(this);
    since_ = new QLineEdit(this);
    until_ = new QLineEdit(this);
    // The database keeps UTC days and times.
    for (QLineEdit* day : {since_, until_}) day->setPlaceholderText(QStringLiteral("2026-12-09"));
    auto* find = new QPushButton(tr("Find"), this);
    filters->addWidget(new QLabel(tr("Unique ID:"), this), 0, 0);
    filters->addWidget(uid_, 0, 1, 1, 3);
    filters->addWidget(new QLabel(tr("From (UTC):"), this), 1, 0);
    filters->addWidget(since_, 1, 1);
    filters->addWidget(new QLabel(tr("To (UTC):"), this), 1, 2);
    filters->addWidget(until_, 1, 3);
    filters->addWidget(find, 1, 4);
    layout->addLayout(filters);
    table_ = new QTableWidget(0, kColumns, this);
    table_->setHorizontalHeaderLabels({tr("Time"), tr("Bench"), tr("Port"), tr("Unique ID"),
                                       tr("Firmware"), tr("Result"), tr("Reason")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->hide();
    table_->setMinimumSize(760, 320);
    layout->addWidget(table_);
    report_ = new QLabel(this);
    report_->setWordWrap(true);
    layout->addWidget(report_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(find, &QPushButton::clicked, this, &UnitRecordsDlg::Refresh);
    for (QLineEdit* field : {uid_, since_, until_})
        connect(field, &QLineEdit::returnPressed, this, &UnitRecordsDlg::Refresh);
    find->setDefault(true);
    Refresh();
}

void UnitRecordsDlg::Refresh() {
    records::UnitFilter filter;
    filter.uid = uid_->text().trimmed().toStdString();
    filter.since = since_->text().trimmed().toStdString();
    filter.until = until_->text().trimmed().toStdString();
    std::vector<records::UnitRecord> found;
    std::string error;
    bool badDay = false;
    for (const std::string* bound : {&filter.since, &filter.until})
        badDay = badDay || (!bound->empty() && !records::TimeBoundError(*bound).empty());
    if (badDay) {
        error = tr("Write a day as 2026-12-09, a time as 2026-12-09T08:00:00Z.").toStdString();
    } else {
        session_.FindUnitRecords(filter, found, &error);
    }
    // Sorting while rows go in would scatter each row's cells.
    table_->setSortingEnabled(false);
    table_->setRowCount(static_cast<int>(found.size()));
    int passed = 0;
    for (int row = 0; row < static_cast<int>(found.size()); ++row) {
        const records::UnitRecord& r = found[static_cast<std::size_t>(row)];
        passed += r.ok;
        const QString cells[kColumns] = {
            Text(r.time),   Text(r.bench),        Text(r.port),
            Text(r.uid),    Text(r.firmwareName), r.ok ? tr("passed") : tr("failed"),
            Text(r.reason)};
        for (int column = 0; column < kColumns; ++column)
            table_->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    table_->setSortingEnabled(true);
    table_->resizeColumnsToContents();
    const int serviced = static_cast<int>(found.size());
    report_->setText(!error.empty() ? Text(error)
                     : tr("%1 serviced, %2 passed, %3 failed; records in %4")
                           .arg(serviced)
                           .arg(passed)
                           .arg(serviced - passed)
                           .arg(QFile::decodeName(Session::UnitRecordsPath().c_str())));
}

}  // namespace velmora
