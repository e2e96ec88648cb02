// Bytes of a text file: split into lines and each line decoded as UTF-8 or Windows-1252.
#include "FuzzCheck.h"
#include "components/RawLines.h"
#include "components/TextDecoding.h"

#include <QByteArray>
#include <QStringDecoder>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const RawLines raw = RawLines::split(bytes);
    qsizetype lineBytes = 0;
    for (const QByteArray& line : raw.lines) {
        KRN_FUZZ_CHECK(!line.contains('\n'));
        lineBytes += line.size();
        const QString text = decodeLine(line);
        // Every byte becomes at least part of a character: nothing of a line is dropped.
        KRN_FUZZ_CHECK(text.size() <= line.size() && (line.isEmpty() || !text.isEmpty()));
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString asUtf8 = utf8.decode(line);
        if (!utf8.hasError())
            KRN_FUZZ_CHECK(text == asUtf8);
        else
            KRN_FUZZ_CHECK(text.size() == line.size());
    }
    KRN_FUZZ_CHECK(lineBytes <= bytes.size());
    return 0;
}
