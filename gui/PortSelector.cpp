#include "gui/PortSelector.h"

#include <QAbstractItemView>
#include <QFile>
#include <QScrollBar>
#include <QSettings>
#include <QStyledItemDelegate>

#include "gui/DisplayText.h"
#include "session/Session.h"

namespace velmora {

namespace {

constexpr const char* kLastPortKey = "meter/lastPort";
// The item role that holds "/dev/ttyUSB0  FTDI FT232R USB UART".
constexpr int kDeviceRole = Qt::UserRole + 1;

// The open list names the device of each port; the items themselves keep
// the bare names, so the field shows what the operations open.
class PortListDelegate : public QStyledItemDelegate {
public:
    explicit PortListDelegate(PortSelector& selector)
        : QStyledItemDelegate(&selector), selector_(selector) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text = selector_.ListText(index.row());
    }

private:
    PortSelector& selector_;
};

}  // namespace

PortSelector::PortSelector(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setItemDelegate(new PortListDelegate(*this));
    // The selector's tooltip names the device and adapter chosen.
    connect(this, &QComboBox::currentIndexChanged, this,
            [this](int index) { setToolTip(itemData(index, Qt::ToolTipRole).toString()); });
}

void PortSelector::showPopup() {
    ListPortsAgain();
    // The list is as wide as its longest line, however narrow the field.
    QAbstractItemView* list = view();
    list->setMinimumWidth(list->sizeHintForColumn(0) +
                          list->verticalScrollBar()->sizeHint().width());
    QComboBox::showPopup();
}

void PortSelector::ListPortsAgain() {
    if (session_ == nullptr) return;
    // The choice stays, even when its port is gone.
    QString current = currentText();
    blockSignals(true);
    clear();
    for (const std::string& name : session_->ProbePortNames()) AddPortName(name);
    int at = findText(current);
    if (at >= 0) {
        setCurrentIndex(at);
    } else {
        setEditText(current);
    }
    blockSignals(false);
}

void PortSelector::AddPortName(const std::string& name) {
    // The selector is sorted: a name goes before the first greater one.
    QString text = DisplayText(name);
    int at = 0;
    while (at < count() && itemText(at).compare(text, Qt::CaseInsensitive) <= 0) ++at;
    insertItem(at, text);
    QString device =
        session_ == nullptr ? QString() : QString::fromStdString(session_->PortDescription(name));
    setItemData(at, device, kDeviceRole);
    setItemData(at, device, Qt::ToolTipRole);
    if (currentIndex() == at) setToolTip(device);
}

void PortSelector::SelectPortName(const std::string& name) {
    int at = findText(DisplayText(name));
    if (at >= 0) {
        setCurrentIndex(at);
    } else {
        // A port the list does not hold yet (Find meter ran before it was
        // listed again): the field names it all the same.
        setEditText(DisplayText(name));
    }
}

QString PortSelector::ListText(int index) const {
    QString device = itemData(index, kDeviceRole).toString();
    // A typed device path names itself already.
    if (device.isEmpty() || device == itemText(index)) return itemText(index);
    return itemText(index) + QStringLiteral("  ") + device;
}

std::string PortSelector::SelectedPortName() const {
    return QFile::encodeName(currentText()).toStdString();
}

std::string PortSelector::RememberedPort() {
    return QFile::encodeName(QSettings().value(QLatin1String(kLastPortKey)).toString())
        .toStdString();
}

void PortSelector::RememberPort(const std::string& name) {
    QSettings().setValue(QLatin1String(kLastPortKey), QFile::decodeName(name.c_str()));
}

}  // namespace velmora
