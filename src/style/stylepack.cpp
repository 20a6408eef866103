// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

// stylepack SOURCE OUTPUT
// Packs a readable visual style source into the form the program carries:
// the 13 bytes "VCL_STYLE 2.0" followed by a zlib stream of the source.

#include <zlib.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr char Signature[] = "VCL_STYLE 2.0";

int fail(const std::string& message)
{
    std::fprintf(stderr, "stylepack: %s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3)
        return fail("usage: stylepack SOURCE OUTPUT");

    std::ifstream in(argv[1], std::ios::binary);
    if (!in)
        return fail(std::string("cannot read ") + argv[1]);
    const std::vector<unsigned char> source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    uLongf packedSize = compressBound(source.size());
    std::vector<unsigned char> packed(packedSize);
    if (compress2(packed.data(), &packedSize, source.data(), source.size(), Z_BEST_COMPRESSION) != Z_OK)
        return fail("compression failed");

    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(Signature, sizeof Signature - 1);
    out.write(reinterpret_cast<const char*>(packed.data()), static_cast<std::streamsize>(packedSize));
    out.close();
    if (!out) {
        std::remove(argv[2]); // a half-written file must not look up to date
        return fail(std::string("cannot write ") + argv[2]);
    }
    return 0;
}
