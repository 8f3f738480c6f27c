#include "app/ImportDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/LnbChoiceText.h"
#include "app/Modal.h"
#include "ui/Commands.h"
#include "ui/Session.h"
#include "ui/SessionImport.h"

namespace velmora {

namespace {

constexpr const char* kImportTitle = "Import transponders";
constexpr const char* kExportTitle = "Export satellites.xml";
constexpr const char* kImportFilter =
    "satellites.xml (*.xml)|*.xml|Transponder lists (*.ini)|*.ini|All Files (*.*)|*.*||";
constexpr const char* kExportFilter = "satellites.xml (*.xml)|*.xml|All Files (*.*)|*.*||";

enum Column { kPositionColumn, kNameColumn, kCountColumn, kTableColumn };

QString FromBytes(const std::string& bytes) { return QString::fromUtf8(bytes.data(), bytes.size()); }

QComboBox* LnbList(const SatTpDatabase& db, int chosen, QWidget* parent) {
    auto* list = new QComboBox(parent);
    for (int l = 0; l < LNB_COUNT; ++l) list->addItem(FromBytes(LnbChoiceText(db.lnbs[l], l)));
    list->setCurrentIndex(chosen);
    return list;
}

}  // namespace

CImportDlg::CImportDlg(Session& session, const SourceList& list, const QString& fileName,
                       QWidget* parent)
    : QDialog(parent), session_(session), list_(list) {
    setWindowTitle(QString::fromLatin1(kImportTitle));
    const SatTpDatabase& db = session.Database();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QFileInfo(fileName).fileName(), this));

    satellites_ = new QTreeWidget(this);
    satellites_->setRootIsDecorated(false);
    satellites_->setHeaderLabels({QStringLiteral("Position"), QStringLiteral("Name"),
                                  QStringLiteral("TPs"), QStringLiteral("In the table")});
    for (const SourceSatellite& sat : list.satellites) {
        auto* item = new QTreeWidgetItem(satellites_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(kPositionColumn, Qt::Checked);
        item->setText(kPositionColumn,
                      FromBytes(FormatPosition(static_cast<uint16_t>(sat.position))));
        item->setText(kNameColumn, FromBytes(sat.name));
        item->setText(kCountColumn, QString::number(sat.tps.size()));
        item->setTextAlignment(kCountColumn, Qt::AlignRight | Qt::AlignVCenter);
        // One entry per band: each band's transponders go to a satellite of their own.
        std::vector<Band> bands = SourceBands(sat);
        if (bands.empty()) bands.push_back(Band::Ku);
        QStringList targets;
        for (Band band : bands) {
            int match = MatchingSatellite(db, sat.position, band);
            targets << (match < 0 ? QStringLiteral("new") : FromBytes(SatelliteLabel(db, match)));
        }
        item->setText(kTableColumn, targets.join(QStringLiteral("; ")));
    }
    satellites_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    satellites_->setMinimumSize(560, 260);
    layout->addWidget(satellites_);

    auto* selection = new QHBoxLayout;
    selectAll_ = new QPushButton(QStringLiteral("Select all"), this);
    selectNone_ = new QPushButton(QStringLiteral("Select none"), this);
    selection->addWidget(selectAll_);
    selection->addWidget(selectNone_);
    selection->addStretch();
    layout->addLayout(selection);

    auto* settings = new QGridLayout;
    kuLnb_ = LnbList(db, 0, this);
    cBandLnb_ = LnbList(db, DefaultCBandLnb(db), this);
    settings->addWidget(new QLabel(QStringLiteral("LNB of new Ku-band satellites"), this), 0, 0);
    settings->addWidget(kuLnb_, 0, 1);
    settings->addWidget(new QLabel(QStringLiteral("LNB of new C-band satellites"), this), 1, 0);
    settings->addWidget(cBandLnb_, 1, 1);
    layout->addLayout(settings);

    add_ = new QRadioButton(QStringLiteral("Add new transponders"), this);
    replace_ = new QRadioButton(QStringLiteral("Replace the transponders of matched satellites"), this);
    add_->setChecked(true);
    layout->addWidget(add_);
    layout->addWidget(replace_);

    preview_ = new QLabel(this);
    preview_->setWordWrap(true);
    layout->addWidget(preview_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(selectAll_, &QPushButton::clicked, this, [this] { SetAllChecked(true); });
    connect(selectNone_, &QPushButton::clicked, this, [this] { SetAllChecked(false); });
    connect(satellites_, &QTreeWidget::itemChanged, this, [this] { UpdatePreview(); });
    connect(kuLnb_, &QComboBox::currentIndexChanged, this, [this] { UpdatePreview(); });
    connect(cBandLnb_, &QComboBox::currentIndexChanged, this, [this] { UpdatePreview(); });
    connect(replace_, &QRadioButton::toggled, this, [this] { UpdatePreview(); });
    UpdatePreview();
}

MergeOptions CImportDlg::Options() const {
    MergeOptions o;
    o.selected.resize(list_.satellites.size());
    for (int i = 0; i < satellites_->topLevelItemCount(); ++i)
        o.selected[i] = satellites_->topLevelItem(i)->checkState(kPositionColumn) == Qt::Checked;
    o.replace = replace_->isChecked();
    o.kuLnb = kuLnb_->currentIndex();
    o.cBandLnb = cBandLnb_->currentIndex();
    return o;
}

void CImportDlg::SetAllChecked(bool checked) {
    // One preview for the whole change, not one per row.
    satellites_->blockSignals(true);
    for (int i = 0; i < satellites_->topLevelItemCount(); ++i)
        satellites_->topLevelItem(i)->setCheckState(kPositionColumn,
                                                    checked ? Qt::Checked : Qt::Unchecked);
    satellites_->blockSignals(false);
    UpdatePreview();
}

void CImportDlg::UpdatePreview() {
    MergeOptions options = Options();
    bool any = std::find(options.selected.begin(), options.selected.end(), true) !=
               options.selected.end();
    preview_->setText(FromBytes(MergeSummary(session_.PreviewImport(list_, options))));
    ok_->setEnabled(any);
}

void RunImportCommand(QWidget* parent, Session& session) {
    if (!session.IsEnabled(ID_FILE_IMPORT)) return;
    std::optional<QString> path = modal::OpenFileName(parent, QString::fromLatin1(kImportTitle),
                                                      QString::fromLatin1(kImportFilter));
    if (!path) return;
    ImportListFile(parent, session, *path);
}

void ImportListFile(QWidget* parent, Session& session, const QString& path) {
    if (!session.IsEnabled(ID_FILE_IMPORT)) return;
    SourceList list;
    ListError error;
    if (!ReadTransponderList(QFile::encodeName(path).toStdString(), {}, list, error)) {
        modal::Notice(parent, FromBytes(ErrorText(error)));
        return;
    }
    if (list.satellites.empty()) {
        modal::Notice(parent, path + QStringLiteral(": no satellites in this list"));
        return;
    }
    CImportDlg dialog(session, list, path, parent);
    if (modal::Run(dialog) != QDialog::Accepted) return;
    std::optional<MergeCounts> counts = session.ApplyImport(list, dialog.Options());
    if (counts) session.SetStatus(MergeSummary(*counts));
}

void RunExportCommand(QWidget* parent, Session& session) {
    if (!session.IsEnabled(ID_FILE_EXPORT)) return;
    // The table's own name with .xml is offered.
    std::optional<QString> path = modal::SaveFileName(
        parent, QString::fromLatin1(kExportTitle), QString::fromLatin1(kExportFilter),
        QStringLiteral("xml"), QFile::decodeName(session.ExportProposedPath().c_str()));
    if (!path) return;
    std::string sentence;
    if (session.ExportSatellitesXml(QFile::encodeName(*path).toStdString(), &sentence)) {
        session.SetStatus(sentence);
    } else {
        modal::Notice(parent, QString::fromStdString(sentence));
    }
}

}  // namespace velmora
