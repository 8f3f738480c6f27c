#include "gui/MainFrame.h"

#include <QCoreApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QSocketNotifier>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

#include "gui/CatalogDlg.h"
#include "gui/CheckDlg.h"
#include "gui/UnitRecordsDlg.h"
#include "gui/CoreText.h"
#include "gui/Images.h"
#include "gui/ImportDlg.h"
#include "gui/Language.h"
#include "gui/FormThreadView.h"
#include "gui/MainForm.h"
#include "gui/OperationRunner.h"
#include "gui/MeterMenu.h"
#include "gui/Modal.h"
#include "gui/PortSelector.h"
#include "gui/RecentFiles.h"
#include "gui/UrlImport.h"
#include "gui/VelmoraApp.h"
#include "gui/VelmoraDoc.h"

namespace velmora {

namespace {

constexpr const char* kGeometryKey = "window/geometry";

constexpr QSize kToolButtonSize{50, 32};
// The lock keys' panes, in the words keyboards print on them.
constexpr const char* kLockTexts[] = {
    //: The status bar's Caps Lock indicator: keep it as short as the keyboard's word
    QT_TRANSLATE_NOOP("MainFrame", "CAP"),
    //: The status bar's Num Lock indicator
    QT_TRANSLATE_NOOP("MainFrame", "NUM"),
    //: The status bar's Scroll Lock indicator
    QT_TRANSLATE_NOOP("MainFrame", "SCRL"),
};

// The status prompt of a command and its tooltip (the part after '\n').
QString PromptPart(const Command& command, bool tooltip) {
    QString prompt = CoreText(command.prompt);
    qsizetype cut = prompt.indexOf(QLatin1Char('\n'));
    if (tooltip) return cut < 0 ? QString() : prompt.mid(cut + 1);
    return cut < 0 ? prompt : prompt.left(cut);
}

// Swallows the tooltip of a toolbar button whose command has none.
class NoToolTip : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::ToolTip; }
};

}  // namespace

MainFrame::MainFrame(VelmoraDoc& doc, SessionOptions options, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                              Qt::WindowMinMaxButtonsHint),
      doc_(doc) {
    setWindowIcon(AppIcon());
    // The session shows itself through the form: the form comes first.
    view_ = new MainForm(doc, this);
    if (options.lastPort.empty()) options.lastPort = PortSelector::RememberedPort();
    threadView_ = std::make_unique<FormThreadView>(*view_);
    session_ = std::make_unique<Session>(*threadView_, std::move(options));
    runner_ = new OperationRunner(this);
    view_->AttachSession(*session_);
    setCentralWidget(view_);
    for (const Command& command : Commands()) MakeAction(command);
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();

    ConnectContextMenus();
    setAcceptDrops(true);
    WatchPorts();

    connect(&doc_, &VelmoraDoc::titleChanged, this, &MainFrame::OnTitleChanged);
    connect(view_, &MainForm::stateChanged, this, &MainFrame::UpdateCommandUI);
    // A status the form cannot show whole stays readable in the status bar.
    connect(view_, &MainForm::longStatus, this, [this](const QString& text) {
        idle_->setText(text.isEmpty() ? tr("Ready") : text);
        // Still longer than a narrow window: the tooltip has it all.
        idle_->setToolTip(text);
    });
    connect(view_, &MainForm::findReport, this, [this](const QString& text) {
        if (text.isEmpty()) {
            statusBar()->clearMessage();
        } else {
            statusBar()->showMessage(text);
        }
    });
    OnTitleChanged(doc_.Title());
    // The window opens at the form's size, or as it was when last closed.
    adjustSize();
    QSettings settings;
    if (settings.contains(QLatin1String(kGeometryKey))) {
        restoreGeometry(settings.value(QLatin1String(kGeometryKey)).toByteArray());
    }
    UpdateCommandUI();
}

void MainFrame::WatchPorts() {
    // inotify tells at once when a device node comes or goes; without it the
    // list is looked at every second, which is as good to a user.
    const int fd = session_->PortWatchFd();
    if (fd >= 0) {
        auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this] { PortsChanged(); });
    } else {
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [this] { PortsChanged(); });
        poll->start(1000);
    }
}

void MainFrame::PortsChanged() {
    // The running operation holds the session; the list is read after it.
    if (OperationRunning()) {
        portsChangedMeanwhile_ = true;
        return;
    }
    session_->PortsChanged();
    UpdateCommandUI();
}

// The form lets go of the session's tables before the session goes.
MainFrame::~MainFrame() { view_->DetachSession(); }

QAction* MainFrame::MakeAction(const Command& command) {
    // A command without a menu item is named by its tooltip or its prompt.
    QString text = CoreText(command.text);
    if (text.isEmpty()) text = PromptPart(command, true);
    if (text.isEmpty()) text = PromptPart(command, false);
    auto* action = new QAction(text, this);
    action->setStatusTip(PromptPart(command, false));
    action->setToolTip(PromptPart(command, true));
    action->setShortcuts(QKeySequence::listFromString(QLatin1String(command.keys)));
    if (command.keyScope == KeyScope::List) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        view_->List()->addAction(action);
    }
    if (metermenu::IsOption(command.step)) {
        metermenu::LoadOption(command.step, GetSession(), action);
    }
    const CommandId id = command.id;
    connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    actions_[id] = action;
    return action;
}

QAction* MainFrame::CommandAction(CommandId commandId) const {
    auto it = actions_.find(commandId);
    return it == actions_.end() ? nullptr : it->second;
}

void MainFrame::CreateMenus() {
    for (Menu which : kMenuBar) {
        QMenu* menu = menuBar()->addMenu(CoreText(MenuTitle(which)));
        for (const Command& command : Commands()) {
            if (command.menu != which) continue;
            if (command.separatorBefore) menu->addSeparator();
            menu->addAction(CommandAction(command.id));
            if (command.submenuAfter == Submenu::RecentFiles) {
                QMenu* files = menu->addMenu(tr("Recent files"));
                recent_ = std::make_unique<RecentFiles>(files, [this](const QString& path) {
                    GetSession().OpenPath(QFile::encodeName(path).toStdString());
                    UpdateCommandUI();
                });
            }
            if (command.submenuAfter == Submenu::Language) AddLanguageMenu(menu);
        }
        // The rules are evaluated again before the menu shows.
        connect(menu, &QMenu::aboutToShow, this, &MainFrame::UpdateCommandUI);
    }
}

QStringList MainFrame::RecentFileList() const { return recent_ ? recent_->Files() : QStringList(); }

void MainFrame::ConnectContextMenus() {
    QWidget* tree = view_->Tree();
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tree, &QWidget::customContextMenuRequested, this, [this, tree](const QPoint& at) {
        ShowContextMenu(ContextMenu::Tree, tree, at);
    });
    QWidget* list = view_->List();
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        bool lnbs = GetSession().State().edit.displayMode == DISPLAY_LNBS;
        // The position is that of the list's viewport.
        ShowContextMenu(lnbs ? ContextMenu::LnbList : ContextMenu::TpList,
                        view_->List()->viewport(), at);
    });
}

void MainFrame::ShowContextMenu(ContextMenu which, QWidget* widget, const QPoint& at) {
    QMenu menu(this);
    for (const ContextItem& item : ContextCommands(which)) {
        if (item.separatorBefore) menu.addSeparator();
        menu.addAction(CommandAction(item.command->id));
    }
    UpdateCommandUI();
    menu.exec(widget->mapToGlobal(at));
}

void MainFrame::CreateToolBar() {
    toolBar_ = new QToolBar(tr("Toolbar"), this);
    toolBar_->setObjectName(QStringLiteral("MainToolBar"));
    toolBar_->setIconSize(kToolbarImageSize);
    toolBar_->setMovable(true);
    toolBar_->setFloatable(true);
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    auto* noToolTip = new NoToolTip(this);
    bool first = true;
    for (CommandId id : ToolbarCommands()) {
        if (!first) toolBar_->addSeparator();
        first = false;
        const Command& command = *FindCommand(id);
        QAction* action = CommandAction(id);
        action->setIcon(ToolbarIcon(command.icon));
        toolBar_->addAction(action);
        QWidget* button = toolBar_->widgetForAction(action);
        button->setFixedSize(kToolButtonSize);
        if (PromptPart(command, true).isEmpty()) button->installEventFilter(noToolTip);
    }
    addToolBar(Qt::TopToolBarArea, toolBar_);
}

void MainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    // A normal widget, so a fly-by prompt covers it and it shows again after.
    idle_ = new QLabel(tr("Ready"), bar);
    // A long status must not hold the window wider than the user makes it.
    idle_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    idle_->setMinimumWidth(1);
    bar->addWidget(idle_, 1);
    fill_ = new QLabel(bar);
    bar->addPermanentWidget(fill_);
    for (const char* lockText : kLockTexts) {
        const QString text = QCoreApplication::translate("MainFrame", lockText);
        auto* pane = new QLabel(text, bar);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->sizeHint().width() + 12);
        bar->addPermanentWidget(pane);
        indicators_ << pane;
    }
}

bool MainFrame::OperationRunning() const { return runner_->Running(); }

bool MainFrame::CommandEnabled(CommandId commandId) const {
    const Command* command = FindCommand(commandId);
    if (command == nullptr) return false;
    // While an operation runs on its thread only Stop is on, and the
    // session, which that thread holds, is not asked.
    if (OperationRunning()) return commandId == CommandId::Stop;
    if (command->run == nullptr && command->step == WindowStep::None) return false;
    // A form button's command is off while the button is.
    if (command->button != FormControl::None) {
        QWidget* button = view_->Control(command->button);
        if (button == nullptr || !button->isEnabled()) return false;
    }
    return CommandAllowed(GetSession(), commandId);
}

void MainFrame::RunCommand(CommandId commandId) {
    if (!CommandEnabled(commandId)) return;
    const Command& command = *FindCommand(commandId);
    if (command.longOperation) {
        RunLongOperation([&session = GetSession(), run = command.run] { run(session); });
        return;
    }
    if (command.step != WindowStep::None) {
        RunStep(command);
    } else {
        command.run(GetSession());
    }
    UpdateCommandUI();
}

void MainFrame::RunLongOperation(std::function<void()> work, std::function<void()> done) {
    view_->HoldForOperation(true);
    // A Stop pressed before this one is not for it.
    GetSession().State().flags.stopRequested = false;
    runner_->Start(std::move(work), [this, done = std::move(done)] { LongOperationDone(done); });
    UpdateCommandUI();
}

void MainFrame::LongOperationDone(const std::function<void()>& done) {
    view_->HoldForOperation(false);
    if (done && !closeWhenDone_) done();
    if (portsChangedMeanwhile_) {
        portsChangedMeanwhile_ = false;
        PortsChanged();
    }
    UpdateCommandUI();
    if (closeWhenDone_) close();
}

void MainFrame::RunStep(const Command& command) {
    Session& session = GetSession();
    switch (command.step) {
        case WindowStep::None: break;
        case WindowStep::FileImport: RunImportCommand(*this, session); break;
        case WindowStep::FileImportUrl: RunImportUrlCommand(*this, session); break;
        case WindowStep::FileCatalog: RunCatalogCommand(this, session); break;
        case WindowStep::ExportDialog: RunExportCommand(this, session); break;
        case WindowStep::CheckDialog: {
            CheckDlg dlg(CheckTable(session.Database()),
                          [this](const TableFinding& f) { view_->SelectFinding(f); }, this);
            modal::Run(dlg);
            break;
        }
        case WindowStep::CompareDialog: metermenu::CompareWithMeter(session, *this); break;
        case WindowStep::RestoreDialog: metermenu::RestoreBackup(session, *this); break;
        case WindowStep::UnitRecordsDialog: {
            UnitRecordsDlg dlg(session, this);
            modal::Run(dlg);
            break;
        }
        case WindowStep::HelpContents: VelmoraApp::OnHelpContents(this); break;
        case WindowStep::AboutBox: VelmoraApp::OnAbout(this); break;
        case WindowStep::Exit: close(); break;
        case WindowStep::FocusFind: view_->FocusFind(); break;
        case WindowStep::PressButton: view_->PressButton(command.button); break;
        case WindowStep::ToggleVerify:
        case WindowStep::ToggleBackup:
        case WindowStep::ToggleRecord:
            metermenu::ToggleOption(command.step, session, CommandAction(command.id));
            break;
    }
}

void MainFrame::UpdateCommandUI() {
    for (auto& [id, action] : actions_) action->setEnabled(CommandEnabled(id));
    if (OperationRunning()) return;
    Session& session = GetSession();
    setWindowModified(session.Modified());
    for (const Command& command : Commands()) {
        if (command.liveText != nullptr) {
            CommandAction(command.id)->setText(CoreText(command.liveText(session)));
        }
    }
    const SatTpDatabase& db = session.Database();
    //: How full the tables are; "TPs" are transponders
    fill_->setText(tr("Satellites %1/%2   TPs %3/%4")
                       .arg(db.satCount)
                       .arg(MAX_SATELLITES)
                       .arg(db.tpCount)
                       .arg(MAX_TPS));
}

void MainFrame::OnTitleChanged(const QString& title) {
    // The file's name, the modified mark and the program: "sattp.csv* - Orvane".
    QString name = title.isEmpty() ? tr("Untitled") : title;
    qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0 && slash + 1 < name.size()) name = name.mid(slash + 1);
    // "[*]" is the placeholder of the mark; doubled, a name's own shows as is.
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(name + QStringLiteral("[*] - ") + QLatin1String(APP_TITLE));
    if (recent_) recent_->Remember(title);
}

namespace {

// A local file, or a link to a list on the web (a link dragged from a browser).
bool DroppableUrl(const QUrl& url) {
    return url.isLocalFile() || url.scheme() == QLatin1String("http") ||
           url.scheme() == QLatin1String("https");
}

}  // namespace

void MainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() && !event->mimeData()->urls().isEmpty() &&
        DroppableUrl(event->mimeData()->urls().front())) {
        event->acceptProposedAction();
    }
}

void MainFrame::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !DroppableUrl(urls.front())) return;
    event->acceptProposedAction();
    OpenDroppedUrl(urls.front());
}

void MainFrame::OpenDroppedUrl(const QUrl& url) {
    if (url.isLocalFile()) {
        OpenDropped(url.toLocalFile());
        return;
    }
    if (!DroppableUrl(url)) return;
    // A link (dragged from a web browser) imports as a dropped list file does.
    ImportListSource(*this, GetSession(), url.toEncoded().toStdString());
    UpdateCommandUI();
}

void MainFrame::OpenDropped(const QString& path) {
    Session& session = GetSession();
    // A table is opened; a transponder list (satellites.xml, .ini, a dvbv5
    // table) is imported.
    if (path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) {
        session.OpenPath(QFile::encodeName(path).toStdString());
    } else {
        ImportListFile(*this, session, path);
    }
    UpdateCommandUI();
}

void MainFrame::closeEvent(QCloseEvent* event) {
    // An operation on its thread is told to stop; the window closes when it
    // has ended.
    if (OperationRunning()) {
        GetSession().Stop();
        closeWhenDone_ = true;
        event->ignore();
        return;
    }
    closeWhenDone_ = false;
    if (GetSession().RequestClose() == CloseDecision::CloseNow) {
        QSettings().setValue(QLatin1String(kGeometryKey), saveGeometry());
        event->accept();
    } else {
        event->ignore();
    }
    UpdateCommandUI();
}

}  // namespace velmora
