// The application object: settings key, command line, the document, frame
// and view of the one window, and the About box.
#pragma once

#include <QApplication>
#include <memory>
#include <optional>
#include <string>

namespace velmora {

class MainFrame;
class VelmoraDoc;

class VelmoraApp : public QApplication {
    Q_OBJECT
public:
    VelmoraApp(int& argc, char** argv);
    ~VelmoraApp() override;

    // Answers --help, --help-all, --version and a wrong command line before
    // any window exists, so they work without a display; nullopt when the
    // window is to start.
    static std::optional<int> AnswerWithoutWindow(int argc, char** argv);

    // Handles the command line, creates the window and shows it; false when
    // the program should end at once.
    bool Start();

    MainFrame* Frame() const { return frame_.get(); }

    // Help Contents: the guide, modal.
    static void OnHelpContents(QWidget* parent);
    // About Orvane: the About box, modal.
    static void OnAbout(QWidget* parent);

    // The table named on the command line as the session opens it: absolute,
    // since --user-data changes the working folder before the start-up.
    static std::string StartFileName(const QString& argument);

    // The first start under the settings' present names takes over the values
    // kept under oldOrganisation (recent files, window place, meter options),
    // once; values already set stay.
    static void TakeOverSettings(const QString& oldOrganisation);

private:
    // --user-data: creates the folder on the first start (offering the
    // sample table) and makes it the working folder; false when it cannot.
    bool EnterUserDataFolder();

    std::unique_ptr<VelmoraDoc> doc_;
    std::unique_ptr<MainFrame> frame_;
};

}  // namespace velmora
