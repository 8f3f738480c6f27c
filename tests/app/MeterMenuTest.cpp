// The Meter menu: its place, its remembered options and the comparison
// dialog, run through the window against the simulated meter.
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>

#include "GuiFixture.h"
#include "app/CompareDlg.h"
#include "sim/MeterSim.h"
#include "sim/TableDump.h"
#include "ui/Commands.h"

namespace velmora::apptest {
namespace {

QStringList MenuTitles(CMainFrame& frame) {
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
    CMainFrame& frame = StartWithSample();
    QStringList titles = MenuTitles(frame);
    ASSERT_TRUE(titles.contains(QStringLiteral("Meter(&M)")));
    EXPECT_EQ(titles.indexOf(QStringLiteral("Meter(&M)")) + 1,
              titles.indexOf(QStringLiteral("Help(&H)")));
    QAction* verify = frame.CommandAction(ID_VERIFY_AFTER_WRITE);
    QAction* backup = frame.CommandAction(ID_BACKUP_BEFORE_WRITE);
    ASSERT_TRUE(verify && backup && frame.CommandAction(ID_COMPARE_METER));
    EXPECT_TRUE(verify->isCheckable() && verify->isChecked());
    EXPECT_FALSE(backup->isChecked());

    // A click flips the mark before the command runs; both ways agree.
    verify->trigger();
    frame.RunCommand(ID_BACKUP_BEFORE_WRITE);
    EXPECT_FALSE(Sess().State().writeChecks.verifyAfterWrite);
    EXPECT_TRUE(Sess().State().writeChecks.backupBeforeWrite);
    EXPECT_FALSE(verify->isChecked());
    EXPECT_TRUE(backup->isChecked());

    CMainFrame& again = Start();
    EXPECT_FALSE(again.CommandAction(ID_VERIFY_AFTER_WRITE)->isChecked());
    EXPECT_TRUE(again.CommandAction(ID_BACKUP_BEFORE_WRITE)->isChecked());
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
    CMainFrame& frame = Start({meter.SlavePath()});

    QStringList shown;
    modal::PushScript([&](QDialog& d) {
        auto& dialog = static_cast<CCompareDlg&>(d);
        for (int i = 0; i < dialog.Lines()->count(); ++i) shown << dialog.Lines()->item(i)->text();
        EXPECT_TRUE(dialog.Summary()->text().contains(QStringLiteral(" differences: ")));
        EXPECT_TRUE(dialog.TakeButton()->isEnabled());
        return QDialog::Rejected;  // Close
    });
    frame.RunCommand(ID_COMPARE_METER);
    EXPECT_TRUE(shown.contains(QStringLiteral("+ SAT 30.0W Beta")));
    EXPECT_TRUE(shown.contains(QStringLiteral("+ TP  19.2E Alpha  11538 V 22000 unique")));
    EXPECT_EQ(Db().satCount, 4);

    modal::PushAnswer(CCompareDlg::TakeMeterTable);
    frame.RunCommand(ID_COMPARE_METER);
    EXPECT_EQ(Db().satCount, 1);
    EXPECT_EQ(Rows(), 1);
    EXPECT_TRUE(Sess().Modified());
    EXPECT_EQ(meter.Engine().Record().commands, (std::vector<std::string>{"Read tables", "Read tables"}));
    meter.Stop();
}

}  // namespace
}  // namespace velmora::apptest
