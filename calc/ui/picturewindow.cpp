#include "calc/ui/picturewindow.h"

#include "platform/jpegfile.h"
#include "platform/qt/rgbimage.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <functional>

namespace vy {

// Image1: the picture, or a note of why it is missing. A click, and where
// wanted a double click, runs the window's handler.
class PictureView : public QWidget {
public:
    PictureView(std::function<void()> click, bool doubleClicks, QWidget* parent)
        : QWidget(parent), click_(std::move(click)), doubleClicks_(doubleClicks)
    {
    }

    void show(QImage picture, QString note = {})
    {
        picture_ = std::move(picture);
        note_ = std::move(note);
        update();
    }
    const QImage& picture() const { return picture_; }
    const QString& note() const { return note_; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Window));
        if (!picture_.isNull()) {
            painter.drawImage(0, 0, picture_);
            return;
        }
        painter.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap, note_);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            click_();
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        if (doubleClicks_ && event->button() == Qt::LeftButton)
            click_();
    }

private:
    std::function<void()> click_;
    bool doubleClicks_;
    QImage picture_;
    QString note_;
};

PictureWindow::PictureWindow(platform::Host host, DataFolder data, const Picture& picture, QWidget* parent)
    : ToolWindow(host, std::move(data),
                 {picture.name, QString(), picture.client, nullptr, false,
                  Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint},
                 parent),
      file_(picture.file), repaintsOpener_(picture.repaintsOpener)
{
    Image1 = place<PictureView>(
        this, "Image1", QRect(QPoint(0, 0), picture.client), [this] { guarded([this] { Image1Click(); }); },
        picture.closesOnDoubleClick);
}

std::string PictureWindow::picturePath(const std::string& programFolder, const char* file)
{
    return programFolder + kFolder + "/" + file;
}

void PictureWindow::FormActivate()
{
    if (!Image1->picture().isNull())
        return;
    const std::string path = picturePath(host().environment.programFolder(), file_);
    try {
        Image1->show(platform::toQImage(ReadJpegFile(path)));
    } catch (const std::exception& failure) {
        Image1->show({}, QStringLiteral("Не удалось прочитать рисунок\n%1\n\n%2")
                             .arg(QString::fromStdString(path), QString::fromStdString(failure.what())));
    }
}

void PictureWindow::Image1Click()
{
    close();
    if (repaintsOpener_)
        emit repaintOpener();
}

QImage PictureWindow::picture() const { return Image1->picture(); }

void PictureWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        guarded([this] { Image1Click(); });
        return;
    }
    ToolWindow::keyPressEvent(event);
}

} // namespace vy
