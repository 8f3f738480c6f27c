#include "gui/VelmoraApp.h"

int main(int argc, char** argv) {
    if (auto status = velmora::VelmoraApp::AnswerWithoutWindow(argc, argv)) return *status;
    velmora::VelmoraApp app(argc, argv);
    if (!app.Start()) return 1;
    return app.exec();
}
