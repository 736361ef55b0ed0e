// A block of 32-bit pixels: the decoded images and the drawing surfaces share this layout,
// so copying between them is a row of memcpy.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/geometry.h"

// Storage for pixels: a pixel made without a value is left unset, for it is about to be
// written (a decoded image writes each once); large blocks are asked of the system in huge
// pages where it has them, so that an image of megabytes costs a few page faults, not a
// thousand.
template <typename T>
struct CPixelAllocator {
    using value_type = T;
    CPixelAllocator() = default;
    template <typename U>
    CPixelAllocator(const CPixelAllocator<U>&) {}
    T* allocate(std::size_t n);
    void deallocate(T* p, std::size_t n);
    template <typename U, typename... Args>
    void construct(U* p, Args&&... args) {
        if constexpr (sizeof...(Args) == 0)
            ::new (static_cast<void*>(p)) U;
        else
            ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
    template <typename U>
    bool operator==(const CPixelAllocator<U>&) const {
        return true;
    }
    template <typename U>
    bool operator!=(const CPixelAllocator<U>&) const {
        return false;
    }
};

// Huge pages for blocks of this size and more.
void* AllocatePixels(std::size_t bytes);
void FreePixels(void* p, std::size_t bytes);

template <typename T>
T* CPixelAllocator<T>::allocate(std::size_t n) {
    return static_cast<T*>(AllocatePixels(n * sizeof(T)));
}
template <typename T>
void CPixelAllocator<T>::deallocate(T* p, std::size_t n) {
    FreePixels(p, n * sizeof(T));
}

using CPixels = std::vector<Colour, CPixelAllocator<Colour>>;

class CPixmap {
  public:
    CPixmap() = default;
    CPixmap(int width, int height, Colour fill = Rgb(0, 0, 0))
        : m_nWidth(width),
          m_nHeight(height),
          m_nStride(width),
          m_px(std::size_t(width) * height, fill) {}
    // Takes the pixels, width x height of them, row after row.
    CPixmap(int width, int height, CPixels&& pixels)
        : m_nWidth(width), m_nHeight(height), m_nStride(width), m_px(std::move(pixels)) {}
    // Pixels that someone else owns and keeps alive, rows `stride` pixels apart: an image
    // of the window's own, drawn into where it lies.
    CPixmap(Colour* bits, int width, int height, int stride)
        : m_nWidth(width), m_nHeight(height), m_nStride(stride), m_pExternal(bits) {}

    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    int Stride() const { return m_nStride; }  // pixels from one row to the next
    bool IsNull() const { return !m_pExternal && m_px.empty(); }
    Colour Pixel(int x, int y) const { return Row(y)[x]; }
    void SetPixel(int x, int y, Colour c) { Row(y)[x] = c; }
    const Colour* Row(int y) const { return Bits() + std::size_t(y) * m_nStride; }
    Colour* Row(int y) { return Bits() + std::size_t(y) * m_nStride; }
    const Colour* Bits() const { return m_pExternal ? m_pExternal : m_px.data(); }
    Colour* Bits() { return m_pExternal ? m_pExternal : m_px.data(); }

  private:
    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nStride = 0;
    CPixels m_px;
    Colour* m_pExternal = nullptr;
};

// Decodes an uncompressed 4-bit BMP file with its rows stored bottom-up, the one form of the
// program's image set. Returns a null pixmap for any other form and for anything it cannot read.
CPixmap DecodeBmp(const unsigned char* data, std::size_t size);

// Decodes an image drawn at a scale k > 1 in the run form the artwork writes ("SKR1", the
// colours, then runs). Returns a null pixmap for anything that is not exactly that form:
// a run past the end, a colour index past the colours, pixels left uncovered.
CPixmap DecodeRuns(const unsigned char* data, std::size_t size);
