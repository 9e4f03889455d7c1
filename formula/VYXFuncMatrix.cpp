// VYXFuncMatrix.cpp: matrix functions, least-squares fits, TRANSPOSE and FREQUENCY.
//
// The evaluator holds single values, not arrays, so the functions whose
// result is an array (MMULT, MINVERSE, TRANSPOSE, FREQUENCY, LINEST, LOGEST,
// TREND, GROWTH) give the array's first element, the value a one-cell array
// formula shows: MMULT row 1 times column 1, MINVERSE the top-left entry of
// the inverse, FREQUENCY the count of the first bin, LINEST and LOGEST the
// coefficient of the last x variable, TREND and GROWTH the fitted value at
// the first new x. Matrices must hold numbers only (#VALUE! otherwise); a
// singular matrix has no inverse (#NUM!).
#include <algorithm>
#include <cmath>

#include "formula/VYXFuncCommon.h"

namespace {

// A dense row-major matrix of an argument.
struct TMatrix {
    int Rows = 0, Cols = 0;
    std::vector<double> V;
    double& At(int r, int c) { return V[static_cast<std::size_t>(r) * Cols + c]; }
    double At(int r, int c) const { return V[static_cast<std::size_t>(r) * Cols + c]; }
};

// The argument as a matrix of numbers; false after pushing #VALUE! (or the error met).
bool ReadMatrix(TValueStack& stack, const TXLSFormulaValue& arg, TMatrix& m)
{
    std::vector<bool> numbers;
    if (!stack.HandleError(XLSArgNumbers(stack, arg, m.V, numbers, &m.Cols)))
        return false;
    m.Rows = XLSArgRows(arg);
    if (std::find(numbers.begin(), numbers.end(), false) != numbers.end())
        return stack.HandleError(errValue);
    return true;
}

// Gaussian elimination with partial pivoting on a square matrix: the
// determinant, and when `rhs` is given the solution of m x = rhs in it.
double Eliminate(TMatrix m, std::vector<double>* rhs)
{
    const int n = m.Rows;
    double det = 1;
    for (int k = 0; k < n; ++k) {
        int pivot = k;
        for (int r = k + 1; r < n; ++r)
            if (std::fabs(m.At(r, k)) > std::fabs(m.At(pivot, k)))
                pivot = r;
        if (m.At(pivot, k) == 0)
            return 0;
        if (pivot != k) {
            for (int c = 0; c < n; ++c)
                std::swap(m.At(k, c), m.At(pivot, c));
            if (rhs)
                std::swap((*rhs)[static_cast<std::size_t>(k)], (*rhs)[static_cast<std::size_t>(pivot)]);
            det = -det;
        }
        det *= m.At(k, k);
        for (int r = k + 1; r < n; ++r) {
            const double f = m.At(r, k) / m.At(k, k);
            if (f == 0)
                continue;
            for (int c = k; c < n; ++c)
                m.At(r, c) -= f * m.At(k, c);
            if (rhs)
                (*rhs)[static_cast<std::size_t>(r)] -= f * (*rhs)[static_cast<std::size_t>(k)];
        }
    }
    if (rhs)
        for (int k = n - 1; k >= 0; --k) {
            double s = (*rhs)[static_cast<std::size_t>(k)];
            for (int c = k + 1; c < n; ++c)
                s -= m.At(k, c) * (*rhs)[static_cast<std::size_t>(c)];
            (*rhs)[static_cast<std::size_t>(k)] = s / m.At(k, k);
        }
    return det;
}

// The one argument as a square matrix; false after pushing an error.
bool ReadSquare(TXLSFuncCall& call, TMatrix& m)
{
    const TXLSFormulaValue* arg = nullptr;
    call.Stack.PopRes(arg);
    return ReadMatrix(call.Stack, *arg, m) && (m.Rows == m.Cols || call.Stack.HandleError(errValue));
}

void DoMDeterm(TXLSFuncCall& call)
{
    TMatrix m;
    if (ReadSquare(call, m))
        XLSPushChecked(call.Stack, Eliminate(m, nullptr));
}

void DoMInverse(TXLSFuncCall& call)
{
    TMatrix m;
    if (!ReadSquare(call, m))
        return;
    // The first column of the inverse solves m x = e1.
    std::vector<double> x(static_cast<std::size_t>(m.Rows), 0);
    x[0] = 1;
    if (Eliminate(m, &x) == 0) {
        call.Stack.SetError(errNum);
        return;
    }
    XLSPushChecked(call.Stack, x[0]);
}

void DoMMult(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    TMatrix a, b;
    if (!ReadMatrix(call.Stack, *args[0], a) || !ReadMatrix(call.Stack, *args[1], b))
        return;
    if (a.Cols != b.Rows) {
        call.Stack.SetError(errValue);
        return;
    }
    double s = 0;
    for (int k = 0; k < a.Cols; ++k)
        s += a.At(0, k) * b.At(k, 0);
    XLSPushChecked(call.Stack, s);
}

void DoTranspose(TXLSFuncCall& call)
{
    const TXLSFormulaValue* arg = nullptr;
    call.Stack.PopRes(arg);
    TXLSFormulaValue first;
    XLSArgCell(call.Stack, *arg, 0, 0, first);
    first.RefType = xfrtNone;
    if (first.ValType == xfvtUnknown)
        first.SetFloat(0);
    call.Stack.PushValue(first);
}

// FREQUENCY(data, bins): the first bin counts the values above the next lower bin up to it.
void DoFrequency(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    std::vector<double> data, bins;
    TXLSCellError err = XLSCollectValues(call.Stack, {&args[0], 1}, xcmNumbers, data);
    if (err == errUnknown)
        err = XLSCollectValues(call.Stack, {&args[1], 1}, xcmNumbers, bins);
    if (!call.Stack.HandleError(err))
        return;
    if (bins.empty()) {
        call.Stack.PushFloat(static_cast<double>(data.size()));
        return;
    }
    const double top = bins[0];
    double below = -HUGE_VAL;
    for (double b : bins)
        if (b < top)
            below = std::max(below, b);
    double count = 0;
    for (double x : data)
        count += x <= top && x > below;
    call.Stack.PushFloat(count);
}

// ---- least squares ---------------------------------------------------------

// Observations of one fit: y and the x variables per observation.
struct TFitData {
    std::vector<double> Y;
    std::vector<std::vector<double>> X;  // X[i] holds observation i's variables
    int Vars = 0;
};

// Reads known_y and known_x (omitted: 1, 2, 3, ...). y as a column makes each
// column of x a variable, y as a row each row; x of y's shape is one variable.
bool ReadFit(TValueStack& stack, const TXLSFormulaValue& yArg, const TXLSFormulaValue* xArg, TFitData& d)
{
    TMatrix y, x;
    if (!ReadMatrix(stack, yArg, y))
        return false;
    d.Y = y.V;
    const std::size_t n = d.Y.size();
    if (!xArg || XLSIsMissing(*xArg)) {
        d.Vars = 1;
        for (std::size_t i = 0; i < n; ++i)
            d.X.push_back({static_cast<double>(i + 1)});
        return true;
    }
    if (!ReadMatrix(stack, *xArg, x))
        return false;
    if (x.Rows * x.Cols == static_cast<int>(n)) {
        d.Vars = 1;
        for (double v : x.V)
            d.X.push_back({v});
    } else if (y.Cols == 1 && x.Rows == y.Rows) {
        d.Vars = x.Cols;
        for (int r = 0; r < x.Rows; ++r)
            d.X.emplace_back(x.V.begin() + r * x.Cols, x.V.begin() + (r + 1) * x.Cols);
    } else if (y.Rows == 1 && x.Cols == y.Cols) {
        d.Vars = x.Rows;
        for (int c = 0; c < x.Cols; ++c) {
            std::vector<double>& row = d.X.emplace_back();
            for (int r = 0; r < x.Rows; ++r)
                row.push_back(x.At(r, c));
        }
    } else {
        return stack.HandleError(errRef);
    }
    return true;
}

// Coefficients b (b[0] the constant, then one per variable) by the normal equations.
bool Solve(const TFitData& d, bool constant, std::vector<double>& b)
{
    const int k = d.Vars + 1;
    if (d.Y.size() < static_cast<std::size_t>(constant ? k : k - 1))
        return false;
    TMatrix m{k, k, std::vector<double>(static_cast<std::size_t>(k * k), 0)};
    b.assign(static_cast<std::size_t>(k), 0);
    for (std::size_t i = 0; i < d.Y.size(); ++i) {
        std::vector<double> row{constant ? 1.0 : 0.0};
        row.insert(row.end(), d.X[i].begin(), d.X[i].end());
        for (int p = 0; p < k; ++p) {
            b[static_cast<std::size_t>(p)] += row[static_cast<std::size_t>(p)] * d.Y[i];
            for (int q = 0; q < k; ++q)
                m.At(p, q) += row[static_cast<std::size_t>(p)] * row[static_cast<std::size_t>(q)];
        }
    }
    if (!constant)
        m.At(0, 0) = 1;  // the constant is held at zero
    return Eliminate(m, &b) != 0 && std::all_of(b.begin(), b.end(), [](double v) { return std::isfinite(v); });
}

// LINEST, LOGEST (Log), TREND and GROWTH (Predict).
template <bool Log, bool Predict>
void DoFit(TXLSFuncCall& call)
{
    const auto args = XLSPopArgs(call);
    bool constant = true;
    const std::size_t constAt = Predict ? 3 : 2;
    if (args.size() > constAt && !XLSIsMissing(*args[constAt]) &&
        !call.Stack.HandleError(call.Stack.GetAsBoolean(*args[constAt], constant)))
        return;
    TFitData d;
    if (!ReadFit(call.Stack, *args[0], args.size() > 1 ? args[1] : nullptr, d))
        return;
    if (Log)
        for (double& y : d.Y) {
            if (y <= 0) {
                call.Stack.SetError(errNum);
                return;
            }
            y = std::log(y);
        }
    std::vector<double> b;
    if (!Solve(d, constant, b)) {
        call.Stack.SetError(errNum);
        return;
    }
    if (!Predict) {
        const double last = b.back();
        XLSPushChecked(call.Stack, Log ? std::exp(last) : last);
        return;
    }
    // The first new observation: the first of new_x, or of known_x.
    std::vector<double> at = d.X.front();
    if (args.size() > 2 && !XLSIsMissing(*args[2])) {
        TMatrix nx;
        if (!ReadMatrix(call.Stack, *args[2], nx))
            return;
        const bool byRow = d.Vars == 1 || nx.Cols == d.Vars;
        at.clear();
        for (int v = 0; v < d.Vars; ++v) {
            if (byRow ? v >= nx.Cols && d.Vars > 1 : v >= nx.Rows) {
                call.Stack.SetError(errRef);
                return;
            }
            at.push_back(byRow ? nx.At(0, v) : nx.At(v, 0));
        }
    }
    double y = b[0];
    for (int v = 0; v < d.Vars; ++v)
        y += b[static_cast<std::size_t>(v) + 1] * at[static_cast<std::size_t>(v)];
    XLSPushChecked(call.Stack, Log ? std::exp(y) : y);
}

const TXLSFuncEntry cMatrixFunctions[] = {
    {"FREQUENCY", DoFrequency},         {"GROWTH", DoFit<true, true>},  {"LINEST", DoFit<false, false>},
    {"LOGEST", DoFit<true, false>},     {"MDETERM", DoMDeterm},         {"MINVERSE", DoMInverse},
    {"MMULT", DoMMult},                 {"TRANSPOSE", DoTranspose},     {"TREND", DoFit<false, true>},
};

}  // namespace

void XLSRegisterMatrixFunctions(TXLSFunctionLibrary& library) { XLSRegisterTable(library, cMatrixFunctions); }
