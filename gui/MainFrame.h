// The main window: menu, toolbar and status bar around the form; it routes
// every command, keeps the enabling rules in step with the session and
// handles the close request.
#pragma once

#include <QMainWindow>
#include <QUrl>
#include <functional>
#include <map>
#include <memory>

#include "session/Commands.h"
#include "session/Session.h"

class QLabel;
class QMenu;
class QToolBar;

namespace velmora {

class RecentFiles;
class VelmoraDoc;
class MainForm;
class FormThreadView;
class OperationRunner;

class MainFrame : public QMainWindow {
    Q_OBJECT
public:
    MainFrame(VelmoraDoc& doc, SessionOptions options = {}, QWidget* parent = nullptr);
    ~MainFrame() override;

    MainForm& View() const { return *view_; }
    // The session behind the form and every command; the frame owns it.
    Session& GetSession() const { return *session_; }
    QToolBar* ToolBar() const { return toolBar_; }
    // The action of a command; nullptr for a command without one.
    QAction* CommandAction(CommandId commandId) const;
    // The indicator panes of the status bar: Caps Lock, Num Lock, Scroll Lock.
    QList<QLabel*> IndicatorPanes() const { return indicators_; }
    QLabel* IdlePane() const { return idle_; }

    // A command is enabled when something carries it out and the session's
    // rule allows it.
    bool CommandEnabled(CommandId commandId) const;
    // What a menu item, toolbar button or key does; a disabled command does nothing.
    void RunCommand(CommandId commandId);
    // Re-evaluates every menu item and toolbar button.
    void UpdateCommandUI();
    // A long operation runs on its own thread.
    bool OperationRunning() const;
    // Runs work (a session operation) on its own thread while the window
    // goes on, only Stop enabled; then done on the window's thread.
    void RunLongOperation(std::function<void()> work, std::function<void()> done = {});
    // The table's fill next to the message pane: "Satellites 11/300   TPs 96/8000".
    QLabel* FillPane() const { return fill_; }
    // The last files opened or saved, newest first (at most eight).
    QStringList RecentFileList() const;
    // What a file dropped on the window does: a table is opened.
    void OpenDropped(const QString& path);
    // A dropped URL: a local file as above, an http or https link imported
    // as a list file is.
    void OpenDroppedUrl(const QUrl& url);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QAction* MakeAction(const Command& command);
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void OnTitleChanged(const QString& title);
    void ConnectContextMenus();
    // The port list follows adapters plugged in and pulled out.
    void WatchPorts();
    void PortsChanged();
    void ShowContextMenu(ContextMenu menu, QWidget* at, const QPoint& point);
    // The window's part of a command: dialogs, the form, the options.
    void RunStep(const Command& command);
    void LongOperationDone(const std::function<void()>& done);

    VelmoraDoc& doc_;
    MainForm* view_;
    std::unique_ptr<FormThreadView> threadView_;
    std::unique_ptr<Session> session_;
    OperationRunner* runner_ = nullptr;
    // Things that waited for the running operation to end.
    bool closeWhenDone_ = false;
    bool portsChangedMeanwhile_ = false;
    QToolBar* toolBar_ = nullptr;
    QLabel* idle_ = nullptr;
    QLabel* fill_ = nullptr;
    std::unique_ptr<RecentFiles> recent_;
    QList<QLabel*> indicators_;
    std::map<CommandId, QAction*> actions_;
};

}  // namespace velmora
