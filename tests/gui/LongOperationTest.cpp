// Commands that reach the meter link and the file choices behind them, run
// through the window: labels, enabling, messages and the close request.
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <QApplication>
#include <QLabel>
#include <QElapsedTimer>
#include <QProgressBar>

#include "tests/gui/GuiFixture.h"
#include "serial/LinkTexts.h"
#include "sim/MeterEngine.h"
#include "sim/PtyRunner.h"
#include "sim/TableDump.h"
#include "session/Commands.h"

namespace velmora::apptest {
namespace {

// A pseudo-terminal whose far end never answers: a meter that is switched off.
class SilentLine {
public:
    SilentLine() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0) {
            path_ = ::ptsname(master_);
        }
    }
    ~SilentLine() {
        if (master_ >= 0) ::close(master_);
    }
    const std::string& Path() const { return path_; }

private:
    int master_ = -1;
    std::string path_;
};

// Counts the close requests a window receives.
class CloseCounter : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Close) ++count;
        return false;
    }
};

QString LabelText(MainForm& view, FormControl id) {
    return static_cast<QLabel*>(view.Control(id))->text();
}

TEST_F(GuiTest, LoadedLogoAndIconEnableTheirCommandsUntilNew) {
    StartWithSample();
    WriteFile(QStringLiteral("stm32logo.bin"), QByteArray(64, '\0'));
    WriteFile(QStringLiteral("stm32icon.bin"), QByteArray(64, '\0'));
    EXPECT_FALSE(frame_->CommandAction(CommandId::WriteLogo)->isEnabled());
    modal::PushFileName(dir_.filePath(QStringLiteral("stm32logo.bin")));
    frame_->RunCommand(CommandId::LoadLogo);
    EXPECT_EQ(LabelText(View(), FormControl::LogoLabel), QStringLiteral("LOGO: stm32logo.bin"));
    EXPECT_TRUE(frame_->CommandAction(CommandId::WriteLogo)->isEnabled());
    EXPECT_FALSE(frame_->CommandAction(CommandId::CreateFlash)->isEnabled());
    modal::PushFileName(dir_.filePath(QStringLiteral("stm32icon.bin")));
    frame_->RunCommand(CommandId::LoadIcon);
    EXPECT_TRUE(frame_->CommandAction(CommandId::WriteIcon)->isEnabled());
    EXPECT_TRUE(frame_->CommandAction(CommandId::CreateFlash)->isEnabled());

    frame_->RunCommand(CommandId::FileNew);
    EXPECT_FALSE(frame_->CommandAction(CommandId::WriteLogo)->isEnabled());
    EXPECT_FALSE(frame_->CommandAction(CommandId::CreateFlash)->isEnabled());
    // The labels keep what they showed.
    EXPECT_EQ(LabelText(View(), FormControl::LogoLabel), QStringLiteral("LOGO: stm32logo.bin"));
}

TEST_F(GuiTest, PatchUpFollowsTheTickedBoxes) {
    StartWithSample();
    auto* soft = static_cast<QCheckBox*>(View().Control(FormControl::PatchSoft));
    auto* satTp = static_cast<QCheckBox*>(View().Control(FormControl::PatchSattp));
    soft->click();  // no firmware chosen
    EXPECT_EQ(Sess().State().patchSoft, 1);
    EXPECT_FALSE(frame_->CommandAction(CommandId::PatchUp)->isEnabled());
    satTp->click();
    EXPECT_TRUE(frame_->CommandAction(CommandId::PatchUp)->isEnabled());
    satTp->click();
    EXPECT_FALSE(frame_->CommandAction(CommandId::PatchUp)->isEnabled());
}

TEST_F(GuiTest, MeterThatCannotBeReachedGetsAnOrvaneNotice) {
    StartWithSample();
    auto* ports = static_cast<QComboBox*>(View().Control(FormControl::PortSelector));
    ports->setEditText(dir_.filePath(QStringLiteral("no-such-tty")));
    RunAndWait(CommandId::Write);
    ASSERT_EQ(modal::ShownBoxes().size(), 1u);
    // The second line says why, in words the user can act on.
    EXPECT_EQ(modal::ShownBoxes()[0].text,
              QStringLiteral("Connect fail \n") + dir_.filePath(QStringLiteral("no-such-tty")) +
                  QStringLiteral(" is gone: is the cable plugged in?"));
    EXPECT_EQ(modal::ShownBoxes()[0].caption, QStringLiteral("Orvane"));
    EXPECT_EQ(modal::ShownBoxes()[0].icon, QMessageBox::Warning);
    EXPECT_FALSE(Sess().State().flags.busyFlag);
    EXPECT_TRUE(ports->isEnabled());
}

// A simulated meter on a pseudo-terminal, typed into the port selector.
class MeterTest : public GuiTest {
protected:
    void Connect(std::vector<uint8_t> tables = {}) {
        sim::MeterOptions options;
        options.tables = std::move(tables);
        meter_ = std::make_unique<sim::MeterEngine>(options);
        runner_ = std::make_unique<sim::PtyRunner>(*meter_);
        std::string error;
        ASSERT_TRUE(runner_->Open(&error)) << error;
        ASSERT_TRUE(runner_->Start());
        Sess().Link().Settings().pollPeriod = std::chrono::microseconds(500);
        Sess().Link().Settings().replyTimeout = std::chrono::milliseconds(500);
        Sess().Link().Settings().bootReadTimeout = std::chrono::milliseconds(500);
        Ports()->setEditText(QString::fromStdString(runner_->SlavePath()));
    }
    void TearDown() override {
        if (runner_) runner_->Stop();
        GuiTest::TearDown();
    }
    QComboBox* Ports() { return static_cast<QComboBox*>(View().Control(FormControl::PortSelector)); }
    QProgressBar* Progress() { return static_cast<QProgressBar*>(View().Control(FormControl::Progress)); }

    std::unique_ptr<sim::MeterEngine> meter_;
    std::unique_ptr<sim::PtyRunner> runner_;
};

TEST_F(MeterTest, WriteReportsProgressAndOutcomeOnTheForm) {
    StartWithSample();
    Connect();
    RunAndWait(CommandId::Write);
    EXPECT_EQ(LabelText(View(), FormControl::Status), QString::fromLatin1(TEXT_WRITE_COMPLETED));
    EXPECT_GT(Progress()->maximum(), 0);
    EXPECT_EQ(Progress()->value(), Progress()->maximum());
    EXPECT_TRUE(Ports()->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(meter_->Record().tables.empty());
    EXPECT_TRUE(modal::ShownBoxes().empty());
}

TEST_F(MeterTest, ReadReplacesTablesTitleAndPresentation) {
    auto served = std::make_unique<SatTpDatabase>();
    ClearDatabase(*served);
    ApplyLnbDefaults(*served);
    served->satCount = 1;
    SetSatName(served->satellites[0], "Meter", 5);
    served->satellites[0].position = 3300;
    served->tpCount = 1;
    served->tps[0] = TpRecord{0, 0, TP_FLAG_VERTICAL, 11000, 27500};
    StartWithSample();
    Connect(sim::EncodeTableDump(*served));
    frame_->RunCommand(CommandId::DisplayLnb);
    RunAndWait(CommandId::Read);
    EXPECT_EQ(LabelText(View(), FormControl::Status), QString::fromLatin1(TEXT_READ_COMPLETED));
    EXPECT_EQ(Caption(), QStringLiteral("Untitled* - Orvane"));
    EXPECT_TRUE(frame_->CommandAction(CommandId::FileSave)->isEnabled());
    ASSERT_EQ(View().RootItem()->childCount(), 1);
    EXPECT_EQ(SatItem(0)->text(0), QStringLiteral("[1] 30.0W Meter"));
    EXPECT_EQ(Model().ListMode(), TpListModel::Mode::Tps);
    EXPECT_EQ(Rows(), 1);
    EXPECT_FALSE(Enabled(FormControl::LnbEdit));
}

TEST_F(MeterTest, TablesReadBackStayUnsavedThroughARefusedEdit) {
    StartWithSample();
    Connect();
    RunAndWait(CommandId::Write);
    RunAndWait(CommandId::Read);
    // The meter's tables equal the document's: the read made no step.
    ASSERT_FALSE(Sess().History().CanUndo());
    EXPECT_EQ(Caption(), QStringLiteral("Untitled* - Orvane"));
    // Alpha's 11362 H is there already: the add is refused.
    Sess().TpAdd({.satellite = 0, .frequency = "11362", .symbolRate = "22000",
                  .polarisation = 1});
    EXPECT_EQ(Caption(), QStringLiteral("Untitled* - Orvane"));
    ASSERT_EQ(modal::ShownBoxes().size(), 1u);
    EXPECT_EQ(modal::ShownBoxes()[0].text,
              QStringLiteral("This transponder is already in the table: "
                             "11362 H 22000 on 19.2E Alpha."));
    modal::PushAnswer(QMessageBox::Cancel);
    frame_->CommandAction(CommandId::AppExit)->trigger();
    EXPECT_EQ(modal::ShownBoxes().size(), 2u);
    EXPECT_TRUE(frame_->isVisible());
}

TEST_F(GuiTest, ClosingDuringAWriteStopsItThenCloses) {
    SilentLine line;
    ASSERT_FALSE(line.Path().empty());
    StartWithSample();
    Sess().Link().Settings().pollPeriod = std::chrono::microseconds(200);
    Sess().Link().Settings().replyTimeout = std::chrono::milliseconds(200);
    Sess().Link().Settings().bootReadTimeout = std::chrono::milliseconds(200);
    auto* ports = static_cast<QComboBox*>(View().Control(FormControl::PortSelector));
    ports->setEditText(QString::fromStdString(line.Path()));
    CloseCounter closes;
    frame_->installEventFilter(&closes);
    // The close request arrives while the write waits for the meter.
    QMetaObject::invokeMethod(frame_.get(), &QWidget::close, Qt::QueuedConnection);
    RunAndWait(CommandId::Write);
    // The first request stopped the write; the window closed once it ended.
    EXPECT_EQ(closes.count, 2);
    EXPECT_TRUE(modal::ShownBoxes().empty());
    EXPECT_FALSE(Sess().State().flags.busyFlag);
    EXPECT_FALSE(Sess().State().flags.runFlag);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(frame_->isVisible());
}

TEST_F(GuiTest, TheWindowResizesDuringAWriteAndStopEndsItAtOnce) {
    SilentLine line;
    ASSERT_FALSE(line.Path().empty());
    StartWithSample();
    // The meter never answers: the write would wait its whole 5 s.
    Sess().Link().Settings().pollPeriod = std::chrono::milliseconds(1);
    Sess().Link().Settings().replyTimeout = std::chrono::milliseconds(5000);
    static_cast<QComboBox*>(View().Control(FormControl::PortSelector))
        ->setEditText(QString::fromStdString(line.Path()));
    frame_->RunCommand(CommandId::Write);
    ASSERT_TRUE(frame_->OperationRunning());
    EXPECT_FALSE(frame_->CommandAction(CommandId::FileOpen)->isEnabled());
    EXPECT_TRUE(frame_->CommandAction(CommandId::Stop)->isEnabled());
    // The window's own loop runs the resizes while the write waits.
    for (int wider : {50, 100, 150}) {
        const int width = frame_->width() + wider;
        frame_->resize(width, frame_->height());
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        EXPECT_EQ(frame_->width(), width);
        EXPECT_EQ(View().width(), width);
    }
    ASSERT_TRUE(frame_->OperationRunning());
    QElapsedTimer clock;
    clock.start();
    frame_->RunCommand(CommandId::Stop);
    WaitForOperation();
    EXPECT_LT(clock.elapsed(), 100);
    EXPECT_TRUE(frame_->CommandAction(CommandId::FileOpen)->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace velmora::apptest
