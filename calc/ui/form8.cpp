#include "calc/ui/form8.h"

#include "calc/numberprops.h"
#include "core/keyfilters.h"
#include "core/numtext.h"
#include "platform/qt/hatch.h"
#include "platform/qt/keyfilter.h"
#include "platform/qt/presenter.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vy {

TForm8::TForm8(platform::Host host, DataFolder data, QWidget* parent)
    : ToolWindow(host, std::move(data),
                 {"TForm8", QStringLiteral("Операции с числами"), QSize(421, 143), &ini::kPlaceForm8}, parent)
{
    buildControls();
}

void TForm8::buildControls()
{
    GroupBox1 = place<QGroupBox>(this, "GroupBox1", {4, 2, 120, 60});
    Label1 = place<QLabel>(GroupBox1, "Label1", {8, 14, 104, 16}, QStringLiteral("Введите число"));
    Edit1 = place<QLineEdit>(GroupBox1, "Edit1", {8, 32, 104, 21}, QStringLiteral("1"));
    BitBtn1 = place<QPushButton>(this, "BitBtn1", {4, 66, 120, 26}, QStringLiteral("Проверить"));

    GroupBox3 = place<QGroupBox>(this, "GroupBox3", {128, 2, 120, 60});
    Label3 = place<QLabel>(GroupBox3, "Label3", {8, 14, 104, 16}, QStringLiteral("Введите числа"));
    Edit2 = place<QLineEdit>(GroupBox3, "Edit2", {8, 32, 50, 21}, QStringLiteral("1"));
    Edit3 = place<QLineEdit>(GroupBox3, "Edit3", {62, 32, 50, 21}, QStringLiteral("1"));
    Button1 = place<QPushButton>(this, "Button1", {128, 66, 120, 26}, QStringLiteral("Вычислить НОД"));

    GroupBox2 = place<QGroupBox>(this, "GroupBox2", {4, 96, 249, 44});
    Label2 = place<QLabel>(GroupBox2, "Label2", {0, 18, 0, 16});
    Label2->setTextFormat(Qt::PlainText);

    GroupBox4 = place<QGroupBox>(this, "GroupBox4", {252, 2, 112, 90});
    Label5 = place<QLabel>(GroupBox4, "Label5", {6, 6, 100, 54},
                           QStringLiteral("Разложить на простые множители число:"));
    Label5->setWordWrap(true);
    Edit4 = place<QLineEdit>(GroupBox4, "Edit4", {6, 60, 100, 21}, QStringLiteral("1"));
    BitBtn2 = place<QPushButton>(this, "BitBtn2", {258, 104, 100, 26}, QStringLiteral("Разложить"));

    // Fixed size: a column longer or wider than this is cut off. The small
    // font fits a four-digit line such as "1000 | 2" in its width.
    Label4 = place<QLabel>(this, "Label4", {368, 7, 49, 129});
    QFont column = Label4->font();
    column.setPixelSize(11);
    Label4->setFont(column);
    Label4->setWordWrap(true);
    Label4->setTextFormat(Qt::PlainText);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label4->setAutoFillBackground(true);

    for (QGroupBox* group : {GroupBox1, GroupBox2, GroupBox3, GroupBox4})
        group->setAutoFillBackground(true);
    for (QLineEdit* field : {Edit1, Edit2, Edit3, Edit4})
        platform::filterKeys(field, keys::wholeNumberFilter, host().sounds);

    connectGuarded(BitBtn1, &QPushButton::clicked, &TForm8::BitBtn1Click);
    connectGuarded(Button1, &QPushButton::clicked, &TForm8::Button1Click);
    connectGuarded(BitBtn2, &QPushButton::clicked, &TForm8::BitBtn2Click);
}

void TForm8::paintEvent(QPaintEvent*) { platform::paintHatch(*this, Qt::BDiagPattern, QColor(0, 255, 0)); }

template <class Answer>
void TForm8::answerFor(std::initializer_list<QLineEdit*> fields, Answer&& answer)
{
    try {
        answer();
    } catch (const calc::NegativeNumber& negative) {
        // Every field has been read by now: the balloon points at the first
        // that holds a negative number.
        const QLineEdit* field = *fields.begin();
        for (const QLineEdit* candidate : fields)
            if (candidate->text().startsWith(QLatin1Char('-'))) {
                field = candidate;
                break;
            }
        Report box{Presentation::InformationDialog, negative.what(), {}, Icon::None, true};
        report(inputReport(balloonWanted(), std::move(box), negative.what()), field);
    }
}

void TForm8::showAnswer(const std::string& text)
{
    Label2->setText(QString::fromStdString(text));
    Label2->adjustSize();
    Label2->move((GroupBox2->width() - Label2->width()) / 2, Label2->y());
}

void TForm8::BitBtn1Click()
{
    answerFor({Edit1}, [this] { showAnswer(calc::PrimeText(Edit1->text().toStdString())); });
}

void TForm8::Button1Click()
{
    answerFor({Edit2, Edit3}, [this] {
        showAnswer(calc::GcdText(Edit2->text().toStdString(), Edit3->text().toStdString()));
    });
}

void TForm8::BitBtn2Click()
{
    answerFor({Edit4}, [this] {
        const std::string column = calc::FactorText(StrToInt(Edit4->text().toStdString()));
        Label4->setText(platform::messageText(column));
    });
}

} // namespace vy
