#include "platform/jpegfile.h"

#include "core/filefail.h"
#include "core/wholefile.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

#include <jerror.h>
#include <jpeglib.h>

namespace vy {

namespace {

// The error manager libjpeg calls; escape is where a fatal error jumps to.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf escape;
    char message[JMSG_LENGTH_MAX];
};

extern "C" {
static void jumpOnError(j_common_ptr info)
{
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->escape, 1);
}

// Warnings (a corrupt but readable picture) are not printed on the console.
static void keepQuiet(j_common_ptr) {}
}

// A destination that grows a malloc'ed buffer. The buffer always stays in
// buffer, also when an error jumps out halfway, so the caller frees it.
struct GrowingDestination {
    jpeg_destination_mgr pub;
    unsigned char* buffer;
    std::size_t capacity;
};

extern "C" {
static void startDestination(j_compress_ptr info)
{
    auto* dest = reinterpret_cast<GrowingDestination*>(info->dest);
    dest->pub.next_output_byte = dest->buffer;
    dest->pub.free_in_buffer = dest->capacity;
}

static boolean growDestination(j_compress_ptr info)
{
    auto* dest = reinterpret_cast<GrowingDestination*>(info->dest);
    const std::size_t used = dest->capacity;
    void* grown = std::realloc(dest->buffer, used * 2);
    if (grown == nullptr) {
        info->err->msg_code = JERR_OUT_OF_MEMORY;
        (*info->err->error_exit)(reinterpret_cast<j_common_ptr>(info));
    }
    dest->buffer = static_cast<unsigned char*>(grown);
    dest->capacity = used * 2;
    dest->pub.next_output_byte = dest->buffer + used;
    dest->pub.free_in_buffer = dest->capacity - used;
    return TRUE;
}

static void endDestination(j_compress_ptr) {}
}

void installHandler(ErrorManager& manager)
{
    jpeg_std_error(&manager.pub);
    manager.pub.error_exit = jumpOnError;
    manager.pub.output_message = keepQuiet;
    manager.message[0] = '\0';
}

// Pictures beyond this many pixels are refused rather than allocated.
constexpr std::size_t kMaxPixels = std::size_t{1} << 26;

// The two functions below hold only plain data in their frames and call no
// C++ code that could throw between setjmp and the end of the codec's work,
// so the jump back from libjpeg skips no destructor.

// dest.buffer must hold a malloc'ed buffer of dest.capacity bytes; the caller
// frees it, whatever the outcome. On success size is the length of the picture.
bool encode(const RgbImage& image, int quality, GrowingDestination& dest, std::size_t& size, char* message)
{
    jpeg_compress_struct info;
    ErrorManager errors;
    info.err = &errors.pub;
    installHandler(errors);
    if (setjmp(errors.escape)) {
        std::memcpy(message, errors.message, JMSG_LENGTH_MAX);
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    dest.pub.init_destination = startDestination;
    dest.pub.empty_output_buffer = growDestination;
    dest.pub.term_destination = endDestination;
    info.dest = &dest.pub;
    info.image_width = static_cast<JDIMENSION>(image.width);
    info.image_height = static_cast<JDIMENSION>(image.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    const std::size_t stride = static_cast<std::size_t>(image.width) * 3;
    while (info.next_scanline < info.image_height) {
        // libjpeg takes rows as non-const pointers but only reads them.
        JSAMPROW row = const_cast<JSAMPLE*>(image.pixels.data() + info.next_scanline * stride);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    size = dest.capacity - dest.pub.free_in_buffer;
    jpeg_destroy_compress(&info);
    return true;
}

// image.pixels is allocated here (outside libjpeg's frames, with its own catch).
bool decode(const std::uint8_t* data, std::size_t size, RgbImage& image, char* message)
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = &errors.pub;
    installHandler(errors);
    if (setjmp(errors.escape)) {
        std::memcpy(message, errors.message, JMSG_LENGTH_MAX);
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const std::size_t pixels = static_cast<std::size_t>(info.output_width) * info.output_height;
    bool allocated = info.output_components == 3 && pixels <= kMaxPixels;
    if (allocated) {
        try {
            image.pixels.assign(pixels * 3, 0);
        } catch (const std::bad_alloc&) {
            allocated = false;
        }
    }
    if (!allocated) {
        std::snprintf(message, JMSG_LENGTH_MAX, "Picture too large: %u x %u", info.output_width, info.output_height);
        jpeg_destroy_decompress(&info);
        return false;
    }
    image.width = static_cast<int>(info.output_width);
    image.height = static_cast<int>(info.output_height);
    const std::size_t stride = static_cast<std::size_t>(image.width) * 3;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.pixels.data() + info.output_scanline * stride;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

std::vector<std::uint8_t> EncodeJpeg(const RgbImage& image, int quality)
{
    if (!image.valid())
        throw std::invalid_argument("EncodeJpeg: the pixels do not fill the picture");
    GrowingDestination dest{};
    dest.capacity = 64 * 1024;
    dest.buffer = static_cast<unsigned char*>(std::malloc(dest.capacity));
    if (dest.buffer == nullptr)
        throw std::bad_alloc();
    std::size_t size = 0;
    char message[JMSG_LENGTH_MAX] = {};
    const bool done = encode(image, quality, dest, size, message);
    const std::unique_ptr<unsigned char, decltype(&std::free)> owned(dest.buffer, &std::free);
    if (!done)
        throw JpegError(message);
    return std::vector<std::uint8_t>(dest.buffer, dest.buffer + size);
}

RgbImage DecodeJpeg(const std::uint8_t* data, std::size_t size)
{
    RgbImage image;
    char message[JMSG_LENGTH_MAX] = {};
    if (!decode(data, size, image, message))
        throw JpegError(message);
    return image;
}

void WriteJpegFile(const std::string& path, const RgbImage& image, int quality)
{
    const std::vector<std::uint8_t> bytes = EncodeJpeg(image, quality);
    saveUserFile(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

RgbImage ReadJpegFile(const std::string& path)
{
    std::string bytes;
    if (const int failure = readWholeFile(path, bytes); failure != 0)
        throw FileFailure(failure, path);
    return DecodeJpeg(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

} // namespace vy
