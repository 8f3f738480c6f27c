#include "gui/CompareDlg.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/CoreText.h"
#include "gui/DisplayText.h"

namespace velmora {

namespace {

// "2 added, 1 removed, 3 changed"; the parts that are zero are left out.
QString CountsText(const TableComparison& c) {
    const std::array<int, 3> counts = c.CountsByChange();
    QStringList parts;
    const char* names[3] = {QT_TRANSLATE_N_NOOP("CompareDlg", "%n added"),
                            QT_TRANSLATE_N_NOOP("CompareDlg", "%n removed"),
                            QT_TRANSLATE_N_NOOP("CompareDlg", "%n changed")};
    for (int i = 0; i < 3; ++i)
        if (counts[i] > 0)
            parts << QCoreApplication::translate("CompareDlg", names[i], nullptr, counts[i]);
    QString text = CoreText(DifferenceCountText(c.differences.size()));
    if (!parts.isEmpty()) text += QStringLiteral(": ") + parts.join(QStringLiteral(", "));
    if (c.orderDiffers) text += QStringLiteral("; ") + CoreText(ORDER_DIFFERS_TEXT);
    return text;
}

}  // namespace

CompareDlg::CompareDlg(const TableComparison& comparison, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Compare with meter"));
    auto* intro = new QLabel(
        tr("What writing the document's tables would change on the meter:"), this);
    lines_ = new QListWidget(this);
    lines_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    lines_->setSelectionMode(QAbstractItemView::NoSelection);
    // Names are bytes: shown as UTF-8 where valid, as Latin-1 otherwise.
    for (const TableDifference& d : comparison.differences)
        lines_->addItem(ShownLeftToRight(DisplayText(DifferenceLine(d))));
    summary_ = new QLabel(CountsText(comparison), this);
    take_ = new QPushButton(tr("Take the meter's table"), this);
    take_->setToolTip(tr("Replace the document's tables with the meter's"));
    write_ = new QPushButton(tr("Write to the meter"), this);
    write_->setToolTip(tr("Replace the meter's table with the document's"));
    // Nothing to take or write when the tables agree.
    const bool differ = !comparison.Equal() || comparison.orderDiffers;
    take_->setEnabled(differ);
    write_->setEnabled(differ);
    close_ = new QPushButton(tr("Close"), this);
    close_->setDefault(true);
    connect(take_, &QPushButton::clicked, this, &QDialog::accept);
    connect(write_, &QPushButton::clicked, this, [this] { done(WriteToMeter); });
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(summary_, 1);
    buttons->addWidget(take_);
    buttons->addWidget(write_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(lines_, 1);
    layout->addLayout(buttons);
    resize(560, 360);
}

}  // namespace velmora
