#include "app/form1.h"

#include "app/maincaptions.h"
#include "app/quickcalc.h"
#include "core/inifile.h"
#include "core/keyfilters.h"
#include "app/mainkeys.h"
#include "core/protocol.h"
#include "core/settingskeys.h"
#include "platform/fileattrs.h"
#include "platform/qt/activation.h"
#include "platform/qt/elidedlabel.h"
#include "platform/qt/guard.h"
#include "platform/qt/opacity.h"
#include "platform/qt/modal.h"
#include "platform/qt/placement.h"
#include "platform/qt/presenter.h"
#include "platform/qt/report.h"
#include "ui/skinlist.h"
#include "ui/skins.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFile>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace vy {

namespace {

using Row = quickcalc::Row;

const QColor kSilver(192, 192, 192);
constexpr int kDesignedLeft = 500;
constexpr int kDesignedTop = 229;
constexpr const char* kFontFile = "DS VTCorona Cyr.TTF";
constexpr const char* kFontName = "DS VTCorona Cyr";
constexpr int kCloseAnimationMs = 2500;

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The field under which a row's balloon notice points.
const char* balloonField(quickcalc::Row row) {
    switch (row) {
    case Row::Square: return "Edit1";
    case Row::Sine: return "Edit2";
    case Row::Cosine: return "Edit3";
    case Row::Tangent: return "Edit15";
    case Row::Quotient: return "Edit5";
    case Row::Quadratic: return "Edit12";
    default: return nullptr;
    }
}

// The platform's colour value: red in the low byte, then green, then blue.
std::int32_t colorValue(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

// A sheet of paper with lines of text, for the log viewer's picture.
QPixmap logPicture(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal m = size / 8.0;
    p.setPen(QPen(Qt::darkGray, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(m, m / 2, size - 2 * m, size - m));
    p.setPen(QPen(QColor(30, 60, 150), std::max(1.0, size / 24.0)));
    for (int i = 1; i <= 4; ++i) {
        const qreal y = m / 2 + i * (size - m) / 5.0;
        p.drawLine(QPointF(m * 1.8, y), QPointF(size - m * 1.8 - (i == 4 ? m * 2 : 0), y));
    }
    return pixmap;
}

// A toothed wheel, for the settings button.
QIcon settingsPicture(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(size / 2.0, size / 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 70, 70));
    for (int i = 0; i < 8; ++i) {
        p.drawRect(QRectF(-size / 12.0, -size / 2.2, size / 6.0, size / 4.0));
        p.rotate(45);
    }
    p.drawEllipse(QPointF(0, 0), size / 3.0, size / 3.0);
    p.setBrush(kSilver);
    p.drawEllipse(QPointF(0, 0), size / 7.0, size / 7.0);
    return QIcon(pixmap);
}

} // namespace

template <class F>
void TForm1::guarded(F&& handler) {
    platform::guarded(host_.presenter, std::forward<F>(handler));
}

TForm1::TForm1(platform::Host host, DataFolder data, SkinEngine* skins, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      host_(host), data_(std::move(data)), skins_(skins) {
    setObjectName("Form1");
    setWindowTitle(mainwindow::kTitle);
    // The hints are the only explanation of the tool buttons, disabled ones
    // included: they show whether or not the window is the active one.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    buildControls();
    activation_ = new platform::ActivationRule(this);
    connect(activation_, &platform::ActivationRule::activated, this, [this] {
        if (!closing_) guarded([this] { FormActivate(); });
    });
    guarded([this] { FormCreate(); });
}

TForm1::~TForm1() { guarded([this] { FormDestroy(); }); }

// ---- layout -------------------------------------------------------------------

QLineEdit* TForm1::makeField(const char* name, const char* hint) {
    auto* field = new QLineEdit(QStringLiteral("1"), this);
    field->setObjectName(name);
    field->setToolTip(hint);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 12);
    field->installEventFilter(this);
    edits[name] = field;
    return field;
}

QPushButton* TForm1::makeEquals(const char* name) {
    auto* button = new QPushButton(QStringLiteral("="), this);
    button->setObjectName(name);
    button->setToolTip(QStringLiteral("Вычислить"));
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("==")) + 20);
    equals[name] = button;
    return button;
}

QLabel* TForm1::makeResult(const char* name) {
    auto* label = new platform::ElidedLabel(this);
    label->setObjectName(name);
    fitResultSize(*label);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The settings window changes the results' font: the window then fits it.
    label->installEventFilter(this);
    results[name] = label;
    return label;
}

void TForm1::fitResultSize(QLabel& label) {
    // Wide enough for a long usual line (the quadratic labels also span the
    // field columns); a longer text is cut with "…" and shown whole in the
    // hint, rather than resizing the fixed window. One line high even while
    // empty, so that a result never has to make room for itself.
    const QFontMetrics metrics(label.font());
    label.setMinimumSize(metrics.horizontalAdvance(QStringLiteral("Тангенс -1234,5 Град. = -1,23456789012345E-100")),
                         metrics.height());
}

void TForm1::scheduleFit() {
    if (refitPending_) return;
    refitPending_ = true;
    QTimer::singleShot(0, this, [this] { fitToContents(); });
}

void TForm1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // A skin changes the controls' sizes both ways: the fixed window follows,
    // so that it also shrinks back when a larger skin is taken off.
    if (event->type() == QEvent::StyleChange) scheduleFit();
}

void TForm1::fitToContents() {
    refitPending_ = false;
    if (closing_) return;
    const QSize before = size();
    for (auto& [name, label] : results) fitResultSize(*label);
    // Activating the layout takes in every row's new size (invalidating it
    // alone would leave the inner layouts' sizes as they were).
    layout()->activate();
    // As large as the rows need, but never beyond the screen: results in a
    // large font are then cut with "…" sooner.
    QSize wanted = sizeHint();
    if (const QScreen* screen = this->screen()) {
        const QSize room = screen->availableSize() - (frameGeometry().size() - geometry().size());
        const int excess = wanted.width() - room.width();
        if (excess > 0) {
            for (auto& [name, label] : results) label->setMinimumWidth(std::max(label->minimumWidth() - excess, 0));
            layout()->activate();
            wanted = sizeHint();
        }
        wanted = wanted.boundedTo(room);
    }
    setFixedSize(wanted);
    // A window grown past the screen's edge is pulled back onto it.
    if (isVisible() && wanted != before) platform::moveOnScreen(*this, pos());
}

QPushButton* TForm1::makeToolButton(const char* name, const char* caption, const char* hint, Tool tool) {
    auto* button = new QPushButton(QString::fromUtf8(caption), this);
    button->setObjectName(name);
    if (hint != nullptr) button->setToolTip(QString::fromUtf8(hint));
    bitBtns[name] = button;
    bindTool(button, tool);
    return button;
}

void TForm1::bindTool(QAbstractButton* button, Tool tool) {
    toolButtons_.emplace(tool, button);
    connect(button, &QAbstractButton::clicked, this, [this, tool] { guarded([this, tool] { openTool(tool); }); });
}

void TForm1::bindTool(QAction* item, Tool tool) {
    toolItems_.emplace(tool, item);
    connect(item, &QAction::triggered, this, [this, tool] { guarded([this, tool] { openTool(tool); }); });
}

void TForm1::buildControls() {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kSilver);
    setPalette(pal);
    setAutoFillBackground(true);

    auto* outer = new QVBoxLayout(this);

    // Title line: product name, the log picture and the settings button.
    auto* head = new QHBoxLayout;
    Label13 = new QLabel(QStringLiteral("ВЫЧИСЛИЦА"), this);
    Label13->setObjectName("Label13");
    Image2 = new QLabel(this);
    Image2->setObjectName("Image2");
    Image2->setToolTip(QStringLiteral("Показать решения примеров"));
    Image2->setCursor(Qt::PointingHandCursor);
    Image2->setPixmap(logPicture(style()->pixelMetric(QStyle::PM_LargeIconSize) + 8));
    Image2->installEventFilter(this);
    sSpeedButton1 = new QToolButton(this);
    sSpeedButton1->setObjectName("sSpeedButton1");
    sSpeedButton1->setAutoRaise(true);
    sSpeedButton1->setIcon(settingsPicture(64));
    sSpeedButton1->setIconSize(QSize(style()->pixelMetric(QStyle::PM_LargeIconSize),
                                     style()->pixelMetric(QStyle::PM_LargeIconSize)));
    toolButtons_.emplace(Tool::Settings, sSpeedButton1);
    connect(sSpeedButton1, &QToolButton::clicked, this, [this] { guarded([this] { Image1Click(); }); });
    head->addWidget(Label13, 1);
    head->addWidget(Image2);
    head->addWidget(sSpeedButton1);
    outer->addLayout(head);

    auto* body = new QHBoxLayout;
    outer->addLayout(body);

    // The calculation rows: caption, field, operator, field, "=", result.
    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(6);
    body->addLayout(rows, 1);
    int line = 0;
    auto caption = [this](const char* text) { return new QLabel(QString::fromUtf8(text), this); };
    auto oneField = [&](const char* title, const char* field, const char* hint, const char* button,
                        const char* label) {
        rows->addWidget(caption(title), line, 0);
        rows->addWidget(makeField(field, hint), line, 1);
        rows->addWidget(makeEquals(button), line, 4);
        rows->addWidget(makeResult(label), line, 5);
        ++line;
    };
    auto twoFields = [&](const char* title, const char* first, const char* firstHint, const char* op,
                         const char* second, const char* secondHint, const char* button, const char* label) {
        rows->addWidget(caption(title), line, 0);
        rows->addWidget(makeField(first, firstHint), line, 1);
        auto* sign = caption(op);
        sign->setAlignment(Qt::AlignCenter);
        rows->addWidget(sign, line, 2);
        rows->addWidget(makeField(second, secondHint), line, 3);
        rows->addWidget(makeEquals(button), line, 4);
        rows->addWidget(makeResult(label), line, 5);
        ++line;
    };
    oneField("Квадрат", "Edit1", "Число возводимое в квадрат", "Button1", "Label2");
    oneField("Синус", "Edit2", "Градусы", "Button3", "Label4");
    oneField("Косинус", "Edit3", "Градусы", "Button4", "Label6");
    oneField("Тангенс", "Edit15", "Градусы", "Button13", "Label27");
    twoFields("Деление", "Edit4", "Делимое", "на", "Edit5", "Делитель", "Button6", "Label7");
    twoFields("Умножение", "Edit6", "Первый множитель", "на", "Edit7", "Второй множитель", "Button7", "Label11");
    twoFields("Сумма", "Edit8", "Первое слагаемое", "+", "Edit9", "Второе слагаемое", "Button8", "Label14");
    twoFields("Разность", "Edit10", "Уменьшаемое", "-", "Edit11", "Вычитаемое", "Button9", "Label19");

    auto* quadTitle = caption("КВАДРАТНОЕ УРАВНЕНИЕ");
    QFont bold = quadTitle->font();
    bold.setBold(true);
    quadTitle->setFont(bold);
    rows->addWidget(quadTitle, line++, 0, 1, 6, Qt::AlignHCenter);
    auto* quad = new QHBoxLayout;
    quad->addWidget(caption("a="));
    quad->addWidget(makeField("Edit12", "Значение а"));
    quad->addWidget(caption("b="));
    quad->addWidget(makeField("Edit13", "Значение b"));
    quad->addWidget(caption("c="));
    quad->addWidget(makeField("Edit14", "Значение c"));
    quad->addWidget(makeEquals("Button10"));
    quad->addStretch(1);
    rows->addLayout(quad, line++, 0, 1, 6);
    rows->addWidget(makeResult("Label24"), line++, 0, 1, 6);
    rows->addWidget(makeResult("Label25"), line++, 0, 1, 6);
    rows->setColumnStretch(5, 1);

    auto* lower = new QHBoxLayout;
    Button5 = new QPushButton(QStringLiteral("Очистить"), this);
    Button5->setObjectName("Button5");
    Button5->setToolTip(QStringLiteral("Стирает все результаты"));
    connect(Button5, &QPushButton::clicked, this, [this] { guarded([this] { Button5Click(); }); });
    ScrollBar1 = new QScrollBar(Qt::Horizontal, this);
    ScrollBar1->setObjectName("ScrollBar1");
    ScrollBar1->setRange(0, 70);
    ScrollBar1->setPageStep(5);
    ScrollBar1->setToolTip(QStringLiteral("Прозрачность"));
    connect(ScrollBar1, &QScrollBar::valueChanged, this,
            [this](int position) { guarded([&] { ScrollBar1Change(position); }); });
    lower->addWidget(Button5);
    lower->addSpacing(12);
    lower->addWidget(ScrollBar1, 1);
    rows->addLayout(lower, line++, 0, 1, 6);

    // The tool buttons, two to a line.
    auto* toolGrid = new QGridLayout;
    body->addSpacing(8);
    body->addLayout(toolGrid);
    toolGrid->addWidget(makeToolButton("BitBtn4", "Математическое выражение", nullptr, Tool::Expression), 0, 0, 1, 2);
    auto* plots = new QPushButton(QStringLiteral("График"), this);
    plots->setObjectName("BitBtn2");
    bitBtns["BitBtn2"] = plots;
    auto* systems = new QPushButton(QStringLiteral("Урав-й"), this);
    systems->setObjectName("BitBtn1");
    systems->setToolTip(QStringLiteral("Решене системы уравнений"));
    bitBtns["BitBtn1"] = systems;
    toolGrid->addWidget(plots, 1, 0);
    toolGrid->addWidget(systems, 1, 1);
    toolGrid->addWidget(makeToolButton("BitBtn5", "Число", "Проверить число", Tool::Numbers), 2, 0);
    toolGrid->addWidget(makeToolButton("BitBtn6", "%", "Процентные вычисления", Tool::Percentages), 2, 1);
    toolGrid->addWidget(makeToolButton("BitBtn7", "Log", "Логарифм", Tool::Logarithm), 3, 0);
    toolGrid->addWidget(
        makeToolButton("BitBtn8", "Степень", "Возведение в степень и вычисление корня ", Tool::Power), 3, 1);
    toolGrid->addWidget(makeToolButton("BitBtn9", "Таблицы", "Полезные таблицы", Tool::Tables), 4, 0);
    toolGrid->addWidget(makeToolButton("BitBtn10", "Arc", "Вычисление arcsin arccos arctg  ", Tool::Arc), 4, 1);
    toolGrid->addWidget(makeToolButton("BitBtn11", "Матрицы", "Действия над матрицами", Tool::Matrices), 5, 0);
    toolGrid->addWidget(makeToolButton("BitBtn12", "Урав-я", "Решение уравнений", Tool::Equations), 5, 1);
    toolGrid->addWidget(
        makeToolButton("BitBtn13", "Интеграл", "Вычисление определённого интеграла", Tool::Integrals), 6, 0);
    toolGrid->addWidget(makeToolButton("BitBtn14", "С\\C", "Системы счисления", Tool::NumberSystems), 6, 1);
    Button11 = new QPushButton(QStringLiteral("О программе"), this);
    Button11->setObjectName("Button11");
    Button11->setToolTip(QStringLiteral("О программе"));
    bindTool(Button11, Tool::About);
    Button12 = new QPushButton(QStringLiteral("Календарь"), this);
    Button12->setObjectName("Button12");
    Button12->setToolTip(QStringLiteral("Календарь"));
    bindTool(Button12, Tool::Calendar);
    toolGrid->addWidget(Button11, 7, 0);
    toolGrid->addWidget(Button12, 7, 1);
    BitBtn3 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), QString(), this);
    BitBtn3->setObjectName("BitBtn3");
    BitBtn3->setToolTip(QStringLiteral("Выход"));
    connect(BitBtn3, &QPushButton::clicked, this, [this] { guarded([this] { BitBtn3Click(); }); });
    toolGrid->addWidget(BitBtn3, 8, 0, 1, 2);
    toolGrid->setRowStretch(9, 1);
    // The animated captions change font and text; keep the buttons from jumping.
    QFont wide = font();
    wide.setBold(true);
    const int width = QFontMetrics(wide).horizontalAdvance(QStringLiteral("Факториал")) + 24;
    for (auto& [name, button] : bitBtns)
        if (name != "BitBtn4") button->setMinimumWidth(width);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    N1 = PopupMenu1->addAction(QStringLiteral("Простой график"));
    N1->setObjectName("N1");
    PopupMenu1->addSeparator()->setObjectName("N3");
    N2 = PopupMenu1->addAction(QStringLiteral("Сложный график"));
    N2->setObjectName("N2");
    bindTool(N1, Tool::SimplePlot);
    bindTool(N2, Tool::ChartPlot);
    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName("PopupMenu2");
    N341 = PopupMenu2->addAction(QStringLiteral("Система из 3-4 уравнений"));
    N341->setObjectName("N341");
    PopupMenu2->addSeparator()->setObjectName("N4");
    n5 = PopupMenu2->addAction(QStringLiteral("Система из n уравнений"));
    n5->setObjectName("n5");
    bindTool(N341, Tool::Systems34);
    bindTool(n5, Tool::SystemsN);
    connect(plots, &QPushButton::clicked, this, [this, plots] { guarded([&] { popupAt(PopupMenu1, plots); }); });
    connect(systems, &QPushButton::clicked, this,
            [this, systems] { guarded([&] { popupAt(PopupMenu2, systems); }); });

    using Handler = void (TForm1::*)();
    const std::pair<Row, Handler> rowHandlers[] = {
        {Row::Square, &TForm1::Button1Click},    {Row::Sine, &TForm1::Button3Click},
        {Row::Cosine, &TForm1::Button4Click},    {Row::Tangent, &TForm1::Button13Click},
        {Row::Quotient, &TForm1::Button6Click},  {Row::Product, &TForm1::Button7Click},
        {Row::Sum, &TForm1::Button8Click},       {Row::Difference, &TForm1::Button9Click},
        {Row::Quadratic, &TForm1::Button10Click},
    };
    for (const auto& [row, handler] : rowHandlers)
        connect(equals.at(std::string(quickcalc::info(row).button)), &QPushButton::clicked, this,
                [this, handler] { guarded([this, handler] { (this->*handler)(); }); });

    auto timer = [this](const char* name, int interval) {
        auto* t = new QTimer(this);
        t->setObjectName(name);
        t->setInterval(interval);
        return t;
    };
    Timer1 = timer("Timer1", 1000);
    Timer2 = timer("Timer2", 10);
    Timer3 = timer("Timer3", 20);
    Timer4 = timer("Timer4", 700);
    Timer5 = timer("Timer5", 2000);
    connect(Timer1, &QTimer::timeout, this, [this] { guarded([this] { ShowTime(); }); });
    connect(Timer2, &QTimer::timeout, this, [this] { guarded([this] { Timer2Timer(); }); });
    connect(Timer3, &QTimer::timeout, this, [this] { guarded([this] { Timer3Timer(); }); });
    connect(Timer4, &QTimer::timeout, this, [this] { guarded([this] { Timer4Timer(); }); });
    connect(Timer5, &QTimer::timeout, this, [this] { guarded([this] { Timer5Timer(); }); });
    Timer4->start();
    Timer5->start();
    closeLimit_ = timer("CloseLimit", kCloseAnimationMs);
    closeLimit_->setSingleShot(true);
    connect(closeLimit_, &QTimer::timeout, this, [this] { guarded([this] { finishClose(); }); });

    refreshToolControls();
    // Activation sets the title's font again; having it already makes the
    // window come up at the size it keeps instead of widening once shown.
    applyTitleFont();
    // Fixed size, whatever the font and screen: as large as the rows need.
    fitToContents();
}

// ---- tool windows ---------------------------------------------------------------

void TForm1::setToolWindow(Tool tool, QWidget* window, std::function<void()> beforeShow) {
    tools_[tool] = ToolEntry{window, std::move(beforeShow)};
    if (window != nullptr) platform::ActivationRule::markToolWindow(window, this);
    refreshToolControls();
}

bool TForm1::hasToolWindow(Tool tool) const {
    const auto it = tools_.find(tool);
    return it != tools_.end() && it->second.window != nullptr;
}

void TForm1::refreshToolControls() {
    for (auto& [tool, button] : toolButtons_) button->setEnabled(hasToolWindow(tool));
    for (auto& [tool, item] : toolItems_) item->setEnabled(hasToolWindow(tool));
    // A menu button is usable when its menu offers something.
    bitBtns.at("BitBtn2")->setEnabled(hasToolWindow(Tool::SimplePlot) || hasToolWindow(Tool::ChartPlot));
    bitBtns.at("BitBtn1")->setEnabled(hasToolWindow(Tool::Systems34) || hasToolWindow(Tool::SystemsN));
}

bool TForm1::openTool(Tool tool) {
    if (!hasToolWindow(tool)) return false;
    ToolEntry& entry = tools_.at(tool);
    QPointer<QWidget> window = entry.window;
    if (entry.beforeShow) entry.beforeShow();
    if (!window) return false;
    platform::showModal(*window);
    return true;
}

void TForm1::popupAt(QMenu* menu, QAbstractButton* button) {
    // Window left + button left - 30, window top + button top + 20: outer frame
    // position, button position within the client area.
    const QPoint frame = frameGeometry().topLeft();
    const QPoint inside = button->mapTo(this, QPoint(0, 0));
    menu->popup(QPoint(frame.x() + inside.x() - 30, frame.y() + inside.y() + 20));
}

// ---- creation, activation, close, destruction ---------------------------------------

void TForm1::FormCreate() {
    if (skins_ != nullptr) skins_->setFolder(host_.environment.programFolder() + skins::kFolderName);
    user_ = ini::userSection(host_.environment.loginName());
    IniFile ini(data_.settingsPath());
    move(kDesignedLeft, kDesignedTop);
    platform::restorePlace(*this, ini, ini::kPlaceForm1, false);
    for (const char* name : ini::kResultLabels)
        result(name)->setText(qs(ini.readString(ini::kTools, name, "")));
    if (ini.readColor(user_, ini::kColor, ini::kColorUnset) == ini::kColorUnset)
        ini.writeColor(user_, ini::kColor, colorValue(palette().color(QPalette::Window)));
    openAnim_ = ini.readByte(user_, ini::kOpenAnim, ini::kOpenAnimDefault);
    closeAnim_ = ini.readByte(user_, ini::kCloseAnim, ini::kCloseAnimAtCreation);
    balloon_ = ini.readByte(user_, ini::kBalloon, ini::kBalloonDefault);
    skin_ = ini.readString(user_, ini::kSkin, ini::kSkinDefault);
    // A skin that is gone leaves the built-in look.
    if (skins_ != nullptr) skins_->select(skin_);
    if (openAnim_ == 1) {
        opacity_ = 0;
        setWindowOpacity(0.0);
        Timer2->start();
    } else if (skins_ != nullptr) {
        skins_->setShowAnimation(true);
    }
    Timer1->start();
}

void TForm1::FormActivate() {
    // One report per run of failures: while the log keeps failing with the same
    // message, later activations stay silent, so dismissing the box never brings
    // it back.
    try {
        ProtocolLog(data_.protocolPath()).recreate(protocol::programHeader(host_.clock.now()));
        lastProtocolFailure_.clear();
    } catch (const std::exception& failure) {
        if (lastProtocolFailure_ != failure.what()) {
            lastProtocolFailure_ = failure.what();
            platform::reportFailure(host_.presenter, failure);
        }
    }
    applyTitleFont();
}

void TForm1::applyTitleFont() {
    registerFont();
    QFont title = Label13->font();
    title.setFamily(kFontName);
    title.setPixelSize(40);
    title.setPointSize(33);
    Label13->setFont(title);
}

void TForm1::registerFont() {
    if (fontTried_) return;
    fontTried_ = true;
    const QString path = qs(host_.environment.programFolder()) + kFontFile;
    // A missing or broken file leaves the title in a substitute font, silently.
    if (QFile::exists(path)) fontId_ = QFontDatabase::addApplicationFont(path);
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (closeDone_) return event->accept();
    if (closing_) return event->ignore(); // already shrinking: its end closes the window
    FormClose();
    // While the window shrinks the close waits; the animation's end closes it.
    if (closeDone_)
        event->accept();
    else
        event->ignore();
}

void TForm1::FormClose() {
    closing_ = true;
    guarded([this] {
        closeAnim_ = IniFile(data_.settingsPath()).readByte(user_, ini::kCloseAnim, ini::kCloseAnimDefault);
    });
    if (closeAnim_ == 1 && !Timer2->isActive()) {
        const QSize size = this->size();
        placeBeforeClose_ = pos();
        // The controls stay where they are while the window shrinks around them.
        layout()->setEnabled(false);
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        // The window's outline is the animation's from now on.
        if (skins_ != nullptr) skins_->stopNonClient(*this);
        setWindowFlag(Qt::FramelessWindowHint, true);
        resize(size);
        show();
        Timer1->stop();
        closeWidth_ = size.width();
        closeHeight_ = size.height();
        closeLeft_ = 0;
        closeTop_ = 0;
        Timer3->start();
        // The shrink gets at most this long; a tall window ends there.
        closeLimit_->start(kCloseAnimationMs);
        return;
    }
    closeDone_ = true;
}

void TForm1::finishClose() {
    Timer3->stop();
    closeLimit_->stop();
    closeDone_ = true;
    close();
}

void TForm1::Timer3Timer() {
    closeWidth_ -= 4;
    closeHeight_ -= 3;
    closeLeft_ += 4;
    closeTop_ += 3;
    if (closeHeight_ <= 0) {
        finishClose();
        return;
    }
    resize(std::max(closeWidth_, 1), closeHeight_);
    // The ellipse's box runs from the insets up to, not including, the far
    // corner; once the insets pass the size the corners swap.
    const QPoint from(std::min(closeLeft_, closeWidth_), std::min(closeTop_, closeHeight_));
    const QPoint to(std::max(closeLeft_, closeWidth_), std::max(closeTop_, closeHeight_));
    setMask(QRegion(QRect(from, QSize(to.x() - from.x(), to.y() - from.y())), QRegion::Ellipse));
}

void TForm1::Delay(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void TForm1::FormDestroy() {
    if (fontId_ >= 0) QFontDatabase::removeApplicationFont(fontId_);
    fontId_ = -1;
    IniFile ini(data_.settingsPath());
    platform::storePlace(ini, ini::kPlaceForm1, QRect(placeBeforeClose_.value_or(pos()), size()));
    for (const char* name : ini::kResultLabels)
        ini.writeString(ini::kTools, name, result(name)->text().toStdString());
    platform::setHidden(data_.settingsPath());
}

void TForm1::UMMymessage() {
    balloon_ = IniFile(data_.settingsPath()).readByte(user_, ini::kBalloon, ini::kBalloonDefault);
}

// ---- timers and small handlers ----------------------------------------------------

void TForm1::ShowTime() { setWindowTitle(qs(mainwindow::clockCaption(host_.clock.now()))); }

void TForm1::Timer2Timer() {
    opacity_ = std::min(opacity_ + 5, 255);
    platform::setOpacityNow(*this, opacity_ / 255.0);
    if (opacity_ >= 255) {
        Timer2->stop();
        Timer1->start();
        if (skins_ != nullptr) {
            skins_->setShowAnimation(true);
            skins_->setHideAnimation(true);
        }
    }
}

void TForm1::Timer4Timer() {
    const auto next = mainwindow::nextLogButtonStep(captionStep_);
    captionStep_ = next.step;
    if (!next.changed) return;
    QPushButton* button = bitBtn("BitBtn7");
    button->setText(qs(next.look.caption));
    QFont f = button->font();
    f.setFamily(qs(next.look.fontName));
    f.setBold(next.look.bold);
    button->setFont(f);
}

void TForm1::Timer5Timer() {
    Timer5->setInterval(700);
    QPushButton* button = bitBtn("BitBtn1");
    button->setText(qs(mainwindow::nextSystemsCaption(button->text().toStdString())));
}

void TForm1::ScrollBar1Change(int position) {
    opacity_ = mainwindow::opacityFor(position);
    platform::setOpacityNow(*this, opacity_ / 255.0);
    setWindowTitle(qs(mainwindow::transparencyCaption(opacity_)));
}

void TForm1::Button5Click() {
    for (const auto name : quickcalc::clearedLabels()) result(std::string(name))->clear();
}

void TForm1::BitBtn3Click() { close(); }

void TForm1::Image1Click() { openTool(Tool::Settings); }

void TForm1::Image2Click() {
    // Whether the viewer starts is not our concern: nothing is reported.
    host_.environment.startDetached("logreader", {});
}

// ---- quick calculations ----------------------------------------------------------

void TForm1::Button1Click() { runRow(static_cast<int>(Row::Square)); }
void TForm1::Button3Click() { runRow(static_cast<int>(Row::Sine)); }
void TForm1::Button4Click() { runRow(static_cast<int>(Row::Cosine)); }
void TForm1::Button13Click() { runRow(static_cast<int>(Row::Tangent)); }
void TForm1::Button6Click() { runRow(static_cast<int>(Row::Quotient)); }
void TForm1::Button7Click() { runRow(static_cast<int>(Row::Product)); }
void TForm1::Button8Click() { runRow(static_cast<int>(Row::Sum)); }
void TForm1::Button9Click() { runRow(static_cast<int>(Row::Difference)); }
void TForm1::Button10Click() { runRow(static_cast<int>(Row::Quadratic)); }

void TForm1::runRow(int rowIndex) {
    const quickcalc::Row row = static_cast<quickcalc::Row>(rowIndex);
    const auto& info = quickcalc::info(row);
    if (!info.blankFirst.empty()) result(std::string(info.blankFirst))->setText(QStringLiteral(" "));
    std::vector<std::string> texts;
    for (const auto field : info.fields) texts.push_back(edit(std::string(field))->text().toStdString());
    const quickcalc::Outcome outcome = quickcalc::run(row, texts, balloon_ != 0);
    if (outcome.report) {
        const char* field = balloonField(row);
        platform::present(host_, *outcome.report, this, field != nullptr ? edit(field) : nullptr);
        return;
    }
    for (const auto& label : outcome.labels) result(label.label)->setText(qs(label.text));
    QGuiApplication::clipboard()->setText(qs(outcome.clipboard));
    ProtocolLog(data_.protocolPath()).append(outcome.protocol);
}

// ---- keys ------------------------------------------------------------------------

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        if (auto* label = qobject_cast<QLabel*>(watched); label && results.count(label->objectName().toStdString())) {
            // Once all ten have their new font (the settings window changes them one by one).
            scheduleFit();
        }
        return false;
    }
    if (watched == Image2 && event->type() == QEvent::MouseButtonRelease) {
        // A click is the left button let go over the picture; the right button,
        // or dragging off the picture before letting go, starts nothing.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && Image2->rect().contains(mouse->position().toPoint()))
            guarded([this] { Image2Click(); });
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        if (auto* field = qobject_cast<QLineEdit*>(watched); field && edits.count(field->objectName().toStdString())) {
            bool swallow = false;
            guarded([&] { swallow = keyPress(field, static_cast<QKeyEvent*>(event)); });
            return swallow;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool TForm1::keyPress(QLineEdit* field, QKeyEvent* key) {
    const keys::FieldKeys* table = keys::mainWindowKeysFor(field->objectName().toStdString());
    if (table == nullptr) return false;
    const auto moveTo = [this](std::string_view target) {
        if (!target.empty()) edit(std::string(target))->setFocus(Qt::OtherFocusReason);
    };
    switch (key->key()) {
    case Qt::Key_Up: moveTo(table->target(keys::Arrow::Up)); return false;
    case Qt::Key_Down: moveTo(table->target(keys::Arrow::Down)); return false;
    case Qt::Key_Left: moveTo(table->target(keys::Arrow::Left)); return false;
    case Qt::Key_Right: moveTo(table->target(keys::Arrow::Right)); return false;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (table->enter == keys::EnterAction::FocusField)
            moveTo(table->enterTarget);
        else if (table->enter == keys::EnterAction::Compute)
            equals.at(std::string(table->enterTarget))->click();
        return false;
    default: break;
    }
    const QString text = key->text();
    if (text.size() != 1) return false;
    const char32_t typed = text.at(0).unicode();
    const keys::KeyVerdict verdict = keys::commaFilter(typed);
    if (!verdict.pass) {
        if (verdict.exclamation) host_.sounds.exclamation();
        return true;
    }
    if (*verdict.pass == typed) return false;
    field->insert(QString(QChar(static_cast<char16_t>(*verdict.pass))));
    return true;
}

} // namespace vy
