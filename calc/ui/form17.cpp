#include "calc/ui/form17.h"

#include "core/keyfilters.h"
#include "platform/qt/keyfilter.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace vy {

namespace {

constexpr int kTimerInterval = 250; // ms

struct RowDesign {
    arc::Row row;
    const char* nameLabel;
    const char* name;
    const char* edit;
    const char* button;
    const char* answer;
};

constexpr RowDesign kRows[4] = {
    {arc::Row::Arcsin, "Label1", "arcsin", "Edit1", "Button1", "Label2"},
    {arc::Row::Arccos, "Label3", "arccos", "Edit2", "Button2", "Label4"},
    {arc::Row::Arctg, "Label5", "arctg", "Edit3", "Button3", "Label6"},
    {arc::Row::Arcctg, "Label7", "arcctg", "Edit4", "Button4", "Label8"},
};

} // namespace

TForm17::TForm17(platform::Host host, DataFolder data, QWidget* parent)
    : ToolWindow(host, std::move(data),
                 {"TForm17", QString::fromUtf8(arc::kCaption), QSize(404, 171), &ini::kPlaceForm17}, parent)
{
    buildControls();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTimerInterval);
    connectGuarded(Timer1, &QTimer::timeout, &TForm17::Timer1Timer);
}

// FormDestroy
TForm17::~TForm17() { Timer1->stop(); }

void TForm17::buildControls()
{
    for (int i = 0; i < 4; ++i) {
        const RowDesign& d = kRows[i];
        const int top = 12 + 40 * i;
        RowControls& r = rows_[i];
        r.name = place<QLabel>(this, d.nameLabel, {8, top + 2, 56, 17}, QString::fromLatin1(d.name));
        r.edit = place<QLineEdit>(this, d.edit, {66, top, 90, 21}, QStringLiteral("1"));
        r.button = place<QPushButton>(this, d.button, {162, top, 25, 21}, QStringLiteral("="));
        // The answer sits in a sunken bevel of its own.
        r.answer = place<QLabel>(this, d.answer, {190, top - 2, 209, 25});
        r.answer->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        r.answer->setTextFormat(Qt::PlainText);

        const arc::Row row = d.row;
        platform::filterKeys(r.edit, keys::commaFilter, host().sounds);
        connectGuarded(r.edit, &QLineEdit::returnPressed, [this, row] { compute(row); });
        connectGuarded(r.button, &QPushButton::clicked, [this, row] { compute(row); });
    }
}

void TForm17::compute(arc::Row row)
{
    RowControls& r = rows_[static_cast<int>(row)];
    const arc::Outcome outcome = arc::press(row, r.edit->text().toStdString());
    if (outcome.report) {
        report(*outcome.report, r.edit);
        return;
    }
    r.answer->setText(QString::fromStdString(*outcome.answer));
}

void TForm17::Timer1Timer()
{
    if (const auto caption = arc::nextCaption(counter_))
        setWindowTitle(QString::fromStdString(*caption));
}

void TForm17::FormActivate() { Timer1->start(); }

void TForm17::FormClose() { Timer1->stop(); }

} // namespace vy
