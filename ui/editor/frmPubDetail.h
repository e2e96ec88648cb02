#pragma once

#include <QDialog>
#include <array>
#include <functional>

class EventListModel;
class Moment;
class Program;
class QDateEdit;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTimeEdit;
class ReportList;
class Vantric;

// The event editor: adds a new event or changes one row of the events list, writing it
// through to the events file. In new mode (captioned with tips.dll's "NewCaption", "New Event"
// as shipped) it adds an event; otherwise it changes the row it was opened for. The mode is
// kept apart from the caption, so a translated caption cannot change what saving does.
class frmPubDetail : public QDialog
{
    Q_OBJECT

public:
    // writeCountText writes the main window's "Events: N" after each save.
    frmPubDetail(Program& program, EventListModel& model, ReportList& list,
        std::function<void()> writeCountText, QWidget* parent = nullptr);
    ~frmPubDetail() override;

    // Back to the load state, in new mode; not shown.
    void setUpNew();
    // Back to the load state, then captioned and filled for the row; false (and nothing done)
    // when there is no such row. The caller has made the row the only selected one.
    bool setUpModify(int row);
    // The above, then shown modal. Accepted when the dialog closed by "Save && Close".
    int openNew();
    int openModify(int row);

    bool isNewMode() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createControls();
    void Form_Load();
    void sbt_Click(int index);
    bool validate();
    bool takenInFile(const QString& name) const;
    bool save();
    void setPickers(const Moment& moment);
    Moment enteredMoment() const;
    int editedRow() const;
    void fitToCloseButton();
    void setNewMode();

    Program& m_program;
    EventListModel& m_model;
    ReportList& m_list;
    std::function<void()> m_writeCountText;
    bool m_newMode = false;
    // The event being changed in modify mode, by name: a reload of changes made outside
    // Kronvel can move or remove rows while the dialog is open.
    QString m_editedName;

    QLabel* lblEvent = nullptr;
    QLineEdit* txtEvent = nullptr;
    QLabel* lblType = nullptr;
    QRadioButton* optPas = nullptr;
    QRadioButton* optFut = nullptr;
    QLabel* lblDate = nullptr;
    QDateEdit* dtpDate = nullptr;
    QTimeEdit* dtpTime = nullptr;
    std::array<Vantric*, 3> sbt {};
};
