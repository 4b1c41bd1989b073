#pragma once

#include <memory>

class QCoreApplication;

// The application object a command needs (the SQL driver loads through it, and
// the program's folder, where the conversion library and the templates lie, is
// the folder of the running executable once it exists): a QCoreApplication when
// none exists yet, null when the caller (a test) has one. Keep it alive while
// the command runs.
std::unique_ptr<QCoreApplication> EnsureCoreApplication();
