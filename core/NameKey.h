#pragma once

#include <QString>
#include <QStringView>

// Names of events and works are one name when they differ only in letter case and in blanks
// at either end. A NameKey holds a name and hashes and compares it that way, as the folded
// copy name.trimmed().toCaseFolded() would, but without making that copy for the names most
// people type (plain ASCII), and with its hash worked out once: a set of tens of thousands of
// names then costs no allocation and no text comparison per name.
class NameKey
{
public:
    NameKey() = default;
    explicit NameKey(QString name)
        : m_name(std::move(name))
        , m_hash(hash(m_name))
    {
    }

    const QString& name() const { return m_name; }

    static bool same(QStringView a, QStringView b);
    static size_t hash(QStringView name, size_t seed = 0);

    friend bool operator==(const NameKey& a, const NameKey& b)
    {
        return a.m_hash == b.m_hash && same(a.m_name, b.m_name);
    }
    friend size_t qHash(const NameKey& key, size_t seed = 0) { return key.m_hash ^ seed; }

private:
    QString m_name;
    size_t m_hash = hash({});
};
