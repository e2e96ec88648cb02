#pragma once

#include <QList>
#include <QString>

// One entry of the help window's contents list: a page file name and the title shown for it.
struct HelpTopic
{
    QString page; // file name relative to the help folder, e.g. "events.html"
    QString title; // text of the contents list entry
};

// The help pages in reading order, the contents page first.
QList<HelpTopic> helpTopics();
