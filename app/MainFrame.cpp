#include "app/MainFrame.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "app/CommandRoutes.h"
#include "app/Images.h"
#include "app/MeterMenu.h"
#include "app/VelmoraApp.h"
#include "app/VelmoraDoc.h"
#include "app/velmoraView.h"
#include "ui/Commands.h"

namespace velmora {

namespace {

struct MenuItem {
    int id;            // 0: separator
    const char* text;  // the part after the tab is the shortcut
};

constexpr MenuItem kFileMenu[] = {
    {ID_FILE_OPEN, "Open(&O)...\tCtrl+O"},
    {ID_FILE_SAVE, "Save(&S)\tCtrl+S"},
    {ID_FILE_SAVE_AS, "Save as(&A)..."},
    {0, nullptr},
    {ID_LOAD_SOFT, "Load soft..."},
    {ID_LOAD_ICON, "Load icon..."},
    {ID_LOAD_LOGO, "Load logo..."},
    {0, nullptr},
    {ID_CREATE_FLASH, "Create Flash1M.bin"},
    // Deleting the meter's icon set had no way in; it asks before it acts.
    {ID_DELETE_ICON, "Delete meter OSD icon..."},
    {0, nullptr},
    {ID_APP_EXIT, "Exit(&X)"},
};

constexpr MenuItem kMeterMenu[] = {
    {ID_READ, "Read"},
    {ID_WRITE, "Write"},
    {0, nullptr},
    {ID_COMPARE_METER, "Compare with meter..."},
    {0, nullptr},
    {ID_WRITE_LOGO, "Write logo"},
    {ID_WRITE_ICON, "Write icon"},
    {ID_SOFT_UPGRADE, "SOFT upgrade"},
    {ID_PATCH_UP, "Patch up"},
    {0, nullptr},
    {ID_VERIFY_AFTER_WRITE, "Verify after write"},
    {ID_BACKUP_BEFORE_WRITE, "Back up before write"},
};

constexpr MenuItem kHelpMenu[] = {
    {ID_HELP_CONTENTS, "Help Contents..."},
};

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
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      doc_(doc) {
    setWindowIcon(AppIcon());
    view_ = new CVelmoraView(doc, std::move(options), this);
    setCentralWidget(view_);
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();

    // The commands without a menu item or button: New on Ctrl+N.
    QAction* newDoc = MakeAction(ID_FILE_NEW, QString());
    newDoc->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    addAction(newDoc);

    connect(&doc_, &CVelmoraDoc::titleChanged, this, &CMainFrame::OnTitleChanged);
    connect(view_, &CVelmoraView::stateChanged, this, &CMainFrame::UpdateCommandUI);
    OnTitleChanged(doc_.Title());
    // The window takes the size of the form and the user cannot change it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    UpdateCommandUI();
}

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
            QStringList parts = QString::fromLatin1(item.text).split(QLatin1Char('\t'));
            QAction* action = MakeAction(item.id, parts[0]);
            if (parts.size() > 1) action->setShortcut(QKeySequence::fromString(parts[1]));
            menu->addAction(action);
        }
        // The rules are evaluated again before the menu shows.
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
    };
    fill(menuBar()->addMenu(QStringLiteral("File(&F)")), kFileMenu);
    fill(menuBar()->addMenu(QStringLiteral("Meter(&M)")), kMeterMenu);
    metermenu::LoadOptions(view_->GetSession(), CommandAction(ID_VERIFY_AFTER_WRITE),
                           CommandAction(ID_BACKUP_BEFORE_WRITE));
    fill(menuBar()->addMenu(QStringLiteral("Help(&H)")), kHelpMenu);
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
    if (commandId == ID_VERIFY_AFTER_WRITE || commandId == ID_BACKUP_BEFORE_WRITE) return true;
    if (commandId == ID_COMPARE_METER) return view_->GetSession().IsEnabled(commandId);
    if (SessionCommandFor(commandId) == nullptr) return false;
    return view_->GetSession().IsEnabled(commandId);
}

void CMainFrame::RunCommand(int commandId) {
    if (!CommandEnabled(commandId)) return;
    if (commandId == ID_HELP_CONTENTS) {
        CVelmoraApp::OnHelpContents(this);
    } else if (commandId == ID_APP_EXIT) {
        close();
    } else if (metermenu::Run(commandId, view_->GetSession(), CommandAction(commandId), this)) {
        // The Meter menu's comparison and options.
    } else {
        SessionCommandFor(commandId)(view_->GetSession());
    }
    UpdateCommandUI();
}

void CMainFrame::UpdateCommandUI() {
    for (auto& [id, action] : actions_) action->setEnabled(CommandEnabled(id));
}

void CMainFrame::OnTitleChanged(const QString& title) {
    // "[*]" is the modified-mark placeholder of window titles; doubled it shows as is.
    QString shown = title;
    shown.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(shown + QStringLiteral(" - "));
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    switch (view_->GetSession().RequestClose()) {
        case CloseDecision::CloseNow:
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
