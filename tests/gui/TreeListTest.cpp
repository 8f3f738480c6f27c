// The satellite tree, the TP and LNB lists, the filter from the tree and the
// display commands.
#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QSignalSpy>
#include <QAbstractButton>
#include <QTest>

#include "tests/gui/GuiFixture.h"
#include "gui/DisplayText.h"
#include "session/Commands.h"

namespace velmora::apptest {
namespace {

// The model tester reports through warnings; every one fails the test.
QStringList g_modelFailures;
void CollectModelFailures(QtMsgType, const QMessageLogContext&, const QString& message) {
    g_modelFailures << message;
}

QStringList RowTexts(TpListModel& m, int row) {
    QStringList cells;
    for (int c = 0; c < m.columnCount(); ++c) cells << m.CellText(row, c);
    return cells;
}

// ---- contents ------------------------------------------------------------------

TEST_F(GuiTest, TreeLabelsCarryNumberPositionAndName) {
    StartWithSample();
    QStringList labels;
    for (int i = 0; i < View().RootItem()->childCount(); ++i) labels << SatItem(i)->text(0);
    EXPECT_EQ(labels, QStringList({"[1] 19.2E Alpha", "[2] 30.0W Beta", "[3] 180.0E Gamma",
                                   "[4] 179.9W Delta"}));
    EXPECT_FALSE(SatItem(0)->icon(0).isNull());
}

TEST_F(GuiTest, TpListColumnsAndCells) {
    StartWithSample();
    QStringList headings;
    for (int c = 0; c < Model().columnCount(); ++c) {
        headings << Model().headerData(c, Qt::Horizontal).toString();
    }
    EXPECT_EQ(headings, QStringList({"No.", "Satellite", "LNB", "Freq", "Pol", "SR", "UNIQUE"}));
    EXPECT_EQ(Model().data(Model().index(0, 1), Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignLeft | Qt::AlignVCenter);
    EXPECT_EQ(Model().data(Model().index(0, 3), Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::Alignment(Qt::AlignCenter));
    ASSERT_EQ(Rows(), 6);
    EXPECT_EQ(RowTexts(Model(), 0),
              QStringList({"1", "[1] 19.2E Alpha", "1", "11362", "H", "22000", " "}));
    EXPECT_EQ(RowTexts(Model(), 1),
              QStringList({"2", "[1] 19.2E Alpha", "1", "11538", "V", "22000", "Y"}));
    EXPECT_EQ(Cell(2, 2), QStringLiteral("2"));
    EXPECT_EQ(Cell(4, 6), QStringLiteral("Y"));
    // Widths follow the font, in the proportions of the classic form.
    QHeaderView* header = View().List()->horizontalHeader();
    EXPECT_GT(header->sectionSize(1), 5 * header->sectionSize(0));
}

TEST_F(GuiTest, AWiderWindowWidensTheSatelliteColumn) {
    StartWithSample();
    QHeaderView* header = View().List()->horizontalHeader();
    const int designed = header->sectionSize(1);
    frame_->resize(frame_->width() + 400, frame_->height());
    QCoreApplication::processEvents();
    EXPECT_GT(header->sectionSize(1), designed);
    EXPECT_EQ(header->length(), View().List()->viewport()->width());
    frame_->resize(frame_->width() - 400, frame_->height());
    QCoreApplication::processEvents();
    EXPECT_EQ(header->sectionSize(1), designed);
}

TEST_F(GuiTest, LnbListTexts) {
    StartWithSample();
    frame_->RunCommand(CommandId::DisplayLnb);
    ASSERT_EQ(Rows(), 16);
    EXPECT_EQ(Model().headerData(4, Qt::Horizontal).toString(), QStringLiteral("DiSEqC Switch"));
    EXPECT_EQ(RowTexts(Model(), 1),
              QStringList({"2", "9750/10700", "13/18", "Fixed", "V1.0", "Burst A", "0/22K"}));
    EXPECT_EQ(Cell(2, 1), QStringLiteral("5150"));
    EXPECT_EQ(RowTexts(Model(), 3),
              QStringList({"4", "11300", "13/18", "Fixed", "V1.1", "2", "0/22K"}));
}

TEST_F(GuiTest, LnbListOfNeverLoadedTablesReadsAllZero) {
    Start();
    frame_->RunCommand(CommandId::DisplayLnb);
    EXPECT_EQ(RowTexts(Model(), 15), QStringList({"16", "0", "Off", "Fixed", "Off", "1", "Off"}));
}

TEST_F(GuiTest, NamesShowDecodedAndKeepTheirBytes) {
    // A Latin-1 "é" and a UTF-8 "é" both read "Café"; a broken sequence falls back.
    WriteFile(QStringLiteral("sattp.csv"),
              "name,longitude,LNBNo.,LNBFreq,DiSEqC,frequency,symbolrate,polarization\r\n"
              "Caf\xE9,1.0E,1,9750/10600,1,11000,27500,H\r\n"
              "Caf\xC3\xA9,2.0E,1,9750/10600,1,11100,27500,H\r\n"
              "Caf\xC3\xA9,2.0E,1,9750/10600,1,11200,27500,H\r\n");
    Start();
    EXPECT_EQ(SatItem(0)->text(0), QStringLiteral("[1] 1.0E Café"));
    EXPECT_EQ(SatItem(1)->text(0), QStringLiteral("[2] 2.0E Café"));
    EXPECT_EQ(SatName(Db().satellites[0]), "Caf\xE9");
    EXPECT_EQ(SatName(Db().satellites[1]), "Caf\xC3\xA9");
    SelectSatellite(1);
    EXPECT_EQ(Sess().State().edit.satFilter, 1);
    EXPECT_EQ(Rows(), 2);
    EXPECT_EQ(Cell(0, 1), QStringLiteral("[2] 2.0E Café"));
    EXPECT_EQ(DisplayText("\xC3("), QString::fromLatin1("\xC3("));
}

// ---- filter, display commands and edit buttons ------------------------------------

TEST_F(GuiTest, TreeSelectionFiltersTheList) {
    StartWithSample();
    SelectSatellite(1);
    EXPECT_EQ(Sess().State().edit.satFilter, 1);
    ASSERT_EQ(Rows(), 2);
    EXPECT_EQ(Cell(0, 0), QStringLiteral("1"));
    EXPECT_EQ(Cell(1, 3), QStringLiteral("10920"));
    SelectSatellite(-1);
    EXPECT_EQ(Sess().State().edit.satFilter, -1);
    EXPECT_EQ(Rows(), 6);
}

TEST_F(GuiTest, TreeSelectionLeavesTheLnbListAndEnablesTpButtons) {
    StartWithSample();
    frame_->RunCommand(CommandId::DisplayLnb);
    for (FormControl id : {FormControl::TpAdd, FormControl::TpEdit, FormControl::TpDelete, FormControl::TpSort, FormControl::SatDelete}) {
        EXPECT_FALSE(Enabled(id)) << static_cast<int>(id);
    }
    EXPECT_TRUE(Enabled(FormControl::LnbEdit));
    EXPECT_TRUE(Enabled(FormControl::SatAdd));
    SelectSatellite(2);
    EXPECT_EQ(Model().ListMode(), TpListModel::Mode::Tps);
    EXPECT_EQ(Rows(), 1);
    for (FormControl id : {FormControl::TpAdd, FormControl::TpEdit, FormControl::TpDelete, FormControl::TpSort, FormControl::SatDelete}) {
        EXPECT_TRUE(Enabled(id)) << static_cast<int>(id);
    }
    EXPECT_FALSE(Enabled(FormControl::LnbEdit));
}

TEST_F(GuiTest, DisplayCommandsRebuildOnlyOnAChange) {
    StartWithSample();
    QSignalSpy resets(&Model(), &QAbstractItemModel::modelReset);
    frame_->RunCommand(CommandId::DisplayTps);
    EXPECT_EQ(resets.count(), 0);
    frame_->RunCommand(CommandId::DisplayLnb);
    frame_->RunCommand(CommandId::DisplayLnb);
    EXPECT_EQ(resets.count(), 1);
    SelectSatellite(3);  // shows Delta's TPs
    frame_->RunCommand(CommandId::DisplayLnb);
    frame_->RunCommand(CommandId::DisplayTps);
    EXPECT_EQ(Rows(), 1);  // the filter stays
}

TEST_F(GuiTest, RebuildKeepsFilterAndList) {
    StartWithSample();
    SelectSatellite(1);
    QSignalSpy resets(&Model(), &QAbstractItemModel::modelReset);
    View().RebuildSatTree();
    EXPECT_EQ(resets.count(), 0);
    EXPECT_EQ(Sess().State().edit.satFilter, 1);
    EXPECT_EQ(View().Tree()->currentItem(), View().RootItem());
}

TEST_F(GuiTest, SelectedRowDefaultsToRowZero) {
    StartWithSample();
    EXPECT_EQ(View().SelectedRow(), 0);
    SelectRow(3);
    EXPECT_EQ(View().SelectedRow(), 3);
    SelectSatellite(1);  // a rebuilt list has no selection
    EXPECT_EQ(View().SelectedRow(), 0);
}

// ---- row-level updates ------------------------------------------------------------

TEST_F(GuiTest, ModelStaysConsistentThroughRowUpdates) {
    StartWithSample();
    g_modelFailures.clear();
    QtMessageHandler previous = qInstallMessageHandler(CollectModelFailures);
    QAbstractItemModelTester tester(&Model(),
                                    QAbstractItemModelTester::FailureReportingMode::Warning);
    // Append a TP of Beta at the end of the table while Beta is shown.
    SelectSatellite(1);
    TpRecord& tp = Db().tps[Db().tpCount];
    tp = TpRecord{1, 0, TP_FLAG_VERTICAL, 12100, 27500};
    Db().tpCount += 1;
    View().InsertTpRow(Db().tpCount - 1);
    ASSERT_EQ(Rows(), 3);
    EXPECT_EQ(Cell(2, 0), QStringLiteral("3"));
    EXPECT_EQ(Cell(2, 3), QStringLiteral("12100"));

    SelectSatellite(-1);
    Db().tps[4].frequency = 3900;
    View().RefreshTpRow(4, 4);
    EXPECT_EQ(Cell(4, 3), QStringLiteral("3900"));

    // Remove table row 3 the way the delete does: the rows below move up.
    std::copy(Db().tps + 4, Db().tps + Db().tpCount, Db().tps + 3);
    Db().tpCount -= 1;
    View().RemoveTpRow(3);
    ASSERT_EQ(Rows(), 6);
    EXPECT_EQ(RowTexts(Model(), 3).mid(0, 4), QStringList({"4", "[3] 180.0E Gamma", "3", "3900"}));
    EXPECT_EQ(Cell(5, 0), QStringLiteral("6"));

    View().ShowLnbList();
    Db().lnbs[0].type = 6;
    View().RefreshLnbRow(0);
    EXPECT_EQ(Cell(0, 1), QStringLiteral("11300"));
    qInstallMessageHandler(previous);
    EXPECT_TRUE(g_modelFailures.isEmpty()) << g_modelFailures.join(u'\n').toStdString();
}

TEST_F(GuiTest, AnAddedTransponderShowsUnderItsSatelliteAtOnce) {
    StartWithSample();
    SelectSatellite(-1);
    Sess().TpAdd({.satellite = 0, .frequency = "12100", .symbolRate = "27500"});
    ASSERT_EQ(Rows(), 7);
    // Alpha's third row, Beta's rows behind it, every row numbered again.
    EXPECT_EQ(RowTexts(Model(), 2).mid(0, 4),
              QStringList({"3", "[1] 19.2E Alpha", "1", "12100"}));
    EXPECT_EQ(Cell(3, 0), QStringLiteral("4"));
    EXPECT_EQ(Cell(3, 3), QStringLiteral("10882"));
    EXPECT_EQ(Db().tps[2].frequency, 12100u);

    // Added to Alpha while Beta is shown: Beta's rows stay Beta's.
    SelectSatellite(1);
    Sess().TpAdd({.satellite = 0, .frequency = "12200", .symbolRate = "27500"});
    ASSERT_EQ(Rows(), 2);
    EXPECT_EQ(Cell(0, 3), QStringLiteral("10882"));
    EXPECT_EQ(Cell(1, 3), QStringLiteral("10920"));
}

// ---- keyboard ------------------------------------------------------------------

// The focused widget as a failure names it: its class and its text.
std::string FocusName() {
    QWidget* w = QApplication::focusWidget();
    if (w == nullptr) return "nothing";
    QString text;
    if (auto* b = qobject_cast<QAbstractButton*>(w)) text = b->text();
    return std::string(w->metaObject()->className()) + " " + text.toStdString();
}

TEST_F(GuiTest, TabReachesEveryControlInScreenOrderAndShiftTabGoesBack) {
    StartWithSample();
    SelectSatellite(0);  // every button but LNB Edit (off beside transponders) is on
    QApplication::setActiveWindow(frame_.get());
    const std::vector<FormControl> order = {
        FormControl::PortSelector, FormControl::Tree,      FormControl::Find,
        FormControl::List,         FormControl::TpAdd,     FormControl::TpEdit,
        FormControl::TpDelete,     FormControl::TpSort,    FormControl::SatAdd,
        FormControl::SatEdit,      FormControl::SatDelete, FormControl::PatchSoft,    FormControl::PatchIcon, FormControl::PatchLogo,
        FormControl::PatchSattp};
    View().Control(order.front())->setFocus(Qt::TabFocusReason);
    for (std::size_t i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), View().Control(order[i]))
            << "Tab " << i << " reached " << FocusName();
    }
    for (std::size_t i = order.size() - 1; i-- > 0;) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), View().Control(order[i]))
            << "Shift+Tab " << i << " reached " << FocusName();
    }
}

}  // namespace
}  // namespace velmora::apptest
