#pragma once

#include "MemoryPropertyBag.h"

#include <QList>
#include <QRect>
#include <QString>

class QIODevice;

// A window's form data: one INI-style section per control, named by the control's objectName
// (for example "sbt(0)"), in creation order:
//
//   ; comment
//   [sbt(0)]
//   Class=Orvane.Vantric        ProgID; Orvane.Vantric when missing
//   Left=120                    position and size in twips
//   Top=2760
//   Width=1215
//   Height=375
//   Default=True                the window's default button (Cancel=True: its cancel button)
//   Caption=&Save && Close      every other key is a stored property of the control
//   Enabled=True
//
// Section and key names match ignoring case; the first of duplicate sections or keys wins.
// Values are taken as written, without quotes, blanks around them trimmed.
struct FormControl
{
    QString name;
    QString progId;
    QRect twips;
    bool isDefault = false;
    bool isCancel = false;
    Orvane::MemoryPropertyBag properties;
};

struct FormData
{
    QList<FormControl> controls;

    static FormData parse(QIODevice& device);
};
