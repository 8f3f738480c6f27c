#include "gui/SatelliteTree.h"

#include <QTreeWidget>
#include <algorithm>

#include "gui/DisplayText.h"
#include "gui/Images.h"
#include "session/Session.h"

namespace velmora {

SatelliteTree::SatelliteTree(QTreeWidget& tree, Session& session, QObject* parent)
    : QObject(parent), tree_(tree), session_(session), icon_(TreeItemIcon()) {
    connect(&tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) { OnSelection(current); });
    // A double click on a satellite edits it.
    connect(&tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item, int) {
        if (item != nullptr && item->parent() != nullptr) emit editRequested();
    });
}

QString SatelliteTree::ShownLabel(int satIndex) const {
    return ShownLeftToRight(DisplayText(SatelliteLabel(session_.Database(), satIndex)));
}

QTreeWidgetItem* SatelliteTree::NewItem(int satIndex) const {
    auto* item = new QTreeWidgetItem(QStringList(ShownLabel(satIndex)));
    item->setIcon(0, icon_);
    return item;
}

void SatelliteTree::Rebuild() {
    rebuilding_ = true;
    const SatTpDatabase& db = session_.Database();
    // The tree opens expanded; a rebuild keeps it opened or closed as the
    // user left it.
    bool expanded = root_ == nullptr || root_->isExpanded();
    tree_.clear();
    root_ = new QTreeWidgetItem(QStringList(tr("All Satellites")));
    root_->setIcon(0, icon_);
    QList<QTreeWidgetItem*> children;
    children.reserve(std::max(0, db.satCount));
    for (int i = 0; i < db.satCount && i < MAX_SATELLITES; ++i) children << NewItem(i);
    root_->addChildren(children);
    tree_.addTopLevelItem(root_);
    root_->setExpanded(expanded);
    tree_.setCurrentItem(root_);
    rebuilding_ = false;
}

void SatelliteTree::SelectItem(int satIndex) {
    if (root_ == nullptr || satIndex < 0 || satIndex >= root_->childCount()) return;
    rebuilding_ = true;
    tree_.setCurrentItem(root_->child(satIndex));
    rebuilding_ = false;
}

void SatelliteTree::AppendItem(int satIndex) {
    if (root_ != nullptr) root_->addChild(NewItem(satIndex));
}

void SatelliteTree::RefreshItem(int satIndex) {
    if (root_ == nullptr || satIndex < 0 || satIndex >= root_->childCount()) return;
    root_->child(satIndex)->setText(0, ShownLabel(satIndex));
}

void SatelliteTree::ChooseAsUser(int satIndex) {
    if (root_ == nullptr) return;
    QTreeWidgetItem* item =
        satIndex >= 0 && satIndex < root_->childCount() ? root_->child(satIndex) : root_;
    if (tree_.currentItem() == item) {
        OnSelection(item);
    } else {
        tree_.setCurrentItem(item);
    }
    tree_.scrollToItem(item);
}

void SatelliteTree::OnSelection(QTreeWidgetItem* current) {
    if (rebuilding_ || current == nullptr) return;
    QTreeWidgetItem* parent = current->parent();
    if (parent == nullptr) {
        session_.TreeSelectionChanged(true, {});
    } else if (parent->parent() == nullptr) {
        // Items show decoded names, so they are matched against the labels as
        // shown; the session then finds the satellite by its own bytes.
        const SatTpDatabase& db = session_.Database();
        QString text = current->text(0);
        std::string label = text.toStdString();
        for (int i = 0; i < db.satCount && i < MAX_SATELLITES; ++i) {
            if (ShownLabel(i) == text) {
                label = SatelliteLabel(db, i);
                break;
            }
        }
        session_.TreeSelectionChanged(false, label);
    }
    emit chosen();
}

}  // namespace velmora
