// File > Import transponders... and Export satellites.xml... through the
// window: the dialog's list, selection, preview, and what OK and Cancel do.
#include <gmock/gmock.h>

#include <QLabel>
#include <QRadioButton>

#include "GuiFixture.h"
#include "app/ImportDlg.h"
#include "ui/Commands.h"

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
    void Import(const QByteArray& bytes, std::function<int(CImportDlg&)> answer) {
        WriteFile(QStringLiteral("satellites.xml"), bytes);
        modal::PushFileName(QDir::current().filePath(QStringLiteral("satellites.xml")));
        if (answer) {
            modal::PushScript([answer](QDialog& d) {
                auto* dlg = dynamic_cast<CImportDlg*>(&d);
                EXPECT_NE(dlg, nullptr) << "another dialog opened";
                return dlg == nullptr ? int{QDialog::Rejected} : answer(*dlg);
            });
        }
        frame_->RunCommand(ID_FILE_IMPORT);
    }
};

TEST_F(ImportDialogTest, PreviewFollowsTheChoicesAndOkMerges) {
    StartWithSample();
    Import(kList, [](CImportDlg& d) {
        QTreeWidget* list = d.SatelliteList();
        EXPECT_EQ(list->topLevelItemCount(), 2);
        EXPECT_EQ(list->topLevelItem(0)->text(3), QStringLiteral("[1] 19.2E Alpha"));
        EXPECT_EQ(list->topLevelItem(1)->text(3), QStringLiteral("new"));
        EXPECT_EQ(d.PreviewLine()->text(),
                  QStringLiteral("matched 1, added 1 satellites and 2 transponders, 1 duplicates "
                                 "skipped, 0 replaced, 0 left out (table full), 0 invalid"));
        d.SelectNoneButton()->click();
        EXPECT_THAT(d.PreviewLine()->text().toStdString(), ::testing::StartsWith("matched 0, added 0"));
        list->topLevelItem(0)->setCheckState(0, Qt::Checked);
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

TEST_F(ImportDialogTest, CancelAndBrokenFilesChangeNothing) {
    StartWithSample();
    Import(kList, [](CImportDlg&) { return int{QDialog::Rejected}; });
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
    frame_->RunCommand(ID_FILE_EXPORT);
    EXPECT_EQ(modal::LastFileDialog().proposed, QStringLiteral("sattp.xml"));
    EXPECT_EQ(static_cast<QLabel*>(View().Control(IDC_STATUS))->text(),
              QStringLiteral("Exported 4 satellites and 6 transponders to ") + target);
    QFile out(QStringLiteral("out.xml"));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    QByteArray text = out.readAll();
    EXPECT_TRUE(text.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<satellites>\n"));
    EXPECT_TRUE(text.contains("<sat name=\"30.0W Beta\" flags=\"0\" position=\"-300\">"));
}

}  // namespace
}  // namespace velmora::apptest
