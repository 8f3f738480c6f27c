#include "gui/Modal.h"

#include <QFileDialog>
#include <QPushButton>
#include <deque>

#include "session/Session.h"

namespace velmora::modal {

namespace {

// Tests run on the user-interface thread only, so plain statics suffice.
std::deque<Script>& Scripts() {
    static std::deque<Script> scripts;
    return scripts;
}
std::deque<QString>& FileNames() {
    static std::deque<QString> names;
    return names;
}
std::vector<Shown>& ShownList() {
    static std::vector<Shown> shown;
    return shown;
}
FileDialogShown g_lastFileDialog;
bool g_nonInteractive = false;
constexpr std::size_t kShownKept = 64;

// Keeps what the box shows, then runs it; rejectButton answers an unscripted
// box of a non-interactive test.
int Show(QMessageBox& box, QMessageBox::StandardButton rejectButton) {
    box.setEscapeButton(rejectButton);
    auto& shown = ShownList();
    if (shown.size() >= kShownKept) shown.erase(shown.begin());
    shown.push_back({box.windowTitle(), box.text(), box.icon(), box.standardButtons()});
    if (Scripts().empty() && g_nonInteractive) return rejectButton;
    return Run(box);
}

QMessageBox::StandardButton Box(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton rejectButton) {
    QMessageBox box(icon, QString::fromLatin1(APP_TITLE), text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(Show(box, rejectButton));
}

std::optional<QString> FileName(QFileDialog& dialog, const QString& proposed = {}) {
    g_lastFileDialog = {dialog.windowTitle(), dialog.nameFilters(), dialog.defaultSuffix(),
                        proposed};
    if (!FileNames().empty()) {
        QString path = FileNames().front();
        FileNames().pop_front();
        if (path.isEmpty()) return std::nullopt;
        return path;
    }
    if (g_nonInteractive) return std::nullopt;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front();
}

}  // namespace

void PushScript(Script script) {
    Scripts().push_back(std::move(script));
}

void PushAnswer(int result) {
    PushScript([result](QDialog&) { return result; });
}

void PushFileName(const QString& path) {
    FileNames().push_back(path);
}

void SetNonInteractive(bool nonInteractive) {
    g_nonInteractive = nonInteractive;
}

int PendingAnswers() {
    return static_cast<int>(Scripts().size() + FileNames().size());
}

void ClearPending() {
    Scripts().clear();
    FileNames().clear();
}

const FileDialogShown& LastFileDialog() {
    return g_lastFileDialog;
}

const std::vector<Shown>& ShownBoxes() {
    return ShownList();
}
void ClearShownBoxes() {
    ShownList().clear();
}

int Run(QDialog& dialog) {
    if (!Scripts().empty()) {
        Script script = std::move(Scripts().front());
        Scripts().pop_front();
        return script(dialog);
    }
    if (g_nonInteractive) return QDialog::Rejected;
    return dialog.exec();
}

void Notice(QWidget* parent, const QString& text) {
    Box(parent, QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
}

void Inform(QWidget* parent, const QString& text) {
    Box(parent, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool NoticeWithChoice(QWidget* parent, const QString& text, const QString& choice) {
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(APP_TITLE), text, QMessageBox::Ok,
                    parent);
    QPushButton* chosen = box.addButton(choice, QMessageBox::AcceptRole);
    box.setDefaultButton(QMessageBox::Ok);
    const int answer = Show(box, QMessageBox::Ok);
    return box.clickedButton() == chosen || answer == QMessageBox::Yes;
}

bool AskYesNo(QWidget* parent, const QString& question) {
    return Box(parent, QMessageBox::Question, question, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::No) == QMessageBox::Yes;
}

QMessageBox::StandardButton AskYesNoCancel(QWidget* parent, const QString& question) {
    return Box(parent, QMessageBox::Warning, question,
               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
}

QStringList NameFilters(const QString& filter) {
    return filter.split(QStringLiteral(";;"), Qt::SkipEmptyParts);
}

std::optional<QString> OpenFileName(QWidget* parent, const QString& title, const QString& filter) {
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(NameFilters(filter));
    return FileName(dialog);
}

std::optional<QString> SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& defaultSuffix, const QString& proposed) {
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(NameFilters(filter));
    if (!defaultSuffix.isEmpty()) dialog.setDefaultSuffix(defaultSuffix);
    if (!proposed.isEmpty()) dialog.selectFile(proposed);
    return FileName(dialog, proposed);
}

}  // namespace velmora::modal
