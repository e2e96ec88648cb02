#pragma once

#include <QString>
#include <memory>
#include <optional>

class SingleInstance;

// A data folder taken up by a command that runs without a window, as a start of the window
// would: resolved, claimed when no window holds it, and then swept and given the shipped
// texts it lacks. A folder held by a running window is only read.
struct HeadlessStart
{
    QString folder;
    std::unique_ptr<SingleInstance> instance;
    bool owner = false;

    HeadlessStart();
    HeadlessStart(HeadlessStart&&) noexcept;
    ~HeadlessStart();
};

// No value, after a message on stderr, when the data folder is not a folder.
std::optional<HeadlessStart> startWithoutWindow(const QString& folderOption, const QString& shippedFiles);
