// File > Import transponders... and Export satellites.xml...: the import
// dialog lists the source's satellites (east to west, with a find field)
// with check boxes, a name for new ones and the table satellite each band
// goes into; the LNBs for new Ku, C and Ka-band satellites, add or replace, and a live
// preview of what OK will do.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "gui/NewSatelliteLnbs.h"
#include "session/SessionImport.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace velmora {

class MainFrame;

class Session;

class ImportDlg : public QDialog {
    Q_OBJECT
public:
    ImportDlg(Session& session, const SourceList& list, const QString& fileName,
               QWidget* parent = nullptr);

    MergeOptions Options() const;

    QTreeWidget* SatelliteList() const { return satellites_; }
    QLineEdit* FindField() const { return find_; }
    // The row of source satellite i, wherever sorting put it.
    QTreeWidgetItem* SourceRow(int i) const { return rows_[static_cast<std::size_t>(i)]; }
    // The target list of source satellite i's band; null when it has no such band.
    QComboBox* TargetList(int i, Band band) const;
    QPushButton* SelectAllButton() const { return selectAll_; }
    QPushButton* SelectNoneButton() const { return selectNone_; }
    // The LNB list of new satellites of the band.
    QComboBox* LnbList(Band band) const { return lnbs_.List(band); }
    QRadioButton* ReplaceButton() const { return replace_; }
    QLabel* PreviewLine() const { return preview_; }
    // What OK would change, satellite by satellite (the text import --dry-run prints).
    QPlainTextEdit* ChangesPane() const { return changes_; }

private:
    // One target list per band: "new" and the table satellites of the band nearby.
    struct BandTarget {
        int source;
        Band band;
        QComboBox* list;
    };
    void AddRow(int source);
    void AddTargetList(QTreeWidgetItem* item, int source, Band band);
    void SetAllChecked(bool checked);
    void ShowMatching(const QString& text);
    void UpdatePreview();

    Session& session_;
    const SourceList& list_;
    QTreeWidget* satellites_;
    QLineEdit* find_;
    std::vector<QTreeWidgetItem*> rows_;
    std::vector<QString> listedNames_;
    std::vector<BandTarget> targets_;
    QPushButton* selectAll_;
    QPushButton* selectNone_;
    NewSatelliteLnbs lnbs_;
    QRadioButton* add_;
    QRadioButton* replace_;
    QLabel* preview_;
    QPlainTextEdit* changes_;
    QPushButton* ok_;
};

// The two File menu commands: file dialog, reading, the import dialog and
// the merge; or the save dialog and the export. Errors go to a message box.
void RunImportCommand(MainFrame& frame, Session& session);
// The import of a list file already chosen (one dropped on the window).
void ImportListFile(MainFrame& frame, Session& session, const QString& path);
// The same for a file path or an http/https URL (downloaded with the
// progress bar and Stop); a failure is a message box and changes nothing.
void ImportListSource(MainFrame& frame, Session& session, const std::string& source);
void RunExportCommand(QWidget* parent, Session& session);

}  // namespace velmora
