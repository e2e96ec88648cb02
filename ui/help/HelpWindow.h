#pragma once

#include <QUrl>
#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTextBrowser;

// The top-level window "KRN Help": a contents list beside a page browser, with Back, Forward,
// Home and a find field. Pages come from the help folder of the data folder, or from the copy
// built into the program. Links to the web or to mail never open inside the window: they go to
// openExternal, which hands them to the desktop.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    using LinkOpener = std::function<void(const QString&)>;
    // The text of a key of the window's own texts (the program's tips.dll); empty for none.
    using TextLookup = std::function<QString(const QString& key)>;

    HelpWindow(const QString& startPage, LinkOpener openExternal, QWidget* parent = nullptr);

    // The page shown now; empty while the "help is missing" text is shown.
    QUrl currentPage() const;
    // Shows a help page (relative links resolve against the current page) or hands an external
    // link to the opener.
    void openLink(const QUrl& url);
    // Selects the next match of text in the page, wrapping round; false when there is none.
    bool findText(const QString& text, bool backward = false);
    // Words the buttons, the find field and the contents list in the language of the texts:
    // keys Back, BackTip, Forward, ForwardTip, Home, HomeTip, Find, NotFound and each page's file
    // name. A key without a text keeps the built-in English one. The title stays "KRN Help".
    void applyTexts(const TextLookup& text);

private:
    void buildLayout();
    void buildShortcuts();
    void showStart(const QString& startPage);
    void followContents(int row);
    void syncWithPage(const QUrl& shown);

    LinkOpener m_openExternal;
    QUrl m_home;
    QTextBrowser* m_browser = nullptr;
    QListWidget* m_contents = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_forward = nullptr;
    QPushButton* m_homeButton = nullptr;
    QLineEdit* m_find = nullptr;
    QLabel* m_findStatus = nullptr;
    QString m_notFound = QStringLiteral("Not found");
};
