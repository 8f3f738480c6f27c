#include "app/AboutDlg.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/DialogUnits.h"
#include "app/Images.h"

namespace velmora {

const char* const kUsageText =
    " For LMT41C, LMT40S etc\r\n"
    " 1) In meter's 'software upgrade' menu, you could backup sattp.csv to USB from meter.\r\n"
    " 2) Use orvane.exe to edit sattp.csv, when edit finished, save sattp.csv and copy to USB.\r\n"
    " 3) In meter's 'software upgrade' menu, you could upgrade sattp.csv from USB to meter.\r\n"
    " Notice: Before turn on the meter you must unplug USB, else will cause software upgrade.\r\n"
    "\r\n"
    " For LMT20 Must install USB RS232 Driver first !\r\n"
    "\r\n"
    " For LMT20 DATA UPDATE\r\n"
    " 1) Use orvane.exe to edit sattp.csv, when edit finished, save sattp.csv.\r\n"
    " 2) Connect USB RS232 port to PC and turn on meter.\r\n"
    " 3) Click orvane.exe's 'Write' button to update tp.\r\n"
    " 4) When update finished and successfully the meter's LED will display 'OK'.  \r\n"
    " \r\n"
    " For LMT20 SOFTWARE UPGRADE\r\n"
    " 1) Connect USB RS232 port to PC. \r\n"
    " 2) Press EXIT and turn on meter. \r\n"
    " 3) Open software hex file from file menu. \r\n"
    " 4) Click orvane.exe's 'SOFT' button to upgrade software.\r\n"
    " ";

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    DialogUnits du(font());
    setWindowTitle(QStringLiteral("About Orvane"));
    setFixedSize(du.Size(323, 164));

    auto* icon = new QLabel(this);
    icon->setPixmap(AppIcon().pixmap(32, 32));
    icon->setGeometry(du.X(11), du.Y(10), 32, 32);
    auto* version = new QLabel(QString::fromLatin1(kVersionLine), this);
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
    text_->setPlainText(QString::fromLatin1(kUsageText).remove(QLatin1Char('\r')));
}

}  // namespace velmora
