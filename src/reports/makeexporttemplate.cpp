// Build tool: writes the export template "Empty_Vlm.mdb" as an Access 2000 file
// from the SQLite database the build makes of data/export/*.sql, with the same
// code the export uses for the regulator's file.
//
//   make_export_template STAGING.sqlite Empty_Vlm.mdb
#include "reports/exportstaging.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "Usage: make_export_template STAGING.sqlite TEMPLATE.mdb\n");
        return 2;
    }
    const TOpStatus written = WriteStagingAsAccess(args[1], args[2]);
    if (!written.ok()) {
        std::fprintf(stderr, "make_export_template: %s\n", qPrintable(written.error));
        return 1;
    }
    return 0;
}
