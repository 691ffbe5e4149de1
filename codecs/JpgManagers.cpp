#include "codecs/JpgManagers.h"

#include <cstring>

#include <jerror.h>

namespace zentrova::jpg_detail {

namespace {

// Only plain data lives between the library's frames and the codec's setjmp: jumping over
// these frames skips no destructor.
[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
    auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, manager->message);
    std::longjmp(manager->jump, 1);
}

void OutputMessage(j_common_ptr /*cinfo*/) {}

void InitSource(j_decompress_ptr /*cinfo*/) {}

boolean FillInputBuffer(j_decompress_ptr cinfo) {
    auto* source = reinterpret_cast<SourceManager*>(cinfo->src);
    const bool delivered = source->reader->HasDelivered();
    const size_t got = source->reader->NextBlock();
    if (got == 0) {
        if (delivered) {
            ERREXIT(cinfo, JERR_INPUT_EOF);
        }
        ERREXIT(cinfo, JERR_INPUT_EMPTY);
    }
    source->pub.next_input_byte = source->reader->Block();
    source->pub.bytes_in_buffer = got;
    return TRUE;
}

void SkipInputData(j_decompress_ptr cinfo, long count) {
    if (count <= 0) {
        return;
    }
    auto remaining = static_cast<size_t>(count);
    jpeg_source_mgr* source = cinfo->src;
    while (remaining > source->bytes_in_buffer) {
        remaining -= source->bytes_in_buffer;
        FillInputBuffer(cinfo);
    }
    source->next_input_byte += remaining;
    source->bytes_in_buffer -= remaining;
}

void TermSource(j_decompress_ptr /*cinfo*/) {}

void InitDestination(j_compress_ptr cinfo) {
    auto* destination = reinterpret_cast<DestinationManager*>(cinfo->dest);
    destination->pub.next_output_byte = destination->writer->Block();
    destination->pub.free_in_buffer = codec_io::kBlockBytes;
}

boolean EmptyOutputBuffer(j_compress_ptr cinfo) {
    auto* destination = reinterpret_cast<DestinationManager*>(cinfo->dest);
    // The library calls this with the whole buffer full, whatever free_in_buffer says.
    if (!destination->writer->Commit(codec_io::kBlockBytes)) {
        ERREXIT(cinfo, JERR_FILE_WRITE);
    }
    InitDestination(cinfo);
    return TRUE;
}

void TermDestination(j_compress_ptr cinfo) {
    auto* destination = reinterpret_cast<DestinationManager*>(cinfo->dest);
    const size_t used = codec_io::kBlockBytes - destination->pub.free_in_buffer;
    if (!destination->writer->Commit(used)) {
        ERREXIT(cinfo, JERR_FILE_WRITE);
    }
}

}  // namespace

jpeg_error_mgr* InitErrorManager(ErrorManager& manager) {
    jpeg_error_mgr* error = jpeg_std_error(&manager.pub);
    error->error_exit = ErrorExit;
    error->output_message = OutputMessage;
    manager.message[0] = '\0';
    return error;
}

void AttachSource(j_decompress_ptr cinfo, SourceManager& source,
                  codec_io::BufferedFileReader& reader) {
    std::memset(&source, 0, sizeof(source));
    source.reader = &reader;
    source.pub.init_source = InitSource;
    source.pub.fill_input_buffer = FillInputBuffer;
    source.pub.skip_input_data = SkipInputData;
    source.pub.resync_to_restart = jpeg_resync_to_restart;
    source.pub.term_source = TermSource;
    cinfo->src = &source.pub;
}

void AttachDestination(j_compress_ptr cinfo, DestinationManager& destination,
                       codec_io::BufferedFileWriter& writer) {
    std::memset(&destination, 0, sizeof(destination));
    destination.writer = &writer;
    destination.pub.init_destination = InitDestination;
    destination.pub.empty_output_buffer = EmptyOutputBuffer;
    destination.pub.term_destination = TermDestination;
    cinfo->dest = &destination.pub;
}

}  // namespace zentrova::jpg_detail
