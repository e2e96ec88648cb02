#pragma once

#include "stores/Settings.h"

#include <QDialog>
#include <array>
#include <functional>

class Program;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QStandardItemModel;
class ReportList;
class Vantric;
struct OptionsValues;

// The options dialog: decimals of each unit, the refresh interval, the workdays, and the
// font and colours of the lists with a live preview. Save writes the values, Restore the
// defaults; both reread the settings record and hand over to the main window at once.
class frmPubOptions : public QDialog
{
    Q_OBJECT

public:
    // applyToMainWindow runs after Save or Restore, once the settings record holds the new
    // values: the main window reloads its events, restyles its list and sets its refresh
    // interval from the record.
    frmPubOptions(Program& program, std::function<void()> applyToMainWindow, QWidget* parent = nullptr);
    ~frmPubOptions() override;

    // The load: the dialog shows the settings record. Not shown.
    void setUp();
    // setUp(), then shown modal until closed. What Save or Restore wrote has been applied by
    // then; the result is that of QDialog::exec().
    int openModal();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createControls();
    void createButtons();
    void Form_Load();
    void Form_Resize();
    void cbb_Click(int index);
    void sbt_Click(int index);
    void txt_GotFocus(int index);
    void save();
    void restore();
    void chooseSwatchColour(int index);
    void applyAndHandOver();
    void fillFontList();
    void fillPreview();
    void stylePreviewColours();
    void placeRefreshBox();
    void showValues(const OptionsValues& values);
    OptionsValues shownValues() const;

    Program& m_program;
    std::function<void()> m_applyToMainWindow;
    // The settings as the dialog showed them when it opened: a save writes what differs.
    Settings m_opened;

    std::array<QGroupBox*, 3> fra {};
    std::array<QLabel*, 16> lbl {};
    std::array<QLineEdit*, 13> txt {};
    std::array<QCheckBox*, 7> cbx {};
    std::array<QComboBox*, 2> cbb {};
    std::array<Vantric*, 8> sbt {};
    ReportList* lsv = nullptr;
    QStandardItemModel* m_preview = nullptr;
};
