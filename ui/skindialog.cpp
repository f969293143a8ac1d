#include "ui/skindialog.h"

#include "ui/skinlist.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vy {

namespace {

QString qs(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::optional<std::string> desktopFolderPicker(QWidget* parent, const std::string& start)
{
    const QString folder = QFileDialog::getExistingDirectory(parent, QStringLiteral("Папка скинов"), qs(start));
    if (folder.isEmpty())
        return std::nullopt;
    return folder.toStdString();
}

// Controls of every kind a skin styles, to look at while choosing.
QGroupBox* samples(QWidget* parent)
{
    auto* box = new QGroupBox(QStringLiteral("Образец"), parent);
    box->setObjectName("Samples");
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QPushButton(QStringLiteral("Кнопка"), box), 0, 0);
    grid->addWidget(new QLineEdit(QStringLiteral("12,5"), box), 0, 1);
    auto* check = new QCheckBox(QStringLiteral("Флажок"), box);
    check->setChecked(true);
    grid->addWidget(check, 1, 0);
    auto* radio = new QRadioButton(QStringLiteral("Переключатель"), box);
    radio->setChecked(true);
    grid->addWidget(radio, 1, 1);
    auto* combo = new QComboBox(box);
    combo->addItems({QStringLiteral("Список"), QStringLiteral("Второй")});
    grid->addWidget(combo, 2, 0);
    auto* bar = new QProgressBar(box);
    bar->setValue(40);
    grid->addWidget(bar, 2, 1);
    return box;
}

} // namespace

SkinDialog::SkinDialog(SkinEngine& engine, const std::string& name, const std::string& folder, QWidget* parent,
                       FolderPicker picker)
    : QDialog(parent), engine_(engine), folder_(folder), name_(name),
      picker_(picker ? std::move(picker) : FolderPicker(desktopFolderPicker))
{
    setObjectName("SkinDialog");
    setWindowTitle(QStringLiteral("Выбор скина"));

    auto* outer = new QVBoxLayout(this);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(new QLabel(QStringLiteral("Папка:"), this));
    folderEdit_ = new QLineEdit(qs(folder_), this);
    folderEdit_->setObjectName("FolderEdit");
    folderEdit_->setMinimumWidth(260);
    folderRow->addWidget(folderEdit_, 1);
    browseButton_ = new QPushButton(QStringLiteral("Обзор…"), this);
    browseButton_->setObjectName("BrowseButton");
    folderRow->addWidget(browseButton_);
    outer->addLayout(folderRow);

    auto* middle = new QHBoxLayout;
    list_ = new QListWidget(this);
    list_->setObjectName("SkinList");
    middle->addWidget(list_, 1);
    middle->addWidget(samples(this), 1);
    outer->addLayout(middle, 1);

    buttons_ = new QDialogButtonBox(this);
    buttons_->addButton(QStringLiteral("Выбрать"), QDialogButtonBox::AcceptRole)->setObjectName("ChooseButton");
    buttons_->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole)->setObjectName("CancelButton");
    outer->addWidget(buttons_);

    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::currentRowChanged, this, &SkinDialog::itemPicked);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(browseButton_, &QPushButton::clicked, this, &SkinDialog::browse);
    connect(folderEdit_, &QLineEdit::editingFinished, this, [this] {
        if (folderEdit_->text().toStdString() != folder_)
            setFolder(folderEdit_->text().toStdString());
    });
    fillList(name_);
}

SkinChoice SkinDialog::choice() const { return {name_, folder_}; }

void SkinDialog::setFolder(const std::string& folder)
{
    folder_ = folder;
    folderEdit_->setText(qs(folder_));
    fillList(name_);
}

void SkinDialog::fillList(const std::string& pick)
{
    const QSignalBlocker quiet(list_);
    list_->clear();
    int row = 0;
    for (const std::string& name : skins::skinNames(folder_)) {
        list_->addItem(qs(name));
        if (name == pick)
            row = list_->count() - 1;
    }
    list_->setCurrentRow(row);
    itemPicked();
}

void SkinDialog::itemPicked()
{
    const QListWidgetItem* item = list_->currentItem();
    if (item == nullptr)
        return;
    name_ = item->text().toStdString();
    engine_.preview(folder_, name_);
}

void SkinDialog::browse()
{
    if (const std::optional<std::string> folder = picker_(this, folder_))
        setFolder(*folder);
}

} // namespace vy
