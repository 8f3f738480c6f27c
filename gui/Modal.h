// Every modal window of the program opens through here: message boxes, file
// dialogs, the edit dialogs and the About box. A test queues the next answer
// beforehand (or a script that looks at the dialog and answers it), so GUI
// tests never wait in a modal event loop.
#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace velmora::modal {

// Answers one modal dialog: returns what exec() would have returned.
using Script = std::function<int(QDialog&)>;

// Test seam: the next modal dialog or message box is answered by the script.
void PushScript(Script script);
// Test seam: the next modal is answered with result (QDialog::Accepted,
// QMessageBox::Yes, ...) without being shown.
void PushAnswer(int result);
// Test seam: the next file dialog returns this path; an empty one cancels.
void PushFileName(const QString& path);
// Test seam: unscripted modals are not shown but rejected (Cancel, No, Esc),
// so a forgotten answer fails an assertion instead of hanging the test.
void SetNonInteractive(bool nonInteractive);
// How many queued answers are still unused.
int PendingAnswers();
void ClearPending();

// What a message box showed; the last boxes are kept for tests.
struct Shown {
    QString caption;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};
const std::vector<Shown>& ShownBoxes();
void ClearShownBoxes();

// The last file dialog asked for (its title, name filters, default suffix
// and the name a save dialog offered).
struct FileDialogShown {
    QString title;
    QStringList nameFilters;
    QString defaultSuffix;
    QString proposed;
};
const FileDialogShown& LastFileDialog();

// Runs a dialog modally (or answers it from the queue).
int Run(QDialog& dialog);

// Message boxes, all captioned with the application title.
// A plain notice: OK with the exclamation icon.
void Notice(QWidget* parent, const QString& text);
// A success: OK with the information icon.
void Inform(QWidget* parent, const QString& text);
// A notice with a second button beside OK that does something about it;
// true when that button was chosen (a script answers Yes for it).
bool NoticeWithChoice(QWidget* parent, const QString& text, const QString& choice);
// A Yes/No confirmation with the question icon; true only for Yes.
bool AskYesNo(QWidget* parent, const QString& question);
// Yes/No/Cancel with the exclamation icon.
QMessageBox::StandardButton AskYesNoCancel(QWidget* parent, const QString& question);

// File dialogs. filter is Qt's "text (patterns);;text (patterns)"; nullopt
// when cancelled.
std::optional<QString> OpenFileName(QWidget* parent, const QString& title, const QString& filter);
// proposed: the name (or path) the dialog offers; empty for none.
std::optional<QString> SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& defaultSuffix, const QString& proposed = {});

// "sattp files (*.csv);;All Files (*)" as the dialog's list of filters.
QStringList NameFilters(const QString& filter);

}  // namespace velmora::modal
