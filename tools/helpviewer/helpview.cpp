#include "tools/helpviewer/helpview.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace vy::helpviewer {

namespace {

const QString kPageMark = QStringLiteral("::/");

QString unquoted(QString text)
{
    text = text.trimmed();
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        text = text.mid(1, text.size() - 2);
    return text;
}

} // namespace

HelpLocation locateHelp(const QString& argument, const QString& programFolder)
{
    const QString text = unquoted(argument);
    QString file = text;
    QString page;
    if (const auto mark = text.indexOf(kPageMark); mark >= 0) {
        file = text.left(mark);
        page = text.mid(mark + kPageMark.size());
    }
    if (file.isEmpty())
        file = QStringLiteral("Help.chm");
    QFileInfo info(file);
    if (info.isRelative())
        info = QFileInfo(QDir(programFolder), file);
    // A folder named directly is the help folder itself.
    const QString folder =
        info.isDir() ? info.absoluteFilePath() : QDir(info.absolutePath()).filePath(info.completeBaseName());
    page.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (page.startsWith(QLatin1Char('/')))
        page.remove(0, 1);
    return {QDir::cleanPath(folder), page};
}

HelpView::HelpView(const HelpLocation& location, QWidget* parent)
    : QWidget(parent), folder_(location.folder), contents_(new QListWidget), browser_(new QTextBrowser),
      back_(new QToolButton), forward_(new QToolButton)
{
    setObjectName(QStringLiteral("HelpView"));
    setWindowTitle(QStringLiteral("Справка"));
    contents_->setObjectName(QStringLiteral("Contents"));
    browser_->setObjectName(QStringLiteral("Page"));
    browser_->setOpenExternalLinks(true);
    back_->setObjectName(QStringLiteral("BackBtn"));
    back_->setText(QStringLiteral("Назад"));
    back_->setEnabled(false);
    forward_->setObjectName(QStringLiteral("ForwardBtn"));
    forward_->setText(QStringLiteral("Вперёд"));
    forward_->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addStretch();
    auto* splitter = new QSplitter;
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({200, 600});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);

    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpView::pageChanged);
    connect(contents_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { openPage(item->data(Qt::UserRole).toString()); });
    connect(contents_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { openPage(item->data(Qt::UserRole).toString()); });

    fillContents();
    openPage(location.page);
}

void HelpView::fillContents()
{
    const QDir dir(folder_);
    pages_ = dir.entryList({QStringLiteral("*.htm"), QStringLiteral("*.html")}, QDir::Files | QDir::Readable,
                           QDir::Name | QDir::LocaleAware | QDir::IgnoreCase);
    for (const QString& name : pages_) {
        auto* item = new QListWidgetItem(QFileInfo(name).completeBaseName(), contents_);
        item->setData(Qt::UserRole, name);
    }
}

bool HelpView::openPage(const QString& page)
{
    if (page.isEmpty()) {
        if (pages_.isEmpty()) {
            showNotice(QStringLiteral("Справка пуста"),
                       QStringLiteral("В папке справки «%1» нет ни одной страницы.").arg(QDir::toNativeSeparators(folder_)));
            return false;
        }
        return openPage(pages_.first());
    }
    const QDir dir(folder_);
    const QFileInfo info(dir.absoluteFilePath(QDir::cleanPath(page)));
    // Only pages inside the help folder are shown.
    const QString relative = dir.relativeFilePath(info.absoluteFilePath());
    if (!info.isFile() || relative.startsWith(QStringLiteral("..")) || QDir::isAbsolutePath(relative)) {
        showNotice(QStringLiteral("Страница не найдена"),
                   QStringLiteral("В справке нет страницы «%1».").arg(page));
        return false;
    }
    const QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
    if (browser_->source() == url) {
        // The browser does not load its own source again; after a notice it must.
        if (notice_)
            browser_->reload();
        return true;
    }
    browser_->setSource(url);
    return true;
}

QString HelpView::currentPage() const
{
    const QUrl source = browser_->source();
    if (!source.isLocalFile() || notice_)
        return {};
    return QDir(folder_).relativeFilePath(source.toLocalFile());
}

void HelpView::showNotice(const QString& title, const QString& text)
{
    notice_ = true;
    browser_->setHtml(QStringLiteral("<h3>%1</h3><p>%2</p>").arg(title.toHtmlEscaped(), text.toHtmlEscaped()));
    setWindowTitle(QStringLiteral("Справка"));
    contents_->clearSelection();
}

void HelpView::pageChanged(const QUrl& url)
{
    notice_ = false;
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Справка") : QStringLiteral("Справка — ") + title);
    // The browser tells the new source before source() returns it.
    const QString page = url.isLocalFile() ? QDir(folder_).relativeFilePath(url.toLocalFile()) : QString();
    for (int i = 0; i < contents_->count(); ++i) {
        QListWidgetItem* item = contents_->item(i);
        if (item->data(Qt::UserRole).toString() == page) {
            contents_->setCurrentItem(item);
            return;
        }
    }
    contents_->clearSelection();
}

} // namespace vy::helpviewer
