#pragma once
// JPEG pictures through libjpeg's own API, on plain RGB buffers: the plotter
// saves its graph with it and the reference tables read their pictures. No Qt.
//
// libjpeg reports a fatal error by calling an error handler that must not
// return; its default one ends the process. Ours jumps back to the call that
// started the work, which frees the codec and throws JpegError from plain C++
// code, so a bad picture or a codec fault is an ordinary failure.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace vy {

// Pixels row by row from the top, three bytes (red, green, blue) each, no
// padding between rows.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;

    bool valid() const
    {
        return width > 0 && height > 0 &&
               pixels.size() == static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3;
    }
};

// A picture that libjpeg could not encode or decode, with libjpeg's own text
// ("Not a JPEG file: starts with 0x42 0x4d").
class JpegError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// quality 1..100 (libjpeg's scale); baseline, 4:2:0 as libjpeg sets by default.
std::vector<std::uint8_t> EncodeJpeg(const RgbImage& image, int quality);
// Any baseline or progressive JPEG in grey or colour, converted to RGB.
RgbImage DecodeJpeg(const std::uint8_t* data, std::size_t size);

// Writes the file as one whole (core/wholefile.h); a file that cannot be
// written throws FileCreateFailure.
void WriteJpegFile(const std::string& path, const RgbImage& image, int quality);
// A file that cannot be read throws FileFailure; one that is no JPEG, JpegError.
RgbImage ReadJpegFile(const std::string& path);

} // namespace vy
