#pragma once
// The projection matrices of OpenGL's glOrtho and glFrustum, computed into column-major arrays so
// the views can keep and test their projections without a GL context.

void IdentityMatrix(double m[16]);

// glOrtho(l, r, b, t, n, f).
void OrthoMatrix(double m[16], double l, double r, double b, double t, double n, double f);

// glFrustum(l, r, b, t, n, f).
void FrustumMatrix(double m[16], double l, double r, double b, double t, double n, double f);

// Loads a viewport and the two matrices into the current GL context, leaving the modelview
// matrix the current one.
void LoadViewMatrices(const int viewport[4], const double projection[16], const double modelview[16]);

// out = a x b (column-major, as OpenGL multiplies a matrix onto the current one).
void MultiplyMatrix(const double a[16], const double b[16], double out[16]);
// The matrices of glTranslated, glRotated (angle in degrees about the axis) and glScaled.
void TranslationMatrix(double m[16], double x, double y, double z);
void RotationMatrix(double m[16], double angle, double x, double y, double z);
void ScaleMatrix(double m[16], double x, double y, double z);
