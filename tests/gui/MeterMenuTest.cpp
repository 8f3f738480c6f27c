// The Meter menu: its place, its remembered options and the comparison
// dialog, run through the window against the simulated meter.
#include <QLabel>
#include <QDir>
#include <QListWidget>
#include <QMessageBox>
#include <QTreeWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>

#include "tests/gui/GuiFixture.h"
#include "gui/CompareDlg.h"
#include "gui/RestoreDlg.h"
#include "core/SatTpFile.h"
#include "sim/MeterSim.h"
#include "sim/TableDump.h"
#include "session/Commands.h"

namespace velmora::apptest {
namespace {

QStringList MenuTitles(MainFrame& frame) {
    QStringList titles;
    for (QAction* a : frame.menuBar()->actions()) titles << a->text();
    return titles;
}

class MeterMenuTest : public GuiTest {
protected:
    void TearDown() override {
        QSettings().clear();
        GuiTest::TearDown();
    }
};

TEST_F(MeterMenuTest, SitsBeforeHelpAndRemembersItsOptions) {
    MainFrame& frame = StartWithSample();
    QStringList titles = MenuTitles(frame);
    ASSERT_TRUE(titles.contains(QStringLiteral("Meter(&M)")));
    EXPECT_EQ(titles.indexOf(QStringLiteral("Meter(&M)")) + 1,
              titles.indexOf(QStringLiteral("Help(&H)")));
    QAction* verify = frame.CommandAction(CommandId::VerifyAfterWrite);
    QAction* backup = frame.CommandAction(CommandId::BackupBeforeWrite);
    ASSERT_TRUE(verify && backup && frame.CommandAction(CommandId::CompareMeter));
    EXPECT_TRUE(verify->isCheckable() && verify->isChecked());
    EXPECT_FALSE(backup->isChecked());

    // A click flips the mark before the command runs; both ways agree.
    verify->trigger();
    frame.RunCommand(CommandId::BackupBeforeWrite);
    EXPECT_FALSE(Sess().State().writeChecks.verifyAfterWrite);
    EXPECT_TRUE(Sess().State().writeChecks.backupBeforeWrite);
    EXPECT_FALSE(verify->isChecked());
    EXPECT_TRUE(backup->isChecked());

    MainFrame& again = Start();
    EXPECT_FALSE(again.CommandAction(CommandId::VerifyAfterWrite)->isChecked());
    EXPECT_TRUE(again.CommandAction(CommandId::BackupBeforeWrite)->isChecked());
    EXPECT_FALSE(Sess().State().writeChecks.verifyAfterWrite);
}

// The switch is the command-line tool's [production] record=: a URL written
// there by hand is kept when the switch goes off and on again.
TEST_F(MeterMenuTest, RecordUnitRecordsFollowsTheSettingTheToolReads) {
    const QString url = QStringLiteral("postgresql://factory/units");
    QSettings().setValue(QStringLiteral("production/record"), url);
    MainFrame& frame = StartWithSample();
    QAction* record = frame.CommandAction(CommandId::RecordUnits);
    ASSERT_NE(record, nullptr);
    EXPECT_TRUE(record->isChecked());
    EXPECT_EQ(Sess().State().recording.target, url.toStdString());
    record->trigger();
    EXPECT_FALSE(Sess().State().recording.wanted);
    EXPECT_EQ(QSettings().value(QStringLiteral("production/record")).toString(),
              QStringLiteral("off"));
    frame.RunCommand(CommandId::RecordUnits);
    EXPECT_TRUE(record->isChecked());
    EXPECT_EQ(QSettings().value(QStringLiteral("production/record")).toString(), url);
}

// The meter's table: Alpha with one transponder.
std::unique_ptr<SatTpDatabase> AlphaTable() {
    auto onMeter = std::make_unique<SatTpDatabase>();
    ClearDatabase(*onMeter);
    ApplyLnbDefaults(*onMeter);
    SetSatName(onMeter->satellites[0], "Alpha", 5);
    onMeter->satellites[0].position = 192;
    onMeter->satCount = 1;
    onMeter->tps[0] = TpRecord{0, 0, 0, 11362, 22000};
    onMeter->tpCount = 1;
    FillUnusedSatSlots(*onMeter);
    return onMeter;
}

sim::MeterOptions ServingAlpha() {
    sim::MeterOptions options;
    options.tables = sim::EncodeTableDump(*AlphaTable());
    return options;
}

TEST_F(MeterMenuTest, CompareShowsTheDifferencesAndTakesTheMetersTable) {
    sim::MeterSim meter(ServingAlpha());
    ASSERT_TRUE(meter.Start());
    WriteFile(QStringLiteral("sattp.csv"), kSampleCsv);
    Start({meter.SlavePath()});

    QStringList shown;
    modal::PushScript([&](QDialog& d) {
        auto& dialog = static_cast<CompareDlg&>(d);
        for (int i = 0; i < dialog.Lines()->count(); ++i) shown << dialog.Lines()->item(i)->text();
        EXPECT_TRUE(dialog.Summary()->text().contains(QStringLiteral(" differences: ")));
        EXPECT_TRUE(dialog.TakeButton()->isEnabled());
        return QDialog::Rejected;  // Close
    });
    RunAndWait(CommandId::CompareMeter);
    EXPECT_TRUE(shown.contains(QStringLiteral("+ SAT 30.0W Beta")));
    EXPECT_TRUE(shown.contains(QStringLiteral("+ TP  19.2E Alpha  11538 V 22000 unique")));
    EXPECT_EQ(Db().satCount, 4);

    modal::PushAnswer(CompareDlg::TakeMeterTable);
    RunAndWait(CommandId::CompareMeter);
    EXPECT_EQ(Db().satCount, 1);
    EXPECT_EQ(Rows(), 1);
    EXPECT_TRUE(Sess().Modified());
    EXPECT_EQ(meter.Engine().Record().commands, (std::vector<std::string>{"Read tables", "Read tables"}));
    meter.Stop();
}

// Compare's Write sends the window's table; Restore lists the backups
// newest first and writes the one chosen, after asking.
TEST_F(MeterMenuTest, CompareWritesTheDocumentAndRestoreWritesTheChosenBackup) {
    sim::MeterSim meter(ServingAlpha());
    ASSERT_TRUE(meter.Start());
    WriteFile(QStringLiteral("sattp.csv"), kSampleCsv);
    Start({meter.SlavePath()});
    modal::PushScript([](QDialog& d) {
        static_cast<CompareDlg&>(d).WriteButton()->click();
        return d.result();
    });
    RunAndWait(CommandId::CompareMeter);
    using Commands = std::vector<std::string>;
    EXPECT_EQ(meter.Engine().Record().commands,
              (Commands{"Read tables", "Write tables", "Read tables"}));
    EXPECT_EQ(Db().satCount, 4);

    QDir().mkpath(QStringLiteral("backups"));
    for (const char* name : {"backups/meter-20261201-100000.csv", "backups/meter-20261202-093000.csv"})
        ASSERT_TRUE(WriteSatTpFile(*AlphaTable(), name));
    QStringList rows;
    modal::PushScript([&](QDialog& d) {
        auto& dialog = static_cast<RestoreDlg&>(d);
        for (int i = 0; i < dialog.List()->topLevelItemCount(); ++i)
            rows << dialog.List()->topLevelItem(i)->text(0) + QLatin1Char(' ') +
                        dialog.List()->topLevelItem(i)->text(1);
        dialog.List()->setCurrentItem(dialog.List()->topLevelItem(1));
        return int(QDialog::Accepted);
    });
    modal::PushAnswer(QMessageBox::Yes);
    RunAndWait(CommandId::RestoreBackup);
    EXPECT_EQ(rows, (QStringList{QStringLiteral("2026-12-02 09:30:00 meter-20261202-093000.csv"),
                                 QStringLiteral("2026-12-01 10:00:00 meter-20261201-100000.csv")}));
    EXPECT_EQ(meter.Engine().Record().commands,
              (Commands{"Read tables", "Write tables", "Read tables", "Write tables", "Read tables"}));
    ASSERT_FALSE(modal::ShownBoxes().empty());
    EXPECT_EQ(modal::ShownBoxes().back().text,
              QStringLiteral("Backup written to the meter: meter-20261201-100000.csv"));
    EXPECT_EQ(Db().satCount, 4);
    meter.Stop();
}

}  // namespace
}  // namespace velmora::apptest
