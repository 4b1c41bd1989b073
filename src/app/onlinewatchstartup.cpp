#include "app/onlinewatchstartup.h"

#include "store/online/onlinewatchhandler.h"
#include "update/updateserver.h"

#include <QApplication>
#include <QCursor>

std::unique_ptr<TOnlineWatchHandler> StartOnlineWatch(TdtmMain &dm)
{
    auto handler = std::make_unique<TOnlineWatchHandler>(dm, UpdateServerUrl());
    handler->setBusyCursorHook([](bool busy) {
        if (busy)
            QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        else
            QApplication::restoreOverrideCursor();
    });
    handler->Start();
    return handler;
}
