#include "gui/FormThreadView.h"

#include <QMetaObject>
#include <QThread>
#include <type_traits>

#include "gui/MainForm.h"

namespace velmora {

template <class Call>
auto FormThreadView::Hop(Call call) -> decltype(call()) {
    using Result = decltype(call());
    if (QThread::currentThread() == form_.thread()) return call();
    if constexpr (std::is_void_v<Result>) {
        QMetaObject::invokeMethod(&form_, call, Qt::BlockingQueuedConnection);
    } else {
        Result result{};
        QMetaObject::invokeMethod(&form_, [&] { result = call(); }, Qt::BlockingQueuedConnection);
        return result;
    }
}

void FormThreadView::AddPortName(const std::string& name) {
    return Hop([&] { return form_.AddPortName(name); });
}
void FormThreadView::SelectPortName(const std::string& name) {
    return Hop([&] { return form_.SelectPortName(name); });
}
void FormThreadView::PortWorked(const std::string& name) {
    return Hop([&] { return form_.PortWorked(name); });
}
void FormThreadView::PortListChanged() {
    return Hop([&] { return form_.PortListChanged(); });
}
std::string FormThreadView::SelectedPortName() {
    return Hop([&] { return form_.SelectedPortName(); });
}
void FormThreadView::EnablePortSelector(bool enable) {
    return Hop([&] { return form_.EnablePortSelector(enable); });
}
void FormThreadView::SetControlText(FormControl controlId, const std::string& text) {
    return Hop([&] { return form_.SetControlText(controlId, text); });
}
void FormThreadView::SetProgressRange(int maximum) {
    return Hop([&] { return form_.SetProgressRange(maximum); });
}
void FormThreadView::SetProgressPos(int position) {
    return Hop([&] { return form_.SetProgressPos(position); });
}
void FormThreadView::EnableControl(FormControl controlId, bool enable) {
    return Hop([&] { return form_.EnableControl(controlId, enable); });
}
void FormThreadView::SetCheck(FormControl controlId, bool checked) {
    return Hop([&] { return form_.SetCheck(controlId, checked); });
}
bool FormThreadView::GetCheck(FormControl controlId) {
    return Hop([&] { return form_.GetCheck(controlId); });
}
std::optional<std::string> FormThreadView::AskOpenFile(const FileDialogRequest& dialog) {
    return Hop([&] { return form_.AskOpenFile(dialog); });
}
std::optional<std::string> FormThreadView::AskSaveFile(const FileDialogRequest& dialog) {
    return Hop([&] { return form_.AskSaveFile(dialog); });
}
bool FormThreadView::OfferWriteBack(const std::string& message) {
    return Hop([&] { return form_.OfferWriteBack(message); });
}

void FormThreadView::ShowMessage(const std::string& text, MessageKind kind) {
    return Hop([&] { return form_.ShowMessage(text, kind); });
}
SaveChangesAnswer FormThreadView::AskSaveChanges(const std::string& question) {
    return Hop([&] { return form_.AskSaveChanges(question); });
}
void FormThreadView::SetTitle(const std::string& title) {
    return Hop([&] { return form_.SetTitle(title); });
}
void FormThreadView::BeginWaitCursor() {
    return Hop([&] { return form_.BeginWaitCursor(); });
}
void FormThreadView::EndWaitCursor() {
    return Hop([&] { return form_.EndWaitCursor(); });
}
void FormThreadView::StateChanged() {
    return Hop([&] { return form_.StateChanged(); });
}
bool FormThreadView::AskYesNo(const std::string& question) {
    return Hop([&] { return form_.AskYesNo(question); });
}
int FormThreadView::SelectedRow() {
    return Hop([&] { return form_.SelectedRow(); });
}
std::vector<int> FormThreadView::SelectedRows() {
    return Hop([&] { return form_.SelectedRows(); });
}
void FormThreadView::RefreshSatItem(int satIndex) {
    return Hop([&] { return form_.RefreshSatItem(satIndex); });
}
void FormThreadView::RebuildSatTree() {
    return Hop([&] { return form_.RebuildSatTree(); });
}
void FormThreadView::ShowTpList(int satFilter) {
    return Hop([&] { return form_.ShowTpList(satFilter); });
}
void FormThreadView::ShowLnbList() {
    return Hop([&] { return form_.ShowLnbList(); });
}
void FormThreadView::AppendSatItem(int satIndex) {
    return Hop([&] { return form_.AppendSatItem(satIndex); });
}
void FormThreadView::InsertTpRow(int tpIndex) {
    return Hop([&] { return form_.InsertTpRow(tpIndex); });
}
void FormThreadView::RefreshTpRow(int row, int tpIndex) {
    return Hop([&] { return form_.RefreshTpRow(row, tpIndex); });
}
void FormThreadView::RemoveTpRow(int row) {
    return Hop([&] { return form_.RemoveTpRow(row); });
}
void FormThreadView::RefreshLnbRow(int lnbIndex) {
    return Hop([&] { return form_.RefreshLnbRow(lnbIndex); });
}
void FormThreadView::SelectSatItem(int satIndex) {
    return Hop([&] { return form_.SelectSatItem(satIndex); });
}

}  // namespace velmora
