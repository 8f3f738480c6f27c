#include "gui/MeterMenu.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <memory>

#include "gui/CompareDlg.h"
#include "gui/MainFrame.h"
#include "gui/Modal.h"
#include "gui/RestoreDlg.h"

namespace velmora::metermenu {

namespace {

// The folder backups go to; empty or absent: "backups" beside the table file.
constexpr const char* kBackupFolderKey = "meter/backupFolder";

// The command-line tool reads it too: off, on (the bench's own file), or a
// file or postgresql:// URL written there by hand.
constexpr const char* kRecordKey = "production/record";

struct Option {
    WindowStep step;
    const char* key;
    bool byDefault;
    bool& (*value)(SessionState&);
};

constexpr Option kOptions[] = {
    {WindowStep::ToggleVerify, "meter/verifyAfterWrite", true,
     [](SessionState& s) -> bool& { return s.writeChecks.verifyAfterWrite; }},
    {WindowStep::ToggleBackup, "meter/backupBeforeWrite", false,
     [](SessionState& s) -> bool& { return s.writeChecks.backupBeforeWrite; }},
    {WindowStep::ToggleRecord, kRecordKey, false,
     [](SessionState& s) -> bool& { return s.recording.wanted; }},
};

const Option* FindOption(WindowStep step) {
    for (const Option& o : kOptions) {
        if (o.step == step) return &o;
    }
    return nullptr;
}

}  // namespace

bool IsOption(WindowStep step) { return FindOption(step) != nullptr; }

void LoadOption(WindowStep step, Session& session, QAction* action) {
    const Option* option = FindOption(step);
    if (option == nullptr) return;
    QSettings settings;
    if (step == WindowStep::ToggleRecord) {
        session.State().recording = records::ParseRecordSetting(
            settings.value(QLatin1String(kRecordKey)).toString().toStdString());
    } else {
        option->value(session.State()) =
            settings.value(QLatin1String(option->key), option->byDefault).toBool();
    }
    action->setCheckable(true);
    action->setChecked(option->value(session.State()));
    if (step != WindowStep::ToggleBackup) return;
    TableWriteChecks& checks = session.State().writeChecks;
    checks.backupFolder =
        QFile::encodeName(settings.value(QLatin1String(kBackupFolderKey)).toString()).toStdString();
    // The option says where the backups go: beside the table unless set.
    QString folder = checks.backupFolder.empty()
                         ? QCoreApplication::translate("MeterMenu", "backups/ beside the table")
                         : QFile::decodeName(checks.backupFolder.c_str());
    action->setText(
        QCoreApplication::translate("MeterMenu", "Back up before write (to %1)").arg(folder));
}

void ToggleOption(WindowStep step, Session& session, QAction* action) {
    const Option* option = FindOption(step);
    if (option == nullptr) return;
    bool& value = option->value(session.State());
    // A click has flipped the check mark already; a command run otherwise
    // has not, so the session's value is what flips, and the mark follows.
    value = !value;
    if (action != nullptr) action->setChecked(value);
    if (step != WindowStep::ToggleRecord) {
        QSettings().setValue(QLatin1String(option->key), value);
        return;
    }
    // A file or URL named by hand comes back when recording is turned on again
    // in this window; the settings keep "off" or what records now.
    const std::string& target = session.State().recording.target;
    QSettings().setValue(QLatin1String(kRecordKey),
                         !value            ? QStringLiteral("off")
                         : target.empty() ? QStringLiteral("on")
                                           : QString::fromStdString(target));
}

void CompareWithMeter(Session& session, MainFrame& frame) {
    auto c = std::make_shared<MeterComparison>();
    frame.RunLongOperation([&session, c] { *c = session.CompareWithMeter(); },
                           [&session, &frame, c] {
                               // A failed read has shown its status and message already.
                               if (c->result != OpResult::Completed || !c->meter) return;
                               CompareDlg dialog(c->comparison, &frame);
                               const int answer = modal::Run(dialog);
                               if (answer == CompareDlg::TakeMeterTable)
                                   session.TakeMeterTable(*c->meter);
                               if (answer == CompareDlg::WriteToMeter)
                                   frame.RunCommand(CommandId::Write);
                           });
}

void RestoreBackup(Session& session, MainFrame& frame) {
    // An empty list has been said, naming the folder.
    const std::vector<BackupFile> backups = session.TableBackups();
    if (backups.empty()) return;
    RestoreDlg dialog(backups, session.BackupFolder(), &frame);
    if (modal::Run(dialog) != QDialog::Accepted || dialog.Chosen() < 0) return;
    const std::string path = backups[static_cast<std::size_t>(dialog.Chosen())].path;
    frame.RunLongOperation([&session, path] { session.RestoreBackup(path); });
}

}  // namespace velmora::metermenu
