#include "render/ProjectionMatrix.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

void IdentityMatrix(double m[16])
{
    std::fill(m, m + 16, 0.0);
    m[0] = m[5] = m[10] = m[15] = 1.0;
}

void OrthoMatrix(double m[16], double l, double r, double b, double t, double n, double f)
{
    IdentityMatrix(m);
    m[0] = 2.0 / (r - l);
    m[5] = 2.0 / (t - b);
    m[10] = -2.0 / (f - n);
    m[12] = -(r + l) / (r - l);
    m[13] = -(t + b) / (t - b);
    m[14] = -(f + n) / (f - n);
}

void FrustumMatrix(double m[16], double l, double r, double b, double t, double n, double f)
{
    std::fill(m, m + 16, 0.0);
    m[0] = 2.0 * n / (r - l);
    m[5] = 2.0 * n / (t - b);
    m[8] = (r + l) / (r - l);
    m[9] = (t + b) / (t - b);
    m[10] = -(f + n) / (f - n);
    m[11] = -1.0;
    m[14] = -2.0 * f * n / (f - n);
}

void LoadViewMatrices(const int viewport[4], const double projection[16], const double modelview[16])
{
    glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixd(projection);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixd(modelview);
}

void MultiplyMatrix(const double a[16], const double b[16], double out[16])
{
    double r[16];
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k) sum += a[k * 4 + row] * b[col * 4 + k];
            r[col * 4 + row] = sum;
        }
    std::copy(r, r + 16, out);
}

void TranslationMatrix(double m[16], double x, double y, double z)
{
    IdentityMatrix(m);
    m[12] = x;
    m[13] = y;
    m[14] = z;
}

void RotationMatrix(double m[16], double angle, double x, double y, double z)
{
    IdentityMatrix(m);
    const double len = std::sqrt(x * x + y * y + z * z);
    if (len == 0.0) return;
    x /= len;
    y /= len;
    z /= len;
    const double a = angle * M_PI / 180.0;
    const double c = std::cos(a), s = std::sin(a), t = 1.0 - c;
    m[0] = x * x * t + c;
    m[1] = y * x * t + z * s;
    m[2] = x * z * t - y * s;
    m[4] = x * y * t - z * s;
    m[5] = y * y * t + c;
    m[6] = y * z * t + x * s;
    m[8] = x * z * t + y * s;
    m[9] = y * z * t - x * s;
    m[10] = z * z * t + c;
}

void ScaleMatrix(double m[16], double x, double y, double z)
{
    IdentityMatrix(m);
    m[0] = x;
    m[5] = y;
    m[10] = z;
}
