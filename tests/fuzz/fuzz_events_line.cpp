// One line of the events file, as the load decodes and reads it.
#include "FuzzCheck.h"
#include "components/TextDecoding.h"
#include "stores/EventLine.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString line = decodeLine(bytes);
    const auto event = EventLine::parse(line);
    if (!event)
        return 0;
    // The name is the text before the first tab; the line rebuilt in the stored form reads back
    // as the same event.
    KRN_FUZZ_CHECK(!event->name.contains(u'\t'));
    KRN_FUZZ_CHECK(line.startsWith(event->name));
    const auto again = EventLine::parse(event->name + u'\t' + event->moment.toText());
    KRN_FUZZ_CHECK(again && again->name == event->name && again->moment == event->moment);
    return 0;
}
