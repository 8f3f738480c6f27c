#include "app/MeterMenu.h"

#include <QFile>
#include <QSettings>

#include "app/CompareDlg.h"
#include "app/Modal.h"
#include "ui/Commands.h"

namespace velmora::metermenu {

namespace {

constexpr const char* kVerifyKey = "meter/verifyAfterWrite";
constexpr const char* kBackupKey = "meter/backupBeforeWrite";
// The folder backups go to; empty or absent: "backups" beside the table file.
constexpr const char* kBackupFolderKey = "meter/backupFolder";

void CompareWithMeter(Session& session, QWidget* parent) {
    MeterComparison c = session.CompareWithMeter();
    // A failed read has shown its status and message already.
    if (c.result != OpResult::Completed || !c.meter) return;
    CCompareDlg dialog(c.comparison, parent);
    if (modal::Run(dialog) == CCompareDlg::TakeMeterTable) session.TakeMeterTable(*c.meter);
}

}  // namespace

void LoadOptions(Session& session, QAction* verify, QAction* backup) {
    QSettings settings;
    TableWriteChecks& checks = session.State().writeChecks;
    checks.verifyAfterWrite = settings.value(QLatin1String(kVerifyKey), true).toBool();
    checks.backupBeforeWrite = settings.value(QLatin1String(kBackupKey), false).toBool();
    checks.backupFolder =
        QFile::encodeName(settings.value(QLatin1String(kBackupFolderKey)).toString()).toStdString();
    for (QAction* a : {verify, backup}) a->setCheckable(true);
    verify->setChecked(checks.verifyAfterWrite);
    backup->setChecked(checks.backupBeforeWrite);
    // The option says where the backups go: beside the table unless set.
    QString folder = checks.backupFolder.empty() ? QStringLiteral("backups/ beside the table")
                                                 : QFile::decodeName(checks.backupFolder.c_str());
    backup->setText(QStringLiteral("Back up before write (to %1)").arg(folder));
}

bool Run(int commandId, Session& session, QAction* action, QWidget* parent) {
    TableWriteChecks& checks = session.State().writeChecks;
    bool* option = nullptr;
    const char* key = nullptr;
    if (commandId == ID_VERIFY_AFTER_WRITE) {
        option = &checks.verifyAfterWrite;
        key = kVerifyKey;
    } else if (commandId == ID_BACKUP_BEFORE_WRITE) {
        option = &checks.backupBeforeWrite;
        key = kBackupKey;
    } else if (commandId == ID_COMPARE_METER) {
        CompareWithMeter(session, parent);
        return true;
    } else {
        return false;
    }
    // A click has flipped the check mark already; a command run otherwise
    // has not, so the session's value is what flips, and the mark follows.
    *option = !*option;
    if (action != nullptr) action->setChecked(*option);
    QSettings().setValue(QLatin1String(key), *option);
    return true;
}

}  // namespace velmora::metermenu
