#pragma once
// What the four picture tables share: a window without caption text or border
// icons that shows one picture, a JPEG file in the folder Tables beside the
// program, and closes when the picture is clicked (Escape does the same, since
// the window has no close button). The picture is read when the window is first shown; a
// missing or damaged file leaves a note in its place instead, and is tried
// again at the next showing.
#include "platform/qt/toolwindow.h"

#include <QImage>
#include <string>

namespace vy {

class PictureView;

class PictureWindow : public ToolWindow {
    Q_OBJECT
public:
    struct Picture {
        const char* name;         // "TForm13"
        QSize client;             // the picture's size
        const char* file;         // in the folder Tables beside the program
        bool closesOnDoubleClick; // a double click closes it as well as a click
        bool repaintsOpener;      // the tables window is asked to repaint after it
    };

    PictureWindow(platform::Host host, DataFolder data, const Picture& picture, QWidget* parent = nullptr);

    static constexpr const char* kFolder = "Tables";
    // "<program folder>Tables/<file>"
    static std::string picturePath(const std::string& programFolder, const char* file);

    void Image1Click(); // closes the window
    // What Image1 shows; null while the picture could not be read.
    QImage picture() const;

signals:
    // The window was closed by a click: the tables window should repaint.
    void repaintOpener();

protected:
    void FormActivate() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const char* file_;
    bool repaintsOpener_;
    PictureView* Image1 = nullptr;
};

} // namespace vy
