#pragma once

#include <array>

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QTimeEdit;
class QWidget;
class UpDown;

// The controls of the calculator window, each named as the interface texts address it.
// Captions and tooltips come from tips.dll when the window loads.
struct CalcControls
{
    QGroupBox* fra = nullptr; // the outer frame the window hugs
    std::array<QDateEdit*, 2> dtpDate {}; // 0 Begin, 1 End
    std::array<QTimeEdit*, 2> dtpTime {};
    std::array<QLineEdit*, 7> unitBoxes {}; // txtY, txtM, txtW, txtD, txtH, txtI, txtS
    QLineEdit* txtE = nullptr;
    std::array<QLineEdit*, 7> weekdayBoxes {}; // txtSun ... txtSat
    QDateEdit* dtpBasedDate = nullptr;
    QTimeEdit* dtpBasedTime = nullptr;
    QRadioButton* optAdd = nullptr;
    QRadioButton* optSubtract = nullptr;
    QLineEdit* txtQty = nullptr;
    UpDown* UpDown1 = nullptr;
    QComboBox* cbb = nullptr;
    QDateEdit* dtpResultDate = nullptr;
    QTimeEdit* dtpResultTime = nullptr;

    // Every result box: the unit boxes, txtE and the weekday boxes.
    std::array<QLineEdit*, 15> resultBoxes() const;
};

// Creates the controls inside window, laid out in their frames, in tab order.
CalcControls createCalcControls(QWidget* window);
