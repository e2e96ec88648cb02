#pragma once

#include "LinkOpener.h"

#include <QStringList>

// Records how the button asked for its link to be opened.
struct RecordingLinkOpener : Orvane::LinkOpener
{
    QStringList shellCalls;
    QStringList navigations;
    QWidget* lastOwner = nullptr;

    void shellExecute(QWidget* owner, const QString& verb, const QString& file, const QString& parameters,
        const QString& directory, int showCommand) override
    {
        lastOwner = owner;
        shellCalls << verb + QLatin1Char('|') + file + QLatin1Char('|') + parameters + QLatin1Char('|')
                + directory + QLatin1Char('|') + QString::number(showCommand);
    }
    void navigateTo(const QString& target, const QString& location, const QString& frameName) override
    {
        navigations << target + QLatin1Char('|') + location + QLatin1Char('|') + frameName;
    }
};
