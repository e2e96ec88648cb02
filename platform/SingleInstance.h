#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;
class QLockFile;

// One running Kronvel per data folder. The lock lives in the temporary folder, so a second
// start that gives up leaves the data folder untouched. The owner can also listen, on a local
// socket named after the folder, for later starts that ask it to show its window.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(const QString& dataFolder);
    ~SingleInstance() override;
    // True when this process now owns the folder; false when another instance does.
    bool acquire();
    // While this process owns the folder, emits activationRequested whenever a later start on
    // the same folder asks for the window. False when the socket cannot be opened.
    bool listenForActivation();
    // From a start that did not get the folder: asks its owner to show the window. False when
    // no owner listens.
    static bool askOwnerToActivate(const QString& dataFolder);

Q_SIGNALS:
    void activationRequested();

private:
    void readRequest();

    QString m_name;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};
