/* Converts an uncompressed BMP file into a PNG beside it: "x.bpm" becomes
 * "x.png" (any other name gets ".png" added). Reads 24- and 32-bit BI_RGB
 * files, bottom-up or top-down; returns 0 on success, non-zero on failure
 * (also when the PNG exists already), in which case no PNG is left behind.
 * The header is checked against the file's real size and the rows are
 * converted one at a time, so a damaged header can neither make it read past
 * the file nor allocate more than one row of a file that exists. */
#define _FILE_OFFSET_BITS 64
#include <png.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>

static uint32_t Read32(const unsigned char* p) {
    return (uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24);
}

static uint16_t Read16(const unsigned char* p) { return (uint16_t)(p[0] | (p[1] << 8)); }

/* The PNG name: ".bpm" replaced by ".png", or ".png" added. */
static char* PngName(const char* path) {
    const size_t n = strlen(path);
    char* out = malloc(n + 5);
    if (!out) return NULL;
    memcpy(out, path, n + 1);
    if (n >= 4 && strcmp(path + n - 4, ".bpm") == 0)
        memcpy(out + n - 4, ".png", 5);
    else
        memcpy(out + n, ".png", 5);
    return out;
}

/* Where the pixel rows are and how they are laid out. */
struct Layout {
    uint32_t width;
    uint32_t height;
    int bottomUp;
    unsigned bytesPerPixel;
    uint64_t stride; /* bytes per row in the file, padded to 4 */
    uint64_t offset; /* of the first stored row */
};

/* Checks the headers against each other and against the file's size. */
static int ReadLayout(FILE* in, struct Layout* layout) {
    unsigned char header[54];
    if (fread(header, 1, sizeof header, in) != sizeof header) return 0;
    if (header[0] != 'B' || header[1] != 'M') return 0;
    const uint32_t infoSize = Read32(header + 14);
    const int32_t width = (int32_t)Read32(header + 18);
    const int32_t height = (int32_t)Read32(header + 22);
    const uint16_t planes = Read16(header + 26);
    const uint16_t bits = Read16(header + 28);
    const uint64_t offset = Read32(header + 10);
    if (infoSize < 40 || planes != 1 || Read32(header + 30) != 0) return 0;
    if (bits != 24 && bits != 32) return 0;
    if (width <= 0 || height == 0 || height == INT32_MIN) return 0;
    if (offset < 14 + (uint64_t)infoSize) return 0;
    if (fseeko(in, 0, SEEK_END) != 0) return 0;
    const off_t end = ftello(in);
    if (end < 0) return 0;
    layout->width = (uint32_t)width;
    layout->height = height < 0 ? (uint32_t)-height : (uint32_t)height;
    layout->bottomUp = height > 0;
    layout->bytesPerPixel = bits / 8u;
    layout->stride = ((uint64_t)layout->width * bits + 31) / 32 * 4;
    layout->offset = offset;
    /* Divided rather than multiplied: stride times height may pass 2^64. */
    const uint64_t size = (uint64_t)end;
    return offset < size && layout->height <= (size - offset) / layout->stride;
}

/* Writes the PNG row by row from the BMP; 0 on success. The buffers are
 * made before the error handler is set, so it only has to free them. */
static int Convert(FILE* in, const struct Layout* layout, const char* name) {
    unsigned char* source = malloc((size_t)layout->stride);
    unsigned char* row = malloc((size_t)layout->width * 3);
    /* A new file only: an existing name, or a link put there, is never
     * written through. */
    FILE* out = source && row ? fopen(name, "wbx") : NULL;
    png_structp png = out ? png_create_write_struct(PNG_LIBPNG_VER_STRING, NULL, NULL, NULL) : NULL;
    png_infop info = png ? png_create_info_struct(png) : NULL;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        if (out) {
            fclose(out);
            remove(name);
        }
        free(row);
        free(source);
        return 1;
    }
    png_init_io(png, out);
    /* Drawings are flat colours: fast compression loses little here. */
    png_set_compression_level(png, 1);
    png_set_filter(png, 0, PNG_FILTER_SUB | PNG_FILTER_UP);
    png_set_IHDR(png, info, layout->width, layout->height, 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (uint32_t y = 0; y < layout->height; ++y) {
        const uint64_t stored = layout->bottomUp ? layout->height - 1 - y : y;
        if (fseeko(in, (off_t)(layout->offset + stored * layout->stride), SEEK_SET) != 0 ||
            fread(source, 1, (size_t)layout->stride, in) != layout->stride)
            png_error(png, "BMP rows cannot be read");
        const unsigned char* s = source;
        unsigned char* d = row;
        for (uint32_t x = 0; x < layout->width; ++x, s += layout->bytesPerPixel, d += 3) {
            d[0] = s[2];
            d[1] = s[1];
            d[2] = s[0];
        }
        png_write_row(png, row);
    }
    png_write_end(png, NULL);
    png_destroy_write_struct(&png, &info);
    free(row);
    free(source);
    if (fclose(out) != 0) {
        remove(name);
        return 1;
    }
    return 0;
}

__attribute__((visibility("default"))) int Bmp2Png(const char* path) {
    if (!path) return 1;
    FILE* in = fopen(path, "rb");
    if (!in) return 1;
    int result = 1;
    struct Layout layout;
    if (ReadLayout(in, &layout)) {
        char* name = PngName(path);
        if (name) result = Convert(in, &layout, name);
        free(name);
    }
    fclose(in);
    return result;
}
