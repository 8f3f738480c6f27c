// Transponder lists from the scan-table catalog and from the web, through
// the window: what the dialogs show, what OK merges, and failures that
// change nothing.
#include <gmock/gmock.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QUrl>
#include <QPlainTextEdit>
#include <QTimer>

#include "tests/gui/GuiFixture.h"
#include "gui/CatalogDlg.h"
#include "gui/ImportDlg.h"
#include "gui/UrlImport.h"
#include "tests/support/ListServer.h"
#include "tests/support/ScratchFolder.h"
#include "session/Commands.h"

namespace velmora::apptest {
namespace {

using ::testing::HasSubstr;

QByteArray ScanTable(std::initializer_list<const char*> frequencies) {
    QByteArray text = "# made for this test\n";
    for (const char* f : frequencies) {
        text += QByteArray("[CHANNEL]\n\tDELIVERY_SYSTEM = DVBS\n\tFREQUENCY = ") + f +
                "\n\tPOLARIZATION = HORIZONTAL\n\tSYMBOL_RATE = 22000000\n";
    }
    return text;
}

template <class Dialog>
void Answer(std::function<int(Dialog&)> answer) {
    modal::PushScript([answer](QDialog& d) {
        auto* dlg = dynamic_cast<Dialog*>(&d);
        EXPECT_NE(dlg, nullptr) << "another dialog opened";
        return dlg == nullptr ? int{QDialog::Rejected} : answer(*dlg);
    });
}

using CatalogTest = GuiTest;

TEST_F(CatalogTest, AddsTheTickedSatellitesAsOneStep) {
    QDir().mkdir(QStringLiteral("dvb-s"));
    // Astra meets Alpha at 19.2E, whose 11362 H is there already; Hotbird is new.
    WriteFile(QStringLiteral("dvb-s/Astra-19.2E"), ScanTable({"11362000", "11494000"}));
    WriteFile(QStringLiteral("dvb-s/Hotbird-13.0E"), ScanTable({"10992000"}));
    WriteFile(QStringLiteral("dvb-s/Hispasat-30.0W"), ScanTable({"11731000"}));
    scanTableFolder_ = QDir::current().filePath(QStringLiteral("dvb-s")).toStdString();
    StartWithSample();
    Answer<CatalogDlg>([](CatalogDlg& d) {
        EXPECT_EQ(d.EntryList()->topLevelItemCount(), 3);
        d.FindField()->setText(QStringLiteral("30.0w"));
        EXPECT_TRUE(d.EntryRow(0)->isHidden());
        EXPECT_FALSE(d.EntryRow(2)->isHidden());
        d.EntryRow(0)->setCheckState(0, Qt::Checked);
        d.EntryRow(1)->setCheckState(0, Qt::Checked);
        EXPECT_EQ(d.ChangesPane()->toPlainText(),
                  QStringLiteral("19.2E Alpha: 1 added\n  + 11494 H 22000\n"
                                 "13.0E Hotbird (new): 1 added\n  + 10992 H 22000\n"));
        EXPECT_THAT(d.PreviewLine()->text().toStdString(),
                    ::testing::StartsWith("matched 1, added 1 satellites and 2 transponders"));
        return int{QDialog::Accepted};
    });
    frame_->RunCommand(CommandId::FileCatalog);
    EXPECT_EQ(Db().satCount, 5);
    EXPECT_EQ(Db().tpCount, 8);
    Sess().Undo();
    EXPECT_EQ(Db().satCount, 4);
    EXPECT_EQ(Db().tpCount, 6);
    EXPECT_FALSE(Sess().Modified());
}

TEST_F(CatalogTest, RunsEastToWestMeetsASatelliteWithinADegreeAndTakesTheKaLnb) {
    QDir().mkdir(QStringLiteral("dvb-s"));
    WriteFile(QStringLiteral("dvb-s/Kaband-179.9W"), ScanTable({"19700000"}));
    WriteFile(QStringLiteral("dvb-s/Hispasat-30.8W"), ScanTable({"11000000"}));  // Beta: 30.0W
    WriteFile(QStringLiteral("dvb-s/Astra-19.2E"), ScanTable({"11494000"}));
    WriteFile(QStringLiteral("dvb-s/Intelsat-18-180.0E"), ScanTable({"12100000"}));
    scanTableFolder_ = QDir::current().filePath(QStringLiteral("dvb-s")).toStdString();
    StartWithSample();
    Answer<CatalogDlg>([](CatalogDlg& d) {
        QStringList order;
        for (int r = 0; r < d.EntryList()->topLevelItemCount(); ++r)
            order << d.EntryList()->topLevelItem(r)->text(0);
        EXPECT_EQ(order, QStringList({"180.0E", "19.2E", "30.8W", "179.9W"}));
        d.EntryRow(2)->setCheckState(0, Qt::Checked);
        d.EntryRow(3)->setCheckState(0, Qt::Checked);
        d.LnbList(Band::Ka)->setCurrentIndex(5);
        EXPECT_EQ(d.ChangesPane()->toPlainText(),
                  QStringLiteral("30.0W Beta: 1 added\n  Hispasat 30.8W matched 30.0W Beta\n"
                                 "  + 11000 H 22000\n"
                                 "179.9W Kaband Ka (new): 1 added\n  + 19700 H 22000\n"));
        return int{QDialog::Accepted};
    });
    frame_->RunCommand(CommandId::FileCatalog);
    ASSERT_EQ(Db().satCount, 5);
    EXPECT_EQ(Db().satellites[4].lnbIndex, 5);
}

TEST_F(CatalogTest, WithoutItsFolderSaysWhy) {
    scanTableFolder_ = "/nonexistent/dvb-s";
    StartWithSample();
    frame_->RunCommand(CommandId::FileCatalog);
    ASSERT_EQ(modal::ShownBoxes().size(), 1u);
    EXPECT_THAT(modal::ShownBoxes()[0].text.toStdString(),
                HasSubstr("no scan tables in /nonexistent/dvb-s"));
}

class UrlImportTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        ASSERT_TRUE(server.Running());
    }
    // then: the answer of the import dialog, when the download succeeds.
    void ImportUrl(const std::string& url, std::function<int(ImportDlg&)> then = {}) {
        Answer<UrlDlg>([url](UrlDlg& d) {
            d.AddressBox()->setEditText(QString::fromStdString(url));
            return int{QDialog::Accepted};
        });
        if (then) Answer<ImportDlg>(then);
        RunAndWait(CommandId::FileImportUrl);
    }

    velmora::testing::ScratchFolder served;
    velmora::testing::ListServer server{served.Path()};
};

TEST_F(UrlImportTest, TheLastAddressIsOfferedSelected) {
    RememberUrl(QStringLiteral("https://example.org/a.xml"));
    UrlDlg d(nullptr);
    EXPECT_EQ(d.AddressBox()->lineEdit()->selectedText(), QStringLiteral("https://example.org/a.xml"));
}

TEST_F(UrlImportTest, ADownloadedListFillsTheImportDialog) {
    StartWithSample();
    velmora::testing::Spit(served / "Astra-19.2E",
                           ScanTable({"11362000", "11494000"}).toStdString());
    const std::string url = server.Url("/Astra-19.2E");
    ImportUrl(url, [](ImportDlg& d) {
        EXPECT_EQ(d.SatelliteList()->topLevelItemCount(), 1);
        EXPECT_EQ(d.ChangesPane()->toPlainText(),
                  QStringLiteral("19.2E Alpha: 1 added\n  + 11494 H 22000\n"));
        return int{QDialog::Accepted};
    });
    EXPECT_EQ(Db().tpCount, 7);
    EXPECT_EQ(RecentUrls().value(0), QString::fromStdString(url));

    // A link dropped on the window goes the same way, without the prompt.
    velmora::testing::Spit(served / "Hotbird-13.0E", ScanTable({"10992000"}).toStdString());
    Answer<ImportDlg>([](ImportDlg& d) {
        EXPECT_EQ(d.SourceRow(0)->text(1), QStringLiteral("Hotbird"));
        return int{QDialog::Accepted};
    });
    frame_->OpenDroppedUrl(QUrl(QString::fromStdString(server.Url("/Hotbird-13.0E"))));
    WaitForOperation();
    EXPECT_EQ(Db().tpCount, 8);
}

TEST_F(UrlImportTest, AFailedDownloadSaysWhyAndChangesNothing) {
    struct Case {
        const char* path;
        bool stop = false;
        const char* why;
    } cases[] = {
        {.path = "/missing", .why = "404"},
        {.path = "/stall", .stop = true, .why = "cancelled"},
    };
    StartWithSample();
    for (const Case& c : cases) {
        modal::ClearShownBoxes();
        // Stop is pressed while the download waits: the progress calls see it.
        if (c.stop) QTimer::singleShot(300, frame_.get(), [this] { Sess().Stop(); });
        ImportUrl(server.Url(c.path));
        ASSERT_EQ(modal::ShownBoxes().size(), 1u) << c.path;
        EXPECT_THAT(modal::ShownBoxes()[0].text.toStdString(), HasSubstr(c.why));
        EXPECT_EQ(Db().tpCount, 6);
        EXPECT_FALSE(Sess().Modified());
        EXPECT_FALSE(Sess().OperationRunning());
    }
}

}  // namespace
}  // namespace velmora::apptest
