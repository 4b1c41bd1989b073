#include "base/version.h"

QString GetFileVersionText()
{
#ifdef VLM_VERSION_TEXT
    const QString text = QStringLiteral(VLM_VERSION_TEXT);
    if (!text.isEmpty())
        return text;
#endif
    return QStringLiteral("No ver. info");
}
