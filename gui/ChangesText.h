#pragma once

// What an import would change, satellite by satellite, in the window's
// language: the same lines as `velmora-cli import --dry-run` prints in
// English, with the words around the values translated.

#include <QString>

class QBoxLayout;
class QLabel;
class QPlainTextEdit;
class QWidget;
#include <vector>

#include "session/SessionImport.h"

namespace velmora {

QString ChangesText(const std::vector<SatelliteChanges>& satellites);

// The merge's one-sentence summary of its counts.
QString MergeSummaryText(const MergeCounts& counts);

// The import and catalog dialogs' preview: the summary line over a read-only
// list of the changes, refreshed together.
struct ChangesPanes {
    QLabel* summary = nullptr;
    QPlainTextEdit* changes = nullptr;
};
ChangesPanes AddChangesPanes(QBoxLayout* layout, QWidget* parent, const QString& placeholder);
void ShowChanges(const ChangesPanes& panes, const MergeChanges& changes);

}  // namespace velmora
