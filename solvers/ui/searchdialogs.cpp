#include "solvers/ui/searchdialogs.h"

#include "platform/qt/presenter.h"

#include <QMessageBox>
#include <QPushButton>

namespace vy {

QtSearchDialogs::~QtSearchDialogs() { dismiss(); }

void QtSearchDialogs::open(const SearchDialog& dialog, std::function<void(DialogReply)> done)
{
    dismiss();
    const bool question = dialog.kind == SearchDialog::Kind::Question;
    const auto buttons = question ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel : QMessageBox::Ok;
    auto* box = new QMessageBox(question ? QMessageBox::Question : QMessageBox::Critical,
                                QString::fromStdString(dialog.caption), platform::messageText(dialog.text), buttons,
                                owner_);
    if (question) {
        // The buttons as a Russian system labels them.
        box->button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
        box->button(QMessageBox::No)->setText(QStringLiteral("Нет"));
        box->button(QMessageBox::Cancel)->setText(QStringLiteral("Отмена"));
    }
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    QObject::connect(box, &QMessageBox::finished, box, [box, done = std::move(done)](int) {
        const QAbstractButton* pressed = box->clickedButton();
        // Escape and the frame's close button count as Cancel (or OK).
        DialogReply reply = box->button(QMessageBox::Cancel) ? DialogReply::Cancel : DialogReply::Ok;
        if (pressed && pressed == box->button(QMessageBox::Yes))
            reply = DialogReply::Yes;
        else if (pressed && pressed == box->button(QMessageBox::No))
            reply = DialogReply::No;
        done(reply);
    });
    box_ = box;
    box->show();
}

void QtSearchDialogs::dismiss()
{
    if (!box_)
        return;
    QMessageBox* box = box_;
    box_ = nullptr;
    QObject::disconnect(box, &QMessageBox::finished, nullptr, nullptr);
    box->close();
}

} // namespace vy
