#include "cli/cliapplication.h"

#include <QCoreApplication>

std::unique_ptr<QCoreApplication> EnsureCoreApplication()
{
    if (QCoreApplication::instance())
        return nullptr;
    static int argc = 1;
    static char name[] = "vlmcli";
    static char *argv[] = {name, nullptr};
    return std::make_unique<QCoreApplication>(argc, argv);
}
