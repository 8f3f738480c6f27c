#include "app/VelmoraApp.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdlib>

#include "app/AboutDlg.h"
#include "app/Images.h"
#include "app/MainFrame.h"
#include "app/Modal.h"
#include "app/VelmoraDoc.h"
#include "ui/UserData.h"

namespace velmora {

CVelmoraApp::CVelmoraApp(int& argc, char** argv) : QApplication(argc, argv) {
    // Where the framework keeps its settings; nothing of the program reads them.
    setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    setApplicationName(QStringLiteral("velmora"));
    setApplicationVersion(QStringLiteral("1.0.0.1"));
    setWindowIcon(AppIcon());
}

CVelmoraApp::~CVelmoraApp() {
    frame_.reset();
    doc_.reset();
}

bool CVelmoraApp::InitInstance() {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Orvane meter table editor"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption userData(
        QStringLiteral("user-data"),
        QStringLiteral("Work in the user's data folder ($XDG_DATA_HOME/velmora, by default "
                       "~/.local/share/velmora) instead of the current folder."));
    parser.addOption(userData);
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A sattp.csv table to open instead of the last "
                                                "one in the history."));
    if (!parser.parse(arguments())) {
        qWarning("%s", qPrintable(parser.errorText()));
        return false;
    }
    if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version"))) parser.showVersion();

    // The table named on the command line is opened by the start-up, which
    // tells as Open does when it cannot be.
    SessionOptions options;
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty()) options.startFile = StartFileName(files.front());

    if (parser.isSet(userData) && !EnterUserDataFolder()) return false;

    doc_ = std::make_unique<CVelmoraDoc>();
    frame_ = std::make_unique<CMainFrame>(*doc_, std::move(options));
    frame_->show();
    return true;
}

bool CVelmoraApp::EnterUserDataFolder() {
    const std::string folder = UserDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    bool created = false;
    std::string error;
    if (!EnsureUserDataFolder(folder, &created, &error)) {
        modal::Notice(nullptr, QString::fromStdString(error));
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
            modal::Notice(nullptr, QString::fromStdString(error));
        }
    }
    // The history, the default table and the temporary file of a table read
    // are plain relative names of the session: they follow the folder.
    if (!QDir::setCurrent(QString::fromStdString(folder))) {
        modal::Notice(nullptr, QStringLiteral("Cannot use the data folder %1.")
                                   .arg(QString::fromStdString(folder)));
        return false;
    }
    return true;
}

std::string CVelmoraApp::StartFileName(const QString& argument) {
    return QFile::encodeName(QFileInfo(argument).absoluteFilePath()).toStdString();
}

void CVelmoraApp::OnHelpContents(QWidget* parent) {
    CAboutDlg about(parent);
    modal::Run(about);
}

}  // namespace velmora
