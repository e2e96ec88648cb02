#pragma once

#include <QString>
#include <memory>

class QLockFile;

// One running Kronvel per data folder. The lock lives in the temporary folder, so a second
// start that gives up leaves the data folder untouched.
class SingleInstance
{
public:
    explicit SingleInstance(const QString& dataFolder);
    ~SingleInstance();
    // True when this process now owns the folder; false when another instance does.
    bool acquire();

private:
    std::unique_ptr<QLockFile> m_lock;
};
