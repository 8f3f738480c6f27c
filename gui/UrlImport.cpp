#include "gui/UrlImport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

#include "gui/ImportDlg.h"
#include "gui/MainFrame.h"
#include "gui/Modal.h"
#include "session/Commands.h"
#include "session/Session.h"
#include "session/SessionImport.h"

namespace velmora {

namespace {

constexpr const char* kRecentUrlsKey = "import/recentUrls";
constexpr int kMostRecentUrls = 8;

}  // namespace

UrlDlg::UrlDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Import from the web"));
    auto* layout = new QFormLayout(this);
    address_ = new QComboBox(this);
    address_->setEditable(true);
    address_->setInsertPolicy(QComboBox::NoInsert);
    address_->addItems(RecentUrls());
    address_->setMinimumContentsLength(48);
    address_->lineEdit()->setPlaceholderText(
        tr("https://... a satellites.xml, .ini or dvbv5 list"));
    layout->addRow(tr("Address"), address_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    layout->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Only http and https addresses are fetched; a file goes through Import transponders.
    auto check = [this] { ok_->setEnabled(IsListUrl(Address().toStdString())); };
    connect(address_, &QComboBox::editTextChanged, this, check);
    check();
    // The last address is offered selected: typing replaces it.
    address_->setFocus();
    address_->lineEdit()->selectAll();
    QTimer::singleShot(0, address_->lineEdit(), &QLineEdit::selectAll);
}

QString UrlDlg::Address() const {
    return address_->currentText().trimmed();
}

QStringList RecentUrls() {
    return QSettings().value(QLatin1String(kRecentUrlsKey)).toStringList();
}

void RememberUrl(const QString& url) {
    QStringList urls = RecentUrls();
    urls.removeAll(url);
    urls.prepend(url);
    while (urls.size() > kMostRecentUrls) urls.removeLast();
    QSettings().setValue(QLatin1String(kRecentUrlsKey), urls);
}

void RunImportUrlCommand(MainFrame& frame, Session& session) {
    if (!session.IsEnabled(CommandId::FileImportUrl)) return;
    UrlDlg prompt(&frame);
    if (modal::Run(prompt) != QDialog::Accepted) return;
    const QString url = prompt.Address();
    if (!IsListUrl(url.toStdString())) return;
    RememberUrl(url);
    ImportListSource(frame, session, url.toStdString());
}

}  // namespace velmora
