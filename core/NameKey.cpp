#include "core/NameKey.h"

#include <QVarLengthArray>
#include <algorithm>

namespace {

bool isAscii(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// What case folding makes of an ASCII character.
char16_t foldedAscii(QChar c)
{
    const char16_t code = c.unicode();
    return code >= u'A' && code <= u'Z' ? char16_t(code + (u'a' - u'A')) : code;
}

} // namespace

bool NameKey::same(QStringView a, QStringView b)
{
    a = a.trimmed();
    b = b.trimmed();
    if (isAscii(a) && isAscii(b)) {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](QChar x, QChar y) {
            return foldedAscii(x) == foldedAscii(y);
        });
    }
    // Folding may turn a character outside ASCII into one inside it (the Kelvin sign into k).
    return a.toString().toCaseFolded() == b.toString().toCaseFolded();
}

size_t NameKey::hash(QStringView name, size_t seed)
{
    name = name.trimmed();
    if (!isAscii(name))
        return qHash(name.toString().toCaseFolded(), seed);
    // The hash of the folded text itself, so that both ways give one hash for one key.
    QVarLengthArray<char16_t, 128> folded(name.size());
    std::transform(name.begin(), name.end(), folded.begin(), foldedAscii);
    return qHash(QStringView(folded.data(), folded.size()), seed);
}
