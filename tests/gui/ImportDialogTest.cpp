// File > Import transponders... and Export satellites.xml... through the
// window: the dialog's list, selection, preview, and what OK and Cancel do.
#include <gmock/gmock.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "tests/gui/GuiFixture.h"
#include "gui/ImportDlg.h"
#include "session/Commands.h"

namespace velmora::apptest {
namespace {

// 19.2E matches Alpha (11362 H is a duplicate); 28.2E is new.
constexpr const char* kList =
    "<?xml version=\"1.0\"?>\n<satellites>\n"
    "<sat name=\"19.2E Astra\" flags=\"0\" position=\"192\">\n"
    "<transponder frequency=\"11362000\" symbol_rate=\"22000000\" polarization=\"0\"/>\n"
    "<transponder frequency=\"11600000\" symbol_rate=\"22000000\" polarization=\"1\"/>\n"
    "</sat>\n"
    "<sat name=\"28.2E Astra 2E/2F/2G\" flags=\"0\" position=\"282\">\n"
    "<transponder frequency=\"10714000\" symbol_rate=\"22000000\" polarization=\"0\"/>\n"
    "</sat>\n</satellites>\n";

class ImportDialogTest : public GuiTest {
protected:
    void Import(const QByteArray& bytes, std::function<int(ImportDlg&)> answer) {
        WriteFile(QStringLiteral("satellites.xml"), bytes);
        modal::PushFileName(QDir::current().filePath(QStringLiteral("satellites.xml")));
        if (answer) {
            modal::PushScript([answer](QDialog& d) {
                auto* dlg = dynamic_cast<ImportDlg*>(&d);
                EXPECT_NE(dlg, nullptr) << "another dialog opened";
                return dlg == nullptr ? int{QDialog::Rejected} : answer(*dlg);
            });
        }
        RunAndWait(CommandId::FileImport);
    }
};

TEST_F(ImportDialogTest, PreviewFollowsTheChoicesAndOkMerges) {
    StartWithSample();
    Import(kList, [](ImportDlg& d) {
        QTreeWidget* list = d.SatelliteList();
        EXPECT_EQ(list->topLevelItemCount(), 2);
        EXPECT_EQ(d.TargetList(0, Band::Ku)->currentText(), QStringLiteral("[1] 19.2E Alpha"));
        EXPECT_EQ(d.TargetList(1, Band::Ku)->currentText(), QStringLiteral("new"));
        EXPECT_EQ(d.PreviewLine()->text(),
                  QStringLiteral("matched 1, added 1 satellites and 2 transponders, 1 duplicates "
                                 "skipped, 0 replaced, 0 left out (table full), 0 invalid"));
        d.SelectNoneButton()->click();
        EXPECT_THAT(d.PreviewLine()->text().toStdString(), ::testing::StartsWith("matched 0, added 0"));
        d.SourceRow(0)->setCheckState(0, Qt::Checked);
        d.ReplaceButton()->setChecked(true);
        EXPECT_EQ(d.PreviewLine()->text(),
                  QStringLiteral("matched 1, added 0 satellites and 2 transponders, 0 duplicates "
                                 "skipped, 2 replaced, 0 left out (table full), 0 invalid"));
        return int{QDialog::Accepted};
    });
    EXPECT_TRUE(Sess().Modified());
    EXPECT_EQ(Db().satCount, 4);
    EXPECT_EQ(Rows(), 6);
    EXPECT_EQ(View().RootItem()->childCount(), 4);
}

// 30.8W is within a degree of Beta (30.0W) but no match by itself.
constexpr const char* kCluster =
    "<?xml version=\"1.0\"?>\n<satellites>\n"
    "<sat name=\"30.8W Hispasat\" flags=\"0\" position=\"-308\">\n"
    "<transponder frequency=\"11000000\" symbol_rate=\"27500000\" polarization=\"0\"/>\n"
    "</sat>\n"
    "<sat name=\"28.2E\" flags=\"0\" position=\"282\">\n"
    "<transponder frequency=\"10714000\" symbol_rate=\"22000000\" polarization=\"0\"/>\n"
    "</sat>\n"
    "<sat name=\"19.2E Astra\" flags=\"0\" position=\"192\">\n"
    "<transponder frequency=\"11600000\" symbol_rate=\"22000000\" polarization=\"1\"/>\n"
    "</sat>\n</satellites>\n";

TEST_F(ImportDialogTest, RowsRunEastToWestAndTakeTheUsersTargetAndName) {
    StartWithSample();
    Import(kCluster, [](ImportDlg& d) {
        QTreeWidget* list = d.SatelliteList();
        QStringList order;
        for (int r = 0; r < list->topLevelItemCount(); ++r)
            order << list->topLevelItem(r)->text(0) + QLatin1Char(' ') +
                         list->topLevelItem(r)->text(1);
        // The name column does not repeat the position; a bare position stays.
        EXPECT_EQ(order, QStringList({"28.2E 28.2E", "19.2E Astra", "30.8W Hispasat"}));
        d.FindField()->setText(QStringLiteral("astra"));
        EXPECT_TRUE(d.SourceRow(0)->isHidden());
        EXPECT_FALSE(d.SourceRow(2)->isHidden());

        QComboBox* target = d.TargetList(0, Band::Ku);
        EXPECT_EQ(target->currentText(), QStringLiteral("new"));
        target->setCurrentIndex(target->findText(QStringLiteral("[2] 30.0W Beta")));
        d.SourceRow(1)->setText(1, QStringLiteral("Astra North"));
        EXPECT_EQ(d.PreviewLine()->text(),
                  QStringLiteral("matched 2, added 1 satellites and 3 transponders, 0 duplicates "
                                 "skipped, 0 replaced, 0 left out (table full), 0 invalid"));
        return int{QDialog::Accepted};
    });
    EXPECT_EQ(modal::LastFileDialog().nameFilters,
              QStringList({"All files (*)", "Transponder lists (*.xml *.ini)"}));
    ASSERT_EQ(Db().satCount, 5);
    EXPECT_STREQ(Db().satellites[4].name, "Astra North");
    int perSat[5] = {};
    for (int t = 0; t < Db().tpCount; ++t) ++perSat[Db().tps[t].satIndex];
    EXPECT_EQ(perSat[1], 3);  // Beta took the 30.8W transponder
    EXPECT_EQ(perSat[4], 1);
}

// One satellite with a transponder of each band: a new satellite per band.
constexpr const char* kThreeBands =
    "<?xml version=\"1.0\"?>\n<satellites>\n"
    "<sat name=\"28.2E Astra 2F\" flags=\"0\" position=\"282\">\n"
    "<transponder frequency=\"10714000\" symbol_rate=\"22000000\" polarization=\"0\"/>\n"
    "<transponder frequency=\"3880000\" symbol_rate=\"27500000\" polarization=\"0\"/>\n"
    "<transponder frequency=\"19700000\" symbol_rate=\"27500000\" polarization=\"0\"/>\n"
    "</sat>\n</satellites>\n";

TEST_F(ImportDialogTest, EachBandsNewSatelliteGetsTheLnbChosenForIt) {
    StartWithSample();
    Import(kThreeBands, [](ImportDlg& d) {
        d.LnbList(Band::Ku)->setCurrentIndex(1);
        d.LnbList(Band::C)->setCurrentIndex(2);
        d.LnbList(Band::Ka)->setCurrentIndex(5);
        return int{QDialog::Accepted};
    });
    ASSERT_EQ(Db().satCount, 7);
    EXPECT_STREQ(Db().satellites[6].name, "Astra 2F Ka");
    const int lnbs[] = {Db().satellites[4].lnbIndex, Db().satellites[5].lnbIndex,
                        Db().satellites[6].lnbIndex};
    EXPECT_THAT(lnbs, ::testing::ElementsAre(1, 2, 5));
}

TEST_F(ImportDialogTest, CancelAndBrokenFilesChangeNothing) {
    StartWithSample();
    Import(kList, [](ImportDlg&) { return int{QDialog::Rejected}; });
    Import("<satellites>\n<sat position=\"1\">\n", nullptr);
    EXPECT_FALSE(Sess().Modified());
    EXPECT_EQ(Db().tpCount, 6);
    ASSERT_EQ(modal::ShownBoxes().size(), 1u);
    EXPECT_TRUE(modal::ShownBoxes()[0].text.endsWith(
        QStringLiteral("satellites.xml:2: not well-formed XML: Start-end tags mismatch")))
        << modal::ShownBoxes()[0].text.toStdString();
}

TEST_F(ImportDialogTest, ExportOffersTheTablesNameAndSaysWhatItWrote) {
    StartWithSample();
    const QString target = QDir::current().filePath(QStringLiteral("out.xml"));
    modal::PushFileName(target);
    frame_->RunCommand(CommandId::FileExport);
    EXPECT_EQ(modal::LastFileDialog().proposed, QStringLiteral("sattp.xml"));
    EXPECT_EQ(static_cast<QLabel*>(View().Control(FormControl::Status))->text(),
              QStringLiteral("Exported 4 satellites and 6 transponders to ") + target);
    QFile out(QStringLiteral("out.xml"));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    QByteArray text = out.readAll();
    EXPECT_TRUE(text.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<satellites>\n"));
    EXPECT_TRUE(text.contains("<sat name=\"30.0W Beta\" flags=\"0\" position=\"-300\">"));
}

}  // namespace
}  // namespace velmora::apptest
