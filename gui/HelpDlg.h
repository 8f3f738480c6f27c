// Help > Help Contents: the guide to the everyday tasks, built into the
// program, with links between its sections.
#pragma once

#include <QDialog>

class QTextBrowser;

namespace velmora {

class HelpDlg : public QDialog {
    Q_OBJECT
public:
    explicit HelpDlg(QWidget* parent = nullptr);

    QTextBrowser* Browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

}  // namespace velmora
