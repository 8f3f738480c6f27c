// File > Add satellites from the catalog...: the scan tables installed on
// the machine (position, name, transponders, east to west) with a find field
// and check boxes, the LNBs of new satellites, a preview of what the merge of
// the ticked ones changes, and OK merging them all as one step. A scan table
// goes into the nearest table satellite of its band within 1.0 degree.
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "gui/NewSatelliteLnbs.h"
#include "session/SessionImport.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmora {

class Session;

class CatalogDlg : public QDialog {
    Q_OBJECT
public:
    CatalogDlg(Session& session, std::vector<CatalogEntry> entries, QWidget* parent = nullptr);

    // The ticked scan tables as one list, in catalog order; what OK merges.
    const SourceList& TickedList() const { return ticked_; }
    // How OK merges it: the LNBs chosen, the satellites nearby matched.
    MergeOptions Options() const;

    QTreeWidget* EntryList() const { return list_; }
    QTreeWidgetItem* EntryRow(int i) const { return rows_[static_cast<std::size_t>(i)]; }
    QLineEdit* FindField() const { return find_; }
    QComboBox* LnbList(Band band) const { return lnbs_.List(band); }
    QLabel* PreviewLine() const { return preview_; }
    QPlainTextEdit* ChangesPane() const { return changes_; }
    QPushButton* OkButton() const { return ok_; }

private:
    void ShowMatching(const QString& text);
    void UpdatePreview();

    Session& session_;
    std::vector<CatalogEntry> entries_;
    // Each scan table is read once, when first ticked.
    std::vector<std::optional<SourceSatellite>> read_;
    SourceList ticked_;
    QLineEdit* find_;
    QTreeWidget* list_;
    std::vector<QTreeWidgetItem*> rows_;
    NewSatelliteLnbs lnbs_;
    QLabel* preview_;
    QPlainTextEdit* changes_;
    QPushButton* ok_;
};

// The menu command: the catalog, or a message saying how to install it.
void RunCatalogCommand(QWidget* parent, Session& session);

}  // namespace velmora
