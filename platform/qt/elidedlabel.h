#pragma once
// A one-line result label that may be narrower than its text: a text that
// does not fit is shown cut with "…", and the whole of it is the label's hint.
// text() always holds the whole text (the clipboard and the settings file take
// it from there).
#include <QLabel>

namespace vy::platform {

class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    // The text as it is drawn now.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace vy::platform
