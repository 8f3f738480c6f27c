#include "gui/UnitRecordsDlg.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/Modal.h"

namespace velmora {

namespace {

enum Column { kTime, kBench, kPort, kUid, kFirmware, kResult, kReason, kColumns };
enum ReportColumn { kStart, kLinePort, kMeter, kLineUid, kSteps, kLineResult, kText, kLineColumns };

// The widest each column but the last starts, in characters of the table's
// font; what is longer shows whole in its tooltip.
constexpr int kRecordWidths[kColumns - 1] = {20, 12, 13, 24, 20, 7};
constexpr int kReportWidths[kLineColumns - 1] = {25, 13, 5, 24, 22, 7};
// Room the last column (the reason, the batch's text) starts with.
constexpr int kLastColumnChars = 28;

QString Text(const std::string& text) { return QString::fromStdString(text); }

QTableWidget* NewTable(QWidget* parent, const QStringList& headers) {
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(false);
    table->setTextElideMode(Qt::ElideRight);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->hide();
    return table;
}

// The columns at their default widths (as wide as the widest cell or the
// header, at most the column's cap) and the table wide enough to show them
// all with the last one's room: the dialog opens with every column in view.
template <std::size_t N>
void FitColumns(QTableWidget* table, const int (&caps)[N]) {
    const QFontMetrics metrics(table->font());
    const int chars = metrics.horizontalAdvance(QLatin1Char('0'));
    const int padding = 2 * metrics.horizontalAdvance(QLatin1Char(' ')) + 8;
    int total = 0;
    for (int column = 0; column < static_cast<int>(N); ++column) {
        table->resizeColumnToContents(column);
        const int cap = caps[column] * chars + padding;
        const int header = table->horizontalHeader()->sectionSizeHint(column);
        const int width = std::max(header, std::min(table->columnWidth(column), cap));
        table->setColumnWidth(column, width);
        total += std::max(header, cap);
    }
    total += kLastColumnChars * chars + padding;
    table->setMinimumWidth(total + table->verticalScrollBar()->sizeHint().width() +
                           2 * table->frameWidth());
}

// A row of cells, each with its whole text as tooltip (a cut one shows it).
void SetRow(QTableWidget* table, int row, const QStringList& cells) {
    for (int column = 0; column < static_cast<int>(cells.size()); ++column) {
        auto* item = new QTableWidgetItem(cells[column]);
        if (!cells[column].isEmpty()) item->setToolTip(cells[column]);
        table->setItem(row, column, item);
    }
}

}  // namespace

UnitRecordsDlg::UnitRecordsDlg(const Session& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setWindowTitle(tr("Unit records"));
    auto* layout = new QVBoxLayout(this);
    pages_ = new QTabWidget(this);
    pages_->addTab(RecordsPage(), tr("Records"));
    pages_->addTab(ReportPage(), tr("Production report"));
    layout->addWidget(pages_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Refresh();
    OpenReport({});
}

QWidget* UnitRecordsDlg::RecordsPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* filters = new QGridLayout;
    uid_ = new QLineEdit(page);
    since_ = new QLineEdit(page);
    until_ = new QLineEdit(page);
    // The database keeps UTC days and times.
    for (QLineEdit* day : {since_, until_}) day->setPlaceholderText(QStringLiteral("2026-12-09"));
    auto* find = new QPushButton(tr("Find"), page);
    filters->addWidget(new QLabel(tr("Unique ID:"), page), 0, 0);
    filters->addWidget(uid_, 0, 1, 1, 3);
    filters->addWidget(new QLabel(tr("From (UTC):"), page), 1, 0);
    filters->addWidget(since_, 1, 1);
    filters->addWidget(new QLabel(tr("To (UTC):"), page), 1, 2);
    filters->addWidget(until_, 1, 3);
    filters->addWidget(find, 1, 4);
    layout->addLayout(filters);
    table_ = NewTable(page, {tr("Time"), tr("Bench"), tr("Port"), tr("Unique ID"), tr("Firmware"),
                             tr("Result"), tr("Reason")});
    table_->setMinimumHeight(320);
    layout->addWidget(table_);
    report_ = new QLabel(page);
    report_->setWordWrap(true);
    layout->addWidget(report_);
    connect(find, &QPushButton::clicked, this, &UnitRecordsDlg::Refresh);
    for (QLineEdit* field : {uid_, since_, until_})
        connect(field, &QLineEdit::returnPressed, this, &UnitRecordsDlg::Refresh);
    find->setDefault(true);
    return page;
}

QWidget* UnitRecordsDlg::ReportPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    auto* open = new QPushButton(tr("Open a report..."), page);
    reportSummary_ = new QLabel(page);
    reportSummary_->setWordWrap(true);
    top->addWidget(open);
    top->addWidget(reportSummary_, 1);
    layout->addLayout(top);
    reportTable_ = NewTable(page, {tr("Start"), tr("Port"), tr("Meter"), tr("Unique ID"),
                                   tr("Steps"), tr("Result"), tr("Report")});
    layout->addWidget(reportTable_);
    connect(open, &QPushButton::clicked, this, [this] {
        const std::optional<QString> path = modal::OpenFileName(
            this, tr("Open a report"),
            tr("Production reports (*.jsonl *.json *.txt);;All Files (*)"));
        if (path) OpenReport(*path);
    });
    return page;
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
        SetRow(table_, row,
               {Text(r.time), Text(r.bench), Text(r.port), Text(r.uid), Text(r.firmwareName),
                r.ok ? tr("passed") : tr("failed"), Text(r.reason)});
    }
    table_->setSortingEnabled(true);
    FitColumns(table_, kRecordWidths);
    const int serviced = static_cast<int>(found.size());
    report_->setText(!error.empty() ? Text(error)
                     : tr("%1 serviced, %2 passed, %3 failed; records in %4")
                           .arg(serviced)
                           .arg(passed)
                           .arg(serviced - passed)
                           .arg(QFile::decodeName(Session::UnitRecordsPath().c_str())));
}

void UnitRecordsDlg::OpenReport(const QString& path) {
    std::vector<ReportLine> lines;
    int badLine = 0;
    const bool read =
        !path.isEmpty() && Session::ReadProductionReport(QFile::encodeName(path).toStdString(),
                                                         lines, badLine);
    reportTable_->setSortingEnabled(false);
    reportTable_->setRowCount(static_cast<int>(lines.size()));
    int passed = 0;
    for (int row = 0; row < static_cast<int>(lines.size()); ++row) {
        const ReportLine& r = lines[static_cast<std::size_t>(row)];
        passed += r.ok;
        SetRow(reportTable_, row,
               {Text(r.start), Text(r.port), QString::number(r.meter), Text(r.uid), Text(r.steps),
                r.ok ? tr("passed") : tr("failed"), Text(r.result)});
    }
    reportTable_->setSortingEnabled(true);
    FitColumns(reportTable_, kReportWidths);
    const QString name = QFileInfo(path).fileName();
    if (path.isEmpty()) {
        reportSummary_->setText(
            tr("The production line writes one line per meter into the file of --report."));
    } else if (!read && badLine == 0) {
        reportSummary_->setText(tr("%1 cannot be read.").arg(path));
    } else if (!read) {
        reportSummary_->setText(
            tr("%1, line %2, is not a line of a production report.").arg(name).arg(badLine));
    } else {
        const int meters = static_cast<int>(lines.size());
        reportSummary_->setText(tr("%1: %2 meters, %3 passed, %4 failed")
                                    .arg(name)
                                    .arg(meters)
                                    .arg(passed)
                                    .arg(meters - passed));
    }
}

}  // namespace velmora
