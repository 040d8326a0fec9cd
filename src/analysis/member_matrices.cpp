#include "analysis/member_matrices.h"

namespace spanlyx {
namespace {

// Fills the lower triangle from the upper one.
void mirror(Matrix6& m) {
    for (std::size_t r = 0; r < 6; ++r) {
        for (std::size_t c = r + 1; c < 6; ++c)
            m[c][r] = m[r][c];
    }
}

Matrix6 multiply(const Matrix6& a, const Matrix6& b) {
    Matrix6 out{};
    for (std::size_t r = 0; r < 6; ++r) {
        for (std::size_t c = 0; c < 6; ++c) {
            for (std::size_t k = 0; k < 6; ++k)
                out[r][c] += a[r][k] * b[k][c];
        }
    }
    return out;
}

}  // namespace

Matrix6 mstiffl(double e, double a, double i, double l, Release release) {
    Matrix6 bk{};
    const double axial = e * a / l;
    bk[0][0] = axial;
    bk[3][3] = axial;
    bk[0][3] = -axial;

    const double z = e * i / (l * l * l);
    switch (release) {
        case Release::None:
            bk[1][1] = 12 * z;
            bk[1][2] = 6 * z * l;
            bk[1][4] = -12 * z;
            bk[1][5] = 6 * z * l;
            bk[2][2] = 4 * z * l * l;
            bk[2][4] = -6 * z * l;
            bk[2][5] = 2 * z * l * l;
            bk[4][4] = 12 * z;
            bk[4][5] = -6 * z * l;
            bk[5][5] = 4 * z * l * l;
            break;
        case Release::Left:  // no moment at the start: row and column 2 stay empty
            bk[1][1] = 3 * z;
            bk[1][4] = -3 * z;
            bk[1][5] = 3 * z * l;
            bk[4][4] = 3 * z;
            bk[4][5] = -3 * z * l;
            bk[5][5] = 3 * z * l * l;
            break;
        case Release::Right:  // no moment at the end: row and column 5 stay empty
            bk[1][1] = 3 * z;
            bk[1][2] = 3 * z * l;
            bk[1][4] = -3 * z;
            bk[2][2] = 3 * z * l * l;
            bk[2][4] = -3 * z * l;
            bk[4][4] = 3 * z;
            break;
        case Release::Both:  // a link: no bending stiffness at all
            break;
    }
    mirror(bk);
    return bk;
}

Matrix6 mtrans(double cos, double sin) {
    Matrix6 t{};
    for (std::size_t end = 0; end < 6; end += 3) {
        t[end][end] = cos;
        t[end][end + 1] = sin;
        t[end + 1][end] = -sin;
        t[end + 1][end + 1] = cos;
        t[end + 2][end + 2] = 1;
    }
    return t;
}

Matrix6 mstiffg(const Matrix6& bk, const Matrix6& t) {
    const Matrix6 bk_t = multiply(bk, t);
    Matrix6 gk{};
    for (std::size_t r = 0; r < 6; ++r) {
        for (std::size_t c = 0; c < 6; ++c) {
            for (std::size_t k = 0; k < 6; ++k)
                gk[r][c] += t[k][r] * bk_t[k][c];
        }
    }
    return gk;
}

Vector6 multiply(const Matrix6& m, const Vector6& v) {
    Vector6 out{};
    for (std::size_t r = 0; r < 6; ++r) {
        for (std::size_t c = 0; c < 6; ++c)
            out[r] += m[r][c] * v[c];
    }
    return out;
}

Vector6 multiply_transposed(const Matrix6& m, const Vector6& v) {
    Vector6 out{};
    for (std::size_t r = 0; r < 6; ++r) {
        for (std::size_t c = 0; c < 6; ++c)
            out[r] += m[c][r] * v[c];
    }
    return out;
}

}  // namespace spanlyx
