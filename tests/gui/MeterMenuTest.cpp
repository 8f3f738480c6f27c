// The Meter menu: its place, its remembered options and the comparison
// dialog, run through the window against the simulated meter.
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>

#include "tests/gui/GuiFixture.h"
#include "gui/CompareDlg.h"
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

TEST_F(MeterMenuTest, CompareShowsTheDifferencesAndTakesTheMetersTable) {
    auto onMeter = std::make_unique<SatTpDatabase>();
    ClearDatabase(*onMeter);
    ApplyLnbDefaults(*onMeter);
    SetSatName(onMeter->satellites[0], "Alpha", 5);
    onMeter->satellites[0].position = 192;
    onMeter->satCount = 1;
    onMeter->tps[0] = TpRecord{0, 0, 0, 11362, 22000};
    onMeter->tpCount = 1;
    FillUnusedSatSlots(*onMeter);
    sim::MeterOptions options;
    options.tables = sim::EncodeTableDump(*onMeter);
    sim::MeterSim meter(options);
    ASSERT_TRUE(meter.Start());
    WriteFile(QStringLiteral("sattp.csv"), kSampleCsv);
    MainFrame& frame = Start({meter.SlavePath()});

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

}  // namespace
}  // namespace velmora::apptest
