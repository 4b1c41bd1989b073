// Feeds arbitrary bytes to the update-file reader, as a server could send them.
#include "store/tableupdateparser.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QStringList lines = SplitUpdateLines(DecodeUpdateFile(bytes));
    // Also as an update file, so that the block reader is reached.
    lines.prepend(TableUpdateMarker);
    const TTableUpdateScript script = ParseTableUpdate(lines);
    int number = 0;
    for (const TTableUpdateBlock &block : script.blocks) {
        if (block.number != ++number)
            __builtin_trap();
    }
    return 0;
}
