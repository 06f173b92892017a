#pragma once
// A point of the device geometry: layer corners, contact outlines, taper edges, mesh vertices.

struct CPoint3f {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    CPoint3f() = default;
    CPoint3f(float px, float py, float pz) : x(px), y(py), z(pz) {}
};
