#include "app/PortSelector.h"

#include <QFile>

#include "app/DisplayText.h"
#include "ui/Session.h"

namespace velmora {

CPortSelector::CPortSelector(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // The selector's tooltip names the device and adapter chosen.
    connect(this, &QComboBox::currentIndexChanged, this,
            [this](int index) { setToolTip(itemData(index, Qt::ToolTipRole).toString()); });
}

void CPortSelector::showPopup() {
    ListPortsAgain();
    QComboBox::showPopup();
}

void CPortSelector::ListPortsAgain() {
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

void CPortSelector::AddPortName(const std::string& name) {
    // The selector is sorted: a name goes before the first greater one.
    QString text = DisplayText(name);
    int at = 0;
    while (at < count() && itemText(at).compare(text, Qt::CaseInsensitive) <= 0) ++at;
    insertItem(at, text);
    // "/dev/ttyUSB0, FTDI FT232R USB UART": which of several adapters is which.
    QString tip =
        session_ == nullptr ? QString() : QString::fromStdString(session_->PortDescription(name));
    setItemData(at, tip, Qt::ToolTipRole);
    if (currentIndex() == at) setToolTip(tip);
}

std::string CPortSelector::SelectedPortName() const {
    return QFile::encodeName(currentText()).toStdString();
}

}  // namespace velmora
