#include "WindowSet.h"

int main(int argc, char **argv) {
    kvr::KvrApplication application(argc, argv);
    kvr::WindowSet windows;
    windows.Start();
    return application.exec();
}
