// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "jpeg_picture.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace duoband {

namespace {

// Larger pictures are refused rather than allocated (a corrupt header could
// otherwise ask for gigabytes).
constexpr unsigned kMaxSide = 16384;

// libjpeg reports fatal errors through error_exit, which must not return:
// it jumps back to the call that started the work, with the message kept.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

extern "C" void jumpOnError(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

// Warnings (for example a truncated file that still decodes) are not shown.
extern "C" void ignoreMessage(j_common_ptr) {}

jpeg_error_mgr* installErrorManager(ErrorManager& manager) {
    jpeg_error_mgr* pub = jpeg_std_error(&manager.pub);
    manager.pub.error_exit = jumpOnError;
    manager.pub.output_message = ignoreMessage;
    manager.message[0] = '\0';
    return pub;
}

// Between setjmp and a possible longjmp these functions hold only plain data;
// the picture they fill belongs to the caller.
bool decodeInto(const std::uint8_t* data, unsigned long size, RgbPicture& out,
                ErrorManager& manager) {
    jpeg_decompress_struct info{};
    info.err = installErrorManager(manager);
    if (setjmp(manager.jump) != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_width > kMaxSide || info.output_height > kMaxSide) {
        std::snprintf(manager.message, sizeof manager.message, "Picture too large (%ux%u)",
                      info.output_width, info.output_height);
        jpeg_destroy_decompress(&info);
        return false;
    }
    out.width = static_cast<int>(info.output_width);
    out.height = static_cast<int>(info.output_height);
    const std::size_t stride = std::size_t{info.output_width} * 3;
    out.rgb.assign(stride * info.output_height, 0);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out.rgb.data() + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

bool encodeInto(const RgbPicture& picture, int quality, unsigned char** buffer, unsigned long* size,
                ErrorManager& manager) {
    jpeg_compress_struct info{};
    info.err = installErrorManager(manager);
    if (setjmp(manager.jump) != 0) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = static_cast<JDIMENSION>(picture.width);
    info.image_height = static_cast<JDIMENSION>(picture.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    const std::size_t stride = std::size_t{info.image_width} * 3;
    while (info.next_scanline < info.image_height) {
        // libjpeg's API takes rows as non-const pointers but only reads them.
        auto* row = const_cast<JSAMPLE*>(picture.rgb.data() + stride * info.next_scanline);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

}  // namespace

std::optional<RgbPicture> decodeJpeg(std::span<const std::uint8_t> data, std::string& error) {
    if (data.empty()) {
        error = "Empty file";
        return std::nullopt;
    }
    ErrorManager manager;
    RgbPicture picture;
    if (!decodeInto(data.data(), data.size(), picture, manager)) {
        error = manager.message;
        return std::nullopt;
    }
    return picture;
}

std::optional<std::vector<std::uint8_t>> encodeJpeg(const RgbPicture& picture, int quality,
                                                    std::string& error) {
    const auto expected = std::size_t(picture.width) * std::size_t(picture.height) * 3;
    if (picture.width <= 0 || picture.height <= 0 || picture.rgb.size() != expected) {
        error = "Picture size does not match its pixels";
        return std::nullopt;
    }
    ErrorManager manager;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool ok = encodeInto(picture, quality, &buffer, &size, manager);
    std::optional<std::vector<std::uint8_t>> result;
    if (ok) result.emplace(buffer, buffer + size);
    std::free(buffer);  // allocated by jpeg_mem_dest
    if (!ok) error = manager.message;
    return result;
}

}  // namespace duoband
