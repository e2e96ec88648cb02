// One line of the works file, read as a work record and written back.
#include "FuzzCheck.h"
#include "components/TextDecoding.h"
#include "core/WorkRecord.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const WorkRecord work = WorkRecord::fromLine(decodeLine(bytes));
    // A record written and read again is the same record: what a rewrite stores, the next
    // load finds. (Fields past the seventh are not part of a record.)
    const QString line = work.line();
    KRN_FUZZ_CHECK(line.count(u'\t') == 6);
    KRN_FUZZ_CHECK(WorkRecord::fromLine(line) == work);
    return 0;
}
