#include <QApplication>
#include <QLabel>

#include "shell/version.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Velmor ") + GetFileVersionText());
    label.show();
    return app.exec();
}
