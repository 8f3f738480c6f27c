#include "gui/HelpDlg.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "gui/DialogUnits.h"

namespace velmora {

HelpDlg::HelpDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Orvane Help"));
    DialogUnits du(font());
    resize(du.Size(340, 300));

    browser_ = new QTextBrowser(this);
    // Links inside the guide move within it; a link out opens the browser.
    browser_->setOpenExternalLinks(true);
    browser_->setSource(QUrl(QStringLiteral("qrc:/resources/guide.html")));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_, 1);
    layout->addWidget(buttons);
}

}  // namespace velmora
