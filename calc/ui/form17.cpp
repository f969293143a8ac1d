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
                 {.name = "TForm17",
                  .caption = QString::fromUtf8(arc::kCaption),
                  .client = QSize(404, 171),
                  .place = &ini::kPlaceForm17,
                  .position = QPoint(207, 205)},
                 parent)
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
        r.name = place<QLabel>(this, d.nameLabel, {8, top + 2, 42, 17}, QString::fromLatin1(d.name));
        r.edit = place<QLineEdit>(this, d.edit, {50, top, 52, 21}, QStringLiteral("1"));
        r.button = place<QPushButton>(this, d.button, {105, top, 25, 21}, QStringLiteral("="));
        // The answer sits in a sunken bevel of its own, as wide as the window
        // allows: fifteen digits and the words around them.
        r.answer = place<QLabel>(this, d.answer, {134, top - 2, 266, 25});
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
    const QString answer = QString::fromStdString(*outcome.answer);
    r.answer->setText(answer);
    r.answer->setToolTip(answer); // the whole of it, should a long text be cut off
}

void TForm17::Timer1Timer()
{
    if (const auto caption = arc::nextCaption(counter_))
        setWindowTitle(QString::fromStdString(*caption));
}

void TForm17::FormActivate() { Timer1->start(); }

void TForm17::FormClose() { Timer1->stop(); }

} // namespace vy
