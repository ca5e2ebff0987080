// SPDX-License-Identifier: GPL-3.0-or-later
#include "JpegSlika.h"

#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>

namespace {

struct TGreskaJpeg {
    jpeg_error_mgr standardna;
    std::jmp_buf povratak;
};

void Prekini(j_common_ptr info) {
    std::longjmp(reinterpret_cast<TGreskaJpeg*>(info->err)->povratak, 1);
}

void Cuti(j_common_ptr, int) {}

// Everything the longjmp may skip lives outside this frame: the image is
// the caller's, so no destructor is bypassed.
bool Dekodiraj(jpeg_decompress_struct& info, std::span<const unsigned char> jpeg,
               int najmanjaSirina, QImage& slika) {
    jpeg_mem_src(&info, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
    info.scale_num = 1;
    info.scale_denom = 1;
    for (unsigned imenilac = 8; imenilac > 1; imenilac /= 2) {
        if (najmanjaSirina > 0 &&
            (info.image_width + imenilac - 1) / imenilac >= unsigned(najmanjaSirina)) {
            info.scale_denom = imenilac;
            break;
        }
    }
    info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    slika = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    if (slika.isNull()) return false;
    while (info.output_scanline < info.output_height) {
        JSAMPROW red = slika.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &red, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

}  // namespace

QImage DekodirajJpeg(std::span<const unsigned char> jpeg, int najmanjaSirina) {
    if (jpeg.empty()) return {};
    jpeg_decompress_struct info{};
    TGreskaJpeg greska{};
    info.err = jpeg_std_error(&greska.standardna);
    greska.standardna.error_exit = Prekini;
    greska.standardna.emit_message = Cuti;
    QImage slika;
    bool uspeh = false;
    if (setjmp(greska.povratak) == 0) {
        jpeg_create_decompress(&info);
        uspeh = Dekodiraj(info, jpeg, najmanjaSirina, slika);
    }
    jpeg_destroy_decompress(&info);
    return uspeh ? slika : QImage();
}
