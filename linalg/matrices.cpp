#include "linalg/matrices.h"

#include "core/numtext.h"
#include "core/rangefail.h"

#include <algorithm>

namespace vy {

const std::array<MatrixOperation, 7>& MatrixOperations()
{
    // The Cyrillic А, В and х throughout, except the Latin B and A of the
    // product B.A and the Latin A of the rank's title.
    static const std::array<MatrixOperation, 7> table = {{
        {"Определитель А ", "Определитель матрицы А", true},
        {"Транспонирование А ", "Транспонирование матрицы А", false},
        {"А + В ", "Сумма матриц А и В", false},
        {"А - В ", "Разность матриц А и В", false},
        {"А х В ", "Произведение матриц А и В", false},
        {"B х A ", "Произведение матриц B и A", false},
        {"Ранг А", "Ранг матрицы A", true},
    }};
    return table;
}

void RunMatrixOperation(int index, const TMatrix& A, const TMatrix& B, TMatrix& C, double& number,
                        const MessageSink& sink)
{
    switch (index) {
    case 0: number = DetMatrix(A, sink); break;
    case 1: TransMatrix(A, C); break;
    case 2: SumMatrix(A, B, C, sink); break;
    case 3: SubMatrix(A, B, C, sink); break;
    // Stored transposed: B.A in memory is (A.B) as seen, and the other way round.
    case 4: MultMatrix(B, A, C, sink); break;
    case 5: MultMatrix(A, B, C, sink); break;
    default: break;
    }
}

std::string NumberAnswer(int index, double number)
{
    return std::string(MatrixOperations().at(static_cast<std::size_t>(index)).title) + "= " + FloatToStr(number);
}

namespace {

std::optional<int> wholeNumber(const std::string& text)
{
    try {
        return StrToInt(text);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

} // namespace

std::variant<MatrixSizes, Report> ReadMatrixSizes(bool square, const std::string& edit1, const std::string& edit2,
                                                  const std::string& edit3)
{
    const Report refusal =
        square ? messageBoxReport("Количетво столбцов неверно", "Вычислица", Icon::Information, true)
               : messageBoxReport("Параметры матрицы заданы неверно", "Вычислица", Icon::Warning, true);
    const std::optional<int> n = wholeNumber(edit1);
    const std::optional<int> rowsB = square ? n : wholeNumber(edit2);
    const std::optional<int> colsA = square ? n : wholeNumber(edit3);
    if (!n || !rowsB || !colsA || std::max({*n, *rowsB, *colsA}) > kMaxMatrixSize)
        return refusal;
    if (*n < 0)
        throw RangeFailure();
    return MatrixSizes{*n, std::max(*colsA, 0), std::max(*rowsB, 0)};
}

std::variant<TMatrix, GridCell> ReadGrid(int n, const std::function<std::string(int col, int row)>& text)
{
    TMatrix m(static_cast<std::size_t>(std::max(n, 0)), static_cast<std::size_t>(std::max(n, 0)));
    for (int c = 1; c <= n; ++c) {
        for (int r = 1; r <= n; ++r) {
            const std::optional<double> v = TryStrToFloat(text(c, r));
            if (!v)
                return GridCell{c, r};
            m[static_cast<std::size_t>(c - 1)][static_cast<std::size_t>(r - 1)] = *v;
        }
    }
    return m;
}

Report BadCellInA() { return plainReport("Неверный формат числа,\rИсправьте ошибку в матрице А"); }

Report BadCellInB() { return messageBoxReport("Неверный формат числа", "Исправьте ошибку в матрице В", Icon::Error); }

Report RankFailed() { return messageBoxReport("Ошибка", "Error", Icon::Error); }

} // namespace vy
