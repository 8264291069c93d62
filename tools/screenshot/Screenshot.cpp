#include "tools/screenshot/Screenshot.h"

#include <shlwapi.h>
#include <wincodec.h>
#include <wrl/client.h>

#include "platform/win32/Gdi.h"

using Microsoft::WRL::ComPtr;

namespace {

// A window's device context (the screen's for no window), given back when it goes.
class WindowDC : public CDC {
public:
    explicit WindowDC(HWND window) : CDC(GetDC(window)), m_window(window) { }
    ~WindowDC() override { ReleaseDC(m_window, Detach()); }

private:
    HWND m_window;
};

} // namespace

ScreenPicture::ScreenPicture(const RECT& area, HWND window)
{
    if (IsRectEmpty(&area))
        return;
    m_width = area.right - area.left;
    m_height = area.bottom - area.top;
    m_stride = (m_width * 3 + 3) & ~3;
    m_pixels.resize(static_cast<size_t>(m_stride) * static_cast<size_t>(m_height));
    const WindowDC source(window);
    CDC memory;
    CBitmap bitmap;
    if (!memory.CreateCompatibleDC(source) || !bitmap.CreateCompatibleBitmap(source, m_width, m_height))
        return;
    {
        const CSelection selected(memory, bitmap);
        memory.BitBlt(0, 0, m_width, m_height, source, area.left, area.top, SRCCOPY | CAPTUREBLT);
    }
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, m_width, -m_height, 1, 24, BI_RGB, 0, 0, 0, 0, 0}; // top-down
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(m_height), m_pixels.data(), &info, DIB_RGB_COLORS);
}

COLORREF ScreenPicture::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return CLR_INVALID;
    const BYTE* pixel = &m_pixels[static_cast<size_t>(y) * static_cast<size_t>(m_stride) + static_cast<size_t>(x) * 3];
    return RGB(pixel[2], pixel[1], pixel[0]);
}

HRESULT ScreenPicture::SavePng(const std::string& path) const
{
    // COM for this call, unless the thread has it already.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    HRESULT result = S_OK;
    {
        ComPtr<IWICImagingFactory> factory;
        ComPtr<IStream> file;
        ComPtr<IWICBitmapEncoder> encoder;
        ComPtr<IWICBitmapFrameEncode> frame;
        WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
        result = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory));
        if (SUCCEEDED(result))
            result = SHCreateStreamOnFileA(path.c_str(), STGM_CREATE | STGM_WRITE, &file);
        if (SUCCEEDED(result))
            result = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder);
        if (SUCCEEDED(result))
            result = encoder->Initialize(file.Get(), WICBitmapEncoderNoCache);
        if (SUCCEEDED(result))
            result = encoder->CreateNewFrame(&frame, nullptr);
        if (SUCCEEDED(result))
            result = frame->Initialize(nullptr);
        if (SUCCEEDED(result))
            result = frame->SetSize(static_cast<UINT>(m_width), static_cast<UINT>(m_height));
        if (SUCCEEDED(result))
            result = frame->SetPixelFormat(&format);
        if (SUCCEEDED(result) && !IsEqualGUID(format, GUID_WICPixelFormat24bppBGR))
            result = WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT;
        if (SUCCEEDED(result))
            result = frame->WritePixels(static_cast<UINT>(m_height), static_cast<UINT>(m_stride),
                static_cast<UINT>(m_pixels.size()), const_cast<BYTE*>(m_pixels.data()));
        if (SUCCEEDED(result))
            result = frame->Commit();
        if (SUCCEEDED(result))
            result = encoder->Commit();
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    return result;
}
