// Meter > Unit records...: the bench's own records, found by ID and day,
// sorted by a column, with the counts below them; a production line's
// report on the second page.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QHeaderView>
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

// A report as the production line writes it shows a row per meter; a file
// that is not one says which line, and the table is emptied.
TEST_F(GuiTest, UnitRecordsDialogShowsAReportOrSaysWhichLineIsBad) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString good = folder.filePath(QStringLiteral("line.jsonl"));
    const QString bad = folder.filePath(QStringLiteral("notes.jsonl"));
    QFile out(good);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(R"({"start":"2026-12-09T08:00:01+01:00","port":"/dev/ttyUSB0","meter":1,)"
              R"("steps":{"soft":{"result":"ok","seconds":9.1},"tables":{"result":"ok",)"
              R"("seconds":2.0}},"productId":"0x410","bootloaderVersion":"2.2",)"
              R"("uid":"3400215a3432470d20383301","firmwareSha256":null,)"
              R"("result":"Patch up done ","ok":true})"
              "\n"
              R"({"start":"2026-12-09T08:00:05+01:00","port":"/dev/ttyUSB1","meter":1,)"
              R"("steps":{"soft":{"result":"failed","seconds":3.0}},"productId":null,)"
              R"("bootloaderVersion":null,"firmwareSha256":null,)"
              R"("result":"SOFT upgrade failed ! ","ok":false})"
              "\n");
    out.close();
    QFile notes(bad);
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("{\"port\":\"/dev/ttyUSB0\",\"steps\":{},\"result\":\"ok\"}\nmeter 2 passed\n");
    notes.close();
    StartWithSample();
    modal::PushScript([&](QDialog& d) {
        auto& dlg = dynamic_cast<UnitRecordsDlg&>(d);
        dlg.Pages()->setCurrentIndex(1);
        QTableWidget* table = dlg.ReportTable();
        modal::PushFileName(good);
        dlg.Pages()->currentWidget()->findChild<QPushButton*>()->click();
        EXPECT_EQ(table->rowCount(), 2);
        if (table->rowCount() != 2) return QDialog::Rejected;
        // Newest first, as the records.
        EXPECT_EQ(table->item(0, 5)->text(), QStringLiteral("failed"));
        EXPECT_EQ(table->item(0, 6)->toolTip(), QStringLiteral("SOFT upgrade failed !"));
        EXPECT_EQ(table->item(1, 3)->text(), QStringLiteral("3400215a3432470d20383301"));
        EXPECT_EQ(table->item(1, 4)->text(), QStringLiteral("soft ok, tables ok"));
        EXPECT_EQ(dlg.ReportSummary()->text(),
                  QStringLiteral("line.jsonl: 2 meters, 1 passed, 1 failed"));
        dlg.OpenReport(bad);
        EXPECT_EQ(table->rowCount(), 0);
        EXPECT_EQ(dlg.ReportSummary()->text(),
                  QStringLiteral("notes.jsonl, line 2, is not a line of a production report."));
        // Every column shows at the dialog's first size, on either page.
        dlg.show();
        for (int page : {1, 0}) {
            dlg.Pages()->setCurrentIndex(page);
            QCoreApplication::processEvents();
            QTableWidget* shown = page == 0 ? dlg.Table() : table;
            EXPECT_LE(shown->horizontalHeader()->sectionPosition(6) + 40,
                      shown->viewport()->width());
        }
        return QDialog::Rejected;
    });
    frame_->RunCommand(CommandId::UnitRecords);
}

}  // namespace
}  // namespace velmora::apptest
