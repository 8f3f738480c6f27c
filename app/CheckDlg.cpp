#include "app/CheckDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace velmora {

CCheckDlg::CCheckDlg(std::vector<TableFinding> findings,
                     std::function<void(const TableFinding&)> select, QWidget* parent)
    : QDialog(parent), findings_(std::move(findings)) {
    setWindowTitle(QStringLiteral("Check table"));
    auto* layout = new QVBoxLayout(this);
    QString count = findings_.empty() ? QStringLiteral("Nothing looks wrong with the table.")
                    : findings_.size() == 1
                        ? QStringLiteral("1 finding; click it to select its row.")
                        : QStringLiteral("%1 findings; click one to select its row.")
                              .arg(findings_.size());
    layout->addWidget(new QLabel(count, this));
    list_ = new QListWidget(this);
    for (const TableFinding& f : findings_) list_->addItem(QString::fromStdString(f.text));
    list_->setMinimumSize(560, 260);
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::currentRowChanged, this, [this, select](int row) {
        if (row >= 0 && row < static_cast<int>(findings_.size()) && select) {
            select(findings_[static_cast<std::size_t>(row)]);
        }
    });
}

}  // namespace velmora
