#pragma once

#include <QString>

// The program's version text as compiled in from the build ("1.0.0.1"),
// or "No ver. info" when the build carries none.
QString GetFileVersionText();
