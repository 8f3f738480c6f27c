// The satellite tree of the form: "All Satellites" with one item per
// satellite. A click chooses what the list shows; a double click on a
// satellite asks for its edit.
#pragma once

#include <QIcon>
#include <QObject>

class QTreeWidget;
class QTreeWidgetItem;

namespace velmora {

class Session;

class SatelliteTree : public QObject {
    Q_OBJECT
public:
    SatelliteTree(QTreeWidget& tree, Session& session, QObject* parent);

    // The "All Satellites" item of the last rebuild.
    QTreeWidgetItem* RootItem() const { return root_; }

    void Rebuild();
    void AppendItem(int satIndex);
    void RefreshItem(int satIndex);
    // Shows the satellite as selected without choosing it for the list.
    void SelectItem(int satIndex);
    // Chooses a satellite (-1: all) as a click would.
    void ChooseAsUser(int satIndex);

signals:
    // The user chose an item; the session shows its transponders.
    void chosen();
    void editRequested();

private:
    void OnSelection(QTreeWidgetItem* current);
    QString ShownLabel(int satIndex) const;
    QTreeWidgetItem* NewItem(int satIndex) const;

    QTreeWidget& tree_;
    Session& session_;
    QTreeWidgetItem* root_ = nullptr;
    // Set while the tree is rebuilt: its selection signals are not user choices.
    bool rebuilding_ = false;
    QIcon icon_;
};

}  // namespace velmora
