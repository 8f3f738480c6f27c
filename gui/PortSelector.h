// The port selector of the form: editable, so that a device path can be
// typed as well, and listing the ports again each time its list opens, so
// that a USB adapter plugged in after start-up appears.
#pragma once

#include <QComboBox>
#include <QString>
#include <string>

namespace velmora {

class Session;

class PortSelector : public QComboBox {
    Q_OBJECT
public:
    explicit PortSelector(QWidget* parent);

    // The session whose probe lists the ports and names their devices.
    void Attach(Session* session) { session_ = session; }
    // Adds a port in sorted place, its device and adapter beside it in the
    // list and as its tooltip.
    void AddPortName(const std::string& name);
    // Chooses the port of this name, wherever the sorted list put it.
    void SelectPortName(const std::string& name);
    // The chosen port, as the port layer takes its name.
    std::string SelectedPortName() const;
    // A line of the open list: "COM3  /dev/ttyUSB0  FTDI FT232R USB UART".
    // The field above keeps the bare name, which the operations use.
    QString ListText(int index) const;
    void showPopup() override;
    // Lists the ports again, keeping the choice (an adapter came or went).
    void ListPortsAgain();

    // The port that last worked, kept in the settings for the next start.
    static std::string RememberedPort();
    static void RememberPort(const std::string& name);

private:

    Session* session_ = nullptr;
};

}  // namespace velmora
