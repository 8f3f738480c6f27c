// The port selector of the form: editable, so that a device path can be
// typed as well, and listing the ports again each time its list opens, so
// that a USB adapter plugged in after start-up appears.
#pragma once

#include <QComboBox>
#include <string>

namespace velmora {

class Session;

class CPortSelector : public QComboBox {
    Q_OBJECT
public:
    explicit CPortSelector(QWidget* parent);

    // The session whose probe lists the ports and names their devices.
    void Attach(Session* session) { session_ = session; }
    // Adds a port in sorted place, its device and adapter as its tooltip.
    void AddPortName(const std::string& name);
    // The chosen port, as the port layer takes its name.
    std::string SelectedPortName() const;
    void showPopup() override;

private:
    void ListPortsAgain();

    Session* session_ = nullptr;
};

}  // namespace velmora
