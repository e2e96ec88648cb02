#pragma once

#include <QWidget>

class QGridLayout;
class Vantric;

// Shows the button in every look, each staged by giving a real control the input or the
// settings that produce it, so that a person can look the faces over.
class GalleryWindow : public QWidget
{
    Q_OBJECT

public:
    explicit GalleryWindow(QWidget* parent = nullptr);

private:
    Vantric* addSpecimen(
        QGridLayout* grid, int row, int column, const QString& title, const QString& caption);
    void press(Vantric* button);
    void hover(Vantric* button);
    void focus(Vantric* button);
};
