#include "solvers/ui/form22.h"

#include "core/errortext.h"
#include "platform/qt/jobpost.h"
#include "platform/qt/presenter.h"
#include "solvers/equation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <climits>
#include <cmath>

namespace vy {

namespace {

const char* const kStopped = "Решение примера остановлено";
constexpr int kPrecisionDefault = 1;
constexpr int kPrecisionFinest = 5;

// The two glyphs of the pause button: bars for "Пауза", a triangle for "Возобновить".
QPixmap glyph(bool pause)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 96, 0));
    if (pause) {
        painter.drawRect(3, 2, 4, 12);
        painter.drawRect(9, 2, 4, 12);
    } else {
        const QPointF triangle[] = {{4, 2}, {14, 8}, {4, 14}};
        painter.drawPolygon(triangle, 3);
    }
    return pixmap;
}

// A progress range beyond what the bar holds is shown scaled.
constexpr int kScaledMaximum = 1'000'000;

} // namespace

// What the search shows, handed on to the window's own handlers.
class TForm22::View final : public SearchView {
public:
    explicit View(TForm22& form) : form_(form) {}
    void update(const SearchUpdate& update) override { form_.applyUpdate(update); }
    void dialog(const SearchDialog& dialog, std::function<void(DialogReply)> reply) override
    {
        form_.showDialog(dialog, std::move(reply));
    }
    void finished(const std::string& failure) override { form_.searchFinished(failure); }

private:
    TForm22& form_;
};

TForm22::TForm22(platform::Host host, DataFolder data, std::unique_ptr<SearchDialogs> dialogs, QWidget* parent)
    : ToolWindow(host, std::move(data),
                 {"TForm22", QStringLiteral("Решение уравнений"), QSize(353, 247), &ini::kPlaceForm22}, parent),
      dialogs_(std::move(dialogs))
{
    if (!dialogs_)
        dialogs_ = std::make_unique<QtSearchDialogs>(this);
    view_ = std::make_unique<View>(*this);
    runner_ = std::make_unique<SearchRunner>(platform::postTo(this), *view_);
    buildControls();
}

TForm22::~TForm22()
{
    // The worker goes first: nothing it still sends may reach a half-destroyed
    // window.
    runner_->cancel();
    runner_.reset();
    dialogs_.reset();
}

void TForm22::buildControls()
{
    Label6 = place<QLabel>(this, "Label6", {8, 4, 120, 16}, QStringLiteral("Уравнение"));
    Edit1 = place<QLineEdit>(this, "Edit1", {8, 22, 300, 22}, QStringLiteral("x-5"));
    Edit1->setToolTip(QStringLiteral("Введите уравнение с неизвесным членом х"));
    Label4 = place<QLabel>(this, "Label4", {314, 25, 30, 16}, QStringLiteral("=0"));

    GroupBox1 = place<QGroupBox>(this, "GroupBox1", {8, 48, 337, 128}, QStringLiteral("Настройки"));
    Label2 = place<QLabel>(GroupBox1, "Label2", {8, 24, 18, 16}, QStringLiteral("от"));
    Edit2 = place<QLineEdit>(GroupBox1, "Edit2", {26, 21, 56, 22}, QStringLiteral("-10"));
    Label3 = place<QLabel>(GroupBox1, "Label3", {88, 24, 18, 16}, QStringLiteral("до"));
    Edit3 = place<QLineEdit>(GroupBox1, "Edit3", {106, 21, 56, 22}, QStringLiteral("10"));
    Label5 = place<QLabel>(GroupBox1, "Label5", {164, 24, 104, 16}, QStringLiteral("            Точность"));
    ComboBox1 = place<QComboBox>(GroupBox1, "ComboBox1", {268, 21, 62, 22});
    ComboBox1->addItems({"1", "0,1", "0,01", "0,001", "0,0001", "0,00001"});
    ComboBox1->setEditable(false);
    CheckBox1 = place<QCheckBox>(GroupBox1, "CheckBox1", {8, 48, 150, 18}, QStringLiteral("Тригоном. ур-е"));
    RadioButton1 = place<QRadioButton>(GroupBox1, "RadioButton1", {8, 68, 186, 18}, QStringLiteral("Метод Перебора"));
    RadioButton2 = place<QRadioButton>(GroupBox1, "RadioButton2", {8, 86, 186, 18}, QStringLiteral("Метод Вилки"));
    RadioButton3 = place<QRadioButton>(GroupBox1, "RadioButton3", {8, 104, 186, 18},
                                       QStringLiteral("Комбинированный метод"));
    RadioButton4 = place<QRadioButton>(GroupBox1, "RadioButton4", {196, 48, 136, 18}, QStringLiteral("Метод Ньютона"));
    RadioButton3->setChecked(true);
    Label7 = place<QLabel>(GroupBox1, "Label7", {192, 64, 142, 62});
    Label7->setWordWrap(true);
    Label7->setTextFormat(Qt::PlainText);
    QFont small = Label7->font(); // the longest explanation has to fit in four lines
    small.setPixelSize(9);
    Label7->setFont(small);
    Label7->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label1 = place<QLabel>(this, "Label1", {8, 178, 337, 28});
    Label1->setWordWrap(true);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ProgressBar1 = place<QProgressBar>(this, "ProgressBar1", {8, 208, 337, 10});
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(100);
    ProgressBar1->setTextVisible(false);

    BitBtn1 = place<QPushButton>(this, "BitBtn1", {8, 221, 106, 24}, QStringLiteral("Решить"));
    BitBtn1->setToolTip(QStringLiteral("Вычислять корень уравнения"));
    BitBtn2 = place<QPushButton>(this, "BitBtn2", {123, 221, 106, 24}, QStringLiteral("Отмена"));
    BitBtn2->setToolTip(QStringLiteral("Остановить решение уравнения"));
    BitBtn3 = place<QPushButton>(this, "BitBtn3", {238, 221, 106, 24}, QStringLiteral("Пауза"));
    BitBtn3->setToolTip(QStringLiteral("Управление ходом решения"));
    Image1 = place<QLabel>(this, "Image1", {0, 0, 16, 16});
    Image1->setPixmap(glyph(true));
    Image1->hide();
    Image2 = place<QLabel>(this, "Image2", {0, 0, 16, 16});
    Image2->setPixmap(glyph(false));
    Image2->hide();
    showPauseGlyph(true);

    connectGuarded(BitBtn1, &QPushButton::clicked, &TForm22::BitBtn1Click);
    connectGuarded(BitBtn2, &QPushButton::clicked, &TForm22::BitBtn2Click);
    connectGuarded(BitBtn3, &QPushButton::clicked, &TForm22::BitBtn3Click);
    const auto whenChecked = [this](QAbstractButton* button, void (TForm22::*h)()) {
        connect(button, &QAbstractButton::toggled, this, [this, h](bool on) {
            if (on)
                (this->*h)();
        });
    };
    whenChecked(RadioButton1, &TForm22::RadioButton1Click);
    whenChecked(RadioButton2, &TForm22::RadioButton2Click);
    whenChecked(RadioButton3, &TForm22::RadioButton3Click);
    connect(CheckBox1, &QCheckBox::toggled, this, [this] { CheckBox1Click(); });

    for (QWidget* w : std::initializer_list<QWidget*>{Label5, Edit2, Edit3, CheckBox1, RadioButton1, RadioButton2,
                                                      RadioButton3, RadioButton4}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
}

bool TForm22::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        static const struct {
            const char* control;
            const char* text;
        } kExplanations[] = {
            {"Label5", "Больше точность - меньше скорость"},
            {"Edit2", "Если х меньше этого значения то программа не найдет его"},
            {"Edit3", "Если х больше этого значения то программа не найдет его"},
            {"CheckBox1", "Решение тригонометрических ур-й. Поставьте максимальную точность! (0,00001)"},
            {"RadioButton1", "Маленькая скорость, возможно решение тригонометрических уравнений"},
            {"RadioButton2", "Высокая скорость, не возможно решение тригонометрических уравнений, если корней "
                             "больше одного возможна их потеря"},
            {"RadioButton4", "Высокая скорость, не возможно решение тригонометрических уравнений, если корней "
                             "больше одного возможна их потеря"},
            {"RadioButton3", "Сочетает высокую скорость и высокую точность (оптимальный выбор)"},
        };
        const QString name = watched->objectName();
        for (const auto& e : kExplanations)
            if (name == QLatin1String(e.control))
                Label7->setText(QString::fromUtf8(e.text));
    }
    return QWidget::eventFilter(watched, event);
}

TForm22::State TForm22::state() const
{
    if (!runner_->active())
        return State::Idle;
    return paused_ ? State::Paused : State::Running;
}

void TForm22::FormActivate()
{
    ComboBox1->setCurrentIndex(kPrecisionDefault);
    if (RadioButton3->isChecked()) {
        ComboBox1->setEnabled(false);
        Label5->setEnabled(false);
    }
    showPauseGlyph(true);
}

void TForm22::RadioButton1Click()
{
    CheckBox1->setEnabled(true);
    ComboBox1->setEnabled(true);
    Label5->setEnabled(true);
}

void TForm22::RadioButton2Click()
{
    CheckBox1->setEnabled(false);
    ComboBox1->setEnabled(false);
    Label5->setEnabled(false);
    Edit2->setEnabled(true);
    Edit3->setEnabled(true);
}

void TForm22::RadioButton3Click()
{
    ComboBox1->setEnabled(false);
    Label5->setEnabled(false);
    Edit2->setEnabled(true);
    Edit3->setEnabled(true);
    CheckBox1->setEnabled(true);
}

void TForm22::CheckBox1Click()
{
    if (CheckBox1->isChecked()) {
        if (RadioButton1->isChecked()) {
            Edit2->setEnabled(false);
            Edit3->setEnabled(false);
            ComboBox1->setCurrentIndex(kPrecisionFinest);
        }
    } else {
        Edit2->setEnabled(true);
        Edit3->setEnabled(true);
    }
}

void TForm22::BitBtn1Click()
{
    if (runner_->active())
        return; // the previous search is still showing its formula message
    cancelled_ = false;
    paused_ = false;
    SearchRequest request;
    request.method = RadioButton1->isChecked()   ? SearchMethod::Scan
                     : RadioButton2->isChecked() ? SearchMethod::Bisection
                     : RadioButton3->isChecked() ? SearchMethod::Combined
                                                 : SearchMethod::Newton;
    request.formula = Edit1->text().toStdString();
    request.lower = Edit2->text().toStdString();
    request.upper = Edit3->text().toStdString();
    request.precisionIndex = std::max(0, ComboBox1->currentIndex());
    request.trigonometric = CheckBox1->isChecked();
    runner_->start([request](SearchHost& host) { RunEquationSearch(request, host); }, Label1->text().toStdString());
}

void TForm22::BitBtn2Click()
{
    cancelled_ = true;
    runner_->cancel();
    dialogs_->dismiss();
    repaint();
    paused_ = false;
    BitBtn3->setText(QStringLiteral("Пауза"));
    showPauseGlyph(true);
    setIdle();
    ProgressBar1->setValue(ProgressBar1->maximum());
    Label1->setText(QString::fromUtf8(kStopped));
}

void TForm22::BitBtn3Click()
{
    if (cancelled_)
        return;
    if (paused_) {
        runner_->resume();
        paused_ = false;
        BitBtn3->setText(QStringLiteral("Пауза"));
        showPauseGlyph(true);
    } else {
        runner_->pause();
        paused_ = true;
        BitBtn3->setText(QStringLiteral("Возобновить"));
        showPauseGlyph(false);
    }
}

void TForm22::FormClose() { BitBtn2Click(); }

void TForm22::applyUpdate(const SearchUpdate& update)
{
    if (update.answer) {
        Label1->setText(platform::messageText(*update.answer));
    }
    if (update.progress) {
        progress_ = *update.progress;
        const long double maximum = std::max(0.0L, progress_.maximum);
        const long double position = std::clamp(progress_.position, 0.0L, maximum);
        if (maximum < 1) {
            // An empty range (bounds the wrong way round) has nothing to scan;
            // a bar of range 0..0 would show Qt's endless "busy" animation.
            ProgressBar1->setRange(0, 1);
            ProgressBar1->setValue(1);
        } else if (maximum <= INT_MAX) {
            ProgressBar1->setRange(0, static_cast<int>(maximum));
            ProgressBar1->setValue(static_cast<int>(position));
        } else {
            ProgressBar1->setRange(0, kScaledMaximum);
            ProgressBar1->setValue(static_cast<int>(std::floor(position / maximum * kScaledMaximum)));
        }
    }
    if (update.fullBar)
        ProgressBar1->setValue(ProgressBar1->maximum());
    if (update.running)
        BitBtn1->setEnabled(false);
    if (update.busy)
        setBusyCursors(true);
}

void TForm22::showDialog(const SearchDialog& dialog, std::function<void(DialogReply)> reply)
{
    dialogs_->open(dialog, std::move(reply));
}

void TForm22::searchFinished(const std::string& failure)
{
    setIdle();
    if (!failure.empty())
        host().presenter.generalError(generalErrorText(failure));
}

void TForm22::setBusyCursors(bool busy)
{
    for (QWidget* w : std::initializer_list<QWidget*>{this, Edit1, Edit2, Edit3, ComboBox1, CheckBox1, RadioButton1,
                                                      RadioButton2, RadioButton3, RadioButton4}) {
        if (busy)
            w->setCursor(Qt::WaitCursor);
        else
            w->unsetCursor();
    }
}

void TForm22::setIdle()
{
    setBusyCursors(false);
    BitBtn1->setEnabled(true);
}

void TForm22::showPauseGlyph(bool pause) { BitBtn3->setIcon((pause ? Image1 : Image2)->pixmap()); }

} // namespace vy
