// Feeds arbitrary bytes to the objects-file reader, decoded as opening a file
// decodes them: reading must end without a crash, and what was read must come
// back unchanged through the writer and the file's encoding.
#include "designer/objects_file.h"
#include "editor/text_file.h"

#include <cstdint>
#include <cstdlib>

namespace {

// The writer always stores the window and its components as visible and
// enabled.
DesignWindowData asWritten(DesignWindowData window)
{
    for (DesignedComponent &c : window.components) {
        c.visible = true;
        c.enabled = true;
    }
    return window;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = TextFile::decodeObjects(
        QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    NamingCounters counters;
    const ObjectsReadResult read = ReadObjects(objectsLines(text), counters);

    const QString written = WriteObjects(read.window);
    NamingCounters again;
    const QString stored = TextFile::decodeObjects(TextFile::encodeObjects(written));
    const ObjectsReadResult reread = ReadObjects(objectsLines(stored), again);
    if (!reread.windowFound || reread.brokenBlocks != 0)
        std::abort();
    DesignWindowData expected = asWritten(read.window);
    expected.visible = true;
    expected.enabled = true;
    if (!(reread.window == expected))
        std::abort();
    if (WriteObjects(reread.window) != written)
        std::abort();
    return 0;
}
