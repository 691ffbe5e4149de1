// libjpeg glue of the JPEG codec: an error manager that never ends the process, and source and
// destination managers over the buffered file classes.
//
// The error manager formats the library's message and jumps back to the setjmp of the codec
// (the jump buffer is filled by the codec before the first library call). Warnings are not
// printed. The source manager treats a file that ends before the picture does as an error
// ("Premature end of input file"), rather than padding it with an invented end marker.
#pragma once

#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

#include "codecs/JpgPngStream.h"

namespace zentrova::jpg_detail {

struct ErrorManager {
    jpeg_error_mgr pub;  // first member: the library's pointer is this object's address
    jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

// Sets up the manager; returns the pointer for the error field of the library structure.
jpeg_error_mgr* InitErrorManager(ErrorManager& manager);

struct SourceManager {
    jpeg_source_mgr pub;
    codec_io::BufferedFileReader* reader;
};

void AttachSource(j_decompress_ptr cinfo, SourceManager& source,
                  codec_io::BufferedFileReader& reader);

struct DestinationManager {
    jpeg_destination_mgr pub;
    codec_io::BufferedFileWriter* writer;
};

void AttachDestination(j_compress_ptr cinfo, DestinationManager& destination,
                       codec_io::BufferedFileWriter& writer);

}  // namespace zentrova::jpg_detail
