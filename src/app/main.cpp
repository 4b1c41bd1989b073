#include <QApplication>

#include "app/applicationstartup.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return RunApplication(app);
}
