#include "gui/FormDialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "gui/DisplayText.h"
#include "gui/LnbChoiceText.h"
#include "gui/Modal.h"
#include "core/SatTpDatabase.h"

namespace velmora {

FormDialog::FormDialog(QWidget* parent, const QString& caption, int width, int height)
    : QDialog(parent), units_(font()) {
    setWindowTitle(caption);
    setFixedSize(units_.Size(width, height));
}

QComboBox* FormDialog::AddList(int x, int y, int width, const QStringList& items) {
    auto* list = new QComboBox(this);
    list->addItems(items);
    list->setMaxVisibleItems(16);
    list->setGeometry(units_.X(x), units_.Y(y), units_.X(width), list->sizeHint().height());
    return list;
}

QComboBox* FormDialog::AddLnbList(int x, int y, int width, const SatTpDatabase& db) {
    QStringList items;
    for (int i = 0; i < LNB_COUNT; ++i) {
        items << QString::fromStdString(LnbChoiceText(db.lnbs[i], i));
    }
    QComboBox* list = AddList(x, y, width, items);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(font().pointSizeF() - 1);
    list->setFont(fixed);
    list->resize(list->width(), list->sizeHint().height());
    // The opened list shows the items whole, however narrow the field.
    list->view()->setMinimumWidth(list->view()->sizeHintForColumn(0) + 24);
    return list;
}

QLineEdit* FormDialog::AddEdit(int x, int y, int width, int height) {
    auto* edit = new QLineEdit(this);
    QRect r = units_.Rect(x, y, width, height);
    r.setHeight(std::max(r.height(), edit->sizeHint().height()));
    edit->setGeometry(r);
    return edit;
}

QLabel* FormDialog::AddLabel(const QString& text, int x, QWidget* buddy) {
    auto* label = new QLabel(text, this);
    int left = units_.X(x);
    label->setGeometry(left, buddy->y(), std::max(1, buddy->x() - left - 2), buddy->height());
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    labels_.push_back(label);
    return label;
}

QLabel* FormDialog::AddUnit(const QString& text, int x, QWidget* buddy) {
    auto* label = new QLabel(text, this);
    label->setGeometry(units_.X(x), buddy->y(), label->sizeHint().width(), buddy->height());
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QGroupBox* FormDialog::AddGroup(const QString& title, int x, int y, int width, int height) {
    auto* group = new QGroupBox(title, this);
    group->setGeometry(units_.Rect(x, y, width, height));
    group->lower();
    return group;
}

void FormDialog::AddOkCancel(int x, int okY, int cancelY, int width, int height) {
    ok_ = new QPushButton(tr("OK"), this);
    ok_->setGeometry(units_.Rect(x, okY, width, height));
    ok_->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setGeometry(units_.Rect(x, cancelY, width, height));
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FormDialog::showEvent(QShowEvent* event) {
    if (!fitted_) {
        FitLabels();
        // The controls are placed by hand, so right to left mirrors them here.
        if (isRightToLeft()) {
            for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                w->move(width() - w->x() - w->width(), w->y());
            }
        }
    }
    fitted_ = true;
    QDialog::showEvent(event);
}

void FormDialog::FitLabels() {
    // A grown label keeps a little room before its field, as the English ones have.
    const int room = units_.X(2);
    int shortfall = 0;
    int column = width();
    for (QLabel* label : labels_) {
        shortfall = std::max(shortfall, label->sizeHint().width() + room - label->width());
        column = std::min(column, label->x() + label->width());
    }
    if (shortfall <= 0) return;
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (std::find(labels_.begin(), labels_.end(), w) != labels_.end()) {
            w->resize(w->width() + shortfall, w->height());
        } else if (w->x() >= column) {
            w->move(w->x() + shortfall, w->y());
        } else if (w->x() + w->width() > column) {
            w->resize(w->width() + shortfall, w->height());
        }
    }
    setFixedSize(width() + shortfall, height());
}

void SetChoice(QComboBox* list, int code) {
    list->setCurrentIndex(code >= 0 && code < list->count() ? code : -1);
}

int Choice(const QComboBox* list) {
    return std::max(0, list->currentIndex());
}

QStringList SatelliteChoiceTexts(const SatTpDatabase& db) {
    QStringList items;
    for (int i = 0; i < db.satCount && i < MAX_SATELLITES; ++i) {
        items << ShownLeftToRight(DisplayText(SatelliteLabel03(db, i)));
    }
    return items;
}

void FormDialog::AddCheck(QLineEdit* field,
                           std::function<std::string(const std::string&)> check) {
    checks_.push_back({field, std::move(check)});
}

void FormDialog::accept() {
    for (const FieldCheck& c : checks_) {
        std::string problem = c.check(c.field->text().toStdString());
        if (problem.empty()) continue;
        modal::Notice(this, QString::fromStdString(problem));
        c.field->setFocus();
        c.field->selectAll();
        return;
    }
    QDialog::accept();
}

}  // namespace velmora
