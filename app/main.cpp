#include "app/VelmoraApp.h"

int main(int argc, char** argv) {
    if (auto status = velmora::CVelmoraApp::AnswerWithoutWindow(argc, argv)) return *status;
    velmora::CVelmoraApp app(argc, argv);
    if (!app.InitInstance()) return 1;
    return app.exec();
}
