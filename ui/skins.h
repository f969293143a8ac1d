#pragma once
// The skin engine: the look of every window of the program, chosen by name,
// and the fades with which windows appear and disappear.
//
// A skin is a Qt style sheet file in the skin folder (ui/skinlist.h); the
// built-in skin is the program's look without one. Selecting a skin applies
// it to the whole application at once. Skins style the controls (buttons,
// fields, lists, boxes, hints); the windows' colours and the result labels'
// fonts stay the program's own, set by the settings window.
//
// The fades are switched on and off by the main window: when it has no fade of
// its own it lets the engine fade windows in, and once its own fade has ended
// it lets the engine fade windows in and out. A window that takes charge of
// its own outer area (the main window shrinking as it closes) is left alone
// after stopNonClient().
#include <QObject>
#include <QPointer>
#include <QPixmap>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace vy {

// What the selection dialog returns when the user confirms.
struct SkinChoice {
    std::string name;
    std::string folder;
    bool operator==(const SkinChoice&) const = default;
};

class SkinEngine : public QObject {
    Q_OBJECT
public:
    explicit SkinEngine(QObject* parent = nullptr);
    // Puts back the look the application had before, and ends every fade.
    ~SkinEngine() override;

    void setFolder(std::string folder);
    const std::string& folder() const { return folder_; }
    // The skins known now: the built-in one, then the folder's (read each time,
    // so that a file dropped into the folder shows at the next look).
    std::vector<std::string> skinNames() const;
    const std::string& skinName() const { return name_; }
    // Applies the named skin to every window; a name the engine does not know
    // (a file gone, "No skins available") keeps the skin in force and gives false.
    bool select(const std::string& name);

    void setShowAnimation(bool on) { showAnimation_ = on; }
    void setHideAnimation(bool on) { hideAnimation_ = on; }
    bool showAnimation() const { return showAnimation_; }
    bool hideAnimation() const { return hideAnimation_; }
    // From now on the window's outer area is its own: the engine fades it
    // neither in nor out, and a fade running on it ends at once.
    void stopNonClient(QWidget& window);

    // The selection dialog (ui/skindialog.h), starting at name in folder. It
    // shows a skin on the program while it is picked and puts the skin in force
    // back when it closes; nothing when the user cancels.
    std::optional<SkinChoice> chooseSkin(QWidget* parent, const std::string& name, const std::string& folder);

    // A fade lasts kFadeSteps steps of kFadeStepMs.
    static constexpr int kFadeSteps = 12;
    static constexpr int kFadeStepMs = 15;
    // The object name of the picture that fades out where a window was.
    static constexpr const char* kGhostName = "SkinFadeOut";

    // Shows the style sheet of name in folder on the program without making it
    // the skin in force (the dialog's preview); false when there is no such skin.
    bool preview(const std::string& folder, const std::string& name);
    // Ends a preview: the skin in force again.
    void endPreview();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Fade {
        QPointer<QWidget> window;
        double from = 0;
        double to = 1;
        int step = 0;
        bool ghost = false; // a picture of a closed window, deleted at the end
    };

    bool animated(const QWidget& window) const;
    void apply(const std::string& sheet);
    void fadeIn(QWidget& window);
    void fadeOut(QWidget& window);
    void endFade(QWidget& window);
    void stepFades();

    std::string folder_;
    std::string name_;
    std::string sheet_; // the style sheet of the skin in force
    QString originalSheet_;
    bool keptPropagation_ = false;
    bool showAnimation_ = false;
    bool hideAnimation_ = false;
    std::vector<Fade> fades_;
    QTimer* ticker_ = nullptr;
    // The picture of a window taken as it is asked to close, used when it hides.
    QPointer<QWidget> closing_;
    QPixmap closingPicture_;
};

} // namespace vy
