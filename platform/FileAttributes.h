#pragma once

#include <QString>

// The Windows attribute bits the data files carry. Hidden and system are kept in the
// extended attribute "user.DOSATTRIB" (as Samba and Wine do); read-only is the absence
// of write permission.
namespace FileAttribute {
enum : int {
    Normal = 0,
    ReadOnly = 0x1,
    Hidden = 0x2,
    System = 0x4,
    Archive = 0x20,
};
}

// Sets exactly the given attributes: Normal clears hidden, system and read-only.
// Where the file system has no extended attributes, hidden and system are dropped quietly.
bool setFileAttributes(const QString& path, int attributes, QString* error = nullptr);

// The attributes of an existing file, or -1 when it cannot be read.
int fileAttributes(const QString& path);
