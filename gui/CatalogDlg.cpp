#include "gui/CatalogDlg.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "gui/ChangesText.h"
#include "gui/CoreText.h"
#include "gui/DisplayText.h"
#include "gui/Modal.h"
#include "core/MessageText.h"
#include "session/Commands.h"
#include "session/Session.h"

namespace velmora {

namespace {

enum Column { kPositionColumn, kNameColumn, kCountColumn };

}  // namespace

CatalogDlg::CatalogDlg(Session& session, std::vector<CatalogEntry> entries, QWidget* parent)
    : QDialog(parent), session_(session), entries_(std::move(entries)), read_(entries_.size()) {
    setWindowTitle(tr("Add satellites from the catalog"));
    auto* layout = new QVBoxLayout(this);

    find_ = new QLineEdit(this);
    find_->setPlaceholderText(tr("Find a satellite by name or position"));
    find_->setClearButtonEnabled(true);
    layout->addWidget(find_);

    list_ = new QTreeWidget(this);
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({tr("Position"), tr("Name"), tr("TPs")});
    // The entries come east to west, the order the import dialog shows.
    for (const CatalogEntry& e : entries_) {
        auto* item = new QTreeWidgetItem(list_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(kPositionColumn, Qt::Unchecked);
        item->setText(kPositionColumn, DisplayText(e.positionText));
        item->setText(kNameColumn, DisplayText(e.name));
        item->setText(kCountColumn, QString::number(e.transponders));
        item->setTextAlignment(kCountColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setToolTip(kNameColumn, DisplayText(e.path));
        rows_.push_back(item);
    }
    // The name takes the width the position and the count leave.
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->header()->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
    list_->setMinimumSize(480, 300);
    layout->addWidget(list_);

    auto* settings = new QGridLayout;
    lnbs_ = AddNewSatelliteLnbs(settings, this, session.Database(), [this] { UpdatePreview(); });
    layout->addLayout(settings);

    const ChangesPanes panes = AddChangesPanes(layout, this, tr("Tick the satellites to add."));
    preview_ = panes.summary;
    changes_ = panes.changes;

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(find_, &QLineEdit::textChanged, this, [this](const QString& t) { ShowMatching(t); });
    connect(list_, &QTreeWidget::itemChanged, this, [this] { UpdatePreview(); });
    UpdatePreview();
}

MergeOptions CatalogDlg::Options() const {
    MergeOptions options;
    // Without a choice per satellite, a scan table meets the table's own
    // satellite of a cluster ("Thor 0.8W" and "1.0W Thor") as the import's
    // choice of target does.
    options.matchNearby = true;
    lnbs_.ApplyTo(options);
    return options;
}

void CatalogDlg::ShowMatching(const QString& text) {
    const QString wanted = text.trimmed();
    for (QTreeWidgetItem* row : rows_) {
        bool shown = wanted.isEmpty() ||
                     row->text(kNameColumn).contains(wanted, Qt::CaseInsensitive) ||
                     row->text(kPositionColumn).contains(wanted, Qt::CaseInsensitive);
        row->setHidden(!shown);
    }
}

void CatalogDlg::UpdatePreview() {
    ticked_ = SourceList{ListFormat::Dvbv5, {}};
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i]->checkState(kPositionColumn) != Qt::Checked) continue;
        if (!read_[i]) {
            SourceList one;
            ListError error;
            // The file may have gone or changed since the catalog was listed.
            if (!ReadCatalogEntries({entries_[i].path}, one, error) || one.satellites.empty()) {
                preview_->setText(CoreText(ErrorText(error)));
                changes_->clear();
                ok_->setEnabled(false);
                return;
            }
            read_[i] = std::move(one.satellites.front());
        }
        ticked_.satellites.push_back(*read_[i]);
    }
    MergeChanges changes = session_.PreviewImportChanges(ticked_, Options());
    ShowChanges({preview_, changes_}, changes);
    // Ticked tables whose transponders are all there already change nothing.
    changes_->setPlaceholderText(
        ticked_.satellites.empty()
            ? tr("Tick the satellites to add.")
            : QCoreApplication::translate("velmora::ImportDlg", "Nothing in the table changes."));
    ok_->setEnabled(!ticked_.satellites.empty());
}

void RunCatalogCommand(QWidget* parent, Session& session) {
    if (!session.IsEnabled(CommandId::FileCatalog)) return;
    std::vector<CatalogEntry> entries;
    std::string whyNot;
    if (!session.ListCatalog(entries, whyNot)) {
        modal::Notice(parent, CoreText(EscapeControls(whyNot)));
        return;
    }
    CatalogDlg dialog(session, std::move(entries), parent);
    if (modal::Run(dialog) != QDialog::Accepted || dialog.TickedList().satellites.empty()) return;
    // All ticked satellites in one merge: one step of the history.
    session.ApplyImport(dialog.TickedList(), dialog.Options());
}

}  // namespace velmora
