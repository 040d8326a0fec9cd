#include "analysis/member_matrices.h"

namespace spanlyx {
namespace {

// The products below skip zero factors: T is mostly zeros and BK half zeros, and in extended
// precision the arithmetic is not vectorised.

// Fills the lower triangle from the upper one.
template <class T>
void mirror(Matrix6Of<T>& m) {
    for (std::size_t r = 0; r < 6; ++r) {
        for (std::size_t c = r + 1; c < 6; ++c)
            m[c][r] = m[r][c];
    }
}

template <class T>
Matrix6Of<T> multiply(const Matrix6Of<T>& a, const Matrix6Of<T>& b) {
    Matrix6Of<T> out{};
    for (std::size_t r = 0; r < 6; ++r) {
        for (std::size_t k = 0; k < 6; ++k) {
            if (a[r][k] == 0)
                continue;
            for (std::size_t c = 0; c < 6; ++c)
                out[r][c] += a[r][k] * b[k][c];
        }
    }
    return out;
}

}  // namespace

template <class T>
Matrix6Of<T> mstiffl(T e, T a, T i, T l, Release release) {
    Matrix6Of<T> bk{};
    const T axial = e * a / l;
    bk[0][0] = axial;
    bk[3][3] = axial;
    bk[0][3] = -axial;

    const T z = e * i / (l * l * l);
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

template <class T>
Vector6Of<T> stiffness_forces(T e, T a, T i, T l, Release release, const Vector6Of<T>& u) {
    Vector6Of<T> f{};
    f[0] = e * a / l * (u[0] - u[3]);
    f[3] = -f[0];

    // End rotations less the chord rotation: what bends the member.
    const T chord = (u[4] - u[1]) / l;
    const T bend_start = u[2] - chord;
    const T bend_end = u[5] - chord;
    const T k = e * i / l;
    T m_start = 0;
    T m_end = 0;
    switch (release) {
        case Release::None:
            m_start = k * (4 * bend_start + 2 * bend_end);
            m_end = k * (2 * bend_start + 4 * bend_end);
            break;
        case Release::Left:
            m_end = 3 * k * bend_end;
            break;
        case Release::Right:
            m_start = 3 * k * bend_start;
            break;
        case Release::Both:
            break;
    }
    f[1] = (m_start + m_end) / l;
    f[4] = -f[1];
    f[2] = m_start;
    f[5] = m_end;
    return f;
}

template <class T>
Matrix6Of<T> mtrans(T cos, T sin) {
    Matrix6Of<T> t{};
    for (std::size_t end = 0; end < 6; end += 3) {
        t[end][end] = cos;
        t[end][end + 1] = sin;
        t[end + 1][end] = -sin;
        t[end + 1][end + 1] = cos;
        t[end + 2][end + 2] = 1;
    }
    return t;
}

template <class T>
Matrix6Of<T> mstiffg(const Matrix6Of<T>& bk, const Matrix6Of<T>& t) {
    const Matrix6Of<T> bk_t = multiply(bk, t);
    Matrix6Of<T> gk{};
    for (std::size_t r = 0; r < 6; ++r) {
        for (std::size_t k = 0; k < 6; ++k) {
            if (t[k][r] == 0)
                continue;
            for (std::size_t c = 0; c < 6; ++c)
                gk[r][c] += t[k][r] * bk_t[k][c];
        }
    }
    return gk;
}

template <class T>
Vector6Of<T> multiply(const Matrix6Of<T>& m, const Vector6Of<T>& v) {
    Vector6Of<T> out{};
    for (std::size_t r = 0; r < 6; ++r) {
        for (std::size_t c = 0; c < 6; ++c) {
            if (m[r][c] != 0)
                out[r] += m[r][c] * v[c];
        }
    }
    return out;
}

template <class T>
Vector6Of<T> multiply_transposed(const Matrix6Of<T>& m, const Vector6Of<T>& v) {
    Vector6Of<T> out{};
    for (std::size_t r = 0; r < 6; ++r) {
        for (std::size_t c = 0; c < 6; ++c) {
            if (m[c][r] != 0)
                out[r] += m[c][r] * v[c];
        }
    }
    return out;
}

#define SPANLYX_MEMBER_MATRICES(T)                                                    \
    template Matrix6Of<T> mstiffl(T, T, T, T, Release);                               \
    template Vector6Of<T> stiffness_forces(T, T, T, T, Release, const Vector6Of<T>&); \
    template Matrix6Of<T> mtrans(T, T);                                               \
    template Matrix6Of<T> mstiffg(const Matrix6Of<T>&, const Matrix6Of<T>&);          \
    template Vector6Of<T> multiply(const Matrix6Of<T>&, const Vector6Of<T>&);         \
    template Vector6Of<T> multiply_transposed(const Matrix6Of<T>&, const Vector6Of<T>&);
SPANLYX_MEMBER_MATRICES(double)
SPANLYX_MEMBER_MATRICES(long double)
#undef SPANLYX_MEMBER_MATRICES

}  // namespace spanlyx
