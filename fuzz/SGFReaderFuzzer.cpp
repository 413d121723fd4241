// libFuzzer target for the SGF reader: any bytes give a record or an error,
// never a crash, and a record read is written and read back unchanged.

#include "sgf/SGFReader.h"
#include "sgf/SGFWriter.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

void require(bool condition)
{
    if (!condition) {
        __builtin_trap();
    }
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const SGFReadResult result = SGFReader::read(text);
    if (!result.Record) {
        require(result.Error.Kind != SGFReadError::Kind::None);
        require(!result.Error.message().empty());
        require(result.Error.MoveNumber >= 0);
        return 0;
    }
    const SGFGameRecord& record = *result.Record;
    require(record.BoardSize == 9 && record.Handicap >= 0 && record.Handicap <= 9);
    const SGFReadResult again = SGFReader::read(SGFWriter::write(record));
    require(again.Record.has_value() && *again.Record == record);
    return 0;
}
