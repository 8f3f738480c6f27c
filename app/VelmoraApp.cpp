#include "app/VelmoraApp.h"

#include <QCommandLineParser>
#include <QFile>

#include "app/AboutDlg.h"
#include "app/Images.h"
#include "app/MainFrame.h"
#include "app/Modal.h"
#include "app/VelmoraDoc.h"

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
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A document to open; the tables still come from "
                                                "the last database in the history."));
    if (!parser.parse(arguments())) {
        qWarning("%s", qPrintable(parser.errorText()));
        return false;
    }
    if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version"))) parser.showVersion();

    // A document named on the command line must open, although it is not read.
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty()) {
        QFile file(files.front());
        if (!file.open(QIODevice::ReadOnly)) {
            modal::Notice(nullptr, QStringLiteral("Cannot open %1.").arg(files.front()));
            return false;
        }
    }

    doc_ = std::make_unique<CVelmoraDoc>();
    frame_ = std::make_unique<CMainFrame>(*doc_);
    frame_->show();
    return true;
}

void CVelmoraApp::OnHelpContents(QWidget* parent) {
    CAboutDlg about(parent);
    modal::Run(about);
}

}  // namespace velmora
