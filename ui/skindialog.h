#pragma once
// The skin engine's selection dialog: a folder of skins, its list, and a few
// sample controls. The skin picked in the list is shown on the whole program
// at once (the engine's preview), so the user sees what they choose; the
// engine puts the skin in force back when the dialog closes.
#include "ui/skins.h"

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

class QDialogButtonBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vy {

class SkinDialog : public QDialog {
    Q_OBJECT
public:
    // Asks for another folder, starting at start; nothing when cancelled.
    using FolderPicker = std::function<std::optional<std::string>(QWidget* parent, const std::string& start)>;

    // picker: the folder dialog (default: the desktop's).
    SkinDialog(SkinEngine& engine, const std::string& name, const std::string& folder, QWidget* parent = nullptr,
               FolderPicker picker = {});

    // The skin picked and the folder it is in.
    SkinChoice choice() const;
    // Lists the skins of another folder; the picked name stays picked if the
    // new folder has it too.
    void setFolder(const std::string& folder);

private:
    void fillList(const std::string& pick);
    void itemPicked();
    void browse();

    SkinEngine& engine_;
    std::string folder_;
    std::string name_;
    FolderPicker picker_;
    QLineEdit* folderEdit_ = nullptr;
    QPushButton* browseButton_ = nullptr;
    QListWidget* list_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

} // namespace vy
