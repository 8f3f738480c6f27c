// The About box: icon, version line and the usage text for meter owners.
#pragma once

#include <QDialog>
#include <QString>

class QPlainTextEdit;

namespace velmora {

// Usage text of the About box, exactly as shown: lines ended by "\r\n" and
// a single blank at the very end.
extern const char* const kUsageText;
// "Orvane Ver MAJOR.MINOR" of the program's one version number.
QString VersionLine();

class AboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit AboutDlg(QWidget* parent = nullptr);

    QPlainTextEdit* TextField() const { return text_; }

private:
    QPlainTextEdit* text_;
};

}  // namespace velmora
