// A main window started in a private current folder, as the program starts
// in the user's folder, with two fake serial ports.
#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QDir>
#include <QElapsedTimer>
#include <QSettings>
#include <QFile>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <memory>

#include "gui/MainFrame.h"
#include "session/Commands.h"
#include "gui/Modal.h"
#include "gui/TpListModel.h"
#include "gui/VelmoraDoc.h"
#include "gui/MainForm.h"

// Failure messages show Qt strings as text.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace velmora::apptest {

// Four satellites (one at 180.0E, one at 179.9W) on four LNBs, six TPs.
inline constexpr const char* kSampleCsv =
    "name,longitude,LNBNo.,LNBFreq,DiSEqC,frequency,symbolrate,polarization,unique\r\n"
    "Alpha,19.2E,1,9750/10600,1,11362,22000,H, ,\r\n"
    ",,,,,11538,22000,V,Y,\r\n"
    "Beta,30.0W,2,9750/10700,5,10882,27500,V, ,\r\n"
    ",,,,,10920,27500,H, ,\r\n"
    "Gamma,180.0E,3,5150,,3880,27500,H,Y,\r\n"
    "Delta,179.9W,4,11300,2-V1.1,12000,30000,V, ,\r\n";

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        oldCwd_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        modal::ClearPending();
        modal::ClearShownBoxes();
        QSettings().clear();  // no window place or recent files from another test
    }

    void TearDown() override {
        frame_.reset();
        doc_.reset();
        QDir::setCurrent(oldCwd_);
        EXPECT_EQ(modal::PendingAnswers(), 0) << "a queued answer was never asked for";
        modal::ClearPending();
    }

    static void WriteFile(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

    // Shows the window, which runs the start-up in the current folder.
    MainFrame& Start(std::vector<std::string> ports = {"COM2", "COM4"}) {
        doc_ = std::make_unique<VelmoraDoc>();
        SessionOptions options;
        options.probePorts = [ports] { return ports; };
        options.startFile = startFile_;
        if (!scanTableFolder_.empty()) options.scanTableFolder = scanTableFolder_;
        frame_ = std::make_unique<MainFrame>(*doc_, options);
        frame_->show();
        return *frame_;
    }
    MainFrame& StartWithSample() {
        WriteFile(QStringLiteral("sattp.csv"), kSampleCsv);
        return Start();
    }

    MainForm& View() { return frame_->View(); }
    // A command of the meter runs on its own thread; this waits until it
    // has ended, the window's event loop running meanwhile.
    void RunAndWait(CommandId id) {
        frame_->RunCommand(id);
        WaitForOperation();
    }
    void WaitForOperation() {
        QElapsedTimer clock;
        clock.start();
        while (frame_->OperationRunning() && clock.elapsed() < kOperationWaitMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        ASSERT_FALSE(frame_->OperationRunning()) << "the operation did not end";
    }
    static constexpr int kOperationWaitMs = 20000;
    Session& Sess() { return frame_->GetSession(); }
    SatTpDatabase& Db() { return Sess().Database(); }
    TpListModel& Model() { return *View().ListModel(); }
    int Rows() { return Model().rowCount(); }
    QString Cell(int row, int column) { return Model().CellText(row, column); }
    // The caption as the title bar shows it, with the modified mark placed.
    QString Caption() const {
        QString t = frame_->windowTitle();
        t.replace(QStringLiteral("[*][*]"), QStringLiteral("\x01"));
        t.replace(QStringLiteral("[*]"), frame_->isWindowModified() ? QStringLiteral("*") : QString());
        return t.replace(QStringLiteral("\x01"), QStringLiteral("[*]"));
    }
    // A satellite with a transponder, as the user adds them: all of it fits the file.
    void MakeEdit() {
        Sess().SatAdd({"New", "7.0", 0, 0});
        Sess().TpAdd({.satellite = Db().satCount - 1, .frequency = "12000",
                      .symbolRate = "27500"});
    }
    QTreeWidgetItem* SatItem(int i) { return View().RootItem()->child(i); }

    void SelectSatellite(int i) {
        View().Tree()->setCurrentItem(i < 0 ? View().RootItem() : SatItem(i));
    }
    void SelectRow(int row) { View().List()->selectRow(row); }
    bool Enabled(FormControl controlId) { return View().Control(controlId)->isEnabled(); }
    void Click(FormControl controlId) { static_cast<QPushButton*>(View().Control(controlId))->click(); }

    QTemporaryDir dir_;
    std::string startFile_;  // the table named on the command line
    std::string scanTableFolder_;  // the catalog's folder; empty: the default
    QString oldCwd_;
    std::unique_ptr<VelmoraDoc> doc_;
    std::unique_ptr<MainFrame> frame_;
};

}  // namespace velmora::apptest
