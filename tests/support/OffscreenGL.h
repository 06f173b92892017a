#pragma once
// An offscreen OpenGL compatibility context for drawing tests and benchmarks: EGL on Mesa's
// surfaceless platform with a pbuffer, so legacy immediate mode runs without any display.
// Header-only so that both the GL tests and the benchmarks can use it.

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class COffscreenGL {
public:
    // stencilBits: the least stencil depth; 0 takes a configuration without a stencil buffer where
    // there is one, as the views' windows have.
    COffscreenGL(int width, int height, int stencilBits = 8) : m_width(width), m_height(height)
    {
        Create(stencilBits);
    }
    ~COffscreenGL() { Destroy(); }
    COffscreenGL(const COffscreenGL&) = delete;
    COffscreenGL& operator=(const COffscreenGL&) = delete;

    bool IsValid() const { return m_context != EGL_NO_CONTEXT; }
    const std::string& Error() const { return m_error; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    bool MakeCurrent() { return eglMakeCurrent(m_display, m_surface, m_surface, m_context) == EGL_TRUE; }

    // One pixel in GL window coordinates (origin at the lower-left corner).
    std::array<uint8_t, 3> Pixel(int x, int y) const
    {
        uint8_t rgba[4] = {0, 0, 0, 0};
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        return {rgba[0], rgba[1], rgba[2]};
    }
    // One pixel in window coordinates with the origin at the upper-left corner, as the views use.
    std::array<uint8_t, 3> ClientPixel(int x, int y) const { return Pixel(x, m_height - 1 - y); }

    // The whole frame as RGB rows, bottom row first.
    std::vector<uint8_t> ReadFrame() const
    {
        std::vector<uint8_t> rgb(size_t(m_width) * m_height * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, m_width, m_height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
        return rgb;
    }

private:
    void Create(int stencilBits)
    {
        auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
            eglGetProcAddress("eglGetPlatformDisplayEXT"));
        if (!getPlatformDisplay) return Fail("eglGetPlatformDisplayEXT is not available");
        m_display = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
        if (m_display == EGL_NO_DISPLAY) return Fail("no surfaceless EGL display");
        if (!eglInitialize(m_display, nullptr, nullptr)) return Fail("eglInitialize failed");
        m_initialized = true;
        if (!eglBindAPI(EGL_OPENGL_API)) return Fail("eglBindAPI(EGL_OPENGL_API) failed");

        const EGLint configAttribs[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT,
                                        EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,
                                        EGL_RED_SIZE, 8, EGL_GREEN_SIZE, 8, EGL_BLUE_SIZE, 8,
                                        EGL_DEPTH_SIZE, 24, EGL_STENCIL_SIZE, stencilBits,
                                        EGL_NONE};
        EGLConfig config = nullptr;
        EGLint count = 0;
        if (!eglChooseConfig(m_display, configAttribs, &config, 1, &count) || count < 1)
            return Fail("no pbuffer config with OpenGL, depth and the stencil asked for");

        const EGLint surfaceAttribs[] = {EGL_WIDTH, m_width, EGL_HEIGHT, m_height, EGL_NONE};
        m_surface = eglCreatePbufferSurface(m_display, config, surfaceAttribs);
        if (m_surface == EGL_NO_SURFACE) return Fail("eglCreatePbufferSurface failed");

        const EGLint contextAttribs[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                         EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT, EGL_NONE};
        m_context = eglCreateContext(m_display, config, EGL_NO_CONTEXT, contextAttribs);
        if (m_context == EGL_NO_CONTEXT) return Fail("eglCreateContext failed");
        if (!MakeCurrent()) {
            eglDestroyContext(m_display, m_context);
            m_context = EGL_NO_CONTEXT;
            return Fail("eglMakeCurrent failed");
        }
        glViewport(0, 0, m_width, m_height);
    }

    void Fail(const char* what) { m_error = what; }

    void Destroy()
    {
        if (!m_initialized) return;
        eglMakeCurrent(m_display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        if (m_context != EGL_NO_CONTEXT) eglDestroyContext(m_display, m_context);
        if (m_surface != EGL_NO_SURFACE) eglDestroySurface(m_display, m_surface);
        eglTerminate(m_display);
    }

    int m_width;
    int m_height;
    EGLDisplay m_display = EGL_NO_DISPLAY;
    EGLSurface m_surface = EGL_NO_SURFACE;
    EGLContext m_context = EGL_NO_CONTEXT;
    bool m_initialized = false;
    std::string m_error;
};
