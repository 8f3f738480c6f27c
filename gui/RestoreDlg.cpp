#include "gui/RestoreDlg.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "gui/DisplayText.h"

namespace velmora {

RestoreDlg::RestoreDlg(const std::vector<BackupFile>& backups, const std::string& folder,
                       QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Restore a backup"));
    auto* intro = new QLabel(
        tr("The backups in %1, newest first. The one you choose replaces the meter's table; "
           "the document stays as it is.")
            .arg(ShownLeftToRight(QFile::decodeName(folder.c_str()))),
        this);
    intro->setWordWrap(true);
    list_ = new QTreeWidget(this);
    list_->setHeaderLabels({tr("Taken"), tr("File")});
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const BackupFile& b : backups) {
        list_->addTopLevelItem(new QTreeWidgetItem(
            {QString::fromStdString(b.taken),
             ShownLeftToRight(QFileInfo(QFile::decodeName(b.path.c_str())).fileName())}));
    }
    list_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    if (list_->topLevelItemCount() > 0) list_->setCurrentItem(list_->topLevelItem(0));
    write_ = new QPushButton(tr("Write to the meter"), this);
    write_->setDefault(true);
    write_->setEnabled(list_->currentItem() != nullptr);
    auto* close = new QPushButton(tr("Close"), this);
    connect(list_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { write_->setEnabled(item != nullptr); });
    connect(list_, &QTreeWidget::itemActivated, this, &QDialog::accept);
    connect(write_, &QPushButton::clicked, this, &QDialog::accept);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(write_);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    resize(520, 320);
}

int RestoreDlg::Chosen() const {
    QTreeWidgetItem* item = list_->currentItem();
    return item == nullptr ? -1 : list_->indexOfTopLevelItem(item);
}

}  // namespace velmora
