// Start-up, the window around the form, the About box, message boxes,
// enabling rules and the close request.
#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>

#include "tests/gui/GuiFixture.h"
#include "gui/AboutDlg.h"
#include "gui/HelpDlg.h"
#include "gui/PortSelector.h"
#include "gui/VelmoraApp.h"
#include "session/Commands.h"

namespace velmora::apptest {
namespace {

// ---- start-up ------------------------------------------------------------------

TEST_F(GuiTest, FirstStartInEmptyFolderShowsEmptyTablesSilently) {
    qputenv("VELMORA_COM2", "/dev/null");
    Start();
    qunsetenv("VELMORA_COM2");
    // No table file is there: the window names none.
    EXPECT_EQ(Caption(), QStringLiteral("Untitled - Orvane"));
    EXPECT_EQ(Sess().State().dbPath, "");
    ASSERT_NE(View().RootItem(), nullptr);
    EXPECT_EQ(View().RootItem()->text(0), QStringLiteral("All Satellites"));
    EXPECT_EQ(View().RootItem()->childCount(), 0);
    EXPECT_EQ(View().Tree()->currentItem(), View().RootItem());
    EXPECT_TRUE(View().RootItem()->isExpanded());  // the tree opens expanded
    EXPECT_EQ(Model().ListMode(), TpListModel::Mode::Tps);
    EXPECT_EQ(Model().columnCount(), 7);
    EXPECT_EQ(Rows(), 0);
    EXPECT_FALSE(frame_->CommandAction(CommandId::FileSave)->isEnabled());
    EXPECT_TRUE(modal::ShownBoxes().empty());
    // The first port found is the selected one; the open list names its device.
    auto* ports = static_cast<PortSelector*>(View().Control(FormControl::PortSelector));
    ASSERT_EQ(ports->count(), 2);
    EXPECT_EQ(ports->itemText(0), QStringLiteral("COM2"));
    EXPECT_EQ(ports->currentText(), QStringLiteral("COM2"));
    EXPECT_EQ(ports->ListText(0), QStringLiteral("COM2  /dev/null"));
    // A path entry's tooltip names its device; choosing it shows that on the selector.
    View().AddPortName("/dev/null");
    const int added = ports->findText(QStringLiteral("/dev/null"));
    ASSERT_GE(added, 0);
    EXPECT_EQ(ports->itemData(added, Qt::ToolTipRole).toString(), QStringLiteral("/dev/null"));
    ports->setCurrentIndex(added);
    EXPECT_EQ(ports->toolTip(), QStringLiteral("/dev/null"));
    // Opening the list asks for the ports again; the choice stays.
    ports->showPopup();
    ports->hidePopup();
    EXPECT_EQ(ports->count(), 2);
    EXPECT_EQ(ports->currentText(), QStringLiteral("/dev/null"));
}

TEST_F(GuiTest, ThePortThatLastWorkedIsRememberedAndPreferred) {
    PortSelector::RememberPort("COM4");
    Start();
    EXPECT_EQ(View().SelectedPortName(), "COM4");
    View().PortWorked("COM2");
    EXPECT_EQ(PortSelector::RememberedPort(), "COM2");
}

TEST_F(GuiTest, SettingsOfTheOldNamesAreTakenOverOnce) {
    QSettings old(QSettings::defaultFormat(), QSettings::UserScope,
                  QStringLiteral("velmora-tests-old"), QCoreApplication::applicationName());
    old.setValue(QStringLiteral("meter/backupFolder"), QStringLiteral("/old/backups"));
    old.sync();
    VelmoraApp::TakeOverSettings(QStringLiteral("velmora-tests-old"));
    EXPECT_EQ(QSettings().value(QStringLiteral("meter/backupFolder")).toString(),
              QStringLiteral("/old/backups"));
    QSettings().setValue(QStringLiteral("meter/backupFolder"), QStringLiteral("/mine"));
    VelmoraApp::TakeOverSettings(QStringLiteral("velmora-tests-old"));
    EXPECT_EQ(QSettings().value(QStringLiteral("meter/backupFolder")).toString(),
              QStringLiteral("/mine"));
    old.clear();
}

TEST_F(GuiTest, StartUpLoadsTheLastUsableHistoryPath) {
    QString used = dir_.filePath(QStringLiteral("x.csv"));
    WriteFile(used, kSampleCsv);
    WriteFile(QStringLiteral("orvanelog.txt"),
              "2016-01-25 10:00:00 /nowhere/b.csv\r\n2016-01-26 11:00:00 " + used.toUtf8() +
                  "   \r\n2016-01-27 12:00:00 a.cs\r\n");
    Start();
    EXPECT_EQ(Sess().State().dbPath, used.toStdString());
    EXPECT_EQ(Caption(), QStringLiteral("x.csv - Orvane"));
    EXPECT_EQ(View().RootItem()->childCount(), 4);
    EXPECT_EQ(Rows(), 6);
}

TEST_F(GuiTest, TheTableOnTheCommandLineIsOpenedAndRemembered) {
    WriteFile(QStringLiteral("sattp.csv"), kSampleCsv);
    WriteFile(QStringLiteral("other.csv"), QByteArray(kSampleCsv) + "Epsilon,7.0E\r\n");
    startFile_ = VelmoraApp::StartFileName(QStringLiteral("other.csv"));
    const QString other = dir_.filePath(QStringLiteral("other.csv"));
    EXPECT_EQ(QString::fromStdString(startFile_), other);
    Start();
    EXPECT_EQ(Sess().State().dbPath, startFile_);
    EXPECT_EQ(Caption(), QStringLiteral("other.csv - Orvane"));
    EXPECT_EQ(frame_->RecentFileList(), QStringList{other});
    // What the read passed over is shown once.
    ASSERT_EQ(modal::ShownBoxes().size(), 1u);
    EXPECT_EQ(modal::ShownBoxes()[0].text,
              other + QStringLiteral(" was not read completely:\n\nline 8: 2 columns, the header "
                                     "has 9; skipped\n\nSaving it writes the table without what "
                                     "is listed here."));

    // One that cannot be opened is named as File > Open names it; the start
    // goes on with the remembered table.
    frame_.reset();
    modal::ClearShownBoxes();
    startFile_ = VelmoraApp::StartFileName(QStringLiteral("gone.csv"));
    Start();
    ASSERT_FALSE(modal::ShownBoxes().empty());
    EXPECT_EQ(modal::ShownBoxes()[0].text,
              QString::fromStdString(startFile_) +
                  QStringLiteral(" cannot be read: No such file or directory"));
    EXPECT_EQ(Sess().State().dbPath, other.toStdString());
}

TEST_F(GuiTest, NewAsksAboutEditsThenRunsStartUpAgain) {
    StartWithSample();
    MakeEdit();
    Sess().State().logoPath = "logo.bin";
    modal::PushAnswer(QMessageBox::No);
    QAction* newDoc = frame_->CommandAction(CommandId::FileNew);
    ASSERT_NE(newDoc, nullptr);
    EXPECT_EQ(newDoc->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    newDoc->trigger();
    ASSERT_EQ(modal::ShownBoxes().size(), 1u);
    EXPECT_EQ(modal::ShownBoxes()[0].text, QStringLiteral("Save the changes to sattp.csv?"));
    EXPECT_EQ(modal::ShownBoxes()[0].buttons,
              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_FALSE(Sess().Modified());
    EXPECT_TRUE(Sess().State().logoPath.empty());
    // The selector is not emptied: each port shows twice.
    EXPECT_EQ(static_cast<QComboBox*>(View().Control(FormControl::PortSelector))->count(), 4);
}

// ---- main frame ----------------------------------------------------------------

// The menu bar shows the table's rows, menu by menu in table order, with
// their separators, the recent files after Open and the languages after Help
// Contents.
TEST_F(GuiTest, MenusAreBuiltFromTheCommandTable) {
    Start();
    QList<QAction*> menus = frame_->menuBar()->actions();
    ASSERT_EQ(menus.size(), static_cast<qsizetype>(std::size(kMenuBar)));
    for (std::size_t i = 0; i < std::size(kMenuBar); ++i) {
        QAction* menu = menus[static_cast<qsizetype>(i)];
        EXPECT_EQ(menu->text(), QString::fromLatin1(MenuTitle(kMenuBar[i])));
        QStringList built, listed;
        for (QAction* a : menu->menu()->actions()) {
            built << (a->isSeparator() ? QStringLiteral("-") : a->text());
        }
        for (const Command& c : Commands()) {
            if (c.menu != kMenuBar[i]) continue;
            if (c.separatorBefore) listed << QStringLiteral("-");
            listed << frame_->CommandAction(c.id)->text();
            if (c.submenuAfter == Submenu::RecentFiles) listed << QStringLiteral("Recent files");
            if (c.submenuAfter == Submenu::Language) listed << QStringLiteral("Language");
        }
        EXPECT_EQ(built, listed) << menu->text().toStdString();
    }
    QAction* open = frame_->CommandAction(CommandId::FileOpen);
    EXPECT_EQ(open->text() + QLatin1Char('|') + open->shortcut().toString(),
              QStringLiteral("Open(&O)...|Ctrl+O"));
    EXPECT_EQ(open->statusTip(), QStringLiteral("Open an existing table file"));
    auto keys = [&](CommandId id) {
        return QKeySequence::listToString(frame_->CommandAction(id)->shortcuts());
    };
    EXPECT_EQ(keys(CommandId::EditRedo), QStringLiteral("Ctrl+Shift+Z; Ctrl+Y"));
    EXPECT_EQ(keys(CommandId::TpEdit), QStringLiteral("Return; Enter"));
    EXPECT_EQ(frame_->CommandAction(CommandId::TpEdit)->shortcutContext(), Qt::WidgetWithChildrenShortcut);
}

TEST_F(GuiTest, ToolbarHoldsElevenSeparatedButtonsInOrder) {
    Start();
    QList<QAction*> actions = frame_->ToolBar()->actions();
    ASSERT_EQ(actions.size(), 21);  // 11 buttons, 10 separators
    const auto order = ToolbarCommands();
    for (int i = 0; i < 11; ++i) {
        QAction* a = actions[2 * i];
        EXPECT_EQ(a, frame_->CommandAction(order[static_cast<std::size_t>(i)]));
        EXPECT_EQ(frame_->ToolBar()->widgetForAction(a)->size(), QSize(50, 32));
        EXPECT_FALSE(a->icon().isNull());
        if (i < 10) {
            EXPECT_TRUE(actions[2 * i + 1]->isSeparator());
        }
    }
    // Tooltips show the part after the line break; a prompt without one has none.
    auto tipOf = [&](CommandId id) {
        QWidget* button = frame_->ToolBar()->widgetForAction(frame_->CommandAction(id));
        QPoint at = button->mapToGlobal(QPoint(5, 5));
        // A tip already showing stays when the button brings none of its own.
        const QString none = QStringLiteral("(none)");
        QToolTip::showText(at, none);
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), at);
        QCoreApplication::sendEvent(button, &help);
        QString tip = QToolTip::text();
        QToolTip::hideText();
        return tip == none ? QString() : tip;
    };
    EXPECT_EQ(tipOf(CommandId::FileOpen), QStringLiteral("Open a table"));
    EXPECT_EQ(tipOf(CommandId::Stop), QString());
    QWidget* stop = frame_->ToolBar()->widgetForAction(frame_->CommandAction(CommandId::Stop));
    EXPECT_EQ(stop->statusTip(), QStringLiteral("Stop read/write transponders"));
}

TEST_F(GuiTest, WindowGrowsWithTreeAndListAndShowsItsPanes) {
    StartWithSample();
    Qt::WindowFlags flags = frame_->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    QWidget* list = View().List();
    QWidget* add = View().Control(FormControl::TpAdd);
    QWidget* status = View().Control(FormControl::Status);
    QRect listAt = list->geometry(), addAt = add->geometry(), statusAt = status->geometry();
    QSize treeSize = View().Tree()->size();
    View().resize(View().size() + QSize(200, 100));
    EXPECT_EQ(list->size(), listAt.size() + QSize(200, 100));
    EXPECT_EQ(View().Tree()->size(), treeSize + QSize(0, 100));
    EXPECT_EQ(add->geometry(), addAt.translated(200, 0));  // keeps its size, follows the right edge
    EXPECT_EQ(status->geometry(), statusAt);
    EXPECT_EQ(frame_->FillPane()->text(), QStringLiteral("Satellites 4/300   TPs 6/8000"));
    EXPECT_EQ(frame_->IdlePane()->text(), QStringLiteral("Ready"));
    QStringList panes;
    for (QLabel* l : frame_->IndicatorPanes()) panes << l->text();
    EXPECT_EQ(panes, QStringList({"CAP", "NUM", "SCRL"}));
}

TEST_F(GuiTest, AboutBoxShowsTheUsageText) {
    // Lines with CR LF and one blank at the end; worded for this program on Linux.
    std::string text = kUsageText;
    EXPECT_EQ(text.substr(0, 25), " For LMT41C, LMT40S etc\r\n");
    EXPECT_EQ(text.back(), ' ');
    EXPECT_EQ(text.find("orvane.exe"), std::string::npos);
    EXPECT_NE(text.find("'dialout'"), std::string::npos);
    EXPECT_EQ(VersionLine(), QStringLiteral("Orvane Ver 2.8"));
    std::string expected = text;

    Start();
    bool shown = false;
    modal::PushScript([&](QDialog& d) {
        auto& about = dynamic_cast<AboutDlg&>(d);
        shown = true;
        EXPECT_EQ(about.windowTitle(), QStringLiteral("About Orvane"));
        EXPECT_TRUE(about.TextField()->isReadOnly());
        EXPECT_EQ(about.TextField()->toPlainText(),
                  QString::fromStdString(expected).remove(QLatin1Char('\r')));
        return QDialog::Accepted;
    });
    frame_->CommandAction(CommandId::AppAbout)->trigger();
    EXPECT_TRUE(shown);
}

TEST_F(GuiTest, HelpContentsShowsTheGuideToTheEverydayTasks) {
    Start();
    QString text;
    modal::PushScript([&](QDialog& d) {
        text = dynamic_cast<HelpDlg&>(d).Browser()->toPlainText();
        return QDialog::Rejected;
    });
    frame_->CommandAction(CommandId::HelpContents)->trigger();
    // A guide that failed to load from the resources shows nothing.
    for (const char* topic : {"Open and edit a table", "Import transponder lists",
                              "Read and write the meter", "Verify after write",
                              "Compare with the meter", "Check the table", "PATCH UP",
                              "velmora-cli batch", "When the meter does not answer"}) {
        EXPECT_TRUE(text.contains(QLatin1String(topic))) << topic;
    }
}

TEST_F(GuiTest, MessageBoxesAreCaptionedWithTheAppTitle) {
    Start();
    View().ShowMessage("Connect fail ");
    modal::PushAnswer(QMessageBox::Yes);
    EXPECT_TRUE(View().AskYesNo("Are you sure ?"));
    EXPECT_FALSE(View().AskYesNo("Unanswered ?"));
    View().ShowMessage("Flash1M.bin written", MessageKind::Success);
    const auto& shown = modal::ShownBoxes();
    ASSERT_EQ(shown.size(), 4u);
    for (const auto& box : shown) EXPECT_EQ(box.caption, QStringLiteral("Orvane"));
    EXPECT_EQ(shown[0].icon, QMessageBox::Warning);
    EXPECT_EQ(shown[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(shown[1].icon, QMessageBox::Question);
    EXPECT_EQ(shown[1].buttons, QMessageBox::Yes | QMessageBox::No);
    // A success is no warning.
    EXPECT_EQ(shown[3].icon, QMessageBox::Information);
    EXPECT_EQ(shown[3].buttons, QMessageBox::Ok);
}

// The form's status line is short: a long status is shown whole in the
// status bar until a status that fits replaces it.
TEST_F(GuiTest, StatusTooLongForTheFormIsShownInTheStatusBar) {
    Start();
    const std::string notice = "No answer from the meter on COM2 (/dev/ttyS0) yet: is it switched "
                               "on and connected to this port? Press Stop to give up.";
    View().SetControlText(FormControl::Status, notice);
    EXPECT_EQ(frame_->IdlePane()->text(), QString::fromStdString(notice));
    View().SetControlText(FormControl::Status, "Read Completed ! ");
    EXPECT_EQ(frame_->IdlePane()->text(), QStringLiteral("Ready"));
}

// ---- enabling rules --------------------------------------------------------------

// An action is enabled exactly when a session method carries it out and the
// session's rule allows it, whatever has been wired so far.
void ExpectFollowsRule(MainFrame& frame, Session& s, CommandId id) {
    bool expected = FindCommand(id)->run != nullptr && s.IsEnabled(id);
    EXPECT_EQ(frame.CommandAction(id)->isEnabled(), expected) << "command " << static_cast<int>(id);
}

TEST_F(GuiTest, ActionsFollowTheEnablingRules) {
    StartWithSample();
    const CommandId ids[] = {CommandId::FileSave,    CommandId::CreateFlash, CommandId::PatchUp,
                       CommandId::SoftUpgrade, CommandId::WriteIcon,   CommandId::WriteLogo};
    for (CommandId id : ids) ExpectFollowsRule(*frame_, Sess(), id);
    EXPECT_FALSE(frame_->CommandAction(CommandId::FileSave)->isEnabled());

    SessionState& st = Sess().State();
    MakeEdit();
    st.logoPath = "/tmp/stm32logo.bin";
    st.iconPath = "/tmp/stm32icon.bin";
    st.softPath = "a.hex";  // 5 characters: usable
    st.patchSatTp = 1;
    Sess().View().StateChanged();
    EXPECT_TRUE(frame_->CommandAction(CommandId::FileSave)->isEnabled());
    for (CommandId id : ids) ExpectFollowsRule(*frame_, Sess(), id);

    Sess().Undo();
    Sess().Undo();
    // Without StateChanged the rules are evaluated again as a menu opens.
    st.softPath = "a.hx";
    emit frame_->menuBar()->actions()[0]->menu()->aboutToShow();
    for (CommandId id : ids) ExpectFollowsRule(*frame_, Sess(), id);
    EXPECT_FALSE(frame_->CommandAction(CommandId::FileSave)->isEnabled());
}

TEST_F(GuiTest, DisabledCommandNeverRuns) {
    StartWithSample();
    QFile::remove(QStringLiteral("sattp.csv"));
    ASSERT_FALSE(Sess().Modified());
    // A shortcut or a stale button press reaches RunCommand all the same.
    frame_->RunCommand(CommandId::FileSave);
    EXPECT_FALSE(QFile::exists(QStringLiteral("sattp.csv")));
    MakeEdit();
    frame_->RunCommand(CommandId::FileSave);
    EXPECT_TRUE(QFile::exists(QStringLiteral("sattp.csv")));
    EXPECT_FALSE(frame_->CommandAction(CommandId::FileSave)->isEnabled());
}

TEST_F(GuiTest, SaveAsProposesCsvAndRecordsTheNewPath) {
    StartWithSample();
    QString target = dir_.filePath(QStringLiteral("copy.csv"));
    modal::PushFileName(target);
    frame_->RunCommand(CommandId::FileSaveAs);
    EXPECT_EQ(modal::LastFileDialog().title, QStringLiteral("Save as"));
    EXPECT_EQ(modal::LastFileDialog().defaultSuffix, QStringLiteral("csv"));
    EXPECT_EQ(modal::LastFileDialog().nameFilters,
              QStringList({"sattp files (*.csv)", "All Files (*)"}));
    EXPECT_TRUE(QFile::exists(target));
    EXPECT_EQ(Caption(), QStringLiteral("copy.csv - Orvane"));
    modal::PushFileName(QString());  // Cancel
    frame_->RunCommand(CommandId::FileOpen);
    EXPECT_EQ(Sess().State().dbPath, target.toStdString());
}

// ---- wait cursor and close -------------------------------------------------------

TEST_F(GuiTest, WaitCursorIsOverriddenAndRestored) {
    Start();
    View().BeginWaitCursor();
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    View().EndWaitCursor();
    View().EndWaitCursor();  // unbalanced: harmless
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(GuiTest, CloseWithEditsAsksAndCancelKeepsTheWindow) {
    StartWithSample();
    MakeEdit();
    modal::PushAnswer(QMessageBox::Cancel);
    frame_->CommandAction(CommandId::AppExit)->trigger();
    EXPECT_TRUE(frame_->isVisible());
    modal::PushAnswer(QMessageBox::No);
    frame_->close();
    EXPECT_FALSE(frame_->isVisible());
    ASSERT_EQ(modal::ShownBoxes().size(), 2u);
    EXPECT_EQ(modal::ShownBoxes()[0].caption, QStringLiteral("Orvane"));
}

}  // namespace
}  // namespace velmora::apptest
