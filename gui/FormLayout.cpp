#include "gui/FormLayout.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTreeWidget>
#include <algorithm>

#include "gui/DialogUnits.h"
#include "gui/PortSelector.h"
#include "session/SessionView.h"

namespace velmora {

namespace {

enum class Kind { Group, PortSelector, Progress, Text, Tree, List, Find, Button, Check };

// How a control follows a window larger than the form: the tree and the list
// take the extra space, the column of buttons on the right moves with the
// right edge, everything else stays where it is.
enum Anchor : int { kStay = 0, kGrowWidth = 1, kGrowHeight = 2, kFollowRight = 4 };

struct FormControlSpec {
    FormControl id;
    Kind kind;
    const char* caption;
    int x, y, width, height;  // dialog units
    int anchor;
};

// The form, 577 by 343 dialog units.
constexpr int kFormWidth = 577;
constexpr int kFormHeight = 343;
constexpr FormControlSpec kForm[] = {
    {FormControl::None, Kind::Group, QT_TRANSLATE_NOOP("FormLayout", "RS232 communication"), 7, 6, 166, 110,
     kStay},
    {FormControl::PortSelector, Kind::PortSelector, "", 15, 19, 52, 62, kStay},
    {FormControl::Progress, Kind::Progress, "", 15, 35, 142, 16, kStay},
    {FormControl::Status, Kind::Text, "", 15, 57, 151, 10, kStay},
    {FormControl::SoftLabel, Kind::Text, QT_TRANSLATE_NOOP("FormLayout", "SOFT:"), 15, 72, 151, 10, kStay},
    {FormControl::IconLabel, Kind::Text, QT_TRANSLATE_NOOP("FormLayout", "ICON:"), 15, 85, 151, 10, kStay},
    {FormControl::LogoLabel, Kind::Text, QT_TRANSLATE_NOOP("FormLayout", "LOGO:"), 15, 98, 151, 10, kStay},
    {FormControl::Tree, Kind::Tree, "", 7, 117, 166, 219, kGrowHeight},
    {FormControl::Find, Kind::Find, "", 174, 6, 344, 12, kGrowWidth},
    {FormControl::List, Kind::List, "", 174, 20, 344, 316, kGrowWidth | kGrowHeight},
    //: The transponders' buttons
    {FormControl::None, Kind::Group, QT_TRANSLATE_NOOP("FormLayout", "TP"), 521, 27, 49, 99, kFollowRight},
    {FormControl::TpAdd, Kind::Button, QT_TRANSLATE_NOOP("FormLayout", "ADD"), 525, 42, 38, 14,
     kFollowRight},
    {FormControl::TpEdit, Kind::Button, QT_TRANSLATE_NOOP("FormLayout", "EDIT"), 525, 62, 38, 14,
     kFollowRight},
    {FormControl::TpDelete, Kind::Button, QT_TRANSLATE_NOOP("FormLayout", "DELETE"), 525, 82, 38, 14,
     kFollowRight},
    {FormControl::TpSort, Kind::Button, QT_TRANSLATE_NOOP("FormLayout", "SORT"), 525, 102, 38, 14,
     kFollowRight},
    //: The satellites' buttons
    {FormControl::None, Kind::Group, QT_TRANSLATE_NOOP("FormLayout", "SAT"), 521, 130, 49, 76, kFollowRight},
    {FormControl::SatAdd, Kind::Button, QT_TRANSLATE_NOOP("FormLayout", "ADD"), 525, 144, 38, 14,
     kFollowRight},
    {FormControl::SatEdit, Kind::Button, QT_TRANSLATE_NOOP("FormLayout", "EDIT"), 525, 164, 38, 14,
     kFollowRight},
    {FormControl::SatDelete, Kind::Button, QT_TRANSLATE_NOOP("FormLayout", "DELETE"), 525, 184, 38, 14,
     kFollowRight},
    {FormControl::None, Kind::Group, QT_TRANSLATE_NOOP("FormLayout", "LNB"), 521, 209, 49, 38, kFollowRight},
    {FormControl::LnbEdit, Kind::Button, QT_TRANSLATE_NOOP("FormLayout", "EDIT"), 525, 224, 38, 14,
     kFollowRight},
    {FormControl::None, Kind::Group, QT_TRANSLATE_NOOP("FormLayout", "PATCH UP"), 521, 253, 48, 83, kFollowRight},
    {FormControl::PatchSoft, Kind::Check, QT_TRANSLATE_NOOP("FormLayout", "SOFT"), 527, 268, 40, 10,
     kFollowRight},
    {FormControl::PatchIcon, Kind::Check, QT_TRANSLATE_NOOP("FormLayout", "ICON"), 527, 284, 40, 10,
     kFollowRight},
    {FormControl::PatchLogo, Kind::Check, QT_TRANSLATE_NOOP("FormLayout", "LOGO"), 527, 300, 40, 10,
     kFollowRight},
    //: Upload the satellite and transponder table in PATCH UP
    {FormControl::PatchSattp, Kind::Check, QT_TRANSLATE_NOOP("FormLayout", "SAT TP"), 527, 316, 40, 10,
     kFollowRight},
};

QTreeWidget* NewTree(QWidget& form) {
    auto* tree = new QTreeWidget(&form);
    tree->setHeaderHidden(true);
    tree->setRootIsDecorated(true);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setIconSize(QSize(16, 16));
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return tree;
}

QTableView* NewList(QWidget& form) {
    auto* list = new QTableView(&form);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setShowGrid(true);
    list->setWordWrap(false);
    list->setCornerButtonEnabled(false);
    // Tab leaves the list for the next control instead of walking its cells.
    list->setTabKeyNavigation(false);
    list->verticalHeader()->hide();
    // Uniform rows keep 8000 of them as cheap as 16.
    list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list->verticalHeader()->setDefaultSectionSize(form.fontMetrics().height() + 4);
    list->horizontalHeader()->setSectionsMovable(true);
    list->horizontalHeader()->setStretchLastSection(false);
    list->horizontalHeader()->setHighlightSections(false);
    QPalette pal = list->palette();
    pal.setColor(QPalette::Text, Qt::black);
    pal.setColor(QPalette::Base, Qt::white);
    list->setPalette(pal);
    return list;
}

}  // namespace

FormLayout::FormLayout(QWidget& form) {
    DialogUnits du(form.font());
    // The form's size is the smallest; a larger window gives the tree and
    // the list more room.
    formSize_ = du.Size(kFormWidth, kFormHeight);
    form.setMinimumSize(formSize_);
    form.resize(formSize_);
    for (const FormControlSpec& c : kForm) {
        QRect r = du.Rect(c.x, c.y, c.width, c.height);
        QWidget* w = Create(form, static_cast<int>(c.kind), c.caption, r);
        w->setGeometry(r);
        if (c.kind == Kind::Group) w->lower();
        if (c.id != FormControl::None) controls_[c.id] = w;
        placed_.push_back({w, r, c.anchor});
    }
}

QWidget* FormLayout::Create(QWidget& form, int kind, const char* caption, QRect& rect) {
    const QString text = QCoreApplication::translate("FormLayout", caption);
    switch (static_cast<Kind>(kind)) {
        case Kind::Group:
            return new QGroupBox(text, &form);
        case Kind::Find:
            find_ = new QLineEdit(&form);
            find_->setPlaceholderText(QCoreApplication::translate("FormLayout", "Find (Ctrl+F)"));
            find_->setClearButtonEnabled(true);
            return find_;
        case Kind::PortSelector:
            ports_ = new PortSelector(&form);
            // The given height includes the opened list.
            rect.setHeight(ports_->sizeHint().height());
            return ports_;
        case Kind::Progress: {
            auto* progress = new QProgressBar(&form);
            progress->setRange(0, 100);
            progress->setValue(0);
            progress->setTextVisible(false);
            return progress;
        }
        case Kind::Text: {
            auto* label = new QLabel(text, &form);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            return label;
        }
        case Kind::Tree:
            return tree_ = NewTree(form);
        case Kind::List:
            return list_ = NewList(form);
        case Kind::Button:
            return new QPushButton(text, &form);
        case Kind::Check:
            break;
    }
    return new QCheckBox(text, &form);
}

void FormLayout::Place(QSize size) const {
    int dx = std::max(0, size.width() - formSize_.width());
    int dy = std::max(0, size.height() - formSize_.height());
    for (const Placed& p : placed_) {
        QRect r = p.rect;
        if (p.anchor & kFollowRight) r.translate(dx, 0);
        if (p.anchor & kGrowWidth) r.setWidth(r.width() + dx);
        if (p.anchor & kGrowHeight) r.setHeight(r.height() + dy);
        // Right to left (Arabic) the form is mirrored: the panel on the right,
        // the buttons on the left.
        if (p.widget->isRightToLeft()) {
            r.moveLeft(std::max(size.width(), formSize_.width()) - r.right() - 1);
        }
        p.widget->setGeometry(r);
    }
}

QWidget* FormLayout::Control(FormControl controlId) const {
    auto it = controls_.find(controlId);
    return it == controls_.end() ? nullptr : it->second;
}

}  // namespace velmora
