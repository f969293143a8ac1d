#pragma once
// "Решение системы уравнений": three equations in a, b, c (upper half) and four
// in a, b, c, d (lower half), each with its fields, an "=" button, a preview
// that writes the equations out as they are typed and an answer. The
// three-equation solve records its steps in the protocol.
#include "linalg/systems34.h"
#include "platform/qt/toolwindow.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vy {

class TForm4 : public ToolWindow {
    Q_OBJECT
public:
    TForm4(platform::Host host, DataFolder data, QWidget* parent = nullptr);

    void BitBtn1Click(); // "=" of three unknowns
    void BitBtn2Click(); // "=" of four unknowns

protected:
    void FormActivate() override;
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The "=" button, the preview and the answer of one half.
    struct OutputNames {
        const char *button, *equations, *preview, *result, *answer;
    };
    struct Outputs {
        QPushButton** button;
        QGroupBox** equations;
        QLabel** preview;
        QGroupBox** result;
        QLabel** answer;
    };
    void buildControls();
    void buildOutputs(int top, int height, const OutputNames& names, const Outputs& outputs);
    QLineEdit* field(QWidget* parent, int number, QRect geometry, const char* text);
    ThreeTexts threeTexts() const;
    FourTexts fourTexts() const;
    void ThreePreviewChange();
    void FourPreviewChange();
    void moveFocus(int from, FieldMove move);
    int fieldNumber(const QObject* object) const;

    // Edit1 .. Edit32 by number; [0] is unused.
    std::array<QLineEdit*, 33> edits_{};

    QLabel* Label1 = nullptr;         // the title
    QGroupBox* GroupBox1 = nullptr;   // "Ввод индексов", three unknowns
    QGroupBox* GroupBox2 = nullptr;   // "Уравнение", three unknowns
    QGroupBox* GroupBox3 = nullptr;   // "Ответ", three unknowns
    QGroupBox* GroupBox4 = nullptr;   // "Ввод индексов", four unknowns
    QGroupBox* GroupBox5 = nullptr;   // "Уравнение", four unknowns
    QGroupBox* GroupBox6 = nullptr;   // "Ответ", four unknowns
    QPushButton* BitBtn1 = nullptr;   // "=" of three unknowns
    QPushButton* BitBtn2 = nullptr;   // "=" of four unknowns
    QLabel* Label3 = nullptr;         // preview, three unknowns
    QLabel* Label6 = nullptr;         // answer, three unknowns
    QLabel* Label8 = nullptr;         // preview, four unknowns
    QLabel* Label7 = nullptr;         // answer, four unknowns
};

} // namespace vy
