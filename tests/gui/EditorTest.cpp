// The window as a table editor: undo and redo of every step, find acting on
// the right rows, several rows at once, the table check.
#include <QHeaderView>
#include <QListWidget>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>

#include "tests/gui/GuiFixture.h"
#include "gui/CheckDlg.h"
#include "gui/ListFilter.h"
#include "session/Commands.h"

namespace velmora::apptest {
namespace {

// The encoded records of the slots in use and the counts: what a step must
// give back byte for byte.
std::vector<uint8_t> Encoded(const SatTpDatabase& db) {
    std::vector<uint8_t> bytes;
    auto put = [&](const uint8_t* p, std::size_t n) { bytes.insert(bytes.end(), p, p + n); };
    uint8_t rec[SAT_RECORD_SIZE];
    for (const LnbRecord& l : db.lnbs) {
        EncodeLnb(l, rec);
        put(rec, LNB_RECORD_SIZE);
    }
    for (int s = 0; s < db.satCount; ++s) {
        EncodeSat(db.satellites[s], rec);
        put(rec, SAT_RECORD_SIZE);
    }
    for (int t = 0; t < db.tpCount; ++t) {
        EncodeTp(db.tps[t], rec);
        put(rec, TP_RECORD_SIZE);
    }
    bytes.push_back(static_cast<uint8_t>(db.satCount));
    bytes.push_back(static_cast<uint8_t>(db.tpCount));
    return bytes;
}

TEST_F(GuiTest, EveryStepUndoesAndRedoesByteForByte) {
    StartWithSample();
    struct Step {
        const char* name;
        std::function<void()> run;
    };
    const std::vector<Step> steps = {
        {"Add TP", [&] { Sess().TpAdd({1, 2, "12345", "27500", 1, 0}); }},
        {"Edit TP", [&] { SelectRow(2); Sess().TpEdit({0, 1, "10900", "29900", 0, 1}); }},
        {"Delete 2 TPs",
         [&] {
             View().List()->selectionModel()->clearSelection();
             View().List()->selectRow(0);
             View().List()->selectionModel()->select(
                 View().List()->model()->index(3, 0),
                 QItemSelectionModel::Select | QItemSelectionModel::Rows);
             modal::PushAnswer(QMessageBox::Yes);
             Sess().TpDelete();
         }},
        {"Sort TPs", [&] { Sess().TpSort({0, 1, 0, 1}); }},
        {"Add Satellite", [&] { Sess().SatAdd({"Epsilon", "7.0", 1, 3}); }},
        {"Edit Satellite", [&] { SelectSatellite(1); Sess().SatEdit({"Beta2", "30.5", 1, 4}); }},
        {"Delete Satellite",
         [&] {
             SelectSatellite(0);
             modal::PushAnswer(QMessageBox::Yes);
             Sess().SatDelete();
         }},
        {"Edit LNB",
         [&] {
             Sess().DisplayLnb();
             SelectRow(3);
             Sess().LnbEdit({2, 1, 0, 1, 2, 2});
             Sess().DisplayTransponders();
         }},
    };
    for (const Step& step : steps) {
        std::vector<uint8_t> before = Encoded(Db());
        step.run();
        std::vector<uint8_t> after = Encoded(Db());
        ASSERT_NE(before, after) << step.name;
        EXPECT_EQ(frame_->CommandAction(CommandId::EditUndo)->text(),
                  QStringLiteral("Undo ") + QLatin1String(step.name));
        frame_->CommandAction(CommandId::EditUndo)->trigger();
        EXPECT_EQ(Encoded(Db()), before) << step.name;
        frame_->CommandAction(CommandId::EditRedo)->trigger();
        EXPECT_EQ(Encoded(Db()), after) << step.name;
        // The tree and the list show the restored tables.
        EXPECT_EQ(View().RootItem()->childCount(), Db().satCount) << step.name;
    }
    // Back to the opened state: the modified mark goes.
    while (frame_->CommandAction(CommandId::EditUndo)->isEnabled()) {
        frame_->CommandAction(CommandId::EditUndo)->trigger();
    }
    EXPECT_EQ(Caption(), QStringLiteral("sattp.csv - Orvane"));
    EXPECT_EQ(frame_->CommandAction(CommandId::EditUndo)->text(), QStringLiteral("Undo"));
}

TEST_F(GuiTest, FindShowsMatchingRowsAndEditsActOnTheRowShown) {
    StartWithSample();
    QTest::keyClicks(View().FindField(), QStringLiteral("27500"));
    QAbstractItemModel* shown = View().List()->model();
    ASSERT_EQ(shown->rowCount(), 3);  // Beta's two and Gamma's
    EXPECT_EQ(frame_->statusBar()->currentMessage(), QStringLiteral("3 of 6 rows match \"27500\""));
    // Down moves to the list with the first match selected; its No. is kept.
    QTest::keyClick(View().FindField(), Qt::Key_Down);
    EXPECT_EQ(View().SelectedRows(), std::vector<int>{2});
    EXPECT_EQ(shown->index(0, 0).data().toString(), QStringLiteral("3"));
    View().List()->selectRow(1);  // No. 4: Beta 10920 H
    modal::PushAnswer(QMessageBox::Yes);
    frame_->RunCommand(CommandId::TpDelete);
    EXPECT_EQ(Db().tpCount, 5);
    for (int t = 0; t < Db().tpCount; ++t) EXPECT_NE(Db().tps[t].frequency, 10920u);
    // Case does not matter; Esc clears.
    View().FindField()->setText(QStringLiteral("gAmMa"));
    EXPECT_EQ(shown->rowCount(), 1);
    QTest::keyClick(View().FindField(), Qt::Key_Escape);
    EXPECT_EQ(shown->rowCount(), 5);
}

TEST_F(GuiTest, HeaderSortOrdersTheViewOnly) {
    StartWithSample();
    std::vector<uint8_t> before = Encoded(Db());
    emit View().List()->horizontalHeader()->sectionClicked(3);  // Freq, ascending
    QAbstractItemModel* shown = View().List()->model();
    EXPECT_EQ(shown->index(0, 3).data().toString(), QStringLiteral("3880"));
    EXPECT_EQ(shown->index(0, 0).data().toString(), QStringLiteral("5"));
    EXPECT_EQ(Encoded(Db()), before);
    EXPECT_FALSE(Sess().Modified());
}

TEST_F(GuiTest, SeveralRowsGoAfterOneQuestion) {
    StartWithSample();
    View().List()->selectAll();
    modal::PushAnswer(QMessageBox::No);
    Click(FormControl::TpDelete);
    ASSERT_FALSE(modal::ShownBoxes().empty());
    EXPECT_EQ(modal::ShownBoxes().back().text, QStringLiteral("Delete 6 TPs ?"));
    EXPECT_EQ(Db().tpCount, 6);
}

TEST_F(GuiTest, CheckTableSelectsTheRowOfAFinding) {
    StartWithSample();
    Db().tps[4].symbolRate = 0;  // Gamma 3880
    modal::PushScript([](QDialog& d) {
        auto& check = dynamic_cast<CheckDlg&>(d);
        // The sample's C-band transponder on a Ku LNB is a finding too.
        int row = -1;
        for (int i = 0; i < check.Findings()->count(); ++i) {
            if (check.Findings()->item(i)->text().contains(QStringLiteral("symbol rate"))) row = i;
        }
        EXPECT_GE(row, 0);
        check.Findings()->setCurrentRow(row);
        return QDialog::Rejected;
    });
    frame_->RunCommand(CommandId::CheckTable);
    EXPECT_EQ(Sess().State().edit.satFilter, -1);
    EXPECT_EQ(View().SelectedRows(), std::vector<int>{4});
}

}  // namespace
}  // namespace velmora::apptest
