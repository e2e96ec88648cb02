// Bytes of a text file: split into lines in the file's own encoding and put together again.
#include "FuzzCheck.h"
#include "components/RawLines.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const RawLines raw = RawLines::split(bytes);
    // Lines no write touches are written back byte for byte, so a file read and written
    // unchanged is the same file.
    KRN_FUZZ_CHECK(raw.join() == bytes);
    const bool eightBit
        = raw.encoding == RawLines::Encoding::Utf8 || raw.encoding == RawLines::Encoding::Windows1252;
    const QStringList texts = raw.texts();
    KRN_FUZZ_CHECK(texts.size() == raw.lines.size());
    for (qsizetype i = 0; i < raw.lines.size(); ++i) {
        const RawLines::Line& line = raw.lines[i];
        if (eightBit)
            KRN_FUZZ_CHECK(!line.bytes.contains('\n') && !line.bytes.contains('\r'));
        // Every byte becomes at least part of a character: nothing of a line is dropped.
        KRN_FUZZ_CHECK(line.bytes.isEmpty() == texts[i].isEmpty() || !eightBit);
        // Only the last line may lack its break.
        KRN_FUZZ_CHECK(!line.end.isEmpty() || i == raw.lines.size() - 1);
    }
    return 0;
}
