#include "app/VelmoraApp.h"

int main(int argc, char** argv) {
    velmora::CVelmoraApp app(argc, argv);
    if (!app.InitInstance()) return 1;
    return app.exec();
}
