#include "app/MainFrame.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QTableView>
#include <QTreeWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "app/CheckDlg.h"
#include "app/CommandRoutes.h"
#include "app/Images.h"
#include "app/Modal.h"
#include "app/ImportDlg.h"
#include "app/MainForm.h"
#include "app/MeterMenu.h"
#include "app/VelmoraApp.h"
#include "app/VelmoraDoc.h"
#include "ui/Commands.h"
#include "ui/Session.h"

namespace velmora {

namespace {

struct MenuItem {
    int id;            // 0: separator
    const char* text;  // the part after the tab is the shortcut
};

// The place of the recently opened files in the File menu.
constexpr int kRecentFiles = -1;

constexpr MenuItem kFileMenu[] = {
    {ID_FILE_NEW, "New(&N)\tCtrl+N"},
    {ID_FILE_OPEN, "Open(&O)...\tCtrl+O"},
    {kRecentFiles, "Recent files"},
    {ID_FILE_SAVE, "Save(&S)\tCtrl+S"},
    {ID_FILE_SAVE_AS, "Save as(&A)...\tCtrl+Shift+S"},
    {0, nullptr},
    {ID_FILE_IMPORT, "Import transponders..."},
    {ID_FILE_EXPORT, "Export satellites.xml..."},
    {0, nullptr},
    {ID_LOAD_SOFT, "Load soft..."},
    {ID_LOAD_ICON, "Load icon..."},
    {ID_LOAD_LOGO, "Load logo..."},
    {0, nullptr},
    {ID_CREATE_FLASH, "Create Flash1M.bin"},
    {0, nullptr},
    {ID_APP_EXIT, "Exit(&X)\tCtrl+Q"},
};

constexpr MenuItem kEditMenu[] = {
    {ID_EDIT_UNDO, "Undo\tCtrl+Z"},
    {ID_EDIT_REDO, "Redo\tCtrl+Shift+Z"},
    {0, nullptr},
    {ID_TP_ADD, "TP Add...\tIns"},
    {ID_TP_EDIT, "TP Edit...\tReturn"},
    {ID_TP_DELETE, "TP Delete\tDel"},
    {ID_TP_SORT, "TP Sort..."},
    {0, nullptr},
    {ID_SAT_ADD, "Satellite Add..."},
    {ID_SAT_EDIT, "Satellite Edit..."},
    {ID_SAT_DELETE, "Satellite Delete"},
    {0, nullptr},
    {ID_LNB_EDIT, "LNB Edit..."},
    {0, nullptr},
    {ID_FIND, "Find\tCtrl+F"},
    {ID_CHECK_TABLE, "Check table..."},
};

constexpr MenuItem kMeterMenu[] = {
    {ID_READ, "Read"},
    {ID_WRITE, "Write"},
    {ID_STOP, "Stop"},
    {0, nullptr},
    {ID_COMPARE_METER, "Compare with meter..."},
    {0, nullptr},
    {ID_WRITE_LOGO, "Write logo"},
    {ID_WRITE_ICON, "Write icon"},
    {ID_SOFT_UPGRADE, "SOFT upgrade"},
    {ID_PATCH_UP, "PATCH UP"},
    {0, nullptr},
    // Deleting the meter's icon set had no way in; it asks before it acts.
    {ID_DELETE_ICON, "Delete meter OSD icon..."},
    {0, nullptr},
    {ID_VERIFY_AFTER_WRITE, "Verify after write"},
    {ID_BACKUP_BEFORE_WRITE, "Back up before write"},
};

constexpr MenuItem kHelpMenu[] = {
    {ID_HELP_CONTENTS, "Help Contents...\tF1"},
};

// The form buttons the Edit menu and the keys run.
struct ButtonCommand {
    int command;
    int control;
};
constexpr ButtonCommand kButtonCommands[] = {
    {ID_TP_ADD, IDC_TP_ADD},     {ID_TP_EDIT, IDC_TP_EDIT},       {ID_TP_DELETE, IDC_TP_DELETE},
    {ID_TP_SORT, IDC_TP_SORT},   {ID_SAT_ADD, IDC_SAT_ADD},       {ID_SAT_EDIT, IDC_SAT_EDIT},
    {ID_SAT_DELETE, IDC_SAT_DELETE}, {ID_LNB_EDIT, IDC_LNB_EDIT},
};

int ButtonFor(int commandId) {
    for (const ButtonCommand& b : kButtonCommands) {
        if (b.command == commandId) return b.control;
    }
    return 0;
}

constexpr int kRecentCount = 8;
constexpr const char* kRecentKey = "recentFiles";
constexpr const char* kGeometryKey = "window/geometry";

constexpr QSize kToolButtonSize{50, 32};
constexpr const char* kIdleText = "Ready";
constexpr const char* kCapsLockText = "Cap";
constexpr const char* kNumLockText = "Digital";

// The status prompt of a command and its tooltip (the part after '\n').
QString PromptPart(int commandId, bool tooltip) {
    const CommandInfo* info = FindCommand(commandId);
    if (info == nullptr) return {};
    QString prompt = QString::fromLatin1(info->prompt);
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

CMainFrame::CMainFrame(CVelmoraDoc& doc, SessionOptions options, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                              Qt::WindowMinMaxButtonsHint),
      doc_(doc) {
    setWindowIcon(AppIcon());
    // The session shows itself through the form: the form comes first.
    view_ = new CMainForm(doc, this);
    session_ = std::make_unique<Session>(*view_, std::move(options));
    view_->AttachSession(*session_);
    setCentralWidget(view_);
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();

    ConnectContextMenus();
    setAcceptDrops(true);

    connect(&doc_, &CVelmoraDoc::titleChanged, this, &CMainFrame::OnTitleChanged);
    connect(view_, &CMainForm::stateChanged, this, &CMainFrame::UpdateCommandUI);
    connect(view_, &CMainForm::findReport, this, [this](const QString& text) {
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

// The form lets go of the session's tables before the session goes.
CMainFrame::~CMainFrame() { view_->DetachSession(); }

QAction* CMainFrame::MakeAction(int commandId, const QString& text) {
    auto* action = new QAction(text, this);
    action->setStatusTip(PromptPart(commandId, false));
    action->setToolTip(PromptPart(commandId, true));
    connect(action, &QAction::triggered, this, [this, commandId] { RunCommand(commandId); });
    actions_[commandId] = action;
    return action;
}

QAction* CMainFrame::CommandAction(int commandId) const {
    auto it = actions_.find(commandId);
    return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::CreateMenus() {
    auto fill = [this](QMenu* menu, std::span<const MenuItem> items) {
        for (const MenuItem& item : items) {
            if (item.id == 0) {
                menu->addSeparator();
                continue;
            }
            if (item.id == kRecentFiles) {
                recentMenu_ = menu->addMenu(QString::fromLatin1(item.text));
                FillRecentMenu();
                continue;
            }
            QStringList parts = QString::fromLatin1(item.text).split(QLatin1Char('\t'));
            QAction* action = MakeAction(item.id, parts[0]);
            if (parts.size() > 1) action->setShortcut(QKeySequence::fromString(parts[1]));
            menu->addAction(action);
        }
        // The rules are evaluated again before the menu shows.
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
    };
    fill(menuBar()->addMenu(QStringLiteral("File(&F)")), kFileMenu);
    fill(menuBar()->addMenu(QStringLiteral("Edit(&E)")), kEditMenu);
    fill(menuBar()->addMenu(QStringLiteral("Meter(&M)")), kMeterMenu);
    metermenu::LoadOptions(GetSession(), CommandAction(ID_VERIFY_AFTER_WRITE),
                           CommandAction(ID_BACKUP_BEFORE_WRITE));
    fill(menuBar()->addMenu(QStringLiteral("Help(&H)")), kHelpMenu);

    CommandAction(ID_EDIT_REDO)->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    // The row keys belong to the list: in the find field they edit the text.
    for (int id : {ID_TP_ADD, ID_TP_EDIT, ID_TP_DELETE}) {
        QAction* action = CommandAction(id);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        view_->List()->addAction(action);
    }
    // Enter on the keypad edits as Return does.
    CommandAction(ID_TP_EDIT)->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
}

void CMainFrame::FillRecentMenu() {
    recentMenu_->clear();
    const QStringList files = RecentFiles();
    int n = 0;
    for (const QString& path : files) {
        QAction* action = recentMenu_->addAction(QStringLiteral("&%1 %2").arg(++n).arg(path));
        connect(action, &QAction::triggered, this, [this, path] {
            if (GetSession().IsEnabled(ID_FILE_OPEN)) {
                GetSession().OpenPath(QFile::encodeName(path).toStdString());
            }
            UpdateCommandUI();
        });
    }
    recentMenu_->setEnabled(!files.isEmpty());
}

QStringList CMainFrame::RecentFiles() const {
    return QSettings().value(QLatin1String(kRecentKey)).toStringList();
}

void CMainFrame::RememberRecent(const QString& path) {
    QFileInfo info(path);
    if (path.isEmpty() || !info.isFile()) return;
    QStringList files = RecentFiles();
    QString absolute = info.absoluteFilePath();
    files.removeAll(absolute);
    files.prepend(absolute);
    while (files.size() > kRecentCount) files.removeLast();
    QSettings().setValue(QLatin1String(kRecentKey), files);
    FillRecentMenu();
}

void CMainFrame::ConnectContextMenus() {
    auto show = [this](QWidget* widget, const QPoint& at, std::initializer_list<int> ids) {
        QMenu menu(this);
        for (int id : ids) {
            if (id == 0) {
                menu.addSeparator();
            } else if (QAction* action = CommandAction(id)) {
                menu.addAction(action);
            }
        }
        UpdateCommandUI();
        menu.exec(widget->mapToGlobal(at));
    };
    QWidget* tree = view_->Tree();
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tree, &QWidget::customContextMenuRequested, this, [this, tree, show](const QPoint& at) {
        show(tree, at, {ID_SAT_ADD, ID_SAT_EDIT, ID_SAT_DELETE, 0, ID_TP_SORT});
    });
    QWidget* list = view_->List();
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this, [this, show](const QPoint& at) {
        // The position is that of the list's viewport.
        QWidget* area = view_->List()->viewport();
        if (GetSession().State().edit.displayMode == DISPLAY_LNBS) {
            show(area, at, {ID_LNB_EDIT});
        } else {
            show(area, at, {ID_TP_ADD, ID_TP_EDIT, ID_TP_DELETE, 0, ID_TP_SORT, 0, ID_FIND});
        }
    });
}

void CMainFrame::CreateToolBar() {
    toolBar_ = new QToolBar(QStringLiteral("Toolbar"), this);
    toolBar_->setObjectName(QStringLiteral("MainToolBar"));
    toolBar_->setIconSize(kToolbarImageSize);
    toolBar_->setMovable(true);
    toolBar_->setFloatable(true);
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    auto* noToolTip = new NoToolTip(this);
    bool first = true;
    for (int id : ToolbarCommands()) {
        if (!first) toolBar_->addSeparator();
        first = false;
        QAction* action = CommandAction(id);
        if (action == nullptr) {
            QString tip = PromptPart(id, true);
            action = MakeAction(id, tip.isEmpty() ? PromptPart(id, false) : tip);
        }
        action->setIcon(ToolbarIcon(id));
        toolBar_->addAction(action);
        QWidget* button = toolBar_->widgetForAction(action);
        button->setFixedSize(kToolButtonSize);
        if (PromptPart(id, true).isEmpty()) button->installEventFilter(noToolTip);
    }
    addToolBar(Qt::TopToolBarArea, toolBar_);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    // A normal widget, so a fly-by prompt covers it and it shows again after.
    idle_ = new QLabel(QString::fromLatin1(kIdleText), bar);
    bar->addWidget(idle_, 1);
    fill_ = new QLabel(bar);
    bar->addPermanentWidget(fill_);
    for (const QString& text : {QString::fromLatin1(kCapsLockText),
                                QString::fromLatin1(kNumLockText), QStringLiteral("滚动")}) {
        auto* pane = new QLabel(text, bar);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->sizeHint().width() + 12);
        bar->addPermanentWidget(pane);
        indicators_ << pane;
    }
}

bool CMainFrame::CommandEnabled(int commandId) const {
    if (commandId == ID_HELP_CONTENTS || commandId == ID_APP_EXIT) return true;
    if (commandId == ID_FIND || commandId == ID_CHECK_TABLE) return true;
    if (int control = ButtonFor(commandId)) {
        QWidget* button = view_->Control(control);
        bool enabled = button != nullptr && button->isEnabled();
        if (commandId == ID_SAT_EDIT) enabled = enabled && GetSession().IsEnabled(ID_SAT_EDIT);
        return enabled;
    }
    if (commandId == ID_FILE_IMPORT || commandId == ID_FILE_EXPORT)
        return GetSession().IsEnabled(commandId);
    if (commandId == ID_VERIFY_AFTER_WRITE || commandId == ID_BACKUP_BEFORE_WRITE) return true;
    if (commandId == ID_COMPARE_METER) return GetSession().IsEnabled(commandId);
    if (SessionCommandFor(commandId) == nullptr) return false;
    return GetSession().IsEnabled(commandId);
}

void CMainFrame::RunCommand(int commandId) {
    if (!CommandEnabled(commandId)) return;
    if (commandId == ID_HELP_CONTENTS) {
        CVelmoraApp::OnHelpContents(this);
    } else if (commandId == ID_APP_EXIT) {
        close();
    } else if (metermenu::Run(commandId, GetSession(), CommandAction(commandId), this)) {
        // The Meter menu's comparison and options.
    } else if (commandId == ID_FIND) {
        view_->FocusFind();
    } else if (commandId == ID_CHECK_TABLE) {
        CCheckDlg dlg(CheckTable(GetSession().Database()),
                      [this](const TableFinding& f) { view_->SelectFinding(f); }, this);
        modal::Run(dlg);
    } else if (int control = ButtonFor(commandId)) {
        view_->PressButton(control);
    } else if (commandId == ID_FILE_IMPORT) {
        RunImportCommand(this, GetSession());
    } else if (commandId == ID_FILE_EXPORT) {
        RunExportCommand(this, GetSession());
    } else {
        SessionCommandFor(commandId)(GetSession());
    }
    UpdateCommandUI();
}

void CMainFrame::UpdateCommandUI() {
    for (auto& [id, action] : actions_) action->setEnabled(CommandEnabled(id));
    Session& session = GetSession();
    setWindowModified(session.Modified());
    CommandAction(ID_EDIT_UNDO)->setText(QString::fromStdString(session.UndoText()));
    CommandAction(ID_EDIT_REDO)->setText(QString::fromStdString(session.RedoText()));
    const SatTpDatabase& db = session.Database();
    fill_->setText(QStringLiteral("Satellites %1/%2   TPs %3/%4")
                       .arg(db.satCount)
                       .arg(MAX_SATELLITES)
                       .arg(db.tpCount)
                       .arg(MAX_TPS));
}

void CMainFrame::OnTitleChanged(const QString& title) {
    // The file's name, the modified mark and the program: "sattp.csv* - Orvane".
    QString name = title.isEmpty() ? QStringLiteral("Untitled") : title;
    qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0 && slash + 1 < name.size()) name = name.mid(slash + 1);
    // "[*]" is the placeholder of the mark; doubled, a name's own shows as is.
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(name + QStringLiteral("[*] - ") + QLatin1String(APP_TITLE));
    RememberRecent(title);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() && !event->mimeData()->urls().isEmpty() &&
        event->mimeData()->urls().front().isLocalFile()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.front().isLocalFile()) return;
    event->acceptProposedAction();
    OpenDropped(urls.front().toLocalFile());
}

void CMainFrame::OpenDropped(const QString& path) {
    Session& session = GetSession();
    // A table is opened; a transponder list (satellites.xml, .ini, a dvbv5
    // table) is imported.
    if (path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) {
        if (session.IsEnabled(ID_FILE_OPEN)) session.OpenPath(QFile::encodeName(path).toStdString());
    } else {
        ImportListFile(this, session, path);
    }
    UpdateCommandUI();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    switch (GetSession().RequestClose()) {
        case CloseDecision::CloseNow:
            QSettings().setValue(QLatin1String(kGeometryKey), saveGeometry());
            event->accept();
            break;
        case CloseDecision::Repost:
            // The running operation unwinds first; the request comes back then.
            event->ignore();
            QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
            break;
        case CloseDecision::Stay:
            event->ignore();
            break;
    }
    UpdateCommandUI();
}

}  // namespace velmora
