// File > Import transponders... and Export satellites.xml...: the import
// dialog lists the source's satellites with check boxes, the LNBs for new
// satellites, add or replace, and a live preview of what OK will do.
#pragma once

#include <QDialog>

#include "ui/SessionImport.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QWidget;

namespace velmora {

class Session;

class CImportDlg : public QDialog {
    Q_OBJECT
public:
    CImportDlg(Session& session, const SourceList& list, const QString& fileName,
               QWidget* parent = nullptr);

    MergeOptions Options() const;

    QTreeWidget* SatelliteList() const { return satellites_; }
    QPushButton* SelectAllButton() const { return selectAll_; }
    QPushButton* SelectNoneButton() const { return selectNone_; }
    QComboBox* KuLnbList() const { return kuLnb_; }
    QComboBox* CBandLnbList() const { return cBandLnb_; }
    QRadioButton* ReplaceButton() const { return replace_; }
    QLabel* PreviewLine() const { return preview_; }

private:
    void SetAllChecked(bool checked);
    void UpdatePreview();

    Session& session_;
    const SourceList& list_;
    QTreeWidget* satellites_;
    QPushButton* selectAll_;
    QPushButton* selectNone_;
    QComboBox* kuLnb_;
    QComboBox* cBandLnb_;
    QRadioButton* add_;
    QRadioButton* replace_;
    QLabel* preview_;
    QPushButton* ok_;
};

// The two File menu commands: file dialog, reading, the import dialog and
// the merge; or the save dialog and the export. Errors go to a message box.
void RunImportCommand(QWidget* parent, Session& session);
// The import of a list file already chosen (one dropped on the window).
void ImportListFile(QWidget* parent, Session& session, const QString& path);
void RunExportCommand(QWidget* parent, Session& session);

}  // namespace velmora
