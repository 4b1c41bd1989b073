#pragma once

#include <memory>

class TdtmMain;
class TOnlineWatchHandler;

// Creates the online watch of the running program on the maker's server in
// force, with the busy cursor shown during its checks, and activates it.
std::unique_ptr<TOnlineWatchHandler> StartOnlineWatch(TdtmMain &dm);
