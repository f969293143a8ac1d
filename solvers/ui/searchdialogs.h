#pragma once
// The message boxes and the question of a running equation search. They must
// not block the window: while one is open the user can still press "Отмена" or
// close the window, which ends the search's wait and takes the box away.
#include "solvers/searchhost.h"

#include <QPointer>
#include <functional>

class QMessageBox;
class QWidget;

namespace vy {

class SearchDialogs {
public:
    virtual ~SearchDialogs() = default;
    // Shows dialog and returns at once; done receives the reply when the user gives one.
    virtual void open(const SearchDialog& dialog, std::function<void(DialogReply)> done) = 0;
    // Takes an open dialog away without a reply.
    virtual void dismiss() = 0;
};

class QtSearchDialogs final : public SearchDialogs {
public:
    explicit QtSearchDialogs(QWidget* owner) : owner_(owner) {}
    ~QtSearchDialogs() override;
    void open(const SearchDialog& dialog, std::function<void(DialogReply)> done) override;
    void dismiss() override;

private:
    QWidget* owner_;
    QPointer<QMessageBox> box_;
};

} // namespace vy
