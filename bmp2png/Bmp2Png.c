/* Converts an uncompressed BMP file into a PNG beside it: "x.bpm" becomes
 * "x.png" (any other name gets ".png" added). Reads 24- and 32-bit BI_RGB
 * files, bottom-up or top-down; returns 0 on success, non-zero on failure,
 * in which case no PNG is left behind. */
#include <png.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

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
    if (n >= 4 && strcmp(path + n - 4, ".bpm") == 0) memcpy(out + n - 4, ".png", 5);
    else memcpy(out + n, ".png", 5);
    return out;
}

/* Writes the rows (top row first) as an 8-bit RGB PNG. */
static int WritePng(const char* name, const unsigned char* rows, uint32_t width, uint32_t height,
                    size_t stride) {
    FILE* out = fopen(name, "wb");
    if (!out) return 1;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, NULL, NULL, NULL);
    png_infop info = png ? png_create_info_struct(png) : NULL;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        fclose(out);
        remove(name);
        return 1;
    }
    png_init_io(png, out);
    /* Drawings are flat colours: fast compression loses little here. */
    png_set_compression_level(png, 1);
    png_set_filter(png, 0, PNG_FILTER_SUB | PNG_FILTER_UP);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (uint32_t y = 0; y < height; ++y) {
        png_bytep row = (png_bytep)(rows + (size_t)y * stride);
        png_write_row(png, row);
    }
    png_write_end(png, NULL);
    png_destroy_write_struct(&png, &info);
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
    unsigned char header[54];
    int result = 1;
    unsigned char* pixels = NULL;
    unsigned char* rgb = NULL;
    char* name = NULL;
    if (fread(header, 1, sizeof header, in) != sizeof header) goto done;
    if (header[0] != 'B' || header[1] != 'M' || Read32(header + 14) < 40) goto done;
    const int32_t width = (int32_t)Read32(header + 18);
    const int32_t rawHeight = (int32_t)Read32(header + 22);
    const uint16_t bits = Read16(header + 28);
    const uint32_t offset = Read32(header + 10);
    if (Read32(header + 30) != 0 || (bits != 24 && bits != 32)) goto done;
    if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN) goto done;
    const uint32_t height = rawHeight < 0 ? (uint32_t)-rawHeight : (uint32_t)rawHeight;
    if ((uint64_t)width * height > 256u * 1024u * 1024u) goto done;
    const size_t stride = (((size_t)width * bits + 31) / 32) * 4;
    pixels = malloc(stride * height);
    rgb = malloc((size_t)width * 3 * height);
    if (!pixels || !rgb) goto done;
    if (fseek(in, (long)offset, SEEK_SET) != 0) goto done;
    if (fread(pixels, 1, stride * height, in) != stride * height) goto done;
    const size_t step = bits / 8;
    for (uint32_t y = 0; y < height; ++y) {
        const uint32_t source = rawHeight > 0 ? height - 1 - y : y;
        const unsigned char* s = pixels + (size_t)source * stride;
        unsigned char* d = rgb + (size_t)y * width * 3;
        for (int32_t x = 0; x < width; ++x, s += step, d += 3) {
            d[0] = s[2];
            d[1] = s[1];
            d[2] = s[0];
        }
    }
    name = PngName(path);
    if (!name) goto done;
    result = WritePng(name, rgb, (uint32_t)width, height, (size_t)width * 3);
done:
    free(name);
    free(rgb);
    free(pixels);
    fclose(in);
    return result;
}
