// libFuzzer entry: any bytes given to the image file reader.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "duoband/image_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    duoband::ImageFile file;
    (void)duoband::applyImageText(std::string_view(reinterpret_cast<const char*>(data), size),
                                  file);
    return 0;
}
