#pragma once

#include <QObject>
#include <QString>
#include <optional>

class Program;
class QWidget;
class ReportList;
class WorkListModel;
class WorksFile;

// The commands of the work-time window: its nine buttons (and their menu entries), the copy
// entries, the load of the works and the rewrite of running works when the window closes.
// Every change goes to the works file first; a write that fails is reported and leaves the
// list as the file is.
class WorkCommands : public QObject
{
    Q_OBJECT

public:
    enum Index { New, Rename, Delete, Clear, Find, Restart, Pause, Stop, Close };

    WorkCommands(Program& program, WorkListModel& model, ReportList& list, QWidget& owner);

    // Fills the list from the works file, whose path is kept from here on; works that are not
    // started show their stored used seconds.
    void loadWorks();
    // Runs the command of button index; New and Close need no work. caption is the button's
    // caption, named in the message that an empty list has nothing to act on. Nothing happens
    // for an index above 8.
    void run(int index, const QString& caption);
    // The text a copy entry puts on the clipboard: the cell of the selected work in column.
    // No value with an empty list (nothing happens); an empty text when no work is selected.
    std::optional<QString> copyValue(int column) const;
    // Writes the record of every started work, so its latest used seconds reach the file.
    void rewriteRunningWorks();

Q_SIGNALS:
    // A status changed: the rows want their colours again.
    void statusesChanged();
    void closeRequested();

private:
    void newWork();
    void renameWork();
    void deleteWorks();
    void clearWorks();
    void findWorks();
    // Restart, pause or stop every selected work in the state the command needs.
    void changeStatus(int index);
    void selectOnly(int row);
    // The cleaned name typed, or none when the command ends. row is the work being renamed
    // (-1 for a new one): an answer equal to its name ends the command, and its own name in
    // other letters or without the blanks around it is not taken.
    std::optional<QString> askName(const QString& prompt, const QString& defaultText, int row);
    bool confirmed(const char* key);
    WorksFile file() const;
    void reportFailure(const QString& error);

    Program& m_program;
    WorkListModel& m_model;
    ReportList& m_list;
    QWidget& m_owner;
    QString m_path;
};
