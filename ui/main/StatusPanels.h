#pragma once

#include <QLabel>
#include <QWidget>
#include <array>

// One status panel: a sunken frame whose text is cut with "…" when the panel is narrower
// than the text, so a narrow window shows every panel apart and none painted over another.
class StatusPanel : public QLabel
{
public:
    using QLabel::QLabel;
    // The width that shows the whole text.
    int contentWidth() const;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The four panels of the main window's status bar, laid out side by side.
class StatusPanels : public QWidget
{
public:
    // Widths at the design size, in pixels.
    StatusPanels(const std::array<int, 4>& designWidths, QWidget* parent = nullptr);

    StatusPanel& panel(int index) const { return *m_panels[size_t(index)]; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    static constexpr int gap = 2;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void layOut();

    std::array<int, 4> m_designWidths;
    std::array<StatusPanel*, 4> m_panels {};
};

// How the panels share a width (gaps already taken off). Up to the design widths the panels
// keep them and panel 1 takes the rest. Below, panels 2 to 4 give up their room first, down
// to what their texts need, then panel 1 down to its own need; what is still too wide is
// shared in proportion to those needs, and the texts are cut.
std::array<int, 4> statusPanelWidths(
    int available, const std::array<int, 4>& design, const std::array<int, 4>& needed);
