#include "WindowSet.h"

int main(int argc, char **argv) {
    kvr::KvrApplication application(argc, argv);
    kvr::WindowSet windows;
    windows.Start();
    // `kvr FILE`, as the desktop entry starts it for an experiment file.
    if (const QStringList arguments = application.arguments(); arguments.size() > 1)
        windows.OpenExperimentLater(arguments.at(1));
    return application.exec();
}
