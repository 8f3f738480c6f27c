// Meter > Unit records...: the bench's own records, found by ID and day,
// sorted by a column, with the counts below them.
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <cstdlib>

#include "gui/UnitRecordsDlg.h"
#include "records/SqliteStore.h"
#include "tests/gui/GuiFixture.h"

namespace velmora::apptest {
namespace {

TEST_F(GuiTest, UnitRecordsDialogFindsAMeterByIdAndDay) {
    QTemporaryDir data;
    ASSERT_TRUE(data.isValid());
    const QByteArray old = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    QDir(data.path()).mkpath(QStringLiteral("velmora"));
    {
        auto store = records::SqliteStore::Open(Session::UnitRecordsPath(), true, nullptr);
        ASSERT_NE(store, nullptr);
        for (int n = 0; n < 3; ++n) {
            records::UnitRecord r;
            r.id = records::NewUuid();
            r.time = records::UtcTime(1765238400 + 86400 * n);  // 2025-12-09, 10, 11
            r.bench = "bench-" + std::to_string(2 - n);
            r.port = "/dev/ttyUSB0";
            r.uid = "3400215a3432470d2038330" + std::to_string(n);
            r.ok = n != 1;
            r.reason = r.ok ? "" : "Failed to write memory !";
            ASSERT_TRUE(store->Add(r, nullptr));
        }
    }
    StartWithSample();
    modal::PushScript([](QDialog& d) {
        auto& dlg = dynamic_cast<UnitRecordsDlg&>(d);
        QTableWidget* table = dlg.Table();
        EXPECT_EQ(table->rowCount(), 3);
        EXPECT_TRUE(dlg.Report()->text().startsWith(QStringLiteral("3 serviced, 2 passed, 1 failed")));
        // Sorting by bench keeps each row's cells together.
        table->sortItems(1);
        EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("bench-0"));
        EXPECT_EQ(table->item(0, 3)->text(), QStringLiteral("3400215a3432470d20383302"));
        dlg.UidField()->setText(QStringLiteral("3400215A3432470D20383301"));
        dlg.Refresh();
        EXPECT_EQ(table->rowCount(), 1);
        EXPECT_EQ(table->item(0, 6)->text(), QStringLiteral("Failed to write memory !"));
        dlg.UidField()->clear();
        dlg.SinceField()->setText(QStringLiteral("2025-12-10"));
        dlg.UntilField()->setText(QStringLiteral("2025-12-10"));
        dlg.Refresh();
        EXPECT_EQ(table->rowCount(), 1);
        dlg.UntilField()->setText(QStringLiteral("12/10/2025"));
        dlg.Refresh();
        EXPECT_EQ(table->rowCount(), 0);
        EXPECT_TRUE(dlg.Report()->text().contains(QStringLiteral("2026-12-09")));
        return QDialog::Rejected;
    });
    frame_->RunCommand(CommandId::UnitRecords);
    if (old.isNull()) qunsetenv("XDG_DATA_HOME");
    else qputenv("XDG_DATA_HOME", old);
}

}  // namespace
}  // namespace velmora::apptest
