#pragma once

#include <QDialog>

class Program;
class QFrame;
class QLabel;
class Vantric;

// The about box: the program's name and version, the publisher's notice, the two logos and
// three buttons: Close, Feedback (the support mail address) and Home Page. Modeless; the
// main window keeps one instance and opens it again.
class frmPubAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmPubAbout(Program& program, QWidget* parent = nullptr);
    ~frmPubAbout() override;

    // Loads and shows the box modeless, or brings the open box to the front. Unlike
    // QDialog::open() it never blocks another window.
    void open() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createControls();
    void Form_Load();
    void Form_Resize();
    void imgProdLogo_Click();
    void imgCompLogo_Click();
    void sbtClose_Click();
    void sbtMailer_Click();
    void sbtWeb_Click();

    Program& m_program;
    QFrame* fra = nullptr;
    QLabel* imgProdLogo = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QFrame* Line1 = nullptr;
    QLabel* imgCompLogo = nullptr;
    Vantric* sbtClose = nullptr;
    Vantric* sbtMailer = nullptr;
    Vantric* sbtWeb = nullptr;
};
