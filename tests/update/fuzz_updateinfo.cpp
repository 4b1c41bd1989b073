// The information file comes from the network: any bytes must give either a
// parsed file with an http(s) download address or an error text, never a crash.

#include "update/updateinfo.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QUrl infoUrl(QStringLiteral("https://maker.example/vlmupdates/Vlm.inf"));
    const QByteArray content(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const UpdateInfoParse parsed = ParseUpdateInfo(content, infoUrl);
    if (parsed.ok) {
        const QString scheme = parsed.info.download.scheme();
        if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
            std::abort();
    } else if (parsed.error.isEmpty()) {
        std::abort();
    }
    return 0;
}
