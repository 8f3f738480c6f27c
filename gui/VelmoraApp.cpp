#include "gui/VelmoraApp.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "gui/AboutDlg.h"
#include "gui/CoreText.h"
#include "gui/HelpDlg.h"
#include "gui/Images.h"
#include "gui/Language.h"
#include "gui/MainFrame.h"
#include "gui/Modal.h"
#include "gui/VelmoraDoc.h"
#include "core/MessageText.h"
#include "session/Session.h"
#include "session/UserData.h"

namespace velmora {

namespace {

// Where the settings are kept and what --version prints: the one version of
// the project, as velmora-cli and the About box say it.
void SetIdentity(QCoreApplication& app) {
    app.setOrganizationName(QStringLiteral("velmora"));
    app.setApplicationName(QStringLiteral("velmora"));
    app.setApplicationVersion(QStringLiteral(VELMORA_VERSION));
}

// Settings were kept under a generated organisation name before.
constexpr const char* kOldOrganisation = "Local AppWizard-Generated Applications";
constexpr const char* kTakenOverKey = "settings/takenOver";

struct WindowOptions {
    QCommandLineOption userData{
        QStringLiteral("user-data"),
        QStringLiteral("Work in the user's data folder ($XDG_DATA_HOME/velmora, by default "
                       "~/.local/share/velmora) instead of the current folder.")};
    QCommandLineOption lang{QStringLiteral("lang"),
                            QStringLiteral("Show the window in this language (de, es, fr, it, "
                                           "pl, pt, ru, tr, ar, zh_CN, en) instead of the one "
                                           "chosen in Help > Language or the system's."),
                            QStringLiteral("code")};
};

void DescribeOptions(QCommandLineParser& parser, const WindowOptions& options) {
    parser.setApplicationDescription(QStringLiteral("Orvane meter table editor"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(options.userData);
    parser.addOption(options.lang);
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A sattp.csv table to open instead of the last "
                                                "one in the history."));
}

}  // namespace

std::optional<int> VelmoraApp::AnswerWithoutWindow(int argc, char** argv) {
    // Only these are answered here: the toolkit's own options (-platform,
    // -style, ...) are known to the window's application object alone.
    bool asked = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") break;
        asked = asked || arg == "-h" || arg == "--help" || arg == "-?" || arg == "--help-all" ||
                arg == "-v" || arg == "--version";
    }
    if (!asked) return std::nullopt;
    QCoreApplication core(argc, argv);
    SetIdentity(core);
    QCommandLineParser parser;
    WindowOptions options;
    DescribeOptions(parser, options);
    if (!parser.parse(core.arguments())) {
        std::fprintf(stderr, "velmora: %s\n", qPrintable(parser.errorText()));
        return 2;
    }
    // Prints the help or the version and ends the process.
    parser.process(core);
    return 0;
}

VelmoraApp::VelmoraApp(int& argc, char** argv) : QApplication(argc, argv) {
    SetIdentity(*this);
    setWindowIcon(AppIcon());
}

VelmoraApp::~VelmoraApp() {
    frame_.reset();
    doc_.reset();
}

bool VelmoraApp::Start() {
    QCommandLineParser parser;
    WindowOptions windowOptions;
    DescribeOptions(parser, windowOptions);
    if (!parser.parse(arguments())) {
        qWarning("%s", qPrintable(parser.errorText()));
        return false;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")) ||
        parser.isSet(QStringLiteral("version"))) {
        parser.process(*this);
    }
    const QCommandLineOption& userData = windowOptions.userData;
    const QString lang = parser.value(windowOptions.lang);
    if (parser.isSet(windowOptions.lang) && !KnownLanguage(lang)) {
        std::string known;
        for (const Language& l : Languages()) known += std::string(" ") + l.code;
        std::fprintf(stderr, "velmora: unknown language \"%s\" for --lang; known are:%s\n",
                     EscapeControls(lang.toStdString()).c_str(), known.c_str());
        return false;
    }
    InstallLanguage(*this, lang);

    // The table named on the command line is opened by the start-up, which
    // tells as Open does when it cannot be.
    SessionOptions options;
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty()) options.startFile = StartFileName(files.front());

    if (parser.isSet(userData) && !EnterUserDataFolder()) return false;
    // The history of opened tables is kept with the user's data, never in
    // whatever folder the program was started from.
    const std::string data = UserDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    if (!data.empty()) {
        options.historyFile = data + "/" + HISTORY_FILE;
        TakeOverHistory(HISTORY_FILE, options.historyFile);
    }
    TakeOverSettings(QLatin1String(kOldOrganisation));

    doc_ = std::make_unique<VelmoraDoc>();
    frame_ = std::make_unique<MainFrame>(*doc_, std::move(options));
    frame_->show();
    return true;
}

bool VelmoraApp::EnterUserDataFolder() {
    const std::string folder = UserDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    bool created = false;
    std::string error;
    if (!EnsureUserDataFolder(folder, &created, &error)) {
        modal::Notice(nullptr, CoreText(error));
        return false;
    }
    if (created) {
        // Installed beside the program (share/velmora), wherever the prefix is.
        const QString share = applicationDirPath() + QStringLiteral("/../share/velmora/examples/");
        const std::string sample = FindSampleTable(
            {(share + QString::fromLatin1(kSampleTableName)).toStdString(),
             std::string("/usr/share/velmora/examples/") + kSampleTableName,
             std::string("/usr/share/doc/velmora/examples/") + kSampleTableName});
        const QString question =
            QStringLiteral("Orvane keeps its tables in %1.\n"
                           "Copy the sample table there to start with?")
                .arg(QString::fromStdString(folder));
        if (!sample.empty() && modal::AskYesNo(nullptr, question) &&
            !CopySampleTable(sample, folder, &error)) {
            modal::Notice(nullptr, CoreText(error));
        }
    }
    // The default table is a plain relative name of the session: it follows
    // the folder.
    if (!QDir::setCurrent(QString::fromStdString(folder))) {
        modal::Notice(nullptr, QStringLiteral("Cannot use the data folder %1.")
                                   .arg(QString::fromStdString(folder)));
        return false;
    }
    return true;
}

void VelmoraApp::TakeOverSettings(const QString& oldOrganisation) {
    QSettings settings;
    if (settings.contains(QLatin1String(kTakenOverKey))) return;
    QSettings old(QSettings::defaultFormat(), QSettings::UserScope, oldOrganisation,
                  QCoreApplication::applicationName());
    for (const QString& key : old.allKeys()) {
        if (!settings.contains(key)) settings.setValue(key, old.value(key));
    }
    settings.setValue(QLatin1String(kTakenOverKey), true);
}

std::string VelmoraApp::StartFileName(const QString& argument) {
    return QFile::encodeName(QFileInfo(argument).absoluteFilePath()).toStdString();
}

void VelmoraApp::OnHelpContents(QWidget* parent) {
    HelpDlg help(parent);
    modal::Run(help);
}

void VelmoraApp::OnAbout(QWidget* parent) {
    AboutDlg about(parent);
    modal::Run(about);
}

}  // namespace velmora
