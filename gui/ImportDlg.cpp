#include "gui/ImportDlg.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "gui/ChangesText.h"
#include "gui/CoreText.h"
#include "gui/DisplayText.h"
#include "gui/MainFrame.h"
#include "gui/Modal.h"
#include "session/Commands.h"
#include "session/Session.h"
#include "session/SessionImport.h"

namespace velmora {

namespace {

constexpr const char* kImportTitle = QT_TRANSLATE_NOOP("ImportDlg", "Import transponders");
constexpr const char* kExportTitle = QT_TRANSLATE_NOOP("ImportDlg", "Export satellites.xml");
// dvbv5 scan tables have no extension, so the filter first offered shows every file.
constexpr const char* kImportFilter =
    QT_TRANSLATE_NOOP("ImportDlg", "All files (*);;Transponder lists (*.xml *.ini)");
constexpr const char* kExportFilter = "satellites.xml (*.xml);;All Files (*)";

enum Column { kPositionColumn, kNameColumn, kCountColumn, kTableColumn };
// The sort key of a row's position, and the source satellite of a row.
constexpr int kOrderRole = Qt::UserRole;
constexpr int kSourceRole = Qt::UserRole + 1;

// East to west from the date line: 180.0E first, 0.0 in the middle, 179.9W last.
int EastToWest(int position) { return position <= 1800 ? -position : 3600 - position; }

const char* BandName(Band band) {
    return band == Band::C    ? QT_TRANSLATE_NOOP("ImportDlg", "C band")
           : band == Band::Ka ? QT_TRANSLATE_NOOP("ImportDlg", "Ka band")
                              : QT_TRANSLATE_NOOP("ImportDlg", "Ku band");
}

// The name without the position the Position column shows; a name that is
// only a position (as .ini lists give it) is what the merge would call it.
QString ListedName(const SourceSatellite& sat) {
    int tenths = 0;
    std::string_view rest = sat.name;
    rest.remove_prefix(LeadingPositionText(rest, tenths));
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
    if (rest.empty()) return DisplayText(TableSatelliteName(sat, Band::Ku));
    return DisplayText(std::string(rest));
}

// Rows sort by position numerically and by the transponder count as a number.
class SatelliteRow : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override {
        int column = treeWidget() != nullptr ? treeWidget()->sortColumn() : 0;
        if (column == kPositionColumn || column == kCountColumn)
            return data(column, kOrderRole).toInt() < other.data(column, kOrderRole).toInt();
        return QTreeWidgetItem::operator<(other);
    }
};

}  // namespace

ImportDlg::ImportDlg(Session& session, const SourceList& list, const QString& fileName,
                       QWidget* parent)
    : QDialog(parent), session_(session), list_(list) {
    setWindowTitle(QCoreApplication::translate("ImportDlg", kImportTitle));
    const SatTpDatabase& db = session.Database();
    auto* layout = new QVBoxLayout(this);
    // A URL is shown whole: its last part alone may say little ("list.php?id=3").
    layout->addWidget(new QLabel(
        IsListUrl(fileName.toStdString()) ? fileName : QFileInfo(fileName).fileName(), this));

    find_ = new QLineEdit(this);
    find_->setPlaceholderText(tr("Find a satellite by name or position"));
    find_->setClearButtonEnabled(true);
    layout->addWidget(find_);

    satellites_ = new QTreeWidget(this);
    satellites_->setRootIsDecorated(false);
    satellites_->setHeaderLabels({tr("Position"), tr("Name"),
                                  //: Column of transponder counts
                                  tr("TPs"), tr("Goes into")});
    satellites_->headerItem()->setToolTip(
        kNameColumn, tr("The name a new satellite gets; double-click to change it"));
    satellites_->headerItem()->setToolTip(
        kTableColumn,
        tr("A new satellite, or a table satellite of the band within 1.0 degree"));
    for (int i = 0; i < static_cast<int>(list.satellites.size()); ++i) AddRow(i);
    // One width for all target lists, so the column reads as one.
    int widest = 0;
    for (const BandTarget& t : targets_) widest = std::max(widest, t.list->sizeHint().width());
    for (const BandTarget& t : targets_) t.list->setMinimumWidth(widest);
    satellites_->expandAll();
    satellites_->setSortingEnabled(true);
    satellites_->sortByColumn(kPositionColumn, Qt::AscendingOrder);
    satellites_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    satellites_->setMinimumSize(640, 300);
    // Only the name is the user's to change; a double-click on it opens the editor.
    satellites_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(satellites_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item, int column) {
                if (column == kNameColumn && item->parent() == nullptr)
                    satellites_->editItem(item, column);
            });
    layout->addWidget(satellites_);

    auto* selection = new QHBoxLayout;
    selectAll_ = new QPushButton(tr("Select all"), this);
    selectNone_ = new QPushButton(tr("Select none"), this);
    selection->addWidget(selectAll_);
    selection->addWidget(selectNone_);
    selection->addStretch();
    layout->addLayout(selection);

    auto* settings = new QGridLayout;
    lnbs_ = AddNewSatelliteLnbs(settings, this, db, [this] { UpdatePreview(); });
    layout->addLayout(settings);

    add_ = new QRadioButton(tr("Add new transponders"), this);
    replace_ = new QRadioButton(
        tr("Replace the transponders of the table satellites they go into"), this);
    add_->setChecked(true);
    layout->addWidget(add_);
    layout->addWidget(replace_);

    const ChangesPanes panes = AddChangesPanes(layout, this, tr("Nothing in the table changes."));
    preview_ = panes.summary;
    changes_ = panes.changes;

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(selectAll_, &QPushButton::clicked, this, [this] { SetAllChecked(true); });
    connect(selectNone_, &QPushButton::clicked, this, [this] { SetAllChecked(false); });
    connect(find_, &QLineEdit::textChanged, this, [this](const QString& t) { ShowMatching(t); });
    connect(satellites_, &QTreeWidget::itemChanged, this, [this] { UpdatePreview(); });
    connect(replace_, &QRadioButton::toggled, this, [this] { UpdatePreview(); });
    for (const BandTarget& t : targets_)
        connect(t.list, &QComboBox::currentIndexChanged, this, [this] { UpdatePreview(); });
    UpdatePreview();
}

void ImportDlg::AddRow(int source) {
    const SourceSatellite& sat = list_.satellites[static_cast<std::size_t>(source)];
    auto* item = new SatelliteRow(satellites_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsEditable);
    item->setCheckState(kPositionColumn, Qt::Checked);
    item->setText(kPositionColumn, DisplayText(FormatPosition(static_cast<uint16_t>(sat.position))));
    item->setData(kPositionColumn, kOrderRole, EastToWest(sat.position));
    item->setData(kPositionColumn, kSourceRole, source);
    listedNames_.push_back(ListedName(sat));
    item->setText(kNameColumn, listedNames_.back());
    item->setText(kCountColumn, QString::number(sat.tps.size()));
    item->setData(kCountColumn, kOrderRole, static_cast<int>(sat.tps.size()));
    item->setTextAlignment(kCountColumn, Qt::AlignRight | Qt::AlignVCenter);
    rows_.push_back(item);
    // Each band's transponders go to a satellite of their own; several bands
    // get a line each under the satellite's.
    std::vector<Band> bands = SourceBands(sat);
    if (bands.empty()) bands.push_back(Band::Ku);
    if (bands.size() == 1) {
        AddTargetList(item, source, bands[0]);
        return;
    }
    for (Band band : bands) {
        auto* line = new QTreeWidgetItem(item);
        line->setFlags(Qt::ItemIsEnabled);
        line->setText(kNameColumn, QCoreApplication::translate("ImportDlg", BandName(band)));
        AddTargetList(line, source, band);
    }
}

void ImportDlg::AddTargetList(QTreeWidgetItem* item, int source, Band band) {
    const SatTpDatabase& db = session_.Database();
    int position = list_.satellites[static_cast<std::size_t>(source)].position;
    auto* list = new QComboBox;
    //: The choice "a new satellite" in the "Goes into" column
    list->addItem(tr("new"), kTargetNew);
    for (int s : NearbySatellites(db, position, band))
        list->addItem(ShownLeftToRight(DisplayText(SatelliteLabel(db, s))), s);
    // Today's choice: the satellite of the same position and band.
    int match = MatchingSatellite(db, position, band);
    list->setCurrentIndex(std::max(0, list->findData(match < 0 ? kTargetNew : match)));
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    satellites_->setItemWidget(item, kTableColumn, list);
    targets_.push_back({source, band, list});
}

QComboBox* ImportDlg::TargetList(int i, Band band) const {
    for (const BandTarget& t : targets_)
        if (t.source == i && t.band == band) return t.list;
    return nullptr;
}

MergeOptions ImportDlg::Options() const {
    MergeOptions o;
    std::size_t count = list_.satellites.size();
    o.selected.resize(count);
    o.names.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        o.selected[i] = rows_[i]->checkState(kPositionColumn) == Qt::Checked;
        // Only a changed name replaces the list's, which the merge makes a table name.
        QString name = rows_[i]->text(kNameColumn).trimmed();
        if (name != listedNames_[i]) o.names[i] = name.toStdString();
    }
    o.targets.assign(count, kAutomaticTargets);
    for (const BandTarget& t : targets_)
        o.targets[static_cast<std::size_t>(t.source)][static_cast<std::size_t>(t.band)] =
            t.list->currentData().toInt();
    o.replace = replace_->isChecked();
    lnbs_.ApplyTo(o);
    return o;
}

void ImportDlg::SetAllChecked(bool checked) {
    // One preview for the whole change, not one per row.
    satellites_->blockSignals(true);
    for (QTreeWidgetItem* row : rows_)
        row->setCheckState(kPositionColumn, checked ? Qt::Checked : Qt::Unchecked);
    satellites_->blockSignals(false);
    UpdatePreview();
}

void ImportDlg::ShowMatching(const QString& text) {
    QString wanted = text.trimmed();
    for (QTreeWidgetItem* row : rows_) {
        bool shown = wanted.isEmpty() ||
                     row->text(kNameColumn).contains(wanted, Qt::CaseInsensitive) ||
                     row->text(kPositionColumn).contains(wanted, Qt::CaseInsensitive);
        row->setHidden(!shown);
    }
}

void ImportDlg::UpdatePreview() {
    MergeOptions options = Options();
    bool any = std::find(options.selected.begin(), options.selected.end(), true) !=
               options.selected.end();
    // One merge on a copy gives the counts and the changes.
    MergeChanges changes = session_.PreviewImportChanges(list_, options);
    ShowChanges({preview_, changes_}, changes);
    ok_->setEnabled(any);
}

void RunImportCommand(MainFrame& frame, Session& session) {
    if (!session.IsEnabled(CommandId::FileImport)) return;
    std::optional<QString> path = modal::OpenFileName(
        &frame, QCoreApplication::translate("ImportDlg", kImportTitle),
        QCoreApplication::translate("ImportDlg", kImportFilter));
    if (!path) return;
    ImportListFile(frame, session, *path);
}

void ImportListFile(MainFrame& frame, Session& session, const QString& path) {
    ImportListSource(frame, session, QFile::encodeName(path).toStdString());
}

namespace {

struct FetchedList {
    bool ok = false;
    SourceList list;
    ListError error;
};

// The preview of a list that was read, and its merge when the user says OK.
void ShowFetchedList(QWidget* parent, Session& session, const std::string& source,
                     FetchedList& fetched) {
    if (!fetched.ok) {
        modal::Notice(parent, CoreText(ErrorText(fetched.error)));
        return;
    }
    SourceList& list = fetched.list;
    const QString path = QFile::decodeName(source.c_str());
    if (list.satellites.empty()) {
        modal::Notice(
            parent,
            QCoreApplication::translate("ImportDlg", "%1: no satellites in this list").arg(path));
        return;
    }
    ImportDlg dialog(session, list, path, parent);
    if (modal::Run(dialog) != QDialog::Accepted) return;
    session.ApplyImport(list, dialog.Options());
}

}  // namespace

void ImportListSource(MainFrame& frame, Session& session, const std::string& source) {
    if (!session.IsEnabled(CommandId::FileImport)) return;
    // A download takes its time: it runs on the operation's own thread.
    auto fetched = std::make_shared<FetchedList>();
    frame.RunLongOperation(
        [&session, source, fetched] {
            fetched->ok = session.FetchList(source, fetched->list, fetched->error);
        },
        [&frame, &session, source, fetched] { ShowFetchedList(&frame, session, source, *fetched); });
}

void RunExportCommand(QWidget* parent, Session& session) {
    if (!session.IsEnabled(CommandId::FileExport)) return;
    // The table's own name with .xml is offered.
    std::optional<QString> path = modal::SaveFileName(
        parent, QCoreApplication::translate("ImportDlg", kExportTitle), CoreText(kExportFilter),
        QStringLiteral("xml"), QFile::decodeName(session.ExportProposedPath().c_str()));
    if (!path) return;
    std::string sentence;
    if (session.ExportSatellitesXml(QFile::encodeName(*path).toStdString(), &sentence)) {
        session.SetStatus(sentence);
    } else {
        modal::Notice(parent, CoreText(sentence));
    }
}

}  // namespace velmora
