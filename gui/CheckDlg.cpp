#include "gui/CheckDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "gui/CoreText.h"

namespace velmora {

CheckDlg::CheckDlg(std::vector<TableFinding> findings,
                     std::function<void(const TableFinding&)> select, QWidget* parent)
    : QDialog(parent), findings_(std::move(findings)) {
    setWindowTitle(tr("Check table"));
    auto* layout = new QVBoxLayout(this);
    QString count = findings_.empty()
                        ? tr("Nothing looks wrong with the table.")
                        : tr("%n finding(s); click one to select its row.", nullptr,
                             static_cast<int>(findings_.size()));
    layout->addWidget(new QLabel(count, this));
    list_ = new QListWidget(this);
    for (const TableFinding& f : findings_) list_->addItem(CoreText(f.text));
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
