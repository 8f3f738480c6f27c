// File > Import from the web...: an address prompt that keeps the last eight
// list URLs (newest first), then the download with the progress bar and
// Stop, and the import dialog as for a file.
#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QPushButton;

namespace velmora {

class MainFrame;

class Session;

class UrlDlg : public QDialog {
    Q_OBJECT
public:
    explicit UrlDlg(QWidget* parent = nullptr);

    QComboBox* AddressBox() const { return address_; }
    QString Address() const;

private:
    QComboBox* address_;
    QPushButton* ok_;
};

// The remembered list URLs, newest first (QSettings "import/recentUrls").
QStringList RecentUrls();
// Puts url first, drops an earlier copy of it and keeps at most eight.
void RememberUrl(const QString& url);

void RunImportUrlCommand(MainFrame& frame, Session& session);

}  // namespace velmora
