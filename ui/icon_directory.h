// Picking one image out of the bytes of an icon file (.ico).
#pragma once

#include <cstddef>

// Where one image's data lies in the icon file.
struct IconImage {
    std::size_t offset;
    std::size_t size;
    int width;
};

// Reads the icon directory (type 1) and picks the image for a square icon of `wanted`
// pixels: that size exactly, else the smallest larger one, else the largest; among
// images of the same size the one with more bits per pixel. Entries whose data does not
// lie inside the file, after the directory, are passed over. False when the bytes are no icon directory or
// hold no usable image.
bool chooseIconImage(const unsigned char* data, std::size_t size, int wanted, IconImage& chosen);
