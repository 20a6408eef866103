// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

// Fuzzes libmad, patched as the Windows build of the splitter and the fader links it, with
// any bytes as an MPEG audio stream. The splitter and the fader decode the user's file with
// it (frames, headers, synthesis) while the program runs with administrator rights, so a
// read or write outside libmad's buffers must not happen whatever the file holds. Each
// input is decoded twice: in one buffer, and in the pieces a file reader hands over, with
// what a piece left unread moved to the front of the next one. Every buffer is exactly as
// large as its bytes (plus the zero guard at the end of the stream, as the readers add), so
// AddressSanitizer sees any step past it.

extern "C" {
#include "frame.h"
#include "stream.h"
#include "synth.h"
#include "timer.h"
}

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>

namespace {

class Decoder {
public:
    explicit Decoder(int options)
    {
        mad_stream_init(&stream_);
        mad_frame_init(&frame_);
        mad_synth_init(&synth_);
        mad_stream_options(&stream_, options);
    }
    ~Decoder()
    {
        mad_synth_finish(&synth_);
        mad_frame_finish(&frame_);
        mad_stream_finish(&stream_);
    }
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;

    // Hands libmad the next buffer; the previous one may be released afterwards.
    void buffer(const unsigned char* bytes, std::size_t size) { mad_stream_buffer(&stream_, bytes, size); }

    // Bytes of the current buffer that libmad has not finished with yet.
    std::size_t unread() const
    {
        if (stream_.next_frame == nullptr)
            return 0;
        return std::size_t(stream_.bufend - stream_.next_frame);
    }
    const unsigned char* unreadBytes() const { return stream_.next_frame; }

    // Decodes frames until the buffer runs out; false after an error libmad cannot go on from.
    bool decodeFrames()
    {
        for (;;) {
            if (mad_frame_decode(&frame_, &stream_) == -1) {
                if (stream_.error == MAD_ERROR_BUFLEN)
                    return true;
                if (!MAD_RECOVERABLE(stream_.error))
                    return false;
                if (stream_.error == MAD_ERROR_LOSTSYNC)
                    skipTag();
                continue;
            }
            mad_timer_add(&timer_, frame_.header.duration);
            mad_synth_frame(&synth_, &frame_);
            for (unsigned int i = 0; i < synth_.pcm.length; ++i)
                sum_ += std::uint32_t(synth_.pcm.samples[0][i]) ^ std::uint32_t(synth_.pcm.samples[1][i]);
        }
    }

    // As the fader measures a file's length: headers only, skipping the audio data.
    void decodeHeaders()
    {
        for (;;) {
            if (mad_header_decode(&frame_.header, &stream_) == -1) {
                if (!MAD_RECOVERABLE(stream_.error))
                    return;
                continue;
            }
            mad_timer_add(&timer_, frame_.header.duration);
        }
    }

    unsigned long milliseconds() const { return mad_timer_count(timer_, MAD_UNITS_MILLISECONDS); }

private:
    // As the fader does where it loses sync: an ID3v2 tag is skipped by the size it declares,
    // which may reach past the buffer, and decoding goes on at the next sync word.
    void skipTag()
    {
        const unsigned char* tag = stream_.this_frame;
        if (stream_.bufend - tag < 10 || std::memcmp(tag, "ID3", 3) != 0
            || ((tag[6] | tag[7] | tag[8] | tag[9]) & 0x80))
            return;
        mad_stream_skip(&stream_, 10 + (tag[6] << 21 | tag[7] << 14 | tag[8] << 7 | tag[9]));
        mad_stream_sync(&stream_);
    }

    mad_stream stream_;
    mad_frame frame_;
    mad_synth synth_;
    mad_timer_t timer_ = mad_timer_zero;
    std::uint32_t sum_ = 0;
};

std::unique_ptr<unsigned char[]> copyWithGuard(const unsigned char* first, std::size_t firstSize,
                                               const unsigned char* second, std::size_t secondSize, bool guard)
{
    const std::size_t size = firstSize + secondSize + (guard ? MAD_BUFFER_GUARD : 0);
    auto bytes = std::make_unique<unsigned char[]>(size);
    if (firstSize > 0)
        std::memcpy(bytes.get(), first, firstSize);
    if (secondSize > 0)
        std::memcpy(bytes.get() + firstSize, second, secondSize);
    if (guard)
        std::memset(bytes.get() + firstSize + secondSize, 0, MAD_BUFFER_GUARD);
    return bytes;
}

void decodeWhole(const unsigned char* data, std::size_t size, int options)
{
    const auto bytes = copyWithGuard(data, size, nullptr, 0, true);
    {
        Decoder decoder(options);
        decoder.buffer(bytes.get(), size + MAD_BUFFER_GUARD);
        decoder.decodeFrames();
        decoder.milliseconds();
    }
    Decoder headers(options);
    headers.buffer(bytes.get(), size + MAD_BUFFER_GUARD);
    headers.decodeHeaders();
    headers.milliseconds();
}

void decodeInPieces(const unsigned char* data, std::size_t size, int options, std::size_t pieceSize)
{
    Decoder decoder(options);
    std::unique_ptr<unsigned char[]> current;
    std::size_t offset = 0;
    bool ended = false;
    while (!ended) {
        const std::size_t piece = std::min(pieceSize, size - offset);
        ended = offset + piece == size;
        const std::size_t unread = decoder.unread();
        auto next = copyWithGuard(decoder.unreadBytes(), unread, data + offset, piece, ended);
        decoder.buffer(next.get(), unread + piece + (ended ? MAD_BUFFER_GUARD : 0));
        current = std::move(next);
        offset += piece;
        if (!decoder.decodeFrames())
            return;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    // The first byte picks the options and the size of the pieces; the rest is the stream.
    const int options = (data[0] & 1) ? MAD_OPTION_IGNORECRC : 0;
    const std::size_t pieceSize = 1 + std::size_t(data[0] >> 1) * 37;
    decodeWhole(data + 1, size - 1, options);
    decodeInPieces(data + 1, size - 1, options, pieceSize);
    return 0;
}
