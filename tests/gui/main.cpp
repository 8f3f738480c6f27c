// GUI tests run offscreen in one QApplication; a modal window that a test
// forgot to answer is rejected instead of waiting for a user.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include "gui/Modal.h"

namespace {

QtMessageHandler g_defaultHandler = nullptr;

// The offscreen platform says this for every fixed-size window.
void DropPlatformNoise(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.contains(QLatin1String("does not support propagateSizeHints"))) return;
    g_defaultHandler(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
    // Test discovery runs the program outside CTest's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    g_defaultHandler = qInstallMessageHandler(DropPlatformNoise);
    QApplication app(argc, argv);
    // Recent files, the window's place and the Meter menu's options go to a
    // private folder, never the user's.
    QTemporaryDir settings;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    QCoreApplication::setOrganizationName(QStringLiteral("velmora-tests"));
    QCoreApplication::setApplicationName(QStringLiteral("velmora-tests"));
    velmora::modal::SetNonInteractive(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
