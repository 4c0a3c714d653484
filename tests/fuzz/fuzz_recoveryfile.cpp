// Reading a crash recovery copy of any bytes never fails badly, and what it reads writes
// back to the same bytes.

#include "recoveryfile.h"

#include "fuzzsupport.h"

using namespace tarnel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    const std::string_view data(reinterpret_cast<const char *>(bytes), size);
    if (const auto page = ParseRecoveryFile(data))
        FUZZ_CHECK(RecoveryFileText(*page) == data);
    FuzzedDataProvider fields(bytes, size);
    RecoveredPage page;
    fuzz::FillAll(fields, page.path, page.title);
    page.text = fields.ConsumeRemainingBytesAsString();
    FUZZ_CHECK(ParseRecoveryFile(RecoveryFileText(page)) == page);
    return 0;
}
