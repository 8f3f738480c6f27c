#include "gui/AboutDlg.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "gui/DialogUnits.h"
#include "gui/Images.h"

namespace velmora {

//: The About box's notes for meter owners; keep the line breaks and the menu and
//: button names as the meter and the window show them
const char* const kUsageText = QT_TRANSLATE_NOOP("AboutDlg",
    " For LMT41C, LMT40S etc\r\n"
    " 1) In meter's 'software upgrade' menu, you could backup sattp.csv to USB from meter.\r\n"
    " 2) Use velmora to edit sattp.csv, when edit finished, save sattp.csv and copy to USB.\r\n"
    " 3) In meter's 'software upgrade' menu, you could upgrade sattp.csv from USB to meter.\r\n"
    " Notice: Before turn on the meter you must unplug USB, else will cause software upgrade.\r\n"
    "\r\n"
    " For LMT20 the serial port must be yours first !\r\n"
    " A USB RS232 adapter appears as /dev/ttyUSB0 (COM1); add yourself to the group\r\n"
    " 'dialout' (sudo usermod -aG dialout $USER) and log in again.\r\n"
    "\r\n"
    " For LMT20 DATA UPDATE\r\n"
    " 1) Use velmora to edit sattp.csv, when edit finished, save sattp.csv.\r\n"
    " 2) Connect the USB RS232 adapter to the PC and turn on meter.\r\n"
    " 3) Choose its port (COM1..COM9) and click velmora's 'Write' button to update tp.\r\n"
    " 4) When update finished and successfully the meter's LED will display 'OK'.  \r\n"
    " \r\n"
    " For LMT20 SOFTWARE UPGRADE\r\n"
    " 1) Connect the USB RS232 adapter to the PC. \r\n"
    " 2) Press EXIT and turn on meter. \r\n"
    " 3) Open software hex file from file menu. \r\n"
    " 4) Click velmora's 'SOFT' button to upgrade software.\r\n"
    " ");

QString VersionLine() {
    // "Orvane Ver 2.8" for 2.8.0: the version velmora-cli --version prints.
    //: The version line; "Orvane" is the product name, never translated
    return QCoreApplication::translate("AboutDlg", "Orvane Ver %1.%2")
        .arg(VELMORA_VERSION_MAJOR)
        .arg(VELMORA_VERSION_MINOR);
}

AboutDlg::AboutDlg(QWidget* parent) : QDialog(parent) {
    DialogUnits du(font());
    setWindowTitle(tr("About Orvane"));
    setFixedSize(du.Size(323, 164));

    auto* icon = new QLabel(this);
    icon->setPixmap(AppIcon().pixmap(32, 32));
    icon->setGeometry(du.X(11), du.Y(10), 32, 32);
    auto* version = new QLabel(VersionLine(), this);
    version->setToolTip(QStringLiteral("velmora " VELMORA_VERSION));
    version->setGeometry(du.Rect(40, 14, 119, 8));
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setGeometry(du.Rect(266, 7, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    text_ = new QPlainTextEdit(this);
    text_->setGeometry(du.Rect(7, 30, 309, 127));
    text_->setReadOnly(true);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The widget keeps lines apart by itself; a carriage return would show.
    text_->setPlainText(
        QCoreApplication::translate("AboutDlg", kUsageText).remove(QLatin1Char('\r')));
}

}  // namespace velmora
