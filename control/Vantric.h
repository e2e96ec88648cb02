#pragma once

#include "FaceRect.h"
#include "OleColor.h"
#include "OrvaneExport.h"
#include "OrvaneTypes.h"
#include "Picture.h"

#include <QWidget>

#include <functional>
#include <memory>

namespace Orvane {
class LinkOpener;
class PropertyBag;
struct VantricState;
} // namespace Orvane

// The owner-drawn push button of the Orvane library: a picture beside, above or below a
// word-wrapped caption, flat, raised or etched borders, a hover picture and an optional link.
// Members keep the names the program's windows use; setters emit PropertyChanged.
class ORVANE_EXPORT Vantric : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(QFont Font READ Font WRITE SetFont)
    Q_PROPERTY(WId hwnd READ hwnd)
    Q_PROPERTY(int MousePointer READ MousePointer WRITE SetMousePointer)
    Q_PROPERTY(Orvane::Picture MouseIcon READ MouseIcon WRITE SetMouseIcon)
    Q_PROPERTY(bool ShowBorderOnFocus READ ShowBorderOnFocus WRITE SetShowBorderOnFocus)
    Q_PROPERTY(bool ShowFocusRect READ ShowFocusRect WRITE SetShowFocusRect)
    Q_PROPERTY(bool Raised READ Raised WRITE SetRaised)
    Q_PROPERTY(bool BorderEdged READ BorderEdged WRITE SetBorderEdged)
    Q_PROPERTY(QString URL READ URL WRITE SetURL)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(Orvane::GB_PIC_POSITION PicturePosition READ PicturePosition WRITE SetPicturePosition)
    Q_PROPERTY(Orvane::Picture Picture READ Picture WRITE SetPicture)
    Q_PROPERTY(qint32 PictureWidth READ PictureWidth WRITE SetPictureWidth)
    Q_PROPERTY(qint32 PictureHeight READ PictureHeight WRITE SetPictureHeight)
    Q_PROPERTY(Orvane::GB_PIC_SIZE PictureSize READ PictureSize WRITE SetPictureSize)
    Q_PROPERTY(Orvane::Picture PictureHover READ PictureHover WRITE SetPictureHover)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE SetForeColor)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE SetBackColor)
    // Set by the holding window: its default and cancel buttons, and its design mode.
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)
    Q_PROPERTY(bool DesignMode READ DesignMode WRITE SetDesignMode)

public:
    explicit Vantric(QWidget* parent = nullptr);
    ~Vantric() override;

    Q_INVOKABLE void Refresh();
    Q_INVOKABLE void GoToURL();

    bool Enabled() const;
    void SetEnabled(bool value);
    QFont Font() const;
    void SetFont(const QFont& value);
    WId hwnd();
    int MousePointer() const;
    void SetMousePointer(int value);
    Orvane::Picture MouseIcon() const;
    void SetMouseIcon(const Orvane::Picture& value);
    bool ShowBorderOnFocus() const;
    void SetShowBorderOnFocus(bool value);
    bool ShowFocusRect() const;
    void SetShowFocusRect(bool value);
    bool Raised() const;
    void SetRaised(bool value);
    bool BorderEdged() const;
    void SetBorderEdged(bool value);
    QString URL() const;
    void SetURL(const QString& value);
    QString Caption() const;
    void SetCaption(const QString& value);
    Orvane::GB_PIC_POSITION PicturePosition() const;
    void SetPicturePosition(Orvane::GB_PIC_POSITION value);
    Orvane::Picture Picture() const;
    void SetPicture(const Orvane::Picture& value);
    qint32 PictureWidth() const;
    void SetPictureWidth(qint32 value);
    qint32 PictureHeight() const;
    void SetPictureHeight(qint32 value);
    Orvane::GB_PIC_SIZE PictureSize() const;
    void SetPictureSize(Orvane::GB_PIC_SIZE value);
    Orvane::Picture PictureHover() const;
    void SetPictureHover(const Orvane::Picture& value);
    Orvane::OleColor ForeColor() const;
    void SetForeColor(Orvane::OleColor value);
    Orvane::OleColor BackColor() const;
    void SetBackColor(Orvane::OleColor value);
    bool Default() const;
    void SetDefault(bool value);
    bool Cancel() const;
    void SetCancel(bool value);
    bool DesignMode() const;
    void SetDesignMode(bool value);

    // A new instance placed on a form: the defaults, with the caption from objectName.
    void InitNew();
    void ReadProperties(const Orvane::PropertyBag& bag);
    void WriteProperties(Orvane::PropertyBag& bag) const;
    // The holding window reports Enter (default button), Esc (cancel button) and access letters.
    void AccessKeyPress(qint16 keyAscii);
    // Not owned; nullptr returns to the desktop's handlers.
    void SetLinkOpener(Orvane::LinkOpener* opener);
    // Asked by the hover timer whether the pointer is still over the button; empty returns to
    // asking the pointer's position and the window under it.
    void SetHoverProbe(std::function<bool()> pointerIsOver);

    bool isPressed() const;
    bool isHovering() const;
    Orvane::FaceRect captionRect() const;
    Orvane::FaceRect pictureRect() const;
    // The size that shows the caption on one line and the picture whole, at the face font.
    QSize sizeHint() const override;

Q_SIGNALS:
    void Click();
    void KeyDown(qint16 KeyCode, qint16 Shift);
    void KeyPress(qint16 KeyAscii);
    void KeyUp(qint16 KeyCode, qint16 Shift);
    void MouseDown(qint16 Button, qint16 Shift, float X, float Y);
    void MouseMove(qint16 Button, qint16 Shift, float X, float Y);
    void MouseUp(qint16 Button, qint16 Shift, float X, float Y);
    void MouseIn(qint16 Shift);
    void MouseOut(qint16 Shift);
    // Tells the holding window that its stored form data is now out of date.
    void PropertyChanged(const QString& propertyName);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void changed(const char* name);
    void raiseClick();
    void handleMouseDown(qint16 button, qint16 shift, float x, float y);
    void enterHover(qint16 shift);
    void overTimerTick();
    void applyPointer();
    void updateShortcuts();
    void applyPictureSizeRule();
    QFont ambientFont() const;
    QColor ambientBackColor() const;

    std::unique_ptr<Orvane::VantricState> d;
};
