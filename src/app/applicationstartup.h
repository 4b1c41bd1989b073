#pragma once

class QApplication;

// The program's life from process start to exit, in this order: the
// coordinate-conversion library, the single-instance guard, the splash, the
// data module, the main window, the event loop. Returns the exit code.
int RunApplication(QApplication &app);
