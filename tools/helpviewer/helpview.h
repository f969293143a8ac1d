#pragma once
// The help viewer's window: the pages of the help folder in a contents list and
// the chosen page beside it. The program names a page as
// "<program folder>Help.chm::/<page>"; the help file stands for the folder of the
// same name without its extension (".../Help.chm" is the folder ".../Help"), and
// every .htm or .html file dropped into that folder is a page.
#include <QString>
#include <QStringList>
#include <QWidget>

class QListWidget;
class QTextBrowser;
class QUrl;
class QToolButton;

namespace vy::helpviewer {

struct HelpLocation {
    QString folder; // the help folder, absolute, no trailing separator
    QString page;   // a file of that folder; empty for the first page
    bool operator==(const HelpLocation&) const = default;
};

// The folder and page an argument names. Without "::/" the argument is the help
// file alone; an empty argument means "Help.chm" in the program folder.
// Quotation marks around the argument are dropped.
HelpLocation locateHelp(const QString& argument, const QString& programFolder);

class HelpView : public QWidget {
    Q_OBJECT
public:
    explicit HelpView(const HelpLocation& location, QWidget* parent = nullptr);

    // Shows the page (a file name of the help folder); false, with a notice in
    // place of the page, when the folder has no such page.
    bool openPage(const QString& page);
    // The file names of the pages, in the order of the contents list.
    QStringList pages() const { return pages_; }
    // The file name of the page shown; empty while a notice is shown.
    QString currentPage() const;
    QTextBrowser* browser() const { return browser_; }

private:
    void fillContents();
    void showNotice(const QString& title, const QString& text);
    void pageChanged(const QUrl& url);

    QString folder_;
    QStringList pages_;
    bool notice_ = false; // a notice stands in place of a page
    QListWidget* contents_;
    QTextBrowser* browser_;
    QToolButton* back_;
    QToolButton* forward_;
};

} // namespace vy::helpviewer
