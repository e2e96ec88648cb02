#pragma once

#include <QSet>
#include <QString>
#include <functional>

class ReportList;

// What the user was doing in a report list, kept across a reload of its rows from the file:
// the selected rows and the current row, found again by name (ignoring case and surrounding
// blanks, as names are unique), and the scroll position. The sort stays with the model.
class KeptView
{
public:
    using NameOf = std::function<QString(int row)>;

    // Takes the state of the list now.
    KeptView(ReportList& list, NameOf nameOf);
    // Gives the reloaded list the state taken; names that went are left out.
    void restore() const;

private:
    static QString key(const QString& name);

    ReportList& m_list;
    NameOf m_nameOf;
    QSet<QString> m_selected;
    QString m_current;
    int m_vertical = 0;
    int m_horizontal = 0;
};
